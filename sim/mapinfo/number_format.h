// The number texts of Format$, FormatNumber$ and DeformatNumber$: "." as the decimal separator and
// "," as the thousands separator, as the host's number settings are fixed.
#pragma once

#include <string>
#include <string_view>

#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

// Format$ with a pattern of '#', '0', ',' and '.' (text around it is kept, '%' scales by 100). An
// empty pattern gives the value's own text form.
std::string FormatWithPattern(const Value& v, std::string_view pattern);

// FormatNumber$: the number with thousands separators, its decimals as its text form has them.
std::string FormatNumberText(const Value& v);

// DeformatNumber$: the thousands separators and blanks taken out.
std::string DeformatNumberText(std::string_view text);

}  // namespace ornil::sim::mb
