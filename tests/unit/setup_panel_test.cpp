// The setup window's field list and property panel in detail: the move buttons, changing a field
// in the field dialog, the switches between dependent controls, a lookup into a table that is not
// open, switching tables when the save fails, hints, and the window's size limits and layout.
#include <gtest/gtest.h>

#include "platform/ddeml_codes.h"
#include "sim/data/sample_tables.h"
#include "support/setup_fixture.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

using sim::data::kDistricts;
using sim::data::kOwners;
using sim::data::kParcels;
using SetupPanel = testing::SetupTest;

TEST_F(SetupPanel, TheMoveButtonsFollowTheSelection) {
  TSetupWindow* s = OpenOn(kParcels);
  const auto buttons = [&] {
    return std::string(s->FieldUp->Enabled() ? "up" : "-") +
           (s->FieldDown->Enabled() ? "down" : "-");
  };
  EXPECT_EQ(buttons(), "--") << "nothing selected";
  user.SelectItem(*s->ListFields, 0);
  EXPECT_EQ(buttons(), "-down");
  user.SelectItem(*s->ListFields, 4);
  EXPECT_EQ(buttons(), "updown");
  user.SelectItem(*s->ListFields, 8);
  EXPECT_EQ(buttons(), "up-");
  user.Click(*s->FieldUp);
  EXPECT_EQ(s->ListFields->ItemIndex(), 7);
  EXPECT_EQ(text::ToUtf8(s->ListFields->Item(7)), "Примечание");
  EXPECT_EQ(s->CurrentFieldIndex, 7) << "the panel follows the moved field";
  while (s->ListFields->Count() > 1) {
    user.SelectItem(*s->ListFields, 1);
    user.Click(*s->DeleteField);
  }
  user.SelectItem(*s->ListFields, 0);
  EXPECT_EQ(buttons(), "--") << "a single field moves nowhere";
  EXPECT_TRUE(s->FieldProperties->Enabled());
  user.Click(*s->DeleteField);
  EXPECT_EQ(s->ListFields->Count(), 0);
  EXPECT_FALSE(s->FieldProperties->Enabled());
  EXPECT_EQ(s->CurrentFieldIndex, -1);
}

// What the field dialog decides about a changed field (its column's editability among it) is not
// overwritten by the panel afterwards.
TEST_F(SetupPanel, ChangingAFieldInTheDialogKeepsWhatTheDialogDecided) {
  TSetupWindow* s = OpenOn(kParcels);
  TNewFieldWindow& dialog = *s->NewFieldWindow;
  user.SelectItem(*s->ListFields, 0);
  ASSERT_TRUE(s->FieldEnabled->Checked());
  user.DoubleClickItem(*s->ListFields, 0);
  ASSERT_TRUE(dialog.Visible());
  EXPECT_EQ(dialog.Text(), "Изменение поля"_cp);
  EXPECT_EQ(dialog.FieldName->Text(), "Id");
  EXPECT_EQ(dialog.ColumnName->Text(), "Id");
  EXPECT_FALSE(s->Enabled());
  dialog.FieldName->SetText("");
  user.Type(*dialog.FieldName, "Двойной Id"_cp);
  user.SelectItem(*dialog.ColumnName, dialog.ColumnName->Count() - 1);
  s->EnterExpressionWindow->Expression->SetText("");
  user.Type(*s->EnterExpressionWindow->Expression, "Id * 2");
  user.Click(*s->EnterExpressionWindow->OkButton);
  user.Click(*dialog.OkButton);
  EXPECT_TRUE(s->Enabled());
  const TViewLine& changed = Field(0);
  EXPECT_EQ(changed.Caption, "Двойной Id"_cp);
  EXPECT_EQ(text::ToUtf8(s->ListFields->Item(0)), "Двойной Id");
  EXPECT_EQ(changed.Expression, "Id * 2");
  EXPECT_TRUE(changed.Column.empty());
  EXPECT_FALSE(changed.Enabled) << "an expression is not editable";
  EXPECT_FALSE(s->FieldEnabled->Checked());
  EXPECT_EQ(Captions().size(), 9u);

  // Reopened: the expression is the selected entry and the expression dialog's text.
  user.DoubleClickItem(*s->ListFields, 0);
  EXPECT_EQ(dialog.ColumnName->Text(), "Id * 2");
  EXPECT_EQ(dialog.ColumnName->ItemIndex(), dialog.ColumnCount);
  EXPECT_EQ(s->EnterExpressionWindow->Expression->Text(), "Id * 2");
  // To a divider and back to a column.
  user.Tick(*dialog.DividerCheck);
  EXPECT_FALSE(dialog.ColumnName->Enabled());
  user.Click(*dialog.OkButton);
  EXPECT_EQ(Field(0).FieldType, Divider);
  EXPECT_FALSE(s->FieldType->Enabled());
  EXPECT_EQ(s->FieldType->Text(), "Разделитель"_cp);
  EXPECT_TRUE(s->CaptionViewed->Visible());
  EXPECT_FALSE(s->FieldEnabled->Visible());
  user.DoubleClickItem(*s->ListFields, 0);
  EXPECT_TRUE(dialog.DividerCheck->Checked());
  EXPECT_EQ(dialog.ColumnName->ItemIndex(), 0);
  user.Tick(*dialog.DividerCheck);
  user.SelectItem(*dialog.ColumnName, dialog.ColumnName->IndexOf("Жилой"_cp));
  user.Click(*dialog.OkButton);
  EXPECT_EQ(Field(0).FieldType, Editable);
  EXPECT_EQ(Field(0).Column, "Жилой"_cp);
  EXPECT_EQ(Field(0).ColumnType, ColumnTypes::Logical);
  EXPECT_EQ(s->FieldType->Item(0), "Галочка - логическое поле"_cp);
  EXPECT_TRUE(s->FieldType->Enabled());
}

