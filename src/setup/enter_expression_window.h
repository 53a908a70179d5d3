// TEnterExpressionWindow: the dialog that takes a MapBasic expression for a field and checks it
// against the table being set up. The setup window handles its OK and "Проверить" buttons.
#pragma once

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace ornil {

class TEnterExpressionWindow : public ui::Form {
 public:
  explicit TEnterExpressionWindow(ui::Component* owner);
  ~TEnterExpressionWindow() override;

  ui::Memo* Expression;
  ui::BitButton* CheckUp;
  ui::BitButton* OkButton;
  ui::BitButton* CancelButton;

  // Where an accepted expression goes: the field dialog's column list.
  ui::ComboBox* TargetList = nullptr;
};

}  // namespace ornil

// The expression dialog of the open setup window, or null; exported as _EnterExpressionWindow.
extern "C" ornil::TEnterExpressionWindow* EnterExpressionWindow;
