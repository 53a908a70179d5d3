// The bordered check box.
#include "controls/border_check_box.h"

#include "controls/border_frame.h"
#include "controls/temporary_value.h"

namespace ornil {

TBorderCheckBox::TBorderCheckBox(ui::Component* owner)
    : ui::CheckBox(owner), borderColor_(kDefaultBorderColor) {}

void TBorderCheckBox::SetBorderColor(ui::Color color) {
  if (borderColor_ == color) return;
  borderColor_ = color;
  Invalidate();
}

ui::Rect TBorderCheckBox::SquareRect() {
  const ui::Size square = GetBackend().CheckBoxGlyphSize();
  const int left = GetAlignment() == ui::Alignment::Left ? Width() - square.cx : 0;
  // Centred as the system's button class centres the box it draws: with room to spare, half of
  // it (rounded down) plus one pixel stays below the box.
  const int spare = Height() - square.cy;
  const int top = spare > 0 ? spare - spare / 2 - 1 : spare / 2;
  return ui::Rect::Bounds(left, top, square.cx, square.cy);
}

void TBorderCheckBox::DrawSquareFrame() {
  DrawRings(*this, SquareRect(), {borderColor_, GetColor()});
}

void TBorderCheckBox::WndProc(ui::Message& m) {
  switch (m.msg) {
    case ui::bm::SetCheck:
    case ui::bm::SetState:
      if (!readOnly_) ui::CheckBox::WndProc(m);
      DrawSquareFrame();
      return;
    case ui::wm::Paint:
      ui::CheckBox::WndProc(m);
      DrawSquareFrame();
      return;
    default:
      ui::CheckBox::WndProc(m);
      return;
  }
}

void TBorderCheckBox::SaveWindowState() {
  ui::CheckBox::SaveWindowState();
  state_ = State();
}

void TBorderCheckBox::WindowCreated() {
  ui::CheckBox::WindowCreated();
  // A new window shows the kept state even when the box is read-only.
  const TemporaryValue<bool> writable(readOnly_, false);
  Perform(ui::bm::SetCheck, static_cast<std::uintptr_t>(state_));
}

}  // namespace ornil
