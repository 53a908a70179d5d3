// A simulated world with MapInfo and the companion in it: the host serves "MapInfo"/"System", our
// companion program (companion/, run by the host) its program path, the sample tables are open,
// and the program has started: registered with the library through the exports, its menu and map
// tool made. The program's questions whether the library is busy are recorded with their answers.
// The host's main window and its document windows are windows of
// the simulated desktop: a map or browser window the host opens gets a desktop handle, closing it
// in the host destroys it there, and destroying it on the desktop (the user closing it) closes it
// in the host. A test then works through the link:
//
//   HostWorld w;
//   TMapInfo link = w.Link();
//   EXPECT_TRUE(link.OpenedTab("Parcels"));
//
// The DDE transcript is cleared after registration, so it holds only the test's own traffic.
#pragma once

#include <string>
#include <vector>

#include "host/mapbasic_link.h"
#include "platform/window_manager.h"
#include "sim/companion/companion.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "support/sim_world.h"

namespace ornil::testing {

namespace detail {
// Made before the rest of the world and gone after it, so the library's own shut-down can still
// reach the host through the companion.
struct HostParts {
  // What the program asked the library whether it is saving, finding or showing its info window,
  // and the answer, in order: "IsSavingStarted=1". (The program may still ask while it ends.)
  std::vector<std::string> libraryAnswers;
  sim::MapInfoHost host;
  sim::Companion companion{host};
};
}  // namespace detail

class HostWorld : public detail::HostParts, public SimWorld {
 public:
  struct Options {
    bool sampleTables = true;
    bool registerLibrary = true;  // start the companion program
    sim::Companion::Flavour flavour = sim::Companion::Flavour::Bits64;
  };
  HostWorld() : HostWorld(Options{}) {}
  explicit HostWorld(Options options);

  // A link with the handles the companion obtained, as a window of the library would hold it.
  TMapInfo Link() const;
  // Starts the companion program, which registers with the library (when the options left it
  // out).
  void Register();
  // The user clicks with the companion's map tool in a map window: at map point (x, y), which is
  // at `screen` on the screen.
  bool ClickInfoTool(int mapWindow, double x, double y, platform::ScreenPoint screen);

  // The desktop window of a host window id; 0 when there is none.
  std::uintptr_t WindowHandle(int hostWindowId);

  std::vector<std::string> Transcript() const { return dde.TranscriptLines(); }
  void ClearTranscript() { dde.Transcript().clear(); }

  sim::Companion::Handles handles;

 private:
  void PutHostWindowsOnTheDesktop();
  void RecordLibraryAnswers();
};

}  // namespace ornil::testing
