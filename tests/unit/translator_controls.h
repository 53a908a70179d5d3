// The controls the translation hook's tests put on a form, headless and on real windows alike:
// edits that note the characters they get and bordered buttons that note mouse enter and leave,
// each as "<name> <character>", "enter <name>" or "leave <name>".
#pragma once

#include <string>
#include <vector>

#include "controls/border_bit_btn.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace ornil::translator_test {

inline ui::Edit* AddEdit(ui::Form& form, const std::string& name, int left,
                         std::vector<std::string>& seen) {
  auto* edit = ui::Make<ui::Edit>(&form);
  edit->SetName(name);
  edit->SetParent(&form);
  edit->SetBounds(left, 10, 80, 21);
  edit->SetTabStop(true);
  edit->OnKeyPress = [&seen](ui::Component& c, char& key) {
    seen.push_back(c.Name() + " " + std::to_string(key));
  };
  return edit;
}

inline TBorderBitBtn* AddButton(ui::Form& form, const std::string& name, int left,
                                std::vector<std::string>& seen) {
  auto* button = ui::Make<TBorderBitBtn>(&form);
  button->SetName(name);
  button->SetParent(&form);
  button->SetBounds(left, 60, 80, 25);
  button->OnMouseEnter = [&seen](ui::Component& c) { seen.push_back("enter " + c.Name()); };
  button->OnMouseLeave = [&seen](ui::Component& c) { seen.push_back("leave " + c.Name()); };
  return button;
}

}  // namespace ornil::translator_test
