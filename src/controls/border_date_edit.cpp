// The bordered date picker.
#include "controls/border_date_edit.h"

namespace ornil {

namespace {

// Keys that belong to the form (moving on, Esc, Enter), never to the picker.
bool IsDialogKey(std::uint16_t key) {
  return key == ui::vk::Tab || key == ui::vk::Escape || key == ui::vk::Return;
}

}  // namespace

TBorderDateEdit::TBorderDateEdit(ui::Component* owner)
    : TLabelledControl<ui::DateTimePicker>(owner) {}

void TBorderDateEdit::WndProc(ui::Message& m) {
  TLabelledControl<ui::DateTimePicker>::WndProc(m);
  if (m.msg == ui::wm::NcPaint) DrawFrame();
}

void TBorderDateEdit::KeyDown(std::uint16_t& key, ui::ShiftState shift) {
  if (readOnly_) {
    if (key != ui::vk::Left && key != ui::vk::Right && !IsDialogKey(key)) key = 0;
  } else {
    isTouched_ = true;
  }
  TLabelledControl<ui::DateTimePicker>::KeyDown(key, shift);
}

void TBorderDateEdit::KeyPress(char& key) {
  TLabelledControl<ui::DateTimePicker>::KeyPress(key);
  key = 0;
}

void TBorderDateEdit::NotifyReceived(ui::NotifyHeader& header) {
  if (header.code == ui::dtm::DateTimeChange) isTouched_ = true;
  TLabelledControl<ui::DateTimePicker>::NotifyReceived(header);
}

void TBorderDateEdit::DropDown() {
  TLabelledControl<ui::DateTimePicker>::DropDown();
  if (!readOnly_) return;
  if (const ui::Handle calendar = MonthCalendar(); calendar != 0)
    GetBackend().Enable(calendar, false);
}

}  // namespace ornil
