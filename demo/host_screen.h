// Where the demo's simulated host shows its windows: its main window, its document windows (maps
// and browsers) and the mouse, on whatever desktop the session runs on (the simulated one in the
// native test, real windows under Wine).
#pragma once

#include "platform/window_manager.h"
#include "sim/mapinfo/workspace.h"

namespace ornil::demo {

class HostScreen {
 public:
  virtual ~HostScreen() = default;
  // The host's main window and the client area its documents open in.
  virtual platform::WindowHandle MainWindow() = 0;
  virtual platform::WindowHandle DocumentArea() = 0;
  // A window of the host opens or closes: gives or takes its handle.
  virtual platform::WindowHandle OpenDocument(const sim::mb::HostWindow& window) = 0;
  virtual void CloseDocument(const sim::mb::HostWindow& window) = 0;
  // Where on the screen a map window shows a point of the map.
  virtual platform::ScreenPoint MapPointOnScreen(int mapWindowId, double x, double y) = 0;
  virtual void MoveMouse(platform::ScreenPoint at) = 0;
  // The host's state changed (menus, buttons, rows): the screen shows it anew.
  virtual void Refresh() {}
};

}  // namespace ornil::demo
