// The library's exports and the Windows functions, registered for the companion program.
#include "sim/companion/library_natives.h"

#include "exports/ornil_exports.h"

namespace ornil::sim {

void AddLibraryExports(mb::NativeLibraries& natives) {
  constexpr const char* kDll = "Ornil.dll";
  natives.Add(kDll, "GetApplicationId", &::GetApplicationId);
  natives.Add(kDll, "RegisterApplication", &::RegisterApplication);
  natives.Add(kDll, "UnRegisterApplication", &::UnRegisterApplication);
  natives.Add(kDll, "GetMapInfoDdeConv", &::GetMapInfoDdeConv);
  natives.Add(kDll, "GetDdeInstId", &::GetDdeInstId);
  natives.Add(kDll, "SetMbApplicationExecuteError", &::SetMbApplicationExecuteError);
  natives.Add(kDll, "IsPrintingError", &::IsPrintingError);
  natives.Add(kDll, "SetLastMapInfoErrorString", &::SetLastMapInfoErrorString);
  natives.Add(kDll, "ViewOrnilWindow", &::ViewOrnilWindow);
  natives.Add(kDll, "DestroyOrnilWindow", &::DestroyOrnilWindow);
  natives.Add(kDll, "IsOrnilWindowOpened", &::IsOrnilWindowOpened);
  natives.Add(kDll, "IsFindingStarted", &::IsFindingStarted);
  natives.Add(kDll, "IsSavingStarted", &::IsSavingStarted);
  natives.Add(kDll, "SetApplicationWindowHandle", &::SetApplicationWindowHandle);
  natives.Add(kDll, "GetCurrentAdditionalWindow", &::GetCurrentAdditionalWindow);
  natives.Add(kDll, "SetOptionsFile", &::SetOptionsFile);
  natives.Add(kDll, "UpdateValue", &::UpdateValue);
  natives.Add(kDll, "NewValue", &::NewValue);
  natives.Add(kDll, "ViewSetupTable", &::ViewSetupTable);
  natives.Add(kDll, "DestroySetupWindow", &::DestroySetupWindow);
  natives.Add(kDll, "ViewAboutProg", &::ViewAboutProg);
  natives.Add(kDll, "DestroyAboutWindow", &::DestroyAboutWindow);
}

void AddWindowsFunctions(mb::NativeLibraries& natives, platform::WindowManager& desktop) {
  // GetCursorPos(LPPOINT): fills the point's two LONGs, gives a BOOL.
  mb::NativeFunction getCursorPos;
  getCursorPos.result = mb::NativeKind::Int32;
  getCursorPos.params = {mb::NativeKind::Record};
  getCursorPos.call = [&desktop](std::vector<mb::NativeArg>& args) {
    auto& point = args.at(0).fields;
    if (point.size() != 2) return mb::Value::Integer(0);
    const platform::ScreenPoint at = desktop.CursorPos();
    point[0] = mb::Value::Integer(at.x);
    point[1] = mb::Value::Integer(at.y);
    return mb::Value::Integer(1);
  };
  natives.Add("user32", "GetCursorPos", std::move(getCursorPos));
}

}  // namespace ornil::sim
