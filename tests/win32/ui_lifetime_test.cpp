// The toolkit's Win32 backend under Wine when windows go: the shared lifetime script on real
// windows and a real message box's modal loop; a freed control leaves its form's tooltip; the menu
// a form's window frees is really gone.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "unit/ui_lifetime_script.h"
#include "win32/support/message_box_answerer.h"
#include "win32/support/ui_fixture.h"

namespace ornil::ui {
namespace {

struct Win32Lifetime : Win32Ui {
  Form* form = Make<Form>(&app);

  template <class T>
  T* Add(int top) {
    auto* c = Make<T>(form);
    c->SetParent(form);
    c->SetBounds(10, top, 120, 24);
    return c;
  }
};

struct TooltipSearch {
  HWND owner;
  HWND found = nullptr;
};

BOOL CALLBACK FindTooltip(HWND window, LPARAM l) {
  auto* search = reinterpret_cast<TooltipSearch*>(l);
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != search->owner)
    return TRUE;
  search->found = window;
  return FALSE;
}

// The tooltip the toolkit made for a form: a window of the tooltip class it owns.
HWND TooltipOf(HWND form) {
  TooltipSearch search{form};
  EnumThreadWindows(GetCurrentThreadId(), &FindTooltip, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(Win32Lifetime, FormsGoingInTheirOwnHandlersOrWithTheirOwnerAnswerTheSharedScript) {
  win32test::MessageBoxAnswerer answerer;
  ForeignWindow host;
  EXPECT_EQ(parity::RunLifetimeScript(app, host.handle(), [&] { DestroyWindow(host.window); }),
            parity::ExpectedLifetimeObservations());
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, "Saved");
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

TEST_F(Win32Lifetime, TheMenuAFormsWindowFreesIsGoneAndForgotten) {
  MainMenu* kept = parity::AddMenu(&app, *form);
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
