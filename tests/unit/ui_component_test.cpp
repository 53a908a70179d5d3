// Ownership in the toolkit: who frees what, in which order, and the deferred release of a form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sim_world.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"

namespace ornil::ui {
namespace {

std::vector<std::string>* g_log = nullptr;

class LoggedEdit : public Edit {
 public:
  LoggedEdit(Component* owner, std::string name) : Edit(owner), name_(std::move(name)) {}
  ~LoggedEdit() override { g_log->push_back("~" + name_); }

 private:
  std::string name_;
};

class Watcher : public Component {
 public:
  using Component::Component;
  Component* seen = nullptr;

 protected:
  void Notification(Component* c, bool removing) override {
    if (removing) seen = c;
  }
};

class LoggedForm : public Form {
 public:
  explicit LoggedForm(Component* owner) : Form(owner) {
    OnDestroy = [](Component&) { g_log->push_back("OnDestroy"); };
  }
  ~LoggedForm() override { g_log->push_back("~form"); }
};

struct OwnershipTest : ::testing::Test {
  std::vector<std::string> log;
  void SetUp() override { g_log = &log; }
  void TearDown() override { g_log = nullptr; }
};

TEST_F(OwnershipTest, OwnerFreesWhatItOwnsLastMadeFirstAfterOnDestroy) {
  testing::SimWorld world;
  auto* form = Make<LoggedForm>(world.application.get());
  Make<LoggedEdit>(form, "a");
  Make<LoggedEdit>(form, "b");
  Make<LoggedEdit>(form, "c");
  EXPECT_EQ(form->Components().size(), 3u);
  form->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"OnDestroy", "~form", "~c", "~b", "~a"}));
  EXPECT_TRUE(world.application->Forms().empty());
}

TEST_F(OwnershipTest, ParentFreesItsChildrenEvenWhenSomeoneElseOwnsThem) {
  testing::SimWorld world;
  auto* form = Make<Form>(world.application.get());
  auto* owner = Make<Label>(form);  // owns the edit, but is not its parent
  auto* edit = Make<LoggedEdit>(owner, "child");
  auto* box = Make<Form>(world.application.get());
  edit->SetParent(box);
  EXPECT_EQ(owner->Components().size(), 1u);
  const Handle window = edit->GetHandle();
  box->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"~child"}));
  EXPECT_TRUE(owner->Components().empty()) << "the owner forgets a component freed elsewhere";
  EXPECT_FALSE(world.desktop.IsWindow(window));
  form->Free();
}

TEST_F(OwnershipTest, FreeNotificationTellsTheWatcherOnce) {
  testing::SimWorld world;
  auto* form = Make<Form>(world.application.get());
  auto* edit = Make<Edit>(form);
  Watcher watcher(nullptr);
  edit->FreeNotification(&watcher);
  edit->Free();
  EXPECT_EQ(watcher.seen, edit);
  watcher.seen = nullptr;
  form->Free();
  EXPECT_EQ(watcher.seen, nullptr);
}

TEST_F(OwnershipTest, AControlDeletedThroughItsOwnedObjectBaseLeavesItsOwnerAndWindow) {
  testing::SimWorld world;
  auto* form = Make<Form>(world.application.get());
  auto* edit = Make<LoggedEdit>(form, "row");
  edit->SetParent(form);
  const Handle window = edit->GetHandle();
  TOwnedObject* held = edit;
  delete held;
  EXPECT_EQ(log, (std::vector<std::string>{"~row"}));
  EXPECT_TRUE(form->Components().empty());
  EXPECT_TRUE(form->Controls().empty());
  EXPECT_FALSE(world.desktop.IsWindow(window));
}

TEST_F(OwnershipTest, ApplicationFreesTheFormsLeftWhenItGoes) {
  testing::SimWorld world;
  Make<LoggedForm>(world.application.get());
  world.application.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"OnDestroy", "~form"}));
  EXPECT_EQ(Application::Instance(), nullptr);
}

TEST_F(OwnershipTest, CloseWithFreeActionReleasesTheFormAfterPendingMessages) {
  testing::SimWorld world;
  auto* form = Make<LoggedForm>(world.application.get());
  form->OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
  form->Show();
  const Handle window = form->GetHandle();
  form->Close();
  EXPECT_TRUE(log.empty()) << "the form is freed only once the queue is handled";
  EXPECT_TRUE(world.desktop.IsWindow(window));
  world.application->ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"OnDestroy", "~form"}));
  EXPECT_FALSE(world.desktop.IsWindow(window));
}

TEST_F(OwnershipTest, CloseActionsHideOrKeepTheForm) {
  testing::SimWorld world;
  auto* form = Make<Form>(world.application.get());
  CloseAction chosen = CloseAction::None;
  form->OnClose = [&](Form&, CloseAction& action) { action = chosen; };
  form->Show();
  EXPECT_TRUE(world.user.Close(*form));
  EXPECT_TRUE(form->Visible()) << "None keeps the form open";
  chosen = CloseAction::Hide;
  EXPECT_TRUE(world.user.Close(*form));
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(world.desktop.IsWindowVisible(form->GetHandle()));
}

TEST_F(OwnershipTest, FormsAreOwnedNativelyByTheApplicationWindow) {
  testing::SimWorld world;
  const auto host = world.desktop.CreateHostWindow("MapInfo", "MapInfo", {0, 0, 800, 600});
  world.application->SetHandle(host);
  auto* form = Make<Form>(world.application.get());
  EXPECT_EQ(world.desktop.Owner(form->GetHandle()), host);
  auto* other = Make<Form>(world.application.get());
  other->SetParentWindow(form->GetHandle());
  EXPECT_EQ(world.desktop.Owner(other->GetHandle()), form->GetHandle());
}

}  // namespace
}  // namespace ornil::ui
