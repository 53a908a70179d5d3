// Decimal edit rules.
#include "controls/decimal_text_rules.h"

#include <algorithm>
#include <limits>

#include "text/number_format.h"

namespace ornil {

namespace {

int NormalisedWidth(int width) {
  // A width of 0 would refuse every text, "0" included; it means the width is unknown.
  return width <= 0 ? 20 : width;
}

int NormalisedDecimals(int decimals, int width) {
  if (width < 3) decimals = 0;
  if (decimals > width - 2) decimals = width - 2;
  if (decimals < 0) decimals = 0;
  if (decimals > 16) decimals = 16;
  return decimals;
}

}  // namespace

DecimalTextRules::DecimalTextRules(double minimum, double maximum, int decimals, int width)
    : FloatTextRules(minimum, maximum),
      Width(NormalisedWidth(width)),
      Decimals(NormalisedDecimals(decimals, NormalisedWidth(width))) {}

int DecimalTextRules::WholeDigitLimit() const {
  return Decimals == 0 ? Width : WholeWidth();
}

int DecimalTextRules::TotalDigitLimit() const {
  // The width limits the text; the digits have no limit of their own.
  return std::numeric_limits<int>::max();
}

bool DecimalTextRules::SeparatorFits(const std::string& text, int start) const {
  return Decimals > 0 && static_cast<int>(text.size()) - start <= Decimals;
}

int DecimalTextRules::InsertChar(std::string& text, char c, int start, int end) const {
  start = number_text::DeleteSelection(text, start, end);
  if (static_cast<int>(text.size()) >= Width) return 0;
  return FloatTextRules::InsertChar(text, c, start, start);
}

bool DecimalTextRules::IsFormatValid(const std::string& text) const {
  if (static_cast<int>(text.size()) > Width) return false;
  const std::size_t separatorAt = text.find(text::DecimalSeparator());
  if (Decimals == 0) return separatorAt == std::string::npos;
  if (separatorAt == std::string::npos) return static_cast<int>(text.size()) <= WholeWidth();
  // The whole part keeps to its width with a separator as well: the text is cut so when the
  // edit is left, and must not be typed otherwise.
  return static_cast<int>(separatorAt) <= WholeWidth() &&
         static_cast<int>(text.size() - separatorAt - 1) <= Decimals;
}

void DecimalTextRules::CutToShape(number_text::NumberParts& parts) const {
  const int sign = parts.negative ? 1 : 0;
  auto cutWhole = [&parts, sign](int characters) {
    const auto room = static_cast<std::size_t>(std::max(0, characters - sign));
    if (parts.whole.size() > room) parts.whole.resize(room);
  };
  if (Decimals == 0) {
    parts.separator = false;
    parts.fraction.clear();
    cutWhole(Width);
    return;
  }
  if (parts.fraction.size() > static_cast<std::size_t>(Decimals))
    parts.fraction.resize(static_cast<std::size_t>(Decimals));
  cutWhole(WholeWidth());
}

}  // namespace ornil
