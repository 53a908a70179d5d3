// The info window as a user meets it through the companion's map tool: the rows it opens with for
// a table without and with a configuration, editing and saving back into the table (also on a
// machine with a decimal comma), what the companion's event handlers hear while the library saves
// and finds, where the window opens, and the options file's "fields count".
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/border_check_box.h"
#include "controls/border_date_edit.h"
#include "controls/typed_edits.h"
#include "controls/window_divider.h"
#include "exports/ornil_exports.h"
#include "host/errors.h"
#include "infowindow/window_geometry.h"
#include "sim/data/sample_tables.h"
#include "support/info_window_fixture.h"
#include "support/metadata_fixture.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

using namespace std::string_literals;

TViewLine Row(const char* caption, const char* column, bool enabled = true,
              FieldKind kind = Editable) {
  return ColumnRow(caption, column, enabled, kind);
}

// One row of every kind the window shows.
TViewLines EveryKindOfRow() {
  TViewLines lines;
  lines.push_back(DividerRow("Участок"_cp, true, 2));
  lines.push_back(Row("Номер"_cp, "Номер"_cp));
  TViewLine date = Row("Дата"_cp, "Дата_регистрации"_cp);
  date.ColumnType = ColumnTypes::Date;
  date.CustomDateFormat = "dd MMMM yyyy";
  lines.push_back(date);
  lines.push_back(OwnerLookup(true));
  lines.push_back(OwnerLookup(false));
  TViewLine floors = Row("Этажность"_cp, "Этажность"_cp, true, StaticList);
  floors.Values = {{"один"_cp, "1"}, {"два"_cp, "2"}, {""_cp, "0"}};
  lines.push_back(floors);
  TViewLine twice = Row("Двойная площадь"_cp, "");
  twice.Expression = "Площадь*2"_cp;
  lines.push_back(twice);
  lines.push_back(Row("Жилой"_cp, "Жилой"_cp));
  return lines;
}

std::vector<std::string> Items(ui::ComboBox& box) {
  std::vector<std::string> items;
  for (int i = 0; i < box.Count(); ++i)
    items.push_back(text::ToUtf8(box.Item(i)));
  return items;
}

TEST_F(InfoWindowTest, ATableWithoutSettingsShowsEveryColumnAsAnEditableRow) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Text(), "Информация об объекте из таблицы 'Parcels'"_cp);
  EXPECT_TRUE(window->Showing());
  EXPECT_EQ(::IsOrnilWindowOpened(), 1);
  ASSERT_EQ(window->Fields.size(), 9u);

  EXPECT_EQ(RowControl<TOrnilIntEdit>(0)->Text(), "1");
  auto* number = RowControl<TBorderEdit>(1);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(dynamic_cast<TOrnilIntEdit*>(number), nullptr) << "a text column gets a plain edit";
  EXPECT_EQ(number->Text(), "А-101"_cp);
  EXPECT_EQ(number->MaxLength(), 20);
  w.user.TypeChar(*number, '\t');
  EXPECT_EQ(number->Text(), "А-101"_cp) << "a Tab types nothing";
  EXPECT_NE(RowControl<TOrnilIntEdit>(3), nullptr);
  EXPECT_EQ(RowControl<TOrnilDecimalEdit>(4)->Text(), "1500000.5");
  EXPECT_EQ(RowControl<TOrnilFloatEdit>(5)->Text(), "612.5");
  auto* date = RowControl<TBorderDateEdit>(6);
  ASSERT_NE(date, nullptr);
  EXPECT_TRUE(date->Checked());
  EXPECT_EQ(date->Date().year, 2019);
  EXPECT_EQ(date->Date().month, 3);
  EXPECT_EQ(date->Date().day, 15);
  auto* living = RowControl<TBorderCheckBox>(7);
  ASSERT_NE(living, nullptr);
  EXPECT_TRUE(living->Checked());
  EXPECT_EQ(RowControl<TBorderEdit>(8)->Text(), "Угловой участок"_cp);

  // One caption column: every control but the check box starts 3 pixels after it; each row starts
  // 2 pixels below the one before.
  int top = 0;
  for (std::size_t i = 0; i < window->Fields.size(); ++i) {
    auto* control = RowControl<ui::Control>(i);
    EXPECT_TRUE(window->Fields[i].Enabled) << i;
    EXPECT_EQ(control->Top(), top) << i;
    if (i != 7) {
      EXPECT_EQ(control->Left(), window->CaptionWidth + 3) << i;
    }
    top = control->Top() + control->Height() + 2;
  }
  EXPECT_EQ(living->Left() + living->Width(),
            window->CaptionWidth + 3 + ui::Application::CurrentBackend().CheckBoxGlyphSize().cx)
      << "the box stands where the other controls start";
}

