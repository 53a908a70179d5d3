// Starting and stopping the toolkit inside the DLL.
#include "ui/win32/toolkit.h"

#include <memory>

#include "platform/win32/window_manager_win32.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

namespace ornil::ui::win32 {

namespace {
std::unique_ptr<Win32Backend>& Backend() {
  static std::unique_ptr<Win32Backend> backend;
  return backend;
}
std::unique_ptr<Application>& App() {
  static std::unique_ptr<Application> app;
  return app;
}
}  // namespace

void StartToolkit(HINSTANCE module) {
  if (Backend()) return;
  Backend() = std::make_unique<Win32Backend>(module);
  App() = std::make_unique<Application>(*Backend());
}

void StopToolkit() {
  App().reset();
  Backend().reset();
}

platform::Seams WithToolkitSeams(platform::Seams seams) {
  static ApplicationDialogs dialogs(seams.dialogs);
  seams.windows = &platform::win32::RealWindowManager();
  seams.hooks = &platform::win32::RealHooks();
  seams.dialogs = &dialogs;
  return seams;
}

}  // namespace ornil::ui::win32
