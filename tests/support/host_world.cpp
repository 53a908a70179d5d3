// Building the host, the companion and the sample tables into a simulated world.
#include "support/host_world.h"

#include "sim/data/sample_tables.h"

namespace ornil::testing {

HostWorld::HostWorld(Options options) {
  host.Attach(dde);
  companion.Attach(dde, atoms, files);
  if (options.sampleTables) sim::data::AddSampleTables(host);
  if (options.registerLibrary) {
    Register();
    ClearTranscript();
  }
}

void HostWorld::Register(const sim::Companion::StartOptions& options) {
  handles = companion.Start(options);
}

TMapInfo HostWorld::Link() const {
  TMapInfo link;
  link.SetConversations(handles.mapInfoConv, handles.applicationConv, handles.instance);
  return link;
}

}  // namespace ornil::testing
