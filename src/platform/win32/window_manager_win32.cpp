// The window-manager seam on user32: raw handles, window procedures taken over with
// SetWindowLongPtrA and given back, and thread hooks whose procedures are std::functions reached
// through a fixed set of trampolines.
#include "platform/win32/win32_api.h"

#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/window_manager_win32.h"

namespace ornil::platform::win32 {

static_assert(sizeof(void*) != 4 || sizeof(MessageRecord) == sizeof(MSG),
              "MessageRecord is laid out as MSG");
static_assert(sizeof(void*) != 4 || sizeof(CallWndProcRecord) == sizeof(CWPSTRUCT),
              "CallWndProcRecord is laid out as CWPSTRUCT");
static_assert(offsetof(CallWndProcRecord, window) == offsetof(CWPSTRUCT, hwnd));
static_assert(offsetof(MessageRecord, time) == offsetof(MSG, time));

namespace {

HWND H(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
WindowHandle W(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

// --- taking over window procedures -------------------------------------------------------------

struct TakeoverEntry {
  bool active = true;
  SubclassProcedure procedure;
};

// The take-overs of one window, oldest first, over the procedure it had before the first.
struct TakeoverChain {
  WNDPROC original = nullptr;
  std::vector<std::shared_ptr<TakeoverEntry>> entries;
};

std::map<HWND, std::shared_ptr<TakeoverChain>>& Chains() {
  static std::map<HWND, std::shared_ptr<TakeoverChain>> chains;
  return chains;
}

LRESULT CALLBACK TakeoverProc(HWND, UINT, WPARAM, LPARAM);

std::intptr_t CallChain(const std::shared_ptr<TakeoverChain>& chain, int index, WindowHandle h,
                        std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
  for (; index >= 0; --index) {
    const std::shared_ptr<TakeoverEntry> entry = chain->entries[static_cast<std::size_t>(index)];
    if (!entry->active) continue;
    const WindowProcedure previous = [chain, index](WindowHandle h2, std::uint32_t m2,
                                                    std::uintptr_t w2, std::intptr_t l2) {
      return CallChain(chain, index - 1, h2, m2, w2, l2);
    };
    return entry->procedure(h, m, w, l, previous);
  }
  return CallWindowProcA(chain->original, H(h), m, w, l);
}

void ForgetChain(HWND window, const std::shared_ptr<TakeoverChain>& chain) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == TakeoverProc)
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
  Chains().erase(window);
}

LRESULT CALLBACK TakeoverProc(HWND window, UINT msg, WPARAM w, LPARAM l) {
  auto it = Chains().find(window);
  if (it == Chains().end()) return DefWindowProcA(window, msg, w, l);
  const std::shared_ptr<TakeoverChain> chain = it->second;
  LRESULT result = 0;
  try {
    result = CallChain(chain, static_cast<int>(chain->entries.size()) - 1, W(window), msg, w, l);
  } catch (...) {
    // The procedures report their own failures; none may cross into the window manager.
  }
  if (msg == WM_NCDESTROY) ForgetChain(window, chain);
  return result;
}

class Win32Takeover : public WindowSubclass {
 public:
  Win32Takeover(HWND window, std::shared_ptr<TakeoverChain> chain,
                std::shared_ptr<TakeoverEntry> entry)
      : window_(window), chain_(std::move(chain)), entry_(std::move(entry)) {}

  ~Win32Takeover() override {
    entry_->active = false;
    auto it = Chains().find(window_);
    if (it == Chains().end() || it->second != chain_) return;
    auto& entries = chain_->entries;
    while (!entries.empty() && !entries.back()->active)
      entries.pop_back();
    // Back to the window's own procedure, unless someone took it over after us.
    if (entries.empty() &&
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)) == TakeoverProc)
      ForgetChain(window_, chain_);
  }

 private:
  HWND window_;
  std::shared_ptr<TakeoverChain> chain_;
  std::shared_ptr<TakeoverEntry> entry_;
};

// --- hooks --------------------------------------------------------------------------------------

constexpr std::size_t kHookSlots = 16;

struct HookSlot {
  HHOOK hook = nullptr;
  std::shared_ptr<HookProcedure> procedure;
};

std::array<HookSlot, kHookSlots>& Slots() {
  static std::array<HookSlot, kHookSlots> slots;
  return slots;
}

template <std::size_t N>
LRESULT CALLBACK HookTrampoline(int code, WPARAM w, LPARAM l) {
  HookSlot& slot = Slots()[N];
  const std::shared_ptr<HookProcedure> procedure = slot.procedure;
  const HHOOK hook = slot.hook;
  if (!procedure) return CallNextHookEx(hook, code, w, l);
  try {
    return (*procedure)(code, w, l);
  } catch (...) {
    return CallNextHookEx(hook, code, w, l);
  }
}

template <std::size_t... N>
constexpr std::array<HOOKPROC, sizeof...(N)> MakeTrampolines(std::index_sequence<N...>) {
  return {&HookTrampoline<N>...};
}
constexpr auto kTrampolines = MakeTrampolines(std::make_index_sequence<kHookSlots>{});

