// Bounds in the toolkit: anchors when the parent is resized, size limits, client sizes, where a
// form first shows, sizes that follow the text, and scrolling in a scroll box.
#include <gtest/gtest.h>

#include "support/sim_world.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/scroll_box.h"
#include "unit/ui_parity_script.h"

namespace ornil::ui {
namespace {

struct Layout : ::testing::Test {
  testing::SimWorld world;
  Form* form = Make<Form>(world.application.get());
};

TEST_F(Layout, AnchorsKeepDistancesToTheAnchoredEdges) {
  form->SetClientSize(400, 300);
  auto* fixed = Make<Edit>(form);
  auto* stretched = Make<Edit>(form);
  auto* corner = Make<Edit>(form);
  auto* tall = Make<Edit>(form);
  for (Edit* e : {fixed, stretched, corner, tall}) {
    e->SetAutoSize(false);
    e->SetParent(form);
  }
  fixed->SetBounds(10, 10, 100, 20);
  stretched->SetBounds(10, 40, 100, 20);
  stretched->SetAnchors(kAnchorLeft | kAnchorTop | kAnchorRight);
  corner->SetBounds(300, 250, 90, 40);
  corner->SetAnchors(kAnchorRight | kAnchorBottom);
  tall->SetBounds(10, 70, 50, 100);
  tall->SetAnchors(kAnchorsAll);

  form->SetClientSize(500, 350);
  EXPECT_EQ(fixed->BoundsRect(), Rect::Bounds(10, 10, 100, 20));
  EXPECT_EQ(stretched->BoundsRect(), Rect::Bounds(10, 40, 200, 20));
  EXPECT_EQ(corner->BoundsRect(), Rect::Bounds(400, 300, 90, 40));
  EXPECT_EQ(tall->BoundsRect(), Rect::Bounds(10, 70, 150, 150));

  form->SetClientSize(400, 300);
  EXPECT_EQ(stretched->BoundsRect(), Rect::Bounds(10, 40, 100, 20));
  EXPECT_EQ(corner->BoundsRect(), Rect::Bounds(300, 250, 90, 40));
}

TEST_F(Layout, AnchorsFollowAResizeByTheUser) {
  form->SetBorderStyle(BorderStyle::Sizeable);
  form->SetBounds(100, 100, 300, 200);
  auto* button = Make<Edit>(form);
  button->SetParent(form);
  button->SetAutoSize(false);
  button->SetBounds(200, 150, 28, 28);
  button->SetAnchors(kAnchorRight | kAnchorBottom);
  form->Show();
  world.user.DragBorder(*form, 8, Rect::Bounds(100, 100, 350, 260));
  EXPECT_EQ(form->BoundsRect(), Rect::Bounds(100, 100, 350, 260));
  EXPECT_EQ(button->BoundsRect(), Rect::Bounds(250, 210, 28, 28));
}

TEST_F(Layout, ConstraintsBoundEverySizeChange) {
  form->SetBorderStyle(BorderStyle::Sizeable);
  form->SetBounds(0, 0, 300, 200);
  form->SetConstraints({150, 100, 400, 0});
  form->SetBounds(0, 0, 100, 50);
  EXPECT_EQ(form->Width(), 150);
  EXPECT_EQ(form->Height(), 100);
  form->SetBounds(0, 0, 900, 900);
  EXPECT_EQ(form->Width(), 400);
  EXPECT_EQ(form->Height(), 900) << "0 is no limit";
  form->Show();
  // Dragging a border is held to the same limits, the dragged edge moving.
  const Rect r = world.user.DragBorder(*form, 7, Rect::Bounds(380, 0, 20, 900));
  EXPECT_EQ(r, Rect::Bounds(250, 0, 150, 900));
}

TEST_F(Layout, ClientSizeLeavesTheFrameOutside) {
  form->SetBorderStyle(BorderStyle::Dialog);
  form->SetClientSize(249, 106);
  EXPECT_EQ(form->ClientWidth(), 249);
  EXPECT_EQ(form->ClientHeight(), 106);
  EXPECT_GT(form->Width(), 249);
  const int frame = form->Height() - form->ClientHeight();
  // A sizeable tool window has another frame; the client area stays as it was.
  form->SetBorderStyle(BorderStyle::SizeToolWin);
  EXPECT_NE(form->Height() - form->ClientHeight(), frame);
  form->SetClientHeight(66);
  EXPECT_EQ(form->ClientHeight(), 66);
}

TEST_F(Layout, FirstShowingPlacesTheFormByItsPosition) {
  const auto host = world.desktop.CreateHostWindow("Host", "", {100, 50, 900, 650});
  world.application->SetHandle(host);
  auto* centred = Make<Form>(world.application.get());
  centred->SetBounds(0, 0, 200, 100);
  centred->SetPosition(FormPosition::OwnerFormCenter);
  centred->Show();
  EXPECT_EQ(centred->BoundsRect(), Rect::Bounds(400, 300, 200, 100));
  // Only the first time: the user's later move stays.
  centred->Hide();
  centred->SetBounds(10, 10, 200, 100);
  centred->Show();
  EXPECT_EQ(centred->Left(), 10);

  form->SetBounds(293, 154, 450, 300);
  form->Show();
  EXPECT_EQ(form->BoundsRect(), Rect::Bounds(293, 154, 450, 300));
}

TEST_F(Layout, OwnerCentringStaysOnTheWorkArea) {
  world.desktop.SetWorkArea({0, 0, 640, 480});
  const auto host = world.desktop.CreateHostWindow("Host", "", {-300, -300, 100, 100});
  world.application->SetHandle(host);
  form->SetBounds(0, 0, 300, 200);
  form->SetPosition(FormPosition::OwnerFormCenter);
  form->Show();
  EXPECT_EQ(form->Left(), 0);
  EXPECT_EQ(form->Top(), 0);
}

TEST_F(Layout, AutoSizedControlsTakeTheirSizeFromTheirText) {
  auto* label = Make<Label>(form);
  label->SetParent(form);
  label->SetText("Caption:");
  const Size text = label->TextExtent("Caption:");
  EXPECT_EQ(label->Width(), text.cx);
  EXPECT_EQ(label->Height(), text.cy);
  Font bigger = label->GetFont();
  bigger.height = -22;
  label->SetFont(bigger);
  EXPECT_EQ(label->Width(), label->TextExtent("Caption:").cx);
  EXPECT_GT(label->Width(), text.cx);
  // A right-aligned label grows to the left.
  label->SetAlignment(Alignment::Right);
  const int right = label->Left() + label->Width();
  label->SetText("Longer caption:");
  EXPECT_EQ(label->Left() + label->Width(), right);

  auto* edit = Make<Edit>(form);
  edit->SetParent(form);
  EXPECT_EQ(edit->Height(), edit->TextExtent("Wg").cy + 8);
}

TEST_F(Layout, ChildrenInheritTheParentsFontUntilGivenTheirOwn) {
  Font arial;
  arial.name = "Arial";
  arial.height = -11;
  arial.charset = kCharsetRussian;
  form->SetFont(arial);
  auto* inherits = Make<Edit>(form);
  inherits->SetParent(form);
  auto* own = Make<Edit>(form);
  Font bold = arial;
  bold.bold = true;
  own->SetFont(bold);
  own->SetParent(form);
  EXPECT_EQ(inherits->GetFont(), arial);
  Font larger = arial;
  larger.height = -14;
  form->SetFont(larger);
  EXPECT_EQ(inherits->GetFont().height, -14);
  EXPECT_EQ(own->GetFont(), bold);
}

TEST_F(Layout, ScrollBoxScrollsItsChildrenByTheIncrement) {
  form->SetClientSize(300, 200);
  auto* box = Make<ScrollBox>(form);
  box->SetParent(form);
  box->SetBordered(false);
  box->SetBounds(0, 0, 300, 100);
  box->SetVertIncrement(22);
  std::vector<Edit*> rows;
  for (int i = 0; i < 10; ++i) {
    auto* row = Make<Edit>(form);
    row->SetAutoSize(false);
    row->SetParent(box);
    row->SetBounds(0, i * 22, 100, 20);
    row->SetAnchors(kAnchorLeft | kAnchorTop | kAnchorRight);
    rows.push_back(row);
  }
  EXPECT_TRUE(box->VertScrollBarShowing());
  EXPECT_EQ(box->VertRange(), 218);
  EXPECT_EQ(box->ClientWidth(), 300 - 17);
  EXPECT_EQ(rows[0]->Width(), 100 - 17) << "rows anchored right give way to the scroll bar";

  world.backend.SendMessage(box->GetHandle(), wm::VScroll, 1, 0);
  EXPECT_EQ(box->VertPosition(), 22);
  EXPECT_EQ(rows[0]->Top(), -22);
  EXPECT_EQ(rows[1]->Top(), 0);
  box->ScrollTo(10000);
  EXPECT_EQ(box->VertPosition(), 218 - 100);
  box->ScrollTo(0);
  EXPECT_EQ(rows[0]->Top(), 0);

  box->SetVertScrollBarVisible(false);
  EXPECT_FALSE(box->VertScrollBarShowing());
  EXPECT_EQ(box->ClientWidth(), 300);
}

TEST_F(Layout, ScrollingMovesAControlAndTheCaptionItPlacesOnlyOnce) {
  auto* box = Make<ScrollBox>(form);
  box->SetParent(form);
  box->SetBounds(0, 0, 200, 60);
  box->SetVertIncrement(10);
  auto* captioned = Make<parity::CaptionedEdit>(form);
  captioned->SetParent(box);
  captioned->SetBounds(10, 40, 100, 20);
  auto* below = Make<Edit>(form);
  below->SetParent(box);
  below->SetBounds(10, 100, 100, 20);
  ASSERT_EQ(captioned->Caption().Top(), 40 - parity::CaptionedEdit::kGap);
  box->ScrollTo(30);
  EXPECT_EQ(captioned->Top(), 10);
  EXPECT_EQ(captioned->Caption().Top(), 10 - parity::CaptionedEdit::kGap);
  box->ScrollTo(0);
  EXPECT_EQ(captioned->Caption().Top(), 40 - parity::CaptionedEdit::kGap);
}

}  // namespace
}  // namespace ornil::ui
