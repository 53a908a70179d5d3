// TEditValueWindow: the small window in which the user types one value of a lookup table, a new
// one or a change of an existing one: a text editor or a date editor, OK and Cancel. The info
// window owns one, wires OK and closing, and fills it before showing it; the window keeps the row
// being changed (0 for a new value).
#pragma once

#include "ui/button.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace ornil {

class TEditValueWindow : public ui::Form {
 public:
  explicit TEditValueWindow(ui::Component* owner);
  ~TEditValueWindow() override;

  // Date mode: only the date picker, and the window as short as it allows.
  void ShowDateEditor();
  // Text mode: only the memo.
  void ShowTextEditor();

  ui::Memo* Value;
  ui::DateTimePicker* DateValue;
  ui::BitButton* OkButton;
  ui::BitButton* CancelButton;

  // The client height below the editor, the same in both modes.
  int BottomMargin = 0;
  // The row of the lookup table being changed; below 1 for a new value.
  int RowId = 0;

 protected:
  void FormCreate();
  void CancelButtonClick(ui::Component& sender);
  void AllKeyPress(ui::Component& sender, char& key);
};

}  // namespace ornil

// The edit value window last made and not yet gone, or null; exported as the data symbol
// _EditValueWindow.
extern "C" ornil::TEditValueWindow* EditValueWindow;
