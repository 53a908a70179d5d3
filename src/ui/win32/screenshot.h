// Screenshots for the Win32 tests and the demo: what the screen shows of a window, as a PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/types.h"

namespace ornil::ui::win32 {

// Under Wine on a virtual display without a window manager: asks Wine's X11 driver to frame and
// place the windows itself, so captions show in screenshots and windows come and go without
// waiting for a manager that never answers. Call it before the first window is made; it does
// nothing on Windows.
void PrepareVirtualDisplay();

// Pixels copied off the screen: 0x00RRGGBB, row by row from the top.
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};
// What the screen shows in `area` (screen coordinates) now. False when the copy failed.
bool CaptureScreen(const Rect& area, ScreenPixels& captured);
// Repaints the window and its children at once and handles the waiting messages.
void RepaintNow(Handle window);

// Repaints the window, handles the waiting messages, then copies its screen rectangle. The
// window should be on top. False when the capture or the file failed.
bool SaveWindowPng(Handle window, const std::string& path);

}  // namespace ornil::ui::win32
