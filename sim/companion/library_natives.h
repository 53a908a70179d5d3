// What the companion program's DLL declarations bind to in the native build: the library's
// exports, and the few Windows functions the program calls, answered by the simulated desktop.
#pragma once

#include "platform/window_manager.h"
#include "sim/mapinfo/native_library.h"

namespace ornil::sim {

void AddLibraryExports(mb::NativeLibraries& natives);
void AddWindowsFunctions(mb::NativeLibraries& natives, platform::WindowManager& desktop);

}  // namespace ornil::sim
