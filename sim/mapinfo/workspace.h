// Everything the simulated host keeps between statements: the open tables in opening order, the
// current selection, the MapBasic variables, the document windows, the message window and the
// record of menu commands. Statements and expressions work on it; it knows no syntax.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/mapinfo/table.h"
#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

// WindowInfo(…, 3) codes.
inline constexpr int kMapWindow = 1;
inline constexpr int kBrowserWindow = 2;

// Set Next Document Style: a document window of the main window's MDI client, or a window that
// floats above its parent.
inline constexpr int kStyleStandard = 0;
inline constexpr int kStyleChild = 1;
inline constexpr int kStylePopupFullCaption = 2;
inline constexpr int kStylePopup = 3;

struct HostWindow {
  int id = 0;
  std::uintptr_t handle = 0;
  int type = kMapWindow;
  std::string table;
  std::vector<std::string> layers;  // map: the tables shown, the top layer first
  std::string title;
  bool readOnly = false;
  bool redraw = true;
  int style = 0;                      // from Set Next Document Style
  std::uintptr_t parent = 0;          // from Set Next Document Parent
  std::vector<std::string> captions;  // browser: the column captions
  // Where it was asked to open, in inches from the main window's client area; absent: the
  // host's choice.
  std::optional<double> x, y, width, height;
  // Browser: the row shown at the top (1-based). Map: the view moved while redraw was off, and
  // the change shows (as an event) once it is on again.
  int topRow = 1;
  bool viewChangedUnseen = false;
};

// A place or size of a host window on a 96-dpi screen: inches as pixels, or the host's own choice.
inline int PixelsOf(std::optional<double> inches, int hostsChoice) {
  constexpr int kPixelsPerInch = 96;
  return inches ? static_cast<int>(*inches * kPixelsPerInch) : hostsChoice;
}

// Something that happened in the host which running MapBasic programs hear of through their
// handlers; `info` holds what CommandInfo answers inside the handler.
struct HostEvent {
  enum class Kind { SelectionChanged, WindowChanged, WindowClosed };
  Kind kind = Kind::SelectionChanged;
  std::map<int, Value> info;
};

class NameResolver;

struct Variable {
  std::string name;  // as declared
  int type = kInteger;
  Value value;
};

class Workspace {
 public:
  Workspace();

  // Tables. Names compare without regard to letter case.
  Table& Open(std::unique_ptr<Table> table);  // throws HostError when the name is taken
  // An open table; "Selection" names the current selection (opening its query table).
  Table* Find(std::string_view name);
  // An open table by its own name only.
  Table* FindOpen(std::string_view name) const;
  Table* ByNumber(int number) const;  // 1-based, in opening order
  int NumberOf(const Table* table) const;
  int NumTables() const { return static_cast<int>(tables_.size()); }
  // Closes the table, the query tables over it and the windows that show any of them; throws
  // HostError when it is not open.
  void Close(std::string_view name);
  std::vector<std::string> TableNames() const;
  // "Query1", "Query2", … for selections that get no name of their own.
  std::string NextQueryName();

  // The selection: a query table that is open under its name, or one that waits to be opened
  // until something asks for it by name.
  void SelectOpen(Table& table);
  void SelectPending(std::unique_ptr<Table> table);
  void ClearSelection();
  bool HasSelection() const;
  const Table* PeekSelection() const;
  Table* SelectionTable();  // opens a waiting selection; null when there is none

  // Variables; names compare without regard to letter case.
  Variable* FindVariable(std::string_view name);
  void Declare(const std::string& name, int type);  // throws when it exists
  void Undeclare(std::string_view name);            // throws when it does not
  std::vector<Variable> Variables() const;

  // Document windows, in opening order.
  HostWindow& OpenWindow(HostWindow window);  // gives it an id and a handle
  HostWindow* FindWindow(int id);
  // A window id, else a window number from 1 to NumWindows (oldest first); null for neither.
  HostWindow* WindowByIdOrNumber(int n);
  void CloseWindow(int id);  // throws HostError for an unknown id
  // The window of that handle is gone already (destroyed on the desktop): drop it without
  // telling onWindowClosed. False when no window has the handle.
  bool ForgetWindow(std::uintptr_t handle);
  int NumWindows() const { return static_cast<int>(windows_.size()); }
  const std::vector<HostWindow>& Windows() const { return windows_; }
  int FrontWindowId() const { return frontWindow_; }
  void BringToFront(int id) { frontWindow_ = id; }

  // What the windows' handles are: by default numbers of the host's own; a desktop can give real
  // ones and hear of closed windows. The hooks may call ForgetWindow, nothing else of the
  // workspace.
  std::function<std::uintptr_t(const HostWindow&)> onWindowOpened;
  std::function<void(const HostWindow&)> onWindowClosed;

  // "Set Next Document": applies to the next window opened, then resets.
  struct NextDocument {
    std::uintptr_t parent = 0;
    int style = 0;
  } nextDocument;

  std::uintptr_t mainWindow = 0x0001'0010;
  std::uintptr_t mdiClientWindow = 0x0001'0020;
  std::vector<std::string> messages;  // the message window, one entry per print
  std::vector<int> menuCommands;      // Run Menu Command, in order
  std::map<int, Value> commandInfo;   // CommandInfo answers the host's last event left

  // Events raised and not yet handed to the programs (the host delivers them).
  std::vector<HostEvent> events;
  void Raise(HostEvent event);
  // The rows of a table changed: its map windows change.
  void TableChanged(const Table& table);
  // A map window's view changed: an event now, or once its redraw is on again.
  void MapViewChanged(HostWindow& map);
  // A window's title changed (for the desktop).
  std::function<void(const HostWindow&)> onWindowRetitled;

  // The running program whose statement is being run, for its names; null otherwise.
  NameResolver* names = nullptr;
  int today = 20240115;  // CurDate(), yyyymmdd: fixed, so runs repeat

 private:
  std::vector<std::unique_ptr<Table>> tables_;
  std::unique_ptr<Table> pendingSelection_;
  std::string selectionName_;  // the open query table that is the selection
  int queryCounter_ = 0;
  std::vector<Variable> variables_;
  std::vector<HostWindow> windows_;
  int nextWindowId_ = 1001;
  std::uintptr_t nextHandle_ = 0x0003'0000;
  int frontWindow_ = 0;
};

}  // namespace ornil::sim::mb
