// The headless backend: the toolkit's windows live in the simulated desktop, the system's window
// classes are stood in for by window_classes, painting is recorded line by line per window, text
// is measured by a fixed rule, and message boxes are recorded through the Dialogs seam and
// answered as scripted, their modal loop handling the posted messages. A window's menu goes with
// the window, as on Windows; a handle used after it is gone is recorded as a misuse.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/headless/desktop_link.h"
#include "ui/headless/window_classes.h"

namespace ornil::ui::headless {

struct MenuEntry {
  std::uint32_t id = 0;
  std::string text;
  Handle subMenu = 0;
  bool separator = false;
  bool enabled = true;
};

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(DesktopLink& desktop);
  ~HeadlessBackend() override;

  DesktopLink& Desktop() { return desktop_; }

  // What tests and the driver look at.
  WindowClass* ClassOf(Handle window);
  Control* ControlOf(Handle window);
  const std::vector<std::string>& PaintLog(Handle window);
  void ClearPaintLog(Handle window);
  void AppendPaint(Handle window, std::string line);
  bool Invalid(Handle window);
  // Sends WM_NCPAINT and WM_PAINT to the window now.
  void Paint(Handle window);
  // Runs code of a window class (its handling of a message, or what a user does in it): a class
  // whose window the system destroys meanwhile lives until the code returns.
  template <class Code>
  void InClass(Code&& code) {
    ++inClass_;
    code();
    if (--inClass_ == 0) FreeRetired();
  }
  std::string HintOf(Handle window) const;
  int HintShowPause() const { return hintShow_; }
  int HintHidePause() const { return hintHide_; }
  Handle MenuOf(Handle window) const;
  const std::vector<MenuEntry>& MenuEntries(Handle menu) const;
  ScrollInfo ScrollOf(Handle window) const;
  void AnswerMessageBox(int button) { answers_.push_back(button); }
  // The modifier keys the user holds down (the driver presses them around a key).
  void SetKeyboardState(ShiftState state) { keyboard_ = state; }
  // A device context for an owner-drawn item of a window; `origin` is where the drawing's (0, 0)
  // lies in the window's client area.
  std::uintptr_t NewDeviceContext(Handle window, Point origin = {});
  void ReleaseDeviceContext(std::uintptr_t dc) { deviceContexts_.erase(dc); }
  // Windows and menus destroyed after they were gone (a stale handle kept by the toolkit).
  const std::vector<std::string>& Misuses() const { return misuses_; }
  // The cursor shown now, and every cursor set, in order.
  Handle Cursor() const { return cursor_; }
  const std::vector<Handle>& CursorLog() const { return cursorLog_; }

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
  Size CheckBoxGlyphSize() override { return {13, 13}; }
  Handle CreateMenu(bool popup) override;
  void AppendMenuItem(Handle menu, std::uint32_t id, const std::string& text, Handle subMenu,
                      bool separator, bool enabled) override;
  void DestroyMenu(Handle menu) override;
  void SetMenu(Handle window, Handle menu) override;
  void SetHint(Handle form, Handle control, const std::string& hint) override;
  void SetHintPauses(int showMilliseconds, int hideMilliseconds) override;
  int MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags) override;
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }
  void ProcessMessages() override;
  Point CursorPos() override;
  Handle LoadSystemCursor(SystemCursor cursor) override;
  Handle SetCursor(Handle cursor) override;
  Handle GetCapture() override;
  ShiftState KeyboardState() override { return keyboard_; }
  Rect WorkArea() override;
  std::string ShortDateFormat() override;
  std::string LongDateFormat() override;
  SystemTime Today() override;

 private:
  struct Record {
    Control* control = nullptr;
    std::unique_ptr<WindowClass> windowClass;
    std::vector<std::string> paintLog;
    bool invalid = true;
    std::string hint;
    Handle menu = 0;
    ScrollInfo scroll;
  };

  Record* Find(Handle window);
  Handle Parking();
  std::intptr_t Route(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                      std::intptr_t lParam);
  int ClosedComboHeight(const Font& font);
  Rect FrameFor(std::uint32_t style, std::uint32_t exStyle, bool menu, bool scroll);
  void Reframe(Handle window);
  // The window is gone: forget it and free its menu, as the system does.
  void WindowGone(Handle window);
  void FreeRetired();

  void FreeMenu(Handle menu);

  struct DeviceContext {
    Handle window = 0;
    Point origin;
  };

  DesktopLink& desktop_;
  Handle parking_ = 0;
  std::map<Handle, Record> records_;
  std::map<Handle, std::uint32_t> exStyleOf_;
  std::map<Handle, std::vector<MenuEntry>> menus_;
  std::map<std::uintptr_t, DeviceContext> deviceContexts_;
  std::vector<std::string> misuses_;
  int inClass_ = 0;
  std::vector<std::unique_ptr<WindowClass>> retired_;
  std::uintptr_t nextDc_ = 0xDC00;
  Handle nextMenu_ = 0x8000;
  std::string clipboard_;
  std::deque<int> answers_;
  Handle cursor_ = 0;
  std::vector<Handle> cursorLog_;
  int hintShow_ = 0;
  int hintHide_ = 0;
  ShiftState keyboard_ = kShiftNone;
};

}  // namespace ornil::ui::headless
