// TSelectTableWindow: the small dialog in which the user chooses the table to set up. The setup
// window fills its list and handles its buttons.
#pragma once

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"

namespace ornil {

class TSelectTableWindow : public ui::Form {
 public:
  explicit TSelectTableWindow(ui::Component* owner);

  ui::ComboBox* ComboBox1;
  ui::BitButton* OkButton;
  ui::BitButton* CancelButton;
};

}  // namespace ornil
