// Stand-ins for the library's window exports that do not exist yet, so the companion program
// runs in tests today: each answers only while the library lacks that export, and records every
// call with its arguments. The C types are those the exports are to have; when an export lands it
// is registered in sim/companion/library_natives.cpp and its stand-in here is deleted.
#pragma once

#include <string>
#include <vector>

#include "sim/mapinfo/native_library.h"

namespace ornil::testing {

class PendingExports {
 public:
  explicit PendingExports(sim::mb::NativeLibraries& natives);

  struct Call {
    std::string name;
    std::vector<std::string> args;  // as texts
  };
  std::vector<Call> calls;
  // The calls of one export, in order.
  std::vector<Call> CallsOf(const std::string& name) const;

 private:
  void Record(const char* name, std::vector<std::string> args);
};

}  // namespace ornil::testing
