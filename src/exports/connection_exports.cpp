// Exports with which the companion registers itself and obtains its handles.
#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "host/registration.h"

using ornil::Boundary;
using ornil::FunctionPrefix;

std::int32_t ORNIL_API GetApplicationId(std::int32_t n) {
  return Boundary(FunctionPrefix("GetApplicationId"), std::int32_t{0},
                  [&] { return ornil::GetApplicationId(n); });
}

std::uintptr_t ORNIL_API RegisterApplication(std::int32_t identifier, char* directory) {
  return Boundary(FunctionPrefix("RegisterApplication"), std::uintptr_t{0},
                  [&] { return ornil::RegisterApplication(identifier, directory); });
}

void ORNIL_API UnRegisterApplication(std::int32_t identifier) {
  Boundary(FunctionPrefix("UnRegisterApplication"),
           [&] { ornil::UnRegisterApplication(identifier); });
}

std::uintptr_t ORNIL_API GetMapInfoDdeConv(std::uintptr_t mapInfoWindow) {
  return Boundary(FunctionPrefix("GetMapInfoDdeConv"), std::uintptr_t{0},
                  [&] { return ornil::GetMapInfoDdeConv(mapInfoWindow); });
}

std::uint32_t ORNIL_API GetDdeInstId() {
  return Boundary(FunctionPrefix("GetDdeInstId"), std::uint32_t{0},
                  [] { return ornil::GetDdeInstId(); });
}
