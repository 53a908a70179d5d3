// The sample tables' columns and rows.
#include "sim/data/sample_tables.h"

namespace ornil::sim::data {

using mb::Column;

namespace {

Column Col(const char* name, int type, int width = 0, int decimals = 0) {
  return Column{name, type, width, decimals, true, -1};
}

}  // namespace

mb::Table& AddParcels(MapInfoHost& host) {
  mb::Table& t = host.AddTable({kParcels,
                                {
                                    Col("Id", mb::kInteger),
                                    Col("Номер"_cp, mb::kChar, 20),
                                    Col("Владелец"_cp, mb::kInteger),
                                    Col("Этажность"_cp, mb::kSmallInt),
                                    Col("Стоимость"_cp, mb::kDecimal, 12, 2),
                                    Col("Площадь"_cp, mb::kFloat),
                                    Col("Дата_регистрации"_cp, mb::kDate),
                                    Col("Жилой"_cp, mb::kLogical),
                                    Col("Примечание"_cp, mb::kChar, 60),
                                },
                                /*mappable=*/true,
                                /*readOnly=*/false});
  t.AddRowTexts(
      {"1", "А-101"_cp, "1", "2", "1500000.5", "612.5", "15.03.2019", "T", "Угловой участок"_cp});
  t.AddRowTexts({"2", "А-102"_cp, "2", "1", "820000", "430.25", "01.09.2020", "T",
                 "Арендатор ООО \"Ромашка\""_cp});
  t.AddRowTexts({"3", "Б-7"_cp, "3", "5", "12500000.75", "1840", "", "F", ""});
  t.AddRowTexts(
      {"4", "Б-8"_cp, "1", "3", "2300000", "95.125", "28.02.2021", "T", "Сдан в аренду"_cp});
  t.AddRowTexts({"5", "В-1"_cp, "5", "0", "0", "0.5", "31.12.1999", "F", "Пустырь"_cp});
  for (int id = 1; id <= 5; ++id)
    t.objects[id] = {10.0 * id, 0, 10.0 * id + 8, 8};
  return t;
}

mb::Table& AddOwners(MapInfoHost& host) {
  mb::Table& t = host.AddTable({kOwners,
                                {
                                    Col("Id", mb::kInteger),
                                    Col("ФИО"_cp, mb::kChar, 60),
                                    Col("Телефон"_cp, mb::kChar, 20),
                                },
                                /*mappable=*/false,
                                /*readOnly=*/false});
  t.AddRowTexts({"1", "Иванов Иван Иванович"_cp, "+7 495 123-45-67"});
  t.AddRowTexts({"2", "Петров Пётр Петрович"_cp, ""});
  t.AddRowTexts({"3", "Сидорова Анна Сергеевна"_cp, "8 (812) 555-01-02"});
  t.AddRowTexts({"5", "ООО \"Ромашка\""_cp, ""});
  return t;
}

mb::Table& AddDistricts(MapInfoHost& host) {
  mb::Table& t = host.AddTable({kDistricts,
                                {
                                    Col("Код"_cp, mb::kSmallInt),
                                    Col("Название"_cp, mb::kChar, 40),
                                    Col("Население"_cp, mb::kInteger),
                                },
                                /*mappable=*/true,
                                /*readOnly=*/true});
  t.AddRowTexts({"1", "Центральный"_cp, "120000"});
  t.AddRowTexts({"2", "Северный"_cp, "85000"});
  t.AddRowTexts({"3", "Заречный"_cp, "40500"});
  for (int id = 1; id <= 3; ++id)
    t.objects[id] = {20.0 * id - 20, -10, 20.0 * id, 20};
  return t;
}

void AddSampleTables(MapInfoHost& host) {
  AddParcels(host);
  AddOwners(host);
  AddDistricts(host);
}

mb::Table& AddLargeTable(MapInfoHost& host, const std::string& name, int rows) {
  mb::Table& t = host.AddTable({name,
                                {
                                    Col("Id", mb::kInteger),
                                    Col("Name", mb::kChar, 30),
                                    Col("Amount", mb::kFloat),
                                    Col("Day", mb::kDate),
                                    Col("Flag", mb::kLogical),
                                    Col("Code", mb::kSmallInt),
                                },
                                /*mappable=*/true,
                                /*readOnly=*/false});
  const long firstDay = mb::DateToDays(20000101);
  for (int id = 1; id <= rows; ++id) {
    t.AddRow({mb::Value::Integer(id), mb::Value::Text("Name " + std::to_string(id)),
              mb::Value::Float(id % 1000 + 0.5), mb::Value::Date(mb::DaysToDate(firstDay + id)),
              mb::Value::Logical(id % 3 == 0), mb::Value::SmallInt(id % 100)});
  }
  return t;
}

}  // namespace ornil::sim::data
