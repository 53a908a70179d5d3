// Copying a window's pixels off the screen into a PNG file.
#include "platform/win32/win32_api.h"

#include <vector>

#include "ui/png_writer.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/screenshot.h"

namespace ornil::ui::win32 {

namespace {

// Handles the messages waiting, painting among them.
void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

struct ScreenDc {
  HDC dc = GetDC(nullptr);
  ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

}  // namespace

void PrepareVirtualDisplay() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr) return;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  static const char kNo[] = "N";
  RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNo), sizeof kNo);
  RegCloseKey(key);
}

bool CaptureScreen(const Rect& area, ScreenPixels& captured) {
  const int width = area.Width(), height = area.Height();
  if (width <= 0 || height <= 0) return false;
  ScreenDc screen;
  MemoryDc memory(screen.dc);
  GdiObject bitmap(CreateCompatibleBitmap(screen.dc, width, height));
  BOOL copied;
  {
    SelectedObject selected(memory.dc, bitmap.object);
    copied = BitBlt(memory.dc, 0, 0, width, height, screen.dc, area.left, area.top, SRCCOPY);
  }
  if (!copied) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  if (GetDIBits(memory.dc, static_cast<HBITMAP>(bitmap.object), 0, static_cast<UINT>(height),
                pixels.data(), &info, DIB_RGB_COLORS) == 0)
    return false;
  for (auto& p : pixels)
    p &= 0x00FFFFFF;  // BGRA in memory reads as 0xAARRGGBB
  captured = {width, height, std::move(pixels)};
  return true;
}

void RepaintNow(Handle window) {
  RedrawWindow(reinterpret_cast<HWND>(window), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  GdiFlush();
}

bool SaveWindowPng(Handle window, const std::string& path) {
  RepaintNow(window);
  RECT r{};
  if (!GetWindowRect(reinterpret_cast<HWND>(window), &r)) return false;
  ScreenPixels captured;
  if (!CaptureScreen({r.left, r.top, r.right, r.bottom}, captured)) return false;
  return WritePngFile(path, captured.width, captured.height, captured.pixels);
}

}  // namespace ornil::ui::win32
