// The setup window's side of its three dialogs: asking for a table and taking its fields,
// closing a dialog, making and changing a field for a column or an expression, and taking an
// expression that the table accepts.
#include "host/error_reporting.h"
#include "host/errors.h"
#include "settings/metadata.h"
#include "setup/enter_expression_window.h"
#include "setup/new_field_window.h"
#include "setup/select_table_window.h"
#include "setup/setup_window.h"
#include "text/cp1251.h"
#include "ui/application.h"

namespace ornil {

namespace {

const char* const kExpressionEntry = "Выражение..."_cp;

void Detach(ui::Form& dialog) {
  dialog.SetParent(nullptr);
}

// The dialog comes up with its owner disabled until ChildFormClose.
void ShowOver(ui::Control& owner, ui::Form& dialog) {
  owner.SetEnabled(false);
  dialog.SetEnabled(true);
  dialog.Show();
}

}  // namespace

void TSetupWindow::SelectTableClick() {
  Boundary(FunctionPrefix("SelectTableClick"), [&] { SelectNewTable(); });
}

void TSetupWindow::SelectNewTable() {
  WithPrefix(FunctionPrefix("SelectNewTable"), [&] {
    const int count = Link.NumTables();
    if (count <= 0) {
      Ask("Нет открытых таблиц."_cp, "Настройка таблицы"_cp, ui::mb::IconWarning);
      return;
    }
    ui::ComboBox& tables = *SelectTableWindow->ComboBox1;
    tables.Clear();
    int counted = 0;
    for (int i = 1; i <= count; ++i) {
      const std::string n = std::to_string(i);
      if (Link.RequestInt(Cat("TableInfo(", n, ",3)")) != 1) continue;
      tables.AddItem(Link.RequestText(Cat("TableInfo(", n, ",1)")));
      ++counted;
    }
    if (counted == 0)
      Ask("Нет открытых базовых или присоединённых из СУБД таблиц."_cp, "Настройка таблицы"_cp,
          ui::mb::IconWarning);
    tables.SetItemIndex(0);
    Detach(*SelectTableWindow);
    if (!Showing()) SelectTableWindow->SetParentWindow(0);
    ShowOver(*this, *SelectTableWindow);
  });
}

void TSetupWindow::SelectTableWindow_OkButtonClick(ui::Component& sender) {
  Boundary(FunctionPrefix("SelectTableWindow_OkButtonClick"), [&] {
    if (sender.Owner() != SelectTableWindow) return;
    const std::string name = SelectTableWindow->ComboBox1->Text();
    if (!Link.OpenedTab(name)) throw OrnilError(Cat("Таблица \""_cp, name, "\" не открыта."_cp));
    if (!TableName.empty()) {
      SetEnabled(false);
      if (Ask("Сохранить изменения?"_cp, "Сохранение изменений"_cp,
              ui::mb::YesNo | ui::mb::IconQuestion) == ui::id::Yes)
        // A save that fails stops the switch: the old table's fields stay in the window.
        SaveChangesNow();
    }
    TakeTable(name);
  });
}

void TSetupWindow::TakeTable(const std::string& name) {
  TViewLines read;
  std::string selection;
  if (!ToTakeParametersOfAttributes(Link, name, 0, read, selection, true))
    throw OrnilError("Не могу извлечь параметры полей информационного поля."_cp);
  if (!selection.empty()) Link.CloseTable2(selection);
  TableName.clear();
  DeleteAllFields();
  CurrentFieldIndex = -1;
  FieldType->SetItemIndex(-1);
  ValuesTableNameSelect(*ValuesTableName);
  FieldEnabled->SetChecked(false);
  FieldProperties->SetEnabled(false);
  for (const TViewLine& field : read)
    AddField(field);
  TableName = name;
  AssignTableVariables(name);
  SetText(Cat("Настроика таблицы '"_cp, name, "'"));
  Show();
  SetEnabled(true);
  GetBackend().SetActiveWindow(GetHandle());
  // The window was shown disabled, so its control could not take the focus then.
  if (ActiveControl() != nullptr && ActiveControl()->CanFocus()) ActiveControl()->SetFocus();
  SelectTableWindow->Close();
}

void TSetupWindow::AssignTableVariables(const std::string& name) {
  try {
    PrintErrorsOff quiet;
    Link.ExecuteMapBasic(Cat("~CurrentRowId~", "=TableInfo(", "\"", name, "\"", ",", "8", ")"));
    Link.ExecuteMapBasic(Cat("~CurrentTableName~", "=", "\"", name, "\""));
  } catch (...) {
    ShowErrorBox(
        BoundaryMessage("Ошибка во время присваивания значений переменным в среде MapInfo "_cp,
                        std::current_exception()));
  }
}

void TSetupWindow::SelectTableWindow_CancelButtonClick(ui::Component& sender) {
  Boundary(FunctionPrefix("SelectTableWindow_OkButtonClick"), [&] {
    if (sender.Owner() == SelectTableWindow) SelectTableWindow->Close();
  });
}

void TSetupWindow::ChildFormClose(ui::Form& dialog) {
  Boundary(FunctionPrefix("ChildFormClose"), [&] {
    auto& backend = GetBackend();
    const ui::Handle parent = dialog.ParentWindow();
    if (parent != 0 && backend.IsWindow(parent)) {
      backend.SetActiveWindow(parent);
      backend.Enable(parent, true);
    } else if (auto* owner = dynamic_cast<ui::Control*>(dialog.Owner()); owner != nullptr) {
      backend.SetActiveWindow(owner->GetHandle());
      owner->SetEnabled(true);
      backend.SetActiveWindow(owner->GetHandle());
    } else {
      ActivateApplicationWindow();
    }
    // Cancelling the first choice of a table ends the setup.
    if (TableName.empty()) Close();
  });
}

void TSetupWindow::CreateFieldClick() {
  Boundary(FunctionPrefix("CreateFieldClick"), [&] {
    NewFieldWindow->EditIndex = -1;
    const int count = Link.RequestInt(Cat("TableInfo(", TableName, ",4)"));
    if (count <= 0) return;
    Detach(*NewFieldWindow);
    NewFieldWindow->SetText("Создание поля"_cp);
    NewFieldWindow->FieldName->SetText("");
    FillColumnList(count, nullptr);
    NewFieldWindow->ColumnName->AddItem(kExpressionEntry);
    NewFieldWindow->ColumnName->SetItemIndex(0);
    ShowOver(*this, *NewFieldWindow);
  });
}

void TSetupWindow::ListFieldsDblClick() {
  Boundary(FunctionPrefix("ListFieldsDblClick"), [&] {
    NewFieldWindow->SetText("Изменение поля"_cp);
    NewFieldWindow->EditIndex = ListFields->ItemIndex();
    const int count = Link.RequestInt(Cat("Tableinfo(", TableName, ",4)"));
    if (count < 1) return;
    TViewLine* d = FieldAt(CurrentFieldIndex);
    if (d == nullptr) return;
    Detach(*NewFieldWindow);
    NewFieldWindow->FieldName->SetText(d->Caption);
    FillColumnList(count, d);
    ui::ComboBox& columns = *NewFieldWindow->ColumnName;
    if (d->FieldType == Divider) {
      columns.SetItemIndex(0);
    } else if (columns.ItemIndex() < 0) {
      columns.SetItemIndex(columns.AddItem(d->Expression));
    }
    columns.AddItem(kExpressionEntry);
    NewFieldWindow->DividerCheck->SetChecked(d->FieldType == Divider);
    if (d->FieldType != Divider && columns.ItemIndex() >= NewFieldWindow->ColumnCount)
      EnterExpressionWindow->Expression->SetText(columns.Item(columns.ItemIndex()));
    ShowOver(*this, *NewFieldWindow);
  });
}

void TSetupWindow::FillColumnList(int count, const TViewLine* edited) {
  ui::ComboBox& columns = *NewFieldWindow->ColumnName;
  columns.Clear();
  int matched = -1;
  for (int i = 1; i <= count; ++i) {
    const std::string name =
        Link.RequestText(Cat("ColumnInfo(", TableName, ",COL", std::to_string(i), ",1)"));
    const int index = columns.AddItem(name);
    if (edited != nullptr && edited->Column == name) matched = index;
  }
  NewFieldWindow->ColumnCount = columns.Count();
  if (edited != nullptr) columns.SetItemIndex(matched);
}

void TSetupWindow::NewFieldWindow_SelectColumn(ui::Component& sender) {
  Boundary(FunctionPrefix("NewFieldWindow_SelectColumn"), [&] {
    ui::ComboBox& columns = *NewFieldWindow->ColumnName;
    if (&sender != &columns) return;
    const int e = columns.ItemIndex();
    if (e < 0) return;
    if (e == columns.Count() - 1) {
      EnterExpressionWindow->TargetList = &columns;
      ShowOver(*NewFieldWindow, *EnterExpressionWindow);
    } else if (e >= NewFieldWindow->ColumnCount) {
      EnterExpressionWindow->Expression->SetText(columns.Item(e));
    }
  });
}

void TSetupWindow::NewFieldWindow_OkButtonClick(ui::Component& sender) {
  Boundary(FunctionPrefix("NewFieldWindow_OkButtonClick"), [&] {
    if (sender.Owner() != NewFieldWindow) return;
    TNewFieldWindow& dialog = *NewFieldWindow;
    const bool divider = dialog.DividerCheck->Checked();
    const std::string caption = dialog.FieldName->Text();
    if (!divider && text::Trim(caption).empty()) {
      Ask("Не определено имя поля."_cp, "Имя поля"_cp, ui::mb::IconInformation);
      return;
    }
    ui::ComboBox& columns = *dialog.ColumnName;
    const int e = columns.ItemIndex();
    if (!divider && e == columns.Count() - 1) {
      dialog.Close();
      return;
    }
    TViewLine made;
    TViewLine* d = &made;
    // A changed field shown in the panel takes the panel's edits first, so that what the dialog
    // decides (its column's editability among them) is not overwritten by the panel afterwards.
    const bool shown = dialog.EditIndex >= 0 && dialog.EditIndex == CurrentFieldIndex;
    if (dialog.EditIndex >= 0) {
      d = FieldAt(dialog.EditIndex);
      if (d == nullptr) return;
      if (shown) StorePanel(*d, CurrentFieldIndex);
    }
    d->Caption = caption;
    if (divider) {
      d->FieldType = Divider;
    } else {
      if (d->FieldType == Divider) d->FieldType = Editable;
      const std::string entry = e >= 0 ? columns.Item(e) : std::string();
      if (e >= dialog.ColumnCount)
        DescribeExpression(*d, entry);
      else
        DescribeColumn(*d, entry);
    }
    if (dialog.EditIndex < 0) {
      const int selected = ListFields->ItemIndex();
      if (selected < 0)
        AddField(made);
      else
        InsertField(selected + 1, made);
    } else {
      ListFields->SetItemText(dialog.EditIndex, d->Caption);
      if (shown) CurrentFieldIndex = -1;
    }
    ListFieldsClick();
    dialog.Close();
  });
}

void TSetupWindow::DescribeExpression(TViewLine& d, const std::string& expression) {
  d.Expression = expression;
  d.Column.clear();
  d.ColumnType =
      static_cast<std::uint8_t>(Link.TypeDataExpressionForTheTable(TableName, expression));
  d.Enabled = Link.IsDataExpressionEditable(TableName, expression);
}

void TSetupWindow::DescribeColumn(TViewLine& d, const std::string& column) {
  d.Column = column;
  d.ColumnType =
      static_cast<std::uint8_t>(Link.RequestInt(Cat("ColumnInfo(", TableName, ",", column, ",3)")));
  d.Enabled =
      text::Lower(Link.RequestText(Cat("ColumnInfo(", TableName, ",", column, ",7)"))) == "t";
}

void TSetupWindow::EnterExpressionWindow_OkButtonClick(ui::Component& sender) {
  Boundary(FunctionPrefix("EnterExpressionWindow_OkButtonClick"), [&] {
    if (sender.Owner() != EnterExpressionWindow) return;
    const std::string expression = EnterExpressionWindow->Expression->Text();
    if (expression.empty()) {
      Ask("Не указано выражение."_cp, "Ошибка в выражении"_cp, ui::mb::IconInformation);
      return;
    }
    if (TableName.empty()) return;
    if (!Link.CorrectExpressionForTheTable(TableName, expression)) {
      Ask("Указано ошибочное выражение."_cp, "Ошибка в выражении"_cp, ui::mb::IconError);
      return;
    }
    ui::ComboBox& target = *EnterExpressionWindow->TargetList;
    target.DeleteItem(target.Count() - 1);
    const int index = target.AddItem(expression);
    target.AddItem(kExpressionEntry);
    target.SetItemIndex(index);
    EnterExpressionWindow->Close();
  });
}

void TSetupWindow::EnterExpressionWindow_CheckUpClick(ui::Component& sender) {
  Boundary(FunctionPrefix("EnterExpressionWindow_CheckUpClick"), [&] {
    if (sender.Owner() != EnterExpressionWindow) return;
    const std::string expression = EnterExpressionWindow->Expression->Text();
    if (expression.empty()) {
      Ask("Не указано выражение."_cp, "Ошибка в выражении"_cp, ui::mb::IconWarning);
      return;
    }
    if (TableName.empty()) {
      TellTableNotOpen();
      return;
    }
    TellCheckResult(Link.CorrectExpressionForTheTable(TableName, expression), ui::mb::IconWarning,
                    ui::mb::IconWarning);
  });
}

}  // namespace ornil
