// The MapBasic helper operations of TMapInfo.
#include "host/mapbasic_link.h"

#include "host/error_reporting.h"
#include "host/errors.h"
#include "host/temporary_table.h"
#include "text/cp1251.h"

namespace ornil {

namespace {

bool IsBlank(std::string_view s) {
  return text::Trim(s).empty();
}

// Far more temporary tables of one base name than a session ever has open.
constexpr int kMostTempNameCandidates = 1000;

}  // namespace

std::string& KeptTempName() {
  static std::string name;
  return name;
}

void TMapInfo::SetConversations(HConv mapInfoConv, HConv applicationConv, std::uint32_t instance) {
  mapInfoConv_ = mapInfoConv;
  applicationConv_ = applicationConv;
  instance_ = instance;
}

bool TMapInfo::ExecuteMapBasic(std::string_view statement) const {
  // Only the companion's report on this very statement counts; a refused Execute brings none.
  Reporting().LastExecuteOk = false;
  DdeExecute(applicationConv_, statement);
  return Reporting().LastExecuteOk;
}

int TMapInfo::RequestInt(std::string_view expression) const {
  return text::StrToIntDef(RequestText(expression), 0);
}

std::string TMapInfo::RequestText(std::string_view expression) const {
  return DdeRequest(mapInfoConv_, expression);
}

int TMapInfo::NumTables() const {
  return RequestInt("NumTables()");
}
int TMapInfo::NumWindows() const {
  return RequestInt("NumWindows()");
}

bool TMapInfo::OpenedTab(std::string_view table) const {
  return WithPrefix(FunctionPrefix("OpenedTab"), [&] {
    if (text::TrimLeft(table).empty()) return false;
    PrintErrorsOff quiet;
    if (RequestInt(Cat("TableInfo(\"", table, "\",", "2", ")")) > 0) return true;
    ExecuteMapBasic("");
    return false;
  });
}

bool TMapInfo::PresenceOfTheColumn(std::string_view table, std::string_view column) const {
  return WithPrefix("Ошибка в функции  PresenceOfTheColumn. "_cp, [&] {
    PrintErrorsOff quiet;
    if (RequestInt(Cat("ColumnInfo(\"", table, "\",\"", column, "\",", "2", ")")) > 0) return true;
    ExecuteMapBasic("");
    return false;
  });
}

std::string TMapInfo::SelCustomTemp(std::string_view base) const {
  return WithPrefix(FunctionPrefix("SelCustomTemp"), [&] {
    std::string name = RequestText(Cat("PathToTableName$(", base, ")"));
    if (name.empty()) return KeptTempName();
    std::string& candidate = KeptTempName();
    candidate = name;
    int counter = 0;
    int tried = 0;
    while (OpenedTab(candidate)) {
      // A host that calls every name open would otherwise keep this loop going for good.
      if (++tried > kMostTempNameCandidates) {
        throw OrnilError(Cat("Не найдено свободное имя для временной таблицы \""_cp, base, "\"."));
      }
      ++counter;
      candidate = name + std::to_string(counter);
      // A candidate the host would cut to its name limit could collide with an open table:
      // shorten the stem and count again. An empty stem is "not open" and ends the loop.
      if (RequestText(Cat("PathToTableName$(", candidate, ")")).size() < candidate.size()) {
        name.pop_back();
        counter = 0;
        candidate = name;
      }
    }
    return candidate;
  });
}

bool TMapInfo::CorrectConditionForTheTable(std::string_view table,
                                           std::string_view condition) const {
  return WithPrefix(FunctionPrefix("CorrectConditionForTheTable"), [&] {
    return AcceptsProbe(IsBlank(condition), [&](const std::string& temp) {
      return Cat("Select * from ", table, " where ", condition, " into ", temp, " noselect");
    });
  });
}

bool TMapInfo::CorrectExpressionForTheTable(std::string_view table,
                                            std::string_view expression) const {
  return WithPrefix(FunctionPrefix("CorrectExpressionForTheTable"), [&] {
    return AcceptsProbe(IsBlank(expression), [&](const std::string& temp) {
      return Cat("Select ", expression, " from ", table, " where RowId=0 into ", temp, " noselect");
    });
  });
}

bool TMapInfo::AcceptsProbe(bool blank,
                            const std::function<std::string(const std::string&)>& select) const {
  const std::string temp = SelCustomTemp("SelExpression");
  bool accepted = false;
  {
    PrintErrorsOff quiet;
    if (!blank) accepted = ExecuteMapBasic(select(temp));
  }
  if (accepted) CloseTable2(temp);
  return accepted;
}

TemporaryTable TMapInfo::SelectExpressionIntoTemp(std::string_view table,
                                                  std::string_view expression) const {
  std::string temp = SelCustomTemp("SelExpression");
  const bool ok = ExecuteMapBasic(
      Cat("Select ", expression, " from ", table, " where RowId=0 into ", temp, " noselect"));
  return ok ? TemporaryTable(*this, std::move(temp)) : TemporaryTable();
}

int TMapInfo::TypeDataExpressionForTheTable(std::string_view table,
                                            std::string_view expression) const {
  return WithPrefix(FunctionPrefix("TypeDataExpressionForTheTable"), [&] {
    PrintErrorsOff quiet;
    TemporaryTable temp = SelectExpressionIntoTemp(table, expression);
    if (!temp.IsOpen()) return 0;
    const int type = RequestInt(Cat("ColumnInfo(\"", temp.Name(), "\",\"COL1\",", "3", ")"));
    temp.Close();
    return type;
  });
}

bool TMapInfo::IsDataExpressionEditable(std::string_view table, std::string_view expression) const {
  return WithPrefix("Ошибка в функции IsDataExpressionEditable "_cp, [&] {
    PrintErrorsOff quiet;
    TemporaryTable temp = SelectExpressionIntoTemp(table, expression);
    if (!temp.IsOpen()) return false;
    const int editable =
        RequestInt(Cat("Format$(ColumnInfo(\"", temp.Name(), "\",\"COL1\",", "7", "),\"0\")"));
    temp.Close();
    return editable != 0;
  });
}

bool TMapInfo::CloseTable2(std::string_view table) const {
  return WithPrefix(FunctionPrefix("CloseTable2"), [&] {
    PrintErrorsOff quiet;
    return ExecuteMapBasic(Cat("Close Table \"", table, "\""));
  });
}

std::string TMapInfo::MbStr(std::string_view e) const {
  return RequestText(Cat("Str$(", e, ")"));
}

std::string TMapInfo::MbFormat(std::string_view e) const {
  return RequestText(Cat("Format$(", e, ",\"\")"));
}

std::string TMapInfo::MbDeformatNumber(std::string_view e) const {
  return RequestText(Cat("DeformatNumber$(FormatNumber$(", e, "))"));
}

}  // namespace ornil
