// The MapBasic helper questions against scripted peers: what they send, what they answer, and
// that the printing switch is off while they probe and back afterwards, whatever fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "exports/ornil_exports.h"
#include "host/error_reporting.h"
#include "host/errors.h"
#include "host/mapbasic_link.h"
#include "platform/ddeml_codes.h"
#include "support/scripted_peers.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

using testing::ScriptedCompanion;
using testing::ScriptedMapInfo;

class Link : public ::testing::Test {
 protected:
  Link() : host(world, 10), companion(world, "c:\\app", "app.mbx") {
    companion.identifier = 3;
    char directory[] = "c:\\app";
    link.SetConversations(GetMapInfoDdeConv(10), RegisterApplication(3, directory), GetDdeInstId());
    host.openTables = {"Parcels"};
    host.answers["ColumnInfo(\"Parcels\",\"Area\",2)"] = "3";
    host.answers["ColumnInfo(\"SelExpression\",\"COL1\",3)"] = "8";
    host.answers["Format$(ColumnInfo(\"SelExpression\",\"COL1\",7),\"0\")"] = "1";
    world.dde.Transcript().clear();
  }
  std::vector<std::string> Sent() { return world.dde.TranscriptLines(); }

  testing::SimWorld world;
  ScriptedMapInfo host;
  ScriptedCompanion companion;
  TMapInfo link;
};

TEST_F(Link, OpenedTabAsksTheHostAndNeverForABlankName) {
  EXPECT_TRUE(link.OpenedTab("Parcels"));
  EXPECT_FALSE(link.OpenedTab("Missing"));
  EXPECT_FALSE(link.OpenedTab("   "));
  EXPECT_FALSE(link.OpenedTab(""));
  EXPECT_EQ(Sent(), (std::vector<std::string>{"R: TableInfo(\"Parcels\",2)",
                                              "R: TableInfo(\"Missing\",2)", "E: "}));
}

TEST_F(Link, AFailedRequestNeverReadsAsThePreviousAnswer) {
  EXPECT_TRUE(link.OpenedTab("Parcels"));
  EXPECT_FALSE(link.OpenedTab("Missing"));
  EXPECT_EQ(link.RequestText("Nonsense("), "");
}

TEST_F(Link, PresenceOfTheColumn) {
  EXPECT_TRUE(link.PresenceOfTheColumn("Parcels", "Area"));
  EXPECT_FALSE(link.PresenceOfTheColumn("Parcels", "Nothing"));
}

TEST_F(Link, SelCustomTempCountsPastOpenNamesAndKeepsItsLastAnswer) {
  host.openTables = {"SelExpression", "SelExpression1"};
  EXPECT_EQ(link.SelCustomTemp("SelExpression"), "SelExpression2");
  // When the host gives no name the previous one is handed out again.
  host.answers["PathToTableName$()"] = "";
  EXPECT_EQ(link.SelCustomTemp(""), "SelExpression2");
}

TEST_F(Link, SelCustomTempShortensANameTheHostWouldCutAndCountsAgain) {
  const std::string full(31, 'A');
  const std::string shorter(30, 'A');
  host.openTables = {full};
  // The host cuts table names to 31 characters.
  host.answers["PathToTableName$(" + full + "1)"] = full;
  EXPECT_EQ(link.SelCustomTemp(full), shorter);
  host.openTables = {full, shorter};
  EXPECT_EQ(link.SelCustomTemp(full), shorter + "1");
}

TEST_F(Link, SelCustomTempGivesUpOnAHostThatCallsEveryNameOpen) {
  host.everyTableOpen = true;
  try {
    link.SelCustomTemp("SelValues");
    FAIL() << "a name came back";
  } catch (const OrnilError& e) {
    EXPECT_EQ(text::ToUtf8(e.Message()),
              "Ошибка в функции SelCustomTemp. Не найдено свободное имя для временной таблицы "
              "\"SelValues\".");
  }
  EXPECT_LT(world.dde.TransactionCount(), 5000);
  EXPECT_EQ(IsPrintingError(), 1);
}

TEST_F(Link, ConditionsAreTriedInATemporaryTableThatIsClosedWhenAccepted) {
  EXPECT_TRUE(link.CorrectConditionForTheTable("Parcels", "Area > 5"));
  companion.statementSucceeds = [](const std::string& s) { return s.rfind("Select", 0) != 0; };
  EXPECT_FALSE(link.CorrectConditionForTheTable("Parcels", "Area >"));
  EXPECT_FALSE(link.CorrectConditionForTheTable("Parcels", " \t "));
  std::vector<std::string> statements;
  for (const auto& s : companion.statements) {
    statements.push_back(s.text);
    EXPECT_FALSE(s.printing) << s.text;
  }
  // The empty statements are OpenedTab's answers to the free temporary name.
  EXPECT_EQ(statements, (std::vector<std::string>{
                            "", "Select * from Parcels where Area > 5 into SelExpression noselect",
                            "Close Table \"SelExpression\"", "",
                            "Select * from Parcels where Area > into SelExpression noselect", ""}));
  EXPECT_EQ(IsPrintingError(), 1);
}

