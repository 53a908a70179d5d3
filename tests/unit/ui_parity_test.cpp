// The headless backend answers the shared message script as the real windows do.
#include <gtest/gtest.h>

#include "support/sim_world.h"
#include "unit/ui_parity_script.h"

namespace ornil::ui {
namespace {

TEST(Parity, HeadlessBackendGivesTheObservationsOfTheRealWindows) {
  testing::SimWorld world;
  EXPECT_EQ(parity::RunScript(*world.application), parity::ExpectedObservations());
}

}  // namespace
}  // namespace ornil::ui
