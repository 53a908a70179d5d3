// Opening and destroying the one setup window.
#include "setup/setup_module.h"

#include "setup/setup_window.h"
#include "ui/application.h"

ornil::TSetupWindow* SetupWindow = nullptr;

namespace ornil {

bool SetupWindowExists = false;

void OpenSetupWindow(std::uint32_t instance, HConv mapInfoConv, HConv applicationConv) {
  DestroySetupWindowQuietly();
  SetupWindow =
      ui::Make<TSetupWindow>(ui::Application::Instance(), instance, mapInfoConv, applicationConv);
  SetupWindow->SelectNewTable();
}

void DestroySetupWindowQuietly() noexcept {
  try {
    if (SetupWindowExists && SetupWindow != nullptr) SetupWindow->Free();
  } catch (...) {
    // Destroying the window reports nothing.
  }
  SetupWindow = nullptr;
}

void FinalizeSetupModule() noexcept {
  DestroySetupWindowQuietly();
}

}  // namespace ornil
