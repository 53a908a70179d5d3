// The message translation hook inside the simulated host: Tab and Esc characters kept from the
// library's controls while their keys still work, host windows untouched, mouse enter and leave
// between bordered buttons (capture, freed controls), and the failure that removes the hook.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/border_bit_btn.h"
#include "exports/modules.h"
#include "host/errors.h"
#include "integration/events_translator.h"
#include "support/sim_world.h"
#include "text/cp1251.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "unit/translator_controls.h"

namespace ornil {
namespace {

struct Translator : ::testing::Test {
  testing::SimWorld world;
  ui::Form* form = ui::Make<ui::Form>(world.application.get());
  ui::headless::Driver& user = world.user;
  std::vector<std::string> seen;

  void SetUp() override {
    form->SetBounds(100, 100, 400, 200);
    form->OnKeyPress = [this](ui::Component&, char& key) { Note("form", key); };
  }

  void Note(const std::string& who, char key) { seen.push_back(who + " " + std::to_string(key)); }

  ui::Edit* AddEdit(const std::string& name, int left) {
    return translator_test::AddEdit(*form, name, left, seen);
  }
  TBorderBitBtn* AddButton(const std::string& name, int left) {
    return translator_test::AddButton(*form, name, left, seen);
  }
};

TEST_F(Translator, IsInstalledWhileTheLibraryIsLoaded) {
  EXPECT_TRUE(EventsTranslatorInstalled());
  EXPECT_EQ(world.desktop.HookCount(platform::HookKind::GetMsg), 1u);
  UnloadLibraryModules();
  EXPECT_FALSE(EventsTranslatorInstalled());
  EXPECT_EQ(world.desktop.HookCount(platform::HookKind::GetMsg), 0u);
  LoadLibraryModules();
  EXPECT_EQ(world.desktop.HookCount(platform::HookKind::GetMsg), 1u);
}

// The keys act once: the key-down moves the focus by one control and Esc presses the cancel
// button, while neither character reaches a control or the form's key preview.
TEST_F(Translator, TabAndEscReachNoControlAsCharactersButStillWorkAsKeys) {
  form->SetKeyPreview(true);
  auto* first = AddEdit("first", 10);
  auto* second = AddEdit("second", 100);
  AddEdit("third", 200);
  auto* cancel = ui::Make<ui::Button>(form);
  cancel->SetParent(form);
  cancel->SetCancel(true);
  int cancelled = 0;
  cancel->OnClick = [&](ui::Component&) { ++cancelled; };
  form->Show();

  ASSERT_TRUE(user.TypeChar(*first, '\t'));
  EXPECT_TRUE(second->Focused()) << "one control on, not two";
  ASSERT_TRUE(user.TypeChar(*second, '\x1b'));
  EXPECT_EQ(cancelled, 1);
  ASSERT_TRUE(user.Type(*second, "a"));
  EXPECT_EQ(seen, (std::vector<std::string>{"form 97", "second 97"}));
  EXPECT_EQ(second->Text(), "a");
}

TEST_F(Translator, MessagesOfHostWindowsPassUntouched) {
  std::vector<std::uintptr_t> chars;
  const auto host = world.desktop.CreateHostWindow(
      "MapInfoFrame", "MapInfo", {0, 0, 300, 200},
      [&](platform::WindowHandle, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t) {
        if (msg == ui::wm::Char) chars.push_back(wParam);
        return std::intptr_t{0};
      });
  for (std::uintptr_t ch : {9u, 27u, 65u}) {
    platform::MessageRecord message;
    message.window = host;
    message.message = ui::wm::Char;
    message.wParam = ch;
    world.desktop.DeliverInput(message);
  }
  EXPECT_EQ(chars, (std::vector<std::uintptr_t>{9, 27, 65}));
}

TEST_F(Translator, MovingFromButtonToButtonLeavesTheFirstThenEntersTheSecond) {
  auto* one = AddButton("one", 10);
  auto* two = AddButton("two", 100);
  form->Show();
  ASSERT_TRUE(user.MoveMouseTo(*one));
  ASSERT_TRUE(user.MoveMouseTo(*one));
  ASSERT_TRUE(user.MoveMouseTo(*two));
  EXPECT_EQ(seen, (std::vector<std::string>{"enter one", "leave one", "enter two"}));
}

TEST_F(Translator, WhileAControlHoldsTheMouseOnlyItHearsOfIt) {
  auto* one = AddButton("one", 10);
  auto* two = AddButton("two", 100);
  auto* three = AddButton("three", 190);
  form->Show();
  ASSERT_TRUE(user.MoveMouseTo(*one));
  seen.clear();

  world.desktop.SetCapture(three->GetHandle());
  ASSERT_TRUE(user.MoveMouseTo(*two));
  ASSERT_TRUE(user.MoveMouseTo(*one));
  EXPECT_TRUE(seen.empty()) << seen.front();

  // The control that holds the mouse is told it was left and entered; the others are not.
  world.desktop.SetCapture(one->GetHandle());
  ASSERT_TRUE(user.MoveMouseTo(*three));
  ASSERT_TRUE(user.MoveMouseTo(*one));
  ASSERT_TRUE(user.MoveMouseTo(*two));
  EXPECT_EQ(seen, (std::vector<std::string>{"leave one", "enter one", "leave one"}));
  world.desktop.SetCapture(0);
}

TEST_F(Translator, AControlFreedUnderTheMouseHearsNothingMore) {
  auto* one = AddButton("one", 10);
  auto* two = AddButton("two", 100);
  form->Show();
  ASSERT_TRUE(user.MoveMouseTo(*one));
  one->Free();
  ASSERT_TRUE(user.MoveMouseTo(*two));
  EXPECT_EQ(seen, (std::vector<std::string>{"enter one", "enter two"}));

  // Freed by the handler of its own leave notice, the control entered next is still told.
  two->OnMouseLeave = [&](ui::Component&) {
    seen.push_back("leave two");
    two->Free();
  };
  auto* three = AddButton("three", 190);
  ASSERT_TRUE(user.MoveMouseTo(*three));
  EXPECT_EQ(seen.back(), "enter three");
}

TEST_F(Translator, AFailureIsShownOnceAndRemovesTheHook) {
  auto* one = AddButton("one", 10);
  auto* edit = AddEdit("edit", 200);
  one->OnMouseEnter = [](ui::Component&) { throw OrnilError("сбой"_cp); };
  form->Show();
  ASSERT_TRUE(user.MoveMouseTo(*one));
  EXPECT_EQ(world.ShownTexts(),
            (std::vector<std::string>{"Ошибка в функции ловушки VclEventsTranslatorHookProc. "
                                      "Ошибка в функции DoMouseIdle. сбой"}));
  EXPECT_FALSE(EventsTranslatorInstalled());
  EXPECT_EQ(world.desktop.HookCount(platform::HookKind::GetMsg), 0u);

  // From then on nothing is translated until the library is loaded again.
  ASSERT_TRUE(user.MoveMouseTo(*one));
  ASSERT_TRUE(user.TypeChar(*edit, '\x1b'));
  EXPECT_EQ(seen, (std::vector<std::string>{"edit 27"}));
  EXPECT_EQ(world.ShownTexts().size(), 1u);
}

}  // namespace
}  // namespace ornil
