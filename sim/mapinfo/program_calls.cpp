// Calls in a running program: its names for the host's expression compiler (variables, elements
// of custom types, function calls), the binding of arguments, and calls of DLL functions.
#include <cmath>

#include "sim/mapinfo/declaration_check.h"
#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "sim/mapinfo/program_functions.h"
#include "sim/mapinfo/program_runtime.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

namespace {

int ValueType(const VarType& t) {
  return t.code == kIntPtr ? kFloat : t.code;
}

class SlotNode : public Node {
 public:
  explicit SlotNode(SlotPtr slot) : Node(ValueType(slot->type)), slot_(std::move(slot)) {
    if (IsTextType(type)) width = 254;
  }
  Value Eval(int) const override { return slot_->value; }

 private:
  SlotPtr slot_;
};

class ProgramCall : public Node {
 public:
  ProgramCall(ProgramRuntime& runtime, const Declaration& d,
              std::vector<ProgramRuntime::ArgBinding> args)
      : Node(ValueType(d.result)), runtime_(runtime), d_(d), args_(std::move(args)) {
    if (IsTextType(type)) width = 254;
  }
  Value Eval(int rowId) const override {
    std::vector<ProgramRuntime::Argument> args = ProgramRuntime::Arguments(args_, rowId);
    return runtime_.Invoke(d_, args);
  }

 private:
  ProgramRuntime& runtime_;
  const Declaration& d_;
  std::vector<ProgramRuntime::ArgBinding> args_;
};

SlotPtr FieldOf(const Slot& record, const std::string& name) {
  for (const auto& [field, slot] : record.fields) {
    if (EqualNoCase(field, name)) return slot;
  }
  return nullptr;
}

}  // namespace

bool ProgramRuntime::IsVariable(const std::string& name) {
  return FindSlot(name) != nullptr;
}

NodePtr ProgramRuntime::Variable(const std::string& name) {
  SlotPtr slot = FindSlot(name);
  if (!slot) return nullptr;
  if (!slot->type.record.empty()) {
    throw HostError(name + " is of type " + slot->type.written + "; name one of its elements");
  }
  return std::make_unique<SlotNode>(slot);
}

NodePtr ProgramRuntime::Field(const Expr& member) {
  SlotPtr slot = FindSlot(member.text);
  if (!slot || slot->type.record.empty()) return nullptr;
  SlotPtr field = FieldOf(*slot, member.member);
  if (!field) throw HostError(member.text + " has no element " + member.member);
  return std::make_unique<SlotNode>(field);
}

NodePtr ProgramRuntime::Call(const Expr& call, Scope& scope) {
  auto it = program_.declarations.find(text::Lower(call.text));
  if (it == program_.declarations.end()) return ProgramFunctionCall(*this, call, scope);
  const Declaration& d = it->second;
  if (!d.function) throw HostError("Sub " + d.name + " cannot be used in an expression");
  return std::make_unique<ProgramCall>(*this, d, BindArguments(d, call.args, scope));
}

std::vector<ProgramRuntime::ArgBinding> ProgramRuntime::BindArguments(
    const Declaration& d, const std::vector<ExprPtr>& args, Scope& scope) {
  if (args.size() != d.params.size()) {
    throw HostError(d.name + " takes " + std::to_string(d.params.size()) + " arguments, not " +
                    std::to_string(args.size()));
  }
  std::vector<ArgBinding> bindings;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const Param& param = d.params[i];
    const Expr& e = *args[i];
    ArgBinding b;
    if (!param.byValue && e.kind == Expr::Kind::Name) b.variable = FindSlot(e.text);
    if (!param.byValue && e.kind == Expr::Kind::Member) {
      if (SlotPtr record = FindSlot(e.text)) b.variable = FieldOf(*record, e.member);
    }
    if (b.variable && !b.variable->type.record.empty() && param.type.record.empty()) {
      throw HostError(e.text + " is of type " + b.variable->type.written);
    }
    if (!param.type.record.empty() && !b.variable) {
      throw HostError(d.name + ": " + param.name + " needs a variable of type " +
                      param.type.written);
    }
    if (!b.variable) b.value = Compile(e, scope);
    bindings.push_back(std::move(b));
  }
  return bindings;
}

std::vector<ProgramRuntime::Argument> ProgramRuntime::Arguments(
    const std::vector<ArgBinding>& bindings, int rowId) {
  std::vector<Argument> args;
  for (const auto& b : bindings)
    args.push_back({b.value ? b.value->Eval(rowId) : Value{}, b.variable});
  return args;
}

Value ProgramRuntime::Invoke(const Declaration& d, std::vector<Argument>& args) {
  if (!d.library.empty()) return CallNative(d, args);
  return CallProcedure(program_.procedures.at(text::Lower(d.name)), args);
}

Value ProgramRuntime::CallNative(const Declaration& d, std::vector<Argument>& args) {
  const NativeFunction* f = natives_.Find(d.library, d.ExportName());
  if (f == nullptr) {
    throw HostError("Function " + d.ExportName() + " was not found in " + d.library);
  }
  if (std::string problem = Mismatch(d, *f, DeclarationWidth::Any); !problem.empty()) {
    throw HostError(problem);
  }
  std::vector<NativeArg> native(args.size());
  for (std::size_t i = 0; i < args.size(); ++i) {
    const Param& param = d.params[i];
    const Argument& a = args[i];
    const Value& given = a.variable ? a.variable->value : a.value;
    if (!param.type.record.empty()) {
      for (const auto& [name, field] : a.variable->fields)
        native[i].fields.push_back(field->value);
    } else if (f->params[i] == NativeKind::Text || f->params[i] == NativeKind::MutableText) {
      native[i].text = ToText(given);
    } else {
      SlotPtr scratch = NewSlot(param.type);
      Store(*scratch, given);
      native[i].value = scratch->value;
    }
  }
  Value result;
  {
    NamesInSight away(host_.Workspace(), nullptr);
    result = f->call(native);
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const SlotPtr& variable = args[i].variable;
    if (!variable) continue;
    if (f->params[i] == NativeKind::MutableText) {
      Store(*variable, Value::Text(native[i].text.c_str()));
    } else if (f->params[i] == NativeKind::Record) {
      for (std::size_t k = 0; k < variable->fields.size() && k < native[i].fields.size(); ++k)
        Store(*variable->fields[k].second, native[i].fields[k]);
    }
  }
  if (!d.function) return {};
  if (d.result.code == kLogical) {
    return Value::Logical((static_cast<long long>(NumberOf(result)) & 0xFF) != 0);
  }
  SlotPtr out = NewSlot(d.result);
  Store(*out, result);
  return out->value;
}

}  // namespace ornil::sim::mb
