// Forms: top-level windows owned by the host's main window. Border styles and icons, placement on
// first showing, key preview, closing with a chosen action, deferred release, a main menu, and the
// dialog keys (Tab moves the focus, Esc presses the cancel button, Enter the focused button or
// else the default one).
#pragma once

#include <functional>

#include "ui/control.h"

namespace ornil::ui {

class MainMenu;

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum BorderIcon : unsigned {
  kBorderIconSystemMenu = 1,
  kBorderIconMinimize = 2,
  kBorderIconMaximize = 4,
};
using BorderIcons = unsigned;
enum class FormPosition { Designed, OwnerFormCenter, ScreenCenter };
enum class CloseAction { None, Hide, Free, Minimize };
using CloseEvent = std::function<void(Form& sender, CloseAction& action)>;

class Form : public Control {
 public:
  explicit Form(Component* owner);
  ~Form() override;

  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(BorderStyle style);
  BorderIcons GetBorderIcons() const { return borderIcons_; }
  void SetBorderIcons(BorderIcons icons);
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position) { position_ = position; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  Control* ActiveControl() const { return activeControl_; }
  // The control of this form that had the focus last (it may have gone to another form or
  // application since); the enter and exit notices go by it.
  Control* FocusedControl() const { return focusedControl_; }
  void SetActiveControl(Control* control);
  MainMenu* Menu() const { return menu_; }
  void SetMenu(MainMenu* menu);
  // The window this form belongs to instead of the application's: 0 for none.
  Handle ParentWindow() const { return parentWindow_; }
  void SetParentWindow(Handle window);
  // The window that owns this form natively: ParentWindow, else the application's handle.
  Handle OwnerWindow() const;
  // The toolkit makes no MDI forms; the translation hook asks as the class library's loop would.
  bool IsMdiFrame() const { return false; }
  bool IsMdiChild() const { return false; }
  // The MDI client window of a frame; 0 for any other form.
  Handle ClientHandle() const { return 0; }

  // Shows the form without making it modal, placing it by Position the first time.
  void SetVisible(bool visible) override;
  // Asks OnClose what to do (hide by default) and does it.
  void Close();
  // Frees the form once the messages already waiting for it are handled.
  void Release();
  // Moves the focus to the next (or previous) control that takes it, in tab order.
  void SelectNext(Control* from, bool forward);
  // Tab (Shift+Tab backwards), Esc and Enter pressed in a control of the form; true when the
  // form used the key.
  virtual bool DialogKey(Control& from, std::uint16_t key);

  CloseEvent OnClose;
  NotifyEvent OnShow;
  NotifyEvent OnActivate;
  NotifyEvent OnDestroy;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void WndProc(Message& message) override;
  void BeforeDestruction() override;
  void Notification(Component* component, bool removing) override;
  void WindowCreated() override;

 private:
  friend class Control;

  void PlaceOnFirstShow();
  void SetFocusedControl(Control* control);

  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  BorderIcons borderIcons_ = kBorderIconSystemMenu | kBorderIconMinimize | kBorderIconMaximize;
  FormPosition position_ = FormPosition::Designed;
  bool keyPreview_ = false;
  bool placed_ = false;
  Control* activeControl_ = nullptr;
  Control* focusedControl_ = nullptr;
  MainMenu* menu_ = nullptr;
  Handle parentWindow_ = 0;
};

}  // namespace ornil::ui
