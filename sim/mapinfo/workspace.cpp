// The host's tables, selection, variables and windows.
#include "sim/mapinfo/workspace.h"

#include <algorithm>

#include "sim/mapinfo/host_error.h"

namespace ornil::sim::mb {

Workspace::Workspace() = default;

Table& Workspace::Open(std::unique_ptr<Table> table) {
  if (EqualNoCase(table->Name(), "Selection") || FindOpen(table->Name()) != nullptr) {
    throw HostError("Table " + table->Name() + " is already open");
  }
  if (table->Name().empty()) throw HostError("A table needs a name");
  tables_.push_back(std::move(table));
  return *tables_.back();
}

Table* Workspace::FindOpen(std::string_view name) const {
  for (const auto& t : tables_) {
    if (EqualNoCase(t->Name(), name)) return t.get();
  }
  return nullptr;
}

Table* Workspace::Find(std::string_view name) {
  if (EqualNoCase(name, "Selection")) return SelectionTable();
  return FindOpen(name);
}

Table* Workspace::ByNumber(int number) const {
  if (number < 1 || number > NumTables()) return nullptr;
  return tables_[number - 1].get();
}

int Workspace::NumberOf(const Table* table) const {
  for (int i = 0; i < NumTables(); ++i) {
    if (tables_[i].get() == table) return i + 1;
  }
  return 0;
}

void Workspace::Close(std::string_view name) {
  Table* table = FindOpen(name);
  if (table == nullptr) throw HostError("Table " + std::string(name) + " is not open");
  std::vector<const Table*> closing{table};
  for (const auto& t : tables_) {
    if (t->IsQuery() && t->Base() == table) closing.push_back(t.get());
  }
  auto isClosing = [&](const Table* t) {
    return std::find(closing.begin(), closing.end(), t) != closing.end();
  };
  for (const Table* t : closing) {
    std::vector<int> shown;
    for (const auto& w : windows_) {
      if (EqualNoCase(w.table, t->Name())) shown.push_back(w.id);
    }
    for (int id : shown)
      CloseWindow(id);
  }
  if (pendingSelection_ && pendingSelection_->Base() == table) pendingSelection_.reset();
  if (const Table* selected = FindOpen(selectionName_); selected && isClosing(selected)) {
    selectionName_.clear();
  }
  std::erase_if(tables_, [&](const auto& t) { return isClosing(t.get()); });
}

std::vector<std::string> Workspace::TableNames() const {
  std::vector<std::string> names;
  for (const auto& t : tables_)
    names.push_back(t->Name());
  return names;
}

std::string Workspace::NextQueryName() {
  std::string name;
  do {
    name = "Query" + std::to_string(++queryCounter_);
  } while (FindOpen(name) != nullptr);
  return name;
}

namespace {

// CommandInfo of a selection change: one row selected, several, or none, and the first row's
// base row.
HostEvent SelectionEvent(const Table* selection) {
  HostEvent e{HostEvent::Kind::SelectionChanged, {}};
  const int rows = selection ? selection->RowCount() : 0;
  e.info[1] = Value::Integer(rows == 1 ? 1 : rows > 1 ? 3 : 4);
  e.info[2] = Value::Integer(rows >= 1 ? selection->BaseRowOf(1) : 0);
  return e;
}

HostEvent WindowEvent(HostEvent::Kind kind, int id) {
  return {kind, {{1, Value::Integer(id)}}};
}

}  // namespace

void Workspace::SelectOpen(Table& table) {
  pendingSelection_.reset();
  selectionName_ = table.Name();
  Raise(SelectionEvent(&table));
}

void Workspace::SelectPending(std::unique_ptr<Table> table) {
  pendingSelection_ = std::move(table);
  selectionName_.clear();
  Raise(SelectionEvent(pendingSelection_.get()));
}

void Workspace::ClearSelection() {
  const bool had = HasSelection();
  pendingSelection_.reset();
  selectionName_.clear();
  if (had) Raise(SelectionEvent(nullptr));
}

void Workspace::Raise(HostEvent event) {
  // Nobody may be delivering (a host without programs): keep the latest events only.
  constexpr std::size_t kKept = 1000;
  if (events.size() >= kKept) events.erase(events.begin(), events.begin() + kKept / 2);
  events.push_back(std::move(event));
}

void Workspace::MapViewChanged(HostWindow& map) {
  if (!map.redraw) {
    map.viewChangedUnseen = true;
    return;
  }
  map.viewChangedUnseen = false;
  Raise(WindowEvent(HostEvent::Kind::WindowChanged, map.id));
}

void Workspace::TableChanged(const Table& table) {
  const Table* base = table.IsQuery() && table.Base() ? table.Base() : &table;
  for (auto& w : windows_) {
    if (w.type != kMapWindow) continue;
    const bool shows = EqualNoCase(w.table, base->Name()) ||
                       std::any_of(w.layers.begin(), w.layers.end(), [&](const std::string& layer) {
                         return EqualNoCase(layer, base->Name());
                       });
    if (shows) MapViewChanged(w);
  }
}

bool Workspace::HasSelection() const {
  return PeekSelection() != nullptr;
}

const Table* Workspace::PeekSelection() const {
  if (pendingSelection_) return pendingSelection_.get();
  return selectionName_.empty() ? nullptr : FindOpen(selectionName_);
}

Table* Workspace::SelectionTable() {
  if (pendingSelection_) {
    Table& opened = Open(std::move(pendingSelection_));
    selectionName_ = opened.Name();
    return &opened;
  }
  return selectionName_.empty() ? nullptr : FindOpen(selectionName_);
}

Variable* Workspace::FindVariable(std::string_view name) {
  for (auto& v : variables_) {
    if (EqualNoCase(v.name, name)) return &v;
  }
  return nullptr;
}

void Workspace::Declare(const std::string& name, int type) {
  if (FindVariable(name) != nullptr) throw HostError("Variable " + name + " is already defined");
  Column shape;
  shape.type = type;
  variables_.push_back({name, type, EmptyValue(shape)});
}

void Workspace::Undeclare(std::string_view name) {
  const auto before = variables_.size();
  std::erase_if(variables_, [&](const Variable& v) { return EqualNoCase(v.name, name); });
  if (variables_.size() == before) {
    throw HostError("Variable " + std::string(name) + " is not defined");
  }
}

std::vector<Variable> Workspace::Variables() const {
  return variables_;
}

HostWindow& Workspace::OpenWindow(HostWindow window) {
  window.id = nextWindowId_++;
  window.parent = nextDocument.parent;
  window.style = nextDocument.style;
  nextDocument = {};
  if (onWindowOpened) window.handle = onWindowOpened(window);
  if (window.handle == 0) window.handle = nextHandle_ += 0x10;
  frontWindow_ = window.id;
  windows_.push_back(std::move(window));
  return windows_.back();
}

HostWindow* Workspace::FindWindow(int id) {
  for (auto& w : windows_) {
    if (w.id == id) return &w;
  }
  return nullptr;
}

HostWindow* Workspace::WindowByIdOrNumber(int n) {
  if (HostWindow* w = FindWindow(n)) return w;
  if (n >= 1 && n <= NumWindows()) return &windows_[n - 1];
  return nullptr;
}

bool Workspace::ForgetWindow(std::uintptr_t handle) {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [&](const auto& w) { return w.handle == handle; });
  if (it == windows_.end()) return false;
  const int id = it->id;
  windows_.erase(it);
  if (frontWindow_ == id) frontWindow_ = windows_.empty() ? 0 : windows_.back().id;
  Raise(WindowEvent(HostEvent::Kind::WindowClosed, id));
  return true;
}

void Workspace::CloseWindow(int id) {
  auto it =
      std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.id == id; });
  if (it == windows_.end()) throw HostError("Window " + std::to_string(id) + " does not exist");
  const HostWindow closed = *it;
  windows_.erase(it);
  if (frontWindow_ == id) frontWindow_ = windows_.empty() ? 0 : windows_.back().id;
  Raise(WindowEvent(HostEvent::Kind::WindowClosed, id));
  if (onWindowClosed) onWindowClosed(closed);
}

}  // namespace ornil::sim::mb
