// Screenshots for the Win32 tests and the demo: what the screen shows of a window, as a PNG file.
#pragma once

#include <string>

#include "ui/types.h"

namespace ornil::ui::win32 {

// Repaints the window, handles the waiting messages, then copies its screen rectangle. The
// window should be on top. False when the capture or the file failed.
bool SaveWindowPng(Handle window, const std::string& path);

}  // namespace ornil::ui::win32
