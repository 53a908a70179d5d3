// The rules of the decimal edit: the float rules with the column's shape instead of the fixed
// one (CorrectText is the float one, cutting to this shape). `Width` is the column width in
// characters (sign and separator included), `Decimals` the digits after the separator; the whole
// part, minus included, gets what is left.
#pragma once

#include <string>

#include "controls/float_text_rules.h"

namespace ornil {

class DecimalTextRules : public FloatTextRules {
 public:
  // Bounds as the float rules; then a width of 0 or less becomes 20, a width below 3 leaves no
  // decimals, and the decimals are kept between 0 and the smaller of width - 2 and 16.
  DecimalTextRules(double minimum, double maximum, int decimals, int width);

  int InsertChar(std::string& text, char c, int start, int end) const override;
  bool IsFormatValid(const std::string& text) const override;
  int MaxLength() const override { return Width; }

  int Width;
  int Decimals;

 protected:
  int WholeDigitLimit() const override;
  int FractionDigitLimit() const override { return Decimals; }
  int TotalDigitLimit() const override;
  bool SeparatorFits(const std::string& text, int start) const override;
  void CutToShape(number_text::NumberParts& parts) const override;
  int BoundDecimals(double) const override { return Decimals; }

 private:
  // Characters the whole part may take, minus included, when there are decimals.
  int WholeWidth() const { return Width - Decimals - 1; }
};

}  // namespace ornil
