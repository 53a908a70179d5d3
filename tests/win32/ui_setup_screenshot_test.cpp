// Screenshots of the table setup window for a person to look at, with real windows against a
// scripted host: the window with a field of each kind selected (out/setup_divider.png,
// setup_editable.png, setup_date.png, setup_lookup.png, setup_static_list.png) and its three
// dialogs (out/setup_table_dialog.png, setup_field_dialog.png, setup_expression_dialog.png).
#include "win32/support/scripted_ddeml.h"

#include <regex>
#include <string>
#include <utility>

#include "setup/enter_expression_window.h"
#include "setup/new_field_window.h"
#include "setup/select_table_window.h"
#include "setup/setup_window.h"
#include "text/cp1251.h"
#include "win32/support/message_box_answerer.h"
#include "win32/support/ui_fixture.h"

namespace ornil {
namespace {

struct Column {
  const char* name;
  int type;
};

struct Table {
  const char* name;
  std::vector<Column> columns;
};

const std::vector<Table>& Tables() {
  static const std::vector<Table> tables = {
      {"Parcels",
       {{"Id", 3},
        {"Номер"_cp, 1},
        {"Владелец"_cp, 3},
        {"Этажность"_cp, 4},
        {"Стоимость"_cp, 2},
        {"Площадь"_cp, 8},
        {"Дата_регистрации"_cp, 5},
        {"Жилой"_cp, 6},
        {"Примечание"_cp, 1}}},
      {"Владельцы"_cp, {{"Id", 3}, {"ФИО"_cp, 1}, {"Телефон"_cp, 1}}}};
  return tables;
}

const Table* FindTable(const std::string& name) {
  for (const Table& t : Tables())
    if (name == t.name) return &t;
  return nullptr;
}

// What the host would answer about the two tables; nothing is configured yet.
std::string Answer(const std::string& e) {
  std::smatch m;
  if (e == "NumTables()") return std::to_string(Tables().size());
  if (std::regex_match(e, m, std::regex(R"re(TableInfo\((\d+),(\d+)\))re"))) {
    const Table& t = Tables().at(std::stoi(m[1]) - 1);
    return m[2] == "3" ? "1" : t.name;
  }
  if (std::regex_search(e, m, std::regex(R"re([Tt]able[Ii]nfo\("?([^",]+)"?,(\d+)\))re"))) {
    const Table* t = FindTable(m[1]);
    if (t == nullptr) return "";
    return m[2] == "8" ? "5" : std::to_string(t->columns.size());
  }
  if (std::regex_search(e, m,
                        std::regex(R"re([Cc]olumn[Ii]nfo\("?([^",]+)"?,"?([^",]+)"?,(\d+)\))re"))) {
    const Table* t = FindTable(m[1]);
    if (t == nullptr) return "";
    const std::string column = m[2];
    const Column* c = nullptr;
    if (column.rfind("COL", 0) == 0) {
      c = &t->columns.at(std::stoi(column.substr(3)) - 1);
    } else {
      for (const Column& candidate : t->columns)
        if (column == candidate.name) c = &candidate;
    }
    if (c == nullptr) return "";
    if (m[3] == "1") return c->name;
    if (m[3] == "3") return std::to_string(c->type);
    return e.rfind("format$", 0) == 0 ? "1" : "T";
  }
  return "";
}

struct SetupScreens : ui::Win32Ui {
  win32test::ScriptedDdeml ddeml{Answer};
  ui::ForeignWindow host;

  void SetUp() override {
    platform::Seams seams;
    seams.ddeml = &ddeml;
    seams.windows = &windows;
    seams.hooks = &hooks;
    platform::Install(seams);
    app.SetHandle(host.handle());
    // Only visible windows are disabled.
    ShowWindow(host.window, SW_SHOWNOACTIVATE);
  }
  // The window speaks to the host as it goes: before the seams do.
  void TearDown() override {
    if (s != nullptr) s->Free();
    app.ProcessMessages();
    ui::Win32Ui::TearDown();
  }
  std::string Sent() const {
    std::string all;
    for (const std::string& line : ddeml.Sent())
      all += text::ToUtf8(line) + "\n";
    return all;
  }

  TSetupWindow* s = nullptr;

  void Save(ui::Control& window, const char* name) {
    app.ProcessMessages();
    CreateDirectoryA(ORNIL_OUT_DIR, nullptr);
    EXPECT_TRUE(
        ui::win32::SaveWindowPng(window.GetHandle(), std::string(ORNIL_OUT_DIR) + "/" + name));
  }
};

void Choose(ui::ComboBox& combo, int index) {
  combo.SetItemIndex(index);
  if (combo.OnSelect) combo.OnSelect(combo);
}

void Press(ui::Button& button) {
  button.OnClick(button);
}

void SelectField(TSetupWindow& s, int index) {
  s.ListFields->SetItemIndex(index);
  s.ListFields->OnClick(*s.ListFields);
}

TEST_F(SetupScreens, EveryKindOfFieldAndEveryDialog) {
  win32test::MessageBoxAnswerer boxes;
  s = ui::Make<TSetupWindow>(&app, 1, 1, 2);
  s->SelectNewTable();
  ASSERT_TRUE(s->SelectTableWindow->Visible()) << Sent();
  EXPECT_FALSE(IsWindowEnabled(reinterpret_cast<HWND>(host.handle())));
  Save(*s->SelectTableWindow, "setup_table_dialog.png");
  Press(*s->SelectTableWindow->OkButton);
  ASSERT_TRUE(s->Visible());
  ASSERT_EQ(s->ListFields->Count(), 9);

  SelectField(*s, 1);
  Save(*s, "setup_editable.png");
  EXPECT_FALSE(s->DateFieldOptions->Visible());

  SelectField(*s, 6);
  s->CustomDateFormat->SetText("dd.MM.yyyy");
  s->CustomDateFormat->OnChange(*s->CustomDateFormat);
  Save(*s, "setup_date.png");
  EXPECT_TRUE(s->DateFieldOptions->Visible());
  EXPECT_FALSE(s->DateFormat->Enabled());

  SelectField(*s, 2);
  Choose(*s->FieldType, 1);
  Choose(*s->ValuesTableName, 1);
  Choose(*s->ValueColumn, 0);
  Choose(*s->ViewedColumn, 1);
  Choose(*s->IdentifierColumn, 0);
  s->AdditionalCondition->SetText("Id > 1");
  Save(*s, "setup_lookup.png");
  EXPECT_TRUE(s->TableFieldOptions->Visible());
  EXPECT_EQ(s->ViewedColumn->Text(), "ФИО"_cp);

  SelectField(*s, 3);
  Choose(*s->FieldType, 2);
  s->ValueList->InsertRow("1", "Один"_cp, true);
  s->ValueList->InsertRow("", "", true);
  s->ValueList->InsertRow("2", "Два"_cp, true);
  Save(*s, "setup_static_list.png");
  EXPECT_TRUE(s->StaticListOptions->Visible());

  SelectField(*s, 0);
  Press(*s->CreateField);
  ASSERT_TRUE(s->NewFieldWindow->Visible());
  s->NewFieldWindow->FieldName->SetText("Площадь, га"_cp);
  Save(*s->NewFieldWindow, "setup_field_dialog.png");
  Choose(*s->NewFieldWindow->ColumnName, s->NewFieldWindow->ColumnName->Count() - 1);
  ASSERT_TRUE(s->EnterExpressionWindow->Visible());
  s->EnterExpressionWindow->Expression->SetText("Площадь / 10000"_cp);
  Save(*s->EnterExpressionWindow, "setup_expression_dialog.png");
  Press(*s->EnterExpressionWindow->CancelButton);
  s->NewFieldWindow->FieldName->SetText("Владение"_cp);
  s->NewFieldWindow->DividerCheck->SetChecked(true);
  Press(*s->NewFieldWindow->OkButton);
  ASSERT_EQ(s->ListFields->Count(), 10);
  SelectField(*s, 1);
  s->CaptionViewed->SetChecked(true);
  s->CaptionViewed->OnClick(*s->CaptionViewed);
  s->CaptionJustify->SetItemIndex(2);
  SelectField(*s, 0);
  SelectField(*s, 1);
  Save(*s, "setup_divider.png");
  EXPECT_TRUE(s->CaptionJustify->Visible());
  EXPECT_FALSE(s->FieldType->Enabled());

  EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes().front().text;
  std::exchange(s, nullptr)->Free();
  app.ProcessMessages();
  EXPECT_TRUE(IsWindowEnabled(reinterpret_cast<HWND>(host.handle())));
}

}  // namespace
}  // namespace ornil
