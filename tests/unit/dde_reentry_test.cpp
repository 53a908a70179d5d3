// Handlers that call the library back while it waits: inside a transaction with a companion or
// MapInfo, and inside the drain of the queue after a disconnect. Whatever they register or
// unregister, the table ends as the order of the calls says, every conversation it holds is open
// and nothing else is.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

#include "exports/ornil_exports.h"
#include "host/dde_module.h"
#include "support/scripted_peers.h"

namespace ornil {
namespace {

using testing::ScriptedCompanion;
using testing::ScriptedMapInfo;

// Where the library is when the handler runs.
enum class Point {
  RefreshRequest,     // asking a registered companion for its identifier again
  IdentifierExecute,  // telling it its identifier
  StaleClose,         // closing its conversation, which answers another identifier now
  Search,             // asking a candidate during the search for the companion
  ReplacedClose,      // closing the conversation a new registration replaced
  UnregisterClose,    // closing the conversation of a companion that unregisters
  CloseAll,           // closing every companion's conversation
};
// What the handler does.
enum class Action { RegisterAnother, UnregisterTheSame, RegisterTheSame };

// The identifiers registered afterwards. Where the handler runs after the interrupted call has
// changed the table (while the replaced or the unregistered conversation closes), the handler's
// call has the last word on its identifier; before that, the interrupted call has.
std::vector<std::int32_t> Expected(Point point, Action action) {
  if (point == Point::CloseAll) return {};
  const bool tableChanged = point == Point::ReplacedClose || point == Point::UnregisterClose;
  bool companion = point != Point::UnregisterClose;
  if (tableChanged && action != Action::RegisterAnother) {
    companion = action == Action::RegisterTheSame;
  }
  std::vector<std::int32_t> identifiers;
  if (companion) identifiers.push_back(77);
  if (action == Action::RegisterAnother) identifiers.push_back(88);
  return identifiers;
}

class ReEntry : public ::testing::TestWithParam<std::tuple<Point, Action>> {
 protected:
  ReEntry()
      : companion(world, "c:\\gis\\ornil", "ornil.mbx"),
        another(world, "c:\\gis\\other", "other.mbx") {
    companion.identifier = companion.registeredIdentifier = 77;
    another.identifier = 88;
  }

  static HConv Register(std::int32_t identifier, std::string directory) {
    return RegisterApplication(identifier, directory.data());
  }
  static HConv RegisterCompanion() { return Register(77, "c:\\gis\\ornil"); }

  // The handler's action, run at the first chance only.
  void ActOnce() {
    if (std::exchange(acted, true)) return;
    switch (std::get<Action>(GetParam())) {
      case Action::RegisterAnother:
        Register(88, "c:\\gis\\other");
        break;
      case Action::UnregisterTheSame:
        UnRegisterApplication(77);
        break;
      case Action::RegisterTheSame:
        RegisterCompanion();
        break;
    }
  }
  void WhenTheCompanionServes(std::string text) {
    companion.whileServing = [this, text](const std::string& t) {
      if (t == text) ActOnce();
    };
  }
  // A message of the host waits in the queue, so the first drain of the queue runs the handler.
  void WhenTheQueueDrains() {
    const auto window = world.desktop.CreateHostWindow(
        "MapInfoFrame", "", {0, 0, 100, 100},
        [this](platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
          ActOnce();
          return std::intptr_t{0};
        });
    world.desktop.Post(window, 0x0400, 0, 0);
  }

  std::vector<std::int32_t> RegisteredIdentifiers() {
    std::vector<std::int32_t> identifiers;
    for (const auto& record : MapInfoConnect().Applications())
      identifiers.push_back(record.Identifier);
    std::sort(identifiers.begin(), identifiers.end());
    return identifiers;
  }

