// Simulated atom tables, directories, clock and message boxes.
#include "sim/desktop/system_sim.h"

#include <algorithm>
#include <cstring>

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

int SimDialogs::ShowMessageBox(const std::string& text, const std::string& caption,
                               std::uint32_t flags) {
  shown_.push_back({text, caption, flags});
  if (answers_.empty()) return 1;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace ornil::sim
