// The library's whole life in the simulated host: unloading it while an info window, the setup
// window and the About window are open leaves no window, hook, DDEML instance, host variable or
// temporary table behind, gives the host its windows back and shows nothing; loading it again works
// as the first time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exports/modules.h"
#include "exports/ornil_exports.h"
#include "infowindow/info_window_module.h"
#include "integration/about_box.h"
#include "integration/events_translator.h"
#include "setup/select_table_window.h"
#include "setup/setup_module.h"
#include "setup/setup_window.h"
#include "sim/data/sample_tables.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

using namespace std::string_literals;

struct LibraryLife : ::testing::Test {
  HostWorld w;

  std::vector<platform::WindowHandle> VisibleWindows() {
    std::vector<platform::WindowHandle> visible;
    for (const platform::WindowHandle window : w.desktop.ThreadWindows())
      if (w.desktop.IsWindowVisible(window)) visible.push_back(window);
    return visible;
  }
  std::vector<std::string> VariableNames() {
    std::vector<std::string> names;
    for (const auto& variable : w.host.Workspace().Variables())
      names.push_back(variable.name);
    return names;
  }
  bool AllEnabled(const std::vector<platform::WindowHandle>& windows) {
    for (const platform::WindowHandle window : windows)
      if (!w.desktop.IsWindowEnabled(window)) return false;
    return true;
  }

  // What the DLL's entry point does on unload: the modules, then the application object with the
  // windows it still owns; and on the next load the reverse.
  void Unload() {
    UnloadLibraryModules();
    w.application.reset();
  }
  void Load() {
    w.application = std::make_unique<ui::Application>(w.backend);
    LoadLibraryModules();
  }
};

TEST_F(LibraryLife, UnloadingWithWindowsOpenLeavesNothingBehind) {
  const auto tables = w.host.Workspace().TableNames();
  const auto variables = VariableNames();
  ASSERT_TRUE(w.Link().ExecuteMapBasic("Map from \"Parcels\", \""s + sim::data::kDistricts + "\""));
  const auto mapWindows = VisibleWindows();
  ASSERT_TRUE(w.ClickInfoTool(w.host.Workspace().FrontWindowId(), 15, 4, {300, 200}));
  ASSERT_NE(AliveOrnilWindow(), nullptr);
  ASSERT_TRUE(w.companion.Choose("Настройка таблицы..."_cp));
  ASSERT_NE(SetupWindow, nullptr);
  TSelectTableWindow& tableDialog = *SetupWindow->SelectTableWindow;
  w.user.SelectItem(*tableDialog.ComboBox1, tableDialog.ComboBox1->IndexOf(sim::data::kParcels));
  w.user.Click(*tableDialog.OkButton);
  ASSERT_TRUE(w.desktop.IsWindowVisible(SetupWindow->GetHandle()));
  ASSERT_TRUE(w.companion.Choose("О программе..."_cp));
  ASSERT_NE(AboutBox, nullptr);
  ASSERT_EQ(w.dde.Instances(), 1);
  ASSERT_TRUE(EventsTranslatorInstalled());
  ASSERT_NE(VariableNames(), variables);

  Unload();
  EXPECT_EQ(AliveOrnilWindow(), nullptr);
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_FALSE(SetupWindowExists);
  EXPECT_EQ(w.dde.Instances(), 0);
  EXPECT_EQ(w.desktop.HookCount(platform::HookKind::GetMsg), 0u);
  EXPECT_EQ(w.desktop.HookCount(platform::HookKind::CallWndProc), 0u);
  EXPECT_EQ(VisibleWindows(), mapWindows);
  EXPECT_TRUE(AllEnabled(mapWindows));
  EXPECT_EQ(VariableNames(), variables);
  EXPECT_EQ(w.host.Workspace().TableNames(), tables);
  EXPECT_TRUE(w.ShownTexts().empty()) << w.ShownTexts().front();

  Load();
  EXPECT_EQ(w.dde.Instances(), 1);
  EXPECT_TRUE(EventsTranslatorInstalled());
  ::ViewAboutProg("Ornil"_cp);
  EXPECT_NE(AboutBox, nullptr);
  EXPECT_TRUE(w.ShownTexts().empty());
}

}  // namespace
}  // namespace ornil::testing
