// <windows.h> and the common controls for the Win32 backends, with the A/W macros that would
// rename the toolkit's and the seams' own members (CreateWindow, SendMessage, DrawText, ...)
// taken off again. Include it before any of the project's headers.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef OEMRESOURCE
#define OEMRESOURCE
#endif
#include <windows.h>

#include <commctrl.h>

#undef CreateWindow
#undef DrawText
#undef GetMessage
#undef GetWindowText
#undef IsDialogMessage
#undef MessageBox
#undef PostMessage
#undef SendMessage
#undef SetWindowsHook
#undef TextOut
