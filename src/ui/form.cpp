// Form styles, placement, closing and the dialog keys.
#include "ui/form.h"

#include <algorithm>
#include <vector>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/menu.h"

namespace ornil::ui {

namespace {

// MINMAXINFO as WM_GETMINMAXINFO passes it.
struct MinMaxInfo {
  Point reserved;
  Point maxSize;
  Point maxPosition;
  Point minTrackSize;
  Point maxTrackSize;
};

void CollectTabStops(Control& parent, std::vector<Control*>& out) {
  for (Control* c : parent.Controls()) {
    if (!c->Visible() || !c->Enabled()) continue;
    if (c->TabStop()) out.push_back(c);
    CollectTabStops(*c, out);
  }
}

Button* FindButton(Control& parent, bool cancel) {
  for (Control* c : parent.Controls()) {
    if (!c->Visible() || !c->Enabled()) continue;
    if (auto* b = dynamic_cast<Button*>(c); b != nullptr && (cancel ? b->Cancel() : b->Default()))
      return b;
    if (Button* b = FindButton(*c, cancel)) return b;
  }
  return nullptr;
}

}  // namespace

Form::Form(Component* owner) : Control(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
}

Form::~Form() {
  if (auto* app = Application::Instance()) app->FormGone(this);
  // The window goes next and the system frees its menu with it.
  if (menu_ != nullptr && HandleAllocated() && menu_->AttachedForm() == this) menu_->NativeGone();
}

void Form::BeforeDestruction() {
  if (OnDestroy) OnDestroy(*this);
}

void Form::Notification(Component* component, bool removing) {
  Control::Notification(component, removing);
  if (!removing) return;
  if (component == menu_) {
    menu_ = nullptr;
    if (HandleAllocated() && !Destroying()) GetBackend().SetMenu(GetHandle(), 0);
  }
  if (component == activeControl_) activeControl_ = nullptr;
  if (component == focusedControl_) focusedControl_ = nullptr;
}

Handle Form::OwnerWindow() const {
  if (parentWindow_ != 0) return parentWindow_;
  auto* app = Application::Instance();
  return app != nullptr ? app->GetHandle() : 0;
}

void Form::CreateParams(ui::CreateParams& params) {
  params.className = "OrnilForm";
  params.caption.clear();
  std::uint32_t style = ws::ClipChildren | BaseStyle();
  style &= ~ws::TabStop;
  std::uint32_t ex = ws::ExControlParent;
  switch (borderStyle_) {
    case BorderStyle::None:
      style |= ws::Popup;
      break;
    case BorderStyle::Single:
      style |= ws::Caption | ws::Border;
      break;
    case BorderStyle::Sizeable:
      style |= ws::Caption | ws::ThickFrame;
      break;
    case BorderStyle::Dialog:
      style |= ws::Popup | ws::Caption;
      ex |= ws::ExDlgModalFrame | ws::ExWindowEdge;
      break;
    case BorderStyle::ToolWindow:
      style |= ws::Caption;
      ex |= ws::ExToolWindow;
      break;
    case BorderStyle::SizeToolWin:
      style |= ws::Caption | ws::ThickFrame;
      ex |= ws::ExToolWindow;
      break;
  }
  if (borderStyle_ != BorderStyle::None && (borderIcons_ & kBorderIconSystemMenu)) {
    style |= ws::SysMenu;
    const bool toolLike = borderStyle_ == BorderStyle::Dialog ||
                          borderStyle_ == BorderStyle::ToolWindow ||
                          borderStyle_ == BorderStyle::SizeToolWin;
    if (!toolLike && (borderIcons_ & kBorderIconMinimize)) style |= ws::MinimizeBox;
    if (!toolLike && (borderIcons_ & kBorderIconMaximize)) style |= ws::MaximizeBox;
  }
  params.style = style;
  params.exStyle = ex;
  params.owner = OwnerWindow();
}

void Form::WindowCreated() {
  if (menu_ != nullptr) menu_->AttachTo(*this);
}

void Form::SetBorderStyle(BorderStyle style) {
  borderStyle_ = style;
  ApplyStyle();
}

void Form::SetBorderIcons(BorderIcons icons) {
  borderIcons_ = icons;
  ApplyStyle();
}

void Form::SetParentWindow(Handle window) {
  parentWindow_ = window;
}

void Form::SetActiveControl(Control* control) {
  activeControl_ = control;
  if (control != nullptr) {
    control->FreeNotification(this);
    if (Visible() && control->CanFocus()) control->SetFocus();
  }
}

void Form::SetFocusedControl(Control* control) {
  focusedControl_ = control;
  if (control != nullptr) control->FreeNotification(this);
}

void Form::SetMenu(MainMenu* menu) {
  if (menu_ != nullptr) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (menu_ == nullptr) {
    if (HandleAllocated()) GetBackend().SetMenu(GetHandle(), 0);
    return;
  }
  menu_->FreeNotification(this);
  if (HandleAllocated()) menu_->AttachTo(*this);
}

void Form::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  Backend& backend = GetBackend();
  Rect area = backend.WorkArea();
  if (position_ == FormPosition::Designed) return;
  if (position_ == FormPosition::OwnerFormCenter) {
    // The form that owns this one, when it shows; else the window that owns it natively.
    auto* ownerForm = dynamic_cast<Form*>(Owner());
    const Handle owner =
        ownerForm != nullptr && ownerForm->Visible() && ownerForm->HandleAllocated()
            ? ownerForm->GetHandle()
            : OwnerWindow();
    if (owner != 0 && backend.IsWindow(owner)) area = backend.GetScreenRect(owner);
  }
  const Rect work = backend.WorkArea();
  int left = area.left + (area.Width() - Width()) / 2;
  int top = area.top + (area.Height() - Height()) / 2;
  left = std::max(work.left, std::min(left, work.right - Width()));
  top = std::max(work.top, std::min(top, work.bottom - Height()));
  SetBounds(left, top, Width(), Height());
}

