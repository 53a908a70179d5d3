// The self-clearing reference to a control.
#include "integration/tracked_control.h"

namespace ornil {

ui::Control* TrackedControl::Get() const {
  return control_ != nullptr && !control_->Destroying() ? control_ : nullptr;
}

void TrackedControl::Set(ui::Control* control) {
  if (control == control_) return;
  if (control_ != nullptr) control_->RemoveFreeNotification(this);
  control_ = control;
  if (control_ != nullptr) control_->FreeNotification(this);
}

void TrackedControl::Notification(ui::Component* component, bool removing) {
  ui::Component::Notification(component, removing);
  if (removing && component == control_) control_ = nullptr;
}

}  // namespace ornil
