// The typed edits' rules on their own: the property that CorrectText always ends in an
// acceptable text within the bounds (a bounded sample here; the benchmark and the fuzz target
// run millions), and the corrections a user sees on leaving an edit with tight bounds.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/text_rules_property.h"

namespace ornil {
namespace {

std::string Corrected(const IntTextRules& rules, std::string text) {
  rules.CorrectText(text);
  return text;
}

TEST(TypedTextRules, CorrectTextEndsInAnAcceptableTextWithinTheBounds) {
  const auto sets = testing::PropertyRuleSets();
  ASSERT_GT(sets.size(), 150u) << "every kind of edit over many shapes and bounds";
  std::mt19937 random(20240611);
  int violations = 0;
  for (const char separator : {'.', ','}) {
    text::SetDecimalSeparator(separator);
    for (const auto& rules : sets) {
      for (int i = 0; i < 120; ++i) {
        const std::string text = testing::GeneratedText(random);
        const std::string violation = testing::CorrectTextViolation(*rules, text);
        if (!violation.empty() && ++violations <= 10)
          ADD_FAILURE() << "'" << text << "': " << violation;
      }
    }
  }
  text::SetDecimalSeparator('.');
  EXPECT_EQ(violations, 0);
}

TEST(TypedTextRules, BoundsReplaceWhatLiesBeyondThem) {
  const IntTextRules negative(-100, -10);
  EXPECT_EQ(Corrected(negative, "5"), "-10") << "zero is above a negative maximum as well";
  EXPECT_EQ(Corrected(negative, "-5000"), "-100");
  const IntTextRules small(-32768, 32767);
  EXPECT_EQ(Corrected(small, "-99999"), "-32768");
  EXPECT_EQ(Corrected(small, "0-12"), "-12") << "a minus before the first significant digit";
  EXPECT_EQ(Corrected(small, "12-"), "12");

  const FloatTextRules fraction(0.125, 0.75);
  EXPECT_EQ(Corrected(fraction, "0.01"), "0.125") << "the minimum, exactly";
  EXPECT_EQ(Corrected(fraction, "7"), "0.125") << "7 loses its digit, and 0 is below";
  EXPECT_EQ(Corrected(fraction, "0.9"), "0.125") << "0.9 loses characters down to 0.";
  const DecimalTextRules twoDecimals(0.125, 0.75, 2, 6);
  EXPECT_EQ(Corrected(twoDecimals, "0.01"), "0.13") << "rounded up into the bounds";
  const FloatTextRules wide(-1e16, 1e16);
  EXPECT_EQ(Corrected(wide, ".5"), "0.5");
  EXPECT_EQ(Corrected(wide, "1.2.3"), "1.23");
  EXPECT_EQ(Corrected(wide, "-0.000"), "0");
  EXPECT_EQ(Corrected(wide, "1234567890.123456789"), "1234567890.12345678") << "18 digits";
  EXPECT_EQ(Corrected(wide, ".123456789012345678"), "0.12345678901234567")
      << "the zero before the separator counts among the 18";
}

TEST(TypedTextRules, ZeroFormsPassWhileTyping) {
  const FloatTextRules rules(-1e16, 1e16);
  for (const char* text : {"0", "-", "-0", "0.", "-0.", "0.0", "0.000", ".0", "-.00"})
    EXPECT_TRUE(rules.IsTextValid(text)) << text;
  for (const char* text : {"", ".", "-.", "00", "0-", "5-5", "1..2"})
    EXPECT_FALSE(rules.IsTextValid(text)) << text;
}

}  // namespace
}  // namespace ornil
