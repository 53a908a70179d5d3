// The process-wide choice of backends.
#include "platform/seams.h"

namespace ornil::platform {

namespace {
Seams g_seams;
}

Seams& Current() {
  return g_seams;
}
void Install(const Seams& seams) {
  g_seams = seams;
}

}  // namespace ornil::platform
