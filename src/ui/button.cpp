// Push, bitmap, check and radio buttons.
#include "ui/button.h"

#include <array>

namespace ornil::ui {

// --- Button -------------------------------------------------------------------------------------

Button::Button(Component* owner) : Control(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void Button::CreateParams(ui::CreateParams& params) {
  params.className = "BUTTON";
  params.style = ws::Child | BaseStyle() | bs::PushButton;
}

void Button::CommandNotify(std::uint16_t code) {
  if (code == bm::Clicked) Click();
}

void Button::Click() {
  Control::Click();
}

// --- BitButton ----------------------------------------------------------------------------------

BitButton::BitButton(Component* owner) : Button(owner) {}

void BitButton::SetKind(BitButtonKind kind) {
  kind_ = kind;
  if (kind == BitButtonKind::Ok) SetDefault(true);
  if (kind == BitButtonKind::Cancel) SetCancel(true);
  Invalidate();
}

void BitButton::SetGlyph(ButtonGlyph glyph) {
  glyph_ = glyph;
  Invalidate();
}

void BitButton::CreateParams(ui::CreateParams& params) {
  Button::CreateParams(params);
  params.style = (params.style & ~bs::TypeMask) | bs::OwnerDraw;
}

void BitButton::DrawItem(DrawItemRecord& record) {
  auto canvas = GetBackend().DeviceCanvas(record.dc);
  canvas->SetFont(GetFont());
  const Rect rect{record.left, record.top, record.right, record.bottom};
  DrawButton(*canvas, rect, (record.itemState & ods::Selected) != 0,
             (record.itemState & ods::Focus) != 0);
}

void BitButton::DrawButton(Canvas& canvas, const Rect& rect, bool pressed, bool focused) {
  canvas.FillRect(rect, GetColor());
  canvas.DrawEdge(rect, pressed ? edge::Sunken : edge::Raised, edge::AllSides);
  const std::string caption = Text();
  const bool hasGlyph = kind_ != BitButtonKind::Custom || glyph_ != ButtonGlyph::None;
  const Size textSize = caption.empty() ? Size{0, 0} : canvas.TextExtent(caption);
  const int glyph = hasGlyph ? 16 : 0;
  const int spacing = hasGlyph && !caption.empty() ? 4 : 0;
  const int total = glyph + spacing + textSize.cx;
  const int shift = pressed ? 1 : 0;
  int x = rect.left + (rect.Width() - total) / 2 + shift;
  if (hasGlyph) {
    const Point origin{x, rect.top + (rect.Height() - 16) / 2 + shift};
    if (glyph_ != ButtonGlyph::None)
      DrawButtonGlyph(canvas, glyph_, origin, Enabled());
    else
      DrawKindGlyph(canvas, kind_, origin, Enabled());
    x += glyph + spacing;
  }
  if (!caption.empty()) {
    canvas.SetTextColor(Enabled() ? GetFont().color : kColorGrayText);
    canvas.TextOut(x, rect.top + (rect.Height() - textSize.cy) / 2 + shift, caption);
  }
  if (focused) canvas.FrameRect(rect.Inflated(-4, -4), kColorGray);
}

void DrawKindGlyph(Canvas& canvas, BitButtonKind kind, Point o, bool enabled) {
  auto at = [&](int x, int y) { return Point{o.x + x, o.y + y}; };
  switch (kind) {
    case BitButtonKind::Ok: {
      const Color c = enabled ? kColorGreen : kColorGray;
      canvas.Line(at(2, 8), at(6, 12), c, 3);
      canvas.Line(at(6, 12), at(14, 3), c, 3);
      break;
    }
    case BitButtonKind::Cancel: {
      const Color c = enabled ? 0x0000C0 : kColorGray;
      canvas.Line(at(3, 3), at(13, 13), c, 3);
      canvas.Line(at(13, 3), at(3, 13), c, 3);
      break;
    }
    case BitButtonKind::Retry: {
      // A circular arrow: most of a circle and a head at its open end.
      const Color c = enabled ? kColorGreen : kColorGray;
      static constexpr std::array<Point, 9> kArc = {
          {{12, 4}, {9, 2}, {6, 2}, {3, 4}, {2, 8}, {3, 12}, {6, 14}, {10, 14}, {13, 11}}};
      for (std::size_t i = 0; i + 1 < kArc.size(); ++i)
        canvas.Line(at(kArc[i].x, kArc[i].y), at(kArc[i + 1].x, kArc[i + 1].y), c, 2);
      canvas.Line(at(12, 4), at(13, 0), c, 2);
      canvas.Line(at(12, 4), at(8, 5), c, 2);
      break;
    }
    case BitButtonKind::Custom:
      break;
  }
}

namespace {

// An arrowhead pointing up or down, 12 wide and 6 high, filled row by row.
void FillTriangle(Canvas& canvas, Point o, bool up, Color color) {
  for (int row = 0; row < 6; ++row) {
    const int y = up ? 4 + row : 11 - row;
    canvas.FillRect({o.x + 7 - row, o.y + y, o.x + 9 + row, o.y + y + 1}, color);
  }
}

}  // namespace

void DrawButtonGlyph(Canvas& canvas, ButtonGlyph glyph, Point o, bool enabled) {
  auto box = [&](int l, int t, int r, int b) { return Rect{o.x + l, o.y + t, o.x + r, o.y + b}; };
  switch (glyph) {
    case ButtonGlyph::Create: {
      // A sheet with a folded corner and a green plus over its lower right.
      canvas.FillRect(box(2, 1, 11, 15), kColorWhite);
      canvas.FrameRect(box(2, 1, 11, 15), enabled ? kColorGray : kColorSilver);
      canvas.Line({o.x + 8, o.y + 1}, {o.x + 10, o.y + 3}, kColorGray, 1);
      const Color plus = enabled ? kColorGreen : kColorGray;
      canvas.FillRect(box(10, 6, 12, 16), plus);
      canvas.FillRect(box(6, 10, 16, 12), plus);
      break;
    }
    case ButtonGlyph::Delete: {
      // A sheet struck through by a red cross.
      canvas.FillRect(box(3, 1, 12, 15), kColorWhite);
      canvas.FrameRect(box(3, 1, 12, 15), enabled ? kColorGray : kColorSilver);
      const Color cross = enabled ? kColorRed : kColorGray;
      canvas.Line({o.x + 5, o.y + 5}, {o.x + 14, o.y + 14}, cross, 2);
      canvas.Line({o.x + 14, o.y + 5}, {o.x + 5, o.y + 14}, cross, 2);
      break;
    }
    case ButtonGlyph::Up:
    case ButtonGlyph::Down:
      FillTriangle(canvas, o, glyph == ButtonGlyph::Up, enabled ? kColorNavy : kColorGray);
      break;
    case ButtonGlyph::None:
      break;
  }
}

// --- CheckBox -----------------------------------------------------------------------------------

CheckBox::CheckBox(Component* owner) : Control(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void CheckBox::CreateParams(ui::CreateParams& params) {
  params.className = "BUTTON";
  params.style = ws::Child | BaseStyle() | bs::CheckBox;
  if (alignment_ == Alignment::Left) params.style |= bs::LeftText;
}

CheckState CheckBox::State() {
  return static_cast<CheckState>(Perform(bm::GetCheck));
}

void CheckBox::SetState(CheckState state) {
  if (State() == state) return;
  Perform(bm::SetCheck, static_cast<std::uintptr_t>(state));
  if (State() == state) Click();
}

void CheckBox::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  ApplyStyle();
}

void CheckBox::CommandNotify(std::uint16_t code) {
  if (code == bm::Clicked) SetChecked(!Checked());
}

// --- RadioButton --------------------------------------------------------------------------------

RadioButton::RadioButton(Component* owner) : Control(owner) {
  SetBounds(0, 0, 113, 17);
}

void RadioButton::CreateParams(ui::CreateParams& params) {
  params.className = "BUTTON";
  params.style = ws::Child | BaseStyle() | bs::RadioButton;
}

bool RadioButton::Checked() {
  return Perform(bm::GetCheck) == static_cast<std::intptr_t>(bm::Checked);
}

void RadioButton::SetChecked(bool checked) {
  if (Checked() == checked) return;
  Perform(bm::SetCheck, checked ? bm::Checked : bm::Unchecked);
  if (!checked) return;
  if (Parent() != nullptr)
    for (Control* sibling : Parent()->Controls())
      if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio != nullptr && radio != this)
        radio->SetChecked(false);
  Click();
}

void RadioButton::CommandNotify(std::uint16_t code) {
  if (code == bm::Clicked) SetChecked(true);
}

}  // namespace ornil::ui
