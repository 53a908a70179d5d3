// Which backend each seam uses in this process: set once by the DLL's entry point (the real ones)
// or by a test or the demo (the simulated ones).
#pragma once

#include "platform/ddeml.h"
#include "platform/hooks.h"
#include "platform/system.h"
#include "platform/window_manager.h"

namespace ornil::platform {

struct Seams {
  Ddeml* ddeml = nullptr;
  Atoms* atoms = nullptr;
  FileSystem* files = nullptr;
  MessageQueue* queue = nullptr;
  Clock* clock = nullptr;
  Dialogs* dialogs = nullptr;
  WindowManager* windows = nullptr;
  Hooks* hooks = nullptr;
  Locale* locale = nullptr;
};

Seams& Current();
void Install(const Seams& seams);

}  // namespace ornil::platform
