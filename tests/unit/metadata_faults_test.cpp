// The metadata writer and reader when things go wrong: a save cut short, a setting the host
// refuses, a table that is not open, expressions the host rejects, counts no save could have
// written.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "platform/ddeml_codes.h"
#include "sim/data/sample_tables.h"
#include "support/metadata_fixture.h"
#include "support/scripted_peers.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

using sim::data::kOwners;
using sim::data::kParcels;
using testing::ColumnRow;
using testing::ExpressionRow;
using MetadataFaults = testing::MetadataTest;

std::string U(const std::string& cp1251) {
  return text::ToUtf8(cp1251);
}

const std::string kSavePrefix = "Ошибка в функции ToSaveParametersOfAttributes. ";

// Wherever a save is cut short, what is stored reads back as the previous configuration or as
// none: never as a shorter one that passes for the user's.
TEST_F(MetadataFaults, ASaveCutShortLeavesTheOldConfigurationOrNone) {
  const TViewLines old{ColumnRow("Номер"_cp, "Номер"_cp, true)};
  const TViewLines lines = testing::EveryKind();
  ASSERT_TRUE(Save(old));
  const auto oldKeys = Stored();
  const int before = w.dde.TransactionCount();
  ASSERT_TRUE(Save(lines));
  const int transactions = w.dde.TransactionCount() - before;

  for (int n = 0; n < transactions; ++n) {
    ASSERT_TRUE(Save(old));
    w.dde.FailTransaction(n, dde::DMLERR_BUSY);
    EXPECT_THROW(Save(lines), DdeError) << "failing at " << n;
    w.dde.ClearFaults();
    if (n == 0) {
      EXPECT_EQ(Stored(), oldKeys);
    } else {
      EXPECT_FALSE(Stored().contains("\\Ornil")) << "failing at " << n;
      EXPECT_EQ(Read(false, 1).size(), 9u) << "one row per column, failing at " << n;
    }
  }
}

TEST(MetadataScripted, ASettingTheHostRefusesEndsTheSaveBeforeTheCount) {
  testing::SimWorld world;
  testing::ScriptedMapInfo host(world, 10);
  testing::ScriptedCompanion companion(world, "c:\\app", "app.mbx");
  companion.identifier = 3;
  char directory[] = "c:\\app";
  TMapInfo scripted;
  scripted.SetConversations(GetMapInfoDdeConv(10), RegisterApplication(3, directory),
                            GetDdeInstId());
  companion.statementSucceeds = [&](const std::string&) {
    return companion.statements.size() != 6;
  };
  const TViewLines lines{ColumnRow("A", "A", true), ColumnRow("B", "B", true),
                         ColumnRow("C", "C", true)};
  std::vector<const TViewLine*> fields;
  for (const auto& line : lines)
    fields.push_back(&line);

  try {
    ToSaveParametersOfAttributes(scripted, "T", fields);
    ADD_FAILURE() << "a refused setting passed for a saved configuration";
  } catch (const OrnilError& e) {
    EXPECT_EQ(U(e.Message()), kSavePrefix +
                                  "Настройки таблицы 'T' не сохранены: MapInfo не выполнил "
                                  "команду записи метаданных.");
  }
  ASSERT_EQ(companion.statements.size(), 6u);
  EXPECT_EQ(U(companion.statements.back().text),
            "Metadata Table \"T\" SetKey \"\\Ornil\\2\\заголовок\" To \"B\"");
}

