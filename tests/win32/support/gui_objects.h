// Counting the process's GDI and USER objects for leak checks. Windows answers GetGuiResources;
// Wine does not (it gives 0), so there the GDI objects are counted in the handle table the
// process's PEB points at, and the USER objects are not available.
#pragma once

#include <windows.h>

#include <optional>

namespace ornil::win32test {

std::optional<DWORD> GdiObjects();
std::optional<DWORD> UserObjects();

}  // namespace ornil::win32test
