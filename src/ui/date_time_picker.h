// Date pickers: long or short date format or a picture of their own, an optional check box for
// "no date", and the month calendar handle while it is dropped down.
#pragma once

#include <string>

#include "ui/control.h"

namespace ornil::ui {

enum class DateFormat { Short, Long };

class DateTimePicker : public Control {
 public:
  explicit DateTimePicker(Component* owner);

  SystemTime Date();
  void SetDate(const SystemTime& date);
  // False when the check box is cleared: no date.
  bool Checked();
  void SetChecked(bool checked);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool on);
  DateFormat GetDateFormat() const { return dateFormat_; }
  void SetDateFormat(DateFormat format);
  // A picture such as "dd.MM.yyyy"; empty for the date format's own.
  const std::string& Format() const { return format_; }
  void SetFormat(std::string format);
  // The drop-down month calendar's window while it is open, else 0.
  Handle MonthCalendar();

  NotifyEvent OnDropDown;
  NotifyEvent OnCloseUp;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void SaveWindowState() override;
  void WindowCreated() override;
  void NotifyReceived(NotifyHeader& header) override;
  virtual void DropDown();
  virtual void CloseUp();

 private:
  bool showCheckbox_ = false;
  DateFormat dateFormat_ = DateFormat::Short;
  std::string format_;
  SystemTime date_;
  bool checked_ = true;
};

}  // namespace ornil::ui
