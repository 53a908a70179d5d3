// Screenshots of the demo's steps, checked.
#include "platform/win32/win32_api.h"

#include "demo/win32/screen_stage.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "ui/png_writer.h"
#include "ui/win32/screenshot.h"

namespace ornil::demo {

namespace {

HWND Hwnd(platform::WindowHandle w) {
  return reinterpret_cast<HWND>(w);
}

// Some point of the window shows the window itself (or one of its children), not another one.
bool ShowsOnTop(HWND window, const RECT& r) {
  const HWND root = GetAncestor(window, GA_ROOT);
  const LONG w = r.right - r.left, h = r.bottom - r.top;
  const POINT probes[] = {
      {r.left + w / 2, r.top + h / 2},         {r.left + w / 4, r.top + h / 4},
      {r.left + 3 * w / 4, r.top + h / 4},     {r.left + w / 4, r.top + 3 * h / 4},
      {r.left + 3 * w / 4, r.top + 3 * h / 4}, {r.left + 8, r.top + 8}};
  for (const POINT& p : probes) {
    const HWND under = WindowFromPoint(p);
    if (under == window || (under != nullptr && GetAncestor(under, GA_ROOT) == root)) return true;
  }
  return false;
}

bool OwnedBy(HWND window, HWND owner) {
  for (HWND w = GetWindow(window, GW_OWNER); w != nullptr; w = GetWindow(w, GW_OWNER))
    if (w == owner) return true;
  return false;
}

// Windows keeps owned windows above their owner; Wine without a window manager can let the
// owner come up over them when it is enabled again. Puts them back, keeping their order, and the
// step's window on top.
void RestoreOwnedOrder(HWND mainWindow, HWND stepWindow) {
  std::vector<HWND> owned;  // top first
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
    if (IsWindowVisible(w) && OwnedBy(w, mainWindow)) owned.push_back(w);
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  for (auto w = owned.rbegin(); w != owned.rend(); ++w)
    SetWindowPos(*w, HWND_TOP, 0, 0, 0, 0, keep);
  const HWND step = GetAncestor(stepWindow, GA_ROOT);
  if (step != mainWindow && step != nullptr) SetWindowPos(step, HWND_TOP, 0, 0, 0, 0, keep);
}

std::size_t Colours(const ui::win32::ScreenPixels& shot) {
  std::set<std::uint32_t> seen;
  for (std::uint32_t p : shot.pixels) {
    seen.insert(p);
    if (seen.size() > 16) break;
  }
  return seen.size();
}

}  // namespace

ScreenStage::ScreenStage(platform::WindowHandle mainWindow, std::string folder)
    : mainWindow_(mainWindow), folder_(std::move(folder)) {}

void ScreenStage::Show(const std::string& step, const std::string& title,
                       platform::WindowHandle window) {
  const int number = ++shown_;
  char numbered[80];
  std::snprintf(numbered, sizeof numbered, "%02d_%s", number, step.c_str());
  const std::string name = numbered;
  std::printf("step %d: %s\n", number, title.c_str());
  std::fflush(stdout);
  // What the user sees: every window of the session painted, the step's on top of the others.
  RestoreOwnedOrder(Hwnd(mainWindow_), Hwnd(window));
  ui::win32::RepaintNow(mainWindow_);
  if (window != mainWindow_) ui::win32::RepaintNow(window);
  Sleep(150);
  ui::win32::RepaintNow(window);

  auto fail = [&](const std::string& why) {
    failures_.push_back("step " + std::to_string(number) + " (" + name + "): " + why);
    std::printf("  FAILED: %s\n", why.c_str());
  };
  RECT main{}, shown{};
  GetWindowRect(Hwnd(mainWindow_), &main);
  if (!IsWindow(Hwnd(window)) || !IsWindowVisible(Hwnd(window)) ||
      !GetWindowRect(Hwnd(window), &shown)) {
    fail("its window is not on the screen");
    shown = main;
  }
  RECT area{};
  UnionRect(&area, &main, &shown);
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, GetSystemMetrics(SM_CXSCREEN));
  area.bottom = std::min<LONG>(area.bottom, GetSystemMetrics(SM_CYSCREEN));
  if (!ShowsOnTop(Hwnd(window), shown)) {
    char itsClass[64] = "", overClass[64] = "";
    GetClassNameA(Hwnd(window), itsClass, sizeof itsClass);
    const POINT centre{(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2};
    GetClassNameA(GetAncestor(WindowFromPoint(centre), GA_ROOT), overClass, sizeof overClass);
    fail(std::string("its window (") + itsClass + ") is hidden under another (" + overClass + ")");
  }

  ui::win32::ScreenPixels shot;
  if (!ui::win32::CaptureScreen({area.left, area.top, area.right, area.bottom}, shot)) {
    fail("the screen could not be copied");
    return;
  }
  if (Colours(shot) < 2) fail("the screenshot is of one colour");
  const std::string path = folder_ + "/" + name + ".png";
  if (!ui::WritePngFile(path, shot.width, shot.height, shot.pixels)) {
    fail("cannot write " + path);
    return;
  }
  pictures_.push_back(path);
}

}  // namespace ornil::demo
