// The toolkit's Win32 backend under Wine: real windows of every control kind driven with real
// messages give what the headless backend gives; a foreign window's procedure is taken over and
// given back; thread hooks see what the system sends.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/win32/toolkit.h"
#include "unit/ui_parity_script.h"
#include "unit/ui_setup_parity_script.h"
#include "win32/support/ui_fixture.h"

namespace ornil::ui {
namespace {

TEST_F(Win32Ui, RealWindowsGiveTheObservationsOfTheHeadlessBackend) {
  EXPECT_EQ(parity::RunScript(app), parity::ExpectedObservations());
}

TEST_F(Win32Ui, RealWindowsGiveTheSetupWindowsObservationsOfTheHeadlessBackend) {
  // The modifier keys as the thread's keyboard state holds them, which GetKeyState reads.
  const auto hold = [](bool shift, bool ctrl) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
  };
  EXPECT_EQ(parity::RunSetupScript(app, hold), parity::ExpectedSetupObservations());
}

std::string TextOf(HWND window) {
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST_F(Win32Ui, AForeignWindowProcedureIsTakenOverAndGivenBack) {
  ForeignWindow host;
  const LONG_PTR own = GetWindowLongPtrA(host.window, GWLP_WNDPROC);
  std::vector<UINT> seen;
  auto takeover = windows.Subclass(
      host.handle(), [&](Handle h, std::uint32_t m, std::uintptr_t w, std::intptr_t l,
                         const platform::WindowProcedure& previous) {
        seen.push_back(m);
        if (m == WM_SETTEXT) return previous(h, m, w, reinterpret_cast<std::intptr_t>("Values"));
        return previous(h, m, w, l);
      });
  ASSERT_NE(takeover, nullptr);
  EXPECT_NE(GetWindowLongPtrA(host.window, GWLP_WNDPROC), own);
  SendMessageA(host.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Browser 2"));
  EXPECT_EQ(TextOf(host.window), "Values");
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_SETTEXT), seen.end());
  takeover.reset();
  EXPECT_EQ(GetWindowLongPtrA(host.window, GWLP_WNDPROC), own) << "the own procedure is back";
  seen.clear();
  SendMessageA(host.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Browser 3"));
  EXPECT_EQ(TextOf(host.window), "Browser 3");
  EXPECT_TRUE(seen.empty());
}

TEST_F(Win32Ui, ACallWndProcHookSeesEnablingAndKeepsTheWindowDisabled) {
  ForeignWindow host;
  EnableWindow(host.window, FALSE);
  platform::ScopedHook hook;
  int enables = 0;
  ASSERT_TRUE(hook.Install(
      hooks, platform::HookKind::CallWndProc,
      [&](int code, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
        const auto* r = reinterpret_cast<const platform::CallWndProcRecord*>(l);
        if (code >= 0 && r->message == WM_ENABLE && r->wParam != 0 && r->window == host.handle()) {
          ++enables;
          windows.EnableWindow(host.handle(), false);
          hook.Reset();
          return 0;
        }
        return hooks.CallNextHook(hook.Handle(), code, w, l);
      },
      windows.CurrentThreadId()));
  EnableWindow(host.window, TRUE);
  EXPECT_EQ(enables, 1);
  EXPECT_FALSE(IsWindowEnabled(host.window));
  EXPECT_FALSE(hook) << "the hook removed itself";
  EnableWindow(host.window, TRUE);
  EXPECT_TRUE(IsWindowEnabled(host.window));
}

TEST_F(Win32Ui, AGetMessageHookBlanksInputBeforeTheControlSeesIt) {
  auto* form = Make<Form>(&app);
  auto* edit = Make<Edit>(form);
  edit->SetParent(form);
  form->Show();
  platform::ScopedHook hook;
  hook.Install(
      hooks, platform::HookKind::GetMsg,
      [&](int code, std::uintptr_t w, std::intptr_t l) {
        auto* msg = reinterpret_cast<platform::MessageRecord*>(l);
        if (code >= 0 && msg->message == WM_CHAR && msg->wParam == '\t')
          *msg = platform::MessageRecord{};
        return hooks.CallNextHook(hook.Handle(), code, w, l);
      },
      windows.CurrentThreadId());
  for (char c : std::string("a\tb"))
    PostMessageA(reinterpret_cast<HWND>(edit->GetHandle()), WM_CHAR, c, 1);
  app.ProcessMessages();
  EXPECT_EQ(edit->Text(), "ab");
  form->Free();
}

// Draws its own frame over the non-client area after the default painting, as the bordered
// controls do.
class Framed : public Edit {
 public:
  using Edit::Edit;

 protected:
  void WndProc(Message& m) override {
    Edit::WndProc(m);
    if (m.msg != wm::NcPaint) return;
    auto canvas = GetBackend().WindowCanvas(GetHandle());
    canvas->FrameRect(Rect::Bounds(0, 0, Width(), Height()), 0xB99D7F);
  }
};

TEST_F(Win32Ui, PaintingAfterTheDefaultReachesTheScreen) {
  auto* form = Make<Form>(&app);
  form->SetBounds(50, 50, 300, 200);
  auto* edit = Make<Framed>(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 120, 21);
  auto* list = Make<ListBox>(form);
  list->SetOwnerDraw(true);
  list->SetItemHeight(14);
  list->SetParent(form);
  list->SetBounds(10, 40, 120, 60);
  list->AddItem("one");
  list->AddItem("two");
  std::vector<int> drawn;
  list->OnDrawItem = [&](ListBox&, int index, Canvas& canvas, const Rect& rect, std::uint32_t) {
    drawn.push_back(index);
    canvas.FillRect(rect, 0x00FF00);
  };
  form->Show();
  RedrawWindow(reinterpret_cast<HWND>(form->GetHandle()), nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  app.ProcessMessages();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 1), drawn.end());
  HWND window = reinterpret_cast<HWND>(edit->GetHandle());
  HDC dc = GetWindowDC(window);
  const COLORREF corner = GetPixel(dc, 0, 0);
  ReleaseDC(window, dc);
  EXPECT_EQ(corner, static_cast<COLORREF>(0xB99D7F));
  form->Free();
}

TEST_F(Win32Ui, MenuCommandsHintsAndTheDropDownReachTheirControls) {
  auto* form = Make<Form>(&app);
  auto* menu = Make<MainMenu>(form);
  auto* top = Make<MenuItem>(form);
  top->SetCaption("Setup");
  auto* save = Make<MenuItem>(form);
  save->SetCaption("Save");
  top->Add(save);
  menu->Add(top);
  form->SetMenu(menu);
  int saved = 0;
  save->OnClick = [&](Component&) { ++saved; };
  auto* combo = Make<ComboBox>(form);
  combo->SetParent(form);
  combo->SetStyle(ComboStyle::DropDownList);
  combo->AddItem("a");
  std::vector<std::string> seen;
  combo->OnDropDown = [&](Component&) { seen.push_back("dropdown"); };
  combo->OnCloseUp = [&](Component&) { seen.push_back("closeup"); };
  combo->SetHint("Pick one");
  form->Show();
  HWND window = reinterpret_cast<HWND>(form->GetHandle());
  ASSERT_NE(GetMenu(window), nullptr);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(window), 0)), 1);
  SendMessageA(window, WM_COMMAND, save->Command(), 0);
  EXPECT_EQ(saved, 1);
  combo->SetDroppedDown(true);
  combo->SetDroppedDown(false);
  EXPECT_EQ(seen, (std::vector<std::string>{"dropdown", "closeup"}));
  HWND tooltip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  form->Free();
}

TEST(Toolkit, StartsWithTheDllAndFreesItsFormsWhenStopped) {
  win32::StartToolkit(GetModuleHandleA(nullptr));
  ASSERT_NE(Application::Instance(), nullptr);
  const platform::Seams seams = win32::WithToolkitSeams({});
  ASSERT_NE(seams.windows, nullptr);
  ASSERT_NE(seams.hooks, nullptr);
  auto* form = Make<Form>(Application::Instance());
  form->Show();
  HWND window = reinterpret_cast<HWND>(form->GetHandle());
  EXPECT_TRUE(IsWindowVisible(window));
  win32::StopToolkit();
  EXPECT_EQ(Application::Instance(), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace ornil::ui
