// The info window's life: its form, construction, creation of its buttons, closing, destruction,
// and the window-level messages it handles itself.
#include "infowindow/ornil_window.h"

#include "host/error_reporting.h"
#include "host/errors.h"
#include "infowindow/info_window_module.h"
#include "infowindow/window_geometry.h"
#include "platform/seams.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/messages.h"

namespace ornil {

namespace {

platform::WindowManager* Windows() {
  return platform::Current().windows;
}

void ActivateHostMainWindow() {
  if (Windows() != nullptr && HostMainWindow() != 0) Windows()->SetActiveWindow(HostMainWindow());
}

TBorderBitBtn* MakeButton(TOrnilWindow& window, int left, const char* hint, int tabOrder,
                          ui::BitButtonKind kind) {
  auto* button = ui::Make<TBorderBitBtn>(&window);
  button->SetParent(&window);
  button->SetAnchors(ui::kAnchorRight | ui::kAnchorBottom);
  button->SetBounds(left, 249, 28, 28);
  button->SetHint(hint);
  button->SetTabOrder(tabOrder);
  button->OnKeyPress = [&window](ui::Component& sender, char& key) {
    window.AllKeyPress(sender, key);
  };
  button->SetKind(kind);
  button->SetText("");
  return button;
}

}  // namespace

platform::WindowHandle HostMainWindow() {
  const ui::Application* app = ui::Application::Instance();
  return app != nullptr ? app->GetHandle() : 0;
}

TOrnilWindow::TOrnilWindow(ui::Component* owner) : TOrnilWindow(owner, 0, 0, 0) {}

TOrnilWindow::TOrnilWindow(ui::Component* owner, std::uint32_t instance, HConv mapInfoConv,
                           HConv applicationConv)
    : ui::Form(owner) {
  // The form as designed.
  SetName("OrnilWindow");
  SetText("OrnilWindow");
  SetBorderIcons(ui::kBorderIconSystemMenu | ui::kBorderIconMinimize);
  SetBorderStyle(ui::BorderStyle::ToolWindow);
  SetFont(ui::RussianArial(11));
  SetKeyPreview(true);
  SetBounds(293, 154, Width(), Height());
  SetClientSize(446, 281);
  ScrollBox = ui::Make<ui::ScrollBox>(this);
  ScrollBox->SetName("ScrollBox");
  ScrollBox->SetParent(this);
  ScrollBox->SetBordered(false);
  ScrollBox->SetBounds(4, 4, 438, 241);
  ScrollBox->SetAnchors(ui::kAnchorsAll);
  SetActiveControl(ScrollBox);
  OnClose = [this](ui::Form& sender, ui::CloseAction& action) { FormClose(sender, action); };
  OnDestroy = [this](ui::Component& sender) { FormDestroy(sender); };
  OnKeyPress = [this](ui::Component& sender, char& key) { AllKeyPress(sender, key); };
  FormCreate();

  Boundary("Произошла ошибка в конструкторе класса TOrnilWindow. "_cp, [&] {
    SetAliveOrnilWindow(this);
    MapInfo.SetConversations(mapInfoConv, applicationConv, instance);
    ValueListWindowProc = [this](platform::WindowHandle window, std::uint32_t message,
                                 std::uintptr_t wParam, std::intptr_t lParam,
                                 const platform::WindowProcedure& previous) {
      return ValueListWindowMessage(window, message, wParam, lParam, previous);
    };
    MapInfo.ExecuteMapBasic(
        Cat("Dim ", "~CurrentRowId~", " as Integer Dim ", "~CurrentTableName~", " as String"));
  });
}

void TOrnilWindow::FormCreate() {
  Boundary("Ошибка во время создания информационного окна. "_cp, [&] {
    ButtonSave = MakeButton(*this, 380, "Сохранить изменённые значения в таблице"_cp, 0,
                            ui::BitButtonKind::Ok);
    ButtonSave->OnClick = [this](ui::Component& sender) { ButtonSaveClick(sender); };
    ButtonClose = MakeButton(*this, 414, "Отменить изменение значений и закрыть окно"_cp, 1,
                             ui::BitButtonKind::Cancel);
    ButtonClose->OnClick = [this](ui::Component& sender) { ButtonCloseClick(sender); };
    EditValueWindow = ui::Make<TEditValueWindow>(this);
    EditValueWindow->OnClose = [this](ui::Form& sender, ui::CloseAction& action) {
      EditValueWindowClose(sender, action);
    };
    EditValueWindow->OkButton->OnClick = [this](ui::Component&) {
      EditValueOkClick(*EditValueWindow);
    };
    ui::Constraints limits = GetConstraints();
    limits.minWidth = Width() / 2;
    SetConstraints(limits);
    ScrollBox->SetDoubleBuffered(true);
  });
}

TOrnilWindow::~TOrnilWindow() {
  Boundary("Произошла ошибка в деструкторе класса TOrnilWindow. "_cp, [&] {
    if (AliveOrnilWindow() == this) SetAliveOrnilWindow(nullptr);
    ActivateHostMainWindow();

    Boundary("Ошибка во время уничтожения переменных в среде MapInfo. "_cp, [&] {
      PrintErrorsOff quiet;
      MapInfo.ExecuteMapBasic(Cat("UnDim ", "~CurrentRowId~", " UnDim ", "~CurrentTableName~"));
    });

    if (Windows() != nullptr &&
        Windows()->IsWindow(static_cast<platform::WindowHandle>(
            static_cast<std::uint32_t>(AdditionalWindowHandle))) &&
        AdditionalWindowId != 0) {
      const auto handle =
          static_cast<platform::WindowHandle>(static_cast<std::uint32_t>(AdditionalWindowHandle));
      try {
        if (MapInfo.ExecuteMapBasic(Cat("Close Window ", std::to_string(AdditionalWindowId))))
          AdditionalWindowId = 0;
      } catch (...) {
        ShowErrorBox(BoundaryMessage("Ошибка во время закрытия окна вспомогательной карты. "_cp,
                                     std::current_exception()));
        Windows()->Send(handle, ui::wm::Close, 0, 0);
      }
    }

    if (Windows() != nullptr && Windows()->IsWindow(ValueListWindow)) {
      try {
        Windows()->Send(ValueListWindow, ui::wm::Close, 0, 0);
      } catch (...) {
        ShowErrorBox(BoundaryMessage("Ошибка во время закрытия окна списка значений. "_cp,
                                     std::current_exception()));
        Windows()->Send(ValueListWindow, ui::wm::Close, 0, 0);
      }
    }

    Fields.clear();
    ValueListHook.Reset();
    ValueListTakeover.reset();
    if (!ExpressionSelection.empty()) {
      MapInfo.CloseTable2(ExpressionSelection);
      ExpressionSelection.clear();
    }
  });
}

void TOrnilWindow::CreateParams(ui::CreateParams& params) {
  ui::Form::CreateParams(params);
  params.style |= ui::ws::Popup | ui::ws::DlgFrame;
}

void TOrnilWindow::FormClose(ui::Form&, ui::CloseAction& action) {
  Boundary("Произошла ошибка во время закрытия информационного окна. "_cp, [&] {
    action = ui::CloseAction::Free;
    Hide();
    ActivateHostMainWindow();
    if (Windows() != nullptr && HostMainWindow() != 0 &&
        !Windows()->IsWindowEnabled(HostMainWindow())) {
      Windows()->EnableWindow(HostMainWindow(), true);
    }
  });
}

void TOrnilWindow::FormDestroy(ui::Component&) {
  Boundary("Произошла ошибка во время уничтожения информационного окна. "_cp, [&] {
    auto free = [](auto*& component) {
      if (component == nullptr) return;
      std::exchange(component, nullptr)->Free();
    };
    free(EditValueWindow);
    free(ButtonClose);
    free(ButtonSave);
  });
}

void TOrnilWindow::ButtonCloseClick(ui::Component&) {
  Close();
}

void TOrnilWindow::AllKeyPress(ui::Component&, char& key) {
  if (key == '\t') key = 0;
}

void TOrnilWindow::EditValueWindowClose(ui::Form&, ui::CloseAction&) {
  try {
    ActivateHostMainWindow();
    if (Windows() != nullptr && Windows()->IsWindow(ValueListWindow))
      Windows()->EnableWindow(ValueListWindow, true);
  } catch (...) {
    ShowErrorBox(BoundaryMessage("Ошибка при закрытие окна редактирования значения. "_cp,
                                 std::current_exception()));
    try {
      if (Windows() != nullptr) Windows()->EnableWindow(ValueListWindow, true);
    } catch (...) {
      // Shown already; the list stays as it is.
    }
  }
}

void TOrnilWindow::FollowHostEnabled() {
  // Before the companion names the host's main window there is nothing to follow.
  const platform::WindowHandle main = HostMainWindow();
  if (Windows() == nullptr || main == 0 || !Windows()->IsWindow(main)) return;
  SetEnabled(Windows()->IsWindowEnabled(main));
}

void TOrnilWindow::ClampSizing(int edge, ui::Rect& rect) const {
  ClampDraggedRect(edge, rect, GetConstraints());
}

void TOrnilWindow::WndProc(ui::Message& m) {
  switch (m.msg) {
    case ui::wm::Paint:
    case ui::wm::SetCursor:
      FollowHostEnabled();
      ui::Form::WndProc(m);
      return;
    case ui::wm::WindowPosChanging:
      ui::Form::WndProc(m);
      FollowHostEnabled();
      return;
    case ui::wm::Sizing:
      ui::Form::WndProc(m);
      if (m.lParam != 0)
        ClampSizing(static_cast<int>(m.wParam), *reinterpret_cast<ui::Rect*>(m.lParam));
      return;
    default:
      ui::Form::WndProc(m);
  }
}

void TOrnilWindow::PlaceNearPoint(int x, int y) {
  const platform::ScreenRect area =
      Windows() != nullptr ? Windows()->WorkArea() : platform::ScreenRect{0, 0, 0, 0};
  const ui::Rect r = PlaceBesidePoint(x, y, Width(), Height(), area.Width(), area.Height());
  SetBounds(r.left, r.top, r.Width(), r.Height());
  Show();
}

}  // namespace ornil
