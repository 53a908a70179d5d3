// The About window, its host-disabling hook and the module state behind the two exports.
#include "integration/about_box.h"

#include "host/errors.h"
#include "integration/about_picture.h"
#include "platform/seams.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/messages.h"

ornil::TAboutBoxForm* AboutBox = nullptr;

namespace ornil {

namespace {

// The hook that keeps the host main window disabled, and the About window that installed it:
// only that window removes it, so a replaced window going late cannot take it from its successor.
platform::ScopedHook AboutWindowHook;
const TAboutBoxForm* HookOwner = nullptr;

platform::WindowManager& Windows() {
  platform::WindowManager* windows = platform::Current().windows;
  if (windows == nullptr) throw OrnilError("Оконный менеджер недоступен."_cp);
  return *windows;
}

// The host main window the companion handed over; 0 before it did.
ui::Handle ApplicationWindow() {
  ui::Application* app = ui::Application::Instance();
  return app != nullptr ? app->GetHandle() : 0;
}

void ActivateApplicationWindow() {
  if (const ui::Handle window = ApplicationWindow()) Windows().SetActiveWindow(window);
}

void EnableApplicationWindow() {
  if (const ui::Handle window = ApplicationWindow()) Windows().EnableWindow(window, true);
}

std::intptr_t AboutWindowHookProc(int code, std::uintptr_t wParam, std::intptr_t lParam) {
  platform::Hooks& hooks = *platform::Current().hooks;
  const platform::HookHandle hook = AboutWindowHook.Handle();
  try {
    if (code >= 0 && lParam != 0) {
      const auto& call = *reinterpret_cast<const platform::CallWndProcRecord*>(lParam);
      const ui::Handle application = ApplicationWindow();
      if (call.message == ui::wm::Enable && call.wParam != 0 && application != 0 &&
          call.window == application) {
        Windows().EnableWindow(application, false);
        const std::intptr_t result = hooks.CallNextHook(hook, code, wParam, lParam);
        AboutWindowHook.Reset();
        return result;
      }
    }
  } catch (...) {
    ShowErrorBox(BoundaryMessage("Ошибка в функции ловушки окна \"О программе\". "_cp,
                                 std::current_exception()));
  }
  return hooks.CallNextHook(hook, code, wParam, lParam);
}

template <class T>
T* Put(ui::Control& parent, int left, int top, int width, int height) {
  auto* control = ui::Make<T>(parent.ParentForm());
  control->SetParent(&parent);
  control->SetBounds(left, top, width, height);
  return control;
}

ui::Label* PutLabel(ui::Control& parent, const char* name, int left, int top, int width,
                    int height) {
  auto* label = Put<ui::Label>(parent, left, top, width, height);
  label->SetName(name);
  ui::Font bold = parent.GetFont();
  bold.bold = true;
  label->SetFont(bold);
  return label;
}

}  // namespace

TAboutBoxForm::TAboutBoxForm(ui::Component* owner) : ui::Form(owner) {
  SetName("AboutBox");
  SetText("О Программе"_cp);
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetPosition(ui::FormPosition::OwnerFormCenter);
  const ui::Font font = ui::RussianArial(11);
  SetFont(font);
  SetClientSize(360, 200);
  SetKeyPreview(true);

  Panel1 = Put<ui::Panel>(*this, 8, 8, 344, 152);
  Panel1->SetName("Panel1");
  Panel1->SetBevels(ui::Bevel::Raised, ui::Bevel::Lowered);
  ui::Font bold = font;
  bold.bold = true;
  Panel1->SetFont(bold);

  ProgramIcon = Put<ui::Image>(*Panel1, 12, 12, 65, 57);
  ProgramIcon->SetName("ProgramIcon");
  ProgramPicture picture = DrawProgramPicture();
  ProgramIcon->SetPicture(picture.width, picture.height, std::move(picture.pixels));
  ProgramIcon->SetCenter(true);
  ProgramIcon->SetStretch(true);
  ProgramIcon->SetTransparent(true);

  ProductName = PutLabel(*Panel1, "ProductName", 88, 12, 244, 57);
  ProductName->SetAutoSize(false);
  ProductName->SetAlignment(ui::Alignment::Center);
  ProductName->SetLayout(ui::Layout::Center);
  // The caller's text may be longer than one line of the fixed box.
  ProductName->SetWordWrap(true);
  ProductName->SetText("Product Name");

  Copyright = PutLabel(*Panel1, "Copyright", 12, 84, 320, 14);
  Copyright->SetText("© Разработчики Ornil, 2024. Все права защищены."_cp);
  Comments = PutLabel(*Panel1, "Comments", 12, 106, 320, 36);
  Comments->SetAutoSize(false);
  Comments->SetWordWrap(true);
  Comments->SetText("Вопросы и предложения: ornil@example.ru"_cp);

  OKButton = Put<ui::BitButton>(*this, 142, 168, 76, 25);
  OKButton->SetName("OKButton");
  OKButton->SetKind(ui::BitButtonKind::Ok);
  OKButton->SetText("OK");
  OKButton->SetCancel(true);
  OKButton->SetTabStop(true);
  OKButton->OnClick = [this](ui::Component& sender) { OKButtonClick(sender); };

  OnClose = [this](ui::Form& sender, ui::CloseAction& action) { FormClose(sender, action); };
  OnDestroy = [this](ui::Component& sender) { FormDestroy(sender); };
  OnKeyPress = [this](ui::Component& sender, char& key) { FormKeyPress(sender, key); };
  SetActiveControl(OKButton);
  FormCreate();
}

TAboutBoxForm::~TAboutBoxForm() {
  // However its destruction went, the exported pointer never outlives the window.
  if (AboutBox == this) AboutBox = nullptr;
  if (HookOwner == this) {
    AboutWindowHook.Reset();
    HookOwner = nullptr;
  }
}

void TAboutBoxForm::FormCreate() {
  Boundary("Ошибка во время создания окна \"О программе\". "_cp, [this] {
    platform::WindowManager& windows = Windows();
    DisabledWindows.DisableThreadWindowsExcept(windows, GetHandle());
    AboutWindowHook.Reset();
    HookOwner = this;
    if (!AboutWindowHook.Install(*platform::Current().hooks, platform::HookKind::CallWndProc,
                                 &AboutWindowHookProc, windows.WindowThreadId(GetHandle())))
      throw OrnilError("Не удалось установить ловушку окна."_cp);
  });
}

void TAboutBoxForm::FormClose(ui::Form&, ui::CloseAction& action) {
  Boundary("Ошибка во время закрытия окна \"О программе\". "_cp, [&] {
    action = ui::CloseAction::Free;
    ActivateApplicationWindow();
  });
}

void TAboutBoxForm::FormDestroy(ui::Component&) {
  // A window replaced while it was busy goes after its successor came: the host's windows and
  // the hook are the successor's then, and the windows it re-enables its successor's hook
  // disables again.
  const bool current = HookOwner == this;
  Boundary("Ошибка во время разрушения окна \"О программе\". "_cp, [&] {
    try {
      if (current) ActivateApplicationWindow();
      if (current) {
        AboutWindowHook.Reset();
        HookOwner = nullptr;
      }
      DisabledWindows.EnableAll();
      if (current) {
        EnableApplicationWindow();
        ActivateApplicationWindow();
      }
      if (AboutBox == this) AboutBox = nullptr;
    } catch (...) {
      if (current) {
        EnableApplicationWindow();
        ActivateApplicationWindow();
      }
      throw;
    }
  });
}

void TAboutBoxForm::FormKeyPress(ui::Component&, char& key) {
  Boundary("Ошибка во время обработки нажатия клавиши в окне\"О программе\". "_cp, [&] {
    if (key == '\t') key = 0;
  });
}

void TAboutBoxForm::OKButtonClick(ui::Component&) {
  Close();
}

void ViewAboutProg(const char* text) {
  DestroyAboutWindow();
  ui::Application* app = ui::Application::Instance();
  if (app == nullptr) throw OrnilError("Объект приложения не создан."_cp);
  AboutBox = ui::Make<TAboutBoxForm>(app);
  AboutBox->ProductName->SetText(text != nullptr ? text : "");
  AboutBox->Show();
}

void DestroyAboutWindow() noexcept {
  try {
    // Freed now unless one of its messages is being handled, then as soon as that returns.
    if (AboutBox != nullptr) AboutBox->Free();
  } catch (...) {
  }
  AboutBox = nullptr;
}

}  // namespace ornil
