// Registration of companion applications and the handles they obtain.
#include "host/registration.h"

#include "host/dde_module.h"
#include "host/errors.h"
#include "platform/seams.h"
#include "text/cp1251.h"

namespace ornil {

namespace {

// The C library's generator, reproduced so identifiers are the same on every runtime.
class LinearCongruential {
 public:
  explicit LinearCongruential(std::uint32_t seed) : state_(seed) { Next(); }
  std::int32_t Next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<std::int32_t>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_;
};

}  // namespace

std::int32_t GetApplicationId(std::int32_t n) {
  if (n == 0) throw OrnilError("Деление на ноль."_cp);
  LinearCongruential generator(
      static_cast<std::uint32_t>(platform::Current().clock->CalendarSeconds()));
  return generator.Next() % n;
}

HConv RegisterApplication(std::int32_t identifier, char* directory) {
  if (identifier == 0) {
    throw OrnilError("В функцию регистрации приложения не передан идентификатор приложения"_cp);
  }
  if (directory == nullptr || *directory == '\0') {
    throw OrnilError("В функцию регистрации приложения не передана директория приложения"_cp);
  }
  return MapInfoConnect().AddApplication(identifier, directory);
}

void UnRegisterApplication(std::int32_t identifier) {
  MapInfoConnect().DeleteApplication(identifier);
}

HConv GetMapInfoDdeConv(std::uintptr_t mapInfoWindow) {
  auto& connect = MapInfoConnect();
  if (connect.MapInfoWindow() == 0) connect.SetMapInfoWindow(mapInfoWindow);
  if (connect.MapInfoConv() == 0) connect.NewMapInfoDdeConv();
  return connect.MapInfoConv();
}

std::uint32_t GetDdeInstId() {
  return MapInfoConnect().Instance();
}

}  // namespace ornil
