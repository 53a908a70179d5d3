// The simulated companion application.
#include "sim/companion/companion.h"

#include <vector>

#include "exports/ornil_exports.h"

namespace ornil::sim {

namespace {
constexpr std::string_view kInternalPrefix = "*#Internal Procedure:";
constexpr const char* kIdentifierGlobal = "iGlobalApplicationIdentifier";
}  // namespace

Companion::Companion(MapInfoHost& host, std::string programPath)
    : host_(host), programPath_(std::move(programPath)) {}

std::string Companion::Directory() const {
  const auto slash = programPath_.find_last_of('\\');
  return slash == std::string::npos ? std::string() : programPath_.substr(0, slash + 1);
}

int Companion::Attach(DdeNetwork& network, SimAtoms& atoms, SimFileSystem& files) {
  atoms.Add(programPath_);
  files.AddDirectory(Directory());
  return network.AddServer("MapInfo", programPath_, this);
}

Companion::Handles Companion::Start(const StartOptions& options) {
  Handles h;
  h.identifier = options.identifier != 0 ? options.identifier : GetApplicationId(options.idRange);
  registered_ = h.identifier;
  if (options.setGlobalFirst) globalApplicationId = h.identifier;
  std::string directory = Directory();
  std::vector<char> buffer(directory.begin(), directory.end());
  buffer.push_back('\0');
  h.applicationConv = RegisterApplication(h.identifier, buffer.data());
  h.instance = GetDdeInstId();
  h.mapInfoConv =
      GetMapInfoDdeConv(options.mapInfoWindow != 0 ? options.mapInfoWindow : host_.MainWindow());
  return h;
}

void Companion::Stop() {
  UnRegisterApplication(registered_);
}

bool Companion::Execute(const std::string& command) {
  try {
    if (command.compare(0, kInternalPrefix.size(), kInternalPrefix) == 0) {
      InternalProcedure(command.substr(kInternalPrefix.size()));
      return true;
    }
    const MapInfoHost::Outcome outcome = host_.Run(command);
    StatementRun run{command, outcome.ok, outcome.error, false};
    if (!outcome.ok) {
      SetLastMapInfoErrorString(outcome.error.c_str());
      run.shown = IsPrintingError() != 0;
    }
    runs_.push_back(run);
    SetMbApplicationExecuteError(outcome.ok ? 1 : 0);
    return true;
  } catch (...) {
    SetMbApplicationExecuteError(0);
    return true;
  }
}

void Companion::InternalProcedure(const std::string& name) {
  procedures_.push_back(name);
  if (name == "SetGlobalApplicationId") globalApplicationId = registered_;
  if (name == "AddCreationOfValue") offersCreation_ = true;
  if (name == "AddUpdatingOfValue") offersUpdating_ = true;
  if (name == "RemoveCreationOfValue") offersCreation_ = false;
  if (name == "RemoveUpdatingOfValue") offersUpdating_ = false;
}

std::optional<std::string> Companion::Request(const std::string& item) {
  if (mb::EqualNoCase(item, kIdentifierGlobal)) return std::to_string(globalApplicationId);
  return std::nullopt;
}

std::vector<std::string> Companion::ShownErrors() const {
  std::vector<std::string> shown;
  for (const auto& run : runs_) {
    if (run.shown) shown.push_back(run.error);
  }
  return shown;
}

}  // namespace ornil::sim
