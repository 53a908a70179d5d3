// The DLL's entry point: the real backends, then the modules; the reverse on unload.
#include <windows.h>

#include "exports/modules.h"
#include "platform/win32/win32_seams.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      ornil::platform::Install(ornil::platform::win32::RealSeams());
      ornil::LoadLibraryModules();
      break;
    case DLL_PROCESS_DETACH:
      ornil::UnloadLibraryModules();
      break;
    default:
      break;
  }
  return TRUE;
}
