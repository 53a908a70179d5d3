// What the toolkit's Win32 tests share: the virtual display prepared before the first window,
// and a fixture with the real backend, the application object and the real window-manager and
// hook seams.
#pragma once

#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include "platform/seams.h"
#include "platform/win32/window_manager_win32.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/win32/screenshot.h"
#include "ui/win32/win32_backend.h"

namespace ornil::ui {

struct VirtualDisplay : ::testing::Environment {
  void SetUp() override { win32::PrepareVirtualDisplay(); }
};
inline ::testing::Environment* const kVirtualDisplay =
    ::testing::AddGlobalTestEnvironment(new VirtualDisplay);

struct Win32Ui : ::testing::Test {
  win32::Win32Backend backend;
  Application app{backend};
  platform::WindowManager& windows = platform::win32::RealWindowManager();
  platform::Hooks& hooks = platform::win32::RealHooks();

  void SetUp() override {
    platform::Seams seams;
    seams.windows = &windows;
    seams.hooks = &hooks;
    platform::Install(seams);
  }
  void TearDown() override { platform::Install({}); }
};

// A plain top-level window standing in for one of the host's, destroyed when it goes.
struct ForeignWindow {
  HWND window = CreateWindowExA(0, "STATIC", "Browser", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ~ForeignWindow() {
    if (IsWindow(window)) DestroyWindow(window);
  }
  Handle handle() const { return reinterpret_cast<Handle>(window); }
};

inline HWND Hwnd(Control& control) {
  return reinterpret_cast<HWND>(control.GetHandle());
}

}  // namespace ornil::ui
