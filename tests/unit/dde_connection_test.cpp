// The DDE conversations with MapInfo and companions, through the connection exports, against
// scripted peers on the simulated network.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
#include "host/dde_module.h"
#include "host/errors.h"
#include "host/mapbasic_link.h"
#include "platform/ddeml_codes.h"
#include "sim/dde/dde_network.h"
#include "support/scripted_peers.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

using testing::ScriptedCompanion;
using testing::ScriptedMapInfo;
using Kind = sim::DdeTransaction::Kind;

class HostLink : public ::testing::Test {
 protected:
  std::string LastBox() {
    auto texts = world.ShownTexts();
    return texts.empty() ? std::string() : texts.back();
  }
  testing::SimWorld world;
};

TEST_F(HostLink, OnlyTheHostWithTheGivenMainWindowIsChosenAndKept) {
  ScriptedMapInfo other(world, 111);
  ScriptedMapInfo mine(world, 222);
  other.answers["Who"] = "other";
  mine.answers["Who"] = "mine";

  const auto conv = GetMapInfoDdeConv(222);
  ASSERT_NE(conv, 0u);
  TMapInfo link;
  link.SetConversations(conv, 0, GetDdeInstId());
  EXPECT_EQ(link.RequestText("Who"), "mine");
  // Once found, the conversation is returned as it is, whatever window is passed.
  EXPECT_EQ(GetMapInfoDdeConv(111), conv);
  EXPECT_TRUE(world.dialogs.Shown().empty());
  EXPECT_EQ(world.dde.LiveStringHandles(), 0);
  EXPECT_EQ(world.dde.LiveDataHandles(), 0);
}

TEST_F(HostLink, NoMatchingHostIsReportedAndTheFirstWindowHandleIsKeptForTheRetry) {
  ScriptedMapInfo wrong(world, 111);
  EXPECT_EQ(GetMapInfoDdeConv(222), 0u);
  EXPECT_EQ(LastBox(),
            "Ошибка в функции GetMapInfoDdeConv. Ошибка в функции NewMapInfoDdeConv. Либо задан "
            "неверный идентификатор окна MapInfo, либо приложение MapInfo по каким-то причинам не "
            "отвечает на Dde запросы.");

  ScriptedMapInfo right(world, 222);
  EXPECT_NE(GetMapInfoDdeConv(111), 0u);
  // The failed attempt's list was closed before the new one was made.
  EXPECT_EQ(world.dde.OpenLists(), 1);
}

TEST_F(HostLink, NoHostAtAllIsADdeError) {
  EXPECT_EQ(GetMapInfoDdeConv(5), 0u);
  EXPECT_EQ(LastBox(),
            "Ошибка в функции GetMapInfoDdeConv. Ошибка в функции NewMapInfoDdeConv.  Не "
            "установлен сеанс динамического обмена данными (№ ошибки $400A)");
}

TEST_F(HostLink, ATimedOutRequestShowsTheTimeoutAfterEveryPrefix) {
  ScriptedMapInfo host(world, 5);
  world.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.kind == Kind::Request) return dde::DMLERR_DATAACKTIMEOUT;
    return std::nullopt;
  });
  EXPECT_EQ(GetMapInfoDdeConv(5), 0u);
  EXPECT_EQ(LastBox(),
            "Ошибка в функции GetMapInfoDdeConv. Ошибка в функции NewMapInfoDdeConv. Ошибка в "
            "функции DdeRequest во время выполнения запроса 'SystemInfo(9)'.  Время, отведённое "
            "для DDE запроса истекло (№ ошибки $4002)");
  EXPECT_EQ(world.dde.LiveStringHandles(), 0);
}

TEST_F(HostLink, ExecuteOnConversationZeroFailsBeforeSendingAnything) {
  TMapInfo link;
  link.SetConversations(0, 0, GetDdeInstId());
  try {
    link.ExecuteMapBasic("Close Table \"X\"");
    FAIL();
  } catch (const OrnilError& e) {
    EXPECT_EQ(text::ToUtf8(e.Message()),
              "Ошибка в функции DdeExecute. В функцию не предан идентификатор Dde канала.");
  }
  EXPECT_TRUE(world.dde.Transcript().empty());
}

