// A MapBasic program's source as its parser reads it: the main file and the files it includes, as
// one list of tokens with comments dropped, labels marked and Define names replaced by their
// definitions. Every token knows its file and line, so errors can name them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sim/mapinfo/lexer.h"

namespace ornil::sim::mb {

// Reads an included file by the name the program gives; nullopt when there is none.
using SourceReader = std::function<std::optional<std::string>(const std::string& name)>;

struct SourceFile {
  std::string name;
  std::string text;  // Windows-1251, as tokenized: comments and label colons blanked
};

struct TokenPlace {
  int file = 0;        // index into ProgramText::files
  int line = 0;        // 1-based
  bool label = false;  // a "name:" label at the start of its line
};

struct ProgramText {
  std::vector<SourceFile> files;
  std::vector<Token> tokens;       // ends with an End token
  std::vector<TokenPlace> places;  // one per token

  // "OrnilApp.mb, line 12" for the token at `index`.
  std::string Where(std::size_t index) const;
};

// Reads files from the folders in turn, names matched without regard to letter case, as the
// MapBasic compiler finds a program and its includes on Windows.
SourceReader FolderReader(std::vector<std::string> folders);

// Throws HostError naming the file and line of what cannot be read or tokenized.
ProgramText LoadProgramText(const std::string& mainFile, const SourceReader& read);

}  // namespace ornil::sim::mb
