// Vertical scrolling of a container's children.
#include "ui/scroll_box.h"

#include <algorithm>

namespace ornil::ui {

namespace {
constexpr std::uint16_t kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4,
                        kThumbTrack = 5, kTop = 6, kBottom = 7;
}

ScrollBox::ScrollBox(Component* owner) : Control(owner) {
  SetCustomPaint(true);
  SetBounds(0, 0, 185, 41);
}

void ScrollBox::CreateParams(ui::CreateParams& params) {
  Control::CreateParams(params);
  params.style |= ws::ClipChildren;
  if (bordered_) params.exStyle |= ws::ExClientEdge;
}

void ScrollBox::SetBordered(bool on) {
  bordered_ = on;
  ApplyStyle();
}

void ScrollBox::SetAutoScroll(bool on) {
  autoScroll_ = on;
  UpdateScrollBar();
}

void ScrollBox::SetVertScrollBarVisible(bool on) {
  barVisible_ = on;
  UpdateScrollBar();
}

void ScrollBox::ChildBoundsChanged(Control*) {
  if (!scrolling_) UpdateScrollBar();
}

void ScrollBox::Resize() {
  Control::Resize();
  UpdateScrollBar();
}

void ScrollBox::UpdateScrollBar() {
  if (!HandleAllocated() || Destroying() || updating_) return;
  updating_ = true;
  int bottom = 0;
  for (Control* c : Controls())
    if (c->Visible()) bottom = std::max(bottom, c->Top() + c->Height());
  range_ = bottom + position_;
  const int page = ClientHeight();
  const bool show = barVisible_ && autoScroll_ && range_ > page;
  ScrollInfo info;
  info.visible = show;
  info.max = std::max(range_ - 1, 0);
  info.page = page;
  info.position = position_;
  const bool changed = show != showing_;
  showing_ = show;
  GetBackend().SetScrollBar(GetHandle(), info);
  if (changed || position_ > std::max(0, range_ - ClientHeight())) ScrollTo(position_);
  updating_ = false;
}

void ScrollBox::ScrollTo(int position) {
  const int limit = std::max(0, range_ - ClientHeight());
  position = std::clamp(position, 0, limit);
  const int delta = position_ - position;
  if (delta != 0) {
    scrolling_ = true;
    ScrollBy(0, delta);
    scrolling_ = false;
    position_ = position;
  }
  ScrollInfo info;
  info.visible = showing_;
  info.max = std::max(range_ - 1, 0);
  info.page = ClientHeight();
  info.position = position_;
  GetBackend().SetScrollBar(GetHandle(), info);
}

void ScrollBox::ScrollInView(Control& control) {
  int top = 0;
  Control* c = &control;
  for (; c != nullptr && c != this; c = c->Parent())
    top += c->Top();
  if (c != this) return;
  const int bottom = top + control.Height();
  if (top < 0) {
    ScrollTo(position_ + top);
  } else if (bottom > ClientHeight()) {
    ScrollTo(position_ + std::min(top, bottom - ClientHeight()));
  }
}

void ScrollBox::ChildFocused(Control& child) {
  if (autoScroll_ && showing_) ScrollInView(child);
}

void ScrollBox::WndProc(Message& m) {
  if (m.msg == wm::VScroll) {
    switch (LowWord(m.wParam)) {
      case kLineUp:
        ScrollTo(position_ - increment_);
        break;
      case kLineDown:
        ScrollTo(position_ + increment_);
        break;
      case kPageUp:
        ScrollTo(position_ - ClientHeight());
        break;
      case kPageDown:
        ScrollTo(position_ + ClientHeight());
        break;
      case kThumbPosition:
      case kThumbTrack:
        ScrollTo(HighWord(m.wParam));
        break;
      case kTop:
        ScrollTo(0);
        break;
      case kBottom:
        ScrollTo(range_);
        break;
      default:
        break;
    }
    m.result = 0;
    return;
  }
  if (m.msg == wm::MouseWheel) {
    const auto delta = static_cast<std::int16_t>(HighWord(m.wParam));
    ScrollTo(position_ - delta / 120 * increment_ * 3);
    m.result = 0;
    return;
  }
  Control::WndProc(m);
}

}  // namespace ornil::ui