TEST_F(HostLink, ARefusedExecuteIsQuietAndAFailedOneNamesTheCommand) {
  sim::ScriptedDdeServer refusing;
  refusing.onExecute = [](const std::string&) { return false; };
  world.dde.AddServer("MapInfo", "c:\\app\\app.mbx", &refusing);
  world.atoms.Add("c:\\app\\app.mbx");
  const auto instance = GetDdeInstId();
  const auto list = world.dde.DdeConnectList(
      instance, world.dde.DdeCreateStringHandle(instance, "MapInfo", 1004),
      world.dde.DdeCreateStringHandle(instance, "c:\\app\\app.mbx", 1004), 0, nullptr);
  const auto conv = world.dde.DdeQueryNextServer(list, 0);
  TMapInfo link;
  link.SetConversations(0, conv, instance);

  // The companion's report alone says whether a statement ran; a refusal brings none.
  SetMbApplicationExecuteError(1);
  EXPECT_FALSE(link.ExecuteMapBasic("Run Menu Command 306"));

  world.dde.FailTransaction(0, dde::DMLERR_BUSY);
  try {
    link.ExecuteMapBasic("Close Table \"T\"");
    FAIL();
  } catch (const DdeError& e) {
    EXPECT_EQ(e.Code(), 0x4001);
    EXPECT_EQ(e.Message(), "Ошибка в функции DdeExecute. \nКоманда: Close Table \"T\"\n"_cp);
  }
  EXPECT_EQ(world.dde.LiveDataHandles(), 0);
}

// The Execute's data handle is DDEML's once the transaction has it: nothing of it is left for the
// next operation, which here is a connect list that reads the instance's error at once.
TEST_F(HostLink, AnExecuteArrivesWholeAndLeavesNoErrorForTheNextOperation) {
  ScriptedMapInfo host(world, 9);
  ScriptedCompanion companion(world, "c:\\app", "app.mbx");
  companion.identifier = 4;
  char directory[] = "c:\\app";
  TMapInfo link;
  link.SetConversations(0, RegisterApplication(4, directory), GetDdeInstId());

  EXPECT_TRUE(link.ExecuteMapBasic("Close Table \"Участки\""_cp));
  ASSERT_EQ(companion.statements.size(), 1u);
  EXPECT_EQ(companion.statements[0].text, "Close Table \"Участки\""_cp);
  EXPECT_EQ(world.dde.LiveDataHandles(), 0);
  EXPECT_NE(GetMapInfoDdeConv(9), 0u);
  EXPECT_TRUE(world.dialogs.Shown().empty());
}

// The simulated DDEML keeps the rule the library relies on: a data handle an Execute took over is
// gone, freeing it again fails, and the failure waits for the next DdeGetLastError of its instance.
TEST(SimulatedDdeml, AHandleAnExecuteTookOverCannotBeFreedAgainAndItsErrorWaits) {
  sim::DdeNetwork dde;
  sim::ScriptedDdeServer server;
  dde.AddServer("MapInfo", "System", &server);
  std::uint32_t inst = 0;
  ASSERT_EQ(dde.DdeInitialize(&inst, nullptr, 0, 0), dde::DMLERR_NO_ERROR);
  const auto service = dde.DdeCreateStringHandle(inst, "MAPINFO", dde::CP_WINANSI);
  const auto topic = dde.DdeCreateStringHandle(inst, "system", dde::CP_WINANSI);
  const auto list = dde.DdeConnectList(inst, service, topic, 0, nullptr);
  const auto conv = dde.DdeQueryNextServer(list, 0);
  ASSERT_NE(conv, 0u);
  const char command[] = "Note 1";
  const auto data = dde.DdeCreateDataHandle(inst, command, sizeof command, 0, 0, dde::CF_TEXT, 0);

  std::uint32_t result = 0;
  ASSERT_NE(dde.DdeClientTransaction(reinterpret_cast<const void*>(data), 0xFFFFFFFF, conv, 0,
                                     dde::CF_TEXT, dde::XTYP_EXECUTE, 1000, &result),
            0u);
  EXPECT_EQ(dde.LiveDataHandles(), 0);
  EXPECT_FALSE(dde.DdeFreeDataHandle(data));
  // Successful calls in between do not clear it; reading it does.
  EXPECT_NE(dde.DdeQueryNextServer(list, 0), 0u);
  EXPECT_EQ(dde.DdeGetLastError(inst), dde::DMLERR_INVALIDPARAMETER);
  EXPECT_EQ(dde.DdeGetLastError(inst), dde::DMLERR_NO_ERROR);
  dde.DdeDisconnectList(list);
  dde.DdeUninitialize(inst);
}

class Registration : public HostLink {
 protected:
  Registration() : companion(world, "c:\\gis\\ornil", "ornil.mbx") { companion.identifier = 77; }
  // The topics the library tried to connect to, in order.
  std::vector<std::string> ConnectedTopics() {
    std::vector<std::string> topics;
    for (const auto& t : world.dde.Transcript()) {
      if (t.kind == Kind::ConnectList) topics.push_back(t.topic);
    }
    return topics;
  }
  ScriptedCompanion companion;
};

