// Simulated system services behind the small seams: the atom tables, directories and files on
// disk with the initialisation-file functions' reading rules, the library's own path, the
// calendar clock, recorded message boxes and the regional settings. The thread's message queue
// is the desktop's.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"
#include "text/cp1251.h"

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
  // Paths compare without regard to letter case, as on Windows.
  void AddDirectory(const std::string& path);
  bool DirectoryExists(const std::string& path) override;
  // Files by full path; a relative name resolves as the profile functions resolve it.
  void AddFile(const std::string& path, std::string contents);
  void RemoveFile(const std::string& path);
  bool FileExists(const std::string& path) const;
  // Where a relative initialisation-file name is looked for: the Windows folder for a bare name,
  // the current folder for one with folders in it.
  std::string FullPath(const std::string& path) const;

  std::uint32_t ProfileString(const char* section, const char* key, const char* def, char* buffer,
                              std::uint32_t size, const char* file) override;
  std::uint32_t ModuleFileName(char* buffer, std::uint32_t size) override;

  // The library's own file; empty makes ModuleFileName fail.
  std::string moduleFileName = "C:\\MapInfo\\Ornil\\Ornil.dll";
  std::string windowsDirectory = "C:\\WINDOWS\\";
  std::string currentDirectory = "C:\\MapInfo\\";
  // Every initialisation file read, by full path, in order.
  std::vector<std::string> profileReads;

 private:
  std::set<std::string> directories_;
  std::map<std::string, std::string> files_;  // lower-cased full path → contents
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

// The machine's regional settings, shared by the library and the simulated host. The defaults are
// those the host's number forms had from the start ("." and ","); DecimalComma is the other
// setting tests switch to: a decimal comma, digits grouped with non-breaking spaces and the month
// first in short dates.
class SimLocale : public platform::Locale {
 public:
  std::string decimalSeparator = ".";
  std::string thousandSeparator = ",";
  std::string shortDateFormat = "dd.MM.yyyy";
  std::string longDateFormat = "d MMMM yyyy 'г.'"_cp;

  void UseDecimalComma();

  std::string DecimalSeparator() override { return decimalSeparator; }
  std::string ThousandSeparator() override { return thousandSeparator; }
  std::string ShortDateFormat() override { return shortDateFormat; }
  std::string LongDateFormat() override { return longDateFormat; }
};

}  // namespace ornil::sim
