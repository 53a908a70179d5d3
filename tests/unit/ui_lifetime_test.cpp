// Controls that go while their own messages run, and windows that go without the toolkit: a free
// asked for inside a handler (directly, or by a release that a message box's loop runs) waits
// until the handler returns; a window procedure may replace itself; windows the system destroys
// (the host destroying their owner) are forgotten, with the menu that went with them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sim_world.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/menu.h"

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

TEST_F(Lifetime, AFormFreedByItsOwnButtonGoesWhenTheHandlerReturns) {
  auto* button = Add<Button>();
  button->SetText("Close");
  button->OnClick = [&](Component&) {
    form->Free();
    events.push_back("handler read " + button->Text());
  };
  form->Show();
  const Handle window = form->GetHandle();
  world.user.Click(*button);
  EXPECT_EQ(events, (std::vector<std::string>{"handler read Close", "destroyed"}));
  EXPECT_FALSE(world.desktop.IsWindow(window));
  EXPECT_EQ(app.Forms().size(), 0u);
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

TEST_F(Lifetime, AReleaseThatAMessageBoxLoopRunsWaitsForTheHandlerThatShowedTheBox) {
  form->OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
  auto* button = Add<Button>();
  button->SetText("Save");
  button->OnClick = [&](Component&) {
    form->Close();
    app.MessageBox("Saved", "Info", mb::Ok);
    events.push_back("after the box " + button->Text());
  };
  form->Show();
  world.user.Click(*button);
  EXPECT_EQ(events, (std::vector<std::string>{"after the box Save", "destroyed"}));
  EXPECT_EQ(world.ShownTexts(), (std::vector<std::string>{"Saved"}));
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

TEST_F(Lifetime, WindowsTheHostDestroysAreForgottenWithTheirMenu) {
  const Handle host = world.desktop.CreateHostWindow("MapInfoFrame", "MapInfo", {0, 0, 800, 600});
  app.SetHandle(host);
  auto* edit = Add<Edit>();
  auto* menu = Make<MainMenu>(form);
  auto* item = Make<MenuItem>(form);
  item->SetCaption("Save");
  menu->Add(item);
  form->SetMenu(menu);
  form->Show();
  const Handle window = form->GetHandle();
  const Handle editWindow = edit->GetHandle();
  ASSERT_NE(menu->NativeHandle(), 0u);

  world.desktop.DestroyWindow(host);
  EXPECT_FALSE(world.desktop.IsWindow(window));
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(app.FindControl(window), nullptr);
  EXPECT_EQ(app.FindControl(editWindow), nullptr);
  EXPECT_EQ(menu->NativeHandle(), 0u) << "the menu went with its window";
  form->Free();
  EXPECT_EQ(world.backend.Misuses(), std::vector<std::string>{});
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

TEST_F(Lifetime, AMenuIsDestroyedOnceWhicheverOfItAndItsFormGoesFirst) {
  auto* owned = Make<MainMenu>(form);
  owned->Add(Make<MenuItem>(form));
  form->SetMenu(owned);
  form->Show();
  form->Free();
  EXPECT_EQ(world.backend.Misuses(), std::vector<std::string>{});

  auto* second = Make<Form>(&app);
  auto* kept = Make<MainMenu>(&app);
  kept->Add(Make<MenuItem>(kept));
  second->SetMenu(kept);
  second->Show();
  second->Free();
  EXPECT_EQ(kept->NativeHandle(), 0u) << "its window freed it";
  kept->Free();
  EXPECT_EQ(world.backend.Misuses(), std::vector<std::string>{});
}

}  // namespace
}  // namespace ornil::ui
