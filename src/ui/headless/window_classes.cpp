// The headless window classes.
#include "ui/headless/window_classes.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/cp1251.h"
#include "ui/date_format.h"
#include "ui/headless/headless_backend.h"

namespace ornil::ui::headless {

namespace {

constexpr std::uint32_t kPaintAction = 1;  // ODA_DRAWENTIRE
constexpr std::uint16_t kEditChange = em::ChangeNotification;

std::string FirstLine(const std::string& s) {
  return s.substr(0, s.find_first_of("\r\n"));
}

std::string FromParam(std::intptr_t lParam) {
  return lParam != 0 ? std::string(reinterpret_cast<const char*>(lParam)) : std::string();
}

void WriteSelection(const Message& m, std::size_t start, std::size_t end) {
  if (m.wParam != 0)
    *reinterpret_cast<std::uint32_t*>(m.wParam) = static_cast<std::uint32_t>(start);
  if (m.lParam != 0) *reinterpret_cast<std::uint32_t*>(m.lParam) = static_cast<std::uint32_t>(end);
}

std::intptr_t PackSelection(std::size_t start, std::size_t end) {
  return static_cast<std::intptr_t>(
      MakeWParam(static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(end)));
}

bool StartsWithIgnoringCase(const std::string& text, char c) {
  return !text.empty() && text::LowerChar(text[0]) == text::LowerChar(c);
}

}  // namespace

// --- EditState ----------------------------------------------------------------------------------

bool EditState::Insert(std::string_view s) {
  const std::size_t selected = selEnd - selStart;
  const std::size_t kept = text.size() - selected;
  std::string piece(s);
  if (kept + piece.size() > limit) piece.resize(limit > kept ? limit - kept : 0);
  if (piece.empty() && !s.empty()) return false;
  text.replace(selStart, selected, piece);
  selStart = selEnd = selStart + piece.size();
  return true;
}

bool EditState::Backspace() {
  if (selEnd > selStart) {
    text.erase(selStart, selEnd - selStart);
    selEnd = selStart;
    return true;
  }
  if (selStart == 0) return false;
  std::size_t n = 1;
  if (multiline && selStart >= 2 && text.compare(selStart - 2, 2, "\r\n") == 0) n = 2;
  text.erase(selStart - n, n);
  selStart = selEnd = selStart - n;
  return true;
}

bool EditState::Key(std::uint16_t key) {
  switch (key) {
    case vk::Left:
      selStart = selEnd = selEnd > selStart ? selStart : (selStart > 0 ? selStart - 1 : 0);
      return false;
    case vk::Right:
      selStart = selEnd = selEnd > selStart ? selEnd : std::min(text.size(), selEnd + 1);
      return false;
    case vk::Home:
      selStart = selEnd = 0;
      return false;
    case vk::End:
      selStart = selEnd = text.size();
      return false;
    case vk::Delete:
      if (selEnd > selStart) {
        text.erase(selStart, selEnd - selStart);
        selEnd = selStart;
        return true;
      }
      if (selStart >= text.size()) return false;
      text.erase(selStart, 1);
      return true;
    default:
      return false;
  }
}

void EditState::Select(std::intptr_t start, std::intptr_t end) {
  const auto size = static_cast<std::intptr_t>(text.size());
  if (start < 0) {
    selStart = selEnd;
    return;
  }
  if (end < 0 || end > size) end = size;
  start = std::min(start, size);
  if (start > end) std::swap(start, end);
  selStart = static_cast<std::size_t>(start);
  selEnd = static_cast<std::size_t>(end);
}

// --- WindowClass --------------------------------------------------------------------------------

WindowClass::WindowClass(HeadlessBackend& backend, ui::Handle window, const CreateParams& params)
    : backend_(backend), window_(window), style_(params.style), text_(params.caption) {}

void WindowClass::Default(Message& m) {
  HandleText(m, text_);
}

bool WindowClass::HandleText(Message& m, std::string& text) {
  switch (m.msg) {
    case wm::SetText:
      text = FromParam(m.lParam);
      m.result = 1;
      return true;
    case wm::GetTextLength:
      m.result = static_cast<std::intptr_t>(text.size());
      return true;
    case wm::GetText:
      m.result = CopyOut(text, m.wParam, m.lParam);
      return true;
    default:
      return false;
  }
}

std::intptr_t WindowClass::CopyOut(const std::string& text, std::uintptr_t size,
                                   std::intptr_t buffer) {
  if (buffer == 0 || size == 0) return 0;
  const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(reinterpret_cast<char*>(buffer), text.data(), n);
  reinterpret_cast<char*>(buffer)[n] = '\0';
  return static_cast<std::intptr_t>(n);
}

std::intptr_t WindowClass::SendToParent(std::uint32_t msg, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  DesktopLink& desktop = backend_.Desktop();
  const ui::Handle parent = desktop.GetParent(window_);
  return parent != 0 ? desktop.Send(parent, msg, wParam, lParam) : 0;
}

std::intptr_t WindowClass::SendToSelf(std::uint32_t msg, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
  return backend_.Desktop().Send(window_, msg, wParam, lParam);
}

void WindowClass::NotifyParent(std::uint16_t code) {
  SendToParent(wm::Command, MakeWParam(0, code), static_cast<std::intptr_t>(window_));
}

Size WindowClass::ClientSize() {
  return backend_.GetClientSize(window_);
}

// --- OrnilForm ---------------------------------------------------------------------------------

void FormClass::Default(Message& m) {
  if (m.msg != wm::EraseBackground) {
    WindowClass::Default(m);
    return;
  }
  const Size client = ClientSize();
  backend_.DeviceCanvas(m.wParam)->FillRect({0, 0, client.cx, client.cy}, kColorBtnFace);
  m.result = 1;
}

// --- EDIT ---------------------------------------------------------------------------------------

EditClass::EditClass(HeadlessBackend& backend, ui::Handle window, const CreateParams& params)
    : WindowClass(backend, window, params) {
  edit.multiline = (params.style & es::Multiline) != 0;
  readOnly = (params.style & es::ReadOnly) != 0;
  edit.text = params.caption;
}

void EditClass::Default(Message& m) {
  switch (m.msg) {
    case wm::SetText:
      edit.text = FromParam(m.lParam);
      edit.selStart = edit.selEnd = 0;
      m.result = 1;
      if (!edit.multiline) NotifyParent(kEditChange);
      return;
    case wm::GetText:
    case wm::GetTextLength:
      HandleText(m, edit.text);
      return;
    case em::GetSel:
      WriteSelection(m, edit.selStart, edit.selEnd);
      m.result = PackSelection(edit.selStart, edit.selEnd);
      return;
    case em::SetSel:
      edit.Select(static_cast<std::intptr_t>(m.wParam), m.lParam);
      return;
    case em::ReplaceSel:
      if (edit.Insert(FromParam(m.lParam))) NotifyParent(kEditChange);
      return;
    case em::LimitText:
      edit.limit = m.wParam != 0 ? m.wParam : 0x7FFFFFFE;
      return;
    case em::GetLimitText:
      m.result = static_cast<std::intptr_t>(edit.limit);
      return;
    case em::SetReadOnly:
      readOnly = m.wParam != 0;
      style_ = readOnly ? (style_ | es::ReadOnly) : (style_ & ~es::ReadOnly);
      m.result = 1;
      return;
    case wm::GetDlgCode:
      m.result = dlgc::HasSetSel | dlgc::WantChars | dlgc::WantArrows |
                 (edit.multiline ? dlgc::WantAllKeys : 0);
      return;
    case wm::Char: {
      if (readOnly) return;
      const auto c = static_cast<unsigned char>(m.wParam);
      bool changed = false;
      if (c == vk::Back)
        changed = edit.Backspace();
      else if (c == '\r')
        changed = edit.multiline && edit.Insert("\r\n");
      else if (c == '\t')
        changed = edit.multiline && edit.Insert("\t");
      else if (c >= 32)
        changed = edit.Insert(std::string(1, static_cast<char>(c)));
      if (changed) NotifyParent(kEditChange);
      return;
    }
    case wm::KeyDown: {
      const auto key = static_cast<std::uint16_t>(m.wParam);
      if (readOnly && key == vk::Delete) return;
      if (edit.Key(key)) NotifyParent(kEditChange);
      return;
    }
    case wm::Paste: {
      if (readOnly) return;
      const std::string pasted =
          edit.multiline ? backend_.ClipboardText() : FirstLine(backend_.ClipboardText());
      if (!pasted.empty() && edit.Insert(pasted)) NotifyParent(kEditChange);
      return;
    }
    case wm::LButtonDown:
      backend_.Desktop().SetFocus(window_);
      return;
    default:
      WindowClass::Default(m);
      return;
  }
}

// --- BUTTON -------------------------------------------------------------------------------------

void ButtonClass::Default(Message& m) {
  const std::uint32_t type = style_ & bs::TypeMask;
  switch (m.msg) {
    case wm::GetDlgCode:
      m.result = type == bs::GroupBox      ? dlgc::Static
                 : type == bs::RadioButton ? dlgc::Button | dlgc::RadioButton
                 : type == bs::CheckBox    ? dlgc::Button
                                           : dlgc::Button | dlgc::UndefPushButton;
      return;
    case bm::GetCheck:
      m.result = static_cast<std::intptr_t>(check);
      return;
    case bm::SetCheck:
      check = m.wParam;
      backend_.Invalidate(window_);
      return;
    case bm::GetState:
      m.result = static_cast<std::intptr_t>(check | (pushed ? 4 : 0));
      return;
    case bm::SetState:
      pushed = m.wParam != 0;
      return;
    case bm::Click:
      SendToSelf(wm::LButtonDown, 0, 0);
      SendToSelf(wm::LButtonUp, 0, 0);
      return;
    case wm::LButtonDown:
      if (type == bs::GroupBox) return;
      pushed = true;
      backend_.Desktop().SetFocus(window_);
      return;
    case wm::LButtonUp:
      if (!pushed) return;
      pushed = false;
      NotifyParent(bm::Clicked);
      return;
    case wm::KeyDown:
      if (m.wParam == vk::Space && type != bs::GroupBox) pushed = true;
      return;
    case wm::KeyUp:
      if (m.wParam == vk::Space && pushed) {
        pushed = false;
        NotifyParent(bm::Clicked);
      }
      return;
    case wm::Paint: {
      if (type != bs::OwnerDraw) return;
      const Size client = ClientSize();
      DrawItemRecord record;
      record.controlType = ods::Button;
      record.itemAction = kPaintAction;
      record.itemState = (pushed ? ods::Selected : 0) |
                         (backend_.GetFocus() == window_ ? ods::Focus : 0) |
                         (backend_.IsEnabled(window_) ? 0 : ods::Disabled);
      record.window = window_;
      record.dc = backend_.NewDeviceContext(window_);
      record.right = client.cx;
      record.bottom = client.cy;
      SendToParent(wm::DrawItem, 0, reinterpret_cast<std::intptr_t>(&record));
      return;
    }
    default:
      WindowClass::Default(m);
      return;
  }
}

// --- COMBOBOX -----------------------------------------------------------------------------------

ComboBoxClass::ComboBoxClass(HeadlessBackend& backend, ui::Handle window,
                             const CreateParams& params)
    : WindowClass(backend, window, params) {}

bool ComboBoxClass::IsList() const {
  return (style_ & 3) == cbs::DropDownList;
}

void ComboBoxClass::SetDropped(bool on) {
  if (dropped == on) return;
  dropped = on;
  NotifyParent(on ? cb::DropDown : cb::CloseUp);
}

void ComboBoxClass::Choose(int index, bool notify) {
  current = index;
  edit.text = index >= 0 ? items[index].text : std::string();
  edit.Select(0, -1);
  if (notify) NotifyParent(cb::SelChange);
}

void ComboBoxClass::Pick(int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  if (!dropped) SetDropped(true);
  Choose(index, true);
  SetDropped(false);
}

void ComboBoxClass::Default(Message& m) {
  const auto count = static_cast<int>(items.size());
  const auto index = static_cast<int>(static_cast<std::intptr_t>(m.wParam));
  const bool valid = index >= 0 && index < count;
  switch (m.msg) {
    case cb::AddString:
      items.push_back({FromParam(m.lParam), 0});
      m.result = count;
      return;
    case cb::InsertString: {
      const int at = valid ? index : count;
      items.insert(items.begin() + at, {FromParam(m.lParam), 0});
      if (current >= at) ++current;
      m.result = at;
      return;
    }
    case cb::DeleteString:
      if (!valid) {
        m.result = cb::Err;
        return;
      }
      items.erase(items.begin() + index);
      if (current == index)
        current = -1;
      else if (current > index)
        --current;
      m.result = count - 1;
      return;
    case cb::ResetContent:
      items.clear();
      current = -1;
      edit = EditState{};
      return;
    case cb::GetCount:
      m.result = count;
      return;
    case cb::GetCurSel:
      m.result = current;
      return;
    case cb::SetCurSel:
      Choose(valid ? index : -1, false);
      m.result = valid ? index : cb::Err;
      return;
    case cb::GetLbText:
      m.result =
          valid ? CopyOut(items[index].text, items[index].text.size() + 1, m.lParam) : cb::Err;
      return;
    case cb::GetLbTextLen:
      m.result = valid ? static_cast<std::intptr_t>(items[index].text.size()) : cb::Err;
      return;
    case cb::GetItemData:
      m.result = valid ? static_cast<std::intptr_t>(items[index].data) : cb::Err;
      return;
    case cb::SetItemData:
      if (valid) items[index].data = static_cast<std::uintptr_t>(m.lParam);
      m.result = valid ? 0 : cb::Err;
      return;
    case cb::FindStringExact: {
      const std::string wanted = text::Lower(FromParam(m.lParam));
      const int start = valid ? index + 1 : 0;
      m.result = cb::Err;
      for (int k = 0; k < count; ++k) {
        const int i = (start + k) % count;
        if (text::Lower(items[i].text) == wanted) {
          m.result = i;
          break;
        }
      }
      return;
    }
    case cb::ShowDropDown:
      SetDropped(m.wParam != 0);
      m.result = 1;
      return;
    case cb::GetDroppedState:
      m.result = dropped ? 1 : 0;
      return;
    case wm::GetDlgCode: {
      // Dropped down, it keeps Esc and Enter: they close the list.
      const auto* key = reinterpret_cast<const platform::MessageRecord*>(m.lParam);
      const bool closing = dropped && key != nullptr && key->message == wm::KeyDown &&
                           (key->wParam == vk::Escape || key->wParam == vk::Return);
      m.result = dlgc::WantArrows | dlgc::WantChars | (closing ? dlgc::WantMessage : 0);
      return;
    }
    case cb::GetEditSel:
      WriteSelection(m, edit.selStart, edit.selEnd);
      m.result = PackSelection(edit.selStart, edit.selEnd);
      return;
    case cb::SetEditSel:
      if (IsList()) {
        m.result = cb::Err;
        return;
      }
      edit.Select(static_cast<std::int16_t>(LowWord(static_cast<std::uintptr_t>(m.lParam))),
                  static_cast<std::int16_t>(HighWord(static_cast<std::uintptr_t>(m.lParam))));
      m.result = 1;
      return;
    case wm::SetText: {
      const std::string text = FromParam(m.lParam);
      if (!IsList()) {
        edit.text = text;
        edit.selStart = edit.selEnd = 0;
        m.result = 1;
        return;
      }
      m.result = cb::Err;
      for (int i = 0; i < count; ++i)
        if (text::Lower(items[i].text) == text::Lower(text)) {
          Choose(i, false);
          m.result = 1;
          break;
        }
      return;
    }
    case wm::GetText:
    case wm::GetTextLength: {
      std::string text =
          IsList() ? (current >= 0 ? items[current].text : std::string()) : edit.text;
      HandleText(m, text);
      return;
    }
    case wm::Char: {
      const auto c = static_cast<unsigned char>(m.wParam);
      if (IsList()) {
        if (c < 32 || count == 0) return;
        for (int k = 1; k <= count; ++k) {
          const int i = (current + k + count) % count;
          if (StartsWithIgnoringCase(items[i].text, static_cast<char>(c))) {
            if (i != current) Choose(i, true);
            break;
          }
        }
        return;
      }
      bool changed = false;
      if (c == vk::Back)
        changed = edit.Backspace();
      else if (c >= 32)
        changed = edit.Insert(std::string(1, static_cast<char>(c)));
      if (changed) NotifyParent(cb::EditChange);
      return;
    }
    case wm::KeyDown: {
      const auto key = static_cast<std::uint16_t>(m.wParam);
      if (key == vk::F4) {
        SetDropped(!dropped);
      } else if ((key == vk::Escape || key == vk::Return) && dropped) {
        SetDropped(false);
      } else if ((key == vk::Down || key == vk::Up) && count > 0) {
        const int next = std::clamp(current + (key == vk::Down ? 1 : -1), 0, count - 1);
        if (next != current) Choose(next, true);
      } else if (!IsList() && edit.Key(key)) {
        NotifyParent(cb::EditChange);
      }
      return;
    }
    case wm::Paste:
      if (!IsList() && edit.Insert(FirstLine(backend_.ClipboardText())))
        NotifyParent(cb::EditChange);
      return;
    case wm::LButtonDown:
      backend_.Desktop().SetFocus(window_);
      SetDropped(!dropped);
      return;
    default:
      WindowClass::Default(m);
      return;
  }
}

// --- LISTBOX ------------------------------------------------------------------------------------

ListBoxClass::ListBoxClass(HeadlessBackend& backend, ui::Handle window, const CreateParams& params)
    : WindowClass(backend, window, params) {}

int ListBoxClass::ItemAt(Point client) const {
  if (client.y < 0 || itemHeight <= 0) return -1;
  const int i = top + client.y / itemHeight;
  return i < static_cast<int>(items.size()) ? i : -1;
}

void ListBoxClass::Default(Message& m) {
  const auto count = static_cast<int>(items.size());
  const auto index = static_cast<int>(static_cast<std::intptr_t>(m.wParam));
  const bool valid = index >= 0 && index < count;
  const bool notify = (style_ & lbs::Notify) != 0;
  switch (m.msg) {
    case lb::AddString:
      items.push_back({FromParam(m.lParam), 0});
      m.result = count;
      backend_.Invalidate(window_);
      return;
    case lb::InsertString: {
      const int at = valid ? index : count;
      items.insert(items.begin() + at, {FromParam(m.lParam), 0});
      if (current >= at) ++current;
      m.result = at;
      backend_.Invalidate(window_);
      return;
    }
    case lb::DeleteString:
      if (!valid) {
        m.result = lb::Err;
        return;
      }
      items.erase(items.begin() + index);
      if (current == index)
        current = -1;
      else if (current > index)
        --current;
      m.result = count - 1;
      backend_.Invalidate(window_);
      return;
    case lb::ResetContent:
      items.clear();
      current = -1;
      top = 0;
      backend_.Invalidate(window_);
      return;
    case lb::SetCurSel:
      current = valid ? index : -1;
      m.result = valid ? index : lb::Err;
      backend_.Invalidate(window_);
      return;
    case lb::GetCurSel:
      m.result = current;
      return;
    case lb::GetText:
      m.result =
          valid ? CopyOut(items[index].text, items[index].text.size() + 1, m.lParam) : lb::Err;
      return;
    case lb::GetTextLen:
      m.result = valid ? static_cast<std::intptr_t>(items[index].text.size()) : lb::Err;
      return;
    case lb::GetCount:
      m.result = count;
      return;
    case lb::GetTopIndex:
      m.result = top;
      return;
    case lb::GetItemData:
      m.result = valid ? static_cast<std::intptr_t>(items[index].data) : lb::Err;
      return;
    case lb::SetItemData:
      if (valid) items[index].data = static_cast<std::uintptr_t>(m.lParam);
      m.result = valid ? 0 : lb::Err;
      return;
    case lb::SetItemHeight:
      itemHeight = static_cast<int>(LowWord(static_cast<std::uintptr_t>(m.lParam)));
      return;
    case lb::GetItemHeight:
      m.result = itemHeight;
      return;
    case lb::GetItemRect: {
      if (!valid || m.lParam == 0) {
        m.result = lb::Err;
        return;
      }
      *reinterpret_cast<Rect*>(m.lParam) =
          Rect::Bounds(0, (index - top) * itemHeight, ClientSize().cx, itemHeight);
      m.result = 1;
      return;
    }
    case lb::ItemFromPoint: {
      const int i = ItemAt(PointFromParam(m.lParam));
      m.result = i < 0 ? static_cast<std::intptr_t>(
                             MakeWParam(static_cast<std::uint16_t>(std::max(count - 1, 0)), 1))
                       : static_cast<std::intptr_t>(MakeWParam(static_cast<std::uint16_t>(i), 0));
      return;
    }
    case wm::GetDlgCode:
      m.result = dlgc::WantArrows | dlgc::WantChars;
      return;
    case wm::LButtonDown: {
      // The item is selected at once; the parent hears of it when the button comes up.
      backend_.Desktop().SetFocus(window_);
      const int i = ItemAt(PointFromParam(m.lParam));
      if (i < 0) return;
      captured_ = true;
      backend_.Desktop().SetCapture(window_);
      if (i != current) {
        current = i;
        backend_.Invalidate(window_);
      }
      return;
    }
    case wm::LButtonUp:
      if (!captured_) return;
      captured_ = false;
      if (backend_.Desktop().GetCapture() == window_) backend_.Desktop().SetCapture(0);
      if (notify && count > 0) NotifyParent(lb::SelChange);
      return;
    case wm::LButtonDblClk:
      if (notify) NotifyParent(lb::DblClk);
      return;
    case wm::KeyDown: {
      const auto key = static_cast<std::uint16_t>(m.wParam);
      if (count == 0 || (key != vk::Down && key != vk::Up && key != vk::Home && key != vk::End))
        return;
      int next = key == vk::Home  ? 0
                 : key == vk::End ? count - 1
                                  : current + (key == vk::Down ? 1 : -1);
      next = std::clamp(next, 0, count - 1);
      if (next != current) {
        current = next;
        backend_.Invalidate(window_);
        if (notify) NotifyParent(lb::SelChange);
      }
      return;
    }
    case wm::Paint: {
      if (!(style_ & lbs::OwnerDrawFixed)) return;
      const Size client = ClientSize();
      for (int i = top; i < count && (i - top) * itemHeight < client.cy; ++i) {
        DrawItemRecord record;
        record.controlType = ods::ListBox;
        record.itemId = static_cast<std::uint32_t>(i);
        record.itemAction = kPaintAction;
        record.itemState = (i == current ? ods::Selected : 0) |
                           (i == current && backend_.GetFocus() == window_ ? ods::Focus : 0);
        record.window = window_;
        record.dc = backend_.NewDeviceContext(window_);
        record.top = (i - top) * itemHeight;
        record.right = client.cx;
        record.bottom = record.top + itemHeight;
        record.itemData = items[i].data;
        SendToParent(wm::DrawItem, 0, reinterpret_cast<std::intptr_t>(&record));
      }
      return;
    }
    default:
      WindowClass::Default(m);
      return;
  }
}

// --- SysDateTimePick32 --------------------------------------------------------------------------

DateTimeClass::DateTimeClass(HeadlessBackend& backend, ui::Handle window,
                             const CreateParams& params)
    : WindowClass(backend, window, params), date(backend.Today()) {}

DateTimeClass::~DateTimeClass() {
  if (monthCalendar != 0) backend_.Desktop().DestroyWindow(monthCalendar);
}

std::string DateTimeClass::Display() {
  if (!format.empty()) return FormatDate(date, format);
  return FormatDate(date, (style_ & dts::LongDateFormat) ? backend_.LongDateFormat()
                                                         : backend_.ShortDateFormat());
}

void DateTimeClass::NotifyChange() {
  DateTimeChange change;
  change.header = {window_, 0, dtm::DateTimeChange};
  change.flags = (style_ & dts::ShowNone) && !checked ? dtm::None : dtm::Valid;
  change.time = date;
  SendToParent(wm::Notify, 0, reinterpret_cast<std::intptr_t>(&change));
}

void DateTimeClass::NotifyCode(std::uint32_t code) {
  NotifyHeader header{window_, 0, code};
  SendToParent(wm::Notify, 0, reinterpret_cast<std::intptr_t>(&header));
}

void DateTimeClass::Open() {
  if (monthCalendar != 0) return;
  NewWindow calendar;
  calendar.className = "SysMonthCal32";
  calendar.style = ws::Popup | ws::Visible | ws::Border;
  const Rect below = backend_.GetScreenRect(window_);
  calendar.bounds = Rect::Bounds(below.left, below.bottom, 180, 160);
  calendar.owner = window_;
  calendar.frame = {1, 1, 1, 1};
  monthCalendar = backend_.Desktop().CreateWindow(calendar);
  NotifyCode(dtm::DropDown);
}

void DateTimeClass::Close() {
  if (monthCalendar == 0) return;
  NotifyCode(dtm::CloseUp);
  const ui::Handle calendar = std::exchange(monthCalendar, 0);
  backend_.Desktop().DestroyWindow(calendar);
}

bool DateTimeClass::Pick(const SystemTime& picked) {
  Open();
  const bool open = monthCalendar != 0 && backend_.Desktop().IsWindowEnabled(monthCalendar);
  if (open) {
    date = picked;
    date.dayOfWeek = static_cast<std::uint16_t>(DayOfWeek(date.year, date.month, date.day));
    checked = true;
    NotifyChange();
  }
  Close();
  return open;
}

void DateTimeClass::Default(Message& m) {
  const bool showNone = (style_ & dts::ShowNone) != 0;
  switch (m.msg) {
    case dtm::GetSystemTime:
      if (m.lParam != 0) *reinterpret_cast<SystemTime*>(m.lParam) = date;
      m.result = static_cast<std::intptr_t>(showNone && !checked ? dtm::None : dtm::Valid);
      return;
    case dtm::SetSystemTime:
      if (m.wParam == dtm::None) {
        if (showNone) checked = false;
        m.result = showNone ? 1 : 0;
        return;
      }
      if (m.lParam == 0 || !reinterpret_cast<const SystemTime*>(m.lParam)->IsValidDate()) return;
      date = *reinterpret_cast<const SystemTime*>(m.lParam);
      checked = true;
      m.result = 1;
      backend_.Invalidate(window_);
      return;
    case dtm::SetFormat:
      format = FromParam(m.lParam);
      m.result = 1;
      return;
    case dtm::GetMonthCal:
      m.result = static_cast<std::intptr_t>(monthCalendar);
      return;
    case wm::GetDlgCode:
      m.result = dlgc::WantArrows | dlgc::WantChars;
      return;
    case wm::GetText:
    case wm::GetTextLength: {
      std::string text = Display();
      HandleText(m, text);
      return;
    }
    case wm::KeyDown: {
      const auto key = static_cast<std::uint16_t>(m.wParam);
      if (key == vk::Space && showNone) {
        checked = !checked;
        NotifyChange();
      } else if ((key == vk::Up || key == vk::Down) && (checked || !showNone)) {
        date = AddDays(date, key == vk::Up ? 1 : -1);
        NotifyChange();
      } else if (key == vk::F4) {
        Open();
      }
      return;
    }
    case wm::LButtonDown: {
      backend_.Desktop().SetFocus(window_);
      const Point p = PointFromParam(m.lParam);
      if (showNone && p.x < 16) {
        checked = !checked;
        NotifyChange();
      } else if (p.x >= ClientSize().cx - 18) {
        Open();
      }
      return;
    }
    default:
      WindowClass::Default(m);
      return;
  }
}

std::unique_ptr<WindowClass> MakeWindowClass(HeadlessBackend& backend, ui::Handle window,
                                             const CreateParams& params) {
  const std::string& name = params.className;
  if (name == "EDIT") return std::make_unique<EditClass>(backend, window, params);
  if (name == "BUTTON") return std::make_unique<ButtonClass>(backend, window, params);
  if (name == "COMBOBOX") return std::make_unique<ComboBoxClass>(backend, window, params);
  if (name == "LISTBOX") return std::make_unique<ListBoxClass>(backend, window, params);
  if (name == "SysDateTimePick32") return std::make_unique<DateTimeClass>(backend, window, params);
  if (name == "OrnilForm") return std::make_unique<FormClass>(backend, window, params);
  return std::make_unique<WindowClass>(backend, window, params);
}

}  // namespace ornil::ui::headless
