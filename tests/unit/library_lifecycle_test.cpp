// The library's whole life in the simulated host: unloading it while its windows are open leaves
// no window, hook or DDEML instance behind, gives the host its main window back and shows nothing;
// loading it again works as the first time.
#include <gtest/gtest.h>

#include "exports/modules.h"
#include "exports/ornil_exports.h"
#include "integration/about_box.h"
#include "integration/events_translator.h"
#include "support/sim_world.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

struct LibraryLife : ::testing::Test {
  testing::SimWorld world;
  platform::WindowHandle host =
      world.desktop.CreateHostWindow("MapInfoFrame", "MapInfo", {0, 0, 800, 600});

  void SetUp() override { world.application->SetHandle(host); }

  // What the DLL's entry point does on unload: the modules, then the application object with the
  // windows it still owns.
  void Unload() {
    UnloadLibraryModules();
    world.application.reset();
  }
  // The toolkit's hidden parking window goes with the backend, which outlives this test's unload.
  std::vector<platform::WindowHandle> VisibleWindows() {
    std::vector<platform::WindowHandle> visible;
    for (const platform::WindowHandle window : world.desktop.ThreadWindows())
      if (world.desktop.IsWindowVisible(window)) visible.push_back(window);
    return visible;
  }
  void Load() {
    world.application = std::make_unique<ui::Application>(world.backend);
    world.application->SetHandle(host);
    LoadLibraryModules();
  }
};

TEST_F(LibraryLife, UnloadingWithWindowsOpenLeavesNothingBehind) {
  ASSERT_EQ(world.dde.Instances(), 1);
  ASSERT_TRUE(EventsTranslatorInstalled());
  ::ViewAboutProg("Ornil"_cp);
  ASSERT_NE(AboutBox, nullptr);
  ASSERT_FALSE(world.desktop.IsWindowEnabled(host));

  Unload();
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_EQ(world.dde.Instances(), 0);
  EXPECT_EQ(world.desktop.HookCount(platform::HookKind::GetMsg), 0u);
  EXPECT_EQ(world.desktop.HookCount(platform::HookKind::CallWndProc), 0u);
  EXPECT_EQ(VisibleWindows(), std::vector<platform::WindowHandle>{host});
  EXPECT_TRUE(world.desktop.IsWindowEnabled(host));
  EXPECT_TRUE(world.ShownTexts().empty());

  Load();
  EXPECT_EQ(world.dde.Instances(), 1);
  EXPECT_TRUE(EventsTranslatorInstalled());
  ::ViewAboutProg("Ornil"_cp);
  EXPECT_NE(AboutBox, nullptr);
  EXPECT_TRUE(world.ShownTexts().empty());
}

}  // namespace
}  // namespace ornil
