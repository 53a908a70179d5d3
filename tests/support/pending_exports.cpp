// The stand-ins of the window exports still to come.
#include "support/pending_exports.h"

namespace ornil::testing {

// Every window export is the library's own now; the calls that stand-ins would record stay
// empty.
PendingExports::PendingExports(sim::mb::NativeLibraries&) {}

void PendingExports::Record(const char* name, std::vector<std::string> args) {
  calls.push_back({name, std::move(args)});
}

std::vector<PendingExports::Call> PendingExports::CallsOf(const std::string& name) const {
  std::vector<Call> out;
  for (const auto& c : calls) {
    if (c.name == name) out.push_back(c);
  }
  return out;
}

}  // namespace ornil::testing
