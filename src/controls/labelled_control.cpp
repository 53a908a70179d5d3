// The labelled controls' shared part, made for the three bases they have.
#include "controls/labelled_control.h"

#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"

namespace ornil {

template <class Base>
TLabelledControl<Base>::TLabelledControl(ui::Component* owner) : Base(owner) {
  label_ = ui::Make<TBorderBoundLabel>(this);
  SetLabelPosition(lpLeft);
  SetLabelSpacing(3);
}

template <class Base>
void TLabelledControl<Base>::SetLabelPosition(TLabelPosition position) {
  position_ = position;
  PlaceEditLabel();
}

template <class Base>
void TLabelledControl<Base>::SetLabelSpacing(int spacing) {
  spacing_ = spacing;
  PlaceEditLabel();
}

template <class Base>
void TLabelledControl<Base>::SetBorderColor(ui::Color color) {
  if (borderColor_ == color) return;
  borderColor_ = color;
  this->InvalidateFrame();
}

template <class Base>
void TLabelledControl<Base>::SetParent(ui::Control* parent) {
  Base::SetParent(parent);
  if (label_ == nullptr) return;
  label_->SetParent(parent);
  label_->Show();
}

template <class Base>
void TLabelledControl<Base>::SetBounds(int left, int top, int width, int height) {
  Base::SetBounds(left, top, width, height);
  PlaceEditLabel();
}

template <class Base>
void TLabelledControl<Base>::PlaceEditLabel() {
  if (label_ == nullptr || label_->Destroying()) return;
  const LabelPlacement place =
      PlaceLabel(this->BoundsRect(), {label_->Width(), label_->Height()}, position_, spacing_);
  if (label_->GetAlignment() != place.alignment) label_->SetAlignment(place.alignment);
  label_->SetBounds(place.origin.x, place.origin.y, label_->Width(), label_->Height());
}

template <class Base>
void TLabelledControl<Base>::VisibleChanged() {
  Base::VisibleChanged();
  if (label_ != nullptr) label_->SetVisible(this->Visible());
}

template <class Base>
void TLabelledControl<Base>::EnabledChanged() {
  Base::EnabledChanged();
  if (label_ != nullptr) label_->SetEnabled(this->Enabled());
}

template <class Base>
void TLabelledControl<Base>::BiDiModeChanged() {
  Base::BiDiModeChanged();
  if (label_ != nullptr) label_->SetBiDiMode(this->GetBiDiMode());
}

template <class Base>
void TLabelledControl<Base>::Notification(ui::Component* component, bool removing) {
  Base::Notification(component, removing);
  if (removing && component == label_) label_ = nullptr;
}

template <class Base>
void TLabelledControl<Base>::ReplaceEditLabel(TBorderBoundLabel* label) {
  TBorderBoundLabel* old = label_;
  label_ = label;
  if (old != nullptr) old->Free();
  if (label_ == nullptr) return;
  if (this->Parent() != nullptr) {
    label_->SetParent(this->Parent());
    label_->SetVisible(this->Visible());
  }
  PlaceEditLabel();
}

template class TLabelledControl<ui::Edit>;
template class TLabelledControl<ui::DateTimePicker>;
template class TLabelledControl<ui::ComboBox>;

}  // namespace ornil