TEST_F(InfoWindowTest, ColumnsTheHostCannotEditAreShownReadOnly) {
  sim::mb::Table& t = w.host.AddTable({"Roads",
                                       {{"Name", sim::mb::kChar, 20, 0, true, -1},
                                        {"Open", sim::mb::kLogical, 0, 0, true, -1},
                                        {"Built", sim::mb::kDate, 0, 0, true, -1}},
                                       /*mappable=*/true,
                                       /*readOnly=*/true});
  t.AddRowTexts({"Тверская"_cp, "T", ""});
  t.objects[1] = {14, 0, 22, 8};
  ASSERT_TRUE(w.Link().ExecuteMapBasic("Map from \"Roads\""));
  map = w.host.Workspace().FrontWindowId();
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->Fields.size(), 3u);
  EXPECT_TRUE(RowControl<TBorderEdit>(0)->ReadOnly());
  auto* open = RowControl<TBorderCheckBox>(1);
  open->SetFocus();
  w.user.Click(*open);
  EXPECT_TRUE(open->Checked()) << "a read-only box ignores clicks";
  auto* built = RowControl<TBorderDateEdit>(2);
  EXPECT_FALSE(built->ShowCheckbox());
  EXPECT_FALSE(built->Enabled()) << "an empty read-only date shows nothing";
  EXPECT_TRUE(built->EditLabel()->Enabled());
  Save();
  EXPECT_TRUE(Sent("update").empty());
}

TEST_F(InfoWindowTest, AConfiguredTableShowsItsRowsInOrder) {
  Configure(EveryKindOfRow());
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->Fields.size(), 8u);

  auto* divider = RowControl<TWindowDivider>(0);
  ASSERT_NE(divider, nullptr);
  EXPECT_EQ(divider->Text(), "Участок"_cp);
  EXPECT_EQ(divider->Left(), 0);
  EXPECT_EQ(RowControl<TBorderEdit>(1)->Text(), "А-101"_cp);
  EXPECT_EQ(RowControl<TBorderDateEdit>(2)->Format(), "dd MMMM yyyy");

  auto* full = RowControl<TOrnilComboBox>(3);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(Items(*full),
            (std::vector<std::string>{"Иванов Иван Иванович", "ООО \"Ромашка\"",
                                      "Петров Пётр Петрович", "Сидорова Анна Сергеевна"}))
      << "every value, in order of the shown text";
  EXPECT_EQ(full->ItemIndex(), 0);
  ASSERT_NE(full->ItemString(1), nullptr);
  EXPECT_EQ(*full->ItemString(1), "5");
  EXPECT_FALSE(full->BoundLabel()->UnderlineOnHover) << "a full list is chosen from in place";

  auto* current = RowControl<TOrnilComboBox>(4);
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(Items(*current), (std::vector<std::string>{"Иванов Иван Иванович"}));
  EXPECT_TRUE(current->ReadOnly());
  EXPECT_TRUE(current->BoundLabel()->UnderlineOnHover) << "its caption opens the value list";
  EXPECT_EQ(current->ValuesTable, sim::data::kOwners);

  auto* floors = RowControl<TOrnilComboBox>(5);
  EXPECT_EQ(Items(*floors), (std::vector<std::string>{"один", "два", " "}));
  EXPECT_EQ(floors->ItemIndex(), 1);

  EXPECT_EQ(RowControl<TOrnilFloatEdit>(6)->Text(), "1225") << "the expression's value";
  EXPECT_TRUE(RowControl<TBorderCheckBox>(7)->Checked());

  // The temporary selections of the lookups are gone; the expression selection stays with the
  // window and goes with it.
  const std::string expressions = window->ExpressionSelection;
  EXPECT_FALSE(expressions.empty());
  for (const char* base : {"SelValues", "SelCurrentValue"}) {
    for (int n = 1; n < 5; ++n)
      EXPECT_EQ(w.host.FindTable(base + std::to_string(n)), nullptr) << base << n;
  }
  ::DestroyOrnilWindow();
  EXPECT_EQ(w.host.FindTable(expressions), nullptr);
}

