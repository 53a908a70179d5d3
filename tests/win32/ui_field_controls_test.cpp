// The field controls on real windows under Wine: the typing scripts give the texts the headless
// backend gives; labels are measured and placed; the frame and the flat button's rings reach
// the screen in their colours; read-only check boxes and dates hold.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/border_bit_btn.h"
#include "controls/border_check_box.h"
#include "controls/border_date_edit.h"
#include "controls/border_edit.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/screenshot.h"
#include "ui/win32/win32_backend.h"
#include "unit/typed_edit_script.h"

namespace ornil {
namespace {

struct VirtualDisplay : ::testing::Environment {
  void SetUp() override { ui::win32::PrepareVirtualDisplay(); }
};
const auto* const kDisplay = ::testing::AddGlobalTestEnvironment(new VirtualDisplay);

// A user made of the messages a real one would cause.
class MessageUser : public typing::User {
 public:
  explicit MessageUser(ui::Backend& backend) : backend_(backend) {}
  void Type(ui::Control& control, std::string_view keys) override {
    Focus(control);
    for (char key : keys)
      backend_.SendMessage(control.GetHandle(), WM_CHAR, static_cast<unsigned char>(key), 1);
  }
  void Paste(ui::Control& control, std::string_view text) override {
    Focus(control);
    backend_.SetClipboardText(std::string(text));
    backend_.SendMessage(control.GetHandle(), WM_PASTE, 0, 0);
  }
  void Focus(ui::Control& control) override { backend_.SetFocus(control.GetHandle()); }

 private:
  ui::Backend& backend_;
};

struct FieldControls : ::testing::Test {
  ui::win32::Win32Backend backend;
  ui::Application app{backend};
  ui::Form* form = ui::Make<ui::Form>(&app);

  void SetUp() override {
    form->SetBounds(40, 40, 400, 300);
    form->Show();
  }
  template <class T>
  T* Add(int left, int top, int width, int height) {
    auto* control = ui::Make<T>(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  // The colour on the screen at a point of a control's window.
  COLORREF PixelOf(ui::Control& control, int x, int y) {
    RedrawWindow(reinterpret_cast<HWND>(control.GetHandle()), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    app.ProcessMessages();
    HWND window = reinterpret_cast<HWND>(control.GetHandle());
    HDC dc = GetWindowDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
  }
};

TEST_F(FieldControls, TypingScriptsGiveTheTextsOfTheHeadlessBackend) {
  MessageUser user(backend);
  EXPECT_EQ(typing::WrongTexts(typing::RunScripts(*form, user)), std::vector<std::string>{});
}

TEST_F(FieldControls, TheLabelIsMeasuredAndPlacedOnRealWindows) {
  auto* edit = Add<TBorderEdit>(150, 20, 120, 21);
  TBorderBoundLabel* label = edit->EditLabel();
  label->SetText("Площадь:"_cp);
  const ui::Size text = label->TextExtent("Площадь:"_cp);
  EXPECT_EQ(label->Width(), text.cx + 4 * GetSystemMetrics(SM_CXBORDER));
  EXPECT_EQ(label->Height(), text.cy + 4 * GetSystemMetrics(SM_CYBORDER));
  EXPECT_EQ(label->Left() + label->Width() + 3, edit->Left());
  EXPECT_EQ(label->Top(), edit->Top() + (edit->Height() - label->Height()) / 2);
  EXPECT_TRUE(GetWindowLongA(reinterpret_cast<HWND>(label->GetHandle()), GWL_STYLE) &
              SS_CENTERIMAGE);
}

TEST_F(FieldControls, FrameAndRingsReachTheScreenInTheirColours) {
  auto* edit = Add<TBorderEdit>(150, 20, 120, 21);
  EXPECT_EQ(PixelOf(*edit, 0, 0), RGB(127, 157, 185));
  EXPECT_EQ(PixelOf(*edit, 1, 1), GetSysColor(COLOR_WINDOW)) << "the client edge is covered";
  edit->SetBorderColor(RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(*edit, 60, 0), RGB(255, 0, 0));

  auto* button = Add<TBorderBitBtn>(150, 60, 75, 25);
  auto* other = Add<ui::Edit>(150, 100, 75, 21);
  other->SetFocus();
  EXPECT_EQ(PixelOf(*button, 1, 1), GetSysColor(COLOR_BTNFACE)) << "the bevel is covered";
  button->Perform(ui::cm::MouseEnter);
  HWND window = reinterpret_cast<HWND>(button->GetHandle());
  HDC dc = GetWindowDC(window);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(192, 192, 192)) << "silver under the mouse";
  EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(window, dc);
}

TEST_F(FieldControls, ReadOnlyCheckBoxAndDateHold) {
  auto* box = Add<TBorderCheckBox>(20, 20, 97, 17);
  box->SetReadOnly(true);
  SendMessageA(reinterpret_cast<HWND>(box->GetHandle()), BM_CLICK, 0, 0);
  app.ProcessMessages();
  EXPECT_FALSE(box->Checked());
  box->SetReadOnly(false);
  SendMessageA(reinterpret_cast<HWND>(box->GetHandle()), BM_CLICK, 0, 0);
  app.ProcessMessages();
  EXPECT_TRUE(box->Checked());

  auto* date = Add<TBorderDateEdit>(20, 60, 150, 21);
  date->SetDate(ui::SystemTime::Date(2024, 3, 5));
  date->SetReadOnly(true);
  date->SetFocus();
  SendMessageA(reinterpret_cast<HWND>(date->GetHandle()), WM_KEYDOWN, VK_UP, 1);
  SendMessageA(reinterpret_cast<HWND>(date->GetHandle()), WM_CHAR, '7', 1);
  EXPECT_TRUE(date->Date().SameDate(ui::SystemTime::Date(2024, 3, 5)));
  EXPECT_FALSE(date->IsTouched());

  // The drop-down button opens the calendar disabled; the button closes it again.
  HWND picker = reinterpret_cast<HWND>(date->GetHandle());
  RECT client{};
  GetClientRect(picker, &client);
  auto clickButton = [&] {
    const LPARAM onButton = MAKELPARAM(client.right - 5, client.bottom / 2);
    SendMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
    SendMessageA(picker, WM_LBUTTONUP, 0, onButton);
    app.ProcessMessages();
  };
  clickButton();
  const HWND calendar = reinterpret_cast<HWND>(date->MonthCalendar());
  ASSERT_NE(calendar, nullptr);
  EXPECT_TRUE(IsWindowVisible(calendar));
  EXPECT_FALSE(IsWindowEnabled(calendar));
  clickButton();
  EXPECT_FALSE(IsWindowVisible(calendar));
  EXPECT_TRUE(date->Date().SameDate(ui::SystemTime::Date(2024, 3, 5)));
}

}  // namespace
}  // namespace ornil
