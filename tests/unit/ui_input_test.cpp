// Keyboard and mouse in the toolkit: key preview and swallowed characters, dialog keys, edits
// with limits, paste and read-only state, focus exits, mouse hooks and hints.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "support/sim_world.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"

namespace ornil::ui {
namespace {

struct Input : ::testing::Test {
  testing::SimWorld world;
  Form* form = Make<Form>(world.application.get());
  headless::Driver& user = world.user;

  template <class T>
  T* Add() {
    auto* c = Make<T>(form);
    c->SetParent(form);
    return c;
  }

  std::vector<std::string> clicks;
  // A button of the form whose clicks are noted under `name`.
  template <class T>
  T* AddButton(const char* name, BitButtonKind kind = BitButtonKind::Custom) {
    auto* button = Add<T>();
    if constexpr (std::is_same_v<T, BitButton>) button->SetKind(kind);
    button->OnClick = [this, name](Component&) { clicks.push_back(name); };
    return button;
  }
};

TEST_F(Input, KeyPreviewLetsTheFormSwallowACharacterBeforeTheControl) {
  auto* edit = Add<Edit>();
  std::vector<std::string> seen;
  form->SetKeyPreview(true);
  form->OnKeyPress = [&](Component&, char& key) {
    seen.push_back("form " + std::string(1, key));
    if (key == '-') key = 0;
  };
  edit->OnKeyPress = [&](Component&, char& key) { seen.push_back("edit " + std::string(1, key)); };
  form->Show();
  user.Type(*edit, "a-b");
  EXPECT_EQ(edit->Text(), "ab");
  EXPECT_EQ(seen, (std::vector<std::string>{"form a", "edit a", "form -", "form b", "edit b"}));

  form->SetKeyPreview(false);
  seen.clear();
  user.TypeChar(*edit, 'c');
  EXPECT_EQ(seen, (std::vector<std::string>{"edit c"}));
}

TEST_F(Input, AHandlerCanChangeTheCharacterTheControlGets) {
  auto* edit = Add<Edit>();
  edit->OnKeyPress = [](Component&, char& key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
  };
  form->Show();
  user.Type(*edit, "ab1");
  EXPECT_EQ(edit->Text(), "AB1");
}

TEST_F(Input, TabMovesTheFocusThroughTheTabStopsInOrder) {
  auto* first = Add<Edit>();
  auto* label = Add<Label>();
  auto* second = Add<Edit>();
  auto* third = Add<Button>();
  second->SetTabOrder(0);
  form->Show();
  (void)label;
  user.Focus(*second);
  user.PressKey(*second, vk::Tab);
  EXPECT_TRUE(first->Focused());
  user.PressKey(*first, vk::Tab);
  EXPECT_TRUE(third->Focused());
  third->SetEnabled(false);
  user.PressKey(*first, vk::Tab);
  EXPECT_TRUE(second->Focused()) << "disabled controls are passed over";
}

TEST_F(Input, EnterPressesTheFocusedButtonOrElseTheDefaultOneAndEscTheCancelOne) {
  auto* edit = Add<Edit>();
  auto* check = Add<CheckBox>();
  auto* plain = AddButton<Button>("plain");
  auto* cancel = AddButton<BitButton>("cancel", BitButtonKind::Cancel);
  AddButton<BitButton>("ok", BitButtonKind::Ok);
  form->Show();
  user.TypeChar(*plain, '\r');
  user.TypeChar(*cancel, '\r');
  user.TypeChar(*edit, '\r');
  user.TypeChar(*check, '\r');
  user.TypeChar(*plain, '\x1b');
  user.TypeChar(*edit, '\x1b');
  EXPECT_EQ(clicks, (std::vector<std::string>{"plain", "cancel", "ok", "ok", "cancel", "cancel"}))
      << "a check box is no button: Enter there is the default button's";
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(Input, EscAndEnterGoFirstToTheControlThatWantsThem) {
  auto* combo = Add<ComboBox>();
  combo->SetStyle(ComboStyle::DropDownList);
  combo->AddItem("one");
  auto* memo = Add<Memo>();
  AddButton<BitButton>("ok", BitButtonKind::Ok);
  AddButton<BitButton>("cancel", BitButtonKind::Cancel);
  form->Show();

  user.Focus(*combo);
  combo->SetDroppedDown(true);
  user.TypeChar(*combo, '\x1b');
  EXPECT_FALSE(combo->DroppedDown()) << "Esc closes the open list";
  combo->SetDroppedDown(true);
  user.TypeChar(*combo, '\r');
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_TRUE(clicks.empty()) << "and leaves the form alone";
  user.TypeChar(*combo, '\x1b');
  EXPECT_EQ(clicks, (std::vector<std::string>{"cancel"})) << "the list is closed now";

  clicks.clear();
  user.Type(*memo, "a\rb");
  EXPECT_EQ(memo->Text(), "a\r\nb") << "a memo that wants returns keeps Enter";
  EXPECT_TRUE(clicks.empty());
  memo->SetWantReturns(false);
  user.TypeChar(*memo, '\r');
  EXPECT_EQ(memo->Text(), "a\r\nb");
  EXPECT_EQ(clicks, (std::vector<std::string>{"ok"}));
}

TEST_F(Input, MaxLengthStopsTypingButAReplacedSelectionMakesRoom) {
  auto* edit = Add<Edit>();
  edit->SetMaxLength(3);
  form->Show();
  user.Type(*edit, "12345");
  EXPECT_EQ(edit->Text(), "123");
  edit->SetSelection(1, 2);
  user.TypeChar(*edit, '9');
  EXPECT_EQ(edit->Text(), "193");
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 0);
  user.Paste(*edit, "xyz");
  EXPECT_EQ(edit->Text(), "193");
  edit->SelectAll();
  user.Paste(*edit, "line one\r\nline two");
  EXPECT_EQ(edit->Text(), "lin") << "one line, cut to the limit";
}

TEST_F(Input, ReadOnlyEditTakesNoTypingButItsTextCanBeSet) {
  auto* edit = Add<Edit>();
  int changes = 0;
  edit->OnChange = [&](Component&) { ++changes; };
  edit->SetReadOnly(true);
  form->Show();
  user.Type(*edit, "ab");
  user.Paste(*edit, "cd");
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(changes, 0);
  edit->SetText("set");
  EXPECT_EQ(edit->Text(), "set");
  EXPECT_EQ(changes, 1);
  edit->SetReadOnly(false);
  user.TypeChar(*edit, '\b');
  EXPECT_EQ(changes, 1) << "the caret stands at the start after a new text";
}

TEST_F(Input, MemoWithoutWantReturnsKeepsOneLine) {
  auto* memo = Add<Memo>();
  memo->SetWantReturns(false);
  form->Show();
  user.Type(*memo, "a\rb");
  EXPECT_EQ(memo->Text(), "ab");
  memo->SetWantReturns(true);
  user.TypeChar(*memo, '\r');
  EXPECT_EQ(memo->Text(), "ab\r\n");
}

// A control that takes over characters and pastes as the typed value edits do.
class DigitsOnly : public Edit {
 public:
  using Edit::Edit;
  int exits = 0;

