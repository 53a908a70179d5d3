// Caption labels.
#include "controls/border_bound_label.h"

#include "controls/label_position.h"

namespace ornil {

TBorderBoundLabel::TBorderBoundLabel(ui::Component* owner) : TBorderBoundLabel(owner, "SubLabel") {}

TBorderBoundLabel::TBorderBoundLabel(ui::Component* owner, const char* name)
    : ui::StaticText(owner) {
  SetName(name);
  SetTabStop(false);
  SetAutoSize(true);
  if (auto* control = dynamic_cast<ui::Control*>(owner)) SetFocusControl(control);
  if (owner != nullptr) SetText(owner->Name());
}

void TBorderBoundLabel::CreateParams(ui::CreateParams& params) {
  ui::StaticText::CreateParams(params);
  params.style |= ui::ss::CenterImage;
}

void TBorderBoundLabel::AdjustSize() {
  if (!AutoSize() || Destroying()) return;
  const ui::Size text = TextExtent(Text());
  ui::Backend& backend = GetBackend();
  SetBounds(Left(), Top(), text.cx + 4 * backend.SystemMetric(ui::Metric::BorderWidth),
            text.cy + 4 * backend.SystemMetric(ui::Metric::BorderHeight));
}

void TBorderBoundLabel::TextChanged() {
  ui::StaticText::TextChanged();
  Invalidate();
  PlaceByOwner();
}

void TBorderBoundLabel::FontChanged() {
  ui::StaticText::FontChanged();
  PlaceByOwner();
}

void TBorderBoundLabel::PlaceByOwner() {
  if (Destroying() || Owner() == nullptr || Owner()->Destroying()) return;
  if (auto* host = dynamic_cast<LabelHost*>(Owner())) host->PlaceEditLabel();
}

TBoundLabel::TBoundLabel(ui::Component* owner) : TBorderBoundLabel(owner, "TableRowSubLabel") {}

void TBoundLabel::SetUnderline(bool on) {
  ui::Font font = GetFont();
  font.underline = on;
  SetFont(font);
}

void TBoundLabel::MouseEnter() {
  TBorderBoundLabel::MouseEnter();
  if (UnderlineOnHover) SetUnderline(true);
}

void TBoundLabel::MouseLeave() {
  TBorderBoundLabel::MouseLeave();
  if (UnderlineOnHover) SetUnderline(false);
}

}  // namespace ornil
