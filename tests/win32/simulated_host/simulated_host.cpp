// The simulated host for the Win32 screenshot programs.
#include "simulated_host/simulated_host.h"

#include "host/error_reporting.h"
#include "sim/data/sample_tables.h"
#include "sim/dde/dde_network.h"
#include "sim/mapinfo/mapinfo_host.h"

namespace ornil::win32test {

namespace {
constexpr const char* kCompanionTopic = "C:\\Ornil\\OrnilApp.MBX";
}  // namespace

struct SimulatedHost::Parts {
  sim::DdeNetwork dde;
  sim::MapInfoHost host;
  sim::ScriptedDdeServer companion;
};

SimulatedHost::SimulatedHost() : parts_(std::make_unique<Parts>()) {
  Parts& p = *parts_;
  p.host.Attach(p.dde);
  sim::data::AddSampleTables(p.host);
  p.companion.onExecute = [&p](const std::string& statement) {
    if (statement.starts_with("*#")) return true;
    Reporting().LastExecuteOk = p.host.Run(statement).ok;
    return true;
  };
  p.dde.AddServer("MapInfo", kCompanionTopic, &p.companion);
  p.dde.DdeInitialize(&instance, nullptr, 0, 0);
  auto connect = [&](const char* topic) {
    const platform::Hsz service = p.dde.DdeCreateStringHandle(instance, "MapInfo", 1004);
    const platform::Hsz name = p.dde.DdeCreateStringHandle(instance, topic, 1004);
    return p.dde.DdeQueryNextServer(p.dde.DdeConnectList(instance, service, name, 0, nullptr), 0);
  };
  mapInfoConv = connect("System");
  companionConv = connect(kCompanionTopic);
}

SimulatedHost::~SimulatedHost() = default;

platform::Ddeml& SimulatedHost::Ddeml() {
  return parts_->dde;
}

TMapInfo SimulatedHost::Link() const {
  TMapInfo link;
  link.SetConversations(mapInfoConv, companionConv, instance);
  return link;
}

int SimulatedHost::FrontWindowId() {
  return parts_->host.Workspace().FrontWindowId();
}

}  // namespace ornil::win32test
