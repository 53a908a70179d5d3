// Main menus: a bar of items, each with a popup of items; "-" as caption makes a separator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/control.h"

namespace ornil::ui {

class Form;
class MainMenu;

class MenuItem : public Component {
 public:
  explicit MenuItem(Component* owner);
  ~MenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  void Add(MenuItem* item);
  void Remove(MenuItem* item);
  const std::vector<MenuItem*>& Items() const { return items_; }
  MenuItem* ParentItem() const { return parent_; }
  // The command number WM_COMMAND carries for this item.
  std::uint32_t Command() const { return command_; }

  void Click();
  NotifyEvent OnClick;

 private:
  friend class MainMenu;
  void Changed();

  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  std::vector<MenuItem*> items_;
  MenuItem* parent_ = nullptr;
  MainMenu* menu_ = nullptr;
  std::uint32_t command_ = 0;
};

class MainMenu : public Component {
 public:
  explicit MainMenu(Component* owner);
  ~MainMenu() override;

  void Add(MenuItem* item);
  void Remove(MenuItem* item);
  const std::vector<MenuItem*>& Items() const { return items_; }
  Form* AttachedForm() const { return form_; }

  // Makes the native menu for the form's window (again after a change).
  void AttachTo(Form& form);
  void Rebuild();
  // The native menu bar; 0 while there is none.
  Handle NativeHandle() const { return native_.empty() ? 0 : native_.front(); }
  // The window the menu was attached to is going or gone, and the system frees the native menu
  // with it: forget it, not destroy it again.
  void NativeGone() { native_.clear(); }

 protected:
  void Notification(Component* component, bool removing) override;

 private:
  void FreeNative();
  Handle Build(const std::vector<MenuItem*>& items, bool popup);

  std::vector<MenuItem*> items_;
  std::vector<Handle> native_;
  Form* form_ = nullptr;
};

}  // namespace ornil::ui
