// The typed value edits: keys, pastes and leaving the edit.
#include "controls/typed_edits.h"

#include <algorithm>
#include <utility>

namespace ornil {

namespace {

bool IsLatinLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

TOrnilIntEdit::TOrnilIntEdit(ui::Component* owner, std::int32_t minimum, std::int32_t maximum)
    : TOrnilIntEdit(owner, std::make_unique<IntTextRules>(minimum, maximum)) {}

TOrnilIntEdit::TOrnilIntEdit(ui::Component* owner, std::unique_ptr<IntTextRules> rules)
    : TBorderEdit(owner), rules_(std::move(rules)) {
  SetMaxLength(rules_->MaxLength());
}

TOrnilIntEdit::~TOrnilIntEdit() = default;

void TOrnilIntEdit::KeyPress(char& key) {
  TBorderEdit::KeyPress(key);
  // Control characters (Backspace and the like) work as usual.
  if (static_cast<unsigned char>(key) < 32) return;
  const char typed = std::exchange(key, 0);
  // A read-only edit takes nothing; nor does any edit take a Latin letter.
  if (ReadOnly() || IsLatinLetter(typed)) return;
  std::string text = Text();
  const int start = SelStart();
  const int end = start + SelLength();
  const int pos = rules_->InsertChar(text, typed, start, end);
  const int caret = pos != 0 ? pos : std::min(start, end);
  if (!rules_->IsTextValid(text)) return;
  SetText(text);
  SetSelection(caret, caret);
}

void TOrnilIntEdit::CorrectTextKeepingSelection() {
  if (ReadOnly()) return;
  const int start = SelStart();
  const int end = start + SelLength();
  std::string text = Text();
  rules_->CorrectText(text);
  SetText(text);
  SetSelection(start, end);
}

void TOrnilIntEdit::WndProc(ui::Message& m) {
  TBorderEdit::WndProc(m);
  if (m.msg == ui::wm::Paste) CorrectTextKeepingSelection();
}

void TOrnilIntEdit::DoExit() {
  TBorderEdit::DoExit();
  CorrectTextKeepingSelection();
}

TOrnilFloatEdit::TOrnilFloatEdit(ui::Component* owner, double minimum, double maximum)
    : TOrnilFloatEdit(owner, std::make_unique<FloatTextRules>(minimum, maximum)) {}

TOrnilFloatEdit::TOrnilFloatEdit(ui::Component* owner, std::unique_ptr<FloatTextRules> rules)
    : TOrnilIntEdit(owner, std::move(rules)) {}

TOrnilDecimalEdit::TOrnilDecimalEdit(ui::Component* owner, double minimum, double maximum,
                                     int decimals, int width)
    : TOrnilFloatEdit(owner,
                      std::make_unique<DecimalTextRules>(minimum, maximum, decimals, width)) {}

}  // namespace ornil
