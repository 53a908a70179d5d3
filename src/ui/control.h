// Controls: components with a window. Each has a parent, bounds kept against its anchors and size
// limits, text, font, colour, hint, enabled and visible state, and events; every message passes
// through WindowProc (replaceable) into WndProc, where the virtual hooks are called, and what a
// control does not handle goes on to the backend's default handling. A control is in use while a
// message of it is handled, and a window the system destroys is forgotten.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/backend.h"
#include "ui/canvas.h"
#include "ui/component.h"
#include "ui/messages.h"
#include "ui/types.h"

namespace ornil::ui {

class Form;

// Reading order and layout for right-to-left languages, as the class library names them.
enum class BiDiMode { LeftToRight, RightToLeft, RightToLeftNoAlign, RightToLeftReadingOnly };

using NotifyEvent = std::function<void(Component& sender)>;
using KeyPressEvent = std::function<void(Component& sender, char& key)>;
using KeyEvent = std::function<void(Component& sender, std::uint16_t& key, ShiftState shift)>;
using MouseEvent =
    std::function<void(Component& sender, MouseButton button, ShiftState shift, int x, int y)>;

class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  // Parent and children; the children's order is their tab order.
  Control* Parent() const { return parent_; }
  virtual void SetParent(Control* parent);
  const std::vector<Control*>& Controls() const { return controls_; }
  // The form this control is on (itself for a form), or null.
  Form* ParentForm();
  bool HasAncestor(const Control* ancestor) const;

  // The window; made on first need. A control with a parent always has one.
  Handle GetHandle();
  bool HandleAllocated() const { return handle_ != 0; }
  void HandleNeeded();
  // Remakes the window keeping what the control keeps (for styles that cannot change later).
  void RecreateWindow();

  // Bounds in the parent's client coordinates (screen coordinates for forms).
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  Rect BoundsRect() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  // Moves every child by the offset as scrolling does: their windows move, their SetBounds (and
  // what a control places beside itself there) does not run again.
  void ScrollBy(int dx, int dy);
  Size ClientSize();
  int ClientWidth() { return ClientSize().cx; }
  int ClientHeight() { return ClientSize().cy; }
  Rect ClientRect();
  void SetClientSize(int width, int height);
  void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
  void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
  Point ClientToScreen(Point point);
  Rect ScreenRect();
  Anchors GetAnchors() const { return anchors_; }
  void SetAnchors(Anchors anchors) { anchors_ = anchors; }
  const Constraints& GetConstraints() const { return constraints_; }
  void SetConstraints(const Constraints& constraints);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so are all its parents.
  bool Showing() const;
  // Enabled or disabled by SetEnabled or by the system (WM_ENABLE): EnabledChanged follows.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  BiDiMode GetBiDiMode() const { return biDiMode_; }
  // Remakes the window's reading order; BiDiModeChanged follows.
  void SetBiDiMode(BiDiMode mode);

