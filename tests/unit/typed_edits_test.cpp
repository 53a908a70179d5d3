// The typed value edits as a user types, pastes and leaves them: the shared typing scripts
// through the test driver, and what the scripts do not show (the caret, the library's separator,
// the edits' own key-press handlers, the shapes their constructors settle on).
#include <gtest/gtest.h>

#include <string>

#include "support/sim_world.h"
#include "text/number_format.h"
#include "unit/typed_edit_script.h"

namespace ornil {
namespace {

class DriverUser : public typing::User {
 public:
  explicit DriverUser(ui::headless::Driver& driver) : driver_(driver) {}
  void Type(ui::Control& control, std::string_view keys) override { driver_.Type(control, keys); }
  void Paste(ui::Control& control, std::string_view text) override { driver_.Paste(control, text); }
  void Focus(ui::Control& control) override { driver_.Focus(control); }

 private:
  ui::headless::Driver& driver_;
};

struct TypedEdits : ::testing::Test {
  testing::SimWorld world;
  ui::Form* form = ui::Make<ui::Form>(world.application.get());
  ui::headless::Driver& user = world.user;

  template <class T, class... Args>
  T* Add(Args... args) {
    auto* edit = ui::Make<T>(form, args...);
    edit->SetParent(form);
    return edit;
  }
};

TEST_F(TypedEdits, TypingScriptsLeaveTheirTexts) {
  DriverUser driver(user);
  EXPECT_EQ(typing::WrongTexts(typing::RunScripts(*form, driver)), std::vector<std::string>{});
}

TEST_F(TypedEdits, TheCaretFollowsWhatWasInserted) {
  auto* edit = Add<TOrnilFloatEdit>(-1e16, 1e16);
  form->Show();
  user.Type(*edit, ".");
  EXPECT_EQ(edit->SelStart(), 2) << "after the zero and the separator";
  user.Type(*edit, "5");
  EXPECT_EQ(edit->Text(), "0.5");
  edit->SetSelection(0, 1);
  user.Type(*edit, "3");
  EXPECT_EQ(edit->Text(), "3.5");
  EXPECT_EQ(edit->SelStart(), 1);
  edit->SetSelection(1, 3);
  user.Type(*edit, "+");
  EXPECT_EQ(edit->Text(), "3") << "the refused key took the selection with it";
  EXPECT_EQ(edit->SelStart(), 1);
}

TEST_F(TypedEdits, TheSeparatorIsTheLibrarysOwn) {
  struct SeparatorKept {
    char separator = text::DecimalSeparator();
    ~SeparatorKept() { text::SetDecimalSeparator(separator); }
  } kept;
  text::SetDecimalSeparator(',');
  auto* edit = Add<TOrnilDecimalEdit>(-1e20, 1e20, 2, 8);
  form->Show();
  user.Type(*edit, "1.5");
  EXPECT_EQ(edit->Text(), "15");
  user.Type(*edit, ",25");
  EXPECT_EQ(edit->Text(), "15,25");
  edit->SelectAll();
  user.Paste(*edit, "x3.5");
  EXPECT_EQ(edit->Text(), "35") << "a point is no separator now";
}

TEST_F(TypedEdits, KeyPressHandlersSeeTheKeysFirst) {
  auto* edit = Add<TOrnilIntEdit>(-10, 10);
  std::string seen;
  edit->OnKeyPress = [&seen](ui::Component&, char& key) {
    seen += key;
    if (key == '7') key = '8';
  };
  form->Show();
  user.Type(*edit, "a7");
  EXPECT_EQ(seen, "a7");
  EXPECT_EQ(edit->Text(), "8");
}

TEST_F(TypedEdits, ConstructorsSettleTheShape) {
  auto* reversed = Add<TOrnilIntEdit>(50, 10);
  EXPECT_EQ(reversed->Rules().MinValue, 10);
  EXPECT_EQ(reversed->Rules().MaxValue, 10);

  auto* floating = Add<TOrnilFloatEdit>(5.0, -5.0);
  EXPECT_EQ(floating->Rules().MinValue, -5.0);
  EXPECT_EQ(floating->MaxLength(), 19);
  EXPECT_EQ(floating->Rules().IntTextRules::MinValue, -2147483647 - 1);

  struct Case {
    int decimals, width, wantDecimals, wantWidth;
  };
  for (const Case c : {Case{2, -1, 2, 20}, Case{2, 0, 2, 20}, Case{2, 2, 0, 2}, Case{5, 6, 4, 6},
                       Case{-3, 10, 0, 10}, Case{18, 40, 16, 40}}) {
    auto* decimal = Add<TOrnilDecimalEdit>(-1e20, 1e20, c.decimals, c.width);
    EXPECT_EQ(decimal->Rules().Decimals, c.wantDecimals) << c.decimals << "," << c.width;
    EXPECT_EQ(decimal->Rules().Width, c.wantWidth) << c.decimals << "," << c.width;
    EXPECT_EQ(decimal->MaxLength(), c.wantWidth);
  }
}

}  // namespace
}  // namespace ornil