class Win32Hooks : public Hooks {
 public:
  HookHandle SetHook(HookKind kind, HookProcedure procedure, std::uint32_t threadId) override {
    for (std::size_t i = 0; i < kHookSlots; ++i) {
      HookSlot& slot = Slots()[i];
      if (slot.hook != nullptr) continue;
      slot.procedure = std::make_shared<HookProcedure>(std::move(procedure));
      slot.hook = SetWindowsHookExA(static_cast<int>(kind), kTrampolines[i], nullptr,
                                    threadId != 0 ? threadId : GetCurrentThreadId());
      if (slot.hook == nullptr) slot.procedure.reset();
      return reinterpret_cast<HookHandle>(slot.hook);
    }
    return 0;
  }

  bool Unhook(HookHandle hook) override {
    for (HookSlot& slot : Slots()) {
      if (slot.hook == nullptr || reinterpret_cast<HookHandle>(slot.hook) != hook) continue;
      const BOOL ok = UnhookWindowsHookEx(slot.hook);
      slot.hook = nullptr;
      slot.procedure.reset();
      return ok != FALSE;
    }
    return false;
  }

  std::intptr_t CallNextHook(HookHandle hook, int code, std::uintptr_t wParam,
                             std::intptr_t lParam) override {
    return CallNextHookEx(reinterpret_cast<HHOOK>(hook), code, wParam, lParam);
  }
};

// --- window manager -----------------------------------------------------------------------------

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(W(window));
  return TRUE;
}

class Win32WindowManager : public WindowManager {
 public:
  bool IsWindow(WindowHandle window) override { return ::IsWindow(H(window)) != FALSE; }
  bool EnableWindow(WindowHandle window, bool enable) override {
    return ::EnableWindow(H(window), enable ? TRUE : FALSE) != FALSE;
  }
  bool IsWindowEnabled(WindowHandle window) override {
    return ::IsWindowEnabled(H(window)) != FALSE;
  }
  bool IsWindowVisible(WindowHandle window) override {
    return ::IsWindowVisible(H(window)) != FALSE;
  }
  void ShowWindow(WindowHandle window, bool show) override {
    ::ShowWindow(H(window), show ? SW_SHOW : SW_HIDE);
  }
  WindowHandle SetActiveWindow(WindowHandle window) override {
    return W(::SetActiveWindow(H(window)));
  }
  WindowHandle GetActiveWindow() override { return W(::GetActiveWindow()); }
  void BringWindowToTop(WindowHandle window) override { ::BringWindowToTop(H(window)); }
  bool LockWindowUpdate(WindowHandle window) override {
    return ::LockWindowUpdate(H(window)) != FALSE;
  }
  bool GetWindowRect(WindowHandle window, ScreenRect& rect) override {
    RECT r;
    if (!::GetWindowRect(H(window), &r)) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
  }
  bool MoveWindow(WindowHandle window, const ScreenRect& rect) override {
    return ::MoveWindow(H(window), rect.left, rect.top, rect.Width(), rect.Height(), TRUE) != FALSE;
  }
  WindowHandle GetParent(WindowHandle window) override { return W(::GetParent(H(window))); }
  std::string WindowText(WindowHandle window) override {
    const int length = GetWindowTextLengthA(H(window));
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(H(window), text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
  }
  ScreenRect WorkArea() override {
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
  }
  ScreenPoint CursorPos() override {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
  }
  WindowHandle GetCapture() override { return W(::GetCapture()); }
  WindowHandle WindowFromPoint(ScreenPoint point) override {
    return W(::WindowFromPoint(POINT{point.x, point.y}));
  }
  bool DeleteSystemMenuItem(WindowHandle window, std::uint32_t command) override {
    HMENU menu = GetSystemMenu(H(window), FALSE);
    return menu != nullptr && DeleteMenu(menu, command, MF_BYCOMMAND) != FALSE;
  }
  std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
    return SendMessageA(H(window), message, wParam, lParam);
  }
  bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override {
    return PostMessageA(H(window), message, wParam, lParam) != FALSE;
  }
  std::vector<WindowHandle> ThreadWindows() override {
    std::vector<WindowHandle> list;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list;
  }
  std::uint32_t WindowThreadId(WindowHandle window) override {
    return GetWindowThreadProcessId(H(window), nullptr);
  }
  std::uint32_t CurrentThreadId() override { return GetCurrentThreadId(); }
  bool DialogMessage(WindowHandle dialog, void* messageRecord) override {
    return IsDialogMessageA(H(dialog), static_cast<MSG*>(messageRecord)) != FALSE;
  }
  bool TranslateMdiSysAccel(WindowHandle client, void* messageRecord) override {
    return ::TranslateMDISysAccel(H(client), static_cast<MSG*>(messageRecord)) != FALSE;
  }
  std::unique_ptr<WindowSubclass> Subclass(WindowHandle window,
                                           SubclassProcedure procedure) override {
    HWND hwnd = H(window);
    if (!::IsWindow(hwnd)) return nullptr;
    auto& chains = Chains();
    auto it = chains.find(hwnd);
    std::shared_ptr<TakeoverChain> chain;
    if (it != chains.end()) {
      chain = it->second;
    } else {
      chain = std::make_shared<TakeoverChain>();
      chain->original = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TakeoverProc)));
      chains[hwnd] = chain;
    }
    auto entry = std::make_shared<TakeoverEntry>();
    entry->procedure = std::move(procedure);
    chain->entries.push_back(entry);
    return std::make_unique<Win32Takeover>(hwnd, chain, entry);
  }
};

}  // namespace

WindowManager& RealWindowManager() {
  static Win32WindowManager manager;
  return manager;
}

Hooks& RealHooks() {
  static Win32Hooks hooks;
  return hooks;
}

}  // namespace ornil::platform::win32
