// What the setup window and its dialogs share: placing a control on a parent by its design
// bounds, the dialog frame with its OK and Cancel buttons, and the key-press handler that
// keeps the Tab character out of every control.
#pragma once

#include "ui/button.h"
#include "ui/form.h"

namespace ornil::setup {

// A control of the form `parent` is on, placed at its design bounds.
template <class T>
T* Place(ui::Control& parent, int left, int top, int width, int height,
         ui::Anchors anchors = ui::kAnchorsDefault) {
  ui::Form* form = parent.ParentForm();
  auto* control = ui::Make<T>(form != nullptr ? static_cast<ui::Component*>(form) : &parent);
  control->SetParent(&parent);
  control->SetBounds(left, top, width, height);
  control->SetAnchors(anchors);
  return control;
}

// A dialog frame centred on its owner, with the caption and client size given.
void MakeDialog(ui::Form& dialog, const char* caption, int clientWidth, int clientHeight);

// An 80 x 25 bitmap button of a kind at the bottom right of a dialog.
ui::BitButton* AddDialogButton(ui::Form& dialog, ui::BitButtonKind kind, const char* caption,
                               int left, int top);

// Swallows the Tab character; every other character passes.
void AllKeyPress(ui::Component& sender, char& key);
// Gives every control of the form AllKeyPress.
void SwallowTabsInEveryControl(ui::Form& form);

}  // namespace ornil::setup
