// The library's metadata writer and reader against the simulated host: a configuration saved into
// the parcels table reads back with the facts the host reports, and the expression rows' values
// come from a real selection.
#include <gtest/gtest.h>

#include "settings/metadata.h"
#include "sim/data/sample_tables.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

TEST(MetadataThroughTheHost, SavedRowsReadBackWithTheirFacts) {
  HostWorld w;
  const TMapInfo link = w.Link();
  TViewLine divider;
  divider.FieldType = Divider;
  divider.Caption = "Основное"_cp;
  divider.CaptionViewed = true;
  divider.CaptionJustify = 2;
  TViewLine number;
  number.Caption = "Номер \"участка\""_cp;
  number.Column = "Номер"_cp;
  number.Enabled = true;
  TViewLine cost;
  cost.Caption = "Двойная стоимость"_cp;
  cost.Expression = "Стоимость*2"_cp;
  TViewLine owner;
  owner.FieldType = TableLookup;
  owner.Caption = "Владелец"_cp;
  owner.Column = "Владелец"_cp;
  owner.Enabled = true;
  owner.ValuesTable = sim::data::kOwners;
  owner.IdentifierExpression = "Id";
  owner.ValueExpression = "ФИО"_cp;
  owner.ViewedExpression = "ФИО"_cp;
  owner.AdditionalCondition = "Id > 0";
  const std::vector<const TViewLine*> items{&divider, &number, nullptr, &cost, &owner};
  ASSERT_TRUE(ToSaveParametersOfAttributes(link, "Parcels", items));

  const auto& meta = w.host.TableNamed("Parcels").Meta();
  EXPECT_EQ(meta.Get("\\Ornil"), "5");
  EXPECT_EQ(meta.Get("\\Ornil\\2\\заголовок"_cp), "Номер \"участка\""_cp);
  EXPECT_EQ(meta.Get("\\Ornil\\5\\дополнительное_условие"_cp), "Id > 0");
  EXPECT_FALSE(meta.Has("\\Ornil\\3\\тип"_cp));

  TViewLines lines;
  std::string selection;
  ASSERT_TRUE(ToTakeParametersOfAttributes(link, "Parcels", 2, lines, selection, false));
  ASSERT_EQ(lines.size(), 4u) << "the row without a descriptor is dropped";
  EXPECT_EQ(lines[0].FieldType, Divider);
  EXPECT_EQ(lines[0].CaptionJustify, 2);
  EXPECT_EQ(lines[1].Caption, "Номер \"участка\""_cp);
  EXPECT_EQ(lines[1].ColumnNumber, 2);
  EXPECT_EQ(lines[1].ColumnType, 1);
  EXPECT_EQ(lines[2].Expression, "Стоимость*2"_cp);
  EXPECT_EQ(lines[2].ColumnNumber, 1);
  EXPECT_EQ(lines[2].ColumnType, 8);
  EXPECT_EQ(lines[3].FieldType, TableLookup);
  EXPECT_EQ(lines[3].ValuesTable, sim::data::kOwners);
  EXPECT_EQ(lines[3].ColumnType, 3);
  ASSERT_FALSE(selection.empty());
  EXPECT_EQ(sim::mb::ToText(w.host.TableNamed(selection).Cell(1, 0)), "1640000");
  EXPECT_TRUE(w.companion.ShownErrors().empty());
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST(MetadataThroughTheHost, ATableWithoutSettingsShowsEveryColumn) {
  HostWorld w;
  TViewLines lines;
  std::string selection;
  ASSERT_TRUE(
      ToTakeParametersOfAttributes(w.Link(), sim::data::kDistricts, 0, lines, selection, false));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].Column, "Название"_cp);
  EXPECT_EQ(lines[1].ColumnType, 1);
  EXPECT_FALSE(lines[1].Enabled) << "the table is read-only";
  EXPECT_TRUE(selection.empty());
}

}  // namespace
}  // namespace ornil::testing
