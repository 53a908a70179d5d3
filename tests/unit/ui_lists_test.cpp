// Choosing things: combo boxes with objects and auto-complete, list boxes with a watched window
// procedure and owner drawing, check boxes, radio groups and menus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sim_world.h"
#include "text/cp1251.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/list_box.h"
#include "ui/menu.h"

namespace ornil::ui {
namespace {

struct Lists : ::testing::Test {
  testing::SimWorld world;
  Form* form = Make<Form>(world.application.get());
  headless::Driver& user = world.user;
  std::vector<std::string> events;

  template <class T>
  T* Add() {
    auto* c = Make<T>(form);
    c->SetParent(form);
    return c;
  }
  void Record(Control& c) {
    c.OnClick = [this](Component&) { events.push_back("click"); };
    c.OnChange = [this](Component&) { events.push_back("change"); };
  }
};

TEST_F(Lists, ComboItemsCarryObjectsThroughInsertsAndDeletes) {
  auto* combo = Add<ComboBox>();
  std::string one = "1", two = "2", three = "3";
  combo->AddItem("one", &one);
  combo->AddItem("three", &three);
  combo->InsertItem(1, "two", &two);
  ASSERT_EQ(combo->Count(), 3);
  EXPECT_EQ(combo->Item(1), "two");
  EXPECT_EQ(combo->ItemObject(2), &three);
  combo->SetItemIndex(2);
  combo->DeleteItem(0);
  EXPECT_EQ(combo->ItemObject(0), &two);
  EXPECT_EQ(combo->ItemIndex(), 1) << "the selection follows its item";
  EXPECT_EQ(combo->IndexOf("THREE"), 1);
  EXPECT_EQ(combo->IndexOf("four"), -1);
  combo->Clear();
  EXPECT_EQ(combo->Count(), 0);
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(Lists, ChoosingInTheListTellsClickSelectAndTheDropDownPair) {
  auto* combo = Add<ComboBox>();
  combo->SetStyle(ComboStyle::DropDownList);
  for (const char* s : {"red", "green", "blue"})
    combo->AddItem(s);
  combo->OnSelect = [this](Component&) { events.push_back("select"); };
  combo->OnDropDown = [this](Component&) { events.push_back("dropdown"); };
  combo->OnCloseUp = [this](Component&) { events.push_back("closeup"); };
  combo->OnClick = [this](Component&) { events.push_back("click"); };
  form->Show();
  ASSERT_TRUE(user.SelectItem(*combo, 2));
  EXPECT_EQ(combo->Text(), "blue");
  EXPECT_EQ(events, (std::vector<std::string>{"dropdown", "click", "select", "closeup"}));
  events.clear();
  combo->SetItemIndex(0);
  EXPECT_TRUE(events.empty()) << "setting the index in code tells nobody";
  EXPECT_EQ(combo->Text(), "red");
}

TEST_F(Lists, DropDownListAutoCompletesFromTheTypedPrefix) {
  auto* combo = Add<ComboBox>();
  combo->SetStyle(ComboStyle::DropDownList);
  for (const char* s : {"Alpha", "Beta", "Bravo", "Charlie"})
    combo->AddItem(s);
  form->Show();
  user.Type(*combo, "br");
  EXPECT_EQ(combo->Text(), "Bravo");
  user.TypeChar(*combo, 'c');
  EXPECT_EQ(combo->Text(), "Charlie") << "a key that extends no match starts again";
}

TEST_F(Lists, EditableComboCompletesTheTextAndSelectsTheRest) {
  auto* combo = Add<ComboBox>();
  combo->AddItem("Moscow");
  combo->AddItem("Murmansk");
  combo->SetAutoDropDown(true);
  form->Show();
  user.Type(*combo, "mu");
  EXPECT_EQ(combo->Text(), "Murmansk");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_TRUE(combo->DroppedDown());
  user.TypeChar(*combo, 'x');
  EXPECT_EQ(combo->Text(), "Mux") << "no item starts so: the typed key replaces the completion";
}

TEST_F(Lists, StyleChangeKeepsItemsObjectsAndSelection) {
  auto* combo = Add<ComboBox>();
  int tag = 7;
  combo->AddItem("a");
  combo->AddItem("b", &tag);
  combo->SetItemIndex(1);
  const Handle before = combo->GetHandle();
  combo->SetStyle(ComboStyle::DropDownList);
  EXPECT_NE(combo->GetHandle(), before);
  EXPECT_FALSE(world.desktop.IsWindow(before));
  EXPECT_EQ(combo->Count(), 2);
  EXPECT_EQ(combo->ItemObject(1), &tag);
  EXPECT_EQ(combo->Text(), "b");
}

TEST_F(Lists, ReplacedWindowProcSeesEveryAddedString) {
  auto* list = Add<ListBox>();
  auto kept = list->WindowProc;
  int added = 0;
  list->WindowProc = [&](Message& m) {
    kept(m);
    if (m.msg == lb::AddString) ++added;
  };
  list->AddItem("x");
  list->AddItem("y");
  list->InsertItem(0, "z");
  EXPECT_EQ(added, 2);
  // A message sent to the window from outside takes the same road.
  world.backend.SendMessage(list->GetHandle(), lb::AddString, 0,
                            reinterpret_cast<std::intptr_t>("w"));
  EXPECT_EQ(added, 3);
  EXPECT_EQ(list->Count(), 4);
}

TEST_F(Lists, MovingAnItemTakesItsObjectAndSelection) {
  auto* list = Add<ListBox>();
  int a = 1, b = 2, c = 3;
  list->AddItem("a", &a);
  list->AddItem("b", &b);
  list->AddItem("c", &c);
  list->SetItemIndex(0);
  list->MoveItem(0, 2);
  EXPECT_EQ(list->Item(2), "a");
  EXPECT_EQ(list->ItemObject(2), &a);
  EXPECT_EQ(list->ItemIndex(), 2);
  list->SetItemText(2, "A");
  EXPECT_EQ(list->Item(2), "A");
  EXPECT_EQ(list->ItemObject(2), &a);
  list->DeleteItem(2);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(Lists, ClickingAndDoubleClickingItems) {
  auto* list = Add<ListBox>();
  list->SetOwnerDraw(true);
  list->SetItemHeight(14);
  for (const char* s : {"one", "two", "three"})
    list->AddItem(s);
  Record(*list);
  list->OnDblClick = [this](Component&) { events.push_back("dblclick"); };
  form->Show();
  EXPECT_EQ(list->ItemRect(1), Rect::Bounds(0, 14, list->ClientWidth(), 14));
  user.SelectItem(*list, 1);
  EXPECT_EQ(list->ItemIndex(), 1);
  user.DoubleClickItem(*list, 2);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "click", "dblclick"}));
  EXPECT_EQ(list->ItemAtPos({3, 30}), 2);
  EXPECT_EQ(list->ItemAtPos({3, 300}), -1);
}

TEST_F(Lists, AListBoxSelectsOnButtonDownAndTellsOnButtonUp) {
  auto* list = Add<ListBox>();
  for (const char* s : {"one", "two"})
    list->AddItem(s);
  Record(*list);
  list->OnMouseDown = [&](Component&, MouseButton, ShiftState, int, int) {
    events.push_back("down on " + std::to_string(list->ItemIndex()));
  };
  list->OnMouseUp = [&](Component&, MouseButton, ShiftState, int, int) { events.push_back("up"); };
  form->Show();
  user.SelectItem(*list, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"down on 1", "click", "up"}));
  events.clear();
  user.SelectItem(*list, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"down on 1", "click", "up"}))
      << "every click on an item is told, the selected one too";
}

