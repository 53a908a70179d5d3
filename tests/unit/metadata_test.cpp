// A table's rows saved into its metadata and read back, on the simulated host's sample tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "host/errors.h"
#include "platform/ddeml_codes.h"
#include "settings/metadata.h"
#include "sim/data/sample_tables.h"
#include "support/metadata_fixture.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

using sim::data::kDistricts;
using sim::data::kOwners;
using sim::data::kParcels;

std::string U(const std::string& cp1251) {
  return text::ToUtf8(cp1251);
}

using testing::ColumnRow;
using testing::EveryKind;
using Metadata = testing::MetadataTest;

TEST_F(Metadata, EveryKindSurvivesSaveAndReadBackWithOnlyItsOwnKeys) {
  const TViewLines saved = EveryKind();
  ASSERT_TRUE(Save(saved));

  std::set<std::string> keys;
  for (const auto& [key, value] : Stored())
    keys.insert(key);
  EXPECT_EQ(keys, (std::set<std::string>{"\\Ornil",
                                         "\\Ornil\\1\\тип",
                                         "\\Ornil\\1\\заголовок",
                                         "\\Ornil\\1\\отображение_заголовка",
                                         "\\Ornil\\1\\выравнивание_заголовка",
                                         "\\Ornil\\2\\тип",
                                         "\\Ornil\\2\\заголовок",
                                         "\\Ornil\\2\\отображение_заголовка",
                                         "\\Ornil\\3\\тип",
                                         "\\Ornil\\3\\заголовок",
                                         "\\Ornil\\3\\изменяемый",
                                         "\\Ornil\\3\\колонка",
                                         "\\Ornil\\4\\тип",
                                         "\\Ornil\\4\\заголовок",
                                         "\\Ornil\\4\\изменяемый",
                                         "\\Ornil\\4\\колонка",
                                         "\\Ornil\\4\\свой_формат_даты",
                                         "\\Ornil\\5\\тип",
                                         "\\Ornil\\5\\заголовок",
                                         "\\Ornil\\5\\изменяемый",
                                         "\\Ornil\\5\\колонка",
                                         "\\Ornil\\5\\формат_даты",
                                         "\\Ornil\\6\\тип",
                                         "\\Ornil\\6\\заголовок",
                                         "\\Ornil\\6\\изменяемый",
                                         "\\Ornil\\6\\колонка",
                                         "\\Ornil\\6\\идентификатор\\выражение",
                                         "\\Ornil\\6\\значение\\выражение",
                                         "\\Ornil\\6\\отображаемое_значение\\выражение",
                                         "\\Ornil\\6\\дополнительное_условие",
                                         "\\Ornil\\6\\показать_все_значения_в_списке",
                                         "\\Ornil\\6\\таблица",
                                         "\\Ornil\\7\\тип",
                                         "\\Ornil\\7\\заголовок",
                                         "\\Ornil\\7\\изменяемый",
                                         "\\Ornil\\7\\колонка",
                                         "\\Ornil\\7\\значения",
                                         "\\Ornil\\7\\значения\\1\\видимое",
                                         "\\Ornil\\7\\значения\\1\\сохраняемое",
                                         "\\Ornil\\7\\значения\\2\\видимое",
                                         "\\Ornil\\7\\значения\\2\\сохраняемое",
                                         "\\Ornil\\7\\значения\\3\\видимое",
                                         "\\Ornil\\7\\значения\\3\\сохраняемое",
                                         "\\Ornil\\8\\тип",
                                         "\\Ornil\\8\\заголовок",
                                         "\\Ornil\\8\\изменяемый",
                                         "\\Ornil\\8\\выражение"}));
  EXPECT_EQ(Stored()["\\Ornil\\1\\тип"], "-1");
  EXPECT_EQ(Stored()["\\Ornil\\6\\показать_все_значения_в_списке"], "1");

  for (bool diagnostics : {false, true}) {
    const TViewLines read = Read(diagnostics, 2);
    ASSERT_EQ(read.size(), saved.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
      TViewLine expected = saved[i];
      // Facts the reader learns from the table.
      if (i == 2) expected.ColumnNumber = 2, expected.ColumnType = ColumnTypes::Character;
      if (i == 3 || i == 4) expected.ColumnNumber = 7;
      if (i == 5) expected.ColumnNumber = 3, expected.ColumnType = ColumnTypes::Integer;
      if (i == 6) expected.ColumnNumber = 4, expected.ColumnType = ColumnTypes::SmallInt;
      if (i == 7) expected.ColumnNumber = 1, expected.ColumnType = ColumnTypes::Float;
      EXPECT_EQ(read[i].Settings(), expected.Settings()) << "row " << i + 1;
      // The info window owns the controls it gives its rows.
      EXPECT_FALSE(read[i].OwnsControl) << "row " << i + 1;
    }
    EXPECT_TRUE(Messages().empty());
  }
}

