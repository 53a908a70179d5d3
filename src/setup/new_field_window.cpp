// The field dialog's controls and its divider switch.
#include "setup/new_field_window.h"

#include "setup/setup_forms.h"
#include "text/cp1251.h"

ornil::TNewFieldWindow* NewFieldWindow = nullptr;

namespace ornil {

TNewFieldWindow::TNewFieldWindow(ui::Component* owner) : ui::Form(owner) {
  SetName("NewFieldWindow");
  setup::MakeDialog(*this, "Создание поля"_cp, 298, 120);
  constexpr ui::Anchors kStretched = ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorRight;
  Label2 = setup::Place<ui::Label>(*this, 8, 12, 80, 13);
  Label2->SetText("Имя поля:"_cp);
  FieldName = setup::Place<ui::Edit>(*this, 90, 8, 200, 21, kStretched);
  Label1 = setup::Place<ui::Label>(*this, 8, 39, 80, 13);
  Label1->SetText("Для колонки:"_cp);
  ColumnName = setup::Place<ui::ComboBox>(*this, 90, 35, 200, 21, kStretched);
  ColumnName->SetStyle(ui::ComboStyle::DropDownList);
  // The caption stands left of the box, which lines up with the inputs above it.
  DividerCheck = setup::Place<ui::CheckBox>(*this, 8, 62, 95, 17);
  DividerCheck->SetAlignment(ui::Alignment::Left);
  DividerCheck->SetText("Разделитель"_cp);
  DividerCheck->OnClick = [this](ui::Component&) { DividerCheckClick(); };
  OkButton = setup::AddDialogButton(*this, ui::BitButtonKind::Ok, "OK", 129, 88);
  CancelButton = setup::AddDialogButton(*this, ui::BitButtonKind::Cancel, "Отменить"_cp, 210, 88);
  CancelButton->OnClick = [this](ui::Component&) { Close(); };
  setup::SwallowTabsInEveryControl(*this);
  ::NewFieldWindow = this;
  SetActiveControl(FieldName);
}

void TNewFieldWindow::DividerCheckClick() {
  // A divider shows no column.
  ColumnName->SetEnabled(!DividerCheck->Checked());
}

TNewFieldWindow::~TNewFieldWindow() {
  if (::NewFieldWindow == this) ::NewFieldWindow = nullptr;
}

}  // namespace ornil
