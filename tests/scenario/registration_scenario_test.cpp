// The companion's start-up calls through the exports against the simulated host and companion:
// what registration asks on the way, and the cases where the identifier global or the window
// handle decide.
#include <gtest/gtest.h>

#include <algorithm>

#include "exports/ornil_exports.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

HostWorld::Options Unregistered() {
  HostWorld::Options options;
  options.registerLibrary = false;
  return options;
}

TEST(Registration, TheStartUpCallsGiveWorkingHandles) {
  HostWorld w(Unregistered());
  w.Register();
  EXPECT_NE(w.handles.identifier, 0);
  EXPECT_NE(w.handles.applicationConv, 0u);
  EXPECT_NE(w.handles.instance, 0u);
  EXPECT_NE(w.handles.mapInfoConv, 0u);
  EXPECT_EQ(w.Transcript(),
            (std::vector<std::string>{"R: iGlobalApplicationIdentifier", "R: SystemInfo(9)"}));
  EXPECT_TRUE(w.ShownTexts().empty());

  const TMapInfo link = w.Link();
  EXPECT_TRUE(
      link.ExecuteMapBasic("Dim ~CurrentRowId~ as Integer Dim ~CurrentTableName~ as String"));
  EXPECT_EQ(link.RequestInt("TableInfo(\"Parcels\",8)"), 5);
}

TEST(Registration, TheIdentifierComesFromTheClock) {
  HostWorld w(Unregistered());
  w.clock.seconds = 12345;
  w.Register();
  const std::int32_t expected = GetApplicationId(32767);
  EXPECT_EQ(w.handles.identifier, expected);
  EXPECT_EQ(w.companion.globalApplicationId, expected);
}

TEST(Registration, FailsWhileTheGlobalIsNotSet) {
  HostWorld w(Unregistered());
  sim::Companion::StartOptions options;
  options.identifier = 41;
  options.setGlobalFirst = false;
  w.Register(options);
  EXPECT_EQ(w.handles.applicationConv, 0u);
  ASSERT_EQ(w.ShownTexts().size(), 1u);
  EXPECT_NE(w.ShownTexts()[0].find("Не установлен сеанс"), std::string::npos);
}

TEST(Registration, ARegisteredCompanionThatLostItsGlobalIsToldItAgain) {
  HostWorld w(Unregistered());
  sim::Companion::StartOptions options;
  options.identifier = 41;
  w.Register(options);
  ASSERT_NE(w.handles.applicationConv, 0u);
  w.companion.globalApplicationId = 0;
  options.setGlobalFirst = false;
  w.Register(options);
  EXPECT_NE(w.handles.applicationConv, 0u);
  EXPECT_EQ(w.companion.InternalProcedures(), (std::vector<std::string>{"SetGlobalApplicationId"}));
  EXPECT_EQ(w.companion.globalApplicationId, 41);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST(Registration, OnlyTheHostWithTheGivenWindowBecomesTheMapInfoConversation) {
  HostWorld w(Unregistered());
  sim::MapInfoHost other;
  other.SetMainWindow(0x0BAD0);
  other.AddTable({"OtherOnly", {{"A", sim::mb::kInteger}}});
  const int otherId = w.dde.AddServer("MapInfo", "System", &other);
  w.dde.ServeFirst(otherId);
  w.Register();
  // The other host is asked first and passed over.
  const auto sent = w.Transcript();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "R: SystemInfo(9)"), 2);
  const TMapInfo link = w.Link();
  EXPECT_TRUE(link.OpenedTab("Parcels"));
  EXPECT_FALSE(link.OpenedTab("OtherOnly"));
  w.dde.RemoveServer(otherId);
}

TEST(Registration, AWrongWindowHandleFindsNoMapInfo) {
  HostWorld w(Unregistered());
  sim::Companion::StartOptions options;
  options.mapInfoWindow = 0x0BAD0;
  w.Register(options);
  EXPECT_NE(w.handles.applicationConv, 0u);
  EXPECT_EQ(w.handles.mapInfoConv, 0u);
  ASSERT_EQ(w.ShownTexts().size(), 1u);
  EXPECT_NE(w.ShownTexts()[0].find("GetMapInfoDdeConv"), std::string::npos);
}

}  // namespace
}  // namespace ornil::testing
