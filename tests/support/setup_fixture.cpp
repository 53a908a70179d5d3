// The table setup tests' fixture: opening the setup and acting in its dialogs as a user.
#include "support/setup_fixture.h"

#include "exports/ornil_exports.h"
#include "platform/ddeml_codes.h"
#include "text/cp1251.h"

namespace ornil::testing {

TSetupWindow* SetupTest::Open() {
  ViewSetupTable(w.handles.instance, w.handles.mapInfoConv, w.handles.applicationConv);
  return SetupWindow;
}

void SetupTest::Choose(const char* table) {
  TSelectTableWindow& dialog = *SetupWindow->SelectTableWindow;
  user.SelectItem(*dialog.ComboBox1, dialog.ComboBox1->IndexOf(table));
  user.Click(*dialog.OkButton);
}

void SetupTest::CreateField(const char* caption, const char* column) {
  TNewFieldWindow& dialog = *SetupWindow->NewFieldWindow;
  user.Click(*SetupWindow->CreateField);
  user.Type(*dialog.FieldName, caption);
  // The divider box keeps its state between uses.
  if (dialog.DividerCheck->Checked()) user.Tick(*dialog.DividerCheck);
  user.SelectItem(*dialog.ColumnName, dialog.ColumnName->IndexOf(column));
  user.Click(*dialog.OkButton);
}

void SetupTest::CreateExpressionField(const char* caption, const char* expression) {
  TNewFieldWindow& dialog = *SetupWindow->NewFieldWindow;
  user.Click(*SetupWindow->CreateField);
  user.Type(*dialog.FieldName, caption);
  // The divider box keeps its state between uses.
  if (dialog.DividerCheck->Checked()) user.Tick(*dialog.DividerCheck);
  user.SelectItem(*dialog.ColumnName, dialog.ColumnName->Count() - 1);
  TEnterExpressionWindow& expressionDialog = *SetupWindow->EnterExpressionWindow;
  expressionDialog.Expression->SetText("");
  user.Type(*expressionDialog.Expression, expression);
  user.Click(*expressionDialog.OkButton);
  user.Click(*dialog.OkButton);
}

void SetupTest::CreateDivider(const char* caption) {
  TNewFieldWindow& dialog = *SetupWindow->NewFieldWindow;
  user.Click(*SetupWindow->CreateField);
  user.Type(*dialog.FieldName, caption);
  if (!dialog.DividerCheck->Checked()) user.Tick(*dialog.DividerCheck);
  user.Click(*dialog.OkButton);
}

void SetupTest::DeleteAllFields() {
  while (SetupWindow->ListFields->Count() > 0) {
    user.SelectItem(*SetupWindow->ListFields, 0);
    user.Click(*SetupWindow->DeleteField);
  }
}

std::vector<std::string> SetupTest::Captions() {
  std::vector<std::string> captions;
  for (int i = 0; i < SetupWindow->ListFields->Count(); ++i)
    captions.push_back(text::ToUtf8(SetupWindow->ListFields->Item(i)));
  return captions;
}

void SetupTest::FailMetadataStatements() {
  w.dde.FailWhen([](const sim::DdeTransaction& t) -> std::optional<std::uint32_t> {
    if (t.text.find("Metadata") != std::string::npos) return dde::DMLERR_BUSY;
    return std::nullopt;
  });
}

bool SetupTest::HostEnabled() {
  return w.desktop.IsWindowEnabled(w.host.MainWindow());
}

}  // namespace ornil::testing
