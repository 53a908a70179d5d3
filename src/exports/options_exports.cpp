// The export that points the library at another options file.
#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "integration/options_file.h"
#include "text/cp1251.h"

std::int32_t ORNIL_API SetOptionsFile(const char* path) {
  return ornil::Boundary("Произошла ошибка в функции SetOptionsFile. "_cp, std::int32_t{0}, [&] {
    ornil::SetOptionsFile(path);
    return std::int32_t{1};
  });
}
