// The value list of a lookup row: a host browser over the values table, opened from the row's
// caption, whose window procedure this window takes over so that closing it hands the selected
// identifier to the row; and the hook that keeps the host's main window disabled meanwhile.
#include "controls/border_bound_label.h"
#include "host/error_reporting.h"
#include "host/errors.h"
#include "host/temporary_table.h"
#include "infowindow/host_values.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "platform/seams.h"
#include "text/cp1251.h"
#include "ui/messages.h"

namespace ornil {

namespace {

platform::WindowManager& Windows() {
  return *platform::Current().windows;
}

// A caption without its colon: the list's title and its first column's heading.
std::string WithoutLastCharacter(const std::string& text) {
  return text.empty() ? text : text.substr(0, text.size() - 1);
}

std::string TableInfoRows(const std::string& table) {
  return Cat("TableInfo(\"", table, "\",", "8", ")");
}

}  // namespace

bool TOrnilWindow::ValueListOpen() const {
  return ValueListWindow != 0 && Windows().IsWindow(ValueListWindow);
}

void TOrnilWindow::ComboBoxLabelMouseUp(ui::Component& sender, ui::MouseButton button,
                                        ui::ShiftState, int, int) {
  Boundary("Ошибка в функции ComboBoxLabelMouseUp. "_cp, [&] {
    auto* label = dynamic_cast<TBoundLabel*>(&sender);
    if (button != ui::MouseButton::Left || label == nullptr) return;
    ui::Font font = label->GetFont();
    font.underline = false;
    label->SetFont(font);
    if (ValueListOpen()) return;
    auto* c = dynamic_cast<TOrnilComboBox*>(label->Owner());
    if (c == nullptr) return;
    CurrentLookupControl = c;

    // Whatever fails before the list is fully open is undone: no browser left with this window's
    // procedure, no selection left open, the host not left disabled.
    struct Opening {
      TOrnilWindow& window;
      bool done = false;
      ~Opening() {
        if (!done) window.AbandonValueList();
      }
    } opening{*this};
    if (!CreateNewSelValueWindow(c->Value)) {
      opening.done = true;
      return;
    }
    ValueListHook.Reset();
    if (ValueListOpen()) {
      // Thread 0 would ask for a hook on every thread of the desktop: without the host's main
      // window there is nothing to keep disabled.
      if (HostMainWindow() != 0) {
        ValueListHook.Install(
            *platform::Current().hooks, platform::HookKind::CallWndProc,
            [this](int code, std::uintptr_t wParam, std::intptr_t lParam) {
              return HookSelTableProc(code, wParam, lParam);
            },
            Windows().WindowThreadId(HostMainWindow()));
      }
      MapInfo.ExecuteMapBasic(Cat("Set Window ", std::to_string(ValueListWindowId), " title \"",
                                  WithoutLastCharacter(label->Text()), "\""));
      Windows().SetActiveWindow(ValueListWindow);
    }
    const std::string editable =
        MapInfo.RequestText(Cat("ColumnInfo(\"", c->ValuesSelection, "\",\"COL3\",", "7", ")"));
    if (text::Lower(text::Trim(editable)) == "t") {
      MapInfo.ExecuteMapBasic("*#Internal Procedure:AddCreationOfValue");
      MapInfo.ExecuteMapBasic("*#Internal Procedure:AddUpdatingOfValue");
    }
    if (HostMainWindow() != 0) Windows().EnableWindow(HostMainWindow(), false);
    SetEnabled(false);
    opening.done = true;
  });
}

bool TOrnilWindow::CreateNewSelValueWindow(const std::string& value) {
  return WithPrefix("Ошибка в функции CreateNewSelValueWindow. "_cp, [&] {
    TOrnilComboBox* c = CurrentLookupControl;
    if (c == nullptr || c->ValuesTable.empty() || c->IdentifierExpression.empty() ||
        c->ViewedExpression.empty()) {
      return false;
    }
    const std::string s = MapInfo.SelCustomTemp("SelValues");
    std::string select = Cat("Select ", c->ViewedExpression, ",", c->IdentifierExpression, ",",
                             c->ValueExpression, " From \"", c->ValuesTable, "\"");
    if (!c->AdditionalCondition.empty()) select += Cat(" Where ", c->AdditionalCondition);
    if (!MapInfo.ExecuteMapBasic(Cat(select, " Into \"", s, "\" Order By Col1 NoSelect")))
      return false;
    // Until the new list stands, a failure takes it away again (closing its selection closes its
    // browser too) and leaves the list that was there before.
    struct Undo {
      TOrnilWindow& window;
      TOrnilComboBox& c;
      std::string selection, previousSelection;
      platform::WindowHandle previousWindow;
      std::int32_t previousId;
      bool done = false;
      ~Undo() {
        if (done) return;
        if (window.ValueListWindow != previousWindow) window.ValueListTakeover.reset();
        try {
          window.MapInfo.CloseTable2(selection);
        } catch (...) {
          // The failure under way is the one reported.
        }
        c.ValuesSelection = previousSelection;
        window.ValueListWindow = previousWindow;
        window.ValueListWindowId = previousId;
      }
    } undo{*this, *c, s, c->ValuesSelection, ValueListWindow, ValueListWindowId};
    c->ValuesSelection = s;

    const std::string caption = c->BoundLabel() != nullptr ? c->BoundLabel()->Text() : "";
    const bool browsed =
        MapInfo.ExecuteMapBasic(Cat("Set Next Document Style ", "3")) &&
        MapInfo.ExecuteMapBasic(Cat("Browse COL1 \"", WithoutLastCharacter(caption),
                                    "\",COL2 \"Id\" From \"", s, "\""));
    if (!browsed) {
      // No list: the host is not disabled for a list that is not there.
      MapInfo.ExecuteMapBasic(Cat("Set Next Document Parent Systeminfo(", "15", ") Style ", "0"));
      return false;
    }
    ValueListWindow = static_cast<platform::WindowHandle>(
        static_cast<std::uint32_t>(MapInfo.RequestInt(Cat("WindowInfo(NumWindows(),", "12", ")"))));
    ValueListWindowId = MapInfo.RequestInt("WindowID(NumWindows())");
    ValueListTakeover.reset();
    ValueListTakeover = Windows().Subclass(ValueListWindow, ValueListWindowProc);
    for (const std::uint32_t item :
         {platform::kScMinimize, platform::kScMaximize, platform::kScRestore}) {
      Windows().DeleteSystemMenuItem(ValueListWindow, item);
    }
    const std::string id = std::to_string(ValueListWindowId);
    MapInfo.ExecuteMapBasic(Cat("Set Window ", id, " ReadOnly"));

    const int t = MapInfo.RequestInt(Cat("ColumnInfo(\"", s, "\",\"COL2\",", "3", ")"));
    const std::string literal =
        ComparisonLiteral(value, t, c->ColumnType == ColumnTypes::Character);
    TemporaryTable found(MapInfo, MapInfo.SelCustomTemp("SelTemp"));
    const std::string& x = found.Name();
    if (MapInfo.ExecuteMapBasic(
            Cat("Select * from \"", s, "\" where COL2=", literal, " into \"", x, "\""))) {
      if (MapInfo.RequestInt(Cat("TableInfo(", x, ",", "8", ")")) > 1)
        MapInfo.ExecuteMapBasic(Cat("Select * from \"", x, "\" where RowId=1 into \"", x, "\""));
      if (MapInfo.RequestInt(Cat("TableInfo(", x, ",", "8", ")")) > 0) FindValueInBrowse();
      found.Close();
    } else {
      found.Release();  // the host made no table of that name
    }
    undo.done = true;
    return true;
  });
}

void TOrnilWindow::AbandonValueList() noexcept {
  ValueListHook.Reset();
  // The browser goes with its own procedure: this window's would take its selection.
  ValueListTakeover.reset();
  try {
    if (ValueListOpen()) Windows().Send(ValueListWindow, ui::wm::Close, 0, 0);
    if (CurrentLookupControl != nullptr && !CurrentLookupControl->ValuesSelection.empty()) {
      const std::string s = std::exchange(CurrentLookupControl->ValuesSelection, {});
      if (MapInfo.OpenedTab(s)) MapInfo.CloseTable2(s);
    }
  } catch (...) {
    // The failure that ended the opening is the one reported.
  }
  ValueListWindow = 0;
  ValueListWindowId = 0;
  if (HostMainWindow() != 0) Windows().EnableWindow(HostMainWindow(), true);
  SetEnabled(true);
}

std::intptr_t TOrnilWindow::ValueListWindowMessage(platform::WindowHandle window,
                                                   std::uint32_t message, std::uintptr_t wParam,
                                                   std::intptr_t lParam,
                                                   const platform::WindowProcedure& previous) {
  Boundary("Ошибка в функции - обработчике оконных сообщений списка значений. "_cp, [&] {
    if (message == ui::wm::Close) {
      TakeOverListSelection();
    } else if (message == ui::wm::Destroy) {
      ValueListHook.Reset();
      SetEnabled(true);
      if (HostMainWindow() != 0) Windows().EnableWindow(HostMainWindow(), true);
    }
  });
  return previous(window, message, wParam, lParam);
}

void TOrnilWindow::TakeOverListSelection() {
  if (HostMainWindow() != 0) Windows().SetActiveWindow(HostMainWindow());
  TOrnilComboBox* c = CurrentLookupControl;
  if (c == nullptr) return;
  MapInfo.ExecuteMapBasic("*#Internal Procedure:RemoveCreationOfValue");
  MapInfo.ExecuteMapBasic("*#Internal Procedure:RemoveUpdatingOfValue");
  if (MapInfo.RequestInt(Cat("SelectionInfo(", "3", ")")) > 0 &&
      text::EqualNoCase(MapInfo.RequestText(Cat("SelectionInfo(", "1", ")")), c->ValuesTable)) {
    TakeSelectedIdentifier(*c);
  }
  const std::string id = std::to_string(ValueListWindowId);
  if (static_cast<platform::WindowHandle>(static_cast<std::uint32_t>(
          MapInfo.RequestInt(Cat("WindowInfo(", id, ",", "12", ")")))) == ValueListWindow) {
    const std::string shown = MapInfo.RequestText(Cat("WindowInfo(", id, ",", "10", ")"));
    if (text::EqualNoCase(shown, c->ValuesTable) || text::EqualNoCase(shown, c->ValuesSelection)) {
      MapInfo.CloseTable2(c->ValuesSelection);
      c->ValuesSelection.clear();
    }
  }
  if (!TableName.empty() && RowId > 0 && Options().SelectObjectOption) {
    MapInfo.ExecuteMapBasic(Cat("Select * from \"", TableName,
                                "\" where RowId=", std::to_string(RowId), " into Selection"));
  }
}

void TOrnilWindow::TakeSelectedIdentifier(TOrnilComboBox& c) {
  const int tables = MapInfo.NumTables();
  const std::string q = MapInfo.RequestText(Cat("SelectionInfo(", "2", ")"));
  const bool opened = MapInfo.NumTables() > tables;
  if (MapInfo.PresenceOfTheColumn(q, c.IdentifierExpression)) {
    MapInfo.ExecuteMapBasic(Cat("Fetch First From \"", q, "\""));
    const int t = MapInfo.RequestInt(
        Cat("ColumnInfo(\"", q, "\",\"", c.IdentifierExpression, "\",", "3", ")"));
    c.Value = ReadValueByType(MapInfo, Cat(q, ".", c.IdentifierExpression), t);
    const std::string literal = ComparisonLiteral(c.Value, t, t == ColumnTypes::Character);
    const std::string y = MapInfo.SelCustomTemp("SelExpressions");
    std::string select =
        Cat("Select ", c.ViewedExpression, ",", c.IdentifierExpression, " from \"", c.ValuesTable);
    select += c.AdditionalCondition.empty() ? Cat("\" into \"")
                                            : Cat("\" where ", c.AdditionalCondition, " into \"");
    if (MapInfo.ExecuteMapBasic(Cat(select, y, "\" noselect"))) {
      if (MapInfo.ExecuteMapBasic(Cat("Select * from \"", y, "\" where COL2=", literal, " into \"",
                                      y, "\" noselect"))) {
        c.Clear();
        for (int k = 1; k <= MapInfo.RequestInt(TableInfoRows(y)); ++k) {
          MapInfo.ExecuteMapBasic(Cat("Fetch Rec ", std::to_string(k), " from \"", y, "\""));
          const bool date = MapInfo.RequestInt(Cat("ColumnInfo(\"", y, "\",\"COL1\",", "3", ")")) ==
                            ColumnTypes::Date;
          c.AddItem(MapInfo.RequestText(date ? Cat("Str$(", y, ".COL1)") : Cat(y, ".COL1")));
        }
        c.SetItemIndex(0);
        c.SetText(c.Item(0));
      }
      MapInfo.CloseTable2(y);
    }
  }
  if (opened) MapInfo.CloseTable2(q);
  MapInfo.ExecuteMapBasic("Close Table \"Selection\"");
}

std::intptr_t TOrnilWindow::HookSelTableProc(int code, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
  platform::Hooks& hooks = *platform::Current().hooks;
  const platform::HookHandle hook = ValueListHook.Handle();
  try {
    if (code < 0) {
      hooks.CallNextHook(hook, code, wParam, lParam);
      return 0;
    }
    const auto* record = reinterpret_cast<const platform::CallWndProcRecord*>(lParam);
    if (record != nullptr && record->message == ui::wm::Enable && record->wParam != 0 &&
        record->window == HostMainWindow()) {
      Windows().EnableWindow(HostMainWindow(), false);
    }
    return hooks.CallNextHook(hook, code, wParam, lParam);
  } catch (...) {
    ShowErrorBox(
        BoundaryMessage("Ошибка в функции HookSelTableProc: "_cp, std::current_exception()));
    ValueListHook.Reset();
    return 0;
  }
}

}  // namespace ornil
