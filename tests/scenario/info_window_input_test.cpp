// Bad input to the info window's exports and a bad options file: the message the user sees, the
// failure value, and an open window left as it was.
#include <gtest/gtest.h>

#include "exports/modules.h"
#include "exports/ornil_exports.h"
#include "integration/options_file.h"
#include "support/info_window_fixture.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

constexpr const char* kNotPassed =
    "Ошибка в процедуре отображения информационного окна. В процедуру не передан один из "
    "параметров.";

TEST_F(InfoWindowTest, EveryMissingArgumentOfViewOrnilWindowIsRefusedAndTheOpenWindowStays) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  const auto h = w.handles;
  const std::int32_t map = this->map;
  struct Case {
    const char* name;
    const char* table;
    std::int32_t row;
    std::uint32_t instance;
    std::uintptr_t mapInfo, application;
  } cases[] = {
      {"row 0", "Parcels", 0, h.instance, h.mapInfoConv, h.applicationConv},
      {"negative row", "Parcels", -3, h.instance, h.mapInfoConv, h.applicationConv},
      {"null table", nullptr, 1, h.instance, h.mapInfoConv, h.applicationConv},
      {"empty table", "", 1, h.instance, h.mapInfoConv, h.applicationConv},
      {"no instance", "Parcels", 1, 0, h.mapInfoConv, h.applicationConv},
      {"no MapInfo conversation", "Parcels", 1, h.instance, 0, h.applicationConv},
      {"no companion conversation", "Parcels", 1, h.instance, h.mapInfoConv, 0},
  };
  for (const Case& c : cases) {
    w.dialogs.Shown().clear();
    w.ClearTranscript();
    ::ViewOrnilWindow(10, 10, c.table, c.row, map, 0, c.instance, c.mapInfo, c.application,
                      "OrnilApp");
    EXPECT_EQ(w.ShownTexts(), std::vector<std::string>{kNotPassed}) << c.name;
    EXPECT_TRUE(w.Transcript().empty()) << c.name;
    EXPECT_EQ(AliveOrnilWindow(), window) << c.name;
    EXPECT_TRUE(window->Showing()) << c.name;
  }
  EXPECT_EQ(w.desktop.LockedWindow(), 0u) << "the host draws again";
}

TEST_F(InfoWindowTest, ExportsWithoutAWindowAnswerNothingAndShowNothing) {
  ::DestroyOrnilWindow();
  EXPECT_EQ(::IsOrnilWindowOpened(), 0);
  EXPECT_EQ(::IsSavingStarted(), 0);
  EXPECT_EQ(::IsFindingStarted(), 0);
  EXPECT_EQ(::GetCurrentAdditionalWindow(), 0);
  ::SetApplicationWindowHandle(0);
  ::SetApplicationWindowHandle(w.host.Workspace().mainWindow);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(InfoWindowTest, OpeningAgainReplacesTheWindowAndCleansUpAfterTheOldOne) {
  TOrnilWindow* first = Open(1);
  ASSERT_NE(first, nullptr);
  const int helper = first->AdditionalWindowId;
  w.ClearTranscript();
  TOrnilWindow* second = Open(2);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->RowId, 2);
  EXPECT_EQ(w.host.Workspace().FindWindow(helper), nullptr);
  const auto undim = Sent("UnDim");
  ASSERT_EQ(undim.size(), 1u);
  EXPECT_EQ(undim[0], "UnDim ~CurrentRowId~ UnDim ~CurrentTableName~");
  EXPECT_TRUE(w.ShownTexts().empty());
  // The host variables name the shown record.
  EXPECT_EQ(w.Link().RequestText("~CurrentRowId~"), "2");
  EXPECT_EQ(w.Link().RequestText("~CurrentTableName~"), "Parcels");
}

TEST_F(InfoWindowTest, AHostThatFailsWhileTheWindowIsBuiltGetsOneMessageAndNoHiddenDrawingLock) {
  w.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.text.starts_with("fetch rec")) return 0x4002;  // DMLERR_DATAACKTIMEOUT
    return std::nullopt;
  });
  Open(1);
  w.dde.ClearFaults();
  ExpectOneMessageStartingWith(
      "Ошибка в процедуре отображения информационного окна. "
      "Произошла ошибка в функции TakeParametersInfoFields. ");
  EXPECT_EQ(w.desktop.LockedWindow(), 0u);
  EXPECT_EQ(::IsOrnilWindowOpened(), 0) << "the window is not shown";
  // The next opening replaces it.
  EXPECT_NE(Open(2), nullptr);
  EXPECT_EQ(::IsOrnilWindowOpened(), 1);
}

