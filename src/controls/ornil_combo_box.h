// TOrnilComboBox: the drop-down of lookup and constant-list rows. It carries its row's lookup
// settings so that the value list can work from the control alone, may own a string (the row's
// identifier) behind each item, and has a TBoundLabel as its caption label.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/border_combo_box.h"

namespace ornil {

class TOrnilComboBox : public TBorderComboBox {
 public:
  explicit TOrnilComboBox(ui::Component* owner);
  ~TOrnilComboBox() override;

  // Adds an item with `value` as its string object, which the box owns from then on: it sets
  // OwnsItemObjects and frees the string with the item or with the box.
  int AddValueItem(std::string_view text, std::string value);
  // The string object of an item; null when the item has none or does not exist.
  const std::string* ItemString(int index);
  TBoundLabel* BoundLabel() const;

  std::string Value;
  bool OwnsItemObjects = false;
  std::uint8_t ColumnType = 0;
  std::string ValuesTable;
  std::string IdentifierExpression;
  std::string ValueExpression;
  std::string ViewedExpression;
  std::string AdditionalCondition;
  std::string ValuesSelection;

 protected:
  void WndProc(ui::Message& message) override;

 private:
  void FreeItemString(int index);
};

}  // namespace ornil
