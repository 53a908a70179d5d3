// The simulated companion application: the MapBasic program that loads the library, registers
// itself and runs the library's statements in the host. It serves DDE service "MapInfo" with its
// program path as topic (the path is a global atom, its folder a directory on disk), answers the
// Request of its global "iGlobalApplicationIdentifier", records the "*#Internal Procedure:"
// messages, and runs every other Execute in the host, reporting the outcome through
// SetMbApplicationExecuteError before the Execute returns. A failed statement is shown to the user
// (recorded) only while IsPrintingError() says so; its text goes to SetLastMapInfoErrorString.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/dde/dde_network.h"
#include "sim/desktop/system_sim.h"
#include "sim/mapinfo/mapinfo_host.h"

namespace ornil::sim {

class Companion : public DdeServer {
 public:
  static constexpr const char* kDefaultProgramPath = "C:\\MapInfo\\Ornil\\OrnilApp.MBX";

  explicit Companion(MapInfoHost& host, std::string programPath = kDefaultProgramPath);

  // Serves the program path on the network, adds it as a global atom and its folder as a
  // directory; gives the server id.
  int Attach(DdeNetwork& network, SimAtoms& atoms, SimFileSystem& files);

  const std::string& ProgramPath() const { return programPath_; }
  // The program's folder with its final backslash, as ProgramDirectory$() gives it.
  std::string Directory() const;

  // The companion's start-up calls through the library's exports.
  struct StartOptions {
    std::int32_t identifier = 0;   // 0: take one from GetApplicationId
    std::int32_t idRange = 32767;  // the argument of GetApplicationId
    // The global holds the identifier before RegisterApplication asks for it; false leaves it 0
    // until "*#Internal Procedure:SetGlobalApplicationId".
    bool setGlobalFirst = true;
    std::uintptr_t mapInfoWindow = 0;  // 0: the host's main window
  };
  struct Handles {
    std::int32_t identifier = 0;
    std::uintptr_t applicationConv = 0;  // RegisterApplication
    std::uint32_t instance = 0;          // GetDdeInstId
    std::uintptr_t mapInfoConv = 0;      // GetMapInfoDdeConv
  };
  Handles Start(const StartOptions& options);
  Handles Start() { return Start(StartOptions{}); }
  // UnRegisterApplication of the identifier Start registered.
  void Stop();

  // DdeServer.
  bool Execute(const std::string& command) override;
  std::optional<std::string> Request(const std::string& item) override;

  std::int32_t globalApplicationId = 0;  // "iGlobalApplicationIdentifier"

  struct StatementRun {
    std::string statement;
    bool ok = false;
    std::string error;
    bool shown = false;  // the error was shown to the user
  };
  // Every statement run for the library, in order.
  const std::vector<StatementRun>& Statements() const { return runs_; }
  // The error texts shown to the user.
  std::vector<std::string> ShownErrors() const;
  // The internal procedure names received, in order ("SetGlobalApplicationId", …).
  const std::vector<std::string>& InternalProcedures() const { return procedures_; }
  // Whether the companion currently offers the user to create / change lookup values.
  bool OffersValueCreation() const { return offersCreation_; }
  bool OffersValueUpdating() const { return offersUpdating_; }

 private:
  void InternalProcedure(const std::string& name);

  MapInfoHost& host_;
  std::string programPath_;
  std::int32_t registered_ = 0;
  std::vector<StatementRun> runs_;
  std::vector<std::string> procedures_;
  bool offersCreation_ = false;
  bool offersUpdating_ = false;
};

}  // namespace ornil::sim
