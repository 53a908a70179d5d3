// The edit value window's OK while a value list is open: the changed value written to its row, or
// a new row inserted with the next free identifier, and the list made again so that it shows it.
#include <charconv>

#include "controls/border_bound_label.h"
#include "host/errors.h"
#include "infowindow/host_values.h"
#include "infowindow/ornil_window.h"
#include "platform/seams.h"
#include "settings/metadata_schema.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/messages.h"

namespace ornil {

namespace {

platform::WindowManager& Windows() {
  return *platform::Current().windows;
}

std::string RowCount(const std::string& table) {
  return Cat("TableInfo(\"", table, "\",", "8", ")");
}

// A number as MapBasic reads it: "." before the decimals, whatever the machine's settings.
std::string NumberLiteral(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

double NumberOf(std::string_view text) {
  const std::string own(text::Trim(text));
  double value = 0;
  std::from_chars(own.data(), own.data() + own.size(), value);
  return value;
}

void ShowIdentifierNotAssigned() {
  ShowErrorBox(
      "Произошла ошибка во время присвоения идентификатора новой зиписи. Идентификатор не "
      "присвоен."_cp);
}

}  // namespace

void TOrnilWindow::EditValueOkClick(ui::Component&) {
  Boundary("Ошибка во время закрытия старого и создания нового окна списка значений. "_cp, [&] {
    TOrnilComboBox* c = CurrentLookupControl;
    if (EditValueWindow == nullptr || c == nullptr || !MapInfo.OpenedTab(c->ValuesTable) ||
        !MapInfo.PresenceOfTheColumn(c->ValuesTable, c->ValueExpression) ||
        !MapInfo.PresenceOfTheColumn(c->ValuesTable, c->IdentifierExpression)) {
      return;
    }
    EditValueWindow->Hide();
    // However the writing ends, the edit value window closes and the list is enabled again.
    struct Closing {
      TEditValueWindow* window;
      ~Closing() { window->Close(); }
    } closing{EditValueWindow};

    const int l0 = MapInfo.RequestInt(RowCount(c->ValuesSelection));
    const int r0 = MapInfo.RequestInt(RowCount(c->ValuesTable));
    const int tv = MapInfo.RequestInt(
        Cat("ColumnInfo(\"", c->ValuesTable, "\",\"", c->ValueExpression, "\",", "3", ")"));
    std::string value;
    if (tv == ColumnTypes::Date) {
      if (EditValueWindow->DateValue->Checked())
        value = FormatLocalDate(EditValueWindow->DateValue->Date());
    } else {
      value = metadata::Quoted(EditValueWindow->Value->Text());
    }

    if (EditValueWindow->RowId >= 1) {
      MapInfo.ExecuteMapBasic(Cat("update \"", c->ValuesTable, "\" set ", c->ValueExpression, "=\"",
                                  value,
                                  "\" where RowId=", std::to_string(EditValueWindow->RowId)));
      return;
    }
    if (!MapInfo.ExecuteMapBasic(Cat("Insert Into \"", c->ValuesTable, "\" (", c->ValueExpression,
                                     ") values(\"", value, "\")"))) {
      return;
    }
    const int r1 = MapInfo.RequestInt(RowCount(c->ValuesTable));
    if (r1 > r0 && text::Lower(text::Trim(MapInfo.RequestText(Cat("columninfo(\"", c->ValuesTable,
                                                                  "\",\"", c->IdentifierExpression,
                                                                  "\",", "7", ")")))) == "t") {
      AssignNewIdentifier(*c, r1);
    }
    if (MapInfo.RequestInt(RowCount(c->ValuesSelection)) == l0) {
      RecreateValueList(value, l0);
    } else {
      c->Value = value;
      const std::string x = MapInfo.SelCustomTemp("SelTemp");
      MapInfo.ExecuteMapBasic(Cat("Select * from \"", c->ValuesTable,
                                  "\" where RowId=", std::to_string(r1), " into \"", x, "\""));
      MapInfo.CloseTable2(x);
      FindValueInBrowse();
    }
  });
}

void TOrnilWindow::AssignNewIdentifier(const TOrnilComboBox& c, int row) {
  const int ti = MapInfo.RequestInt(
      Cat("ColumnInfo(\"", c.ValuesTable, "\",\"", c.IdentifierExpression, "\",", "3", ")"));
  const std::string set =
      Cat("Update \"", c.ValuesTable, "\" Set \"", c.IdentifierExpression, "\"=");
  const std::string where = Cat(" where RowId=", std::to_string(row));
  if (ti == ColumnTypes::Date) {
    const std::string today = FormatLocalDate(ui::Application::CurrentBackend().Today());
    if (!MapInfo.ExecuteMapBasic(Cat(set, "\"", today, "\"", where))) ShowIdentifierNotAssigned();
    return;
  }
  if (ti != ColumnTypes::Decimal && ti != ColumnTypes::Integer && ti != ColumnTypes::SmallInt &&
      ti != ColumnTypes::Float) {
    return;
  }
  const std::string m = MapInfo.SelCustomTemp("SelMaxId");
  // The maximum's selection is closed however the assignment ends.
  struct MaxSelection {
    const TMapInfo& link;
    std::string name;
    bool made = false;
    ~MaxSelection() {
      if (!made) return;
      try {
        link.CloseTable2(name);
      } catch (...) {
        // The failure under way is the one reported.
      }
    }
  } maxima{MapInfo, m};
  maxima.made = MapInfo.ExecuteMapBasic(Cat("Select Max(", c.IdentifierExpression, ") from \"",
                                            c.ValuesTable, "\" into \"", m, "\" noselect"));
  MapInfo.ExecuteMapBasic(Cat("Fetch First From \"", m, "\""));
  const std::string column = m + ".COL1";
  std::string identifier;
  if (ti == ColumnTypes::Integer || ti == ColumnTypes::SmallInt)
    identifier = std::to_string(MapInfo.RequestInt(column) + 1);
  else if (ti == ColumnTypes::Float)
    identifier = NumberLiteral(NumberOf(MapInfo.MbDeformatNumber(column)) + 1);
  else
    identifier = NumberLiteral(NumberOf(HostNumberText(MapInfo.MbFormat(column))) + 1);
  if (!MapInfo.ExecuteMapBasic(Cat(set, identifier, where))) ShowIdentifierNotAssigned();
}

void TOrnilWindow::ReleaseValueListWindow() {
  ValueListTakeover.reset();
  ValueListWindow = 0;
}

void TOrnilWindow::RecreateValueList(const std::string& value, int shownBefore) {
  TOrnilComboBox& c = *CurrentLookupControl;
  platform::ScreenRect place;
  Windows().GetWindowRect(ValueListWindow, place);
  const platform::WindowHandle oldWindow = ValueListWindow;
  const int oldId = ValueListWindowId;
  const std::string oldSelection = c.ValuesSelection;
  ReleaseValueListWindow();
  // Until the new list stands, the old one is the list: it gets this window's procedure back.
  auto takeOldBack = [&] {
    ValueListWindow = oldWindow;
    ValueListWindowId = oldId;
    c.ValuesSelection = oldSelection;
    if (Windows().IsWindow(oldWindow))
      ValueListTakeover = Windows().Subclass(oldWindow, ValueListWindowProc);
  };
  bool made = false;
  try {
    made = CreateNewSelValueWindow(value);
  } catch (...) {
    takeOldBack();
    throw;
  }
  if (!made) {
    takeOldBack();
    return;
  }
  // The new list stands: the old one goes, also when what follows fails.
  struct OldList {
    const TMapInfo& link;
    std::string selection;
    bool closed = false;
    ~OldList() {
      if (closed) return;
      try {
        link.CloseTable2(selection);
      } catch (...) {
        // The failure under way is the one reported.
      }
    }
  } oldList{MapInfo, oldSelection};
  const std::string old = std::to_string(oldId);
  const std::string title = MapInfo.RequestText(Cat("WindowInfo(", old, ",", "1", ")"));
  const std::string oldShown = MapInfo.RequestText(Cat("WindowInfo(", old, ",", "10", ")"));
  oldList.closed = true;
  MapInfo.CloseTable2(oldShown);
  MapInfo.ExecuteMapBasic(
      Cat("Set Window ", std::to_string(ValueListWindowId), " title \"", title, "\""));
  Windows().MoveWindow(ValueListWindow, place);
  if (MapInfo.RequestInt(RowCount(c.ValuesSelection)) == shownBefore) {
    platform::Current().dialogs->ShowMessageBox(
        Cat("В таблицу '"_cp, c.ValuesTable,
            "' была добавлена новая строка, но в списке значений "_cp,
            "новое значение не отображено, потому что данная строка не соответствует "
            "дополнительному условию запроса, на основе которого создан список значений."_cp),
        "Внимание!"_cp, ui::mb::IconWarning | ui::mb::TaskModal);
  } else {
    c.Value = value;
  }
  if (HostMainWindow() != 0) Windows().SetActiveWindow(HostMainWindow());
  Windows().BringWindowToTop(ValueListWindow);
}

}  // namespace ornil
