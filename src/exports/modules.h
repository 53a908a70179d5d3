// Start-up and shut-down of the library's modules: every module's initialisation when the library
// is loaded, every finalisation when it is unloaded, each in the order the host's link needs.
#pragma once

namespace ornil {

void LoadLibraryModules();
void UnloadLibraryModules();

}  // namespace ornil
