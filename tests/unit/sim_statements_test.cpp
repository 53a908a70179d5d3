// Statements of the simulated host besides Select: writing rows, variables, the message window,
// document windows, and what a failing or unknown statement does.
#include <gtest/gtest.h>

#include "sim/data/sample_tables.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "text/cp1251.h"

namespace ornil::sim {
namespace {

class Statements : public ::testing::Test {
 protected:
  Statements() { data::AddSampleTables(host); }
  std::optional<std::string> Ask(const std::string& e) { return host.Request(e); }
  std::string Text(const std::string& e) { return host.Request(e).value_or("<no data>"); }
  void Run(const std::string& s) {
    const auto outcome = host.Run(s);
    ASSERT_TRUE(outcome.ok) << s << ": " << outcome.error;
  }
  std::string Error(const std::string& s) {
    const auto outcome = host.Run(s);
    EXPECT_FALSE(outcome.ok) << s;
    return outcome.error;
  }
  std::string Cell(const std::string& table, int row, const std::string& column) {
    return mb::ToText(host.TableNamed(table).Cell(row, column));
  }

  MapInfoHost host;
};

TEST_F(Statements, UpdateConvertsEachLiteralToTheColumnType) {
  Run("update \"Parcels\" Set COL3=4 where RowId=2");
  Run("update \"Parcels\" Set COL5=1234.567 where RowId=2");
  Run("update \"Parcels\" Set COL6=0.125 where RowId=2");
  Run("update \"Parcels\" Set COL7=\"05.06.2023\" where RowId=2");
  Run("update \"Parcels\" Set COL8=0 where RowId=2");
  Run("update \"Parcels\" Set COL9=\"Он сказал \"\"да\"\"\" where RowId=2"_cp);
  EXPECT_EQ(Cell("Parcels", 2, "COL3"), "4");
  EXPECT_EQ(Cell("Parcels", 2, "COL5"), "1234.57");
  EXPECT_EQ(Cell("Parcels", 2, "COL6"), "0.125");
  EXPECT_EQ(Cell("Parcels", 2, "COL7"), "05.06.2023");
  EXPECT_EQ(Cell("Parcels", 2, "COL8"), "F");
  EXPECT_EQ(Cell("Parcels", 2, "COL9"), "Он сказал \"да\""_cp);
  EXPECT_EQ(Cell("Parcels", 1, "COL3"), "1") << "other rows untouched";
  EXPECT_EQ(Text("TableInfo(Parcels,9)"), "T");
}

TEST_F(Statements, UpdateClearsADateAndCutsLongTexts) {
  Run("update \"Parcels\" Set COL7=\"\" where RowId=1");
  EXPECT_EQ(Cell("Parcels", 1, "COL7"), "");
  Run("Update Parcels Set Номер=\""_cp + std::string(30, 'z') + "\" where RowId=1");
  EXPECT_EQ(Cell("Parcels", 1, "COL2"), std::string(20, 'z'));
}

TEST_F(Statements, UpdateRefusesValuesThatDoNotFit) {
  Error("update \"Parcels\" Set COL3=\"abc\" where RowId=1");
  Error("update \"Parcels\" Set COL4=40000 where RowId=1");
  Error("update \"Parcels\" Set COL7=\"32.01.2020\" where RowId=1");
  Error("update \"Parcels\" Set COL8=\"maybe\" where RowId=1");
  Error("update \"Parcels\" Set COL7=5 where RowId=1");
  EXPECT_EQ(Cell("Parcels", 1, "COL3"), "1");
  EXPECT_EQ(Cell("Parcels", 1, "COL7"), "15.03.2019");
}

TEST_F(Statements, UpdateWithAQuotedColumnAndACondition) {
  Run("Update \"Владельцы\" Set \"Телефон\"=\"нет\" where Id > 2"_cp);
  EXPECT_EQ(Cell("Владельцы"_cp, 3, "COL3"), "нет"_cp);
  EXPECT_EQ(Cell("Владельцы"_cp, 4, "COL3"), "нет"_cp);
  EXPECT_EQ(Cell("Владельцы"_cp, 1, "COL3"), "+7 495 123-45-67");
  Run("update \"Parcels\" set Номер=\"X\" where RowId=99"_cp);  // no such row: nothing to do
}

TEST_F(Statements, InsertAppendsARowWithTheRestEmpty) {
  Run("Insert Into \"Владельцы\" (ФИО) values(\"Новый\")"_cp);
  EXPECT_EQ(Text("TableInfo(\"Владельцы\",8)"_cp), "5");
  EXPECT_EQ(Cell("Владельцы"_cp, 5, "COL2"), "Новый"_cp);
  EXPECT_EQ(Cell("Владельцы"_cp, 5, "COL1"), "0");
  Run("Insert Into Parcels values(6, \"Г-1\", 1, 1, 10.5, 2.5, \"01.02.2003\", 1, \"\")"_cp);
  EXPECT_EQ(Cell("Parcels", 6, "COL7"), "01.02.2003");
  EXPECT_EQ(Cell("Parcels", 6, "COL8"), "T");
  Error("Insert Into Parcels (Id) values(1, 2)");
  Error("Insert Into Parcels (Нет) values(1)"_cp);
}

TEST_F(Statements, ReadOnlyTablesRefuseRows) {
  EXPECT_NE(Error("Update Районы Set Население=1"_cp).find("read-only"), std::string::npos);
  Error("Insert Into Районы (Код) values(4)"_cp);
  EXPECT_EQ(Text("TableInfo(Районы,8)"_cp), "3");
}

TEST_F(Statements, VariablesAreDeclaredAssignedAndRemoved) {
  Run("Dim ~CurrentRowId~ as Integer Dim ~CurrentTableName~ as String");
  EXPECT_EQ(Text("~CurrentRowId~"), "0");
  Run("~CurrentRowId~=TableInfo(\"Parcels\",8)");
  Run("~CurrentTableName~=\"Parcels\"");
  EXPECT_EQ(Text("~currentrowid~ + 1"), "6");
  EXPECT_EQ(Text("~CurrentTableName~"), "Parcels");
  Run("Select * from Parcels where RowId = ~CurrentRowId~ into V noselect");
  EXPECT_EQ(Text("TableInfo(V,8)"), "1");
  Error("Dim ~CurrentRowId~ as Integer");
  Error("~CurrentRowId~=\"abc\"");
  Run("UnDim ~CurrentRowId~ UnDim ~CurrentTableName~");
  EXPECT_EQ(Ask("~CurrentRowId~"), std::nullopt);
  Error("UnDim ~CurrentRowId~");
  Error("~CurrentRowId~=1");
}

TEST_F(Statements, PrintWritesTheMessageWindow) {
  Run("print \"Для поля '№2' не определено имя\""_cp);
  Run("Print 1+1");
  EXPECT_EQ(host.Messages(), (std::vector<std::string>{"Для поля '№2' не определено имя"_cp, "2"}));
}

TEST_F(Statements, MetadataKeysAreSetReadAndDroppedByBranch) {
  Run("Metadata Table \"Parcels\" SetKey \"\\Ornil\" To format$(2,\"0\")");
  Run("Metadata Table \"Parcels\" SetKey \"\\Ornil\\1\\заголовок\" To \"Номер \"\"участка\"\"\""_cp);
  Run("Metadata Table \"Parcels\" SetKey \"\\Ornil\\1\\тип\" To Format$(-1,\"0\")"_cp);
  Run("Metadata Table \"Parcels\" SetKey \"\\Ornilla\" To \"kept\"");
  Run("Metadata Table \"Parcels\" SetKey \"\\Other\" To \"kept\"");
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\Ornil\")"), "2");
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\ORNIL\\1\\Заголовок\")"_cp), "Номер \"участка\""_cp);
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\Ornil\\1\\тип\")"_cp), "-1");
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\Ornil\\9\")"), "");

  Run("Metadata Table \"Parcels\" DropKey \"\\Ornil\\1\"");
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\Ornil\\1\\тип\")"_cp), "-1")
      << "a plain drop takes the key alone";
  Run("Metadata Table \"Parcels\" DropKey \"\\Ornil\" Hierarchical");
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\Ornil\")"), "");
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\Ornil\\1\\заголовок\")"_cp), "");
  EXPECT_EQ(Text("GetMetadata$(\"Parcels\",\"\\Ornilla\")"), "kept");
  EXPECT_EQ(host.TableNamed("Parcels").Meta().Size(), 2u);
  Run("Metadata Table \"Parcels\" DropKey \"\\Ornil\" Hierarchical");  // nothing left: fine
}

