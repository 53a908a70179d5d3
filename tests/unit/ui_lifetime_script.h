// A second shared script, of forms that go while their own messages run or without the toolkit,
// and what it should leave behind. The headless tests and the Win32 tests under Wine both run it;
// the Win32 tests answer the message box it shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace ornil::ui::parity {

inline std::vector<std::string> ExpectedLifetimeObservations() {
  return {
      "freed by its button: handler read Close, destroyed",
      "released in a box's loop: after the box Save, destroyed",
      "owner destroyed: form 0 edit 0 menu 0 known 0, destroyed",
      "menu of its own, destroyed",
      "menu kept 0, destroyed",
  };
}

inline MainMenu* AddMenu(Component* owner, Form& form) {
  auto* menu = Make<MainMenu>(owner);
  auto* item = Make<MenuItem>(menu);
  item->SetCaption("Save");
  menu->Add(item);
  form.SetMenu(menu);
  return menu;
}

// `owner` is a window the system destroys when `destroyOwner` runs, as the host may destroy its
// main window.
inline std::vector<std::string> RunLifetimeScript(Application& app, Handle owner,
                                                  const std::function<void()>& destroyOwner) {
  Backend& backend = app.GetBackend();
  std::vector<std::string> seen;
  std::string events;
  auto makeForm = [&] {
    auto* form = Make<Form>(&app);
    form->SetBounds(60, 60, 300, 200);
    form->OnDestroy = [&events](Component&) { events += ", destroyed"; };
    return form;
  };
  auto addButton = [](Form* form, const char* text) {
    auto* button = Make<Button>(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    button->SetText(text);
    return button;
  };
  auto observe = [&](const std::string& what) {
    seen.push_back(what + events);
    events.clear();
  };

  // A handler that frees its own form: the form goes once the handler is done with it.
  Form* form = makeForm();
  Button* button = addButton(form, "Close");
  button->OnClick = [&events, form, button](Component&) {
    form->Free();
    events += ": handler read " + button->Text();
  };
  form->Show();
  backend.SendMessage(button->GetHandle(), bm::Click, 0, 0);
  observe("freed by its button");

  // A release that the modal loop of a box the handler shows runs waits for the handler too.
  form = makeForm();
  form->OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
  button = addButton(form, "Save");
  button->OnClick = [&events, &app, form, button](Component&) {
    form->Close();
    app.MessageBox("Saved", "Info", mb::Ok);
    events += ": after the box " + button->Text();
  };
  form->Show();
  backend.SendMessage(button->GetHandle(), bm::Click, 0, 0);
  app.ProcessMessages();
  observe("released in a box's loop");

  // The system destroys the form's windows with their owner: the controls forget them, and the
  // menu that went with them.
  form = makeForm();
  form->SetParentWindow(owner);
  auto* edit = Make<Edit>(form);
  edit->SetParent(form);
  edit->SetHint("Value");
  MainMenu* menu = AddMenu(form, *form);
  form->Show();
  const Handle window = form->GetHandle();
  const Handle editWindow = edit->GetHandle();
  destroyOwner();
  const bool known = app.FindControl(window) != nullptr || app.FindControl(editWindow) != nullptr;
  const std::string left = "owner destroyed: form " + std::to_string(form->HandleAllocated()) +
                           " edit " + std::to_string(edit->HandleAllocated()) + " menu " +
                           std::to_string(menu->NativeHandle() != 0) + " known " +
                           std::to_string(known);
  form->Free();
  observe(left);

  // A window frees its menu as it goes: the menu does not free it again, its own or not.
  form = makeForm();
  AddMenu(form, *form);
  form->Show();
  form->Free();
  observe("menu of its own");
  form = makeForm();
  MainMenu* kept = AddMenu(&app, *form);
  form->Show();
  form->Free();
  observe(kept->NativeHandle() != 0 ? "menu kept 1" : "menu kept 0");
  kept->Free();
  return seen;
}

}  // namespace ornil::ui::parity
