// Table setup as the user reaches it in the host: through the companion's menu, the library's
// setup window, saving into the table's metadata, and the companion ending while it is open.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
#include "settings/metadata.h"
#include "setup/select_table_window.h"
#include "setup/setup_module.h"
#include "setup/setup_window.h"
#include "sim/data/sample_tables.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

using testing::HostWorld;

struct SetupScenario : ::testing::Test {
  TSetupWindow* OpenFromTheMenu(const char* table) {
    if (!w.companion.Choose("Настройка таблицы..."_cp) || SetupWindow == nullptr) return nullptr;
    TSelectTableWindow& dialog = *SetupWindow->SelectTableWindow;
    w.user.SelectItem(*dialog.ComboBox1, dialog.ComboBox1->IndexOf(table));
    w.user.Click(*dialog.OkButton);
    return SetupWindow;
  }

  TViewLines Stored() {
    TViewLines lines;
    std::string selection;
    ToTakeParametersOfAttributes(w.Link(), sim::data::kParcels, 0, lines, selection, false);
    return lines;
  }

  HostWorld w;
};

TEST_F(SetupScenario, TheCompanionsMenuOpensTheSetupAndClosingWithYesSaves) {
  TSetupWindow* s = OpenFromTheMenu(sim::data::kParcels);
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(w.desktop.IsWindowEnabled(w.host.MainWindow()));
  w.user.SelectItem(*s->ListFields, 0);
  w.user.Click(*s->DeleteField);
  w.user.SelectItem(*s->ListFields, 0);
  w.user.SelectItem(*s->FieldType, 2);
  w.user.Click(*s->CreateValue);
  w.user.EditCell(*s->ValueList, 1, 1, "пусто"_cp);
  w.user.AnswerMessageBox(ui::id::Yes);
  w.user.Close(*s);
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_TRUE(w.desktop.IsWindowEnabled(w.host.MainWindow()));
  const TViewLines stored = Stored();
  ASSERT_EQ(stored.size(), 8u);
  EXPECT_EQ(stored[0].Caption, "Номер"_cp);
  EXPECT_EQ(stored[0].FieldType, StaticList);
  EXPECT_EQ(stored[0].Values, (TListValues{{"пусто"_cp, ""}}));
  EXPECT_TRUE(w.ShownTexts().size() == 1u) << "only the question";
}

TEST_F(SetupScenario, EndingTheCompanionDestroysAnOpenSetupWindow) {
  ASSERT_NE(OpenFromTheMenu(sim::data::kParcels), nullptr);
  ASSERT_TRUE(w.companion.Choose("Выход"_cp));
  EXPECT_EQ(SetupWindow, nullptr);
  EXPECT_FALSE(SetupWindowExists);
  EXPECT_TRUE(w.desktop.IsWindowEnabled(w.host.MainWindow()));
  EXPECT_TRUE(w.ShownTexts().empty()) << "no question, no error on the way out";
  EXPECT_TRUE(Stored().size() == 9u) << "nothing saved";
}

}  // namespace
}  // namespace ornil
