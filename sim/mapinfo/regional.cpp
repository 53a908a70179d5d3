// The machine's regional settings as the simulated host sees them.
#include "sim/mapinfo/regional.h"

#include "platform/seams.h"

namespace ornil::sim::mb {

RegionalSettings Regional() {
  RegionalSettings r;
  if (auto* locale = platform::Current().locale) {
    r.decimalSeparator = locale->DecimalSeparator();
    r.thousandSeparator = locale->ThousandSeparator();
    r.shortDateFormat = locale->ShortDateFormat();
  }
  return r;
}

std::string WithDecimalSeparator(std::string text, const RegionalSettings& regional) {
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, regional.decimalSeparator);
  return text;
}

}  // namespace ornil::sim::mb
