// The one failure of the simulated host: a statement or expression it cannot run, with the text
// MapInfo's error dialog would show.
#pragma once

#include <stdexcept>
#include <string>

namespace ornil::sim::mb {

class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ornil::sim::mb
