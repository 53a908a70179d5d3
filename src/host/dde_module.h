// The DDE module's single TMapInfoConnect, made when the library is loaded and gone when it is
// unloaded; each step is its own error boundary.
#pragma once

#include "host/dde_connection.h"

namespace ornil {

void InitializeDdeModule();
void FinalizeDdeModule();

// The connection; raises when the module is not initialised.
TMapInfoConnect& MapInfoConnect();

}  // namespace ornil
