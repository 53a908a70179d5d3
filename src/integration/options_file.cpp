// The options module: finding the library's folder, the locator file and the options file.
#include "integration/options_file.h"

#include <memory>

#include "host/errors.h"
#include "platform/seams.h"
#include "text/cp1251.h"

namespace ornil {

namespace {

constexpr std::uint32_t kModulePathBuffer = 261;
constexpr const char* kLocatorName = "Files.INI";
constexpr const char* kDefaultOptionsName = "Options.INI";

struct OptionsModule {
  std::string directory;
  std::unique_ptr<TIniFile> locator;
  std::unique_ptr<TIniFile> options;
};

OptionsModule& Module() {
  static OptionsModule module;
  return module;
}

std::string FindLibraryDirectory() {
  platform::FileSystem* files = platform::Current().files;
  if (files == nullptr) return {};
  char buffer[kModulePathBuffer] = {};
  const std::uint32_t n = files->ModuleFileName(buffer, sizeof buffer);
  std::string path(buffer, std::min<std::size_t>(n, sizeof buffer - 1));
  const std::size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace

void InitializeOptionsModule() {
  Boundary("Ошибка во время инициализации в модуле \"PellFileOptionsUnit\". "_cp, [] {
    OptionsModule& m = Module();
    m.directory = FindLibraryDirectory();
    m.locator = std::make_unique<TIniFile>(m.directory + kLocatorName);
    std::string name = m.locator->ReadString("files", "path", kDefaultOptionsName);
    if (name.empty()) name = kDefaultOptionsName;
    m.options = std::make_unique<TIniFile>(m.directory + name);
  });
}

void FinalizeOptionsModule() {
  Boundary("Ошибка во время финализации в модуле \"PellFileOptionsUnit\". "_cp, [] {
    OptionsModule& m = Module();
    m.locator.reset();
    m.options.reset();
    m.directory.clear();
  });
}

const std::string& LibraryDirectory() {
  return Module().directory;
}

const TIniFile* LocatorFile() {
  return Module().locator.get();
}

const TIniFile* OptionsFile() {
  return Module().options.get();
}

void SetOptionsFile(const char* path) {
  // Nothing to open: keep the file the library reads now.
  if (path == nullptr || *path == '\0') throw OrnilError({});
  OptionsModule& m = Module();
  m.options.reset();
  m.options = std::make_unique<TIniFile>(path);
}

}  // namespace ornil
