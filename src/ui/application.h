// The application object: the one owner of the library's forms. It knows the host's main window
// (the native owner of every form), the active form, the current dialog window, the hint pauses,
// the windows of every control, and it shows the message boxes.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/system.h"
#include "ui/backend.h"
#include "ui/component.h"
#include "ui/types.h"

namespace ornil::ui {

class Control;
class Form;
class MenuItem;

class Application : public Component {
 public:
  // One at a time; it becomes Instance() until it is destroyed, and frees its forms then.
  explicit Application(Backend& backend);
  ~Application() override;

  // The application object, or null when there is none.
  static Application* Instance();
  // The backend of the application object; a control cannot exist without one.
  static Backend& CurrentBackend();
  // Where a failure that escaped a window procedure ends: OnException, else an error box.
  static void HandleException(std::exception_ptr failure) noexcept;

  Backend& GetBackend() const { return backend_; }

  // The host's main window; forms made afterwards are owned by it.
  Handle GetHandle() const { return handle_; }
  void SetHandle(Handle handle) { handle_ = handle; }

  // A message box with the caption and flags as given (mb:: flags; mb::TaskModal for task-modal).
  int MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags);

  int HintPause() const { return hintPause_; }
  void SetHintPause(int milliseconds);
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int milliseconds);

  std::vector<Form*> Forms() const;
  Form* ActiveForm() const { return activeForm_; }
  Form* MainForm() const { return nullptr; }
  // The dialog window the translation hook hands to IsDialogMessage; 0 for none.
  Handle DialogHandle() const { return dialogHandle_; }
  void SetDialogHandle(Handle handle) { dialogHandle_ = handle; }

  Control* FindControl(Handle window) const;
  // The innermost visible control under a screen point; disabled ones too when asked.
  Control* ControlAtPos(Point screen, bool includeDisabled);
  Control* CaptureControl() const;

  // Handles waiting messages (posted releases among them).
  void ProcessMessages();

  std::function<void(std::exception_ptr)> OnException;

  // For controls and forms.
  void Register(Handle window, Control* control);
  void Unregister(Handle window);
  void SetActiveForm(Form* active, Form* sender);
  void FormGone(Form* form);
  std::uint32_t RegisterMenuItem(MenuItem* item);
  void UnregisterMenuItem(std::uint32_t id);
  MenuItem* FindMenuItem(std::uint32_t id) const;

 private:
  Backend& backend_;
  Handle handle_ = 0;
  Handle dialogHandle_ = 0;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  Form* activeForm_ = nullptr;
  std::unordered_map<Handle, Control*> controls_;
  std::unordered_map<std::uint32_t, MenuItem*> menuItems_;
  std::uint32_t nextMenuId_ = 100;
};

// The message-box seam over the application object, for the error boundaries of the real DLL;
// while there is no application object the boxes go to `fallback`.
class ApplicationDialogs : public platform::Dialogs {
 public:
  explicit ApplicationDialogs(platform::Dialogs* fallback = nullptr) : fallback_(fallback) {}
  int ShowMessageBox(const std::string& text, const std::string& caption,
                     std::uint32_t flags) override;

 private:
  platform::Dialogs* fallback_;
};

}  // namespace ornil::ui
