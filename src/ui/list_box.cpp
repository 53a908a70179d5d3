// List boxes over the system's LISTBOX class.
#include "ui/list_box.h"

namespace ornil::ui {

ListBox::ListBox(Component* owner) : Control(owner) {
  SetTabStop(true);
  SetColor(kColorWindow);
  SetBounds(0, 0, 121, 97);
}

void ListBox::CreateParams(ui::CreateParams& params) {
  params.className = "LISTBOX";
  params.style = ws::Child | BaseStyle() | ws::VScroll | lbs::Notify | lbs::NoIntegralHeight;
  if (ownerDraw_) params.style |= lbs::OwnerDrawFixed | lbs::HasStrings;
  params.exStyle = ws::ExClientEdge;
}

void ListBox::SaveWindowState() {
  saved_.clear();
  const int count = Count();
  for (int i = 0; i < count; ++i)
    saved_.push_back({Item(i), ItemObject(i)});
  savedIndex_ = ItemIndex();
}

void ListBox::WindowCreated() {
  if (ownerDraw_) Perform(lb::SetItemHeight, 0, itemHeight_);
  if (saved_.empty()) return;
  for (const Saved& item : saved_) {
    const auto index =
        SendToWindow(lb::AddString, 0, reinterpret_cast<std::intptr_t>(item.text.c_str()));
    if (index >= 0)
      SendToWindow(lb::SetItemData, static_cast<std::uintptr_t>(index),
                   reinterpret_cast<std::intptr_t>(item.object));
  }
  saved_.clear();
  SendToWindow(lb::SetCurSel, static_cast<std::uintptr_t>(savedIndex_), 0);
}

std::intptr_t ListBox::SendToWindow(std::uint32_t msg, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
  Message m{msg, wParam, lParam, 0};
  DefaultHandler(m);
  return m.result;
}

void ListBox::SetOwnerDraw(bool on) {
  if (ownerDraw_ == on) return;
  ownerDraw_ = on;
  if (HandleAllocated()) RecreateWindow();
}

void ListBox::SetItemHeight(int height) {
  itemHeight_ = height;
  if (HandleAllocated() && ownerDraw_) Perform(lb::SetItemHeight, 0, height);
  Invalidate();
}

int ListBox::Count() {
  return static_cast<int>(Perform(lb::GetCount));
}

std::string ListBox::Item(int index) {
  const auto length = Perform(lb::GetTextLen, static_cast<std::uintptr_t>(index));
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  Perform(lb::GetText, static_cast<std::uintptr_t>(index),
          reinterpret_cast<std::intptr_t>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void* ListBox::ItemObject(int index) {
  const auto data = Perform(lb::GetItemData, static_cast<std::uintptr_t>(index));
  return data == lb::Err ? nullptr : reinterpret_cast<void*>(data);
}

void ListBox::SetItemObject(int index, void* object) {
  Perform(lb::SetItemData, static_cast<std::uintptr_t>(index),
          reinterpret_cast<std::intptr_t>(object));
}

int ListBox::AddItem(std::string_view text, void* object) {
  const std::string copy(text);
  const int index =
      static_cast<int>(Perform(lb::AddString, 0, reinterpret_cast<std::intptr_t>(copy.c_str())));
  if (index >= 0) SetItemObject(index, object);
  return index;
}

void ListBox::InsertItem(int index, std::string_view text, void* object) {
  const std::string copy(text);
  const int at = static_cast<int>(Perform(lb::InsertString, static_cast<std::uintptr_t>(index),
                                          reinterpret_cast<std::intptr_t>(copy.c_str())));
  if (at >= 0) SetItemObject(at, object);
}

void ListBox::DeleteItem(int index) {
  Perform(lb::DeleteString, static_cast<std::uintptr_t>(index));
}

void ListBox::MoveItem(int from, int to) {
  if (from == to || from < 0 || from >= Count()) return;
  const bool selected = ItemIndex() == from;
  const std::string text = Item(from);
  void* object = ItemObject(from);
  DeleteItem(from);
  InsertItem(to, text, object);
  if (selected) SetItemIndex(to);
}

void ListBox::SetItemText(int index, std::string_view text) {
  const bool selected = ItemIndex() == index;
  void* object = ItemObject(index);
  DeleteItem(index);
  InsertItem(index, text, object);
  if (selected) SetItemIndex(index);
}

void ListBox::Clear() {
  Perform(lb::ResetContent);
}

int ListBox::ItemIndex() {
  return static_cast<int>(Perform(lb::GetCurSel));
}

void ListBox::SetItemIndex(int index) {
  Perform(lb::SetCurSel, static_cast<std::uintptr_t>(index));
}

Rect ListBox::ItemRect(int index) {
  Rect rect;
  Perform(lb::GetItemRect, static_cast<std::uintptr_t>(index),
          reinterpret_cast<std::intptr_t>(&rect));
  return rect;
}

int ListBox::ItemAtPos(Point point) {
  const auto result = Perform(lb::ItemFromPoint, 0, MakePointParam(point.x, point.y));
  if (HighWord(static_cast<std::uintptr_t>(result)) != 0) return -1;
  return LowWord(static_cast<std::uintptr_t>(result));
}

void ListBox::CommandNotify(std::uint16_t code) {
  if (code == lb::SelChange) Click();
  if (code == lb::DblClk) DblClick();
}

void ListBox::DrawItem(DrawItemRecord& record) {
  auto canvas = GetBackend().DeviceCanvas(record.dc);
  canvas->SetFont(GetFont());
  const Rect rect{record.left, record.top, record.right, record.bottom};
  const int index = static_cast<int>(record.itemId);
  if (OnDrawItem) {
    OnDrawItem(*this, index, *canvas, rect, record.itemState);
    return;
  }
  const bool selected = (record.itemState & ods::Selected) != 0;
  canvas->FillRect(rect, selected ? kColorHighlight : GetColor());
  canvas->SetTextColor(selected ? kColorHighlightText : GetFont().color);
  if (index >= 0 && index < Count()) canvas->TextOut(rect.left + 2, rect.top, Item(index));
}

}  // namespace ornil::ui
