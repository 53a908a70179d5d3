// Ownership and free notifications of components.
#include "ui/component.h"

#include <algorithm>

namespace ornil::ui {

namespace {
void Erase(std::vector<Component*>& list, Component* c) {
  list.erase(std::remove(list.begin(), list.end(), c), list.end());
}
}  // namespace

Component::Component(Component* owner) {
  if (owner != nullptr) owner->Insert(this);
}

Component::~Component() {
  destroying_ = true;
  // Whoever watches this one forgets it first, so nothing reaches a half-gone object.
  while (!watchers_.empty()) {
    Component* watcher = watchers_.back();
    watchers_.pop_back();
    Erase(watcher->watched_, this);
    watcher->Notification(this, true);
  }
  for (Component* watched : watched_)
    Erase(watched->watchers_, this);
  watched_.clear();
  while (!components_.empty()) {
    Component* last = components_.back();
    if (last->destroying_)
      Remove(last);  // already on its way out; it must not be freed twice
    else
      last->Free();
  }
  if (owner_ != nullptr) owner_->Remove(this);
}

Component* Component::FindComponent(std::string_view name) const {
  for (Component* c : components_)
    if (c->name_ == name) return c;
  return nullptr;
}

void Component::Free() {
  if (destroying_) return;
  destroying_ = true;
  BeforeDestruction();
  delete this;
}

void Component::FreeNotification(Component* other) {
  if (other == nullptr || other == this) return;
  if (std::find(watchers_.begin(), watchers_.end(), other) != watchers_.end()) return;
  watchers_.push_back(other);
  other->watched_.push_back(this);
}

void Component::RemoveFreeNotification(Component* other) {
  Erase(watchers_, other);
  if (other != nullptr) Erase(other->watched_, this);
}

void Component::Notification(Component*, bool) {}

void Component::Insert(Component* component) {
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, false);
}

void Component::Remove(Component* component) {
  Erase(components_, component);
  component->owner_ = nullptr;
  Notification(component, true);
}

}  // namespace ornil::ui
