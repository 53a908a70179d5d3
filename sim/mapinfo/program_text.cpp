// Reading a program's files: Include, Define, comments and labels, line by line.
#include "sim/mapinfo/program_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "sim/mapinfo/host_error.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

std::string ProgramText::Where(std::size_t index) const {
  if (places.empty()) return "the program";
  const TokenPlace& p = places[std::min(index, places.size() - 1)];
  return files[p.file].name + ", line " + std::to_string(p.line);
}

namespace {

constexpr int kMostIncludeDepth = 16;
constexpr int kMostDefineDepth = 16;

bool IsNameChar(char c, bool first) {
  const auto b = static_cast<unsigned char>(c);
  const bool letter = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_' || b >= 0x80;
  return letter || (!first && b >= '0' && b <= '9');
}

// The line without its comment: an apostrophe outside a string starts one.
std::string WithoutComment(std::string_view line) {
  bool inString = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') inString = !inString;
    if (line[i] == '\'' && !inString) return std::string(line.substr(0, i));
  }
  return std::string(line);
}

// A line that begins with "name:" is a label; its colon is blanked so the rest tokenizes.
bool TakeLabel(std::string& line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
    ++i;
  if (i >= line.size() || !IsNameChar(line[i], true)) return false;
  while (i < line.size() && IsNameChar(line[i], false))
    ++i;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
    ++i;
  if (i >= line.size() || line[i] != ':') return false;
  line[i] = ' ';
  return true;
}

class Loader {
 public:
  Loader(const SourceReader& read, ProgramText& out) : read_(read), out_(out) {}

  void File(const std::string& name, const std::string& from, int depth) {
    if (depth > kMostIncludeDepth) throw HostError(from + ": includes nest too deeply");
    const std::string key = text::Lower(name);
    if (std::find(loading_.begin(), loading_.end(), key) != loading_.end()) {
      throw HostError(from + ": \"" + name + "\" includes itself");
    }
    loading_.push_back(key);
    std::optional<std::string> text = read_(name);
    if (!text) throw HostError(from + ": cannot read the file \"" + name + "\"");
    const int file = static_cast<int>(out_.files.size());
    out_.files.push_back({name, ""});
    std::size_t start = 0;
    for (int line = 1; start <= text->size(); ++line) {
      std::size_t end = text->find('\n', start);
      if (end == std::string::npos) end = text->size();
      Line(file, line, std::string_view(*text).substr(start, end - start), depth);
      start = end + 1;
    }
    loading_.pop_back();
  }

 private:
  std::string Place(int file, int line) const {
    return out_.files[file].name + ", line " + std::to_string(line);
  }

  void Line(int file, int line, std::string_view raw, int depth) {
    std::string text = WithoutComment(raw);
    const bool label = TakeLabel(text);
    // The file's text is kept as tokenized, so positions point into it.
    std::string& kept = out_.files[file].text;
    const std::size_t offset = kept.size();
    kept += text;
    kept += '\n';
    std::vector<Token> tokens;
    try {
      tokens = Tokenize(text);
    } catch (const HostError& e) {
      throw HostError(Place(file, line) + ": " + e.what());
    }
    tokens.pop_back();  // the End token
    for (auto& t : tokens)
      t.position += offset;
    if (tokens.empty()) return;
    if (!label && tokens[0].IsWord("include")) {
      if (tokens.size() != 2 || tokens[1].kind != Token::Kind::String) {
        throw HostError(Place(file, line) + ": Include needs one file name in quotes");
      }
      File(tokens[1].text, Place(file, line), depth + 1);
      return;
    }
    if (!label && tokens[0].IsWord("define")) {
      if (tokens.size() < 3 || tokens[1].kind != Token::Kind::Name) {
        throw HostError(Place(file, line) + ": Define needs a name and a definition");
      }
      std::vector<Token> definition;
      for (std::size_t i = 2; i < tokens.size(); ++i)
        Expand(tokens[i], tokens[i].position, definition, 0);
      defines_[text::Lower(tokens[1].text)] = std::move(definition);
      return;
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
      std::vector<Token> expanded;
      Expand(tokens[i], tokens[i].position, expanded, 0);
      for (auto& t : expanded) {
        out_.tokens.push_back(std::move(t));
        out_.places.push_back({file, line, label && i == 0});
      }
    }
  }

  void Expand(const Token& t, std::size_t position, std::vector<Token>& into, int depth) {
    if (t.kind == Token::Kind::Name) {
      auto it = defines_.find(text::Lower(t.text));
      if (it != defines_.end() && depth < kMostDefineDepth) {
        for (const Token& part : it->second)
          Expand(part, position, into, depth + 1);
        return;
      }
    }
    Token copy = t;
    copy.position = position;
    into.push_back(std::move(copy));
  }

  const SourceReader& read_;
  ProgramText& out_;
  std::map<std::string, std::vector<Token>> defines_;
  std::vector<std::string> loading_;  // the files being read, each including the next
};

}  // namespace

SourceReader FolderReader(std::vector<std::string> folders) {
  return [folders = std::move(folders)](const std::string& name) -> std::optional<std::string> {
    namespace fs = std::filesystem;
    for (const auto& folder : folders) {
      std::error_code ec;
      for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (text::Lower(entry.path().filename().string()) != text::Lower(name)) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
      }
    }
    return std::nullopt;
  };
}

ProgramText LoadProgramText(const std::string& mainFile, const SourceReader& read) {
  ProgramText out;
  Loader(read, out).File(mainFile, "the program", 0);
  Token end;
  end.position = 0;
  out.tokens.push_back(end);
  out.places.push_back(out.places.empty() ? TokenPlace{} : out.places.back());
  return out;
}

}  // namespace ornil::sim::mb
