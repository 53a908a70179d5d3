// Select in the simulated host: result tables and their columns, conditions, ordering and
// aggregates, the selection, and editing through a query.
#include <gtest/gtest.h>

#include "sim/data/sample_tables.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "text/cp1251.h"

namespace ornil::sim {
namespace {

class Select : public ::testing::Test {
 protected:
  Select() { data::AddSampleTables(host); }
  std::optional<std::string> Ask(const std::string& e) { return host.Request(e); }
  std::string Text(const std::string& e) { return host.Request(e).value_or("<no data>"); }
  void Run(const std::string& s) {
    const auto outcome = host.Run(s);
    ASSERT_TRUE(outcome.ok) << s << ": " << outcome.error;
  }
  std::vector<std::string> Column(const std::string& table, int column) {
    std::vector<std::string> values;
    const mb::Table& t = host.TableNamed(table);
    for (int id = 1; id <= t.RowCount(); ++id)
      values.push_back(mb::ToText(t.Cell(id, column)));
    return values;
  }

  MapInfoHost host;
};

TEST_F(Select, WhereTakesTheMatchingRowsIntoANamedTable) {
  Run("Select * from Parcels where Жилой and Стоимость > 1000000 into Rich noselect"_cp);
  EXPECT_EQ(Column("Rich", 0), (std::vector<std::string>{"1", "4"}));
  EXPECT_EQ(Text("TableInfo(Rich,3)"), "2");
  EXPECT_EQ(Text("TableInfo(Rich,4)"), "9");
  EXPECT_EQ(Text("ColumnInfo(\"Rich\",\"COL2\",1)"), "Номер"_cp);
  EXPECT_EQ(Text("SelectionInfo(3)"), "0") << "noselect leaves the selection alone";
}

TEST_F(Select, ConditionsCompareTextsWithoutCaseAndDatesAsDates) {
  Run("Select Id from Parcels where Номер = \"а-102\" into A noselect"_cp);
  EXPECT_EQ(Column("A", 0), (std::vector<std::string>{"2"}));
  Run("Select Id from Parcels where Дата_регистрации > \"01.01.2020\" into B noselect"_cp);
  EXPECT_EQ(Column("B", 0), (std::vector<std::string>{"2", "4"}));
  Run("Select Id from Владельцы where ФИО like \"%петр%\" into C noselect"_cp);
  EXPECT_EQ(Column("C", 0), (std::vector<std::string>{"2"}));
}

TEST_F(Select, ExpressionColumnsAreNamedByPositionAndTyped) {
  Run("Select Стоимость*2, Str$(Id)+\"-\"+Номер, Площадь from Parcels where RowId=1 into E noselect"_cp);
  EXPECT_EQ(Text("ColumnInfo(\"E\",\"COL1\",3)"), "8");
  EXPECT_EQ(Text("ColumnInfo(\"E\",\"COL2\",3)"), "1");
  EXPECT_EQ(Text("ColumnInfo(\"E\",\"COL3\",1)"), "Площадь"_cp);
  Run("Fetch First From E");
  EXPECT_EQ(Text("E.COL1"), "3000001");
  EXPECT_EQ(Text("E.COL2"), "1-А-101"_cp);
  EXPECT_EQ(Text("E.Площадь"_cp), "612.5");
}

TEST_F(Select, ANoRowSelectStillChecksNamesAndTypes) {
  Run("Select Площадь from Parcels where RowId=0 into T0 noselect"_cp);
  EXPECT_EQ(Text("TableInfo(T0,8)"), "0");
  EXPECT_EQ(Text("ColumnInfo(\"T0\",\"COL1\",3)"), "8");
  EXPECT_FALSE(host.Run("Select Нет from Parcels where RowId=0 into T1 noselect"_cp).ok);
  EXPECT_FALSE(host.Run("Select Номер*2 from Parcels where RowId=0 into T1 noselect"_cp).ok);
  EXPECT_FALSE(host.Run("Select * from Parcels where Номер = 1 into T1 noselect"_cp).ok);
  EXPECT_FALSE(host.Run("Select * from Parcels where Номер into T1 noselect"_cp).ok);
  EXPECT_EQ(Ask("TableInfo(T1,2)"), std::nullopt) << "a failed Select makes no table";
}

TEST_F(Select, PlainColumnsOfAQueryEditTheBaseTable) {
  Run("Select Номер, Id+1, Стоимость from Parcels where RowId=3 into Q noselect"_cp);
  EXPECT_EQ(Text("ColumnInfo(\"Q\",\"COL1\",7)"), "T");
  EXPECT_EQ(Text("ColumnInfo(\"Q\",\"COL2\",7)"), "F");
  Run("update \"Q\" Set COL1=\"Б-7а\" where RowId=1"_cp);
  Run("update \"Q\" Set COL3=99.999 where RowId=1");
  EXPECT_EQ(mb::ToText(host.TableNamed("Parcels").Cell(3, 1)), "Б-7а"_cp);
  EXPECT_EQ(mb::ToText(host.TableNamed("Parcels").Cell(3, 4)), "100.00");
  EXPECT_FALSE(host.Run("update \"Q\" Set COL2=5 where RowId=1").ok);
  Run("Select Название from Районы into R noselect"_cp);
  EXPECT_EQ(Text("ColumnInfo(\"R\",\"COL1\",7)"), "F") << "read-only base";
}

TEST_F(Select, AQueryShowsTheBaseRowsAsTheyAreNow) {
  Run("Select * from Parcels where RowId=4 into Q noselect");
  Run("Update Parcels Set Этажность=9 where RowId=4"_cp);
  Run("Fetch First From Q");
  EXPECT_EQ(Text("Q.Этажность"_cp), "9");
}

TEST_F(Select, OrderByAResultColumnAndNoSelect) {
  Run("Select ФИО, Id, Телефон From \"Владельцы\" Into \"SelValues\" Order By Col1 NoSelect"_cp);
  EXPECT_EQ(Column("SelValues", 1), (std::vector<std::string>{"1", "5", "2", "3"}));
  Run("Select * from Parcels into D Order By Стоимость Desc noselect"_cp);
  EXPECT_EQ(Column("D", 0), (std::vector<std::string>{"3", "4", "1", "2", "5"}));
}

TEST_F(Select, MaxOverTheTakenRows) {
  Run("Select Max(Id) from \"Владельцы\" into \"SelMaxId\" noselect"_cp);
  Run("Fetch First From \"SelMaxId\"");
  EXPECT_EQ(Text("SelMaxId.COL1"), "5");
  EXPECT_EQ(Text("ColumnInfo(\"SelMaxId\",\"COL1\",3)"), "3");
  Run("Select Max(Стоимость), Min(Дата_регистрации), Count(*), Sum(Этажность) from Parcels where Жилой into M noselect"_cp);
  Run("Fetch First From M");
  EXPECT_EQ(Text("M.COL1"), "2300000.00");
  EXPECT_EQ(Text("M.COL2"), "15.03.2019");
  EXPECT_EQ(Text("M.COL3"), "3");
  EXPECT_EQ(Text("M.COL4"), "6");
  EXPECT_FALSE(host.Run("Select Id, Max(Id) from Parcels into M2 noselect").ok);
}

TEST_F(Select, SelectingFromAQueryIntoItselfKeepsTheFirstRow) {
  Run("Select * from Parcels where Жилой into X"_cp);
  Run("Select * from \"X\" where RowId=1 into \"X\"");
  EXPECT_EQ(Text("TableInfo(X,8)"), "1");
  EXPECT_EQ(Column("X", 0), (std::vector<std::string>{"1"}));
  EXPECT_FALSE(host.Run("Select * from Parcels into Владельцы"_cp).ok)
      << "a base table is never replaced";
  EXPECT_FALSE(host.Run("Select * from Parcels into \"bad name\"").ok);
}

TEST_F(Select, ASelectIntoATableBecomesTheSelection) {
  Run("Select * from \"Владельцы\" where Id > 2 into \"Chosen\""_cp);
  EXPECT_EQ(Text("SelectionInfo(1)"), "Владельцы"_cp);
  EXPECT_EQ(Text("SelectionInfo(2)"), "Chosen");
  EXPECT_EQ(Text("SelectionInfo(3)"), "2");
  EXPECT_EQ(Text("TableInfo(\"Selection\",8)"), "2");
}

TEST_F(Select, ASelectionWithoutANameOpensWhenAskedFor) {
  Run("Select * from Parcels where RowId=2 into Selection");
  EXPECT_EQ(Text("SelectionInfo(1)"), "Parcels");
  EXPECT_EQ(Text("NumTables()"), "3");
  const std::string query = Text("SelectionInfo(2)");
  EXPECT_EQ(query.rfind("Query", 0), 0u);
  EXPECT_EQ(Text("NumTables()"), "4") << "asking for its name opened it";
  Run("Fetch First From \"" + query + "\"");
  EXPECT_EQ(Text(query + ".Id"), "2");
  Run("Close Table \"Selection\"");
  EXPECT_EQ(Text("SelectionInfo(3)"), "0");
  EXPECT_EQ(Text("NumTables()"), "3");
  Run("Close Table \"Selection\"");  // nothing selected: nothing to do
}

TEST_F(Select, AUserSelectionInAQuerySelectsTheBaseRows) {
  Run("Select ФИО, Id From \"Владельцы\" Into \"SelValues\" Order By Col1 NoSelect"_cp);
  host.UserSelect("SelValues", {2});  // the second in name order: Id 5
  EXPECT_EQ(Text("SelectionInfo(1)"), "Владельцы"_cp);
  EXPECT_EQ(Text("SelectionInfo(3)"), "1");
  EXPECT_EQ(Text("CommandInfo(2)"), "4") << "row id in the base table";
  Run("Fetch Rec 4 From Владельцы"_cp);
  EXPECT_EQ(Text("Владельцы.Id"_cp), "5");
}

}  // namespace
}  // namespace ornil::sim
