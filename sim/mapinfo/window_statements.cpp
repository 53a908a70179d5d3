// Statements on document windows: Map, Browse, Set Window, Set Map, Set Next Document, Close
// Window and Run Menu Command (recorded, the simulated menus do nothing).
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
  w.title = title;
  if (s.readOnly) w.readOnly = true;
  if (s.front) ws.BringToFront(w.id);
}

void RunSetMap(Workspace& ws, const SetMapStmt& s) {
  HostWindow* w = s.window ? &RequireWindow(ws, *s.window) : ws.FindWindow(ws.FrontWindowId());
  if (w == nullptr || w->type != kMapWindow) throw HostError("Set Map: no such map window");
  if (s.redraw) w->redraw = *s.redraw;
}

void RunSetNextDocument(Workspace& ws, const SetNextDocumentStmt& s) {
  if (s.parent) {
    ws.nextDocument.parent = static_cast<std::uintptr_t>(NumberOf(EvaluateConstant(ws, *s.parent)));
  }
  if (s.style) ws.nextDocument.style = EvaluateInteger(ws, *s.style);
}

void RunMenuCommand(Workspace& ws, const RunMenuCommandStmt& s) {
  ws.menuCommands.push_back(EvaluateInteger(ws, *s.command));
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
  ws.OpenWindow(std::move(w));
}

}  // namespace ornil::sim::mb
