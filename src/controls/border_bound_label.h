// The caption labels of the labelled controls: TBorderBoundLabel, a static text owned by its
// control, vertically centred, sized to its caption and placed again by its control whenever its
// size changes; and TBoundLabel, the lookup rows' label, which can underline itself under the
// mouse.
#pragma once

#include "ui/label.h"

namespace ornil {

class TBorderBoundLabel : public ui::StaticText {
 public:
  // `owner` is the control the label belongs to: it frees the label, takes the focus for it
  // and lends it its component name as the first caption.
  explicit TBorderBoundLabel(ui::Component* owner);

 protected:
  TBorderBoundLabel(ui::Component* owner, const char* name);
  void CreateParams(ui::CreateParams& params) override;
  void TextChanged() override;
  void FontChanged() override;
  void AdjustSize() override;

 private:
  void PlaceByOwner();
};

class TBoundLabel : public TBorderBoundLabel {
 public:
  explicit TBoundLabel(ui::Component* owner);

  bool UnderlineOnHover = false;

 protected:
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  void SetUnderline(bool on);
};

}  // namespace ornil
