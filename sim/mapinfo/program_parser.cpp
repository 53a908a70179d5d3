// Parsing a program: declarations, types, variables and procedures, with each procedure's control
// flow laid out as jumps. Statements the host knows are parsed by the host's own parser.
#include "sim/mapinfo/program_parser.h"

#include <algorithm>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/parser.h"
#include "sim/mapinfo/value.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

int ProgramTypeCode(std::string_view name) {
  if (EqualNoCase(name, "intptr")) return kIntPtr;
  return TypeCodeOfName(name);
}

Program ParseProgram(ProgramText text) {
  Program program;
  program.text = std::move(text);
  ProgramParser(program).Parse();
  return program;
}

// Tokens -------------------------------------------------------------------------------------

const Token& ProgramParser::Peek(std::size_t ahead) const {
  return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
}

const Token& ProgramParser::Next() {
  const Token& t = Peek();
  if (pos_ < tokens_.size() - 1) ++pos_;
  return t;
}

bool ProgramParser::AcceptWord(std::string_view word) {
  if (!Peek().IsWord(word)) return false;
  Next();
  return true;
}

bool ProgramParser::AcceptSymbol(std::string_view symbol) {
  if (!Peek().IsSymbol(symbol)) return false;
  Next();
  return true;
}

void ProgramParser::ExpectWord(std::string_view word) {
  if (!AcceptWord(word)) Fail("expected " + std::string(word) + " instead of " + Describe(Peek()));
}

void ProgramParser::ExpectSymbol(std::string_view symbol) {
  if (!AcceptSymbol(symbol)) {
    Fail("expected \"" + std::string(symbol) + "\" instead of " + Describe(Peek()));
  }
}

std::string ProgramParser::ExpectName() {
  if (Peek().kind != Token::Kind::Name) Fail("expected a name instead of " + Describe(Peek()));
  return Next().text;
}

std::string ProgramParser::ExpectString() {
  if (Peek().kind != Token::Kind::String) Fail("expected a text instead of " + Describe(Peek()));
  return Next().text;
}

bool ProgramParser::AtWords(std::initializer_list<std::string_view> words) const {
  std::size_t i = 0;
  for (std::string_view w : words) {
    if (!Peek(i++).IsWord(w)) return false;
  }
  return true;
}

bool ProgramParser::OnNewLine(std::size_t index) const {
  if (index == 0) return true;
  const auto& places = p_.text.places;
  return places[index].line != places[index - 1].line ||
         places[index].file != places[index - 1].file;
}

std::string ProgramParser::Describe(const Token& t) const {
  return t.kind == Token::Kind::End ? "the end of the program" : "\"" + t.text + "\"";
}

void ProgramParser::Fail(const std::string& what) const {
  throw HostError(p_.text.Where(pos_) + ": " + what);
}

ExprPtr ProgramParser::Expression() {
  const std::size_t start = pos_;
  try {
    return ParseExpressionAt(p_.text.files[p_.text.places[pos_].file].text, tokens_, pos_);
  } catch (const HostError& e) {
    pos_ = start;
    Fail(e.what());
  }
}

// The top level ------------------------------------------------------------------------------

void ProgramParser::Parse() {
  while (!AtEnd()) {
    if (AtWords({"declare"})) {
      Declare();
    } else if (AtWords({"type"})) {
      TypeStatement();
    } else if (AtWords({"global"}) || AtWords({"dim"})) {
      const std::size_t token = pos_;
      Next();
      do {
        p_.globals.emplace_back(Variables(), token);
      } while (AcceptSymbol(","));
    } else if (AtWords({"sub"})) {
      ProcedureBody(false);
    } else if (AtWords({"function"})) {
      ProcedureBody(true);
    } else {
      Fail("unknown statement outside a procedure: " + Describe(Peek()));
    }
  }
  for (const auto& [key, d] : p_.declarations) {
    if (d.library.empty() && !p_.procedures.contains(key)) {
      pos_ = d.token;
      Fail((d.function ? "function " : "sub ") + d.name + " is declared but not defined");
    }
  }
  CheckHandlers();
}

