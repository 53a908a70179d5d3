// Changing or creating a lookup value while its value list is open: the edit value window filled
// with the selected row's value, or empty (today for a date) for a new one.
#include "host/errors.h"
#include "infowindow/host_values.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "platform/seams.h"
#include "text/cp1251.h"
#include "ui/application.h"

namespace ornil {

namespace {

platform::WindowManager& Windows() {
  return *platform::Current().windows;
}

std::string ShownTable(const TMapInfo& link, int windowId) {
  return link.RequestText(Cat("WindowInfo(", std::to_string(windowId), ",", "10", ")"));
}

}  // namespace

void TOrnilWindow::UpdateValue() {
  TOrnilComboBox* c = CurrentLookupControl;
  if (EditValueWindow == nullptr || c == nullptr) return;
  const std::string r = MapInfo.RequestText(Cat("CommandInfo(", "2", ")"));
  const int row = text::StrToIntDef(r, 0);
  const std::string s = MapInfo.RequestText(Cat("SelectionInfo(", "1", ")"));
  if (!ValueListOpen()) return;
  if (ShownTable(MapInfo, ValueListWindowId) != c->ValuesSelection ||
      text::Lower(c->ValuesTable) != text::Lower(s) || row <= 0) {
    return;
  }
  if (!MapInfo.ExecuteMapBasic(Cat("Fetch Rec ", r, " From ", s))) return;
  EditValueWindow->SetText("Изменить значение"_cp);
  const int t =
      MapInfo.RequestInt(Cat("ColumnInfo(\"", s, "\",\"", c->ValueExpression, "\",", "3", ")"));
  const std::string value = Cat(s, ".", c->ValueExpression);
  if (t == ColumnTypes::Date) {
    EditValueWindow->ShowDateEditor();
    const std::string d = MapInfo.MbStr(value);
    ui::SystemTime date;
    if (!d.empty() && ParseLocalDate(d, date)) {
      EditValueWindow->DateValue->SetDate(date);
      EditValueWindow->DateValue->SetChecked(true);
    } else {
      EditValueWindow->DateValue->SetChecked(false);
    }
  } else {
    EditValueWindow->ShowTextEditor();
    EditValueWindow->Value->SetText(ReadValueByType(MapInfo, value, t));
  }
  EditValueWindow->RowId = row;
  Windows().EnableWindow(ValueListWindow, false);
  EditValueWindow->Show();
}

void TOrnilWindow::NewValue() {
  TOrnilComboBox* c = CurrentLookupControl;
  if (EditValueWindow == nullptr || c == nullptr) return;
  if (!ValueListOpen() || ShownTable(MapInfo, ValueListWindowId) != c->ValuesSelection) return;
  const auto t = static_cast<std::uint8_t>(MapInfo.RequestInt(
      Cat("ColumnInfo(\"", c->ValuesTable, "\",\"", c->ValueExpression, "\",", "3", ")")));
  EditValueWindow->SetText("Создать значение"_cp);
  if (t == ColumnTypes::Date) {
    EditValueWindow->ShowDateEditor();
    EditValueWindow->DateValue->SetChecked(true);
    EditValueWindow->DateValue->SetDate(ui::Application::CurrentBackend().Today());
  } else {
    EditValueWindow->ShowTextEditor();
    EditValueWindow->Value->SetText("");
  }
  EditValueWindow->RowId = 0;
  Windows().EnableWindow(ValueListWindow, false);
  EditValueWindow->Show();
}

// The exports' work: nothing without an info window; a failure enables the list again.
namespace {

template <class Body>
void ForValueList(const std::string& prefix, Body body) {
  TOrnilWindow* window = AliveOrnilWindow();
  if (window == nullptr) return;
  Boundary(prefix, [&] {
    try {
      body(*window);
    } catch (...) {
      if (window->ValueListOpen()) Windows().EnableWindow(window->ValueListWindow, true);
      throw;
    }
  });
}

}  // namespace

void UpdateValue() {
  ForValueList("Ошибка в процедуре изменения выбранного значения. "_cp,
               [](TOrnilWindow& w) { w.UpdateValue(); });
}

void NewValue() {
  ForValueList("Ошибка в процедуре создания нового значения. "_cp,
               [](TOrnilWindow& w) { w.NewValue(); });
}

}  // namespace ornil
