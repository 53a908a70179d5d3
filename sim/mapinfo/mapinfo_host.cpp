// The simulated host's entry points: DDE, running statements, answering expressions.
#include "sim/mapinfo/mapinfo_host.h"

#include <algorithm>

#include "sim/mapinfo/compiler.h"
#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/parser.h"
#include "sim/mapinfo/statements.h"

namespace ornil::sim {

namespace {
// Parsed Requests are kept for reuse; a host asked this many different expressions starts over.
constexpr std::size_t kParsedLimit = 20000;

template <class S>
bool All(const std::vector<mb::Statement>& statements) {
  return std::all_of(statements.begin(), statements.end(),
                     [](const mb::Statement& s) { return std::holds_alternative<S>(s.body); });
}

// One Execute runs one statement: text after a complete statement is an error, so two statements
// run together by a missing separator never pass for one. Only a declaration may go on with more
// of its kind ("Dim a as Integer Dim b as String"), as the host takes it.
std::vector<mb::Statement> OneStatement(std::string_view text) {
  std::vector<mb::Statement> statements = mb::ParseStatements(text);
  if (statements.size() > 1 && !All<mb::DimStmt>(statements) && !All<mb::UnDimStmt>(statements)) {
    throw mb::HostError("Syntax error in statement \"" + statements[0].text + "\": unexpected \"" +
                        statements[1].text + "\" after the statement");
  }
  return statements;
}
}  // namespace

MapInfoHost::MapInfoHost() = default;
MapInfoHost::~MapInfoHost() = default;

int MapInfoHost::Attach(DdeNetwork& network) {
  return network.AddServer("MapInfo", "System", this);
}

bool MapInfoHost::Execute(const std::string& statements) {
  return Run(statements).ok;
}

std::optional<std::string> MapInfoHost::Request(const std::string& expression) {
  try {
    return mb::ToText(Evaluate(expression));
  } catch (const std::exception& e) {
    failedRequests_.push_back(expression + ": " + e.what());
  } catch (...) {
    failedRequests_.push_back(expression + ": unknown failure");
  }
  return std::nullopt;
}

mb::ExprPtr MapInfoHost::Parsed(const std::string& expression) {
  if (auto it = parsed_.find(expression); it != parsed_.end()) return it->second;
  mb::ExprPtr e = mb::ParseExpression(expression);
  if (parsed_.size() >= kParsedLimit) parsed_.clear();
  parsed_.emplace(expression, e);
  return e;
}

mb::Value MapInfoHost::Evaluate(std::string_view expression) {
  const mb::ExprPtr e = Parsed(std::string(expression));
  mb::Scope scope{workspace_};
  return mb::Compile(*e, scope)->Eval(0);
}

MapInfoHost::Outcome MapInfoHost::Run(std::string_view statements) {
  Outcome outcome;
  try {
    for (const auto& statement : OneStatement(statements))
      mb::RunStatement(workspace_, statement);
  } catch (const std::exception& e) {
    lastError_ = e.what();
    outcome = {false, lastError_};
  } catch (...) {
    lastError_ = "Unknown failure in \"" + std::string(statements) + "\"";
    outcome = {false, lastError_};
  }
  DeliverEvents();
  return outcome;
}

mb::Table& MapInfoHost::AddTable(mb::TableSpec layout) {
  return workspace_.Open(std::make_unique<mb::Table>(std::move(layout)));
}

mb::Table& MapInfoHost::TableNamed(std::string_view name) {
  mb::Table* t = workspace_.FindOpen(name);
  if (t == nullptr) throw mb::HostError("Table " + std::string(name) + " is not open");
  return *t;
}

void MapInfoHost::UserSelect(std::string_view table, const std::vector<int>& rowIds) {
  mb::Table& source = TableNamed(table);
  mb::Table* base = source.IsQuery() ? source.Base() : &source;
  std::vector<mb::Column> columns;
  for (int i = 0; i < source.ColumnCount(); ++i) {
    mb::Column c = source.ColumnAt(i);
    c.source = source.IsQuery() ? c.source : i;
    columns.push_back(c);
  }
  auto selection =
      std::make_unique<mb::Table>(workspace_.NextQueryName(), std::move(columns), base);
  std::vector<mb::Value> own(source.ColumnCount());
  for (int id : rowIds) {
    for (int i = 0; i < source.ColumnCount(); ++i) {
      own[i] =
          source.ColumnAt(i).source >= 0 || !source.IsQuery() ? mb::Value{} : source.Cell(id, i);
    }
    selection->AddQueryRow(source.BaseRowOf(id), own);
  }
  workspace_.commandInfo[1] = mb::Value::Integer(1);
  workspace_.commandInfo[2] =
      mb::Value::Integer(rowIds.empty() ? 0 : source.BaseRowOf(rowIds.front()));
  if (rowIds.empty()) {
    workspace_.ClearSelection();
  } else {
    workspace_.SelectPending(std::move(selection));
  }
  DeliverEvents();
}

namespace {

// The table a browser window shows, when the window is a browser and the row is one of it.
mb::Table* BrowsedRow(mb::Workspace& ws, int windowId, int row, const mb::HostWindow** window) {
  const mb::HostWindow* w = ws.FindWindow(windowId);
  if (w == nullptr || w->type != mb::kBrowserWindow) return nullptr;
  mb::Table* t = ws.FindOpen(w->table);
  if (t == nullptr || !t->HasRow(row)) return nullptr;
  *window = w;
  return t;
}

}  // namespace

bool MapInfoHost::UserClickBrowserRow(int windowId, int row) {
  const mb::HostWindow* w = nullptr;
  mb::Table* t = BrowsedRow(workspace_, windowId, row, &w);
  if (t == nullptr) return false;
  UserSelect(t->Name(), {row});
  return true;
}

bool MapInfoHost::UserEditBrowserCell(int windowId, int row, int column, const mb::Value& value) {
  const mb::HostWindow* w = nullptr;
  mb::Table* t = BrowsedRow(workspace_, windowId, row, &w);
  if (t == nullptr || w->readOnly || column < 0 || column >= t->ColumnCount()) return false;
  try {
    t->Write(row, column, value);
  } catch (const mb::HostError&) {
    return false;  // a read-only table or column
  }
  workspace_.TableChanged(*t);
  DeliverEvents();
  return true;
}

void MapInfoHost::UserCloseWindow(int id) {
  workspace_.CloseWindow(id);
  DeliverEvents();
}

bool MapInfoHost::WindowDestroyed(std::uintptr_t handle) {
  const bool known = workspace_.ForgetWindow(handle);
  DeliverEvents();
  return known;
}

int MapInfoHost::AddEventListener(EventListener listener) {
  listeners_[nextListener_] = std::move(listener);
  return nextListener_++;
}

void MapInfoHost::RemoveEventListener(int id) {
  listeners_.erase(id);
}

void MapInfoHost::DeliverEvents() {
  if (delivering_) return;
  delivering_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{delivering_};
  // A handler's own statements may raise more events; a handler that always does is cut off.
  constexpr int kMostEvents = 10000;
  int delivered = 0;
  while (!workspace_.events.empty() && delivered++ < kMostEvents) {
    const mb::HostEvent event = std::move(workspace_.events.front());
    workspace_.events.erase(workspace_.events.begin());
    const auto listeners = listeners_;  // a handler may end its program
    for (const auto& [id, listener] : listeners) {
      if (!listeners_.contains(id)) continue;
      for (const auto& [code, value] : event.info)
        workspace_.commandInfo[code] = value;
      listener(event);
    }
  }
  workspace_.events.clear();
}

}  // namespace ornil::sim
