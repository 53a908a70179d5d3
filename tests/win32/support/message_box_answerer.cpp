// The CBT hook and timer that read and answer message boxes.
#include "win32/support/message_box_answerer.h"

namespace ornil::win32test {

namespace {

std::vector<AnsweredBox> g_boxes;

std::string WindowText(HWND window) {
  char buffer[2048] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

void CALLBACK ReadAndAnswer(HWND box, UINT, UINT_PTR timer, DWORD) {
  KillTimer(box, timer);
  AnsweredBox answered;
  answered.caption = WindowText(box);
  answered.text = WindowText(GetDlgItem(box, 0xFFFF));
  answered.style = GetWindowLongA(box, GWL_STYLE);
  g_boxes.push_back(answered);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    char className[64] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    if (std::string(className) == "#32770")
      SetTimer(reinterpret_cast<HWND>(wParam), 1, 30, &ReadAndAnswer);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer()
    : hook_(SetWindowsHookExA(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId())) {
  g_boxes.clear();
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

const std::vector<AnsweredBox>& MessageBoxAnswerer::Boxes() const {
  return g_boxes;
}

}  // namespace ornil::win32test
