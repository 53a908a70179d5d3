// The window-manager seam: the calls the system makes on raw window handles, its own windows and
// the host's alike. Real backend: platform/win32; tests: sim/desktop.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ornil::platform {

using WindowHandle = std::uintptr_t;

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// A window procedure: handle, message, wParam, lParam → result.
using WindowProcedure =
    std::function<std::intptr_t(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)>;

// A procedure that takes over a window: it sees every message first and calls `previous` (the
// window's procedure as it was) for what it passes on.
using SubclassProcedure = std::function<std::intptr_t(
    WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t, const WindowProcedure& previous)>;

// Holds a take-over; destroying it gives the window back its previous procedure. It is harmless
// after the window is gone.
class WindowSubclass {
 public:
  virtual ~WindowSubclass() = default;
};

// System menu commands that the windows remove.
inline constexpr std::uint32_t kScMinimize = 0xF020;
inline constexpr std::uint32_t kScMaximize = 0xF030;
inline constexpr std::uint32_t kScRestore = 0xF120;

class WindowManager {
 public:
  virtual ~WindowManager() = default;

  virtual bool IsWindow(WindowHandle window) = 0;
  // EnableWindow: returns true when the window was disabled before the call.
  virtual bool EnableWindow(WindowHandle window, bool enable) = 0;
  virtual bool IsWindowEnabled(WindowHandle window) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  virtual void ShowWindow(WindowHandle window, bool show) = 0;
  // Returns the previously active window.
  virtual WindowHandle SetActiveWindow(WindowHandle window) = 0;
  virtual WindowHandle GetActiveWindow() = 0;
  virtual void BringWindowToTop(WindowHandle window) = 0;
  // One window at a time; 0 unlocks.
  virtual bool LockWindowUpdate(WindowHandle window) = 0;
  virtual bool GetWindowRect(WindowHandle window, ScreenRect& rect) = 0;
  // Outer rectangle in screen coordinates for top-level windows, parent client coordinates for
  // child windows.
  virtual bool MoveWindow(WindowHandle window, const ScreenRect& rect) = 0;
  virtual WindowHandle GetParent(WindowHandle window) = 0;
  virtual std::string WindowText(WindowHandle window) = 0;
  virtual ScreenRect WorkArea() = 0;
  virtual ScreenPoint CursorPos() = 0;
  virtual WindowHandle GetCapture() = 0;
  virtual WindowHandle WindowFromPoint(ScreenPoint point) = 0;
  virtual bool DeleteSystemMenuItem(WindowHandle window, std::uint32_t command) = 0;
  virtual std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
  virtual bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) = 0;
  // The visible and hidden top-level windows of the calling thread, in z-order.
  virtual std::vector<WindowHandle> ThreadWindows() = 0;
  virtual std::uint32_t WindowThreadId(WindowHandle window) = 0;
  virtual std::uint32_t CurrentThreadId() = 0;
  // IsDialogMessageA with a message record (see hooks.h); true when the dialog took it.
  virtual bool DialogMessage(WindowHandle dialog, void* messageRecord) = 0;
  // TranslateMDISysAccel for an MDI client window; true when it took the message.
  virtual bool TranslateMdiSysAccel(WindowHandle client, void* messageRecord) = 0;
  // Takes over a window's procedure (SetWindowLongA with GWL_WNDPROC) until the result dies.
  virtual std::unique_ptr<WindowSubclass> Subclass(WindowHandle window,
                                                   SubclassProcedure procedure) = 0;
};

// Disables a list of windows and enables them again when it goes; for the windows that keep the
// host disabled while they are open.
class DisabledWindows {
 public:
  DisabledWindows() = default;
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;
  ~DisabledWindows() { EnableAll(); }

  // Disables every visible, enabled top-level window of the thread except `keep` (hidden helper
  // windows stay as they are), and remembers them.
  void DisableThreadWindowsExcept(WindowManager& windows, WindowHandle keep);
  // Enables the remembered windows that still exist and forgets them.
  void EnableAll();
  const std::vector<WindowHandle>& List() const { return list_; }

 private:
  WindowManager* windows_ = nullptr;
  std::vector<WindowHandle> list_;
};

}  // namespace ornil::platform
