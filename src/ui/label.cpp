// Painted labels and native static text.
#include "ui/label.h"

namespace ornil::ui {

// --- Label --------------------------------------------------------------------------------------

Label::Label(Component* owner) : Control(owner) {
  SetCustomPaint(true);
  SetBounds(0, 0, 65, 13);
  SetAutoSize(true);
}

void Label::CreateParams(ui::CreateParams& params) {
  Control::CreateParams(params);
  params.style &= ~ws::TabStop;
}

std::uint32_t Label::DrawTextFlags() const {
  std::uint32_t flags = dt::NoPrefix;
  if (alignment_ == Alignment::Right) flags |= dt::Right;
  if (alignment_ == Alignment::Center) flags |= dt::Center;
  if (wordWrap_) flags |= dt::WordBreak;
  return flags;
}

void Label::DoDrawText(Canvas& canvas, Rect& rect, std::uint32_t flags) {
  canvas.SetFont(GetFont());
  if (!Enabled() && !(flags & dt::CalcRect)) canvas.SetTextColor(kColorGrayText);
  canvas.DrawText(Text(), rect, flags);
}

void Label::Paint(Canvas& canvas) {
  Rect client = ClientRect();
  if (!transparent_) canvas.FillRect(client, GetColor());
  canvas.SetTextColor(GetFont().color);
  Rect rect = client;
  std::uint32_t flags = DrawTextFlags();
  if (layout_ != Layout::Top) {
    Rect measured = client;
    DoDrawText(canvas, measured, flags | dt::CalcRect);
    const int offset = client.Height() - measured.Height();
    rect.top += layout_ == Layout::Bottom ? offset : offset / 2;
  }
  DoDrawText(canvas, rect, flags);
}

void Label::AdjustBounds() {
  if (!AutoSize() || Destroying()) return;
  auto canvas = GetBackend().ScreenCanvas();
  Rect rect = ClientRect();
  if (!wordWrap_) rect.right = rect.left;
  rect.bottom = rect.top;
  DoDrawText(*canvas, rect, DrawTextFlags() | dt::CalcRect);
  int left = Left();
  if (alignment_ == Alignment::Right) left += Width() - rect.Width();
  if (alignment_ == Alignment::Center) left += (Width() - rect.Width()) / 2;
  SetBounds(left, Top(), rect.Width(), rect.Height());
}

void Label::AdjustSize() {
  AdjustBounds();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void Label::SetLayout(Layout layout) {
  layout_ = layout;
  Invalidate();
}

void Label::SetWordWrap(bool on) {
  wordWrap_ = on;
  AdjustBounds();
  Invalidate();
}

void Label::SetTransparent(bool on) {
  transparent_ = on;
  SetParentBackground(on);
}

void Label::SetFocusControl(Control* control) {
  focusControl_ = control;
  if (control != nullptr) control->FreeNotification(this);
}

void Label::Notification(Component* component, bool removing) {
  Control::Notification(component, removing);
  if (removing && component == focusControl_) focusControl_ = nullptr;
}

// --- StaticText ---------------------------------------------------------------------------------

StaticText::StaticText(Component* owner) : Control(owner) {
  SetBounds(0, 0, 65, 17);
}

void StaticText::CreateParams(ui::CreateParams& params) {
  params.className = "STATIC";
  params.style = (ws::Child | BaseStyle() | ss::Notify | ss::NoPrefix) & ~ws::TabStop;
  if (alignment_ == Alignment::Right) params.style |= ss::Right;
  if (alignment_ == Alignment::Center) params.style |= ss::Center;
}

void StaticText::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  ApplyStyle();
}

void StaticText::SetFocusControl(Control* control) {
  focusControl_ = control;
  if (control != nullptr) control->FreeNotification(this);
}

void StaticText::Notification(Component* component, bool removing) {
  Control::Notification(component, removing);
  if (removing && component == focusControl_) focusControl_ = nullptr;
}

}  // namespace ornil::ui
