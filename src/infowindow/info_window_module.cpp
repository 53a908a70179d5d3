// Opening, destroying and querying the one info window, and the module's start and end.
#include "infowindow/info_window_module.h"

#include "host/errors.h"
#include "infowindow/ornil_window.h"
#include "integration/options_file.h"
#include "platform/seams.h"
#include "text/cp1251.h"
#include "text/number_format.h"
#include "ui/application.h"
#include "ui/cursor.h"

ornil::TOrnilWindow* AliveInfoWindow = nullptr;

namespace ornil {

namespace {

struct InfoWindowModule {
  TOrnilWindow* window = nullptr;
  InfoWindowOptions options;
};

InfoWindowModule& Module() {
  static InfoWindowModule module;
  return module;
}

// Drawing of the host's main window stays locked while the window is built, and is unlocked on
// every way out.
class HostDrawingLock {
 public:
  HostDrawingLock() = default;
  HostDrawingLock(const HostDrawingLock&) = delete;
  HostDrawingLock& operator=(const HostDrawingLock&) = delete;
  ~HostDrawingLock() {
    if (locked_) Windows()->LockWindowUpdate(0);
  }
  void Lock() {
    if (Windows() == nullptr) return;
    Windows()->LockWindowUpdate(HostMainWindow());
    locked_ = true;
  }

 private:
  static platform::WindowManager* Windows() { return platform::Current().windows; }
  bool locked_ = false;
};

// The caller's section of the options file, when there is one; otherwise the options stay.
void ReadOptions(const char* section) {
  const TIniFile* file = OptionsFile();
  if (file == nullptr || section == nullptr || !file->SectionExists(section)) return;
  InfoWindowOptions& o = Options();
  o.SelectObjectOption = file->ReadBool(section, "select object", true);
  o.FindValueOption = file->ReadBool(section, "find value", true);
  o.FieldsCountOption = file->ReadInteger(section, "fields count", 0);
}

// Builds the rows; each step runs only when the one before succeeded. The window opens with
// whatever was built.
void BuildWindow(TOrnilWindow& window) {
  window.SetBorderStyle(ui::BorderStyle::SizeToolWin);
  if (!window.CreateAdditionalWindow()) return;
  if (!window.TakeParametersInfoFields()) return;
  window.CreateInfoFields();
}

}  // namespace

void InitializeInfoWindowModule() {
  Boundary("Ошибка во время инициализации в модуле \"OrnilWindowUnit\". "_cp,
           [] { text::SetDecimalSeparator('.'); });
}

void FinalizeInfoWindowModule() {
  Boundary("Ошибка во время финализации в модуле \"OrnilWindowUnit\". "_cp, [] {
    if (auto* app = ui::Application::Instance()) app->SetHandle(0);
    DestroyOrnilWindow();
    Module().options = {};
  });
}

TOrnilWindow*& OrnilWindow() {
  return Module().window;
}

TOrnilWindow* AliveOrnilWindow() {
  return ::AliveInfoWindow;
}

void SetAliveOrnilWindow(TOrnilWindow* window) {
  ::AliveInfoWindow = window;
}

InfoWindowOptions& Options() {
  return Module().options;
}

void ViewOrnilWindow(std::int16_t x, std::int16_t y, const char* table, std::int32_t rowId,
                     std::int32_t mapWindowId, std::uint32_t instance, HConv mapInfoConv,
                     HConv applicationConv, const char* section) {
  ui::WaitCursor wait;
  if (rowId < 1 || table == nullptr || *table == '\0' || instance == 0 || mapInfoConv == 0 ||
      applicationConv == 0) {
    throw OrnilError("В процедуру не передан один из параметров."_cp);
  }
  HostDrawingLock drawing;
  if (TOrnilWindow* old = AliveOrnilWindow()) old->Hide();
  drawing.Lock();
  DestroyOrnilWindow();

  auto* window =
      ui::Make<TOrnilWindow>(ui::Application::Instance(), instance, mapInfoConv, applicationConv);
  OrnilWindow() = window;
  wait.Show();
  window->MapWindowId = mapWindowId;
  window->TableName = table;
  window->RowId = rowId;
  window->SetText(Cat("Информация об объекте из таблицы '"_cp, window->TableName, "'"));
  ReadOptions(section);
  BuildWindow(*window);
  window->PlaceNearPoint(x, y);
}

void DestroyOrnilWindow() {
  try {
    if (TOrnilWindow* window = AliveOrnilWindow()) window->Free();
  } catch (...) {
    // The window is given up on; the next opening starts afresh.
  }
  OrnilWindow() = nullptr;
}

bool IsOrnilWindowOpened() {
  const TOrnilWindow* window = AliveOrnilWindow();
  return window != nullptr && window->Showing();
}

bool IsFindingStarted() {
  const TOrnilWindow* window = AliveOrnilWindow();
  return window != nullptr && window->FindingStarted;
}

bool IsSavingStarted() {
  const TOrnilWindow* window = AliveOrnilWindow();
  return window != nullptr && window->SavingStarted;
}

void SetApplicationWindowHandle(std::uintptr_t window) {
  if (auto* app = ui::Application::Instance()) app->SetHandle(window);
}

std::int32_t GetCurrentAdditionalWindow() {
  const TOrnilWindow* window = AliveOrnilWindow();
  return window != nullptr ? window->AdditionalWindowId : 0;
}

}  // namespace ornil