TEST_F(MetadataFaults, ATableThatIsNotOpenIsNeitherSavedNorRead) {
  try {
    Save(testing::EveryKind(), "Nowhere");
    ADD_FAILURE() << "saving into a table that is not open succeeded";
  } catch (const OrnilError& e) {
    EXPECT_EQ(U(e.Message()), kSavePrefix +
                                  "Настройки таблицы 'Nowhere' не сохранены: MapInfo не выполнил "
                                  "команду записи метаданных.");
  }
  // The drop and the first setting were tried, and the host showed its error for each.
  EXPECT_EQ(w.companion.Statements().size(), 2u);
  EXPECT_EQ(w.companion.ShownErrors().size(), 2u);

  for (bool diagnostics : {false, true}) {
    TViewLines lines{ColumnRow("stale", "stale", true)};
    selection = "stale";
    EXPECT_FALSE(ToTakeParametersOfAttributes(link, "Nowhere", 1, lines, selection, diagnostics));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(selection.empty());
  }
  EXPECT_EQ(w.companion.Statements().size(), 2u) << "reading runs no statement";
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MetadataFaults, TheTableNameIsTrimmedForReadingAsForSaving) {
  ASSERT_TRUE(Save(testing::EveryKind(), " Parcels "));
  const TViewLines straight = Read(false, 2);
  const TViewLines padded = Read(false, 2, "\t Parcels  ");
  ASSERT_EQ(padded.size(), straight.size());
  for (std::size_t i = 0; i < padded.size(); ++i)
    EXPECT_EQ(padded[i].Settings(), straight[i].Settings()) << "row " << i + 1;
  EXPECT_EQ(padded[5].ValuesTable, kOwners);

  const TViewLines columns = Read(false, 1, " Владельцы "_cp);
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(U(columns[1].Column), "ФИО");
  EXPECT_EQ(columns[1].ColumnType, ColumnTypes::Character);
}

// Whatever the expression rows' Selects meet, the host shows no error for them: they only ask
// whether an expression is valid. The setup window still gets its own diagnostic line.
TEST_F(MetadataFaults, TheExpressionSelectsAreProbesThatShowNoHostError) {
  ASSERT_TRUE(Save(TViewLines{ExpressionRow("Хорошее"_cp, "Площадь*2"_cp),
                              ExpressionRow("Плохое"_cp, "Нет+1"_cp)}));
  EXPECT_EQ(Read(false, 2).size(), 1u);
  EXPECT_EQ(Read(true).size(), 2u);
  EXPECT_TRUE(w.companion.ShownErrors().empty());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Для поля 'Плохое' определено неправильное "
                                                  "выражение"}));
  EXPECT_EQ(IsPrintingError(), 1);
}

// Each expression is tried alone; a multi-column expression that is dropped takes no column
// numbers, one that stays takes as many as it yields.
TEST_F(MetadataFaults, NumbersAfterADroppedMultiColumnExpressionCountOnlyWhatStays) {
  ASSERT_TRUE(Save(TViewLines{
      ExpressionRow("Плохое"_cp, "Нет, Id"_cp), ColumnRow("Номер"_cp, "Номер"_cp, true),
      ExpressionRow("Пара"_cp, "Id, Номер"_cp), ExpressionRow("Площадь"_cp, "Площадь*2"_cp),
      ExpressionRow("Этажи"_cp, "Этажность+1"_cp)}));
  const TViewLines read = Read(false, 2);
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(read[0].ColumnNumber, 2) << "a column row keeps its number in the table";
  EXPECT_EQ(read[1].ColumnNumber, 1);
  EXPECT_EQ(read[2].ColumnNumber, 3);
  EXPECT_EQ(read[3].ColumnNumber, 4);
  EXPECT_EQ(read[2].ColumnType, ColumnTypes::Float);
  EXPECT_EQ(read[3].ColumnType, ColumnTypes::Integer);
  const auto& values = w.host.TableNamed(selection);
  const auto& parcels = w.host.TableNamed(kParcels);
  EXPECT_EQ(values.Cell(1, "COL2").text, parcels.Cell(2, "Номер"_cp).text);
  EXPECT_EQ(values.Cell(1, "COL3").number, 2 * parcels.Cell(2, "Площадь"_cp).number);
  EXPECT_EQ(values.Cell(1, "COL4").number, parcels.Cell(2, "Этажность"_cp).number + 1);
}

