// Saving the info window: one update per changed, editable row, each value written as the MapBasic
// literal of its column type; unchanged rows send nothing.
#include "controls/border_check_box.h"
#include "controls/border_date_edit.h"
#include "controls/temporary_value.h"
#include "controls/typed_edits.h"
#include "host/error_reporting.h"
#include "host/errors.h"
#include "infowindow/host_values.h"
#include "infowindow/ornil_window.h"
#include "text/cp1251.h"

namespace ornil {

namespace {

bool IsNumber(int type) {
  return type == ColumnTypes::Decimal || type == ColumnTypes::Integer ||
         type == ColumnTypes::SmallInt || type == ColumnTypes::Float;
}

// A list row's raw value: the identifier of a lookup, the saved text of a constant list's pair.
std::string ListRowText(const TViewLine& d, ui::Control* control) {
  auto* box = dynamic_cast<TOrnilComboBox*>(control);
  if (box == nullptr) return {};
  if (d.FieldType == TableLookup) {
    if (!d.FullValuesList) return box->Value;
    const std::string* identifier = box->ItemString(box->ItemIndex());
    return identifier != nullptr ? *identifier : std::string();
  }
  if (d.FieldType == StaticList) {
    const int index = box->ItemIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= d.Values.size()) return {};
    return d.Values[static_cast<std::size_t>(index)].Saved;
  }
  return {};
}

// The text an edit shows, as it would read after leaving it: a typed edit corrects it first (the
// save button may be pressed with Enter while the edit still has the focus).
std::string EditText(ui::Control* control) {
  std::string text = control->Text();
  if (auto* typed = dynamic_cast<TOrnilIntEdit*>(control)) typed->CorrectText(text);
  return text;
}

std::string DateText(const TViewLine& d, ui::Control* control) {
  auto* date = dynamic_cast<TBorderDateEdit*>(control);
  if (date == nullptr) return d.Value;
  if (!date->Checked()) return {};
  if (date->IsTouched()) return FormatLocalDate(date->Date());
  return d.Value;
}

}  // namespace

std::string TOrnilWindow::EditedValueLiteral(TViewLine& d) {
  ui::Control* control = dynamic_cast<ui::Control*>(d.Control());
  if (control == nullptr) return {};
  std::string raw = ListRowText(d, control);
  const bool editable = d.FieldType == Editable;
  std::string literal;
  if (IsNumber(d.ColumnType)) {
    if (editable) raw = EditText(control);
    std::string text(text::Trim(raw));
    if (text.empty()) text.assign(1, '0');
    if (d.Value.empty()) d.Value.assign(1, '0');
    if (text != d.Value) literal = text;
  } else if (d.ColumnType == ColumnTypes::Date) {
    if (editable) raw = DateText(d, control);
    if (raw != d.Value) literal = QuotedLiteral(raw);
  } else if (d.ColumnType == ColumnTypes::Logical) {
    if (editable) {
      auto* box = dynamic_cast<TBorderCheckBox*>(control);
      raw.assign(1, box != nullptr && box->Checked() ? '1' : '0');
    }
    std::string text(text::Trim(raw));
    if (text != "0" && text != "1") text.assign(1, '0');
    if (text != d.Value) literal = text;
  } else {
    if (editable) raw = control->Text();
    const std::string text(text::TrimRight(raw));
    if (text != d.Value) literal = QuotedLiteral(text);
  }
  return std::string(text::TrimRight(literal));
}

void TOrnilWindow::SaveRow(TViewLine& d) {
  std::string table;
  int row = 0;
  if (!d.Column.empty()) {
    table = TableName;
    row = RowId;
  } else if (!d.Expression.empty()) {
    table = ExpressionSelection;
    row = 1;
  }
  if (d.ColumnNumber <= 0 || !d.Enabled || table.empty() || row <= 0) return;
  const std::string literal = EditedValueLiteral(d);
  if (literal.empty()) return;
  const std::string statement =
      Cat("update \"", table, "\" Set COL", std::to_string(d.ColumnNumber), "=", literal,
          " where RowId=", std::to_string(row));
  // An expression row has no column name: its expression names it.
  const std::string failed =
      Cat("Произошла ошибка во время попытки сохранить в поле '"_cp,
          d.Column.empty() ? d.Expression : d.Column, "' значение "_cp, literal, " . ");
  bool done = false;
  WithPrefix(failed, [&] {
    // A refusal is reported here, once, naming the field: the companion keeps quiet about it.
    const PrintErrorsOff quiet;
    const TemporaryValue<bool> saving(SavingStarted, true);
    done = MapInfo.ExecuteMapBasic(statement);
  });
  if (!done) throw OrnilError(failed + Reporting().LastMapInfoErrorString);
}

void TOrnilWindow::ButtonSaveClick(ui::Component&) {
  Boundary("Ошибка во время сохранения значений. "_cp, [&] {
    for (TViewLine& d : Fields) {
      SaveRow(d);
      if (auto* control = dynamic_cast<ui::Component*>(d.Control())) {
        d.SetControl(nullptr);
        control->Free();
      }
    }
    Fields.clear();
    Close();
  });
}

}  // namespace ornil
