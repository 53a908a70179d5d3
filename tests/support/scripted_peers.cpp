// The scripted MapInfo and companion.
#include "support/scripted_peers.h"

#include "exports/ornil_exports.h"

namespace ornil::testing {

namespace {
// What a table name inside TableInfo("…",2) is.
std::optional<std::string> TableInfoOpenArgument(const std::string& item) {
  const std::string head = "TableInfo(\"";
  const std::string tail = "\",2)";
  if (item.rfind(head, 0) != 0 || item.size() < head.size() + tail.size() ||
      item.compare(item.size() - tail.size(), tail.size(), tail) != 0) {
    return std::nullopt;
  }
  return item.substr(head.size(), item.size() - head.size() - tail.size());
}
}  // namespace

ScriptedMapInfo::ScriptedMapInfo(SimWorld& world, std::uintptr_t mainWindow)
    : world_(world), id_(world.dde.AddServer("MapInfo", "System", this)), mainWindow_(mainWindow) {}

ScriptedMapInfo::~ScriptedMapInfo() {
  world_.dde.RemoveServer(id_);
}

std::optional<std::string> ScriptedMapInfo::Request(const std::string& item) {
  if (whileServing) whileServing(item);
  if (item == "SystemInfo(9)") return std::to_string(mainWindow_);
  if (auto it = answers.find(item); it != answers.end()) return it->second;
  if (auto table = TableInfoOpenArgument(item)) {
    if (everyTableOpen || openTables.contains(*table)) return "1";
    return std::nullopt;  // MapInfo fails the Request of a table that is not open
  }
  if (item.rfind("PathToTableName$(", 0) == 0) {
    return item.substr(17, item.size() - 18);
  }
  return std::nullopt;
}

ScriptedCompanion::ScriptedCompanion(SimWorld& world, std::string directory, std::string program,
                                     AtomPlace atom)
    : world_(world) {
  world.files.AddDirectory(directory);
  const std::string topic = directory + "\\" + program;
  if (atom.number == 0) {
    world.atoms.Add(topic, atom.table);
  } else {
    world.atoms.Put(atom.number, topic, atom.table);
  }
  id_ = world.dde.AddServer("MapInfo", topic, this);
}

ScriptedCompanion::~ScriptedCompanion() {
  world_.dde.RemoveServer(id_);
}

bool ScriptedCompanion::Execute(const std::string& command) {
  if (whileServing) whileServing(command);
  const std::string internal = "*#Internal Procedure:";
  if (command.rfind(internal, 0) == 0) {
    internalMessages.push_back(command.substr(internal.size()));
    if (command == internal + "SetGlobalApplicationId") identifier = registeredIdentifier;
    return true;
  }
  statements.push_back({command, IsPrintingError() != 0});
  SetMbApplicationExecuteError(statementSucceeds(command) ? 1 : 0);
  return true;
}

std::optional<std::string> ScriptedCompanion::Request(const std::string& item) {
  if (whileServing) whileServing(item);
  if (item == "iGlobalApplicationIdentifier") return std::to_string(identifier);
  return std::nullopt;
}

}  // namespace ornil::testing
