// The fixture of the metadata writer's and reader's tests: a host world with the sample tables,
// the link, and the configurations the tests save and read.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "settings/metadata.h"
#include "support/host_world.h"

namespace ornil::testing {

TViewLine DividerRow(const char* caption, bool viewed, std::uint8_t justify = 0);
TViewLine ColumnRow(const char* caption, const char* column, bool enabled,
                    FieldKind kind = Editable);
TViewLine ExpressionRow(const char* caption, const char* expression);
// One row of every kind, each with every setting its kind stores.
TViewLines EveryKind();

class MetadataTest : public ::testing::Test {
 protected:
  bool Save(const std::vector<const TViewLine*>& fields, std::string_view table = "Parcels");
  bool Save(const TViewLines& lines, std::string_view table = "Parcels");
  TViewLines Read(bool diagnostics, int rowId = 0, std::string_view table = "Parcels");
  // Stored keys (UTF-8) and values (as stored).
  std::map<std::string, std::string> Stored(const char* table = "Parcels");
  std::set<std::string> OpenTables();
  // The host's message window, UTF-8.
  std::vector<std::string> Messages();
  // The transcript since the last clear, UTF-8.
  std::vector<std::string> Sent();

  HostWorld w;
  TMapInfo link = w.Link();
  std::string selection;
};

}  // namespace ornil::testing
