// The root of everything the class library lets another object own and destroy: a control built
// for a configured row is held through this base, whatever control class it is.
#pragma once

namespace ornil::ui {

class TOwnedObject {
 public:
  TOwnedObject() = default;
  TOwnedObject(const TOwnedObject&) = delete;
  TOwnedObject& operator=(const TOwnedObject&) = delete;
  virtual ~TOwnedObject() = default;
};

}  // namespace ornil::ui
