// The test driver: acts on the headless toolkit as a user would, through the same messages the
// real windows would get (input passes the get-message hooks first), so the system's tests read
// like what the user does. An action on a control the user cannot reach (hidden, or disabled
// itself or through its form) does nothing and answers false.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/headless/headless_backend.h"
#include "ui/types.h"

namespace ornil::ui {
class CheckBox;
class ComboBox;
class Control;
class DateTimePicker;
class Form;
class ListBox;
class MenuItem;
class ValueListEditor;
}  // namespace ornil::ui

namespace ornil::ui::headless {

class Driver {
 public:
  explicit Driver(HeadlessBackend& backend) : backend_(backend) {}

  // Keyboard: the control gets the focus first.
  bool Focus(Control& control);
  // Key down, character, key up; Tab, Enter, Esc and Backspace as '\t', '\r', '\x1b', '\b'.
  // `shift`: the modifier keys held down meanwhile (Shift+Tab: '\t' with kShiftShift).
  bool TypeChar(Control& control, char ch, ShiftState shift = kShiftNone);
  bool Type(Control& control, std::string_view text);
  // A key without a character (arrows, Delete, Insert, F4).
  bool PressKey(Control& control, std::uint16_t key, ShiftState shift = kShiftNone);
  bool Paste(Control& control, std::string_view text);

  // Mouse, in the control's client coordinates; Click aims at its centre.
  bool Click(Control& control);
  bool ClickAt(Control& control, Point point);
  bool RightClickAt(Control& control, Point point);
  bool DoubleClickAt(Control& control, Point point);
  bool MoveMouseTo(Control& control);

  // Lists and pickers.
  bool SelectItem(ComboBox& combo, int index);
  bool SelectItem(ListBox& list, int index);
  bool DoubleClickItem(ListBox& list, int index);
  bool Tick(CheckBox& box);
  // Clicks the check box of a picker that shows one.
  bool Tick(DateTimePicker& picker);
  // Opens the month calendar and picks the date; false when the calendar would not take it.
  bool PickDate(DateTimePicker& picker, const SystemTime& date);
  bool EditCell(ValueListEditor& grid, int row, int col, std::string_view text);

  // Windows.
  bool ClickMenu(MenuItem& item);
  bool Close(Form& form);
  // Drags a border of the form (edge as WM_SIZING numbers it, 1 to 8) towards `proposed`;
  // returns the outer rectangle the form ends with.
  Rect DragBorder(Form& form, int edge, Rect proposed);
  // The next message box gets this answer.
  void AnswerMessageBox(int button) { backend_.AnswerMessageBox(button); }

  void Paint(Control& control);
  // The posted messages (deferred releases among them) are handled after every action; this
  // does it by itself.
  void ProcessMessages() { backend_.ProcessMessages(); }
  std::string HintOf(Control& control);
  // Whether a user could act on the control now.
  bool Reachable(Control& control);

 private:
  void Input(Handle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);
  bool Mouse(Control& control, Point point, std::uint32_t down, std::uint32_t up, bool twice);

  HeadlessBackend& backend_;
};

}  // namespace ornil::ui::headless
