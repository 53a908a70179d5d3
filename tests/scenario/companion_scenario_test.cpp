// The companion program as a user meets it in the simulated host: its menu and pad, the map tool
// on a parcel opening the library's info window, the value-list commands the library offers and
// withdraws, statements that fail, ending the program, and the 32-bit flavour, all against the
// library's real exports.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "exports/ornil_exports.h"
#include "host/error_reporting.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "integration/about_box.h"
#include "setup/setup_module.h"
#include "setup/setup_window.h"
#include "sim/data/sample_tables.h"
#include "sim/mapinfo/declaration_check.h"
#include "support/host_world.h"
#include "support/info_window_fixture.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

using namespace std::string_literals;

// A map of the parcels over the districts; gives its window id.
int MapParcels(HostWorld& w) {
  EXPECT_TRUE(w.Link().ExecuteMapBasic("Map from \"Parcels\", \""s + sim::data::kDistricts + "\""));
  return w.host.Workspace().FrontWindowId();
}

TEST(CompanionProgram, OffersItsMenuAndPadWithTheValueCommandsWithdrawn) {
  HostWorld w;
  const auto& ui = w.companion.Program().Runtime().Ui();
  EXPECT_EQ(ui.MenuBar(), (std::vector<std::string>{"Ornil"}));
  EXPECT_TRUE(w.companion.MenuItemEnabled("Настройка таблицы..."_cp));
  EXPECT_TRUE(w.companion.MenuItemEnabled("О программе..."_cp));
  EXPECT_TRUE(w.companion.MenuItemEnabled("Выход"_cp));
  EXPECT_FALSE(w.companion.MenuItemEnabled("Закрыть информационное окно"_cp)) << "none is open";
  EXPECT_FALSE(w.companion.OffersValueCreation());
  EXPECT_FALSE(w.companion.OffersValueUpdating());
  ASSERT_EQ(ui.ButtonPads().size(), 1u);
  const auto& buttons = ui.ButtonPads()[0].buttons;
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(buttons[0].kind, sim::mb::ButtonSyntax::Kind::Tool);
  EXPECT_EQ(buttons[0].drawMode, 34) << "a click at a point";
  EXPECT_TRUE(buttons[0].enabled);
  EXPECT_FALSE(buttons[1].enabled);
  EXPECT_FALSE(buttons[2].enabled);
}

TEST(CompanionProgram, SetupAndAboutOpenTheLibrarysWindowsWithTheHandles) {
  HostWorld w;
  ASSERT_TRUE(w.companion.Choose("Настройка таблицы..."_cp));
  ASSERT_NE(SetupWindow, nullptr);
  EXPECT_EQ(SetupWindow->Link.Instance(), w.handles.instance);
  EXPECT_EQ(SetupWindow->Link.MapInfoConv(), w.handles.mapInfoConv);
  EXPECT_EQ(SetupWindow->Link.ApplicationConv(), w.handles.applicationConv);
  ASSERT_TRUE(w.companion.Choose("О программе..."_cp));
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_EQ(AboutBox->ProductName->Text(), "Ornil — информационное окно объектов карты"_cp);
  EXPECT_TRUE(AboutBox->Visible());
}

TEST(CompanionProgram, TheMapToolOpensTheInfoWindowForTheRecordUnderTheClick) {
  HostWorld w;
  const int map = MapParcels(w);
  ASSERT_TRUE(w.ClickInfoTool(map, 25, 4, {300, 200}));
  const TOrnilWindow* shown = AliveOrnilWindow();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->TableName, "Parcels") << "the parcel, on top of its district";
  EXPECT_EQ(shown->RowId, 2);
  EXPECT_EQ(shown->MapWindowId, map);
  EXPECT_TRUE(shown->Showing());
  // Next to the click: a corner of the window ten pixels from the point, the point not covered.
  const int left = shown->Left(), top = shown->Top();
  const int right = left + shown->Width(), bottom = top + shown->Height();
  EXPECT_TRUE(left == 310 || right == 290) << left << ".." << right;
  EXPECT_TRUE(top == 210 || bottom == 190) << top << ".." << bottom;
  EXPECT_TRUE(w.companion.MenuItemEnabled("Закрыть информационное окно"_cp));

  ASSERT_TRUE(w.ClickInfoTool(map, 29, 15, {310, 210}));
  ASSERT_NE(AliveOrnilWindow(), nullptr);
  EXPECT_EQ(AliveOrnilWindow()->TableName, sim::data::kDistricts)
      << "between parcels: the district";
  EXPECT_EQ(AliveOrnilWindow()->RowId, 2);

  ASSERT_TRUE(w.ClickInfoTool(map, 500, 500, {320, 220}));
  ASSERT_NE(AliveOrnilWindow(), nullptr);
  EXPECT_EQ(AliveOrnilWindow()->TableName, sim::data::kDistricts) << "nothing there";

  ASSERT_TRUE(w.companion.Choose("Закрыть информационное окно"_cp));
  EXPECT_EQ(AliveOrnilWindow(), nullptr);
  EXPECT_FALSE(w.companion.MenuItemEnabled("Закрыть информационное окно"_cp));
  EXPECT_TRUE(w.companion.ShownErrors().empty());
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST(CompanionProgram, TheInfoWindowClosesWithTheMapItWasOpenedFrom) {
  HostWorld w;
  const int other = MapParcels(w);
  const int map = MapParcels(w);
  ASSERT_TRUE(w.ClickInfoTool(map, 15, 4, {300, 200}));
  w.host.UserCloseWindow(other);
  EXPECT_NE(AliveOrnilWindow(), nullptr);
  w.host.UserCloseWindow(map);
  EXPECT_EQ(AliveOrnilWindow(), nullptr);
}

