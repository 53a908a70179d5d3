// The hook seam: thread hooks on the message stream (WH_CALLWNDPROC, WH_GETMESSAGE). Real backend:
// platform/win32; tests: sim/desktop, where sending a message runs the call-window-procedure
// hooks and retrieving one runs the get-message hooks.
#pragma once

#include <cstdint>
#include <functional>

namespace ornil::platform {

using HookHandle = std::uintptr_t;

enum class HookKind : int {
  GetMsg = 3,       // WH_GETMESSAGE
  CallWndProc = 4,  // WH_CALLWNDPROC
};

// The record a WH_CALLWNDPROC hook finds behind lParam; laid out as Win32's CWPSTRUCT on i686.
struct CallWndProcRecord {
  std::intptr_t lParam = 0;
  std::uintptr_t wParam = 0;
  std::uint32_t message = 0;
  std::uintptr_t window = 0;
};

// The record a WH_GETMESSAGE hook finds behind lParam (and may change); laid out as Win32's MSG.
struct MessageRecord {
  std::uintptr_t window = 0;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::uint32_t time = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// code, wParam, lParam → result, as a HOOKPROC.
using HookProcedure = std::function<std::intptr_t(int, std::uintptr_t, std::intptr_t)>;

class Hooks {
 public:
  virtual ~Hooks() = default;
  // SetWindowsHookExA on the given thread; 0 on failure. A procedure may remove its own hook.
  virtual HookHandle SetHook(HookKind kind, HookProcedure procedure, std::uint32_t threadId) = 0;
  virtual bool Unhook(HookHandle hook) = 0;
  virtual std::intptr_t CallNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                                     std::intptr_t lParam) = 0;
};

// Owns one installed hook; removes it when it goes unless it was removed already.
class ScopedHook {
 public:
  ScopedHook() = default;
  ScopedHook(const ScopedHook&) = delete;
  ScopedHook& operator=(const ScopedHook&) = delete;
  ~ScopedHook() { Reset(); }

  // Removes any hook held, then installs a new one.
  bool Install(Hooks& hooks, HookKind kind, HookProcedure procedure, std::uint32_t threadId);
  void Reset();
  HookHandle Handle() const { return handle_; }
  explicit operator bool() const { return handle_ != 0; }

 private:
  Hooks* hooks_ = nullptr;
  HookHandle handle_ = 0;
};

}  // namespace ornil::platform
