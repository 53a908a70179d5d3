// The property the typed edits' rules must keep, for the unit tests (a bounded sample), the
// benchmark and the fuzz target (millions of texts): whatever text CorrectText is given, its
// answer is a text IsTextValid and IsFormatValid accept, within the bounds, and correcting it
// again changes nothing. Also the rule sets it runs over and a generator of texts of the kinds
// users paste. Header-only, so that every program can take it without the test libraries.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "controls/decimal_text_rules.h"
#include "controls/float_text_rules.h"
#include "controls/int_text_rules.h"
#include "controls/number_text.h"
#include "text/number_format.h"

namespace ornil::testing {

// The value of a corrected text read the plain C way, independently of the rules' own reading.
inline double PlainValue(std::string text) {
  for (char& c : text)
    if (c == text::DecimalSeparator()) c = '.';
  return std::strtod(text.c_str(), nullptr);
}

// What is wrong with CorrectText's answer to `text`; empty when nothing.
inline std::string CorrectTextViolation(const IntTextRules& rules, const std::string& text) {
  std::string corrected = text;
  rules.CorrectText(corrected);
  if (!rules.IsTextValid(corrected)) return "not valid: " + corrected;
  double min = rules.MinValue;
  double max = rules.MaxValue;
  if (const auto* floating = dynamic_cast<const FloatTextRules*>(&rules)) {
    if (!floating->IsFormatValid(corrected)) return "bad format: " + corrected;
    min = floating->MinValue;
    max = floating->MaxValue;
  }
  const double value = PlainValue(corrected);
  if (value < min || value > max) return "out of bounds: " + corrected;
  std::string again = corrected;
  rules.CorrectText(again);
  if (again != corrected) return "corrected again: " + corrected + " -> " + again;
  return {};
}

namespace detail {

// Whether a text of the rules' shape can say exactly `bound`; bounds the info window passes
// (±1e16 and ±1e20) lie outside every shape and count as well.
inline bool BoundFits(const FloatTextRules& rules, double bound, int decimals) {
  if (bound <= -1e16 || bound >= 1e16) return true;
  const std::string text = number_text::BoundText(bound, decimals, true, text::DecimalSeparator());
  return rules.IsFormatValid(text) && PlainValue(text) == bound;
}

}  // namespace detail

// Integer, float and decimal rules over a range of bounds, widths and decimals.
inline std::vector<std::unique_ptr<IntTextRules>> PropertyRuleSets() {
  std::vector<std::unique_ptr<IntTextRules>> sets;
  const std::int32_t kMin = -2147483647 - 1, kMax = 2147483647;
  for (auto [min, max] : {std::pair{kMin, kMax},
                          {-32768, 32767},
                          {10, 100},
                          {-100, -10},
                          {0, 0},
                          {-5, 5},
                          {1, kMax},
                          {kMin, -1},
                          {7, 7},
                          {50, 10}})
    sets.push_back(std::make_unique<IntTextRules>(min, max));

  const std::vector<std::pair<double, double>> bounds = {
      {-1e16, 1e16}, {-1e20, 1e20}, {0, 1e20},        {-1e20, 0}, {-1, 1},    {1, 9},
      {-9, -1},      {0.125, 0.75}, {-100.5, -10.25}, {5, 5},     {0.5, 0.5}, {-0.001, 0.001}};
  for (auto [min, max] : bounds) {
    auto floating = std::make_unique<FloatTextRules>(min, max);
    if (detail::BoundFits(*floating, min, 17) && detail::BoundFits(*floating, max, 17))
      sets.push_back(std::move(floating));
    for (int width : {1, 2, 3, 4, 5, 7, 10, 16, 20})
      for (int decimals : {0, 1, 2, 3, 5, 16}) {
        auto decimal = std::make_unique<DecimalTextRules>(min, max, decimals, width);
        if (detail::BoundFits(*decimal, min, decimal->Decimals) &&
            detail::BoundFits(*decimal, max, decimal->Decimals))
          sets.push_back(std::move(decimal));
      }
  }
  return sets;
}

// Random characters, digits, separators, minus signs, long runs and Cyrillic.
inline std::string GeneratedText(std::mt19937& random) {
  static const std::string kPieces[] = {"0",  "1",      "5",          "9",
                                        "7",  ".",      ",",          "-",
                                        "-",  " ",      "e",          "a",
                                        "+",  "\xE6",   "\xDF",       "\xB8",
                                        "00", "000000", "9999999999", "12345678901234567890",
                                        "0.", ".0",     "-0",         "--",
                                        "\t", "1e5"};
  const int pieces = static_cast<int>(std::size(kPieces));
  std::string text;
  const int length = static_cast<int>(random() % 12);
  for (int i = 0; i < length; ++i) {
    const unsigned pick = random() % 8;
    if (pick == 0) {
      // A long run of one character.
      text.append(random() % 40 + 1, "09-.,"[random() % 5]);
    } else if (pick == 1) {
      text.push_back(static_cast<char>(random() % 256));
    } else {
      text += kPieces[random() % pieces];
    }
  }
  return text;
}

}  // namespace ornil::testing
