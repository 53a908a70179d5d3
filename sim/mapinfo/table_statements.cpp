// Statements on tables: Fetch, Update, Insert, Close Table, Metadata and Set Table.
//
// Metadata can be written to any open base table, read-only ones included (it is no row data);
// query tables have none of their own and refuse it.
#include "sim/mapinfo/compiler.h"
#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/statements.h"

namespace ornil::sim::mb {

void RunFetch(Workspace& ws, const FetchStmt& s) {
  Table& t = RequireTable(ws, s.table);
  const int rows = t.RowCount();
  switch (s.where) {
    case FetchStmt::Where::First:
      t.cursor = rows > 0 ? 1 : 0;
      break;
    case FetchStmt::Where::Last:
      t.cursor = rows;
      break;
    case FetchStmt::Where::Next:
      t.cursor = t.cursor < rows ? t.cursor + 1 : 0;
      break;
    case FetchStmt::Where::Prev:
      t.cursor = t.cursor > 1 ? t.cursor - 1 : 0;
      break;
    case FetchStmt::Where::Rec: {
      const int id = EvaluateInteger(ws, *s.rec);
      if (!t.HasRow(id)) {
        throw HostError("Fetch: table " + t.Name() + " has no row " + std::to_string(id));
      }
      t.cursor = id;
      break;
    }
  }
}

void RunUpdate(Workspace& ws, const UpdateStmt& s) {
  Table& t = RequireTable(ws, s.table);
  Scope scope{ws, &t};
  std::vector<std::pair<int, NodePtr>> sets;
  for (const auto& [name, expr] : s.sets) {
    const int column = t.FindColumn(name);
    if (column < 0) throw HostError("Column " + name + " is not in table " + t.Name());
    if (!t.ColumnEditable(column)) {
      throw HostError(t.ReadOnly()
                          ? "Table " + t.Name() + " is read-only"
                          : "Column " + name + " of table " + t.Name() + " cannot be edited");
    }
    sets.emplace_back(column, Compile(*expr, scope));
  }
  const std::vector<int> rows = MatchingRows(ws, t, s.where);
  for (int id : rows) {
    std::vector<Value> values;
    for (const auto& [column, node] : sets)
      values.push_back(node->Eval(id));
    for (std::size_t i = 0; i < sets.size(); ++i)
      t.Write(id, sets[i].first, values[i]);
  }
  if (!rows.empty()) ws.TableChanged(t);
}

void RunInsert(Workspace& ws, const InsertStmt& s) {
  Table& t = RequireTable(ws, s.table);
  if (t.IsQuery()) throw HostError("Cannot insert rows into query table " + t.Name());
  if (t.ReadOnly()) throw HostError("Table " + t.Name() + " is read-only");
  std::vector<int> columns;
  if (s.columns.empty()) {
    for (int i = 0; i < t.ColumnCount(); ++i)
      columns.push_back(i);
  }
  for (const auto& name : s.columns) {
    const int column = t.FindColumn(name);
    if (column < 0) throw HostError("Column " + name + " is not in table " + t.Name());
    columns.push_back(column);
  }
  if (columns.size() != s.values.size()) {
    throw HostError("Insert: " + std::to_string(columns.size()) + " columns but " +
                    std::to_string(s.values.size()) + " values");
  }
  std::vector<Value> row;
  for (int i = 0; i < t.ColumnCount(); ++i)
    row.push_back(EmptyValue(t.ColumnAt(i)));
  for (std::size_t i = 0; i < columns.size(); ++i)
    row[columns[i]] = EvaluateConstant(ws, *s.values[i]);
  t.AddRow(row);
  t.MarkEdited();
  ws.TableChanged(t);
}

void RunCloseTable(Workspace& ws, const CloseTableStmt& s) {
  if (EqualNoCase(s.table, "Selection")) {
    // Closing the selection when nothing is selected is nothing to do.
    if (Table* selection = ws.SelectionTable()) ws.Close(selection->Name());
    return;
  }
  ws.Close(s.table);
}

void RunMetadata(Workspace& ws, const MetadataStmt& s) {
  Table& t = RequireTable(ws, s.table);
  if (t.IsQuery()) throw HostError("Query table " + t.Name() + " has no metadata");
  const std::string key = ToText(EvaluateConstant(ws, *s.key));
  if (s.drop) {
    t.Meta().Drop(key, s.hierarchical);
    return;
  }
  t.Meta().Set(key, ToText(EvaluateConstant(ws, *s.value)));
}

void RunSetTable(Workspace& ws, const SetTableStmt& s) {
  Table& t = RequireTable(ws, s.table);
  for (const auto& [flag, on] : s.flags)
    t.userFlags[flag] = on;
}

}  // namespace ornil::sim::mb
