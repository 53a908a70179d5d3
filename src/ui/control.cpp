// The window, bounds, state and message handling every control shares.
#include "ui/control.h"

#include <algorithm>
#include <stdexcept>

#include "platform/hooks.h"
#include "ui/application.h"
#include "ui/form.h"

namespace ornil::ui {

// Counts a message of a control as being handled. When the control's last one returns, the frees
// that waited for it go ahead; nothing may touch the control after that, as it may be one of them.
class Control::Handling {
 public:
  explicit Handling(Control& control) : busy_(control.busy_) { ++busy_; }
  ~Handling() {
    if (--busy_ != 0 || !AnyWaiting()) return;
    try {
      FreeWaiting();
    } catch (...) {
      Application::HandleException(std::current_exception());
    }
  }
  Handling(const Handling&) = delete;
  Handling& operator=(const Handling&) = delete;

 private:
  int& busy_;
};

namespace {

// Names the window a control is replacing for as long as it lives.
class RetiredWindow {
 public:
  RetiredWindow(Handle& slot, Handle window) : slot_(slot) { slot_ = window; }
  ~RetiredWindow() { slot_ = 0; }
  RetiredWindow(const RetiredWindow&) = delete;
  RetiredWindow& operator=(const RetiredWindow&) = delete;

 private:
  Handle& slot_;
};

bool IsToolkitMessage(std::uint32_t msg) {
  return msg >= cm::Base && msg < cn::Base + 0x400;
}

ShiftState ShiftFromMouseKeys(std::uintptr_t keys) {
  ShiftState s = kShiftNone;
  if (keys & 0x0004) s |= kShiftShift;
  if (keys & 0x0008) s |= kShiftCtrl;
  if (keys & 0x0001) s |= kShiftLeft;
  if (keys & 0x0002) s |= kShiftRight;
  return s;
}

// The extended styles of a reading order, as the class library gives them to every window.
std::uint32_t ReadingOrderStyle(BiDiMode mode) {
  switch (mode) {
    case BiDiMode::LeftToRight:
      return 0;
    case BiDiMode::RightToLeft:
      return ws::ExRtlReading | ws::ExRight | ws::ExLeftScrollBar;
    case BiDiMode::RightToLeftNoAlign:
      return ws::ExRtlReading | ws::ExLeftScrollBar;
    case BiDiMode::RightToLeftReadingOnly:
      return ws::ExRtlReading;
  }
  return 0;
}

}  // namespace

Control::Control(Component* owner) : Component(owner) {
  WindowProc = [this](Message& m) { WndProc(m); };
}

Control::~Control() {
  // Messages that arrive while the control goes (its children's, its window's last ones) get the
  // default handling only: a replaced WindowProc may belong to a part already destroyed.
  WindowProc = [this](Message& m) { DefaultHandler(m); };
  if (handle_ != 0) {
    if (auto* app = Application::Instance()) app->Unregister(handle_);
  }
  while (!controls_.empty()) {
    Control* child = controls_.back();
    if (child->Destroying()) {
      controls_.pop_back();
      child->parent_ = nullptr;
    } else {
      child->FreeNow();
    }
  }
  if (parent_ != nullptr) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  if (handle_ != 0) {
    if (auto* app = Application::Instance()) app->GetBackend().DestroyWindow(handle_);
    handle_ = 0;
  }
}

void Control::BeforeDestruction() {}

Backend& Control::GetBackend() const {
  return Application::CurrentBackend();
}

// --- tree ---------------------------------------------------------------------------------------

void Control::SetParent(Control* parent) {
  if (parent == parent_) return;
  if (parent != nullptr && (parent == this || parent->HasAncestor(this)))
    throw std::logic_error("a control cannot be its own parent");
  if (parent_ != nullptr) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_->ChildBoundsChanged(this);
  }
  parent_ = parent;
  if (parent == nullptr) {
    if (handle_ != 0) GetBackend().SetParent(handle_, 0);
    return;
  }
  parent->controls_.push_back(this);
  if (parentFont_) font_ = parent->font_;
  if (handle_ == 0) {
    HandleNeeded();
  } else {
    GetBackend().SetParent(handle_, parent->GetHandle());
    GetBackend().SetFont(handle_, font_);
    GetBackend().SetBounds(handle_, bounds_);
    UpdateHint();
  }
  parent->ChildBoundsChanged(this);
}

