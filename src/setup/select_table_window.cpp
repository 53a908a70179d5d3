// The table dialog's controls.
#include "setup/select_table_window.h"

#include "setup/setup_forms.h"
#include "text/cp1251.h"

namespace ornil {

TSelectTableWindow::TSelectTableWindow(ui::Component* owner) : ui::Form(owner) {
  SetName("SelectTableWindow");
  setup::MakeDialog(*this, "Выберите таблицу"_cp, 265, 73);
  ComboBox1 = setup::Place<ui::ComboBox>(*this, 8, 8, 249, 21,
                                         ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorRight);
  ComboBox1->SetStyle(ui::ComboStyle::DropDownList);
  OkButton = setup::AddDialogButton(*this, ui::BitButtonKind::Ok, "OK", 96, 40);
  CancelButton = setup::AddDialogButton(*this, ui::BitButtonKind::Cancel, "Отменить"_cp, 177, 40);
  setup::SwallowTabsInEveryControl(*this);
  SetActiveControl(ComboBox1);
}

}  // namespace ornil
