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

// An edit that keeps its caption above itself and places it in SetBounds, as the bordered controls
// do: the caption is a sibling, parented after the edit.
class CaptionedEdit : public Edit {
 public:
  static constexpr int kGap = 14;

  explicit CaptionedEdit(Component* owner) : Edit(owner), caption_(Make<Label>(owner)) {
    SetAutoSize(false);
  }
  Label& Caption() { return *caption_; }
  void SetParent(Control* parent) override {
    Edit::SetParent(parent);
    caption_->SetParent(parent);
  }
  void SetBounds(int left, int top, int width, int height) override {
    Edit::SetBounds(left, top, width, height);
    caption_->SetBounds(left, top - kGap, caption_->Width(), caption_->Height());
  }

 private:
  Label* caption_;
};

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
      "list click 1 0 1",
      "date 2021-03-08 1",
      "date 0",
      "radio 2",
      "grid k",
      "button 1",
      "enter 1 1",
      "esc 0 0",
      "esc 0 1",
      "memo breaks 1",
      "scroll 22 caption -6",
      "label fits",
      "focus edit hidden form disabled none",
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
  // A click selects as the button goes down and is told as it comes up.
  int listClicks = 0, clicksAtDown = -1, selectedAtDown = -1;
  list->OnClick = [&](Component&) { ++listClicks; };
  list->OnMouseDown = [&](Component&, MouseButton, ShiftState, int, int) {
    clicksAtDown = listClicks;
    selectedAtDown = list->ItemIndex();
  };
  const Rect second = list->ItemRect(1);
  const std::intptr_t onSecond = MakePointParam(second.left + 2, second.top + 2);
  send(*list, wm::LButtonDown, 1, onSecond);
  send(*list, wm::LButtonUp, 0, onSecond);
  seen.push_back("list click " + std::to_string(selectedAtDown) + " " +
                 std::to_string(clicksAtDown) + " " + std::to_string(listClicks));

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

  // Enter presses the focused button, else the default one; Esc and Enter go first to a control
  // that wants them.
  auto* plain = add(Make<Button>(form), 400, 192, 60, 25);
  auto* cancel = add(Make<BitButton>(form), 400, 222, 60, 25);
  cancel->SetKind(BitButtonKind::Cancel);
  int plainClicks = 0, cancels = 0;
  plain->OnClick = [&](Component&) { ++plainClicks; };
  cancel->OnClick = [&](Component&) { ++cancels; };
  auto press = [&](Control& c, std::uint16_t key) {
    send(c, wm::KeyDown, key, 1);
    send(c, wm::Char, key, 1);
  };
  pressed = 0;
  press(*plain, vk::Return);
  press(*edit, vk::Return);
  seen.push_back("enter " + std::to_string(plainClicks) + " " + std::to_string(pressed));
  combo->SetDroppedDown(true);
  press(*combo, vk::Escape);
  seen.push_back("esc " + std::to_string(combo->DroppedDown()) + " " + std::to_string(cancels));
  press(*combo, vk::Escape);
  seen.push_back("esc " + std::to_string(combo->DroppedDown()) + " " + std::to_string(cancels));
  memo->SetWantReturns(true);
  press(*memo, vk::Return);
  seen.push_back(std::string("memo ") + (memo->Text() == "ab\r\n" ? "breaks " : "keeps ") +
                 std::to_string(pressed));

  auto* box = add(Make<ScrollBox>(form), 8, 280, 200, 60);
  box->SetVertIncrement(22);
  for (int i = 0; i < 6; ++i) {
    auto* row = Make<Edit>(form);
    row->SetAutoSize(false);
    row->SetParent(box);
    row->SetBounds(0, i * 22, 100, 20);
  }
  auto* captioned = Make<CaptionedEdit>(form);
  captioned->Caption().SetText("Caption");
  captioned->SetParent(box);
  captioned->SetBounds(110, 30, 80, 20);
  send(*box, wm::VScroll, 1);
  seen.push_back("scroll " + std::to_string(box->VertPosition()) + " caption " +
                 std::to_string(captioned->Caption().Top()));

  auto* label = add(Make<Label>(form), 320, 230, 10, 10);
  label->SetText("Caption:");
  seen.push_back(label->Width() == label->TextExtent("Caption:").cx ? "label fits"
                                                                    : "label unfitted");

  // The focus leaves a control as it is hidden (for its parent) or disabled (for nobody).
  auto* focused = add(Make<Edit>(form), 320, 260, 80, 21);
  auto focus = [&]() -> std::string {
    const Handle f = backend.GetFocus();
    if (f == 0) return "none";
    return f == form->GetHandle() ? "form" : f == focused->GetHandle() ? "edit" : "other";
  };
  focused->SetFocus();
  const std::string before = focus();
  focused->Hide();
  const std::string hidden = focus();
  focused->Show();
  focused->SetFocus();
  focused->SetEnabled(false);
  seen.push_back("focus " + before + " hidden " + hidden + " disabled " + focus());

  form->OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
  send(*form, wm::Close);
  app.ProcessMessages();
  seen.push_back(freed ? "closed freed" : "closed kept");
  return seen;
}

}  // namespace ornil::ui::parity
