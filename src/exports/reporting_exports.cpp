// Exports through which the companion reports on the statements it runs for the library.
#include "exports/ornil_exports.h"
#include "host/error_reporting.h"
#include "host/errors.h"
#include "text/cp1251.h"

using ornil::Boundary;
using ornil::Reporting;

std::int32_t ORNIL_API SetMbApplicationExecuteError(std::int32_t executedWithoutError) {
  return Boundary("Произошла ошибка в функции SetMbApplicationExecuteError. "_cp, std::int32_t{0},
                  [&] {
                    // A MapBasic logical arrives in a 32-bit slot; only its low word is the value.
                    const bool ok = (executedWithoutError & 0xFFFF) != 0;
                    Reporting().LastExecuteOk = ok;
                    return std::int32_t{ok ? 1 : 0};
                  });
}

std::int32_t ORNIL_API IsPrintingError() {
  return Boundary("Произошла ошибка в функции IsPrintingError. "_cp, std::int32_t{0},
                  [] { return std::int32_t{Reporting().PrintErrors ? 1 : 0}; });
}

void ORNIL_API SetLastMapInfoErrorString(const char* text) {
  Boundary("Произошла ошибка в функции SetLastMapInfoErrorString. "_cp,
           [&] { Reporting().LastMapInfoErrorString = text ? text : ""; });
}
