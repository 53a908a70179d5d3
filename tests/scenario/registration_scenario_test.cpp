// The companion program's start-up through the exports against the simulated host: what
// registration asks on the way, the identifier it registers, the library telling it its
// identifier again, and a start-up that finds no MapInfo.
#include <gtest/gtest.h>

#include <algorithm>

#include "exports/modules.h"
#include "exports/ornil_exports.h"
#include "integration/options_file.h"
#include "platform/ddeml_codes.h"
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
  EXPECT_EQ(w.application->GetHandle(), w.host.MainWindow()) << "the library's windows' owner";
  ASSERT_NE(OptionsFile(), nullptr);
  EXPECT_EQ(OptionsFile()->FileName(), "C:\\MapInfo\\Ornil\\Options.INI")
      << "no options file beside the program: the one beside the library";

  const TMapInfo link = w.Link();
  EXPECT_TRUE(
      link.ExecuteMapBasic("Dim ~CurrentRowId~ as Integer Dim ~CurrentTableName~ as String"));
  EXPECT_EQ(link.RequestInt("TableInfo(\"Parcels\",8)"), 5);
}

TEST(Registration, TheIdentifierComesFromTheClock) {
  HostWorld w(Unregistered());
  w.clock.seconds = 12345;
  w.Register();
  const std::int32_t expected = GetApplicationId(32766) + 1;
  EXPECT_EQ(w.handles.identifier, expected);
  EXPECT_EQ(w.companion.GlobalApplicationId(), expected);
}

TEST(Registration, ASecondInWhichTheGeneratorDrawsZeroStillRegisters) {
  HostWorld w(Unregistered());
  for (w.clock.seconds = 0; GetApplicationId(32766) != 0; ++w.clock.seconds) {
  }
  w.Register();
  EXPECT_EQ(w.handles.identifier, 1) << "the library has no identifier 0";
  EXPECT_NE(w.handles.applicationConv, 0u);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST(Registration, ARegisteredProgramThatLostItsGlobalIsToldItAgain) {
  HostWorld w;
  w.companion.SetGlobalApplicationId(0);
  std::string directory = w.companion.Directory();
  EXPECT_NE(RegisterApplication(w.handles.identifier, directory.data()), 0u);
  EXPECT_EQ(w.companion.InternalProcedures(), (std::vector<std::string>{"SetGlobalApplicationId"}));
  EXPECT_EQ(w.companion.GlobalApplicationId(), w.handles.identifier);
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

TEST(Registration, AProgramThatFindsNoMapInfoUnregistersAndEnds) {
  HostWorld w(Unregistered());
  w.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.text == "SystemInfo(9)") return dde::DMLERR_NOTPROCESSED;
    return std::nullopt;
  });
  w.Register();
  EXPECT_TRUE(w.companion.Program().Ended());
  EXPECT_TRUE(w.companion.Program().HaltMessage().empty());
  ASSERT_EQ(w.ShownTexts().size(), 1u) << "the library says why, the program adds nothing";
  EXPECT_NE(w.ShownTexts()[0].find("GetMapInfoDdeConv"), std::string::npos);
  EXPECT_EQ(w.dde.OpenConversations(), 1)
      << "the library's conversation with the program is gone; its MapInfo list stays for a retry";
  EXPECT_EQ(w.application->GetHandle(), 0u)
      << "the program stopped before handing over the host's window";
}

TEST(Registration, AnOptionsFileBesideTheProgramIsHandedToTheLibrary) {
  HostWorld w(Unregistered());
  w.files.moduleFileName = "C:\\Program Files\\Ornil\\Ornil.dll";
  UnloadLibraryModules();
  LoadLibraryModules();
  const std::string options = w.companion.Directory() + "options.ini";
  w.files.AddFile(options, "[OrnilApp]\nfields count=3\n");
  w.Register();
  ASSERT_NE(OptionsFile(), nullptr);
  EXPECT_TRUE(sim::mb::EqualNoCase(OptionsFile()->FileName(), options))
      << OptionsFile()->FileName();
  EXPECT_TRUE(w.ShownTexts().empty());
}

}  // namespace
}  // namespace ornil::testing
