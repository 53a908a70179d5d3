// MapBasic values: text forms, parsing and conversions.
#include "sim/mapinfo/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/regional.h"
#include "text/civil_date.h"
#include "text/cp1251.h"
#include "ui/date_format.h"

namespace ornil::sim::mb {

bool IsNumericType(int type) {
  return type == kDecimal || type == kInteger || type == kSmallInt || type == kFloat;
}

bool IsTextType(int type) {
  return type == kChar || type == kOther;
}

Value Value::Text(std::string s) {
  Value v;
  v.type = kChar;
  v.text = std::move(s);
  return v;
}

Value Value::Integer(double n) {
  return Number(kInteger, n);
}
Value Value::SmallInt(double n) {
  return Number(kSmallInt, n);
}
Value Value::Float(double n) {
  return Number(kFloat, n);
}

Value Value::Decimal(double n, int decimals) {
  Value v = Number(kDecimal, n);
  v.decimals = decimals;
  return v;
}

Value Value::Logical(bool b) {
  return Number(kLogical, b ? 1 : 0);
}
Value Value::Date(int yyyymmdd) {
  return Number(kDate, yyyymmdd);
}

Value Value::Number(int type, double n) {
  Value v;
  v.type = type;
  v.number = n;
  return v;
}

Value Value::Date(int year, int month, int day) {
  return Date(year * 10000 + month * 100 + day);
}

std::string FormatInteger(double v) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, std::round(v), std::chars_format::fixed, 0);
  std::string s(buffer, ec == std::errc{} ? end : buffer);
  return s == "-0" ? "0" : s;
}

std::string FormatFloat(double v) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15) return FormatInteger(v);
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15);
  return std::string(buffer, ec == std::errc{} ? end : buffer);
}

std::string FormatFixed(double v, int decimals) {
  char buffer[400];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
  std::string s(buffer, ec == std::errc{} ? end : buffer);
  // "-0.00" is a zero.
  if (!s.empty() && s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos)
    s.erase(0, 1);
  return s;
}

std::string ToText(const Value& v) {
  switch (v.type) {
    case kChar:
    case kOther:
      return v.text;
    case kInteger:
    case kSmallInt:
      return FormatInteger(v.number);
    case kDecimal:
      return FormatFixed(v.number, v.decimals);
    case kFloat:
      return FormatFloat(v.number);
    case kDate:
      return FormatDate(static_cast<int>(v.number));
    case kLogical:
      return v.number != 0 ? "T" : "F";
    default:
      return v.text;
  }
}

std::optional<double> ParseNumber(std::string_view text) {
  std::string own(text);
  if (const std::string decimal = Regional().decimalSeparator; !decimal.empty() && decimal != ".") {
    if (const std::size_t at = own.find(decimal); at != std::string::npos)
      own.replace(at, decimal.size(), ".");
  }
  std::string_view s = text::Trim(own);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return value;
}

