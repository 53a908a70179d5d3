// The regional settings the simulated host formats numbers and dates by: the machine's, read from
// the platform's locale seam (the host and the library share one machine), or, without one, a
// decimal point, commas between digit groups and day-first dates (DD.MM.YYYY).
#pragma once

#include <string>

namespace ornil::sim::mb {

struct RegionalSettings {
  std::string decimalSeparator = ".";
  std::string thousandSeparator = ",";
  std::string shortDateFormat = "dd.MM.yyyy";
};

RegionalSettings Regional();

// Writes a number text of the host's own form ("." before decimals) with the machine's decimal
// separator.
std::string WithDecimalSeparator(std::string text, const RegionalSettings& regional);

}  // namespace ornil::sim::mb
