// A program's life in the host: start, events, DDE, clicks and end.
#include "sim/mapinfo/application.h"

#include <map>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/program.h"

namespace ornil::sim {

namespace {

constexpr int kCommandMessage = 1000;  // CMD_INFO_MSG
constexpr int kMenuItem = 8;           // CMD_INFO_MENUITEM
constexpr int kToolButton = 7;         // CMD_INFO_TOOLBTN

// Procedures whose presence keeps a program in memory after Main.
constexpr const char* kSleepingHandlers[] = {
    "RemoteMsgHandler", "RemoteQueryHandler",     "SelChangedHandler",          "WinChangedHandler",
    "WinClosedHandler", "WinFocusChangedHandler", "ForegroundTaskSwitchHandler"};

bool SameValue(const mb::Value& a, const mb::Value& b) {
  return a.type == b.type && a.number == b.number && a.text == b.text;
}

}  // namespace

MapBasicApplication::MapBasicApplication(MapInfoHost& host, const mb::NativeLibraries& natives,
                                         std::string programPath, const Source& source,
                                         std::function<bool(const std::string&)> fileExists)
    : host_(host), path_(std::move(programPath)) {
  mb::Program program = mb::ParseProgram(mb::LoadProgramText(source.mainFile, source.read));
  runtime_ = std::make_unique<mb::ProgramRuntime>(
      std::move(program), host, natives,
      mb::ProgramRuntime::Environment{Directory(), std::move(fileExists)});
  listener_ = host_.AddEventListener([this](const mb::HostEvent& e) { OnEvent(e); });
}

MapBasicApplication::~MapBasicApplication() {
  host_.RemoveEventListener(listener_);
}

std::string MapBasicApplication::Directory() const {
  const auto slash = path_.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path_.substr(0, slash + 1);
}

void MapBasicApplication::Attach(DdeNetwork& network, SimAtoms& atoms, SimFileSystem& files) {
  network_ = &network;
  atoms_ = &atoms;
  atom_ = atoms.Add(path_);
  files.AddDirectory(Directory());
  server_ = network.AddServer("MapInfo", path_, this);
}

template <class F>
void MapBasicApplication::Guarded(F run) {
  try {
    run();
  } catch (const mb::ProgramEnding&) {
    if (runtime_->Busy()) {
      runtime_->Stop(std::nullopt);
    } else {
      Finish(true);
    }
  } catch (const mb::ProgramHalted& h) {
    if (runtime_->Busy()) {
      runtime_->Stop(h.message);
    } else {
      halted_ = h.message;
      Finish(false);
    }
  } catch (const std::exception& e) {
    if (runtime_->Busy()) {
      runtime_->Stop(std::string(e.what()));
    } else {
      halted_ = e.what();
      Finish(false);
    }
  }
}

bool MapBasicApplication::Sleeps() const {
  for (const char* name : kSleepingHandlers) {
    if (runtime_->Defines(name)) return true;
  }
  const auto& ui = runtime_->Ui();
  return !ui.Menus().empty() || !ui.ButtonPads().empty();
}

void MapBasicApplication::Run() {
  if (state_ != State::Loaded) return;
  state_ = State::Running;
  Guarded([&] { runtime_->RunProcedure("Main"); });
  if (state_ == State::Running && !Sleeps()) Finish(true);
}

void MapBasicApplication::End() {
  if (state_ == State::Running) Finish(true);
}

void MapBasicApplication::Finish(bool runEndHandler) {
  if (state_ == State::Ended) return;
  state_ = State::Ended;
  runtime_->ClearStop();
  if (runEndHandler && runtime_->Defines("EndHandler")) {
    try {
      runtime_->RunProcedure("EndHandler");
    } catch (const mb::ProgramEnding&) {
    } catch (const mb::ProgramHalted& h) {
      halted_ = h.message;
    } catch (const std::exception& e) {
      halted_ = e.what();
    }
  }
  runtime_->Ui().Clear();
  if (network_ != nullptr) network_->RemoveServer(server_);
  if (atoms_ != nullptr) atoms_->Delete(atom_);
  host_.RemoveEventListener(listener_);
  listener_ = 0;
}

void MapBasicApplication::RunHandler(const char* name) {
  if (state_ != State::Running || !runtime_->Defines(name) || !runtime_->HandlerOn(name)) return;
  Guarded([&] { runtime_->RunProcedure(name); });
}

void MapBasicApplication::OnEvent(const mb::HostEvent& event) {
  switch (event.kind) {
    case mb::HostEvent::Kind::SelectionChanged:
      RunHandler("SelChangedHandler");
      break;
    case mb::HostEvent::Kind::WindowChanged:
      RunHandler("WinChangedHandler");
      break;
    case mb::HostEvent::Kind::WindowClosed:
      RunHandler("WinClosedHandler");
      break;
  }
}

bool MapBasicApplication::Execute(const std::string& message) {
  if (state_ != State::Running || !runtime_->Defines("RemoteMsgHandler")) return false;
  messages_.push_back(message);
  host_.Workspace().commandInfo[kCommandMessage] = mb::Value::Text(message);
  Guarded([&] { runtime_->RunProcedure("RemoteMsgHandler"); });
  return true;
}

std::optional<std::string> MapBasicApplication::Request(const std::string& item) {
  if (state_ != State::Running) return std::nullopt;
  if (const mb::Value* global = runtime_->Global(item)) return mb::ToText(*global);
  if (!runtime_->Defines("RemoteQueryHandler")) return std::nullopt;
  host_.Workspace().commandInfo[kCommandMessage] = mb::Value::Text(item);
  std::optional<std::string> answer;
  Guarded([&] { answer = mb::ToText(runtime_->CallFunction("RemoteQueryHandler")); });
  return answer;
}

bool MapBasicApplication::ChooseMenuItem(const std::string& menu, const std::string& item) {
  if (state_ != State::Running) return false;
  const mb::MenuItemState* found = runtime_->Ui().FindItem(menu, item);
  if (found == nullptr || !found->enabled || found->handler.empty() ||
      !runtime_->Ui().Reachable(menu)) {
    return false;
  }
  const std::string handler = found->handler;
  host_.Workspace().commandInfo[kMenuItem] = mb::Value::Integer(found->id);
  Guarded([&] { runtime_->RunProcedure(handler); });
  return true;
}

bool MapBasicApplication::PushButton(const std::string& handler) {
  if (state_ != State::Running) return false;
  const mb::ButtonState* b = runtime_->Ui().FindButton(handler);
  if (b == nullptr || !b->enabled || b->kind == mb::ButtonSyntax::Kind::Tool) return false;
  host_.Workspace().commandInfo[kToolButton] = mb::Value::Integer(b->id);
  Guarded([&] { runtime_->RunProcedure(handler); });
  return true;
}

bool MapBasicApplication::UseTool(const std::string& handler, int mapWindow, double x, double y) {
  if (state_ != State::Running) return false;
  const mb::ButtonState* b = runtime_->Ui().FindButton(handler);
  if (b == nullptr || !b->enabled || b->kind != mb::ButtonSyntax::Kind::Tool) return false;
  mb::Workspace& ws = host_.Workspace();
  const mb::HostWindow* w = ws.FindWindow(mapWindow);
  if (w == nullptr || w->type != mb::kMapWindow) return false;
  ws.BringToFront(mapWindow);
  // The click's coordinates answer CommandInfo only inside the tool's handler; afterwards codes 1
  // to 4 answer what the host's last event left there (a selection's row, say), unless an event
  // during the handler changed them.
  const std::map<int, mb::Value> before = ws.commandInfo;
  const std::map<int, mb::Value> click = {
      {1, mb::Value::Float(x)},  // CMD_INFO_X, CMD_INFO_Y
      {2, mb::Value::Float(y)},
      {3, mb::Value::Logical(false)},  // Shift, Ctrl
      {4, mb::Value::Logical(false)}};
  for (const auto& [code, value] : click)
    ws.commandInfo[code] = value;
  ws.commandInfo[kToolButton] = mb::Value::Integer(b->id);
  Guarded([&] { runtime_->RunProcedure(handler); });
  for (const auto& [code, value] : click) {
    auto now = ws.commandInfo.find(code);
    if (now == ws.commandInfo.end() || !SameValue(now->second, value)) continue;
    if (auto was = before.find(code); was != before.end())
      now->second = was->second;
    else
      ws.commandInfo.erase(now);
  }
  return true;
}

}  // namespace ornil::sim
