// The Win32 backend.
#include "ui/win32/win32_backend.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <tuple>

#include "ui/control.h"
#include "ui/win32/gdi_canvas.h"

namespace ornil::ui::win32 {

static_assert(sizeof(void*) != 4 || sizeof(DrawItemRecord) == sizeof(DRAWITEMSTRUCT),
              "DrawItemRecord is laid out as DRAWITEMSTRUCT");
static_assert(sizeof(void*) != 4 || sizeof(DateTimeChange) == sizeof(NMDATETIMECHANGE),
              "DateTimeChange is laid out as NMDATETIMECHANGE");
static_assert(sizeof(SystemTime) == sizeof(SYSTEMTIME));

namespace {

Win32Backend* g_backend = nullptr;
constexpr char kFormClass[] = "OrnilForm";
constexpr char kWindowClass[] = "OrnilWindow";
constexpr int kDropDownHeight = 8 * 16 + 2;

HWND H(Handle window) {
  return reinterpret_cast<HWND>(window);
}
Handle U(HWND window) {
  return reinterpret_cast<Handle>(window);
}

bool FontLess(const Font& a, const Font& b) {
  return std::tie(a.name, a.height, a.charset, a.bold, a.italic, a.underline) <
         std::tie(b.name, b.height, b.charset, b.bold, b.italic, b.underline);
}

bool IsComboBox(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, "ComboBox") == 0;
}

// Keyboard, focus and mouse messages of a combo box's edit belong to the combo box's control.
bool RoutedToCombo(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case WM_PASTE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return true;
    default:
      return false;
  }
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance), fonts_(FontLess) {
  if (g_backend != nullptr) throw std::logic_error("there is a Win32 backend already");
  if (instance_ == nullptr)
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&Win32Backend::ControlProc), &instance_);
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_DATE_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClasses();
  g_backend = this;
}

Win32Backend::~Win32Backend() {
  for (auto& [window, record] : records_)
    record.control = nullptr;
  if (parking_ != nullptr) ::DestroyWindow(parking_);
  for (auto& [font, handle] : fonts_)
    DeleteObject(handle);
  for (auto& [color, brush] : brushes_)
    DeleteObject(brush);
  UnregisterClassA(kFormClass, instance_);
  UnregisterClassA(kWindowClass, instance_);
  g_backend = nullptr;
}

void Win32Backend::RegisterClasses() {
  WNDCLASSA form{};
  form.style = CS_DBLCLKS;
  form.lpfnWndProc = &Win32Backend::ControlProc;
  form.hInstance = instance_;
  form.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;
  RegisterClassA(&form);
  WNDCLASSA window = form;
  window.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  window.hbrBackground = nullptr;
  window.lpszClassName = kWindowClass;
  RegisterClassA(&window);
}

// Controls without a parent wait in a hidden window, made when the first one needs it.
HWND Win32Backend::Parking() {
  if (parking_ == nullptr)
    parking_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_,
                               nullptr);
  return parking_;
}

// --- messages -----------------------------------------------------------------------------------

LRESULT CALLBACK Win32Backend::ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_backend == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
  return g_backend->Dispatch(window, msg, wParam, lParam);
}

LRESULT Win32Backend::Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto it = records_.find(window);
  if (it == records_.end()) {
    // The first message of a window of the toolkit's own classes being made.
    if (pending_ == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
    it = records_.emplace(window, Record{pending_, DefWindowProcA, nullptr}).first;
    pending_->BindHandle(U(window));
    pending_ = nullptr;
  }
  const Record record = it->second;
  LRESULT result = 0;
  const bool forwardedByCombo =
      record.comboOwner != nullptr &&
      std::find(inDefault_.begin(), inDefault_.end(), record.comboOwner) != inDefault_.end();
  if (record.control == nullptr || (record.comboOwner != nullptr && !RoutedToCombo(msg)) ||
      forwardedByCombo) {
    result = CallWindowProcA(record.original, window, msg, wParam, lParam);
  } else {
    Message m{msg, wParam, lParam, 0};
    if (record.comboOwner != nullptr) routes_.push_back({&m, window, record.original});
    record.control->Dispatch(m);
    if (record.comboOwner != nullptr) routes_.pop_back();
    result = m.result;
  }
  if (msg == WM_NCDESTROY) {
    records_.erase(window);
    ForgetHints(window);
  }
  return result;
}

