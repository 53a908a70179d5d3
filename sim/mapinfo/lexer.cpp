// The MapBasic tokenizer.
#include "sim/mapinfo/lexer.h"

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

bool Token::Is(Kind k, std::string_view t) const {
  return kind == k && text == t;
}

bool Token::IsWord(std::string_view keyword) const {
  return kind == Kind::Name && EqualNoCase(text, keyword);
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsNameStart(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_' || b == '~' || b >= 0x80;
}

bool IsNamePart(char c) {
  return IsNameStart(c) || IsDigit(c);
}

}  // namespace

std::vector<Token> Tokenize(std::string_view s) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (true) {
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32)
      ++i;
    Token t;
    t.position = i;
    if (i >= s.size()) {
      tokens.push_back(t);
      return tokens;
    }
    const char c = s[i];
    if (IsNameStart(c)) {
      const std::size_t start = i;
      while (i < s.size() && IsNamePart(s[i]))
        ++i;
      if (i < s.size() && s[i] == '$') ++i;
      t.kind = Token::Kind::Name;
      t.text = std::string(s.substr(start, i - start));
    } else if (IsDigit(c) || (c == '.' && i + 1 < s.size() && IsDigit(s[i + 1]))) {
      const std::size_t start = i;
      while (i < s.size() && IsDigit(s[i]))
        ++i;
      if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
          ++i;
      }
      if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
          i = j;
          while (i < s.size() && IsDigit(s[i]))
            ++i;
        }
      }
      t.kind = Token::Kind::Number;
      t.text = std::string(s.substr(start, i - start));
    } else if (c == '"') {
      ++i;
      t.kind = Token::Kind::String;
      while (true) {
        if (i >= s.size())
          throw HostError("Unterminated string at position " + std::to_string(t.position + 1));
        if (s[i] == '"') {
          if (i + 1 < s.size() && s[i + 1] == '"') {
            t.text += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        t.text += s[i++];
      }
    } else {
      t.kind = Token::Kind::Symbol;
      const std::string_view two = s.substr(i, 2);
      if (two == "<>" || two == "<=" || two == ">=") {
        t.text = std::string(two);
        i += 2;
      } else if (std::string_view("=<>+-*/\\^&(),.").find(c) != std::string_view::npos) {
        t.text = std::string(1, c);
        ++i;
      } else {
        throw HostError("Unexpected character '" + std::string(1, c) + "' at position " +
                        std::to_string(i + 1));
      }
    }
    tokens.push_back(std::move(t));
  }
}

}  // namespace ornil::sim::mb
