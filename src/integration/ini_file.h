// TIniFile: one Windows initialisation file, read through the private-profile functions of the
// file-system seam. Opening it only keeps the name; every read goes to the file as it is then, so a
// missing file or key simply gives the default.
#pragma once

#include <string>
#include <string_view>

namespace ornil {

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // A decimal integer; anything else (or nothing) gives `def`.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // An integer, not 0 being true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  // The section is there with at least one key.
  bool SectionExists(std::string_view section) const;

 private:
  std::string fileName_;
};

}  // namespace ornil
