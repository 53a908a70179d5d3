// The value list of a lookup row against the sample owners table: opening it from the caption,
// choosing a row, creating and changing values through the companion's commands, and a host that
// fails at any transaction while the list opens.
#include <gtest/gtest.h>

#include "controls/border_bound_label.h"
#include "exports/ornil_exports.h"
#include "sim/data/sample_tables.h"
#include "support/info_window_fixture.h"
#include "text/cp1251.h"
#include "ui/application.h"

namespace ornil::testing {
namespace {

class ValueListTest : public InfoWindowTest {
 protected:
  ValueListTest() { Configure({OwnerLookup(false)}); }

  TOrnilComboBox* Lookup() { return RowControl<TOrnilComboBox>(0); }
  // The user clicks the lookup's caption.
  void ClickCaption(ui::MouseButton button = ui::MouseButton::Left) {
    TBoundLabel* label = Lookup()->BoundLabel();
    if (button == ui::MouseButton::Left)
      w.user.Click(*label);
    else
      w.user.RightClickAt(*label, {2, 2});
  }
  TOrnilWindow* window() { return AliveOrnilWindow(); }
  const sim::mb::HostWindow* ListWindow() {
    return w.host.Workspace().FindWindow(window()->ValueListWindowId);
  }
  // The user selects a row of the list's browser and closes it.
  void ChooseAndClose(int listRow) {
    EXPECT_TRUE(w.host.UserClickBrowserRow(window()->ValueListWindowId, listRow));
    CloseList();
  }
  platform::WindowHandle Main() { return w.host.Workspace().mainWindow; }
  // A close that fails is reported and not sent again; every other temporary table is gone.
  // Closes what is left for the next round.
  void ExpectOnlyAFailedCloseLeftATable(const std::string& failed) {
    for (int t = w.host.Workspace().NumTables(); t >= 1; --t) {
      const std::string name = w.host.Workspace().ByNumber(t)->Name();
      if (!name.starts_with("Sel")) continue;
      EXPECT_TRUE(failed.starts_with("E: Close Table")) << failed << " left " << name;
      w.host.Run("Close Table " + name);
    }
  }
  // The transaction that failed when the n-th was made to fail.
  std::string Failed(int n) {
    const auto sent = w.Transcript();
    return n < static_cast<int>(sent.size()) ? sent[n] : "";
  }
  // The user closes the list's window with its close box.
  void CloseList() { w.desktop.Send(window()->ValueListWindow, 0x0010, 0, 0); }
};

TEST_F(ValueListTest, TheCaptionOpensTheListAndKeepsTheHostDisabled) {
  ASSERT_NE(Open(1), nullptr);
  w.ClearTranscript();
  ClickCaption();
  ASSERT_TRUE(window()->ValueListOpen());
  const auto* list = ListWindow();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->title, "Владелец"_cp);
  EXPECT_TRUE(list->readOnly);
  EXPECT_FALSE(w.host.UserEditBrowserCell(list->id, 1, 0, sim::mb::Value::Text("x")))
      << "the list refuses edits";
  EXPECT_EQ(w.desktop.WindowText(window()->ValueListWindow), "Владелец"_cp);
  EXPECT_FALSE(w.desktop.IsWindowEnabled(Main()));
  EXPECT_FALSE(window()->Enabled());
  EXPECT_TRUE(w.companion.OffersValueCreation());
  EXPECT_TRUE(w.companion.OffersValueUpdating());
  // Something enabling the host meanwhile is undone.
  w.desktop.EnableWindow(Main(), true);
  EXPECT_FALSE(w.desktop.IsWindowEnabled(Main()));
  // A second click, or a right click, opens nothing more.
  const int windows = static_cast<int>(w.host.Workspace().Windows().size());
  ClickCaption();
  ClickCaption(ui::MouseButton::Right);
  EXPECT_EQ(static_cast<int>(w.host.Workspace().Windows().size()), windows);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, ChoosingARowAndClosingTheListSetsTheValueAndSavingWritesIt) {
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  const std::string selection = Lookup()->ValuesSelection;
  // The list is ordered by name: Иванов, ООО "Ромашка", Петров, Сидорова.
  ChooseAndClose(4);
  EXPECT_FALSE(window()->ValueListOpen());
  EXPECT_EQ(Lookup()->Value, "3");
  EXPECT_EQ(Lookup()->Text(), "Сидорова Анна Сергеевна"_cp);
  EXPECT_TRUE(w.desktop.IsWindowEnabled(Main()));
  EXPECT_TRUE(window()->Enabled());
  EXPECT_FALSE(w.companion.OffersValueCreation());
  EXPECT_FALSE(w.companion.OffersValueUpdating());
  EXPECT_EQ(w.host.FindTable(selection), nullptr) << "the list's selection is closed";
  // The shown record is selected again.
  const sim::mb::Table* selected = w.host.Workspace().PeekSelection();
  ASSERT_NE(selected, nullptr);
  EXPECT_EQ(selected->BaseRowOf(1), 1);
  Save();
  EXPECT_EQ(Cell("Parcels", 1, "Владелец"_cp), "3");
}

TEST_F(ValueListTest, NewValueInsertsARowWithTheNextIdentifierAndRemakesTheListInPlace) {
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  const platform::WindowHandle before = window()->ValueListWindow;
  platform::ScreenRect place;
  w.desktop.GetWindowRect(before, place);
  ::NewValue();
  ASSERT_TRUE(window()->EditValueWindow->Showing());
  EXPECT_EQ(window()->EditValueWindow->Text(), "Создать значение"_cp);
  EXPECT_EQ(window()->EditValueWindow->RowId, 0);
  EXPECT_FALSE(w.desktop.IsWindowEnabled(before));
  w.user.Type(*window()->EditValueWindow->Value, "Новиков \"Н\""_cp);
  w.user.Click(*window()->EditValueWindow->OkButton);
  w.user.ProcessMessages();

  const sim::mb::Table& owners = w.host.TableNamed(sim::data::kOwners);
  ASSERT_EQ(owners.RowCount(), 5);
  EXPECT_EQ(Cell(sim::data::kOwners, 5, "ФИО"_cp), "Новиков \"Н\"");
  EXPECT_EQ(Cell(sim::data::kOwners, 5, "Id"), "6") << "the largest identifier was 5";
  ASSERT_TRUE(window()->ValueListOpen());
  EXPECT_NE(window()->ValueListWindow, before) << "a new list";
  EXPECT_FALSE(w.desktop.IsWindow(before));
  platform::ScreenRect now;
  w.desktop.GetWindowRect(window()->ValueListWindow, now);
  EXPECT_EQ(now, place);
  EXPECT_EQ(ListWindow()->title, "Владелец"_cp);
  EXPECT_FALSE(w.desktop.IsWindowEnabled(Main()));
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, ANewValueHiddenByTheConditionIsStillWrittenAndTheUserIsWarned) {
  Configure({OwnerLookup(false, "Id < 5")});
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  ::NewValue();
  w.user.Type(*window()->EditValueWindow->Value, "Скрытый"_cp);
  w.user.Click(*window()->EditValueWindow->OkButton);
  EXPECT_EQ(Cell(sim::data::kOwners, 5, "Id"), "6");
  const auto shown = w.ShownTexts();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].starts_with("В таблицу '" + text::ToUtf8(sim::data::kOwners) +
                                   "' была добавлена новая строка"))
      << shown[0];
  EXPECT_EQ(w.dialogs.Shown()[0].caption, "Внимание!"_cp);
  EXPECT_EQ(w.dialogs.Shown()[0].flags & 0xF0u, 0x30u) << "a warning icon";
}

