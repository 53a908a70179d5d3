// The hidden helper map window of the shown table, and finding a chosen value in the host's
// windows with its "find selection" menu command.
#include "controls/temporary_value.h"
#include "host/errors.h"
#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "text/cp1251.h"

namespace ornil {

bool TOrnilWindow::CreateAdditionalWindow() {
  return WithPrefix("Произошла ошибка в функции CreateAdditionalWindow. "_cp, [&] {
    MapInfo.ExecuteMapBasic(Cat("Set Next Document Style ", "3"));
    const int windows = MapInfo.NumWindows();
    const bool made = MapInfo.ExecuteMapBasic(
        Cat("Map from \"", TableName, "\" position (-100,-100) width 1 height 1"));
    if (!made || MapInfo.NumWindows() <= windows) return false;
    AdditionalWindowId = MapInfo.RequestInt("WindowId(NumWindows())");
    AdditionalWindowHandle =
        MapInfo.RequestInt(Cat("WindowInfo(", std::to_string(AdditionalWindowId), ",", "12", ")"));
    const std::string id = std::to_string(AdditionalWindowId);
    MapInfo.ExecuteMapBasic(Cat("Set Map Window ", id, " Redraw Off"));
    MapInfo.ExecuteMapBasic(
        Cat("Set Window ", id, " title \"", AdditionalWindowHandle != 0 ? "1" : "0", "\""));
    return true;
  });
}

void TOrnilWindow::FindValueInBrowse() {
  WithPrefix("Ошибка в функции FindValueInBrowse. "_cp, [&] {
    if (!Options().FindValueOption) return;
    const TemporaryValue<bool> finding(FindingStarted, true);
    const std::string map = std::to_string(MapWindowId);
    const std::string redraw = Cat("Set Map Window ", map, " Redraw ");
    MapInfo.ExecuteMapBasic(redraw + "Off");
    // The user's map is frozen only while the command runs: left off, it would never redraw.
    try {
      MapInfo.ExecuteMapBasic(Cat("Run Menu Command ", "306"));
    } catch (...) {
      try {
        MapInfo.ExecuteMapBasic(redraw + "On");
      } catch (...) {
        // The failure that ends the finding is the one reported.
      }
      throw;
    }
    MapInfo.ExecuteMapBasic(redraw + "On");
  });
}

}  // namespace ornil
