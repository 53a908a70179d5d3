// TAboutBoxForm: the About window with the product text the companion hands over, the program's
// picture and two fixed lines. While it is open the host's windows stay disabled: it disables the
// thread's other windows, and a call-window-procedure hook disables the host main window again
// when something enables it. ViewAboutProg and DestroyAboutWindow make and free the one window.
#pragma once

#include "platform/window_manager.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/image.h"
#include "ui/label.h"

namespace ornil {

class TAboutBoxForm : public ui::Form {
 public:
  explicit TAboutBoxForm(ui::Component* owner);
  ~TAboutBoxForm() override;

  ui::Panel* Panel1;
  ui::Image* ProgramIcon;
  ui::Label* ProductName;
  ui::Label* Copyright;
  ui::Label* Comments;
  ui::BitButton* OKButton;

 protected:
  void FormCreate();
  void FormClose(ui::Form& sender, ui::CloseAction& action);
  void FormDestroy(ui::Component& sender);
  void FormKeyPress(ui::Component& sender, char& key);
  void OKButtonClick(ui::Component& sender);

 private:
  // The top-level windows disabled when the window was made; enabled again when it goes.
  platform::DisabledWindows DisabledWindows;
};

// Replaces any About window with a new one showing `text` (empty for null), not modally.
void ViewAboutProg(const char* text);
// Frees the About window, if there is one; reports nothing.
void DestroyAboutWindow() noexcept;

}  // namespace ornil

// The one About window or null; exported as the data symbol _AboutBox.
extern "C" ornil::TAboutBoxForm* AboutBox;