Form* Control::ParentForm() {
  for (Control* c = this; c != nullptr; c = c->parent_)
    if (auto* form = dynamic_cast<Form*>(c)) return form;
  return nullptr;
}

bool Control::HasAncestor(const Control* ancestor) const {
  for (const Control* c = parent_; c != nullptr; c = c->parent_)
    if (c == ancestor) return true;
  return false;
}

// --- window -------------------------------------------------------------------------------------

Handle Control::GetHandle() {
  HandleNeeded();
  return handle_;
}

std::uint32_t Control::BaseStyle() const {
  std::uint32_t style = ws::ClipSiblings;
  if (visible_) style |= ws::Visible;
  if (!enabled_) style |= ws::Disabled;
  if (tabStop_) style |= ws::TabStop;
  return style;
}

void Control::CreateParams(ui::CreateParams& params) {
  params.className = "OrnilWindow";
  params.style = ws::Child | BaseStyle();
}

void Control::HandleNeeded() {
  if (handle_ != 0) return;
  ui::CreateParams params;
  CreateParams(params);
  params.exStyle |= ReadingOrderStyle(biDiMode_);
  params.bounds = bounds_;
  if (parent_ != nullptr && (params.style & ws::Child)) params.parent = parent_->GetHandle();
  Backend& backend = GetBackend();
  const Handle handle = backend.CreateWindow(*this, params);
  if (handle == 0) throw std::runtime_error("the window of a control could not be made");
  handle_ = handle;
  Application::Instance()->Register(handle, this);
  backend.SetFont(handle, font_);
  clientSize_ = backend.GetClientSize(handle);
  WindowCreated();
  UpdateHint();
}

void Control::RecreateWindow() {
  if (handle_ == 0) return;
  SaveWindowState();
  const Handle old = handle_;
  // Children move to the new window before the old one goes, so they survive it.
  Application::Instance()->Unregister(old);
  handle_ = 0;
  {
    const RetiredWindow retired(retiredHandle_, old);
    HandleNeeded();
  }
  for (Control* child : controls_)
    if (child->handle_ != 0) GetBackend().SetParent(child->handle_, handle_);
  GetBackend().DestroyWindow(old);
}

void Control::DefaultHandler(Message& message) {
  if (IsToolkitMessage(message.msg)) return;
  // While the new window is being made the old one still gets messages (it is painted over, for
  // one): they are the old window's and must not make yet another window.
  if (handle_ == 0 && retiredHandle_ != 0) {
    GetBackend().DefaultHandler(retiredHandle_, message);
    return;
  }
  HandleNeeded();
  GetBackend().DefaultHandler(handle_, message);
}

std::intptr_t Control::Perform(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  Message m{msg, wParam, lParam, 0};
  const Handling handling(*this);
  const std::function<void(Message&)> procedure = WindowProc;
  if (procedure)
    procedure(m);
  else
    WndProc(m);
  return m.result;
}

void Control::Dispatch(Message& message) noexcept {
  const Handling handling(*this);
  try {
    const std::function<void(Message&)> procedure = WindowProc;
    if (procedure)
      procedure(message);
    else
      WndProc(message);
  } catch (...) {
    Application::HandleException(std::current_exception());
  }
}

bool Control::InUse() const {
  if (busy_ > 0) return true;
  for (const Control* c : controls_)
    if (!c->Destroying() && c->InUse()) return true;
  return Component::InUse();
}

void Control::WindowDestroyed() {
  if (handle_ == 0) return;
  if (auto* app = Application::Instance()) app->Unregister(handle_);
  handle_ = 0;
}

// --- messages -----------------------------------------------------------------------------------

