// What the toolkit needs from a windowing system: native windows with their default message
// handling, painting, text measurement, menus, hints, message boxes and the message loop. Two
// implementations: ui/win32 (real windows) and ui/headless (in memory, on sim/desktop).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/canvas.h"
#include "ui/cursor.h"
#include "ui/messages.h"
#include "ui/types.h"

namespace ornil::ui {

class Control;

// How a native window is made; controls fill it in CreateParams.
struct CreateParams {
  // A system class (EDIT, BUTTON, COMBOBOX, LISTBOX, STATIC, SysDateTimePick32) or one of the
  // toolkit's own: "OrnilForm", "OrnilWindow" (a plain window the control paints itself).
  std::string className;
  std::string caption;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  Rect bounds;        // parent client coordinates; screen coordinates for top-level windows
  Handle parent = 0;  // for child windows
  Handle owner = 0;   // for top-level windows
};

struct ScrollInfo {
  bool visible = false;
  int min = 0;
  int max = 0;
  int page = 0;
  int position = 0;
};

enum class Metric {
  BorderWidth,   // SM_CXBORDER
  BorderHeight,  // SM_CYBORDER
  VScrollWidth,  // SM_CXVSCROLL
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Windows. Every message a window receives reaches control.Dispatch; what the control does not
  // handle itself goes back through DefaultHandler to the window class's own handling.
  virtual Handle CreateWindow(Control& control, const CreateParams& params) = 0;
  virtual void DestroyWindow(Handle window) = 0;
  virtual void DefaultHandler(Handle window, Message& message) = 0;
  virtual std::intptr_t SendMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
  virtual void PostMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                           std::intptr_t lParam) = 0;
  virtual void SetParent(Handle window, Handle parent) = 0;
  virtual void SetStyle(Handle window, std::uint32_t style, std::uint32_t exStyle) = 0;
  virtual void SetBounds(Handle window, const Rect& bounds) = 0;
  // Outer rectangle: parent client coordinates for child windows, screen for top-level ones.
  virtual Rect GetBounds(Handle window) = 0;
  virtual Size GetClientSize(Handle window) = 0;
  virtual Point ClientToScreen(Handle window, Point point) = 0;
  // Outer rectangle of any window, in screen coordinates.
  virtual Rect GetScreenRect(Handle window) = 0;
  virtual void Show(Handle window, bool show) = 0;
  virtual void Enable(Handle window, bool enable) = 0;
  virtual bool IsEnabled(Handle window) = 0;
  virtual bool IsWindow(Handle window) = 0;
  virtual void SetFont(Handle window, const Font& font) = 0;
  virtual void SetFocus(Handle window) = 0;
  virtual Handle GetFocus() = 0;
  virtual void SetActiveWindow(Handle window) = 0;
  virtual void BringToFront(Handle window) = 0;
  virtual void Invalidate(Handle window) = 0;
  // The non-client area as well: WM_NCPAINT comes with the next painting.
  virtual void InvalidateFrame(Handle window) = 0;
  // Paints what is invalid now.
  virtual void Update(Handle window) = 0;
  virtual void SetScrollBar(Handle window, const ScrollInfo& info) = 0;

  // Painting: the client area inside WM_PAINT; the whole window (non-client included); an
  // owner-draw item's device context.
  virtual std::unique_ptr<Canvas> BeginPaint(Handle window) = 0;
  virtual std::unique_ptr<Canvas> WindowCanvas(Handle window) = 0;
  virtual std::unique_ptr<Canvas> DeviceCanvas(std::uintptr_t dc) = 0;
  // For measuring only: a canvas on the screen that draws nothing worth keeping.
  virtual std::unique_ptr<Canvas> ScreenCanvas() = 0;
  // Into the canvas of a child window, what its parent paints under it: the parent's background
  // and client area, as WM_ERASEBKGND and WM_PRINTCLIENT draw them.
  virtual void DrawParentBackground(Handle window, Canvas& canvas) = 0;

  virtual Size TextExtent(const Font& font, std::string_view text) = 0;
  virtual Color ResolveColor(Color color) = 0;
  virtual int SystemMetric(Metric metric) = 0;
  // One cell of the system's check-box bitmap.
  virtual Size CheckBoxGlyphSize() = 0;

  // Menus: a menu bar of top-level items, each with an optional popup of items.
  virtual Handle CreateMenu(bool popup) = 0;
  virtual void AppendMenuItem(Handle menu, std::uint32_t id, const std::string& text,
                              Handle subMenu, bool separator, bool enabled) = 0;
  virtual void DestroyMenu(Handle menu) = 0;
  virtual void SetMenu(Handle window, Handle menu) = 0;

  // Hints: the tooltip of a control in its form.
  virtual void SetHint(Handle form, Handle control, const std::string& hint) = 0;
  virtual void SetHintPauses(int showMilliseconds, int hideMilliseconds) = 0;

  virtual int MessageBox(const std::string& text, const std::string& caption,
                         std::uint32_t flags) = 0;
  // The clipboard's text (CF_TEXT), which WM_PASTE inserts.
  virtual void SetClipboardText(const std::string& text) = 0;
  virtual std::string ClipboardText() = 0;
  // Handles the messages waiting in the thread's queue, then returns.
  virtual void ProcessMessages() = 0;
  virtual Point CursorPos() = 0;
  // LoadCursorA of a standard shape (null instance), and SetCursor: shows a cursor, giving back
  // the one shown before.
  virtual Handle LoadSystemCursor(SystemCursor cursor) = 0;
  virtual Handle SetCursor(Handle cursor) = 0;
  virtual Handle GetCapture() = 0;
  // Which of Shift, Ctrl and Alt are down now, as the message being handled found them
  // (GetKeyState).
  virtual ShiftState KeyboardState() = 0;
  virtual Rect WorkArea() = 0;

  // The user's date formats (GetLocaleInfo's LOCALE_SSHORTDATE, LOCALE_SLONGDATE) and today.
  virtual std::string ShortDateFormat() = 0;
  virtual std::string LongDateFormat() = 0;
  virtual SystemTime Today() = 0;
};

}  // namespace ornil::ui
