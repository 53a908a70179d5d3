// Menu items, their commands and the native menu made from them.
#include "ui/menu.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

namespace ornil::ui {

MenuItem::MenuItem(Component* owner) : Component(owner) {
  command_ = Application::Instance()->RegisterMenuItem(this);
}

MenuItem::~MenuItem() {
  if (auto* app = Application::Instance()) app->UnregisterMenuItem(command_);
  for (MenuItem* item : items_)
    item->parent_ = nullptr;
  if (parent_ != nullptr) {
    parent_->Remove(this);
  } else if (menu_ != nullptr) {
    menu_->Remove(this);
  }
}

void MenuItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}

void MenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void MenuItem::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void MenuItem::Add(MenuItem* item) {
  if (item->parent_ != nullptr) item->parent_->Remove(item);
  item->parent_ = this;
  items_.push_back(item);
  Changed();
}

void MenuItem::Remove(MenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->parent_ = nullptr;
  Changed();
}

void MenuItem::Click() {
  if (enabled_ && OnClick) OnClick(*this);
}

void MenuItem::Changed() {
  const MenuItem* root = this;
  while (root->parent_ != nullptr)
    root = root->parent_;
  if (root->menu_ != nullptr && !root->menu_->Destroying()) root->menu_->Rebuild();
}

MainMenu::MainMenu(Component* owner) : Component(owner) {}

MainMenu::~MainMenu() {
  for (MenuItem* item : items_)
    item->menu_ = nullptr;
  if (form_ != nullptr && !form_->Destroying() && form_->Menu() == this) form_->SetMenu(nullptr);
  FreeNative();
}

void MainMenu::Add(MenuItem* item) {
  item->menu_ = this;
  items_.push_back(item);
  Rebuild();
}

void MainMenu::Remove(MenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->menu_ = nullptr;
  Rebuild();
}

void MainMenu::Notification(Component* component, bool removing) {
  if (removing && component == form_) form_ = nullptr;
}

void MainMenu::AttachTo(Form& form) {
  if (form_ != &form) form.FreeNotification(this);
  form_ = &form;
  Rebuild();
}

void MainMenu::FreeNative() {
  auto* app = Application::Instance();
  if (app != nullptr && !native_.empty()) app->GetBackend().DestroyMenu(native_.front());
  native_.clear();
}

Handle MainMenu::Build(const std::vector<MenuItem*>& items, bool popup) {
  Backend& backend = Application::CurrentBackend();
  const Handle menu = backend.CreateMenu(popup);
  native_.push_back(menu);
  for (MenuItem* item : items) {
    if (!item->Visible()) continue;
    const Handle sub = item->Items().empty() ? 0 : Build(item->Items(), true);
    backend.AppendMenuItem(menu, item->Command(), item->Caption(), sub, item->IsSeparator(),
                           item->Enabled());
  }
  return menu;
}

void MainMenu::Rebuild() {
  if (form_ == nullptr || !form_->HandleAllocated()) return;
  Backend& backend = Application::CurrentBackend();
  const std::vector<Handle> old = native_;
  native_.clear();
  const Handle bar = Build(items_, false);
  backend.SetMenu(form_->GetHandle(), bar);
  // The bar owns its popups; destroying it frees them all.
  if (!old.empty()) backend.DestroyMenu(old.front());
}

}  // namespace ornil::ui
