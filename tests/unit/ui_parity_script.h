// One script of real window messages sent to a form with every control kind, and what it should
// leave behind. The headless tests and the Win32 tests under Wine both run it: the two backends
// must give the same observations.
#pragma once

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/scroll_box.h"
#include "ui/value_list_editor.h"

namespace ornil::ui::parity {

inline std::vector<std::string> ExpectedObservations() {
  return {
      "edit 123",
      "edit x23",
      "edit xy23 changes 5",
      "edit xy23 at the limit",
      "edit xy23 after tab",
      "edit P",
      "memo ab",
      "check 1 clicks 0",
      "check 0 clicks 1",
      "combo green 1 0",
      "editable Murmansk",
      "list 3 adds 3 c",
      "date 2021-03-08 1",
      "date 0",
      "radio 2",
      "grid k",
      "button 1",
      "scroll 22",
      "label fits",
      "closed freed",
  };
}

// Sends the messages through the backend, as another window or the system would.
inline std::vector<std::string> RunScript(Application& app) {
  Backend& backend = app.GetBackend();
  std::vector<std::string> seen;
  auto send = [&](Control& c, std::uint32_t msg, std::uintptr_t w = 0, std::intptr_t l = 0) {
    return backend.SendMessage(c.GetHandle(), msg, w, l);
  };
  auto type = [&](Control& c, const std::string& text) {
    for (char ch : text)
      send(c, wm::Char, static_cast<unsigned char>(ch), 1);
  };

  auto* form = Make<Form>(&app);
  bool freed = false;
  form->OnDestroy = [&](Component&) { freed = true; };
  form->SetBounds(40, 40, 480, 420);
  form->SetKeyPreview(true);
  form->OnKeyPress = [](Component&, char& key) {
    if (key == '\t') key = 0;
  };
  auto add = [&](auto* control, int left, int top, int width, int height) {
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  };
  form->Show();

  auto* edit = add(Make<Edit>(form), 8, 8, 150, 21);
  int changes = 0;
  edit->OnChange = [&](Component&) { ++changes; };
  type(*edit, "123");
  seen.push_back("edit " + edit->Text());
  send(*edit, em::SetSel, 0, 1);
  type(*edit, "x");
  seen.push_back("edit " + edit->Text());
  edit->SetMaxLength(4);
  type(*edit, "y");
  seen.push_back("edit " + edit->Text() + " changes " + std::to_string(changes));
  type(*edit, "z");
  seen.push_back("edit " + edit->Text() + " at the limit");
  type(*edit, "\t");
  seen.push_back("edit " + edit->Text() + " after tab");
  backend.SetClipboardText("P\r\nQ");
  send(*edit, em::SetSel, 0, -1);
  send(*edit, wm::Paste);
  seen.push_back("edit " + edit->Text());

  auto* memo = add(Make<Memo>(form), 8, 36, 150, 40);
  memo->SetWantReturns(false);
  type(*memo, "a\rb");
  seen.push_back("memo " + memo->Text());

  auto* check = add(Make<CheckBox>(form), 8, 84, 150, 17);
  check->SetText("Check");
  int clicks = 0;
  check->OnClick = [&](Component&) { ++clicks; };
  send(*check, bm::SetCheck, bm::Checked);
  seen.push_back("check " + std::to_string(check->Checked()) + " clicks " + std::to_string(clicks));
  send(*check, bm::Click);
  seen.push_back("check " + std::to_string(check->Checked()) + " clicks " + std::to_string(clicks));

  auto* combo = add(Make<ComboBox>(form), 8, 108, 150, 21);
  combo->SetStyle(ComboStyle::DropDownList);
  int selects = 0;
  combo->OnSelect = [&](Component&) { ++selects; };
  for (const char* s : {"red", "green", "blue"})
    send(*combo, cb::AddString, 0, reinterpret_cast<std::intptr_t>(s));
  send(*combo, cb::SetCurSel, 1);
  seen.push_back("combo " + combo->Text() + " " + std::to_string(combo->ItemIndex()) + " " +
                 std::to_string(selects));

  auto* editable = add(Make<ComboBox>(form), 8, 136, 150, 21);
  editable->AddItem("Moscow");
  editable->AddItem("Murmansk");
  type(*editable, "mu");
  seen.push_back("editable " + editable->Text());

  auto* list = add(Make<ListBox>(form), 170, 8, 120, 60);
  int adds = 0;
  auto kept = list->WindowProc;
  list->WindowProc = [&adds, kept](Message& m) {
    kept(m);
    if (m.msg == lb::AddString) ++adds;
  };
  for (const char* s : {"a", "b", "c"})
    send(*list, lb::AddString, 0, reinterpret_cast<std::intptr_t>(s));
  send(*list, lb::SetCurSel, 2);
  seen.push_back("list " + std::to_string(list->Count()) + " adds " + std::to_string(adds) + " " +
                 list->Item(list->ItemIndex()));

  auto* picker = add(Make<DateTimePicker>(form), 170, 76, 150, 21);
  picker->SetShowCheckbox(true);
  SystemTime date = SystemTime::Date(2021, 3, 8);
  send(*picker, dtm::SetSystemTime, dtm::Valid, reinterpret_cast<std::intptr_t>(&date));
  const SystemTime read = picker->Date();
  seen.push_back("date " + std::to_string(read.year) + "-0" + std::to_string(read.month) + "-0" +
                 std::to_string(read.day) + " " + std::to_string(picker->Checked()));
  send(*picker, dtm::SetSystemTime, dtm::None, reinterpret_cast<std::intptr_t>(&date));
  seen.push_back("date " + std::to_string(picker->Checked()));

  auto* radios = add(Make<RadioGroup>(form), 170, 104, 150, 80);
  radios->SetText("Radio");
  radios->SetItems({"one", "two", "three"});
  send(*radios->ButtonAt(2), bm::Click);
  seen.push_back("radio " + std::to_string(radios->ItemIndex()));

  auto* grid = add(Make<ValueListEditor>(form), 8, 192, 300, 80);
  grid->SetTitleCaptions("Key", "Value");
  send(*grid, wm::KeyDown, vk::Insert, 1);
  send(*grid, wm::Char, 'k', 1);
  send(*grid->InplaceEditor(), wm::KeyDown, vk::Return, 1);
  seen.push_back("grid " + (grid->RowCount() > 1 ? grid->Key(1) : std::string("none")));

  auto* button = add(Make<BitButton>(form), 320, 192, 75, 25);
  button->SetKind(BitButtonKind::Ok);
  int pressed = 0;
  button->OnClick = [&](Component&) { ++pressed; };
  send(*button, bm::Click);
  seen.push_back("button " + std::to_string(pressed));

  auto* box = add(Make<ScrollBox>(form), 8, 280, 200, 60);
  box->SetVertIncrement(22);
  for (int i = 0; i < 6; ++i) {
    auto* row = Make<Edit>(form);
    row->SetAutoSize(false);
    row->SetParent(box);
    row->SetBounds(0, i * 22, 100, 20);
  }
  send(*box, wm::VScroll, 1);
  seen.push_back("scroll " + std::to_string(box->VertPosition()));

  auto* label = add(Make<Label>(form), 320, 230, 10, 10);
  label->SetText("Caption:");
  seen.push_back(label->Width() == label->TextExtent("Caption:").cx ? "label fits"
                                                                    : "label unfitted");

  form->OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
  send(*form, wm::Close);
  app.ProcessMessages();
  seen.push_back(freed ? "closed freed" : "closed kept");
  return seen;
}

}  // namespace ornil::ui::parity