TEST(CompanionProgram, TheValueCommandsFollowTheLibrarysMessages) {
  HostWorld w;
  const TMapInfo link = w.Link();
  EXPECT_FALSE(w.companion.Choose("Изменить значение"_cp)) << "withdrawn";
  link.ExecuteMapBasic("*#Internal Procedure:AddCreationOfValue");
  link.ExecuteMapBasic("*#Internal Procedure:AddUpdatingOfValue");
  EXPECT_TRUE(w.companion.OffersValueCreation());
  EXPECT_TRUE(w.companion.OffersValueUpdating());
  // The value list keeps the main window disabled: the floating pad still works.
  EXPECT_TRUE(w.companion.Choose("Изменить значение"_cp));
  EXPECT_TRUE(w.companion.Program().PushButton("NewLookupValue"));
  EXPECT_TRUE(w.ShownTexts().empty()) << "no value list is open: the library does nothing";

  link.ExecuteMapBasic("*#Internal Procedure:RemoveCreationOfValue");
  link.ExecuteMapBasic("*#Internal Procedure:RemoveUpdatingOfValue");
  EXPECT_FALSE(w.companion.OffersValueCreation());
  EXPECT_FALSE(w.companion.Program().PushButton("UpdateLookupValue"));
  EXPECT_TRUE(w.companion.Statements().empty());
}

TEST(CompanionProgram, AFailedStatementIsShownOnlyWhileTheLibraryPrintsErrors) {
  HostWorld w;
  const TMapInfo link = w.Link();
  {
    PrintErrorsOff quiet;
    EXPECT_FALSE(link.ExecuteMapBasic("Close Table Nowhere"));
  }
  EXPECT_TRUE(w.companion.ShownErrors().empty());
  const std::string quietError = Reporting().LastMapInfoErrorString;
  EXPECT_NE(quietError.find("Nowhere"), std::string::npos) << "the library still hears why";

  EXPECT_FALSE(link.ExecuteMapBasic("Fetch Rec 99 From Parcels"));
  ASSERT_EQ(w.companion.ShownErrors().size(), 1u) << "shown once";
  EXPECT_EQ(w.companion.ShownErrors()[0], Reporting().LastMapInfoErrorString);
  EXPECT_TRUE(link.ExecuteMapBasic("Fetch Rec 1 From Parcels")) << "a success after a failure";
  EXPECT_EQ(w.companion.ShownErrors().size(), 1u);
  EXPECT_TRUE(w.ShownTexts().empty()) << "the library itself shows nothing";
}

TEST(CompanionProgram, EndingTheProgramClosesTheWindowsAndUnregisters) {
  HostWorld w;
  const TMapInfo link = w.Link();
  ASSERT_TRUE(w.ClickInfoTool(MapParcels(w), 15, 4, {300, 200}));
  const int conversations = w.dde.OpenConversations();
  ASSERT_TRUE(w.companion.Choose("О программе..."_cp));
  ASSERT_TRUE(w.companion.Choose("Выход"_cp));
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_EQ(AliveOrnilWindow(), nullptr);
  EXPECT_TRUE(w.companion.Program().Ended());
  EXPECT_TRUE(w.companion.Program().HaltMessage().empty());
  EXPECT_EQ(w.dde.OpenConversations(), conversations - 1) << "no conversation with it is left";
  EXPECT_TRUE(w.companion.Program().Runtime().Ui().MenuBar().empty());
  EXPECT_FALSE(link.ExecuteMapBasic("Fetch First From Parcels")) << "nobody runs statements";
}

