// Text on a form: Label, painted by the toolkit with a virtual text drawing that derived labels
// may change, and StaticText, the system's static control.
#pragma once

#include "ui/control.h"

namespace ornil::ui {

class Label : public Control {
 public:
  explicit Label(Component* owner);

  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  Layout GetLayout() const { return layout_; }
  void SetLayout(Layout layout);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  // Transparent: the parent shows through around the caption.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  // The control a click on the label is meant for.
  Control* FocusControl() const { return focusControl_; }
  void SetFocusControl(Control* control);

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void Paint(Canvas& canvas) override;
  void AdjustSize() override;
  void Notification(Component* component, bool removing) override;
  // Draws (or with dt::CalcRect measures) the caption in the rectangle.
  virtual void DoDrawText(Canvas& canvas, Rect& rect, std::uint32_t flags);
  // With auto-size on, fits the bounds to the caption, keeping the position.
  virtual void AdjustBounds();
  std::uint32_t DrawTextFlags() const;

 private:
  Alignment alignment_ = Alignment::Left;
  Layout layout_ = Layout::Top;
  bool wordWrap_ = false;
  bool transparent_ = false;
  Control* focusControl_ = nullptr;
};

class StaticText : public Control {
 public:
  explicit StaticText(Component* owner);

  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  Control* FocusControl() const { return focusControl_; }
  void SetFocusControl(Control* control);

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void Notification(Component* component, bool removing) override;

 private:
  Alignment alignment_ = Alignment::Left;
  Control* focusControl_ = nullptr;
};

}  // namespace ornil::ui
