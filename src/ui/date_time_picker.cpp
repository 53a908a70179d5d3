// Date pickers over the common controls' SysDateTimePick32.
#include "ui/date_time_picker.h"

namespace ornil::ui {

DateTimePicker::DateTimePicker(Component* owner) : Control(owner) {
  SetTabStop(true);
  SetColor(kColorWindow);
  SetBounds(0, 0, 186, 21);
  date_ = GetBackend().Today();
}

void DateTimePicker::CreateParams(ui::CreateParams& params) {
  params.className = "SysDateTimePick32";
  params.style = ws::Child | BaseStyle() |
                 (dateFormat_ == DateFormat::Long ? dts::LongDateFormat : dts::ShortDateFormat);
  if (showCheckbox_) params.style |= dts::ShowNone;
}

void DateTimePicker::SaveWindowState() {
  date_ = Date();
  checked_ = Checked();
}

void DateTimePicker::WindowCreated() {
  if (!format_.empty())
    Perform(dtm::SetFormat, 0, reinterpret_cast<std::intptr_t>(format_.c_str()));
  Perform(dtm::SetSystemTime, dtm::Valid, reinterpret_cast<std::intptr_t>(&date_));
  // Some implementations refuse GDT_NONE without a date record, though they ignore it.
  if (showCheckbox_ && !checked_)
    Perform(dtm::SetSystemTime, dtm::None, reinterpret_cast<std::intptr_t>(&date_));
}

SystemTime DateTimePicker::Date() {
  SystemTime date;
  Perform(dtm::GetSystemTime, 0, reinterpret_cast<std::intptr_t>(&date));
  return date;
}

void DateTimePicker::SetDate(const SystemTime& date) {
  SystemTime copy = date;
  copy.dayOfWeek = static_cast<std::uint16_t>(DayOfWeek(date.year, date.month, date.day));
  Perform(dtm::SetSystemTime, dtm::Valid, reinterpret_cast<std::intptr_t>(&copy));
}

bool DateTimePicker::Checked() {
  SystemTime date;
  return Perform(dtm::GetSystemTime, 0, reinterpret_cast<std::intptr_t>(&date)) ==
         static_cast<std::intptr_t>(dtm::Valid);
}

void DateTimePicker::SetChecked(bool checked) {
  if (checked) {
    SystemTime date = Date();
    Perform(dtm::SetSystemTime, dtm::Valid, reinterpret_cast<std::intptr_t>(&date));
  } else if (showCheckbox_) {
    SystemTime ignored = Date();
    Perform(dtm::SetSystemTime, dtm::None, reinterpret_cast<std::intptr_t>(&ignored));
  }
}

void DateTimePicker::SetShowCheckbox(bool on) {
  if (showCheckbox_ == on) return;
  if (HandleAllocated()) SaveWindowState();
  showCheckbox_ = on;
  if (!on) checked_ = true;
  if (HandleAllocated()) RecreateWindow();
}

void DateTimePicker::SetDateFormat(DateFormat format) {
  if (dateFormat_ == format) return;
  dateFormat_ = format;
  if (HandleAllocated()) RecreateWindow();
}

void DateTimePicker::SetFormat(std::string format) {
  format_ = std::move(format);
  if (HandleAllocated())
    Perform(dtm::SetFormat, 0,
            format_.empty() ? 0 : reinterpret_cast<std::intptr_t>(format_.c_str()));
}

Handle DateTimePicker::MonthCalendar() {
  return static_cast<Handle>(Perform(dtm::GetMonthCal));
}

void DateTimePicker::NotifyReceived(NotifyHeader& header) {
  if (header.code == dtm::DateTimeChange)
    Change();
  else if (header.code == dtm::DropDown)
    DropDown();
  else if (header.code == dtm::CloseUp)
    CloseUp();
}

void DateTimePicker::DropDown() {
  if (OnDropDown) OnDropDown(*this);
}

void DateTimePicker::CloseUp() {
  if (OnCloseUp) OnCloseUp(*this);
}

}  // namespace ornil::ui
