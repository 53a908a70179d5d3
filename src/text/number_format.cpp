// The library-wide decimal separator.
#include "text/number_format.h"

namespace ornil::text {

namespace {
char g_decimalSeparator = '.';
}

char DecimalSeparator() {
  return g_decimalSeparator;
}

void SetDecimalSeparator(char separator) {
  g_decimalSeparator = separator;
}

}  // namespace ornil::text
