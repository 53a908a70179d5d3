// The rules of the integer edit: which typed character goes into its text and where, which text
// it may hold while the user types, and how any text becomes one it accepts. The float and
// decimal rules derive from these, as their edits derive from the integer edit.
#pragma once

#include <cstdint>
#include <string>

namespace ornil {

class IntTextRules {
 public:
  // A maximum below the minimum pulls the minimum down to it.
  IntTextRules(std::int32_t minimum, std::int32_t maximum);
  virtual ~IntTextRules() = default;

  // Puts `c` over the selection from `start` to `end` of `text`, in place: the new caret
  // position, or 0 when the character is refused (the selection is gone all the same).
  virtual int InsertChar(std::string& text, char c, int start, int end) const;
  // Whether the edit may hold `text` while the user types.
  virtual bool IsTextValid(const std::string& text) const;
  // Turns any text into one the edit accepts, within the bounds.
  virtual void CorrectText(std::string& text) const;
  // The longest text the user may type or paste; 0 for no limit.
  virtual int MaxLength() const { return 0; }

  std::int32_t MinValue;
  std::int32_t MaxValue;
};

}  // namespace ornil
