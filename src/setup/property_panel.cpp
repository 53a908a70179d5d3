// The property panel: storing it into the field it shows and loading it from the selected one,
// arranging it for the field's kind, the column lists of the values table, the condition check,
// the rows of a constant list, and the switches between dependent controls.
#include "host/errors.h"
#include "setup/setup_window.h"
#include "text/cp1251.h"
#include "ui/application.h"

namespace ornil {

namespace {

constexpr int kEditableItem = 0;
constexpr int kLookupItem = 1;
constexpr int kStaticListItem = 2;

void TurnOn(ui::Control& control, bool on) {
  control.SetEnabled(on);
  control.SetVisible(on);
}

// The selected entry's text; empty when none is selected.
std::string SelectedText(ui::ComboBox& combo) {
  const int index = combo.ItemIndex();
  return index >= 0 ? combo.Item(index) : std::string();
}

}  // namespace

void TSetupWindow::AssignPanelHints() {
  const auto both = [](ui::Label* label, ui::Control* input, const char* hint) {
    input->SetHint(hint);
    label->SetHint(hint);
  };
  both(LabelFieldType, FieldType,
       "Тип поля - здесь вы указываете способ \nредактирования и отображения значений\n"
       "выбранного поля (в списке полей\nтекущего окна)"_cp);
  FieldEnabled->SetHint(
      "Изменяемое - если вы уберёте галочку,\nто значение выбранного поля (в списке\n"
      "полей текущего окна) будет неизменяемым,\nесли укажете галочку, то выбранное поле будет\n"
      "редактируемым, и его значение будет\nсохраняться в таблице"_cp);
  both(LabelTableName, ValuesTableName,
       "Внешняя таблица - здесь вы указываете таблицу,\nиз которой будут извлекаться значения,\n"
       "для отображения в выбранном поле (в списке\nполей текущего окна)"_cp);
  both(LabelValue, ValueColumn,
       "Колонка изменяемых значений - здесь вы указываете имя колонки,\n"
       "в которой будет происходить редактирование значений"_cp);
  both(LabelViewedColumn, ViewedColumn,
       "Колонка отображаемых значений - здесь вы указываете имя колонки\n"
       "или выражение (сумма нескольких колонок или функция),\n"
       "из которого будет формироваться список значений,\n"
       "отображаемых в выбранном поле (в списке полей\nтекущего окна)"_cp);
  both(LabelIdentifier, IdentifierColumn,
       "Колонка идентификаторов - здесь вы указываете имя колонки,\n"
       "из которой будут извлекаться идентификаторы значений,\n"
       "отображаемых в выбранном поле (в списке полей\nтекущего окна)"_cp);
  both(LabelCondition, AdditionalCondition,
       "Дополнительное условие - здесь вы указываете\nдополнительное условие, по которому будет\n"
       "сформирован список значений, отображаемых\nв выбранном поле (в списке полей текущего "
       "окна)"_cp);
  CheckUp->SetHint("Проверка дополнительного условия"_cp);
  ValueList->SetHint(
      "Список значений - состоит из двух колонок:\nв первой указаны значения, сохраняемые\n"
      "в таблице, во второй колонке указаны значения,\nформирующие список отображаемых значений\n"
      "в выбранном поле (в списке полей текущего окна)"_cp);
  CreateValue->SetHint("Добавить пустую строку в список значений"_cp);
  DeleteValue->SetHint("Удалить выбранную строку из списка значений"_cp);
  both(LabelDateFormat, DateFormat,
       "Формат даты - здесь вы указываете стандартную форму отображения даты"_cp);
  both(LabelCustomDateFormat, CustomDateFormat,
       "Свой формат даты - здесь вы указываете свой шаблон для форматиования даты"_cp);
}

void TSetupWindow::StorePanel(TViewLine& d, int index) {
  if (d.FieldType == Divider) {
    d.CaptionViewed = CaptionViewed->Checked();
    if (d.CaptionViewed) d.CaptionJustify = static_cast<std::uint8_t>(CaptionJustify->ItemIndex());
    return;
  }
  if (ListFields->Item(index) != d.Caption) return;
  d.Enabled = FieldEnabled->Checked();
  switch (FieldType->ItemIndex()) {
    case kEditableItem:
      d.FieldType = Editable;
      if (d.ColumnType == ColumnTypes::Date) {
        d.DateFormat = DateFormat->ItemIndex() != 0 ? 1 : 0;
        d.CustomDateFormat = CustomDateFormat->Text();
      }
      break;
    case kLookupItem:
      d.FieldType = TableLookup;
      d.ValuesTable = ValuesTableName->Text();
      d.ValueExpression = SelectedText(*ValueColumn);
      d.ViewedExpression = ViewedColumn->Text();
      d.IdentifierExpression = SelectedText(*IdentifierColumn);
      d.AdditionalCondition = AdditionalCondition->Text();
      d.FullValuesList = FullValuesVistCreated->Checked();
      break;
    case kStaticListItem:
      d.FieldType = StaticList;
      // A menu command takes no focus from the grid: a cell still being typed counts too.
      if (ValueList->Editing()) ValueList->CommitEdit();
      d.Values.clear();
      for (int row = 1; row < ValueList->RowCount(); ++row)
        d.Values.push_back({ValueList->Value(row), ValueList->Key(row)});
      break;
    default:
      break;
  }
}

void TSetupWindow::LoadPanel(TViewLine& d) {
  FieldEnabled->SetChecked(d.Enabled);
  FieldEnabledClick();
  if (d.FieldType == Divider) {
    FieldType->SetItemText(kEditableItem, "Разделитель"_cp);
    FieldType->SetItemIndex(kEditableItem);
    CaptionViewed->SetChecked(d.CaptionViewed);
    FieldType->SetEnabled(false);
    CaptionViewedClick();
    if (d.CaptionViewed) CaptionJustify->SetItemIndex(d.CaptionJustify);
  } else {
    LoadKindList(d);
  }
  FieldTypeSelect();
}

void TSetupWindow::LoadKindList(const TViewLine& d) {
  const char* editable = d.ColumnType == ColumnTypes::Logical ? "Галочка - логическое поле"_cp
                         : d.ColumnType == ColumnTypes::Date ? "Календарь + поле даты"_cp
                                                             : "Редактируемое поле"_cp;
  FieldType->SetItemText(kEditableItem, editable);
  FieldType->SetEnabled(true);
  switch (d.FieldType) {
    case TableLookup:
      FieldType->SetItemIndex(kLookupItem);
      FullValuesVistCreated->SetChecked(d.FullValuesList);
      ValuesTableName->SetText(d.ValuesTable);
      ValuesTableNameSelect(*ValuesTableName);
      ValueColumn->SetItemIndex(ValueColumn->IndexOf(d.ValueExpression));
      ViewedColumn->SetText(d.ViewedExpression);
      IdentifierColumn->SetItemIndex(IdentifierColumn->IndexOf(d.IdentifierExpression));
      ClearValueRows();
      AdditionalCondition->SetText(d.AdditionalCondition);
      break;
    case StaticList:
      FieldType->SetItemIndex(kStaticListItem);
      ValuesTableName->SetText("");
      ValuesTableNameSelect(*ValuesTableName);
      ClearValueRows();
      for (const TListValue& pair : d.Values)
        ValueList->InsertRow(pair.Saved, pair.Viewed, true);
      break;
    default:
      if (d.ColumnType == ColumnTypes::Date) {
        DateFormat->SetItemIndex(d.DateFormat != 0 ? 1 : 0);
        CustomDateFormat->SetText(d.CustomDateFormat);
        CustomDateFormatChange();
      }
      FieldType->SetItemIndex(kEditableItem);
      ValuesTableName->SetText("");
      ValuesTableNameSelect(*ValuesTableName);
      ValueColumn->SetText("");
      ViewedColumn->SetText("");
      IdentifierColumn->SetText("");
      ClearValueRows();
      break;
  }
}

void TSetupWindow::ClearValueRows() {
  ValueList->ClearRows();
}

void TSetupWindow::FieldTypeSelect() {
  Boundary(FunctionPrefix("FieldTypeSelect"), [&] {
    const TViewLine* d = FieldAt(ListFields->ItemIndex());
    if (d == nullptr) return;
    const int k = FieldType->ItemIndex();
    const bool divider = d->FieldType == Divider;
    if (k != kEditableItem && divider) return;
    if (k == kEditableItem && divider) {
      TurnOn(*TableFieldOptions, false);
      TurnOn(*StaticListOptions, false);
      TurnOn(*CaptionViewed, true);
      CaptionJustify->Show();
      CaptionJustify->SetTop(TableFieldOptions->Top());
      TurnOn(*FieldEnabled, false);
      TurnOn(*DateFieldOptions, false);
      return;
    }
    TurnOn(*FieldEnabled, true);
    TurnOn(*CaptionViewed, false);
    CaptionJustify->Hide();
    TurnOn(*TableFieldOptions, k == kLookupItem);
    TurnOn(*StaticListOptions, k == kStaticListItem);
    const bool date = k == kEditableItem && d->ColumnType == ColumnTypes::Date;
    TurnOn(*DateFieldOptions, date);
    if (date) {
      ShowOptionsBox(*DateFieldOptions);
      CustomDateFormatChange();
    }
    if (k == kStaticListItem) {
      ShowOptionsBox(*StaticListOptions);
      ValueList->SetHeight(CreateValue->Top() - ValueList->Top() - ValueList->Left());
    }
  });
}

void TSetupWindow::ShowOptionsBox(ui::ScrollBox& box) {
  box.SetBounds(box.Left(), TableFieldOptions->Top(), box.Width(),
                FieldProperties->Height() - TableFieldOptions->Top() - 2);
}

void TSetupWindow::ValuesTableNameSelect(ui::Component& sender) {
  Boundary(FunctionPrefix("ValuesTableNameSelect"), [&] {
    if (&sender != ValuesTableName) return;
    ValueColumn->Clear();
    ViewedColumn->Clear();
    IdentifierColumn->Clear();
    const std::string table = ValuesTableName->Text();
    if (!Link.OpenedTab(table)) return;
    for (int i = 1; Link.RequestInt(Cat("TableInfo(", table, ",4)")) >= i; ++i) {
      const std::string column = Cat("ColumnInfo(", table, ",\"COL", std::to_string(i), "\",1)");
      ValueColumn->AddItem(Link.RequestText(column));
      ViewedColumn->AddItem(Link.RequestText(column));
      IdentifierColumn->AddItem(Link.RequestText(column));
    }
  });
}

void TSetupWindow::CheckUpClick() {
  Boundary(FunctionPrefix("CheckUpClick"), [&] {
    const std::string condition = AdditionalCondition->Text();
    if (condition.empty()) {
      Ask("Не указано выражение."_cp, "Ошибка в выражении"_cp, ui::mb::IconWarning);
      return;
    }
    if (TableName.empty()) return;
    if (!Link.OpenedTab(TableName)) {
      TellTableNotOpen();
      return;
    }
    TellCheckResult(Link.CorrectConditionForTheTable(TableName, condition), ui::mb::IconInformation,
                    ui::mb::IconError);
  });
}

void TSetupWindow::TellTableNotOpen() {
  Ask(Cat("Не могу проверить выражение. Таблица "_cp, TableName, " не открыта."_cp).c_str(),
      "Ошибка"_cp, ui::mb::IconError);
}

void TSetupWindow::TellCheckResult(bool correct, std::uint32_t correctIcon,
                                   std::uint32_t wrongIcon) {
  if (correct)
    Ask("Всё правильно."_cp, "Выражение корректно"_cp, correctIcon);
  else
    Ask("Указано ошибочное выражение."_cp, "Ошибка в выражении"_cp, wrongIcon);
}

void TSetupWindow::CreateValueClick() {
  Boundary(FunctionPrefix("CreateValueClick"), [&] { ValueList->InsertRow("", "", true); });
}

void TSetupWindow::DeleteValueClick() {
  Boundary(FunctionPrefix("DeleteValueClick"), [&] {
    const int row = ValueList->Row();
    if (row >= 1 && row < ValueList->RowCount()) ValueList->DeleteRow(row);
  });
}

void TSetupWindow::CustomDateFormatChange() {
  Boundary(FunctionPrefix("CustomDateFormatChange"),
           [&] { DateFormat->SetEnabled(CustomDateFormat->Text().empty()); });
}

void TSetupWindow::CaptionViewedClick() {
  Boundary(FunctionPrefix("CaptionViewedClick"),
           [&] { CaptionJustify->SetEnabled(CaptionViewed->Checked()); });
}

void TSetupWindow::FieldEnabledClick() {
  Boundary(FunctionPrefix("FieldEnabledClick"), [&] {
    const bool enabled = FieldEnabled->Checked();
    ValueColumn->SetEnabled(enabled);
    LabelValue->SetEnabled(enabled);
  });
}

}  // namespace ornil
