// The section divider.
#include "controls/window_divider.h"

namespace ornil {

namespace {

constexpr int kGap = 2;

void EtchedLine(ui::Canvas& canvas, int left, int right, int top) {
  if (right > left) canvas.DrawEdge({left, top, right, top + 2}, ui::edge::Etched, ui::edge::Top);
}

}  // namespace

TWindowDivider::TWindowDivider(ui::Component* owner) : ui::Label(owner) {}

void TWindowDivider::AdjustBounds() {
  if (!AutoSize() || Destroying()) return;
  if (Text().empty()) {
    // Only the line: as wide as it was made, as high as the line.
    SetBounds(Left(), Top(), Width(), 2);
    return;
  }
  ui::Label::AdjustBounds();
  if (GetLayout() != ui::Layout::Center) SetBounds(Left(), Top(), Width(), Height() + 2);
}

void TWindowDivider::DoDrawText(ui::Canvas& canvas, ui::Rect& rect, std::uint32_t flags) {
  const bool measuring = (flags & ui::dt::CalcRect) != 0;
  if (Text().empty()) {
    if (measuring)
      ui::Label::DoDrawText(canvas, rect, flags & ~ui::dt::CalcRect);
    else
      canvas.DrawEdge(rect, ui::edge::Etched, ui::edge::Top);
    return;
  }
  if (measuring) {
    ui::Label::DoDrawText(canvas, rect, flags);
    return;
  }
  ui::Rect measured = rect;
  switch (GetLayout()) {
    case ui::Layout::Top: {
      ui::Label::DoDrawText(canvas, measured, flags | ui::dt::CalcRect);
      const ui::Rect under{rect.left, measured.top, rect.right, measured.bottom + 2};
      canvas.DrawEdge(under, ui::edge::Etched, ui::edge::Bottom);
      break;
    }
    case ui::Layout::Bottom:
      EtchedLine(canvas, rect.left, rect.right, rect.top - kGap);
      break;
    case ui::Layout::Center:
      ui::Label::DoDrawText(canvas, measured, flags | ui::dt::CalcRect);
      DrawLinesBesideText(canvas, rect, measured);
      break;
  }
  ui::Label::DoDrawText(canvas, rect, flags);
}

void TWindowDivider::DrawLinesBesideText(ui::Canvas& canvas, const ui::Rect& rect,
                                         const ui::Rect& measured) {
  const int width = measured.Width();
  const int middle = measured.top + measured.Height() / 2 - 1;
  switch (GetAlignment()) {
    case ui::Alignment::Left:
      EtchedLine(canvas, rect.left + width + kGap, rect.right, middle);
      break;
    case ui::Alignment::Right:
      EtchedLine(canvas, rect.left, rect.right - width - kGap, middle);
      break;
    case ui::Alignment::Center: {
      const int textLeft = rect.left + (rect.Width() - width) / 2;
      EtchedLine(canvas, rect.left, textLeft - kGap, middle);
      EtchedLine(canvas, textLeft + width + kGap, rect.right, middle);
      break;
    }
  }
}

}  // namespace ornil
