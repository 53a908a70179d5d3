// A canvas that writes what is drawn as lines of text into the paint log of a window, so tests
// can see what a control painted, in the window's client coordinates; measuring uses the headless
// text rule.
#pragma once

#include <string>

#include "ui/canvas.h"

namespace ornil::ui::headless {

class HeadlessBackend;

class RecordingCanvas : public Canvas {
 public:
  // window 0: measures only, records nothing. `origin`: where the drawing's (0, 0) lies in the
  // window's client area, for a parent drawing under its child.
  RecordingCanvas(HeadlessBackend& backend, Handle window, Point origin = {});

  Handle Window() const { return window_; }
  Point Origin() const { return origin_; }

  void SetFont(const Font& font) override { font_ = font; }
  void SetTextColor(Color color) override { textColor_ = color; }
  void FillRect(const Rect& rect, Color color) override;
  void FrameRect(const Rect& rect, Color color) override;
  void Line(Point from, Point to, Color color, int width) override;
  void DrawEdge(const Rect& rect, std::uint32_t edges, std::uint32_t sides) override;
  void TextOut(int x, int y, std::string_view text) override;
  void DrawText(std::string_view text, Rect& rect, std::uint32_t flags) override;
  Size TextExtent(std::string_view text) override;
  void DrawPixels(const Rect& dest, int width, int height, const std::uint32_t* pixels,
                  bool transparent) override;
  void ExcludeClipRect(const Rect& rect) override;

 private:
  void Record(std::string line);
  Rect Moved(const Rect& rect) const { return rect.Offset(origin_.x, origin_.y); }
  Point Moved(Point p) const { return {p.x + origin_.x, p.y + origin_.y}; }

  HeadlessBackend& backend_;
  Handle window_;
  Point origin_;
  Font font_;
  Color textColor_ = kColorWindowText;
};

// "l,t,r,b" and "#RRGGBB"-style colour text (the colour value as written, BGR).
std::string RectText(const Rect& rect);
std::string ColorText(Color color);

}  // namespace ornil::ui::headless
