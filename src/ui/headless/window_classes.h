// The headless stand-ins for the system's window classes: what EDIT, BUTTON, COMBOBOX, LISTBOX,
// STATIC, SysDateTimePick32 and the toolkit's form class do with the messages a control passes on,
// including the notifications they send their parent and the keys they keep from the dialog keys.
// The test driver also reaches in here for what a user does in a window that is not the control's
// own (a combo box's list, a picker's month calendar).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/messages.h"
#include "ui/types.h"

namespace ornil::ui::headless {

class HeadlessBackend;

class WindowClass {
 public:
  WindowClass(HeadlessBackend& backend, Handle window, const CreateParams& params);
  virtual ~WindowClass() = default;

  // The class's own handling of a message; the result goes into message.result.
  virtual void Default(Message& message);

  Handle Window() const { return window_; }
  std::uint32_t Style() const { return style_; }
  void SetStyle(std::uint32_t style) { style_ = style; }
  Font font;

 protected:
  // WM_COMMAND with a code to the parent, as controls notify.
  void NotifyParent(std::uint16_t code);
  std::intptr_t SendToParent(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);
  std::intptr_t SendToSelf(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);
  // WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH on `text`.
  bool HandleText(Message& message, std::string& text);
  static std::intptr_t CopyOut(const std::string& text, std::uintptr_t size, std::intptr_t buffer);
  Size ClientSize();

  HeadlessBackend& backend_;
  Handle window_;
  std::uint32_t style_;
  std::string text_;
};

// An editable text with a selection; the edit and the combo box's edit part share it.
struct EditState {
  std::string text;
  std::size_t selStart = 0;
  std::size_t selEnd = 0;
  std::size_t limit = 0x7FFFFFFE;
  bool multiline = false;

  // Replaces the selection; false when nothing could be inserted for the limit.
  bool Insert(std::string_view s);
  // Backspace, Delete and caret keys; true when the text changed.
  bool Key(std::uint16_t key);
  bool Backspace();
  void Select(std::intptr_t start, std::intptr_t end);
};

// The toolkit's "OrnilForm": a window class whose background brush is the button face.
class FormClass : public WindowClass {
 public:
  using WindowClass::WindowClass;
  void Default(Message& message) override;
};

class EditClass : public WindowClass {
 public:
  EditClass(HeadlessBackend& backend, Handle window, const CreateParams& params);
  void Default(Message& message) override;
  EditState edit;
  bool readOnly = false;
};

class ButtonClass : public WindowClass {
 public:
  using WindowClass::WindowClass;
  void Default(Message& message) override;
  std::uintptr_t check = 0;
  bool pushed = false;
};

struct ListItem {
  std::string text;
  std::uintptr_t data = 0;
};

class ComboBoxClass : public WindowClass {
 public:
  ComboBoxClass(HeadlessBackend& backend, Handle window, const CreateParams& params);
  void Default(Message& message) override;
  bool IsList() const;
  // The user picks an item in the dropped list: it closes and tells the parent.
  void Pick(int index);

  std::vector<ListItem> items;
  int current = -1;
  EditState edit;
  bool dropped = false;

 private:
  void SetDropped(bool on);
  void Choose(int index, bool notify);
};

class ListBoxClass : public WindowClass {
 public:
  ListBoxClass(HeadlessBackend& backend, Handle window, const CreateParams& params);
  void Default(Message& message) override;
  int ItemAt(Point client) const;

  std::vector<ListItem> items;
  int current = -1;
  int itemHeight = 13;
  int top = 0;

 private:
  bool captured_ = false;  // a button went down on an item and is not up yet
};

class DateTimeClass : public WindowClass {
 public:
  DateTimeClass(HeadlessBackend& backend, Handle window, const CreateParams& params);
  ~DateTimeClass() override;
  void Default(Message& message) override;
  std::string Display();
  void Open();
  void Close();
  // The user picks a date in the month calendar; nothing happens while the calendar is disabled.
  bool Pick(const SystemTime& date);

  SystemTime date;
  bool checked = true;
  std::string format;
  ui::Handle monthCalendar = 0;

 private:
  void NotifyChange();
  void NotifyCode(std::uint32_t code);
};

std::unique_ptr<WindowClass> MakeWindowClass(HeadlessBackend& backend, Handle window,
                                             const CreateParams& params);

}  // namespace ornil::ui::headless
