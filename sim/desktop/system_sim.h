// Simulated system services behind the small seams: the atom tables, directories on disk, the
// calendar clock and recorded message boxes. The thread's message queue is the desktop's.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

namespace ornil::sim {

// The process's own atom table and the global one, each from 0xC000 up. Numbers may be left
// unnamed, and the same number may name different things in the two tables.
class SimAtoms : public platform::Atoms {
 public:
  enum class Table { Local, Global };
  // Adds an atom with the number after the highest the table holds and returns it.
  std::uint16_t Add(const std::string& name, Table table = Table::Global);
  // Names one number; the numbers between it and the others stay unnamed.
  void Put(std::uint16_t atom, const std::string& name, Table table = Table::Global);
  void Delete(std::uint16_t atom, Table table = Table::Global) { Of(table).erase(atom); }

  std::uint32_t GetAtomName(std::uint16_t atom, char* buffer, int size) override;
  std::uint32_t GlobalGetAtomName(std::uint16_t atom, char* buffer, int size) override;

 private:
  std::map<std::uint16_t, std::string>& Of(Table table) {
    return table == Table::Local ? local_ : global_;
  }

  std::map<std::uint16_t, std::string> local_;
  std::map<std::uint16_t, std::string> global_;
};

class SimFileSystem : public platform::FileSystem {
 public:
  // Directories compare without regard to letter case, as on Windows.
  void AddDirectory(const std::string& path);
  bool DirectoryExists(const std::string& path) override;

 private:
  std::set<std::string> directories_;
};

class SimClock : public platform::Clock {
 public:
  std::int64_t seconds = 1'700'000'000;
  std::int64_t CalendarSeconds() override { return seconds; }
};

struct ShownMessageBox {
  std::string text;  // Windows-1251, as shown
  std::string caption;
  std::uint32_t flags = 0;
};

class SimDialogs : public platform::Dialogs {
 public:
  std::vector<ShownMessageBox>& Shown() { return shown_; }
  // Answers for the next boxes, in order; IDOK (1) once they run out.
  void Answer(int button) { answers_.push_back(button); }
  int ShowMessageBox(const std::string& text, const std::string& caption,
                     std::uint32_t flags) override;

 private:
  std::vector<ShownMessageBox> shown_;
  std::deque<int> answers_;
};

}  // namespace ornil::sim
