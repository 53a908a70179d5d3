// The setup window's life: making it (the MapBasic variables, FormCreate), keeping the other
// windows disabled with the hook on the host's window, closing with the save question, sizing,
// the keys it swallows, and destruction.
#include "setup/setup_window.h"

#include <algorithm>

#include "host/error_reporting.h"
#include "host/errors.h"
#include "platform/seams.h"
#include "setup/enter_expression_window.h"
#include "setup/new_field_window.h"
#include "setup/select_table_window.h"
#include "setup/setup_forms.h"
#include "setup/setup_module.h"
#include "text/cp1251.h"
#include "ui/application.h"

namespace ornil {

namespace {

constexpr const char* kCurrentRowId = "~CurrentRowId~";
constexpr const char* kCurrentTableName = "~CurrentTableName~";
constexpr int kMinWidth = 591;
constexpr int kMinHeight = 322;

// WM_SIZING's edges (WMSZ_*).
constexpr int kSizeRight = 2;
constexpr int kSizeTop = 3;
constexpr int kSizeTopLeft = 4;
constexpr int kSizeTopRight = 5;
constexpr int kSizeBottomRight = 8;

ui::Handle ApplicationWindow() {
  auto* app = ui::Application::Instance();
  return app != nullptr ? app->GetHandle() : 0;
}

void SetDoubleBufferedBelow(ui::Control& control) {
  control.SetDoubleBuffered(true);
  for (ui::Control* child : control.Controls())
    SetDoubleBufferedBelow(*child);
}

}  // namespace

TSetupWindow::TSetupWindow(ui::Component* owner, std::uint32_t instance, HConv mapInfoConv,
                           HConv applicationConv)
    : ui::Form(owner) {
  SetupWindowExists = true;
  SetName("SetupWindow");
  SetText("Настройка таблицы"_cp);
  SetBorderStyle(ui::BorderStyle::Sizeable);
  SetBorderIcons(ui::kBorderIconSystemMenu);
  SetPosition(ui::FormPosition::OwnerFormCenter);
  SetKeyPreview(true);
  SetFont(ui::RussianArial(11));
  BuildMenu();
  // The frame first: anchored controls keep their design places from here on.
  SetClientSize(587, 276);
  SetConstraints({kMinWidth, kMinHeight, 0, 0});
  BuildFieldList();
  BuildPanel();
  WireHandlers();
  // The keyboard starts in the list of fields.
  SetActiveControl(ListFields);

  Link.SetConversations(mapInfoConv, applicationConv, instance);
  Boundary("Произошла ошибка в конструкторе класса TSetupWindow. "_cp, [&] {
    Link.ExecuteMapBasic(
        Cat("Dim ", kCurrentRowId, " as Integer Dim ", kCurrentTableName, " as String"));
  });
  FormCreate();
}

TSetupWindow::~TSetupWindow() {
  // The list's procedure calls back into this window: give the list its own back first.
  if (listFieldsProc_) ListFields->WindowProc = listFieldsProc_;
  Boundary("Произошла ошибка в деструкторе класса TSetupWindow. "_cp, [&] {
    if (SetupWindow == this) SetupWindow = nullptr;
    SetupWindowExists = SetupWindow != nullptr;
    ActivateApplicationWindow();
    try {
      PrintErrorsOff quiet;
      Link.ExecuteMapBasic(Cat("UnDim ", kCurrentRowId, " UnDim ", kCurrentTableName));
    } catch (...) {
      ShowErrorBox(BoundaryMessage("Ошибка во время уничтожения переменных в среде MapInfo. "_cp,
                                   std::current_exception()));
    }
  });
}

void TSetupWindow::FormCreate() {
  Boundary("Ошибка во время создания окна настройки таблицы. "_cp, [&] {
    listFieldsProc_ = ListFields->WindowProc;
    ListFields->WindowProc = [this](ui::Message& m) { ListFieldsWindowProc(m); };
    WireDialogs();
    auto& app = *ui::Application::Instance();
    keptHintHidePause_ = app.HintHidePause();
    keptHintPause_ = app.HintPause();
    hintPausesKept_ = true;
    app.SetHintHidePause(10000);
    app.SetHintPause(2000);
    FieldProperties->SetEnabled(false);
    TableFieldOptions->Hide();
    AssignPanelHints();
    LayOutLabelColumn();
    const int count = Link.NumTables();
    if (count <= 0) return;
    for (int i = 1; i <= count; ++i)
      ValuesTableName->AddItem(Link.RequestText(Cat("TableInfo(", std::to_string(i), ",1)")));
    CurrentFieldIndex = -1;
    KeepOtherWindowsDisabled();
    SetDoubleBufferedBelow(*this);
  });
}

void TSetupWindow::WireDialogs() {
  const auto closing = [this](ui::Form& dialog, ui::CloseAction&) { ChildFormClose(dialog); };
  SelectTableWindow = ui::Make<TSelectTableWindow>(this);
  SelectTableWindow->OkButton->OnClick = [this](ui::Component& sender) {
    SelectTableWindow_OkButtonClick(sender);
  };
  SelectTableWindow->CancelButton->OnClick = [this](ui::Component& sender) {
    SelectTableWindow_CancelButtonClick(sender);
  };
  SelectTableWindow->OnClose = closing;
  NewFieldWindow = ui::Make<TNewFieldWindow>(this);
  NewFieldWindow->ColumnName->OnSelect = [this](ui::Component& sender) {
    NewFieldWindow_SelectColumn(sender);
  };
  NewFieldWindow->OkButton->OnClick = [this](ui::Component& sender) {
    NewFieldWindow_OkButtonClick(sender);
  };
  NewFieldWindow->OnClose = closing;
  EnterExpressionWindow = ui::Make<TEnterExpressionWindow>(NewFieldWindow);
  EnterExpressionWindow->OkButton->OnClick = [this](ui::Component& sender) {
    EnterExpressionWindow_OkButtonClick(sender);
  };
  EnterExpressionWindow->CheckUp->OnClick = [this](ui::Component& sender) {
    EnterExpressionWindow_CheckUpClick(sender);
  };
  EnterExpressionWindow->OnClose = closing;
}

void TSetupWindow::LayOutLabelColumn() {
  const int width = LabelFieldType->TextExtent("Показать заголовок:"_cp).cx;
  const std::pair<ui::Label*, ui::Control*> rows[] = {
      {LabelFieldType, FieldType},         {LabelTableName, ValuesTableName},
      {LabelValue, ValueColumn},           {LabelViewedColumn, ViewedColumn},
      {LabelIdentifier, IdentifierColumn}, {LabelCondition, AdditionalCondition},
      {LabelDateFormat, DateFormat},       {LabelCustomDateFormat, CustomDateFormat}};
  for (const auto& [label, input] : rows) {
    label->SetWidth(width);
    const int left = label->Left() + width + 2;
    const int right = input->Left() + input->Width();
    input->SetBounds(left, input->Top(), right - left, input->Height());
  }
  const int columnRight = LabelFieldType->Left() + width;
  const int text = FieldEnabled->TextExtent("Изменяемое:"_cp).cx;
  FieldEnabled->SetBounds(columnRight - 2 - text, FieldEnabled->Top(), CheckBoxWidth(text),
                          FieldEnabled->Height());
  // The other boxes with their caption on the left fit it whole, whatever the font measures.
  for (ui::CheckBox* box : {CaptionViewed, FullValuesVistCreated})
    box->SetWidth(std::max(box->Width(), CheckBoxWidth(box->TextExtent(box->Text()).cx)));
}

int TSetupWindow::CheckBoxWidth(int textWidth) {
  return textWidth + GetBackend().CheckBoxGlyphSize().cx + 4;
}

void TSetupWindow::KeepOtherWindowsDisabled() {
  auto& seams = platform::Current();
  setupWindowHook_.Reset();
  disabledWindows_.EnableAll();
  if (seams.windows == nullptr || seams.hooks == nullptr) return;
  disabledWindows_.DisableThreadWindowsExcept(*seams.windows, GetHandle());
  setupWindowHook_.Install(
      *seams.hooks, platform::HookKind::CallWndProc,
      [this](int code, std::uintptr_t w, std::intptr_t l) {
        return SetupWindowHookProc(code, w, l);
      },
      seams.windows->WindowThreadId(GetHandle()));
}

std::intptr_t TSetupWindow::SetupWindowHookProc(int code, std::uintptr_t wParam,
                                                std::intptr_t lParam) {
  auto& seams = platform::Current();
  const platform::HookHandle hook = setupWindowHook_.Handle();
  bool swallowed = false;
  Boundary("Ошибка в функции ловушки окна настройки таблицы. "_cp, [&] {
    if (code < 0) return;
    const auto& call = *reinterpret_cast<const platform::CallWndProcRecord*>(lParam);
    const ui::Handle application = ApplicationWindow();
    if (call.message != ui::wm::Enable || call.wParam == 0 || application == 0 ||
        call.window != application)
      return;
    seams.windows->EnableWindow(application, false);
    setupWindowHook_.Reset();
    swallowed = true;
  });
  if (swallowed) return 0;
  return seams.hooks->CallNextHook(hook, code, wParam, lParam);
}

void TSetupWindow::FormClose(ui::Form&, ui::CloseAction& action) {
  // A failure on the way keeps the window as it is.
  action = ui::CloseAction::None;
  Boundary("Произошла ошибка во время закрытия окна настройки таблицы. "_cp, [&] {
    if (!TableName.empty()) {
      const int answer = Ask("Сохранить изменения?"_cp, "Сохранение изменений"_cp,
                             ui::mb::YesNoCancel | ui::mb::IconQuestion);
      // A save that failed keeps the window, and with it the configuration, open.
      if (answer == ui::id::Cancel || (answer == ui::id::Yes && !SaveChangesClick())) return;
    }
    action = ui::CloseAction::Free;
    ActivateApplicationWindow();
  });
}

void TSetupWindow::FormDestroy() {
  Boundary("Ошибка во время разрушения окна настройки таблицы. "_cp, [&] {
    ActivateApplicationWindow();
    setupWindowHook_.Reset();
    disabledWindows_.EnableAll();
    if (const ui::Handle application = ApplicationWindow(); application != 0) {
      if (auto* windows = platform::Current().windows) {
        windows->EnableWindow(application, true);
        windows->SetActiveWindow(application);
      }
    }
    DeleteAllFields();
    if (EnterExpressionWindow != nullptr) std::exchange(EnterExpressionWindow, nullptr)->Free();
    if (NewFieldWindow != nullptr) std::exchange(NewFieldWindow, nullptr)->Free();
    if (SelectTableWindow != nullptr) std::exchange(SelectTableWindow, nullptr)->Free();
    if (hintPausesKept_) {
      auto& app = *ui::Application::Instance();
      app.SetHintHidePause(keptHintHidePause_);
      app.SetHintPause(keptHintPause_);
    }
  });
}

void TSetupWindow::ActivateApplicationWindow() {
  const ui::Handle application = ApplicationWindow();
  auto* windows = platform::Current().windows;
  if (application != 0 && windows != nullptr) windows->SetActiveWindow(application);
}

void TSetupWindow::FormResize() {
  Boundary(FunctionPrefix("FormResize"), [&] {
    const int client = ClientWidth();
    Fields->SetWidth(client / 2);
    const int left = Fields->Left() + Fields->Width();
    FieldProperties->SetBounds(left, FieldProperties->Top(), client - left - Fields->Left(),
                               FieldProperties->Height());
    const int half = (ListFields->Width() - 4) / 2;
    CreateField->SetBounds(ListFields->Left(), CreateField->Top(), half, CreateField->Height());
    DeleteField->SetBounds(CreateField->Left() + CreateField->Width() + 4, DeleteField->Top(),
                           ListFields->Width() - CreateField->Width() - 4, DeleteField->Height());
    const int a = Fields->Height() - FieldUp->Height() - FieldDown->Height() - 4;
    FieldUp->SetTop(a / 2 + Fields->Top());
    FieldDown->SetTop(FieldUp->Top() + FieldUp->Height() + 4);
    ListFields->Invalidate();
  });
}

void TSetupWindow::WndProc(ui::Message& message) {
  ui::Form::WndProc(message);
  if (message.msg != ui::wm::Sizing || message.lParam == 0) return;
  ClampSizing(static_cast<int>(message.wParam), *reinterpret_cast<ui::Rect*>(message.lParam));
}

void TSetupWindow::ClampSizing(int edge, ui::Rect& r) {
  const ui::Constraints& limits = GetConstraints();
  const bool topEdge = edge == kSizeTop || edge == kSizeTopLeft || edge == kSizeTopRight;
  const bool rightEdge = edge == kSizeRight || edge == kSizeTopRight || edge == kSizeBottomRight;
  // The dragged side gives way; a limit of 0 is none.
  const auto clamp = [](int size, int low, int high) {
    if (high > 0 && size > high) return high;
    if (low > 0 && size <= low) return low;
    return size;
  };
  const int height = clamp(r.Height(), limits.minHeight, limits.maxHeight);
  if (height != r.Height()) {
    if (topEdge)
      r.top = r.bottom - height;
    else
      r.bottom = r.top + height;
  }
  const int width = clamp(r.Width(), limits.minWidth, limits.maxWidth);
  if (width != r.Width()) {
    if (rightEdge)
      r.right = r.left + width;
    else
      r.left = r.right - width;
  }
}

void TSetupWindow::FormKeyDown(std::uint16_t& key) {
  if (key != ui::vk::Escape) return;
  // An open drop-down closes on Esc; the window itself never does.
  if (auto* combo = dynamic_cast<ui::ComboBox*>(FocusedControl());
      combo != nullptr && combo->DroppedDown())
    return;
  key = 0;
}

void TSetupWindow::FormKeyPress(char& key) {
  if (key == 27) {
    key = 0;
    return;
  }
  AllKeyPress(key);
}

void TSetupWindow::AllKeyPress(char& key) {
  if (key == '\t') key = 0;
}

int TSetupWindow::Ask(const char* text, const char* caption, std::uint32_t flags) {
  return ui::Application::Instance()->MessageBox(text, caption, flags | ui::mb::TaskModal);
}

}  // namespace ornil
