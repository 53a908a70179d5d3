// The table setup window as a user works it: choosing a table, making, configuring, moving and
// deleting fields, saving into the table's metadata, the save questions, and the host kept
// disabled while it is open.
#include <gtest/gtest.h>

#include <algorithm>

#include "exports/ornil_exports.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "platform/ddeml_codes.h"
#include "setup/enter_expression_window.h"
#include "setup/new_field_window.h"
#include "sim/data/sample_tables.h"
#include "support/setup_fixture.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

using sim::data::kOwners;
using sim::data::kParcels;
using testing::ColumnRow;
using testing::DividerRow;
using testing::ExpressionRow;
using TableSetup = testing::SetupTest;

std::vector<std::string> U(const std::vector<const char*>& texts) {
  std::vector<std::string> out;
  for (const char* t : texts)
    out.push_back(text::ToUtf8(t));
  return out;
}

TEST_F(TableSetup, OpeningAsksForATableAndChoosingItShowsItsFields) {
  TSetupWindow* s = Open();
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(s->Visible()) << "hidden until a table is chosen";
  EXPECT_TRUE(s->SelectTableWindow->Visible());
  EXPECT_EQ(s->SelectTableWindow->ComboBox1->ItemIndex(), 0);
  EXPECT_FALSE(HostEnabled());
  EXPECT_EQ(s->ValuesTableName->Count(), 3) << "every open table is offered for lookups";

  Choose(kParcels);
  EXPECT_TRUE(s->Visible());
  EXPECT_FALSE(s->SelectTableWindow->Visible());
  EXPECT_TRUE(s->Enabled());
  EXPECT_EQ(s->TableName, kParcels);
  EXPECT_EQ(s->Text(), "Настроика таблицы 'Parcels'"_cp);
  EXPECT_EQ(Captions().size(), 9u) << "one field per column without a configuration";
  EXPECT_FALSE(s->FieldProperties->Enabled());
  EXPECT_FALSE(HostEnabled());
}

