// The host's windows on the simulated desktop: the main window the library is given, and map and
// browser windows that the library opens, the user closes, or the host closes.
#include <gtest/gtest.h>

#include <algorithm>

#include "sim/data/sample_tables.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

constexpr std::uint32_t kClose = 0x0010;

TEST(HostWindows, TheMainWindowIsADesktopWindow) {
  HostWorld w;
  const auto main = static_cast<std::uintptr_t>(w.Link().RequestInt("SystemInfo(9)"));
  EXPECT_TRUE(w.desktop.IsWindow(main));
  EXPECT_EQ(w.desktop.ClassName(main), "MapInfoFrame");
}

TEST(HostWindows, ABrowserTheUserClosesIsGoneFromTheHost) {
  HostWorld w;
  const TMapInfo link = w.Link();
  ASSERT_TRUE(link.ExecuteMapBasic("Set Next Document Style 3"));
  ASSERT_TRUE(link.ExecuteMapBasic("Browse COL2 \"ФИО\",COL1 \"Id\" From \"Владельцы\""_cp));
  const auto handle = static_cast<std::uintptr_t>(link.RequestInt("WindowInfo(NumWindows(),12)"));
  ASSERT_TRUE(w.desktop.IsWindow(handle));
  EXPECT_EQ(w.desktop.ClassName(handle), "MapInfoBrowser");
  w.desktop.Send(handle, kClose, 0, 0);
  EXPECT_FALSE(w.desktop.IsWindow(handle));
  EXPECT_EQ(link.NumWindows(), 0);
}

TEST(HostWindows, AWindowTheHostClosesLeavesTheDesktop) {
  HostWorld w;
  const TMapInfo link = w.Link();
  ASSERT_TRUE(link.ExecuteMapBasic("Map from \"Parcels\" position (-100,-100) width 1 height 1"));
  const int id = link.RequestInt("WindowId(NumWindows())");
  const std::uintptr_t handle = w.WindowHandle(id);
  ASSERT_TRUE(w.desktop.IsWindow(handle));
  EXPECT_EQ(
      static_cast<std::uintptr_t>(link.RequestInt("WindowInfo(" + std::to_string(id) + ",12)")),
      handle);
  ASSERT_TRUE(link.ExecuteMapBasic("Close Window " + std::to_string(id)));
  EXPECT_FALSE(w.desktop.IsWindow(handle));

  ASSERT_TRUE(link.ExecuteMapBasic("Map from \"Parcels\""));
  const std::uintptr_t again = w.WindowHandle(link.RequestInt("WindowId(NumWindows())"));
  ASSERT_TRUE(link.CloseTable2("Parcels"));
  EXPECT_FALSE(w.desktop.IsWindow(again)) << "closing the table closed its map";
}

TEST(HostWindows, DocumentWindowsAreMdiChildrenAndFloatingOnesAreTopLevel) {
  HostWorld w;
  const TMapInfo link = w.Link();
  ASSERT_TRUE(link.ExecuteMapBasic("Map from \"Parcels\" position (1,0.5) width 2 height 1"));
  const std::uintptr_t map = w.WindowHandle(link.RequestInt("WindowId(NumWindows())"));
  EXPECT_EQ(w.desktop.GetParent(map), w.host.Workspace().mdiClientWindow);
  platform::ScreenRect rect;
  ASSERT_TRUE(w.desktop.GetWindowRect(map, rect));
  EXPECT_EQ(rect.Width(), 192) << "2 inches";
  ASSERT_TRUE(link.ExecuteMapBasic("Set Next Document Style 3"));
  ASSERT_TRUE(link.ExecuteMapBasic("Browse * From \"Parcels\""));
  const std::uintptr_t browser = w.WindowHandle(link.RequestInt("WindowId(NumWindows())"));
  const auto top = w.desktop.ThreadWindows();
  EXPECT_EQ(std::count(top.begin(), top.end(), map), 0);
  EXPECT_EQ(std::count(top.begin(), top.end(), browser), 1);
}

TEST(HostWindows, ABrowserRowTheUserClicksIsSelectedAndOnlyAnEditableBrowserTakesEdits) {
  HostWorld w;
  const TMapInfo link = w.Link();
  ASSERT_TRUE(link.ExecuteMapBasic("Browse * From \"Parcels\""));
  const int id = link.RequestInt("WindowId(NumWindows())");
  EXPECT_TRUE(w.host.UserClickBrowserRow(id, 3));
  EXPECT_EQ(link.RequestText("SelectionInfo(1)"), "Parcels");
  EXPECT_EQ(link.RequestInt("CommandInfo(2)"), 3);
  EXPECT_FALSE(w.host.UserClickBrowserRow(id, 99));
  EXPECT_TRUE(w.host.UserEditBrowserCell(id, 3, 1, sim::mb::Value::Text("Б-70"_cp)));
  EXPECT_EQ(w.host.TableNamed("Parcels").Cell(3, 1).text, "Б-70"_cp);
  ASSERT_TRUE(link.ExecuteMapBasic("Set Window " + std::to_string(id) + " ReadOnly"));
  EXPECT_FALSE(w.host.UserEditBrowserCell(id, 3, 1, sim::mb::Value::Text("Б-71"_cp)));
  EXPECT_EQ(w.host.TableNamed("Parcels").Cell(3, 1).text, "Б-70"_cp);
}

}  // namespace
}  // namespace ornil::testing