TEST_F(Statements, MetadataRefusesBadKeysAndQueryTables) {
  Error("Metadata Table \"Parcels\" SetKey \"Ornil\" To \"x\"");
  Error("Metadata Table \"Parcels\" SetKey \"\\Ornil\\\" To \"x\"");
  Error("Metadata Table \"Missing\" SetKey \"\\Ornil\" To \"x\"");
  EXPECT_EQ(Ask("GetMetadata$(\"Parcels\",\"Ornil\")"), std::nullopt);
  Run("Select * from Parcels into Q noselect");
  Error("Metadata Table \"Q\" SetKey \"\\Ornil\" To \"x\"");
  Run("Metadata Table \"Районы\" SetKey \"\\Ornil\" To \"1\""_cp);
}

TEST_F(Statements, MapAndBrowseWindows) {
  Run("Set Next Document Style 3");
  Run("Map from \"Parcels\" position (-100,-100) width 1 height 1");
  EXPECT_EQ(Text("NumWindows()"), "1");
  const std::string id = Text("WindowId(NumWindows())");
  const auto& map = host.Workspace().Windows().back();
  EXPECT_EQ(map.style, 3);
  EXPECT_EQ(Text("WindowInfo(" + id + ",12)"), std::to_string(map.handle));
  EXPECT_EQ(Text("WindowInfo(" + id + ",10)"), "Parcels");
  Run("Set Map Window " + id + " Redraw Off");
  Run("Set Window " + id + " title \"1\"");
  EXPECT_FALSE(host.Workspace().Windows().back().redraw);
  EXPECT_EQ(Text("WindowInfo(" + id + ",1)"), "1");
  Error("Map from \"Владельцы\""_cp);  // not mappable

  Run("Set Next Document Parent Systeminfo(15) Style 0");
  Run("Browse COL1 \"Владелец\",COL2 \"Id\" From \"Владельцы\""_cp);
  const auto& browser = host.Workspace().Windows().back();
  EXPECT_EQ(browser.parent, host.Workspace().mdiClientWindow);
  EXPECT_EQ(browser.captions, (std::vector<std::string>{"Владелец"_cp, "Id"}));
  EXPECT_EQ(Text("WindowInfo(NumWindows(),12)"), std::to_string(browser.handle));
  EXPECT_EQ(Text("WindowInfo(WindowID(NumWindows()),3)"), "2");
  Run("Set Window " + Text("WindowID(NumWindows())") + " ReadOnly");
  EXPECT_TRUE(host.Workspace().Windows().back().readOnly);
  Error("Set Window " + id + " ReadOnly");  // a map is no browser

  Run("Close Window " + id);
  EXPECT_EQ(Text("NumWindows()"), "1");
  EXPECT_EQ(Ask("WindowInfo(" + id + ",12)"), std::nullopt);
  Error("Close Window " + id);
}

