// The bordered edit.
#include "controls/border_edit.h"

namespace ornil {

TBorderEdit::TBorderEdit(ui::Component* owner) : TLabelledControl<ui::Edit>(owner) {
  SetColor(ui::kColorWindow);
}

void TBorderEdit::WndProc(ui::Message& m) {
  TLabelledControl<ui::Edit>::WndProc(m);
  if (m.msg == ui::wm::NcPaint) DrawFrame();
}

}  // namespace ornil
