// Integer edit rules.
#include "controls/int_text_rules.h"

#include <string>

#include "controls/number_text.h"

namespace ornil {

using number_text::DeleteSelection;
using number_text::IntegerValue;
using number_text::IsDigit;
using number_text::IsNegative;

IntTextRules::IntTextRules(std::int32_t minimum, std::int32_t maximum)
    : MinValue(maximum < minimum ? maximum : minimum), MaxValue(maximum) {}

int IntTextRules::InsertChar(std::string& text, char c, int start, int end) const {
  start = DeleteSelection(text, start, end);
  if (c == '0') {
    if (start == 0 && !text.empty()) return 0;
    if (start == 1 && IsNegative(text) && text.size() > 1) return 0;
  }
  if (c == '-') {
    if (MinValue >= 0 || start != 0 || text == "0" || IsNegative(text)) return 0;
    text.insert(0, 1, '-');
    return 1;
  }
  if (!IsDigit(c)) return 0;
  if (text == "0") {
    text.assign(1, c);
    return 1;
  }
  text.insert(static_cast<std::size_t>(start), 1, c);
  return start + 1;
}

bool IntTextRules::IsTextValid(const std::string& text) const {
  const std::int32_t v = IntegerValue(text);
  if (v == 0 && text != "0" && text != "-") return false;
  // A positive minimum is not checked here: smaller values are passed on the way to larger ones,
  // and leaving the edit raises them.
  if (MinValue < 1 && v < MinValue) return false;
  return v <= MaxValue;
}

void IntTextRules::CorrectText(std::string& text) const {
  // 1. Digits only, without leading zeros; a minus in front of them stays.
  const number_text::NumberParts parts = number_text::CleanNumber(text, '\0', false);
  text = (parts.negative ? "-" : "") + parts.whole;
  // 2. A text that reads as zero loses characters until it reads as another number.
  if (IntegerValue(text) == 0 && text != "0")
    while (!text.empty() && IntegerValue(text) == 0)
      text.pop_back();
  // 3.
  if (text.empty()) text.assign(1, '0');
  // 4. Too large: characters come off the end. A negative maximum may leave nothing, and then
  // the maximum itself is the text.
  while (!text.empty() && IntegerValue(text) > MaxValue)
    text.pop_back();
  if (text.empty() || text == "-" || IntegerValue(text) > MaxValue) text = std::to_string(MaxValue);
  // 5.
  if (IntegerValue(text) < MinValue) text = std::to_string(MinValue);
}

}  // namespace ornil