// A values table "Kinds" whose identifiers are of the given type; gives a lookup of it for the
// parcel's floors.
TViewLine AddKinds(HostWorld& w, int idType, const std::vector<std::string>& ids,
                   int valueType = sim::mb::kChar, bool idEditable = true, bool readOnly = false) {
  sim::mb::Table& kinds = w.host.AddTable(
      {"Kinds",
       {{"Id", idType, 10, 2, idEditable, -1}, {"Name", valueType, 30, 0, true, -1}},
       /*mappable=*/false,
       readOnly});
  for (const std::string& id : ids)
    kinds.AddRowTexts({id, valueType == sim::mb::kDate ? "01.02.2003" : "k" + id});
  TViewLine lookup = OwnerLookup(false);
  lookup.Caption = "Вид"_cp;
  lookup.Column = "Этажность"_cp;
  lookup.ValuesTable = "Kinds";
  lookup.ValueExpression = "Name";
  lookup.ViewedExpression = "Name";
  return lookup;
}

struct IdentifierCase {
  const char* name;
  int type;
  std::vector<std::string> ids;
  double next;  // 0: today
  bool decimalComma;
};

class NextIdentifierTest : public InfoWindowTest,
                           public ::testing::WithParamInterface<IdentifierCase> {};

TEST_P(NextIdentifierTest, ANewRowGetsTheNextIdentifierOfItsType) {
  const IdentifierCase& c = GetParam();
  if (c.decimalComma) w.locale.UseDecimalComma();
  Configure({AddKinds(w, c.type, c.ids)});
  ASSERT_NE(Open(1), nullptr);
  auto* box = RowControl<TOrnilComboBox>(0);
  ASSERT_NE(box, nullptr);
  w.user.Click(*box->BoundLabel());
  TOrnilWindow* window = AliveOrnilWindow();
  ASSERT_TRUE(window->ValueListOpen());
  ::NewValue();
  w.user.Type(*window->EditValueWindow->Value, "новый"_cp);
  w.user.Click(*window->EditValueWindow->OkButton);
  const sim::mb::Table& kinds = w.host.TableNamed("Kinds");
  ASSERT_EQ(kinds.RowCount(), static_cast<int>(c.ids.size()) + 1);
  const int row = kinds.RowCount();
  EXPECT_EQ(Cell("Kinds", row, "Name"), "новый");
  if (c.next == 0) {
    const ui::SystemTime today = ui::Application::CurrentBackend().Today();
    EXPECT_EQ(kinds.Cell(row, "Id").number, today.year * 10000 + today.month * 100 + today.day);
  } else {
    EXPECT_DOUBLE_EQ(kinds.Cell(row, "Id").number, c.next);
  }
  EXPECT_TRUE(w.ShownTexts().empty());
  EXPECT_TRUE(window->ValueListOpen()) << "the list is made again";
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, NextIdentifierTest,
    ::testing::Values(IdentifierCase{"integer", sim::mb::kInteger, {"3", "9", "4"}, 10, false},
                      IdentifierCase{"empty", sim::mb::kInteger, {}, 1, false},
                      IdentifierCase{"smallint", sim::mb::kSmallInt, {"2"}, 3, false},
                      IdentifierCase{"float", sim::mb::kFloat, {"1.5", "2.25"}, 3.25, false},
                      IdentifierCase{"float_comma", sim::mb::kFloat, {"1.5", "2.25"}, 3.25, true},
                      IdentifierCase{"decimal", sim::mb::kDecimal, {"7.5", "1"}, 8.5, false},
                      IdentifierCase{"decimal_comma", sim::mb::kDecimal, {"7.5", "1"}, 8.5, true},
                      IdentifierCase{"date", sim::mb::kDate, {"01.02.2003"}, 0, false}),
    [](const ::testing::TestParamInfo<IdentifierCase>& info) { return info.param.name; });