bool Control::Reflect(Message& message, Handle child, std::uint32_t reflected) {
  auto* app = Application::Instance();
  Control* target = app != nullptr ? app->FindControl(child) : nullptr;
  if (target == nullptr || target == this) return false;
  message.result = target->Perform(reflected, message.wParam, message.lParam);
  return true;
}

void Control::WndProc(Message& m) {
  switch (m.msg) {
    case wm::Char: {
      char key = static_cast<char>(m.wParam);
      if (DoKeyPress(key)) {
        m.result = 0;
        return;
      }
      m.wParam = static_cast<unsigned char>(key);
      break;
    }
    case wm::KeyDown: {
      auto key = static_cast<std::uint16_t>(m.wParam);
      if (DoKeyDown(key)) {
        m.result = 0;
        return;
      }
      m.wParam = key;
      break;
    }
    case wm::SetFocus:
      DefaultHandler(m);
      FocusArrived();
      return;
    case wm::KillFocus:
      DefaultHandler(m);
      FocusLeft();
      return;
    case cm::Enter:
      DoEnter();
      return;
    case cm::Exit:
      DoExit();
      return;
    case wm::LButtonDown:
    case wm::RButtonDown:
      DefaultHandler(m);
      MouseDown(m.msg == wm::LButtonDown ? MouseButton::Left : MouseButton::Right,
                ShiftFromMouseKeys(m.wParam), PointFromParam(m.lParam).x,
                PointFromParam(m.lParam).y);
      return;
    case wm::LButtonUp:
    case wm::RButtonUp:
      DefaultHandler(m);
      MouseUp(m.msg == wm::LButtonUp ? MouseButton::Left : MouseButton::Right,
              ShiftFromMouseKeys(m.wParam), PointFromParam(m.lParam).x, PointFromParam(m.lParam).y);
      return;
    case cm::MouseEnter:
      MouseEnter();
      return;
    case cm::MouseLeave:
      MouseLeave();
      return;
    case cm::EnabledChanged:
      EnabledChanged();
      return;
    case cm::BiDiModeChanged:
      BiDiModeChanged();
      return;
    case cm::VisibleChanged:
      VisibleChanged();
      return;
    case cm::TextChanged:
      TextChanged();
      return;
    case cm::FontChanged:
      FontChanged();
      return;
    case wm::Command:
      if (m.lParam != 0 && Reflect(m, static_cast<Handle>(m.lParam), cn::Command)) return;
      break;
    case wm::Notify:
      if (m.lParam != 0 &&
          Reflect(m, reinterpret_cast<const NotifyHeader*>(m.lParam)->window, cn::Notify))
        return;
      break;
    case wm::DrawItem:
      if (m.lParam != 0 &&
          Reflect(m, reinterpret_cast<const DrawItemRecord*>(m.lParam)->window, cn::DrawItem))
        return;
      break;
    case cn::Command:
      CommandNotify(HighWord(m.wParam));
      return;
    case cn::Notify:
      NotifyReceived(*reinterpret_cast<NotifyHeader*>(m.lParam));
      return;
    case cn::DrawItem:
      DrawItem(*reinterpret_cast<DrawItemRecord*>(m.lParam));
      m.result = 1;
      return;
    case wm::EraseBackground:
      if (customPaint_) {
        m.result = 1;
        return;
      }
      break;
    case wm::Paint:
      if (customPaint_) {
        auto canvas = GetBackend().BeginPaint(handle_);
        PaintSelf(*canvas);
        m.result = 0;
        return;
      }
      break;
    case wm::PrintClient:
      if (customPaint_) {
        auto canvas = GetBackend().DeviceCanvas(m.wParam);
        PaintSelf(*canvas);
        m.result = 0;
        return;
      }
      break;
    case wm::NcDestroy:
      DefaultHandler(m);
      WindowDestroyed();
      return;
    case wm::WindowPosChanged:
    case wm::Resize:
      DefaultHandler(m);
      UpdateBounds();
      return;
    case wm::Enable: {
      // The system's enabling counts as the control's own, with the same notice.
      const bool was = enabled_;
      enabled_ = m.wParam != 0;
      DefaultHandler(m);
      if (enabled_ != was) Perform(cm::EnabledChanged);
      return;
    }
    default:
      break;
  }
  DefaultHandler(m);
}

