// Tables, rows and columns of the simulated host.
#include "sim/mapinfo/table.h"

#include "sim/mapinfo/host_error.h"

namespace ornil::sim::mb {

Table::Table(TableSpec layout)
    : name_(std::move(layout.name)),
      columns_(std::move(layout.columns)),
      mappable_(layout.mappable),
      readOnly_(layout.readOnly) {}

Table::Table(std::string name, std::vector<Column> columns, Table* base)
    : name_(std::move(name)), columns_(std::move(columns)), base_(base), query_(true) {}

bool Table::Mappable() const {
  return query_ ? (base_ != nullptr && base_->Mappable()) : mappable_;
}

bool Table::ReadOnly() const {
  return query_ ? (base_ == nullptr || base_->ReadOnly()) : readOnly_;
}

int Table::FindColumn(std::string_view name) const {
  for (int i = 0; i < ColumnCount(); ++i) {
    if (EqualNoCase(columns_[i].name, name)) return i;
  }
  if (name.size() > 3 && EqualNoCase(name.substr(0, 3), "col")) {
    int n = 0;
    for (char c : name.substr(3)) {
      if (c < '0' || c > '9' || n > 100000) return -1;
      n = n * 10 + (c - '0');
    }
    if (n >= 1 && n <= ColumnCount()) return n - 1;
  }
  return -1;
}

bool Table::ColumnEditable(int index) const {
  const Column& c = columns_[index];
  if (query_) return c.source >= 0 && base_ != nullptr && base_->ColumnEditable(c.source);
  return c.editable && !readOnly_;
}

void Table::CheckRow(int rowId) const {
  if (!HasRow(rowId)) {
    throw HostError("Row " + std::to_string(rowId) + " is not in table " + name_);
  }
}

int Table::BaseRowOf(int rowId) const {
  CheckRow(rowId);
  return query_ ? rows_[rowId - 1].baseRow : rowId;
}

const Value& Table::Cell(int rowId, int column) const {
  CheckRow(rowId);
  const Row& row = rows_[rowId - 1];
  const Column& c = columns_[column];
  if (c.source >= 0 && base_ != nullptr) return base_->Cell(row.baseRow, c.source);
  return row.values[column];
}

const Value& Table::Cell(int rowId, std::string_view column) const {
  const int index = FindColumn(column);
  if (index < 0) throw HostError("Column " + std::string(column) + " is not in table " + name_);
  return Cell(rowId, index);
}

void Table::Write(int rowId, int column, const Value& v) {
  CheckRow(rowId);
  const Column& c = columns_[column];
  if (!ColumnEditable(column)) {
    throw HostError(ReadOnly() ? "Table " + name_ + " is read-only"
                               : "Column " + c.name + " of table " + name_ + " cannot be edited");
  }
  if (query_) {
    base_->Write(rows_[rowId - 1].baseRow, c.source, v);
    return;
  }
  rows_[rowId - 1].values[column] = Coerce(v, c.type, c.type == kChar ? c.width : 0, c.decimals);
  edited_ = true;
}

int Table::AddRow(const std::vector<Value>& values) {
  if (values.size() != columns_.size()) {
    throw HostError("Table " + name_ + " has " + std::to_string(columns_.size()) +
                    " columns, not " + std::to_string(values.size()));
  }
  Row row;
  row.baseRow = RowCount() + 1;
  row.values.reserve(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Column& c = columns_[i];
    row.values.push_back(Coerce(values[i], c.type, c.type == kChar ? c.width : 0, c.decimals));
  }
  rows_.push_back(std::move(row));
  return RowCount();
}

int Table::AddRowTexts(const std::vector<std::string>& texts) {
  std::vector<Value> values;
  values.reserve(texts.size());
  for (const auto& t : texts)
    values.push_back(Value::Text(t));
  return AddRow(values);
}

int Table::AddQueryRow(int baseRow, std::vector<Value> own) {
  own.resize(columns_.size());
  rows_.push_back({baseRow, std::move(own)});
  return RowCount();
}

void Table::ReorderRows(const std::vector<int>& order) {
  std::vector<Row> sorted;
  sorted.reserve(order.size());
  for (int rowId : order)
    sorted.push_back(std::move(rows_[rowId - 1]));
  rows_ = std::move(sorted);
}

Value EmptyValue(const Column& column) {
  switch (column.type) {
    case kDecimal:
      return Value::Decimal(0, column.decimals);
    case kInteger:
      return Value::Integer(0);
    case kSmallInt:
      return Value::SmallInt(0);
    case kFloat:
      return Value::Float(0);
    case kDate:
      return Value::Date(0);
    case kLogical:
      return Value::Logical(false);
    default: {
      Value v = Value::Text("");
      v.type = column.type;
      return v;
    }
  }
}

}  // namespace ornil::sim::mb
