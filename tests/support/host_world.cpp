// Building the host, the companion and the sample tables into a simulated world.
#include "support/host_world.h"

#include "sim/data/sample_tables.h"
#include "ui/messages.h"

namespace ornil::testing {

HostWorld::HostWorld(Options options) {
  PutHostWindowsOnTheDesktop();
  host.Attach(dde);
  companion.Attach(dde, atoms, files, desktop, options.flavour);
  RecordLibraryAnswers();
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
  ws.mdiClientWindow = desktop.CreateHostWindow("MDIClient", "", {0, 17, 1016, 741}, {},
                                                /*parent=*/ws.mainWindow);
  // The host is made before the desktop and goes after it, so the desktop's hook always finds it;
  // the host calls its own hooks only from statements, while the whole world stands.
  sim::SimDesktop& screen = desktop;
  sim::MapInfoHost& mapInfo = host;
  // A document window is a child of the MDI client (or of its parent); a floating one is a
  // top-level window owned by its parent or the main window. Places and sizes are in inches from
  // the client area of the window it belongs to.
  ws.onWindowOpened = [&screen, &ws](const sim::mb::HostWindow& w) {
    const char* className = w.type == sim::mb::kMapWindow ? "MapInfoMapper" : "MapInfoBrowser";
    const bool floating =
        w.style == sim::mb::kStylePopup || w.style == sim::mb::kStylePopupFullCaption;
    const int left = sim::mb::PixelsOf(w.x, 100), top = sim::mb::PixelsOf(w.y, 100);
    platform::ScreenRect rect{left, top, left + sim::mb::PixelsOf(w.width, 400),
                              top + sim::mb::PixelsOf(w.height, 300)};
    if (floating) {
      const std::uintptr_t owner = w.parent != 0 ? w.parent : ws.mainWindow;
      platform::ScreenRect mainRect;
      screen.GetWindowRect(ws.mainWindow, mainRect);
      rect = {rect.left + mainRect.left, rect.top + mainRect.top, rect.right + mainRect.left,
              rect.bottom + mainRect.top};
      return screen.CreateHostWindow(className, w.title, rect, {}, 0, owner);
    }
    const bool child = w.style == sim::mb::kStyleChild && w.parent != 0;
    return screen.CreateHostWindow(className, w.title, rect, {},
                                   child ? w.parent : ws.mdiClientWindow);
  };
  ws.onWindowRetitled = [&screen](const sim::mb::HostWindow& w) {
    screen.Send(w.handle, ui::wm::SetText, 0, reinterpret_cast<std::intptr_t>(w.title.c_str()));
  };
  // The user closing a document window destroys it on the desktop; the host then forgets it.
  desktop.onWindowDestroyed = [&mapInfo](std::uintptr_t handle) {
    mapInfo.WindowDestroyed(handle);
  };
  ws.onWindowClosed = [&screen](const sim::mb::HostWindow& w) { screen.DestroyWindow(w.handle); };
}

void HostWorld::RecordLibraryAnswers() {
  for (const char* name : {"IsSavingStarted", "IsFindingStarted", "IsOrnilWindowOpened"}) {
    const sim::mb::NativeFunction* found = companion.Natives().Find("Ornil.dll", name);
    if (found == nullptr) continue;
    sim::mb::NativeFunction watched = *found;
    watched.call = [this, name, call = found->call](std::vector<sim::mb::NativeArg>& args) {
      const sim::mb::Value answer = call(args);
      libraryAnswers.push_back(std::string(name) + "=" + sim::mb::ToText(answer));
      return answer;
    };
    companion.Natives().Add("Ornil.dll", name, std::move(watched));
  }
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
