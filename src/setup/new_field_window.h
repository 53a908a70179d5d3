// TNewFieldWindow: the dialog that makes a new field or changes a field's name, column or
// expression, or makes it a divider. The setup window fills it and handles OK and the choice of a
// column; the dialog itself keeps the column list off while the field is a divider.
#pragma once

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"

namespace ornil {

class TNewFieldWindow : public ui::Form {
 public:
  explicit TNewFieldWindow(ui::Component* owner);
  ~TNewFieldWindow() override;

  ui::Label* Label2;
  ui::Edit* FieldName;
  ui::Label* Label1;
  ui::ComboBox* ColumnName;
  ui::CheckBox* DividerCheck;
  ui::BitButton* OkButton;
  ui::BitButton* CancelButton;

  // How many entries at the head of ColumnName are the table's columns; the entries after them,
  // up to the last one ("Выражение..."), are expressions.
  int ColumnCount = 0;
  // The list position of the field being changed; -1 for a new field.
  int EditIndex = -1;

 private:
  void DividerCheckClick();
};

}  // namespace ornil

// The field dialog of the open setup window, or null; exported as _NewFieldWindow.
extern "C" ornil::TNewFieldWindow* NewFieldWindow;