// The whole road: a configuration of every kind made through the window reads back from the
// metadata exactly.
TEST_F(TableSetup, AConfigurationMadeInTheWindowIsWhatTheMetadataHolds) {
  TSetupWindow* s = OpenOn(kParcels);
  DeleteAllFields();
  EXPECT_TRUE(Captions().empty());

  CreateField("Номер участка"_cp, "Номер"_cp);
  // The expression is checked against the table before it is taken.
  user.Click(*s->CreateField);
  user.Type(*s->NewFieldWindow->FieldName, "Площадь, га"_cp);
  user.SelectItem(*s->NewFieldWindow->ColumnName, s->NewFieldWindow->ColumnName->Count() - 1);
  ASSERT_TRUE(s->EnterExpressionWindow->Visible());
  EXPECT_FALSE(s->NewFieldWindow->Enabled());
  user.Type(*s->EnterExpressionWindow->Expression, "Площадь / 10000"_cp);
  user.Click(*s->EnterExpressionWindow->CheckUp);
  EXPECT_EQ(w.ShownTexts().back(), "Всё правильно.");
  user.Click(*s->EnterExpressionWindow->OkButton);
  EXPECT_FALSE(s->EnterExpressionWindow->Visible());
  EXPECT_TRUE(s->NewFieldWindow->Enabled());
  EXPECT_EQ(s->NewFieldWindow->ColumnName->Text(), "Площадь / 10000"_cp);
  user.Click(*s->NewFieldWindow->OkButton);

  CreateDivider("Владение"_cp);
  user.SelectItem(*s->ListFields, 2);
  EXPECT_FALSE(s->FieldType->Enabled());
  EXPECT_EQ(s->FieldType->Text(), "Разделитель"_cp);
  user.Tick(*s->CaptionViewed);
  EXPECT_TRUE(s->CaptionJustify->Enabled());
  s->CaptionJustify->SetItemIndex(2);

  CreateField("Владелец"_cp, "Владелец"_cp);
  user.SelectItem(*s->ListFields, 3);
  user.SelectItem(*s->FieldType, 1);
  EXPECT_TRUE(s->TableFieldOptions->Visible());
  user.SelectItem(*s->ValuesTableName, s->ValuesTableName->IndexOf(kOwners));
  EXPECT_EQ(s->ViewedColumn->Count(), 3);
  user.SelectItem(*s->ValueColumn, s->ValueColumn->IndexOf("Id"));
  user.SelectItem(*s->ViewedColumn, s->ViewedColumn->IndexOf("ФИО"_cp));
  user.SelectItem(*s->IdentifierColumn, s->IdentifierColumn->IndexOf("Id"));
  user.Type(*s->AdditionalCondition, "Id > 1");
  user.Click(*s->CheckUp);
  EXPECT_EQ(w.ShownTexts().back(), "Всё правильно.") << "checked against the table set up";
  user.Tick(*s->FullValuesVistCreated);

  CreateField("Этажей"_cp, "Этажность"_cp);
  user.SelectItem(*s->ListFields, 4);
  user.SelectItem(*s->FieldType, 2);
  EXPECT_TRUE(s->StaticListOptions->Visible());
  for (int i = 0; i < 3; ++i)
    user.Click(*s->CreateValue);
  user.EditCell(*s->ValueList, 1, 0, "1");
  user.EditCell(*s->ValueList, 1, 1, "Один"_cp);
  user.EditCell(*s->ValueList, 3, 0, "2");
  user.EditCell(*s->ValueList, 3, 1, "Два"_cp);

  CreateField("Дата"_cp, "Дата_регистрации"_cp);
  user.SelectItem(*s->ListFields, 5);
  EXPECT_EQ(s->FieldType->Item(0), "Календарь + поле даты"_cp);
  EXPECT_TRUE(s->DateFieldOptions->Visible());
  user.Type(*s->CustomDateFormat, "dd.MM.yyyy");
  EXPECT_FALSE(s->DateFormat->Enabled()) << "an own format overrides the standard one";

  CreateField("Лишнее"_cp, "Примечание"_cp);
  // Reorder: the date goes above the list of floors; the spare field goes.
  user.SelectItem(*s->ListFields, 5);
  user.Click(*s->FieldUp);
  user.SelectItem(*s->ListFields, 6);
  user.Click(*s->DeleteField);
  EXPECT_EQ(Captions(), U({"Номер участка"_cp, "Площадь, га"_cp, "Владение"_cp, "Владелец"_cp,
                           "Дата"_cp, "Этажей"_cp}));

  user.ClickMenu(*s->SaveChanges);
  EXPECT_TRUE(w.ShownTexts().size() == 2u) << "no error box";

  TViewLine number = ColumnRow("Номер участка"_cp, "Номер"_cp, true);
  TViewLine area = ExpressionRow("Площадь, га"_cp, "Площадь / 10000"_cp);
  TViewLine divider = DividerRow("Владение"_cp, true, 2);
  TViewLine owner = ColumnRow("Владелец"_cp, "Владелец"_cp, true, TableLookup);
  owner.ValuesTable = kOwners;
  owner.ValueExpression = "Id";
  owner.ViewedExpression = "ФИО"_cp;
  owner.IdentifierExpression = "Id";
  owner.AdditionalCondition = "Id > 1";
  owner.FullValuesList = true;
  TViewLine date = ColumnRow("Дата"_cp, "Дата_регистрации"_cp, true);
  date.CustomDateFormat = "dd.MM.yyyy";
  TViewLine floors = ColumnRow("Этажей"_cp, "Этажность"_cp, true, StaticList);
  floors.Values = {{"Один"_cp, "1"}, {"", ""}, {"Два"_cp, "2"}};
  const TViewLines expected{number, area, divider, owner, date, floors};
  const TViewLines stored = Read(false);
  ASSERT_EQ(stored.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const TViewLine& got = stored[i];
    const TViewLine& want = expected[i];
    SCOPED_TRACE(text::ToUtf8(want.Caption));
    EXPECT_EQ(got.Caption, want.Caption);
    EXPECT_EQ(got.FieldType, want.FieldType);
    EXPECT_EQ(got.Column, want.Column);
    EXPECT_EQ(got.Expression, want.Expression);
    EXPECT_EQ(got.CaptionViewed, want.CaptionViewed);
    EXPECT_EQ(got.CaptionJustify, want.CaptionJustify);
    EXPECT_EQ(got.ValuesTable, want.ValuesTable);
    EXPECT_EQ(got.ValueExpression, want.ValueExpression);
    EXPECT_EQ(got.ViewedExpression, want.ViewedExpression);
    EXPECT_EQ(got.IdentifierExpression, want.IdentifierExpression);
    EXPECT_EQ(got.AdditionalCondition, want.AdditionalCondition);
    EXPECT_EQ(got.FullValuesList, want.FullValuesList);
    EXPECT_EQ(got.CustomDateFormat, want.CustomDateFormat);
    EXPECT_EQ(got.Values, want.Values);
    if (want.FieldType != Divider) {
      EXPECT_EQ(got.Enabled, want.Enabled);
    }
  }

  // The info window of a parcel shows that configuration.
  user.AnswerMessageBox(ui::id::No);
  user.Close(*s);
  ASSERT_TRUE(link.ExecuteMapBasic("Map from \"Parcels\""));
  ASSERT_TRUE(w.ClickInfoTool(w.host.Workspace().FrontWindowId(), 25, 4, {300, 200}));
  const TOrnilWindow* info = AliveOrnilWindow();
  ASSERT_NE(info, nullptr);
  ASSERT_EQ(info->Fields.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(info->Fields[i].Caption, expected[i].Caption);
    EXPECT_EQ(info->Fields[i].FieldType, expected[i].FieldType);
    if (expected[i].FieldType != Divider) {
      EXPECT_NE(info->Fields[i].Control(), nullptr) << i;
    }
  }
  EXPECT_EQ(w.ShownTexts().size(), 3u) << "the two checks and the question, no error";
}