TEST_F(ValueListTest, AnIdentifierColumnTheHostCannotEditGetsNoIdentifier) {
  Configure({AddKinds(w, sim::mb::kInteger, {"1"}, sim::mb::kChar, /*idEditable=*/false)});
  const sim::mb::Table& kinds = w.host.TableNamed("Kinds");
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  ::NewValue();
  w.user.Type(*window()->EditValueWindow->Value, "два"_cp);
  w.ClearTranscript();
  w.user.Click(*window()->EditValueWindow->OkButton);
  ASSERT_EQ(kinds.RowCount(), 2);
  EXPECT_EQ(Cell("Kinds", 2, "Id"), "0");
  EXPECT_TRUE(Sent("Select Max").empty());
}

TEST_F(ValueListTest, AValuesTableTheUserCannotEditOffersNoNewOrChangedValues) {
  Configure({AddKinds(w, sim::mb::kInteger, {"2"}, sim::mb::kChar, true, /*readOnly=*/true)});
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  ASSERT_TRUE(window()->ValueListOpen());
  EXPECT_FALSE(w.companion.OffersValueCreation());
  EXPECT_FALSE(w.companion.OffersValueUpdating());
  EXPECT_FALSE(w.desktop.IsWindowEnabled(Main()));
}

TEST_F(ValueListTest, UpdateValueOfADateValueColumnShowsTheDateEditor) {
  Configure({AddKinds(w, sim::mb::kInteger, {"1", "2"}, sim::mb::kDate)});
  w.host.TableNamed("Kinds").Write(2, 1, sim::mb::Value::Date(0));
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  w.host.UserSelect("Kinds", {1});
  ::UpdateValue();
  TEditValueWindow& edit = *window()->EditValueWindow;
  ASSERT_TRUE(edit.Showing());
  EXPECT_TRUE(edit.DateValue->Visible());
  EXPECT_TRUE(edit.DateValue->Checked());
  EXPECT_EQ(edit.DateValue->Date().year, 2003);
  w.user.PickDate(*edit.DateValue, ui::SystemTime::Date(2010, 5, 6));
  w.user.Click(*edit.OkButton);
  EXPECT_EQ(Cell("Kinds", 1, "Name"), "06.05.2010");

  w.host.UserSelect("Kinds", {2});
  ::UpdateValue();
  ASSERT_TRUE(edit.Showing());
  EXPECT_FALSE(edit.DateValue->Checked()) << "an empty date";
  EXPECT_EQ(edit.RowId, 2);
  edit.Close();

  // A selection in another table changes nothing.
  w.host.UserSelect("Parcels", {2});
  ::UpdateValue();
  EXPECT_FALSE(edit.Showing());
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, UpdateValueChangesTheSelectedRowsValue) {
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  w.host.UserSelect(sim::data::kOwners, {2});
  ::UpdateValue();
  ASSERT_TRUE(window()->EditValueWindow->Showing());
  EXPECT_EQ(window()->EditValueWindow->Text(), "Изменить значение"_cp);
  EXPECT_EQ(window()->EditValueWindow->RowId, 2);
  EXPECT_EQ(window()->EditValueWindow->Value->Text(), "Петров Пётр Петрович"_cp);
  window()->EditValueWindow->Value->SetText("Петров П. П."_cp);
  w.user.Click(*window()->EditValueWindow->OkButton);
  EXPECT_EQ(Cell(sim::data::kOwners, 2, "ФИО"_cp), "Петров П. П.");
  EXPECT_EQ(w.host.TableNamed(sim::data::kOwners).RowCount(), 4);
  EXPECT_TRUE(w.desktop.IsWindowEnabled(window()->ValueListWindow)) << "the list is usable again";
}

