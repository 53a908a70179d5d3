// Statement dispatch, the shared helpers, and the statements on variables and the message window.
#include "sim/mapinfo/statements.h"

#include <cmath>

#include "sim/mapinfo/compiler.h"
#include "sim/mapinfo/host_error.h"

namespace ornil::sim::mb {

Table& RequireTable(Workspace& ws, std::string_view name) {
  Table* t = ws.Find(name);
  if (t == nullptr) throw HostError("Table " + std::string(name) + " is not open");
  return *t;
}

Value EvaluateConstant(Workspace& ws, const Expr& e) {
  Scope scope{ws};
  return Compile(e, scope)->Eval(0);
}

int EvaluateInteger(Workspace& ws, const Expr& e) {
  return static_cast<int>(std::lround(NumberOf(EvaluateConstant(ws, e))));
}

namespace {

// "RowId = <number>" (either way round), when RowId is no column of the table.
std::optional<int> RowIdEquality(const Table& table, const Expr& where) {
  if (where.kind != Expr::Kind::Binary || where.text != "=") return std::nullopt;
  const Expr* name = where.args[0].get();
  const Expr* number = where.args[1].get();
  if (name->kind != Expr::Kind::Name) std::swap(name, number);
  if (name->kind != Expr::Kind::Name || number->kind != Expr::Kind::Number) return std::nullopt;
  if (!EqualNoCase(name->text, "rowid") || table.FindColumn("rowid") >= 0) return std::nullopt;
  return static_cast<int>(number->number);
}

}  // namespace

std::vector<int> MatchingRows(Workspace& ws, Table& table, const ExprPtr& where) {
  std::vector<int> rows;
  if (!where) {
    rows.reserve(table.RowCount());
    for (int id = 1; id <= table.RowCount(); ++id)
      rows.push_back(id);
    return rows;
  }
  Scope scope{ws, &table};
  const NodePtr condition = Compile(*where, scope);
  if (condition->type != kLogical && !IsNumericType(condition->type)) {
    throw HostError("Type mismatch: the Where condition is not a logical expression");
  }
  if (const auto id = RowIdEquality(table, *where)) {
    if (table.HasRow(*id)) rows.push_back(*id);
    return rows;
  }
  for (int id = 1; id <= table.RowCount(); ++id) {
    if (condition->Eval(id).Truth()) rows.push_back(id);
  }
  return rows;
}

namespace {

void RunDim(Workspace& ws, const DimStmt& s) {
  for (const auto& name : s.names)
    ws.Declare(name, s.type);
}

void RunUnDim(Workspace& ws, const UnDimStmt& s) {
  for (const auto& name : s.names)
    ws.Undeclare(name);
}

void RunAssign(Workspace& ws, const AssignStmt& s) {
  const Value value = EvaluateConstant(ws, *s.value);
  Variable* v = ws.FindVariable(s.name);
  if (v == nullptr) throw HostError("Variable " + s.name + " is not defined");
  v->value = Coerce(value, v->type);
}

void RunPrint(Workspace& ws, const PrintStmt& s) {
  ws.messages.push_back(ToText(EvaluateConstant(ws, *s.text)));
}

}  // namespace

void RunStatement(Workspace& ws, const Statement& statement) {
  std::visit(
      [&](const auto& s) {
        using S = std::decay_t<decltype(s)>;
        if constexpr (std::is_same_v<S, SelectStmt>) RunSelect(ws, s);
        if constexpr (std::is_same_v<S, FetchStmt>) RunFetch(ws, s);
        if constexpr (std::is_same_v<S, UpdateStmt>) RunUpdate(ws, s);
        if constexpr (std::is_same_v<S, InsertStmt>) RunInsert(ws, s);
        if constexpr (std::is_same_v<S, CloseTableStmt>) RunCloseTable(ws, s);
        if constexpr (std::is_same_v<S, CloseWindowStmt>) RunCloseWindow(ws, s);
        if constexpr (std::is_same_v<S, MetadataStmt>) RunMetadata(ws, s);
        if constexpr (std::is_same_v<S, DimStmt>) RunDim(ws, s);
        if constexpr (std::is_same_v<S, UnDimStmt>) RunUnDim(ws, s);
        if constexpr (std::is_same_v<S, AssignStmt>) RunAssign(ws, s);
        if constexpr (std::is_same_v<S, SetWindowStmt>) RunSetWindow(ws, s);
        if constexpr (std::is_same_v<S, SetMapStmt>) RunSetMap(ws, s);
        if constexpr (std::is_same_v<S, SetTableStmt>) RunSetTable(ws, s);
        if constexpr (std::is_same_v<S, SetNextDocumentStmt>) RunSetNextDocument(ws, s);
        if constexpr (std::is_same_v<S, RunMenuCommandStmt>) RunMenuCommand(ws, s);
        if constexpr (std::is_same_v<S, MapStmt>) RunMap(ws, s);
        if constexpr (std::is_same_v<S, BrowseStmt>) RunBrowse(ws, s);
        if constexpr (std::is_same_v<S, PrintStmt>) RunPrint(ws, s);
      },
      statement.body);
}

}  // namespace ornil::sim::mb
