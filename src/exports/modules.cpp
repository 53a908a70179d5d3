// Each module's initialisation and finalisation is its own boundary.
#include "exports/modules.h"

#include "host/dde_module.h"
#include "infowindow/info_window_module.h"
#include "integration/options_file.h"

namespace ornil {

void LoadLibraryModules() {
  InitializeDdeModule();
  InitializeOptionsModule();
  InitializeInfoWindowModule();
}

// The info window goes first: its destruction still talks to the host.
void UnloadLibraryModules() {
  FinalizeInfoWindowModule();
  FinalizeOptionsModule();
  FinalizeDdeModule();
}

}  // namespace ornil
