// Answering the library's message boxes in the demo.
#include "demo/win32/box_answerer.h"

#include "text/cp1251.h"

namespace ornil::demo {

namespace {

// The one answerer of this thread; the hook and timer procedures are plain functions.
BoxAnswerer* g_answerer = nullptr;

std::string WindowText(HWND window) {
  char buffer[2048] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace

BoxAnswerer::BoxAnswerer(Stage& stage) : stage_(stage) {
  g_answerer = this;
  hook_ = SetWindowsHookExA(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  g_answerer = nullptr;
}

LRESULT CALLBACK BoxAnswerer::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    char className[64] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    if (std::string(className) == "#32770")
      SetTimer(reinterpret_cast<HWND>(wParam), 1, 50, &BoxAnswerer::Answer);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK BoxAnswerer::Answer(HWND box, UINT, UINT_PTR timer, DWORD) {
  KillTimer(box, timer);
  if (g_answerer == nullptr) return;
  const std::string caption = text::ToUtf8(WindowText(box));
  const std::string message = text::ToUtf8(WindowText(GetDlgItem(box, 0xFFFF)));
  g_answerer->shown.push_back(caption + ": " + message);
  // The library's failures all come in a box titled "Ошибка".
  if (caption == "Ошибка") g_answerer->errors.push_back(g_answerer->shown.back());
  g_answerer->stage_.Show("message_box", caption + ": " + message,
                          reinterpret_cast<platform::WindowHandle>(box));
  const bool asks = GetDlgItem(box, IDYES) != nullptr;
  PostMessageA(box, WM_COMMAND, asks ? IDYES : IDOK, 0);
}

}  // namespace ornil::demo
