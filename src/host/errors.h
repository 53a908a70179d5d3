// The library's exception family and the two helpers every operation uses: one that puts an
// operation's prefix in front of a failure and raises it again, one that is the boundary where a
// failure becomes the one message box and a failure value.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace ornil {

class OrnilError : public std::exception {
 public:
  explicit OrnilError(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  void Prepend(std::string_view prefix) { message_.insert(0, prefix); }
  void SetMessage(std::string message) { message_ = std::move(message); }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

class DdeError : public OrnilError {
 public:
  explicit DdeError(std::int32_t code, std::string message = {})
      : OrnilError(std::move(message)), code_(code) {}
  std::int32_t Code() const { return code_; }

 private:
  std::int32_t code_;
};

// "Ошибка в функции " + name + ". "
std::string FunctionPrefix(std::string_view name);

std::string DdeErrorText(std::uint32_t code);
std::string FormatDdeError(std::string_view text, std::uint32_t code);

// The message-box text a boundary with the given text shows for the exception in flight.
std::string BoundaryMessage(std::string_view text, std::exception_ptr failure);

// Shows the one error box: caption "Ошибка", flags 0x2010 (task-modal, error icon).
void ShowErrorBox(const std::string& message);
inline constexpr std::uint32_t kErrorBoxFlags = 0x2010;

// Runs body; a failure of the family leaves with `prefix` in front of its message. Temporary state
// inside body is undone by its own guards before the prefix is added.
template <class Body>
decltype(auto) WithPrefix(std::string_view prefix, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (OrnilError& e) {
    e.Prepend(prefix);
    throw;
  }
}

// A boundary: nothing leaves it. A failure shows the box and gives `failure`.
template <class Result, class Body>
Result Boundary(std::string_view text, Result failure, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    ShowErrorBox(BoundaryMessage(text, std::current_exception()));
    return failure;
  }
}

template <class Body>
void Boundary(std::string_view text, Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    ShowErrorBox(BoundaryMessage(text, std::current_exception()));
  }
}

}  // namespace ornil
