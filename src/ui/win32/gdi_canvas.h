// Canvases on GDI device contexts: a borrowed one (an owner-draw item's), the client area inside
// WM_PAINT, a whole window, and the screen for measuring. Each gives back what it selected.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <memory>
#include <string_view>

#include "ui/canvas.h"

namespace ornil::ui::win32 {

class Win32Backend;

class GdiCanvas : public Canvas {
 public:
  // `release` gives the DC back once the canvas has restored it.
  GdiCanvas(Win32Backend& backend, HDC dc, std::function<void()> release = {});
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC Dc() const { return dc_; }

  void SetFont(const Font& font) override;
  void SetTextColor(Color color) override;
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
  Win32Backend& backend_;
  HDC dc_;
  std::function<void()> release_;
  int savedState_ = 0;
};

// The client area between BeginPaint and EndPaint.
std::unique_ptr<Canvas> MakePaintCanvas(Win32Backend& backend, HWND window);
// A window's whole area (GetWindowDC), or the screen for a null window.
std::unique_ptr<Canvas> MakeWindowCanvas(Win32Backend& backend, HWND window);

}  // namespace ornil::ui::win32