TEST_F(InfoWindowTest, ALookupWhoseValuesTableIsNotOpenShowsAsAnEditableRow) {
  TViewLine lookup = OwnerLookup(false);
  lookup.ValuesTable = "Nowhere";
  Configure({lookup});
  ASSERT_NE(Open(2), nullptr);
  auto* edit = RowControl<TOrnilIntEdit>(0);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Text(), "2");
  Retype(*edit, "3");
  Save();
  EXPECT_EQ(Sent("update"),
            (std::vector<std::string>{"update \"Parcels\" Set COL3=3 where RowId=2"}));
}

TEST_F(InfoWindowTest, SavingSendsOneUpdatePerChangedRowAndTheTableHoldsTheValues) {
  ASSERT_NE(Open(2), nullptr);
  Retype(*RowControl<ui::Control>(1), "Б-\"9\""_cp);
  Retype(*RowControl<ui::Control>(3), "");
  Retype(*RowControl<ui::Control>(5), "77.75");
  w.user.Tick(*RowControl<TBorderCheckBox>(7));
  w.user.Tick(*RowControl<TBorderDateEdit>(6));  // clears the date
  Save();

  EXPECT_EQ(Sent("update"), (std::vector<std::string>{
                                "update \"Parcels\" Set COL2=\"Б-\"\"9\"\"\" where RowId=2",
                                "update \"Parcels\" Set COL4=0 where RowId=2",
                                "update \"Parcels\" Set COL6=77.75 where RowId=2",
                                "update \"Parcels\" Set COL7=\"\" where RowId=2",
                                "update \"Parcels\" Set COL8=0 where RowId=2",
                            }));
  EXPECT_EQ(Cell("Parcels", 2, "Номер"_cp), "Б-\"9\"");
  EXPECT_EQ(Cell("Parcels", 2, "Этажность"_cp), "0");
  EXPECT_EQ(Cell("Parcels", 2, "Площадь"_cp), "77.75");
  EXPECT_EQ(Cell("Parcels", 2, "Дата_регистрации"_cp), "");
  EXPECT_EQ(Cell("Parcels", 2, "Примечание"_cp), "Арендатор ООО \"Ромашка\"");
  EXPECT_EQ(AliveOrnilWindow(), nullptr) << "a save closes the window";
  EXPECT_EQ(::IsOrnilWindowOpened(), 0);
  EXPECT_EQ(::GetCurrentAdditionalWindow(), 0);
}

TEST_F(InfoWindowTest, SavingWithoutChangesSendsNothingAndAnEmptyNumberStaysUnsent) {
  w.host.TableNamed("Parcels").Write(3, 4, sim::mb::Value::Float(0));
  ASSERT_NE(Open(3), nullptr);
  Retype(*RowControl<ui::Control>(4), "");  // 0 shown as "0": cleared, still 0
  Save();
  EXPECT_TRUE(Sent("update").empty());
  EXPECT_EQ(AliveOrnilWindow(), nullptr);
}

