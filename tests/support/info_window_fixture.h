// The info window tests' fixture: a host world with a map of the parcels, the map tool clicked on a
// parcel, the window's rows and controls, and what the save sent and wrote.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "settings/metadata.h"
#include "support/host_world.h"

namespace ornil::testing {

// A lookup of the parcel's owner in the owners table, showing and changing the name.
TViewLine OwnerLookup(bool fullList, const char* condition = "");

class InfoWindowTest : public ::testing::Test {
 protected:
  InfoWindowTest();

  // The user clicks the parcel of `rowId` with the map tool, the cursor at `at`; gives the window.
  TOrnilWindow* Open(int rowId, platform::ScreenPoint at = {300, 200});
  // Stores a configuration for the parcels table.
  void Configure(const TViewLines& lines, const char* table = "Parcels");
  // Puts an options file beside the library with these lines in the companion's section.
  void WriteOptions(const std::string& sectionLines);

  // The control of row `index` of the open window.
  template <class T>
  T* RowControl(std::size_t index) {
    TOrnilWindow* window = AliveOrnilWindow();
    if (window == nullptr || index >= window->Fields.size()) return nullptr;
    return dynamic_cast<T*>(window->Fields[index].Control());
  }
  // Replaces an edit's text as a user would: select all and type.
  void Retype(ui::Control& edit, std::string_view text);
  // The user presses the save button.
  void Save();

  // The statements sent since the last clear that start with `prefix` (letter case ignored), UTF-8.
  std::vector<std::string> Sent(std::string_view prefix);
  // Exactly one message box was shown, and its text (UTF-8) starts with `start`.
  void ExpectOneMessageStartingWith(std::string_view start);
  // A cell of a host table as the host writes it, UTF-8.
  std::string Cell(const char* table, int row, std::string_view column);

  HostWorld w;
  int map = 0;
};

}  // namespace ornil::testing
