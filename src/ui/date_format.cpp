// Formatting and reading dates by picture.
#include "ui/date_format.h"

#include <cctype>

#include "text/cp1251.h"

namespace ornil::ui {

namespace {

const char* const kMonthsGenitive[] = {"января"_cp,   "февраля"_cp, "марта"_cp,  "апреля"_cp,
                                       "мая"_cp,      "июня"_cp,    "июля"_cp,   "августа"_cp,
                                       "сентября"_cp, "октября"_cp, "ноября"_cp, "декабря"_cp};
const char* const kMonthsNominative[] = {"Январь"_cp,   "Февраль"_cp, "Март"_cp,   "Апрель"_cp,
                                         "Май"_cp,      "Июнь"_cp,    "Июль"_cp,   "Август"_cp,
                                         "Сентябрь"_cp, "Октябрь"_cp, "Ноябрь"_cp, "Декабрь"_cp};
const char* const kMonthsShort[] = {"янв"_cp, "фев"_cp, "мар"_cp, "апр"_cp, "май"_cp, "июн"_cp,
                                    "июл"_cp, "авг"_cp, "сен"_cp, "окт"_cp, "ноя"_cp, "дек"_cp};
const char* const kDays[] = {"воскресенье"_cp, "понедельник"_cp, "вторник"_cp, "среда"_cp,
                             "четверг"_cp,     "пятница"_cp,     "суббота"_cp};
const char* const kDaysShort[] = {"Вс"_cp, "Пн"_cp, "Вт"_cp, "Ср"_cp, "Чт"_cp, "Пт"_cp, "Сб"_cp};

std::size_t RunLength(std::string_view s, std::size_t i) {
  std::size_t n = 1;
  while (i + n < s.size() && s[i + n] == s[i])
    ++n;
  return n;
}

std::string Padded(int value, int width) {
  const std::string digits = std::to_string(value);
  const auto size = static_cast<int>(digits.size());
  return std::string(static_cast<std::size_t>(width > size ? width - size : 0), '0') + digits;
}

bool HasDayToken(std::string_view format) {
  bool quoted = false;
  for (char c : format) {
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == 'd') return true;
  }
  return false;
}

}  // namespace

std::string FormatDate(const SystemTime& date, std::string_view format) {
  std::string out;
  const bool genitive = HasDayToken(format);
  const int month = date.month >= 1 && date.month <= 12 ? date.month - 1 : 0;
  const int weekday = DayOfWeek(date.year, date.month, date.day);
  for (std::size_t i = 0; i < format.size();) {
    const char c = format[i];
    if (c == '\'') {
      const std::size_t end = format.find('\'', i + 1);
      out += format.substr(i + 1,
                           end == std::string_view::npos ? std::string_view::npos : end - i - 1);
      i = end == std::string_view::npos ? format.size() : end + 1;
      continue;
    }
    const std::size_t n = RunLength(format, i);
    switch (c) {
      case 'd':
        if (n == 1) out += std::to_string(date.day);
        if (n == 2) out += Padded(date.day, 2);
        if (n == 3) out += kDaysShort[weekday];
        if (n >= 4) out += kDays[weekday];
        break;
      case 'M':
        if (n == 1) out += std::to_string(date.month);
        if (n == 2) out += Padded(date.month, 2);
        if (n == 3) out += kMonthsShort[month];
        if (n >= 4) out += genitive ? kMonthsGenitive[month] : kMonthsNominative[month];
        break;
      case 'y':
        if (n <= 2)
          out += Padded(date.year % 100, n == 1 ? 1 : 2);
        else
          out += Padded(date.year, 4);
        break;
      default:
        out.append(n, c);
        break;
    }
    i += n;
  }
  return out;
}

bool ParseDate(std::string_view text, std::string_view format, SystemTime& date) {
  int day = 0, month = 0, year = 0;
  std::size_t t = 0;
  auto number = [&](std::size_t maxDigits, int& value) {
    std::size_t digits = 0;
    value = 0;
    while (t < text.size() && digits < maxDigits &&
           std::isdigit(static_cast<unsigned char>(text[t]))) {
      value = value * 10 + (text[t] - '0');
      ++t;
      ++digits;
    }
    return digits;
  };
  for (std::size_t i = 0; i < format.size();) {
    const char c = format[i];
    if (c == '\'') {
      const std::size_t end = format.find('\'', i + 1);
      const std::string_view literal = format.substr(i + 1, end - i - 1);
      if (text.substr(t, literal.size()) != literal) return false;
      t += literal.size();
      i = end == std::string_view::npos ? format.size() : end + 1;
      continue;
    }
    const std::size_t n = RunLength(format, i);
    if (c == 'd' || c == 'M') {
      if (n > 2 || number(2, c == 'd' ? day : month) == 0) return false;
    } else if (c == 'y') {
      const std::size_t digits = number(n <= 2 ? 2 : 4, year);
      if (digits == 0) return false;
      if (digits <= 2) year += year < 30 ? 2000 : 1900;
    } else {
      for (std::size_t k = 0; k < n; ++k, ++t)
        if (t >= text.size() || text[t] != c) return false;
    }
    i += n;
  }
  if (t != text.size()) return false;
  const SystemTime parsed = SystemTime::Date(year, month, day);
  if (!parsed.IsValidDate()) return false;
  date = parsed;
  return true;
}

}  // namespace ornil::ui
