// The library-wide decimal separator of its number formatting: every number the library formats or
// parses, for MapBasic and in the typed edits, uses it. The info window module sets it to "." when
// the library loads; it starts as "." too.
#pragma once

namespace ornil::text {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

}  // namespace ornil::text
