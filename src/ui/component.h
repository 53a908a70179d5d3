// Components: objects with an owner that frees them. An owner frees what it owns, last made first;
// a component that goes tells its owner and whoever asked to be told. A free asked for while a
// message of the component (or of a control that goes with it) is being handled waits until that
// handling returns, so no handler runs on in freed memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/owned_object.h"

namespace ornil::ui {

// Deleting a component through TOwnedObject is allowed (the owner forgets it); Free() also runs
// BeforeDestruction (a form's OnDestroy) first.
class Component : public TOwnedObject {
 public:
  explicit Component(Component* owner);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  Component* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::vector<Component*>& Components() const { return components_; }
  Component* FindComponent(std::string_view name) const;
  bool Destroying() const { return destroying_; }

  // Frees the component: BeforeDestruction runs while the object is whole, then it is destroyed
  // and its owner forgets it. While it is in use (InUse) the free waits and happens as soon as
  // it no longer is. Use this, not delete.
  void Free();

  // `other` will be told (Notification with removing = true) when this component goes.
  void FreeNotification(Component* other);
  void RemoveFreeNotification(Component* other);

  std::intptr_t tag = 0;

 protected:
  // Runs first when the component is freed, with every part of it still alive.
  virtual void BeforeDestruction() {}
  // Told when a component it owns is added or removed, and when a component it watches goes.
  virtual void Notification(Component* component, bool removing);
  // Whether something that goes with this component is handling a message now; by default, one
  // of the components it owns.
  virtual bool InUse() const;
  // Frees at once, in use or not: for owners that are going themselves.
  void FreeNow();
  // Frees every owned component now, last made first.
  void FreeComponents();
  // Frees the components whose free waited and that are out of use now.
  static void FreeWaiting();
  static bool AnyWaiting();

 private:
  void Insert(Component* component);
  void Remove(Component* component);

  Component* owner_ = nullptr;
  std::string name_;
  std::vector<Component*> components_;
  std::vector<Component*> watchers_;
  std::vector<Component*> watched_;
  bool destroying_ = false;
  bool freePending_ = false;
};

// Makes a component owned by `owner`, which frees it; the pointer is for use, not ownership.
template <class T, class... Args>
T* Make(Component* owner, Args&&... args) {
  return new T(owner, std::forward<Args>(args)...);
}

// A component without owner, freed by its holder.
struct ComponentFree {
  void operator()(Component* component) const { component->Free(); }
};
template <class T>
using Owned = std::unique_ptr<T, ComponentFree>;
template <class T, class... Args>
Owned<T> MakeOwned(Args&&... args) {
  return Owned<T>(new T(nullptr, std::forward<Args>(args)...));
}

}  // namespace ornil::ui
