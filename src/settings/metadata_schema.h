// Where a table's rows live in its metadata: the key names under "\Ornil" and the three forms of
// statement that write them.
#pragma once

#include <string>
#include <string_view>

#include "text/cp1251.h"

namespace ornil::metadata {

inline constexpr std::string_view Root = "\\Ornil";
// The marker stored instead of the values table's name when a lookup reads the table itself.
inline constexpr std::string_view ThisTable = "#ThisTable";

// Each stored row and pair costs the host's thread a few DDE requests, so a damaged count must not
// send millions of them. A table's window has at most MaxRows rows and a constant list at most
// MaxListValues pairs: the writer refuses a longer list before it sends anything (the stored
// configuration stays as it was), and the reader reads no further than these, printing a line in
// the host's message window when diagnostics are on. The window of a table without settings, one
// row per column, stops at MaxRows as well.
inline constexpr int MaxRows = 1000;
inline constexpr int MaxListValues = 1000;

namespace keys {
inline const std::string Type = "\\тип"_cp;
inline const std::string Caption = "\\заголовок"_cp;
inline const std::string CaptionViewed = "\\отображение_заголовка"_cp;
inline const std::string CaptionJustify = "\\выравнивание_заголовка"_cp;
inline const std::string Enabled = "\\изменяемый"_cp;
inline const std::string Column = "\\колонка"_cp;
inline const std::string Expression = "\\выражение"_cp;
inline const std::string CustomDateFormat = "\\свой_формат_даты"_cp;
inline const std::string DateFormat = "\\формат_даты"_cp;
inline const std::string IdentifierExpression = "\\идентификатор\\выражение"_cp;
inline const std::string ValueExpression = "\\значение\\выражение"_cp;
inline const std::string ViewedExpression = "\\отображаемое_значение\\выражение"_cp;
inline const std::string AdditionalCondition = "\\дополнительное_условие"_cp;
inline const std::string FullValuesList = "\\показать_все_значения_в_списке"_cp;
inline const std::string ValuesTable = "\\таблица"_cp;
inline const std::string Values = "\\значения"_cp;
inline const std::string Viewed = "\\видимое"_cp;
inline const std::string Saved = "\\сохраняемое"_cp;
}  // namespace keys

// "\Ornil\<n>": the keys of row n (from 1).
std::string RowKey(int n);
// "\значения\<k>" + name: the keys of pair k (from 1) of a constant list.
std::string PairKey(int k, std::string_view name);

// Value between double quotes in a statement: every double quote doubled.
std::string Quoted(std::string_view value);

std::string DropStatement(std::string_view table);
// Format$ as MapBasic's own statements write it; the counts use the lower-case spelling.
enum class FormatSpelling { Upper, Lower };
std::string NumberSetting(std::string_view table, std::string_view key, long number,
                          FormatSpelling spelling = FormatSpelling::Upper);
std::string TextSetting(std::string_view table, std::string_view key, std::string_view value);

// GetMetadata$ of a whole key (the root, or a row's key followed by a setting's name).
std::string GetKeyExpression(std::string_view table, std::string_view key);

// A diagnostics line for the host's message window.
std::string PrintStatement(std::string_view message);

}  // namespace ornil::metadata
