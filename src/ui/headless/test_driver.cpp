// What a user does, as messages.
#include "ui/headless/test_driver.h"

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/value_list_editor.h"

namespace ornil::ui::headless {

namespace {

std::uint16_t VirtualKeyOf(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<std::uint16_t>(c - 'a' + 'A');
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
  switch (c) {
    case '\b':
      return vk::Back;
    case '\t':
      return vk::Tab;
    case '\r':
      return vk::Return;
    case 0x1B:
      return vk::Escape;
    case '-':
      return 0xBD;
    case '.':
      return 0xBE;
    case ',':
      return 0xBC;
    default:
      return 0;
  }
}

constexpr std::uint32_t kSizing = wm::Sizing;

// Holds modifier keys down for as long as it lives.
class HeldKeys {
 public:
  HeldKeys(HeadlessBackend& backend, ShiftState shift) : backend_(backend) {
    backend_.SetKeyboardState(shift);
  }
  ~HeldKeys() { backend_.SetKeyboardState(kShiftNone); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  HeadlessBackend& backend_;
};

struct MinMaxInfo {
  Point reserved, maxSize, maxPosition, minTrackSize, maxTrackSize;
};

}  // namespace

bool Driver::Reachable(Control& control) {
  if (!control.HandleAllocated()) return false;
  DesktopLink& desktop = backend_.Desktop();
  const Handle window = control.GetHandle();
  if (!desktop.IsWindowVisible(window)) return false;
  for (Handle h = window; h != 0;) {
    if (!desktop.IsWindowEnabled(h)) return false;
    if (!(desktop.Style(h) & ws::Child)) break;
    h = desktop.GetParent(h);
  }
  return true;
}

void Driver::Input(Handle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  platform::MessageRecord record;
  record.window = window;
  record.message = msg;
  record.wParam = wParam;
  record.lParam = lParam;
  backend_.Desktop().DeliverInput(record);
}

bool Driver::Focus(Control& control) {
  if (!Reachable(control)) return false;
  if (backend_.GetFocus() != control.GetHandle()) backend_.SetFocus(control.GetHandle());
  ProcessMessages();
  return true;
}

bool Driver::TypeChar(Control& control, char ch, ShiftState shift) {
  if (!Focus(control)) return false;
  const Handle window = control.GetHandle();
  const std::uint16_t key = VirtualKeyOf(ch);
  {
    const HeldKeys held(backend_, shift);
    if (key != 0) Input(window, wm::KeyDown, key, 1);
    Input(window, wm::Char, static_cast<unsigned char>(ch), 1);
    if (key != 0) Input(window, wm::KeyUp, key, static_cast<std::intptr_t>(0xC0000001u));
  }
  ProcessMessages();
  return true;
}

bool Driver::Type(Control& control, std::string_view text) {
  for (char ch : text)
    if (!TypeChar(control, ch)) return false;
  return true;
}

bool Driver::PressKey(Control& control, std::uint16_t key, ShiftState shift) {
  if (!Focus(control)) return false;
  const Handle window = control.GetHandle();
  {
    const HeldKeys held(backend_, shift);
    Input(window, wm::KeyDown, key, 1);
    Input(window, wm::KeyUp, key, static_cast<std::intptr_t>(0xC0000001u));
  }
  ProcessMessages();
  return true;
}

bool Driver::Paste(Control& control, std::string_view text) {
  if (!Focus(control)) return false;
  backend_.SetClipboardText(std::string(text));
  backend_.SendMessage(control.GetHandle(), wm::Paste, 0, 0);
  ProcessMessages();
  return true;
}

bool Driver::Mouse(Control& control, Point point, std::uint32_t down, std::uint32_t up,
                   bool twice) {
  if (!Reachable(control)) return false;
  const Handle window = control.GetHandle();
  const Point screen = backend_.ClientToScreen(window, point);
  backend_.Desktop().SetCursorPos({screen.x, screen.y});
  const std::intptr_t at = MakePointParam(point.x, point.y);
  const std::uintptr_t button = down == wm::RButtonDown ? 2 : 1;
  Input(window, down, button, at);
  Input(window, up, 0, at);
  if (twice) {
    Input(window, wm::LButtonDblClk, button, at);
    Input(window, up, 0, at);
  }
  ProcessMessages();
  return true;
}

bool Driver::Click(Control& control) {
  if (!control.HandleAllocated()) return false;
  const Size size = control.ClientSize();
  return ClickAt(control, {size.cx / 2, size.cy / 2});
}

bool Driver::ClickAt(Control& control, Point point) {
  return Mouse(control, point, wm::LButtonDown, wm::LButtonUp, false);
}

bool Driver::RightClickAt(Control& control, Point point) {
  return Mouse(control, point, wm::RButtonDown, wm::RButtonUp, false);
}

bool Driver::DoubleClickAt(Control& control, Point point) {
  return Mouse(control, point, wm::LButtonDown, wm::LButtonUp, true);
}

bool Driver::MoveMouseTo(Control& control) {
  if (!control.HandleAllocated() || !backend_.Desktop().IsWindowVisible(control.GetHandle()))
    return false;
  const Size size = control.ClientSize();
  const Point centre{size.cx / 2, size.cy / 2};
  const Point screen = backend_.ClientToScreen(control.GetHandle(), centre);
  backend_.Desktop().SetCursorPos({screen.x, screen.y});
  Input(control.GetHandle(), wm::MouseMove, 0, MakePointParam(centre.x, centre.y));
  ProcessMessages();
  return true;
}

bool Driver::SelectItem(ComboBox& combo, int index) {
  if (!Click(combo)) return false;
  auto* state = dynamic_cast<ComboBoxClass*>(backend_.ClassOf(combo.GetHandle()));
  if (state == nullptr || index < 0 || index >= static_cast<int>(state->items.size())) return false;
  backend_.InClass([&] { state->Pick(index); });
  ProcessMessages();
  return true;
}

bool Driver::SelectItem(ListBox& list, int index) {
  if (!Reachable(list) || index < 0 || index >= list.Count()) return false;
  const Rect item = list.ItemRect(index);
  return ClickAt(list, {item.left + item.Width() / 2, item.top + item.Height() / 2});
}

bool Driver::DoubleClickItem(ListBox& list, int index) {
  if (!Reachable(list) || index < 0 || index >= list.Count()) return false;
  const Rect item = list.ItemRect(index);
  return DoubleClickAt(list, {item.left + item.Width() / 2, item.top + item.Height() / 2});
}

bool Driver::Tick(CheckBox& box) {
  return Click(box);
}

bool Driver::Tick(DateTimePicker& picker) {
  if (!picker.HandleAllocated()) return false;
  return ClickAt(picker, {5, picker.ClientSize().cy / 2});
}

bool Driver::PickDate(DateTimePicker& picker, const SystemTime& date) {
  if (!Focus(picker)) return false;
  auto* state = dynamic_cast<DateTimeClass*>(backend_.ClassOf(picker.GetHandle()));
  if (state == nullptr) return false;
  bool picked = false;
  backend_.InClass([&] { picked = state->Pick(date); });
  ProcessMessages();
  return picked;
}

bool Driver::EditCell(ValueListEditor& grid, int row, int col, std::string_view text) {
  if (!Reachable(grid) || row < 1 || row >= grid.RowCount()) return false;
  const Rect cell = grid.CellRect(row, col);
  if (!ClickAt(grid, {cell.left + cell.Width() / 2, cell.top + cell.Height() / 2})) return false;
  if (!PressKey(grid, vk::Return) || !grid.Editing()) return false;
  Control& editor = *grid.InplaceEditor();
  if (!Type(editor, text)) return false;
  return PressKey(editor, vk::Return);
}

bool Driver::ClickMenu(MenuItem& item) {
  if (!item.Enabled() || !item.Visible()) return false;
  const MenuItem* root = &item;
  for (const MenuItem* p = item.ParentItem(); p != nullptr; p = p->ParentItem()) {
    if (!p->Enabled() || !p->Visible()) return false;
    root = p;
  }
  Form* form = nullptr;
  if (auto* owner = dynamic_cast<MainMenu*>(root->Owner()); owner != nullptr)
    form = owner->AttachedForm();
  if (form == nullptr) {
    for (Component* c = item.Owner(); c != nullptr && form == nullptr; c = c->Owner())
      form = dynamic_cast<Form*>(c);
  }
  if (form == nullptr || !Reachable(*form)) return false;
  backend_.SendMessage(form->GetHandle(), wm::Command,
                       MakeWParam(static_cast<std::uint16_t>(item.Command()), 0), 0);
  ProcessMessages();
  return true;
}

bool Driver::Close(Form& form) {
  if (!Reachable(form)) return false;
  backend_.SendMessage(form.GetHandle(), wm::Close, 0, 0);
  ProcessMessages();
  return true;
}

Rect Driver::DragBorder(Form& form, int edge, Rect proposed) {
  const Handle window = form.GetHandle();
  MinMaxInfo info{};
  info.minTrackSize = {1, 1};
  info.maxTrackSize = {32767, 32767};
  backend_.SendMessage(window, wm::GetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info));
  const bool left = edge == 1 || edge == 4 || edge == 7;
  const bool top = edge == 3 || edge == 4 || edge == 5;
  auto clamp = [](int size, int low, int high) {
    return size < low ? low : size > high ? high : size;
  };
  const int width = clamp(proposed.Width(), info.minTrackSize.x, info.maxTrackSize.x);
  const int height = clamp(proposed.Height(), info.minTrackSize.y, info.maxTrackSize.y);
  if (left)
    proposed.left = proposed.right - width;
  else
    proposed.right = proposed.left + width;
  if (top)
    proposed.top = proposed.bottom - height;
  else
    proposed.bottom = proposed.top + height;
  backend_.SendMessage(window, kSizing, static_cast<std::uintptr_t>(edge),
                       reinterpret_cast<std::intptr_t>(&proposed));
  backend_.SetBounds(window, proposed);
  ProcessMessages();
  return form.BoundsRect();
}

void Driver::Paint(Control& control) {
  backend_.Paint(control.GetHandle());
  ProcessMessages();
}

std::string Driver::HintOf(Control& control) {
  return control.HandleAllocated() ? backend_.HintOf(control.GetHandle()) : std::string();
}

}  // namespace ornil::ui::headless
