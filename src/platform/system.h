// The small seams besides DDEML: global atoms, the file system (directories, initialisation files
// and the library's own path), the thread's message queue, the calendar clock, the message box and
// the user's regional settings. Real backends: platform/win32; tests: sim/.
#pragma once

#include <cstdint>
#include <string>

namespace ornil::platform {

// Both copy an atom's name into buffer (zero-terminated, cut to size - 1) and return its length,
// or 0 when the atom has no name in that table; the buffer is left untouched then.
class Atoms {
 public:
  virtual ~Atoms() = default;
  // GetAtomNameA: the calling process's own atom table.
  virtual std::uint32_t GetAtomName(std::uint16_t atom, char* buffer, int size) = 0;
  // GlobalGetAtomNameA: the table shared by all processes, which holds the DDE servers' topics.
  virtual std::uint32_t GlobalGetAtomName(std::uint16_t atom, char* buffer, int size) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // GetPrivateProfileStringA: the value of `key` in `section` of the initialisation file `file`
  // (sections and keys without regard to case, blanks around them trimmed; a relative name is
  // looked for in the Windows folder), or `def` when the file, section or key is missing. A null
  // key gives the names of the section's keys instead, each ending in a zero, the list in a second
  // zero. The text is cut to size - 1 (or size - 2 for a list); returns the count of characters
  // copied without the final zero.
  virtual std::uint32_t ProfileString(const char* section, const char* key, const char* def,
                                      char* buffer, std::uint32_t size, const char* file) = 0;
  // GetModuleFileNameA on the library's own module: its full path, cut to size - 1 characters;
  // returns the count copied, 0 on failure.
  virtual std::uint32_t ModuleFileName(char* buffer, std::uint32_t size) = 0;
};

struct QueuedMessage {
  std::uintptr_t window = 0;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};
inline constexpr std::uint32_t WM_QUIT_MESSAGE = 0x0012;

class MessageQueue {
 public:
  virtual ~MessageQueue() = default;
  // PeekMessageA(PM_REMOVE) on the calling thread.
  virtual bool PeekMessageRemove(QueuedMessage& message) = 0;
  virtual void TranslateMessage(const QueuedMessage& message) = 0;
  virtual void DispatchMessage(const QueuedMessage& message) = 0;
  virtual void PostQuitMessage(int exitCode) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Calendar time in seconds, as time() gives it.
  virtual std::int64_t CalendarSeconds() = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; returns the button the user chose.
  virtual int ShowMessageBox(const std::string& text, const std::string& caption,
                             std::uint32_t flags) = 0;
};

// The user's regional settings, as GetLocaleInfoA reads them for the user's default locale. The
// host runs on the same machine and formats its numbers and dates by the same settings.
class Locale {
 public:
  virtual ~Locale() = default;
  virtual std::string DecimalSeparator() = 0;   // LOCALE_SDECIMAL
  virtual std::string ThousandSeparator() = 0;  // LOCALE_STHOUSAND
  virtual std::string ShortDateFormat() = 0;    // LOCALE_SSHORTDATE
  virtual std::string LongDateFormat() = 0;     // LOCALE_SLONGDATE
};

}  // namespace ornil::platform