TEST_F(Metadata, AnEmptyListSendsNothingAndKeepsWhatWasStored) {
  ASSERT_TRUE(Save(EveryKind()));
  const auto before = Stored();
  w.ClearTranscript();
  EXPECT_FALSE(Save(std::vector<const TViewLine*>{}));
  EXPECT_TRUE(w.Transcript().empty());
  EXPECT_EQ(Stored(), before);
}

TEST_F(Metadata, SavingReplacesTheWholeConfiguration) {
  ASSERT_TRUE(Save(EveryKind()));
  ASSERT_TRUE(Save(TViewLines{ColumnRow("Номер"_cp, "Номер"_cp, false)}));
  EXPECT_EQ(Stored().size(), 5u);
  EXPECT_EQ(Stored()["\\Ornil"], "1");
}

TEST_F(Metadata, AnItemWithoutDescriptorKeepsItsNumberAndReadsBackAsIncomplete) {
  const TViewLine first = ColumnRow("Номер"_cp, "Номер"_cp, true);
  const TViewLine third = ColumnRow("", "Площадь"_cp, true);
  ASSERT_TRUE(Save({&first, nullptr, &third}));
  EXPECT_EQ(Stored()["\\Ornil"], "3");
  for (const auto& [key, value] : Stored()) {
    EXPECT_EQ(key.find("\\Ornil\\2"), std::string::npos) << key;
  }

  TViewLines forWindow = Read(false, 1);
  ASSERT_EQ(forWindow.size(), 2u);
  EXPECT_EQ(U(forWindow[1].Caption), "Площадь");  // an empty caption becomes the column
  EXPECT_TRUE(Messages().empty());

  TViewLines forSetup = Read(true);
  ASSERT_EQ(forSetup.size(), 3u);
  EXPECT_EQ(forSetup[1].Caption, "2");
  EXPECT_EQ(forSetup[1].FieldType, Editable);
  EXPECT_TRUE(forSetup[1].Column.empty() && forSetup[1].Expression.empty());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Для поля '№2' не определено имя",
                                                  "Для поля '2' не определено имя колонки",
                                                  "Для поля '№3' не определено имя"}));
}

TEST_F(Metadata, CaptionsAndValuesKeepQuotesCyrillicAndBlanksWhereTheyShould) {
  TViewLine row = ColumnRow("  Номер \"участка\"  "_cp, "  Номер "_cp, true, StaticList);
  row.Values = {{"  пусто  "_cp, "  \"x\"  "}};
  ASSERT_TRUE(Save(TViewLines{row}));
  EXPECT_EQ(U(Stored()["\\Ornil\\1\\заголовок"]), "  Номер \"участка\"  ");
  EXPECT_EQ(U(Stored()["\\Ornil\\1\\значения\\1\\видимое"]), "  пусто  ");
  EXPECT_EQ(Stored()["\\Ornil\\1\\значения\\1\\сохраняемое"], "\"x\"");

  const TViewLines read = Read(false, 1);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(U(read[0].Caption), "Номер \"участка\"  ");  // left-trimmed only
  EXPECT_EQ(U(read[0].Column), "Номер");
  EXPECT_EQ(read[0].Values, (TListValues{{"  пусто  "_cp, "\"x\""}}));
}

TEST_F(Metadata, ALookupIntoTheTableItselfIsStoredByMarkerAndARejectedConditionIsNot) {
  TViewLine self = ColumnRow("Сосед"_cp, "Id", true, TableLookup);
  self.ValuesTable = "  pARCELS ";
  self.IdentifierExpression = "Id";
  self.ViewedExpression = "Номер"_cp;
  self.AdditionalCondition = "Id >";
  ASSERT_TRUE(Save(TViewLines{self}));
  EXPECT_EQ(Stored()["\\Ornil\\1\\таблица"], "#ThisTable");
  EXPECT_FALSE(Stored().contains("\\Ornil\\1\\дополнительное_условие"));
  // The rejected condition was probed quietly: nobody saw an error.
  EXPECT_TRUE(w.companion.ShownErrors().empty());

  const TViewLines read = Read(false, 1);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].ValuesTable, "Parcels");
  EXPECT_EQ(read[0].FieldType, TableLookup);
  EXPECT_TRUE(read[0].AdditionalCondition.empty());
  // Only one of the two value expressions was given: each stands for the other.
  EXPECT_EQ(read[0].ValueExpression, read[0].ViewedExpression);
}

