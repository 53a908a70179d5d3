// The demo's MapInfo: the simulated host with the sample tables, serving DDE, running our
// companion program from companion/, with its windows shown on a HostScreen. Made before the DDE
// network and the library's modules and gone after them, so the library's shut-down still reaches
// the host through the companion.
#pragma once

#include "demo/host_screen.h"
#include "sim/companion/companion.h"
#include "sim/dde/dde_network.h"
#include "sim/desktop/system_sim.h"
#include "sim/mapinfo/mapinfo_host.h"

namespace ornil::demo {

struct DemoHost {
  sim::MapInfoHost host;
  sim::Companion companion{host};

  // Serves "MapInfo"/"System", opens the sample tables, puts the host's windows on the screen and
  // loads the companion program (not started yet). Throws sim::mb::HostError when the program's
  // source cannot be parsed.
  void Attach(sim::DdeNetwork& dde, sim::SimAtoms& atoms, sim::SimFileSystem& files,
              platform::WindowManager& windows, HostScreen& screen);
};

}  // namespace ornil::demo
