// The info window tests' fixture.
#include "support/info_window_fixture.h"

#include "sim/data/sample_tables.h"
#include "text/cp1251.h"
#include "ui/edit.h"

namespace ornil::testing {

TViewLine OwnerLookup(bool fullList, const char* condition) {
  TViewLine d;
  d.Caption = "Владелец"_cp;
  d.Column = "Владелец"_cp;
  d.Enabled = true;
  d.FieldType = TableLookup;
  d.ValuesTable = sim::data::kOwners;
  d.IdentifierExpression = "Id";
  d.ValueExpression = "ФИО"_cp;
  d.ViewedExpression = "ФИО"_cp;
  d.AdditionalCondition = condition;
  d.FullValuesList = fullList;
  return d;
}

InfoWindowTest::InfoWindowTest() {
  EXPECT_TRUE(w.Link().ExecuteMapBasic("Map from \"Parcels\""));
  map = w.host.Workspace().FrontWindowId();
}

TOrnilWindow* InfoWindowTest::Open(int rowId, platform::ScreenPoint at) {
  // The parcel of row n lies from x = 10n to 10n + 8.
  EXPECT_TRUE(w.ClickInfoTool(map, 10.0 * rowId + 4, 4, at));
  return AliveOrnilWindow();
}

void InfoWindowTest::Configure(const TViewLines& lines, const char* table) {
  std::vector<const TViewLine*> fields;
  for (const auto& line : lines)
    fields.push_back(&line);
  ASSERT_TRUE(ToSaveParametersOfAttributes(w.Link(), table, fields));
  w.ClearTranscript();
}

void InfoWindowTest::WriteOptions(const std::string& sectionLines) {
  w.files.AddFile("C:\\MapInfo\\Ornil\\Options.INI", "[OrnilApp]\r\n" + sectionLines);
}

void InfoWindowTest::Retype(ui::Control& control, std::string_view text) {
  auto& edit = dynamic_cast<ui::Edit&>(control);
  w.user.Focus(edit);
  edit.SelectAll();
  if (text.empty())
    w.user.TypeChar(edit, '\b');
  else
    w.user.Type(edit, text);
}

void InfoWindowTest::Save() {
  TOrnilWindow* window = AliveOrnilWindow();
  ASSERT_NE(window, nullptr);
  w.ClearTranscript();
  w.user.Click(*window->ButtonSave);
  w.user.ProcessMessages();
}

std::vector<std::string> InfoWindowTest::Sent(std::string_view prefix) {
  std::vector<std::string> out;
  for (const auto& line : w.Transcript()) {
    if (!line.starts_with("E: ")) continue;
    const std::string statement = line.substr(3);
    if (text::EqualNoCase(std::string_view(statement).substr(0, prefix.size()), prefix))
      out.push_back(text::ToUtf8(statement));
  }
  return out;
}

void InfoWindowTest::ExpectOneMessageStartingWith(std::string_view start) {
  const auto shown = w.ShownTexts();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].starts_with(start)) << shown[0];
}

std::string InfoWindowTest::Cell(const char* table, int row, std::string_view column) {
  return text::ToUtf8(sim::mb::ToText(w.host.TableNamed(table).Cell(row, column)));
}

}  // namespace ornil::testing
