// One script of what the toolkit tells its controls, which the headless tests and the Win32
// tests under Wine both run: the enter and exit notices as the focus moves between the controls
// of a form, to another form, to a message box and back, and away from a disabled control; the
// enabled-changed notice when the system disables a window; the closed height of a combo box,
// which Windows fixes from its font.
#pragma once

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace ornil::ui::notices {

inline std::vector<std::string> ExpectedObservations() {
  return {
      "enter first",
      "exit first",
      "enter second",
      "enter elsewhere",
      "-- back from another form",
      "-- after a message box",
      "exit second",
      "enter first",
      "exit first",
      "-- first disabled",
      "second enabled 0 notices 1",
      "second enabled 1 notices 2",
      "combo 21 fixed from the font",
      "combo fixed from the bigger font",
  };
}

inline std::vector<std::string> RunScript(Application& app) {
  Backend& backend = app.GetBackend();
  std::vector<std::string> seen;
  auto watch = [&seen](Control& control, const std::string& name) {
    control.OnEnter = [&seen, name](Component&) { seen.push_back("enter " + name); };
    control.OnExit = [&seen, name](Component&) { seen.push_back("exit " + name); };
  };
  auto* form = Make<Form>(&app);
  form->SetBounds(40, 40, 300, 200);
  auto* first = Make<Edit>(form);
  first->SetParent(form);
  auto* second = Make<Edit>(form);
  second->SetParent(form);
  second->SetTop(40);
  watch(*first, "first");
  watch(*second, "second");
  auto* another = Make<Form>(&app);
  another->SetBounds(400, 40, 200, 100);
  auto* elsewhere = Make<Edit>(another);
  elsewhere->SetParent(another);
  watch(*elsewhere, "elsewhere");
  form->Show();

  backend.SetFocus(first->GetHandle());
  backend.SetFocus(second->GetHandle());
  another->Show();
  backend.SetFocus(elsewhere->GetHandle());
  backend.SetActiveWindow(form->GetHandle());
  backend.SetFocus(second->GetHandle());
  seen.push_back("-- back from another form");
  app.MessageBox("Message", "Caption", mb::Ok);
  app.ProcessMessages();
  seen.push_back("-- after a message box");
  backend.SetFocus(first->GetHandle());
  first->SetEnabled(false);
  seen.push_back("-- first disabled");

  int notices = 0;
  auto kept = second->WindowProc;
  second->WindowProc = [&notices, kept](Message& m) {
    if (m.msg == cm::EnabledChanged) ++notices;
    kept(m);
  };
  backend.Enable(second->GetHandle(), false);
  seen.push_back("second enabled " + std::to_string(second->Enabled()) + " notices " +
                 std::to_string(notices));
  backend.Enable(second->GetHandle(), true);
  seen.push_back("second enabled " + std::to_string(second->Enabled()) + " notices " +
                 std::to_string(notices));

  auto* combo = Make<ComboBox>(form);
  combo->SetParent(form);
  combo->SetBounds(8, 80, 150, 60);
  const bool fixed = combo->Height() == combo->TextExtent("Wg").cy + 8;
  seen.push_back("combo " + std::to_string(combo->Height()) +
                 (fixed ? " fixed from the font" : " not fixed"));
  Font bigger = combo->GetFont();
  bigger.height = -16;
  combo->SetFont(bigger);
  seen.push_back(combo->Height() == combo->TextExtent("Wg").cy + 8
                     ? "combo fixed from the bigger font"
                     : "combo " + std::to_string(combo->Height()) + " for the bigger font");
  another->Free();
  form->Free();
  return seen;
}

}  // namespace ornil::ui::notices