  testing::SimWorld world;
  ScriptedCompanion companion;
  ScriptedCompanion another;
  std::optional<ScriptedCompanion> successor;
  bool acted = false;
};

TEST_P(ReEntry, TheTableEndsAsTheCallsSayWithEveryConversationOpen) {
  const auto [point, action] = GetParam();
  if (point != Point::Search) {
    ASSERT_NE(RegisterCompanion(), 0u);
  }

  switch (point) {
    case Point::RefreshRequest:
      WhenTheCompanionServes("iGlobalApplicationIdentifier");
      RegisterCompanion();
      break;
    case Point::IdentifierExecute:
      companion.identifier = 0;
      WhenTheCompanionServes("*#Internal Procedure:SetGlobalApplicationId");
      RegisterCompanion();
      break;
    case Point::StaleClose:
      companion.identifier = companion.registeredIdentifier = 5;
      successor.emplace(world, "c:\\gis\\ornil", "successor.mbx");
      successor->identifier = 77;
      WhenTheQueueDrains();
      RegisterCompanion();
      break;
    case Point::Search:
      WhenTheCompanionServes("iGlobalApplicationIdentifier");
      RegisterCompanion();
      break;
    case Point::ReplacedClose:
      WhenTheQueueDrains();
      RegisterCompanion();
      break;
    case Point::UnregisterClose:
      WhenTheQueueDrains();
      UnRegisterApplication(77);
      break;
    case Point::CloseAll:
      WhenTheQueueDrains();
      MapInfoConnect().CloseAllApplicationDdeConv();
      break;
  }

  ASSERT_TRUE(acted) << "the handler never ran";
  EXPECT_EQ(RegisteredIdentifiers(), Expected(point, action));
  const auto table = MapInfoConnect().Applications();
  for (const auto& record : table)
    EXPECT_NE(record.Conv, 0u) << record.Identifier;
  EXPECT_EQ(world.dde.OpenConversations(), static_cast<int>(table.size()));
  EXPECT_EQ(world.dde.OpenLists(), static_cast<int>(table.size()));
  EXPECT_EQ(world.desktop.PostedCount(), 0u);
  EXPECT_TRUE(world.dialogs.Shown().empty()) << world.ShownTexts().front();
}

std::string CaseName(const ::testing::TestParamInfo<ReEntry::ParamType>& info) {
  static const char* const kPoints[] = {"RefreshRequest", "IdentifierExecute", "StaleClose",
                                        "Search",         "ReplacedClose",     "UnregisterClose",
                                        "CloseAll"};
  static const char* const kActions[] = {"RegisterAnother", "UnregisterTheSame", "RegisterTheSame"};
  return std::string(kPoints[static_cast<int>(std::get<Point>(info.param))]) + "_" +
         kActions[static_cast<int>(std::get<Action>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    EveryPointAndAction, ReEntry,
    ::testing::Combine(::testing::Values(Point::RefreshRequest, Point::IdentifierExecute,
                                         Point::StaleClose, Point::Search, Point::ReplacedClose,
                                         Point::UnregisterClose, Point::CloseAll),
                       ::testing::Values(Action::RegisterAnother, Action::UnregisterTheSame,
                                         Action::RegisterTheSame)),
    CaseName);

// A handler that searches for MapInfo anew while the library asks a candidate: the search it made
// stands, rather than the first search reading on in a list the second one closed.
TEST(ReEntryOfTheMapInfoSearch, ASearchMadeMeanwhileStands) {
  testing::SimWorld world;
  ScriptedMapInfo other(world, 111);
  ScriptedMapInfo mine(world, 222);
  bool acted = false;
  HConv inner = 0;
  other.whileServing = [&](const std::string&) {
    if (!std::exchange(acted, true)) inner = GetMapInfoDdeConv(222);
  };
  const HConv outer = GetMapInfoDdeConv(222);
  ASSERT_TRUE(acted);
  EXPECT_NE(outer, 0u);
  EXPECT_EQ(outer, inner);
  EXPECT_EQ(world.dde.OpenLists(), 1);
  EXPECT_TRUE(world.dialogs.Shown().empty()) << world.ShownTexts().front();
}

}  // namespace
}  // namespace ornil
