// The demo's session, step by step.
#include "demo/session.h"

#include <cstdio>

#include "controls/border_bound_label.h"
#include "exports/ornil_exports.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "platform/seams.h"
#include "settings/metadata.h"
#include "sim/data/sample_tables.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/edit.h"

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
    char numbered[64];
    std::snprintf(numbered, sizeof numbered, "%02d_%s", summary_.steps, name);
    stage_.Show(summary_.steps, numbered, title, window);
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
  TMapInfo Link() const {
    TMapInfo link;
    link.SetConversations(handles_.mapInfoConv, handles_.applicationConv, handles_.instance);
    return link;
  }
  bool ConfigureParcels();
  bool OpenInfoWindow(int map, double x, double y);
  bool EditValues();
  bool CreateOwnerInValueList();
  bool SaveRecord();
  // The row of the open info window that shows the column; null when there is none.
  TViewLine* Row(const char* column);

  DemoHost& host_;
  HostScreen& screen_;
  Stage& stage_;
  Summary summary_;
  sim::Companion::Handles handles_;
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
  handles_ = host_.companion.Start();
  if (!host_.companion.Program().Running()) {
    std::string why = host_.companion.Program().HaltMessage();
    for (const auto& note : host_.companion.ShownErrors())
      why += " " + note;
    Check(false, "the companion program did not start: " + text::ToUtf8(why));
    return summary_;
  }
  Show("mapinfo", "MapInfo с картой участков; программа Ornil загружена, её меню и панель",
       screen_.MainWindow());

  if (ConfigureParcels() && OpenInfoWindow(map, 10.0 * rowId_ + 4, 4) && EditValues() &&
      CreateOwnerInValueList())
    SaveRecord();

  Choose("Выход"_cp);
  Check(host_.companion.Program().Ended(), "the companion program did not end");
  Show("exit", "Ornil выгружена: меню и окна библиотеки закрыты", screen_.MainWindow());
  CountStatements();
  return summary_;
}

// The parcels' info window: the plot's particulars under a divider, the floors from a fixed list,
// the registration date in words, the owner looked up in the owners table.
bool Session::ConfigureParcels() {
  TViewLines lines;
  auto row = [&lines](const char* caption, const char* column, FieldKind kind = Editable) {
    TViewLine d;
    d.Caption = caption;
    d.Column = column;
    d.FieldType = kind;
    d.Enabled = true;
    lines.push_back(d);
    return &lines.back();
  };
  TViewLine* plot = row("Участок"_cp, "", Divider);
  plot->CaptionViewed = true;
  plot->CaptionJustify = 2;
  row("Кадастровый номер"_cp, "Номер"_cp);
  TViewLine* floors = row("Этажность"_cp, "Этажность"_cp, StaticList);
  floors->Values = {{"одноэтажный"_cp, "1"},
                    {"двухэтажный"_cp, "2"},
                    {"трёхэтажный"_cp, "3"},
                    {"многоэтажный"_cp, "5"}};
  row("Стоимость"_cp, "Стоимость"_cp);
  row("Площадь"_cp, "Площадь"_cp);
  TViewLine* date = row("Дата регистрации"_cp, "Дата_регистрации"_cp);
  date->ColumnType = ColumnTypes::Date;
  date->CustomDateFormat = "dd MMMM yyyy";
  row("Жилой"_cp, "Жилой"_cp);
  TViewLine* ownership = row("Владение"_cp, "", Divider);
  ownership->CaptionViewed = true;
  TViewLine* owner = row("Владелец"_cp, "Владелец"_cp, TableLookup);
  owner->ValuesTable = sim::data::kOwners;
  owner->IdentifierExpression = "Id";
  owner->ValueExpression = "ФИО"_cp;
  owner->ViewedExpression = "ФИО"_cp;
  row("Примечание"_cp, "Примечание"_cp);
  std::vector<const TViewLine*> fields;
  for (const auto& line : lines)
    fields.push_back(&line);
  return Check(ToSaveParametersOfAttributes(Link(), sim::data::kParcels, fields),
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
  edit.OkButton->OnClick(*edit.OkButton);
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
  platform::Current().windows->Send(window->ValueListWindow, 0x0010 /*WM_CLOSE*/, 0, 0);
  ProcessMessages();
  return Check(!window->ValueListOpen() && lookup->Text() == newOwner,
               "closing the list did not put the new owner in the row");
}

bool Session::SaveRecord() {
  TOrnilWindow* window = AliveOrnilWindow();
  Show("before_save", "Владелец в информационном окне; сохранение", window->GetHandle());
  window->ButtonSave->OnClick(*window->ButtonSave);
  ProcessMessages();
  return Check(AliveOrnilWindow() == nullptr, "the info window stayed open after saving");
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
