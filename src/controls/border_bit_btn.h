// TBorderBitBtn: the bitmap button drawn flat. Three one-pixel rings at its edge cover the
// system's bevel in its own colour; the middle one is the border colour while it has the focus,
// and silver while the mouse is over it without the focus.
#pragma once

#include "ui/button.h"

namespace ornil {

class TBorderBitBtn : public ui::BitButton {
 public:
  explicit TBorderBitBtn(ui::Component* owner);

  ui::Color BorderColor() const { return borderColor_; }
  void SetBorderColor(ui::Color color);

 protected:
  void WndProc(ui::Message& message) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // The rings after every painting.
  void EraseBorder();

 private:
  void DrawRings(ui::Color middle);

  ui::Color borderColor_;
};

}  // namespace ornil
