// Date pickers (no-date state, picking, a calendar that refuses, formats kept across a remade
// window), dates as text, and the key/value grid edited in place and from the keyboard.
#include <gtest/gtest.h>

#include "support/sim_world.h"
#include "text/cp1251.h"
#include "ui/date_format.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/value_list_editor.h"

namespace ornil::ui {
namespace {

struct Pickers : ::testing::Test {
  testing::SimWorld world;
  Form* form = Make<Form>(world.application.get());
  DateTimePicker* picker = Make<DateTimePicker>(form);
  int changes = 0;
  void SetUp() override {
    picker->SetParent(form);
    picker->OnChange = [this](Component&) { ++changes; };
    form->Show();
  }
};

TEST_F(Pickers, CheckBoxClearedMeansNoDateButKeepsTheDate) {
  picker->SetShowCheckbox(true);
  picker->SetDate(SystemTime::Date(2021, 3, 8));
  EXPECT_TRUE(picker->Checked());
  picker->SetChecked(false);
  EXPECT_FALSE(picker->Checked());
  EXPECT_TRUE(picker->Date().SameDate(SystemTime::Date(2021, 3, 8)));
  EXPECT_EQ(changes, 0) << "changes made in code are not the user's";
  world.user.Tick(*picker);
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(changes, 1);
  // Without a check box there is always a date.
  picker->SetShowCheckbox(false);
  picker->SetChecked(false);
  EXPECT_TRUE(picker->Checked());
}

TEST_F(Pickers, PickingADateChecksTheBoxAndTellsTheChange) {
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  std::vector<std::string> seen;
  picker->OnDropDown = [&](Component&) {
    seen.push_back("dropdown");
    EXPECT_NE(picker->MonthCalendar(), 0u);
  };
  picker->OnCloseUp = [&](Component&) { seen.push_back("closeup"); };
  EXPECT_TRUE(world.user.PickDate(*picker, SystemTime::Date(2020, 2, 29)));
  EXPECT_TRUE(picker->Checked());
  EXPECT_TRUE(picker->Date().SameDate(SystemTime::Date(2020, 2, 29)));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"dropdown", "closeup"}));
  EXPECT_EQ(picker->MonthCalendar(), 0u);
}

TEST_F(Pickers, ADisabledMonthCalendarTakesNoPick) {
  picker->SetDate(SystemTime::Date(2022, 1, 1));
  picker->OnDropDown = [&](Component&) {
    world.desktop.EnableWindow(picker->MonthCalendar(), false);
  };
  EXPECT_FALSE(world.user.PickDate(*picker, SystemTime::Date(2023, 5, 5)));
  EXPECT_TRUE(picker->Date().SameDate(SystemTime::Date(2022, 1, 1)));
  EXPECT_EQ(changes, 0);
}

TEST_F(Pickers, ShownTextFollowsTheFormatsAndSurvivesARemadeWindow) {
  picker->SetDate(SystemTime::Date(2024, 3, 5));
  EXPECT_EQ(picker->Text(), "05.03.2024");
  picker->SetDateFormat(DateFormat::Long);
  EXPECT_EQ(text::ToUtf8(picker->Text()), "5 марта 2024 г.");
  picker->SetFormat("yyyy-MM-dd");
  EXPECT_EQ(picker->Text(), "2024-03-05");
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  picker->SetDateFormat(DateFormat::Short);
  EXPECT_EQ(picker->Text(), "2024-03-05") << "the own format outlives the remade window";
  EXPECT_FALSE(picker->Checked());
  picker->SetFormat("''");
  EXPECT_EQ(picker->Text(), "") << "an empty picture shows nothing";
  picker->SetFormat("");
  EXPECT_EQ(picker->Text(), "05.03.2024");
}

TEST_F(Pickers, ArrowKeysStepTheDateOnlyWhileThereIsOne) {
  picker->SetShowCheckbox(true);
  picker->SetDate(SystemTime::Date(2024, 2, 28));
  world.user.PressKey(*picker, vk::Up);
  world.user.PressKey(*picker, vk::Up);
  EXPECT_TRUE(picker->Date().SameDate(SystemTime::Date(2024, 3, 1)));
  picker->SetChecked(false);
  world.user.PressKey(*picker, vk::Down);
  EXPECT_TRUE(picker->Date().SameDate(SystemTime::Date(2024, 3, 1)));
  world.user.PressKey(*picker, vk::Space);
  EXPECT_TRUE(picker->Checked());
}

