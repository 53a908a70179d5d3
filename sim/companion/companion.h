// The companion program in the simulated host: our real MapBasic source from companion/, run by
// the simulated host with its DLL declarations bound to the library's exports and to the simulated
// desktop. It serves DDE service "MapInfo" with its program path as topic (the path a global atom,
// its folder a directory), runs every statement the library sends and reports it, and offers the
// user its menu, map tool and pad. This class is the tests' handle on it: start and stop, the
// user's clicks, and what the program did, read from the program itself.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/window_manager.h"
#include "sim/dde/dde_network.h"
#include "sim/desktop/system_sim.h"
#include "sim/mapinfo/application.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "sim/mapinfo/native_library.h"

namespace ornil::sim {

class Companion {
 public:
  static constexpr const char* kDefaultProgramPath = "C:\\MapInfo\\Ornil\\OrnilApp.MBX";
  // The menu and pad the program makes.
  static constexpr const char* kMenu = "Ornil";

  // Which declarations the program's flavour line includes: as written (64-bit), or those of
  // the 32-bit DLL in their place.
  enum class Flavour { Bits64, Bits32 };

  explicit Companion(MapInfoHost& host, std::string programPath = kDefaultProgramPath);
  ~Companion();
  Companion(const Companion&) = delete;
  Companion& operator=(const Companion&) = delete;

  // Binds the library's exports and the Windows functions, loads the source and serves the
  // program's topic. Throws mb::HostError naming the line of anything the host cannot parse.
  void Attach(DdeNetwork& network, SimAtoms& atoms, SimFileSystem& files,
              platform::WindowManager& desktop, Flavour flavour = Flavour::Bits64);
  // What the program's DLL declarations bind to; a test may add its own functions before Start.
  mb::NativeLibraries& Natives() { return natives_; }
  // Files the program finds besides those of the simulated file system (full paths, letter case
  // ignored).
  std::set<std::string> files;

  const std::string& ProgramPath() const { return programPath_; }
  // The program's folder with its final backslash, as ApplicationDirectory$() gives it.
  std::string Directory() const;

  struct Handles {
    std::int32_t identifier = 0;
    std::uintptr_t applicationConv = 0;  // RegisterApplication
    std::uint32_t instance = 0;          // GetDdeInstId
    std::uintptr_t mapInfoConv = 0;      // GetMapInfoDdeConv
  };
  // Runs the program's Main; gives the handles it holds afterwards.
  Handles Start();
  // MapInfo ends: the program's EndHandler runs and the program is gone.
  void Stop();
  // The program is loaded (Attach has run); Program() needs it.
  bool Loaded() const { return app_ != nullptr; }
  MapBasicApplication& Program() { return *app_; }
  const MapBasicApplication& Program() const { return *app_; }

  // The user chooses an item of the program's menu by its text, or clicks with its map tool in a
  // map window at map coordinates. False when the item or tool cannot be used.
  bool Choose(const std::string& item);
  bool ClickInfoTool(int mapWindow, double x, double y);

  // What the program holds and did.
  std::int32_t GlobalApplicationId() const;  // "iGlobalApplicationIdentifier"
  void SetGlobalApplicationId(std::int32_t id);
  struct StatementRun {
    std::string statement;
    bool ok = false;
    std::string error;
  };
  // Every statement run for the library, in order.
  std::vector<StatementRun> Statements() const;
  // What the program showed the user (its Notes), in order.
  std::vector<std::string> ShownErrors() const;
  // The internal procedure names received, in order ("SetGlobalApplicationId", …).
  std::vector<std::string> InternalProcedures() const;
  // Whether the program offers the user to create / change lookup values (its menu items).
  bool OffersValueCreation() const;
  bool OffersValueUpdating() const;
  bool MenuItemEnabled(const std::string& item) const;

 private:
  MapInfoHost& host_;
  std::string programPath_;
  mb::NativeLibraries natives_;
  std::unique_ptr<MapBasicApplication> app_;
};

}  // namespace ornil::sim