TEST_F(InfoWindowTest, AnOptionsSectionThatIsNotThereLeavesTheOptionsAsTheyWere) {
  WriteOptions("select object=0\r\nfind value=0\r\nfields count=4\r\n");
  ASSERT_EQ(::SetOptionsFile("C:\\MapInfo\\Ornil\\Options.INI"), 1);
  ASSERT_NE(Open(1), nullptr);
  EXPECT_FALSE(Options().SelectObjectOption);
  EXPECT_FALSE(Options().FindValueOption);
  EXPECT_EQ(Options().FieldsCountOption, 4);

  ::ViewOrnilWindow(10, 10, "Parcels", 1, map, 0, w.handles.instance, w.handles.mapInfoConv,
                    w.handles.applicationConv, "Someone else");
  ::ViewOrnilWindow(10, 10, "Parcels", 1, map, 0, w.handles.instance, w.handles.mapInfoConv,
                    w.handles.applicationConv, nullptr);
  EXPECT_FALSE(Options().SelectObjectOption);
  EXPECT_EQ(Options().FieldsCountOption, 4);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(InfoWindowTest, AMissingOrMalformedOptionsFileGivesTheDefaults) {
  ASSERT_EQ(::SetOptionsFile("C:\\Nowhere\\Options.INI"), 1);
  ASSERT_NE(Open(1), nullptr);
  EXPECT_TRUE(Options().SelectObjectOption);
  EXPECT_TRUE(Options().FindValueOption);
  EXPECT_EQ(Options().FieldsCountOption, 0);

  w.files.AddFile("C:\\MapInfo\\bad.ini",
                  "garbage\r\n[OrnilApp\r\n[ ornilapp ]\r\nFIELDS COUNT = many\r\nselect object="
                  "\r\n=3\r\n");
  ASSERT_EQ(::SetOptionsFile("C:\\MapInfo\\bad.ini"), 1);
  ASSERT_NE(Open(2), nullptr);
  EXPECT_TRUE(Options().SelectObjectOption) << "an empty value is no number";
  EXPECT_EQ(Options().FieldsCountOption, 0);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST_F(InfoWindowTest, SetOptionsFileWithoutAPathIsRefusedAndKeepsTheFile) {
  const std::string before = OptionsFile()->FileName();
  EXPECT_EQ(::SetOptionsFile(nullptr), 0);
  EXPECT_EQ(::SetOptionsFile(""), 0);
  EXPECT_EQ(w.ShownTexts(),
            (std::vector<std::string>{"Произошла ошибка в функции SetOptionsFile. ",
                                      "Произошла ошибка в функции SetOptionsFile. "}));
  ASSERT_NE(OptionsFile(), nullptr);
  EXPECT_EQ(OptionsFile()->FileName(), before);
}

TEST(OptionsFile, TheLocatorBesideTheLibraryNamesTheOptionsFile) {
  SimWorld world;
  EXPECT_EQ(LibraryDirectory(), "C:\\MapInfo\\Ornil\\");
  EXPECT_EQ(OptionsFile()->FileName(), "C:\\MapInfo\\Ornil\\Options.INI") << "no Files.INI";

  world.files.AddFile("C:\\MapInfo\\Ornil\\Files.INI", "[Files]\r\nPath = conf\\my.ini\r\n");
  UnloadLibraryModules();
  LoadLibraryModules();
  EXPECT_EQ(OptionsFile()->FileName(), "C:\\MapInfo\\Ornil\\conf\\my.ini");

  world.files.AddFile("C:\\MapInfo\\Ornil\\Files.INI", "[files]\r\npath=\r\n");
  UnloadLibraryModules();
  LoadLibraryModules();
  EXPECT_EQ(OptionsFile()->FileName(), "C:\\MapInfo\\Ornil\\Options.INI") << "an empty path";

  // A relative name stays as given and is read where the profile functions look for it.
  EXPECT_EQ(::SetOptionsFile("opts.ini"), 1);
  EXPECT_EQ(OptionsFile()->FileName(), "opts.ini");
  world.files.AddFile("C:\\WINDOWS\\opts.ini", "[a]\r\nfields count=2\r\n");
  EXPECT_EQ(OptionsFile()->ReadInteger("A", "Fields Count", 0), 2);
  EXPECT_TRUE(world.ShownTexts().empty());
}

}  // namespace
}  // namespace ornil::testing
