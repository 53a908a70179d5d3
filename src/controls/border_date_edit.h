// TBorderDateEdit: the date picker with a caption label and a flat frame. Read-only, it lets the
// user move between its fields with the arrow keys and nothing else, and its calendar opens
// disabled; nothing can be typed into it at any time. IsTouched tells whether the user has
// changed it or pressed a key in it.
#pragma once

#include "controls/labelled_control.h"
#include "ui/date_time_picker.h"

namespace ornil {

class TBorderDateEdit : public TLabelledControl<ui::DateTimePicker> {
 public:
  explicit TBorderDateEdit(ui::Component* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool IsTouched() const { return isTouched_; }

 protected:
  void WndProc(ui::Message& message) override;
  void KeyDown(std::uint16_t& key, ui::ShiftState shift) override;
  void KeyPress(char& key) override;
  void NotifyReceived(ui::NotifyHeader& header) override;
  void DropDown() override;

 private:
  bool readOnly_ = false;
  bool isTouched_ = false;
};

}  // namespace ornil
