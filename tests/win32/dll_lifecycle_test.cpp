// Ornil.dll loaded and unloaded by a program the way the host does it: unloading it while its
// windows are open leaves no window, window class, hook or DDEML instance behind and shows no
// message, and a hundred loads and unloads in a row leak no GDI or USER objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "text/cp1251.h"
#include "win32/support/gui_objects.h"
#include "win32/support/message_box_answerer.h"

namespace {

using ViewAboutProgFn = void(WINAPI*)(const char*);
using SetApplicationWindowHandleFn = void(WINAPI*)(std::uintptr_t);
using GetDdeInstIdFn = DWORD(WINAPI*)();

// Handles the waiting messages; with a hook of an unloaded library still installed this is where
// the program would crash.
void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}

// The thread's windows, top-level and child, visible or not.
int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Figures {
  std::optional<DWORD> gdi = ornil::win32test::GdiObjects();
  std::optional<DWORD> user = ornil::win32test::UserObjects();
  int windows = ThreadWindows();
};

std::string Text(const std::optional<DWORD>& count) {
  return count ? std::to_string(*count) : std::string("(not available)");
}

template <class Function>
Function Export(HMODULE module, const char* name) {
  // Through a function pointer of no type, which any function pointer type converts from.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Loads the DLL, hands it the host's main window and opens its windows as the companion would,
// and gives back its DDEML instance.
DWORD LoadAndOpenWindows(HMODULE& module, HWND host = nullptr) {
  module = LoadLibraryA("Ornil.dll");
  if (module == nullptr) return 0;
  auto setHost = Export<SetApplicationWindowHandleFn>(module, "SetApplicationWindowHandle");
  auto viewAbout = Export<ViewAboutProgFn>(module, "ViewAboutProg");
  auto instance = Export<GetDdeInstIdFn>(module, "GetDdeInstId");
  if (setHost == nullptr || viewAbout == nullptr || instance == nullptr) return 0;
  if (host != nullptr) setHost(reinterpret_cast<std::uintptr_t>(host));
  viewAbout("Ornil — информационное окно объектов карты"_cp);
  Pump();
  return instance();
}

TEST(OrnilDllLife, UnloadingWithItsWindowsOpenLeavesNothingBehind) {
  ornil::win32test::MessageBoxAnswerer answerer;
  const HWND host =
      CreateWindowExA(0, "STATIC", "MapInfo Professional", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                      640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  const int windowsBefore = ThreadWindows();
  HMODULE module = nullptr;
  const DWORD instance = LoadAndOpenWindows(module, host);
  ASSERT_NE(module, nullptr);
  ASSERT_NE(instance, 0u);
  EXPECT_EQ(DdeGetLastError(instance), static_cast<UINT>(DMLERR_NO_ERROR));
  const HWND about = FindWindowA(nullptr, "О Программе"_cp);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(IsWindowVisible(about));
  EXPECT_FALSE(IsWindowEnabled(host));

  ASSERT_TRUE(FreeLibrary(module));
  Pump();
  EXPECT_FALSE(IsWindow(about));
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_EQ(ThreadWindows(), windowsBefore);
  WNDCLASSA type;
  EXPECT_FALSE(GetClassInfoA(module, "OrnilForm", &type));
  EXPECT_FALSE(GetClassInfoA(module, "OrnilWindow", &type));
  EXPECT_EQ(DdeGetLastError(instance), static_cast<UINT>(DMLERR_INVALIDPARAMETER))
      << "the DDEML instance is still there";
  // Keys and mouse messages go through the hooks a library installs on the thread.
  PostMessageA(nullptr, WM_NULL, 0, 0);
  Pump();
  EXPECT_TRUE(answerer.Boxes().empty()) << answerer.Boxes().front().text;
  DestroyWindow(host);
}

TEST(OrnilDllLife, AHundredLoadsAndUnloadsLeakNoHandles) {
  ornil::win32test::MessageBoxAnswerer answerer;
  // The first load leaves what the system keeps once per process (fonts, themes, DDE classes).
  HMODULE module = nullptr;
  LoadAndOpenWindows(module);
  ASSERT_NE(module, nullptr);
  FreeLibrary(module);
  Pump();

  const Figures before;
  for (int i = 0; i < 100; ++i) {
    ASSERT_NE(LoadAndOpenWindows(module), 0u) << "load " << i;
    ASSERT_TRUE(FreeLibrary(module));
    Pump();
  }
  const Figures after;
  std::printf("GDI objects %s -> %s, USER objects %s -> %s, windows %d -> %d\n",
              Text(before.gdi).c_str(), Text(after.gdi).c_str(), Text(before.user).c_str(),
              Text(after.user).c_str(), before.windows, after.windows);
  ASSERT_TRUE(before.gdi.has_value()) << "no way to count the GDI objects here";
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_TRUE(answerer.Boxes().empty()) << answerer.Boxes().front().text;
}

}  // namespace
