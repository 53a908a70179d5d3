// A parsed MapBasic program: its custom types, the declarations of its procedures and of DLL
// functions, its global variables, and each procedure's body as a flat list of instructions in
// which control flow is jumps. Statements that the host runs on its own stay host statements.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "sim/mapinfo/program_text.h"
#include "sim/mapinfo/syntax.h"
#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

// A program-only type code: a handle-sized integer (IntPtr), kept as a float.
inline constexpr int kIntPtr = 100;

struct VarType {
  int code = kInteger;  // 0 for a custom type
  std::string record;   // a custom type's name, lower case
  std::string written;  // as the program writes it
};

struct RecordType {
  std::string name;
  std::vector<std::pair<std::string, VarType>> fields;
};

struct Param {
  std::string name;
  VarType type;
  bool byValue = false;
};

// Declare Sub / Declare Function: of the program itself, or of a DLL when `library` is set.
struct Declaration {
  std::string name;
  bool function = false;
  std::vector<Param> params;
  VarType result;
  std::string library;
  std::string alias;  // the DLL's own name for it; empty: the declared name
  std::size_t token = 0;
  const std::string& ExportName() const { return alias.empty() ? name : alias; }
};

// Menus and buttons as the program writes them.
struct MenuItemSyntax {
  ExprPtr text;
  ExprPtr id;
  ExprPtr help;
  std::string handler;  // Calling
  ExprPtr submenu;      // As
};

struct ButtonSyntax {
  enum class Kind { Push, Toggle, Tool, Separator };
  Kind kind = Kind::Push;
  std::string handler;
  ExprPtr id;
  ExprPtr drawMode;
  ExprPtr help;
  bool disabled = false;
};

// Instructions.
struct RunHost {
  Statement statement;
};
struct DimVars {
  std::vector<std::string> names;
  VarType type;
};
struct Assign {
  std::string name;
  std::string field;  // a custom type's element, or empty
  ExprPtr value;
};
struct CallProc {
  std::string name;
  std::vector<ExprPtr> args;
};
struct Jump {
  int target = -1;
};
// Goes on when the condition holds (or fails, for `whenFalse == false`), else jumps.
struct JumpUnless {
  ExprPtr condition;
  int target = -1;
  bool whenTrue = true;
};
struct ForStart {
  std::string variable;
  ExprPtr from, to, step;
  int slot = 0;  // where the loop keeps its end and step
};
struct ForTest {
  std::string variable;
  int slot = 0;
  int exit = -1;
};
struct ForStep {
  std::string variable;
  int slot = 0;
  int test = -1;
};
struct Return {};
struct OnErrorGoTo {
  int target = -1;  // -1: Goto 0
};
struct ResumeAt {
  enum class Kind { Next, Retry, Label };
  Kind kind = Kind::Next;
  int target = -1;
};
struct EndProgram {};
struct RunCommand {
  ExprPtr command;
};
struct NoteText {
  ExprPtr text;
};
struct CreateMenu {
  ExprPtr name;
  std::vector<MenuItemSyntax> items;
};
struct AlterMenuAdd {
  ExprPtr menu;
  std::vector<MenuItemSyntax> items;
};
struct AlterMenuItem {
  std::string handler;  // or
  ExprPtr id;
  std::optional<bool> enable, check;
  ExprPtr text;
};
struct AlterMenuBar {
  bool add = true;
  std::vector<ExprPtr> menus;
};
struct CreateButtonPad {
  ExprPtr title;
  std::vector<ButtonSyntax> buttons;
  bool show = true;
};
struct AlterButton {
  std::string handler;  // or
  ExprPtr id;
  std::optional<bool> enable, check;
};
struct SetHandler {
  std::string handler;
  bool on = true;
};

using Operation = std::variant<RunHost, DimVars, Assign, CallProc, Jump, JumpUnless, ForStart,
                               ForTest, ForStep, Return, OnErrorGoTo, ResumeAt, EndProgram,
                               RunCommand, NoteText, CreateMenu, AlterMenuAdd, AlterMenuItem,
                               AlterMenuBar, CreateButtonPad, AlterButton, SetHandler>;

struct Instruction {
  Operation op;
  std::size_t token = 0;  // where it was written
};

struct Procedure {
  std::string name;
  bool function = false;
  std::vector<Param> params;
  VarType result;
  std::vector<Instruction> code;
  int loopSlots = 0;  // For loops in it
};

struct Program {
  ProgramText text;
  std::map<std::string, RecordType> types;          // by lower-case name
  std::map<std::string, Declaration> declarations;  // by lower-case name
  std::vector<std::pair<DimVars, std::size_t>> globals;
  std::map<std::string, Procedure> procedures;  // by lower-case name
};

// Throws HostError naming the file and line of anything it cannot parse.
Program ParseProgram(ProgramText text);

// Integer, SmallInt, Float, Decimal, String, Logical, Date and IntPtr; 0 for others.
int ProgramTypeCode(std::string_view name);

}  // namespace ornil::sim::mb