Form* Control::FocusForm(std::uint32_t notice) {
  Form* form = ParentForm();
  if (form == this) return nullptr;
  // Outside any form every move of the focus is a notice.
  if (form == nullptr) Perform(notice);
  return form;
}

void Control::FocusArrived() {
  for (Control* p = parent_; p != nullptr; p = p->parent_)
    p->ChildFocused(*this);
  Form* form = FocusForm(cm::Enter);
  if (form == nullptr) return;
  Control* previous = form->FocusedControl();
  // Back from another form, a message box or another application: it never left the form.
  if (previous == this) return;
  if (previous != nullptr) {
    form->SetFocusedControl(nullptr);
    if (previous->ParentForm() == form) previous->Perform(cm::Exit);
    // An exit handler may have sent the focus on already: that control has entered instead.
    if (form->FocusedControl() != nullptr) return;
  }
  form->SetFocusedControl(this);
  Perform(cm::Enter);
}

void Control::FocusLeft() {
  Form* form = FocusForm(cm::Exit);
  if (form == nullptr) return;
  // Hidden or disabled, itself or a parent: the focus cannot come back to it, so it has left
  // the form's controls now. Otherwise the control that gets the focus next tells.
  if (form->FocusedControl() == this && !CanFocus()) {
    form->SetFocusedControl(nullptr);
    Perform(cm::Exit);
  }
}

bool Control::DoKeyPress(char& key) {
  Form* form = ParentForm();
  if (form != nullptr && form != this && form->KeyPreview()) {
    form->KeyPress(key);
    if (key == 0) return true;
  }
  KeyPress(key);
  return key == 0;
}

bool Control::DoKeyDown(std::uint16_t& key) {
  const ShiftState shift = GetBackend().KeyboardState();
  Form* form = ParentForm();
  if (form != nullptr && form != this && form->KeyPreview()) {
    form->KeyDown(key, shift);
    if (key == 0) return true;
  }
  KeyDown(key, shift);
  if (key == 0) return true;
  if (form != nullptr && (key == vk::Escape || key == vk::Return || key == vk::Tab) &&
      !WantsDialogKey(key))
    return form->DialogKey(*this, key);
  return false;
}

bool Control::WantsDialogKey(std::uint16_t key) {
  // Asked as the dialog manager asks, with the key's message along, so a control can answer for
  // the key at hand: a dropped-down combo box keeps Esc and Enter to close its list.
  platform::MessageRecord record;
  record.window = handle_;
  record.message = wm::KeyDown;
  record.wParam = key;
  record.lParam = 1;
  const std::intptr_t code = Perform(wm::GetDlgCode, key, reinterpret_cast<std::intptr_t>(&record));
  return (code & (key == vk::Tab ? dlgc::WantTab : dlgc::WantAllKeys)) != 0;
}

void Control::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}
void Control::KeyDown(std::uint16_t& key, ShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
}
void Control::DoEnter() {
  if (OnEnter) OnEnter(*this);
}
void Control::DoExit() {
  if (OnExit) OnExit(*this);
}
void Control::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
}
void Control::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
}
void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}
void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}
void Control::Click() {
  if (OnClick) OnClick(*this);
}
void Control::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}
void Control::Change() {
  if (OnChange) OnChange(*this);
}
void Control::Resize() {
  if (OnResize) OnResize(*this);
}
void Control::Paint(Canvas& canvas) {
  canvas.FillRect(ClientRect(), color_);
}

void Control::PaintSelf(Canvas& canvas) {
  if (parentBackground_ && parent_ != nullptr) GetBackend().DrawParentBackground(handle_, canvas);
  canvas.SetFont(font_);
  Paint(canvas);
}

