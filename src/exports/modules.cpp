// The library's modules start in the order the host's loading needs and stop in the order its
// unloading needs; each module's initialisation and finalisation is its own boundary, so one that
// fails leaves the others to run.
#include "exports/modules.h"

#include "host/dde_module.h"
#include "infowindow/info_window_module.h"
#include "integration/events_translator.h"
#include "integration/options_file.h"
#include "setup/setup_module.h"

namespace ornil {

void LoadLibraryModules() {
  InitializeDdeModule();
  InitializeOptionsModule();
  InitializeEventsTranslatorModule();
  InitializeInfoWindowModule();
}

// The windows go first: their destruction still talks to the host. The windows the application
// object still owns go with it afterwards.
void UnloadLibraryModules() {
  FinalizeSetupModule();
  FinalizeInfoWindowModule();
  FinalizeDdeModule();
  FinalizeEventsTranslatorModule();
  FinalizeOptionsModule();
}

}  // namespace ornil
