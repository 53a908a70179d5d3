// Select: the result table's columns (shown through from the base table where an item is a plain
// column, computed otherwise), the rows the condition takes, aggregates, Order By, and where the
// result goes: a named table, or the selection.
#include <algorithm>
#include <numeric>

#include "sim/mapinfo/compiler.h"
#include "sim/mapinfo/functions.h"
#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/statements.h"

namespace ornil::sim::mb {

namespace {

struct ResultColumn {
  Column column;
  NodePtr node;  // null when the column shows a base column
};

// A column of the source shown in the result: through to the base table when the source column
// is one there, else as a value copied from the source.
ResultColumn FromSourceColumn(Table& source, Table* base, int index) {
  const Column& c = source.ColumnAt(index);
  ResultColumn out;
  out.column = c;
  out.column.source = -1;
  const int baseColumn = source.IsQuery() ? c.source : index;
  if (base != nullptr && baseColumn >= 0) {
    out.column.source = baseColumn;
  } else {
    out.node = MakeRowColumn(source, index);
  }
  return out;
}

void CheckTableName(const std::string& name) {
  if (name.empty() || PathToTableName(name) != name) {
    throw HostError("\"" + name + "\" is not a valid table name");
  }
}

}  // namespace

void RunSelect(Workspace& ws, const SelectStmt& s) {
  Table& source = RequireTable(ws, s.from);
  Table* base = source.IsQuery() ? source.Base() : &source;

  std::vector<AggregateNode*> aggregates;
  Scope scope{ws, &source, &aggregates};
  std::vector<ResultColumn> columns;
  for (const auto& item : s.items) {
    if (!item.expr) {
      for (int i = 0; i < source.ColumnCount(); ++i)
        columns.push_back(FromSourceColumn(source, base, i));
      continue;
    }
    NodePtr node = Compile(*item.expr, scope);
    ResultColumn out;
    if (node->rowColumn >= 0) {
      out = FromSourceColumn(source, base, node->rowColumn);
    } else {
      out.column.type = node->type;
      out.column.width = node->width;
      out.column.decimals = node->decimals;
      out.column.editable = false;
      out.node = std::move(node);
    }
    if (!item.alias.empty()) {
      out.column.name = item.alias;
    } else if (out.column.source < 0 && (!out.node || out.node->rowColumn < 0)) {
      out.column.name = "COL" + std::to_string(columns.size() + 1);
    }
    columns.push_back(std::move(out));
  }

  const bool aggregated = !aggregates.empty();
  if (aggregated) {
    for (auto& c : columns) {
      if (!c.node || c.node->rowColumn >= 0) {
        throw HostError("A column and an aggregate cannot be selected together without Group By");
      }
    }
  }

  const std::vector<int> rows = MatchingRows(ws, source, s.where);

  std::vector<Column> shape;
  for (const auto& c : columns)
    shape.push_back(c.column);
  const bool intoSelection = !s.into || EqualNoCase(*s.into, "Selection");
  const std::string name = intoSelection ? ws.NextQueryName() : *s.into;
  CheckTableName(name);
  auto result = std::make_unique<Table>(name, std::move(shape), aggregated ? nullptr : base);

  auto ownValues = [&](int rowId) {
    std::vector<Value> own(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (columns[i].node) own[i] = columns[i].node->Eval(rowId);
    }
    return own;
  };
  if (aggregated) {
    for (int id : rows) {
      for (auto* a : aggregates)
        a->Accumulate(id);
    }
    result->AddQueryRow(0, ownValues(0));
  } else {
    for (int id : rows)
      result->AddQueryRow(base ? source.BaseRowOf(id) : 0, ownValues(id));
  }

  if (!s.orderBy.empty()) {
    Scope resultScope{ws, result.get()};
    std::vector<NodePtr> keys;
    for (const auto& item : s.orderBy)
      keys.push_back(Compile(*item.expr, resultScope));
    std::vector<std::vector<Value>> values(result->RowCount());
    for (int id = 1; id <= result->RowCount(); ++id) {
      for (const auto& k : keys)
        values[id - 1].push_back(k->Eval(id));
    }
    std::vector<int> order(result->RowCount());
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      for (std::size_t k = 0; k < keys.size(); ++k) {
        const int c = Compare(values[a - 1][k], values[b - 1][k]);
        if (c != 0) return s.orderBy[k].descending ? c > 0 : c < 0;
      }
      return false;
    });
    result->ReorderRows(order);
  }

  if (intoSelection) {
    ws.SelectPending(std::move(result));
    return;
  }
  if (const Table* existing = ws.FindOpen(name)) {
    if (!existing->IsQuery()) {
      throw HostError("Table " + name + " is open and is not a query; Select cannot replace it");
    }
    ws.Close(name);
  }
  Table& opened = ws.Open(std::move(result));
  if (!s.noSelect) ws.SelectOpen(opened);
}

}  // namespace ornil::sim::mb
