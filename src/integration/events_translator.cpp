// The message translation hook and its module state.
#include "integration/events_translator.h"

#include <memory>

#include "host/errors.h"
#include "integration/tracked_control.h"
#include "platform/seams.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/messages.h"

namespace ornil {

namespace {

constexpr std::uint32_t kFirstKeyMessage = 0x0100;  // WM_KEYFIRST
constexpr std::uint32_t kLastKeyMessage = 0x0108;
constexpr std::uintptr_t kTabCharacter = 9;
constexpr std::uintptr_t kEscCharacter = 27;

platform::ScopedHook g_hook;
// The last message seen for a library window, with that control's window as its target.
platform::MessageRecord g_message;
// The control under the mouse last time, and its parent's window at that time.
std::unique_ptr<TrackedControl> g_lastControl;
platform::WindowHandle g_lastParentWindow = 0;

platform::WindowManager& Windows() {
  platform::WindowManager* windows = platform::Current().windows;
  if (windows == nullptr) throw OrnilError("Оконный менеджер недоступен."_cp);
  return *windows;
}

ui::Application& App() {
  ui::Application* app = ui::Application::Instance();
  if (app == nullptr) throw OrnilError("Объект приложения не создан."_cp);
  return *app;
}

// The library's control for a window: the window's own, else that of its nearest parent.
ui::Control* FindLibraryControl(platform::WindowHandle window) {
  ui::Application& app = App();
  platform::WindowManager& windows = Windows();
  for (platform::WindowHandle w = window; w != 0; w = windows.GetParent(w)) {
    if (ui::Control* control = app.FindControl(w)) return control;
  }
  return nullptr;
}

// The control under a screen point, disabled ones included: the library's window there (a host
// window over it hides it), and in it the innermost control at the point.
ui::Control* FindDragTarget(platform::ScreenPoint point) {
  ui::Control* window = FindLibraryControl(Windows().WindowFromPoint(point));
  if (window == nullptr || window->Destroying()) return nullptr;
  ui::Control* innermost = App().ControlAtPos({point.x, point.y}, true);
  if (innermost == nullptr || innermost->Destroying() ||
      innermost->ParentForm() != window->ParentForm())
    return window;
  return innermost;
}

TrackedControl& LastControl() {
  if (!g_lastControl) g_lastControl = std::make_unique<TrackedControl>();
  return *g_lastControl;
}

// Whether a mouse notice may go to the control: nothing holds the mouse, or the control does.
bool MayNotify(const ui::Control* control, const ui::Control* capture) {
  return capture == nullptr || capture == control;
}

void BlankMessage(platform::MessageRecord& message) {
  message.window = 0;
  message.message = ui::wm::Null;
  message.wParam = 0;
  message.lParam = 0;
  message.time = 0;
}

}  // namespace

void InitializeEventsTranslatorModule() {
  Boundary("Ошибка во время инициализации в модуле \"PellVclEventsTranslatorUnit\". "_cp, [] {
    platform::Hooks* hooks = platform::Current().hooks;
    if (hooks == nullptr) throw OrnilError("Ловушки сообщений недоступны."_cp);
    if (!g_hook.Install(*hooks, platform::HookKind::GetMsg, &VclEventsTranslatorHookProc,
                        Windows().CurrentThreadId()))
      throw OrnilError("Не удалось установить ловушку сообщений."_cp);
  });
}

void FinalizeEventsTranslatorModule() {
  Boundary("Ошибка во время финализации в модуле \"PellVclEventsTranslatorUnit\". "_cp, [] {
    g_hook.Reset();
    g_lastControl.reset();
    g_lastParentWindow = 0;
  });
}

bool EventsTranslatorInstalled() {
  return static_cast<bool>(g_hook);
}

std::intptr_t VclEventsTranslatorHookProc(int code, std::uintptr_t wParam, std::intptr_t lParam) {
  const platform::HookHandle hook = g_hook.Handle();
  try {
    if (code >= 0 && lParam != 0) {
      auto& message = *reinterpret_cast<platform::MessageRecord*>(lParam);
      if (ui::Control* control = FindLibraryControl(message.window)) {
        if (message.message == ui::wm::Char &&
            (message.wParam == kTabCharacter || message.wParam == kEscCharacter)) {
          BlankMessage(message);
        } else {
          g_message = message;
          g_message.window = control->GetHandle();
          if (!IsKeyMsg(g_message) && !IsMDIMsg(message) && !IsDlgMsg(message)) DoMouseIdle();
        }
      }
    }
    platform::Hooks* hooks = platform::Current().hooks;
    return hooks != nullptr ? hooks->CallNextHook(hook, code, wParam, lParam) : 0;
  } catch (...) {
    ShowErrorBox(BoundaryMessage("Ошибка в функции ловушки VclEventsTranslatorHookProc. "_cp,
                                 std::current_exception()));
    // No translation from now on: a hook that fails once would fail on every message.
    g_hook.Reset();
    return 0;
  }
}

bool IsKeyMsg(const platform::MessageRecord& message) {
  return WithPrefix(FunctionPrefix("IsKeyMsg"), [&] {
    if (message.message < kFirstKeyMessage || message.message > kLastKeyMessage) return false;
    return Windows().Send(message.window, message.message + ui::cn::Base, message.wParam,
                          message.lParam) != 0;
  });
}

bool IsMDIMsg(platform::MessageRecord& message) {
  return WithPrefix(FunctionPrefix("IsMDIMsg"), [&] {
    ui::Application& app = App();
    ui::Form* main = app.MainForm();
    ui::Form* active = app.ActiveForm();
    if (main == nullptr || !main->IsMdiFrame() || active == nullptr || !active->IsMdiChild())
      return false;
    return Windows().TranslateMdiSysAccel(main->ClientHandle(), &message);
  });
}

bool IsDlgMsg(platform::MessageRecord& message) {
  return WithPrefix(FunctionPrefix("IsDlgMsg"), [&] {
    const ui::Handle dialog = App().DialogHandle();
    return dialog != 0 && Windows().DialogMessage(dialog, &message);
  });
}

void DoMouseIdle() {
  WithPrefix(FunctionPrefix("DoMouseIdle"), [] {
    platform::WindowManager& windows = Windows();
    ui::Control* control = FindDragTarget(windows.CursorPos());
    ui::Control* capture = App().CaptureControl();
    TrackedControl& last = LastControl();
    if (control == nullptr || control == last.Get()) return;
    ui::Control* previous = last.Get();
    const bool parentStands = g_lastParentWindow != 0 && windows.IsWindow(g_lastParentWindow);
    // The leave handler may free the new control: it is held the same way meanwhile.
    last.Set(control);
    if (previous != nullptr && parentStands && MayNotify(previous, capture))
      previous->Perform(ui::cm::MouseLeave);
    control = last.Get();
    if (control == nullptr) return;
    ui::Control* parent = control->Parent();
    g_lastParentWindow = parent != nullptr && parent->HandleAllocated() ? parent->GetHandle() : 0;
    if (MayNotify(control, capture)) control->Perform(ui::cm::MouseEnter);
  });
}

}  // namespace ornil
