// The ownership rules of a row's control: destroyed exactly once, never by a copy.
#include <gtest/gtest.h>

#include "settings/view_line.h"
#include "ui/owned_object.h"

namespace ornil {
namespace {

class CountedControl : public ui::TOwnedObject {
 public:
  explicit CountedControl(int& destroyed) : destroyed_(destroyed) {}
  ~CountedControl() override { ++destroyed_; }

 private:
  int& destroyed_;
};

TEST(TViewLine, AFreshDescriptorIsAnEditableRowThatWouldOwnItsControl) {
  const TViewLine d;
  EXPECT_EQ(d.FieldType, Editable);
  EXPECT_TRUE(d.Caption.empty() && d.Column.empty() && d.Expression.empty() && d.Values.empty());
  EXPECT_FALSE(d.Enabled);
  EXPECT_TRUE(d.OwnsControl);
  EXPECT_EQ(d.Control(), nullptr);
}

TEST(TViewLine, ClearEmptiesEverythingAndDestroysTheOwnedControlOnce) {
  int destroyed = 0;
  TViewLine d;
  d.Caption = "c";
  d.FieldType = StaticList;
  d.Values = {{"a", "1"}};
  d.ColumnWidth = 10;
  d.SetControl(new CountedControl(destroyed), true);
  d.Clear();
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(d.Control(), nullptr);
  EXPECT_EQ(d.Settings(), TViewLineSettings{});
  EXPECT_TRUE(d.OwnsControl);
  d.Clear();
  EXPECT_EQ(destroyed, 1);
}

TEST(TViewLine, CopiesReferToTheControlWithoutOwningIt) {
  int destroyed = 0;
  auto* control = new CountedControl(destroyed);
  {
    TViewLine owner;
    owner.Caption = "x";
    owner.SetControl(control, true);
    {
      TViewLine copy(owner);
      EXPECT_EQ(copy.Control(), control);
      EXPECT_FALSE(copy.OwnsControl);
      EXPECT_EQ(copy.Settings(), owner.Settings());
      TViewLine copyOfCopy;
      copyOfCopy = copy;
      EXPECT_FALSE(copyOfCopy.OwnsControl);
    }
    EXPECT_EQ(destroyed, 0);
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(TViewLine, AssignmentDestroysTheTargetsOwnControlFirst) {
  int sourceDestroyed = 0, targetDestroyed = 0;
  TViewLine source, target;
  source.SetControl(new CountedControl(sourceDestroyed), true);
  target.SetControl(new CountedControl(targetDestroyed), true);
  target = source;
  EXPECT_EQ(targetDestroyed, 1);
  EXPECT_EQ(target.Control(), source.Control());
  EXPECT_FALSE(target.OwnsControl);
  const TViewLine& itself = target;
  target = itself;
  EXPECT_EQ(sourceDestroyed, 0);
}

TEST(TViewLine, ListsThatGrowKeepEachControlAliveAndDestroyItOnce) {
  int destroyed = 0;
  {
    TViewLines lines;
    for (int i = 0; i < 50; ++i) {
      lines.emplace_back();
      lines.back().SetControl(new CountedControl(destroyed), true);
    }
    lines.erase(lines.begin() + 10);
    EXPECT_EQ(destroyed, 1);
    const TViewLines copies = lines;
    EXPECT_EQ(copies[5].Control(), lines[5].Control());
  }
  EXPECT_EQ(destroyed, 50);
}

TEST(TViewLine, ARowGivenAControlOnlyRefersToItUnlessAskedToOwnIt) {
  int destroyed = 0;
  CountedControl owned(destroyed);  // owned by someone else, as the info window owns its controls
  {
    TViewLine d;
    d.SetControl(&owned);
    EXPECT_FALSE(d.OwnsControl);
    d.Clear();
    d.SetControl(&owned);
  }
  EXPECT_EQ(destroyed, 0);
}

// A copy refers to its original's control; handing it back to the original must neither destroy
// the control nor leave the original without an owner for it.
TEST(TViewLine, AssigningACopyBackToItsOwnerKeepsTheControlAliveAndOwnedOnce) {
  int destroyed = 0;
  auto* control = new CountedControl(destroyed);
  {
    TViewLine owner;
    owner.SetControl(control, true);
    TViewLine copy(owner);
    copy.Caption = "edited";
    owner = copy;
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(owner.Caption, "edited");
    EXPECT_EQ(owner.Control(), control);
    EXPECT_TRUE(owner.OwnsControl);

    owner = TViewLine(owner);
    owner.SetControl(control, true);
    EXPECT_EQ(destroyed, 0);
    EXPECT_TRUE(owner.OwnsControl);

    TViewLine moved(owner);
    TViewLine keeper(std::move(owner));
    keeper = std::move(moved);
    EXPECT_EQ(destroyed, 0);
    EXPECT_TRUE(keeper.OwnsControl);
  }
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
}  // namespace ornil