TEST_F(InfoWindowTest, ATypedNumberIsCorrectedBeforeItIsSavedWithEnterOnTheSaveButton) {
  ASSERT_NE(Open(1), nullptr);
  auto* price = RowControl<TOrnilDecimalEdit>(4);
  w.user.Focus(*price);
  price->SelectAll();
  w.user.Type(*price, "12.");
  Save();
  EXPECT_EQ(Sent("update"),
            (std::vector<std::string>{"update \"Parcels\" Set COL5=12 where RowId=1"}));
}

TEST_F(InfoWindowTest, AnEditedExpressionRowIsSavedIntoTheExpressionSelection) {
  TViewLine note = Row("Заметка"_cp, "");
  note.Expression = "Примечание"_cp;
  Configure({Row("Номер"_cp, "Номер"_cp), note});
  TOrnilWindow* window = Open(4);
  ASSERT_NE(window, nullptr);
  const std::string selection = window->ExpressionSelection;
  ASSERT_FALSE(selection.empty());
  EXPECT_EQ(RowControl<TBorderEdit>(1)->Text(), "Сдан в аренду"_cp);
  Retype(*RowControl<ui::Control>(1), "Продан"_cp);
  Save();
  EXPECT_EQ(Sent("update"), (std::vector<std::string>{"update \"" + selection +
                                                      "\" Set COL1=\"Продан\" where RowId=1"}));
}

TEST_F(InfoWindowTest, ListRowsSaveTheirIdentifiersAndSavedTexts) {
  Configure({OwnerLookup(true), [] {
               TViewLine floors = Row("Этажность"_cp, "Этажность"_cp, true, StaticList);
               floors.Values = {{"один"_cp, "1"}, {"два"_cp, "2"}, {"много"_cp, "9"}};
               return floors;
             }()});
  ASSERT_NE(Open(1), nullptr);
  w.user.SelectItem(*RowControl<TOrnilComboBox>(0), 3);  // Сидорова, identifier 3
  w.user.SelectItem(*RowControl<TOrnilComboBox>(1), 2);
  Save();
  EXPECT_EQ(Sent("update"),
            (std::vector<std::string>{"update \"Parcels\" Set COL3=3 where RowId=1",
                                      "update \"Parcels\" Set COL4=9 where RowId=1"}));
  EXPECT_EQ(Cell("Parcels", 1, "Владелец"_cp), "3");
}

TEST_F(InfoWindowTest, OnADecimalCommaMachineNumbersAndDatesSaveInTheLibrarysForm) {
  w.locale.UseDecimalComma();
  ASSERT_NE(Open(1), nullptr);
  EXPECT_EQ(RowControl<TOrnilDecimalEdit>(4)->Text(), "1500000.5");
  EXPECT_EQ(RowControl<TOrnilFloatEdit>(5)->Text(), "612.5");
  auto* date = RowControl<TBorderDateEdit>(6);
  EXPECT_EQ(date->Date().day, 15);
  Retype(*RowControl<ui::Control>(4), "2500000.25");
  Retype(*RowControl<ui::Control>(5), "613.5");
  w.user.PickDate(*date, ui::SystemTime::Date(2020, 1, 2));
  Save();
  EXPECT_EQ(Sent("update"),
            (std::vector<std::string>{"update \"Parcels\" Set COL5=2500000.25 where RowId=1",
                                      "update \"Parcels\" Set COL6=613.5 where RowId=1",
                                      "update \"Parcels\" Set COL7=\"1/2/2020\" where RowId=1"}));
  const auto& parcels = w.host.TableNamed("Parcels");
  EXPECT_DOUBLE_EQ(parcels.Cell(1, "Стоимость"_cp).number, 2500000.25);
  EXPECT_DOUBLE_EQ(parcels.Cell(1, "Площадь"_cp).number, 613.5);
  EXPECT_EQ(Cell("Parcels", 1, "Дата_регистрации"_cp), "1/2/2020");
}