TEST_F(SetupPanel, DependentControlsFollowTheirSwitches) {
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 6);
  ASSERT_TRUE(s->DateFieldOptions->Visible());
  EXPECT_TRUE(s->DateFormat->Enabled());
  user.Type(*s->CustomDateFormat, "d");
  EXPECT_FALSE(s->DateFormat->Enabled());
  // The completion offered after "d" goes first, then the "d".
  user.TypeChar(*s->CustomDateFormat, '\b');
  user.TypeChar(*s->CustomDateFormat, '\b');
  ASSERT_EQ(s->CustomDateFormat->Text(), "");
  EXPECT_TRUE(s->DateFormat->Enabled());
  user.SelectItem(*s->DateFormat, 1);

  user.SelectItem(*s->ListFields, 2);
  user.SelectItem(*s->FieldType, 1);
  user.Tick(*s->FieldEnabled);
  EXPECT_FALSE(s->ValueColumn->Enabled());
  EXPECT_FALSE(s->LabelValue->Enabled());
  user.Tick(*s->FullValuesVistCreated);
  EXPECT_FALSE(s->ValueColumn->Enabled()) << "the same rule again";
  user.Tick(*s->FieldEnabled);
  EXPECT_TRUE(s->ValueColumn->Enabled());
  user.SelectItem(*s->ValuesTableName, s->ValuesTableName->IndexOf(kOwners));
  user.SelectItem(*s->IdentifierColumn, 0);
  user.SelectItem(*s->ListFields, 1);
  // Back to an editable field: the stored lookup settings stay in the field.
  user.SelectItem(*s->ListFields, 2);
  user.SelectItem(*s->FieldType, 0);
  EXPECT_FALSE(s->TableFieldOptions->Visible());
  user.SelectItem(*s->ListFields, 6);
  EXPECT_EQ(Field(6).DateFormat, 1);
  EXPECT_EQ(Field(2).FieldType, Editable);
  EXPECT_EQ(Field(2).ValuesTable, kOwners);
  EXPECT_EQ(Field(2).IdentifierExpression, "Id");
  EXPECT_TRUE(Field(2).FullValuesList);

  CreateDivider("");
  user.SelectItem(*s->ListFields, 7);
  ASSERT_EQ(Field(7).FieldType, Divider);
  EXPECT_FALSE(s->CaptionJustify->Enabled());
  user.Tick(*s->CaptionViewed);
  EXPECT_TRUE(s->CaptionJustify->Enabled());
  EXPECT_EQ(s->CaptionJustify->ItemIndex(), 1) << "right until chosen otherwise";
}