// What menu items and buttons call must be subs of the program that take no arguments, as the
// compiler demands.
void ProgramParser::CheckHandlers() {
  for (const auto& [key, proc] : p_.procedures) {
    for (const auto& in : proc.code) {
      std::vector<std::string> handlers;
      std::visit(
          [&](const auto& op) {
            using O = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<O, CreateMenu> || std::is_same_v<O, AlterMenuAdd>) {
              for (const auto& item : op.items)
                handlers.push_back(item.handler);
            } else if constexpr (std::is_same_v<O, CreateButtonPad>) {
              for (const auto& button : op.buttons)
                handlers.push_back(button.handler);
            } else if constexpr (std::is_same_v<O, AlterMenuItem> ||
                                 std::is_same_v<O, AlterButton>) {
              handlers.push_back(op.handler);
            }
          },
          in.op);
      for (const auto& handler : handlers) {
        if (handler.empty()) continue;
        auto it = p_.procedures.find(text::Lower(handler));
        if (it == p_.procedures.end() || it->second.function || !it->second.params.empty()) {
          pos_ = in.token;
          Fail(handler + " is no sub of the program without arguments");
        }
      }
    }
  }
}

VarType ProgramParser::Type() {
  VarType t;
  t.written = ExpectName();
  t.code = ProgramTypeCode(t.written);
  if (t.code != 0) return t;
  const std::string key = text::Lower(t.written);
  if (!p_.types.contains(key)) Fail("unknown type " + t.written);
  t.record = key;
  return t;
}

DimVars ProgramParser::Variables() {
  DimVars d;
  do {
    d.names.push_back(ExpectName());
    if (Peek().IsSymbol("(")) Fail("arrays are not supported");
  } while (AcceptSymbol(","));
  ExpectWord("as");
  d.type = Type();
  return d;
}

std::vector<Param> ProgramParser::Params() {
  std::vector<Param> params;
  if (!AcceptSymbol("(")) return params;
  if (AcceptSymbol(")")) return params;
  do {
    Param param;
    param.byValue = AcceptWord("byval");
    param.name = ExpectName();
    if (Peek().IsSymbol("(")) Fail("array parameters are not supported");
    ExpectWord("as");
    param.type = Type();
    if (param.byValue && !param.type.record.empty()) {
      Fail("a variable of a custom type cannot be passed by value");
    }
    params.push_back(std::move(param));
  } while (AcceptSymbol(","));
  ExpectSymbol(")");
  return params;
}

void ProgramParser::Declare() {
  Next();
  Declaration d;
  d.token = pos_;
  if (AcceptWord("function")) {
    d.function = true;
  } else {
    ExpectWord("sub");
  }
  d.name = ExpectName();
  if (AcceptWord("lib")) {
    d.library = ExpectString();
    if (AcceptWord("alias")) d.alias = ExpectString();
  }
  d.params = Params();
  if (d.function) {
    ExpectWord("as");
    d.result = Type();
  }
  const std::string key = text::Lower(d.name);
  if (p_.declarations.contains(key)) Fail(d.name + " is declared twice");
  p_.declarations[key] = std::move(d);
}

void ProgramParser::TypeStatement() {
  Next();
  RecordType r;
  r.name = ExpectName();
  if (AcceptWord("align")) {
    if (Peek().kind != Token::Kind::Number) Fail("expected the alignment");
    Next();
  }
  while (!AtWords({"end", "type"})) {
    if (AtEnd()) Fail("Type " + r.name + " has no End Type");
    std::string field = ExpectName();
    ExpectWord("as");
    VarType t = Type();
    if (!t.record.empty()) Fail("nested custom types are not supported");
    r.fields.emplace_back(std::move(field), std::move(t));
  }
  Next();
  Next();
  p_.types[text::Lower(r.name)] = std::move(r);
}

