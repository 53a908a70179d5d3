// The key/value grid: painting, the current cell, in-place editing and keyboard row commands.
#include "ui/value_list_editor.h"

#include <algorithm>

#include "ui/edit.h"

namespace ornil::ui {

ValueListEditor::ValueListEditor(Component* owner) : Control(owner) {
  SetCustomPaint(true);
  SetTabStop(true);
  SetColor(kColorWindow);
  SetBounds(0, 0, 306, 89);
  editor_ = Make<Edit>(this);
  editor_->SetAutoSize(false);
  editor_->SetBordered(false);
  editor_->SetVisible(false);
  editor_->OnKeyDown = [this](Component&, std::uint16_t& key, ShiftState) {
    if (key == vk::Return) {
      CommitEdit();
      key = 0;
    } else if (key == vk::Escape) {
      CancelEdit();
      key = 0;
    } else if (key == vk::Up || key == vk::Down) {
      CommitEdit();
      MoveTo(row_ + (key == vk::Up ? -1 : 1), col_);
      key = 0;
    }
  };
  editor_->OnExit = [this](Component&) { CommitEdit(); };
}

void ValueListEditor::CreateParams(ui::CreateParams& params) {
  Control::CreateParams(params);
  params.style |= ws::ClipChildren;
  params.exStyle |= ws::ExClientEdge;
}

void ValueListEditor::SetTitleCaptions(std::string key, std::string value) {
  titles_[0] = std::move(key);
  titles_[1] = std::move(value);
  Invalidate();
}

void ValueListEditor::SetColWidths(int key, int value) {
  widths_[0] = key;
  widths_[1] = value;
  Invalidate();
}

int ValueListEditor::RowHeight() {
  return TextExtent("Wg").cy + 5;
}

void ValueListEditor::SetKey(int row, std::string key) {
  rows_.at(row - 1).first = std::move(key);
  Invalidate();
}

void ValueListEditor::SetValue(int row, std::string value) {
  rows_.at(row - 1).second = std::move(value);
  Invalidate();
}

int ValueListEditor::InsertRow(std::string key, std::string value, bool append) {
  CommitEdit();
  int at = append || row_ < 1 ? static_cast<int>(rows_.size()) : row_ - 1;
  rows_.insert(rows_.begin() + at, {std::move(key), std::move(value)});
  if (row_ < 1) row_ = 1;
  UpdateScrollBar();
  Invalidate();
  Change();
  return at + 1;
}

void ValueListEditor::DeleteRow(int row) {
  if (row < 1 || row >= RowCount()) return;
  CancelEdit();
  rows_.erase(rows_.begin() + (row - 1));
  if (row_ >= RowCount()) row_ = RowCount() - 1;
  if (rows_.empty()) row_ = 0;
  topRow_ = std::max(1, std::min(topRow_, RowCount() - 1));
  UpdateScrollBar();
  Invalidate();
  Change();
}

void ValueListEditor::ClearRows() {
  CancelEdit();
  rows_.clear();
  row_ = 0;
  topRow_ = 1;
  UpdateScrollBar();
  Invalidate();
  Change();
}

void ValueListEditor::SetRow(int row) {
  MoveTo(row, col_);
}

void ValueListEditor::SetCol(int col) {
  MoveTo(row_, col);
}

void ValueListEditor::MoveTo(int row, int col) {
  if (rows_.empty()) return;
  CommitEdit();
  row_ = std::clamp(row, 1, RowCount() - 1);
  col_ = std::clamp(col, 0, 1);
  EnsureVisible();
  Invalidate();
}

int ValueListEditor::VisibleRows() {
  return std::max(1, ClientHeight() / RowHeight() - 1);
}

void ValueListEditor::EnsureVisible() {
  if (row_ < 1) return;
  if (row_ < topRow_) topRow_ = row_;
  if (row_ >= topRow_ + VisibleRows()) topRow_ = row_ - VisibleRows() + 1;
  UpdateScrollBar();
}

void ValueListEditor::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  ScrollInfo info;
  info.visible = static_cast<int>(rows_.size()) > VisibleRows();
  info.min = 1;
  info.max = std::max(1, RowCount() - 1);
  info.page = VisibleRows();
  info.position = topRow_;
  GetBackend().SetScrollBar(GetHandle(), info);
}

Rect ValueListEditor::CellRect(int row, int col) {
  const int h = RowHeight();
  const int y = row == 0 ? 0 : (row - topRow_ + 1) * h;
  const int x = col == 0 ? 0 : widths_[0];
  const int w = col == 0 ? widths_[0] : std::max(widths_[1], ClientWidth() - widths_[0]);
  return Rect::Bounds(x, y, w, h);
}

bool ValueListEditor::CellAt(Point p, int& row, int& col) {
  const int h = RowHeight();
  if (p.y < 0 || p.x < 0) return false;
  const int line = p.y / h;
  row = line == 0 ? 0 : topRow_ + line - 1;
  col = p.x < widths_[0] ? 0 : 1;
  return row < RowCount();
}

