// Combo boxes over the system's COMBOBOX class.
#include "ui/combo_box.h"

#include "text/cp1251.h"

namespace ornil::ui {

ComboBox::ComboBox(Component* owner) : Control(owner) {
  SetTabStop(true);
  SetColor(kColorWindow);
  SetBounds(0, 0, 145, 21);
}

void ComboBox::CreateParams(ui::CreateParams& params) {
  params.className = "COMBOBOX";
  params.style = ws::Child | BaseStyle() | ws::VScroll | cbs::AutoHScroll |
                 (style_ == ComboStyle::DropDownList ? cbs::DropDownList : cbs::DropDown);
}

void ComboBox::SetStyle(ComboStyle style) {
  if (style_ == style) return;
  style_ = style;
  RecreateWindow();
}

void ComboBox::SaveWindowState() {
  saved_.clear();
  const int count = Count();
  for (int i = 0; i < count; ++i)
    saved_.push_back({Item(i), ItemObject(i)});
  savedIndex_ = ItemIndex();
  savedText_ = Text();
  restoring_ = true;
}

void ComboBox::WindowCreated() {
  if (!restoring_) return;
  restoring_ = false;
  for (const Saved& item : saved_)
    AddItem(item.text, item.object);
  saved_.clear();
  SetItemIndex(savedIndex_);
  if (style_ == ComboStyle::DropDown) SetText(savedText_);
}

int ComboBox::Count() {
  return static_cast<int>(Perform(cb::GetCount));
}

std::string ComboBox::Item(int index) {
  const auto length = Perform(cb::GetLbTextLen, static_cast<std::uintptr_t>(index));
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  Perform(cb::GetLbText, static_cast<std::uintptr_t>(index),
          reinterpret_cast<std::intptr_t>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void* ComboBox::ItemObject(int index) {
  const auto data = Perform(cb::GetItemData, static_cast<std::uintptr_t>(index));
  return data == cb::Err ? nullptr : reinterpret_cast<void*>(data);
}

void ComboBox::SetItemObject(int index, void* object) {
  Perform(cb::SetItemData, static_cast<std::uintptr_t>(index),
          reinterpret_cast<std::intptr_t>(object));
}

int ComboBox::AddItem(std::string_view text, void* object) {
  const std::string copy(text);
  const int index =
      static_cast<int>(Perform(cb::AddString, 0, reinterpret_cast<std::intptr_t>(copy.c_str())));
  if (index >= 0) SetItemObject(index, object);
  return index;
}

void ComboBox::InsertItem(int index, std::string_view text, void* object) {
  const std::string copy(text);
  const int at = static_cast<int>(Perform(cb::InsertString, static_cast<std::uintptr_t>(index),
                                          reinterpret_cast<std::intptr_t>(copy.c_str())));
  if (at >= 0) SetItemObject(at, object);
}

void ComboBox::DeleteItem(int index) {
  Perform(cb::DeleteString, static_cast<std::uintptr_t>(index));
}

void ComboBox::SetItemText(int index, std::string_view text) {
  if (index < 0 || index >= Count()) return;
  const bool selected = ItemIndex() == index;
  void* object = ItemObject(index);
  DeleteItem(index);
  InsertItem(index, text, object);
  if (selected) SetItemIndex(index);
}

void ComboBox::Clear() {
  Perform(cb::ResetContent);
}

int ComboBox::IndexOf(std::string_view text) {
  const std::string copy(text);
  return static_cast<int>(Perform(cb::FindStringExact, static_cast<std::uintptr_t>(-1),
                                  reinterpret_cast<std::intptr_t>(copy.c_str())));
}

int ComboBox::ItemIndex() {
  return static_cast<int>(Perform(cb::GetCurSel));
}

void ComboBox::SetItemIndex(int index) {
  Perform(cb::SetCurSel, static_cast<std::uintptr_t>(index));
}

bool ComboBox::DroppedDown() {
  return Perform(cb::GetDroppedState) != 0;
}

void ComboBox::SetDroppedDown(bool dropped) {
  Perform(cb::ShowDropDown, dropped ? 1 : 0);
}

void ComboBox::SetEditSelection(int start, int end) {
  Perform(cb::SetEditSel, 0,
          static_cast<std::intptr_t>(
              MakeWParam(static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(end))));
}

void ComboBox::CommandNotify(std::uint16_t code) {
  switch (code) {
    case cb::SelChange:
      Click();
      Select();
      break;
    case cb::EditChange:
      Change();
      break;
    case cb::DropDown:
      DropDown();
      break;
    case cb::CloseUp:
      CloseUp();
      break;
    default:
      break;
  }
}

void ComboBox::Select() {
  if (OnSelect)
    OnSelect(*this);
  else
    Change();
}

void ComboBox::DropDown() {
  if (OnDropDown) OnDropDown(*this);
}

void ComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(*this);
}

void ComboBox::DoExit() {
  filter_.clear();
  Control::DoExit();
}

bool ComboBox::SelectByPrefix(const std::string& prefix) {
  const std::string wanted = text::Lower(prefix);
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    const std::string item = Item(i);
    if (text::Lower(item).rfind(wanted, 0) != 0) continue;
    if (style_ == ComboStyle::DropDown) {
      SetItemIndex(i);
      SetEditSelection(static_cast<int>(prefix.size()), -1);
    } else if (ItemIndex() != i) {
      SetItemIndex(i);
    }
    Click();
    Select();
    return true;
  }
  return false;
}

void ComboBox::KeyPress(char& key) {
  Control::KeyPress(key);
  if (key == 0 || !autoComplete_) return;
  const auto code = static_cast<unsigned char>(key);
  if (code == vk::Escape || code == vk::Tab || code == vk::Return || code == vk::Back) {
    filter_.clear();
    return;
  }
  if (code < 32) return;
  if (autoDropDown_ && !DroppedDown()) SetDroppedDown(true);
  std::string prefix;
  if (style_ == ComboStyle::DropDown) {
    // The text before the selection, which the key replaces, plus the key.
    const std::string text = Text();
    std::uint32_t start = 0, end = 0;
    Perform(cb::GetEditSel, reinterpret_cast<std::uintptr_t>(&start),
            reinterpret_cast<std::intptr_t>(&end));
    prefix = text.substr(0, std::min<std::size_t>(start, text.size())) + key;
    if (end < text.size()) return;  // typing inside the text: no completion
  } else {
    prefix = filter_ + key;
  }
  if (SelectByPrefix(prefix)) {
    filter_ = prefix;
    key = 0;
  } else if (style_ == ComboStyle::DropDownList && SelectByPrefix(std::string(1, key))) {
    filter_.assign(1, key);
    key = 0;
  } else {
    filter_.clear();
  }
}

}  // namespace ornil::ui
