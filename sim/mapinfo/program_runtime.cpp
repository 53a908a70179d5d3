// The program's variables, its procedures' instructions one by one, and OnError recovery.
#include "sim/mapinfo/program_runtime.h"

#include <cmath>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "sim/mapinfo/statements.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

namespace {

constexpr std::size_t kMostDepth = 200;
constexpr long long kMostSteps = 5'000'000;

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

ProgramRuntime::ProgramRuntime(Program program, MapInfoHost& host, const NativeLibraries& natives,
                               Environment environment)
    : program_(std::move(program)),
      host_(host),
      natives_(natives),
      environment_(std::move(environment)) {
  for (const auto& [dim, token] : program_.globals) {
    for (const auto& name : dim.names)
      globals_[text::Lower(name)] = NewSlot(dim.type);
  }
}

ProgramRuntime::~ProgramRuntime() = default;

bool ProgramRuntime::Defines(const std::string& procedure) const {
  return program_.procedures.contains(text::Lower(procedure));
}

bool ProgramRuntime::HandlerOn(const std::string& name) const {
  auto it = handlersOff_.find(text::Lower(name));
  return it == handlersOff_.end() || !it->second;
}

SlotPtr ProgramRuntime::NewSlot(const VarType& type) const {
  auto slot = std::make_shared<Slot>();
  slot->type = type;
  if (!type.record.empty()) {
    for (const auto& [name, fieldType] : program_.types.at(type.record).fields)
      slot->fields.emplace_back(name, NewSlot(fieldType));
    return slot;
  }
  Column shape;
  shape.type = type.code == kIntPtr ? kFloat : type.code;
  slot->value = EmptyValue(shape);
  return slot;
}

void ProgramRuntime::Store(Slot& slot, const Value& v) const {
  if (!slot.type.record.empty()) throw HostError("A whole custom type cannot be assigned");
  if (slot.type.code == kIntPtr) {
    slot.value = Value::Float(std::round(NumberOf(v)));
    return;
  }
  slot.value = Coerce(v, slot.type.code);
}

SlotPtr ProgramRuntime::FindSlot(const std::string& name) const {
  const std::string key = text::Lower(name);
  if (!frames_.empty()) {
    const auto& locals = frames_.back()->locals;
    if (auto it = locals.find(key); it != locals.end()) return it->second;
  }
  auto it = globals_.find(key);
  return it == globals_.end() ? nullptr : it->second;
}

const Value* ProgramRuntime::Global(const std::string& name) const {
  auto it = globals_.find(text::Lower(name));
  return it == globals_.end() || !it->second->type.record.empty() ? nullptr : &it->second->value;
}

void ProgramRuntime::SetGlobal(const std::string& name, const Value& value) {
  auto it = globals_.find(text::Lower(name));
  if (it == globals_.end()) throw HostError("There is no global " + name);
  Store(*it->second, value);
}

void ProgramRuntime::CountStep() {
  if (stopping_) {
    if (haltMessage_) throw ProgramHalted{*haltMessage_};
    throw ProgramEnding{};
  }
  if (++steps_ > kMostSteps) throw ProgramHalted{"The program runs too long without stopping"};
}

void ProgramRuntime::ClearStop() {
  stopping_ = false;
  haltMessage_.reset();
}

void ProgramRuntime::Stop(std::optional<std::string> haltMessage) {
  stopping_ = true;
  if (!haltMessage_) haltMessage_ = std::move(haltMessage);
}

Value ProgramRuntime::Evaluate(const ExprPtr& e) {
  Scope scope{host_.Workspace()};
  return Compile(*e, scope)->Eval(0);
}

void ProgramRuntime::RunProcedure(const std::string& name) {
  auto it = program_.procedures.find(text::Lower(name));
  if (it == program_.procedures.end()) return;
  if (frames_.empty()) steps_ = 0;
  std::vector<Argument> none;
  if (!it->second.params.empty()) throw HostError(name + " needs arguments");
  CallProcedure(it->second, none);
}

Value ProgramRuntime::CallFunction(const std::string& name) {
  auto it = program_.procedures.find(text::Lower(name));
  if (it == program_.procedures.end() || !it->second.function) {
    throw HostError("There is no function " + name);
  }
  if (frames_.empty()) steps_ = 0;
  std::vector<Argument> none;
  return CallProcedure(it->second, none);
}

Value ProgramRuntime::CallProcedure(const Procedure& proc, std::vector<Argument>& args) {
  if (frames_.size() >= kMostDepth) throw HostError("Procedures call each other too deeply");
  if (args.size() != proc.params.size()) {
    throw HostError(proc.name + " takes " + std::to_string(proc.params.size()) + " arguments");
  }
  Frame frame;
  frame.proc = &proc;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const Param& param = proc.params[i];
    const SlotPtr& variable = args[i].variable;
    if (!param.byValue && variable && variable->type.code == param.type.code &&
        variable->type.record == param.type.record) {
      frame.locals[text::Lower(param.name)] = variable;
      continue;
    }
    if (!param.type.record.empty()) {
      throw HostError(proc.name + ": " + param.name + " needs a variable of type " +
                      param.type.written);
    }
    SlotPtr own = NewSlot(param.type);
    Store(*own, variable ? variable->value : args[i].value);
    frame.locals[text::Lower(param.name)] = own;
  }
  if (proc.function) frame.locals[text::Lower(proc.name)] = NewSlot(proc.result);
  frame.loops.resize(proc.loopSlots);
  return RunFrame(frame);
}