void Form::SetVisible(bool visible) {
  if (visible) {
    HandleNeeded();
    PlaceOnFirstShow();
  }
  const bool was = Visible();
  Control::SetVisible(visible);
  if (visible && !was) {
    GetBackend().SetActiveWindow(GetHandle());
    if (activeControl_ != nullptr && activeControl_->CanFocus()) activeControl_->SetFocus();
    if (OnShow) OnShow(*this);
  }
}

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) OnClose(*this, action);
  switch (action) {
    case CloseAction::None:
      break;
    case CloseAction::Hide:
    case CloseAction::Minimize:
      Hide();
      break;
    case CloseAction::Free:
      Release();
      break;
  }
}

void Form::Release() {
  GetBackend().PostMessage(GetHandle(), cm::Release, 0, 0);
}

void Form::SelectNext(Control* from, bool forward) {
  std::vector<Control*> stops;
  CollectTabStops(*this, stops);
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), from);
  std::size_t index = 0;
  if (it != stops.end()) {
    const auto at = static_cast<std::size_t>(it - stops.begin());
    index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  }
  stops[index]->SetFocus();
}

bool Form::DialogKey(Control& from, std::uint16_t key) {
  switch (key) {
    case vk::Tab:
      // Shift+Tab goes back through the tab order.
      SelectNext(&from, (GetBackend().KeyboardState() & kShiftShift) == 0);
      return true;
    case vk::Escape:
    case vk::Return: {
      // Enter presses the focused button; the default one only when the focus is elsewhere.
      Button* button = key == vk::Return ? dynamic_cast<Button*>(&from) : nullptr;
      if (button == nullptr) button = FindButton(*this, key == vk::Escape);
      if (button == nullptr) return false;
      button->Click();
      return true;
    }
    default:
      return false;
  }
}

void Form::WndProc(Message& m) {
  auto* app = Application::Instance();
  switch (m.msg) {
    case wm::Close:
      Close();
      m.result = 0;
      return;
    case cm::Release:
      Free();
      return;
    case wm::NcDestroy:
      if (menu_ != nullptr && menu_->AttachedForm() == this) menu_->NativeGone();
      break;
    case wm::Activate:
      if (app != nullptr) app->SetActiveForm(LowWord(m.wParam) != 0 ? this : nullptr, this);
      if (LowWord(m.wParam) != 0 && OnActivate) OnActivate(*this);
      break;
    case wm::GetMinMaxInfo: {
      Control::WndProc(m);
      auto* info = reinterpret_cast<MinMaxInfo*>(m.lParam);
      const Constraints& c = GetConstraints();
      if (c.minWidth > 0) info->minTrackSize.x = c.minWidth;
      if (c.minHeight > 0) info->minTrackSize.y = c.minHeight;
      if (c.maxWidth > 0) info->maxTrackSize.x = c.maxWidth;
      if (c.maxHeight > 0) info->maxTrackSize.y = c.maxHeight;
      return;
    }
    case wm::Command:
      if (m.lParam == 0 && HighWord(m.wParam) == 0 && app != nullptr) {
        if (MenuItem* item = app->FindMenuItem(LowWord(m.wParam))) {
          item->Click();
          m.result = 0;
          return;
        }
      }
      break;
    default:
      break;
  }
  Control::WndProc(m);
}

}  // namespace ornil::ui