TEST_F(Lists, OwnerDrawnListPaintsEveryItemThroughTheHandler) {
  auto* list = Add<ListBox>();
  list->SetOwnerDraw(true);
  list->SetItemHeight(14);
  list->AddItem("first");
  list->AddItem("-");
  list->SetItemIndex(0);
  std::vector<std::string> drawn;
  list->OnDrawItem = [&](ListBox& sender, int index, Canvas& canvas, const Rect& rect,
                         std::uint32_t state) {
    drawn.push_back(sender.Item(index) + ((state & ods::Selected) ? " selected" : ""));
    if (sender.Item(index) == "-")
      canvas.DrawEdge({rect.left, rect.top, rect.right, rect.top + rect.Height() / 2}, edge::Etched,
                      edge::Bottom);
  };
  form->Show();
  world.backend.ClearPaintLog(list->GetHandle());
  user.Paint(*list);
  EXPECT_EQ(drawn, (std::vector<std::string>{"first selected", "-"}));
  const auto& log = world.backend.PaintLog(list->GetHandle());
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "DrawEdge 0,14," + std::to_string(list->ClientWidth()) + ",21 6 8");
}

TEST_F(Lists, CheckBoxClickTogglesAndOnClickFollowsEveryChange) {
  auto* box = Add<CheckBox>();
  box->SetAlignment(Alignment::Left);
  EXPECT_TRUE(world.desktop.Style(box->GetHandle()) & bs::LeftText);
  Record(*box);
  form->Show();
  user.Tick(*box);
  EXPECT_TRUE(box->Checked());
  box->SetChecked(true);
  box->SetChecked(false);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "click"}));
}