TEST_F(Metadata, AnIncompleteLookupIsAPlainEditForTheWindowAndADiagnosticForSetup) {
  TViewLine noTable = ColumnRow("Без таблицы"_cp, "Владелец"_cp, true, TableLookup);
  noTable.IdentifierExpression = "Id";
  noTable.ViewedExpression = "ФИО"_cp;
  TViewLine noIds = ColumnRow("Без выражений"_cp, "Владелец"_cp, true, TableLookup);
  noIds.ValuesTable = kOwners;
  ASSERT_TRUE(Save(TViewLines{noTable, noIds}));

  const TViewLines forWindow = Read(false, 1);
  ASSERT_EQ(forWindow.size(), 2u);
  EXPECT_EQ(forWindow[0].FieldType, Editable);
  EXPECT_EQ(forWindow[1].FieldType, Editable);

  const TViewLines forSetup = Read(true);
  EXPECT_EQ(forSetup[0].FieldType, TableLookup);
  EXPECT_EQ(forSetup[1].FieldType, TableLookup);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Для поля 'Без таблицы' не определено имя таблицы, из которой будут "
                            "извлекаться подстанавливаемые значения",
                            "Для поля 'Без выражений' не определено выражение идентификаторов или "
                            "выражение подстанавливаемых значений из другой таблицы"}));
}

TEST_F(Metadata, AColumnThatIsGoneComesBackAsAnExpressionOrIsDropped) {
  auto& meta = w.host.TableNamed(kParcels).Meta();
  meta.Set("\\Ornil", "2");
  meta.Set("\\Ornil\\1\\колонка"_cp, "Площадь*2"_cp);  // no column of that name: an expression
  meta.Set("\\Ornil\\2\\колонка"_cp, "Снесено"_cp);    // neither column nor expression
  meta.Set("\\Ornil\\2\\заголовок"_cp, "Снесено"_cp);

  const TViewLines forWindow = Read(false, 4);
  ASSERT_EQ(forWindow.size(), 1u);
  EXPECT_TRUE(forWindow[0].Column.empty());
  EXPECT_EQ(U(forWindow[0].Expression), "Площадь*2");
  EXPECT_EQ(forWindow[0].ColumnNumber, 1);
  EXPECT_EQ(forWindow[0].ColumnType, ColumnTypes::Float);
  ASSERT_FALSE(selection.empty());
  EXPECT_EQ(w.host.TableNamed(selection).Cell(1, "COL1").number,
            2 * w.host.TableNamed(kParcels).Cell(4, "Площадь"_cp).number);

  const TViewLines forSetup = Read(true);
  ASSERT_EQ(forSetup.size(), 2u);
  EXPECT_EQ(Messages().back(), "Для поля 'Снесено' определено неправильное выражение");
  EXPECT_TRUE(selection.empty());
}

TEST_F(Metadata, ExpressionRowsAreNumberedByTheColumnsTheirExpressionsYield) {
  TViewLines lines;
  for (const char* expression : {"Площадь*2", "Id, Номер", "Этажность+1"}) {
    TViewLine d = ColumnRow(expression, "", false);
    d.Expression = text::FromUtf8(expression);
    lines.push_back(d);
  }
  lines.insert(lines.begin() + 1, ColumnRow("Номер"_cp, "Номер"_cp, true));
  ASSERT_TRUE(Save(lines));

  const TViewLines read = Read(false, 2);
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(read[0].ColumnNumber, 1);
  EXPECT_EQ(read[1].ColumnNumber, 2);  // the column row keeps its number in the table
  EXPECT_EQ(read[2].ColumnNumber, 2);
  EXPECT_EQ(read[3].ColumnNumber, 4);
  EXPECT_EQ(read[2].ColumnType, ColumnTypes::Integer);
  EXPECT_EQ(read[3].ColumnType, ColumnTypes::Integer);
  auto& values = w.host.TableNamed(selection);
  const auto& parcels = w.host.TableNamed(kParcels);
  EXPECT_EQ(values.Cell(1, "COL4").number, parcels.Cell(2, "Этажность"_cp).number + 1);
  EXPECT_EQ(values.Cell(1, "COL3").text, parcels.Cell(2, "Номер"_cp).text);
  // Only the selection handed back stays open.
  std::set<std::string> expected = {kParcels, kOwners, kDistricts, selection};
  EXPECT_EQ(OpenTables(), expected);
}

