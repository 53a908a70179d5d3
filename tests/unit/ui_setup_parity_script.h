// One script for what the table setup windows ask of the class library beyond the common controls:
// a combo box item that changes its text, an owner-drawn list box whose style changes, Tab with
// Shift held, key events that carry the modifier keys, and arrow keys in a radio group. The
// headless tests and the Win32 tests under Wine both run it and must see the same.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/list_box.h"

namespace ornil::ui::parity {

inline std::vector<std::string> ExpectedSetupObservations() {
  return {
      "combo Zero 0 of 3 object 1",
      "combo two unselected",
      "owner-drawn 3 b object 2 selected 1 adds 0",
      "owner-drawn adds 1",
      "tab forward third",
      "tab back first",
      "keys shift ctrl",
      "radio 1 2 2",
  };
}

// `hold(shift, ctrl)` holds those modifier keys down for the messages that follow, and lets go
// of the others.
inline std::vector<std::string> RunSetupScript(
    Application& app, const std::function<void(bool shift, bool ctrl)>& hold) {
  Backend& backend = app.GetBackend();
  std::vector<std::string> seen;
  auto send = [&](Control& c, std::uint32_t msg, std::uintptr_t w = 0, std::intptr_t l = 0) {
    return backend.SendMessage(c.GetHandle(), msg, w, l);
  };
  auto* form = Make<Form>(&app);
  form->SetBounds(40, 40, 400, 300);
  auto add = [&](auto* control, int left, int top, int width, int height) {
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  };
  form->Show();

  int objects[3] = {0, 1, 2};
  auto* combo = add(Make<ComboBox>(form), 8, 8, 150, 21);
  combo->SetStyle(ComboStyle::DropDownList);
  for (int i = 0; i < 3; ++i)
    combo->AddItem(i == 0 ? "zero" : i == 1 ? "one" : "two", &objects[i]);
  combo->SetItemIndex(0);
  combo->SetItemText(0, "Zero");
  seen.push_back("combo " + combo->Text() + " " + std::to_string(combo->ItemIndex()) + " of " +
                 std::to_string(combo->Count()) + " object " +
                 std::to_string(static_cast<int*>(combo->ItemObject(0)) == &objects[0]));
  combo->SetItemText(2, "two");
  seen.push_back("combo " + combo->Item(2) + (combo->ItemIndex() == 0 ? " unselected" : " moved"));

  auto* list = add(Make<ListBox>(form), 8, 40, 150, 80);
  int adds = 0;
  auto kept = list->WindowProc;
  list->WindowProc = [&adds, kept](Message& m) {
    kept(m);
    if (m.msg == lb::AddString) ++adds;
  };
  list->AddItem("a", &objects[0]);
  list->AddItem("b", &objects[1]);
  list->AddItem("c", &objects[2]);
  list->SetItemIndex(1);
  adds = 0;
  list->SetOwnerDraw(true);
  seen.push_back("owner-drawn " + std::to_string(list->Count()) + " " + list->Item(1) + " object " +
                 std::to_string(*static_cast<int*>(list->ItemObject(2))) + " selected " +
                 std::to_string(list->ItemIndex()) + " adds " + std::to_string(adds));
  list->AddItem("d");
  seen.push_back("owner-drawn adds " + std::to_string(adds));

  auto* first = add(Make<Edit>(form), 170, 8, 100, 21);
  auto* second = add(Make<Edit>(form), 170, 36, 100, 21);
  auto* third = add(Make<Edit>(form), 170, 64, 100, 21);
  auto focused = [&]() -> std::string {
    const Handle f = backend.GetFocus();
    return f == first->GetHandle()    ? "first"
           : f == second->GetHandle() ? "second"
           : f == third->GetHandle()  ? "third"
                                      : "other";
  };
  second->SetFocus();
  send(*second, wm::KeyDown, vk::Tab, 1);
  seen.push_back("tab forward " + focused());
  second->SetFocus();
  hold(true, false);
  send(*second, wm::KeyDown, vk::Tab, 1);
  hold(false, false);
  seen.push_back("tab back " + focused());

  ShiftState shift = kShiftNone;
  second->OnKeyDown = [&](Component&, std::uint16_t&, ShiftState s) { shift = s; };
  hold(true, true);
  send(*second, wm::KeyDown, 'A', 1);
  hold(false, false);
  seen.push_back(std::string("keys") + ((shift & kShiftShift) ? " shift" : "") +
                 ((shift & kShiftCtrl) ? " ctrl" : "") + ((shift & kShiftAlt) ? " alt" : ""));

  auto* radios = add(Make<RadioGroup>(form), 170, 100, 150, 90);
  radios->SetItems({"left", "right", "centre"});
  radios->SetItemIndex(1);
  radios->SetFocus();
  const int before = radios->ItemIndex();
  send(*radios, wm::KeyDown, vk::Down, 1);
  const int down = radios->ItemIndex();
  send(*radios, wm::KeyDown, vk::Right, 1);
  seen.push_back("radio " + std::to_string(before) + " " + std::to_string(down) + " " +
                 std::to_string(radios->ItemIndex()));

  form->Free();
  return seen;
}

}  // namespace ornil::ui::parity
