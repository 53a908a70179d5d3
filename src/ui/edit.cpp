// One-line edits and memos over the system's EDIT class.
#include "ui/edit.h"

namespace ornil::ui {

Edit::Edit(Component* owner) : Control(owner) {
  SetTabStop(true);
  SetColor(kColorWindow);
  SetBounds(0, 0, 121, 21);
  SetAutoSize(true);
}

void Edit::CreateParams(ui::CreateParams& params) {
  params.className = "EDIT";
  params.style = ws::Child | BaseStyle() | es::AutoHScroll;
  if (readOnly_) params.style |= es::ReadOnly;
  if (bordered_) params.exStyle |= ws::ExClientEdge;
}

void Edit::WindowCreated() {
  if (maxLength_ > 0) Perform(em::LimitText, static_cast<std::uintptr_t>(maxLength_));
}

void Edit::SetMaxLength(int length) {
  maxLength_ = length < 0 ? 0 : length;
  if (HandleAllocated()) Perform(em::LimitText, static_cast<std::uintptr_t>(maxLength_));
}

void Edit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HandleAllocated()) Perform(em::SetReadOnly, readOnly ? 1 : 0);
}

void Edit::SetBordered(bool bordered) {
  bordered_ = bordered;
  ApplyStyle();
  if (AutoSize()) AdjustSize();
}

int Edit::SelStart() {
  std::uint32_t start = 0, end = 0;
  Perform(em::GetSel, reinterpret_cast<std::uintptr_t>(&start),
          reinterpret_cast<std::intptr_t>(&end));
  return static_cast<int>(start);
}

int Edit::SelLength() {
  std::uint32_t start = 0, end = 0;
  Perform(em::GetSel, reinterpret_cast<std::uintptr_t>(&start),
          reinterpret_cast<std::intptr_t>(&end));
  return static_cast<int>(end - start);
}

void Edit::SetSelection(int start, int end) {
  Perform(em::SetSel, static_cast<std::uintptr_t>(start), end);
}

void Edit::WndProc(Message& m) {
  if (m.msg == wm::GetDlgCode) {
    // The class's answer without the key's message: given one, EDIT takes itself for part of a
    // dialog box, and a multi-line one then posts WM_CLOSE to its parent on Esc.
    Message plain{m.msg, m.wParam, 0, 0};
    Control::WndProc(plain);
    m.result = plain.result;
    return;
  }
  Control::WndProc(m);
}

void Edit::CommandNotify(std::uint16_t code) {
  if (code == em::ChangeNotification) Change();
}

void Edit::AdjustSize() {
  const int textHeight = TextExtent("Wg").cy;
  const int border = bordered_ ? 8 * GetBackend().SystemMetric(Metric::BorderHeight) : 2;
  SetHeight(textHeight + border);
}

Memo::Memo(Component* owner) : Edit(owner) {
  SetAutoSize(false);
  SetBounds(0, 0, 185, 89);
}

void Memo::CreateParams(ui::CreateParams& params) {
  Edit::CreateParams(params);
  params.style = (params.style & ~es::AutoHScroll) | es::Multiline | es::AutoVScroll;
}

void Memo::WndProc(Message& m) {
  Edit::WndProc(m);
  if (m.msg == wm::GetDlgCode && !wantReturns_) m.result &= ~dlgc::WantAllKeys;
}

void Memo::KeyPress(char& key) {
  Edit::KeyPress(key);
  if (key == '\r' && !wantReturns_) key = 0;
}

}  // namespace ornil::ui
