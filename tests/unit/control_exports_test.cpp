// The divider and bordered button made through their exports: owned by the given component, or by
// the application object, and freed with it.
#include <gtest/gtest.h>

#include "controls/border_bit_btn.h"
#include "controls/window_divider.h"
#include "exports/ornil_exports.h"
#include "support/sim_world.h"
#include "ui/form.h"

namespace ornil {
namespace {

TEST(ControlExports, MakeControlsOwnedByTheGivenComponentOrTheApplication) {
  testing::SimWorld world;
  auto* form = ui::Make<ui::Form>(world.application.get());
  auto* divider = static_cast<TWindowDivider*>(::TWindowDividerCreate(form));
  ASSERT_NE(divider, nullptr);
  EXPECT_EQ(divider->Owner(), form);
  EXPECT_EQ(dynamic_cast<TWindowDivider*>(static_cast<ui::Component*>(divider)), divider);

  auto* button = static_cast<TBorderBitBtn*>(::TBorderBitBtnCreate(nullptr));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Owner(), world.application.get());
  EXPECT_EQ(dynamic_cast<TBorderBitBtn*>(static_cast<ui::Component*>(button)), button);
  EXPECT_TRUE(world.ShownTexts().empty());
}

}  // namespace
}  // namespace ornil
