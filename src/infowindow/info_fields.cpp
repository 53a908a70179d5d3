// Filling the info window: the table's configured rows with the shown record's values, then one row
// of controls per descriptor in the scroll box, and the window's height from the rows.
#include <algorithm>

#include "controls/border_edit.h"
#include "host/error_reporting.h"
#include "host/errors.h"
#include "infowindow/host_values.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "settings/metadata.h"
#include "text/cp1251.h"

namespace ornil {

namespace {

// The table a row's value comes from, and its column there ("COL" and the number).
std::string SourceTable(const TOrnilWindow& w, const TViewLine& d) {
  return d.Column.empty() ? w.ExpressionSelection : w.TableName;
}
std::string ColumnName(const TViewLine& d) {
  return "COL" + std::to_string(d.ColumnNumber);
}

// A control made for measuring only, freed on every way out.
struct MeasuringEdit {
  explicit MeasuringEdit(TOrnilWindow& window) : edit(ui::Make<TBorderEdit>(&window)) {
    edit->SetParent(&window);
    edit->SetAutoSize(true);
  }
  ~MeasuringEdit() { edit->Free(); }
  MeasuringEdit(const MeasuringEdit&) = delete;
  MeasuringEdit& operator=(const MeasuringEdit&) = delete;
  TBorderEdit* edit;
};

// What the window's height is made of while the rows are built: the bottom of the last row that
// shows without scrolling, of the second of those rows, and of the last row the window may grow to.
struct HeightBookkeeping {
  int visible = 0;
  int minimum = 0;
  int maximum = 0;

  void RowBuilt(int position, int bottom, int fieldsCount) {
    if (fieldsCount == 0 || position <= fieldsCount) {
      visible = bottom;
      if (position <= 2) minimum = bottom;
      maximum = bottom;
    } else {
      maximum = visible;
    }
  }
};

}  // namespace

bool TOrnilWindow::TakeParametersInfoFields() {
  return WithPrefix("Произошла ошибка в функции TakeParametersInfoFields. "_cp, [&] {
    std::string selection;
    if (!ToTakeParametersOfAttributes(MapInfo, TableName, RowId, Fields, selection, false))
      throw OrnilError("Не могу извлечь параметры полей информационного поля."_cp);
    if (!selection.empty()) {
      MapInfo.ExecuteMapBasic(Cat("Set Table \"", selection, "\" UserClose Off", " UserMap Off",
                                  " UserBrowse Off", " UserEdit Off", " UserDisplayMap Off"));
      ExpressionSelection = selection;
    }
    const MeasuringEdit measure(*this);
    RowHeight = static_cast<std::int16_t>(measure.edit->Height());
    for (TViewLine& d : Fields) {
      if (d.FieldType < 0) d.FieldType = Divider;
      if (d.FieldType == Divider) continue;
      measure.edit->EditLabel()->SetText(d.Caption + ":");
      CaptionWidth = static_cast<std::int16_t>(
          std::max<int>(CaptionWidth, measure.edit->EditLabel()->Width()));
      if (d.Enabled) {
        d.Enabled = MapInfo.RequestInt(Cat("format$(Columninfo(\"", SourceTable(*this, d), "\",\"",
                                           ColumnName(d), "\",", "7", "),\"0\")")) != 0;
      }
      if (!TableName.empty()) {
        MapInfo.ExecuteMapBasic(
            Cat("fetch rec ", std::to_string(RowId), " from \"", TableName, "\""));
      }
      if (!ExpressionSelection.empty())
        MapInfo.ExecuteMapBasic(Cat("Fetch first from \"", ExpressionSelection, "\""));
      ReadRowValue(d);
      d.Value = std::string(text::TrimRight(d.Value));
      if (d.FieldType == TableLookup && !MapInfo.OpenedTab(d.ValuesTable)) d.FieldType = Editable;
    }
    return true;
  });
}

void TOrnilWindow::ReadRowValue(TViewLine& d) {
  const std::string source = SourceTable(*this, d);
  const std::string q = Cat(source, ".", ColumnName(d));
  auto info = [&](const char* code) {
    return MapInfo.RequestInt(Cat("ColumnInfo(", source, ",\"", ColumnName(d), "\",", code, ")"));
  };
  auto byte = [](int n) { return static_cast<std::uint8_t>(std::clamp(n, 0, 255)); };
  switch (d.ColumnType) {
    case ColumnTypes::Integer:
    case ColumnTypes::SmallInt:
    case ColumnTypes::Logical:
      d.Value = MapInfo.RequestText(Cat("format$(", q, ",\"0\")"));
      break;
    case ColumnTypes::Float:
      d.Value = MapInfo.MbDeformatNumber(q);
      break;
    case ColumnTypes::Decimal:
      d.Value = HostNumberText(MapInfo.MbFormat(q));
      d.ColumnWidth = byte(info("4"));
      d.DecimalPlaces = byte(info("5"));
      break;
    case ColumnTypes::Date:
      d.Value = MapInfo.MbStr(q);
      break;
    case ColumnTypes::Character:
      d.Value = MapInfo.RequestText(q);
      d.ColumnWidth = byte(info("4"));
      break;
    default:
      d.Value = MapInfo.RequestText(q);
      break;
  }
}

bool TOrnilWindow::CreateInfoFields() {
  return WithPrefix("Произошла ошибка в функции CreateInfoFields. "_cp, [&] {
    if (Fields.empty()) return false;
    Boundary("Ошибка во время присваивания значений переменным в среде MapInfo "_cp, [&] {
      PrintErrorsOff quiet;
      MapInfo.ExecuteMapBasic(Cat("~CurrentRowId~", "=", std::to_string(RowId)));
      MapInfo.ExecuteMapBasic(Cat("~CurrentTableName~", "=\"", TableName, "\""));
    });
    ScrollBox->SetVertScrollBarVisible(false);
    const int fieldsCount = Options().FieldsCountOption;
    HeightBookkeeping height;
    int y = 0;
    for (std::size_t i = 0; i < Fields.size(); ++i) {
      const int h = BuildRow(i, y);
      height.RowBuilt(static_cast<int>(i) + 1, y + h, fieldsCount);
      y += h + 2;
    }
    if (height.visible > 0) {
      const int d = Height() - ScrollBox->Height();
      ui::Constraints limits = GetConstraints();
      limits.minHeight = d + height.minimum;
      limits.maxHeight = d + height.maximum;
      SetConstraints(limits);
      SetHeight(d + height.visible);
    }
    ScrollBox->SetAutoScroll(true);
    ScrollBox->SetVertScrollBarVisible(true);
    ScrollBox->SetVertIncrement(RowHeight + 2);
    return true;
  });
}

}  // namespace ornil
