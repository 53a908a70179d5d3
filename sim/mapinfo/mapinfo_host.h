// The simulated MapInfo Professional: a MapBasic interpreter over in-memory tables that serves
// DDE service "MapInfo", topic "System". A Request's item is an expression and the answer its text
// form (value.h); an Execute runs one statement. Tests and the demo build its tables and look into
// its state directly.
//
// A Request whose expression cannot be evaluated (bad syntax, an unknown table, column, window or
// variable, a type mismatch) answers no data, as a failed Request of MapInfo does: the client sees
// DMLERR_NOTPROCESSED. The failure is kept in FailedRequests().
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sim/dde/dde_network.h"
#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/syntax.h"
#include "sim/mapinfo/table.h"
#include "sim/mapinfo/value.h"
#include "sim/mapinfo/workspace.h"

namespace ornil::sim {

class MapInfoHost : public DdeServer {
 public:
  MapInfoHost();
  ~MapInfoHost() override;
  MapInfoHost(const MapInfoHost&) = delete;
  MapInfoHost& operator=(const MapInfoHost&) = delete;

  // Serves "MapInfo"/"System" on the network; gives the server id.
  int Attach(DdeNetwork& network);

  // DdeServer. Execute: true when the statement ran. Request: the answer, or no data.
  bool Execute(const std::string& statements) override;
  std::optional<std::string> Request(const std::string& expression) override;

  struct Outcome {
    bool ok = true;
    std::string error;  // MapInfo's error text when not ok
  };
  // Runs one statement; text after it is an error, except more declarations after a Dim or an
  // UnDim, which run in order up to the first that fails. Never throws.
  Outcome Run(std::string_view statements);
  // An expression's value; throws mb::HostError.
  mb::Value Evaluate(std::string_view expression);

  // Tables.
  mb::Table& AddTable(mb::TableSpec layout);
  mb::Table* FindTable(std::string_view name) { return workspace_.FindOpen(name); }
  // Throws mb::HostError when the table is not open.
  mb::Table& TableNamed(std::string_view name);
  mb::Workspace& Workspace() { return workspace_; }

  std::uintptr_t MainWindow() const { return workspace_.mainWindow; }
  void SetMainWindow(std::uintptr_t handle) { workspace_.mainWindow = handle; }
  const std::vector<std::string>& Messages() const { return workspace_.messages; }
  const std::vector<int>& MenuCommands() const { return workspace_.menuCommands; }

  // What the user does in MapInfo's own windows: selects rows of a table (a query table's rows
  // select the base rows they show), which also sets CommandInfo(1) and (2) as the selection
  // changed handler sees them; closes a document window.
  void UserSelect(std::string_view table, const std::vector<int>& rowIds);
  void UserCloseWindow(int id);
  // In a browser window: a click on a row (1-based, in the browser's order) selects it in the
  // browser's table; typing into a cell writes it, unless the browser or the column cannot be
  // edited. False when nothing happened.
  bool UserClickBrowserRow(int windowId, int row);
  bool UserEditBrowserCell(int windowId, int row, int column, const mb::Value& value);
  // A desktop that destroyed a host window's handle itself tells the host here.
  bool WindowDestroyed(std::uintptr_t handle);

  // Running programs hear of the host's events: DeliverEvents hands every raised event to each
  // listener in turn, with CommandInfo set from the event. Events that handlers raise meanwhile
  // wait for the delivery under way, so handlers never nest.
  using EventListener = std::function<void(const mb::HostEvent&)>;
  int AddEventListener(EventListener listener);
  void RemoveEventListener(int id);
  void DeliverEvents();

  // "expression: error" for every Request that answered no data.
  const std::vector<std::string>& FailedRequests() const { return failedRequests_; }
  // The error of the last statement that failed.
  const std::string& LastError() const { return lastError_; }

 private:
  mb::ExprPtr Parsed(const std::string& expression);

  mb::Workspace workspace_;
  std::unordered_map<std::string, mb::ExprPtr> parsed_;
  std::vector<std::string> failedRequests_;
  std::string lastError_;
  std::map<int, EventListener> listeners_;
  int nextListener_ = 1;
  bool delivering_ = false;
};

}  // namespace ornil::sim
