#include <gtest/gtest.h>

#include <iostream>

#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "sim/data/sample_tables.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

TEST(InfoWindowDebug, Dump) {
  HostWorld w;
  const TMapInfo link = w.Link();
  ASSERT_TRUE(link.ExecuteMapBasic("Map from \"Parcels\""));
  const int map = w.host.Workspace().FrontWindowId();
  w.ClearTranscript();
  ASSERT_TRUE(w.ClickInfoTool(map, 15, 4, {300, 200}));
  for (auto& l : w.Transcript()) std::cout << text::ToUtf8(l) << "\n";
  for (auto& t : w.ShownTexts()) std::cout << "BOX: " << t << "\n";
  for (auto& t : w.host.FailedRequests()) std::cout << "FAILED: " << text::ToUtf8(t) << "\n";
  TOrnilWindow* win = AliveOrnilWindow();
  ASSERT_NE(win, nullptr);
  std::cout << "bounds " << win->Left() << "," << win->Top() << " " << win->Width() << "x" << win->Height() << "\n";
  for (auto& d : win->Fields) {
    auto* c = dynamic_cast<ui::Control*>(d.Control());
    std::cout << text::ToUtf8(d.Caption) << " type=" << int(d.ColumnType) << " value=" << text::ToUtf8(d.Value)
              << " enabled=" << d.Enabled;
    if (c) std::cout << " ctl " << c->Left() << "," << c->Top() << " " << c->Width() << "x" << c->Height() << " text=" << text::ToUtf8(c->Text());
    std::cout << "\n";
  }
  for (auto& l : w.libraryAnswers) std::cout << l << "\n";
}

}  // namespace
}  // namespace ornil::testing
