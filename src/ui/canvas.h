// A drawing surface: a window's client or whole area, or the device context of an owner-drawn
// item. The win32 backend draws with GDI; the headless one records what was drawn.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/types.h"

namespace ornil::ui {

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetFont(const Font& font) = 0;
  virtual void SetTextColor(Color color) = 0;
  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A one-pixel frame just inside the rectangle (FrameRect).
  virtual void FrameRect(const Rect& rect, Color color) = 0;
  virtual void Line(Point from, Point to, Color color, int width) = 0;
  // DrawEdge with edge:: kinds and sides.
  virtual void DrawEdge(const Rect& rect, std::uint32_t edges, std::uint32_t sides) = 0;
  // Text in the current font and text colour, with a transparent background.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // DrawText with dt:: flags; with dt::CalcRect only measures, widening or heightening rect.
  virtual void DrawText(std::string_view text, Rect& rect, std::uint32_t flags) = 0;
  virtual Size TextExtent(std::string_view text) = 0;
  // A picture of width x height pixels (0x00RRGGBB, rows from the top) fitted into `dest`; with
  // `transparent`, pixels of the bottom-left pixel's colour leave the background as it is.
  virtual void DrawPixels(const Rect& dest, int width, int height, const std::uint32_t* pixels,
                          bool transparent) = 0;
  // Drawing outside this rectangle only, from now on.
  virtual void ExcludeClipRect(const Rect& rect) = 0;
};

}  // namespace ornil::ui
