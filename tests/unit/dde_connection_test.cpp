// The DDE conversations with MapInfo and companions, through the connection exports, against
// scripted peers on the simulated network.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
#include "host/dde_module.h"
#include "host/errors.h"
#include "host/mapbasic_link.h"
#include "platform/ddeml_codes.h"
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

class Registration : public HostLink {
 protected:
  Registration() : companion(world, "c:\\gis\\ornil", "ornil.mbx") { companion.identifier = 77; }
  ScriptedCompanion companion;
};

TEST_F(Registration, FindsTheCompanionByItsDirectoryInAnyLetterCase) {
  world.atoms.Add("c:\\gis");                    // shorter than the directory
  world.atoms.Add("c:\\gis\\other\\ornil.mbx");  // another directory
  char directory[] = "C:\\GIS\\Ornil";
  const auto conv = RegisterApplication(77, directory);
  ASSERT_NE(conv, 0u);
  EXPECT_STREQ(directory, "c:\\gis\\ornil");
  const auto& table = MapInfoConnect().Applications();
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].Conv, conv);
  EXPECT_EQ(table[0].Directory, "c:\\gis\\ornil");
  EXPECT_EQ(table[0].Topic, "c:\\gis\\ornil\\ornil.mbx");
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

TEST_F(Registration, UnregisteringClosesTheConversationAndDispatchesWhatWaits) {
  char directory[] = "c:\\gis\\ornil";
  ASSERT_NE(RegisterApplication(77, directory), 0u);
  UnRegisterApplication(12345);  // not registered: nothing happens
  EXPECT_EQ(MapInfoConnect().Applications().size(), 1u);

  const auto window = world.desktop.CreateHostWindow("MapInfoFrame", "", {0, 0, 100, 100});
  world.desktop.Watch(window);
  world.desktop.Post(window, 0x000F, 0, 0);
  world.desktop.PostQuitMessage(3);
  world.desktop.Post(window, 0x0400, 0, 0);
  UnRegisterApplication(77);
  EXPECT_TRUE(MapInfoConnect().Applications().empty());
  EXPECT_EQ(world.dde.OpenConversations(), 0);
  EXPECT_EQ(world.desktop.SentTo(window), (std::vector<std::uint32_t>{0x000F, 0x0400}));
  // The host's quit request is handed back, not swallowed.
  platform::QueuedMessage left;
  ASSERT_TRUE(world.desktop.PeekMessageRemove(left));
  EXPECT_EQ(left.message, platform::WM_QUIT_MESSAGE);
  EXPECT_EQ(left.wParam, 3u);
}

TEST_F(HostLink, UnloadingClosesEveryConversationAndTheInstance) {
  ScriptedMapInfo host(world, 9);
  ScriptedCompanion companion(world, "c:\\app", "app.mbx");
  companion.identifier = 4;
  char directory[] = "c:\\app";
  ASSERT_NE(RegisterApplication(4, directory), 0u);
  ASSERT_NE(GetMapInfoDdeConv(9), 0u);
  FinalizeDdeModule();
  EXPECT_EQ(world.dde.OpenConversations(), 0);
  EXPECT_EQ(world.dde.OpenLists(), 0);
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
