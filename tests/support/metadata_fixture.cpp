// The metadata tests' fixture and configurations.
#include "support/metadata_fixture.h"

#include "sim/data/sample_tables.h"
#include "text/cp1251.h"

namespace ornil::testing {

TViewLine DividerRow(const char* caption, bool viewed, std::uint8_t justify) {
  TViewLine d;
  d.FieldType = FieldKind::Divider;
  d.Caption = caption;
  d.CaptionViewed = viewed;
  d.CaptionJustify = justify;
  return d;
}

TViewLine ColumnRow(const char* caption, const char* column, bool enabled, FieldKind kind) {
  TViewLine d;
  d.FieldType = kind;
  d.Caption = caption;
  d.Column = column;
  d.Enabled = enabled;
  return d;
}

TViewLine ExpressionRow(const char* caption, const char* expression) {
  TViewLine d = ColumnRow(caption, "", false);
  d.Expression = expression;
  return d;
}

TViewLines EveryKind() {
  TViewLines lines;
  lines.push_back(DividerRow("Участок"_cp, true, 2));
  lines.push_back(DividerRow("", false));
  lines.push_back(ColumnRow("Номер"_cp, "Номер"_cp, true));
  TViewLine date = ColumnRow("Дата"_cp, "Дата_регистрации"_cp, true);
  date.ColumnType = ColumnTypes::Date;
  date.CustomDateFormat = "dd MMMM yyyy";
  lines.push_back(date);
  date.CustomDateFormat.clear();
  date.DateFormat = 1;
  date.Enabled = false;
  lines.push_back(date);
  TViewLine owner = ColumnRow("Владелец"_cp, "Владелец"_cp, true, TableLookup);
  owner.ValuesTable = sim::data::kOwners;
  owner.IdentifierExpression = "Id";
  owner.ValueExpression = "ФИО"_cp;
  owner.ViewedExpression = "ФИО+\" (\"+Телефон+\")\""_cp;
  owner.AdditionalCondition = "Id > 1";
  owner.FullValuesList = true;
  lines.push_back(owner);
  TViewLine floors = ColumnRow("Этажность"_cp, "Этажность"_cp, true, StaticList);
  floors.Values = {{"один"_cp, "1"}, {"два"_cp, "2"}, {"много"_cp, "9"}};
  lines.push_back(floors);
  lines.push_back(ExpressionRow("Двойная площадь"_cp, "Площадь*2"_cp));
  return lines;
}

bool MetadataTest::Save(const std::vector<const TViewLine*>& fields, std::string_view table) {
  return ToSaveParametersOfAttributes(link, table, fields);
}

bool MetadataTest::Save(const TViewLines& lines, std::string_view table) {
  std::vector<const TViewLine*> fields;
  for (const auto& line : lines)
    fields.push_back(&line);
  return Save(fields, table);
}

TViewLines MetadataTest::Read(bool diagnostics, int rowId, std::string_view table) {
  TViewLines lines;
  selection.clear();
  ToTakeParametersOfAttributes(link, table, rowId, lines, selection, diagnostics);
  return lines;
}

std::map<std::string, std::string> MetadataTest::Stored(const char* table) {
  std::map<std::string, std::string> out;
  for (const auto& [key, value] : w.host.TableNamed(table).Meta().Entries()) {
    out[text::ToUtf8(key)] = value;
  }
  return out;
}

std::set<std::string> MetadataTest::OpenTables() {
  const auto names = w.host.Workspace().TableNames();
  return {names.begin(), names.end()};
}

std::vector<std::string> MetadataTest::Messages() {
  std::vector<std::string> out;
  for (const auto& m : w.host.Messages())
    out.push_back(text::ToUtf8(m));
  return out;
}

std::vector<std::string> MetadataTest::Sent() {
  std::vector<std::string> out;
  for (const auto& line : w.Transcript())
    out.push_back(text::ToUtf8(line));
  return out;
}

}  // namespace ornil::testing