TEST_F(Statements, ADesktopGivesTheHandlesAndHearsOfClosedWindows) {
  std::vector<std::uintptr_t> closed;
  host.Workspace().onWindowOpened = [](const mb::HostWindow& w) {
    return static_cast<std::uintptr_t>(0x7000 + w.type);
  };
  host.Workspace().onWindowClosed = [&](const mb::HostWindow& w) { closed.push_back(w.handle); };
  Run("Map From Parcels");
  Run("Browse * From Parcels");
  EXPECT_EQ(Text("WindowInfo(1,12)"), std::to_string(0x7001));
  EXPECT_EQ(Text("WindowInfo(2,12)"), std::to_string(0x7002));
  EXPECT_TRUE(host.WindowDestroyed(0x7002));
  EXPECT_EQ(Text("NumWindows()"), "1");
  EXPECT_TRUE(closed.empty()) << "the desktop destroyed it itself";
  Run("Close Table Parcels");
  EXPECT_EQ(closed, (std::vector<std::uintptr_t>{0x7001}));
  EXPECT_FALSE(host.WindowDestroyed(0x7001));
}

TEST_F(Statements, RunMenuCommandAndSetTableAreRecorded) {
  Run("Run Menu Command 306");
  EXPECT_EQ(host.MenuCommands(), (std::vector<int>{306}));
  Run("Select * from Parcels into S noselect");
  Run("Set Table \"S\" UserClose Off UserMap Off UserBrowse Off UserEdit Off UserDisplayMap Off");
  EXPECT_EQ(Text("TableInfo(S,14)"), "F");
  EXPECT_FALSE(host.TableNamed("S").userFlags.at("userdisplaymap"));
  Error("Set Table \"S\" Frobnicate Off");
}

