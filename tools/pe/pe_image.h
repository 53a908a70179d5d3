// Reads what a PE32 or PE32+ image exports and imports, by name: enough to check Ornil.dll's
// contract without Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ornil::pe {

struct PeImage {
  std::uint16_t machine = 0;  // 0x014C for i386, 0x8664 for x86-64
  bool isPe32 = false;        // optional header magic 0x10B
  bool isPe32Plus = false;    // optional header magic 0x20B, the 64-bit layout
  bool isDll = false;
  std::string dllName;               // the name inside the export directory
  std::vector<std::string> exports;  // in the table's order (sorted by name)
  std::vector<std::string> imports;  // imported DLLs
};

// nullopt with a reason in `error` when the file is no PE image.
std::optional<PeImage> ReadPeImage(const std::string& path, std::string* error = nullptr);

}  // namespace ornil::pe