// Each expression is valid alone, but on the row shown one divides by zero: the second Select of
// the values fails too, and then no expression row can show a value.
TEST_F(MetadataFaults, ARetryThatFailsDropsEveryExpressionRow) {
  const std::set<std::string> open = OpenTables();
  ASSERT_TRUE(Save(TViewLines{
      ExpressionRow("Плохое"_cp, "Нет"_cp), ExpressionRow("Площадь"_cp, "Площадь*2"_cp),
      ColumnRow("Номер"_cp, "Номер"_cp, true), ExpressionRow("Доля"_cp, "100/Этажность"_cp)}));
  const TViewLines read = Read(false, 5);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(U(read[0].Column), "Номер");
  EXPECT_TRUE(selection.empty());
  EXPECT_EQ(OpenTables(), open);
  EXPECT_TRUE(w.companion.ShownErrors().empty());

  ASSERT_TRUE(Save(TViewLines{ExpressionRow("Площадь"_cp, "Площадь*2"_cp),
                              ExpressionRow("Плохое"_cp, "Нет"_cp),
                              ExpressionRow("Доля"_cp, "100/Этажность"_cp)}));
  EXPECT_EQ(Read(false, 5).size(), 9u) << "nothing left: one row per column";
  EXPECT_TRUE(selection.empty());
  EXPECT_EQ(OpenTables(), open);
}

// A corrupt count must not keep the host's thread busy with millions of requests.
TEST_F(MetadataFaults, StoredCountsAreReadNoFurtherThanTheLimits) {
  auto& meta = w.host.TableNamed(kParcels).Meta();
  meta.Set("\\Ornil", "100000");
  meta.Set("\\Ornil\\1\\тип"_cp, "2");
  meta.Set("\\Ornil\\1\\заголовок"_cp, "Этажность"_cp);
  meta.Set("\\Ornil\\1\\колонка"_cp, "Этажность"_cp);
  meta.Set("\\Ornil\\1\\значения"_cp, "100000");
  const int before = w.dde.TransactionCount();
  const TViewLines read = Read(false, 1);
  EXPECT_LT(w.dde.TransactionCount() - before, 12 * 1000 + 2 * 1000);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].Values.size(), 1000u);
  EXPECT_TRUE(Messages().empty());

  ASSERT_EQ(Read(true).size(), 1000u);
  const auto messages = Messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[0],
            "Число полей таблицы 'Parcels' (100000) больше 1000: прочитаны первые 1000");
  EXPECT_EQ(messages[1],
            "Число значений поля 'Этажность' (100000) больше 1000: прочитаны первые 1000");
}

TEST_F(MetadataFaults, ALongerListThanTheReaderReadsIsNotSavedAtAll) {
  ASSERT_TRUE(Save(testing::EveryKind()));
  const auto before = Stored();
  w.ClearTranscript();
  const TViewLines rows(1001, ColumnRow("Номер"_cp, "Номер"_cp, true));
  EXPECT_THROW(Save(rows), OrnilError);
  TViewLine list = ColumnRow("Этажность"_cp, "Этажность"_cp, true, StaticList);
  list.Values.assign(1001, {"1", "1"});
  try {
    Save(TViewLines{list});
    ADD_FAILURE() << "a list of 1001 values was saved";
  } catch (const OrnilError& e) {
    EXPECT_EQ(U(e.Message()), kSavePrefix +
                                  "У поля 'Этажность' значений больше 1000: настройки таблицы "
                                  "'Parcels' не сохранены.");
  }
  EXPECT_TRUE(w.Transcript().empty());
  EXPECT_EQ(Stored(), before);

  list.Values.resize(1000);
  ASSERT_TRUE(Save(TViewLines{list}));
  EXPECT_EQ(Read(false, 1)[0].Values.size(), 1000u);
}

}  // namespace
}  // namespace ornil
