// TBorderComboBox: the combo box with a caption label and a flat frame. It shows DefaultValue:
// a user's selection makes the selected text the default unless the box is read-only, and the
// text returns to the default when the mouse button is released on it and when it is left.
#pragma once

#include <string>

#include "controls/labelled_control.h"
#include "ui/combo_box.h"

namespace ornil {

class TBorderComboBox : public TLabelledControl<ui::ComboBox> {
 public:
  explicit TBorderComboBox(ui::Component* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  const std::string& DefaultValue() const { return defaultValue_; }
  void SetDefaultValue(std::string value) { defaultValue_ = std::move(value); }

 protected:
  void WndProc(ui::Message& message) override;
  void Select() override;
  void DoExit() override;

 private:
  bool readOnly_ = false;
  std::string defaultValue_;
};

}  // namespace ornil
