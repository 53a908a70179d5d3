// Disabling the thread's other windows for as long as a window keeps the host waiting.
#include "platform/window_manager.h"

namespace ornil::platform {

void DisabledWindows::DisableThreadWindowsExcept(WindowManager& windows, WindowHandle keep) {
  EnableAll();
  windows_ = &windows;
  for (WindowHandle window : windows.ThreadWindows()) {
    if (window == keep || !windows.IsWindowVisible(window) || !windows.IsWindowEnabled(window))
      continue;
    list_.push_back(window);
  }
  // Disabling runs WM_ENABLE handlers, which may disable or destroy others; record first.
  for (WindowHandle window : list_)
    if (windows.IsWindow(window)) windows.EnableWindow(window, false);
}

void DisabledWindows::EnableAll() {
  std::vector<WindowHandle> list;
  list.swap(list_);
  if (windows_ == nullptr) return;
  for (WindowHandle window : list)
    if (windows_->IsWindow(window)) windows_->EnableWindow(window, true);
}

}  // namespace ornil::platform
