// Group boxes, radio groups and panels.
#include "ui/group_box.h"

#include <algorithm>

#include "ui/button.h"

namespace ornil::ui {

// --- GroupBox -----------------------------------------------------------------------------------

GroupBox::GroupBox(Component* owner) : Control(owner) {
  SetCustomPaint(true);
  SetBounds(0, 0, 185, 105);
}

void GroupBox::Paint(Canvas& canvas) {
  const Rect client = ClientRect();
  canvas.FillRect(client, GetColor());
  const std::string caption = Text();
  const Size text = canvas.TextExtent(caption.empty() ? std::string("0") : caption);
  canvas.DrawEdge({client.left, client.top + text.cy / 2, client.right, client.bottom},
                  edge::Etched, edge::AllSides);
  if (caption.empty()) return;
  canvas.FillRect({6, 0, 8 + text.cx + 2, text.cy}, GetColor());
  canvas.SetTextColor(Enabled() ? GetFont().color : kColorGrayText);
  canvas.TextOut(8, 0, caption);
}

// --- RadioGroup ---------------------------------------------------------------------------------

RadioGroup::RadioGroup(Component* owner) : GroupBox(owner) {
  SetTabStop(true);
}

void RadioGroup::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  while (buttons_.size() > items_.size()) {
    buttons_.back()->Free();
    buttons_.pop_back();
  }
  while (buttons_.size() < items_.size()) {
    auto* button = Make<RadioButton>(this);
    const int index = static_cast<int>(buttons_.size());
    button->OnClick = [this, index](Component&) { ButtonClicked(index); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  for (std::size_t i = 0; i < items_.size(); ++i)
    buttons_[i]->SetText(items_[i]);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  ArrangeButtons();
}

RadioButton* RadioGroup::ButtonAt(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[index] : nullptr;
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  updating_ = true;
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->SetChecked(static_cast<int>(i) == index);
  updating_ = false;
  Click();
}

void RadioGroup::ButtonClicked(int index) {
  if (updating_) return;
  SetItemIndex(index);
}

void RadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int top = TextExtent("0").cy + 1;
  const int height = (Height() - top - 4) / static_cast<int>(buttons_.size());
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int y = top + static_cast<int>(i) * height + (height - 17) / 2;
    buttons_[i]->SetBounds(8, y, Width() - 16, 17);
  }
}

void RadioGroup::Resize() {
  GroupBox::Resize();
  ArrangeButtons();
}

void RadioGroup::EnabledChanged() {
  GroupBox::EnabledChanged();
  for (RadioButton* b : buttons_)
    b->SetEnabled(Enabled());
}

void RadioGroup::KeyDown(std::uint16_t& key, ShiftState shift) {
  GroupBox::KeyDown(key, shift);
  const int step = key == vk::Up || key == vk::Left      ? -1
                   : key == vk::Down || key == vk::Right ? 1
                                                         : 0;
  if (step == 0 || items_.empty()) return;
  const int last = static_cast<int>(items_.size()) - 1;
  SetItemIndex(itemIndex_ < 0 ? 0 : std::clamp(itemIndex_ + step, 0, last));
  key = 0;
}

void RadioGroup::FontChanged() {
  GroupBox::FontChanged();
  ArrangeButtons();
}

// --- Panel --------------------------------------------------------------------------------------

Panel::Panel(Component* owner) : Control(owner) {
  SetCustomPaint(true);
  SetBounds(0, 0, 185, 41);
}

void Panel::SetBevels(Bevel inner, Bevel outer) {
  inner_ = inner;
  outer_ = outer;
  Invalidate();
}

void Panel::Paint(Canvas& canvas) {
  Rect rect = ClientRect();
  canvas.FillRect(rect, GetColor());
  if (outer_ != Bevel::None) {
    canvas.DrawEdge(rect, outer_ == Bevel::Raised ? edge::RaisedOuter : edge::SunkenOuter,
                    edge::AllSides);
    rect = rect.Inflated(-1, -1);
  }
  if (inner_ != Bevel::None) {
    canvas.DrawEdge(rect, inner_ == Bevel::Raised ? edge::RaisedInner : edge::SunkenInner,
                    edge::AllSides);
    rect = rect.Inflated(-1, -1);
  }
  const std::string caption = Text();
  if (caption.empty()) return;
  canvas.SetTextColor(GetFont().color);
  canvas.DrawText(caption, rect, dt::Center | dt::VCenter | dt::SingleLine | dt::NoPrefix);
}

}  // namespace ornil::ui
