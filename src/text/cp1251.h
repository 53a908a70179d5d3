// Windows-1251 text: the compile-time literal `"…"_cp` that turns readable UTF-8 sources into the
// code page the host and the users' Windows speak, plus the few run-time helpers on such texts.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace ornil::text {

namespace detail {

// Decodes one UTF-8 sequence at s[i]; advances i. Throws (a compile error in constant evaluation)
// on malformed input.
constexpr char32_t DecodeUtf8(const char* s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    ++i;
    return b;
  }
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (extra < 0) throw "malformed UTF-8 in a Windows-1251 literal";
  char32_t cp = b & (0x3F >> extra);
  ++i;
  for (int k = 0; k < extra; ++k, ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if ((c & 0xC0) != 0x80) throw "malformed UTF-8 in a Windows-1251 literal";
    cp = (cp << 6) | (c & 0x3F);
  }
  return cp;
}

// The code points of the bytes 0x80 to 0xBF; 0x98 has none. From 0xC0 on, the bytes are А to я
// in alphabetical order.
// clang-format off
inline constexpr char32_t kHighHalf[64] = {
    U'Ђ', U'Ѓ', U'‚', U'ѓ', U'„', U'…', U'†', U'‡', U'€', U'‰', U'Љ', U'‹', U'Њ', U'Ќ', U'Ћ', U'Џ',
    U'ђ', U'‘', U'’', U'“', U'”', U'•', U'–', U'—', 0,    U'™', U'љ', U'›', U'њ', U'ќ', U'ћ', U'џ',
    0xA0, U'Ў', U'ў', U'Ј', U'¤', U'Ґ', U'¦', U'§', U'Ё', U'©', U'Є', U'«', U'¬', 0xAD, U'®', U'Ї',
    U'°', U'±', U'І', U'і', U'ґ', U'µ', U'¶', U'·', U'ё', U'№', U'є', U'»', U'ј', U'Ѕ', U'ѕ', U'ї'};
// clang-format on

// The code point of a Windows-1251 byte, 0 for the one byte the code page leaves undefined.
constexpr char32_t CodePointOf(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return U'А' + (b - 0xC0);
  return kHighHalf[b - 0x80];
}

// The Windows-1251 byte of a code point, or -1 where the code page has none.
constexpr int Cp1251Byte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= U'А' && cp <= U'я') return static_cast<int>(cp - U'А' + 0xC0);
  for (int i = 0; i < 64; ++i) {
    if (kHighHalf[i] == cp && cp != 0) return 0x80 + i;
  }
  return -1;
}

template <std::size_t N>
struct Utf8Literal {
  char data[N]{};
  constexpr Utf8Literal(const char (&s)[N]) { std::copy_n(s, N, data); }
};

template <Utf8Literal S>
constexpr std::size_t Cp1251Size() {
  std::size_t n = 0;
  for (std::size_t i = 0; i + 1 < sizeof(S.data);) {
    DecodeUtf8(S.data, i);
    ++n;
  }
  return n;
}

template <Utf8Literal S>
struct Cp1251Storage {
  static constexpr auto kBytes = [] {
    struct Bytes {
      char data[Cp1251Size<S>() + 1]{};
    } out{};
    std::size_t n = 0;
    for (std::size_t i = 0; i + 1 < sizeof(S.data);) {
      const int b = Cp1251Byte(DecodeUtf8(S.data, i));
      if (b < 0) throw "character has no Windows-1251 form";
      out.data[n++] = static_cast<char>(static_cast<unsigned char>(b));
    }
    return out;
  }();
};

}  // namespace detail

// `"Ошибка"_cp` is a zero-terminated Windows-1251 text with static storage.
template <detail::Utf8Literal S>
constexpr const char* operator""_cp() {
  return detail::Cp1251Storage<S>::kBytes.data;
}

// What CharLowerBuffA does under code page 1251: every capital letter, Latin or Cyrillic (Ђ Ѓ Љ
// Њ Ќ Ћ Џ Ў Ј Ґ Ё Є Ї І Ѕ included), to its small letter; every other byte unchanged.
char LowerChar(char c);
void LowerInPlace(char* s, std::size_t size);
std::string Lower(std::string_view s);
// Equal once both are lower-cased so.
bool EqualNoCase(std::string_view a, std::string_view b);

// Leading and trailing characters with a code of 32 or less removed.
std::string_view Trim(std::string_view s);
std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);

// Decimal integer as MapInfo's answers are read: leading blanks and a sign allowed, the rest must
// be digits; anything else (or an overflow) reads as the given default.
int StrToIntDef(std::string_view s, int def);

// For logs and the demo's console: Windows-1251 back to UTF-8.
std::string ToUtf8(std::string_view cp1251);
// The run-time twin of the literal, for texts that come from outside (test data files, the demo).
std::string FromUtf8(std::string_view utf8);

}  // namespace ornil::text

using ornil::text::operator""_cp;
