// Containers painted by the toolkit: the group box (etched frame with a caption), the radio group
// (a group box of radio buttons with one chosen item, which the arrow keys change while it has
// the focus) and the bevelled panel.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ornil::ui {

class RadioButton;

class GroupBox : public Control {
 public:
  explicit GroupBox(Component* owner);

 protected:
  void Paint(Canvas& canvas) override;
};

class RadioGroup : public GroupBox {
 public:
  explicit RadioGroup(Component* owner);

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return itemIndex_; }
  // Checks the item's button; OnClick follows a change.
  void SetItemIndex(int index);
  RadioButton* ButtonAt(int index) const;

 protected:
  void Resize() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void KeyDown(std::uint16_t& key, ShiftState shift) override;

 private:
  void ArrangeButtons();
  void ButtonClicked(int index);

  std::vector<std::string> items_;
  std::vector<RadioButton*> buttons_;
  int itemIndex_ = -1;
  bool updating_ = false;
};

enum class Bevel { None, Lowered, Raised };

class Panel : public Control {
 public:
  explicit Panel(Component* owner);

  Bevel BevelInner() const { return inner_; }
  Bevel BevelOuter() const { return outer_; }
  void SetBevels(Bevel inner, Bevel outer);

 protected:
  void Paint(Canvas& canvas) override;

 private:
  Bevel inner_ = Bevel::None;
  Bevel outer_ = Bevel::Raised;
};

}  // namespace ornil::ui
