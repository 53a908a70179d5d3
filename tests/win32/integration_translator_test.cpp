// The message translation hook on real windows under Wine: Tab and Esc characters kept from the
// library's controls while their key-downs still move the focus and press the cancel button,
// messages of other windows untouched, mouse enter and leave between bordered buttons, nothing
// while another control holds the mouse, nothing for a control freed under it.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/border_bit_btn.h"
#include "controls/border_bound_label.h"
#include "integration/events_translator.h"
#include "support/ui_fixture.h"
#include "text/cp1251.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "unit/translator_controls.h"
#include "win32/support/message_box_answerer.h"

namespace ornil {
namespace {

struct Translator : ui::Win32Ui {
  win32test::MessageBoxAnswerer answerer;
  ui::Form* form = nullptr;
  std::vector<std::string> seen;

  void SetUp() override {
    ui::Win32Ui::SetUp();
    InitializeEventsTranslatorModule();
    ASSERT_TRUE(EventsTranslatorInstalled());
    form = ui::Make<ui::Form>(&app);
    form->SetBounds(100, 100, 420, 200);
  }
  void TearDown() override {
    form->Free();
    FinalizeEventsTranslatorModule();
    EXPECT_TRUE(answerer.Boxes().empty()) << answerer.Boxes().front().text;
    ui::Win32Ui::TearDown();
  }

  ui::Edit* AddEdit(const std::string& name, int left) {
    return translator_test::AddEdit(*form, name, left, seen);
  }
  TBorderBitBtn* AddButton(const std::string& name, int left) {
    return translator_test::AddButton(*form, name, left, seen);
  }

  // A key as the keyboard gives it; the loop's TranslateMessage makes its character.
  void Key(ui::Control& control, WPARAM key) {
    const HWND window = ui::Hwnd(control);
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    app.ProcessMessages();
  }

  // The pointer over the control's middle; any message for a library window then lets the hook
  // look where the pointer is.
  void MoveMouseTo(ui::Control& control) {
    RECT r;
    GetWindowRect(ui::Hwnd(control), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(ui::Hwnd(*form), WM_NULL, 0, 0);
    app.ProcessMessages();
  }
};

TEST_F(Translator, TabAndEscReachNoControlAsCharactersButStillWorkAsKeys) {
  form->SetKeyPreview(true);
  form->OnKeyPress = [this](ui::Component&, char& key) {
    seen.push_back("form " + std::to_string(key));
  };
  auto* first = AddEdit("first", 10);
  auto* second = AddEdit("second", 100);
  AddEdit("third", 200);
  auto* cancel = ui::Make<ui::Button>(form);
  cancel->SetParent(form);
  cancel->SetBounds(300, 10, 80, 25);
  cancel->SetCancel(true);
  int cancelled = 0;
  cancel->OnClick = [&](ui::Component&) { ++cancelled; };
  form->Show();
  first->SetFocus();
  app.ProcessMessages();

  Key(*first, VK_TAB);
  EXPECT_EQ(GetFocus(), ui::Hwnd(*second)) << "one control on, not two";
  Key(*second, VK_ESCAPE);
  EXPECT_EQ(cancelled, 1);
  Key(*second, 'A');
  EXPECT_EQ(seen, (std::vector<std::string>{"form 97", "second 97"}));
  EXPECT_EQ(second->Text(), "a");
}

LRESULT CALLBACK RecordingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CHAR) {
    auto* chars = reinterpret_cast<std::vector<WPARAM>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    chars->push_back(wParam);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

TEST_F(Translator, MessagesOfOtherWindowsPassUntouched) {
  WNDCLASSA type{};
  type.lpfnWndProc = &RecordingProc;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "HostStandIn";
  RegisterClassA(&type);
  std::vector<WPARAM> chars;
  const HWND host = CreateWindowExA(0, "HostStandIn", "MapInfo", WS_POPUP, 0, 0, 200, 100, nullptr,
                                    nullptr, type.hInstance, nullptr);
  SetWindowLongPtrA(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&chars));
  for (WPARAM ch : {9u, 27u, 65u})
    PostMessageA(host, WM_CHAR, ch, 1);
  app.ProcessMessages();
  EXPECT_EQ(chars, (std::vector<WPARAM>{9, 27, 65}));
  DestroyWindow(host);
  UnregisterClassA("HostStandIn", type.hInstance);
}

TEST_F(Translator, MovingFromButtonToButtonLeavesTheFirstThenEntersTheSecond) {
  auto* one = AddButton("one", 10);
  auto* two = AddButton("two", 100);
  form->Show();
  MoveMouseTo(*one);
  MoveMouseTo(*one);
  MoveMouseTo(*two);
  EXPECT_EQ(seen, (std::vector<std::string>{"enter one", "leave one", "enter two"}));
}

// A lookup row's caption: a static text, which the system's hit test looks through, underlined
// while the pointer is over it.
TEST_F(Translator, ABoundLabelIsUnderlinedWhileThePointerIsOverIt) {
  auto* caption = ui::Make<TBoundLabel>(form);
  caption->SetParent(form);
  caption->SetBounds(10, 120, 120, 17);
  caption->SetText("Улица"_cp);
  caption->UnderlineOnHover = true;
  auto* button = AddButton("button", 200);
  form->Show();
  MoveMouseTo(*caption);
  EXPECT_TRUE(caption->GetFont().underline);
  MoveMouseTo(*button);
  EXPECT_FALSE(caption->GetFont().underline);
  EXPECT_EQ(seen, (std::vector<std::string>{"enter button"}));
}

TEST_F(Translator, WhileAControlHoldsTheMouseOnlyItHearsOfIt) {
  auto* one = AddButton("one", 10);
  auto* two = AddButton("two", 100);
  auto* three = AddButton("three", 190);
  form->Show();
  MoveMouseTo(*one);
  seen.clear();

  SetCapture(ui::Hwnd(*three));
  MoveMouseTo(*two);
  MoveMouseTo(*one);
  EXPECT_TRUE(seen.empty()) << seen.front();

  SetCapture(ui::Hwnd(*one));
  MoveMouseTo(*three);
  MoveMouseTo(*one);
  MoveMouseTo(*two);
  EXPECT_EQ(seen, (std::vector<std::string>{"leave one", "enter one", "leave one"}));
  ReleaseCapture();
}

TEST_F(Translator, AControlFreedUnderTheMouseHearsNothingMore) {
  auto* one = AddButton("one", 10);
  auto* two = AddButton("two", 100);
  form->Show();
  MoveMouseTo(*one);
  one->Free();
  MoveMouseTo(*two);
  EXPECT_EQ(seen, (std::vector<std::string>{"enter one", "enter two"}));
}

}  // namespace
}  // namespace ornil