TEST_F(InfoWindowTest, TheCompanionsHandlersHearTheLibraryIsSavingExactlyWhileItUpdates) {
  ASSERT_NE(Open(1), nullptr);
  Retype(*RowControl<ui::Control>(1), "X"_cp);
  w.libraryAnswers.clear();
  Save();
  ASSERT_EQ(Sent("update").size(), 1u);
  const auto& heard = w.libraryAnswers;
  EXPECT_NE(std::find(heard.begin(), heard.end(), "IsSavingStarted=1"), heard.end())
      << "the update changed the map the companion watches";
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "IsFindingStarted=1"), 0);
  EXPECT_EQ(::IsSavingStarted(), 0);
  // Afterwards the user's own changes are the user's.
  w.libraryAnswers.clear();
  w.host.UserSelect("Parcels", {2});
  EXPECT_NE(std::find(heard.begin(), heard.end(), "IsSavingStarted=0"), heard.end());
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "IsSavingStarted=1"), 0);
}

TEST_F(InfoWindowTest, TheCompanionsHandlersHearTheLibraryIsFindingWhileItFinds) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(w.Link().ExecuteMapBasic("Select * From Parcels Where RowId=3"));
  w.libraryAnswers.clear();
  w.ClearTranscript();
  window->FindValueInBrowse();
  const auto& heard = w.libraryAnswers;
  EXPECT_NE(std::find(heard.begin(), heard.end(), "IsFindingStarted=1"), heard.end());
  EXPECT_EQ(::IsFindingStarted(), 0);
  const std::string id = std::to_string(map);
  EXPECT_EQ(Sent("Set Map Window").back(), "Set Map Window " + id + " Redraw On")
      << "the user's map draws again";
  EXPECT_TRUE(w.host.Workspace().FindWindow(map)->redraw);
}

TEST_F(InfoWindowTest, FindingLeavesTheUsersMapDrawingAlsoWhenTheCommandFails) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  w.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.text.starts_with("Run Menu Command")) return 0x4005;  // DMLERR_EXECACKTIMEOUT
    return std::nullopt;
  });
  EXPECT_THROW(window->FindValueInBrowse(), OrnilError);
  EXPECT_FALSE(window->FindingStarted);
  EXPECT_TRUE(w.host.Workspace().FindWindow(map)->redraw);
}

TEST_F(InfoWindowTest, FindingIsOffWithTheOption) {
  WriteOptions("find value = 0\r\n");
  ASSERT_EQ(::SetOptionsFile("C:\\MapInfo\\Ornil\\Options.INI"), 1);
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  w.ClearTranscript();
  window->FindValueInBrowse();
  EXPECT_TRUE(w.Transcript().empty());
}

TEST_F(InfoWindowTest, AFailingUpdateNamesItsFieldAndKeepsItAndTheRowsAfterItUnsaved) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  Retype(*RowControl<ui::Control>(1), "Н-1"_cp);
  Retype(*RowControl<ui::Control>(3), "4");
  Retype(*RowControl<ui::Control>(8), "Новое"_cp);
  w.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.text.find("Set COL4=") != std::string::npos) return 0x4009;  // DMLERR_NOTPROCESSED
    return std::nullopt;
  });
  Save();
  w.dde.ClearFaults();
  ASSERT_EQ(AliveOrnilWindow(), window) << "the window stays open";
  ExpectOneMessageStartingWith(
      "Ошибка во время сохранения значений. Произошла ошибка во "
      "время попытки сохранить в поле 'Этажность' значение 4 . ");
  EXPECT_EQ(Cell("Parcels", 1, "Номер"_cp), "Н-1");
  EXPECT_EQ(Cell("Parcels", 1, "Этажность"_cp), "2");
  EXPECT_EQ(Cell("Parcels", 1, "Примечание"_cp), "Угловой участок");
  EXPECT_EQ(window->Fields[1].Control(), nullptr) << "the saved row is no longer shown";
  EXPECT_NE(window->Fields[3].Control(), nullptr);
  EXPECT_FALSE(window->SavingStarted);

  // A second save leaves the saved row alone and saves the rest.
  Save();
  EXPECT_EQ(Sent("update"),
            (std::vector<std::string>{"update \"Parcels\" Set COL4=4 where RowId=1",
                                      "update \"Parcels\" Set COL9=\"Новое\" where RowId=1"}));
  EXPECT_EQ(AliveOrnilWindow(), nullptr);
}

