// A MapBasic program loaded into the simulated host, as MapInfo runs an .MBX. Main runs first; a
// program with handlers, menus or buttons then sleeps and wakes for the host's events
// (SelChangedHandler, WinChangedHandler, WinClosedHandler), for DDE messages addressed to its
// program path (RemoteMsgHandler with CommandInfo(1000); a Request answers a global of that name,
// else RemoteQueryHandler), and for the user's choices of its menu items and buttons. End Program,
// or MapInfo ending, runs its EndHandler and takes its menus, buttons and DDE topic away. An error
// without a handler halts it: MapInfo's error text is kept, nothing more runs.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/dde/dde_network.h"
#include "sim/desktop/system_sim.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "sim/mapinfo/native_library.h"
#include "sim/mapinfo/program_runtime.h"
#include "sim/mapinfo/program_text.h"

namespace ornil::sim {

class MapBasicApplication : public DdeServer {
 public:
  struct Source {
    std::string mainFile;   // the program's source file
    mb::SourceReader read;  // reads it and what it includes
  };
  // Loads and parses the program; throws mb::HostError naming the file and line of anything it
  // cannot parse. `programPath` is where the host believes the program is (its DDE topic).
  MapBasicApplication(MapInfoHost& host, const mb::NativeLibraries& natives,
                      std::string programPath, const Source& source,
                      std::function<bool(const std::string&)> fileExists = {});
  ~MapBasicApplication() override;
  MapBasicApplication(const MapBasicApplication&) = delete;
  MapBasicApplication& operator=(const MapBasicApplication&) = delete;

  // Serves "MapInfo" with the program path as topic, adds the path as a global atom and its folder
  // as a directory. The network and atoms must outlive the program's end.
  void Attach(DdeNetwork& network, SimAtoms& atoms, SimFileSystem& files);

  // Runs Main; afterwards the program sleeps, or has ended when it has nothing to wake for.
  void Run();
  bool Running() const { return state_ == State::Running; }
  bool Ended() const { return state_ == State::Ended; }
  // MapInfo ends (or unloads the program): EndHandler, then the program is gone.
  void End();
  // The error that halted the program, with its file and line; empty while it has not halted.
  const std::string& HaltMessage() const { return halted_; }

  // What the user does. Each gives false when there is no such enabled item or button.
  bool ChooseMenuItem(const std::string& menu, const std::string& item);
  bool PushButton(const std::string& handler);
  // A click with a tool button in a map window, at map coordinates.
  bool UseTool(const std::string& handler, int mapWindow, double x, double y);

  // DdeServer.
  bool Execute(const std::string& message) override;
  std::optional<std::string> Request(const std::string& item) override;

  mb::ProgramRuntime& Runtime() { return *runtime_; }
  const mb::ProgramRuntime& Runtime() const { return *runtime_; }
  const std::string& ProgramPath() const { return path_; }
  std::string Directory() const;
  // The DDE Executes it received, in order.
  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  enum class State { Loaded, Running, Ended };
  template <class F>
  void Guarded(F run);
  void RunHandler(const char* name);
  void OnEvent(const mb::HostEvent& event);
  void Finish(bool runEndHandler);
  bool Sleeps() const;

  MapInfoHost& host_;
  std::string path_;
  std::unique_ptr<mb::ProgramRuntime> runtime_;
  State state_ = State::Loaded;
  std::string halted_;
  std::vector<std::string> messages_;
  int listener_ = 0;
  DdeNetwork* network_ = nullptr;
  SimAtoms* atoms_ = nullptr;
  int server_ = 0;
  std::uint16_t atom_ = 0;
};

}  // namespace ornil::sim
