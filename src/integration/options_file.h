// The library's options file: "Files.INI" beside the library names it (section "files", key
// "path", "Options.INI" when missing or empty), and the companion may point the library at another
// one. The module lives from load to unload; its initialisation and finalisation are boundaries.
#pragma once

#include <string>

#include "integration/ini_file.h"

namespace ornil {

void InitializeOptionsModule();
void FinalizeOptionsModule();

// The library's folder with its final separator; empty when its path could not be read.
const std::string& LibraryDirectory();
// The locator file beside the library, and the options file; null when there is none.
const TIniFile* LocatorFile();
const TIniFile* OptionsFile();

// Opens `path` as the options file, unchanged (a relative name is read by the profile functions'
// rules). A null or empty path is refused and the current file stays.
void SetOptionsFile(const char* path);

}  // namespace ornil
