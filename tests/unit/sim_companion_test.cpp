// The companion program between the library and the simulated host: how it reports each
// statement, when it shows an error, its identifier global and the internal procedure messages.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
#include "host/error_reporting.h"
#include "platform/ddeml_codes.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

TEST(Companion, ReportsEveryStatementBeforeTheExecuteReturns) {
  HostWorld w;
  const TMapInfo link = w.Link();
  EXPECT_TRUE(link.ExecuteMapBasic("Dim x as Integer"));
  EXPECT_FALSE(link.ExecuteMapBasic("Dim x as Integer"));
  EXPECT_TRUE(link.ExecuteMapBasic("x = 3"));
  EXPECT_EQ(link.RequestInt("x"), 3);
  ASSERT_EQ(w.companion.Statements().size(), 3u);
  EXPECT_FALSE(w.companion.Statements()[1].ok);
  EXPECT_EQ(Reporting().LastMapInfoErrorString, w.companion.Statements()[1].error);
}

TEST(Companion, ShowsAnErrorOnlyWhileTheLibraryWantsItShown) {
  HostWorld w;
  const TMapInfo link = w.Link();
  EXPECT_FALSE(link.ExecuteMapBasic("Frobnicate"));
  {
    PrintErrorsOff quiet;
    EXPECT_FALSE(link.ExecuteMapBasic("Close Table Nowhere"));
  }
  const auto shown = w.companion.ShownErrors();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("Frobnicate"), std::string::npos);
}

TEST(Companion, InternalProceduresAreMessagesNotStatements) {
  HostWorld w;
  const TMapInfo link = w.Link();
  link.ExecuteMapBasic("*#Internal Procedure:AddCreationOfValue");
  link.ExecuteMapBasic("*#Internal Procedure:AddUpdatingOfValue");
  EXPECT_TRUE(w.companion.OffersValueCreation());
  EXPECT_TRUE(w.companion.OffersValueUpdating());
  link.ExecuteMapBasic("*#Internal Procedure:RemoveCreationOfValue");
  link.ExecuteMapBasic("*#Internal Procedure:RemoveUpdatingOfValue");
  EXPECT_FALSE(w.companion.OffersValueCreation());
  EXPECT_FALSE(w.companion.OffersValueUpdating());
  EXPECT_EQ(w.companion.InternalProcedures(),
            (std::vector<std::string>{"AddCreationOfValue", "AddUpdatingOfValue",
                                      "RemoveCreationOfValue", "RemoveUpdatingOfValue"}));
  EXPECT_TRUE(w.companion.Statements().empty());
  EXPECT_TRUE(w.companion.ShownErrors().empty());
}

TEST(Companion, AnswersItsIdentifierGlobalAndNothingElse) {
  HostWorld w;
  sim::MapBasicApplication& program = w.companion.Program();
  w.companion.SetGlobalApplicationId(77);
  EXPECT_EQ(program.Request("iGlobalApplicationIdentifier"), "77");
  EXPECT_EQ(program.Request("SystemInfo(9)"), "") << "its query handler knows nothing else";
  program.Execute("*#Internal Procedure:SetGlobalApplicationId");
  EXPECT_EQ(w.companion.GlobalApplicationId(), w.handles.identifier);
  EXPECT_TRUE(w.companion.Statements().empty()) << "a message is no statement";
}

TEST(Companion, GarbageNeverLeavesTheHandlerAndReadsAsFailure) {
  HostWorld w;
  const TMapInfo link = w.Link();
  std::string noise;
  for (int i = 1; i < 3000; ++i)
    noise += static_cast<char>((i * 131) % 255 + 1);
  EXPECT_FALSE(link.ExecuteMapBasic(noise));
  EXPECT_FALSE(link.ExecuteMapBasic("Select * from"));
  EXPECT_EQ(link.RequestText(noise), "");
  EXPECT_TRUE(w.ShownTexts().empty()) << "a refused statement is no library error";
}

TEST(HostOnTheNetwork, AFailedRequestIsNoDataForTheClient) {
  HostWorld w;
  const TMapInfo link = w.Link();
  EXPECT_EQ(link.RequestText("TableInfo(\"Parcels\",8)"), "5");
  EXPECT_EQ(link.RequestText("TableInfo(\"Missing\",8)"), "");
  EXPECT_EQ(w.host.FailedRequests().size(), 1u);
  EXPECT_TRUE(w.ShownTexts().empty());
}

}  // namespace
}  // namespace ornil::testing
