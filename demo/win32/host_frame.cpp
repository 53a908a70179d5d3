// MapInfo's windows for the demo, drawn with GDI.
#include "demo/win32/host_frame.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "text/cp1251.h"
#include "ui/win32/gdi_objects.h"

namespace ornil::demo {

namespace {

constexpr const char* kFrameClass = "OrnilDemoMapInfoFrame";
constexpr const char* kDocumentsClass = "OrnilDemoDocuments";
constexpr const char* kMapClass = "MapInfoMapper";
constexpr const char* kBrowserClass = "MapInfoBrowser";
constexpr const char* kPadClass = "OrnilDemoButtonPad";
constexpr int kFrameWidth = 1000, kFrameHeight = 720;
constexpr int kPadButton = 26;
constexpr UINT kFirstMenuCommand = 1000;

using ui::win32::GdiObject;
using ui::win32::SelectedObject;

void RegisterClass(const char* name, HBRUSH background) {
  WNDCLASSA c{};
  c.style = CS_HREDRAW | CS_VREDRAW;
  c.lpfnWndProc = DefWindowProcA;
  c.hInstance = GetModuleHandleA(nullptr);
  c.hCursor = LoadCursor(nullptr, IDC_ARROW);
  c.hbrBackground = background;
  c.lpszClassName = name;
  RegisterClassA(&c);
}

void Text(HDC dc, int x, int y, const std::string& text) {
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

// Parcels in warm colours, other layers (the districts) in pale ones.
COLORREF Fill(int layer, int row) {
  static const COLORREF pale[] = {RGB(214, 234, 200), RGB(200, 222, 240), RGB(240, 228, 196)};
  static const COLORREF warm[] = {RGB(244, 164, 96), RGB(238, 130, 98), RGB(250, 200, 90),
                                  RGB(222, 150, 140), RGB(246, 186, 120)};
  return layer == 0 ? warm[(row - 1) % 5] : pale[(row - 1) % 3];
}

}  // namespace

HostFrame::HostFrame(sim::MapInfoHost& host, sim::Companion& companion)
    : host_(host), companion_(companion) {
  RegisterClass(kFrameClass, GetSysColorBrush(COLOR_APPWORKSPACE));
  RegisterClass(kDocumentsClass, GetSysColorBrush(COLOR_APPWORKSPACE));
  RegisterClass(kMapClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RegisterClass(kBrowserClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RegisterClass(kPadClass, GetSysColorBrush(COLOR_BTNFACE));
  font_ = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, RUSSIAN_CHARSET, 0, 0, 0, 0, "Arial");
  const HINSTANCE module = GetModuleHandleA(nullptr);
  frame_ = CreateWindowExA(0, kFrameClass, "MapInfo Professional", WS_OVERLAPPEDWINDOW, 0, 0,
                           kFrameWidth, kFrameHeight, nullptr, nullptr, module, nullptr);
  documents_ = CreateWindowExA(WS_EX_CLIENTEDGE, kDocumentsClass, "",
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10, frame_,
                               nullptr, module, nullptr);
  pad_ = CreateWindowExA(WS_EX_TOOLWINDOW, kPadClass, "Ornil", WS_POPUP | WS_CAPTION, 0, 0,
                         3 * kPadButton + 16, kPadButton + 30, frame_, nullptr, module, nullptr);
  for (HWND w : {frame_, documents_, pad_}) {
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  }
  Refresh();
  Layout();
  ShowWindow(frame_, SW_SHOW);
  UpdateWindow(frame_);
}

HostFrame::~HostFrame() {
  if (IsWindow(frame_)) DestroyWindow(frame_);
  if (menuBar_ != nullptr) DestroyMenu(menuBar_);
  DeleteObject(font_);
}

void HostFrame::Layout() {
  RECT client{};
  GetClientRect(frame_, &client);
  MoveWindow(documents_, 0, 0, client.right, client.bottom, TRUE);
  RECT outer{};
  GetWindowRect(frame_, &outer);
  RECT pad{};
  GetWindowRect(pad_, &pad);
  SetWindowPos(pad_, nullptr, outer.right - (pad.right - pad.left) - 24, outer.top + 70, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::WindowHandle HostFrame::OpenDocument(const sim::mb::HostWindow& window) {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  const char* className = window.type == sim::mb::kMapWindow ? kMapClass : kBrowserClass;
  const bool floating =
      window.style == sim::mb::kStylePopup || window.style == sim::mb::kStylePopupFullCaption;
  // Places and sizes are in inches from the client area the window belongs to. The library's
  // helper map asks for a place far off the screen, so it is never seen, as in MapInfo.
  const int offset = floating ? 0 : 24 * (cascade_++ % 6);
  const int left = sim::mb::PixelsOf(window.x, floating ? 380 : 12 + offset);
  const int top = sim::mb::PixelsOf(window.y, floating ? 160 : 12 + offset);
  const int width = sim::mb::PixelsOf(window.width, window.type == sim::mb::kMapWindow ? 620 : 520);
  const int height = sim::mb::PixelsOf(window.height, floating ? 300 : 420);
  HWND w = nullptr;
  if (floating) {
    POINT origin{0, 0};
    ClientToScreen(frame_, &origin);
    HWND owner = window.parent != 0 ? reinterpret_cast<HWND>(window.parent) : frame_;
    w = CreateWindowExA(WS_EX_TOOLWINDOW, className, window.title.c_str(),
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, origin.x + left,
                        origin.y + top, width, height, owner, nullptr, module, nullptr);
  } else {
    const bool child = window.style == sim::mb::kStyleChild && window.parent != 0;
    w = CreateWindowExA(0, className, window.title.c_str(),
                        WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPSIBLINGS, left,
                        top, width, height,
                        child ? reinterpret_cast<HWND>(window.parent) : documents_, nullptr, module,
                        nullptr);
  }
  SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  ShowWindow(w, SW_SHOWNOACTIVATE);
  return Handle(w);
}

void HostFrame::CloseDocument(const sim::mb::HostWindow& window) {
  HWND w = reinterpret_cast<HWND>(window.handle);
  if (IsWindow(w)) DestroyWindow(w);
}

const sim::mb::HostWindow* HostFrame::Document(HWND window) {
  for (const auto& w : host_.Workspace().Windows())
    if (w.handle == Handle(window)) return &w;
  return nullptr;
}

POINT HostFrame::View::ToClient(double x, double y) const {
  return {originX + static_cast<LONG>((x - left) * scale),
          originY + static_cast<LONG>((top - y) * scale)};
}

HostFrame::View HostFrame::MapView(const RECT& client, const sim::mb::HostWindow& window) {
  double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
  for (const auto& layer : window.layers) {
    const sim::mb::Table* t = host_.FindTable(layer);
    if (t == nullptr) continue;
    for (const auto& [row, box] : t->objects) {
      x1 = std::min(x1, box.x1), y1 = std::min(y1, box.y1);
      x2 = std::max(x2, box.x2), y2 = std::max(y2, box.y2);
    }
  }
  View v;
  if (x2 <= x1 || y2 <= y1) return v;
  const double margin = 0.08;
  const double w = (x2 - x1) * (1 + 2 * margin), h = (y2 - y1) * (1 + 2 * margin);
  v.scale = std::min(client.right / w, client.bottom / h);
  v.left = x1 - (x2 - x1) * margin;
  v.top = y2 + (y2 - y1) * margin;
  v.originX = static_cast<int>((client.right - w * v.scale) / 2);
  v.originY = static_cast<int>((client.bottom - h * v.scale) / 2);
  return v;
}

platform::ScreenPoint HostFrame::MapPointOnScreen(int mapWindowId, double x, double y) {
  const sim::mb::HostWindow* w = host_.Workspace().FindWindow(mapWindowId);
  if (w == nullptr) return {};
  HWND window = reinterpret_cast<HWND>(w->handle);
  RECT client{};
  GetClientRect(window, &client);
  POINT p = MapView(client, *w).ToClient(x, y);
  ClientToScreen(window, &p);
  return {p.x, p.y};
}

void HostFrame::MoveMouse(platform::ScreenPoint at) {
  SetCursorPos(at.x, at.y);
}

void HostFrame::PaintMap(HDC dc, const RECT& client, const sim::mb::HostWindow& window) {
  const View view = MapView(client, window);
  SetBkMode(dc, TRANSPARENT);
  // The bottom layer first.
  for (int layer = static_cast<int>(window.layers.size()) - 1; layer >= 0; --layer) {
    const sim::mb::Table* t = host_.FindTable(window.layers[layer]);
    if (t == nullptr) continue;
    for (const auto& [row, box] : t->objects) {
      GdiObject brush{CreateSolidBrush(Fill(layer, row))};
      GdiObject pen{CreatePen(PS_SOLID, layer == 0 ? 2 : 1, RGB(90, 90, 90))};
      SelectedObject b(dc, brush.object), p(dc, pen.object);
      const POINT a = view.ToClient(box.x1, box.y2), z = view.ToClient(box.x2, box.y1);
      Rectangle(dc, a.x, a.y, z.x, z.y);
      // The label: the row's second column (a parcel's number, a district's name).
      if (t->ColumnCount() > 1 && t->HasRow(row)) {
        const std::string label = sim::mb::ToText(t->Cell(row, 1));
        SetTextColor(dc, layer == 0 ? RGB(60, 30, 0) : RGB(80, 100, 120));
        Text(dc, a.x + 4, layer == 0 ? a.y + 4 : z.y - 18, label);
      }
    }
  }
}

void HostFrame::PaintBrowser(HDC dc, const RECT& client, const sim::mb::HostWindow& window) {
  sim::mb::Table* t = host_.Workspace().Find(window.table);
  if (t == nullptr) return;
  // A browser of chosen columns names them; the others are not shown.
  const int columns = window.captions.empty()
                          ? t->ColumnCount()
                          : std::min<int>(t->ColumnCount(), window.captions.size());
  const int rowHeight = 20,
            columnWidth = std::max(80, static_cast<int>(client.right) / std::max(1, columns));
  // The selected rows: those of the selection's base table that the browsed rows show.
  std::set<int> selected;
  const sim::mb::Table* selection = host_.Workspace().PeekSelection();
  const sim::mb::Table* base = t->Base() != nullptr ? t->Base() : t;
  if (selection != nullptr &&
      (selection->Base() != nullptr ? selection->Base() : selection) == base) {
    for (int r = 1; r <= selection->RowCount(); ++r)
      selected.insert(selection->BaseRowOf(r));
  }
  GdiObject header{CreateSolidBrush(GetSysColor(COLOR_BTNFACE))};
  RECT top{0, 0, client.right, rowHeight};
  FillRect(dc, &top, static_cast<HBRUSH>(header.object));
  GdiObject current{CreateSolidBrush(RGB(204, 226, 255))};
  SetBkMode(dc, TRANSPARENT);
  for (int c = 0; c < columns; ++c) {
    const std::string caption =
        c < static_cast<int>(window.captions.size()) ? window.captions[c] : t->ColumnAt(c).name;
    Text(dc, c * columnWidth + 4, 3, caption);
  }
  for (int row = 1; row <= t->RowCount(); ++row) {
    const int y = row * rowHeight;
    if (selected.count(t->BaseRowOf(row)) != 0) {
      RECT line{0, y, client.right, y + rowHeight};
      FillRect(dc, &line, static_cast<HBRUSH>(current.object));
    }
    for (int c = 0; c < columns; ++c)
      Text(dc, c * columnWidth + 4, y + 3, sim::mb::ToText(t->Cell(row, c)));
  }
  GdiObject grid{CreatePen(PS_SOLID, 1, RGB(192, 192, 192))};
  SelectedObject p(dc, grid.object);
  for (int row = 1; row <= t->RowCount() + 1; ++row) {
    MoveToEx(dc, 0, row * rowHeight, nullptr);
    LineTo(dc, client.right, row * rowHeight);
  }
  for (int c = 1; c <= columns; ++c) {
    MoveToEx(dc, c * columnWidth, 0, nullptr);
    LineTo(dc, c * columnWidth, (t->RowCount() + 1) * rowHeight);
  }
}

// The pad's buttons: the map tool (chosen) and the two value-list commands.
void HostFrame::PaintPad(HDC dc, const RECT&) {
  if (!companion_.Loaded()) return;
  const auto& pads = companion_.Program().Runtime().Ui().ButtonPads();
  if (pads.empty()) return;
  static const char* glyphs[] = {"i", "=", "+"};
  SetBkMode(dc, TRANSPARENT);
  int x = 4;
  for (std::size_t i = 0; i < pads[0].buttons.size() && i < 3; ++i) {
    const auto& b = pads[0].buttons[i];
    RECT r{x, 4, x + kPadButton, 4 + kPadButton};
    DrawEdge(dc, &r, i == 0 ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    SetTextColor(dc, b.enabled ? RGB(0, 0, 160) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, glyphs[i], 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    x += kPadButton + 4;
  }
}

void HostFrame::BuildMenuBar() {
  HMENU bar = CreateMenu();
  for (const char* own :
       {"Файл"_cp, "Правка"_cp, "Сервис"_cp, "Запрос"_cp, "Таблица"_cp, "Карта"_cp, "Окно"_cp})
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), own);
  static const sim::mb::ProgramUi none;
  const auto& ui = companion_.Loaded() ? companion_.Program().Runtime().Ui() : none;
  UINT command = kFirstMenuCommand;
  for (const auto& name : ui.MenuBar()) {
    HMENU popup = CreatePopupMenu();
    for (const auto& menu : ui.Menus()) {
      if (menu.name != name) continue;
      for (const auto& item : menu.items) {
        if (item.separator) {
          AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        } else {
          AppendMenuA(popup, MF_STRING | (item.enabled ? 0 : MF_GRAYED), command++,
                      item.text.c_str());
        }
      }
    }
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), name.c_str());
  }
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "Справка"_cp);
  SetMenu(frame_, bar);
  if (menuBar_ != nullptr) DestroyMenu(menuBar_);
  menuBar_ = bar;
}

void HostFrame::Refresh() {
  BuildMenuBar();
  const bool padShown = companion_.Loaded() && companion_.Program().Running() &&
                        !companion_.Program().Runtime().Ui().ButtonPads().empty() &&
                        companion_.Program().Runtime().Ui().ButtonPads()[0].shown;
  ShowWindow(pad_, padShown ? SW_SHOWNOACTIVATE : SW_HIDE);
  RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  for (const auto& w : host_.Workspace().Windows())
    InvalidateRect(reinterpret_cast<HWND>(w.handle), nullptr, TRUE);
  InvalidateRect(pad_, nullptr, TRUE);
  DrawMenuBar(frame_);
}

LRESULT CALLBACK HostFrame::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<HostFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return self->OnMessage(window, message, wParam, lParam);
}

LRESULT HostFrame::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (window == frame_) Layout();
      break;
    case WM_CLOSE:
      // The demo's user closes nothing of MapInfo's by hand.
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT client{};
      GetClientRect(window, &client);
      {
        SelectedObject f(dc, font_);
        if (window == pad_) {
          PaintPad(dc, client);
        } else if (const sim::mb::HostWindow* doc = Document(window)) {
          if (doc->type == sim::mb::kMapWindow) {
            PaintMap(dc, client, *doc);
          } else {
            PaintBrowser(dc, client, *doc);
          }
        }
      }
      EndPaint(window, &ps);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace ornil::demo
