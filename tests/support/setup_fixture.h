// The fixture of the table setup tests: a host world with the sample tables whose host main
// window is the library's application window, and a user who opens the setup through the export,
// chooses tables and makes fields through the dialogs.
#pragma once

#include <string>
#include <vector>

#include "setup/enter_expression_window.h"
#include "setup/new_field_window.h"
#include "setup/select_table_window.h"
#include "setup/setup_module.h"
#include "setup/setup_window.h"
#include "support/metadata_fixture.h"

namespace ornil::testing {

class SetupTest : public MetadataTest {
 protected:
  // ViewSetupTable with the companion's handles; the new window or null.
  TSetupWindow* Open();
  // Chooses the table in the table dialog and presses OK.
  void Choose(const char* table);
  TSetupWindow* OpenOn(const char* table) {
    Open();
    Choose(table);
    return SetupWindow;
  }
  // The field dialog, from "Создать": a field named `caption` for the entry `column` of its list.
  void CreateField(const char* caption, const char* column);
  // The same for an expression typed into the expression dialog (OK there, then OK here).
  void CreateExpressionField(const char* caption, const char* expression);
  void CreateDivider(const char* caption);
  void DeleteAllFields();
  // The list's captions, UTF-8.
  std::vector<std::string> Captions();
  TViewLine& Field(int index) { return *SetupWindow->FieldAt(index); }
  bool HostEnabled();
  // Every metadata statement fails at the DDE level from now on, until ClearFaults.
  void FailMetadataStatements();

  ui::headless::Driver& user = w.user;
};

}  // namespace ornil::testing
