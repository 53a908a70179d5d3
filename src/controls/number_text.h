// The terms the typed edits use on number texts: the sign, the digits and the decimal separator;
// a text read as an integer or as a floating-point number; and a text cleaned down to its sign,
// whole part and fraction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ornil::number_text {

// Not empty and starts with "-".
bool IsNegative(std::string_view text);
int DigitCount(std::string_view text);
bool IsDigit(char c);

// Deletes the characters from `start` to `end` (either order, clamped to the text); the
// position where they stood.
int DeleteSelection(std::string& text, int start, int end);

// An optional leading minus and at least one digit, nothing else, within 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);
// The text as an integer, 0 when it is none.
std::int32_t IntegerValue(std::string_view text);

// Deletes the characters from `start` to `end` (either order, clamped to the text); the
// position where they stood.
int DeleteSelection(std::string& text, int start, int end);

// An optional leading minus, digits and at most one separator, with at least one digit. A
// number too large for a double reads as an infinity, one too small as the smallest one.
std::optional<double> ParseFloat(std::string_view text, char separator);
// The text as a floating-point number, 0 when it is none.
double FloatValue(std::string_view text, char separator);

// "0", or a separator followed by zeros with or without a "0" before it, each optionally after
// a minus: the texts that stand for zero while the user types one.
bool IsZeroForm(std::string_view text, char separator);

// A number text reduced to what counts: whole part without leading zeros, fraction without
// trailing zeros; a separator only when a fraction follows it.
struct NumberParts {
  bool negative = false;
  std::string whole;
  bool separator = false;
  std::string fraction;

  std::string Text(char separator) const;
  // Drops trailing zeros of the fraction, and the separator with an empty fraction.
  void TrimFraction();
};

// Keeps the digits, a minus that comes before every significant digit (and before the
// separator) and, when `keepSeparator`, the first separator; other characters are dropped, and
// the digits after the first separator are the fraction.
NumberParts CleanNumber(std::string_view text, char separator, bool keepSeparator);

// `value` written out in plain decimal notation with the fewest digits that read back as the
// same double.
std::string PlainDecimal(double value);

// A bound written for an edit: `value` with at most `fractionDigits` digits after `separator`,
// exact when it fits, otherwise the nearest such number above it (`roundUp`) or below it.
std::string BoundText(double value, int fractionDigits, bool roundUp, char separator);

}  // namespace ornil::number_text
