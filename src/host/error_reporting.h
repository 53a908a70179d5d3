// The companion's reports on the statements it runs for the library, and the switch that tells it
// whether to show a statement's error to the user.
#pragma once

#include <string>

namespace ornil {

struct ReportingState {
  bool LastExecuteOk = false;
  bool PrintErrors = true;
  std::string LastMapInfoErrorString;
};

ReportingState& Reporting();

// Stores v in PrintErrors and returns the previous value.
bool SwapPrintErrors(bool v);

// Turns PrintErrors off for a probing statement and restores it on every way out.
class PrintErrorsOff {
 public:
  PrintErrorsOff() : saved_(SwapPrintErrors(false)) {}
  ~PrintErrorsOff() { SwapPrintErrors(saved_); }
  PrintErrorsOff(const PrintErrorsOff&) = delete;
  PrintErrorsOff& operator=(const PrintErrorsOff&) = delete;

 private:
  bool saved_;
};

}  // namespace ornil
