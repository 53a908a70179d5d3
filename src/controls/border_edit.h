// TBorderEdit: the one-line edit with a caption label and a flat frame in its border colour.
#pragma once

#include "controls/labelled_control.h"
#include "ui/edit.h"

namespace ornil {

class TBorderEdit : public TLabelledControl<ui::Edit> {
 public:
  explicit TBorderEdit(ui::Component* owner);

 protected:
  void WndProc(ui::Message& message) override;
};

}  // namespace ornil
