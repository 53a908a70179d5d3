// The typed value edits of numeric columns: TOrnilIntEdit (integer and small-integer columns),
// TOrnilFloatEdit (floating-point columns) and TOrnilDecimalEdit (decimal columns of a width and
// a number of decimals). Each key is tried on a copy of the text first and refused unless the
// result is acceptable; a paste or leaving the edit corrects the text into a number within the
// bounds. The rules themselves live in the *TextRules classes, which the edits hold.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/border_edit.h"
#include "controls/decimal_text_rules.h"
#include "controls/float_text_rules.h"
#include "controls/int_text_rules.h"

namespace ornil {

class TOrnilIntEdit : public TBorderEdit {
 public:
  TOrnilIntEdit(ui::Component* owner, std::int32_t minimum, std::int32_t maximum);
  ~TOrnilIntEdit() override;

  const IntTextRules& Rules() const { return *rules_; }
  int InsertChar(std::string& text, char c, int start, int end) const {
    return rules_->InsertChar(text, c, start, end);
  }
  bool IsTextValid(const std::string& text) const { return rules_->IsTextValid(text); }
  void CorrectText(std::string& text) const { rules_->CorrectText(text); }

 protected:
  TOrnilIntEdit(ui::Component* owner, std::unique_ptr<IntTextRules> rules);
  void KeyPress(char& key) override;
  void WndProc(ui::Message& message) override;
  void DoExit() override;

 private:
  void CorrectTextKeepingSelection();

  std::unique_ptr<IntTextRules> rules_;
};

class TOrnilFloatEdit : public TOrnilIntEdit {
 public:
  TOrnilFloatEdit(ui::Component* owner, double minimum, double maximum);

  const FloatTextRules& Rules() const {
    return static_cast<const FloatTextRules&>(TOrnilIntEdit::Rules());
  }
  bool IsFormatValid(const std::string& text) const { return Rules().IsFormatValid(text); }

 protected:
  TOrnilFloatEdit(ui::Component* owner, std::unique_ptr<FloatTextRules> rules);
};

class TOrnilDecimalEdit : public TOrnilFloatEdit {
 public:
  TOrnilDecimalEdit(ui::Component* owner, double minimum, double maximum, int decimals, int width);

  const DecimalTextRules& Rules() const {
    return static_cast<const DecimalTextRules&>(TOrnilIntEdit::Rules());
  }
};

}  // namespace ornil
