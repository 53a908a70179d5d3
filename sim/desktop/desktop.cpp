// The simulated window manager behind the window-manager, hook and desktop seams.
#include "sim/desktop/desktop.h"

#include <algorithm>
#include <cstring>

#include "ui/messages.h"

namespace ornil::sim {

namespace wm = ui::wm;
using platform::HookKind;
using platform::ScreenPoint;
using platform::ScreenRect;

namespace {
constexpr std::uint32_t kNcDestroy = 0x0082;
}  // namespace

// A taken-over window procedure; gives the window back its previous one when it goes, or
// passes everything through when someone took the window over after it.
class SimDesktop::Takeover : public platform::WindowSubclass {
 public:
  struct State {
    bool active = true;
    platform::SubclassProcedure procedure;
    platform::WindowProcedure previous;
  };

  Takeover(SimDesktop& desktop, Handle window, std::shared_ptr<platform::WindowProcedure> old,
           std::shared_ptr<platform::WindowProcedure> mine, std::shared_ptr<State> state)
      : desktop_(desktop),
        alive_(desktop.alive_),
        window_(window),
        old_(std::move(old)),
        mine_(std::move(mine)),
        state_(std::move(state)) {}

  ~Takeover() override {
    if (!alive_.expired()) {
      if (Window* w = desktop_.Find(window_); w != nullptr && w->procedure == mine_) {
        w->procedure = old_;
        return;
      }
    }
    state_->active = false;
  }

