// TWindowDivider: a label drawn as a section divider. An etched two-pixel line runs along the
// top when there is no caption; with a caption it runs under it (top layout), over it (bottom
// layout) or through its middle beside it (centre layout). Auto-sized, it is 2 pixels high
// without a caption and keeps its width.
#pragma once

#include <cstdint>

#include "ui/label.h"

namespace ornil {

class TWindowDivider : public ui::Label {
 public:
  explicit TWindowDivider(ui::Component* owner);

 protected:
  void AdjustBounds() override;
  void DoDrawText(ui::Canvas& canvas, ui::Rect& rect, std::uint32_t flags) override;

 private:
  // The etched line beside the text of a centre layout.
  void DrawLinesBesideText(ui::Canvas& canvas, const ui::Rect& rect, const ui::Rect& measured);
};

}  // namespace ornil
