// Each module's initialisation and finalisation is its own boundary.
#include "exports/modules.h"

#include "host/dde_module.h"
#include "setup/setup_module.h"

namespace ornil {

void LoadLibraryModules() {
  InitializeDdeModule();
}

void UnloadLibraryModules() {
  FinalizeSetupModule();
  FinalizeDdeModule();
}

}  // namespace ornil
