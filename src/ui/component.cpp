// Ownership and free notifications of components.
#include "ui/component.h"

#include <algorithm>

namespace ornil::ui {

namespace {
void Erase(std::vector<Component*>& list, Component* c) {
  list.erase(std::remove(list.begin(), list.end(), c), list.end());
}

// The components whose free waits until they are out of use; one UI thread, one list.
std::vector<Component*>& Waiting() {
  static std::vector<Component*> waiting;
  return waiting;
}
}  // namespace

Component::Component(Component* owner) {
  if (owner != nullptr) owner->Insert(this);
}

Component::~Component() {
  destroying_ = true;
  if (freePending_) Erase(Waiting(), this);
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
  FreeComponents();
  if (owner_ != nullptr) owner_->Remove(this);
}

void Component::FreeComponents() {
  while (!components_.empty()) {
    Component* last = components_.back();
    if (last->destroying_)
      Remove(last);  // already on its way out; it must not be freed twice
    else
      last->FreeNow();
  }
}

Component* Component::FindComponent(std::string_view name) const {
  for (Component* c : components_)
    if (c->name_ == name) return c;
  return nullptr;
}

void Component::Free() {
  if (destroying_) return;
  if (InUse()) {
    if (!freePending_) Waiting().push_back(this);
    freePending_ = true;
    return;
  }
  FreeNow();
}

void Component::FreeNow() {
  if (destroying_) return;
  if (freePending_) {
    Erase(Waiting(), this);
    freePending_ = false;
  }
  destroying_ = true;
  BeforeDestruction();
  delete this;
}

bool Component::InUse() const {
  return std::any_of(components_.begin(), components_.end(),
                     [](const Component* c) { return !c->destroying_ && c->InUse(); });
}

bool Component::AnyWaiting() {
  return !Waiting().empty();
}

void Component::FreeWaiting() {
  auto& waiting = Waiting();
  for (std::size_t i = 0; i < waiting.size();) {
    Component* component = waiting[i];
    if (component->InUse()) {
      ++i;
      continue;
    }
    // Freeing runs handlers, which may free or ask to free others: start over afterwards.
    component->FreeNow();
    i = 0;
  }
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
