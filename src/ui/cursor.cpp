// The wait cursor over the backend's cursor calls.
#include "ui/cursor.h"

#include "ui/application.h"

namespace ornil::ui {

WaitCursor::WaitCursor() {
  if (Application::Instance() != nullptr)
    wait_ = Application::CurrentBackend().LoadSystemCursor(SystemCursor::Wait);
}

WaitCursor::~WaitCursor() {
  if (shown_ && Application::Instance() != nullptr)
    Application::CurrentBackend().SetCursor(previous_);
}

void WaitCursor::Show() {
  if (shown_ || wait_ == 0 || Application::Instance() == nullptr) return;
  previous_ = Application::CurrentBackend().SetCursor(wait_);
  shown_ = true;
}

}  // namespace ornil::ui
