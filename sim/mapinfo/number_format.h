// The number texts of Format$, FormatNumber$ and DeformatNumber$, with the machine's decimal and
// thousands separators (regional.h); DeformatNumber$ gives "." and no grouping.
#pragma once

#include <string>
#include <string_view>

#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

// Format$ with a pattern of '#', '0', ',' and '.' (text around it is kept, '%' scales by 100). An
// empty pattern gives the value's own text form, a number's with the machine's decimal separator.
std::string FormatWithPattern(const Value& v, std::string_view pattern);

// FormatNumber$: the number with thousands separators, its decimals as its text form has them.
std::string FormatNumberText(const Value& v);

// DeformatNumber$: the thousands separators and blanks taken out, "." before the decimals.
std::string DeformatNumberText(std::string_view text);

}  // namespace ornil::sim::mb
