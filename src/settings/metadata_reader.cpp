// Reading a table's rows back from its metadata, checking each against the table, and preparing
// the selection that holds the values of the expression rows.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "host/error_reporting.h"
#include "host/errors.h"
#include "host/temporary_table.h"
#include "settings/metadata.h"
#include "settings/metadata_schema.h"
#include "text/cp1251.h"

namespace ornil {

using namespace metadata;

namespace {

// A column number as a row keeps it; a host that answers nonsense gets no wrap-around.
std::int16_t ToColumnNumber(long long n) {
  return static_cast<std::int16_t>(std::clamp<long long>(n, 0, INT16_MAX));
}

class Reader {
 public:
  Reader(const TMapInfo& link, std::string_view table, int rowId, TViewLines& lines,
         bool diagnostics)
      : link_(link),
        table_(text::Trim(table)),
        rowId_(rowId),
        lines_(lines),
        diagnostics_(diagnostics) {}

  void ReadStoredRows();
  // Numbers and types of the expression rows; gives the selection with their values, if any.
  std::string NumberExpressionRows();
  bool ReadDefaultRows();

 private:
  std::string Text(int n, const std::string& name) const {
    return link_.RequestText(GetKeyExpression(table_, RowKey(n) + name));
  }
  int Int(int n, const std::string& name) const {
    return link_.RequestInt(GetKeyExpression(table_, RowKey(n) + name));
  }
  void Print(const std::string& message) const { link_.ExecuteMapBasic(PrintStatement(message)); }
  std::string ColumnInfo(std::string_view table, std::string_view column, int code) const {
    return Cat("ColumnInfo(\"", table, "\",\"", column, "\",", std::to_string(code), ")");
  }
  // A stored count no further than `limit`; with diagnostics, a longer one is reported.
  int Bounded(int count, int limit, std::string_view what) const;

  bool ReadRow(int n, TViewLine& d) const;
  void ReadLookup(int n, TViewLine& d) const;
  void IncompleteLookup(TViewLine& d, std::string_view what) const;
  void ReadStaticList(int n, TViewLine& d) const;
  // The output list holds copies: a row read here owns no control.
  void Append(const TViewLine& d) { lines_.push_back(d); }

  // Selects of the expressions are probes: the host shows no error for them.
  bool Probe(const std::string& select) const {
    PrintErrorsOff quiet;
    return link_.ExecuteMapBasic(select);
  }
  std::string SelectExpressions(const std::string& list, const std::string& into) const {
    return Cat("Select ", list, " from \"", table_, "\" where RowId=", std::to_string(rowId_),
               " into \"", into, "\" noselect");
  }
  std::string SelectNoRow(const std::string& expression, const std::string& into) const {
    return Cat("Select ", expression, " from \"", table_, "\" where RowId=0 into \"", into,
               "\" noselect");
  }
  // Columns the expression yields: selected from no row into X, counted, and X closed again.
  std::optional<int> MeasureExpression(const std::string& expression, const std::string& x) const;
  void ReadExpressionTypes(const std::string& selection);
  void RemoveExpressionRows(const std::vector<bool>& remove);

