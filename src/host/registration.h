// How the companion application registers itself and obtains the handles every window needs.
#pragma once

#include <cstdint>

#include "host/dde_connection.h"

namespace ornil {

// A pseudo-random identifier from 0 to |n| - 1, seeded with the calendar seconds.
std::int32_t GetApplicationId(std::int32_t n);
// Lower-cases `directory` in place.
HConv RegisterApplication(std::int32_t identifier, char* directory);
void UnRegisterApplication(std::int32_t identifier);
HConv GetMapInfoDdeConv(std::uintptr_t mapInfoWindow);
std::uint32_t GetDdeInstId();

}  // namespace ornil
