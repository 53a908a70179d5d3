// The demo's MapInfo on real windows: the main window with its menu bar (MapInfo's own menus and
// those the companion program adds), the companion's floating pad, and the host's document
// windows — maps drawn from the tables' objects, browsers drawn from their rows. The simulated
// host keeps their handles, so the library works on them as on MapInfo's own windows.
#pragma once

#include "platform/win32/win32_api.h"
// <windows.h> renames it; the simulated host has one of its own.
#undef FindWindow

#include <map>

#include "demo/host_screen.h"
#include "sim/companion/companion.h"
#include "sim/mapinfo/mapinfo_host.h"

namespace ornil::demo {

class HostFrame : public HostScreen {
 public:
  HostFrame(sim::MapInfoHost& host, sim::Companion& companion);
  ~HostFrame() override;
  HostFrame(const HostFrame&) = delete;
  HostFrame& operator=(const HostFrame&) = delete;

  platform::WindowHandle MainWindow() override { return Handle(frame_); }
  platform::WindowHandle DocumentArea() override { return Handle(documents_); }
  platform::WindowHandle OpenDocument(const sim::mb::HostWindow& window) override;
  void CloseDocument(const sim::mb::HostWindow& window) override;
  platform::ScreenPoint MapPointOnScreen(int mapWindowId, double x, double y) override;
  void MoveMouse(platform::ScreenPoint at) override;
  void Refresh() override;

  HWND Pad() const { return pad_; }

 private:
  static platform::WindowHandle Handle(HWND w) {
    return reinterpret_cast<platform::WindowHandle>(w);
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Layout();
  void BuildMenuBar();
  const sim::mb::HostWindow* Document(HWND window);
  void PaintMap(HDC dc, const RECT& client, const sim::mb::HostWindow& window);
  void PaintBrowser(HDC dc, const RECT& client, const sim::mb::HostWindow& window);
  void PaintPad(HDC dc, const RECT& client);

  // The map's view: map coordinates to client pixels.
  struct View {
    double left = 0, top = 0, scale = 1;
    int originX = 0, originY = 0;
    POINT ToClient(double x, double y) const;
  };
  View MapView(const RECT& client, const sim::mb::HostWindow& window);

  sim::MapInfoHost& host_;
  sim::Companion& companion_;
  HWND frame_ = nullptr;
  HWND documents_ = nullptr;
  HWND pad_ = nullptr;
  HMENU menuBar_ = nullptr;
  HFONT font_ = nullptr;
  int cascade_ = 0;
};

}  // namespace ornil::demo
