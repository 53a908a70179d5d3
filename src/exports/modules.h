// Start-up and shut-down of the library's modules, in load order and the reverse.
#pragma once

namespace ornil {

void LoadLibraryModules();
void UnloadLibraryModules();

}  // namespace ornil