TEST_F(Registration, FindsTheCompanionByItsDirectoryInAnyLetterCase) {
  world.atoms.Add("c:\\gis");                    // shorter than the directory
  world.atoms.Add("c:\\gis\\other\\ornil.mbx");  // another directory
  char directory[] = "C:\\GIS\\Ornil";
  const auto conv = RegisterApplication(77, directory);
  ASSERT_NE(conv, 0u);
  EXPECT_STREQ(directory, "c:\\gis\\ornil");
  const auto table = MapInfoConnect().Applications();
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].Conv, conv);
  EXPECT_EQ(table[0].Directory, "c:\\gis\\ornil");
  EXPECT_EQ(table[0].Topic, "c:\\gis\\ornil\\ornil.mbx");
  EXPECT_TRUE(world.dialogs.Shown().empty());
}

// Both atom tables are searched, number by number, the process's own first; a number without a
// name, or a name no server serves, is passed over, and every name a server serves is asked.
TEST_F(Registration, SearchesBothAtomTablesPassingOverGapsAndNamesNobodyServes) {
  using Table = sim::SimAtoms::Table;
  world.atoms.Delete(0xC000);  // the fixture's companion moves behind the others
  sim::ScriptedDdeServer stranger;
  stranger.onRequest = [](const std::string&) { return std::optional<std::string>("5"); };
  world.dde.AddServer("MapInfo", "c:\\gis\\ornil\\stranger.mbx", &stranger);
  world.atoms.Put(0xC000, "C:\\GIS\\Ornil\\Stranger.mbx", Table::Local);
  world.atoms.Put(0xC000, "c:\\gis\\ornil\\readme.txt");
  // 0xC001 names nothing in either table.
  world.atoms.Put(0xC002, "c:\\gis\\ornil\\ornil.mbx");
  ScriptedCompanion local(world, "c:\\gis\\ornil", "second.mbx", {Table::Local, 0xC003});
  local.identifier = 78;

  char directory[] = "c:\\gis\\ornil";
  ASSERT_NE(RegisterApplication(77, directory), 0u);
  EXPECT_EQ(ConnectedTopics(),
            (std::vector<std::string>{"c:\\gis\\ornil\\stranger.mbx", "c:\\gis\\ornil\\readme.txt",
                                      "c:\\gis\\ornil\\ornil.mbx"}));
  world.dde.Transcript().clear();
  ASSERT_NE(RegisterApplication(78, directory), 0u);
  EXPECT_EQ(ConnectedTopics(),
            (std::vector<std::string>{"c:\\gis\\ornil\\stranger.mbx", "c:\\gis\\ornil\\readme.txt",
                                      "c:\\gis\\ornil\\ornil.mbx", "c:\\gis\\ornil\\second.mbx"}));
  EXPECT_EQ(MapInfoConnect().Applications()[1].Topic, "c:\\gis\\ornil\\second.mbx");
  // Only the two registered conversations stay; the lists that were not ours are closed.
  EXPECT_EQ(world.dde.OpenConversations(), 2);
  EXPECT_EQ(world.dde.OpenLists(), 2);
  EXPECT_TRUE(world.dialogs.Shown().empty());
}

TEST_F(Registration, PicksTheCompanionWithTheIdentifierAmongSeveralInOneDirectory) {
  ScriptedCompanion sibling(world, "c:\\gis\\ornil", "second.mbx");
  sibling.identifier = 78;
  char directory[] = "c:\\gis\\ornil";
  ASSERT_NE(RegisterApplication(78, directory), 0u);
  EXPECT_EQ(MapInfoConnect().Applications()[0].Topic, "c:\\gis\\ornil\\second.mbx");
  // The first companion's list was not ours and is closed again.
  EXPECT_EQ(world.dde.OpenConversations(), 1);
}

TEST_F(Registration, RegisteringTwiceKeepsOneRecordAndTheNewConversation) {
  char directory[] = "c:\\gis\\ornil";
  const auto first = RegisterApplication(77, directory);
  const auto second = RegisterApplication(77, directory);
  ASSERT_NE(second, 0u);
  EXPECT_NE(first, second);
  ASSERT_EQ(MapInfoConnect().Applications().size(), 1u);
  EXPECT_EQ(MapInfoConnect().Applications()[0].Conv, second);
  EXPECT_EQ(world.dde.OpenConversations(), 1);
}

