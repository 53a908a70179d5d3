// A simulated world with MapInfo and the companion in it: the host serves "MapInfo"/"System", the
// companion its program path, the sample tables are open, and the companion has registered with
// the library through the exports. The host's main window and its document windows are windows of
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
#include "sim/companion/companion.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "support/sim_world.h"

namespace ornil::testing {

namespace detail {
// Made before the rest of the world and gone after it, so the library's own shut-down can still
// reach the host through the companion.
struct HostParts {
  sim::MapInfoHost host;
  sim::Companion companion{host};
};
}  // namespace detail

class HostWorld : public detail::HostParts, public SimWorld {
 public:
  struct Options {
    bool sampleTables = true;
    bool registerLibrary = true;
  };
  HostWorld() : HostWorld(Options{}) {}
  explicit HostWorld(Options options);

  // A link with the handles the companion obtained, as a window of the library would hold it.
  TMapInfo Link() const;
  // Registers the companion with the library (when the options left it out).
  void Register(const sim::Companion::StartOptions& options = {});

  // The desktop window of a host window id; 0 when there is none.
  std::uintptr_t WindowHandle(int hostWindowId);

  std::vector<std::string> Transcript() const { return dde.TranscriptLines(); }
  void ClearTranscript() { dde.Transcript().clear(); }

  sim::Companion::Handles handles;

 private:
  void PutHostWindowsOnTheDesktop();
};

}  // namespace ornil::testing
