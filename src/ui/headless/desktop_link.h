// What the headless backend needs from the simulated desktop beyond the window-manager seam:
// making and destroying windows, focus, capture, the cursor and user input as it is retrieved
// from the queue. sim/desktop implements it; the headless backend knows nothing else of sim/.
#pragma once

#include <cstdint>
#include <string>

#include "platform/hooks.h"
#include "platform/window_manager.h"
#include "ui/types.h"

namespace ornil::ui::headless {

struct NewWindow {
  std::string className;
  std::string text;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  Rect bounds;  // parent client coordinates; screen coordinates for top-level windows
  Handle parent = 0;
  Handle owner = 0;
  // Non-client widths: left, top, right and bottom of the frame around the client area.
  Rect frame;
  platform::WindowProcedure procedure;  // null: the desktop's default window procedure
};

class DesktopLink : public platform::WindowManager {
 public:
  virtual Handle CreateWindow(const NewWindow& window) = 0;
  // Sends WM_DESTROY, destroys owned and child windows, forgets the handle.
  virtual void DestroyWindow(Handle window) = 0;
  virtual void SetParent(Handle window, Handle parent) = 0;
  virtual void SetStyle(Handle window, std::uint32_t style, std::uint32_t exStyle) = 0;
  virtual std::uint32_t Style(Handle window) = 0;
  virtual void SetFrame(Handle window, const Rect& frame) = 0;
  virtual Rect Frame(Handle window) = 0;
  virtual void SetFocus(Handle window) = 0;
  virtual Handle GetFocus() = 0;
  virtual void SetCapture(Handle window) = 0;
  virtual void SetCursorPos(platform::ScreenPoint point) = 0;
  // A message as the thread retrieves it: the get-message hooks see (and may change) it, then
  // it goes to its window's procedure unless a hook blanked it.
  virtual void DeliverInput(platform::MessageRecord message) = 0;
  // Handles the posted messages waiting, in order.
  virtual void PumpPosted() = 0;
};

}  // namespace ornil::ui::headless
