// The info window module: the one info window of the library (alive or not), the three options
// read from the caller's section of the options file, and the operations behind the info window's
// exports. Its initialisation and finalisation are boundaries.
#pragma once

#include <cstdint>

#include "host/dde_connection.h"

namespace ornil {

class TOrnilWindow;

void InitializeInfoWindowModule();
void FinalizeInfoWindowModule();

// The window last made; it may be gone (every query tests the alive window instead).
TOrnilWindow*& OrnilWindow();
// The window from the start of its construction to the start of its destruction; else null.
TOrnilWindow* AliveOrnilWindow();
void SetAliveOrnilWindow(TOrnilWindow* window);

struct InfoWindowOptions {
  bool SelectObjectOption = true;
  bool FindValueOption = true;
  int FieldsCountOption = 0;
};
InfoWindowOptions& Options();

// Raise their failures; the exports are the boundaries.
void ViewOrnilWindow(std::int16_t x, std::int16_t y, const char* table, std::int32_t rowId,
                     std::int32_t mapWindowId, std::uint32_t instance, HConv mapInfoConv,
                     HConv applicationConv, const char* section);
// Frees the alive window; swallows every failure.
void DestroyOrnilWindow();
bool IsOrnilWindowOpened();
bool IsFindingStarted();
bool IsSavingStarted();
void SetApplicationWindowHandle(std::uintptr_t window);
std::int32_t GetCurrentAdditionalWindow();
// Report their failures themselves; nothing happens without an open value list.
void UpdateValue();
void NewValue();

}  // namespace ornil

// The alive info window, or null: exported as the data symbol _OrnilWindow, so that a reader
// outside the library never finds a window that is gone.
extern "C" ornil::TOrnilWindow* AliveInfoWindow;
