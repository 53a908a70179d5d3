// The demo's session, step by step.
#include "demo/session.h"

#include "controls/border_bound_label.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "integration/about_box.h"
#include "platform/seams.h"
#include "setup/new_field_window.h"
#include "setup/select_table_window.h"
#include "setup/setup_module.h"
#include "setup/setup_window.h"
#include "sim/data/sample_tables.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/messages.h"

namespace ornil::demo {

namespace {

class Session {
 public:
  Session(DemoHost& host, HostScreen& screen, Stage& stage)
      : host_(host), screen_(screen), stage_(stage) {}

  Summary Play();

 private:
  void Show(const char* name, const std::string& title, platform::WindowHandle window) {
    screen_.Refresh();
    ++summary_.steps;
    stage_.Show(name, title, window);
  }
  bool Check(bool ok, const std::string& what) {
    if (!ok) summary_.failures.push_back(what);
    return ok;
  }
  bool Choose(const char* item) {
    return Check(host_.companion.Choose(item),
                 "the companion's menu item «" + text::ToUtf8(item) + "» cannot be chosen");
  }
  void CountStatements();
  void ProcessMessages() {
    if (ui::Application* app = ui::Application::Instance()) app->ProcessMessages();
  }
  bool SetupParcels();
  bool OpenInfoWindow(int map, double x, double y);
  bool EditValues();
  bool CreateOwnerInValueList();
  bool SaveRecord();
  bool ShowAbout();
  // The row of the open info window that shows the column; null when there is none.
  TViewLine* Row(const char* column);

  DemoHost& host_;
  HostScreen& screen_;
  Stage& stage_;
  Summary summary_;
  int rowId_ = 2;  // the parcel the user clicks: А-102
};

// A typed value, as a user enters it: the old text selected and replaced.
void Retype(ui::Edit& edit, const char* value) {
  edit.SelectAll();
  edit.SetText(value);
}

Summary Session::Play() {
  sim::MapInfoHost& mapInfo = host_.host;
  std::string mapStatement = "Map from \"Parcels\", \"";
  mapStatement += sim::data::kDistricts;
  mapStatement += "\"";
  Check(mapInfo.Run(mapStatement).ok, "the parcels map does not open");
  const int map = mapInfo.Workspace().FrontWindowId();
  host_.companion.Start();
  if (!host_.companion.Program().Running()) {
    std::string why = host_.companion.Program().HaltMessage();
    for (const auto& note : host_.companion.ShownErrors())
      why += " " + note;
    Check(false, "the companion program did not start: " + text::ToUtf8(why));
    return summary_;
  }
  Show("mapinfo", "MapInfo с картой участков; программа Ornil загружена, её меню и панель",
       screen_.MainWindow());

  if (SetupParcels() && OpenInfoWindow(map, 10.0 * rowId_ + 4, 4) && EditValues() &&
      CreateOwnerInValueList())
    SaveRecord();
  ShowAbout();

  Choose("Выход"_cp);
  Check(host_.companion.Program().Ended(), "the companion program did not end");
  Show("exit", "Ornil выгружена: меню и окна библиотеки закрыты", screen_.MainWindow());
  CountStatements();
  return summary_;
}

// A control used as a user would: the choice made, then the notice the window acts on.
void Click(ui::Control& control) {
  if (control.OnClick) control.OnClick(control);
}
void Pick(ui::ComboBox& combo, int index) {
  combo.SetItemIndex(index);
  if (combo.OnSelect) combo.OnSelect(combo);
}
void Pick(ui::ComboBox& combo, const std::string& item) {
  Pick(combo, combo.IndexOf(item));
}
void Pick(ui::ListBox& list, int index) {
  list.SetItemIndex(index);
  if (list.OnClick) list.OnClick(list);
}
int IndexOf(ui::ListBox& list, const std::string& item) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.Item(i) == item) return i;
  return -1;
}

