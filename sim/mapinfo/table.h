// An open table of the simulated host: typed columns, rows by row id, the Fetch cursor and the
// metadata. A query (result) table shows rows of one base table: its columns either show a column
// of that table (reads and edits go through to it) or hold values of their own.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sim/mapinfo/metadata.h"
#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

struct Column {
  std::string name;
  int type = kChar;
  int width = 0;     // character: maximum length; decimal: total digits
  int decimals = 0;  // decimal: digits after the point
  bool editable = true;
  int source = -1;  // query tables: the base table's column shown here; -1: values of its own
};

struct TableSpec {
  std::string name;
  std::vector<Column> columns;
  bool mappable = false;
  bool readOnly = false;
};

class Table {
 public:
  explicit Table(TableSpec layout);
  // A query table over `base` (null when its rows stand for no base rows, as an aggregate's).
  Table(std::string name, std::vector<Column> columns, Table* base);
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const std::string& Name() const { return name_; }
  bool IsQuery() const { return query_; }
  Table* Base() const { return base_; }
  bool Mappable() const;
  bool ReadOnly() const;
  // Another application (or the file's attributes) can make a table read-only while it is open.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool Edited() const { return edited_; }
  void MarkEdited() { edited_ = true; }

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const Column& ColumnAt(int index) const { return columns_[index]; }
  // The column of that name (letter case ignored), else "COLn" as the n-th column; -1 for none.
  int FindColumn(std::string_view name) const;
  bool ColumnEditable(int index) const;

  int RowCount() const { return static_cast<int>(rows_.size()); }
  bool HasRow(int rowId) const { return rowId >= 1 && rowId <= RowCount(); }
  // Query tables: the base row a row shows; base tables: the row id itself.
  int BaseRowOf(int rowId) const;
  // Throws HostError for a row id that is not a row.
  const Value& Cell(int rowId, int column) const;
  const Value& Cell(int rowId, std::string_view column) const;
  // Stores the value converted to the column's type; a column that shows a base column writes
  // there. Throws HostError when the column cannot be edited or the value does not fit.
  void Write(int rowId, int column, const Value& v);

  // Base tables: appends a row, each value converted to its column's type; gives its row id.
  int AddRow(const std::vector<Value>& values);
  // The same with every value given in its text form ("" for the column's empty value).
  int AddRowTexts(const std::vector<std::string>& texts);
  // Query tables: appends a row showing `baseRow`, with the values of the own columns.
  int AddQueryRow(int baseRow, std::vector<Value> own);
  // Query tables: puts the rows in the given order (old row ids, 1-based).
  void ReorderRows(const std::vector<int>& order);

  // The row Fetch made current; 0 when there is none (not fetched yet, or past the end).
  int cursor = 0;
  Metadata& Meta() { return metadata_; }
  const Metadata& Meta() const { return metadata_; }
  // Set Table switches, such as "userclose" → false.
  std::map<std::string, bool> userFlags;
  // Mappable tables: the object of a row, as its bounding box in map coordinates.
  struct Box {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  };
  std::map<int, Box> objects;

 private:
  struct Row {
    int baseRow = 0;
    std::vector<Value> values;
  };
  void CheckRow(int rowId) const;

  std::string name_;
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  Table* base_ = nullptr;
  bool query_ = false;
  bool mappable_ = false;
  bool readOnly_ = false;
  bool edited_ = false;
  Metadata metadata_;
};

// The value a new row holds in a column of the type: "", 0, the blank date or F.
Value EmptyValue(const Column& column);

}  // namespace ornil::sim::mb
