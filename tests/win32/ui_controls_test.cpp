// The toolkit's Win32 backend under Wine: real windows of every control kind driven with real
// messages give what the headless backend gives; a foreign window's procedure is taken over and
// given back; thread hooks see what the system sends.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/seams.h"
#include "platform/win32/window_manager_win32.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"
#include "unit/ui_parity_script.h"

namespace ornil::ui {
namespace {

struct Win32Ui : ::testing::Test {
  win32::Win32Backend backend;
  Application app{backend};
  platform::WindowManager& windows = platform::win32::RealWindowManager();
  platform::Hooks& hooks = platform::win32::RealHooks();

  void SetUp() override {
    platform::Seams seams;
    seams.windows = &windows;
    seams.hooks = &hooks;
    platform::Install(seams);
  }
  void TearDown() override { platform::Install({}); }
};

TEST_F(Win32Ui, RealWindowsGiveTheObservationsOfTheHeadlessBackend) {
  EXPECT_EQ(parity::RunScript(app), parity::ExpectedObservations());
}

}  // namespace
}  // namespace ornil::ui
