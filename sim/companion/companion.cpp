// The companion program loaded from companion/ into the simulated host.
#include "sim/companion/companion.h"

#include <cmath>

#include "sim/companion/library_natives.h"
#include "text/cp1251.h"

namespace ornil::sim {

namespace {

constexpr std::string_view kInternalPrefix = "*#Internal Procedure:";
constexpr const char* kIdentifierGlobal = "iGlobalApplicationIdentifier";
constexpr const char* kMainFile = "OrnilApp.mb";
constexpr const char* kFlavourFile64 = "OrnilDll64.def";
constexpr const char* kFlavourFile32 = "OrnilDll32.def";

double GlobalNumber(const MapBasicApplication& app, const char* name) {
  const mb::Value* v = app.Runtime().Global(name);
  return v ? mb::NumberOf(*v) : 0;
}

}  // namespace

Companion::Companion(MapInfoHost& host, std::string programPath)
    : host_(host), programPath_(std::move(programPath)) {}

Companion::~Companion() = default;

std::string Companion::Directory() const {
  const auto slash = programPath_.find_last_of('\\');
  return slash == std::string::npos ? std::string() : programPath_.substr(0, slash + 1);
}

void Companion::Attach(DdeNetwork& network, SimAtoms& atoms, SimFileSystem& files,
                       platform::WindowManager& desktop, Flavour flavour) {
  AddLibraryExports(natives_);
  AddWindowsFunctions(natives_, desktop);
  mb::SourceReader folders = mb::FolderReader({ORNIL_COMPANION_DIR, ORNIL_MAPBASIC_DEFS_DIR});
  const bool bits32 = flavour == Flavour::Bits32;
  mb::SourceReader read = [folders, bits32](const std::string& name) {
    const bool flavourLine = mb::EqualNoCase(name, kFlavourFile64);
    return folders(bits32 && flavourLine ? kFlavourFile32 : name);
  };
  auto exists = [this, &files](const std::string& path) {
    for (const auto& f : this->files) {
      if (mb::EqualNoCase(f, path)) return true;
    }
    return files.FileExists(path);
  };
  app_ = std::make_unique<MapBasicApplication>(
      host_, natives_, programPath_, MapBasicApplication::Source{kMainFile, read}, exists);
  app_->Attach(network, atoms, files);
}

Companion::Handles Companion::Start() {
  app_->Run();
  Handles h;
  h.identifier = static_cast<std::int32_t>(GlobalNumber(*app_, "iApplicationIdentifier"));
  h.applicationConv = static_cast<std::uintptr_t>(GlobalNumber(*app_, "hApplicationConv"));
  h.instance = static_cast<std::uint32_t>(GlobalNumber(*app_, "iDdeInstance"));
  h.mapInfoConv = static_cast<std::uintptr_t>(GlobalNumber(*app_, "hMapInfoConv"));
  return h;
}

void Companion::Stop() {
  app_->End();
}

bool Companion::Choose(const std::string& item) {
  return app_->ChooseMenuItem(kMenu, item);
}

bool Companion::ClickInfoTool(int mapWindow, double x, double y) {
  return app_->UseTool("ShowObjectInfo", mapWindow, x, y);
}

std::int32_t Companion::GlobalApplicationId() const {
  return static_cast<std::int32_t>(GlobalNumber(*app_, kIdentifierGlobal));
}

void Companion::SetGlobalApplicationId(std::int32_t id) {
  app_->Runtime().SetGlobal(kIdentifierGlobal, mb::Value::Integer(id));
}

std::vector<Companion::StatementRun> Companion::Statements() const {
  std::vector<StatementRun> runs;
  for (const auto& c : app_->Runtime().Commands())
    runs.push_back({c.statement, c.ok, c.error});
  return runs;
}

std::vector<std::string> Companion::ShownErrors() const {
  return app_->Runtime().Notes();
}

std::vector<std::string> Companion::InternalProcedures() const {
  std::vector<std::string> names;
  for (const auto& m : app_->Messages()) {
    if (m.starts_with(kInternalPrefix)) names.push_back(m.substr(kInternalPrefix.size()));
  }
  return names;
}

bool Companion::MenuItemEnabled(const std::string& item) const {
  const mb::MenuItemState* found = app_->Runtime().Ui().FindItem(kMenu, item);
  return found != nullptr && found->enabled;
}

bool Companion::OffersValueCreation() const {
  return MenuItemEnabled("Создать значение"_cp);
}

bool Companion::OffersValueUpdating() const {
  return MenuItemEnabled("Изменить значение"_cp);
}

}  // namespace ornil::sim