TEST_F(Link, AProbeWhoseCloseFailsReportsItAndDoesNotSendItAgain) {
  world.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.text.rfind("Close Table", 0) == 0) return dde::DMLERR_BUSY;
    return std::nullopt;
  });
  EXPECT_THROW(link.CorrectConditionForTheTable("Parcels", "Area > 5"), DdeError);
  EXPECT_THROW(link.CorrectExpressionForTheTable("Parcels", "Area"), DdeError);
  EXPECT_THROW(link.TypeDataExpressionForTheTable("Parcels", "Area"), DdeError);
  EXPECT_THROW(link.IsDataExpressionEditable("Parcels", "Area"), DdeError);
  const auto sent = Sent();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "E: Close Table \"SelExpression\""), 4);
  EXPECT_EQ(IsPrintingError(), 1);
}

TEST_F(Link, ExpressionTypeAndEditability) {
  EXPECT_TRUE(link.CorrectExpressionForTheTable("Parcels", "Area*2"));
  EXPECT_FALSE(link.CorrectExpressionForTheTable("Parcels", ""));
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Area"), 8);
  EXPECT_TRUE(link.IsDataExpressionEditable("Parcels", "Area"));
  companion.statementSucceeds = [](const std::string& s) { return s.rfind("Select", 0) != 0; };
  EXPECT_EQ(link.TypeDataExpressionForTheTable("Parcels", "Bad("), 0);
  EXPECT_FALSE(link.IsDataExpressionEditable("Parcels", "Bad("));
  EXPECT_EQ(companion.statements.back().text,
            "Select Bad( from Parcels where RowId=0 into SelExpression noselect");
}

TEST_F(Link, TextConversionsAskTheHost) {
  host.answers["Str$(1+1)"] = "2";
  host.answers["Format$(3.5,\"\")"] = "3,5";
  host.answers["DeformatNumber$(FormatNumber$(1234.5))"] = "1234.5";
  EXPECT_EQ(link.MbStr("1+1"), "2");
  EXPECT_EQ(link.MbFormat("3.5"), "3,5");
  EXPECT_EQ(link.MbDeformatNumber("1234.5"), "1234.5");
}

// Each probing operation, failed at each of its transactions in turn, leaves with its own prefix
// and with the printing switch as it found it.
TEST_F(Link, EveryProbeRestoresThePrintingSwitchWhereverItFails) {
  struct Probe {
    const char* prefix;
    std::function<void()> run;
  };
  const std::vector<Probe> probes = {
      {"Ошибка в функции OpenedTab. ", [&] { link.OpenedTab("Missing"); }},
      {"Ошибка в функции  PresenceOfTheColumn. ",
       [&] { link.PresenceOfTheColumn("Parcels", "None"); }},
      {"Ошибка в функции SelCustomTemp. ", [&] { link.SelCustomTemp("Parcels"); }},
      {"Ошибка в функции CorrectConditionForTheTable. ",
       [&] { link.CorrectConditionForTheTable("Parcels", "Area > 1"); }},
      {"Ошибка в функции CorrectExpressionForTheTable. ",
       [&] { link.CorrectExpressionForTheTable("Parcels", "Area"); }},
      {"Ошибка в функции TypeDataExpressionForTheTable. ",
       [&] { link.TypeDataExpressionForTheTable("Parcels", "Area"); }},
      {"Ошибка в функции IsDataExpressionEditable ",
       [&] { link.IsDataExpressionEditable("Parcels", "Area"); }},
      {"Ошибка в функции CloseTable2. ", [&] { link.CloseTable2("Parcels"); }},
  };
  for (bool printing : {true, false}) {
    for (const auto& probe : probes) {
      SwapPrintErrors(printing);
      const int before = world.dde.TransactionCount();
      probe.run();
      const int transactions = world.dde.TransactionCount() - before;
      ASSERT_GT(transactions, 0) << probe.prefix;
      for (int n = 0; n < transactions; ++n) {
        world.dde.FailTransaction(n, n % 2 ? dde::DMLERR_BUSY : dde::DMLERR_DATAACKTIMEOUT);
        try {
          probe.run();
          ADD_FAILURE() << probe.prefix << " survived a failure of transaction " << n;
        } catch (const DdeError& e) {
          EXPECT_EQ(e.Message().rfind(text::FromUtf8(probe.prefix), 0), 0u) << e.Message();
        }
        EXPECT_EQ(IsPrintingError(), printing ? 1 : 0) << probe.prefix << " at " << n;
      }
    }
  }
  SwapPrintErrors(true);
}

}  // namespace
}  // namespace ornil