constexpr std::uint32_t kQuestion = ui::mb::IconQuestion | ui::mb::TaskModal;

const sim::ShownMessageBox& LastBox(testing::HostWorld& w) {
  return w.dialogs.Shown().back();
}

TEST_F(TableSetup, ReopeningShowsTheSavedFieldsAndSwitchingTablesAsksToSaveFirst) {
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 8);
  user.Click(*s->DeleteField);
  user.ClickMenu(*s->SaveChanges);
  s = Open();
  Choose(kParcels);
  EXPECT_EQ(Captions().size(), 8u);

  // Switching: No drops the unsaved deletion, the other table is shown.
  user.SelectItem(*s->ListFields, 0);
  user.Click(*s->DeleteField);
  user.ClickMenu(*s->SelectTable);
  EXPECT_FALSE(s->Enabled()) << "the table dialog has the window disabled";
  user.AnswerMessageBox(ui::id::No);
  Choose(kOwners);
  EXPECT_EQ(text::ToUtf8(LastBox(w).text), "Сохранить изменения?");
  EXPECT_EQ(text::ToUtf8(LastBox(w).caption), "Сохранение изменений");
  EXPECT_EQ(LastBox(w).flags, ui::mb::YesNo | kQuestion);
  EXPECT_EQ(s->TableName, kOwners);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Id", "ФИО", "Телефон"}));
  EXPECT_TRUE(s->Enabled());
  EXPECT_EQ(Read(false).size(), 8u) << "nothing was saved";

  // Yes saves the table being left.
  user.SelectItem(*s->ListFields, 2);
  user.Click(*s->DeleteField);
  user.ClickMenu(*s->SelectTable);
  user.AnswerMessageBox(ui::id::Yes);
  Choose(kParcels);
  EXPECT_EQ(Read(false, 0, kOwners).size(), 2u);
  EXPECT_EQ(Captions().size(), 8u);

  // Cancelling the table dialog now only closes the dialog.
  user.ClickMenu(*s->SelectTable);
  user.Click(*s->SelectTableWindow->CancelButton);
  EXPECT_EQ(SetupWindow, s);
  EXPECT_TRUE(s->Visible());
  EXPECT_TRUE(s->Enabled());
}

TEST_F(TableSetup, ClosingAsksYesNoCancelAndCancelKeepsTheWindow) {
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 0);
  user.Click(*s->DeleteField);
  user.AnswerMessageBox(ui::id::Cancel);
  user.Close(*s);
  EXPECT_EQ(text::ToUtf8(LastBox(w).text), "Сохранить изменения?");
  EXPECT_EQ(LastBox(w).flags, ui::mb::YesNoCancel | kQuestion);
  ASSERT_EQ(SetupWindow, s);
  EXPECT_TRUE(s->Visible());
  EXPECT_EQ(Read(false).size(), 9u);
  EXPECT_FALSE(HostEnabled());
  // The exported pointers to the dialogs follow the window that owns them.
  EXPECT_EQ(::NewFieldWindow, s->NewFieldWindow);
  EXPECT_EQ(::EnterExpressionWindow, s->EnterExpressionWindow);

  user.AnswerMessageBox(ui::id::Yes);
  user.ClickMenu(*s->CloseWindow);
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_EQ(::NewFieldWindow, nullptr);
  EXPECT_EQ(::EnterExpressionWindow, nullptr);
  EXPECT_EQ(Read(false).size(), 8u);
  EXPECT_TRUE(HostEnabled());
  EXPECT_EQ(w.desktop.GetActiveWindow(), w.host.MainWindow());

  s = OpenOn(kParcels);
  user.Click(*s->DeleteField);
  user.AnswerMessageBox(ui::id::No);
  user.Close(*s);
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_EQ(Read(false).size(), 8u);
}

