// A scroll box: a container whose children scroll vertically under a scroll bar, which it shows
// when they reach below its client area (or always when asked). Scrolling automatically, it
// brings a control that gets the focus into view.
#pragma once

#include "ui/control.h"

namespace ornil::ui {

class ScrollBox : public Control {
 public:
  explicit ScrollBox(Component* owner);

  bool Bordered() const { return bordered_; }
  void SetBordered(bool on);
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool on);
  // Whether the vertical scroll bar may show at all.
  bool VertScrollBarVisible() const { return barVisible_; }
  void SetVertScrollBarVisible(bool on);
  int VertIncrement() const { return increment_; }
  void SetVertIncrement(int pixels) { increment_ = pixels > 0 ? pixels : 1; }
  int VertPosition() const { return position_; }
  // The height of what the children span, scrolled part included.
  int VertRange() const { return range_; }
  bool VertScrollBarShowing() const { return showing_; }
  void ScrollTo(int position);
  // Scrolls as little as brings the control (inside this box) wholly into view.
  void ScrollInView(Control& control);

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void WndProc(Message& message) override;
  void ChildBoundsChanged(Control* child) override;
  void Resize() override;
  void ChildFocused(Control& child) override;

 private:
  void UpdateScrollBar();

  bool bordered_ = true;
  bool autoScroll_ = true;
  bool barVisible_ = true;
  bool showing_ = false;
  bool scrolling_ = false;
  bool updating_ = false;
  int increment_ = 8;
  int position_ = 0;
  int range_ = 0;
};

}  // namespace ornil::ui