 private:
  SimDesktop& desktop_;
  std::weak_ptr<bool> alive_;
  Handle window_;
  std::shared_ptr<platform::WindowProcedure> old_;
  std::shared_ptr<platform::WindowProcedure> mine_;
  std::shared_ptr<State> state_;
};

SimDesktop::SimDesktop() = default;

SimDesktop::~SimDesktop() {
  *alive_ = false;
}

SimDesktop::Window* SimDesktop::Find(Handle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

// --- windows ------------------------------------------------------------------------------------

SimDesktop::Handle SimDesktop::CreateWindow(const ui::headless::NewWindow& request) {
  nextHandle_ += 4;
  const Handle handle = nextHandle_;
  Window w;
  w.parent = request.parent;
  w.owner = request.owner;
  w.className = request.className;
  w.text = request.text;
  w.style = request.style;
  w.exStyle = request.exStyle;
  w.rect = {request.bounds.left, request.bounds.top, request.bounds.right, request.bounds.bottom};
  w.frame = request.frame;
  w.enabled = (request.style & ui::ws::Disabled) == 0;
  w.visible = (request.style & ui::ws::Visible) != 0;
  if (request.procedure)
    w.procedure = std::make_shared<platform::WindowProcedure>(request.procedure);
  w.order = nextOrder_++;
  windows_[handle] = std::move(w);
  return handle;
}

SimDesktop::Handle SimDesktop::CreateHostWindow(const std::string& className,
                                                const std::string& text, ScreenRect rect,
                                                platform::WindowProcedure procedure, Handle parent,
                                                Handle owner) {
  ui::headless::NewWindow request;
  request.className = className;
  request.text = text;
  request.style = ui::ws::Visible | ui::ws::Caption | ui::ws::ThickFrame | ui::ws::SysMenu;
  if (parent != 0) request.style |= ui::ws::Child;
  request.parent = parent;
  request.owner = parent != 0 ? 0 : owner;
  request.bounds = {rect.left, rect.top, rect.right, rect.bottom};
  request.frame = {4, 23, 4, 4};
  request.procedure = std::move(procedure);
  return CreateWindow(request);
}

void SimDesktop::DestroyWindow(Handle window) {
  if (Find(window) == nullptr) return;
  std::vector<Handle> owned, children;
  for (auto& [h, w] : windows_) {
    if (w.owner == window) owned.push_back(h);
    if (w.parent == window) children.push_back(h);
  }
  for (Handle h : owned)
    DestroyWindow(h);
  Send(window, wm::Destroy, 0, 0);
  for (Handle h : children)
    DestroyWindow(h);
  Send(window, kNcDestroy, 0, 0);
  windows_.erase(window);
  if (active_ == window) active_ = 0;
  if (focus_ == window) focus_ = 0;
  if (capture_ == window) capture_ = 0;
  if (locked_ == window) locked_ = 0;
  if (onWindowDestroyed) onWindowDestroyed(window);
}

bool SimDesktop::IsWindow(Handle window) {
  return window != 0 && Find(window) != nullptr;
}

std::string SimDesktop::ClassName(Handle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? std::string() : it->second.className;
}

SimDesktop::Handle SimDesktop::Owner(Handle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? 0 : it->second.owner;
}

void SimDesktop::SetParent(Handle window, Handle parent) {
  if (Window* w = Find(window)) w->parent = parent;
}

void SimDesktop::SetStyle(Handle window, std::uint32_t style, std::uint32_t exStyle) {
  if (Window* w = Find(window)) {
    w->style = style;
    w->exStyle = exStyle;
  }
}

std::uint32_t SimDesktop::Style(Handle window) {
  Window* w = Find(window);
  return w == nullptr ? 0 : w->style;
}

void SimDesktop::SetFrame(Handle window, const ui::Rect& frame) {
  if (Window* w = Find(window)) w->frame = frame;
}

ui::Rect SimDesktop::Frame(Handle window) {
  Window* w = Find(window);
  return w == nullptr ? ui::Rect{} : w->frame;
}

SimDesktop::Handle SimDesktop::GetParent(Handle window) {
  Window* w = Find(window);
  if (w == nullptr) return 0;
  if (w->style & ui::ws::Child) return w->parent;
  // A top-level window: the owner, for pop-ups only.
  return (w->style & ui::ws::Popup) ? w->owner : 0;
}

bool SimDesktop::IsDescendant(Handle window, Handle ancestor) {
  for (Window* w = Find(window); w != nullptr && w->parent != 0; w = Find(w->parent))
    if (w->parent == ancestor) return true;
  return false;
}

SimDesktop::Handle SimDesktop::TopLevelOf(Handle window) {
  for (Window* w = Find(window); w != nullptr && w->parent != 0; w = Find(w->parent))
    window = w->parent;
  return window;
}

// --- state --------------------------------------------------------------------------------------

bool SimDesktop::EnableWindow(Handle window, bool enable) {
  Window* w = Find(window);
  if (w == nullptr) return false;
  const bool wasDisabled = !w->enabled;
  if (w->enabled != enable) {
    w->enabled = enable;
    if (!enable) {
      // A disabled window keeps neither the focus nor the mouse.
      if (focus_ == window) SetFocus(0);
      if (capture_ != 0 && (capture_ == window || IsDescendant(capture_, window))) capture_ = 0;
    }
    Send(window, wm::Enable, enable ? 1 : 0, 0);
  }
  return wasDisabled;
}

bool SimDesktop::IsWindowEnabled(Handle window) {
  Window* w = Find(window);
  return w != nullptr && w->enabled;
}

bool SimDesktop::IsWindowVisible(Handle window) {
  for (Window* w = Find(window); w != nullptr; w = Find(w->parent))
    if (!w->visible) return false;
  return Find(window) != nullptr;
}

void SimDesktop::ShowWindow(Handle window, bool show) {
  Window* w = Find(window);
  if (w == nullptr || w->visible == show) return;
  w->visible = show;
  const Handle parent = (w->style & ui::ws::Child) ? w->parent : 0;
  Send(window, wm::ShowWindow, show ? 1 : 0, 0);
  if (show) return;
  if (active_ == window) {
    active_ = 0;
    Send(window, wm::Activate, 0, 0);
  }
  // The focus in a window that is hidden goes back to its parent.
  if (focus_ != 0 && (focus_ == window || IsDescendant(focus_, window)))
    SetFocus(Find(parent) != nullptr ? parent : 0);
}

SimDesktop::Handle SimDesktop::SetActiveWindow(Handle window) {
  window = TopLevelOf(window);
  Window* w = Find(window);
  if (w == nullptr) return 0;
  const Handle previous = active_;
  w->order = nextOrder_++;
  if (previous == window) return previous;
  active_ = window;
  if (Find(previous) != nullptr)
    Send(previous, wm::Activate, 0, static_cast<std::intptr_t>(window));
  if (Find(window) != nullptr) Send(window, wm::Activate, 1, static_cast<std::intptr_t>(previous));
  return previous;
}

void SimDesktop::BringWindowToTop(Handle window) {
  if (Window* w = Find(TopLevelOf(window))) w->order = nextOrder_++;
}

bool SimDesktop::LockWindowUpdate(Handle window) {
  if (window == 0) {
    locked_ = 0;
    return true;
  }
  if (locked_ != 0 && locked_ != window) return false;
  if (Find(window) == nullptr) return false;
  locked_ = window;
  return true;
}

void SimDesktop::SetFocus(Handle window) {
  const Handle old = focus_;
  if (window == old) return;
  if (window != 0 && TopLevelOf(window) != active_) SetActiveWindow(window);
  focus_ = window;
  if (Find(old) != nullptr) Send(old, wm::KillFocus, window, 0);
  if (Find(window) != nullptr) Send(window, wm::SetFocus, old, 0);
}

bool SimDesktop::DeleteSystemMenuItem(Handle window, std::uint32_t command) {
  Window* w = Find(window);
  return w != nullptr && w->removedMenuItems.insert(command).second;
}

std::set<std::uint32_t> SimDesktop::RemovedSystemMenuItems(Handle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? std::set<std::uint32_t>{} : it->second.removedMenuItems;
}

std::vector<SimDesktop::Handle> SimDesktop::ThreadWindows() {
  std::vector<std::pair<std::uint64_t, Handle>> tops;
  for (auto& [h, w] : windows_)
    if (w.parent == 0) tops.emplace_back(w.order, h);
  std::sort(tops.rbegin(), tops.rend());
  std::vector<Handle> out;
  for (auto& [order, h] : tops)
    out.push_back(h);
  return out;
}

// --- geometry -----------------------------------------------------------------------------------

ScreenPoint SimDesktop::ClientOrigin(Handle window) {
  ScreenRect r;
  if (!GetWindowRect(window, r)) return {};
  const ui::Rect f = Find(window)->frame;
  return {r.left + f.left, r.top + f.top};
}

bool SimDesktop::GetWindowRect(Handle window, ScreenRect& rect) {
  Window* w = Find(window);
  if (w == nullptr) return false;
  rect = w->rect;
  if (w->parent != 0) {
    const ScreenPoint origin = ClientOrigin(w->parent);
    rect = {rect.left + origin.x, rect.top + origin.y, rect.right + origin.x,
            rect.bottom + origin.y};
  }
  return true;
}

bool SimDesktop::MoveWindow(Handle window, const ScreenRect& rect) {
  if (Find(window) == nullptr) return false;
  Send(window, wm::WindowPosChanging, 0, 0);
  if (Window* w = Find(window)) w->rect = rect;
  Send(window, wm::WindowPosChanged, 0, 0);
  return true;
}

SimDesktop::Handle SimDesktop::WindowFromPoint(ScreenPoint point) {
  auto inside = [&](Handle h) {
    ScreenRect r;
    return GetWindowRect(h, r) && point.x >= r.left && point.x < r.right && point.y >= r.top &&
           point.y < r.bottom;
  };
  auto byOrder = [&](Handle parent) {
    std::vector<std::pair<std::uint64_t, Handle>> list;
    for (auto& [h, w] : windows_)
      if (w.parent == parent && w.visible) list.emplace_back(w.order, h);
    std::sort(list.rbegin(), list.rend());
    return list;
  };
  Handle found = 0;
  for (auto& [order, h] : byOrder(0))
    if (inside(h)) {
      found = h;
      break;
    }
  while (found != 0) {
    Handle deeper = 0;
    for (auto& [order, h] : byOrder(found))
      if (inside(h) && Find(h)->enabled) {
        deeper = h;
        break;
      }
    if (deeper == 0) break;
    found = deeper;
  }
  return found;
}

// --- messages -----------------------------------------------------------------------------------

std::intptr_t SimDesktop::DefWindowProc(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  Window* w = Find(window);
  if (w == nullptr) return 0;
  switch (message) {
    case wm::SetText:
      w->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
      return 1;
    case wm::GetTextLength:
      return static_cast<std::intptr_t>(w->text.size());
    case wm::GetText: {
      if (wParam == 0 || lParam == 0) return 0;
      const std::size_t n = std::min<std::size_t>(w->text.size(), wParam - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), w->text.data(), n);
      reinterpret_cast<char*>(lParam)[n] = '\0';
      return static_cast<std::intptr_t>(n);
    }
    case wm::Close:
      DestroyWindow(window);
      return 0;
    default:
      return 0;
  }
}

std::intptr_t SimDesktop::CallProcedure(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  Window* w = Find(window);
  if (w == nullptr) return 0;
  if (auto it = watched_.find(window); it != watched_.end()) it->second.push_back(message);
  const std::shared_ptr<platform::WindowProcedure> procedure = w->procedure;
  if (!procedure) return DefWindowProc(window, message, wParam, lParam);
  return (*procedure)(window, message, wParam, lParam);
}

std::intptr_t SimDesktop::Send(Handle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) {
  if (Find(window) == nullptr) return 0;
  platform::CallWndProcRecord record{lParam, wParam, message, window};
  RunHooks(HookKind::CallWndProc, 0, 1, reinterpret_cast<std::intptr_t>(&record));
  return CallProcedure(window, message, wParam, lParam);
}

bool SimDesktop::Post(Handle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) {
  if (window != 0 && Find(window) == nullptr) return false;
  posted_.push_back({window, message, wParam, lParam, 0, cursor_.x, cursor_.y});
  return true;
}

void SimDesktop::DeliverInput(platform::MessageRecord message) {
  message.x = cursor_.x;
  message.y = cursor_.y;
  RunHooks(HookKind::GetMsg, 0, 1, reinterpret_cast<std::intptr_t>(&message));
  if (message.window == 0 || message.message == wm::Null) return;
  CallProcedure(message.window, message.message, message.wParam, message.lParam);
}

void SimDesktop::PumpPosted() {
  platform::QueuedMessage message;
  std::deque<int> quits;
  while (PeekMessageRemove(message)) {
    // The end of the thread's message loop is not ours to act on: hand it back afterwards.
    if (message.message == platform::WM_QUIT_MESSAGE) {
      quits.push_back(static_cast<int>(message.wParam));
      continue;
    }
    DispatchMessage(message);
  }
  for (int code : quits)
    PostQuitMessage(code);
}

bool SimDesktop::PeekMessageRemove(platform::QueuedMessage& message) {
  if (posted_.empty()) {
    if (quits_.empty()) return false;
    message = {0, platform::WM_QUIT_MESSAGE, static_cast<std::uintptr_t>(quits_.front()), 0};
    quits_.pop_front();
    return true;
  }
  platform::MessageRecord record = posted_.front();
  posted_.pop_front();
  RunHooks(HookKind::GetMsg, 0, 1, reinterpret_cast<std::intptr_t>(&record));
  message = {record.window, record.message, record.wParam, record.lParam};
  return true;
}

void SimDesktop::DispatchMessage(const platform::QueuedMessage& message) {
  if (message.window == 0 || message.message == wm::Null) return;
  CallProcedure(message.window, message.message, message.wParam, message.lParam);
}

void SimDesktop::PostQuitMessage(int exitCode) {
  quits_.push_back(exitCode);
}

bool SimDesktop::DialogMessage(Handle, void*) {
  return false;
}

bool SimDesktop::TranslateMdiSysAccel(Handle, void*) {
  return false;
}

std::unique_ptr<platform::WindowSubclass> SimDesktop::Subclass(
    Handle window, platform::SubclassProcedure procedure) {
  Window* w = Find(window);
  if (w == nullptr) return nullptr;
  auto state = std::make_shared<Takeover::State>();
  state->procedure = std::move(procedure);
  std::shared_ptr<platform::WindowProcedure> old = w->procedure;
  if (old)
    state->previous = *old;
  else
    state->previous = [this](Handle h, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
      return DefWindowProc(h, m, wp, lp);
    };
  auto mine = std::make_shared<platform::WindowProcedure>(
      [state](Handle h, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
        if (!state->active) return state->previous(h, m, wp, lp);
        return state->procedure(h, m, wp, lp, state->previous);
      });
  w->procedure = mine;
  return std::make_unique<Takeover>(*this, window, std::move(old), std::move(mine),
                                    std::move(state));
}

std::string SimDesktop::WindowText(Handle window) {
  if (Find(window) == nullptr) return {};
  const auto length = Send(window, wm::GetTextLength, 0, 0);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied =
      Send(window, wm::GetText, text.size(), reinterpret_cast<std::intptr_t>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<std::intptr_t>(copied, 0, length)));
  return text;
}

