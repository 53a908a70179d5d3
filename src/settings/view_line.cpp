// Copy, move and ownership rules of TViewLine.
#include "settings/view_line.h"

#include <utility>

#include "ui/owned_object.h"

namespace ornil {

TViewLine::TViewLine(const TViewLine& other)
    : TViewLineSettings(other), OwnsControl(false), control_(other.control_) {}

TViewLine& TViewLine::operator=(const TViewLine& other) {
  if (this == &other) return *this;
  TViewLineSettings::operator=(other);
  // A copy of this very row refers to the control this row owns: keep both.
  if (other.control_ != control_) {
    DestroyOwnedControl();
    control_ = other.control_;
    OwnsControl = false;
  }
  return *this;
}

TViewLine::TViewLine(TViewLine&& other) noexcept
    : TViewLineSettings(std::move(other)),
      OwnsControl(std::exchange(other.OwnsControl, false)),
      control_(std::exchange(other.control_, nullptr)) {}

TViewLine& TViewLine::operator=(TViewLine&& other) noexcept {
  if (this == &other) return *this;
  TViewLineSettings::operator=(std::move(other));
  const bool otherOwns = std::exchange(other.OwnsControl, false);
  ui::TOwnedObject* control = std::exchange(other.control_, nullptr);
  if (control != control_) {
    DestroyOwnedControl();
    control_ = control;
    OwnsControl = otherOwns;
  } else {
    OwnsControl = OwnsControl || otherOwns;
  }
  return *this;
}

TViewLine::~TViewLine() {
  Clear();
}

void TViewLine::Clear() {
  TViewLineSettings::operator=({});
  DestroyOwnedControl();
}

void TViewLine::SetControl(ui::TOwnedObject* control, bool owns) {
  if (control != control_) DestroyOwnedControl();
  control_ = control;
  OwnsControl = owns;
}

void TViewLine::DestroyOwnedControl() {
  if (OwnsControl && control_ != nullptr) delete control_;
  control_ = nullptr;
}

}  // namespace ornil
