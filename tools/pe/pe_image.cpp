// A small PE reader: headers, sections, the export and the import directory.
#include "pe/pe_image.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace ornil::pe {

namespace {

struct Section {
  std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

class Reader {
 public:
  explicit Reader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  template <class T>
  T At(std::size_t offset) const {
    if (offset + sizeof(T) > bytes_.size()) throw "truncated image";
    T value;
    std::memcpy(&value, bytes_.data() + offset, sizeof(T));
    return value;
  }
  std::string StringAt(std::size_t offset) const {
    std::string s;
    while (offset < bytes_.size() && bytes_[offset] != 0)
      s += static_cast<char>(bytes_[offset++]);
    return s;
  }
  std::size_t OffsetOf(std::uint32_t rva) const {
    for (const auto& s : sections) {
      if (rva >= s.virtualAddress && rva < s.virtualAddress + std::max(s.virtualSize, s.rawSize)) {
        return rva - s.virtualAddress + s.rawOffset;
      }
    }
    throw "address outside every section";
  }

  std::vector<Section> sections;

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace

std::optional<PeImage> ReadPeImage(const std::string& path, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    if (error) *error = "cannot open " + path;
    return std::nullopt;
  }
  Reader r(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}));
  try {
    if (r.At<std::uint16_t>(0) != 0x5A4D) throw "no MZ header";
    const auto pe = r.At<std::uint32_t>(0x3C);
    if (r.At<std::uint32_t>(pe) != 0x00004550) throw "no PE signature";
    PeImage image;
    const std::size_t coff = pe + 4;
    image.machine = r.At<std::uint16_t>(coff);
    const auto sectionCount = r.At<std::uint16_t>(coff + 2);
    const auto optionalSize = r.At<std::uint16_t>(coff + 16);
    image.isDll = (r.At<std::uint16_t>(coff + 18) & 0x2000) != 0;
    const std::size_t optional = coff + 20;
    const auto magic = r.At<std::uint16_t>(optional);
    image.isPe32 = magic == 0x10B;
    image.isPe32Plus = magic == 0x20B;
    if (!image.isPe32 && !image.isPe32Plus) throw "neither a PE32 nor a PE32+ image";
    // PE32+ widens the image base and the four stack and heap sizes to 64 bits.
    const std::size_t directories = optional + (image.isPe32Plus ? 112 : 96);
    const auto exportRva = r.At<std::uint32_t>(directories);
    const auto importRva = r.At<std::uint32_t>(directories + 8);
    for (std::size_t i = 0, at = optional + optionalSize; i < sectionCount; ++i, at += 40) {
      r.sections.push_back({r.At<std::uint32_t>(at + 12), r.At<std::uint32_t>(at + 8),
                            r.At<std::uint32_t>(at + 20), r.At<std::uint32_t>(at + 16)});
    }
    if (exportRva != 0) {
      const auto dir = r.OffsetOf(exportRva);
      image.dllName = r.StringAt(r.OffsetOf(r.At<std::uint32_t>(dir + 12)));
      const auto names = r.At<std::uint32_t>(dir + 24);
      const auto nameTable = r.OffsetOf(r.At<std::uint32_t>(dir + 32));
      for (std::uint32_t i = 0; i < names; ++i) {
        image.exports.push_back(r.StringAt(r.OffsetOf(r.At<std::uint32_t>(nameTable + 4 * i))));
      }
    }
    if (importRva != 0) {
      for (auto at = r.OffsetOf(importRva);; at += 20) {
        const auto nameRva = r.At<std::uint32_t>(at + 12);
        if (nameRva == 0) break;
        image.imports.push_back(r.StringAt(r.OffsetOf(nameRva)));
      }
    }
    return image;
  } catch (const char* reason) {
    if (error) *error = reason;
    return std::nullopt;
  }
}

}  // namespace ornil::pe