TEST_F(TableSetup, WithoutOpenTablesTheWindowStaysHiddenAndDisablesNothing) {
  for (const char* table : {kParcels, kOwners, sim::data::kDistricts})
    link.ExecuteMapBasic(Cat("Close Table ", table));
  TSetupWindow* s = Open();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(w.ShownTexts(), (std::vector<std::string>{"Нет открытых таблиц."}));
  EXPECT_EQ(text::ToUtf8(LastBox(w).caption), "Настройка таблицы");
  EXPECT_FALSE(s->Visible());
  EXPECT_FALSE(s->SelectTableWindow->Visible());
  EXPECT_FALSE(s->KeepsOthersDisabled());
  EXPECT_TRUE(HostEnabled());
  const auto sent = w.Transcript();
  EXPECT_NE(std::find(sent.begin(), sent.end(),
                      "E: Dim ~CurrentRowId~ as Integer Dim ~CurrentTableName~ as String"),
            sent.end());
  DestroySetupWindow();
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_EQ(w.Transcript().back(), "E: UnDim ~CurrentRowId~ UnDim ~CurrentTableName~");
}

TEST_F(TableSetup, CancellingTheFirstTableChoiceEndsTheSetup) {
  TSetupWindow* s = Open();
  user.Click(*s->SelectTableWindow->CancelButton);
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_TRUE(HostEnabled());
  EXPECT_TRUE(w.ShownTexts().empty()) << "nothing to save, nothing asked";
}

// The host's main window is kept disabled while the window is open, even when something enables
// it; every window is enabled again however the setup ends.
TEST_F(TableSetup, TheOtherWindowsStayDisabledWhileItIsOpen) {
  const std::uintptr_t other = w.desktop.CreateHostWindow("Other", "", {0, 0, 10, 10});
  TSetupWindow* s = OpenOn(kParcels);
  EXPECT_FALSE(w.desktop.IsWindowEnabled(other));
  EXPECT_TRUE(s->KeepsOthersDisabled());
  w.desktop.EnableWindow(w.host.MainWindow(), true);
  EXPECT_FALSE(HostEnabled()) << "disabled again at once";
  EXPECT_FALSE(s->KeepsOthersDisabled()) << "the hook serves once";
  user.AnswerMessageBox(ui::id::No);
  user.Close(*s);
  EXPECT_TRUE(HostEnabled());
  EXPECT_TRUE(w.desktop.IsWindowEnabled(other));

  // Through a failure: the host stops answering, the window is destroyed all the same.
  OpenOn(kParcels);
  EXPECT_FALSE(HostEnabled());
  w.dde.FailWhen([](const sim::DdeTransaction&) { return dde::DMLERR_BUSY; });
  DestroySetupWindow();
  w.dde.ClearFaults();
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_TRUE(HostEnabled());
  EXPECT_TRUE(w.desktop.IsWindowEnabled(other));
}

TEST_F(TableSetup, BadArgumentsAreRefusedAndLeaveTheOpenWindowAlone) {
  TSetupWindow* s = OpenOn(kParcels);
  const auto h = w.handles;
  ViewSetupTable(0, h.mapInfoConv, h.applicationConv);
  ViewSetupTable(h.instance, 0, h.applicationConv);
  ViewSetupTable(h.instance, h.mapInfoConv, 0);
  const std::string refused =
      "Ошибка в процедуре отображения окна настроек таблицы. В процедуру не передан один из "
      "параметров.";
  EXPECT_EQ(w.ShownTexts(), (std::vector<std::string>(3, refused)));
  EXPECT_EQ(LastBox(w).flags, 0x2010u);
  EXPECT_EQ(SetupWindow, s);
  EXPECT_TRUE(s->Visible());
}

