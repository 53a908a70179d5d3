// A value changed for a scope and given back however the scope is left.
#pragma once

#include <utility>

namespace ornil {

template <class T>
class TemporaryValue {
 public:
  TemporaryValue(T& variable, T value)
      : variable_(variable), saved_(std::exchange(variable, std::move(value))) {}
  ~TemporaryValue() { variable_ = std::move(saved_); }
  TemporaryValue(const TemporaryValue&) = delete;
  TemporaryValue& operator=(const TemporaryValue&) = delete;

 private:
  T& variable_;
  T saved_;
};

}  // namespace ornil
