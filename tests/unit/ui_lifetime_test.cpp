// Controls that go while their own messages run, and windows that go without the toolkit, on the
// headless backend: the shared lifetime script, with no menu or window destroyed twice; a free of
// what no handler is in happens at once; a window procedure may replace itself; a window class
// outlives a window the host destroys while the class is still at work.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sim_world.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "unit/ui_lifetime_script.h"

namespace ornil::ui {
namespace {

struct Lifetime : ::testing::Test {
  std::vector<std::string> events;  // outlives the world, whose end frees what is left
  testing::SimWorld world;
  Application& app = *world.application;
  Form* form = Make<Form>(&app);

  Lifetime() {
    form->OnDestroy = [this](Component&) { events.push_back("destroyed"); };
  }

  template <class T>
  T* Add() {
    auto* c = Make<T>(form);
    c->SetParent(form);
    return c;
  }
};

TEST_F(Lifetime, FormsGoingInTheirOwnHandlersOrWithTheirOwnerAnswerTheSharedScript) {
  const Handle host = world.desktop.CreateHostWindow("MapInfoFrame", "MapInfo", {0, 0, 800, 600});
  EXPECT_EQ(parity::RunLifetimeScript(app, host, [&] { world.desktop.DestroyWindow(host); }),
            parity::ExpectedLifetimeObservations());
  EXPECT_EQ(world.ShownTexts(), std::vector<std::string>{"Saved"});
  EXPECT_EQ(world.backend.Misuses(), std::vector<std::string>{}) << "no menu or window twice";
}

TEST_F(Lifetime, AFreeOfWhatNoHandlerIsInHappensAtOnce) {
  auto* other = Make<Form>(&app);
  other->OnDestroy = [&](Component&) { events.push_back("other destroyed"); };
  auto* button = Add<Button>();
  button->OnClick = [&](Component&) {
    other->Free();
    events.push_back("handler goes on");
  };
  form->Show();
  world.user.Click(*button);
  EXPECT_EQ(events, (std::vector<std::string>{"other destroyed", "handler goes on"}));
  EXPECT_EQ(app.Forms(), (std::vector<Form*>{form}));
}

TEST_F(Lifetime, AWindowProcedureThatPutsBackTheOldOneFinishesOnItsCopy) {
  auto* edit = Add<Edit>();
  const auto kept = edit->WindowProc;
  // Long enough to live on the heap with the procedure that holds it.
  const std::string note(80, 'n');
  std::string seen;
  edit->WindowProc = [edit, kept, note, &seen](Message& m) {
    if (m.msg != wm::User) {
      kept(m);
      return;
    }
    edit->WindowProc = kept;
    seen = note;
  };
  world.backend.SendMessage(edit->GetHandle(), wm::User, 0, 0);
  EXPECT_EQ(seen, std::string(80, 'n'));
  edit->Perform(wm::User);
  EXPECT_EQ(seen, std::string(80, 'n'));
}

TEST_F(Lifetime, AWindowTheHostDestroysWhileItsListIsPickedFromIsKeptUntilThePickEnds) {
  const Handle host = world.desktop.CreateHostWindow("MapInfoFrame", "MapInfo", {0, 0, 800, 600});
  app.SetHandle(host);
  auto* combo = Add<ComboBox>();
  combo->AddItem("one");
  combo->AddItem("two");
  combo->OnSelect = [&](Component&) { world.desktop.DestroyWindow(host); };
  form->Show();
  EXPECT_TRUE(world.user.SelectItem(*combo, 1));
  EXPECT_FALSE(combo->HandleAllocated());
}

}  // namespace
}  // namespace ornil::ui
