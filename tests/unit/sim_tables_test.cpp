// Tables as the simulated host reports them: TableInfo and ColumnInfo on the sample tables, column
// values at the Fetch cursor in their text forms, table numbers as tables open and close.
#include <gtest/gtest.h>

#include "sim/data/sample_tables.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "text/cp1251.h"

namespace ornil::sim {
namespace {

class Tables : public ::testing::Test {
 protected:
  Tables() { data::AddSampleTables(host); }
  std::optional<std::string> Ask(const std::string& e) { return host.Request(e); }
  std::string Text(const std::string& e) { return host.Request(e).value_or("<no data>"); }
  void Run(const std::string& s) {
    const auto outcome = host.Run(s);
    ASSERT_TRUE(outcome.ok) << s << ": " << outcome.error;
  }

  MapInfoHost host;
};

TEST_F(Tables, TableInfoOfTheSampleTables) {
  EXPECT_EQ(Text("TableInfo(\"Parcels\",1)"), "Parcels");
  EXPECT_EQ(Text("TableInfo(\"parcels\",2)"), "1");
  EXPECT_EQ(Text("TableInfo(\"Владельцы\",2)"_cp), "2");
  EXPECT_EQ(Text("TableInfo(Районы,2)"_cp), "3");
  EXPECT_EQ(Text("TableInfo(\"Parcels\",3)"), "1");
  EXPECT_EQ(Text("TableInfo(\"Parcels\",4)"), "9");
  EXPECT_EQ(Text("TableInfo(\"Parcels\",5)"), "T");
  EXPECT_EQ(Text("TableInfo(\"Владельцы\",5)"_cp), "F");
  EXPECT_EQ(Text("TableInfo(\"Районы\",6)"_cp), "T");
  EXPECT_EQ(Text("TableInfo(\"Parcels\",6)"), "F");
  EXPECT_EQ(Text("TableInfo(\"Parcels\",8)"), "5");
  EXPECT_EQ(Text("TableInfo(3,1)"), "Районы"_cp);
  EXPECT_EQ(Ask("TableInfo(\"Missing\",2)"), std::nullopt);
  EXPECT_EQ(Ask("TableInfo(4,1)"), std::nullopt);
  EXPECT_EQ(Ask("TableInfo(\"Parcels\",99)"), std::nullopt);
}

TEST_F(Tables, ColumnInfoByNameOrPosition) {
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"Стоимость\",2)"_cp), "5");
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"стоимость\",3)"_cp), "2");
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"COL5\",4)"), "12");
  EXPECT_EQ(Text("ColumnInfo(Parcels,COL5,5)"), "2");
  EXPECT_EQ(Text("Columninfo(\"Parcels\",\"COL2\",1)"), "Номер"_cp);
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"COL2\",4)"), "20");
  EXPECT_EQ(Text("ColumnInfo(Parcels,Жилой,3)"_cp), "6");
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"Дата_регистрации\",3)"_cp), "5");
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"Площадь\",3)"_cp), "8");
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"Этажность\",3)"_cp), "4");
  EXPECT_EQ(Ask("ColumnInfo(\"Parcels\",\"COL10\",1)"), std::nullopt);
  EXPECT_EQ(Ask("ColumnInfo(\"Parcels\",\"Нет\",2)"_cp), std::nullopt);
}

TEST_F(Tables, EditabilityFollowsTheTableAndTheColumn) {
  EXPECT_EQ(Text("ColumnInfo(\"Parcels\",\"COL2\",7)"), "T");
  EXPECT_EQ(Text("format$(Columninfo(\"Parcels\",\"COL2\",7),\"0\")"), "1");
  EXPECT_EQ(Text("ColumnInfo(\"Районы\",\"COL2\",7)"_cp), "F");
  EXPECT_EQ(Text("Format$(ColumnInfo(\"Районы\",\"COL2\",7),\"0\")"_cp), "0");
  mb::Table& t = host.AddTable({"Fixed", {{"A", mb::kChar, 5, 0, false}, {"B", mb::kInteger}}});
  t.AddRowTexts({"x", "1"});
  EXPECT_EQ(Text("ColumnInfo(\"Fixed\",\"A\",7)"), "F");
  EXPECT_EQ(Text("ColumnInfo(\"Fixed\",\"B\",7)"), "T");
  EXPECT_FALSE(host.Run("Update Fixed Set A=\"y\"").ok);
  EXPECT_TRUE(host.Run("Update Fixed Set B=2").ok);
}

