// Drawing with GDI.
#include "ui/win32/gdi_canvas.h"

#include <memory>
#include <string>
#include <utility>

#include "ui/messages.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/win32_backend.h"

namespace ornil::ui::win32 {

namespace {

RECT ToRect(const Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

GdiCanvas::GdiCanvas(Win32Backend& backend, HDC dc, std::function<void()> release)
    : backend_(backend), dc_(dc), release_(std::move(release)) {
  savedState_ = SaveDC(dc_);
  SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  if (savedState_ != 0) RestoreDC(dc_, savedState_);
  if (release_) release_();
}

void GdiCanvas::SetFont(const Font& font) {
  SelectObject(dc_, backend_.FontHandle(font));
  ::SetTextColor(dc_, backend_.ResolveColor(font.color));
}

void GdiCanvas::SetTextColor(Color color) {
  ::SetTextColor(dc_, backend_.ResolveColor(color));
}

void GdiCanvas::FillRect(const Rect& rect, Color color) {
  const RECT r = ToRect(rect);
  ::FillRect(dc_, &r, backend_.Brush(color));
}

void GdiCanvas::FrameRect(const Rect& rect, Color color) {
  const RECT r = ToRect(rect);
  ::FrameRect(dc_, &r, backend_.Brush(color));
}

void GdiCanvas::Line(Point from, Point to, Color color, int width) {
  GdiObject pen(CreatePen(PS_SOLID, width, backend_.ResolveColor(color)));
  SelectedObject selected(dc_, pen.object);
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
}

void GdiCanvas::DrawEdge(const Rect& rect, std::uint32_t edges, std::uint32_t sides) {
  RECT r = ToRect(rect);
  ::DrawEdge(dc_, &r, edges, sides);
}

void GdiCanvas::TextOut(int x, int y, std::string_view text) {
  TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void GdiCanvas::DrawText(std::string_view text, Rect& rect, std::uint32_t flags) {
  RECT r = ToRect(rect);
  DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, flags);
  if (flags & dt::CalcRect) rect = {r.left, r.top, r.right, r.bottom};
}

Size GdiCanvas::TextExtent(std::string_view text) {
  SIZE size{};
  if (text.empty()) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    return {0, metrics.tmHeight};
  }
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

void GdiCanvas::DrawPixels(const Rect& dest, int width, int height, const std::uint32_t* pixels,
                           bool transparent) {
  if (width <= 0 || height <= 0 || pixels == nullptr) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  if (!transparent) {
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchDIBits(dc_, dest.left, dest.top, dest.Width(), dest.Height(), 0, 0, width, height,
                  pixels, &info, DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  MemoryDc memory(dc_);
  GdiObject bitmap(CreateCompatibleBitmap(dc_, width, height));
  SetDIBits(dc_, static_cast<HBITMAP>(bitmap.object), 0, static_cast<UINT>(height), pixels, &info,
            DIB_RGB_COLORS);
  SelectedObject selected(memory.dc, bitmap.object);
  const std::uint32_t key = pixels[static_cast<std::size_t>(height - 1) * width];
  GdiTransparentBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), memory.dc, 0, 0, width,
                    height, RGB(key >> 16, (key >> 8) & 0xFF, key & 0xFF));
}

void GdiCanvas::ExcludeClipRect(const Rect& rect) {
  ::ExcludeClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

std::unique_ptr<Canvas> MakePaintCanvas(Win32Backend& backend, HWND window) {
  auto paint = std::make_shared<PAINTSTRUCT>();
  HDC dc = ::BeginPaint(window, paint.get());
  return std::make_unique<GdiCanvas>(backend, dc,
                                     [window, paint] { ::EndPaint(window, paint.get()); });
}

std::unique_ptr<Canvas> MakeWindowCanvas(Win32Backend& backend, HWND window) {
  HDC dc = window != nullptr ? GetWindowDC(window) : GetDC(nullptr);
  return std::make_unique<GdiCanvas>(backend, dc, [window, dc] { ReleaseDC(window, dc); });
}

}  // namespace ornil::ui::win32
