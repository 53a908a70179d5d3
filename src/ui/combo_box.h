// Combo boxes: a drop-down list or an editable drop-down, items that may carry an object,
// auto-complete as the user types and an optional drop-down on the first key.
#pragma once

#include <string>
#include <string_view>

#include "ui/control.h"

namespace ornil::ui {

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public Control {
 public:
  explicit ComboBox(Component* owner);

  ComboStyle Style() const { return style_; }
  // Remakes the window when it exists; items, selection and text are kept.
  void SetStyle(ComboStyle style);

  int Count();
  std::string Item(int index);
  void* ItemObject(int index);
  void SetItemObject(int index, void* object);
  int AddItem(std::string_view text, void* object = nullptr);
  void InsertItem(int index, std::string_view text, void* object = nullptr);
  void DeleteItem(int index);
  // Gives an item another text; it keeps its place, its object and its selection.
  void SetItemText(int index, std::string_view text);
  void Clear();
  // The first item equal to text, ignoring letter case; -1 when none.
  int IndexOf(std::string_view text);

  int ItemIndex();
  void SetItemIndex(int index);
  bool DroppedDown();
  void SetDroppedDown(bool dropped);
  void SetEditSelection(int start, int end);

  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool on) { autoComplete_ = on; }
  bool AutoDropDown() const { return autoDropDown_; }
  void SetAutoDropDown(bool on) { autoDropDown_ = on; }

  NotifyEvent OnSelect;
  NotifyEvent OnDropDown;
  NotifyEvent OnCloseUp;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void SaveWindowState() override;
  void WindowCreated() override;
  void CommandNotify(std::uint16_t code) override;
  void KeyPress(char& key) override;
  void DoExit() override;
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();

 private:
  bool SelectByPrefix(const std::string& prefix);

  ComboStyle style_ = ComboStyle::DropDown;
  bool autoComplete_ = true;
  bool autoDropDown_ = false;
  std::string filter_;
  struct Saved {
    std::string text;
    void* object;
  };
  std::vector<Saved> saved_;
  int savedIndex_ = -1;
  std::string savedText_;
  bool restoring_ = false;
};

}  // namespace ornil::ui
