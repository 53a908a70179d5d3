// The value list of a lookup row against the sample owners table: opening it from the caption,
// choosing a row, creating and changing values through the companion's commands, and a host that
// fails at any transaction while the list opens.
#include <gtest/gtest.h>

#include "controls/border_bound_label.h"
#include "exports/ornil_exports.h"
#include "sim/data/sample_tables.h"
#include "support/info_window_fixture.h"
#include "text/cp1251.h"

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
    const std::string shown = ListWindow()->table;
    w.host.UserSelect(shown, {listRow});
    CloseList();
  }
  platform::WindowHandle Main() { return w.host.Workspace().mainWindow; }
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
  const std::vector<std::string> opening = w.Transcript();
  const int transactions = static_cast<int>(opening.size());
  ChooseAndClose(1);
  ASSERT_GT(transactions, 5);
  for (int n = 0; n < transactions; ++n) {
    Open(1);
    w.dialogs.Shown().clear();
    w.dde.FailTransaction(n, 0x4002);  // DMLERR_DATAACKTIMEOUT
    ClickCaption();
    w.dde.ClearFaults();
    EXPECT_LE(w.ShownTexts().size(), 1u) << n;
    if (window()->ValueListOpen()) {
      EXPECT_FALSE(w.desktop.IsWindowEnabled(Main())) << n;
      CloseList();
    } else {
      EXPECT_EQ(w.ShownTexts().size(), 1u) << n;
      // A close that fails is reported and not sent again; every other table is gone.
      for (int t = 1; t <= w.host.Workspace().NumTables(); ++t)
        EXPECT_FALSE(w.host.Workspace().ByNumber(t)->Name().starts_with("SelValues")) << n;
    }
    EXPECT_TRUE(w.desktop.IsWindowEnabled(Main())) << n;
    EXPECT_TRUE(window()->Enabled()) << n;
  }
}

}  // namespace
}  // namespace ornil::testing
