// The edit value window.
#include "controls/edit_value_window.h"

#include "text/cp1251.h"

ornil::TEditValueWindow* EditValueWindow = nullptr;

namespace ornil {

namespace {

template <class T>
T* Put(ui::Form& form, int left, int top, int width, int height, ui::Anchors anchors) {
  auto* control = ui::Make<T>(&form);
  control->SetParent(&form);
  control->SetBounds(left, top, width, height);
  control->SetAnchors(anchors);
  return control;
}

}  // namespace

TEditValueWindow::TEditValueWindow(ui::Component* owner) : ui::Form(owner) {
  SetName("EditValueWindow");
  SetText("Новое значение"_cp);
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetPosition(ui::FormPosition::OwnerFormCenter);
  SetFont(ui::RussianArial(11));
  SetClientSize(249, 106);

  constexpr ui::Anchors kBottomRight = ui::kAnchorRight | ui::kAnchorBottom;
  Value = Put<ui::Memo>(*this, 6, 6, 237, 62, ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorRight);
  Value->SetWantReturns(false);
  Value->SetText("");
  DateValue = Put<ui::DateTimePicker>(*this, 6, 6, 237, 22, ui::kAnchorsDefault);
  DateValue->SetShowCheckbox(true);
  DateValue->Hide();
  OkButton = Put<ui::BitButton>(*this, 75, 74, 80, 25, kBottomRight);
  OkButton->SetKind(ui::BitButtonKind::Ok);
  OkButton->SetText("OK");
  CancelButton = Put<ui::BitButton>(*this, 163, 74, 80, 25, kBottomRight);
  CancelButton->SetKind(ui::BitButtonKind::Cancel);
  CancelButton->SetText("Отменить"_cp);
  CancelButton->OnClick = [this](ui::Component& sender) { CancelButtonClick(sender); };
  for (ui::Control* control : Controls())
    control->OnKeyPress = [this](ui::Component& sender, char& key) { AllKeyPress(sender, key); };
  SetActiveControl(Value);
  FormCreate();
  ::EditValueWindow = this;
}

TEditValueWindow::~TEditValueWindow() {
  if (::EditValueWindow == this) ::EditValueWindow = nullptr;
}

void TEditValueWindow::FormCreate() {
  BottomMargin = ClientHeight() - Value->Top() - Value->Height();
}

void TEditValueWindow::ShowDateEditor() {
  Value->Hide();
  SetClientHeight(DateValue->Top() + DateValue->Height() + BottomMargin);
  DateValue->Show();
  SetActiveControl(DateValue);
}

void TEditValueWindow::ShowTextEditor() {
  DateValue->Hide();
  SetClientHeight(Value->Top() + Value->Height() + BottomMargin);
  Value->Show();
  SetActiveControl(Value);
}

void TEditValueWindow::CancelButtonClick(ui::Component&) {
  Close();
}

void TEditValueWindow::AllKeyPress(ui::Component&, char& key) {
  if (key == '\t') key = 0;
}

}  // namespace ornil