TEST_F(TableSetup, FieldDialogRefusesABlankNameAndAWrongOrEmptyExpression) {
  TSetupWindow* s = OpenOn(kParcels);
  TNewFieldWindow& dialog = *s->NewFieldWindow;
  TEnterExpressionWindow& expression = *s->EnterExpressionWindow;
  user.Click(*s->CreateField);
  EXPECT_EQ(dialog.Text(), "Создание поля"_cp);
  user.Type(*dialog.FieldName, "  ");
  user.Click(*dialog.OkButton);
  EXPECT_EQ(w.ShownTexts().back(), "Не определено имя поля.");
  EXPECT_TRUE(dialog.Visible());

  user.SelectItem(*dialog.ColumnName, dialog.ColumnName->Count() - 1);
  user.Click(*expression.OkButton);
  EXPECT_EQ(w.ShownTexts().back(), "Не указано выражение.");
  user.Click(*expression.CheckUp);
  EXPECT_EQ(w.ShownTexts().back(), "Не указано выражение.");
  user.Type(*expression.Expression, "Нет_такой + 1"_cp);
  user.Click(*expression.CheckUp);
  EXPECT_EQ(w.ShownTexts().back(), "Указано ошибочное выражение.");
  user.Click(*expression.OkButton);
  EXPECT_EQ(w.ShownTexts().back(), "Указано ошибочное выражение.");
  EXPECT_EQ(text::ToUtf8(LastBox(w).caption), "Ошибка в выражении");
  EXPECT_TRUE(expression.Visible());
  user.Click(*expression.CancelButton);
  EXPECT_TRUE(dialog.Enabled());

  // "Выражение..." still chosen: OK closes the dialog and makes nothing.
  user.Type(*dialog.FieldName, "x");
  user.Click(*dialog.OkButton);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(Captions().size(), 9u);
  EXPECT_TRUE(s->Enabled());
}

TEST_F(TableSetup, ATableClosedMeanwhileKeepsTheTableDialogOpen) {
  TSetupWindow* s = Open();
  link.ExecuteMapBasic(Cat("Close Table ", kOwners));
  Choose(kOwners);
  EXPECT_EQ(w.ShownTexts().back(),
            "Ошибка в функции SelectTableWindow_OkButtonClick. Таблица \"Владельцы\" не открыта.");
  EXPECT_TRUE(s->SelectTableWindow->Visible());
  EXPECT_FALSE(s->Visible());
  Choose(kParcels);
  EXPECT_TRUE(s->Visible());
}

// A save cut short at any transaction says so and keeps every field in the window; the next save
// writes the whole configuration.
TEST_F(TableSetup, ASaveThatFailsMidwayLosesNothing) {
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 2);
  user.SelectItem(*s->FieldType, 2);
  user.Click(*s->CreateValue);
  user.EditCell(*s->ValueList, 1, 0, "1");
  user.SelectItem(*s->ListFields, 1);
  user.Click(*s->FieldDown);
  const std::vector<std::string> captions = Captions();
  TViewLines expected;
  for (int i = 0; i < s->ListFields->Count(); ++i)
    expected.push_back(Field(i));
  const int before = w.dde.TransactionCount();
  user.ClickMenu(*s->SaveChanges);
  const int transactions = w.dde.TransactionCount() - before;
  ASSERT_GT(transactions, 20);
  ASSERT_TRUE(w.ShownTexts().empty());

  for (int n = 0; n < transactions; ++n) {
    SCOPED_TRACE(n);
    link.ExecuteMapBasic("Metadata Table \"Parcels\" DropKey \"\\Ornil\" Hierarchical");
    const std::size_t boxes = w.dialogs.Shown().size();
    w.dde.FailTransaction(n, dde::DMLERR_BUSY);
    user.ClickMenu(*s->SaveChanges);
    w.dde.ClearFaults();
    EXPECT_GT(w.dialogs.Shown().size(), boxes) << "the user is told";
    EXPECT_EQ(Captions(), captions);
    for (int i = 0; i < s->ListFields->Count(); ++i)
      EXPECT_EQ(static_cast<const TViewLineSettings&>(Field(i)), expected[i]);
    user.ClickMenu(*s->SaveChanges);
    const TViewLines stored = Read(false);
    ASSERT_EQ(stored.size(), expected.size());
    EXPECT_EQ(stored[1].Caption, expected[1].Caption);
    EXPECT_EQ(stored[1].FieldType, StaticList);
    EXPECT_EQ(stored[1].Values, expected[1].Values);
  }
}