// The parcels' info window set up through the companion's menu: the plot's particulars under a
// divider, the floors from a fixed list, the registration date in words, the owner looked up in
// the owners table; closing the window saves.
bool Session::SetupParcels() {
  if (!Choose("Настройка таблицы..."_cp)) return false;
  ProcessMessages();
  if (!Check(SetupWindow != nullptr && SetupWindow->SelectTableWindow->Visible(),
             "the setup window did not ask for a table"))
    return false;
  TSetupWindow& s = *SetupWindow;
  TSelectTableWindow& tables = *s.SelectTableWindow;
  Pick(*tables.ComboBox1, sim::data::kParcels);
  Show("setup_table", "Ornil › Настройка таблицы...: выбор таблицы Parcels", tables.GetHandle());
  Click(*tables.OkButton);
  ProcessMessages();
  if (!Check(s.Visible() && s.ListFields->Count() > 0, "the setup window shows no fields"))
    return false;

  // A divider above the rest.
  Click(*s.CreateField);
  TNewFieldWindow& field = *s.NewFieldWindow;
  field.FieldName->SetText("Участок"_cp);
  if (!field.DividerCheck->Checked()) {
    field.DividerCheck->SetChecked(true);
    Click(*field.DividerCheck);
  }
  Show("setup_divider", "Новое поле: разделитель «Участок»", field.GetHandle());
  Click(*field.OkButton);
  ProcessMessages();
  int divider = IndexOf(*s.ListFields, "Участок"_cp);
  if (!Check(divider >= 0, "the divider was not added")) return false;
  for (; divider > 0; --divider) {
    Pick(*s.ListFields, divider);
    Click(*s.FieldUp);
  }
  Pick(*s.ListFields, 0);
  s.CaptionViewed->SetChecked(true);
  Click(*s.CaptionViewed);
  s.CaptionJustify->SetItemIndex(2);  // centred

  auto select = [&](const char* caption) {
    const int index = IndexOf(*s.ListFields, caption);
    if (index >= 0) Pick(*s.ListFields, index);
    return Check(index >= 0, "the setup window has no field " + text::ToUtf8(caption));
  };
  // The floors from a fixed list.
  if (!select("Этажность"_cp)) return false;
  Pick(*s.FieldType, 2);
  s.ValueList->InsertRow("1", "одноэтажный"_cp, true);
  s.ValueList->InsertRow("2", "двухэтажный"_cp, true);
  s.ValueList->InsertRow("3", "трёхэтажный"_cp, true);
  s.ValueList->InsertRow("5", "многоэтажный"_cp, true);
  Show("setup_list", "Этажность: список постоянных значений", s.GetHandle());
  // The registration date in words.
  if (!select("Дата_регистрации"_cp)) return false;
  s.CustomDateFormat->SetText("dd MMMM yyyy");
  if (s.CustomDateFormat->OnChange) s.CustomDateFormat->OnChange(*s.CustomDateFormat);
  // The owner from the owners table.
  if (!select("Владелец"_cp)) return false;
  Pick(*s.FieldType, 1);
  Pick(*s.ValuesTableName, sim::data::kOwners);
  Pick(*s.ValueColumn, "ФИО"_cp);
  Pick(*s.ViewedColumn, "ФИО"_cp);
  Pick(*s.IdentifierColumn, "Id");
  Show("setup_lookup", "Владелец: значение из таблицы владельцев", s.GetHandle());

  // Closing asks whether to save; the user says yes.
  platform::Current().windows->Send(s.GetHandle(), ui::wm::Close, 0, 0);
  ProcessMessages();
  return Check(SetupWindow == nullptr, "the setup window did not close") &&
         Check(host_.host.TableNamed(sim::data::kParcels).Meta().Size() > 0,
               "the parcels' settings were not saved");
}

bool Session::OpenInfoWindow(int map, double x, double y) {
  screen_.MoveMouse(screen_.MapPointOnScreen(map, x, y));
  Check(host_.companion.ClickInfoTool(map, x, y), "the map tool cannot be used");
  ProcessMessages();
  TOrnilWindow* window = AliveOrnilWindow();
  if (!Check(window != nullptr && window->Visible(), "no info window opened for the parcel"))
    return false;
  Show("info_window", "Инструмент Ornil на участке А-102: информационное окно рядом с точкой",
       window->GetHandle());
  return true;
}

TViewLine* Session::Row(const char* column) {
  TOrnilWindow* window = AliveOrnilWindow();
  if (window == nullptr) return nullptr;
  for (auto& d : window->Fields)
    if (d.Column == column && d.Control() != nullptr) return &d;
  return nullptr;
}

bool Session::EditValues() {
  TViewLine* price = Row("Стоимость"_cp);
  TViewLine* note = Row("Примечание"_cp);
  auto* priceEdit = price ? dynamic_cast<ui::Edit*>(price->Control()) : nullptr;
  auto* noteEdit = note ? dynamic_cast<ui::Edit*>(note->Control()) : nullptr;
  if (!Check(priceEdit != nullptr && noteEdit != nullptr,
             "the info window has no edits for the price and the note"))
    return false;
  Retype(*priceEdit, "875000.50");
  Retype(*noteEdit, "Арендатор ООО \"Ромашка\" до 2026 года"_cp);
  ProcessMessages();
  Show("edited", "Стоимость и примечание изменены", AliveOrnilWindow()->GetHandle());
  return true;
}

