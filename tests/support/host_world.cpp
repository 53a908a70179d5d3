// Building the host, the companion and the sample tables into a simulated world.
#include "support/host_world.h"

#include "sim/data/sample_tables.h"

namespace ornil::testing {

HostWorld::HostWorld(Options options) {
  PutHostWindowsOnTheDesktop();
  host.Attach(dde);
  companion.Attach(dde, atoms, files, desktop, options.flavour);
  if (options.sampleTables) sim::data::AddSampleTables(host);
  if (options.registerLibrary) {
    Register();
    ClearTranscript();
  }
}

void HostWorld::Register() {
  handles = companion.Start();
}

bool HostWorld::ClickInfoTool(int mapWindow, double x, double y, platform::ScreenPoint screen) {
  desktop.SetCursorPos(screen);
  return companion.ClickInfoTool(mapWindow, x, y);
}

void HostWorld::PutHostWindowsOnTheDesktop() {
  auto& ws = host.Workspace();
  ws.mainWindow =
      desktop.CreateHostWindow("MapInfoFrame", "MapInfo Professional", {0, 0, 1024, 768});
  ws.mdiClientWindow = desktop.CreateHostWindow("MDIClient", "", {0, 40, 1024, 768});
  // The host is made before the desktop and goes after it, so the desktop's hook always finds it;
  // the host calls its own hooks only from statements, while the whole world stands.
  sim::SimDesktop& screen = desktop;
  sim::MapInfoHost& mapInfo = host;
  ws.onWindowOpened = [&screen](const sim::mb::HostWindow& w) {
    const char* className = w.type == sim::mb::kMapWindow ? "MapInfoMapper" : "MapInfoBrowser";
    return screen.CreateHostWindow(className, w.title, {100, 100, 500, 400});
  };
  // The user closing a document window destroys it on the desktop; the host then forgets it.
  desktop.onWindowDestroyed = [&mapInfo](std::uintptr_t handle) {
    mapInfo.WindowDestroyed(handle);
  };
  ws.onWindowClosed = [&screen](const sim::mb::HostWindow& w) { screen.DestroyWindow(w.handle); };
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