TEST(DateText, FormatsAndReadsThePictures) {
  const SystemTime d = SystemTime::Date(2009, 1, 7);
  EXPECT_EQ(FormatDate(d, "d.M.yy"), "7.1.09");
  EXPECT_EQ(text::ToUtf8(FormatDate(d, "dd MMMM yyyy 'г.'"_cp)), "07 января 2009 г.");
  EXPECT_EQ(text::ToUtf8(FormatDate(d, "MMMM yyyy")), "Январь 2009");
  EXPECT_EQ(text::ToUtf8(FormatDate(d, "ddd, dddd")), "Ср, среда");
  SystemTime read;
  ASSERT_TRUE(ParseDate("07.01.2009", "dd.MM.yyyy", read));
  EXPECT_TRUE(read.SameDate(d));
  ASSERT_TRUE(ParseDate("7/1/29", "d/M/yy", read));
  EXPECT_EQ(read.year, 2029);
  ASSERT_TRUE(ParseDate("7/1/30", "d/M/yy", read));
  EXPECT_EQ(read.year, 1930);
  EXPECT_FALSE(ParseDate("31.02.2009", "dd.MM.yyyy", read));
  EXPECT_FALSE(ParseDate("07.01.2009x", "dd.MM.yyyy", read));
  EXPECT_FALSE(ParseDate("", "dd.MM.yyyy", read));
  EXPECT_TRUE(AddDays(SystemTime::Date(2000, 12, 31), 60).SameDate(SystemTime::Date(2001, 3, 1)));
  EXPECT_TRUE(DateFromCalendarSeconds(1'700'000'000).SameDate(SystemTime::Date(2023, 11, 14)));
}

struct Grid : ::testing::Test {
  testing::SimWorld world;
  Form* form = Make<Form>(world.application.get());
  ValueListEditor* grid = Make<ValueListEditor>(form);
  void SetUp() override {
    grid->SetParent(form);
    grid->SetBounds(4, 14, 300, 120);
    grid->SetTitleCaptions("Stored", "Shown");
    grid->SetColWidths(131, 166);
    form->Show();
  }
};

TEST_F(Grid, CellsAreEditedInPlaceAndCommittedOnEnter) {
  grid->InsertRow("1", "one", true);
  grid->InsertRow("2", "two", true);
  int changes = 0;
  grid->OnChange = [&](Component&) { ++changes; };
  ASSERT_TRUE(world.user.EditCell(*grid, 2, 1, "TWO"));
  EXPECT_EQ(grid->Value(2), "TWO");
  EXPECT_EQ(grid->Key(2), "2");
  EXPECT_FALSE(grid->Editing());
  EXPECT_EQ(changes, 1);
  // Esc leaves the cell as it was; typing over a selected cell starts with the key.
  world.user.ClickAt(*grid, {10, grid->CellRect(1, 0).top + 3});
  world.user.TypeChar(*grid, '7');
  EXPECT_TRUE(grid->Editing());
  world.user.TypeChar(*grid->InplaceEditor(), '\x1b');
  EXPECT_EQ(grid->Key(1), "1");
  world.user.TypeChar(*grid, '9');
  world.user.TypeChar(*grid->InplaceEditor(), '\r');
  EXPECT_EQ(grid->Key(1), "9");
}

TEST_F(Grid, KeyboardAddsAndDeletesRows) {
  world.user.PressKey(*grid, vk::Insert);
  world.user.PressKey(*grid, vk::Insert);
  ASSERT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Key(2), "");
  grid->SetKey(1, "a");
  grid->SetKey(2, "b");
  world.user.PressKey(*grid, vk::Up);
  world.user.PressKey(*grid, vk::Delete);
  ASSERT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Key(1), "b");
  grid->ClearRows();
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->Row(), 0);
  world.user.PressKey(*grid, vk::Delete);
  EXPECT_EQ(grid->RowCount(), 1) << "the title row stays";
}

TEST_F(Grid, ManyRowsScrollToKeepTheCurrentOneInView) {
  for (int i = 0; i < 20; ++i)
    grid->InsertRow(std::to_string(i), "", true);
  EXPECT_TRUE(world.backend.ScrollOf(grid->GetHandle()).visible);
  grid->SetRow(20);
  EXPECT_GT(grid->TopRow(), 1);
  const Rect last = grid->CellRect(20, 0);
  EXPECT_LE(last.bottom, grid->ClientHeight());
  int row = 0, col = 0;
  ASSERT_TRUE(grid->CellAt({140, last.top + 2}, row, col));
  EXPECT_EQ(row, 20);
  EXPECT_EQ(col, 1);
}

}  // namespace
}  // namespace ornil::ui
