// The functions: information about tables, columns, windows, the selection and the system, text
// conversions, and a few text, number and date helpers for users' expressions.
#include "sim/mapinfo/functions.h"

#include <algorithm>
#include <cmath>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/number_format.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

namespace {

using Args = std::vector<Value>;
using Nodes = std::vector<NodePtr>;

int IntOf(const Value& v) {
  return static_cast<int>(std::lround(NumberOf(v)));
}

std::string TextOf(const Value& v) {
  return ToText(v);
}

// The code argument at `index` when it is a literal; 0 otherwise.
int ConstantCode(const Nodes& args, std::size_t index) {
  if (index >= args.size()) return 0;
  const Value* v = args[index]->Constant();
  if (v == nullptr || !IsNumericType(v->type)) return 0;
  return static_cast<int>(v->number);
}

[[noreturn]] void BadCode(const char* function, int code) {
  throw HostError(std::string(function) + ": unsupported attribute code " + std::to_string(code));
}

int Text(const Nodes&) {
  return kChar;
}
int Integer(const Nodes&) {
  return kInteger;
}
int Float(const Nodes&) {
  return kFloat;
}
int Logical(const Nodes&) {
  return kLogical;
}
int DateType(const Nodes&) {
  return kDate;
}

// TableInfo ----------------------------------------------------------------------------------

int TableInfoType(const Nodes& args) {
  switch (ConstantCode(args, 1)) {
    case 1:
      return kChar;
    case 5:
    case 6:
    case 7:
    case 9:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
      return kLogical;
    default:
      return kInteger;
  }
}

bool UserFlag(const Table& t, const char* name) {
  auto it = t.userFlags.find(name);
  return it == t.userFlags.end() || it->second;
}

Value TableInfo(Workspace& ws, const Args& a) {
  const Table& t = TableOfArgument(ws, a[0]);
  const int code = IntOf(a[1]);
  switch (code) {
    case 1:
      return Value::Text(t.Name());
    case 2:
      return Value::Integer(ws.NumberOf(&t));
    case 3:
      return Value::Integer(t.IsQuery() ? 2 : 1);
    case 4:
      return Value::Integer(t.ColumnCount());
    case 5:
      return Value::Logical(t.Mappable());
    case 6:
      return Value::Logical(t.ReadOnly());
    case 7:
      return Value::Logical(t.IsQuery());
    case 8:
      return Value::Integer(t.RowCount());
    case 9:
      return Value::Logical(t.Edited());
    case 12:
      return Value::Logical(UserFlag(t, "usermap"));
    case 13:
      return Value::Logical(UserFlag(t, "userbrowse"));
    case 14:
      return Value::Logical(UserFlag(t, "userclose"));
    case 15:
      return Value::Logical(UserFlag(t, "useredit"));
    case 16:
      return Value::Logical(UserFlag(t, "userremovemap"));
    case 17:
      return Value::Logical(UserFlag(t, "userdisplaymap"));
    default:
      BadCode("TableInfo", code);
  }
}

// ColumnInfo ---------------------------------------------------------------------------------

int ColumnInfoType(const Nodes& args) {
  switch (ConstantCode(args, 2)) {
    case 1:
      return kChar;
    case 6:
    case 7:
      return kLogical;
    default:
      return kInteger;
  }
}

Value ColumnInfo(Workspace& ws, const Args& a) {
  const Table& t = TableOfArgument(ws, a[0]);
  const std::string name = TextOf(a[1]);
  const int index = t.FindColumn(name);
  if (index < 0) throw HostError("Column " + name + " is not in table " + t.Name());
  const Column& c = t.ColumnAt(index);
  const int code = IntOf(a[2]);
  switch (code) {
    case 1:
      return Value::Text(c.name);
    case 2:
      return Value::Integer(index + 1);
    case 3:
      return Value::Integer(c.type);
    case 4:
      return Value::Integer(c.width);
    case 5:
      return Value::Integer(c.decimals);
    case 6:
      return Value::Logical(false);
    case 7:
      return Value::Logical(t.ColumnEditable(index));
    default:
      BadCode("ColumnInfo", code);
  }
}

// Windows ------------------------------------------------------------------------------------

int WindowInfoType(const Nodes& args) {
  const int code = ConstantCode(args, 1);
  return code == 1 || code == 10 ? kChar : kInteger;
}

Value WindowInfo(Workspace& ws, const Args& a) {
  const int which = IntOf(a[0]);
  const HostWindow* w = ws.WindowByIdOrNumber(which);
  if (w == nullptr) throw HostError("Window " + std::to_string(which) + " does not exist");
  const int code = IntOf(a[1]);
  switch (code) {
    case 1:
      return Value::Text(w->title);
    case 3:
      return Value::Integer(w->type);
    case 10:
      return Value::Text(w->table);
    case 12:
      return Value::Integer(static_cast<double>(w->handle));
    case 13:
      return Value::Integer(w->id);
    default:
      BadCode("WindowInfo", code);
  }
}

Value WindowId(Workspace& ws, const Args& a) {
  const int n = IntOf(a[0]);
  if (n == 0 && ws.NumWindows() > 0) return Value::Integer(ws.FrontWindowId());
  if (n < 1 || n > ws.NumWindows()) {
    throw HostError("WindowID: there is no window number " + std::to_string(n));
  }
  return Value::Integer(ws.Windows()[n - 1].id);
}

Value NumWindows(Workspace& ws, const Args&) {
  return Value::Integer(ws.NumWindows());
}

Value NumTables(Workspace& ws, const Args&) {
  return Value::Integer(ws.NumTables());
}

// Selection, command, system -----------------------------------------------------------------

int SelectionInfoType(const Nodes& args) {
  return ConstantCode(args, 0) == 3 ? kInteger : kChar;
}

Value SelectionInfo(Workspace& ws, const Args& a) {
  const int code = IntOf(a[0]);
  const Table* selection = ws.PeekSelection();
  switch (code) {
    case 1:
      if (selection == nullptr) return Value::Text("");
      return Value::Text(selection->Base() ? selection->Base()->Name() : selection->Name());
    case 2: {
      // Asking for the selection's name opens its query table, as in MapInfo.
      const Table* opened = ws.SelectionTable();
      return Value::Text(opened ? opened->Name() : "");
    }
    case 3:
      return Value::Integer(selection ? selection->RowCount() : 0);
    default:
      BadCode("SelectionInfo", code);
  }
}

// The message of a remote program (1000) is text; the other answers are numbers and logicals,
// whose kind depends on the event (click coordinates are floats).
int CommandInfoType(const Nodes& args) {
  return ConstantCode(args, 0) == 1000 ? kChar : kFloat;
}

Value CommandInfo(Workspace& ws, const Args& a) {
  const int code = IntOf(a[0]);
  auto it = ws.commandInfo.find(code);
  if (it != ws.commandInfo.end()) return it->second;
  return code == 1000 ? Value::Text("") : Value::Integer(0);
}

int SystemInfoType(const Nodes& args) {
  return ConstantCode(args, 0) == 5 ? kChar : kInteger;
}

Value SystemInfo(Workspace& ws, const Args& a) {
  const int code = IntOf(a[0]);
  switch (code) {
    case 1:
      return Value::Integer(1);  // Windows
    case 2:
    case 3:
      return Value::Integer(750);
    case 5:
      return Value::Text("WindowsCyrillic");
    case 7:
    case 9:
      return Value::Integer(static_cast<double>(ws.mainWindow));
    case 15:
      return Value::Integer(static_cast<double>(ws.mdiClientWindow));
    default:
      BadCode("SystemInfo", code);
  }
}

Value GetMetadata(Workspace& ws, const Args& a) {
  const Table& t = TableOfArgument(ws, a[0]);
  const std::string key = TextOf(a[1]);
  Metadata::CheckKey(key);
  return Value::Text(t.Meta().Get(key));
}

Value PathToTableNameFn(Workspace&, const Args& a) {
  return Value::Text(PathToTableName(TextOf(a[0])));
}

// Conversions --------------------------------------------------------------------------------

Value Str(Workspace&, const Args& a) {
  return Value::Text(TextOf(a[0]));
}

Value Format(Workspace&, const Args& a) {
  return Value::Text(FormatWithPattern(a[0], TextOf(a[1])));
}

Value FormatNumber(Workspace&, const Args& a) {
  return Value::Text(FormatNumberText(a[0]));
}

Value DeformatNumber(Workspace&, const Args& a) {
  return Value::Text(DeformatNumberText(TextOf(a[0])));
}

// Val: the number at the start of the text, 0 when there is none.
Value Val(Workspace&, const Args& a) {
  if (!IsTextType(a[0].type)) return Value::Float(NumberOf(a[0]));
  std::string_view s = text::TrimLeft(a[0].text);
  for (std::size_t n = s.size(); n > 0; --n) {
    if (auto v = ParseNumber(s.substr(0, n))) return Value::Float(*v);
  }
  return Value::Float(0);
}

// Text, number and date helpers -------------------------------------------------------------

char UpperChar(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 0xE0) return static_cast<char>(b - 32);
  if (b == 0xB8) return static_cast<char>(0xA8);
  return c;
}