void Control::SetParentBackground(bool on) {
  parentBackground_ = on;
  Invalidate();
}
void Control::CommandNotify(std::uint16_t) {}
void Control::NotifyReceived(NotifyHeader&) {}
void Control::DrawItem(DrawItemRecord&) {}
void Control::EnabledChanged() {
  Invalidate();
}
void Control::VisibleChanged() {}
void Control::TextChanged() {
  if (autoSize_) AdjustSize();
  // The system's classes repaint their own text; a control that paints itself must ask.
  if (customPaint_) Invalidate();
}
void Control::FontChanged() {
  if (autoSize_) AdjustSize();
  Invalidate();
}

// --- bounds -------------------------------------------------------------------------------------

void Control::ApplyConstraints(int& width, int& height) const {
  if (constraints_.maxWidth > 0 && width > constraints_.maxWidth) width = constraints_.maxWidth;
  if (constraints_.minWidth > 0 && width < constraints_.minWidth) width = constraints_.minWidth;
  if (constraints_.maxHeight > 0 && height > constraints_.maxHeight)
    height = constraints_.maxHeight;
  if (constraints_.minHeight > 0 && height < constraints_.minHeight)
    height = constraints_.minHeight;
}

void Control::SetBounds(int left, int top, int width, int height) {
  ApplyConstraints(width, height);
  const Rect wanted = Rect::Bounds(left, top, width, height);
  if (wanted == bounds_) return;
  if (handle_ == 0) {
    bounds_ = wanted;
    return;
  }
  GetBackend().SetBounds(handle_, wanted);
  // The window reports its new bounds (WM_WINDOWPOSCHANGED); take them in case it did not.
  UpdateBounds();
}

void Control::UpdateBounds() {
  if (handle_ == 0 || updatingBounds_) return;
  updatingBounds_ = true;
  Backend& backend = GetBackend();
  const Rect old = bounds_;
  const Size oldClient = clientSize_;
  bounds_ = backend.GetBounds(handle_);
  clientSize_ = backend.GetClientSize(handle_);
  updatingBounds_ = false;
  if (clientSize_ != oldClient) AlignControls(oldClient, clientSize_);
  if (bounds_.Width() != old.Width() || bounds_.Height() != old.Height()) Resize();
  if (bounds_ != old && parent_ != nullptr) parent_->ChildBoundsChanged(this);
}

void Control::ChildBoundsChanged(Control*) {}

void Control::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  const std::vector<Control*> children = controls_;
  for (Control* c : children)
    c->MoveWindowBy(dx, dy);
}

void Control::MoveWindowBy(int dx, int dy) {
  const Rect moved = bounds_.Offset(dx, dy);
  if (handle_ == 0) {
    bounds_ = moved;
    return;
  }
  GetBackend().SetBounds(handle_, moved);
  UpdateBounds();
}

void Control::ApplyStyle() {
  if (handle_ == 0) return;
  ui::CreateParams params;
  CreateParams(params);
  GetBackend().SetStyle(handle_, params.style, params.exStyle | ReadingOrderStyle(biDiMode_));
  Invalidate();
}

void Control::AlignControls(Size oldClient, Size newClient) {
  const int dx = newClient.cx - oldClient.cx;
  const int dy = newClient.cy - oldClient.cy;
  const std::vector<Control*> children = controls_;
  for (Control* c : children) {
    int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
    const Anchors a = c->anchors_;
    if ((a & kAnchorLeft) && (a & kAnchorRight))
      width += dx;
    else if (a & kAnchorRight)
      left += dx;
    else if (!(a & kAnchorLeft))
      left += dx / 2;
    if ((a & kAnchorTop) && (a & kAnchorBottom))
      height += dy;
    else if (a & kAnchorBottom)
      top += dy;
    else if (!(a & kAnchorTop))
      top += dy / 2;
    c->SetBounds(left, top, width, height);
  }
}

Size Control::ClientSize() {
  HandleNeeded();
  return clientSize_;
}

Rect Control::ClientRect() {
  const Size s = ClientSize();
  return {0, 0, s.cx, s.cy};
}