TEST_F(ValueListTest, TheCompanionsCommandsReachTheListThroughTheExports) {
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  ASSERT_TRUE(w.host.UserClickBrowserRow(window()->ValueListWindowId, 3));  // Петров
  ASSERT_TRUE(w.companion.Choose("Изменить значение"_cp));
  TEditValueWindow& edit = *window()->EditValueWindow;
  ASSERT_TRUE(edit.Showing());
  EXPECT_EQ(edit.RowId, 2) << "the row of the values table";
  EXPECT_EQ(edit.Value->Text(), "Петров Пётр Петрович"_cp);
  edit.Close();
  ASSERT_TRUE(w.companion.Choose("Создать значение"_cp));
  EXPECT_TRUE(edit.Showing());
  EXPECT_EQ(edit.RowId, 0);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, WithoutAListTheValueExportsDoNothing) {
  ::UpdateValue();
  ::NewValue();
  ASSERT_NE(Open(1), nullptr);
  w.ClearTranscript();
  ::UpdateValue();
  ::NewValue();
  EXPECT_TRUE(w.Transcript().empty());
  EXPECT_FALSE(window()->EditValueWindow->Showing());
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, ABrowserTheHostRefusesLeavesTheHostEnabledAndNoSelectionOpen) {
  ASSERT_NE(Open(1), nullptr);
  w.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.text.starts_with("Browse")) return 0x4009;  // DMLERR_NOTPROCESSED: refused
    return std::nullopt;
  });
  w.ClearTranscript();
  ClickCaption();
  w.dde.ClearFaults();
  EXPECT_FALSE(window()->ValueListOpen());
  EXPECT_TRUE(w.desktop.IsWindowEnabled(Main()));
  EXPECT_TRUE(window()->Enabled());
  EXPECT_FALSE(w.companion.OffersValueCreation());
  EXPECT_EQ(Sent("Set Next Document Parent").size(), 1u);
  EXPECT_EQ(w.host.FindTable("SelValues"), nullptr);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, AListTheHostClosesItselfLeavesNothingBehind) {
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  const int value = std::stoi(Lookup()->Value);
  w.host.UserCloseWindow(window()->ValueListWindowId);
  EXPECT_FALSE(window()->ValueListOpen());
  EXPECT_TRUE(w.desktop.IsWindowEnabled(Main()));
  EXPECT_TRUE(window()->Enabled());
  EXPECT_EQ(std::stoi(Lookup()->Value), value);
  ::DestroyOrnilWindow();
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, DestroyingTheInfoWindowClosesAnOpenList) {
  ASSERT_NE(Open(1), nullptr);
  ClickCaption();
  const platform::WindowHandle list = window()->ValueListWindow;
  const std::string selection = Lookup()->ValuesSelection;
  ::DestroyOrnilWindow();
  EXPECT_FALSE(w.desktop.IsWindow(list));
  EXPECT_EQ(w.host.FindTable(selection), nullptr);
  EXPECT_TRUE(w.desktop.IsWindowEnabled(Main()));
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(ValueListTest, AHostFailureWhileTheListOpensLeavesNothingBehind) {
  ASSERT_NE(Open(1), nullptr);
  w.ClearTranscript();
  ClickCaption();
  const int transactions = static_cast<int>(w.Transcript().size());
  ChooseAndClose(1);
  ASSERT_GT(transactions, 5);
  for (int n = 0; n < transactions; ++n) {
    Open(1);
    w.dialogs.Shown().clear();
    w.ClearTranscript();
    w.dde.FailTransaction(n, 0x4002);  // DMLERR_DATAACKTIMEOUT
    ClickCaption();
    w.dde.ClearFaults();
    const std::string failed = Failed(n);
    EXPECT_LE(w.ShownTexts().size(), 1u) << n;
    if (window()->ValueListOpen()) {
      EXPECT_FALSE(w.desktop.IsWindowEnabled(Main())) << n;
      CloseList();
    } else {
      EXPECT_EQ(w.ShownTexts().size(), 1u) << failed;
    }
    EXPECT_TRUE(w.desktop.IsWindowEnabled(Main())) << n;
    EXPECT_TRUE(window()->Enabled()) << n;
    ExpectOnlyAFailedCloseLeftATable(failed);
  }
}

}  // namespace
}  // namespace ornil::testing

