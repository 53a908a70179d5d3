// The bordered labelled controls on the headless toolkit: where the caption label stands and what
// it follows, the frame in the border colour, the read-only behaviours, the flat button's rings
// and the divider's lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "controls/border_bit_btn.h"
#include "controls/border_check_box.h"
#include "controls/border_combo_box.h"
#include "controls/border_date_edit.h"
#include "controls/border_edit.h"
#include "controls/ornil_combo_box.h"
#include "controls/window_divider.h"
#include "support/sim_world.h"
#include "text/cp1251.h"
#include "ui/form.h"

namespace ornil {
namespace {

using ui::Rect;

bool Has(const std::vector<std::string>& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

std::vector<std::string> Edges(const std::vector<std::string>& log) {
  std::vector<std::string> edges;
  std::copy_if(log.begin(), log.end(), std::back_inserter(edges),
               [](const std::string& line) { return line.rfind("DrawEdge", 0) == 0; });
  return edges;
}

struct BorderControls : ::testing::Test {
  testing::SimWorld world;
  ui::Form* form = ui::Make<ui::Form>(world.application.get());
  ui::headless::Driver& user = world.user;

  template <class T>
  T* Add(int left = 100, int top = 50, int width = 120, int height = 21) {
    auto* control = ui::Make<T>(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  std::vector<std::string> PaintOf(ui::Control& control) {
    world.backend.ClearPaintLog(control.GetHandle());
    user.Paint(control);
    return world.backend.PaintLog(control.GetHandle());
  }
};

TEST_F(BorderControls, TheLabelStandsAtItsPositionAndFollowsEveryMove) {
  auto* edit = Add<TBorderEdit>();
  TBorderBoundLabel* label = edit->EditLabel();
  label->SetText("Name:");
  // Five characters of 6 pixels and 4 border widths; a line of 13 and 4 border heights.
  ASSERT_EQ(label->BoundsRect(), Rect::Bounds(63, 52, 34, 17));
  EXPECT_EQ(label->Left() + label->Width() + 3, edit->Left()) << "right edge 3 pixels left of it";
  EXPECT_EQ(label->GetAlignment(), ui::Alignment::Right);

  edit->SetBounds(110, 60, 120, 21);
  EXPECT_EQ(label->BoundsRect(), Rect::Bounds(73, 62, 34, 17));
  edit->SetLabelPosition(lpAbove);
  EXPECT_EQ(label->BoundsRect(), Rect::Bounds(110, 40, 34, 17));
  EXPECT_EQ(label->GetAlignment(), ui::Alignment::Center);
  edit->SetLabelPosition(lpBelow);
  EXPECT_EQ(label->BoundsRect(), Rect::Bounds(110, 84, 34, 17));
  edit->SetLabelPosition(lpRight);
  EXPECT_EQ(label->BoundsRect(), Rect::Bounds(233, 62, 34, 17));
  EXPECT_EQ(label->GetAlignment(), ui::Alignment::Left);
  edit->SetLabelSpacing(10);
  EXPECT_EQ(label->Left(), 240);

  // A label taller than its control: the halving rounds toward zero.
  edit->SetAutoSize(false);
  edit->SetLabelPosition(lpLeft);
  edit->SetBounds(110, 60, 120, 16);
  EXPECT_EQ(label->Top(), 60);
  label->SetText("Longer:");
  EXPECT_EQ(label->Left(), 110 - 46 - 10) << "a new caption is measured and placed again";
}

TEST_F(BorderControls, EveryLabelledControlHasItsLabelOnTheLeft) {
  std::vector<ui::Control*> controls = {Add<TBorderDateEdit>(), Add<TBorderComboBox>(),
                                        Add<TOrnilComboBox>()};
  for (ui::Control* control : controls) {
    auto* host = dynamic_cast<LabelHost*>(control);
    ASSERT_NE(host, nullptr);
    ui::StaticText* label = nullptr;
    for (ui::Component* c : control->Components())
      if (auto* l = dynamic_cast<TBorderBoundLabel*>(c)) label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    EXPECT_EQ(label->Left() + label->Width() + 3, control->Left());
    EXPECT_EQ(label->FocusControl(), control);
    EXPECT_TRUE(world.desktop.Style(label->GetHandle()) & ui::ss::CenterImage);
  }
  auto* lookup = static_cast<TOrnilComboBox*>(controls[2]);
  ASSERT_NE(lookup->BoundLabel(), nullptr) << "the lookup box has the plain bound label";
  EXPECT_EQ(lookup->BoundLabel()->Name(), "TableRowSubLabel");
  EXPECT_EQ(lookup->Components().size(), 1u) << "the bordered label it replaced is gone";
}

TEST_F(BorderControls, TheLabelFollowsParentVisibilityAndEnabledStateUntilItIsFreed) {
  auto* edit = Add<TBorderEdit>();
  TBorderBoundLabel* label = edit->EditLabel();
  form->Show();
  edit->Hide();
  EXPECT_FALSE(label->Visible());
  edit->Show();
  EXPECT_TRUE(label->Visible());
  edit->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  edit->SetEnabled(true);
  EXPECT_TRUE(label->Enabled());

  // The system's enabling counts as well, and so does the reading order.
  world.desktop.EnableWindow(edit->GetHandle(), false);
  EXPECT_FALSE(edit->Enabled());
  EXPECT_FALSE(label->Enabled());
  world.desktop.EnableWindow(edit->GetHandle(), true);
  EXPECT_TRUE(label->Enabled());
  edit->SetBiDiMode(ui::BiDiMode::RightToLeftReadingOnly);
  EXPECT_EQ(label->GetBiDiMode(), ui::BiDiMode::RightToLeftReadingOnly);

  auto* other = ui::Make<ui::Form>(world.application.get());
  label->Hide();
  edit->SetParent(other);
  EXPECT_EQ(label->Parent(), other);
  EXPECT_TRUE(label->Visible());

  label->Free();
  EXPECT_EQ(edit->EditLabel(), nullptr);
  edit->SetBounds(0, 0, 50, 21);
  edit->Hide();
  edit->Free();
}

TEST_F(BorderControls, TheLookupLabelUnderlinesUnderTheMouseWhenAsked) {
  auto* lookup = Add<TOrnilComboBox>();
  TBoundLabel* label = lookup->BoundLabel();
  label->Perform(ui::cm::MouseEnter);
  EXPECT_FALSE(label->GetFont().underline);
  label->UnderlineOnHover = true;
  label->Perform(ui::cm::MouseEnter);
  EXPECT_TRUE(label->GetFont().underline);
  label->Perform(ui::cm::MouseLeave);
  EXPECT_FALSE(label->GetFont().underline);
}

TEST_F(BorderControls, TheFrameIsDrawnInTheBorderColourResolved) {
  auto* edit = Add<TBorderEdit>();
  form->Show();
  // The edit's client edge lies inside the frame: filled in the edit's colour.
  auto log = PaintOf(*edit);
  EXPECT_TRUE(Has(log, "FrameRect 0,0,120,21 #B99D7F"));
  EXPECT_TRUE(Has(log, "ExcludeClip 2,2,118,19"));
  EXPECT_TRUE(Has(log, "FillRect 1,1,119,20 #FFFFFF"));

  world.backend.Paint(edit->GetHandle());
  edit->SetBorderColor(ui::kColorHighlight);
  EXPECT_TRUE(world.backend.Invalid(edit->GetHandle())) << "a new colour is painted again";
  log = PaintOf(*edit);
  EXPECT_TRUE(Has(log, "FrameRect 0,0,120,21 #FF9933")) << "the system colour, resolved";

  // Windows whose client area is the whole window get a ring in their own colour.
  auto* combo = Add<TBorderComboBox>(100, 80, 120, 21);
  auto* date = Add<TBorderDateEdit>(100, 110, 120, 21);
  for (ui::Control* control : {static_cast<ui::Control*>(combo), static_cast<ui::Control*>(date)}) {
    const Rect r = control->BoundsRect();
    const std::string size = std::to_string(r.Width()) + "," + std::to_string(r.Height());
    log = PaintOf(*control);
    EXPECT_TRUE(Has(log, "FrameRect 0,0," + size + " #B99D7F"));
    EXPECT_TRUE(Has(log, "FrameRect 1,1," + std::to_string(r.Width() - 1) + "," +
                             std::to_string(r.Height() - 1) + " #FFFFFF"));
  }
}

TEST_F(BorderControls, AReadOnlyDateTakesOnlyTheSideArrowsAndNoCalendarInput) {
  auto* date = Add<TBorderDateEdit>();
  auto* after = Add<ui::Edit>(100, 80);
  const ui::SystemTime march5 = ui::SystemTime::Date(2024, 3, 5);
  date->SetDate(march5);
  date->SetReadOnly(true);
  std::vector<int> keys;
  date->OnKeyDown = [&keys](ui::Component&, std::uint16_t& key, ui::ShiftState) {
    keys.push_back(key);
  };
  form->Show();
  user.PressKey(*date, ui::vk::Up);
  user.PressKey(*date, ui::vk::Left);
  user.PressKey(*date, ui::vk::Right);
  user.Type(*date, "7");
  EXPECT_TRUE(date->Date().SameDate(march5));
  EXPECT_EQ(keys, (std::vector<int>{0, ui::vk::Left, ui::vk::Right, 0}));
  EXPECT_FALSE(user.PickDate(*date, ui::SystemTime::Date(2024, 4, 1))) << "calendar disabled";
  EXPECT_TRUE(date->Date().SameDate(march5));
  EXPECT_FALSE(date->IsTouched());
  user.PressKey(*date, ui::vk::Tab);
  EXPECT_TRUE(after->Focused()) << "Tab still leads out of it";

  date->SetReadOnly(false);
  user.PressKey(*date, ui::vk::Up);
  EXPECT_TRUE(date->Date().SameDate(ui::SystemTime::Date(2024, 3, 6)));
  EXPECT_TRUE(date->IsTouched());
  auto* picked = Add<TBorderDateEdit>(100, 110);
  EXPECT_TRUE(user.PickDate(*picked, march5));
  EXPECT_TRUE(picked->IsTouched()) << "a date picked with the mouse touches it too";
}

TEST_F(BorderControls, AComboBoxShowsItsDefaultValueAgain) {
  auto* combo = Add<TBorderComboBox>();
  auto* after = Add<ui::Edit>(100, 80);
  for (const char* item : {"one", "two", "three"})
    combo->AddItem(item);
  combo->SetItemIndex(0);
  combo->SetDefaultValue("one");
  combo->SetReadOnly(true);
  form->Show();
  user.SelectItem(*combo, 2);
  EXPECT_EQ(combo->DefaultValue(), "one");
  user.Click(*combo);
  EXPECT_EQ(combo->Text(), "one") << "on the next click";
  user.SelectItem(*combo, 1);
  user.Focus(*after);
  EXPECT_EQ(combo->Text(), "one") << "when the focus leaves";

  combo->SetReadOnly(false);
  user.SelectItem(*combo, 2);
  EXPECT_EQ(combo->DefaultValue(), "three");
  user.Type(*combo, "x");
  user.Focus(*after);
  EXPECT_EQ(combo->Text(), "three");
}

TEST_F(BorderControls, AReadOnlyCheckBoxIgnoresClicksAndChanges) {
  auto* box = Add<TBorderCheckBox>(100, 50, 97, 17);
  form->Show();
  box->SetReadOnly(true);
  int clicks = 0;
  box->OnClick = [&clicks](ui::Component&) { ++clicks; };
  user.Tick(*box);
  box->SetChecked(true);
  box->Perform(ui::bm::SetState, 1);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(box->Perform(ui::bm::GetState), 0) << "not pushed either";
  EXPECT_EQ(clicks, 0);

  box->SetReadOnly(false);
  user.Tick(*box);
  EXPECT_TRUE(box->Checked());
  box->SetReadOnly(true);
  box->RecreateWindow();
  EXPECT_TRUE(box->Checked()) << "a new window shows the kept state";

  // The square on the right of a left-aligned caption, framed in the border colour.
  box->SetAlignment(ui::Alignment::Left);
  const auto log = PaintOf(*box);
  EXPECT_EQ(box->SquareRect(), Rect::Bounds(84, 1, 13, 13)) << "where the button class draws it";
  EXPECT_TRUE(Has(log, "FrameRect 84,1,97,14 #B99D7F"));
  EXPECT_TRUE(Has(log, "FrameRect 85,2,96,13 #F0F0F0"));
  box->SetBounds(100, 50, 97, 18);
  EXPECT_EQ(box->SquareRect().top, 2);
}

TEST_F(BorderControls, TheFlatButtonRingsFollowFocusAndMouse) {
  auto* button = Add<TBorderBitBtn>(10, 10, 75, 25);
  auto* other = Add<ui::Edit>(100, 10);
  form->Show();
  user.Focus(*other);
  const std::vector<std::string> erased = {
      "FrameRect 0,0,75,25 #F0F0F0", "FrameRect 1,1,74,24 #F0F0F0", "FrameRect 2,2,73,23 #F0F0F0"};
  auto log = PaintOf(*button);
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()), erased) << "the bevel is covered";

  world.backend.ClearPaintLog(button->GetHandle());
  button->Perform(ui::cm::MouseEnter);
  EXPECT_EQ(world.backend.PaintLog(button->GetHandle()),
            (std::vector<std::string>{"FrameRect 0,0,75,25 #F0F0F0", "FrameRect 1,1,74,24 #C0C0C0",
                                      "FrameRect 2,2,73,23 #F0F0F0"}));
  world.backend.ClearPaintLog(button->GetHandle());
  button->Perform(ui::cm::MouseLeave);
  EXPECT_EQ(world.backend.PaintLog(button->GetHandle()), erased);

  user.Focus(*button);
  log = PaintOf(*button);
  EXPECT_EQ(log[log.size() - 2], "FrameRect 1,1,74,24 #B99D7F") << "focused: the border colour";
  world.backend.ClearPaintLog(button->GetHandle());
  button->Perform(ui::cm::MouseEnter);
  button->Perform(ui::cm::MouseLeave);
  EXPECT_TRUE(world.backend.PaintLog(button->GetHandle()).empty());
}

TEST_F(BorderControls, ADividerDrawsItsLineForEveryLayoutAndAlignment) {
  auto* divider = Add<TWindowDivider>(0, 0, 200, 30);
  divider->SetTransparent(true);
  divider->SetAutoSize(true);
  EXPECT_EQ(divider->BoundsRect(), Rect::Bounds(0, 0, 200, 2)) << "only the line, as wide";
  EXPECT_EQ(Edges(PaintOf(*divider)), (std::vector<std::string>{"DrawEdge 0,0,200,2 6 2"}));

  divider->SetText("Section");  // 42 x 13
  EXPECT_EQ(divider->Height(), 15) << "top layout: the text and the line under it";
  divider->SetLayout(ui::Layout::Center);
  divider->SetAutoSize(false);
  divider->SetAutoSize(true);
  EXPECT_EQ(divider->Height(), 13) << "centre layout: the line runs beside the text";
  divider->SetAutoSize(false);

  struct Case {
    ui::Layout layout;
    ui::Alignment alignment;
    int height;
    std::vector<std::string> edges;
  };
  const std::vector<Case> cases = {
      {ui::Layout::Top, ui::Alignment::Left, 15, {"DrawEdge 0,0,200,15 6 8"}},
      {ui::Layout::Bottom, ui::Alignment::Right, 15, {"DrawEdge 0,0,200,2 6 2"}},
      {ui::Layout::Center, ui::Alignment::Left, 13, {"DrawEdge 44,5,200,7 6 2"}},
      {ui::Layout::Center, ui::Alignment::Right, 13, {"DrawEdge 0,5,156,7 6 2"}},
      {ui::Layout::Center,
       ui::Alignment::Center,
       13,
       {"DrawEdge 0,5,77,7 6 2", "DrawEdge 123,5,200,7 6 2"}},
  };
  for (const Case& c : cases) {
    divider->SetLayout(c.layout);
    divider->SetAlignment(c.alignment);
    divider->SetBounds(0, 0, 200, c.height);
    const std::vector<std::string> log = PaintOf(*divider);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& line) {
      return line.rfind("DrawText", 0) == 0 && line.find("Section") != std::string::npos;
    }));
    EXPECT_EQ(Edges(log), c.edges) << static_cast<int>(c.layout) << static_cast<int>(c.alignment);
  }
}

TEST_F(BorderControls, TheLookupBoxOwnsTheIdentifiersBehindItsItems) {
  auto* lookup = Add<TOrnilComboBox>();
  EXPECT_FALSE(lookup->OwnsItemObjects);
  lookup->AddValueItem("Ленина"_cp, "17");
  lookup->AddValueItem("Мира"_cp, "4");
  lookup->AddValueItem("Садовая"_cp, "9");
  EXPECT_TRUE(lookup->OwnsItemObjects);
  ASSERT_NE(lookup->ItemString(1), nullptr);
  EXPECT_EQ(*lookup->ItemString(1), "4");
  lookup->DeleteItem(0);
  EXPECT_EQ(*lookup->ItemString(0), "4");
  EXPECT_EQ(lookup->ItemString(5), nullptr);
  lookup->Clear();
  EXPECT_EQ(lookup->Count(), 0);
  lookup->AddValueItem("Мира"_cp, "4");
  lookup->AddItem("без идентификатора"_cp);
  EXPECT_EQ(lookup->ItemString(1), nullptr);
  lookup->Free();  // the sanitizer build sees every string freed once
}

}  // namespace
}  // namespace ornil
