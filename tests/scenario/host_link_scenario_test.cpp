// The library's MapBasic helper questions asked of the simulated host through the companion, on
// the sample tables: the answers, the statements they cost, and that a probe never shows the user
// an error.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
#include "sim/data/sample_tables.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

using sim::data::kDistricts;
using sim::data::kOwners;

class HostLink : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(w.companion.ShownErrors().empty()) << w.companion.ShownErrors().front();
    EXPECT_TRUE(w.ShownTexts().empty());
    EXPECT_EQ(IsPrintingError(), 1);
  }
  HostWorld w;
  TMapInfo link = w.Link();
};

TEST_F(HostLink, OpenedTab) {
  EXPECT_TRUE(link.OpenedTab("Parcels"));
  EXPECT_TRUE(link.OpenedTab("parcels"));
  EXPECT_TRUE(link.OpenedTab(kOwners));
  EXPECT_FALSE(link.OpenedTab("Missing"));
  EXPECT_FALSE(link.OpenedTab("  "));
  EXPECT_EQ(w.Transcript(),
            (std::vector<std::string>{"R: TableInfo(\"Parcels\",2)", "R: TableInfo(\"parcels\",2)",
                                      std::string("R: TableInfo(\"") + kOwners + "\",2)",
                                      "R: TableInfo(\"Missing\",2)", "E: "}));
}

TEST_F(HostLink, PresenceOfTheColumn) {
  EXPECT_TRUE(link.PresenceOfTheColumn("Parcels", "Номер"_cp));
  EXPECT_TRUE(link.PresenceOfTheColumn("Parcels", "COL9"));
  EXPECT_TRUE(link.PresenceOfTheColumn(kOwners, "ФИО"_cp));
  EXPECT_FALSE(link.PresenceOfTheColumn("Parcels", "COL10"));
  EXPECT_FALSE(link.PresenceOfTheColumn("Parcels", "Нет"_cp));
  EXPECT_FALSE(link.PresenceOfTheColumn("Missing", "Id"));
}

TEST_F(HostLink, SelCustomTempCountsPastOpenNames) {
  EXPECT_EQ(link.SelCustomTemp("SelExpression"), "SelExpression");
  ASSERT_TRUE(link.ExecuteMapBasic("Select * from Parcels into SelExpression noselect"));
  ASSERT_TRUE(link.ExecuteMapBasic("Select * from Parcels into SelExpression1 noselect"));
  EXPECT_EQ(link.SelCustomTemp("SelExpression"), "SelExpression2");
  EXPECT_EQ(link.SelCustomTemp("SelValues"), "SelValues");
}

TEST_F(HostLink, CorrectConditionForTheTable) {
  const int tables = link.NumTables();
  w.ClearTranscript();
  EXPECT_TRUE(link.CorrectConditionForTheTable("Parcels", "Жилой and Стоимость > 1000"_cp));
  const auto sent = w.Transcript();
  ASSERT_EQ(sent.size(), 5u);  // the name, is it open, the probe's empty statement, …
  EXPECT_EQ(
      sent[3],
      "E: Select * from Parcels where Жилой and Стоимость > 1000 into SelExpression noselect"_cp);
  EXPECT_EQ(sent[4], "E: Close Table \"SelExpression\"");
  EXPECT_EQ(link.NumTables(), tables) << "the temporary table is closed";

  EXPECT_TRUE(link.CorrectConditionForTheTable(kOwners, "ФИО like \"%ова%\""_cp));
  EXPECT_FALSE(link.CorrectConditionForTheTable("Parcels", "Нет > 1"_cp));
  EXPECT_FALSE(link.CorrectConditionForTheTable("Parcels", "Номер = 5"_cp));
  EXPECT_FALSE(link.CorrectConditionForTheTable("Parcels", "Номер"_cp));
  EXPECT_FALSE(link.CorrectConditionForTheTable("Parcels", "Id >"));
  EXPECT_FALSE(link.CorrectConditionForTheTable("Parcels", "   "));
  EXPECT_EQ(link.NumTables(), tables);
}

