// The demo's session, step by step.
#include "demo/session.h"

#include <cstdio>

#include "sim/data/sample_tables.h"
#include "text/cp1251.h"

namespace ornil::demo {

namespace {

class Session {
 public:
  Session(DemoHost& host, HostScreen& screen, Stage& stage)
      : host_(host), screen_(screen), stage_(stage) {}

  Summary Play();

 private:
  void Show(const char* name, const std::string& title, platform::WindowHandle window) {
    screen_.Refresh();
    ++summary_.steps;
    char numbered[64];
    std::snprintf(numbered, sizeof numbered, "%02d_%s", summary_.steps, name);
    stage_.Show(summary_.steps, numbered, title, window);
  }
  bool Check(bool ok, const std::string& what) {
    if (!ok) summary_.failures.push_back(what);
    return ok;
  }
  bool Choose(const char* item) {
    return Check(host_.companion.Choose(item),
                 "the companion's menu item «" + text::ToUtf8(item) + "» cannot be chosen");
  }
  void CountStatements();

  DemoHost& host_;
  HostScreen& screen_;
  Stage& stage_;
  Summary summary_;
};

Summary Session::Play() {
  sim::MapInfoHost& mapInfo = host_.host;
  std::string mapStatement = "Map from \"Parcels\", \"";
  mapStatement += sim::data::kDistricts;
  mapStatement += "\"";
  Check(mapInfo.Run(mapStatement).ok, "the parcels map does not open");
  const int map = mapInfo.Workspace().FrontWindowId();
  host_.companion.Start();
  if (!host_.companion.Program().Running()) {
    std::string why = host_.companion.Program().HaltMessage();
    for (const auto& note : host_.companion.ShownErrors())
      why += " " + note;
    Check(false, "the companion program did not start: " + text::ToUtf8(why));
    return summary_;
  }
  Show("mapinfo", "MapInfo с картой участков; программа Ornil загружена, её меню и панель",
       screen_.MainWindow());
  (void)map;

  Choose("Выход"_cp);
  Check(host_.companion.Program().Ended(), "the companion program did not end");
  Show("exit", "Ornil выгружена: меню и окна библиотеки закрыты", screen_.MainWindow());
  CountStatements();
  return summary_;
}

void Session::CountStatements() {
  for (const auto& run : host_.companion.Statements()) {
    if (!run.ok) continue;
    if (run.statement.starts_with("Update ")) ++summary_.rowsSaved;
    if (run.statement.starts_with("Insert Into ")) ++summary_.valuesCreated;
  }
}

}  // namespace

std::string Summary::Line() const {
  std::string line = std::to_string(steps) + " steps, " + std::to_string(rowsSaved) +
                     " rows saved, " + std::to_string(valuesCreated) + " values created";
  line += failures.empty() ? ", no failures" : ", " + std::to_string(failures.size()) + " failed";
  return line;
}

Summary PlaySession(DemoHost& host, HostScreen& screen, Stage& stage) {
  return Session(host, screen, stage).Play();
}

}  // namespace ornil::demo
