// Values of the host as the info window reads and writes them: a column's value read by its type
// code, number texts the host formats by the machine's regional settings turned into the
// library's own (a point, no grouping), and dates in the user's short date format.
#pragma once

#include <string>
#include <string_view>

#include "host/mapbasic_link.h"
#include "ui/types.h"

namespace ornil {

// A number text as Format$ gives it (the machine's decimal separator and grouping) in the
// library's form: "." as the decimal separator, no grouping.
std::string HostNumberText(std::string_view formatted);

// The value of an expression read by its type code: Str$ for dates, DeformatNumber$ for floats,
// Format$ for decimals, the plain text otherwise.
std::string ReadValueByType(const TMapInfo& link, std::string_view expression, int type);

// A value as a literal to compare with a value of type code `type`: an empty number is 0, any
// other empty value a pair of double quotes; a value that is not empty is put in double quotes
// (each of its own doubled) when it is a date or `asText` holds, and stands bare otherwise.
std::string ComparisonLiteral(std::string_view value, int type, bool asText);
// Text between double quotes, each of its own doubled.
std::string QuotedLiteral(std::string_view text);

// The user's short date format, as the date pickers show dates.
std::string LocalShortDateFormat();
// A date text in the short date format; false when it is none.
bool ParseLocalDate(std::string_view text, ui::SystemTime& date);
std::string FormatLocalDate(const ui::SystemTime& date);

}  // namespace ornil
