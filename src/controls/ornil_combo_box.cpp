// The lookup combo box.
#include "controls/ornil_combo_box.h"

#include <memory>

namespace ornil {

TOrnilComboBox::TOrnilComboBox(ui::Component* owner) : TBorderComboBox(owner) {
  ReplaceEditLabel(ui::Make<TBoundLabel>(this));
}

TOrnilComboBox::~TOrnilComboBox() {
  if (!OwnsItemObjects || !HandleAllocated()) return;
  const int count = Count();
  for (int i = 0; i < count; ++i)
    FreeItemString(i);
}

TBoundLabel* TOrnilComboBox::BoundLabel() const {
  return dynamic_cast<TBoundLabel*>(EditLabel());
}

int TOrnilComboBox::AddValueItem(std::string_view text, std::string value) {
  OwnsItemObjects = true;
  auto object = std::make_unique<std::string>(std::move(value));
  const int index = AddItem(text, object.get());
  if (index >= 0) object.release();
  return index;
}

const std::string* TOrnilComboBox::ItemString(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  return static_cast<const std::string*>(ItemObject(index));
}

void TOrnilComboBox::FreeItemString(int index) {
  std::unique_ptr<std::string> owned(static_cast<std::string*>(ItemObject(index)));
  if (owned != nullptr) SetItemObject(index, nullptr);
}

void TOrnilComboBox::WndProc(ui::Message& m) {
  // Items that go take their owned strings with them.
  if (OwnsItemObjects) {
    if (m.msg == ui::cb::ResetContent) {
      const int count = Count();
      for (int i = 0; i < count; ++i)
        FreeItemString(i);
    } else if (m.msg == ui::cb::DeleteString) {
      const int index = static_cast<int>(static_cast<std::intptr_t>(m.wParam));
      if (index >= 0 && index < Count()) FreeItemString(index);
    }
  }
  TBorderComboBox::WndProc(m);
}

}  // namespace ornil