// The owner's caption opens the owners list; the pad's command creates a new owner, who is picked
// from the list as it closes.
bool Session::CreateOwnerInValueList() {
  TOrnilWindow* window = AliveOrnilWindow();
  TViewLine* owner = Row("Владелец"_cp);
  auto* lookup = owner ? dynamic_cast<TOrnilComboBox*>(owner->Control()) : nullptr;
  if (!Check(lookup != nullptr && lookup->BoundLabel() != nullptr &&
                 lookup->BoundLabel()->OnMouseUp != nullptr,
             "the owner's row is no lookup"))
    return false;
  TBoundLabel& caption = *lookup->BoundLabel();
  caption.OnMouseUp(caption, ui::MouseButton::Left, {}, 2, 2);
  ProcessMessages();
  if (!Check(window->ValueListOpen(), "the owners' value list did not open")) return false;
  Check(host_.companion.OffersValueCreation(), "the companion does not offer a new value");
  Show("value_list", "Щелчок по подписи «Владелец»: список владельцев", window->ValueListWindow);

  Check(host_.companion.Program().PushButton("NewLookupValue"),
        "the pad's command for a new value cannot be used");
  ProcessMessages();
  TEditValueWindow& edit = *window->EditValueWindow;
  if (!Check(edit.Visible(), "the window for a new value did not open")) return false;
  const char* newOwner = "Новикова Мария Павловна"_cp;
  edit.Value->SetText(newOwner);
  Show("new_owner", "Команда «Создать значение» на панели Ornil: новый владелец", edit.GetHandle());
  Click(*edit.OkButton);
  ProcessMessages();

  // The user picks the new owner in the list and closes it.
  const sim::mb::HostWindow* list = host_.host.Workspace().FindWindow(window->ValueListWindowId);
  const sim::mb::Table* shown = list ? host_.host.Workspace().Find(list->table) : nullptr;
  int listRow = 0;
  for (int r = 1; shown != nullptr && r <= shown->RowCount(); ++r)
    for (int c = 0; c < shown->ColumnCount(); ++c)
      if (sim::mb::ToText(shown->Cell(r, c)) == newOwner) listRow = r;
  if (!Check(listRow != 0, "the new owner is not in the list")) return false;
  host_.host.UserClickBrowserRow(list->id, listRow);
  Show("owner_picked", "Новый владелец выбран в списке", window->ValueListWindow);
  platform::Current().windows->Send(window->ValueListWindow, ui::wm::Close, 0, 0);
  ProcessMessages();
  return Check(!window->ValueListOpen() && lookup->Text() == newOwner,
               "closing the list did not put the new owner in the row");
}

bool Session::SaveRecord() {
  TOrnilWindow* window = AliveOrnilWindow();
  Show("before_save", "Владелец в информационном окне; сохранение", window->GetHandle());
  Click(*window->ButtonSave);
  ProcessMessages();
  return Check(AliveOrnilWindow() == nullptr, "the info window stayed open after saving");
}

bool Session::ShowAbout() {
  if (!Choose("О программе..."_cp)) return false;
  ProcessMessages();
  if (!Check(AboutBox != nullptr && AboutBox->Visible(), "the About window did not open"))
    return false;
  Show("about", "Ornil › О программе...", AboutBox->GetHandle());
  Click(*AboutBox->OKButton);
  ProcessMessages();
  return Check(AboutBox == nullptr || !AboutBox->Visible(), "the About window did not close");
}

void Session::CountStatements() {
  for (const auto& run : host_.companion.Statements()) {
    if (!run.ok) continue;
    if (run.statement.starts_with("Update ")) ++summary_.rowsSaved;
    if (run.statement.starts_with("Insert Into ")) ++summary_.valuesCreated;
  }
}

}  // namespace

std::string Summary::Line() const {
  std::string line = std::to_string(steps) + " steps, " + std::to_string(rowsSaved) +
                     " rows saved, " + std::to_string(valuesCreated) + " values created";
  line += failures.empty() ? ", no failures" : ", " + std::to_string(failures.size()) + " failed";
  return line;
}

Summary PlaySession(DemoHost& host, HostScreen& screen, Stage& stage) {
  return Session(host, screen, stage).Play();
}

}  // namespace ornil::demo
