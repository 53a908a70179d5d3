// Screenshots of the info window for a person to look at, drawn by the Win32 backend: a parcel of
// the sample tables with a row of every kind (out/info_window.png), and the edit value window over
// it in text and date mode (out/info_window_edit_text.png, out/info_window_edit_date.png). The
// record comes from the simulated host over the simulated DDE network (Wine's DDEML cannot carry
// the conversation); a plain server stands in for the companion.
#include "support/ui_fixture.h"

#include <string>

#include "host/error_reporting.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "platform/win32/win32_seams.h"
#include "settings/metadata.h"
#include "sim/data/sample_tables.h"
#include "simulated_host/simulated_host.h"
#include "support/message_box_answerer.h"
#include "text/cp1251.h"
#include "ui/win32/toolkit.h"

namespace ornil {
namespace {

std::string OutPath(const char* name) {
  CreateDirectoryA(ORNIL_OUT_DIR, nullptr);
  return std::string(ORNIL_OUT_DIR) + "/" + name;
}

TViewLine Row(const char* caption, const char* column, FieldKind kind = Editable) {
  TViewLine d;
  d.Caption = caption;
  d.Column = column;
  d.Enabled = true;
  d.FieldType = kind;
  return d;
}

TViewLines EveryKindOfRow() {
  TViewLines lines;
  TViewLine divider;
  divider.FieldType = Divider;
  divider.Caption = "Участок"_cp;
  divider.CaptionViewed = true;
  divider.CaptionJustify = 2;
  lines.push_back(divider);
  lines.push_back(Row("Кадастровый номер"_cp, "Номер"_cp));
  lines.push_back(Row("Этажность"_cp, "Этажность"_cp));
  lines.push_back(Row("Стоимость"_cp, "Стоимость"_cp));
  lines.push_back(Row("Площадь"_cp, "Площадь"_cp));
  TViewLine date = Row("Дата регистрации"_cp, "Дата_регистрации"_cp);
  date.ColumnType = ColumnTypes::Date;
  date.CustomDateFormat = "dd MMMM yyyy";
  lines.push_back(date);
  lines.push_back(Row("Жилой"_cp, "Жилой"_cp));
  TViewLine owners;
  owners.FieldType = Divider;
  lines.push_back(owners);
  TViewLine owner = Row("Владелец"_cp, "Владелец"_cp, TableLookup);
  owner.ValuesTable = sim::data::kOwners;
  owner.IdentifierExpression = "Id";
  owner.ValueExpression = "ФИО"_cp;
  owner.ViewedExpression = "ФИО"_cp;
  lines.push_back(owner);
  owner.Caption = "Владелец (список)"_cp;
  owner.FullValuesList = true;
  lines.push_back(owner);
  TViewLine floors = Row("Этажей"_cp, "Этажность"_cp, StaticList);
  floors.Values = {{"один"_cp, "1"}, {"два"_cp, "2"}, {"много"_cp, "9"}};
  lines.push_back(floors);
  TViewLine twice = Row("Двойная площадь"_cp, "");
  twice.Expression = "Площадь*2"_cp;
  twice.Enabled = false;
  lines.push_back(twice);
  lines.push_back(Row("Примечание"_cp, "Примечание"_cp));
  return lines;
}

TEST(InfoWindowScreenshot, AParcelWithEveryKindOfRowAndTheEditValueWindowOverIt) {
  ui::win32::Win32Backend backend;
  ui::Application app{backend};
  win32test::SimulatedHost world;
  platform::Seams seams = ui::win32::WithToolkitSeams(platform::win32::RealSeams());
  seams.ddeml = &world.Ddeml();
  platform::Install(seams);
  win32test::MessageBoxAnswerer answerer;
  InitializeInfoWindowModule();

  const TViewLines lines = EveryKindOfRow();
  std::vector<const TViewLine*> fields;
  for (const auto& line : lines)
    fields.push_back(&line);
  const TMapInfo link = world.Link();
  ASSERT_TRUE(ToSaveParametersOfAttributes(link, "Parcels", fields));
  ASSERT_TRUE(link.ExecuteMapBasic("Map from \"Parcels\""));
  const int map = world.FrontWindowId();

  ViewOrnilWindow(40, 40, "Parcels", 1, map, world.instance, world.mapInfoConv, world.companionConv,
                  "OrnilApp");
  app.ProcessMessages();
  for (const auto& box : answerer.Boxes())
    ADD_FAILURE() << text::ToUtf8(box.text);
  TOrnilWindow* window = AliveOrnilWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->Fields.size(), lines.size());
  EXPECT_TRUE(ui::win32::SaveWindowPng(window->GetHandle(), OutPath("info_window.png")));
  // Every row shows without scrolling, and the window opens beside the point it was asked for.
  EXPECT_EQ(window->Left(), 50);
  EXPECT_EQ(window->Top(), 50);
  EXPECT_EQ(window->Height(), window->GetConstraints().maxHeight);

  // Every caption ends at one edge; every control but the check box starts 3 pixels after it.
  for (const auto& d : window->Fields) {
    auto* control = dynamic_cast<ui::Control*>(d.Control());
    ASSERT_NE(control, nullptr);
    if (d.FieldType == Divider || d.ColumnType == ColumnTypes::Logical) continue;
    EXPECT_EQ(control->Left(), window->CaptionWidth + 3) << text::ToUtf8(d.Caption);
    EXPECT_LE(control->Left() + control->Width(), window->ScrollBox->ClientWidth());
  }

  TEditValueWindow& edit = *window->EditValueWindow;
  edit.SetText("Изменить значение"_cp);
  edit.ShowTextEditor();
  edit.Value->SetText("Иванов Иван Иванович"_cp);
  edit.Show();
  app.ProcessMessages();
  EXPECT_TRUE(ui::win32::SaveWindowPng(window->GetHandle(), OutPath("info_window_edit_text.png")));
  edit.Hide();
  edit.SetText("Создать значение"_cp);
  edit.ShowDateEditor();
  edit.DateValue->SetDate(ui::SystemTime::Date(2024, 3, 5));
  edit.DateValue->SetChecked(true);
  edit.Show();
  app.ProcessMessages();
  EXPECT_TRUE(ui::win32::SaveWindowPng(window->GetHandle(), OutPath("info_window_edit_date.png")));
  edit.Hide();

  DestroyOrnilWindow();
  FinalizeInfoWindowModule();
  platform::Install({});
}

}  // namespace
}  // namespace ornil
