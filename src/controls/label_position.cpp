// Label placement.
#include "controls/label_position.h"

namespace ornil {

LabelPlacement PlaceLabel(const ui::Rect& k, ui::Size l, TLabelPosition position, int s) {
  // Integer halving rounds toward zero.
  const int besideTop = k.top + (k.Height() - l.cy) / 2;
  switch (position) {
    case lpAbove:
      return {{k.left, k.top - l.cy - s}, ui::Alignment::Center};
    case lpBelow:
      return {{k.left, k.top + k.Height() + s}, ui::Alignment::Center};
    case lpLeft:
      return {{k.left - l.cx - s, besideTop}, ui::Alignment::Right};
    case lpRight:
      return {{k.left + k.Width() + s, besideTop}, ui::Alignment::Left};
  }
  return {{k.left - l.cx - s, besideTop}, ui::Alignment::Right};
}

}  // namespace ornil
