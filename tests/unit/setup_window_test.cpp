// The table setup window as a user works it: choosing a table, making, configuring, moving and
// deleting fields, saving into the table's metadata, the save questions, and the host kept
// disabled while it is open.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
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
}

}  // namespace
}  // namespace ornil