void ProgramParser::ProcedureBody(bool function) {
  Next();
  const std::size_t token = pos_;
  Procedure proc;
  proc.function = function;
  proc.name = ExpectName();
  proc.params = Params();
  if (function) {
    ExpectWord("as");
    proc.result = Type();
  }
  const std::string key = text::Lower(proc.name);
  auto declared = p_.declarations.find(key);
  if (declared == p_.declarations.end() || !declared->second.library.empty() ||
      declared->second.function != function) {
    pos_ = token;
    Fail((function ? "function " : "sub ") + proc.name + " is not declared");
  }
  if (declared->second.params.size() != proc.params.size()) {
    pos_ = token;
    Fail(proc.name + " does not have the parameters of its declaration");
  }
  if (p_.procedures.contains(key)) Fail(proc.name + " is defined twice");

  Body b;
  b.proc = &proc;
  const std::string_view end = function ? "function" : "sub";
  Statements(b, {{"end", end}});
  if (AtEnd()) Fail(proc.name + " has no End " + std::string(end));
  Next();
  Next();
  ResolveLabels(b);
  p_.procedures[key] = std::move(proc);
}

// Procedure bodies ---------------------------------------------------------------------------

int ProgramParser::Emit(Body& b, Operation op, std::size_t token) {
  b.proc->code.push_back({std::move(op), token});
  return static_cast<int>(b.proc->code.size()) - 1;
}

bool ProgramParser::AtStop(Stops stops) const {
  return std::any_of(stops.begin(), stops.end(), [&](const auto& words) { return AtWords(words); });
}

void ProgramParser::Statements(Body& b, Stops stops) {
  // The end of a procedure ends every block in it; the block then reports what it lacks.
  while (!AtEnd() && !AtStop(stops) && !AtWords({"end", "sub"}) && !AtWords({"end", "function"}))
    Statement(b);
}

void ProgramParser::Statement(Body& b) {
  const std::size_t token = pos_;
  const Token& t = Peek();
  if (t.kind != Token::Kind::Name) Fail("unexpected " + Describe(t));
  if (p_.text.places[pos_].label) {
    const std::string label = text::Lower(Next().text);
    const bool known = std::any_of(b.labels.begin(), b.labels.end(),
                                   [&](const auto& l) { return l.first == label; });
    if (known) Fail("label " + t.text + " is defined twice");
    b.labels.emplace_back(label, static_cast<int>(b.proc->code.size()));
    return;
  }
  if (Peek(1).IsSymbol("=") ||
      (Peek(1).IsSymbol(".") && Peek(2).kind == Token::Kind::Name && Peek(3).IsSymbol("="))) {
    Assign a;
    a.name = Next().text;
    if (AcceptSymbol(".")) a.field = ExpectName();
    ExpectSymbol("=");
    a.value = Expression();
    Emit(b, std::move(a), token);
    return;
  }
  if (AcceptWord("dim")) {
    do {
      Emit(b, Variables(), token);
    } while (AcceptSymbol(","));
  } else if (t.IsWord("if")) {
    If(b);
  } else if (t.IsWord("do")) {
    DoLoop(b);
  } else if (t.IsWord("while")) {
    WhileLoop(b);
  } else if (t.IsWord("for")) {
    ForLoop(b);
  } else if (t.IsWord("exit")) {
    Exit(b);
  } else if (t.IsWord("onerror") || t.IsWord("resume") || t.IsWord("goto")) {
    ErrorHandling(b);
  } else if (t.IsWord("call")) {
    Call(b);
  } else if (AtWords({"end", "program"})) {
    Next();
    Next();
    Emit(b, EndProgram{}, token);
  } else if (AtWords({"run", "command"})) {
    Next();
    Next();
    Emit(b, RunCommand{Expression()}, token);
  } else if (AcceptWord("note")) {
    Emit(b, NoteText{Expression()}, token);
  } else if (t.IsWord("create")) {
    Emit(b, CreateStatement(), token);
  } else if (t.IsWord("alter")) {
    Emit(b, AlterStatement(), token);
  } else if (AtWords({"set", "handler"})) {
    Next();
    Next();
    SetHandler s;
    s.handler = ExpectName();
    const auto on = Switch("on", "off");
    if (!on) Fail("expected On or Off");
    s.on = *on;
    Emit(b, std::move(s), token);
  } else if (t.IsWord("end") || t.IsWord("else") || t.IsWord("elseif") || t.IsWord("loop") ||
             t.IsWord("next") || t.IsWord("wend")) {
    Fail("unexpected " + Describe(t));
  } else {
    try {
      Emit(b,
           RunHost{ParseStatementAt(p_.text.files[p_.text.places[pos_].file].text, tokens_, pos_)},
           token);
    } catch (const HostError& e) {
      pos_ = token;
      Fail(e.what());
    }
  }
  if (!AtEnd() && !OnNewLine(pos_) && Peek().kind != Token::Kind::Name) {
    Fail("unexpected " + Describe(Peek()) + " after the statement");
  }
}