// --- hooks --------------------------------------------------------------------------------------

platform::HookHandle SimDesktop::SetHook(HookKind kind, platform::HookProcedure procedure,
                                         std::uint32_t threadId) {
  if (threadId != 0 && threadId != kThread) return 0;
  const platform::HookHandle handle = ++nextHook_;
  hooks_.insert(hooks_.begin(),
                {handle, kind, std::make_shared<platform::HookProcedure>(std::move(procedure))});
  return handle;
}

bool SimDesktop::Unhook(platform::HookHandle hook) {
  auto it =
      std::find_if(hooks_.begin(), hooks_.end(), [&](const Hook& h) { return h.handle == hook; });
  if (it == hooks_.end()) return false;
  hooks_.erase(it);
  return true;
}

std::size_t SimDesktop::HookCount(HookKind kind) const {
  return static_cast<std::size_t>(
      std::count_if(hooks_.begin(), hooks_.end(), [&](const Hook& h) { return h.kind == kind; }));
}

std::intptr_t SimDesktop::RunHooks(HookKind kind, int code, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
  for (const Hook& h : hooks_) {
    if (h.kind != kind) continue;
    // The procedure stays alive for the call even if it removes its own hook.
    const std::shared_ptr<platform::HookProcedure> procedure = h.procedure;
    return (*procedure)(code, wParam, lParam);
  }
  return 0;
}

std::intptr_t SimDesktop::CallNextHook(platform::HookHandle hook, int code, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
  auto it =
      std::find_if(hooks_.begin(), hooks_.end(), [&](const Hook& h) { return h.handle == hook; });
  if (it == hooks_.end()) return 0;
  const HookKind kind = it->kind;
  for (++it; it != hooks_.end(); ++it) {
    if (it->kind != kind) continue;
    const std::shared_ptr<platform::HookProcedure> procedure = it->procedure;
    return (*procedure)(code, wParam, lParam);
  }
  return 0;
}

}  // namespace ornil::sim
