// Frames of the bordered controls.
#include "controls/border_frame.h"

#include "ui/application.h"

namespace ornil {

void DrawBorderFrame(ui::Control& control, ui::Color borderColor) {
  if (!control.HandleAllocated()) return;
  const ui::Rect window{0, 0, control.Width(), control.Height()};
  const ui::Size client = control.ClientSize();
  if (client.cx == window.Width() && client.cy == window.Height()) {
    DrawRings(control, window, {borderColor, control.GetColor()});
    return;
  }
  ui::Backend& backend = ui::Application::CurrentBackend();
  auto canvas = backend.WindowCanvas(control.GetHandle());
  canvas->FrameRect(window, backend.ResolveColor(borderColor));
  // Between the border and the client area: the control's colour, not the system's edge.
  canvas->ExcludeClipRect(ui::Rect::Bounds(
      (window.Width() - client.cx) / 2, (window.Height() - client.cy) / 2, client.cx, client.cy));
  canvas->FillRect(window.Inflated(-1, -1), backend.ResolveColor(control.GetColor()));
}

void DrawRings(ui::Control& control, const ui::Rect& outer,
               std::initializer_list<ui::Color> rings) {
  if (!control.HandleAllocated()) return;
  ui::Backend& backend = ui::Application::CurrentBackend();
  auto canvas = backend.WindowCanvas(control.GetHandle());
  ui::Rect ring = outer;
  for (ui::Color color : rings) {
    canvas->FrameRect(ring, backend.ResolveColor(color));
    ring = ring.Inflated(-1, -1);
  }
}

}  // namespace ornil