Value Len(Workspace&, const Args& a) {
  return Value::Integer(static_cast<double>(TextOf(a[0]).size()));
}
Value UCase(Workspace&, const Args& a) {
  std::string s = TextOf(a[0]);
  std::transform(s.begin(), s.end(), s.begin(), UpperChar);
  return Value::Text(s);
}
Value LCase(Workspace&, const Args& a) {
  return Value::Text(text::Lower(TextOf(a[0])));
}
Value LTrim(Workspace&, const Args& a) {
  const std::string s = TextOf(a[0]);
  return Value::Text(s.substr(std::min(s.size(), s.find_first_not_of(' '))));
}
Value RTrim(Workspace&, const Args& a) {
  std::string s = TextOf(a[0]);
  s.erase(s.find_last_not_of(' ') + 1);
  return Value::Text(s);
}
Value Left(Workspace&, const Args& a) {
  const std::string s = TextOf(a[0]);
  return Value::Text(s.substr(0, static_cast<std::size_t>(std::max(0, IntOf(a[1])))));
}
Value Right(Workspace&, const Args& a) {
  const std::string s = TextOf(a[0]);
  const auto n = std::min(s.size(), static_cast<std::size_t>(std::max(0, IntOf(a[1]))));
  return Value::Text(s.substr(s.size() - n));
}
Value Mid(Workspace&, const Args& a) {
  const std::string s = TextOf(a[0]);
  const auto start = static_cast<std::size_t>(std::max(1, IntOf(a[1])) - 1);
  if (start >= s.size()) return Value::Text("");
  return Value::Text(s.substr(start, static_cast<std::size_t>(std::max(0, IntOf(a[2])))));
}
Value Int(Workspace&, const Args& a) {
  return Value::Integer(std::floor(NumberOf(a[0])));
}
Value Fix(Workspace&, const Args& a) {
  return Value::Integer(std::trunc(NumberOf(a[0])));
}
Value Abs(Workspace&, const Args& a) {
  return Value::Float(std::fabs(NumberOf(a[0])));
}
Value Round(Workspace&, const Args& a) {
  const double step = NumberOf(a[1]);
  if (step == 0) return Value::Float(NumberOf(a[0]));
  return Value::Float(std::round(NumberOf(a[0]) / step) * step);
}
Value Minimum(Workspace&, const Args& a) {
  return Value::Float(std::min(NumberOf(a[0]), NumberOf(a[1])));
}
Value Maximum(Workspace&, const Args& a) {
  return Value::Float(std::max(NumberOf(a[0]), NumberOf(a[1])));
}
Value Chr(Workspace&, const Args& a) {
  return Value::Text(std::string(1, static_cast<char>(IntOf(a[0]))));
}
Value Asc(Workspace&, const Args& a) {
  const std::string s = TextOf(a[0]);
  return Value::Integer(s.empty() ? 0 : static_cast<unsigned char>(s[0]));
}
Value CurDate(Workspace& ws, const Args&) {
  return Value::Date(ws.today);
}
int DateOf(const Value& v) {
  const Value d = Coerce(v, kDate);
  return static_cast<int>(d.number);
}
Value Day(Workspace&, const Args& a) {
  return Value::Integer(DateOf(a[0]) % 100);
}
Value Month(Workspace&, const Args& a) {
  return Value::Integer(DateOf(a[0]) / 100 % 100);
}
Value Year(Workspace&, const Args& a) {
  return Value::Integer(DateOf(a[0]) / 10000);
}
Value StringToDate(Workspace&, const Args& a) {
  return Value::Date(DateOf(Value::Text(TextOf(a[0]))));
}
Value Eot(Workspace& ws, const Args& a) {
  const Table& t = TableOfArgument(ws, a[0]);
  return Value::Logical(!t.HasRow(t.cursor));
}

