// The demo's session played headless on the simulated desktop, as the demo program plays it on
// real windows: every step shows its window, and the tables and metadata it leaves are what the
// user did — the parcels configured, the parcel's edits saved, the new owner created and picked,
// the companion gone without a conversation or a window of the library left.
#include <gtest/gtest.h>

#include <set>
#include "demo/answering_dialogs.h"
#include "demo/demo_host.h"
#include "demo/session.h"

#include "platform/seams.h"
#include "settings/metadata.h"
#include "settings/metadata_schema.h"
#include "sim/data/sample_tables.h"
#include "support/sim_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

// The host's windows as windows of the simulated desktop; a map shows its points five pixels a
// unit from (100, 400).
class DesktopScreen : public demo::HostScreen {
 public:
  explicit DesktopScreen(sim::SimDesktop& desktop) : desktop_(desktop) {}
  platform::WindowHandle MainWindow() override { return main_; }
  platform::WindowHandle DocumentArea() override { return documents_; }
  platform::WindowHandle OpenDocument(const sim::mb::HostWindow& w) override {
    return desktop_.CreateHostWindow(
        w.type == sim::mb::kMapWindow ? "MapInfoMapper" : "MapInfoBrowser", w.title,
        {100, 100, 500, 400});
  }
  void CloseDocument(const sim::mb::HostWindow& w) override { desktop_.DestroyWindow(w.handle); }
  platform::ScreenPoint MapPointOnScreen(int, double x, double y) override {
    return {100 + static_cast<int>(x * 5), 400 - static_cast<int>(y * 5)};
  }
  void MoveMouse(platform::ScreenPoint at) override { desktop_.SetCursorPos(at); }

 private:
  sim::SimDesktop& desktop_;
  platform::WindowHandle main_ =
      desktop_.CreateHostWindow("MapInfoFrame", "MapInfo Professional", {0, 0, 1024, 768});
  platform::WindowHandle documents_ =
      desktop_.CreateHostWindow("MDIClient", "", {0, 40, 1024, 768});
};

struct Shown {
  std::string name;
  bool visible = false;
};

class RecordingStage : public demo::Stage {
 public:
  explicit RecordingStage(platform::WindowManager& windows) : windows_(windows) {}
  void Show(const std::string& name, const std::string&, platform::WindowHandle window) override {
    shown.push_back({name, windows_.IsWindow(window) && windows_.IsWindowVisible(window)});
  }
  std::vector<Shown> shown;

 private:
  platform::WindowManager& windows_;
};

// The demo's MapInfo is made before the simulated world and goes after it, as in the demo.
struct DemoWorld : demo::DemoHost, SimWorld {
  DesktopScreen screen{desktop};
  demo::AnsweringDialogs answers;
  DemoWorld() {
    platform::Seams seams = platform::Current();
    seams.dialogs = &answers;
    platform::Install(seams);
    Attach(dde, atoms, files, desktop, screen);
  }
  std::string Cell(const char* table, int row, const char* column) {
    return text::ToUtf8(sim::mb::ToText(host.TableNamed(table).Cell(row, column)));
  }
};

TEST(DemoSession, LeavesTheTablesAndSettingsTheUserMade) {
  DemoWorld w;
  RecordingStage stage(w.desktop);
  const demo::Summary summary = demo::PlaySession(w, w.screen, stage);
  for (const auto& f : summary.failures)
    ADD_FAILURE() << f;
  EXPECT_EQ(w.answers.shown,
            (std::vector<std::string>{"Сохранение изменений: Сохранить изменения?"}))
      << "only the setup's question, answered yes";

  EXPECT_GE(summary.steps, 8);
  for (const auto& s : stage.shown)
    EXPECT_TRUE(s.visible) << s.name << ": its window is not on the screen";
  EXPECT_EQ(summary.valuesCreated, 1);
  EXPECT_EQ(summary.rowsSaved, 1) << "the clicked parcel";

  // The parcels' settings are in their metadata: a divider, a lookup into the owners, a static
  // list and a date row with its own format among the rows.
  const sim::mb::Metadata& meta = w.host.TableNamed(sim::data::kParcels).Meta();
  std::set<std::string> kinds;
  bool lookupIntoOwners = false, listWithValues = false, dateFormat = false;
  for (int n = 1; meta.Has(metadata::RowKey(n) + metadata::keys::Type); ++n) {
    const std::string row = metadata::RowKey(n);
    const std::string kind = meta.Get(row + metadata::keys::Type);
    kinds.insert(kind);
    if (kind == "1")
      lookupIntoOwners |= meta.Get(row + metadata::keys::ValuesTable) == sim::data::kOwners;
    if (kind == "2") listWithValues |= meta.Has(row + metadata::PairKey(1, metadata::keys::Saved));
    dateFormat |= !meta.Get(row + metadata::keys::CustomDateFormat).empty();
  }
  EXPECT_EQ(kinds, (std::set<std::string>{"-1", "0", "1", "2"}));
  EXPECT_TRUE(lookupIntoOwners);
  EXPECT_TRUE(listWithValues);
  EXPECT_TRUE(dateFormat);

  // The clicked parcel's record as the user saved it.
  EXPECT_EQ(w.Cell(sim::data::kParcels, 2, "Стоимость"_cp), "875000.50");
  EXPECT_EQ(w.Cell(sim::data::kParcels, 2, "Примечание"_cp),
            "Арендатор ООО \"Ромашка\" до 2026 года");
  EXPECT_EQ(w.Cell(sim::data::kParcels, 2, "Владелец"_cp), "6") << "the new owner";
  EXPECT_EQ(w.Cell(sim::data::kParcels, 1, "Стоимость"_cp), "1500000.50") << "other rows stay";
  const sim::mb::Table& owners = w.host.TableNamed(sim::data::kOwners);
  ASSERT_EQ(owners.RowCount(), 5);
  EXPECT_EQ(w.Cell(sim::data::kOwners, 5, "Id"), "6");
  EXPECT_EQ(w.Cell(sim::data::kOwners, 5, "ФИО"_cp), "Новикова Мария Павловна");

  // The companion ended: no conversation with it, no window of the library, the host enabled.
  EXPECT_TRUE(w.companion.Program().Ended());
  EXPECT_EQ(w.dde.OpenConversations(), 1) << "only the library's own with MapInfo";
  EXPECT_TRUE(w.desktop.IsWindowEnabled(w.host.Workspace().mainWindow));
}

}  // namespace
}  // namespace ornil::testing
