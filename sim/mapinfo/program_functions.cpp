// The functions of a running program.
#include "sim/mapinfo/program_functions.h"

#include <cmath>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "sim/mapinfo/program_runtime.h"

namespace ornil::sim::mb {

namespace {

using Args = std::vector<Value>;

int IntOf(const Value& v) {
  return static_cast<int>(std::lround(NumberOf(v)));
}

Value ApplicationDirectory(ProgramRuntime& rt, const Args&) {
  return Value::Text(rt.Env().directory);
}

Value FileExists(ProgramRuntime& rt, const Args& a) {
  const auto& exists = rt.Env().fileExists;
  return Value::Logical(exists && exists(ToText(a[0])));
}

Value ErrorText(ProgramRuntime& rt, const Args&) {
  return Value::Text(rt.LastError());
}

Value ErrorCode(ProgramRuntime& rt, const Args&) {
  return Value::Integer(rt.LastError().empty() ? 0 : 1);
}

Value FrontWindow(ProgramRuntime& rt, const Args&) {
  return Value::Integer(rt.Host().Workspace().FrontWindowId());
}

bool Contains(const Table::Box& box, double x, double y) {
  return x >= box.x1 && x <= box.x2 && y >= box.y1 && y <= box.y2;
}

// The objects of the map's layers at the point, the top layer first.
Value SearchPoint(ProgramRuntime& rt, const Args& a) {
  Workspace& ws = rt.Host().Workspace();
  const HostWindow* w = ws.FindWindow(IntOf(a[0]));
  if (w == nullptr || w->type != kMapWindow) {
    throw HostError("SearchPoint: window " + std::to_string(IntOf(a[0])) + " is no map");
  }
  const double x = NumberOf(a[1]);
  const double y = NumberOf(a[2]);
  rt.searchResults.clear();
  const std::vector<std::string> layers = w->layers.empty() ? std::vector{w->table} : w->layers;
  for (const auto& name : layers) {
    const Table* t = ws.FindOpen(name);
    if (t == nullptr) continue;
    for (const auto& [row, box] : t->objects) {
      if (Contains(box, x, y)) rt.searchResults.push_back({t->Name(), row});
    }
  }
  return Value::Integer(static_cast<double>(rt.searchResults.size()));
}

Value SearchInfo(ProgramRuntime& rt, const Args& a) {
  const int n = IntOf(a[0]);
  if (n < 1 || n > static_cast<int>(rt.searchResults.size())) {
    throw HostError("SearchInfo: there is no result " + std::to_string(n));
  }
  const auto& found = rt.searchResults[n - 1];
  switch (IntOf(a[1])) {
    case 1:
      return Value::Text(found.table);
    case 2:
      return Value::Integer(found.row);
    default:
      throw HostError("SearchInfo: unsupported attribute code " + std::to_string(IntOf(a[1])));
  }
}

int Text(const std::vector<NodePtr>&) {
  return kChar;
}
int Integer(const std::vector<NodePtr>&) {
  return kInteger;
}
int Logical(const std::vector<NodePtr>&) {
  return kLogical;
}
int SearchInfoType(const std::vector<NodePtr>& args) {
  const Value* code = args.size() > 1 ? args[1]->Constant() : nullptr;
  return code != nullptr && IsNumericType(code->type) && code->number == 1 ? kChar : kInteger;
}

struct ProgramFunction {
  std::string_view name;
  std::size_t args = 0;
  int (*type)(const std::vector<NodePtr>&) = nullptr;
  Value (*eval)(ProgramRuntime&, const Args&) = nullptr;
};

constexpr ProgramFunction kFunctions[] = {
    {"applicationdirectory$", 0, Text, ApplicationDirectory},
    {"fileexists", 1, Logical, FileExists},
    {"error$", 0, Text, ErrorText},
    {"err", 0, Integer, ErrorCode},
    {"frontwindow", 0, Integer, FrontWindow},
    {"searchpoint", 3, Integer, SearchPoint},
    {"searchinfo", 2, SearchInfoType, SearchInfo},
};

class FunctionNode : public Node {
 public:
  FunctionNode(ProgramRuntime& rt, const ProgramFunction& f, std::vector<NodePtr> args)
      : Node(f.type(args)), rt_(rt), f_(f), args_(std::move(args)) {
    if (type == kChar) width = 254;
  }
  Value Eval(int rowId) const override {
    Args values;
    for (const auto& a : args_)
      values.push_back(a->Eval(rowId));
    return f_.eval(rt_, values);
  }

 private:
  ProgramRuntime& rt_;
  const ProgramFunction& f_;
  std::vector<NodePtr> args_;
};

}  // namespace

NodePtr ProgramFunctionCall(ProgramRuntime& runtime, const Expr& call, Scope& scope) {
  for (const auto& f : kFunctions) {
    if (!EqualNoCase(f.name, call.text)) continue;
    if (call.args.size() != f.args) {
      throw HostError("Wrong number of arguments for function " + call.text);
    }
    std::vector<NodePtr> args;
    for (const auto& a : call.args)
      args.push_back(Compile(*a, scope));
    return std::make_unique<FunctionNode>(runtime, f, std::move(args));
  }
  return nullptr;
}

}  // namespace ornil::sim::mb
