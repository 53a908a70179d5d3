// Feeds the typed edits' rules any text under any of their rule sets and either separator, and
// checks what must hold whatever the user pastes or types: CorrectText answers a text the edit
// accepts, within its bounds, that a second correction leaves alone; a character typed over any
// selection, even one beyond the text, leaves the caret inside the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/text_rules_property.h"

namespace {

using namespace ornil;

[[noreturn]] void Broken(const std::string& text, const std::string& what) {
  std::fprintf(stderr, "typed text rules, '%s': %s\n", text.c_str(), what.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto sets = testing::PropertyRuleSets();
  FuzzedDataProvider input(data, size);
  const IntTextRules& rules = *sets[input.ConsumeIntegralInRange<std::size_t>(0, sets.size() - 1)];
  text::SetDecimalSeparator(input.ConsumeBool() ? ',' : '.');
  const char typed = input.ConsumeIntegral<char>();
  const int start = input.ConsumeIntegralInRange<int>(-2, 40);
  const int end = input.ConsumeIntegralInRange<int>(-2, 40);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string violation = testing::CorrectTextViolation(rules, text);
  if (!violation.empty()) Broken(text, violation);

  std::string edited = text;
  const int caret = rules.InsertChar(edited, typed, start, end);
  if (caret < 0 || caret > static_cast<int>(edited.size())) Broken(text, "caret outside the text");
  (void)rules.IsTextValid(edited);
  return 0;
}
