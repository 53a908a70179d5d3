// The headless backend over the simulated desktop.
#include "ui/headless/headless_backend.h"

#include <cstdlib>
#include <utility>

#include "platform/seams.h"
#include "text/cp1251.h"
#include "ui/control.h"
#include "ui/headless/recording_canvas.h"

namespace ornil::ui::headless {

namespace {

constexpr std::uint32_t kNcPaint = wm::NcPaint;

platform::ScreenRect ToScreen(const Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

HeadlessBackend::HeadlessBackend(DesktopLink& desktop) : desktop_(desktop) {}

HeadlessBackend::~HeadlessBackend() {
  for (auto& [handle, record] : records_)
    record.control = nullptr;
  if (parking_ != 0 && desktop_.IsWindow(parking_)) desktop_.DestroyWindow(parking_);
}

// Controls without a parent wait in a hidden window, as they do on Windows, so they are no
// top-level windows of the desktop.
Handle HeadlessBackend::Parking() {
  if (parking_ == 0 || !desktop_.IsWindow(parking_)) {
    NewWindow parking;
    parking.className = "OrnilParking";
    parking.style = ws::Popup;
    parking_ = desktop_.CreateWindow(parking);
  }
  return parking_;
}

HeadlessBackend::Record* HeadlessBackend::Find(Handle window) {
  auto it = records_.find(window);
  return it == records_.end() ? nullptr : &it->second;
}

WindowClass* HeadlessBackend::ClassOf(Handle window) {
  Record* r = Find(window);
  return r == nullptr ? nullptr : r->windowClass.get();
}

Control* HeadlessBackend::ControlOf(Handle window) {
  Record* r = Find(window);
  return r == nullptr ? nullptr : r->control;
}

const std::vector<std::string>& HeadlessBackend::PaintLog(Handle window) {
  static const std::vector<std::string> kNone;
  Record* r = Find(window);
  return r == nullptr ? kNone : r->paintLog;
}

void HeadlessBackend::ClearPaintLog(Handle window) {
  if (Record* r = Find(window)) r->paintLog.clear();
}

void HeadlessBackend::AppendPaint(Handle window, std::string line) {
  if (Record* r = Find(window)) r->paintLog.push_back(std::move(line));
}

bool HeadlessBackend::Invalid(Handle window) {
  Record* r = Find(window);
  return r != nullptr && r->invalid;
}

void HeadlessBackend::Paint(Handle window) {
  Record* r = Find(window);
  if (r == nullptr) return;
  r->invalid = false;
  desktop_.Send(window, kNcPaint, 1, 0);
  if (Find(window) != nullptr) desktop_.Send(window, wm::Paint, 0, 0);
}

std::string HeadlessBackend::HintOf(Handle window) const {
  auto it = records_.find(window);
  return it == records_.end() ? std::string() : it->second.hint;
}

Handle HeadlessBackend::MenuOf(Handle window) const {
  auto it = records_.find(window);
  return it == records_.end() ? 0 : it->second.menu;
}

const std::vector<MenuEntry>& HeadlessBackend::MenuEntries(Handle menu) const {
  static const std::vector<MenuEntry> kNone;
  auto it = menus_.find(menu);
  return it == menus_.end() ? kNone : it->second;
}

ScrollInfo HeadlessBackend::ScrollOf(Handle window) const {
  auto it = records_.find(window);
  return it == records_.end() ? ScrollInfo{} : it->second.scroll;
}

std::uintptr_t HeadlessBackend::NewDeviceContext(Handle window, Point origin) {
  const std::uintptr_t dc = ++nextDc_;
  deviceContexts_[dc] = {window, origin};
  return dc;
}

// --- windows ------------------------------------------------------------------------------------

Rect HeadlessBackend::FrameFor(std::uint32_t style, std::uint32_t exStyle, bool menu, bool scroll) {
  const bool caption = (style & ws::Caption) == ws::Caption;
  int border = 0;
  if (style & ws::ThickFrame)
    border = 4;
  else if (caption || (style & ws::DlgFrame))
    border = 3;
  else if (style & ws::Border)
    border = 1;
  if (exStyle & ws::ExClientEdge) border += 2;
  int top = border;
  if (caption) top += (exStyle & ws::ExToolWindow) ? 15 : 19;
  if (menu) top += 19;
  return {border, top, border + (scroll ? SystemMetric(Metric::VScrollWidth) : 0), border};
}

void HeadlessBackend::Reframe(Handle window) {
  Record* r = Find(window);
  if (r == nullptr) return;
  const Rect frame =
      FrameFor(desktop_.Style(window), exStyleOf_[window], r->menu != 0, r->scroll.visible);
  desktop_.SetFrame(window, frame);
}

Handle HeadlessBackend::CreateWindow(Control& control, const CreateParams& params) {
  NewWindow window;
  window.className = params.className;
  window.text = params.caption;
  window.style = params.style;
  window.exStyle = params.exStyle;
  window.bounds = params.bounds;
  if (params.className == "COMBOBOX")
    window.bounds.bottom = window.bounds.top + ClosedComboHeight(Font{});
  window.parent = params.parent;
  if ((params.style & ws::Child) && params.parent == 0) window.parent = Parking();
  window.owner = params.owner;
  window.frame = FrameFor(params.style, params.exStyle, false, false);
  window.procedure = [this](Handle h, std::uint32_t msg, std::uintptr_t wParam,
                            std::intptr_t lParam) { return Route(h, msg, wParam, lParam); };
  const Handle handle = desktop_.CreateWindow(window);
  Record& record = records_[handle];
  record.control = &control;
  record.windowClass = MakeWindowClass(*this, handle, params);
  exStyleOf_[handle] = params.exStyle;
  control.BindHandle(handle);
  return handle;
}

void HeadlessBackend::DestroyWindow(Handle window) {
  if (!desktop_.IsWindow(window)) {
    misuses_.push_back("DestroyWindow of a window that is gone: " + std::to_string(window));
    return;
  }
  if (Record* r = Find(window)) r->control = nullptr;
  desktop_.DestroyWindow(window);
}

void HeadlessBackend::WindowGone(Handle window) {
  auto it = records_.find(window);
  if (it == records_.end()) return;
  const Handle menu = it->second.menu;
  retired_.push_back(std::move(it->second.windowClass));
  records_.erase(it);
  exStyleOf_.erase(window);
  std::erase_if(deviceContexts_, [&](const auto& dc) { return dc.second.window == window; });
  if (menu != 0) FreeMenu(menu);
  if (inClass_ == 0) FreeRetired();
}

void HeadlessBackend::FreeRetired() {
  // A class may destroy windows of its own as it goes (a picker's calendar).
  std::vector<std::unique_ptr<WindowClass>> gone;
  gone.swap(retired_);
}

std::intptr_t HeadlessBackend::Route(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  Record* r = Find(window);
  if (r == nullptr) return 0;
  Message m{msg, wParam, lParam, 0};
  if (Control* control = r->control) {
    control->Dispatch(m);
  } else if (r->windowClass) {
    WindowClass& windowClass = *r->windowClass;
    InClass([&] { windowClass.Default(m); });
  }
  if (msg == wm::NcDestroy) WindowGone(window);
  return m.result;
}

void HeadlessBackend::DefaultHandler(Handle window, Message& message) {
  Record* r = Find(window);
  if (r == nullptr || !r->windowClass) return;
  if (message.msg == wm::Paint) r->invalid = false;
  WindowClass& windowClass = *r->windowClass;
  InClass([&] { windowClass.Default(message); });
}

std::intptr_t HeadlessBackend::SendMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
  return desktop_.Send(window, msg, wParam, lParam);
}

void HeadlessBackend::PostMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
  desktop_.Post(window, msg, wParam, lParam);
}

void HeadlessBackend::SetParent(Handle window, Handle parent) {
  desktop_.SetParent(window, parent != 0 ? parent : Parking());
}

void HeadlessBackend::SetStyle(Handle window, std::uint32_t style, std::uint32_t exStyle) {
  desktop_.SetStyle(window, style, exStyle);
  exStyleOf_[window] = exStyle;
  if (WindowClass* c = ClassOf(window)) c->SetStyle(style);
  Reframe(window);
  desktop_.Send(window, wm::WindowPosChanged, 0, 0);
}

void HeadlessBackend::SetBounds(Handle window, const Rect& bounds) {
  Rect fixed = bounds;
  if (auto* combo = dynamic_cast<ComboBoxClass*>(ClassOf(window)))
    fixed.bottom = fixed.top + ClosedComboHeight(combo->font);
  desktop_.MoveWindow(window, ToScreen(fixed));
}

int HeadlessBackend::ClosedComboHeight(const Font& font) {
  // As Windows fixes it from the font: a line of text and 8 pixels of edges.
  return TextExtent(font, "Wg").cy + 8;
}

Rect HeadlessBackend::GetBounds(Handle window) {
  platform::ScreenRect r;
  if (!desktop_.GetWindowRect(window, r)) return {};
  Rect rect{r.left, r.top, r.right, r.bottom};
  if (desktop_.Style(window) & ws::Child) {
    const Handle parent = desktop_.GetParent(window);
    if (parent != 0) {
      const Point origin = ClientToScreen(parent, {0, 0});
      rect = rect.Offset(-origin.x, -origin.y);
    }
  }
  return rect;
}

Size HeadlessBackend::GetClientSize(Handle window) {
  platform::ScreenRect r;
  if (!desktop_.GetWindowRect(window, r)) return {};
  const Rect f = desktop_.Frame(window);
  return {std::max(0, r.Width() - f.left - f.right), std::max(0, r.Height() - f.top - f.bottom)};
}

Point HeadlessBackend::ClientToScreen(Handle window, Point point) {
  platform::ScreenRect r;
  if (!desktop_.GetWindowRect(window, r)) return point;
  const Rect f = desktop_.Frame(window);
  return {r.left + f.left + point.x, r.top + f.top + point.y};
}

Rect HeadlessBackend::GetScreenRect(Handle window) {
  platform::ScreenRect r;
  if (!desktop_.GetWindowRect(window, r)) return {};
  return {r.left, r.top, r.right, r.bottom};
}

void HeadlessBackend::Show(Handle window, bool show) {
  desktop_.ShowWindow(window, show);
}

void HeadlessBackend::Enable(Handle window, bool enable) {
  desktop_.EnableWindow(window, enable);
}

bool HeadlessBackend::IsEnabled(Handle window) {
  return desktop_.IsWindowEnabled(window);
}

bool HeadlessBackend::IsWindow(Handle window) {
  return desktop_.IsWindow(window);
}

void HeadlessBackend::SetFont(Handle window, const Font& font) {
  WindowClass* c = ClassOf(window);
  if (c == nullptr) return;
  c->font = font;
  if (auto* list = dynamic_cast<ListBoxClass*>(c);
      list != nullptr && !(list->Style() & lbs::OwnerDrawFixed))
    list->itemHeight = TextExtent(font, "Wg").cy;
  if (dynamic_cast<ComboBoxClass*>(c) != nullptr) SetBounds(window, GetBounds(window));
}

void HeadlessBackend::SetFocus(Handle window) {
  desktop_.SetFocus(window);
}

Handle HeadlessBackend::GetFocus() {
  return desktop_.GetFocus();
}

void HeadlessBackend::SetActiveWindow(Handle window) {
  desktop_.SetActiveWindow(window);
}

void HeadlessBackend::BringToFront(Handle window) {
  desktop_.BringWindowToTop(window);
}

void HeadlessBackend::Invalidate(Handle window) {
  if (Record* r = Find(window)) r->invalid = true;
}

void HeadlessBackend::InvalidateFrame(Handle window) {
  // Painting a window here always paints its frame first.
  Invalidate(window);
}

void HeadlessBackend::Update(Handle window) {
  if (Invalid(window)) Paint(window);
}

void HeadlessBackend::SetScrollBar(Handle window, const ScrollInfo& info) {
  Record* r = Find(window);
  if (r == nullptr) return;
  const bool changed = r->scroll.visible != info.visible;
  r->scroll = info;
  if (!changed) return;
  Reframe(window);
  desktop_.Send(window, wm::Resize, 0, 0);
}

std::unique_ptr<Canvas> HeadlessBackend::BeginPaint(Handle window) {
  if (Record* r = Find(window)) r->invalid = false;
  return std::make_unique<RecordingCanvas>(*this, window);
}

std::unique_ptr<Canvas> HeadlessBackend::WindowCanvas(Handle window) {
  return std::make_unique<RecordingCanvas>(*this, window);
}

std::unique_ptr<Canvas> HeadlessBackend::DeviceCanvas(std::uintptr_t dc) {
  auto it = deviceContexts_.find(dc);
  if (it == deviceContexts_.end()) return std::make_unique<RecordingCanvas>(*this, 0);
  return std::make_unique<RecordingCanvas>(*this, it->second.window, it->second.origin);
}

void HeadlessBackend::DrawParentBackground(Handle window, Canvas& canvas) {
  const auto* recording = dynamic_cast<RecordingCanvas*>(&canvas);
  if (recording == nullptr || !(desktop_.Style(window) & ws::Child)) return;
  const Handle parent = desktop_.GetParent(window);
  if (parent == 0) return;
  // The parent draws in its own client coordinates, into the canvas's window: moved by where its
  // client area lies from this window's (and by what the canvas is moved already, for a parent
  // that shows its own parent through).
  const Point client = ClientToScreen(window, {0, 0});
  const Point parentClient = ClientToScreen(parent, {0, 0});
  const Point origin = recording->Origin();
  const std::uintptr_t dc = NewDeviceContext(
      recording->Window(),
      {origin.x + parentClient.x - client.x, origin.y + parentClient.y - client.y});
  desktop_.Send(parent, wm::EraseBackground, dc, 0);
  desktop_.Send(parent, wm::PrintClient, dc, prf::Client);
  ReleaseDeviceContext(dc);
}

std::unique_ptr<Canvas> HeadlessBackend::ScreenCanvas() {
  return std::make_unique<RecordingCanvas>(*this, 0);
}

// --- metrics ------------------------------------------------------------------------------------

Size HeadlessBackend::TextExtent(const Font& font, std::string_view text) {
  // A fixed rule: every character as wide as 6/11 of the font height (one more when bold),
  // lines two pixels taller than the font.
  const int height = std::abs(font.height);
  const int perChar = (height * 6 + 5) / 11 + (font.bold ? 1 : 0);
  return {static_cast<int>(text.size()) * perChar, height + 2};
}

Color HeadlessBackend::ResolveColor(Color color) {
  if (!IsSystemColor(color)) return color;
  switch (color & 0xFF) {
    case 5:
      return 0xFFFFFF;  // window
    case 8:
      return 0x000000;  // window text
    case 13:
      return 0xFF9933;  // highlight
    case 14:
      return 0xFFFFFF;  // highlight text
    case 15:
      return 0xF0F0F0;  // button face
    case 16:
      return 0xA0A0A0;  // button shadow
    case 17:
      return 0x6D6D6D;  // grey text
    case 20:
      return 0xFFFFFF;  // button highlight
    case 24:
      return 0xE1FFFF;  // tooltip background
    default:
      return 0x000000;
  }
}

int HeadlessBackend::SystemMetric(Metric metric) {
  switch (metric) {
    case Metric::BorderWidth:
    case Metric::BorderHeight:
      return 1;
    case Metric::VScrollWidth:
      return 17;
  }
  return 0;
}

// --- menus, hints, boxes ------------------------------------------------------------------------

Handle HeadlessBackend::CreateMenu(bool) {
  const Handle menu = ++nextMenu_;
  menus_[menu];
  return menu;
}

void HeadlessBackend::AppendMenuItem(Handle menu, std::uint32_t id, const std::string& text,
                                     Handle subMenu, bool separator, bool enabled) {
  menus_[menu].push_back({id, text, subMenu, separator, enabled});
}

void HeadlessBackend::DestroyMenu(Handle menu) {
  if (!menus_.contains(menu)) {
    misuses_.push_back("DestroyMenu of a menu that is gone: " + std::to_string(menu));
    return;
  }
  FreeMenu(menu);
}

void HeadlessBackend::FreeMenu(Handle menu) {
  auto it = menus_.find(menu);
  if (it == menus_.end()) return;
  const std::vector<MenuEntry> entries = it->second;
  menus_.erase(it);
  for (const MenuEntry& e : entries)
    if (e.subMenu != 0) FreeMenu(e.subMenu);
}

void HeadlessBackend::SetMenu(Handle window, Handle menu) {
  Record* r = Find(window);
  if (r == nullptr) return;
  const bool changed = (r->menu != 0) != (menu != 0);
  r->menu = menu;
  if (!changed) return;
  Reframe(window);
  desktop_.Send(window, wm::Resize, 0, 0);
}

void HeadlessBackend::SetHint(Handle, Handle control, const std::string& hint) {
  if (Record* r = Find(control)) r->hint = hint;
}

void HeadlessBackend::SetHintPauses(int showMilliseconds, int hideMilliseconds) {
  hintShow_ = showMilliseconds;
  hintHide_ = hideMilliseconds;
}

int HeadlessBackend::MessageBox(const std::string& text, const std::string& caption,
                                std::uint32_t flags) {
  // A task-modal box disables the thread's windows while it is up and enables them again.
  std::vector<Handle> disabled;
  if (flags & mb::TaskModal)
    for (Handle window : desktop_.ThreadWindows())
      if (desktop_.IsWindowEnabled(window)) disabled.push_back(window);
  for (Handle window : disabled)
    desktop_.EnableWindow(window, false);
  // The box's modal loop handles what the thread's queue holds while the user reads.
  desktop_.PumpPosted();
  int answer = id::Ok;
  if (auto* dialogs = platform::Current().dialogs)
    answer = dialogs->ShowMessageBox(text, caption, flags);
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  for (Handle window : disabled)
    if (desktop_.IsWindow(window)) desktop_.EnableWindow(window, true);
  return answer;
}

void HeadlessBackend::ProcessMessages() {
  desktop_.PumpPosted();
}

Point HeadlessBackend::CursorPos() {
  const platform::ScreenPoint p = desktop_.CursorPos();
  return {p.x, p.y};
}

Handle HeadlessBackend::LoadSystemCursor(SystemCursor cursor) {
  // Standard cursors are shared system objects: the same handle for a shape every time.
  return cursor == SystemCursor::Wait ? 0xC0C2 : 0xC0C1;
}

Handle HeadlessBackend::SetCursor(Handle cursor) {
  cursorLog_.push_back(cursor);
  return std::exchange(cursor_, cursor);
}

Handle HeadlessBackend::GetCapture() {
  return desktop_.GetCapture();
}

Rect HeadlessBackend::WorkArea() {
  const platform::ScreenRect r = desktop_.WorkArea();
  return {r.left, r.top, r.right, r.bottom};
}

// The machine's regional settings when the test installed them, else those of a Russian machine.
std::string HeadlessBackend::ShortDateFormat() {
  if (auto* locale = platform::Current().locale) return locale->ShortDateFormat();
  return "dd.MM.yyyy";
}

std::string HeadlessBackend::LongDateFormat() {
  if (auto* locale = platform::Current().locale) return locale->LongDateFormat();
  return "d MMMM yyyy 'г.'"_cp;
}

SystemTime HeadlessBackend::Today() {
  if (auto* clock = platform::Current().clock)
    return DateFromCalendarSeconds(clock->CalendarSeconds());
  return SystemTime::Date(2024, 1, 15);
}

}  // namespace ornil::ui::headless
