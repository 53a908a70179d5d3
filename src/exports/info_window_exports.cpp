// Exports that open, close and query the info window, and the one that names the host's main
// window.
#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "infowindow/info_window_module.h"
#include "text/cp1251.h"

using ornil::Boundary;

void ORNIL_API ViewOrnilWindow(std::int16_t x, std::int16_t y, const char* table,
                               std::int32_t rowId, std::int32_t mapWindowId, std::int32_t,
                               std::uint32_t instance, std::uintptr_t mapInfoConv,
                               std::uintptr_t applicationConv, const char* optionsSection) {
  Boundary("Ошибка в процедуре отображения информационного окна. "_cp, [&] {
    ornil::ViewOrnilWindow(x, y, table, rowId, mapWindowId, instance, mapInfoConv, applicationConv,
                           optionsSection);
  });
}

void ORNIL_API DestroyOrnilWindow() {
  ornil::DestroyOrnilWindow();
}

std::int32_t ORNIL_API IsOrnilWindowOpened() {
  return Boundary("Ошибка в функции IsOrnilWindowOpened."_cp, std::int32_t{0},
                  [] { return ornil::IsOrnilWindowOpened() ? 1 : 0; });
}

std::int32_t ORNIL_API IsFindingStarted() {
  return Boundary("Ошибка в функции IsFindingStarted."_cp, std::int32_t{0},
                  [] { return ornil::IsFindingStarted() ? 1 : 0; });
}

std::int32_t ORNIL_API IsSavingStarted() {
  return Boundary("Ошибка в функции IsSavingStarted."_cp, std::int32_t{0},
                  [] { return ornil::IsSavingStarted() ? 1 : 0; });
}

void ORNIL_API SetApplicationWindowHandle(std::uintptr_t window) {
  Boundary("Произошла ошибка в функции SetApplicationWindowHandle. "_cp,
           [&] { ornil::SetApplicationWindowHandle(window); });
}

std::int32_t ORNIL_API GetCurrentAdditionalWindow() {
  return Boundary("Произошла ошибка в функции GetCurrentAdditionalWindow. "_cp, std::int32_t{0},
                  [] { return ornil::GetCurrentAdditionalWindow(); });
}

void ORNIL_API UpdateValue() {
  ornil::UpdateValue();
}

void ORNIL_API NewValue() {
  ornil::NewValue();
}