TEST_F(Statements, KeywordsIgnoreLetterCase) {
  Run("SELECT * FROM parcels WHERE rowid=1 INTO q NOSELECT");
  Run("fetch FIRST from Q");
  Run("UPDATE q SET col2=\"ok\" WHERE ROWID=1");
  EXPECT_EQ(Cell("Parcels", 1, "COL2"), "ok");
}

TEST_F(Statements, AnUnknownStatementNamesItself) {
  const std::string error = Error("Frobnicate the table");
  EXPECT_NE(error.find("Frobnicate the table"), std::string::npos) << error;
  EXPECT_NE(Error("Set Frobnicate 1").find("Set Frobnicate 1"), std::string::npos);
  EXPECT_NE(Error("Select * frm Parcels").find("Select * frm Parcels"), std::string::npos);
}

TEST_F(Statements, AFailureStopsTheRestOfTheText) {
  Error("Dim a as Integer Frobnicate Dim b as Integer");
  EXPECT_EQ(Ask("a"), std::nullopt) << "the whole text is parsed first";
  Run("Dim b as Integer");
  Error("Dim a as Integer Dim b as String Dim c as Integer");
  EXPECT_EQ(Text("a"), "0");
  EXPECT_EQ(Ask("c"), std::nullopt);
}

// Two statements run together, as a missing separator in the library would send them, are no
// statement at all: nothing of them runs.
TEST_F(Statements, OneExecuteRunsOneStatement) {
  const std::string error = Error(
      "Metadata Table \"Parcels\" SetKey \"\\a\" To \"1\" "
      "Metadata Table \"Parcels\" SetKey \"\\b\" To \"2\"");
  EXPECT_NE(error.find("after the statement"), std::string::npos) << error;
  EXPECT_EQ(host.TableNamed("Parcels").Meta().Size(), 0u);
  Error("Select * from Parcels into Q noselect Close Table Q");
  EXPECT_EQ(host.FindTable("Q"), nullptr);
  Error("Dim x as Integer Close Table Parcels");
  EXPECT_EQ(Ask("x"), std::nullopt);
  Error("UnDim x Dim y as Integer");
  Run("Dim x as Integer Dim y as String");
  Run("UnDim x UnDim y");
  EXPECT_EQ(Ask("y"), std::nullopt);
}

TEST_F(Statements, AnEmptyStatementDoesNothing) {
  Run("");
  Run("   ");
}

TEST_F(Statements, GarbageIsAnErrorNeverACrash) {
  for (const char* garbage : {"\"",
                              "(((",
                              "Select",
                              "Select *",
                              "Select * from",
                              "Update",
                              "Update Parcels Set",
                              "Insert Into Parcels values(",
                              "Fetch Rec from Parcels",
                              "Metadata Table",
                              "Dim x as Nothing",
                              "Close",
                              "Close Window",
                              "Set Window",
                              "Run Menu",
                              "Map from",
                              "Browse * From Nowhere",
                              "= 5",
                              "x =",
                              "\x01\x02\xff",
                              "Select * from Parcels where RowId= into X"}) {
    EXPECT_FALSE(host.Run(garbage).ok) << garbage;
  }
  std::string noise;
  for (int i = 0; i < 2000; ++i)
    noise += static_cast<char>((i * 7919) % 256);
  EXPECT_FALSE(host.Run(noise).ok);
  EXPECT_FALSE(host.Execute(noise));
  EXPECT_EQ(host.Request(noise), std::nullopt);
}

}  // namespace
}  // namespace ornil::sim