TEST_F(Registration, ACompanionThatForgotItsIdentifierIsToldAgain) {
  char directory[] = "c:\\gis\\ornil";
  ASSERT_NE(RegisterApplication(77, directory), 0u);
  companion.identifier = 0;
  companion.registeredIdentifier = 77;
  EXPECT_NE(RegisterApplication(77, directory), 0u);
  EXPECT_EQ(companion.internalMessages, std::vector<std::string>{"SetGlobalApplicationId"});
}

TEST_F(Registration, ACompanionThatCannotBeFoundShowsEveryLevel) {
  char directory[] = "c:\\elsewhere";
  EXPECT_EQ(RegisterApplication(77, directory), 0u);
  EXPECT_EQ(LastBox(),
            "Ошибка в функции RegisterApplication. Ошибка в функции AddApplication. Ошибка в "
            "функции NewApplicationDdeConv. Не установлен сеанс динамического обмена данными с "
            "MapBasic приложением");
  EXPECT_TRUE(MapInfoConnect().Applications().empty());
}

TEST_F(Registration, ADirectoryThatIsNotOnDiskDoesNotMatch) {
  world.atoms.Add("c:\\ghost\\ornil.mbx");
  sim::ScriptedDdeServer ghost;
  ghost.onRequest = [](const std::string&) { return std::optional<std::string>("77"); };
  world.dde.AddServer("MapInfo", "c:\\ghost\\ornil.mbx", &ghost);
  char directory[] = "c:\\ghost";
  EXPECT_EQ(RegisterApplication(77, directory), 0u);
}

TEST_F(Registration, BadArgumentsAreRefusedWithoutTouchingTheTable) {
  char directory[] = "c:\\gis\\ornil";
  char empty[] = "";
  EXPECT_EQ(RegisterApplication(0, directory), 0u);
  EXPECT_EQ(RegisterApplication(77, nullptr), 0u);
  EXPECT_EQ(RegisterApplication(77, empty), 0u);
  EXPECT_EQ(world.ShownTexts(),
            (std::vector<std::string>{
                "Ошибка в функции RegisterApplication. В функцию регистрации приложения не "
                "передан идентификатор приложения",
                "Ошибка в функции RegisterApplication. В функцию регистрации приложения не "
                "передана директория приложения",
                "Ошибка в функции RegisterApplication. В функцию регистрации приложения не "
                "передана директория приложения"}));
  EXPECT_STREQ(directory, "c:\\gis\\ornil");
  EXPECT_TRUE(MapInfoConnect().Applications().empty());
  EXPECT_TRUE(world.dde.Transcript().empty());
}

// The list holds a second server of the same topic: its conversation ends with the list, and the
// terminate messages of both are handled before the call returns.
TEST_F(Registration, UnregisteringClosesConversationAndListAndDispatchesWhatWaits) {
  sim::ScriptedDdeServer sibling;
  sibling.onRequest = [](const std::string&) { return std::optional<std::string>("5"); };
  world.dde.ServeFirst(world.dde.AddServer("MapInfo", "c:\\gis\\ornil\\ornil.mbx", &sibling));
  char directory[] = "c:\\gis\\ornil";
  ASSERT_NE(RegisterApplication(77, directory), 0u);
  UnRegisterApplication(12345);  // not registered: nothing happens
  EXPECT_EQ(MapInfoConnect().Applications().size(), 1u);
  EXPECT_EQ(world.dde.OpenConversations(), 2);

  const auto window = world.desktop.CreateHostWindow("MapInfoFrame", "", {0, 0, 100, 100});
  world.desktop.Watch(window);
  world.desktop.Post(window, 0x000F, 0, 0);
  world.desktop.PostQuitMessage(3);
  world.desktop.Post(window, 0x0400, 0, 0);
  UnRegisterApplication(77);
  EXPECT_TRUE(MapInfoConnect().Applications().empty());
  EXPECT_EQ(world.dde.OpenConversations(), 0);
  EXPECT_EQ(world.dde.OpenLists(), 0);
  EXPECT_EQ(world.desktop.SentTo(window), (std::vector<std::uint32_t>{0x000F, 0x0400}));
  // The terminate messages of both conversations are handled; the host's quit request is handed
  // back, not swallowed, and is all that waits.
  EXPECT_EQ(world.desktop.PostedCount(), 0u);
  platform::QueuedMessage left;
  ASSERT_TRUE(world.desktop.PeekMessageRemove(left));
  EXPECT_EQ(left.message, platform::WM_QUIT_MESSAGE);
  EXPECT_EQ(left.wParam, 3u);
}

