// Splits MapBasic text into tokens: names (letters of Windows-1251 included, "~" and a final "$"
// allowed, as in "~CurrentRowId~" and "Str$"), numbers, double-quoted strings with "" for a quote,
// and operators.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ornil::sim::mb {

struct Token {
  enum class Kind { Name, Number, String, Symbol, End };
  Kind kind = Kind::End;
  std::string text;  // a name or symbol as written; a string's value; a number's digits
  std::size_t position = 0;

  bool Is(Kind k, std::string_view t) const;
  // A name equal to the keyword without regard to letter case.
  bool IsWord(std::string_view keyword) const;
  bool IsSymbol(std::string_view symbol) const { return kind == Kind::Symbol && text == symbol; }
};

// Throws HostError for an unterminated string or a character that starts no token.
std::vector<Token> Tokenize(std::string_view source);

}  // namespace ornil::sim::mb
