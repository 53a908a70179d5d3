// Calendar arithmetic for the dates the pickers exchange.
#include "ui/types.h"

#include "text/civil_date.h"

namespace ornil::ui {

namespace {

using text::DaysFromCivil;

SystemTime CivilFromDays(long days) {
  const auto date = text::CivilFromDays(days);
  return SystemTime::Date(date.year, date.month, date.day);
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
