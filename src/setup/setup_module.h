// The setup window's module: the one window there may be, opening it for the companion's
// conversations and destroying it, and the module's finalisation at unload.
#pragma once

#include <cstdint>

#include "host/dde_connection.h"

namespace ornil {
class TSetupWindow;
}  // namespace ornil

// The one setup window, or null; cleared when it is destroyed, however that happens. Exported as
// _SetupWindow, hence the C name.
extern "C" ornil::TSetupWindow* SetupWindow;

namespace ornil {

using ::SetupWindow;

// Whether a setup window exists now.
extern bool SetupWindowExists;

// Destroys any setup window, makes a new one (hidden) and asks for the table; throws.
void OpenSetupWindow(std::uint32_t instance, HConv mapInfoConv, HConv applicationConv);
// Destroys the setup window, if any; reports nothing.
void DestroySetupWindowQuietly() noexcept;
// At unload, before the DDE module goes: the window still speaks to the host as it goes.
void FinalizeSetupModule() noexcept;

}  // namespace ornil
