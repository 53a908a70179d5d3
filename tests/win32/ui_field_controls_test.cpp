// The field controls on real windows under Wine: the typing scripts give the texts the headless
// backend gives; labels are measured and placed; the frame and the flat button's rings reach
// the screen in their colours; read-only check boxes and dates hold.
#include "support/ui_fixture.h"

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

struct FieldControls : ui::Win32Ui {
  ui::Form* form = ui::Make<ui::Form>(&app);

  void SetUp() override {
    ui::Win32Ui::SetUp();
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
  // The colour on the screen at a point of a control's window, as it is now.
  COLORREF ScreenPixel(ui::Control& control, int x, int y) {
    HWND window = ui::Hwnd(control);
    HDC dc = GetWindowDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
  }
  // The same after the whole window was painted again.
  COLORREF PixelOf(ui::Control& control, int x, int y) {
    RedrawWindow(ui::Hwnd(control), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    app.ProcessMessages();
    return ScreenPixel(control, x, y);
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
  EXPECT_TRUE(GetWindowLongA(ui::Hwnd(*label), GWL_STYLE) & SS_CENTERIMAGE);
}

TEST_F(FieldControls, FrameAndRingsReachTheScreenInTheirColours) {
  auto* edit = Add<TBorderEdit>(150, 20, 120, 21);
  EXPECT_EQ(PixelOf(*edit, 0, 0), RGB(127, 157, 185));
  EXPECT_EQ(PixelOf(*edit, 1, 1), GetSysColor(COLOR_WINDOW)) << "the client edge is covered";
  edit->SetBorderColor(RGB(255, 0, 0));
  app.ProcessMessages();
  EXPECT_EQ(ScreenPixel(*edit, 60, 0), RGB(255, 0, 0)) << "the new colour painted by itself";

  auto* button = Add<TBorderBitBtn>(150, 60, 75, 25);
  auto* other = Add<ui::Edit>(150, 100, 75, 21);
  other->SetFocus();
  EXPECT_EQ(PixelOf(*button, 1, 1), GetSysColor(COLOR_BTNFACE)) << "the bevel is covered";
  button->Perform(ui::cm::MouseEnter);
  EXPECT_EQ(ScreenPixel(*button, 1, 1), RGB(192, 192, 192)) << "silver under the mouse";
  EXPECT_EQ(ScreenPixel(*button, 0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST_F(FieldControls, ReadOnlyCheckBoxAndDateHold) {
  auto* box = Add<TBorderCheckBox>(20, 20, 97, 17);
  box->SetReadOnly(true);
  SendMessageA(ui::Hwnd(*box), BM_CLICK, 0, 0);
  app.ProcessMessages();
  EXPECT_FALSE(box->Checked());
  box->SetReadOnly(false);
  SendMessageA(ui::Hwnd(*box), BM_CLICK, 0, 0);
  app.ProcessMessages();
  EXPECT_TRUE(box->Checked());

  auto* date = Add<TBorderDateEdit>(20, 60, 150, 21);
  date->SetDate(ui::SystemTime::Date(2024, 3, 5));
  date->SetReadOnly(true);
  date->SetFocus();
  SendMessageA(ui::Hwnd(*date), WM_KEYDOWN, VK_UP, 1);
  SendMessageA(ui::Hwnd(*date), WM_CHAR, '7', 1);
  EXPECT_TRUE(date->Date().SameDate(ui::SystemTime::Date(2024, 3, 5)));
  EXPECT_FALSE(date->IsTouched());

  // The drop-down button opens the calendar disabled; the button closes it again.
  HWND picker = ui::Hwnd(*date);
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