void ProgramParser::If(Body& b) {
  const std::size_t token = pos_;
  Next();
  std::vector<int> toEnd;
  ExprPtr condition = Expression();
  ExpectWord("then");
  int pending = Emit(b, JumpUnless{condition}, token);
  Statements(b, {{"elseif"}, {"else"}, {"end", "if"}});
  while (Peek().IsWord("elseif")) {
    toEnd.push_back(Emit(b, Jump{}, pos_));
    std::get<JumpUnless>(b.proc->code[pending].op).target = static_cast<int>(b.proc->code.size());
    const std::size_t at = pos_;
    Next();
    condition = Expression();
    ExpectWord("then");
    pending = Emit(b, JumpUnless{condition}, at);
    Statements(b, {{"elseif"}, {"else"}, {"end", "if"}});
  }
  if (AcceptWord("else")) {
    toEnd.push_back(Emit(b, Jump{}, pos_));
    std::get<JumpUnless>(b.proc->code[pending].op).target = static_cast<int>(b.proc->code.size());
    pending = -1;
    Statements(b, {{"end", "if"}});
  }
  if (!AtWords({"end", "if"})) {
    pos_ = token;
    Fail("If has no End If");
  }
  Next();
  Next();
  const int end = static_cast<int>(b.proc->code.size());
  if (pending >= 0) std::get<JumpUnless>(b.proc->code[pending].op).target = end;
  for (int j : toEnd)
    std::get<Jump>(b.proc->code[j].op).target = end;
}

void ProgramParser::LoopBody(Body& b, Loop::Kind kind, std::string_view closer, std::size_t token,
                             const char* lacking) {
  b.loops.push_back({kind, {}});
  Statements(b, {{closer}});
  if (!AcceptWord(closer)) {
    pos_ = token;
    Fail(lacking);
  }
}

int ProgramParser::EndLoop(Body& b) {
  const int end = static_cast<int>(b.proc->code.size());
  for (int j : b.loops.back().exits)
    std::get<Jump>(b.proc->code[j].op).target = end;
  b.loops.pop_back();
  return end;
}

void ProgramParser::DoLoop(Body& b) {
  const std::size_t token = pos_;
  Next();
  const int top = static_cast<int>(b.proc->code.size());
  int topTest = -1;
  if (Peek().IsWord("while") || Peek().IsWord("until")) {
    const bool isWhile = Next().IsWord("while");
    topTest = Emit(b, JumpUnless{Expression(), -1, isWhile}, token);
  }
  LoopBody(b, Loop::Kind::Do, "loop", token, "Do has no Loop");
  int bottomTest = -1;
  if (Peek().IsWord("while") || Peek().IsWord("until")) {
    const bool isWhile = Next().IsWord("while");
    bottomTest = Emit(b, JumpUnless{Expression(), -1, isWhile}, pos_);
  }
  Emit(b, Jump{top}, token);
  const int end = EndLoop(b);
  if (topTest >= 0) std::get<JumpUnless>(b.proc->code[topTest].op).target = end;
  if (bottomTest >= 0) std::get<JumpUnless>(b.proc->code[bottomTest].op).target = end;
}

void ProgramParser::WhileLoop(Body& b) {
  const std::size_t token = pos_;
  Next();
  const int top = static_cast<int>(b.proc->code.size());
  const int test = Emit(b, JumpUnless{Expression()}, token);
  LoopBody(b, Loop::Kind::While, "wend", token, "While has no Wend");
  Emit(b, Jump{top}, token);
  std::get<JumpUnless>(b.proc->code[test].op).target = EndLoop(b);
}

