// Building the host, the companion and the sample tables into a simulated world.
#include "support/host_world.h"

#include "sim/data/sample_tables.h"

namespace ornil::testing {

namespace {
constexpr std::uint32_t kNcDestroy = 0x0082;  // the last message a destroyed window gets
}  // namespace

HostWorld::HostWorld(Options options) {
  PutHostWindowsOnTheDesktop();
  host.Attach(dde);
  companion.Attach(dde, atoms, files);
  if (options.sampleTables) sim::data::AddSampleTables(host);
  if (options.registerLibrary) {
    Register();
    ClearTranscript();
  }
}

void HostWorld::Register(const sim::Companion::StartOptions& options) {
  handles = companion.Start(options);
}

void HostWorld::PutHostWindowsOnTheDesktop() {
  auto& ws = host.Workspace();
  ws.mainWindow =
      desktop.CreateHostWindow("MapInfoFrame", "MapInfo Professional", {0, 0, 1024, 768});
  ws.mdiClientWindow = desktop.CreateHostWindow("MDIClient", "", {0, 40, 1024, 768});
  ws.onWindowOpened = [this](const sim::mb::HostWindow& w) {
    const char* className = w.type == sim::mb::kMapWindow ? "MapInfoMapper" : "MapInfoBrowser";
    return desktop.CreateHostWindow(
        className, w.title, {100, 100, 500, 400},
        [this](std::uintptr_t h, std::uint32_t message, std::uintptr_t wParam,
               std::intptr_t lParam) -> std::intptr_t {
          if (message == kNcDestroy) host.WindowDestroyed(h);
          return desktop.DefWindowProc(h, message, wParam, lParam);
        });
  };
  ws.onWindowClosed = [this](const sim::mb::HostWindow& w) { desktop.DestroyWindow(w.handle); };
}

std::uintptr_t HostWorld::WindowHandle(int hostWindowId) {
  const sim::mb::HostWindow* w = host.Workspace().FindWindow(hostWindowId);
  return w ? w->handle : 0;
}

TMapInfo HostWorld::Link() const {
  TMapInfo link;
  link.SetConversations(handles.mapInfoConv, handles.applicationConv, handles.instance);
  return link;
}

}  // namespace ornil::testing
