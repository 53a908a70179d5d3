// Exports that show and remove the About window.
#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "integration/about_box.h"
#include "text/cp1251.h"

void ORNIL_API ViewAboutProg(const char* productText) {
  ornil::Boundary("Ошибка в процедуре отображения окна \"О программе\". "_cp,
                  [&] { ornil::ViewAboutProg(productText); });
}

void ORNIL_API DestroyAboutWindow() {
  ornil::DestroyAboutWindow();
}