void ProgramParser::ForLoop(Body& b) {
  const std::size_t token = pos_;
  Next();
  ForStart start;
  start.variable = ExpectName();
  ExpectSymbol("=");
  start.from = Expression();
  ExpectWord("to");
  start.to = Expression();
  if (AcceptWord("step")) start.step = Expression();
  start.slot = b.proc->loopSlots++;
  const std::string variable = start.variable;
  const int slot = start.slot;
  Emit(b, std::move(start), token);
  const int test = Emit(b, ForTest{variable, slot}, token);
  LoopBody(b, Loop::Kind::For, "next", token, "For has no Next");
  if (Peek().kind == Token::Kind::Name && !OnNewLine(pos_) && EqualNoCase(Peek().text, variable)) {
    Next();
  }
  Emit(b, ForStep{variable, slot, test}, token);
  std::get<ForTest>(b.proc->code[test].op).exit = EndLoop(b);
}

void ProgramParser::Exit(Body& b) {
  const std::size_t token = pos_;
  Next();
  if (AcceptWord("sub") || AcceptWord("function")) {
    const bool function = tokens_[pos_ - 1].IsWord("function");
    if (function != b.proc->function) Fail("Exit does not name this procedure's kind");
    Emit(b, Return{}, token);
    return;
  }
  Loop::Kind kind = Loop::Kind::Do;
  if (AcceptWord("for")) {
    kind = Loop::Kind::For;
  } else if (AcceptWord("while")) {
    kind = Loop::Kind::While;
  } else {
    ExpectWord("do");
  }
  for (auto it = b.loops.rbegin(); it != b.loops.rend(); ++it) {
    if (it->kind == kind) {
      it->exits.push_back(Emit(b, Jump{}, token));
      return;
    }
  }
  Fail("Exit outside such a loop");
}

void ProgramParser::ErrorHandling(Body& b) {
  const std::size_t token = pos_;
  if (AcceptWord("onerror")) {
    ExpectWord("goto");
    if (Peek().kind == Token::Kind::Number && Peek().text == "0") {
      Next();
      Emit(b, OnErrorGoTo{-1}, token);
      return;
    }
    b.labelUses.emplace_back(text::Lower(ExpectName()), Emit(b, OnErrorGoTo{}, token));
    return;
  }
  if (AcceptWord("goto")) {
    b.labelUses.emplace_back(text::Lower(ExpectName()), Emit(b, Jump{}, token));
    return;
  }
  ExpectWord("resume");
  if (AcceptWord("next")) {
    Emit(b, ResumeAt{ResumeAt::Kind::Next}, token);
  } else if (Peek().kind == Token::Kind::Number && Peek().text == "0") {
    Next();
    Emit(b, ResumeAt{ResumeAt::Kind::Retry}, token);
  } else {
    b.labelUses.emplace_back(text::Lower(ExpectName()),
                             Emit(b, ResumeAt{ResumeAt::Kind::Label}, token));
  }
}

void ProgramParser::Call(Body& b) {
  const std::size_t token = pos_;
  Next();
  CallProc c;
  c.name = ExpectName();
  if (AcceptSymbol("(") && !AcceptSymbol(")")) {
    do {
      c.args.push_back(Expression());
    } while (AcceptSymbol(","));
    ExpectSymbol(")");
  }
  Emit(b, std::move(c), token);
}

void ProgramParser::ResolveLabels(Body& b) {
  for (const auto& use : b.labelUses) {
    const std::string& name = use.first;
    const int at = use.second;
    auto it = std::find_if(b.labels.begin(), b.labels.end(),
                           [&](const auto& l) { return l.first == name; });
    if (it == b.labels.end()) {
      pos_ = b.proc->code[at].token;
      Fail("there is no label " + name + " in " + b.proc->name);
    }
    std::visit(
        [&](auto& op) {
          using O = std::decay_t<decltype(op)>;
          if constexpr (std::is_same_v<O, Jump> || std::is_same_v<O, OnErrorGoTo> ||
                        std::is_same_v<O, ResumeAt>) {
            op.target = it->second;
          }
        },
        b.proc->code[at].op);
  }
}

}  // namespace ornil::sim::mb
