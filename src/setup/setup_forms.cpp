// The look and keys the setup window and its dialogs share.
#include "setup/setup_forms.h"

#include "ui/control.h"

namespace ornil::setup {

namespace {

void SwallowTabsBelow(ui::Control& parent) {
  for (ui::Control* control : parent.Controls()) {
    if (!control->OnKeyPress) control->OnKeyPress = &AllKeyPress;
    SwallowTabsBelow(*control);
  }
}

}  // namespace

void MakeDialog(ui::Form& dialog, const char* caption, int clientWidth, int clientHeight) {
  dialog.SetText(caption);
  dialog.SetBorderStyle(ui::BorderStyle::Dialog);
  dialog.SetBorderIcons(ui::kBorderIconSystemMenu);
  dialog.SetPosition(ui::FormPosition::OwnerFormCenter);
  dialog.SetFont(ui::RussianArial(11));
  dialog.SetClientSize(clientWidth, clientHeight);
}

ui::BitButton* AddDialogButton(ui::Form& dialog, ui::BitButtonKind kind, const char* caption,
                               int left, int top) {
  auto* button =
      Place<ui::BitButton>(dialog, left, top, 80, 25, ui::kAnchorRight | ui::kAnchorBottom);
  button->SetKind(kind);
  button->SetText(caption);
  return button;
}

void AllKeyPress(ui::Component&, char& key) {
  if (key == '\t') key = 0;
}

void SwallowTabsInEveryControl(ui::Form& form) {
  SwallowTabsBelow(form);
}

}  // namespace ornil::setup