TEST_F(InfoWindowTest, AnUpdateTheHostRefusesIsReportedOnceAndKeepsTheWindow) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  Retype(*RowControl<ui::Control>(1), "Н-1"_cp);
  w.host.TableNamed("Parcels").SetReadOnly(true);
  Save();
  ASSERT_EQ(AliveOrnilWindow(), window);
  // The library's message only: the companion keeps quiet.
  ExpectOneMessageStartingWith(
      "Ошибка во время сохранения значений. Произошла ошибка во время попытки сохранить в поле "
      "'Номер' значение \"Н-1\" . ");
}

TEST(InfoWindowPlacement, OpensBesideThePointWithinTheWorkArea) {
  // Near the top-left corner: below-right.
  EXPECT_EQ(PlaceBesidePoint(20, 30, 400, 300, 1280, 994), ui::Rect::Bounds(30, 40, 400, 300));
  // Near the bottom-right corner: above-left.
  EXPECT_EQ(PlaceBesidePoint(1200, 900, 400, 300, 1280, 994), ui::Rect::Bounds(790, 590, 400, 300));
  // Room only to the right above: above-right.
  EXPECT_EQ(PlaceBesidePoint(100, 900, 400, 300, 1280, 994), ui::Rect::Bounds(110, 590, 400, 300));
  // No corner fits: by the quarter, then moved inside.
  EXPECT_EQ(PlaceBesidePoint(300, 200, 700, 300, 1000, 994), ui::Rect::Bounds(300, 210, 700, 300));
  // Larger than the work area: at 0,0 and shrunk to it.
  EXPECT_EQ(PlaceBesidePoint(500, 400, 1400, 1100, 1280, 994), ui::Rect::Bounds(0, 0, 1280, 994));
}

TEST_F(InfoWindowTest, TheWindowOpensBesideThePickedPoint) {
  TOrnilWindow* window = Open(1, {1200, 900});
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Left(), 1200 - window->Width() - 10);
  EXPECT_EQ(window->Top(), 900 - window->Height() - 10);
  window = Open(2, {5, 5});
  EXPECT_EQ(window->Left(), 15);
  EXPECT_EQ(window->Top(), 15);
}

