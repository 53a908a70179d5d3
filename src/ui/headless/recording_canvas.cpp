// Recording what controls draw.
#include "ui/headless/recording_canvas.h"

#include <cstdio>

#include "ui/headless/headless_backend.h"
#include "ui/messages.h"

namespace ornil::ui::headless {

std::string RectText(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string ColorText(Color color) {
  char text[16];
  std::snprintf(text, sizeof text, color > 0xFFFFFF ? "#%08X" : "#%06X",
                static_cast<unsigned>(color));
  return text;
}

RecordingCanvas::RecordingCanvas(HeadlessBackend& backend, Handle window, Point origin)
    : backend_(backend), window_(window), origin_(origin) {}

void RecordingCanvas::Record(std::string line) {
  if (window_ != 0) backend_.AppendPaint(window_, std::move(line));
}

void RecordingCanvas::FillRect(const Rect& rect, Color color) {
  Record("FillRect " + RectText(Moved(rect)) + " " + ColorText(color));
}

void RecordingCanvas::FrameRect(const Rect& rect, Color color) {
  Record("FrameRect " + RectText(Moved(rect)) + " " + ColorText(color));
}

void RecordingCanvas::Line(Point from, Point to, Color color, int width) {
  from = Moved(from);
  to = Moved(to);
  Record("Line " + std::to_string(from.x) + "," + std::to_string(from.y) + "-" +
         std::to_string(to.x) + "," + std::to_string(to.y) + " " + ColorText(color) + " " +
         std::to_string(width));
}

void RecordingCanvas::DrawEdge(const Rect& rect, std::uint32_t edges, std::uint32_t sides) {
  Record("DrawEdge " + RectText(Moved(rect)) + " " + std::to_string(edges) + " " +
         std::to_string(sides));
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  const Point at = Moved(Point{x, y});
  Record("TextOut " + std::to_string(at.x) + "," + std::to_string(at.y) + " " + std::string(text));
}

void RecordingCanvas::DrawText(std::string_view text, Rect& rect, std::uint32_t flags) {
  if (flags & dt::CalcRect) {
    const Size size = TextExtent(text);
    if (!(flags & dt::WordBreak) || size.cx < rect.Width()) rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    return;
  }
  Record("DrawText " + RectText(Moved(rect)) + " " + std::to_string(flags) + " " +
         std::string(text));
}

Size RecordingCanvas::TextExtent(std::string_view text) {
  return backend_.TextExtent(font_, text);
}

void RecordingCanvas::DrawPixels(const Rect& dest, int width, int height, const std::uint32_t*,
                                 bool transparent) {
  Record("DrawPixels " + RectText(Moved(dest)) + " " + std::to_string(width) + "x" +
         std::to_string(height) + (transparent ? " transparent" : ""));
}

void RecordingCanvas::ExcludeClipRect(const Rect& rect) {
  Record("ExcludeClip " + RectText(Moved(rect)));
}

}  // namespace ornil::ui::headless