// A check box that ignores every change while read-only, as the bordered one does.
class LockedCheckBox : public CheckBox {
 public:
  using CheckBox::CheckBox;
  bool locked = true;

 protected:
  void WndProc(Message& m) override {
    if (locked && (m.msg == bm::SetCheck || m.msg == bm::SetState)) return;
    CheckBox::WndProc(m);
  }
};

TEST_F(Lists, CheckBoxThatRefusesSetCheckIgnoresClicksAndCode) {
  auto* box = Add<LockedCheckBox>();
  Record(*box);
  form->Show();
  user.Tick(*box);
  box->SetChecked(true);
  EXPECT_FALSE(box->Checked());
  EXPECT_TRUE(events.empty());
  box->locked = false;
  user.Tick(*box);
  EXPECT_TRUE(box->Checked());
}

TEST_F(Lists, RadioGroupHoldsOneChosenItem) {
  auto* group = Add<RadioGroup>();
  group->SetText("Justify");
  group->SetBounds(0, 0, 311, 70);
  group->SetItems({"Left", "Right", "Centre"});
  group->SetItemIndex(1);
  Record(*group);
  form->Show();
  user.Click(*group->ButtonAt(2));
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_TRUE(group->ButtonAt(2)->Checked());
  EXPECT_FALSE(group->ButtonAt(1)->Checked());
  EXPECT_EQ(events, (std::vector<std::string>{"click"}));
  group->SetEnabled(false);
  EXPECT_FALSE(user.Click(*group->ButtonAt(0)));
  EXPECT_EQ(group->ItemIndex(), 2);
}

TEST_F(Lists, MenuItemsRunTheirHandlersAndSeparatorsStayInert) {
  auto* menu = Make<MainMenu>(form);
  auto* top = Make<MenuItem>(form);
  top->SetCaption("&Setup");
  auto* save = Make<MenuItem>(form);
  save->SetCaption("Save");
  auto* line = Make<MenuItem>(form);
  line->SetCaption("-");
  auto* close = Make<MenuItem>(form);
  close->SetCaption("Close");
  top->Add(save);
  top->Add(line);
  top->Add(close);
  menu->Add(top);
  form->SetMenu(menu);
  int saved = 0;
  save->OnClick = [&](Component&) { ++saved; };
  form->Show();
  const Handle bar = world.backend.MenuOf(form->GetHandle());
  ASSERT_NE(bar, 0u);
  const auto& entries = world.backend.MenuEntries(bar);
  ASSERT_EQ(entries.size(), 1u);
  const auto& items = world.backend.MenuEntries(entries[0].subMenu);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_TRUE(items[1].separator);
  EXPECT_TRUE(user.ClickMenu(*save));
  EXPECT_EQ(saved, 1);
  save->SetEnabled(false);
  EXPECT_FALSE(user.ClickMenu(*save));
  EXPECT_EQ(saved, 1);
  const int client = form->ClientHeight();
  form->SetMenu(nullptr);
  EXPECT_GT(form->ClientHeight(), client) << "the menu bar's room goes back to the client area";
}

}  // namespace
}  // namespace ornil::ui
