// Each module's initialisation and finalisation is its own boundary.
#include "exports/modules.h"

#include "host/dde_module.h"
#include "infowindow/info_window_module.h"
#include "integration/options_file.h"
#include "setup/setup_module.h"

namespace ornil {

void LoadLibraryModules() {
  InitializeDdeModule();
  InitializeOptionsModule();
  InitializeInfoWindowModule();
}

// The windows go first: their destruction still talks to the host.
void UnloadLibraryModules() {
  FinalizeSetupModule();
  FinalizeInfoWindowModule();
  FinalizeOptionsModule();
  FinalizeDdeModule();
}

}  // namespace ornil