TEST_F(HostLink, CorrectExpressionForTheTable) {
  EXPECT_TRUE(link.CorrectExpressionForTheTable("Parcels", "Str$(Id) + \" \" + Номер"_cp));
  EXPECT_TRUE(link.CorrectExpressionForTheTable("Parcels", "Площадь, Стоимость"_cp));
  EXPECT_FALSE(link.CorrectExpressionForTheTable("Parcels", "Номер * 2"_cp));
  EXPECT_FALSE(link.CorrectExpressionForTheTable("Parcels", "Нет"_cp));
  EXPECT_FALSE(link.CorrectExpressionForTheTable("Parcels", ""));
}

TEST_F(HostLink, TypeDataExpressionForTheTable) {
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Номер"_cp), 1);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Стоимость"_cp), 2);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Id"), 3);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Этажность"_cp), 4);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Дата_регистрации"_cp), 5);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Жилой"_cp), 6);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Площадь"_cp), 8);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Id + Этажность"_cp), 3);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Стоимость / 2"_cp), 8);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Str$(Площадь)"_cp), 1);
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Нет"_cp), 0);
  EXPECT_EQ(link.TypeDataExpressionForTheTable(kDistricts, "Население"_cp), 3);
}

TEST_F(HostLink, IsDataExpressionEditable) {
  EXPECT_TRUE(link.IsDataExpressionEditable("Parcels", "Номер"_cp));
  EXPECT_TRUE(link.IsDataExpressionEditable("Parcels", "COL7"));
  EXPECT_FALSE(link.IsDataExpressionEditable("Parcels", "Id + 1"));
  EXPECT_FALSE(link.IsDataExpressionEditable(kDistricts, "Название"_cp));
  EXPECT_FALSE(link.IsDataExpressionEditable("Parcels", "Нет"_cp));
}

// Whatever a probe answers, its temporary table is gone afterwards, so the next probe gets the
// same free name.
TEST_F(HostLink, EveryProbeClosesItsTemporaryTable) {
  const int tables = link.NumTables();
  const auto leavesNothingOpen = [&](const char* probe) {
    EXPECT_EQ(link.NumTables(), tables) << probe;
    EXPECT_EQ(link.SelCustomTemp("SelExpression"), "SelExpression") << probe;
  };
  for (const char* expression : {"Номер", "Нет"}) {
    link.CorrectConditionForTheTable("Parcels", text::FromUtf8(expression) + " = \"А-101\"");
    leavesNothingOpen("CorrectConditionForTheTable");
    link.CorrectExpressionForTheTable("Parcels", text::FromUtf8(expression));
    leavesNothingOpen("CorrectExpressionForTheTable");
    link.TypeDataExpressionForTheTable("Parcels", text::FromUtf8(expression));
    leavesNothingOpen("TypeDataExpressionForTheTable");
    link.IsDataExpressionEditable("Parcels", text::FromUtf8(expression));
    leavesNothingOpen("IsDataExpressionEditable");
  }
}

TEST_F(HostLink, CloseTable2) {
  ASSERT_TRUE(link.ExecuteMapBasic("Select * from Parcels into SelTemp noselect"));
  EXPECT_TRUE(link.CloseTable2("SelTemp"));
  EXPECT_FALSE(link.OpenedTab("SelTemp"));
  EXPECT_FALSE(link.CloseTable2("SelTemp"));
}

TEST_F(HostLink, ValuesAsTextThroughTheConversions) {
  ASSERT_TRUE(link.ExecuteMapBasic("fetch rec 1 from \"Parcels\""));
  EXPECT_EQ(link.MbStr("Parcels.COL7"), "15.03.2019");
  EXPECT_EQ(link.MbFormat("Parcels.COL5"), "1500000.50");
  EXPECT_EQ(link.MbDeformatNumber("Parcels.COL6"), "612.5");
  EXPECT_EQ(link.RequestText("format$(Parcels.COL8,\"0\")"), "1");
  EXPECT_EQ(link.RequestText("Parcels.COL2"), "А-101"_cp);
  EXPECT_EQ(link.NumTables(), 3);
  EXPECT_EQ(link.NumWindows(), 0);
}

TEST(HostLinkStatements, AStatementThatFailsOutsideAProbeIsShownToTheUser) {
  HostWorld w;
  const TMapInfo link = w.Link();
  EXPECT_FALSE(link.ExecuteMapBasic("update \"Parcels\" Set COL3=\"x\" where RowId=1"));
  ASSERT_EQ(w.companion.ShownErrors().size(), 1u);
  EXPECT_NE(w.companion.ShownErrors()[0].find("Type mismatch"), std::string::npos);
}

}  // namespace
}  // namespace ornil::testing