void Win32Backend::ForgetHints(HWND window) {
  tooltips_.erase(window);
  for (auto& [form, tooltip] : tooltips_) {
    // A form's tooltip goes before the form's controls do.
    if (!::IsWindow(tooltip)) continue;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Win32Backend::DefaultHandler(Handle window, Message& m) {
  if (!routes_.empty() && routes_.back().message == &m) {
    const Route route = routes_.back();
    m.result = CallWindowProcA(route.original, route.edit, m.msg, m.wParam, m.lParam);
    return;
  }
  if (m.msg >= WM_CTLCOLORMSGBOX && m.msg <= WM_CTLCOLORSTATIC && HandleCtlColor(m)) return;
  HWND hwnd = H(window);
  auto it = records_.find(hwnd);
  const WNDPROC proc = it != records_.end() ? it->second.original : DefWindowProcA;
  inDefault_.push_back(hwnd);
  m.result = CallWindowProcA(proc, hwnd, m.msg, m.wParam, m.lParam);
  inDefault_.pop_back();
}

Control* Win32Backend::ControlOf(HWND window) {
  auto it = records_.find(window);
  return it == records_.end() ? nullptr : it->second.control;
}

bool Win32Backend::HandleCtlColor(Message& m) {
  Control* control = ControlOf(reinterpret_cast<HWND>(m.lParam));
  if (control == nullptr) return false;
  HDC dc = reinterpret_cast<HDC>(m.wParam);
  const Color background = control->GetColor();
  SetBkColor(dc, ResolveColorRef(background));
  ::SetTextColor(dc, control->Enabled() ? ResolveColorRef(control->GetFont().color)
                                        : GetSysColor(COLOR_GRAYTEXT));
  m.result = reinterpret_cast<LRESULT>(Brush(background));
  return true;
}

std::intptr_t Win32Backend::SendMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  return SendMessageA(H(window), msg, wParam, lParam);
}

void Win32Backend::PostMessage(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                               std::intptr_t lParam) {
  PostMessageA(H(window), msg, wParam, lParam);
}

// --- windows ------------------------------------------------------------------------------------

Handle Win32Backend::CreateWindow(Control& control, const CreateParams& params) {
  const bool own = params.className == kFormClass || params.className == kWindowClass;
  const bool child = (params.style & WS_CHILD) != 0;
  HWND parent = child ? (params.parent != 0 ? H(params.parent) : Parking()) : H(params.owner);
  const bool combo = params.className == "COMBOBOX";
  const Rect& b = params.bounds;
  if (own) pending_ = &control;
  HWND window = CreateWindowExA(
      params.exStyle, params.className.c_str(), params.caption.c_str(), params.style, b.left, b.top,
      b.Width(), b.Height() + (combo ? kDropDownHeight : 0), parent,
      child ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId_++)) : nullptr, instance_,
      nullptr);
  pending_ = nullptr;
  if (window == nullptr) return 0;
  if (!own) {
    const auto original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Backend::ControlProc)));
    records_[window] = {&control, original, nullptr};
    control.BindHandle(U(window));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (combo && GetComboBoxInfo(window, &info) && info.hwndItem != nullptr &&
        info.hwndItem != window) {
      const auto editOriginal = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
          info.hwndItem, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Backend::ControlProc)));
      records_[info.hwndItem] = {&control, editOriginal, window};
    }
  }
  return U(window);
}

void Win32Backend::DestroyWindow(Handle window) {
  HWND hwnd = H(window);
  for (auto& [h, record] : records_)
    if (h == hwnd || record.comboOwner == hwnd) record.control = nullptr;
  ::DestroyWindow(hwnd);
}

void Win32Backend::SetParent(Handle window, Handle parent) {
  ::SetParent(H(window), parent != 0 ? H(parent) : Parking());
}

