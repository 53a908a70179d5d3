// The library's section divider and bordered button, made for a caller built against the
// library's own headers (the only kind that can use a control of ours). Each is owned by the
// given component of the library, or by the application object when there is none, and freed
// with its owner; it draws itself on its own paint messages.
#include "controls/border_bit_btn.h"
#include "controls/window_divider.h"
#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "text/cp1251.h"
#include "ui/application.h"

namespace {

template <class T>
void* MakeOwnedControl(void* owner) {
  auto* component = static_cast<ornil::ui::Component*>(owner);
  if (component == nullptr) component = ornil::ui::Application::Instance();
  if (component == nullptr) throw ornil::OrnilError("Объект приложения не создан."_cp);
  return ornil::ui::Make<T>(component);
}

}  // namespace

void* ORNIL_API TWindowDividerCreate(void* owner) {
  return ornil::Boundary("Произошла ошибка в функции TWindowDividerCreate. "_cp,
                         static_cast<void*>(nullptr),
                         [&] { return MakeOwnedControl<ornil::TWindowDivider>(owner); });
}

void* ORNIL_API TBorderBitBtnCreate(void* owner) {
  return ornil::Boundary("Произошла ошибка в функции TBorderBitBtnCreate. "_cp,
                         static_cast<void*>(nullptr),
                         [&] { return MakeOwnedControl<ornil::TBorderBitBtn>(owner); });
}
