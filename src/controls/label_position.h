// Where the caption label of a labelled control stands: above, below, left or right of the
// control at a spacing, and how its text is aligned there. The label keeps its size.
#pragma once

#include "ui/types.h"

namespace ornil {

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

struct LabelPlacement {
  ui::Point origin;
  ui::Alignment alignment = ui::Alignment::Left;
};

// The label's top-left corner (in the control's parent) and text alignment.
LabelPlacement PlaceLabel(const ui::Rect& control, ui::Size label, TLabelPosition position,
                          int spacing);

// What a caption label asks of the control it belongs to: place me again (after my size changed).
class LabelHost {
 public:
  virtual void PlaceEditLabel() = 0;

 protected:
  ~LabelHost() = default;
};

}  // namespace ornil
