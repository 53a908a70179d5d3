// Calendar arithmetic for the dates the pickers exchange.
#include "ui/types.h"

namespace ornil::ui {

namespace {

// Days since 1970-01-01 of a civil date, and back (Howard Hinnant's algorithms).
long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

SystemTime CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return SystemTime::Date(y, m, d);
}

}  // namespace

int DayOfWeek(int year, int month, int day) {
  const long days = DaysFromCivil(year, month, day);
  return static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

SystemTime SystemTime::Date(int year, int month, int day) {
  SystemTime t;
  t.year = static_cast<std::uint16_t>(year);
  t.month = static_cast<std::uint16_t>(month);
  t.day = static_cast<std::uint16_t>(day);
  t.dayOfWeek = static_cast<std::uint16_t>(DayOfWeek(year, month, day));
  return t;
}

bool SystemTime::IsValidDate() const {
  return year >= 1601 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

SystemTime AddDays(const SystemTime& date, int days) {
  return CivilFromDays(DaysFromCivil(date.year, date.month, date.day) + days);
}

SystemTime DateFromCalendarSeconds(std::int64_t seconds) {
  const long days = static_cast<long>(seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400);
  return CivilFromDays(days);
}

}  // namespace ornil::ui
