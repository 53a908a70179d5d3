// The DLL's entry point: the real backends and the toolkit, then the modules; the reverse on
// unload.
#include <windows.h>

#include "exports/modules.h"
#include "platform/win32/win32_seams.h"
#include "ui/win32/toolkit.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      ornil::platform::Install(
          ornil::ui::win32::WithToolkitSeams(ornil::platform::win32::RealSeams()));
      ornil::ui::win32::StartToolkit(module);
      ornil::LoadLibraryModules();
      break;
    case DLL_PROCESS_DETACH:
      ornil::UnloadLibraryModules();
      ornil::ui::win32::StopToolkit();
      break;
    default:
      break;
  }
  return TRUE;
}
