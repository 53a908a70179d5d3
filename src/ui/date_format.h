// Dates as text in the picture formats of Windows' date pickers and locale settings: d, dd, ddd,
// dddd, M, MM, MMM, MMMM, y, yy, yyyy and 'quoted literals', with Russian names.
#pragma once

#include <string>
#include <string_view>

#include "ui/types.h"

namespace ornil::ui {

// Windows-1251 text of the date in the format.
std::string FormatDate(const SystemTime& date, std::string_view format);
// Reads a date written in a numeric format (d, dd, M, MM, yy, yyyy, literals); two-digit years
// are taken as 1930-2029. False when the text does not fit the format or names no real date.
bool ParseDate(std::string_view text, std::string_view format, SystemTime& date);

}  // namespace ornil::ui