  std::string Text();
  void SetText(std::string_view text);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  bool ParentFont() const { return parentFont_; }
  Color GetColor() const { return color_; }
  void SetColor(Color color);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }

  void SetFocus();
  bool Focused();
  virtual bool CanFocus() const;
  void Invalidate();
  // The non-client area too (the frame and edges the system draws around the client area).
  void InvalidateFrame();
  void Update();
  // The extent of a text in this control's font.
  Size TextExtent(std::string_view text);

  // Sends a message through WindowProc, as SendMessage would to the window.
  std::intptr_t Perform(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Every message passes through here; replace it to watch or change a control's messages,
  // keeping the old value to pass them on. It starts as the control's WndProc. A message runs on
  // a copy, so a procedure may replace itself while it runs.
  std::function<void(Message&)> WindowProc;

  // For the backends: a native message for this control. Nothing escapes it.
  void Dispatch(Message& message) noexcept;
  // For the backends: the window being made for this control, before its first message.
  void BindHandle(Handle handle) { handle_ = handle; }

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  NotifyEvent OnChange;
  // The focus came to this control from another control of its form, or left it for one (or
  // for nothing, as the control was hidden or disabled). Focus going to another form, a message
  // box or another application and coming back to the same control is neither.
  NotifyEvent OnEnter;
  NotifyEvent OnExit;
  NotifyEvent OnMouseEnter;
  NotifyEvent OnMouseLeave;
  NotifyEvent OnResize;
  KeyPressEvent OnKeyPress;
  KeyEvent OnKeyDown;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;

 protected:
  friend class Form;

  virtual void WndProc(Message& message);
  // The window class's own handling of a message.
  void DefaultHandler(Message& message);
  virtual void CreateParams(ui::CreateParams& params);
  // After the window is made: push what the control keeps into it.
  virtual void WindowCreated() {}
  // Before the window is remade: take what the window holds.
  virtual void SaveWindowState() {}

  // Hooks; the defaults fire the events.
  virtual void KeyPress(char& key);
  virtual void KeyDown(std::uint16_t& key, ShiftState shift);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
  virtual void Click();
  virtual void DblClick();
  virtual void Change();
  virtual void Resize();
  virtual void Paint(Canvas& canvas);
  // Notifications from the window, reflected by the parent: WM_COMMAND's code, WM_NOTIFY's
  // header, WM_DRAWITEM's record.
  virtual void CommandNotify(std::uint16_t code);
  virtual void NotifyReceived(NotifyHeader& header);
  virtual void DrawItem(DrawItemRecord& record);
  virtual void EnabledChanged();
  virtual void BiDiModeChanged() {}
  virtual void VisibleChanged();
  virtual void TextChanged();
  virtual void FontChanged();
  // Keeps anchored children in place when the client area changes size.
  virtual void AlignControls(Size oldClient, Size newClient);
  // The size the control wants when it sizes itself; AutoSize calls it.
  virtual void AdjustSize() {}
  // A child was added, removed, moved or resized.
  virtual void ChildBoundsChanged(Control* child);
  // A control inside this one (at any depth) got the focus.
  virtual void ChildFocused(Control& /*child*/) {}
  // Gives the window the styles CreateParams asks for now.
  void ApplyStyle();
  void ApplyConstraints(int& width, int& height) const;
  // Controls that paint themselves set this; WM_PAINT (and WM_PRINTCLIENT) then calls Paint.
  void SetCustomPaint(bool on) { customPaint_ = on; }
  // A control that paints itself and shows its parent through (a transparent one): before Paint,
  // the parent paints its background and client area under it, and when the parent is
  // invalidated so is the control.
  void SetParentBackground(bool on);
  bool ParentBackground() const { return parentBackground_; }
  bool InUse() const override;
  Backend& GetBackend() const;
  std::uint32_t BaseStyle() const;
  void BeforeDestruction() override;

 private:
  class Handling;

  // The focus came (WM_SETFOCUS) or went (WM_KILLFOCUS): the enter and exit notices.
  void FocusArrived();
  void FocusLeft();
  // The form whose focused control the notices go by; null for the form itself, and for a
  // control outside any form, which has had `notice` at once.
  Form* FocusForm(std::uint32_t notice);
  // Whether the control keeps the dialog key for itself, as it answers WM_GETDLGCODE.
  bool WantsDialogKey(std::uint16_t key);
  // The system destroyed the window: forget its handle; a later need makes a new one.
  void WindowDestroyed();
  void MoveWindowBy(int dx, int dy);
  void PaintSelf(Canvas& canvas);
  bool DoKeyPress(char& key);
  bool DoKeyDown(std::uint16_t& key);
  void UpdateBounds();
  void UpdateHint();
  void InheritFont(const Font& font);
  bool Reflect(Message& message, Handle child, std::uint32_t reflected);

  Control* parent_ = nullptr;
  std::vector<Control*> controls_;
  Handle handle_ = 0;
  // The window being replaced while RecreateWindow makes the new one.
  Handle retiredHandle_ = 0;
  Rect bounds_;
  Size clientSize_;
  Anchors anchors_ = kAnchorsDefault;
  Constraints constraints_;
  bool autoSize_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  BiDiMode biDiMode_ = BiDiMode::LeftToRight;
  Font font_;
  bool parentFont_ = true;
  Color color_ = kColorBtnFace;
  std::string hint_;
  bool tabStop_ = false;
  bool doubleBuffered_ = false;
  bool customPaint_ = false;
  bool parentBackground_ = false;
  bool updatingBounds_ = false;
  int busy_ = 0;  // messages of this control being handled now
};

}  // namespace ornil::ui
