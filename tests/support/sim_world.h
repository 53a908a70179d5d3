// A test's whole simulated world: DDE network, system services, and the library loaded on top of
// them as the host would load it. Library-wide values start fresh in every world.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/dde/dde_network.h"
#include "sim/desktop/desktop.h"
#include "sim/desktop/system_sim.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/test_driver.h"

namespace ornil::testing {

inline constexpr std::uint32_t kWmDdeTerminate = 0x03E5;

class SimWorld {
 public:
  SimWorld();
  ~SimWorld();
  SimWorld(const SimWorld&) = delete;
  SimWorld& operator=(const SimWorld&) = delete;

  // The texts of the message boxes shown so far, as UTF-8 for readable assertions.
  std::vector<std::string> ShownTexts();

  sim::DdeNetwork dde;
  sim::SimAtoms atoms;
  sim::SimFileSystem files;
  sim::SimClock clock;
  sim::SimDialogs dialogs;
  // The machine's regional settings, which the simulated host formats by too.
  sim::SimLocale locale;
  // The desktop shared by the host's windows and the library's, with the thread's one message
  // queue; the library's windows run on the headless toolkit, owned by the application object,
  // and `user` acts on them.
  sim::SimDesktop desktop;
  ui::headless::HeadlessBackend backend{desktop};
  std::unique_ptr<ui::Application> application;
  ui::headless::Driver user{backend};
};

}  // namespace ornil::testing