// A divider is a line through the middle of its item; with its caption shown, the caption stands
// centred with a line on either side.
TEST_F(SetupPanel, DividersAreDrawnAsLinesInTheList) {
  TSetupWindow* s = OpenOn(kParcels);
  DeleteAllFields();
  CreateDivider("");
  CreateDivider("Владение"_cp);
  user.SelectItem(*s->ListFields, 1);
  user.Tick(*s->CaptionViewed);
  user.SelectItem(*s->ListFields, 0);
  w.backend.ClearPaintLog(s->ListFields->GetHandle());
  user.Paint(*s->ListFields);
  std::vector<std::string> drawn;
  for (const std::string& line : w.backend.PaintLog(s->ListFields->GetHandle()))
    if (line.rfind("DrawEdge", 0) == 0 || line.rfind("TextOut", 0) == 0) drawn.push_back(line);
  const int width = s->ListFields->ClientWidth();
  const std::string caption = "Владение"_cp;
  const int text = s->ListFields->TextExtent(caption).cx;
  const int left = (width - text) / 2;
  const auto edge = [](int l, int t, int r, int b) {
    return "DrawEdge " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) +
           "," + std::to_string(b) + " 6 8";
  };
  EXPECT_EQ(drawn, (std::vector<std::string>{
                       edge(0, 0, width, 7), "TextOut " + std::to_string(left) + ",14 " + caption,
                       edge(left + text + 1, 14, width, 21), edge(0, 14, left - 2, 21)}));
}

// A cell still being typed in counts: the menu takes no focus from the grid.
TEST_F(SetupPanel, SavingTakesTheCellBeingTyped) {
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 0);
  user.SelectItem(*s->FieldType, 2);
  user.Click(*s->CreateValue);
  user.EditCell(*s->ValueList, 1, 0, "1");
  const ui::Rect cell = s->ValueList->CellRect(1, 1);
  user.ClickAt(*s->ValueList, {cell.left + 2, cell.top + 2});
  user.PressKey(*s->ValueList, ui::vk::Return);
  ASSERT_TRUE(s->ValueList->Editing());
  user.Type(*s->ValueList->InplaceEditor(), "один"_cp);
  user.ClickMenu(*s->SaveChanges);
  const TViewLines stored = Read(false);
  ASSERT_FALSE(stored.empty());
  EXPECT_EQ(stored[0].Values, (TListValues{{"один"_cp, "1"}}));
}

TEST_F(SetupPanel, ALookupIntoATableThatIsNotOpenHasNoColumnsToChoose) {
  TViewLine lookup = testing::ColumnRow("Район"_cp, "Этажность"_cp, true, TableLookup);
  lookup.ValuesTable = kDistricts;
  lookup.ValueExpression = "Код"_cp;
  lookup.ViewedExpression = "Название"_cp;
  lookup.IdentifierExpression = "Код"_cp;
  ASSERT_TRUE(Save(TViewLines{lookup, testing::ColumnRow("Номер"_cp, "Номер"_cp, true)}));
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 0);
  EXPECT_EQ(s->IdentifierColumn->Text(), "Код"_cp) << "while the table is open";
  link.ExecuteMapBasic(Cat("Close Table ", kDistricts));
  user.SelectItem(*s->ListFields, 1);
  user.SelectItem(*s->ListFields, 0);
  EXPECT_EQ(s->ValueColumn->Count(), 0);
  EXPECT_EQ(s->IdentifierColumn->Count(), 0);
  user.SelectItem(*s->ListFields, 1);
  EXPECT_TRUE(Field(0).ValueExpression.empty());
  EXPECT_TRUE(Field(0).IdentifierExpression.empty());
  EXPECT_EQ(Field(0).ViewedExpression, "Название"_cp);
}