// A companion that keeps the library waiting fails the registration, however often it is tried,
// and leaves nothing connected behind.
TEST_F(Registration, ABusyCompanionLeavesNoConversationOpen) {
  for (const std::uint32_t code : {dde::DMLERR_BUSY, dde::DMLERR_DATAACKTIMEOUT}) {
    world.dde.FailWhen([code](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
      if (t.kind == Kind::Request) return code;
      return std::nullopt;
    });
    char directory[] = "c:\\gis\\ornil";
    EXPECT_EQ(RegisterApplication(77, directory), 0u);
    EXPECT_EQ(RegisterApplication(77, directory), 0u);
    EXPECT_EQ(world.dde.OpenLists(), 0);
    EXPECT_EQ(world.dde.OpenConversations(), 0);
    EXPECT_TRUE(MapInfoConnect().Applications().empty());
  }
  world.dde.ClearFaults();
  char directory[] = "c:\\gis\\ornil";
  EXPECT_NE(RegisterApplication(77, directory), 0u);
}

// A registered companion that now answers another identifier loses its conversation even when no
// other companion answers in its place; its record stays, without a conversation.
TEST_F(Registration, AStaleConversationIsClosedEvenWhenTheSearchThenFails) {
  char directory[] = "c:\\gis\\ornil";
  ASSERT_NE(RegisterApplication(77, directory), 0u);
  companion.identifier = companion.registeredIdentifier = 5;
  EXPECT_EQ(RegisterApplication(77, directory), 0u);
  EXPECT_EQ(world.dde.OpenConversations(), 0);
  EXPECT_EQ(world.dde.OpenLists(), 0);
  const auto table = MapInfoConnect().Applications();
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].Conv, 0u);
  EXPECT_EQ(table[0].ConvList, 0u);
}

// One identifier in two directories is two applications: registering one keeps the other.
TEST_F(Registration, AnIdentifierInAnotherDirectoryIsAnotherApplication) {
  ScriptedCompanion elsewhere(world, "c:\\gis\\copy", "ornil.mbx");
  elsewhere.identifier = 77;
  char directory[] = "c:\\gis\\ornil";
  char copy[] = "c:\\gis\\copy";
  const auto first = RegisterApplication(77, directory);
  const auto second = RegisterApplication(77, copy);
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, 0u);
  const auto table = MapInfoConnect().Applications();
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].Conv, first);
  EXPECT_EQ(table[1].Conv, second);
  EXPECT_EQ(world.dde.OpenConversations(), 2);
}

TEST_F(HostLink, UnloadingClosesEveryConversationAndTheInstance) {
  ScriptedMapInfo other(world, 8);
  ScriptedMapInfo host(world, 9);
  ScriptedCompanion companion(world, "c:\\app", "app.mbx");
  companion.identifier = 4;
  char directory[] = "c:\\app";
  ASSERT_NE(RegisterApplication(4, directory), 0u);
  ASSERT_NE(GetMapInfoDdeConv(9), 0u);
  FinalizeDdeModule();
  EXPECT_EQ(world.dde.OpenConversations(), 0);
  EXPECT_EQ(world.dde.OpenLists(), 0);
  EXPECT_EQ(world.desktop.PostedCount(), 0u) << "every disconnect's messages are handled";
  EXPECT_EQ(world.dde.Instances(), 0);
  EXPECT_EQ(GetDdeInstId(), 0u);  // no connection any more: a box, not a crash
  EXPECT_EQ(world.dialogs.Shown().size(), 1u);
  InitializeDdeModule();
}

TEST(ApplicationId, ReproducesTheLinearCongruentialGeneratorSeededWithTheSeconds) {
  testing::SimWorld world;
  world.clock.seconds = 1;  // seeded with 1 the generator draws 346, then 130
  EXPECT_EQ(GetApplicationId(100), 30);
  EXPECT_EQ(GetApplicationId(-100), 30);
  EXPECT_EQ(GetApplicationId(100000), 130);
  EXPECT_EQ(GetApplicationId(1), 0);
  world.clock.seconds = 1'700'000'000;
  EXPECT_EQ(GetApplicationId(1000), GetApplicationId(1000));
  EXPECT_TRUE(world.dialogs.Shown().empty());

  EXPECT_EQ(GetApplicationId(0), 0);
  ASSERT_EQ(world.dialogs.Shown().size(), 1u);
  EXPECT_EQ(world.ShownTexts()[0].rfind("Ошибка в функции GetApplicationId. ", 0), 0u);
}

}  // namespace
}  // namespace ornil
