// The Win32 backend: the toolkit's controls are real windows of the system's classes (EDIT,
// BUTTON, COMBOBOX, LISTBOX, STATIC, SysDateTimePick32) or of its own ("OrnilForm",
// "OrnilWindow"), subclassed so that every message reaches the control's WindowProc first and
// its default handling is the class's own procedure. Tooltips show the hints.
#pragma once

#include "platform/win32/win32_api.h"

#include <map>
#include <unordered_map>
#include <vector>

#include "ui/backend.h"

namespace ornil::ui::win32 {

class Win32Backend : public Backend {
 public:
  // `instance`: the module the window classes are registered for; null for the module that
  // holds this code (the DLL, or a test program linking it).
  explicit Win32Backend(HINSTANCE instance = nullptr);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  HFONT FontHandle(const Font& font);
  HBRUSH Brush(Color color);
  COLORREF ResolveColorRef(Color color) { return static_cast<COLORREF>(ResolveColor(color)); }

  // Backend
  Handle CreateWindow(Control& control, const CreateParams& params) override;
  void DestroyWindow(Handle window) override;
  void DefaultHandler(Handle window, Message& message) override;
  std::intptr_t SendMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  void PostMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  void SetParent(Handle window, Handle parent) override;
  void SetStyle(Handle window, std::uint32_t style, std::uint32_t exStyle) override;
  void SetBounds(Handle window, const Rect& bounds) override;
  Rect GetBounds(Handle window) override;
  Size GetClientSize(Handle window) override;
  Point ClientToScreen(Handle window, Point point) override;
  Rect GetScreenRect(Handle window) override;
  void Show(Handle window, bool show) override;
  void Enable(Handle window, bool enable) override;
  bool IsEnabled(Handle window) override;
  bool IsWindow(Handle window) override;
  void SetFont(Handle window, const Font& font) override;
  void SetFocus(Handle window) override;
  Handle GetFocus() override;
  void SetActiveWindow(Handle window) override;
  void BringToFront(Handle window) override;
  void Invalidate(Handle window) override;
  void InvalidateFrame(Handle window) override;
  void Update(Handle window) override;
  void SetScrollBar(Handle window, const ScrollInfo& info) override;
  std::unique_ptr<Canvas> BeginPaint(Handle window) override;
  std::unique_ptr<Canvas> WindowCanvas(Handle window) override;
  std::unique_ptr<Canvas> DeviceCanvas(std::uintptr_t dc) override;
  std::unique_ptr<Canvas> ScreenCanvas() override;
  void DrawParentBackground(Handle window, Canvas& canvas) override;
  Size TextExtent(const Font& font, std::string_view text) override;
  Color ResolveColor(Color color) override;
  int SystemMetric(Metric metric) override;
  Size CheckBoxGlyphSize() override;
  Handle CreateMenu(bool popup) override;
  void AppendMenuItem(Handle menu, std::uint32_t id, const std::string& text, Handle subMenu,
                      bool separator, bool enabled) override;
  void DestroyMenu(Handle menu) override;
  void SetMenu(Handle window, Handle menu) override;
  void SetHint(Handle form, Handle control, const std::string& hint) override;
  void SetHintPauses(int showMilliseconds, int hideMilliseconds) override;
  int MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags) override;
  void SetClipboardText(const std::string& text) override;
  std::string ClipboardText() override;
  void ProcessMessages() override;
  Point CursorPos() override;
  Handle LoadSystemCursor(SystemCursor cursor) override;
  Handle SetCursor(Handle cursor) override;
  Handle GetCapture() override;
  ShiftState KeyboardState() override;
  Rect WorkArea() override;
  std::string ShortDateFormat() override;
  std::string LongDateFormat() override;
  SystemTime Today() override;

 private:
  struct Record {
    Control* control = nullptr;
    WNDPROC original = nullptr;
    HWND comboOwner = nullptr;  // set for the edit inside an editable combo box
  };
  // A message of a combo box's edit handed to the combo box's control: its default handling
  // belongs to the edit.
  struct Route {
    const Message* message;
    HWND edit;
    WNDPROC original;
  };

  static LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  bool HandleCtlColor(Message& message);
  Control* ControlOf(HWND window);
  // A window is gone: its tooltip and its tool in any form's tooltip go with it.
  void ForgetHints(HWND window);
  void RegisterClasses();
  HWND Parking();

  HINSTANCE instance_;
  HWND parking_ = nullptr;
  Control* pending_ = nullptr;
  std::unordered_map<HWND, Record> records_;
  std::vector<Route> routes_;
  std::vector<HWND> inDefault_;
  std::map<Font, HFONT, bool (*)(const Font&, const Font&)> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
  std::map<HWND, HWND> tooltips_;  // form → its tooltip
  int hintShow_ = 500;
  int hintHide_ = 2500;
  UINT nextId_ = 1000;
};

}  // namespace ornil::ui::win32
