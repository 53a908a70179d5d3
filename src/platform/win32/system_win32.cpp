// The small seams on kernel32 and user32: atoms, directories, initialisation files and the
// library's path, the message queue, the clock, the message box and the regional settings.
#include <windows.h>

#include <ctime>

#include "platform/win32/win32_seams.h"

namespace ornil::platform::win32 {

Ddeml& RealDdeml();

namespace {

class Win32Atoms : public Atoms {
 public:
  std::uint32_t GetAtomName(std::uint16_t atom, char* buffer, int size) override {
    return ::GetAtomNameA(atom, buffer, size);
  }
  std::uint32_t GlobalGetAtomName(std::uint16_t atom, char* buffer, int size) override {
    return ::GlobalGetAtomNameA(atom, buffer, size);
  }
};

class Win32FileSystem : public FileSystem {
 public:
  bool DirectoryExists(const std::string& path) override {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  std::uint32_t ProfileString(const char* section, const char* key, const char* def, char* buffer,
                              std::uint32_t size, const char* file) override {
    return ::GetPrivateProfileStringA(section, key, def, buffer, size, file);
  }
  std::uint32_t ModuleFileName(char* buffer, std::uint32_t size) override {
    // The module this code lives in: the library itself, not the host's executable.
    HMODULE module = nullptr;
    if (!::GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCSTR>(&ThisModuleMarker), &module)) {
      return 0;
    }
    return ::GetModuleFileNameA(module, buffer, size);
  }

 private:
  static void ThisModuleMarker() {}
};

class Win32MessageQueue : public MessageQueue {
 public:
  bool PeekMessageRemove(QueuedMessage& message) override {
    if (!::PeekMessageA(&msg_, nullptr, 0, 0, PM_REMOVE)) return false;
    message = {reinterpret_cast<std::uintptr_t>(msg_.hwnd), msg_.message, msg_.wParam, msg_.lParam};
    return true;
  }
  // The last peeked MSG is dispatched whole, time and point included.
  void TranslateMessage(const QueuedMessage&) override { ::TranslateMessage(&msg_); }
  void DispatchMessage(const QueuedMessage&) override { ::DispatchMessageA(&msg_); }
  void PostQuitMessage(int exitCode) override { ::PostQuitMessage(exitCode); }

 private:
  MSG msg_{};
};

class Win32Clock : public Clock {
 public:
  std::int64_t CalendarSeconds() override { return static_cast<std::int64_t>(std::time(nullptr)); }
};

class Win32Dialogs : public Dialogs {
 public:
  int ShowMessageBox(const std::string& text, const std::string& caption,
                     std::uint32_t flags) override {
    return ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
  }
};

class Win32Locale : public Locale {
 public:
  std::string DecimalSeparator() override { return Info(LOCALE_SDECIMAL); }
  std::string ThousandSeparator() override { return Info(LOCALE_STHOUSAND); }
  std::string ShortDateFormat() override { return Info(LOCALE_SSHORTDATE); }
  std::string LongDateFormat() override { return Info(LOCALE_SLONGDATE); }

 private:
  static std::string Info(LCTYPE type) {
    char buffer[128] = {};
    const int n = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer) : std::string();
  }
};

}  // namespace

Seams RealSeams() {
  static Win32Atoms atoms;
  static Win32FileSystem files;
  static Win32MessageQueue queue;
  static Win32Clock clock;
  static Win32Dialogs dialogs;
  static Win32Locale locale;
  Seams seams{&RealDdeml(), &atoms, &files, &queue, &clock, &dialogs};
  seams.locale = &locale;
  return seams;
}

}  // namespace ornil::platform::win32