Value ProgramRuntime::RunFrame(Frame& frame) {
  frames_.push_back(&frame);
  struct Pop {
    std::vector<Frame*>& frames;
    ~Pop() { frames.pop_back(); }
  } pop{frames_};
  const auto& code = frame.proc->code;
  int pc = 0;
  while (pc >= 0 && pc < static_cast<int>(code.size())) {
    try {
      pc = Step(frame, pc);
    } catch (const std::exception& e) {
      lastError_ = e.what();
      if (frame.handler < 0 || frame.inHandler) {
        throw ProgramHalted{program_.text.Where(code[pc].token) + ": " + lastError_};
      }
      frame.inHandler = true;
      frame.errorAt = pc;
      pc = frame.handler;
    }
  }
  if (!frame.proc->function) return {};
  return frame.locals.at(text::Lower(frame.proc->name))->value;
}

int ProgramRuntime::Step(Frame& frame, int pc) {
  CountStep();
  Workspace& ws = host_.Workspace();
  NamesInSight names(ws, this);
  const int next = pc + 1;
  return std::visit(
      Overloaded{
          [&](const RunHost& s) {
            RunStatement(ws, s.statement);
            NamesInSight none(ws, nullptr);
            host_.DeliverEvents();
            return next;
          },
          [&](const DimVars& s) {
            for (const auto& name : s.names) {
              const std::string key = text::Lower(name);
              if (!frame.locals.contains(key)) frame.locals[key] = NewSlot(s.type);
            }
            return next;
          },
          [&](const Assign& s) {
            SlotPtr slot = FindSlot(s.name);
            if (!slot) throw HostError("Variable " + s.name + " is not defined");
            if (!s.field.empty()) {
              SlotPtr field;
              for (const auto& [name, f] : slot->fields) {
                if (EqualNoCase(name, s.field)) field = f;
              }
              if (!field) throw HostError(s.name + " has no element " + s.field);
              slot = field;
            }
            Store(*slot, Evaluate(s.value));
            return next;
          },
          [&](const CallProc& s) {
            auto it = program_.declarations.find(text::Lower(s.name));
            if (it == program_.declarations.end()) {
              throw HostError("Sub " + s.name + " is not declared");
            }
            if (it->second.function) throw HostError(s.name + " is a function, not a sub");
            Scope scope{ws};
            std::vector<Argument> args = Arguments(BindArguments(it->second, s.args, scope), 0);
            Invoke(it->second, args);
            return next;
          },
          [&](const Jump& s) { return s.target; },
          [&](const JumpUnless& s) {
            const Value v = Evaluate(s.condition);
            if (!IsNumericType(v.type) && v.type != kLogical) {
              throw HostError("Type mismatch: a condition must be logical");
            }
            return v.Truth() == s.whenTrue ? next : s.target;
          },
          [&](const ForStart& s) {
            SlotPtr slot = FindSlot(s.variable);
            if (!slot) throw HostError("Variable " + s.variable + " is not defined");
            Store(*slot, Evaluate(s.from));
            const double end = NumberOf(Evaluate(s.to));
            const double step = s.step ? NumberOf(Evaluate(s.step)) : 1;
            frame.loops[s.slot] = {end, step};
            return next;
          },
          [&](const ForTest& s) {
            const double v = NumberOf(FindSlot(s.variable)->value);
            const auto [end, step] = frame.loops[s.slot];
            return (step >= 0 ? v > end : v < end) ? s.exit : next;
          },
          [&](const ForStep& s) {
            SlotPtr slot = FindSlot(s.variable);
            Store(*slot, Value::Float(NumberOf(slot->value) + frame.loops[s.slot].second));
            return s.test;
          },
          [&](const Return&) { return static_cast<int>(frame.proc->code.size()); },
          [&](const OnErrorGoTo& s) {
            frame.handler = s.target;
            return next;
          },
          [&](const ResumeAt& s) {
            if (!frame.inHandler) throw HostError("Resume outside an error handler");
            frame.inHandler = false;
            if (s.kind == ResumeAt::Kind::Next) return frame.errorAt + 1;
            if (s.kind == ResumeAt::Kind::Retry) return frame.errorAt;
            return s.target;
          },
          [&](const EndProgram&) -> int { throw ProgramEnding{}; },
          [&](const RunCommand& s) {
            const std::string command = ToText(Evaluate(s.command));
            MapInfoHost::Outcome outcome;
            {
              NamesInSight none(ws, nullptr);
              outcome = host_.Run(command);
            }
            commands_.push_back({command, outcome.ok, outcome.error});
            if (!outcome.ok) throw HostError(outcome.error);
            return next;
          },
          [&](const NoteText& s) {
            notes_.push_back(ToText(Evaluate(s.text)));
            return next;
          },
          [&](const SetHandler& s) {
            handlersOff_[text::Lower(s.handler)] = !s.on;
            return next;
          },
          [&](const auto& ui) {
            RunUi(ui);
            return next;
          },
      },
      frame.proc->code[pc].op);
}

