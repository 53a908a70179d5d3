// List boxes: single selection, items that may carry an object, and owner drawing with a fixed
// item height. Items, objects and selection outlive a change of style that remakes the window.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ornil::ui {

class ListBox;
using DrawItemEvent = std::function<void(ListBox& sender, int index, Canvas& canvas,
                                         const Rect& rect, std::uint32_t state)>;

class ListBox : public Control {
 public:
  explicit ListBox(Component* owner);

  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool on);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);

  int Count();
  std::string Item(int index);
  void* ItemObject(int index);
  void SetItemObject(int index, void* object);
  // LB_ADDSTRING then the object.
  int AddItem(std::string_view text, void* object = nullptr);
  void InsertItem(int index, std::string_view text, void* object = nullptr);
  void DeleteItem(int index);
  // Moves an item with its object; the selection follows it when it was selected.
  void MoveItem(int from, int to);
  void SetItemText(int index, std::string_view text);
  void Clear();
  int ItemIndex();
  void SetItemIndex(int index);
  Rect ItemRect(int index);
  int ItemAtPos(Point point);

  DrawItemEvent OnDrawItem;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void SaveWindowState() override;
  void WindowCreated() override;
  void CommandNotify(std::uint16_t code) override;
  void DrawItem(DrawItemRecord& record) override;

 private:
  // Straight to the window class, past WindowProc: putting saved items back is no adding.
  std::intptr_t SendToWindow(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);

  bool ownerDraw_ = false;
  int itemHeight_ = 13;
  struct Saved {
    std::string text;
    void* object;
  };
  std::vector<Saved> saved_;
  int savedIndex_ = -1;
};

}  // namespace ornil::ui
