// The simulated desktop: one window manager for the host's windows and the headless toolkit's
// controls. Handles, parents and owners, enabled/visible/active state, focus (which leaves a
// window as it is hidden or disabled), window procedures that can be taken over, thread hooks
// (sending a message runs the call-window-procedure hooks, enabling a window among them), the
// thread's one message queue (retrieving a message runs the get-message hooks), the cursor and
// the work area.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/hooks.h"
#include "platform/system.h"
#include "ui/headless/desktop_link.h"

namespace ornil::sim {

class SimDesktop : public ui::headless::DesktopLink,
                   public platform::Hooks,
                   public platform::MessageQueue {
 public:
  using Handle = platform::WindowHandle;

  SimDesktop();
  ~SimDesktop() override;

  // The default window procedure: text, WM_CLOSE destroys the window.
  std::intptr_t DefWindowProc(Handle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam);
  // A plain window of the host, with a procedure of its own or the default one: a top-level
  // window (owned by `owner`, if any), or a child of `parent` at `rect` in its client area.
  Handle CreateHostWindow(const std::string& className, const std::string& text,
                          platform::ScreenRect rect, platform::WindowProcedure procedure = {},
                          Handle parent = 0, Handle owner = 0);

  // Told after a window's handle is gone, whoever destroyed it (the host keeps its own list).
  std::function<void(Handle)> onWindowDestroyed;

  // What tests look at.
  Handle LockedWindow() const { return locked_; }
  std::set<std::uint32_t> RemovedSystemMenuItems(Handle window) const;
  std::size_t HookCount(platform::HookKind kind) const;
  std::string ClassName(Handle window) const;
  Handle Owner(Handle window) const;
  void SetWorkArea(platform::ScreenRect area) { workArea_ = area; }
  std::size_t PostedCount() const { return posted_.size(); }
  // The messages sent to a window, in order, when it is watched.
  void Watch(Handle window) { watched_[window]; }
  const std::vector<std::uint32_t>& SentTo(Handle window) { return watched_[window]; }

  // platform::WindowManager
  bool IsWindow(Handle window) override;
  bool EnableWindow(Handle window, bool enable) override;
  bool IsWindowEnabled(Handle window) override;
  bool IsWindowVisible(Handle window) override;
  void ShowWindow(Handle window, bool show) override;
  Handle SetActiveWindow(Handle window) override;
  Handle GetActiveWindow() override { return active_; }
  void BringWindowToTop(Handle window) override;
  bool LockWindowUpdate(Handle window) override;
  bool GetWindowRect(Handle window, platform::ScreenRect& rect) override;
  bool MoveWindow(Handle window, const platform::ScreenRect& rect) override;
  Handle GetParent(Handle window) override;
  std::string WindowText(Handle window) override;
  platform::ScreenRect WorkArea() override { return workArea_; }
  platform::ScreenPoint CursorPos() override { return cursor_; }
  Handle GetCapture() override { return capture_; }
  Handle WindowFromPoint(platform::ScreenPoint point) override;
  bool DeleteSystemMenuItem(Handle window, std::uint32_t command) override;
  std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  bool Post(Handle window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  std::vector<Handle> ThreadWindows() override;
  std::uint32_t WindowThreadId(Handle window) override { return IsWindow(window) ? kThread : 0; }
  std::uint32_t CurrentThreadId() override { return kThread; }
  bool DialogMessage(Handle dialog, void* messageRecord) override;
  bool TranslateMdiSysAccel(Handle client, void* messageRecord) override;
  std::unique_ptr<platform::WindowSubclass> Subclass(
      Handle window, platform::SubclassProcedure procedure) override;

  // ui::headless::DesktopLink
  Handle CreateWindow(const ui::headless::NewWindow& window) override;
  void DestroyWindow(Handle window) override;
  void SetParent(Handle window, Handle parent) override;
  void SetStyle(Handle window, std::uint32_t style, std::uint32_t exStyle) override;
  std::uint32_t Style(Handle window) override;
  void SetFrame(Handle window, const ui::Rect& frame) override;
  ui::Rect Frame(Handle window) override;
  void SetFocus(Handle window) override;
  Handle GetFocus() override { return focus_; }
  void SetCapture(Handle window) override { capture_ = window; }
  void SetCursorPos(platform::ScreenPoint point) override { cursor_ = point; }
  void DeliverInput(platform::MessageRecord message) override;
  void PumpPosted() override;

  // platform::MessageQueue: the queue Post fills. Thread messages (window 0) are retrieved but
  // not dispatched; WM_QUIT comes when nothing else is waiting.
  bool PeekMessageRemove(platform::QueuedMessage& message) override;
  void TranslateMessage(const platform::QueuedMessage&) override {}
  void DispatchMessage(const platform::QueuedMessage& message) override;
  void PostQuitMessage(int exitCode) override;

  // platform::Hooks
  platform::HookHandle SetHook(platform::HookKind kind, platform::HookProcedure procedure,
                               std::uint32_t threadId) override;
  bool Unhook(platform::HookHandle hook) override;
  std::intptr_t CallNextHook(platform::HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

 private:
  static constexpr std::uint32_t kThread = 1;

  struct Window {
    Handle parent = 0;
    Handle owner = 0;
    std::string className;
    std::string text;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    platform::ScreenRect rect;
    ui::Rect frame;
    bool enabled = true;
    bool visible = false;
    std::shared_ptr<platform::WindowProcedure> procedure;
    std::set<std::uint32_t> removedMenuItems;
    std::uint64_t order = 0;  // z-order: larger is nearer the top
  };
  struct Hook {
    platform::HookHandle handle = 0;
    platform::HookKind kind{};
    std::shared_ptr<platform::HookProcedure> procedure;
  };
  class Takeover;

  Window* Find(Handle window);
  std::intptr_t CallProcedure(Handle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam);
  std::intptr_t RunHooks(platform::HookKind kind, int code, std::uintptr_t wParam,
                         std::intptr_t lParam);
  platform::ScreenPoint ClientOrigin(Handle window);
  Handle TopLevelOf(Handle window);
  bool IsDescendant(Handle window, Handle ancestor);

  std::map<Handle, Window> windows_;
  Handle nextHandle_ = 0x10010;
  std::uint64_t nextOrder_ = 1;
  std::vector<Hook> hooks_;  // newest first
  platform::HookHandle nextHook_ = 0x7000;
  std::deque<platform::MessageRecord> posted_;
  std::deque<int> quits_;  // exit codes of PostQuitMessage, retrieved after everything else
  std::map<Handle, std::vector<std::uint32_t>> watched_;
  Handle active_ = 0;
  Handle focus_ = 0;
  Handle capture_ = 0;
  Handle locked_ = 0;
  platform::ScreenPoint cursor_;
  platform::ScreenRect workArea_{0, 0, 1280, 994};
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ornil::sim
