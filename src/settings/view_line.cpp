// Copy, move and ownership rules of TViewLine.
#include "settings/view_line.h"

#include <utility>

#include "ui/owned_object.h"

namespace ornil {

TViewLine::TViewLine(const TViewLine& other)
    : TViewLineSettings(other), OwnsControl(false), control_(other.control_) {}

TViewLine& TViewLine::operator=(const TViewLine& other) {
  if (this != &other) {
    DestroyOwnedControl();
    TViewLineSettings::operator=(other);
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
  if (this != &other) {
    DestroyOwnedControl();
    TViewLineSettings::operator=(std::move(other));
    OwnsControl = std::exchange(other.OwnsControl, false);
    control_ = std::exchange(other.control_, nullptr);
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
  DestroyOwnedControl();
  control_ = control;
  OwnsControl = owns;
}

void TViewLine::DestroyOwnedControl() {
  if (OwnsControl && control_ != nullptr) delete control_;
  control_ = nullptr;
}

}  // namespace ornil
