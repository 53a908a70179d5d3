// TMapInfo, the link every window embeds: statements through the companion, expressions from
// MapInfo, and the small questions built on them (is a table open, is a condition valid, ...).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "host/dde_connection.h"
#include "host/temporary_table.h"

namespace ornil {

// The last name SelCustomTemp handed out, kept from one call to the next.
std::string& KeptTempName();

class TMapInfo : public TMapInfoAbstract {
 public:
  TMapInfo() = default;

  void SetConversations(HConv mapInfoConv, HConv applicationConv, std::uint32_t instance);
  HConv MapInfoConv() const { return mapInfoConv_; }
  HConv ApplicationConv() const { return applicationConv_; }

  bool ExecuteMapBasic(std::string_view statement) const;
  int RequestInt(std::string_view expression) const;
  std::string RequestText(std::string_view expression) const;

  int NumTables() const;
  int NumWindows() const;
  bool OpenedTab(std::string_view table) const;
  bool PresenceOfTheColumn(std::string_view table, std::string_view column) const;
  std::string SelCustomTemp(std::string_view base) const;
  bool CorrectConditionForTheTable(std::string_view table, std::string_view condition) const;
  bool CorrectExpressionForTheTable(std::string_view table, std::string_view expression) const;
  int TypeDataExpressionForTheTable(std::string_view table, std::string_view expression) const;
  bool IsDataExpressionEditable(std::string_view table, std::string_view expression) const;
  bool CloseTable2(std::string_view table) const;

  std::string MbStr(std::string_view expression) const;
  std::string MbFormat(std::string_view expression) const;
  std::string MbDeformatNumber(std::string_view expression) const;

 private:
  // Runs the Select that `select` makes for a fresh temporary name, with errors not shown, unless
  // the tested text is blank; closes the table again when the host accepted it.
  bool AcceptsProbe(bool blank, const std::function<std::string(const std::string&)>& select) const;
  // Selects `expression` from no row of `table` into a fresh temporary table (the caller has
  // turned PrintErrors off); the table is open only when the host accepted the expression.
  TemporaryTable SelectExpressionIntoTemp(std::string_view table,
                                          std::string_view expression) const;

  HConv mapInfoConv_ = 0;
  HConv applicationConv_ = 0;
};

// Concatenates the pieces of a statement or expression, in order.
template <class... Pieces>
std::string Cat(const Pieces&... pieces) {
  std::string s;
  ((s += pieces), ...);
  return s;
}

}  // namespace ornil
