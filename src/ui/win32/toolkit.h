// The toolkit of the real DLL: the Win32 backend and the application object, made when the DLL
// is loaded and gone when it is unloaded, and the seams that go with them.
#pragma once

#include "platform/win32/win32_api.h"

#include "platform/seams.h"

namespace ornil::ui::win32 {

// Makes the backend (window classes of `module`) and the application object. Once only.
void StartToolkit(HINSTANCE module);
// Frees the forms the application object still owns, then the application and the backend.
void StopToolkit();

// `seams` with the real window manager and hooks, and the message box of the application object
// (the seams' own message box stands in while there is none).
platform::Seams WithToolkitSeams(platform::Seams seams);

}  // namespace ornil::ui::win32