void Control::SetClientSize(int width, int height) {
  const Size client = ClientSize();
  SetBounds(Left(), Top(), Width() - client.cx + width, Height() - client.cy + height);
}

Point Control::ClientToScreen(Point point) {
  return GetBackend().ClientToScreen(GetHandle(), point);
}

Rect Control::ScreenRect() {
  return GetBackend().GetScreenRect(GetHandle());
}

void Control::SetConstraints(const Constraints& constraints) {
  constraints_ = constraints;
  int width = Width(), height = Height();
  ApplyConstraints(width, height);
  if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
}

void Control::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_) AdjustSize();
}

// --- state --------------------------------------------------------------------------------------

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (handle_ != 0) GetBackend().Show(handle_, visible);
  Perform(cm::VisibleChanged);
}

bool Control::Showing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (handle_ != 0) GetBackend().Enable(handle_, enabled);
  Perform(cm::EnabledChanged);
}

void Control::SetBiDiMode(BiDiMode mode) {
  if (biDiMode_ == mode) return;
  biDiMode_ = mode;
  ApplyStyle();
  Perform(cm::BiDiModeChanged);
}

std::string Control::Text() {
  const auto length = Perform(wm::GetTextLength);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied =
      Perform(wm::GetText, text.size(), reinterpret_cast<std::intptr_t>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<std::intptr_t>(copied, 0, length)));
  return text;
}

void Control::SetText(std::string_view text) {
  const std::string copy(text);
  if (HandleAllocated() && Text() == copy) return;
  Perform(wm::SetText, 0, reinterpret_cast<std::intptr_t>(copy.c_str()));
  Perform(cm::TextChanged);
}

void Control::SetFont(const Font& font) {
  parentFont_ = false;
  if (font_ == font) return;
  font_ = font;
  if (handle_ != 0) GetBackend().SetFont(handle_, font_);
  Perform(cm::FontChanged);
  for (Control* c : controls_)
    if (c->parentFont_) c->InheritFont(font_);
}

void Control::InheritFont(const Font& font) {
  if (font_ == font) return;
  font_ = font;
  if (handle_ != 0) GetBackend().SetFont(handle_, font_);
  Perform(cm::FontChanged);
  for (Control* c : controls_)
    if (c->parentFont_) c->InheritFont(font_);
}

void Control::SetColor(Color color) {
  color_ = color;
  Invalidate();
}

void Control::SetHint(std::string hint) {
  hint_ = std::move(hint);
  UpdateHint();
}

void Control::UpdateHint() {
  if (handle_ == 0) return;
  Form* form = ParentForm();
  if (form == nullptr || form == this || !form->HandleAllocated()) return;
  GetBackend().SetHint(form->handle_, handle_, hint_);
}

int Control::TabOrder() const {
  if (parent_ == nullptr) return -1;
  const auto& siblings = parent_->controls_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void Control::SetTabOrder(int order) {
  if (parent_ == nullptr) return;
  auto& siblings = parent_->controls_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  order = std::clamp(order, 0, static_cast<int>(siblings.size()));
  siblings.insert(siblings.begin() + order, this);
}

void Control::SetTabStop(bool tabStop) {
  tabStop_ = tabStop;
}

bool Control::CanFocus() const {
  for (const Control* c = this; c != nullptr; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

void Control::SetFocus() {
  GetBackend().SetFocus(GetHandle());
}

bool Control::Focused() {
  return handle_ != 0 && GetBackend().GetFocus() == handle_;
}

void Control::Invalidate() {
  if (handle_ == 0) return;
  GetBackend().Invalidate(handle_);
  // What shows this control through shows it afresh; the system repaints no child for its parent.
  for (Control* c : controls_)
    if (c->parentBackground_) c->Invalidate();
}

void Control::InvalidateFrame() {
  if (handle_ != 0) GetBackend().InvalidateFrame(handle_);
}

void Control::Update() {
  if (handle_ != 0) GetBackend().Update(handle_);
}

Size Control::TextExtent(std::string_view text) {
  return GetBackend().TextExtent(font_, text);
}

}  // namespace ornil::ui
