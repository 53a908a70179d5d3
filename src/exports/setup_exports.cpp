// The setup window's exports: argument checks and the error boundary.
#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "setup/setup_module.h"
#include "text/cp1251.h"

void ORNIL_API ViewSetupTable(std::uint32_t instance, std::uintptr_t mapInfoConv,
                              std::uintptr_t applicationConv) {
  ornil::Boundary("Ошибка в процедуре отображения окна настроек таблицы. "_cp, [&] {
    if (instance == 0 || mapInfoConv == 0 || applicationConv == 0)
      throw ornil::OrnilError("В процедуру не передан один из параметров."_cp);
    ornil::OpenSetupWindow(instance, mapInfoConv, applicationConv);
  });
}

void ORNIL_API DestroySetupWindow() {
  ornil::DestroySetupWindowQuietly();
}
