// The simulated host with the sample tables, reached over the simulated DDE network, and a plain
// server in the companion's place that runs the library's statements in it. Kept apart from
// <windows.h>, whose macros rename the DDEML calls.
#pragma once

#include <cstdint>
#include <memory>

#include "host/mapbasic_link.h"
#include "platform/ddeml.h"

namespace ornil::win32test {

class SimulatedHost {
 public:
  SimulatedHost();
  ~SimulatedHost();

  platform::Ddeml& Ddeml();
  TMapInfo Link() const;
  int FrontWindowId();

  std::uint32_t instance = 0;
  platform::HConv mapInfoConv = 0;
  platform::HConv companionConv = 0;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace ornil::win32test
