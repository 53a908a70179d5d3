// Floating-point edit rules.
#include "controls/float_text_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "text/number_format.h"

namespace ornil {

using number_text::DeleteSelection;
using number_text::DigitCount;
using number_text::FloatValue;
using number_text::IsDigit;
using number_text::IsNegative;
using number_text::NumberParts;

FloatTextRules::FloatTextRules(double minimum, double maximum)
    : IntTextRules(std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max()),
      MinValue(minimum > maximum ? maximum : minimum),
      MaxValue(maximum) {}

bool FloatTextRules::SeparatorFits(const std::string& text, int start) const {
  return DigitCount(std::string_view(text).substr(0, static_cast<std::size_t>(start))) <
         TotalDigitLimit();
}

int FloatTextRules::InsertChar(std::string& text, char c, int start, int end) const {
  const char separator = text::DecimalSeparator();
  start = DeleteSelection(text, start, end);
  const bool negative = IsNegative(text);
  const int wholeStart = negative ? 1 : 0;
  const std::size_t separatorAt = text.find(separator);
  const bool hasSeparator = separatorAt != std::string::npos;
  const auto at = static_cast<std::size_t>(start);

  if (c == '0') {
    if (start == 0 && !text.empty() && text.front() != separator) return 0;
    if (start == 1 && negative && !(text.size() > 1 && text[1] == separator)) return 0;
  }
  if (c == separator) {
    if (start == 0 && negative) return 0;
    if (hasSeparator || !SeparatorFits(text, start)) return 0;
    if (start == wholeStart) {
      text.insert(at, {'0', separator});
      return start + 2;
    }
    text.insert(at, 1, separator);
    return start + 1;
  }
  if (c == '-') {
    if (MinValue >= 0 || start != 0 || text == "0" || negative) return 0;
    text.insert(0, 1, '-');
    return 1;
  }
  if (!IsDigit(c) || start < wholeStart) return 0;

  if (!hasSeparator || at <= separatorAt) {
    const std::string_view whole = std::string_view(text).substr(
        static_cast<std::size_t>(wholeStart),
        (hasSeparator ? separatorAt : text.size()) - static_cast<std::size_t>(wholeStart));
    // A lone zero before the separator only holds the place of the first digit.
    if (whole == "0") {
      text[static_cast<std::size_t>(wholeStart)] = c;
      return wholeStart + 1;
    }
    if (DigitCount(whole) >= WholeDigitLimit()) return 0;
  } else {
    const std::string_view fraction = std::string_view(text).substr(separatorAt + 1);
    // A lone zero after the separator is typed over only from in front of it: behind it, the
    // digit follows it (1.05 is typed as 1, separator, 0, 5).
    if (fraction == "0" && at == separatorAt + 1) {
      text[at] = c;
      return start + 1;
    }
    if (DigitCount(text) >= TotalDigitLimit() || DigitCount(fraction) >= FractionDigitLimit())
      return 0;
  }
  text.insert(at, 1, c);
  return start + 1;
}

bool FloatTextRules::IsFormatValid(const std::string& text) const {
  if (DigitCount(text) > TotalDigitLimit()) return false;
  const std::size_t separatorAt = text.find(text::DecimalSeparator());
  return separatorAt == std::string::npos ||
         DigitCount(std::string_view(text).substr(0, separatorAt)) <= WholeDigitLimit();
}

bool FloatTextRules::IsTextValid(const std::string& text) const {
  const char separator = text::DecimalSeparator();
  const double v = FloatValue(text, separator);
  if (v == 0 && text != "-" && !number_text::IsZeroForm(text, separator)) return false;
  if (!IsFormatValid(text)) return false;
  if (v > MaxValue) return false;
  return !(MinValue <= 0 && v < MinValue);
}

void FloatTextRules::CutToShape(NumberParts& parts) const {
  const auto total = static_cast<std::size_t>(TotalDigitLimit());
  if (parts.whole.size() + parts.fraction.size() > total) {
    parts.fraction.resize(total > parts.whole.size() ? total - parts.whole.size() : 0);
    if (parts.whole.size() > total) parts.whole.resize(total);
  }
  const auto whole = static_cast<std::size_t>(WholeDigitLimit());
  if (parts.whole.size() > whole) parts.whole.resize(whole);
}

int FloatTextRules::BoundDecimals(double bound) const {
  const std::string whole = number_text::PlainDecimal(bound < 0 ? -bound : bound);
  const int wholeDigits = static_cast<int>(std::min(whole.find('.'), whole.size()));
  return std::max(0, TotalDigitLimit() - std::max(1, wholeDigits));
}

std::string FloatTextRules::Shaped(const std::string& text) const {
  NumberParts parts = number_text::CleanNumber(text, text::DecimalSeparator(), true);
  if (parts.separator && parts.whole.empty()) parts.whole.assign(1, '0');
  CutToShape(parts);
  parts.TrimFraction();
  return parts.Text(text::DecimalSeparator());
}

void FloatTextRules::CorrectText(std::string& text) const {
  text = Shaped(text);
  ApplyBounds(text);
}

void FloatTextRules::ApplyBounds(std::string& text) const {
  const char separator = text::DecimalSeparator();
  auto value = [separator](const std::string& t) { return FloatValue(t, separator); };
  if (value(text) == 0) text.assign(1, '0');

  // Too large: digits come off the end of the whole part while it alone is too large, else
  // characters off the end.
  if (value(text) > MaxValue) {
    while (text != "0" && value(text) > MaxValue) {
      const std::size_t separatorAt = text.find(separator);
      const std::size_t wholeEnd = separatorAt == std::string::npos ? text.size() : separatorAt;
      if (wholeEnd > (IsNegative(text) ? 1u : 0u) && value(text.substr(0, wholeEnd)) > MaxValue)
        text.erase(wholeEnd - 1, 1);
      else
        text.pop_back();
      if (value(text) == 0) text.assign(1, '0');
    }
    text = Shaped(text);
    if (text.empty()) text.assign(1, '0');
    // Only a negative maximum gets here: zero is too large as well.
    if (value(text) > MaxValue)
      text = Shaped(number_text::BoundText(MaxValue, BoundDecimals(MaxValue), false, separator));
  }
  if (value(text) < MinValue)
    text = Shaped(number_text::BoundText(MinValue, BoundDecimals(MinValue), true, separator));
  if (text.empty()) text.assign(1, '0');
}

}  // namespace ornil
