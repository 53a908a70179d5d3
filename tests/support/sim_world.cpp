// Building and tearing down a simulated world around the library.
#include "support/sim_world.h"

#include "exports/modules.h"
#include "host/error_reporting.h"
#include "host/mapbasic_link.h"
#include "platform/seams.h"
#include "text/cp1251.h"

namespace ornil::testing {

SimWorld::SimWorld() {
  platform::Install({&dde, &atoms, &files, &desktop, &clock, &dialogs, &desktop, &desktop, &locale});
  // The partner's answer to a disconnect waits in the queue until someone handles it; DDEML's
  // own window takes it, so it stands here as a thread message.
  dde.onTerminated = [this](platform::HConv conv) { desktop.Post(0, kWmDdeTerminate, conv, 0); };
  application = std::make_unique<ui::Application>(backend);
  Reporting() = {};
  KeptTempName().clear();
  LoadLibraryModules();
}

SimWorld::~SimWorld() {
  UnloadLibraryModules();
  application.reset();
  platform::Install({});
}

std::vector<std::string> SimWorld::ShownTexts() {
  std::vector<std::string> texts;
  for (const auto& box : dialogs.Shown())
    texts.push_back(text::ToUtf8(box.text));
  return texts;
}

}  // namespace ornil::testing
