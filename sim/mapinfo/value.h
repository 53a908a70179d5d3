// MapBasic values as the simulated host keeps them: the type codes ColumnInfo reports, the one
// text form of every value (what a Request answers and Str$ gives), and conversions into a column
// or variable of a given type.
//
// Text forms:
// - numbers use "." as the decimal separator and no grouping; integers print without a point,
//   floats with up to 15 significant digits, decimals with exactly their decimal places; a number
//   is read with "." or the machine's decimal separator (regional.h);
// - dates print in the machine's short date format (DD.MM.YYYY by default); the blank date prints
//   as an empty text; dates are read in that format, and from DD.MM.YYYY, D.M.YYYY, DD.MM.YY
//   (years 00-29 are 20xx, 30-99 19xx), YYYYMMDD and YYYY-MM-DD;
// - logicals print as "T" and "F".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ornil::sim::mb {

// Type codes as ColumnInfo(…, 3) reports them.
enum TypeCode : int {
  kChar = 1,
  kDecimal = 2,
  kInteger = 3,
  kSmallInt = 4,
  kDate = 5,
  kLogical = 6,
  kOther = 7,
  kFloat = 8,
};

bool IsNumericType(int type);  // decimal, integer, small integer, float
bool IsTextType(int type);     // character, other

struct Value {
  int type = kChar;
  double number = 0;  // numbers; logicals as 0 or 1; dates as yyyymmdd, 0 for the blank date
  std::string text;   // character and other values
  int decimals = 0;   // decimal values: the places they print with

  static Value Text(std::string s);
  static Value Integer(double v);
  static Value SmallInt(double v);
  static Value Float(double v);
  static Value Decimal(double v, int decimals);
  static Value Logical(bool v);
  static Value Date(int yyyymmdd);
  static Value Date(int year, int month, int day);

  bool Truth() const { return number != 0; }

 private:
  static Value Number(int type, double n);
};

// The value's text form (see the top of this file).
std::string ToText(const Value& v);

std::string FormatInteger(double v);
std::string FormatFloat(double v);
std::string FormatFixed(double v, int decimals);
// Rounds half away from zero as the number is written: 1.005 to two places is 1.01.
double RoundDecimal(double v, int decimals);

// A whole text read as a number: blanks around it allowed, "." or the machine's decimal separator;
// nullopt otherwise.
std::optional<double> ParseNumber(std::string_view text);
// A text read as a date (the forms listed above); the empty text is the blank date (0).
std::optional<int> ParseDate(std::string_view text);
std::string FormatDate(int yyyymmdd);
bool IsValidDate(int yyyymmdd);
// Days since a fixed origin and back, for date arithmetic.
long DateToDays(int yyyymmdd);
int DaysToDate(long days);

// A number view of a numeric, logical or date value; text values must read as numbers.
double NumberOf(const Value& v);

// The value converted for storing in a column or variable of the type; width cuts character
// values (0: no limit), decimals round decimal values. Throws HostError on a type mismatch or a
// value out of range.
Value Coerce(const Value& v, int type, int width = 0, int decimals = 0);

// Orders two values as MapBasic compares them: numbers by value, texts without regard to letter
// case, dates by date. Throws HostError when the two cannot be compared.
int Compare(const Value& a, const Value& b);

// Letter-case-blind equality of Windows-1251 texts.
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace ornil::sim::mb