  const TMapInfo& link_;
  std::string table_;
  int rowId_;
  TViewLines& lines_;
  bool diagnostics_;
  // Positions in `lines_` of the expression rows, in order, and their expressions joined by ",".
  std::vector<std::size_t> expressionRows_;
  std::string expressionList_;
};

int Reader::Bounded(int count, int limit, std::string_view what) const {
  if (count <= limit) return count;
  if (diagnostics_) {
    Print(Cat(what, " (", std::to_string(count), ") больше "_cp, std::to_string(limit),
              ": прочитаны первые "_cp, std::to_string(limit)));
  }
  return limit;
}

bool Reader::ReadRow(int n, TViewLine& d) const {
  d.FieldType = static_cast<FieldKind>(Int(n, keys::Type));
  d.Caption = std::string(text::TrimLeft(Text(n, keys::Caption)));
  if (d.Caption.empty() && diagnostics_ && d.FieldType >= 0) {
    Print(Cat("Для поля '№"_cp, std::to_string(n), "' не определено имя"_cp));
  }
  if (d.FieldType < 0) {
    d.CaptionViewed = Int(n, keys::CaptionViewed) == 1;
    if (d.CaptionViewed) d.CaptionJustify = static_cast<std::uint8_t>(Int(n, keys::CaptionJustify));
    return true;
  }

  bool valid = false;
  d.Enabled = Int(n, keys::Enabled) == 1;
  d.Column = std::string(text::Trim(Text(n, keys::Column)));
  if (d.Column.empty()) {
    d.Expression = std::string(text::Trim(Text(n, keys::Expression)));
    valid = !d.Expression.empty();
  } else if (const int number = link_.RequestInt(ColumnInfo(table_, d.Column, 2)); number <= 0) {
    // The column is gone from the table: its name may still be a valid expression.
    d.Expression = std::move(d.Column);
    d.Column.clear();
    valid = true;
  } else {
    d.ColumnNumber = ToColumnNumber(number);
    d.ColumnType = static_cast<std::uint8_t>(link_.RequestInt(ColumnInfo(table_, d.Column, 3)));
    valid = d.ColumnType != 0;
    if (!valid) d.Column.clear();
  }
  d.CustomDateFormat = Text(n, keys::CustomDateFormat);
  if (d.CustomDateFormat.empty())
    d.DateFormat = static_cast<std::uint8_t>(Int(n, keys::DateFormat));

  if (d.Column.empty() && d.Expression.empty()) {
    if (!diagnostics_) return false;
    if (d.Caption.empty()) d.Caption = std::to_string(n);
    Print(Cat("Для поля '"_cp, d.Caption, "' не определено имя колонки"_cp));
    valid = true;
  }
  if (!valid) return false;
  if (!d.Column.empty() && d.Caption.empty()) d.Caption = d.Column;
  if (!d.Expression.empty() && d.Caption.empty()) d.Caption = d.Expression;
  if (d.FieldType == TableLookup) ReadLookup(n, d);
  if (d.FieldType == StaticList) ReadStaticList(n, d);
  return true;
}

void Reader::ReadLookup(int n, TViewLine& d) const {
  d.ValuesTable = std::string(text::Trim(Text(n, keys::ValuesTable)));
  if (d.ValuesTable == ThisTable) d.ValuesTable = table_;
  if (d.ValuesTable.empty()) {
    IncompleteLookup(d,
                     "не определено имя таблицы, из которой будут извлекаться подстанавливаемые "
                     "значения"_cp);
    return;
  }
  d.IdentifierExpression = std::string(text::Trim(Text(n, keys::IdentifierExpression)));
  d.ValueExpression = std::string(text::Trim(Text(n, keys::ValueExpression)));
  d.ViewedExpression = std::string(text::Trim(Text(n, keys::ViewedExpression)));
  d.AdditionalCondition = std::string(text::Trim(Text(n, keys::AdditionalCondition)));
  d.FullValuesList = Int(n, keys::FullValuesList) == 1;
  if (d.ValueExpression.empty()) d.ValueExpression = d.ViewedExpression;
  if (d.ViewedExpression.empty()) d.ViewedExpression = d.ValueExpression;
  if (d.IdentifierExpression.empty() || d.ViewedExpression.empty()) {
    IncompleteLookup(d,
                     "не определено выражение идентификаторов или выражение подстанавливаемых "
                     "значений из другой таблицы"_cp);
  }
}

void Reader::IncompleteLookup(TViewLine& d, std::string_view what) const {
  // The setup window is told what is missing; the info window shows the row as a plain edit.
  if (diagnostics_) {
    Print(Cat("Для поля '"_cp, d.Caption, "' ", what));
  } else {
    d.FieldType = Editable;
  }
}

void Reader::ReadStaticList(int n, TViewLine& d) const {
  const int count =
      Bounded(Int(n, keys::Values), MaxListValues, Cat("Число значений поля '"_cp, d.Caption, "'"));
  for (int k = 1; k <= count; ++k) {
    d.Values.push_back({Text(n, PairKey(k, keys::Viewed)), Text(n, PairKey(k, keys::Saved))});
  }
}

void Reader::ReadStoredRows() {
  const int count = Bounded(link_.RequestInt(GetKeyExpression(table_, Root)), MaxRows,
                            Cat("Число полей таблицы '"_cp, table_, "'"));
  for (int n = 1; n <= count; ++n) {
    TViewLine d;
    const bool valid = ReadRow(n, d);
    if (!valid && !diagnostics_) continue;
    if (valid && d.Column.empty() && !d.Expression.empty()) {
      d.ColumnNumber = ToColumnNumber(expressionRows_.size() + 1);
      expressionRows_.push_back(lines_.size());
      if (!expressionList_.empty()) expressionList_ += ',';
      expressionList_ += d.Expression;
    }
    Append(d);
  }
}

std::optional<int> Reader::MeasureExpression(const std::string& expression,
                                             const std::string& x) const {
  if (!Probe(SelectNoRow(expression, x))) return std::nullopt;
  TemporaryTable measured(link_, x);
  const int columns = link_.RequestInt(Cat("TableInfo(", x, ",", "4", ")"));
  measured.Close();
  return std::clamp(columns, 0, static_cast<int>(INT16_MAX));
}

void Reader::ReadExpressionTypes(const std::string& selection) {
  for (std::size_t at : expressionRows_) {
    TViewLine& d = lines_[at];
    d.ColumnType = static_cast<std::uint8_t>(
        link_.RequestInt(ColumnInfo(selection, "COL" + std::to_string(d.ColumnNumber), 3)));
  }
}

void Reader::RemoveExpressionRows(const std::vector<bool>& remove) {
  std::vector<std::size_t> kept;
  TViewLines lines;
  for (std::size_t i = 0, e = 0; i < lines_.size(); ++i) {
    const bool isExpression = e < expressionRows_.size() && expressionRows_[e] == i;
    if (isExpression && remove[e++]) continue;
    if (isExpression) kept.push_back(lines.size());
    lines.push_back(std::move(lines_[i]));
  }
  lines_ = std::move(lines);
  expressionRows_ = std::move(kept);
}

std::string Reader::NumberExpressionRows() {
  if (expressionRows_.empty()) return {};
  const int count = static_cast<int>(expressionRows_.size());
  TemporaryTable selection(link_, link_.SelCustomTemp("SelValues"));
  if (Probe(SelectExpressions(expressionList_, selection.Name()))) {
    if (link_.RequestInt(Cat("TableInfo(", selection.Name(), ",", "8", ")")) != count) {
      // One expression may yield several columns (a "*", a list): shift the later ones.
      const std::string x = link_.SelCustomTemp("SelColsExpr");
      int offset = 0;
      for (std::size_t at : expressionRows_) {
        TViewLine& d = lines_[at];
        d.ColumnNumber = ToColumnNumber(d.ColumnNumber + offset);
        if (auto columns = MeasureExpression(d.Expression, x); columns && *columns > 1) {
          offset += *columns - 1;
        }
      }
    }
    ReadExpressionTypes(selection.Name());
    return selection.Release();
  }
  selection.Release();  // the Select failed: nothing was made under that name

  // Some expression is wrong: find which, one by one.
  expressionList_.clear();
  int numbered = 0;
  const std::string x = link_.SelCustomTemp("SelColsExpr");
  std::vector<bool> remove(expressionRows_.size(), false);
  for (std::size_t e = 0; e < expressionRows_.size(); ++e) {
    TViewLine& d = lines_[expressionRows_[e]];
    if (auto columns = MeasureExpression(d.Expression, x)) {
      d.ColumnNumber = ToColumnNumber(++numbered);
      if (!expressionList_.empty()) expressionList_ += ',';
      expressionList_ += d.Expression;
      if (*columns > 1) numbered += *columns - 1;
    } else if (diagnostics_) {
      Print(Cat("Для поля '"_cp, d.Caption, "' определено неправильное выражение"_cp));
    } else {
      remove[e] = true;
    }
  }
  RemoveExpressionRows(remove);
  if (diagnostics_ || expressionList_.empty()) return {};

  TemporaryTable retry(link_, link_.SelCustomTemp("SelValues"));
  if (Probe(SelectExpressions(expressionList_, retry.Name()))) {
    ReadExpressionTypes(retry.Name());
    return retry.Release();
  }
  retry.Release();
  expressionList_.clear();
  RemoveExpressionRows(std::vector<bool>(expressionRows_.size(), true));
  return {};
}

bool Reader::ReadDefaultRows() {
  const int columns = std::min(link_.RequestInt(Cat("Tableinfo(", table_, ",", "4", ")")), MaxRows);
  if (columns <= 0) return false;
  for (int k = 1; k <= columns; ++k) {
    const std::string col = "COL" + std::to_string(k);
    auto info = [&](int code) {
      return Cat("Columninfo(\"", table_, "\",\"", col, "\",", std::to_string(code), ")");
    };
    TViewLine d;
    d.Column = link_.RequestText(info(1));
    d.Caption = d.Column;
    d.ColumnNumber = ToColumnNumber(k);
    d.ColumnType = static_cast<std::uint8_t>(link_.RequestInt(info(3)));
    d.Enabled = link_.RequestInt(Cat("format$(", info(7), ",\"0\")")) != 0;
    Append(d);
  }
  return true;
}

}  // namespace

bool ToTakeParametersOfAttributes(const TMapInfo& link, std::string_view table, int rowId,
                                  TViewLines& lines, std::string& selection, bool diagnostics) {
  return WithPrefix(FunctionPrefix("ToTakeParametersOfAttributes"), [&] {
    lines.clear();
    selection.clear();
    Reader reader(link, table, rowId, lines, diagnostics);
    reader.ReadStoredRows();
    selection = reader.NumberExpressionRows();
    if (!lines.empty()) return true;
    return reader.ReadDefaultRows();
  });
}

}  // namespace ornil
