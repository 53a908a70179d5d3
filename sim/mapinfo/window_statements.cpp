// Statements on document windows: Map, Browse, Set Window, Set Map, Set Next Document, Close
// Window and Run Menu Command (recorded; Find Selection, 306, shows the selection in the windows
// of its table, the other simulated menu commands do nothing).
#include <algorithm>
#include <set>

#include "sim/mapinfo/compiler.h"
#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/statements.h"

namespace ornil::sim::mb {

namespace {

HostWindow& RequireWindow(Workspace& ws, const Expr& e) {
  const int id = EvaluateInteger(ws, e);
  HostWindow* w = ws.FindWindow(id);
  if (w == nullptr) throw HostError("Window " + std::to_string(id) + " does not exist");
  return *w;
}

constexpr int kFindSelection = 306;

void Place(Workspace& ws, const WindowPlacement& p, HostWindow& w) {
  auto inches = [&ws](const ExprPtr& e) -> std::optional<double> {
    if (!e) return std::nullopt;
    return NumberOf(EvaluateConstant(ws, *e));
  };
  if (p.x) w.x = inches(p.x);
  if (p.y) w.y = inches(p.y);
  if (p.width) w.width = inches(p.width);
  if (p.height) w.height = inches(p.height);
}

const Table* BaseOf(const Table& t) {
  return t.IsQuery() && t.Base() != nullptr ? t.Base() : &t;
}

bool Shows(const HostWindow& w, const Table& base) {
  if (EqualNoCase(w.table, base.Name())) return true;
  return std::any_of(w.layers.begin(), w.layers.end(),
                     [&](const std::string& layer) { return EqualNoCase(layer, base.Name()); });
}

// Find Selection: each browser of the selection's table scrolls to its first selected row, and
// each map that shows the table moves its view there.
void FindSelection(Workspace& ws) {
  Table* selection = ws.SelectionTable();
  if (selection == nullptr || selection->RowCount() == 0) return;
  const Table& base = *BaseOf(*selection);
  std::set<int> selected;
  for (int r = 1; r <= selection->RowCount(); ++r)
    selected.insert(selection->BaseRowOf(r));
  for (const HostWindow& shown : ws.Windows()) {
    HostWindow& w = *ws.FindWindow(shown.id);
    if (w.type == kMapWindow) {
      if (Shows(w, base)) ws.MapViewChanged(w);
      continue;
    }
    Table* browsed = ws.FindOpen(w.table);
    if (browsed == nullptr || BaseOf(*browsed) != &base) continue;
    for (int r = 1; r <= browsed->RowCount(); ++r) {
      if (selected.contains(browsed->BaseRowOf(r))) {
        w.topRow = r;
        break;
      }
    }
  }
}

}  // namespace

void RunCloseWindow(Workspace& ws, const CloseWindowStmt& s) {
  ws.CloseWindow(RequireWindow(ws, *s.window).id);
}

void RunSetWindow(Workspace& ws, const SetWindowStmt& s) {
  HostWindow& w = RequireWindow(ws, *s.window);
  const std::string title = s.title ? ToText(EvaluateConstant(ws, *s.title)) : w.title;
  if (s.readOnly && w.type != kBrowserWindow) {
    throw HostError("Window " + std::to_string(w.id) + " is no browser and cannot be read-only");
  }
  const bool retitled = w.title != title;
  w.title = title;
  if (s.readOnly) w.readOnly = true;
  if (s.front) ws.BringToFront(w.id);
  Place(ws, s.placement, w);
  if (retitled && ws.onWindowRetitled) ws.onWindowRetitled(w);
}

void RunSetMap(Workspace& ws, const SetMapStmt& s) {
  HostWindow* w = s.window ? &RequireWindow(ws, *s.window) : ws.FindWindow(ws.FrontWindowId());
  if (w == nullptr || w->type != kMapWindow) throw HostError("Set Map: no such map window");
  if (s.redraw) w->redraw = *s.redraw;
  if (w->redraw && w->viewChangedUnseen) ws.MapViewChanged(*w);
}

void RunSetNextDocument(Workspace& ws, const SetNextDocumentStmt& s) {
  if (s.parent) {
    ws.nextDocument.parent = static_cast<std::uintptr_t>(NumberOf(EvaluateConstant(ws, *s.parent)));
  }
  if (s.style) ws.nextDocument.style = EvaluateInteger(ws, *s.style);
}

void RunMenuCommand(Workspace& ws, const RunMenuCommandStmt& s) {
  const int command = EvaluateInteger(ws, *s.command);
  ws.menuCommands.push_back(command);
  if (command == kFindSelection) FindSelection(ws);
}

void RunMap(Workspace& ws, const MapStmt& s) {
  std::string names;
  std::string first;
  for (const auto& name : s.tables) {
    const Table& t = RequireTable(ws, name);
    if (!t.Mappable()) throw HostError("Table " + t.Name() + " is not mappable");
    if (first.empty()) first = t.Name();
    names += (names.empty() ? "" : ",") + t.Name();
  }
  HostWindow w;
  w.type = kMapWindow;
  w.table = first;
  for (const auto& name : s.tables)
    w.layers.push_back(RequireTable(ws, name).Name());
  w.title = names + " Map";
  Place(ws, s.placement, w);
  ws.OpenWindow(std::move(w));
}

void RunBrowse(Workspace& ws, const BrowseStmt& s) {
  Table& t = RequireTable(ws, s.table);
  Scope scope{ws, &t};
  HostWindow w;
  for (const auto& item : s.items) {
    if (!item.expr) {
      for (int i = 0; i < t.ColumnCount(); ++i)
        w.captions.push_back(t.ColumnAt(i).name);
      continue;
    }
    const NodePtr node = Compile(*item.expr, scope);
    w.captions.push_back(!item.alias.empty()    ? item.alias
                         : node->rowColumn >= 0 ? t.ColumnAt(node->rowColumn).name
                                                : "COL" + std::to_string(w.captions.size() + 1));
  }
  w.type = kBrowserWindow;
  w.table = t.Name();
  w.title = t.Name() + " Browser";
  Place(ws, s.placement, w);
  ws.OpenWindow(std::move(w));
}

}  // namespace ornil::sim::mb
