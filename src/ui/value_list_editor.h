// A two-column key/value grid with a title row: keys and values are edited in place, rows are
// added and deleted by code or from the keyboard (Insert adds one, Delete deletes the
// current one), and the grid scrolls when the rows do not fit.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control.h"

namespace ornil::ui {

class Edit;

class ValueListEditor : public Control {
 public:
  explicit ValueListEditor(Component* owner);

  void SetTitleCaptions(std::string key, std::string value);
  const std::string& TitleCaption(int col) const { return titles_[col == 0 ? 0 : 1]; }
  void SetColWidths(int key, int value);
  int ColWidth(int col) const { return widths_[col == 0 ? 0 : 1]; }
  int RowHeight();

  // Row 0 is the title row; data rows are 1 to RowCount() - 1.
  int RowCount() const { return static_cast<int>(rows_.size()) + 1; }
  const std::string& Key(int row) const { return rows_.at(row - 1).first; }
  const std::string& Value(int row) const { return rows_.at(row - 1).second; }
  void SetKey(int row, std::string key);
  void SetValue(int row, std::string value);
  // Appends a row, or inserts it before the current one; returns its row number.
  int InsertRow(std::string key, std::string value, bool append);
  void DeleteRow(int row);
  // Deletes every data row.
  void ClearRows();

  // The current cell; row 0 only while there are no data rows.
  int Row() const { return row_; }
  void SetRow(int row);
  int Col() const { return col_; }
  void SetCol(int col);
  int TopRow() const { return topRow_; }

  bool Editing() const { return editing_; }
  // Opens the in-place editor on the current cell with its text, or with `seed` typed over it.
  void StartEditing();
  void StartEditing(std::string_view seed);
  void CommitEdit();
  void CancelEdit();
  Edit* InplaceEditor() const { return editor_; }
  Rect CellRect(int row, int col);
  // The cell under a client point, or false.
  bool CellAt(Point point, int& row, int& col);

 protected:
  void WndProc(Message& message) override;
  void CreateParams(ui::CreateParams& params) override;
  void Paint(Canvas& canvas) override;
  void Resize() override;
  void KeyDown(std::uint16_t& key, ShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  int VisibleRows();
  void EnsureVisible();
  void UpdateScrollBar();
  void MoveTo(int row, int col);

  std::string titles_[2];
  int widths_[2] = {64, 64};
  std::vector<std::pair<std::string, std::string>> rows_;
  int row_ = 0;
  int col_ = 0;
  int topRow_ = 1;
  bool editing_ = false;
  Edit* editor_ = nullptr;
};

}  // namespace ornil::ui
