// The expression dialog's controls.
#include "setup/enter_expression_window.h"

#include "setup/setup_forms.h"
#include "text/cp1251.h"

ornil::TEnterExpressionWindow* EnterExpressionWindow = nullptr;

namespace ornil {

TEnterExpressionWindow::TEnterExpressionWindow(ui::Component* owner) : ui::Form(owner) {
  SetName("EnterExpressionWindow");
  setup::MakeDialog(*this, "Выражение"_cp, 346, 122);
  Expression = setup::Place<ui::Memo>(*this, 8, 8, 330, 74, ui::kAnchorsAll);
  // Enter belongs to the OK button.
  Expression->SetWantReturns(false);
  CheckUp = setup::AddDialogButton(*this, ui::BitButtonKind::Retry, "Проверить"_cp, 8, 90);
  CheckUp->SetAnchors(ui::kAnchorLeft | ui::kAnchorBottom);
  CheckUp->SetWidth(88);
  OkButton = setup::AddDialogButton(*this, ui::BitButtonKind::Ok, "OK", 177, 90);
  CancelButton = setup::AddDialogButton(*this, ui::BitButtonKind::Cancel, "Отменить"_cp, 258, 90);
  CancelButton->OnClick = [this](ui::Component&) { Close(); };
  setup::SwallowTabsInEveryControl(*this);
  ::EnterExpressionWindow = this;
  SetActiveControl(Expression);
}

TEnterExpressionWindow::~TEnterExpressionWindow() {
  if (::EnterExpressionWindow == this) ::EnterExpressionWindow = nullptr;
}

}  // namespace ornil
