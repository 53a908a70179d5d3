// Format$, FormatNumber$ and DeformatNumber$.
#include "sim/mapinfo/number_format.h"

#include <cmath>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/regional.h"

namespace ornil::sim::mb {

namespace {

bool IsPatternChar(char c) {
  return c == '#' || c == '0' || c == ',' || c == '.';
}

// Puts the thousands separator between groups of three digits of an unsigned integer text.
std::string Grouped(std::string_view digits, const std::string& separator) {
  std::string out;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

double NumberForFormatting(const Value& v) {
  if (v.type == kDate) throw HostError("Format$: a date cannot be formatted as a number");
  return NumberOf(v);
}

}  // namespace

std::string FormatWithPattern(const Value& v, std::string_view pattern) {
  const RegionalSettings regional = Regional();
  if (pattern.empty())
    return IsNumericType(v.type) ? WithDecimalSeparator(ToText(v), regional) : ToText(v);
  const std::size_t start = pattern.find_first_of("#0,.");
  if (start == std::string_view::npos) return std::string(pattern);
  std::size_t end = start;
  while (end < pattern.size() && IsPatternChar(pattern[end]))
    ++end;
  const std::string_view prefix = pattern.substr(0, start);
  const std::string_view number = pattern.substr(start, end - start);
  const std::string_view suffix = pattern.substr(end);

  const std::size_t point = number.find('.');
  const std::string_view intPart = number.substr(0, point);
  const std::string_view fracPart =
      point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
  const bool grouping = intPart.find(',') != std::string_view::npos;
  int minInt = 0, maxFrac = 0, minFrac = 0;
  for (char c : intPart)
    minInt += c == '0';
  for (char c : fracPart) {
    maxFrac += c == '0' || c == '#';
    minFrac += c == '0';
  }

  double n = NumberForFormatting(v);
  if (prefix.find('%') != std::string_view::npos || suffix.find('%') != std::string_view::npos) {
    n *= 100;
  }
  std::string fixed = FormatFixed(RoundDecimal(n, maxFrac), maxFrac);
  const bool negative = !fixed.empty() && fixed.front() == '-';
  if (negative) fixed.erase(0, 1);
  std::string integer = fixed.substr(0, fixed.find('.'));
  std::string fraction =
      fixed.find('.') == std::string::npos ? std::string() : fixed.substr(fixed.find('.') + 1);
  while (static_cast<int>(fraction.size()) > minFrac && !fraction.empty() &&
         fraction.back() == '0') {
    fraction.pop_back();
  }
  if (integer == "0" && minInt == 0 && !fraction.empty()) integer.clear();
  while (static_cast<int>(integer.size()) < minInt)
    integer.insert(0, "0");
  if (grouping) integer = Grouped(integer, regional.thousandSeparator);

  std::string out(prefix);
  if (negative) out += '-';
  out += integer;
  if (!fraction.empty()) out += regional.decimalSeparator + fraction;
  out += suffix;
  return out;
}

std::string FormatNumberText(const Value& v) {
  Value number = v;
  if (IsTextType(v.type)) number = Value::Float(NumberOf(v));
  if (v.type == kDate) throw HostError("FormatNumber$: a date is not a number");
  if (v.type == kLogical) number = Value::Integer(v.number);
  std::string text = ToText(number);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.erase(0, 1);
  const std::size_t digits = text.find_first_not_of("0123456789");
  // Exponent forms are left as they are.
  if (digits != std::string::npos && text[digits] != '.') return ToText(number);
  const RegionalSettings regional = Regional();
  const std::string integer = text.substr(0, digits);
  const std::string rest = digits == std::string::npos ? std::string() : text.substr(digits);
  return (negative ? "-" : "") + Grouped(integer, regional.thousandSeparator) +
         WithDecimalSeparator(rest, regional);
}

std::string DeformatNumberText(std::string_view text) {
  const RegionalSettings regional = Regional();
  const std::string& decimal = regional.decimalSeparator;
  const std::string& thousands = regional.thousandSeparator;
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    if (!decimal.empty() && rest.starts_with(decimal)) {
      out += '.';
      i += decimal.size();
    } else if ((!thousands.empty() && rest.starts_with(thousands))) {
      i += thousands.size();
    } else if (rest.front() == ',' || rest.front() == ' ' || rest.front() == '\xA0') {
      ++i;
    } else {
      out += rest.front();
      ++i;
    }
  }
  return out;
}

}  // namespace ornil::sim::mb