// Switching to another table when the old one's save fails keeps the old table's fields.
TEST_F(SetupPanel, SwitchingTablesWhenTheSaveFailsKeepsTheOldTable) {
  TSetupWindow* s = OpenOn(kParcels);
  user.SelectItem(*s->ListFields, 0);
  user.Click(*s->DeleteField);
  user.ClickMenu(*s->SelectTable);
  FailMetadataStatements();
  user.AnswerMessageBox(ui::id::Yes);
  Choose(kOwners);
  w.dde.ClearFaults();
  EXPECT_EQ(w.ShownTexts().back().rfind("Ошибка в функции SelectTableWindow_OkButtonClick. ", 0),
            0u)
      << w.ShownTexts().back();
  EXPECT_EQ(s->TableName, kParcels);
  EXPECT_EQ(Captions().size(), 8u);
  EXPECT_TRUE(s->SelectTableWindow->Visible());
  user.Click(*s->SelectTableWindow->CancelButton);
  EXPECT_TRUE(s->Enabled());
  user.ClickMenu(*s->SaveChanges);
  EXPECT_EQ(Read(false).size(), 8u);
}

TEST_F(SetupPanel, HintsCarryTheirLineBreaksAndThePausesComeBack) {
  const int pause = w.application->HintPause();
  const int hidePause = w.application->HintHidePause();
  TSetupWindow* s = OpenOn(kParcels);
  EXPECT_EQ(w.application->HintPause(), 2000);
  EXPECT_EQ(w.application->HintHidePause(), 10000);
  EXPECT_EQ(text::ToUtf8(user.HintOf(*s->LabelFieldType)),
            "Тип поля - здесь вы указываете способ \nредактирования и отображения значений\n"
            "выбранного поля (в списке полей\nтекущего окна)");
  EXPECT_EQ(user.HintOf(*s->LabelViewedColumn), user.HintOf(*s->ViewedColumn));
  EXPECT_EQ(text::ToUtf8(user.HintOf(*s->FieldDown)), "Переместить выбранное поле ниже");
  user.AnswerMessageBox(ui::id::No);
  user.Close(*s);
  EXPECT_EQ(w.application->HintPause(), pause);
  EXPECT_EQ(w.application->HintHidePause(), hidePause);
}

TEST_F(SetupPanel, TheWindowKeepsItsMinimumSizeAndSharesItsWidthBetweenTheHalves) {
  TSetupWindow* s = OpenOn(kParcels);
  const ui::Rect start = s->BoundsRect();
  // Dragging the top-left corner too far moves the top and the left, not the other sides.
  const ui::Rect r = user.DragBorder(
      *s, 4, ui::Rect{start.left + 100, start.bottom - 200, start.right, start.bottom});
  EXPECT_EQ(r.Width(), 591);
  EXPECT_EQ(r.Height(), 322);
  EXPECT_EQ(r.right, start.right);
  EXPECT_EQ(r.bottom, start.bottom);

  s->SetBounds(0, 0, 800, 500);
  const int client = s->ClientWidth();
  EXPECT_EQ(s->Fields->Width(), client / 2);
  EXPECT_EQ(s->FieldProperties->Left(), client / 2);
  EXPECT_EQ(s->FieldProperties->Width(), client - client / 2);
  EXPECT_EQ(s->CreateField->Width(), (s->ListFields->Width() - 4) / 2);
  EXPECT_EQ(s->DeleteField->Left(), s->CreateField->Left() + s->CreateField->Width() + 4);
  EXPECT_EQ(s->DeleteField->Left() + s->DeleteField->Width(),
            s->ListFields->Left() + s->ListFields->Width());
  const int a = s->Fields->Height() - s->FieldUp->Height() - s->FieldDown->Height() - 4;
  EXPECT_EQ(s->FieldUp->Top(), a / 2);
  EXPECT_EQ(s->FieldDown->Top(), s->FieldUp->Top() + s->FieldUp->Height() + 4);
}

}  // namespace
}  // namespace ornil
