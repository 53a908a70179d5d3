// A reference to a control that is not its owner: it empties itself when the control is freed,
// so whoever keeps it can never reach a freed control.
#pragma once

#include "ui/component.h"
#include "ui/control.h"

namespace ornil {

class TrackedControl : public ui::Component {
 public:
  TrackedControl() : ui::Component(nullptr) {}

  // Null once the control is freed, or while it is being freed.
  ui::Control* Get() const;
  void Set(ui::Control* control);

 protected:
  void Notification(ui::Component* component, bool removing) override;

 private:
  ui::Control* control_ = nullptr;
};

}  // namespace ornil