void ProgramRuntime::RunUi(const Operation& op) {
  const auto text = [&](const ExprPtr& e) { return e ? ToText(Evaluate(e)) : std::string(); };
  const auto number = [&](const ExprPtr& e) {
    return e ? static_cast<int>(std::lround(NumberOf(Evaluate(e)))) : 0;
  };
  const auto items = [&](const std::vector<MenuItemSyntax>& written) {
    std::vector<MenuItemState> out;
    for (const auto& i : written) {
      out.push_back(
          ProgramUi::Item(text(i.text), number(i.id), i.handler, text(i.submenu), text(i.help)));
    }
    return out;
  };
  std::visit(Overloaded{
                 [&](const CreateMenu& s) { ui_.CreateMenu(text(s.name), items(s.items)); },
                 [&](const AlterMenuAdd& s) { ui_.AddToMenu(text(s.menu), items(s.items)); },
                 [&](const AlterMenuItem& s) {
                   std::optional<std::string> newText;
                   if (s.text) newText = text(s.text);
                   ui_.AlterItems(s.handler, number(s.id), s.enable, s.check, newText);
                 },
                 [&](const AlterMenuBar& s) {
                   for (const auto& menu : s.menus)
                     ui_.AlterMenuBar(text(menu), s.add);
                 },
                 [&](const CreateButtonPad& s) {
                   ButtonPadState pad{text(s.title), {}, s.show};
                   for (const auto& b : s.buttons) {
                     pad.buttons.push_back({b.kind, b.handler, number(b.id), number(b.drawMode),
                                            text(b.help), !b.disabled, false});
                   }
                   ui_.CreateButtonPad(std::move(pad));
                 },
                 [&](const AlterButton& s) {
                   ui_.AlterButtons(s.handler, number(s.id), s.enable, s.check);
                 },
                 [](const auto&) {},
             },
             op);
}

}  // namespace ornil::sim::mb
