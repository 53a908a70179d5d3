// Simulated atom tables, directories and files, clock, message boxes and regional settings.
#include "sim/desktop/system_sim.h"

#include <algorithm>
#include <cstring>

#include "sim/desktop/profile_reader.h"

#include "text/cp1251.h"

namespace ornil::sim {

namespace {

std::uint32_t CopyName(const std::map<std::uint16_t, std::string>& table, std::uint16_t atom,
                       char* buffer, int size) {
  auto it = table.find(atom);
  if (it == table.end() || buffer == nullptr || size <= 0) return 0;
  const std::size_t n = std::min(it->second.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, it->second.data(), n);
  buffer[n] = '\0';
  return static_cast<std::uint32_t>(n);
}

}  // namespace

std::uint16_t SimAtoms::Add(const std::string& name, Table table) {
  auto& atoms = Of(table);
  const std::uint16_t atom =
      atoms.empty() ? std::uint16_t{0xC000} : static_cast<std::uint16_t>(atoms.rbegin()->first + 1);
  atoms[atom] = name;
  return atom;
}

void SimAtoms::Put(std::uint16_t atom, const std::string& name, Table table) {
  Of(table)[atom] = name;
}

std::uint32_t SimAtoms::GetAtomName(std::uint16_t atom, char* buffer, int size) {
  return CopyName(local_, atom, buffer, size);
}

std::uint32_t SimAtoms::GlobalGetAtomName(std::uint16_t atom, char* buffer, int size) {
  return CopyName(global_, atom, buffer, size);
}

void SimFileSystem::AddDirectory(const std::string& path) {
  directories_.insert(text::Lower(path));
}

bool SimFileSystem::DirectoryExists(const std::string& path) {
  std::string key = text::Lower(path);
  if (directories_.contains(key)) return true;
  // A trailing separator names the same directory.
  while (!key.empty() && (key.back() == '\\' || key.back() == '/'))
    key.pop_back();
  return directories_.contains(key) || directories_.contains(key + "\\");
}

namespace {

// Copies text into a buffer of `size` as the profile functions do: cut to size - 1, zero ended.
std::uint32_t CopyOut(std::string_view text, char* buffer, std::uint32_t size) {
  if (buffer == nullptr || size == 0) return 0;
  const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<std::uint32_t>(n);
}

// A list of names, each zero ended, the list ending in one more zero; cut to fit `size`.
std::uint32_t CopyList(const std::vector<std::string>& names, char* buffer, std::uint32_t size) {
  if (buffer == nullptr || size < 2) return 0;
  std::uint32_t at = 0;
  for (const auto& name : names) {
    if (at + name.size() + 2 > size) break;
    std::memcpy(buffer + at, name.data(), name.size());
    at += static_cast<std::uint32_t>(name.size());
    buffer[at++] = '\0';
  }
  buffer[at] = '\0';
  return at;
}

bool IsFullPath(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') || path.starts_with("\\\\");
}

}  // namespace

std::string SimFileSystem::FullPath(const std::string& path) const {
  if (IsFullPath(path)) return path;
  const bool bare = path.find_first_of("\\/") == std::string::npos;
  return (bare ? windowsDirectory : currentDirectory) + path;
}

void SimFileSystem::AddFile(const std::string& path, std::string contents) {
  files_[text::Lower(FullPath(path))] = std::move(contents);
}

void SimFileSystem::RemoveFile(const std::string& path) {
  files_.erase(text::Lower(FullPath(path)));
}

bool SimFileSystem::FileExists(const std::string& path) const {
  return files_.contains(text::Lower(FullPath(path)));
}

std::uint32_t SimFileSystem::ProfileString(const char* section, const char* key, const char* def,
                                           char* buffer, std::uint32_t size, const char* file) {
  const std::string full = FullPath(file != nullptr ? file : "win.ini");
  profileReads.push_back(full);
  // The default loses its trailing blanks, as Windows gives it back.
  const std::string_view fallback = text::TrimRight(def != nullptr ? def : "");
  const auto it = files_.find(text::Lower(full));
  if (it == files_.end() || section == nullptr) {
    if (key == nullptr) return CopyList({}, buffer, size);
    return CopyOut(fallback, buffer, size);
  }
  if (key == nullptr) {
    return CopyList(ProfileKeys(it->second, section).value_or(std::vector<std::string>{}), buffer,
                    size);
  }
  const auto value = ProfileValue(it->second, section, key);
  return CopyOut(value ? std::string_view(*value) : fallback, buffer, size);
}

std::uint32_t SimFileSystem::ModuleFileName(char* buffer, std::uint32_t size) {
  if (moduleFileName.empty()) return 0;
  return CopyOut(moduleFileName, buffer, size);
}

void SimLocale::UseDecimalComma() {
  decimalSeparator = ",";
  thousandSeparator = "\xA0";
  shortDateFormat = "M/d/yyyy";
}

int SimDialogs::ShowMessageBox(const std::string& text, const std::string& caption,
                               std::uint32_t flags) {
  shown_.push_back({text, caption, flags});
  if (answers_.empty()) return 1;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace ornil::sim