TEST_F(Metadata, ATableWithoutConfigurationShowsOneRowPerColumn) {
  const TViewLines parcels = Read(false, 1);
  const auto& table = w.host.TableNamed(kParcels);
  ASSERT_EQ(static_cast<int>(parcels.size()), table.ColumnCount());
  for (int k = 0; k < table.ColumnCount(); ++k) {
    const auto& row = parcels[k];
    EXPECT_EQ(row.Column, table.ColumnAt(k).name);
    EXPECT_EQ(row.Caption, row.Column);
    EXPECT_EQ(row.ColumnNumber, k + 1);
    EXPECT_EQ(row.ColumnType, table.ColumnAt(k).type);
    EXPECT_EQ(row.FieldType, Editable);
    EXPECT_TRUE(row.Enabled) << U(row.Column);
    EXPECT_FALSE(row.OwnsControl);
  }
  EXPECT_TRUE(Stored().empty());

  const TViewLines districts = Read(false, 1, kDistricts);
  ASSERT_EQ(districts.size(), 3u);
  for (const auto& row : districts)
    EXPECT_FALSE(row.Enabled) << U(row.Column);
}

TEST_F(Metadata, RowsThatAreAllDroppedFallBackToOneRowPerColumn) {
  auto& meta = w.host.TableNamed(kOwners).Meta();
  meta.Set("\\Ornil", "1");
  meta.Set("\\Ornil\\1\\выражение"_cp, "Нет(такого"_cp);
  const TViewLines read = Read(false, 1, kOwners);
  EXPECT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].Column, "Id");
}

// Whatever transaction fails, the failure arrives once with the function's prefix and no
// temporary table of the library is left open in the host.
TEST_F(Metadata, AFailureAnywhereSurfacesOnceAndLeavesNoTemporaryTable) {
  TViewLines lines = EveryKind();
  TViewLine several = ColumnRow("Несколько"_cp, "", false);
  several.Expression = "Id, Номер"_cp;
  lines.push_back(several);
  const std::set<std::string> open = OpenTables();

  struct Operation {
    const char* prefix;
    std::function<void()> run;
  };
  const std::vector<Operation> operations = {
      {"Ошибка в функции ToSaveParametersOfAttributes. ", [&] { Save(lines); }},
      {"Ошибка в функции ToTakeParametersOfAttributes. ", [&] { Read(false, 2); }},
      {"Ошибка в функции ToTakeParametersOfAttributes. ", [&] { Read(true); }},
  };
  for (const auto& operation : operations) {
    const int before = w.dde.TransactionCount();
    operation.run();
    const int transactions = w.dde.TransactionCount() - before;
    if (!selection.empty()) link.CloseTable2(selection);
    ASSERT_GT(transactions, 10);
    for (int n = 0; n < transactions; ++n) {
      const std::size_t first = w.dde.Transcript().size();
      w.dde.FailTransaction(n, dde::DMLERR_BUSY);
      try {
        operation.run();
        ADD_FAILURE() << operation.prefix << "survived a failure of transaction " << n;
      } catch (const DdeError& e) {
        EXPECT_EQ(e.Message().rfind(text::FromUtf8(operation.prefix), 0), 0u) << U(e.Message());
        EXPECT_EQ(e.Message().find(text::FromUtf8(operation.prefix), 1), std::string::npos);
      }
      w.dde.ClearFaults();
      // A close that failed is reported, not sent again: only its own table may stay open.
      const sim::DdeTransaction& failed = w.dde.Transcript().at(first + n);
      if (failed.text.rfind("Close Table ", 0) == 0) link.ExecuteMapBasic(failed.text);
      EXPECT_EQ(OpenTables(), open) << operation.prefix << "failing at " << n;
    }
  }
}

}  // namespace
}  // namespace ornil
