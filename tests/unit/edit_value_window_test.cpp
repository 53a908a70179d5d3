// The edit value window: its two modes and their heights, Tab in the memo, Cancel, and where it
// opens.
#include <gtest/gtest.h>

#include "controls/edit_value_window.h"
#include "support/sim_world.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

struct EditValue : ::testing::Test {
  testing::SimWorld world;
  ui::Form* owner = ui::Make<ui::Form>(world.application.get());
  TEditValueWindow* window = ui::Make<TEditValueWindow>(owner);
  ui::headless::Driver& user = world.user;
};

TEST_F(EditValue, SwitchingModesGivesTheSameHeightsEachTime) {
  EXPECT_EQ(window->Text(), "Новое значение"_cp);
  EXPECT_EQ(window->ClientHeight(), 106);
  EXPECT_EQ(window->BottomMargin, 38);
  for (int round = 0; round < 2; ++round) {
    window->ShowDateEditor();
    EXPECT_EQ(window->ClientHeight(), 66);
    EXPECT_FALSE(window->Value->Visible());
    EXPECT_TRUE(window->DateValue->Visible());
    EXPECT_EQ(window->OkButton->Top(), 34) << "the buttons follow the bottom edge";
    EXPECT_EQ(window->CancelButton->Top(), 34);
    window->ShowTextEditor();
    EXPECT_EQ(window->ClientHeight(), 106);
    EXPECT_TRUE(window->Value->Visible());
    EXPECT_FALSE(window->DateValue->Visible());
    EXPECT_EQ(window->OkButton->Top(), 74);
    EXPECT_EQ(window->Value->Height(), 62);
  }
}

TEST_F(EditValue, TabTypedInTheMemoDoesNothingAndEnterPressesOk) {
  int oks = 0;
  window->OkButton->OnClick = [&oks](ui::Component&) { ++oks; };
  window->ShowTextEditor();
  window->Show();
  user.Type(*window->Value, "a\tb\r");
  EXPECT_EQ(window->Value->Text(), "ab");
  EXPECT_EQ(oks, 1);
}

TEST_F(EditValue, CancelClosesTheWindowThroughItsCloseHandler) {
  int closes = 0;
  window->OnClose = [&closes](ui::Form&, ui::CloseAction&) { ++closes; };
  window->ShowDateEditor();
  window->Show();
  EXPECT_TRUE(window->DateValue->Focused()) << "the date editor takes the focus in date mode";
  user.Click(*window->CancelButton);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(window->Visible());
  window->ShowTextEditor();
  window->Show();
  EXPECT_TRUE(window->Value->Focused());
  user.PressKey(*window->Value, ui::vk::Escape);
  EXPECT_EQ(closes, 2) << "Esc presses Cancel";
}

TEST_F(EditValue, ItOpensCentredOnTheWindowThatOwnsIt) {
  owner->SetBounds(200, 150, 500, 300);
  owner->Show();
  window->Show();
  const ui::Rect o = owner->BoundsRect();
  const ui::Rect w = window->BoundsRect();
  EXPECT_EQ(w.left, o.left + (o.Width() - w.Width()) / 2);
  EXPECT_EQ(w.top, o.top + (o.Height() - w.Height()) / 2);
}

}  // namespace
}  // namespace ornil
