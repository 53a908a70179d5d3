// Building the demo's MapInfo.
#include "demo/demo_host.h"

#include "sim/data/sample_tables.h"
#include "ui/messages.h"

namespace ornil::demo {

void DemoHost::Attach(sim::DdeNetwork& dde, sim::SimAtoms& atoms, sim::SimFileSystem& files,
                      platform::WindowManager& windows, HostScreen& screen) {
  auto& ws = host.Workspace();
  ws.mainWindow = screen.MainWindow();
  ws.mdiClientWindow = screen.DocumentArea();
  ws.onWindowOpened = [&screen](const sim::mb::HostWindow& w) { return screen.OpenDocument(w); };
  ws.onWindowClosed = [&screen](const sim::mb::HostWindow& w) { screen.CloseDocument(w); };
  ws.onWindowRetitled = [&windows](const sim::mb::HostWindow& w) {
    windows.Send(w.handle, ui::wm::SetText, 0, reinterpret_cast<std::intptr_t>(w.title.c_str()));
  };
  host.Attach(dde);
  sim::data::AddSampleTables(host);
  // The declarations a host of this program's width includes, as a user of that host would.
  const auto flavour =
      sizeof(void*) == 4 ? sim::Companion::Flavour::Bits32 : sim::Companion::Flavour::Bits64;
  companion.Attach(dde, atoms, files, windows, flavour);
}

}  // namespace ornil::demo