TEST_F(Tables, ColumnValuesAtTheCursorInTheirTextForms) {
  EXPECT_EQ(Ask("Parcels.COL1"), std::nullopt) << "nothing fetched yet";
  Run("fetch rec 2 from \"Parcels\"");
  EXPECT_EQ(Text("Parcels.COL1"), "2");
  EXPECT_EQ(Text("Parcels.Номер"_cp), "А-102"_cp);
  EXPECT_EQ(Text("Parcels.COL5"), "820000.00");
  EXPECT_EQ(Text("Format$(Parcels.COL5,\"\")"), "820000.00");
  EXPECT_EQ(Text("DeformatNumber$(FormatNumber$(Parcels.COL6))"), "430.25");
  EXPECT_EQ(Text("Str$(Parcels.COL7)"), "01.09.2020");
  EXPECT_EQ(Text("Parcels.COL8"), "T");
  EXPECT_EQ(Text("format$(Parcels.COL8,\"0\")"), "1");
  EXPECT_EQ(Text("Parcels.COL9"), "Арендатор ООО \"Ромашка\""_cp);
  EXPECT_EQ(Text("Parcels.RowId"), "2");
  Run("Fetch Rec 3 From Parcels");
  EXPECT_EQ(Text("Str$(Parcels.COL7)"), "") << "a blank date";
  EXPECT_EQ(Text("Parcels.COL5"), "12500000.75");
}

TEST_F(Tables, FetchMovesTheCursorAndStopsAtTheEnds) {
  Run("Fetch Last From Parcels");
  EXPECT_EQ(Text("Parcels.Id"), "5");
  Run("Fetch Prev From Parcels");
  EXPECT_EQ(Text("Parcels.Id"), "4");
  Run("Fetch Next From Parcels");
  Run("Fetch Next From Parcels");
  EXPECT_EQ(Text("EOT(Parcels)"), "T");
  EXPECT_EQ(Ask("Parcels.Id"), std::nullopt);
  Run("Fetch First From \"Parcels\"");
  EXPECT_EQ(Text("Parcels.Id"), "1");
  EXPECT_FALSE(host.Run("Fetch Rec 6 From Parcels").ok);
  EXPECT_FALSE(host.Run("Fetch Rec 0 From Parcels").ok);
  EXPECT_EQ(Text("Parcels.Id"), "1") << "a failed fetch leaves the cursor";
}

TEST_F(Tables, ClosingRenumbersTheTablesAfterIt) {
  Run("Close Table \"Parcels\"");
  EXPECT_EQ(Text("TableInfo(\"Районы\",2)"_cp), "2");
  EXPECT_EQ(Text("NumTables()"), "2");
  EXPECT_EQ(Ask("TableInfo(\"Parcels\",2)"), std::nullopt);
  EXPECT_FALSE(host.Run("Close Table \"Parcels\"").ok);
}

TEST_F(Tables, ClosingABaseTableClosesItsQueriesAndWindows) {
  Run("Select * from Parcels where Id > 2 into Big noselect");
  Run("Browse * From Big");
  Run("Map From Parcels");
  EXPECT_EQ(Text("NumWindows()"), "2");
  Run("Close Table Parcels");
  EXPECT_EQ(Ask("TableInfo(Big,2)"), std::nullopt);
  EXPECT_EQ(Text("NumWindows()"), "0");
}

TEST_F(Tables, RowsAddedByTextConvertToTheColumnTypes) {
  mb::Table& t = host.TableNamed("Parcels");
  EXPECT_EQ(t.Cell(1, "Стоимость"_cp).decimals, 2);
  EXPECT_EQ(mb::ToText(t.Cell(1, "Стоимость"_cp)), "1500000.50");
  EXPECT_EQ(mb::ToText(t.Cell(5, "Дата_регистрации"_cp)), "31.12.1999");
  EXPECT_THROW(t.AddRowTexts({"x", "", "", "", "", "", "", "", ""}), mb::HostError);
  EXPECT_THROW(t.AddRowTexts({"1"}), mb::HostError);
  EXPECT_EQ(t.RowCount(), 5);
}

}  // namespace
}  // namespace ornil::sim