constexpr Builtin kBuiltins[] = {
    {"tableinfo", 2, 2, 0b1, TableInfoType, TableInfo},
    {"columninfo", 3, 3, 0b11, ColumnInfoType, ColumnInfo},
    {"windowinfo", 2, 2, 0, WindowInfoType, WindowInfo},
    {"windowid", 1, 1, 0, Integer, WindowId},
    {"numwindows", 0, 0, 0, Integer, NumWindows},
    {"numtables", 0, 0, 0, Integer, NumTables},
    {"selectioninfo", 1, 1, 0, SelectionInfoType, SelectionInfo},
    {"commandinfo", 1, 1, 0, CommandInfoType, CommandInfo},
    {"systeminfo", 1, 1, 0, SystemInfoType, SystemInfo},
    {"getmetadata$", 2, 2, 0b1, Text, GetMetadata},
    {"pathtotablename$", 1, 1, 0b1, Text, PathToTableNameFn},
    {"str$", 1, 1, 0, Text, Str},
    {"format$", 2, 2, 0, Text, Format},
    {"formatnumber$", 1, 1, 0, Text, FormatNumber},
    {"deformatnumber$", 1, 1, 0, Text, DeformatNumber},
    {"val", 1, 1, 0, Float, Val},
    {"len", 1, 1, 0, Integer, Len},
    {"ucase$", 1, 1, 0, Text, UCase},
    {"lcase$", 1, 1, 0, Text, LCase},
    {"ltrim$", 1, 1, 0, Text, LTrim},
    {"rtrim$", 1, 1, 0, Text, RTrim},
    {"left$", 2, 2, 0, Text, Left},
    {"right$", 2, 2, 0, Text, Right},
    {"mid$", 3, 3, 0, Text, Mid},
    {"int", 1, 1, 0, Integer, Int},
    {"fix", 1, 1, 0, Integer, Fix},
    {"abs", 1, 1, 0, Float, Abs},
    {"round", 2, 2, 0, Float, Round},
    {"minimum", 2, 2, 0, Float, Minimum},
    {"maximum", 2, 2, 0, Float, Maximum},
    {"chr$", 1, 1, 0, Text, Chr},
    {"asc", 1, 1, 0, Integer, Asc},
    {"curdate", 0, 0, 0, DateType, CurDate},
    {"day", 1, 1, 0, Integer, Day},
    {"month", 1, 1, 0, Integer, Month},
    {"year", 1, 1, 0, Integer, Year},
    {"stringtodate", 1, 1, 0, DateType, StringToDate},
    {"eot", 1, 1, 0b1, Logical, Eot},
};

}  // namespace

