// The bordered combo box.
#include "controls/border_combo_box.h"

namespace ornil {

TBorderComboBox::TBorderComboBox(ui::Component* owner) : TLabelledControl<ui::ComboBox>(owner) {
  SetAutoComplete(true);
  SetAutoDropDown(false);
}

void TBorderComboBox::WndProc(ui::Message& m) {
  // Closing the list on request keeps the item that was selected before.
  if (m.msg == ui::cb::ShowDropDown && m.wParam == 0) {
    const int index = ItemIndex();
    TLabelledControl<ui::ComboBox>::WndProc(m);
    SetItemIndex(index);
    return;
  }
  TLabelledControl<ui::ComboBox>::WndProc(m);
  switch (m.msg) {
    case ui::wm::Paint:
    case ui::wm::NcPaint:
      DrawFrame();
      break;
    case ui::wm::LButtonUp:
      SetText(defaultValue_);
      break;
    default:
      break;
  }
}

void TBorderComboBox::Select() {
  if (!readOnly_) {
    const int index = ItemIndex();
    if (index >= 0) defaultValue_ = Item(index);
  }
  TLabelledControl<ui::ComboBox>::Select();
}

void TBorderComboBox::DoExit() {
  TLabelledControl<ui::ComboBox>::DoExit();
  SetText(defaultValue_);
}

}  // namespace ornil
