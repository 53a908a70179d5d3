// The real window-manager and hook seams on user32.
#pragma once

#include "platform/hooks.h"
#include "platform/window_manager.h"

namespace ornil::platform::win32 {

WindowManager& RealWindowManager();
Hooks& RealHooks();

}  // namespace ornil::platform::win32