TEST_F(InfoWindowTest, FieldsCountShowsThatManyRowsAndScrollsToTheRest) {
  WriteOptions("fields count = 3\r\n");
  ASSERT_EQ(::SetOptionsFile("C:\\MapInfo\\Ornil\\Options.INI"), 1);
  TViewLines ten;
  for (int i = 0; i < 10; ++i)
    ten.push_back(Row("Номер"_cp, "Номер"_cp));
  Configure(ten);
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->Fields.size(), 10u);
  const int row = RowControl<ui::Control>(0)->Height();
  const int chrome = window->Height() - window->ScrollBox->Height();
  EXPECT_EQ(window->ScrollBox->Height(), 3 * row + 2 * 2);
  EXPECT_EQ(window->GetConstraints().maxHeight, chrome + 3 * row + 2 * 2);
  EXPECT_EQ(window->GetConstraints().minHeight, chrome + 2 * row + 2);
  EXPECT_EQ(window->ScrollBox->VertIncrement(), window->RowHeight + 2);

  // Dragging the bottom edge stops at three rows, dragging the top edge at two.
  const ui::Rect at = window->BoundsRect();
  ui::Rect taller = at;
  taller.bottom += 200;
  EXPECT_EQ(w.user.DragBorder(*window, 6, taller).Height(), window->GetConstraints().maxHeight);
  ui::Rect shorter = window->BoundsRect();
  shorter.top += 100;
  const ui::Rect dragged = w.user.DragBorder(*window, 3, shorter);
  EXPECT_EQ(dragged.Height(), window->GetConstraints().minHeight);
  EXPECT_EQ(dragged.bottom, at.bottom) << "the top edge moved";

  // Tab to a row below the visible part scrolls it into view.
  auto* fourth = RowControl<ui::Control>(3);
  RowControl<ui::Control>(2)->SetFocus();
  w.user.PressKey(*RowControl<ui::Control>(2), 0x09);
  EXPECT_TRUE(fourth->Focused());
  EXPECT_GT(window->ScrollBox->VertPosition(), 0);
  EXPECT_LE(fourth->Top() + fourth->Height(), window->ScrollBox->ClientHeight());
}

TEST_F(InfoWindowTest, TheWindowFollowsTheHostMainWindowsEnabledState) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  const auto main = w.host.Workspace().mainWindow;
  w.desktop.EnableWindow(main, false);
  w.user.Paint(*window);
  EXPECT_FALSE(window->Enabled());
  w.desktop.EnableWindow(main, true);
  w.user.Paint(*window);
  EXPECT_TRUE(window->Enabled());
}

TEST_F(InfoWindowTest, OpeningSendsTheStatementsAndQuestionsInOrder) {
  Configure({Row("Номер"_cp, "Номер"_cp)});
  w.ClearTranscript();
  Open(2);
  std::vector<std::string> sent;
  for (const auto& line : w.Transcript()) {
    // The settings' own reading is the metadata reader's.
    if (line.find("GetMetadata$") == std::string::npos && !line.starts_with("R: ColumnInfo(\"Parc"))
      sent.push_back(text::ToUtf8(line));
  }
  EXPECT_EQ(sent, (std::vector<std::string>{
                      "E: Dim ~CurrentRowId~ as Integer Dim ~CurrentTableName~ as String",
                      "E: Set Next Document Style 3",
                      "R: NumWindows()",
                      "E: Map from \"Parcels\" position (-100,-100) width 1 height 1",
                      "R: NumWindows()",
                      "R: WindowId(NumWindows())",
                      "R: WindowInfo(1002,12)",
                      "E: Set Map Window 1002 Redraw Off",
                      "E: Set Window 1002 title \"1\"",
                      "R: format$(Columninfo(\"Parcels\",\"COL2\",7),\"0\")",
                      "E: fetch rec 2 from \"Parcels\"",
                      "R: Parcels.COL2",
                      "R: ColumnInfo(Parcels,\"COL2\",4)",
                      "E: ~CurrentRowId~=2",
                      "E: ~CurrentTableName~=\"Parcels\"",
                  }));
}

TEST_F(InfoWindowTest, ClosingByTheUserEndsEveryQuery) {
  TOrnilWindow* window = Open(1);
  ASSERT_NE(window, nullptr);
  const int helper = window->AdditionalWindowId;
  EXPECT_NE(::GetCurrentAdditionalWindow(), 0);
  w.user.Click(*window->ButtonClose);
  w.user.ProcessMessages();
  EXPECT_EQ(::IsOrnilWindowOpened(), 0);
  EXPECT_EQ(::IsSavingStarted(), 0);
  EXPECT_EQ(::IsFindingStarted(), 0);
  EXPECT_EQ(::GetCurrentAdditionalWindow(), 0);
  EXPECT_EQ(w.host.Workspace().FindWindow(helper), nullptr) << "the helper map is closed";
  EXPECT_TRUE(Sent("update").empty());
}

}  // namespace
}  // namespace ornil::testing
