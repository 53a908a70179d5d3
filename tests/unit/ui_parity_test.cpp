// The headless backend answers the shared message script as the real windows do.
#include <gtest/gtest.h>

#include "support/sim_world.h"
#include "unit/ui_parity_script.h"
#include "unit/ui_setup_parity_script.h"

namespace ornil::ui {
namespace {

TEST(Parity, HeadlessBackendGivesTheObservationsOfTheRealWindows) {
  testing::SimWorld world;
  EXPECT_EQ(parity::RunScript(*world.application), parity::ExpectedObservations());
}

TEST(Parity, HeadlessBackendGivesTheSetupWindowsObservationsOfTheRealWindows) {
  testing::SimWorld world;
  const auto hold = [&](bool shift, bool ctrl) {
    world.backend.SetKeyboardState((shift ? kShiftShift : kShiftNone) |
                                   (ctrl ? kShiftCtrl : kShiftNone));
  };
  EXPECT_EQ(parity::RunSetupScript(*world.application, hold), parity::ExpectedSetupObservations());
}

}  // namespace
}  // namespace ornil::ui
