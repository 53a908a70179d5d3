// Forms and painted controls: creation parameters of derived forms, the sizing message, the
// active form, focus moving on a click, and what the toolkit's own controls paint.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/sim_world.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/scroll_box.h"

namespace ornil::ui {
namespace {

bool Has(const std::vector<std::string>& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

int CountStarting(const std::vector<std::string>& log, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      log.begin(), log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

// A form that makes its controls in its constructor, asks for popup and dialog-frame styles and
// holds the dragged rectangle to a minimum height, as the library's windows do.
class ToolForm : public Form {
 public:
  explicit ToolForm(Component* owner) : Form(owner) {
    SetBorderStyle(BorderStyle::ToolWindow);
    button = Make<BitButton>(this);
    button->SetParent(this);
    button->SetKind(BitButtonKind::Ok);
  }
  BitButton* button;

 protected:
  void CreateParams(ui::CreateParams& params) override {
    Form::CreateParams(params);
    params.style |= ws::Popup | ws::DlgFrame;
  }
  void WndProc(Message& m) override {
    Form::WndProc(m);
    if (m.msg != wm::Sizing) return;
    auto* r = reinterpret_cast<Rect*>(m.lParam);
    if (r->Height() < 150) r->bottom = r->top + 150;
  }
};

struct Forms : ::testing::Test {
  testing::SimWorld world;
};

TEST_F(Forms, ADerivedFormsCreationParametersAndSizingRuleApply) {
  auto* form = Make<ToolForm>(world.application.get());
  const std::uint32_t style = world.desktop.Style(form->GetHandle());
  EXPECT_EQ(style & (ws::Popup | ws::DlgFrame), ws::Popup | ws::DlgFrame);
  EXPECT_EQ(form->button->Parent(), form);
  form->SetBorderStyle(BorderStyle::SizeToolWin);
  EXPECT_EQ(world.desktop.Style(form->GetHandle()) & ws::Popup, ws::Popup)
      << "a changed border style keeps the form's own styles";
  form->SetBounds(0, 0, 300, 300);
  form->Show();
  const Rect r = world.user.DragBorder(*form, 6, Rect::Bounds(0, 0, 300, 100));
  EXPECT_EQ(r, Rect::Bounds(0, 0, 300, 150));
}

TEST_F(Forms, TheActiveFormFollowsActivationAndForgetsAFreedOne) {
  auto* first = Make<Form>(world.application.get());
  auto* second = Make<Form>(world.application.get());
  first->Show();
  EXPECT_EQ(world.application->ActiveForm(), first);
  second->Show();
  EXPECT_EQ(world.application->ActiveForm(), second);
  world.desktop.SetActiveWindow(first->GetHandle());
  EXPECT_EQ(world.application->ActiveForm(), first);
  first->Free();
  EXPECT_EQ(world.application->ActiveForm(), nullptr);
  EXPECT_EQ(world.application->Forms(), std::vector<Form*>{second});
}

TEST_F(Forms, ClickingAButtonTakesTheFocusFromTheEdit) {
  auto* form = Make<Form>(world.application.get());
  auto* edit = Make<Edit>(form);
  edit->SetParent(form);
  auto* button = Make<Button>(form);
  button->SetParent(form);
  button->SetTop(40);
  std::vector<std::string> seen;
  edit->OnExit = [&](Component&) { seen.push_back("exit"); };
  button->OnClick = [&](Component&) { seen.push_back("click"); };
  form->SetActiveControl(edit);
  form->Show();
  EXPECT_TRUE(edit->Focused());
  world.user.Click(*button);
  EXPECT_EQ(seen, (std::vector<std::string>{"exit", "click"}));
}

TEST_F(Forms, ControlsMoveBetweenParentsWithTheirWindowsAndText) {
  auto* form = Make<Form>(world.application.get());
  auto* box = Make<ScrollBox>(form);
  box->SetParent(form);
  auto* edit = Make<Edit>(form);
  edit->SetText("kept");
  edit->SetParent(form);
  const Handle window = edit->GetHandle();
  edit->SetParent(box);
  EXPECT_EQ(edit->GetHandle(), window);
  EXPECT_EQ(world.desktop.GetParent(window), box->GetHandle());
  EXPECT_EQ(edit->Text(), "kept");
  EXPECT_EQ(edit->ParentForm(), form);
  EXPECT_EQ(box->Controls(), std::vector<Control*>{edit});
  EXPECT_TRUE(form->Controls().size() == 1 && form->Controls()[0] == box);
}

TEST_F(Forms, AFreedMenuItemLeavesTheMenu) {
  auto* form = Make<Form>(world.application.get());
  auto* menu = Make<MainMenu>(form);
  auto* top = Make<MenuItem>(form);
  auto* a = Make<MenuItem>(form);
  auto* b = Make<MenuItem>(form);
  a->SetCaption("A");
  b->SetCaption("B");
  top->Add(a);
  top->Add(b);
  menu->Add(top);
  form->SetMenu(menu);
  const auto popup = [&] {
    return world.backend.MenuEntries(
        world.backend.MenuEntries(world.backend.MenuOf(form->GetHandle()))[0].subMenu);
  };
  ASSERT_EQ(popup().size(), 2u);
  a->Free();
  ASSERT_EQ(popup().size(), 1u);
  EXPECT_EQ(popup()[0].text, "B");
  b->SetVisible(false);
  EXPECT_TRUE(popup().empty());
  menu->Free();
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(world.backend.MenuOf(form->GetHandle()), 0u);
}

TEST_F(Forms, KeyboardInListsSelectsAndTells) {
  auto* form = Make<Form>(world.application.get());
  auto* combo = Make<ComboBox>(form);
  combo->SetParent(form);
  combo->SetStyle(ComboStyle::DropDownList);
  combo->AddItem("a");
  combo->AddItem("b");
  int selects = 0;
  combo->OnSelect = [&](Component&) { ++selects; };
  form->Show();
  world.user.PressKey(*combo, vk::Down);
  world.user.PressKey(*combo, vk::Down);
  world.user.PressKey(*combo, vk::Down);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(selects, 2) << "no change past the last item";
  auto* editable = Make<ComboBox>(form);
  editable->SetParent(form);
  editable->SetAutoComplete(false);
  int changes = 0;
  editable->OnChange = [&](Component&) { ++changes; };
  world.user.Paste(*editable, "line\r\nmore");
  EXPECT_EQ(editable->Text(), "line");
  EXPECT_EQ(changes, 1);
}

struct Painting : Forms {
  Form* form = Make<Form>(world.application.get());
  void SetUp() override { form->Show(); }
  const std::vector<std::string>& PaintOf(Control& c) {
    world.backend.ClearPaintLog(c.GetHandle());
    world.user.Paint(c);
    return world.backend.PaintLog(c.GetHandle());
  }
};

TEST_F(Painting, BitButtonsDrawFaceGlyphAndCaption) {
  auto* ok = Make<BitButton>(form);
  ok->SetParent(form);
  ok->SetBounds(0, 0, 28, 28);
  ok->SetKind(BitButtonKind::Ok);
  const auto okLog = PaintOf(*ok);
  ASSERT_FALSE(okLog.empty());
  EXPECT_EQ(okLog[0], "FillRect 0,0,28,28 #FF00000F");
  EXPECT_EQ(okLog[1], "DrawEdge 0,0,28,28 5 15");
  EXPECT_EQ(CountStarting(okLog, "Line"), 2);
  EXPECT_TRUE(Has(okLog, "Line 8,14-12,18 #008000 3")) << "a green tick centred";
  EXPECT_EQ(CountStarting(okLog, "TextOut"), 0) << "no caption, no text";

  auto* cancel = Make<BitButton>(form);
  cancel->SetParent(form);
  cancel->SetBounds(0, 40, 100, 28);
  cancel->SetKind(BitButtonKind::Cancel);
  cancel->SetText("Cancel");
  cancel->SetEnabled(false);
  const auto cancelLog = PaintOf(*cancel);
  EXPECT_EQ(CountStarting(cancelLog, "TextOut"), 1);
  EXPECT_EQ(CountStarting(cancelLog, "Line"), 2);
  for (const std::string& line : cancelLog) {
    if (line.rfind("Line", 0) == 0) {
      EXPECT_NE(line.find("#808080"), std::string::npos) << line;
    }
  }
}

TEST_F(Painting, GroupBoxFramesBelowTheMiddleOfItsCaption) {
  auto* group = Make<GroupBox>(form);
  group->SetParent(form);
  group->SetBounds(0, 0, 200, 100);
  group->SetText("Fields:");
  const auto log = PaintOf(*group);
  const int th = group->TextExtent("Fields:").cy;
  EXPECT_TRUE(Has(log, "DrawEdge 0," + std::to_string(th / 2) + ",200,100 6 15"));
  EXPECT_TRUE(Has(log, "TextOut 8,0 Fields:"));
}

TEST_F(Painting, LabelsCentreTheirTextWhenAsked) {
  auto* label = Make<Label>(form);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 100, 40);
  label->SetText("Centre");
  label->SetLayout(Layout::Center);
  label->SetAlignment(Alignment::Center);
  const int th = label->TextExtent("Centre").cy;
  const auto log = PaintOf(*label);
  EXPECT_TRUE(Has(log, "DrawText 0," + std::to_string((40 - th) / 2) + ",100,40 " +
                           std::to_string(dt::NoPrefix | dt::Center) + " Centre"));
}

TEST_F(Painting, ATransparentLabelPaintsWhatItsParentPaintsUnderIt) {
  auto* panel = Make<Panel>(form);
  panel->SetParent(form);
  panel->SetBounds(20, 30, 200, 100);
  panel->SetBevels(Bevel::None, Bevel::Raised);
  panel->SetColor(0x00C0FF);
  auto* label = Make<Label>(form);
  label->SetParent(panel);
  label->SetTransparent(true);
  label->SetAutoSize(false);
  label->SetBounds(10, 8, 60, 13);
  label->SetText("Old");
  world.user.Paint(*label);
  label->SetText("New");
  EXPECT_TRUE(world.backend.Invalid(label->GetHandle())) << "a new caption is painted";
  const auto log = PaintOf(*label);
  ASSERT_EQ(log.size(), 3u) << "the panel's face and edge first, then the caption";
  EXPECT_EQ(log[0], "FillRect -10,-8,190,92 #00C0FF");
  EXPECT_EQ(log[1], "DrawEdge -10,-8,190,92 1 15");
  EXPECT_EQ(log[2].rfind("DrawText 0,0,60,13", 0), 0u) << log[2];

  world.user.Paint(*label);
  panel->SetColor(0x80FF80);
  EXPECT_TRUE(world.backend.Invalid(label->GetHandle())) << "the parent's new face shows through";

  label->SetParent(form);
  label->SetBounds(5, 6, 60, 13);
  const Size client = form->ClientSize();
  EXPECT_EQ(PaintOf(*label).front(), "FillRect -5,-6," + std::to_string(client.cx - 5) + "," +
                                         std::to_string(client.cy - 6) + " #FF00000F")
      << "a form's class brush";
}

// A label that draws an etched line where it has no text and is two pixels high then, as the
// section divider does.
class Divider : public Label {
 public:
  using Label::Label;

 protected:
  void DoDrawText(Canvas& canvas, Rect& rect, std::uint32_t flags) override {
    if (!Text().empty()) return Label::DoDrawText(canvas, rect, flags);
    if (!(flags & dt::CalcRect)) canvas.DrawEdge(rect, edge::Etched, edge::Top);
  }
  void AdjustBounds() override {
    Label::AdjustBounds();
    if (AutoSize() && Text().empty()) SetHeight(2);
  }
};

TEST_F(Painting, ADerivedLabelDrawsAndSizesItsOwnWay) {
  auto* divider = Make<Divider>(form);
  divider->SetParent(form);
  divider->SetText("x");
  divider->SetText("");
  EXPECT_EQ(divider->Height(), 2);
  divider->SetAutoSize(false);
  divider->SetBounds(0, 10, 150, 2);
  EXPECT_TRUE(Has(PaintOf(*divider), "DrawEdge 0,0,150,2 6 2"));
}

TEST_F(Painting, ImagesStretchCentreAndLeaveOutTheirBackground) {
  auto* image = Make<Image>(form);
  image->SetParent(form);
  image->SetBounds(0, 0, 65, 57);
  image->SetPicture(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
  EXPECT_TRUE(Has(PaintOf(*image), "DrawPixels 0,0,2,2 2x2"));
  image->SetCenter(true);
  EXPECT_TRUE(Has(PaintOf(*image), "DrawPixels 31,27,33,29 2x2"));
  image->SetStretch(true);
  image->SetTransparent(true);
  EXPECT_TRUE(Has(PaintOf(*image), "DrawPixels 0,0,65,57 2x2 transparent"));
  image->SetPicture(3, 3, {1, 2});
  EXPECT_EQ(image->PictureWidth(), 0) << "a picture whose pixels do not fit is dropped";
  EXPECT_EQ(CountStarting(PaintOf(*image), "DrawPixels"), 0);
}

}  // namespace
}  // namespace ornil::ui
