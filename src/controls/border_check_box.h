// TBorderCheckBox: the check box whose square gets a flat frame in its border colour. Read-only,
// it ignores clicks and every change of its check or pushed state.
#pragma once

#include "ui/button.h"

namespace ornil {

class TBorderCheckBox : public ui::CheckBox {
 public:
  explicit TBorderCheckBox(ui::Component* owner);

  ui::Color BorderColor() const { return borderColor_; }
  void SetBorderColor(ui::Color color);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

  // The square of the check box in client coordinates.
  ui::Rect SquareRect();

 protected:
  void WndProc(ui::Message& message) override;
  void SaveWindowState() override;
  void WindowCreated() override;

 private:
  void DrawSquareFrame();

  ui::Color borderColor_;
  bool readOnly_ = false;
  ui::CheckState state_ = ui::CheckState::Unchecked;
};

}  // namespace ornil
