// The headless backend tells controls what the real windows tell them (the shared notices
// script), and an exit handler may send the focus on.
#include <gtest/gtest.h>

#include "support/sim_world.h"
#include "unit/ui_notices_script.h"

namespace ornil::ui {
namespace {

TEST(Notices, HeadlessBackendGivesTheNoticesOfTheRealWindows) {
  testing::SimWorld world;
  EXPECT_EQ(notices::RunScript(*world.application), notices::ExpectedObservations());
}

TEST(Notices, AnExitHandlerMaySendTheFocusOn) {
  testing::SimWorld world;
  auto* form = Make<Form>(world.application.get());
  std::vector<Edit*> edits;
  std::vector<std::string> seen;
  for (const char* name : {"a", "b", "c"}) {
    auto* edit = Make<Edit>(form);
    edit->SetParent(form);
    edit->OnEnter = [&seen, name](Component&) { seen.push_back(std::string("enter ") + name); };
    edit->OnExit = [&seen, name](Component&) { seen.push_back(std::string("exit ") + name); };
    edits.push_back(edit);
  }
  form->Show();
  world.user.Focus(*edits[0]);
  edits[0]->OnExit = [&](Component&) {
    seen.push_back("exit a, on to c");
    edits[2]->SetFocus();
  };
  world.user.Focus(*edits[1]);
  EXPECT_TRUE(edits[2]->Focused());
  EXPECT_EQ(seen, (std::vector<std::string>{"enter a", "exit a, on to c", "enter c"}))
      << "b, passed over, neither enters nor exits";
}

}  // namespace
}  // namespace ornil::ui
