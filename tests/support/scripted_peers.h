// Hand-scripted DDE peers for the host link's tests: a MapInfo that answers a few expressions and a
// companion that reports each statement through the library's export, noting whether the library
// wanted its errors shown at that moment.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/sim_world.h"

namespace ornil::testing {

class ScriptedMapInfo : public sim::DdeServer {
 public:
  ScriptedMapInfo(SimWorld& world, std::uintptr_t mainWindow);
  ~ScriptedMapInfo() override;

  std::set<std::string> openTables;
  bool everyTableOpen = false;
  std::map<std::string, std::string> answers;  // fixed answers by expression
  // Runs inside every Request before it is answered, as the host's own handlers would.
  std::function<void(const std::string&)> whileServing;
  bool Execute(const std::string&) override { return false; }
  std::optional<std::string> Request(const std::string& item) override;

 private:
  SimWorld& world_;
  int id_;
  std::uintptr_t mainWindow_;
};

// Where a companion's topic is an atom: the table and the number (0: after the highest).
struct AtomPlace {
  sim::SimAtoms::Table table = sim::SimAtoms::Table::Global;
  std::uint16_t number = 0;
};

class ScriptedCompanion : public sim::DdeServer {
 public:
  // Serves the topic directory\program, an atom, from a directory that exists.
  ScriptedCompanion(SimWorld& world, std::string directory, std::string program,
                    AtomPlace atom = {});
  ~ScriptedCompanion() override;

  int identifier = 0;            // the global "iGlobalApplicationIdentifier"
  int registeredIdentifier = 0;  // what SetGlobalApplicationId stores
  std::function<bool(const std::string&)> statementSucceeds = [](const std::string&) {
    return true;
  };
  struct Statement {
    std::string text;
    bool printing;  // IsPrintingError() while it ran
  };
  std::vector<Statement> statements;
  std::vector<std::string> internalMessages;
  // Runs inside every Request and Execute before it is answered: the companion's handlers may call
  // the library back from there.
  std::function<void(const std::string&)> whileServing;

  bool Execute(const std::string& command) override;
  std::optional<std::string> Request(const std::string& item) override;

 private:
  SimWorld& world_;
  int id_;
};

}  // namespace ornil::testing
