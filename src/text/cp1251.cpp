// Run-time helpers on Windows-1251 texts: case, trimming, integers and the conversions for logs.
#include "text/cp1251.h"

#include <charconv>
#include <climits>

namespace ornil::text {

namespace {

constexpr char32_t LowerCodePoint(char32_t cp) {
  if (cp >= U'A' && cp <= U'Z') return cp + (U'a' - U'A');
  if (cp >= U'Ѐ' && cp <= U'Џ') return cp + (U'ѐ' - U'Ѐ');
  if (cp >= U'А' && cp <= U'Я') return cp + (U'а' - U'А');
  if (cp == U'Ґ') return U'ґ';
  return cp;
}

constexpr auto kLowerBytes = [] {
  struct Table {
    unsigned char bytes[256];
  } table{};
  for (int b = 0; b < 256; ++b) {
    const char32_t cp = detail::CodePointOf(static_cast<unsigned char>(b));
    table.bytes[b] = cp == 0 && b != 0
                         ? static_cast<unsigned char>(b)
                         : static_cast<unsigned char>(detail::Cp1251Byte(LowerCodePoint(cp)));
  }
  return table;
}();

}  // namespace

char LowerChar(char c) {
  return static_cast<char>(kLowerBytes.bytes[static_cast<unsigned char>(c)]);
}

void LowerInPlace(char* s, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    s[i] = LowerChar(s[i]);
}

std::string Lower(std::string_view s) {
  std::string out(s);
  LowerInPlace(out.data(), out.size());
  return out;
}

static bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  return TrimRight(TrimLeft(s));
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerChar(a[i]) != LowerChar(b[i])) return false;
  return true;
}

int StrToIntDef(std::string_view s, int def) {
  while (!s.empty() && s.front() == ' ')
    s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return def;
  long long value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc{} || end != s.data() + s.size() || value < INT_MIN || value > INT_MAX) {
    return def;
  }
  return static_cast<int>(value);
}

std::string ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char c : cp1251) {
    const auto b = static_cast<unsigned char>(c);
    char32_t cp = detail::CodePointOf(b);
    if (cp == 0 && b != 0) cp = U'?';
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::string buffer(utf8);
  for (std::size_t i = 0; i < buffer.size();) {
    char32_t cp;
    try {
      cp = detail::DecodeUtf8(buffer.c_str(), i);
    } catch (const char*) {
      out += '?';
      ++i;
      continue;
    }
    const int b = detail::Cp1251Byte(cp);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

}  // namespace ornil::text