void ValueListEditor::StartEditing() {
  if (row_ < 1) return;
  StartEditing(col_ == 0 ? Key(row_) : Value(row_));
  editor_->SelectAll();
}

void ValueListEditor::StartEditing(std::string_view seed) {
  if (row_ < 1) return;
  if (editor_->Parent() != this) editor_->SetParent(this);
  EnsureVisible();
  const Rect cell = CellRect(row_, col_);
  editor_->SetBounds(cell.left + 1, cell.top + 1, cell.Width() - 2, cell.Height() - 2);
  editor_->SetText(seed);
  editor_->SetSelection(static_cast<int>(seed.size()), static_cast<int>(seed.size()));
  editing_ = true;
  editor_->Show();
  editor_->SetFocus();
}

void ValueListEditor::CommitEdit() {
  if (!editing_) return;
  editing_ = false;
  const std::string text = editor_->Text();
  editor_->Hide();
  if (row_ >= 1 && row_ < RowCount()) {
    std::string& cell = col_ == 0 ? rows_[row_ - 1].first : rows_[row_ - 1].second;
    if (cell != text) {
      cell = text;
      Change();
    }
  }
  Invalidate();
}

void ValueListEditor::CancelEdit() {
  if (!editing_) return;
  editing_ = false;
  editor_->Hide();
  Invalidate();
}

void ValueListEditor::Resize() {
  Control::Resize();
  EnsureVisible();
}

void ValueListEditor::Paint(Canvas& canvas) {
  const Rect client = ClientRect();
  canvas.FillRect(client, GetColor());
  canvas.SetFont(GetFont());
  const int h = RowHeight();
  for (int col = 0; col < 2; ++col) {
    const Rect cell = CellRect(0, col);
    canvas.FillRect(cell, kColorBtnFace);
    canvas.DrawEdge(cell, edge::Raised, edge::AllSides);
    canvas.SetTextColor(GetFont().color);
    canvas.TextOut(cell.left + 2, cell.top + 2, titles_[col]);
  }
  const bool focused = Focused() || editing_;
  for (int row = topRow_; row < RowCount() && (row - topRow_ + 1) * h < client.bottom; ++row) {
    for (int col = 0; col < 2; ++col) {
      const Rect cell = CellRect(row, col);
      const bool current = row == row_ && col == col_;
      canvas.FillRect(cell, current && focused ? kColorHighlight : GetColor());
      canvas.SetTextColor(current && focused ? kColorHighlightText : GetFont().color);
      canvas.TextOut(cell.left + 2, cell.top + 2, col == 0 ? Key(row) : Value(row));
      canvas.Line({cell.left, cell.bottom - 1}, {cell.right, cell.bottom - 1}, kColorSilver, 1);
      canvas.Line({cell.right - 1, cell.top}, {cell.right - 1, cell.bottom}, kColorSilver, 1);
    }
  }
}

void ValueListEditor::KeyDown(std::uint16_t& key, ShiftState shift) {
  Control::KeyDown(key, shift);
  switch (key) {
    case vk::Up:
      MoveTo(row_ - 1, col_);
      break;
    case vk::Down:
      MoveTo(row_ + 1, col_);
      break;
    case vk::Left:
      MoveTo(row_, 0);
      break;
    case vk::Right:
      MoveTo(row_, 1);
      break;
    case vk::Insert:
      MoveTo(InsertRow({}, {}, true), 0);
      break;
    case vk::Delete:
      DeleteRow(row_);
      break;
    case vk::Return:
      StartEditing();
      break;
    default:
      return;
  }
  key = 0;
}

void ValueListEditor::KeyPress(char& key) {
  Control::KeyPress(key);
  if (static_cast<unsigned char>(key) < 32) return;
  StartEditing(std::string(1, key));
  key = 0;
}

void ValueListEditor::WndProc(Message& m) {
  switch (m.msg) {
    case wm::LButtonDown: {
      Control::WndProc(m);
      int row = 0, col = 0;
      if (!CellAt(PointFromParam(m.lParam), row, col) || row < 1) return;
      const bool same = row == row_ && col == col_;
      MoveTo(row, col);
      if (same)
        StartEditing();
      else if (CanFocus())
        SetFocus();
      return;
    }
    case wm::VScroll: {
      const std::uint16_t code = LowWord(m.wParam);
      if (code == 0) topRow_ = std::max(1, topRow_ - 1);
      if (code == 1) topRow_ = std::min(std::max(1, RowCount() - VisibleRows()), topRow_ + 1);
      UpdateScrollBar();
      Invalidate();
      m.result = 0;
      return;
    }
    default:
      Control::WndProc(m);
      return;
  }
}

}  // namespace ornil::ui
