// The flat bitmap button.
#include "controls/border_bit_btn.h"

#include "controls/border_frame.h"

namespace ornil {

TBorderBitBtn::TBorderBitBtn(ui::Component* owner)
    : ui::BitButton(owner), borderColor_(kDefaultBorderColor) {}

void TBorderBitBtn::SetBorderColor(ui::Color color) {
  if (borderColor_ == color) return;
  borderColor_ = color;
  Invalidate();
}

void TBorderBitBtn::DrawRings(ui::Color middle) {
  ornil::DrawRings(*this, {0, 0, Width(), Height()}, {GetColor(), middle, GetColor()});
}

void TBorderBitBtn::EraseBorder() {
  DrawRings(Focused() ? borderColor_ : GetColor());
}

void TBorderBitBtn::WndProc(ui::Message& m) {
  ui::BitButton::WndProc(m);
  if (m.msg == ui::wm::Paint || m.msg == ui::cn::DrawItem) EraseBorder();
}

void TBorderBitBtn::MouseEnter() {
  ui::BitButton::MouseEnter();
  if (!Focused()) DrawRings(ui::kColorSilver);
}

void TBorderBitBtn::MouseLeave() {
  ui::BitButton::MouseLeave();
  if (!Focused()) DrawRings(GetColor());
}

}  // namespace ornil
