// The parsed form of MapBasic expressions and statements, before any name is looked up.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace ornil::sim::mb {

struct Expr;
using ExprPtr = std::shared_ptr<const Expr>;

struct Expr {
  enum class Kind {
    Number,  // number, integer
    String,  // text
    Name,    // text: a column, variable or pseudo-column (RowId)
    Member,  // text: table, member: column ("T.COL1")
    Unary,   // text: "-", "+" or "not"; args[0]
    Binary,  // text: operator (lower-case words: "and", "or", "like", "mod"); args[0], args[1]
    Call,    // text: function name as written; args
    Star,    // "*" as the argument of Count(*)
  };
  Kind kind = Kind::Number;
  std::string text;
  std::string member;
  double number = 0;
  bool integer = false;
  std::vector<ExprPtr> args;
  int depth = 1;  // levels of the tree below and including this node
};

// A table named by a quoted text or a bare name.
using TableName = std::string;

struct SelectItem {
  ExprPtr expr;  // null for "*"
  std::string alias;
};

struct OrderItem {
  ExprPtr expr;
  bool descending = false;
};

struct SelectStmt {
  std::vector<SelectItem> items;
  TableName from;
  ExprPtr where;
  std::optional<TableName> into;
  std::vector<OrderItem> orderBy;
  bool noSelect = false;
};

struct FetchStmt {
  enum class Where { First, Last, Next, Prev, Rec };
  Where where = Where::First;
  ExprPtr rec;
  TableName table;
};

struct UpdateStmt {
  TableName table;
  std::vector<std::pair<std::string, ExprPtr>> sets;  // column name, value
  ExprPtr where;
};

struct InsertStmt {
  TableName table;
  std::vector<std::string> columns;  // empty: every column in order
  std::vector<ExprPtr> values;
};

struct CloseTableStmt {
  TableName table;
};

struct CloseWindowStmt {
  ExprPtr window;
};

struct MetadataStmt {
  TableName table;
  bool drop = false;
  ExprPtr key;
  ExprPtr value;  // SetKey
  bool hierarchical = false;
};

struct DimStmt {
  std::vector<std::string> names;
  int type = 0;
};

struct UnDimStmt {
  std::vector<std::string> names;
};

struct AssignStmt {
  std::string name;
  ExprPtr value;
};

// Where a window goes: Position (x, y), Width and Height, in inches (units are not kept).
struct WindowPlacement {
  ExprPtr x, y;
  ExprPtr width, height;
};

struct SetWindowStmt {
  ExprPtr window;
  WindowPlacement placement;
  ExprPtr title;
  bool readOnly = false;
  bool front = false;
};

struct SetMapStmt {
  ExprPtr window;  // null: the front map window
  std::optional<bool> redraw;
};

struct SetTableStmt {
  TableName table;
  std::vector<std::pair<std::string, bool>> flags;  // lower-cased switch, on
};

struct SetNextDocumentStmt {
  ExprPtr parent;
  ExprPtr style;
};

struct RunMenuCommandStmt {
  ExprPtr command;
};

struct MapStmt {
  std::vector<TableName> tables;
  WindowPlacement placement;
};

struct BrowseStmt {
  std::vector<SelectItem> items;
  TableName table;
  WindowPlacement placement;
};

struct PrintStmt {
  ExprPtr text;
};

using StatementBody = std::variant<SelectStmt, FetchStmt, UpdateStmt, InsertStmt, CloseTableStmt,
                                   CloseWindowStmt, MetadataStmt, DimStmt, UnDimStmt, AssignStmt,
                                   SetWindowStmt, SetMapStmt, SetTableStmt, SetNextDocumentStmt,
                                   RunMenuCommandStmt, MapStmt, BrowseStmt, PrintStmt>;

struct Statement {
  StatementBody body;
  std::string text;  // the statement as written, for error messages
};

}  // namespace ornil::sim::mb
