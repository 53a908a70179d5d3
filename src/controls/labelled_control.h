// What the labelled controls (TBorderEdit, TBorderDateEdit, TBorderComboBox) share: a caption
// label they own and keep beside them at a position and spacing, that follows their parent,
// visibility, enabled state and reading order; and a border colour for their flat frame.
#pragma once

#include "controls/border_bound_label.h"
#include "controls/border_frame.h"
#include "controls/label_position.h"
#include "ui/control.h"

namespace ornil {

template <class Base>
class TLabelledControl : public Base, public LabelHost {
 public:
  explicit TLabelledControl(ui::Component* owner);

  // The caption label; null once it was freed.
  TBorderBoundLabel* EditLabel() const { return label_; }
  TLabelPosition LabelPosition() const { return position_; }
  void SetLabelPosition(TLabelPosition position);
  int LabelSpacing() const { return spacing_; }
  void SetLabelSpacing(int spacing);
  ui::Color BorderColor() const { return borderColor_; }
  void SetBorderColor(ui::Color color);

  // The label gets the same parent and is shown.
  void SetParent(ui::Control* parent) override;
  // Any move or resize places the label again.
  void SetBounds(int left, int top, int width, int height) override;
  void PlaceEditLabel() override;

 protected:
  void VisibleChanged() override;
  void EnabledChanged() override;
  void BiDiModeChanged() override;
  void Notification(ui::Component* component, bool removing) override;
  // Puts `label` (owned by this control) in place of the current one, which is freed.
  void ReplaceEditLabel(TBorderBoundLabel* label);
  void DrawFrame() { DrawBorderFrame(*this, borderColor_); }

 private:
  TBorderBoundLabel* label_ = nullptr;
  TLabelPosition position_ = lpLeft;
  int spacing_ = 3;
  ui::Color borderColor_ = kDefaultBorderColor;
};

}  // namespace ornil
