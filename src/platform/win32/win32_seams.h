// The real backends of the platform seams, on user32 and kernel32.
#pragma once

#include <cstdint>

#include "platform/seams.h"

namespace ornil::platform::win32 {

// The backends of this process, installed by the DLL's entry point.
Seams RealSeams();

// DDEML passes the library's time-out of 0 through unchanged; a test may set another, since
// Wine's synchronous transactions with time-out 0 expire at once.
void SetTransactionTimeoutOverride(std::uint32_t milliseconds);

}  // namespace ornil::platform::win32
