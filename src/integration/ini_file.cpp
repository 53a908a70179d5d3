// Reading an initialisation file with GetPrivateProfileStringA's rules.
#include "integration/ini_file.h"

#include <vector>

#include "platform/seams.h"
#include "text/cp1251.h"

namespace ornil {

namespace {
// The buffers the class library reads with: a value, and the list of a section's keys.
constexpr std::uint32_t kValueBuffer = 2048;
constexpr std::uint32_t kSectionBuffer = 16384;
}  // namespace

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
  platform::FileSystem* files = platform::Current().files;
  if (files == nullptr) return std::string(def);
  const std::string s(section), k(key), d(def);
  std::vector<char> buffer(kValueBuffer, '\0');
  const std::uint32_t n =
      files->ProfileString(s.c_str(), k.c_str(), d.c_str(), buffer.data(),
                           static_cast<std::uint32_t>(buffer.size()), fileName_.c_str());
  return std::string(buffer.data(), std::min<std::size_t>(n, buffer.size() - 1));
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  return text::StrToIntDef(text::TrimRight(ReadString(section, key, "")), def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(std::string_view section) const {
  platform::FileSystem* files = platform::Current().files;
  if (files == nullptr) return false;
  const std::string s(section);
  std::vector<char> buffer(kSectionBuffer, '\0');
  const std::uint32_t n = files->ProfileString(s.c_str(), nullptr, nullptr, buffer.data(),
                                               static_cast<std::uint32_t>(buffer.size()),
                                               fileName_.c_str());
  return n > 0;
}

}  // namespace ornil
