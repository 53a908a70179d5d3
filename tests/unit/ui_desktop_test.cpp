// The simulated desktop under the window-manager and hook seams, and how the toolkit's windows
// live on it: hooks that see enabling, windows taken over and given back, input that hooks may
// blank, message boxes, failures that reach a window procedure, painting after the default, and
// where it behaves as Windows for the system to see: parents and owners, the focus of hidden and
// disabled windows, the one message queue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/dde_connection.h"
#include "platform/seams.h"
#include "support/sim_world.h"
#include "text/cp1251.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"

namespace ornil::ui {
namespace {

using platform::CallWndProcRecord;
using platform::HookKind;
using platform::MessageRecord;

struct Desktop : ::testing::Test {
  testing::SimWorld world;
  platform::WindowManager& windows = *platform::Current().windows;
  platform::Hooks& hooks = *platform::Current().hooks;
  Handle host =
      world.desktop.CreateHostWindow("MapInfo", "MapInfo Professional", {0, 0, 1024, 768});
};

TEST_F(Desktop, AHookThatDisablesTheHostAgainKeepsItDisabled) {
  windows.EnableWindow(host, false);
  platform::ScopedHook hook;
  int enables = 0;
  hook.Install(
      hooks, HookKind::CallWndProc,
      [&](int code, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
        const auto* r = reinterpret_cast<const CallWndProcRecord*>(l);
        if (code >= 0 && r->message == wm::Enable && r->wParam != 0 && r->window == host) {
          ++enables;
          windows.EnableWindow(host, false);
          hook.Reset();  // removes itself, as the setup window's hook does
          return 0;
        }
        return hooks.CallNextHook(hook.Handle(), code, w, l);
      },
      windows.CurrentThreadId());
  EXPECT_TRUE(windows.EnableWindow(host, true)) << "it was disabled";
  EXPECT_FALSE(windows.IsWindowEnabled(host));
  EXPECT_EQ(enables, 1);
  EXPECT_EQ(world.desktop.HookCount(HookKind::CallWndProc), 0u);
  windows.EnableWindow(host, true);
  EXPECT_TRUE(windows.IsWindowEnabled(host));
}

TEST_F(Desktop, HooksChainNewestFirstAndSeeSentMessagesOnly) {
  std::vector<std::string> seen;
  platform::ScopedHook older, newer;
  older.Install(
      hooks, HookKind::CallWndProc,
      [&](int c, std::uintptr_t w, std::intptr_t l) {
        seen.push_back("older");
        return hooks.CallNextHook(older.Handle(), c, w, l);
      },
      0);
  newer.Install(
      hooks, HookKind::CallWndProc,
      [&](int c, std::uintptr_t w, std::intptr_t l) {
        seen.push_back("newer");
        return hooks.CallNextHook(newer.Handle(), c, w, l);
      },
      0);
  windows.Send(host, wm::User, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"newer", "older"}));
  seen.clear();
  windows.Post(host, wm::User, 0, 0);
  world.application->ProcessMessages();
  EXPECT_TRUE(seen.empty()) << "posted messages are retrieved, not sent";
  newer.Reset();
  older.Reset();
  EXPECT_EQ(world.desktop.HookCount(HookKind::CallWndProc), 0u);
}

TEST_F(Desktop, ATakenOverWindowProcedureSeesEveryMessageAndIsGivenBack) {
  std::vector<std::uint32_t> seen;
  auto takeover =
      windows.Subclass(host, [&](Handle h, std::uint32_t m, std::uintptr_t w, std::intptr_t l,
                                 const platform::WindowProcedure& previous) {
        seen.push_back(m);
        if (m == wm::SetText) return previous(h, m, w, reinterpret_cast<std::intptr_t>("Values"));
        return previous(h, m, w, l);
      });
  windows.Send(host, wm::SetText, 0, reinterpret_cast<std::intptr_t>("Browser"));
  EXPECT_EQ(windows.WindowText(host), "Values");
  EXPECT_EQ(seen.front(), wm::SetText);
  takeover.reset();
  seen.clear();
  windows.Send(host, wm::SetText, 0, reinterpret_cast<std::intptr_t>("Browser"));
  EXPECT_EQ(windows.WindowText(host), "Browser");
  EXPECT_TRUE(seen.empty());
}

