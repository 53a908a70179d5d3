// The exact traffic of saving and reading the configuration that has a row of every kind: each
// statement and expression, in order.
#include <gtest/gtest.h>

#include "support/metadata_fixture.h"

namespace ornil {
namespace {

using Lines = std::vector<std::string>;

std::string SetKey(const std::string& key, const std::string& to) {
  return "E: Metadata Table \"Parcels\" SetKey \"\\Ornil" + key + "\" To " + to;
}
std::string Text(const std::string& key, const std::string& value) {
  return SetKey(key, "\"" + value + "\"");
}
std::string Number(const std::string& key, const std::string& number) {
  return SetKey(key, "Format$(" + number + ",\"0\")");
}
std::string Get(const std::string& key) {
  return "R: GetMetadata$(\"Parcels\",\"\\Ornil" + key + "\")";
}
std::string ColumnInfo(const std::string& column, int code) {
  return "R: ColumnInfo(\"Parcels\",\"" + column + "\"," + std::to_string(code) + ")";
}
// A fresh temporary name: the base is free, so the open-test ends with an empty statement.
Lines FreeName(const std::string& base) {
  return {"R: PathToTableName$(" + base + ")", "R: TableInfo(\"" + base + "\",2)", "E: "};
}
Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

using Transcript = testing::MetadataTest;

TEST_F(Transcript, SavingEveryKindWritesTheRowsInOrderAndTheCountLast) {
  w.ClearTranscript();
  ASSERT_TRUE(Save(testing::EveryKind(), "  Parcels "));
  const Lines expected =
      Lines{"E: Metadata Table \"Parcels\" DropKey \"\\Ornil\" Hierarchical",
            Text("\\1\\заголовок", "Участок"),
            Number("\\1\\тип", "-1"),
            Number("\\1\\отображение_заголовка", "1"),
            Text("\\1\\выравнивание_заголовка", "2"),
            Text("\\2\\заголовок", ""),
            Number("\\2\\тип", "-1"),
            Number("\\2\\отображение_заголовка", "0"),
            Text("\\3\\заголовок", "Номер"),
            Number("\\3\\тип", "0"),
            Number("\\3\\изменяемый", "1"),
            Text("\\3\\колонка", "Номер"),
            Text("\\4\\заголовок", "Дата"),
            Number("\\4\\тип", "0"),
            Number("\\4\\изменяемый", "1"),
            Text("\\4\\колонка", "Дата_регистрации"),
            Text("\\4\\свой_формат_даты", "dd MMMM yyyy"),
            Text("\\5\\заголовок", "Дата"),
            Number("\\5\\тип", "0"),
            Number("\\5\\изменяемый", "0"),
            Text("\\5\\колонка", "Дата_регистрации"),
            Text("\\5\\формат_даты", "1"),
            Text("\\6\\заголовок", "Владелец"),
            Number("\\6\\тип", "1"),
            Number("\\6\\изменяемый", "1"),
            Text("\\6\\колонка", "Владелец"),
            Text("\\6\\идентификатор\\выражение", "Id"),
            Text("\\6\\значение\\выражение", "ФИО"),
            Text("\\6\\отображаемое_значение\\выражение", "ФИО+\"\" (\"\"+Телефон+\"\")\"\"")} +
      FreeName("SelExpression") +
      Lines{"E: Select * from Владельцы where Id > 1 into SelExpression noselect",
            "E: Close Table \"SelExpression\"",
            Text("\\6\\дополнительное_условие", "Id > 1"),
            Number("\\6\\показать_все_значения_в_списке", "1"),
            Text("\\6\\таблица", "Владельцы"),
            Text("\\7\\заголовок", "Этажность"),
            Number("\\7\\тип", "2"),
            Number("\\7\\изменяемый", "1"),
            Text("\\7\\колонка", "Этажность"),
            SetKey("\\7\\значения", "format$(3,\"0\")"),
            Text("\\7\\значения\\1\\видимое", "один"),
            Text("\\7\\значения\\1\\сохраняемое", "1"),
            Text("\\7\\значения\\2\\видимое", "два"),
            Text("\\7\\значения\\2\\сохраняемое", "2"),
            Text("\\7\\значения\\3\\видимое", "много"),
            Text("\\7\\значения\\3\\сохраняемое", "9"),
            Text("\\8\\заголовок", "Двойная площадь"),
            Number("\\8\\тип", "0"),
            Number("\\8\\изменяемый", "0"),
            Text("\\8\\выражение", "Площадь*2"),
            SetKey("", "format$(8,\"0\")")};
  EXPECT_EQ(Sent(), expected);
}

TEST_F(Transcript, ReadingEveryKindAsksForEachSettingAndSelectsTheExpressionValues) {
  ASSERT_TRUE(Save(testing::EveryKind()));
  w.ClearTranscript();
  ASSERT_EQ(Read(false, 2, " Parcels  ").size(), 8u);
  // What every row of a column asks before its kind's own settings.
  const auto column = [](const std::string& n, const std::string& name) {
    return Lines{Get(n + "\\тип"),
                 Get(n + "\\заголовок"),
                 Get(n + "\\изменяемый"),
                 Get(n + "\\колонка"),
                 ColumnInfo(name, 2),
                 ColumnInfo(name, 3),
                 Get(n + "\\свой_формат_даты")};
  };
  const Lines expected =
      Lines{Get(""),
            Get("\\1\\тип"),
            Get("\\1\\заголовок"),
            Get("\\1\\отображение_заголовка"),
            Get("\\1\\выравнивание_заголовка"),
            Get("\\2\\тип"),
            Get("\\2\\заголовок"),
            Get("\\2\\отображение_заголовка")} +
      column("\\3", "Номер") + Lines{Get("\\3\\формат_даты")} +
      column("\\4", "Дата_регистрации") +  // its own date format: no date form asked
      column("\\5", "Дата_регистрации") + Lines{Get("\\5\\формат_даты")} +
      column("\\6", "Владелец") +
      Lines{Get("\\6\\формат_даты"),
            Get("\\6\\таблица"),
            Get("\\6\\идентификатор\\выражение"),
            Get("\\6\\значение\\выражение"),
            Get("\\6\\отображаемое_значение\\выражение"),
            Get("\\6\\дополнительное_условие"),
            Get("\\6\\показать_все_значения_в_списке")} +
      column("\\7", "Этажность") +
      Lines{Get("\\7\\формат_даты"),
            Get("\\7\\значения"),
            Get("\\7\\значения\\1\\видимое"),
            Get("\\7\\значения\\1\\сохраняемое"),
            Get("\\7\\значения\\2\\видимое"),
            Get("\\7\\значения\\2\\сохраняемое"),
            Get("\\7\\значения\\3\\видимое"),
            Get("\\7\\значения\\3\\сохраняемое"),
            Get("\\8\\тип"),
            Get("\\8\\заголовок"),
            Get("\\8\\изменяемый"),
            Get("\\8\\колонка"),
            Get("\\8\\выражение"),
            Get("\\8\\свой_формат_даты"),
            Get("\\8\\формат_даты")} +
      FreeName("SelValues") +
      Lines{"E: Select Площадь*2 from \"Parcels\" where RowId=2 into \"SelValues\" noselect",
            "R: TableInfo(SelValues,8)", "R: ColumnInfo(\"SelValues\",\"COL1\",3)"};
  EXPECT_EQ(Sent(), expected);
  EXPECT_EQ(selection, "SelValues");
}

}  // namespace
}  // namespace ornil
