// The rules of the floating-point edit: the integer edit's rules with a decimal separator (the
// library's), bounds of its own as doubles, and a fixed shape of at most 16 digits before the
// separator, 18 digits in all and 19 characters. The decimal edit's rules change the shape.
#pragma once

#include <string>

#include "controls/int_text_rules.h"
#include "controls/number_text.h"

namespace ornil {

class FloatTextRules : public IntTextRules {
 public:
  // A minimum above the maximum comes down to it. The integer bounds take the whole 32-bit range.
  FloatTextRules(double minimum, double maximum);

  int InsertChar(std::string& text, char c, int start, int end) const override;
  bool IsTextValid(const std::string& text) const override;
  void CorrectText(std::string& text) const override;
  // Whether the text keeps to the shape: its digits before and after the separator.
  virtual bool IsFormatValid(const std::string& text) const;
  int MaxLength() const override { return 19; }

  double MinValue;
  double MaxValue;

 protected:
  // The shape, as InsertChar keeps to it.
  virtual int WholeDigitLimit() const { return 16; }
  virtual int FractionDigitLimit() const { return 18; }
  virtual int TotalDigitLimit() const { return 18; }
  // Whether a separator may go in at `start`.
  virtual bool SeparatorFits(const std::string& text, int start) const;
  // Cuts a cleaned number down to the shape.
  virtual void CutToShape(number_text::NumberParts& parts) const;
  // How many decimals a bound may keep when it becomes the text.
  virtual int BoundDecimals(double bound) const;

 private:
  // Cleaned and cut to the shape, with "0" before a separator that would start the number.
  std::string Shaped(const std::string& text) const;
  // The zero, maximum and minimum rules of CorrectText.
  void ApplyBounds(std::string& text) const;
};

}  // namespace ornil