// Closing with Yes when the save fails keeps the window and its fields.
TEST_F(TableSetup, ClosingWithAFailedSaveKeepsTheWindow) {
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 0);
  user.Click(*s->DeleteField);
  FailMetadataStatements();
  user.AnswerMessageBox(ui::id::Yes);
  user.Close(*s);
  w.dde.ClearFaults();
  ASSERT_EQ(SetupWindow, s);
  EXPECT_NE(w.ShownTexts().back().find("не сохранены"), std::string::npos) << w.ShownTexts().back();
  EXPECT_EQ(Captions().size(), 8u);
  user.AnswerMessageBox(ui::id::Yes);
  user.Close(*s);
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_EQ(Read(false).size(), 8u);
}

// Tab (or Shift+Tab) in whatever has the focus until `target` has it; false after `limit` tries.
bool TabTo(ui::headless::Driver& user, ui::Form& form, ui::Control& target, bool back,
           int limit = 25) {
  for (int i = 0; i < limit && !target.Focused(); ++i) {
    ui::Control* focused = form.FocusedControl();
    if (focused == nullptr) return false;
    user.TypeChar(*focused, '\t', back ? ui::kShiftShift : ui::kShiftNone);
  }
  return target.Focused();
}

TEST_F(TableSetup, AFieldCanBeConfiguredWithTheKeyboardAlone) {
  TSetupWindow* s = Open();
  ui::ComboBox& tables = *s->SelectTableWindow->ComboBox1;
  ASSERT_TRUE(tables.Focused());
  user.TypeChar(tables, '\r');
  ASSERT_TRUE(s->Visible()) << "Enter presses OK";
  ASSERT_EQ(s->TableName, kParcels);

  ASSERT_TRUE(TabTo(user, *s, *s->ListFields, false));
  user.PressKey(*s->ListFields, ui::vk::Down);
  user.PressKey(*s->ListFields, ui::vk::Down);
  user.PressKey(*s->ListFields, ui::vk::Down);
  ASSERT_EQ(s->ListFields->ItemIndex(), 2);
  EXPECT_TRUE(s->FieldProperties->Enabled());
  EXPECT_TRUE(s->FieldUp->Enabled());
  EXPECT_TRUE(s->FieldDown->Enabled());

  ASSERT_TRUE(TabTo(user, *s, *s->FieldType, false));
  user.PressKey(*s->FieldType, ui::vk::Down);
  EXPECT_TRUE(s->TableFieldOptions->Visible());
  ASSERT_TRUE(TabTo(user, *s, *s->ValuesTableName, false));
  user.PressKey(*s->ValuesTableName, ui::vk::F4);
  user.PressKey(*s->ValuesTableName, ui::vk::Down);
  user.PressKey(*s->ValuesTableName, ui::vk::Down);
  user.TypeChar(*s->ValuesTableName, '\r');
  EXPECT_EQ(s->ValuesTableName->Text(), kOwners);
  EXPECT_EQ(s->IdentifierColumn->Count(), 3);

  // Esc in an open drop-down closes the drop-down only.
  ASSERT_TRUE(TabTo(user, *s, *s->IdentifierColumn, false));
  user.PressKey(*s->IdentifierColumn, ui::vk::F4);
  ASSERT_TRUE(s->IdentifierColumn->DroppedDown());
  user.TypeChar(*s->IdentifierColumn, '\x1b');
  EXPECT_FALSE(s->IdentifierColumn->DroppedDown());
  EXPECT_TRUE(s->Visible());
  user.PressKey(*s->IdentifierColumn, ui::vk::Down);
  EXPECT_EQ(s->IdentifierColumn->Text(), "Id");

  // Shift+Tab goes back; a Tab never reaches a control's text.
  ASSERT_TRUE(TabTo(user, *s, *s->ValuesTableName, true));
  ASSERT_TRUE(TabTo(user, *s, *s->AdditionalCondition, false));
  user.Type(*s->AdditionalCondition, "Id\t> 1");
  EXPECT_EQ(s->AdditionalCondition->Text(), "Id> 1");
  user.TypeChar(*s->AdditionalCondition, '\x1b');
  EXPECT_TRUE(s->Visible()) << "Esc does not close the window";

  ASSERT_TRUE(TabTo(user, *s, *s->ListFields, true));
  user.PressKey(*s->ListFields, ui::vk::Up);
  const TViewLine& owner = Field(2);
  EXPECT_EQ(owner.FieldType, TableLookup);
  EXPECT_EQ(owner.ValuesTable, kOwners);
  EXPECT_EQ(owner.IdentifierExpression, "Id");
  EXPECT_EQ(owner.AdditionalCondition, "Id> 1");
  EXPECT_EQ(s->ListFields->ItemIndex(), 1);
}

}  // namespace
}  // namespace ornil
