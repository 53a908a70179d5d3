// Running a parsed MapBasic program in the simulated host: global and local variables, calls of
// its procedures and of DLL functions, the error handlers of OnError, and the statements it runs
// in the host. While one of its own statements runs, the host looks its names up here.
//
// An error inside a procedure goes to that procedure's OnError handler; without one the program
// halts (ProgramHalted, with the file and line), as MapInfo halts it after its error dialog.
// End Program unwinds every procedure (ProgramEnding); whoever started the run ends the program.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/mapinfo/compiler.h"
#include "sim/mapinfo/native_library.h"
#include "sim/mapinfo/program.h"
#include "sim/mapinfo/program_ui.h"

namespace ornil::sim {
class MapInfoHost;
}

namespace ornil::sim::mb {

// While a program's own statement runs, its names come first; while the host or a DLL works on
// its behalf (Run Command, a DLL call, the host's event delivery) they are out of sight.
class NamesInSight {
 public:
  NamesInSight(Workspace& ws, NameResolver* names) : ws_(ws), saved_(ws.names) { ws.names = names; }
  ~NamesInSight() { ws_.names = saved_; }
  NamesInSight(const NamesInSight&) = delete;
  NamesInSight& operator=(const NamesInSight&) = delete;

 private:
  Workspace& ws_;
  NameResolver* saved_;
};

struct ProgramEnding {};
struct ProgramHalted {
  std::string message;
};

struct Slot {
  VarType type;
  Value value;
  std::vector<std::pair<std::string, std::shared_ptr<Slot>>> fields;  // custom types
};
using SlotPtr = std::shared_ptr<Slot>;

class ProgramRuntime : public NameResolver {
 public:
  struct Environment {
    std::string directory;  // ApplicationDirectory$(): the program's folder, final "\" kept
    std::function<bool(const std::string&)> fileExists;
  };

  ProgramRuntime(Program program, MapInfoHost& host, const NativeLibraries& natives,
                 Environment environment);
  ~ProgramRuntime() override;
  ProgramRuntime(const ProgramRuntime&) = delete;
  ProgramRuntime& operator=(const ProgramRuntime&) = delete;

  const Program& Code() const { return program_; }
  bool Defines(const std::string& procedure) const;
  // Runs a procedure without arguments (Main, a handler, a menu's). Throws ProgramEnding and
  // ProgramHalted.
  void RunProcedure(const std::string& name);
  // Calls a function without arguments (RemoteQueryHandler) and gives its result.
  Value CallFunction(const std::string& name);

  // Global variables by name (letter case ignored); null for none.
  const Value* Global(const std::string& name) const;
  void SetGlobal(const std::string& name, const Value& value);  // throws HostError
  ProgramUi& Ui() { return ui_; }
  const ProgramUi& Ui() const { return ui_; }
  // Set Handler … Off switched the handler off.
  bool HandlerOn(const std::string& name) const;
  // Every Note the program showed, in order.
  const std::vector<std::string>& Notes() const { return notes_; }
  // Every Run Command: the statement and MapInfo's error text, empty when it ran.
  struct CommandRun {
    std::string statement;
    bool ok = true;
    std::string error;
  };
  const std::vector<CommandRun>& Commands() const { return commands_; }
  const Environment& Env() const { return environment_; }
  MapInfoHost& Host() { return host_; }
  const std::string& LastError() const { return lastError_; }

  // A procedure of the program is running (an entry point may be nested in another one).
  bool Busy() const { return !frames_.empty(); }
  // An entry nested in a running one ended or halted the program: the procedures still running
  // stop at their next statement with the same outcome.
  void Stop(std::optional<std::string> haltMessage);
  // The program is ending: what stopped it is done, its EndHandler may run.
  void ClearStop();

  // Results of SearchPoint, for SearchInfo.
  struct Found {
    std::string table;
    int row = 0;
  };
  std::vector<Found> searchResults;

  // NameResolver.
  bool IsVariable(const std::string& name) override;
  NodePtr Variable(const std::string& name) override;
  NodePtr Field(const Expr& member) override;
  NodePtr Call(const Expr& call, Scope& scope) override;

  // An argument of a call: its value, or the variable a by-reference parameter stands for.
  struct Argument {
    Value value;
    SlotPtr variable;
  };
  // Calls a declared procedure or DLL function; throws HostError.
  Value Invoke(const Declaration& d, std::vector<Argument>& args);
  // The expressions of a call bound to the parameters: a by-reference parameter to the variable
  // written there, any other to the compiled expression.
  struct ArgBinding {
    SlotPtr variable;
    NodePtr value;
  };
  std::vector<ArgBinding> BindArguments(const Declaration& d, const std::vector<ExprPtr>& args,
                                        Scope& scope);
  static std::vector<Argument> Arguments(const std::vector<ArgBinding>& bindings, int rowId);

 private:
  struct Frame {
    const Procedure* proc = nullptr;
    std::map<std::string, SlotPtr> locals;
    std::vector<std::pair<double, double>> loops;  // end and step of each For
    int handler = -1;
    bool inHandler = false;
    int errorAt = -1;
  };

  SlotPtr FindSlot(const std::string& name) const;
  SlotPtr NewSlot(const VarType& type) const;
  void Store(Slot& slot, const Value& v) const;
  Value RunFrame(Frame& frame);
  int Step(Frame& frame, int pc);
  Value Evaluate(const ExprPtr& e);
  Value CallProcedure(const Procedure& proc, std::vector<Argument>& args);
  Value CallNative(const Declaration& d, std::vector<Argument>& args);
  void RunUi(const Operation& op);
  void CountStep();

  Program program_;
  MapInfoHost& host_;
  const NativeLibraries& natives_;
  Environment environment_;
  std::map<std::string, SlotPtr> globals_;
  std::vector<Frame*> frames_;
  ProgramUi ui_;
  std::map<std::string, bool> handlersOff_;
  std::vector<std::string> notes_;
  std::vector<CommandRun> commands_;
  std::string lastError_;
  long long steps_ = 0;
  bool stopping_ = false;
  std::optional<std::string> haltMessage_;
};

}  // namespace ornil::sim::mb