void Win32Backend::SetStyle(Handle window, std::uint32_t style, std::uint32_t exStyle) {
  HWND hwnd = H(window);
  SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
  SetWindowLongA(hwnd, GWL_EXSTYLE, static_cast<LONG>(exStyle));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Backend::SetBounds(Handle window, const Rect& b) {
  HWND hwnd = H(window);
  const int extra = IsComboBox(hwnd) ? kDropDownHeight : 0;
  SetWindowPos(hwnd, nullptr, b.left, b.top, b.Width(), b.Height() + extra,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32Backend::GetBounds(Handle window) {
  HWND hwnd = H(window);
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

Size Win32Backend::GetClientSize(Handle window) {
  RECT r{};
  GetClientRect(H(window), &r);
  return {r.right, r.bottom};
}

Point Win32Backend::ClientToScreen(Handle window, Point point) {
  POINT p{point.x, point.y};
  ::ClientToScreen(H(window), &p);
  return {p.x, p.y};
}

Rect Win32Backend::GetScreenRect(Handle window) {
  RECT r{};
  ::GetWindowRect(H(window), &r);
  return {r.left, r.top, r.right, r.bottom};
}

void Win32Backend::Show(Handle window, bool show) {
  HWND hwnd = H(window);
  const bool child = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
  ShowWindow(hwnd, show ? (child ? SW_SHOW : SW_SHOWNORMAL) : SW_HIDE);
}

void Win32Backend::Enable(Handle window, bool enable) {
  EnableWindow(H(window), enable ? TRUE : FALSE);
}

bool Win32Backend::IsEnabled(Handle window) {
  return IsWindowEnabled(H(window)) != FALSE;
}

bool Win32Backend::IsWindow(Handle window) {
  return ::IsWindow(H(window)) != FALSE;
}

void Win32Backend::SetFont(Handle window, const Font& font) {
  SendMessageA(H(window), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
}

void Win32Backend::SetFocus(Handle window) {
  ::SetFocus(H(window));
}

Handle Win32Backend::GetFocus() {
  HWND focus = ::GetFocus();
  auto it = records_.find(focus);
  if (it != records_.end() && it->second.comboOwner != nullptr) focus = it->second.comboOwner;
  return U(focus);
}

void Win32Backend::SetActiveWindow(Handle window) {
  ::SetActiveWindow(H(window));
}

void Win32Backend::BringToFront(Handle window) {
  BringWindowToTop(H(window));
}

void Win32Backend::Invalidate(Handle window) {
  InvalidateRect(H(window), nullptr, TRUE);
}

void Win32Backend::InvalidateFrame(Handle window) {
  RedrawWindow(H(window), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void Win32Backend::Update(Handle window) {
  UpdateWindow(H(window));
}

void Win32Backend::SetScrollBar(Handle window, const ScrollInfo& info) {
  HWND hwnd = H(window);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = info.min;
  si.nMax = info.visible ? info.max : 0;
  si.nPage = info.visible ? static_cast<UINT>(info.page) : 0;
  si.nPos = info.position;
  SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
  ShowScrollBar(hwnd, SB_VERT, info.visible ? TRUE : FALSE);
}

// --- painting and measuring ---------------------------------------------------------------------

std::unique_ptr<Canvas> Win32Backend::BeginPaint(Handle window) {
  return MakePaintCanvas(*this, H(window));
}

std::unique_ptr<Canvas> Win32Backend::WindowCanvas(Handle window) {
  return MakeWindowCanvas(*this, H(window));
}

std::unique_ptr<Canvas> Win32Backend::DeviceCanvas(std::uintptr_t dc) {
  return std::make_unique<GdiCanvas>(*this, reinterpret_cast<HDC>(dc));
}

std::unique_ptr<Canvas> Win32Backend::ScreenCanvas() {
  return MakeWindowCanvas(*this, nullptr);
}

void Win32Backend::DrawParentBackground(Handle window, Canvas& canvas) {
  HWND hwnd = H(window);
  HWND parent = ::GetParent(hwnd);
  auto* gdi = dynamic_cast<GdiCanvas*>(&canvas);
  if (parent == nullptr || gdi == nullptr || !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return;
  HDC dc = gdi->Dc();
  POINT origin{0, 0};
  MapWindowPoints(hwnd, parent, &origin, 1);
  // The parent draws in its own client coordinates; the clipping keeps it to this window's part.
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  RestoreDC(dc, saved);
}

HFONT Win32Backend::FontHandle(const Font& font) {
  auto it = fonts_.find(font);
  if (it != fonts_.end()) return it->second;
  HFONT handle = CreateFontA(
      font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE,
      font.underline ? TRUE : FALSE, FALSE, static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS,
      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
  fonts_.emplace(font, handle);
  return handle;
}

HBRUSH Win32Backend::Brush(Color color) {
  const COLORREF rgb = ResolveColorRef(color);
  auto it = brushes_.find(rgb);
  if (it != brushes_.end()) return it->second;
  HBRUSH brush = CreateSolidBrush(rgb);
  brushes_.emplace(rgb, brush);
  return brush;
}

Size Win32Backend::TextExtent(const Font& font, std::string_view text) {
  auto canvas = ScreenCanvas();
  canvas->SetFont(font);
  return canvas->TextExtent(text);
}

Color Win32Backend::ResolveColor(Color color) {
  return IsSystemColor(color) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

int Win32Backend::SystemMetric(Metric metric) {
  switch (metric) {
    case Metric::BorderWidth:
      return GetSystemMetrics(SM_CXBORDER);
    case Metric::BorderHeight:
      return GetSystemMetrics(SM_CYBORDER);
    case Metric::VScrollWidth:
      return GetSystemMetrics(SM_CXVSCROLL);
  }
  return 0;
}

Size Win32Backend::CheckBoxGlyphSize() {
  static const Size kSize = [] {
    HBITMAP bitmap = LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_CHECKBOXES));
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return Size{13, 13};
    DeleteObject(bitmap);
    return Size{info.bmWidth / 4, info.bmHeight / 3};
  }();
  return kSize;
}

// --- menus, hints, boxes, the loop --------------------------------------------------------------

Handle Win32Backend::CreateMenu(bool popup) {
  return reinterpret_cast<Handle>(popup ? CreatePopupMenu() : ::CreateMenu());
}

void Win32Backend::AppendMenuItem(Handle menu, std::uint32_t id, const std::string& text,
                                  Handle subMenu, bool separator, bool enabled) {
  UINT flags = separator ? MF_SEPARATOR : MF_STRING;
  if (!enabled) flags |= MF_GRAYED;
  UINT_PTR item = id;
  if (subMenu != 0) {
    flags |= MF_POPUP;
    item = static_cast<UINT_PTR>(subMenu);
  }
  AppendMenuA(reinterpret_cast<HMENU>(menu), flags, item, separator ? nullptr : text.c_str());
}

void Win32Backend::DestroyMenu(Handle menu) {
  ::DestroyMenu(reinterpret_cast<HMENU>(menu));
}

void Win32Backend::SetMenu(Handle window, Handle menu) {
  ::SetMenu(H(window), reinterpret_cast<HMENU>(menu));
  DrawMenuBar(H(window));
}

void Win32Backend::SetHint(Handle form, Handle control, const std::string& hint) {
  HWND owner = H(form);
  HWND& tooltip = tooltips_[owner];
  if (tooltip == nullptr) {
    if (hint.empty()) return;
    tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance_, nullptr);
    SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
    SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, hintShow_);
    SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, hintHide_);
  }
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = static_cast<UINT_PTR>(control);
  SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (hint.empty()) return;
  std::string text = hint;
  tool.lpszText = text.data();
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Backend::SetHintPauses(int showMilliseconds, int hideMilliseconds) {
  hintShow_ = showMilliseconds;
  hintHide_ = hideMilliseconds;
  for (auto& [owner, tooltip] : tooltips_) {
    SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, hintShow_);
    SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, hintHide_);
  }
}

int Win32Backend::MessageBox(const std::string& text, const std::string& caption,
                             std::uint32_t flags) {
  return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
}

void Win32Backend::SetClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    if (void* data = GlobalLock(memory)) {
      std::memcpy(data, text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

std::string Win32Backend::ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE memory = GetClipboardData(CF_TEXT)) {
    if (const auto* data = static_cast<const char*>(GlobalLock(memory))) {
      text = data;
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

void Win32Backend::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

Point Win32Backend::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

Handle Win32Backend::LoadSystemCursor(SystemCursor cursor) {
  const LPCSTR shape = cursor == SystemCursor::Wait ? reinterpret_cast<LPCSTR>(IDC_WAIT)
                                                    : reinterpret_cast<LPCSTR>(IDC_ARROW);
  return reinterpret_cast<Handle>(LoadCursorA(nullptr, shape));
}

Handle Win32Backend::SetCursor(Handle cursor) {
  return reinterpret_cast<Handle>(::SetCursor(reinterpret_cast<HCURSOR>(cursor)));
}

Handle Win32Backend::GetCapture() {
  return U(::GetCapture());
}

ShiftState Win32Backend::KeyboardState() {
  ShiftState state = kShiftNone;
  if (GetKeyState(VK_SHIFT) < 0) state |= kShiftShift;
  if (GetKeyState(VK_CONTROL) < 0) state |= kShiftCtrl;
  if (GetKeyState(VK_MENU) < 0) state |= kShiftAlt;
  return state;
}

Rect Win32Backend::WorkArea() {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

namespace {
std::string LocaleText(LCTYPE type, const char* fallback) {
  char buffer[96] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) <= 0) return fallback;
  return buffer;
}
}  // namespace

std::string Win32Backend::ShortDateFormat() {
  return LocaleText(LOCALE_SSHORTDATE, "dd.MM.yyyy");
}

std::string Win32Backend::LongDateFormat() {
  return LocaleText(LOCALE_SLONGDATE, "d MMMM yyyy");
}

SystemTime Win32Backend::Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return SystemTime::Date(now.wYear, now.wMonth, now.wDay);
}

}  // namespace ornil::ui::win32
