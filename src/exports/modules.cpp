// The library's modules start in the order the host's loading needs and stop in the order its
// unloading needs; each module's initialisation and finalisation is its own boundary, so one that
// fails leaves the others to run.
#include "exports/modules.h"

#include "host/dde_module.h"
#include "integration/events_translator.h"

namespace ornil {

void LoadLibraryModules() {
  InitializeDdeModule();
  InitializeEventsTranslatorModule();
}

void UnloadLibraryModules() {
  FinalizeDdeModule();
  FinalizeEventsTranslatorModule();
}

}  // namespace ornil
