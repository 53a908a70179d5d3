// GDI and USER object counts: the system's own figures, or Wine's GDI handle table.
#include "win32/support/gui_objects.h"

#include <winternl.h>

#include <cstdint>

namespace ornil::win32test {

namespace {

// Wine's entry of the shared GDI handle table; a used entry has a type.
struct WineGdiEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(WineGdiEntry) == 24);
constexpr std::size_t kWineGdiHandles = 0x10000;

const char* ProcessEnvironmentBlock() {
  using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION info{};
  if (query == nullptr ||
      query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0)
    return nullptr;
  return reinterpret_cast<const char*>(info.PebBaseAddress);
}

std::optional<DWORD> CountWineGdiTable() {
  const char* peb = ProcessEnvironmentBlock();
  if (peb == nullptr) return std::nullopt;
  const std::size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;  // PEB.GdiSharedHandleTable
  const auto* table = *reinterpret_cast<const WineGdiEntry* const*>(peb + offset);
  if (table == nullptr) return std::nullopt;
  DWORD used = 0;
  for (std::size_t i = 0; i < kWineGdiHandles; ++i)
    if (table[i].type != 0) ++used;
  return used;
}

// Whether the table count follows one brush made and deleted: it is Wine's table as described.
bool WineGdiTableWorks() {
  const std::optional<DWORD> before = CountWineGdiTable();
  if (!before) return false;
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  const std::optional<DWORD> during = CountWineGdiTable();
  DeleteObject(brush);
  const std::optional<DWORD> after = CountWineGdiTable();
  return during && after && *during == *before + 1 && *after == *before;
}

}  // namespace

std::optional<DWORD> GdiObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  static const bool wine = WineGdiTableWorks();
  return wine ? CountWineGdiTable() : std::nullopt;
}

std::optional<DWORD> UserObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return count;
  return std::nullopt;
}

}  // namespace ornil::win32test