 protected:
  void WndProc(Message& m) override {
    if (m.msg == wm::Char && static_cast<unsigned char>(m.wParam) >= 32) {
      const char c = static_cast<char>(m.wParam);
      if (c >= '0' && c <= '9') {
        const std::string text = Text() + c;
        SetText(text);
        SetSelection(static_cast<int>(text.size()), static_cast<int>(text.size()));
      }
      return;  // the key never reaches the edit
    }
    if (m.msg == wm::Paste) {
      Edit::WndProc(m);
      std::string digits;
      for (char c : Text())
        if (c >= '0' && c <= '9') digits += c;
      SetText(digits);
      return;
    }
    Edit::WndProc(m);
  }
  void DoExit() override {
    ++exits;
    Edit::DoExit();
  }
};

TEST_F(Input, AControlCanTakeOverCharactersPasteAndFocusExit) {
  auto* edit = Add<DigitsOnly>();
  auto* other = Add<Edit>();
  form->Show();
  user.Type(*edit, "4a0-");
  EXPECT_EQ(edit->Text(), "40");
  edit->SetText("");
  user.Paste(*edit, "12a3");
  EXPECT_EQ(edit->Text(), "123");
  user.Focus(*other);
  EXPECT_EQ(edit->exits, 1);
}

TEST_F(Input, ActionsOnControlsTheUserCannotReachDoNothing) {
  auto* edit = Add<Edit>();
  form->Show();
  edit->SetEnabled(false);
  EXPECT_FALSE(user.Type(*edit, "x"));
  edit->SetEnabled(true);
  world.desktop.EnableWindow(form->GetHandle(), false);
  EXPECT_FALSE(user.Type(*edit, "x"));
  EXPECT_FALSE(user.Close(*form));
  world.desktop.EnableWindow(form->GetHandle(), true);
  form->Hide();
  EXPECT_FALSE(user.Click(*edit));
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(Input, MouseHooksSeeButtonsAndEnterLeaveNotifications) {
  auto* label = Add<Label>();
  label->SetText("Lookup");
  std::vector<std::string> seen;
  label->OnMouseUp = [&](Component&, MouseButton b, ShiftState, int x, int y) {
    seen.push_back(std::string(b == MouseButton::Left ? "left " : "right ") + std::to_string(x) +
                   "," + std::to_string(y));
  };
  label->OnMouseEnter = [&](Component&) { seen.push_back("enter"); };
  label->OnMouseLeave = [&](Component&) { seen.push_back("leave"); };
  form->Show();
  user.ClickAt(*label, {3, 4});
  user.RightClickAt(*label, {5, 6});
  label->Perform(cm::MouseEnter);
  label->Perform(cm::MouseLeave);
  // The library's translation hook tells the label the mouse came as the first click arrives.
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "left 3,4", "right 5,6", "enter", "leave"}));
}

TEST_F(Input, ControlUnderTheMouseIncludesDisabledOnesOnlyWhenAsked) {
  form->SetBounds(100, 100, 300, 200);
  auto* edit = Add<Edit>();
  edit->SetBounds(10, 10, 100, 21);
  form->Show();
  const Point inside = edit->ClientToScreen({5, 5});
  EXPECT_EQ(world.application->ControlAtPos(inside, false), edit);
  edit->SetEnabled(false);
  EXPECT_EQ(world.application->ControlAtPos(inside, false), form);
  EXPECT_EQ(world.application->ControlAtPos(inside, true), edit);
  EXPECT_EQ(world.application->ControlAtPos({0, 0}, true), nullptr);
  EXPECT_EQ(world.application->FindControl(edit->GetHandle()), edit);
}

TEST_F(Input, HintsReachTheTooltipOfTheForm) {
  auto* button = Add<BitButton>();
  button->SetHint("Save");
  EXPECT_EQ(user.HintOf(*button), "Save");
  world.application->SetHintPause(2000);
  world.application->SetHintHidePause(10000);
  EXPECT_EQ(world.backend.HintShowPause(), 2000);
  EXPECT_EQ(world.backend.HintHidePause(), 10000);
}

}  // namespace
}  // namespace ornil::ui