namespace {

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

// Digits only, as a number; -1 when the piece is empty or holds anything else.
int DigitsOf(std::string_view s) {
  if (s.empty() || s.size() > 8) return -1;
  int n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::optional<int> Checked(int year, int month, int day) {
  const int date = year * 10000 + month * 100 + day;
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

}  // namespace

bool IsValidDate(int d) {
  const int year = d / 10000, month = d / 100 % 100, day = d % 100;
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

std::optional<int> ParseDate(std::string_view s) {
  s = text::Trim(s);
  if (s.empty()) return 0;
  if (ui::SystemTime local; ui::ParseDate(s, Regional().shortDateFormat, local))
    return Checked(local.year, local.month, local.day);
  if (s.size() == 8 && DigitsOf(s) >= 0)
    return Checked(DigitsOf(s.substr(0, 4)), DigitsOf(s.substr(4, 2)), DigitsOf(s.substr(6, 2)));
  const char separator = s.find('.') != std::string_view::npos ? '.' : '-';
  const auto first = s.find(separator);
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = s.find(separator, first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const int a = DigitsOf(s.substr(0, first));
  const int b = DigitsOf(s.substr(first + 1, second - first - 1));
  const auto last = s.substr(second + 1);
  const int c = DigitsOf(last);
  if (a < 0 || b < 0 || c < 0) return std::nullopt;
  if (separator == '-') {
    if (first != 4) return std::nullopt;
    return Checked(a, b, c);
  }
  int year = c;
  if (last.size() == 2) {
    year += c < 30 ? 2000 : 1900;
  } else if (last.size() != 4) {
    return std::nullopt;
  }
  return Checked(year, b, a);
}

std::string FormatDate(int d) {
  if (d == 0) return {};
  return ui::FormatDate(ui::SystemTime::Date(d / 10000, d / 100 % 100, d % 100),
                        Regional().shortDateFormat);
}

long DateToDays(int d) {
  return text::DaysFromCivil(d / 10000, d / 100 % 100, d % 100);
}

int DaysToDate(long days) {
  const auto date = text::CivilFromDays(days);
  return date.year * 10000 + date.month * 100 + date.day;
}

double NumberOf(const Value& v) {
  if (!IsTextType(v.type)) return v.number;
  if (auto n = ParseNumber(v.text)) return *n;
  if (text::Trim(v.text).empty()) return 0;
  throw HostError("Type mismatch: \"" + v.text + "\" is not a number");
}

double RoundDecimal(double v, int decimals) {
  char buffer[512];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
  if (ec != std::errc{}) return v;
  std::string digits(buffer, end);
  const auto point = digits.find('.');
  if (point == std::string::npos ||
      digits.size() - point - 1 <= static_cast<std::size_t>(decimals)) {
    return v;
  }
  const bool up = digits[point + 1 + decimals] >= '5';
  digits.resize(point + 1 + decimals);
  double rounded = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), rounded);
  if (up) rounded += (v < 0 ? -1 : 1) * std::pow(10.0, -decimals);
  const double scale = std::pow(10.0, decimals);
  return std::round(rounded * scale) / scale;
}

namespace {

double NumberForStoring(const Value& v) {
  if (v.type == kDate) throw HostError("Type mismatch: a date where a number is expected");
  return NumberOf(v);
}

bool LogicalForStoring(const Value& v) {
  if (v.type == kDate) throw HostError("Type mismatch: a date where a logical is expected");
  if (!IsTextType(v.type)) return v.number != 0;
  const std::string t = text::Lower(text::Trim(v.text));
  if (t.empty() || t == "f" || t == "n" || t == "0" || t == "false") return false;
  if (t == "t" || t == "y" || t == "1" || t == "true") return true;
  throw HostError("Type mismatch: \"" + v.text + "\" is not a logical value");
}

}  // namespace

Value Coerce(const Value& v, int type, int width, int decimals) {
  switch (type) {
    case kChar:
    case kOther: {
      Value out = Value::Text(ToText(v));
      out.type = type;
      if (width > 0 && static_cast<int>(out.text.size()) > width) out.text.resize(width);
      return out;
    }
    case kInteger: {
      const double n = std::round(NumberForStoring(v));
      if (n < -2147483648.0 || n > 2147483647.0) {
        throw HostError("Value " + FormatFloat(n) + " is out of range for an integer");
      }
      return Value::Integer(n);
    }
    case kSmallInt: {
      const double n = std::round(NumberForStoring(v));
      if (n < -32768 || n > 32767) {
        throw HostError("Value " + FormatFloat(n) + " is out of range for a small integer");
      }
      return Value::SmallInt(n);
    }
    case kDecimal:
      return Value::Decimal(RoundDecimal(NumberForStoring(v), decimals), decimals);
    case kFloat:
      return Value::Float(NumberForStoring(v));
    case kDate: {
      if (v.type == kDate) return v;
      if (IsTextType(v.type)) {
        if (auto d = ParseDate(v.text)) return Value::Date(*d);
        throw HostError("Type mismatch: \"" + v.text + "\" is not a date");
      }
      throw HostError("Type mismatch: a number where a date is expected");
    }
    case kLogical:
      return Value::Logical(LogicalForStoring(v));
    default:
      throw HostError("Unknown type code " + std::to_string(type));
  }
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (text::LowerChar(a[i]) != text::LowerChar(b[i])) return false;
  }
  return true;
}

namespace {

int CompareTexts(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(text::LowerChar(a[i]));
    const auto y = static_cast<unsigned char>(text::LowerChar(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareNumbers(double a, double b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

int DateOf(const Value& v) {
  if (v.type == kDate) return static_cast<int>(v.number);
  if (auto d = ParseDate(v.text)) return *d;
  throw HostError("Type mismatch: \"" + v.text + "\" is not a date");
}

}  // namespace

int Compare(const Value& a, const Value& b) {
  const bool textA = IsTextType(a.type), textB = IsTextType(b.type);
  if (textA && textB) return CompareTexts(a.text, b.text);
  if (a.type == kDate || b.type == kDate) {
    if ((a.type == kDate || textA) && (b.type == kDate || textB)) {
      return CompareNumbers(DateOf(a), DateOf(b));
    }
    throw HostError("Type mismatch: a date compared with a number");
  }
  if (textA || textB) throw HostError("Type mismatch: a text compared with a number");
  return CompareNumbers(a.number, b.number);
}

}  // namespace ornil::sim::mb
