// The About window through its exports in the simulated host: what it shows, how it keeps the
// host main window disabled while it is open, closing it, replacing it (also from inside its own
// handler) and destroying it.
#include <gtest/gtest.h>

#include <string>

#include "exports/ornil_exports.h"
#include "integration/about_box.h"
#include "support/sim_world.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

struct About : ::testing::Test {
  testing::SimWorld world;
  platform::WindowHandle host =
      world.desktop.CreateHostWindow("MapInfoFrame", "MapInfo", {0, 0, 800, 600});
  platform::WindowHandle browser =
      world.desktop.CreateHostWindow("MapInfoBrowser", "Parcels", {50, 50, 400, 300});

  void SetUp() override { world.application->SetHandle(host); }

  bool HostEnabled() { return world.desktop.IsWindowEnabled(host); }
  std::size_t GuardHooks() { return world.desktop.HookCount(platform::HookKind::CallWndProc); }
  std::size_t Forms() { return world.application->Forms().size(); }
};

TEST_F(About, ShowsTheProductTextAndKeepsTheHostsWindowsDisabled) {
  ::ViewAboutProg("Ornil — информационное окно"_cp);
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_TRUE(AboutBox->Visible());
  EXPECT_EQ(AboutBox->Text(), "О Программе"_cp);
  EXPECT_EQ(AboutBox->ProductName->Text(), "Ornil — информационное окно"_cp);
  EXPECT_FALSE(AboutBox->Copyright->Text().empty());
  EXPECT_FALSE(AboutBox->Comments->Text().empty());
  EXPECT_EQ(AboutBox->ProgramIcon->PictureWidth(), 65);
  EXPECT_FALSE(HostEnabled());
  EXPECT_FALSE(world.desktop.IsWindowEnabled(browser));
  EXPECT_EQ(GuardHooks(), 1u);

  // The host enables its main window again, as after one of its own dialogs: the hook disables
  // it at once, and goes.
  world.desktop.EnableWindow(host, true);
  EXPECT_FALSE(HostEnabled());
  EXPECT_EQ(GuardHooks(), 0u);
  EXPECT_TRUE(world.ShownTexts().empty());

  ::ViewAboutProg(nullptr);
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_EQ(AboutBox->ProductName->Text(), "");
}

TEST_F(About, OkOrEscClosesItAndTheHostComesBack) {
  for (const bool esc : {false, true}) {
    ::ViewAboutProg("Ornil");
    ASSERT_NE(AboutBox, nullptr);
    TAboutBoxForm* about = AboutBox;
    if (esc)
      ASSERT_TRUE(world.user.TypeChar(*about->OKButton, '\x1b'));
    else
      ASSERT_TRUE(world.user.Click(*about->OKButton));
    EXPECT_EQ(AboutBox, nullptr) << (esc ? "Esc" : "OK");
    EXPECT_EQ(Forms(), 0u);
    EXPECT_TRUE(HostEnabled());
    EXPECT_TRUE(world.desktop.IsWindowEnabled(browser));
    EXPECT_EQ(world.desktop.GetActiveWindow(), host);
    EXPECT_EQ(GuardHooks(), 0u);
  }
  // Nothing is left to destroy.
  ::DestroyAboutWindow();
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_TRUE(world.ShownTexts().empty());
}

TEST_F(About, ASecondCallReplacesTheWindowAndTheHostStaysDisabled) {
  ::ViewAboutProg("first");
  ::ViewAboutProg("second");
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_EQ(Forms(), 1u);
  EXPECT_EQ(AboutBox->ProductName->Text(), "second");
  EXPECT_FALSE(HostEnabled());
  EXPECT_EQ(GuardHooks(), 1u);

  ::DestroyAboutWindow();
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_EQ(Forms(), 0u);
  EXPECT_TRUE(HostEnabled());
  EXPECT_EQ(GuardHooks(), 0u);
}

// The old window is busy in its own click handler when it is replaced, so it goes only after its
// successor came: its going must leave the successor, its pointer and the disabled host alone.
TEST_F(About, AWindowReplacedFromItsOwnHandlerGoesWithoutUndoingItsSuccessor) {
  ::ViewAboutProg("first");
  TAboutBoxForm* first = AboutBox;
  first->OKButton->OnClick = [](ui::Component&) { ::ViewAboutProg("second"); };
  ASSERT_TRUE(world.user.Click(*first->OKButton));
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_NE(AboutBox, first);
  EXPECT_EQ(Forms(), 1u) << "the first went once its handler returned";
  EXPECT_EQ(AboutBox->ProductName->Text(), "second");
  EXPECT_FALSE(HostEnabled());

  ASSERT_TRUE(world.user.Click(*AboutBox->OKButton));
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_TRUE(HostEnabled());
  EXPECT_EQ(GuardHooks(), 0u);
  EXPECT_TRUE(world.ShownTexts().empty());
}

}  // namespace
}  // namespace ornil
