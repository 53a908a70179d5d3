// The toolkit's Win32 backend under Wine when windows go: a form released inside the modal loop of
// a message box its own button showed waits for the button's handler; windows the system destroys
// with their owner are forgotten, with their menu; a freed control leaves its form's tooltip; a
// menu is destroyed once, whether its form or it goes first.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "win32/support/message_box_answerer.h"
#include "win32/support/ui_fixture.h"

namespace ornil::ui {
namespace {

struct Win32Lifetime : Win32Ui {
  std::vector<std::string> events;
  Form* form = Make<Form>(&app);

  void SetUp() override {
    Win32Ui::SetUp();
    form->SetBounds(60, 60, 300, 200);
    form->OnDestroy = [this](Component&) { events.push_back("destroyed"); };
  }
  // The application frees what is left after the fixture's own members are gone.
  ~Win32Lifetime() override {
    for (Form* f : app.Forms())
      f->OnDestroy = nullptr;
  }
  template <class T>
  T* Add(int top) {
    auto* c = Make<T>(form);
    c->SetParent(form);
    c->SetBounds(10, top, 120, 24);
    return c;
  }
};

// The tooltip the toolkit made for a form: a window of the tooltip class it owns.
HWND TooltipOf(HWND form) {
  struct Search {
    HWND owner;
    HWND found = nullptr;
  } search{form};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM l) -> BOOL {
        auto* s = reinterpret_cast<Search*>(l);
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != s->owner)
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(Win32Lifetime, AReleaseThatAMessageBoxLoopRunsWaitsForTheHandlerThatShowedTheBox) {
  win32test::MessageBoxAnswerer answerer;
  form->OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
  auto* button = Add<Button>(10);
  button->SetText("Save");
  button->OnClick = [&](Component&) {
    form->Close();
    app.MessageBox("Saved", "Info", mb::Ok);
    events.push_back("after the box " + button->Text());
  };
  form->Show();
  HWND window = Hwnd(*form);
  SendMessageA(Hwnd(*button), BM_CLICK, 0, 0);
  app.ProcessMessages();
  EXPECT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(events, (std::vector<std::string>{"after the box Save", "destroyed"}));
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(Win32Lifetime, AFormFreedByItsOwnButtonGoesWhenTheHandlerReturns) {
  auto* button = Add<Button>(10);
  button->SetText("Close");
  button->OnClick = [&](Component&) {
    form->Free();
    events.push_back("handler read " + button->Text());
  };
  form->Show();
  SendMessageA(Hwnd(*button), BM_CLICK, 0, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"handler read Close", "destroyed"}));
}

TEST_F(Win32Lifetime, WindowsTheSystemDestroysWithTheirOwnerAreForgottenWithTheirMenu) {
  ForeignWindow host;
  form->SetParentWindow(host.handle());
  auto* edit = Add<Edit>(10);
  edit->SetHint("Value");
  auto* menu = Make<MainMenu>(form);
  auto* item = Make<MenuItem>(form);
  item->SetCaption("Save");
  menu->Add(item);
  form->SetMenu(menu);
  form->Show();
  const Handle window = form->GetHandle();
  const Handle editWindow = edit->GetHandle();
  const auto bar = reinterpret_cast<HMENU>(menu->NativeHandle());
  ASSERT_TRUE(IsMenu(bar));

  DestroyWindow(host.window);
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(window)));
  EXPECT_FALSE(IsMenu(bar)) << "the system freed the menu with the window";
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(app.FindControl(window), nullptr);
  EXPECT_EQ(app.FindControl(editWindow), nullptr);
  EXPECT_EQ(menu->NativeHandle(), 0u);
  form->Free();
  EXPECT_EQ(events, std::vector<std::string>{"destroyed"});
}

TEST_F(Win32Lifetime, AFreedControlLeavesItsFormsTooltip) {
  auto* first = Add<Edit>(10);
  auto* second = Add<Edit>(40);
  first->SetHint("First");
  second->SetHint("Second");
  form->Show();
  HWND tooltip = TooltipOf(Hwnd(*form));
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
  first->Free();
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  second->SetHint("");
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(Win32Lifetime, AMenuIsDestroyedOnceWhicheverOfItAndItsFormGoesFirst) {
  auto* kept = Make<MainMenu>(&app);
  auto* item = Make<MenuItem>(kept);
  item->SetCaption("Save");
  kept->Add(item);
  form->SetMenu(kept);
  form->Show();
  const auto bar = reinterpret_cast<HMENU>(kept->NativeHandle());
  ASSERT_TRUE(IsMenu(bar));
  form->Free();
  EXPECT_FALSE(IsMenu(bar)) << "its window freed it";
  EXPECT_EQ(kept->NativeHandle(), 0u) << "and the menu knows";
  kept->Free();
}

}  // namespace
}  // namespace ornil::ui
