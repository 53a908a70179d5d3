// Number texts: terms, reading, cleaning and writing.
#include "controls/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace ornil::number_text {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsNegative(std::string_view text) {
  return !text.empty() && text.front() == '-';
}

int DigitCount(std::string_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), IsDigit));
}

int DeleteSelection(std::string& text, int start, int end) {
  const int size = static_cast<int>(text.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, 0, size);
  if (end < start) std::swap(start, end);
  text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
  return start;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  const bool negative = IsNegative(text);
  if (negative) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{1} << 31) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t IntegerValue(std::string_view text) {
  return ParseInteger(text).value_or(0);
}

std::optional<double> ParseFloat(std::string_view text, char separator) {
  const bool negative = IsNegative(text);
  if (negative) text.remove_prefix(1);
  std::string plain;
  plain.reserve(text.size());
  bool separatorSeen = false;
  bool digitSeen = false;
  bool large = false;  // a significant digit before the separator
  for (char c : text) {
    if (IsDigit(c)) {
      digitSeen = true;
      if (!separatorSeen && c != '0') large = true;
      plain.push_back(c);
    } else if (c == separator && !separatorSeen) {
      separatorSeen = true;
      plain.push_back('.');
    } else {
      return std::nullopt;
    }
  }
  if (!digitSeen) return std::nullopt;
  double value = 0;
  const auto [end, error] =
      std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range)
    value =
        large ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::denorm_min();
  else if (error != std::errc() || end != plain.data() + plain.size())
    return std::nullopt;
  return negative ? -value : value;
}

double FloatValue(std::string_view text, char separator) {
  return ParseFloat(text, separator).value_or(0.0);
}

bool IsZeroForm(std::string_view text, char separator) {
  if (IsNegative(text)) text.remove_prefix(1);
  const bool leadingZero = !text.empty() && text.front() == '0';
  if (leadingZero) text.remove_prefix(1);
  if (text.empty()) return leadingZero;
  if (text.front() != separator) return false;
  text.remove_prefix(1);
  const bool zeros = std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; });
  return zeros && (leadingZero || !text.empty());
}

std::string NumberParts::Text(char separatorChar) const {
  std::string text;
  text.reserve(whole.size() + fraction.size() + 2);
  if (negative) text.push_back('-');
  text += whole;
  if (separator) {
    text.push_back(separatorChar);
    text += fraction;
  }
  return text;
}

void NumberParts::TrimFraction() {
  while (!fraction.empty() && fraction.back() == '0')
    fraction.pop_back();
  if (fraction.empty()) separator = false;
}

NumberParts CleanNumber(std::string_view text, char separator, bool keepSeparator) {
  NumberParts parts;
  bool significant = false;  // a digit other than a leading zero, or the separator, was seen
  for (char c : text) {
    if (c == '-' && !significant) {
      parts.negative = true;
    } else if (IsDigit(c)) {
      if (parts.separator) {
        parts.fraction.push_back(c);
      } else if (c != '0' || !parts.whole.empty()) {
        parts.whole.push_back(c);
        significant = true;
      }
    } else if (keepSeparator && c == separator && !parts.separator) {
      parts.separator = true;
      significant = true;
    }
  }
  parts.TrimFraction();
  return parts;
}

std::string PlainDecimal(double value) {
  // Fixed notation of a double needs at most about 1100 characters.
  char buffer[1200];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  if (text == "-0") text.assign(1, '0');
  return text;
}

namespace {

std::string FixedText(double value, int fractionDigits) {
  char buffer[1200];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, fractionDigits);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

}  // namespace

std::string BoundText(double value, int fractionDigits, bool roundUp, char separator) {
  fractionDigits = std::clamp(fractionDigits, 0, 18);
  std::string text = PlainDecimal(value);
  const std::size_t dot = text.find('.');
  if (dot != std::string::npos &&
      text.size() - dot - 1 > static_cast<std::size_t>(fractionDigits)) {
    // Too many decimals: the nearest number of the allowed shape on the inner side of the bound.
    const double scale = std::pow(10.0, fractionDigits);
    double units = roundUp ? std::ceil(value * scale) : std::floor(value * scale);
    text = FixedText(units / scale, fractionDigits);
    const double written = FloatValue(text, '.');
    if (roundUp ? written < value : written > value) {
      units += roundUp ? 1 : -1;
      text = FixedText(units / scale, fractionDigits);
    }
  }
  NumberParts parts = CleanNumber(text, '.', true);
  if (parts.whole.empty()) parts.whole.assign(1, '0');
  if (parts.whole == "0" && !parts.separator) parts.negative = false;
  return parts.Text(separator);
}

}  // namespace ornil::number_text