TEST_F(Desktop, TakeOversGivenBackOutOfOrderStillPassMessagesOn) {
  std::vector<std::string> seen;
  auto first = windows.Subclass(host, [&](Handle h, std::uint32_t m, std::uintptr_t w,
                                          std::intptr_t l, const platform::WindowProcedure& p) {
    if (m == wm::User) seen.push_back("first");
    return p(h, m, w, l);
  });
  auto second = windows.Subclass(host, [&](Handle h, std::uint32_t m, std::uintptr_t w,
                                           std::intptr_t l, const platform::WindowProcedure& p) {
    if (m == wm::User) seen.push_back("second");
    return p(h, m, w, l);
  });
  first.reset();
  windows.Send(host, wm::User, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"second"}));
  second.reset();
  // A take-over outliving its window does no harm.
  auto late =
      windows.Subclass(host, [](Handle h, std::uint32_t m, std::uintptr_t w, std::intptr_t l,
                                const platform::WindowProcedure& p) { return p(h, m, w, l); });
  windows.Send(host, wm::Close, 0, 0);
  EXPECT_FALSE(windows.IsWindow(host));
  late.reset();
}

TEST_F(Desktop, GetMessageHooksMayBlankInputBeforeItIsDispatched) {
  auto* form = Make<Form>(world.application.get());
  auto* edit = Make<Edit>(form);
  edit->SetParent(form);
  form->Show();
  platform::ScopedHook hook;
  hook.Install(
      hooks, HookKind::GetMsg,
      [&](int code, std::uintptr_t w, std::intptr_t l) {
        auto* msg = reinterpret_cast<MessageRecord*>(l);
        if (code >= 0 && msg->message == wm::Char && msg->wParam == '\t') *msg = MessageRecord{};
        return hooks.CallNextHook(hook.Handle(), code, w, l);
      },
      windows.CurrentThreadId());
  world.user.Type(*edit, "a\tb");
  EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(Desktop, DisabledWindowsAreEnabledAgainWhenTheListGoes) {
  auto* form = Make<Form>(world.application.get());
  form->Show();
  auto* parked = Make<Edit>(form);  // no parent yet: not a window of the thread's own
  parked->SetText("waiting");
  const Handle other = world.desktop.CreateHostWindow("Other", "", {0, 0, 10, 10});
  windows.EnableWindow(other, false);
  {
    platform::DisabledWindows disabled;
    disabled.DisableThreadWindowsExcept(windows, form->GetHandle());
    EXPECT_EQ(disabled.List(), std::vector<Handle>{host});
    EXPECT_FALSE(windows.IsWindowEnabled(host));
    EXPECT_TRUE(windows.IsWindowEnabled(form->GetHandle()));
    EXPECT_TRUE(windows.IsWindowEnabled(parked->GetHandle()));
  }
  EXPECT_TRUE(windows.IsWindowEnabled(host));
  EXPECT_FALSE(windows.IsWindowEnabled(other)) << "only the windows it disabled";
}

TEST_F(Desktop, TaskModalBoxIsRecordedAnsweredAndReEnablesThroughTheHooks) {
  auto* form = Make<Form>(world.application.get());
  form->Show();
  int enables = 0;
  platform::ScopedHook hook;
  hook.Install(
      hooks, HookKind::CallWndProc,
      [&](int code, std::uintptr_t w, std::intptr_t l) {
        const auto* r = reinterpret_cast<const CallWndProcRecord*>(l);
        if (r->message == wm::Enable && r->wParam != 0 && r->window == host) ++enables;
        return hooks.CallNextHook(hook.Handle(), code, w, l);
      },
      0);
  world.user.AnswerMessageBox(id::No);
  const int answer =
      world.application->MessageBox("Сохранить изменения?"_cp, "Сохранение изменений"_cp,
                                    mb::YesNoCancel | mb::IconQuestion | mb::TaskModal);
  EXPECT_EQ(answer, id::No);
  ASSERT_EQ(world.dialogs.Shown().size(), 1u);
  EXPECT_EQ(world.dialogs.Shown()[0].caption, std::string("Сохранение изменений"_cp));
  EXPECT_EQ(world.dialogs.Shown()[0].flags, 0x2023u);
  EXPECT_EQ(enables, 1) << "the host was disabled for the box and enabled after it";
  EXPECT_TRUE(windows.IsWindowEnabled(form->GetHandle()));
  world.dialogs.Answer(id::Yes);
  EXPECT_EQ(world.application->MessageBox("x", "y", mb::YesNo), id::Yes);
  EXPECT_EQ(enables, 1) << "a box that is not task-modal leaves the windows alone";
}

class Throwing : public Edit {
 public:
  using Edit::Edit;

 protected:
  void KeyPress(char&) override { throw std::runtime_error("Сбой"_cp); }
};

TEST_F(Desktop, AFailureInAWindowProcedureEndsInTheErrorBox) {
  auto* form = Make<Form>(world.application.get());
  auto* edit = Make<Throwing>(form);
  edit->SetParent(form);
  form->Show();
  world.user.TypeChar(*edit, 'a');
  ASSERT_EQ(world.ShownTexts(), (std::vector<std::string>{"Сбой"}));
  EXPECT_EQ(world.dialogs.Shown()[0].caption, std::string("Ошибка"_cp));
  EXPECT_EQ(world.dialogs.Shown()[0].flags, 0x2010u);
  std::string handled;
  world.application->OnException = [&](std::exception_ptr e) {
    try {
      std::rethrow_exception(e);
    } catch (const std::exception& x) {
      handled = x.what();
    }
  };
  world.user.TypeChar(*edit, 'b');
  EXPECT_EQ(handled, std::string("Сбой"_cp));
  EXPECT_EQ(world.dialogs.Shown().size(), 1u);
}

TEST_F(Desktop, WindowManagerCallsOnRawHandles) {
  EXPECT_TRUE(windows.LockWindowUpdate(host));
  EXPECT_EQ(world.desktop.LockedWindow(), host);
  const Handle other = world.desktop.CreateHostWindow("Other", "", {0, 0, 10, 10});
  EXPECT_FALSE(windows.LockWindowUpdate(other)) << "one window at a time";
  EXPECT_TRUE(windows.LockWindowUpdate(0));
  EXPECT_EQ(world.desktop.LockedWindow(), 0u);

  EXPECT_TRUE(windows.DeleteSystemMenuItem(host, platform::kScMinimize));
  EXPECT_TRUE(windows.DeleteSystemMenuItem(host, platform::kScRestore));
  EXPECT_FALSE(windows.DeleteSystemMenuItem(host, platform::kScMinimize));
  EXPECT_EQ(world.desktop.RemovedSystemMenuItems(host),
            (std::set<std::uint32_t>{platform::kScMinimize, platform::kScRestore}));

  windows.MoveWindow(host, {10, 20, 110, 220});
  platform::ScreenRect r;
  ASSERT_TRUE(windows.GetWindowRect(host, r));
  EXPECT_EQ(r, (platform::ScreenRect{10, 20, 110, 220}));
  EXPECT_EQ(windows.SetActiveWindow(other), 0u);
  EXPECT_EQ(windows.SetActiveWindow(host), other);
  EXPECT_EQ(windows.GetActiveWindow(), host);
  EXPECT_EQ(windows.ThreadWindows().front(), host) << "the active window is on top";
  EXPECT_EQ(windows.WindowFromPoint({50, 50}), host);
  std::vector<Handle> destroyed;
  world.desktop.onWindowDestroyed = [&](Handle h) { destroyed.push_back(h); };
  windows.Send(other, wm::Close, 0, 0);
  EXPECT_EQ(destroyed, std::vector<Handle>{other});
}

TEST_F(Desktop, ATopLevelWindowHasItsOwnerForParentOnlyAsAPopUp) {
  auto make = [&](std::uint32_t style, Handle parent, Handle owner) {
    headless::NewWindow w;
    w.className = "Test";
    w.style = style;
    w.parent = parent;
    w.owner = owner;
    return world.desktop.CreateWindow(w);
  };
  const Handle popup = make(ws::Popup | ws::Caption, 0, host);
  const Handle overlapped = make(ws::Caption | ws::ThickFrame, 0, host);
  const Handle child = make(ws::Child, popup, 0);
  EXPECT_EQ(windows.GetParent(popup), host);
  EXPECT_EQ(windows.GetParent(overlapped), 0u) << "owned, but no pop-up";
  EXPECT_EQ(windows.GetParent(child), popup);
  EXPECT_EQ(windows.GetParent(host), 0u);
}

TEST_F(Desktop, TheFocusLeavesAWindowAsItIsHiddenOrDisabled) {
  auto* form = Make<Form>(world.application.get());
  auto* panel = Make<Panel>(form);
  panel->SetParent(form);
  auto* edit = Make<Edit>(form);
  edit->SetParent(panel);
  int exits = 0;
  edit->OnExit = [&](Component&) { ++exits; };
  form->Show();
  world.user.Focus(*edit);
  edit->Hide();
  EXPECT_EQ(world.desktop.GetFocus(), panel->GetHandle()) << "to the parent";
  EXPECT_EQ(exits, 1);
  edit->Show();
  world.user.Focus(*edit);
  panel->Hide();
  EXPECT_EQ(world.desktop.GetFocus(), form->GetHandle()) << "out of the hidden parent";
  panel->Show();
  world.user.Focus(*edit);
  edit->SetEnabled(false);
  EXPECT_EQ(world.desktop.GetFocus(), 0u) << "a disabled window keeps no focus";
  EXPECT_EQ(exits, 3);
  EXPECT_EQ(windows.GetActiveWindow(), form->GetHandle());
}

TEST_F(Desktop, OneQueueServesTheToolkitTheHostAndAMessageBoxLoop) {
  auto* form = Make<Form>(world.application.get());
  bool freed = false;
  form->OnDestroy = [&](Component&) { freed = true; };
  form->Show();
  form->Release();
  DrainMessageQueue();
  EXPECT_TRUE(freed) << "the host's drain dispatches the toolkit's posted release";

  std::vector<std::string> seen;
  const Handle target = world.desktop.CreateHostWindow(
      "Target", "", {0, 0, 10, 10},
      [&](Handle, std::uint32_t msg, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        if (msg == wm::User)
          seen.push_back(windows.IsWindowEnabled(host) ? "host enabled" : "host disabled");
        return 0;
      });
  windows.Post(target, wm::User, 0, 0);
  world.application->MessageBox("Wait", "Box", mb::Ok | mb::TaskModal);
  EXPECT_EQ(seen, std::vector<std::string>{"host disabled"}) << "handled while the box was up";
  EXPECT_EQ(world.desktop.PostedCount(), 0u);
}

class Framed : public Edit {
 public:
  using Edit::Edit;

 protected:
  void WndProc(Message& m) override {
    Edit::WndProc(m);
    if (m.msg != wm::NcPaint) return;
    auto canvas = GetBackend().WindowCanvas(GetHandle());
    canvas->FrameRect(Rect::Bounds(0, 0, Width(), Height()), 0xB99D7F);
  }
};

TEST_F(Desktop, AControlPaintsOverItsFrameAfterTheDefaultHandling) {
  auto* form = Make<Form>(world.application.get());
  auto* edit = Make<Framed>(form);
  edit->SetParent(form);
  edit->SetBounds(0, 0, 100, 21);
  form->Show();
  world.backend.ClearPaintLog(edit->GetHandle());
  world.user.Paint(*edit);
  EXPECT_EQ(world.backend.PaintLog(edit->GetHandle()),
            std::vector<std::string>{"FrameRect 0,0,100,21 #B99D7F"});
}

}  // namespace
}  // namespace ornil::ui

namespace ornil::ui {
namespace {

TEST(ApplicationBoxes, TheBoundariesBoxGoesThroughTheApplicationWhileThereIsOne) {
  testing::SimWorld world;
  sim::SimDialogs fallback;
  ApplicationDialogs dialogs(&fallback);
  world.user.AnswerMessageBox(id::Retry);
  EXPECT_EQ(dialogs.ShowMessageBox("a", "b", mb::TaskModal | mb::IconError), id::Retry);
  EXPECT_EQ(world.dialogs.Shown().size(), 1u) << "shown by the application's backend";
  EXPECT_TRUE(fallback.Shown().empty());
  world.application.reset();
  dialogs.ShowMessageBox("c", "d", 0);
  ASSERT_EQ(fallback.Shown().size(), 1u);
  EXPECT_EQ(fallback.Shown()[0].text, "c");
}

}  // namespace
}  // namespace ornil::ui
