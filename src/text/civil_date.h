// Calendar arithmetic shared by everything that counts days: days since 1970-01-01 of a civil
// date and back (Howard Hinnant's algorithms), valid far beyond any date a table holds.
#pragma once

namespace ornil::text {

struct CivilDate {
  int year = 1970;
  int month = 1;
  int day = 1;
};

constexpr long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

constexpr CivilDate CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return {y, m, d};
}

static_assert(DaysFromCivil(1970, 1, 1) == 0);
static_assert(CivilFromDays(DaysFromCivil(2024, 2, 29)).day == 29);

}  // namespace ornil::text
