// Typing scripts for the typed value edits: what a user types, pastes, selects and where the
// focus goes, and the text each script must leave. The headless tests run them through the test
// driver and the Win32 tests under Wine through real messages: both must end with these texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/typed_edits.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/form.h"

namespace ornil::typing {

// How a user acts on a control; each backend's tests provide one.
class User {
 public:
  virtual ~User() = default;
  virtual void Type(ui::Control& control, std::string_view keys) = 0;
  virtual void Paste(ui::Control& control, std::string_view text) = 0;
  virtual void Focus(ui::Control& control) = 0;
};

struct Step {
  enum Kind { Type, Paste, Select, Leave } kind;
  std::string text;
  int from = 0;
  int to = 0;
};
inline Step Type(std::string keys) {
  return {Step::Type, std::move(keys)};
}
inline Step Paste(std::string text) {
  return {Step::Paste, std::move(text)};
}
inline Step Select(int from, int to) {
  return {Step::Select, {}, from, to};
}
inline Step Leave() {
  return {Step::Leave, {}};
}

struct Shape {
  enum Kind { Int, Float, Decimal } kind = Int;
  double min = -2147483648.0;
  double max = 2147483647.0;
  int decimals = 0;
  int width = 0;
  bool readOnly = false;
};
inline Shape SmallInt() {
  return {Shape::Int, -32768, 32767};
}
inline Shape IntFrom(double min) {
  return {Shape::Int, min, 2147483647.0};
}
inline Shape FloatColumn() {
  return {Shape::Float, -1e16, 1e16};
}
inline Shape DecimalColumn(int width, int decimals) {
  return {Shape::Decimal, -1e20, 1e20, decimals, width};
}

struct Script {
  std::string name;
  Shape shape;
  std::string initial;
  std::vector<Step> steps;
  std::string expected;
};

inline std::vector<Script> Scripts() {
  const Shape integer{Shape::Int};
  Shape readOnly = integer;
  readOnly.readOnly = true;
  return {
      {"a fifth key past the maximum is swallowed", SmallInt(), "", {Type("40000")}, "4000"},
      {"below a positive minimum while typing", IntFrom(10), "", {Type("5")}, "5"},
      {"raised to the minimum on leaving", IntFrom(10), "", {Type("5"), Leave()}, "10"},
      {"no minus into zero", integer, "0", {Type("-")}, "0"},
      {"a digit replaces zero", integer, "0", {Type("7")}, "7"},
      {"no zero after a minus", integer, "", {Type("-0")}, "-"},
      {"a minus alone becomes zero on leaving", integer, "", {Type("-"), Leave()}, "0"},
      {"no minus when nothing below zero is allowed", IntFrom(0), "", {Type("-5")}, "5"},
      {"paste keeps the digits", integer, "", {Paste("12a3")}, "123"},
      {"a refused key still removes the selection",
       integer,
       "12345",
       {Select(1, 3), Type("+")},
       "145"},
      {"a letter changes nothing", integer, "12345", {Select(1, 3), Type("x")}, "12345"},
      {"Cyrillic is refused", integer, "12", {Type("жЯ"_cp)}, "12"},
      {"backspace works as usual", integer, "123", {Type("\b")}, "12"},
      {"typing in the middle", integer, "15", {Select(1, 1), Type("2")}, "125"},
      {"pasted overflow is cut", SmallInt(), "", {Paste("99999999999")}, "9999"},
      {"a read-only edit takes nothing", readOnly, "12", {Type("3"), Paste("45"), Leave()}, "12"},
      {"separator into an empty text", FloatColumn(), "", {Type(".")}, "0."},
      {"a second separator is refused", FloatColumn(), "", {Type("1..5")}, "1.5"},
      {"a zero after the separator is kept", FloatColumn(), "", {Type("1.05")}, "1.05"},
      {"small fractions can be typed", FloatColumn(), "", {Type("0.001")}, "0.001"},
      {"the lone zero is typed over", FloatColumn(), "", {Type("0.5")}, "0.5"},
      {"minus and separator", FloatColumn(), "", {Type("-.5")}, "-0.5"},
      {"sixteen digits before the separator",
       FloatColumn(),
       "",
       {Type("12345678901234567")},
       "1234567890123456"},
      {"float paste is cleaned", FloatColumn(), "", {Paste("-00.500")}, "-0.5"},
      {"float zero forms become zero on leaving", FloatColumn(), "", {Type("0.0"), Leave()}, "0"},
      {"two decimals at most", DecimalColumn(5, 2), "", {Type("12.345")}, "12.34"},
      {"two characters before the separator", DecimalColumn(5, 2), "", {Type("123")}, "12"},
      {"the minus counts against the whole part", DecimalColumn(5, 2), "", {Type("-12.5")}, "-1.5"},
      {"nor can it be typed in later",
       DecimalColumn(5, 2),
       "-1.5",
       {Select(2, 2), Type("2")},
       "-1.5"},
      {"decimal paste is cut to the width, then to the column",
       DecimalColumn(5, 2),
       "",
       {Paste("123.456")},
       "12.4"},
      {"no separator without decimals", DecimalColumn(5, 0), "", {Type("1.5")}, "15"},
      {"the width limits the digits", DecimalColumn(5, 0), "", {Type("1234567")}, "12345"},
  };
}

inline TOrnilIntEdit* MakeEdit(ui::Form& form, const Shape& shape) {
  switch (shape.kind) {
    case Shape::Float:
      return ui::Make<TOrnilFloatEdit>(&form, shape.min, shape.max);
    case Shape::Decimal:
      return ui::Make<TOrnilDecimalEdit>(&form, shape.min, shape.max, shape.decimals, shape.width);
    case Shape::Int:
      break;
  }
  return ui::Make<TOrnilIntEdit>(&form, static_cast<std::int32_t>(shape.min),
                                 static_cast<std::int32_t>(shape.max));
}

// Runs every script in its own edit on `form` beside a plain edit that takes the focus on
// leaving; one text per script.
inline std::vector<std::string> RunScripts(ui::Form& form, User& user) {
  std::vector<std::string> texts;
  auto* elsewhere = ui::Make<ui::Edit>(&form);
  elsewhere->SetParent(&form);
  elsewhere->SetBounds(8, 8, 100, 21);
  form.Show();
  for (const Script& script : Scripts()) {
    TOrnilIntEdit* typed = MakeEdit(form, script.shape);
    typed->SetParent(&form);
    typed->SetBounds(120, 8, 150, 21);
    typed->SetText(script.initial);
    typed->SetReadOnly(script.shape.readOnly);
    typed->SetSelection(static_cast<int>(script.initial.size()),
                        static_cast<int>(script.initial.size()));
    for (const Step& step : script.steps) {
      switch (step.kind) {
        case Step::Type:
          user.Type(*typed, step.text);
          break;
        case Step::Paste:
          user.Paste(*typed, step.text);
          break;
        case Step::Select:
          typed->SetSelection(step.from, step.to);
          break;
        case Step::Leave:
          user.Focus(*elsewhere);
          break;
      }
    }
    texts.push_back(typed->Text());
    typed->Free();
  }
  return texts;
}

// The scripts whose texts are not the expected ones, each with what it left and what it should.
inline std::vector<std::string> WrongTexts(const std::vector<std::string>& texts) {
  std::vector<std::string> wrong;
  const std::vector<Script> scripts = Scripts();
  for (std::size_t i = 0; i < scripts.size(); ++i) {
    const std::string text = i < texts.size() ? texts[i] : "(not run)";
    if (text != scripts[i].expected)
      wrong.push_back(scripts[i].name + ": '" + text + "', not '" + scripts[i].expected + "'");
  }
  return wrong;
}

}  // namespace ornil::typing
