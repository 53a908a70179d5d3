// Library-wide reporting values, living from load to unload.
#include "host/error_reporting.h"

namespace ornil {

ReportingState& Reporting() {
  static ReportingState state;
  return state;
}

bool SwapPrintErrors(bool v) {
  const bool previous = Reporting().PrintErrors;
  Reporting().PrintErrors = v;
  return previous;
}

}  // namespace ornil
