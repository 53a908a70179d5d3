// The program parser's inside, shared by its two files: the token cursor, the top level and
// procedure bodies (program_parser.cpp), and the menu and button statements
// (program_ui_parser.cpp).
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/mapinfo/program.h"

namespace ornil::sim::mb {

class ProgramParser {
 public:
  explicit ProgramParser(Program& program) : p_(program), tokens_(program.text.tokens) {}
  void Parse();

 private:
  // Tokens.
  const Token& Peek(std::size_t ahead = 0) const;
  const Token& Next();
  bool AtEnd() const { return Peek().kind == Token::Kind::End; }
  bool AcceptWord(std::string_view word);
  bool AcceptSymbol(std::string_view symbol);
  void ExpectWord(std::string_view word);
  void ExpectSymbol(std::string_view symbol);
  std::string ExpectName();
  std::string ExpectString();
  // The words follow one another from the current token.
  bool AtWords(std::initializer_list<std::string_view> words) const;
  bool OnNewLine(std::size_t index) const;
  std::string Describe(const Token& t) const;
  [[noreturn]] void Fail(const std::string& what) const;
  ExprPtr Expression();

  // The top level.
  void Declare();
  void TypeStatement();
  DimVars Variables();
  VarType Type();
  std::vector<Param> Params();
  void ProcedureBody(bool function);
  void CheckHandlers();

  // Procedure bodies. Statements run until one of the stop phrases (not taken).
  struct Loop {
    enum class Kind { Do, While, For } kind;
    std::vector<int> exits;
  };
  struct Body {
    Procedure* proc = nullptr;
    std::vector<Loop> loops;
    std::vector<std::pair<std::string, int>> labels;     // lower-case name, instruction
    std::vector<std::pair<std::string, int>> labelUses;  // lower-case name, instruction
  };
  int Emit(Body& b, Operation op, std::size_t token);
  using Stops = std::initializer_list<std::initializer_list<std::string_view>>;
  void Statements(Body& b, Stops stops);
  bool AtStop(Stops stops) const;
  void Statement(Body& b);
  void If(Body& b);
  void DoLoop(Body& b);
  void WhileLoop(Body& b);
  void ForLoop(Body& b);
  // A loop's body up to its closing word, which is taken; then where its Exits jump.
  void LoopBody(Body& b, Loop::Kind kind, std::string_view closer, std::size_t token,
                const char* lacking);
  int EndLoop(Body& b);
  void Exit(Body& b);
  void ErrorHandling(Body& b);
  void Call(Body& b);
  void ResolveLabels(Body& b);

  // Menus and buttons (program_ui_parser.cpp).
  Operation CreateStatement();
  Operation AlterStatement();
  MenuItemSyntax MenuItem();
  std::vector<MenuItemSyntax> MenuItems();
  ButtonSyntax Button();
  bool IsButtonStart() const;
  void ButtonPadClauses(CreateButtonPad& pad);
  std::optional<bool> Switch(std::string_view on, std::string_view off);

  Program& p_;
  const std::vector<Token>& tokens_;
  std::size_t pos_ = 0;
};

}  // namespace ornil::sim::mb
