// Windows-1251 texts: the literal, case, trimming and how MapInfo's answers read as numbers.
#include <gtest/gtest.h>

#include "text/cp1251.h"

namespace ornil::text {
namespace {

TEST(Cp1251, LiteralGivesTheCodePageBytes) {
  EXPECT_EQ(std::string("Ошибка"_cp), "\xCE\xF8\xE8\xE1\xEA\xE0");
  EXPECT_EQ(std::string("Ёё№ A"_cp), "\xA8\xB8\xB9 A");
  EXPECT_EQ(ToUtf8("Время, отведённое"_cp), "Время, отведённое");
  EXPECT_EQ(FromUtf8("Таблица №1"), std::string("Таблица №1"_cp));
}

TEST(Cp1251, EveryByteButTheUndefinedOneRoundTripsThroughUtf8) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    if (b == 0x98) {
      EXPECT_EQ(ToUtf8(byte), "?");
    } else {
      EXPECT_EQ(FromUtf8(ToUtf8(byte)), byte) << "byte " << b;
    }
  }
}

TEST(Cp1251, LowerCaseCoversLatinAndEveryCyrillicCapital) {
  EXPECT_EQ(Lower("C:\\Program Files\\МОЯ Папка Ё"_cp),
            std::string("c:\\program files\\моя папка ё"_cp));
  EXPECT_EQ(Lower("ЂЃЉЊЌЋЏЎЈҐЄЇІЅ"_cp), std::string("ђѓљњќћџўјґєїіѕ"_cp));
  // Built by appending: clang 14 crashes on a _cp literal joined with + in an initializer.
  std::string unchanged = "ђѓљњќћџўјґєїіѕёя µ№«»—€™"_cp;
  unchanged += "\x98\xA0";
  EXPECT_EQ(Lower(unchanged), unchanged);
}

TEST(Cp1251, TrimRemovesControlCharactersAndBlanks) {
  EXPECT_EQ(Trim(" \t\r\n x y \x01"), "x y");
  EXPECT_EQ(TrimLeft("  x  "), "x  ");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Cp1251, AnswersThatAreNoIntegerReadAsTheDefault) {
  EXPECT_EQ(StrToIntDef("42", 0), 42);
  EXPECT_EQ(StrToIntDef(" -7", 0), -7);
  EXPECT_EQ(StrToIntDef("", 5), 5);
  EXPECT_EQ(StrToIntDef("1.5", 0), 0);
  EXPECT_EQ(StrToIntDef("12abc", 0), 0);
  EXPECT_EQ(StrToIntDef("99999999999", 0), 0);
  EXPECT_EQ(StrToIntDef("-", 3), 3);
}

}  // namespace
}  // namespace ornil::text