const Builtin* FindBuiltin(std::string_view name) {
  for (const auto& f : kBuiltins) {
    if (EqualNoCase(f.name, name)) return &f;
  }
  return nullptr;
}

Table& TableOfArgument(Workspace& ws, const Value& v) {
  if (IsNumericType(v.type)) {
    const int number = IntOf(v);
    Table* t = ws.ByNumber(number);
    if (t == nullptr) throw HostError("There is no table number " + std::to_string(number));
    return *t;
  }
  const std::string name = ToText(v);
  Table* t = ws.Find(name);
  if (t == nullptr) throw HostError("Table " + name + " is not open");
  return *t;
}

std::string PathToTableName(std::string_view path) {
  const auto slash = path.find_last_of("\\/:");
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  if (const auto dot = path.find_last_of('.'); dot != std::string_view::npos && dot > 0) {
    path = path.substr(0, dot);
  }
  std::string name;
  for (char c : path) {
    const auto b = static_cast<unsigned char>(c);
    const bool letterOrDigit = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') ||
                               (b >= 'a' && b <= 'z') || b >= 0xC0 || b == 0xA8 || b == 0xB8;
    name += letterOrDigit ? c : '_';
  }
  if (!name.empty() && name.front() >= '0' && name.front() <= '9') name.insert(0, "_");
  if (name.size() > 31) name.resize(31);
  return name;
}

}  // namespace ornil::sim::mb
