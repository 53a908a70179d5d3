// Lifetime of the library's one DDE connection.
#include "host/dde_module.h"

#include <memory>

#include "host/errors.h"
#include "text/cp1251.h"

namespace ornil {

namespace {
std::unique_ptr<TMapInfoConnect> g_connect;
}

void InitializeDdeModule() {
  Boundary("Ошибка во время инициализации в модуле \"dde_connection\". "_cp,
           [] { g_connect = std::make_unique<TMapInfoConnect>(); });
}

void FinalizeDdeModule() {
  Boundary("Ошибка во время финализации в модуле \"dde_connection\". "_cp,
           [] { g_connect.reset(); });
}

TMapInfoConnect& MapInfoConnect() {
  if (!g_connect) throw OrnilError("Модуль динамического обмена данными не инициализирован."_cp);
  return *g_connect;
}

}  // namespace ornil