namespace ornil::testing {
namespace {

// A host failure at each transaction of OK in the edit value window, for a new value and for a
// changed one: one message at most, the list still closes cleanly and leaves the host usable.
class ValueListOkFailureTest : public ValueListTest, public ::testing::WithParamInterface<bool> {
 protected:
  // Opens the list and the edit value window, for a new value or to change the second row.
  void PrepareEdit() {
    ASSERT_NE(Open(1), nullptr);
    ClickCaption();
    if (GetParam()) {
      ::NewValue();
    } else {
      w.host.UserSelect(sim::data::kOwners, {2});
      ::UpdateValue();
    }
    ASSERT_TRUE(window()->EditValueWindow->Showing());
    window()->EditValueWindow->Value->SetText("Другой"_cp);
  }
};

TEST_P(ValueListOkFailureTest, LeavesOneMessageAndAHostThatWorksAfterTheListCloses) {
  PrepareEdit();
  w.ClearTranscript();
  w.user.Click(*window()->EditValueWindow->OkButton);
  const int transactions = static_cast<int>(w.Transcript().size());
  ASSERT_GT(transactions, 3);
  CloseList();
  for (int n = 0; n < transactions; ++n) {
    PrepareEdit();
    w.dialogs.Shown().clear();
    w.ClearTranscript();
    w.dde.FailTransaction(n, 0x4002);  // DMLERR_DATAACKTIMEOUT
    w.user.Click(*window()->EditValueWindow->OkButton);
    w.dde.ClearFaults();
    const std::string failed = Failed(n);
    EXPECT_LE(w.ShownTexts().size(), 1u) << n;
    // A failure before the writing starts leaves the edit open to try again; the user cancels.
    if (window()->EditValueWindow->Showing()) window()->EditValueWindow->Close();
    const platform::WindowHandle list = window()->ValueListWindow;
    if (window()->ValueListOpen()) CloseList();
    EXPECT_FALSE(w.desktop.IsWindow(list)) << n;
    EXPECT_TRUE(w.desktop.IsWindowEnabled(Main())) << n;
    EXPECT_TRUE(window()->Enabled()) << n;
    ExpectOnlyAFailedCloseLeftATable(failed);
  }
}

INSTANTIATE_TEST_SUITE_P(NewAndChanged, ValueListOkFailureTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Insert" : "Update";
                         });

}  // namespace
}  // namespace ornil::testing