// MapInfo ends while a value list keeps it disabled: the library's windows go, the host gets its
// main window back, the list's browser is closed and nothing is left to talk to.
TEST(CompanionProgram, EndsWithTheHostTooWhileAValueListIsOpen) {
  HostWorld w;
  const TViewLine owner = OwnerLookup(false);
  const std::vector<const TViewLine*> fields{&owner};
  ASSERT_TRUE(ToSaveParametersOfAttributes(w.Link(), "Parcels", fields));
  ASSERT_TRUE(w.ClickInfoTool(MapParcels(w), 15, 4, {300, 200}));
  ASSERT_NE(AliveOrnilWindow(), nullptr);
  auto* lookup = dynamic_cast<TOrnilComboBox*>(AliveOrnilWindow()->Fields[0].Control());
  ASSERT_NE(lookup, nullptr);
  w.user.Click(*lookup->BoundLabel());
  ASSERT_TRUE(AliveOrnilWindow()->ValueListOpen());
  const int listId = AliveOrnilWindow()->ValueListWindowId;
  ASSERT_FALSE(w.desktop.IsWindowEnabled(w.host.MainWindow()));
  const int conversations = w.dde.OpenConversations();

  w.companion.Stop();
  EXPECT_TRUE(w.companion.Program().Ended());
  EXPECT_EQ(AliveOrnilWindow(), nullptr);
  EXPECT_EQ(w.host.Workspace().FindWindow(listId), nullptr) << "the list's browser is closed";
  EXPECT_TRUE(w.desktop.IsWindowEnabled(w.host.MainWindow()));
  for (const ui::Form* form : w.application->Forms())
    EXPECT_FALSE(form->Showing()) << "a window of the library is left";
  EXPECT_EQ(w.dde.OpenConversations(), conversations - 1);
  EXPECT_TRUE(w.ShownTexts().empty());
}

TEST(CompanionProgram, The32BitDeclarationsRunTheSameProgram) {
  HostWorld::Options options;
  options.flavour = sim::Companion::Flavour::Bits32;
  HostWorld w(options);
  EXPECT_NE(w.handles.applicationConv, 0u);
  EXPECT_NE(w.handles.mapInfoConv, 0u);
  const TMapInfo link = w.Link();
  EXPECT_TRUE(link.ExecuteMapBasic("Fetch First From Parcels"));
  EXPECT_EQ(link.RequestText("Parcels.Id"), "1");
  const int map = MapParcels(w);
  ASSERT_TRUE(w.ClickInfoTool(map, 45, 1, {10, 20}));
  ASSERT_NE(AliveOrnilWindow(), nullptr);
  EXPECT_EQ(AliveOrnilWindow()->RowId, 4);
  EXPECT_TRUE(w.ShownTexts().empty());
}

// Each flavour's declarations against the library's exports: the 32-bit DLL takes handles as
// Integer, the 64-bit one as IntPtr, and every declaration binds to a real export.
TEST(CompanionProgram, EachFlavoursDeclarationsFitTheExports) {
  for (const auto flavour : {sim::Companion::Flavour::Bits32, sim::Companion::Flavour::Bits64}) {
    HostWorld::Options options;
    options.flavour = flavour;
    options.registerLibrary = false;
    HostWorld w(options);
    const auto width = flavour == sim::Companion::Flavour::Bits32
                           ? sim::mb::DeclarationWidth::Bits32
                           : sim::mb::DeclarationWidth::Bits64;
    const auto& program = w.companion.Program().Runtime().Code();
    const auto report = sim::mb::CheckDeclarations(program, w.companion.Natives(), width);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_TRUE(report.unbound.empty()) << report.unbound.front();
  }
}

// The 32-bit DLL binds each name to its stdcall symbol, whose size of arguments the 32-bit
// declarations must give: four bytes a parameter.
TEST(CompanionProgram, The32BitDeclarationsPassWhatTheExportsTake) {
  HostWorld::Options options;
  options.flavour = sim::Companion::Flavour::Bits32;
  options.registerLibrary = false;
  HostWorld w(options);
  std::ifstream def(ORNIL_SOURCE_DIR "/src/exports/Ornil.def");
  std::string line;
  int checked = 0;
  const auto& declarations = w.companion.Program().Runtime().Code().declarations;
  while (std::getline(def, line)) {
    const auto at = line.find('@');
    const auto equals = line.find(" = ");
    if (at == std::string::npos || equals == std::string::npos) continue;
    const std::string name = std::string(text::Trim(line.substr(0, equals)));
    // For programs built against the library's headers; the companion does not use them.
    if (name == "TWindowDividerCreate" || name == "TBorderBitBtnCreate") continue;
    const int bytes = std::stoi(line.substr(at + 1));
    auto it = declarations.find(text::Lower(name));
    ASSERT_NE(it, declarations.end()) << name << " is not declared";
    EXPECT_EQ(it->second.params.size() * 4, static_cast<std::size_t>(bytes)) << name;
    ++checked;
  }
  EXPECT_GE(checked, 8);
}

TEST(CompanionProgram, ItsSourceIsWindows1251) {
  for (const char* file : {"OrnilApp.mb", "OrnilDll32.def", "OrnilDll64.def"}) {
    std::ifstream in(std::string(ORNIL_SOURCE_DIR "/companion/") + file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    const std::string bytes = content.str();
    ASSERT_FALSE(bytes.empty()) << file;
    if (std::string(file) == "OrnilApp.mb") {
      EXPECT_NE(bytes.find("Настройка таблицы"_cp), std::string::npos);
    }
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
      const auto lead = static_cast<unsigned char>(bytes[i]);
      const auto next = static_cast<unsigned char>(bytes[i + 1]);
      ASSERT_FALSE((lead == 0xD0 || lead == 0xD1) && next >= 0x80 && next <= 0xBF)
          << file << " holds UTF-8 at byte " << i;
    }
  }
}

}  // namespace
}  // namespace ornil::testing
