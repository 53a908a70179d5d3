// The setup window as designed: its frame and menu, the list of fields with its buttons, and the
// property panel with its three option boxes (lookup, constant list, date), their captions,
// items and the hints the design gives; then the wiring of every handler.
#include "setup/setup_forms.h"
#include "setup/setup_window.h"
#include "text/cp1251.h"

namespace ornil {

using setup::Place;

namespace {

constexpr ui::Anchors kLeftTopRight = ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorRight;
constexpr ui::Anchors kRightBottom = ui::kAnchorRight | ui::kAnchorBottom;
// The label column and the inputs beside it, in their parents' coordinates; FormCreate fits the
// column to its longest caption.
constexpr int kLabelLeft = 4;
constexpr int kLabelWidth = 104;
constexpr int kInputLeft = 111;
constexpr int kRowHeight = 21;

ui::Label* RowLabel(ui::Control& parent, int top, const char* caption) {
  auto* label = Place<ui::Label>(parent, kLabelLeft, top, kLabelWidth, kRowHeight);
  label->SetAutoSize(false);
  label->SetAlignment(ui::Alignment::Right);
  label->SetLayout(ui::Layout::Center);
  label->SetText(caption);
  return label;
}

ui::ComboBox* RowCombo(ui::Control& parent, int top, ui::ComboStyle style) {
  auto* combo = Place<ui::ComboBox>(parent, kInputLeft, top, parent.Width() - kInputLeft - 4,
                                    kRowHeight, kLeftTopRight);
  combo->SetStyle(style);
  return combo;
}

ui::ScrollBox* OptionsBox(ui::Control& parent, int height, ui::Anchors anchors) {
  auto* box = Place<ui::ScrollBox>(parent, 2, 58, 311, height, anchors);
  box->SetBordered(false);
  box->SetVertScrollBarVisible(false);
  box->Hide();
  return box;
}

ui::CheckBox* LeftCaptionCheck(ui::Control& parent, int left, int top, int width,
                               const char* caption) {
  auto* check = Place<ui::CheckBox>(parent, left, top, width, 17);
  check->SetAlignment(ui::Alignment::Left);
  check->SetText(caption);
  return check;
}

ui::BitButton* GlyphButton(ui::Control& parent, int left, int top, int width, int height,
                           ui::Anchors anchors, ui::ButtonGlyph glyph, const char* caption) {
  auto* button = Place<ui::BitButton>(parent, left, top, width, height, anchors);
  button->SetGlyph(glyph);
  button->SetText(caption);
  return button;
}

}  // namespace

void TSetupWindow::BuildMenu() {
  MainMenu1 = ui::Make<ui::MainMenu>(this);
  SetupMenu = ui::Make<ui::MenuItem>(this);
  SetupMenu->SetCaption("&Настройка"_cp);
  MainMenu1->Add(SetupMenu);
  auto item = [this](const char* caption) {
    auto* menuItem = ui::Make<ui::MenuItem>(this);
    menuItem->SetCaption(caption);
    SetupMenu->Add(menuItem);
    return menuItem;
  };
  SaveChanges = item("Сохранить изменения"_cp);
  N3 = item("-");
  SelectTable = item("Выбрать таблицу"_cp);
  CloseWindow = item("Закрыть окно"_cp);
  SetMenu(MainMenu1);
}

void TSetupWindow::BuildFieldList() {
  Fields = Place<ui::GroupBox>(*this, 0, 0, 269, 276,
                               ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorBottom);
  Fields->SetText("Поля:"_cp);
  ListFields = Place<ui::ListBox>(*Fields, 4, 15, 229, 226, ui::kAnchorsAll);
  ListFields->SetOwnerDraw(true);
  ListFields->SetItemHeight(14);
  ListFields->SetHint("Список полей информационного окна"_cp);
  constexpr ui::Anchors kBottom = ui::kAnchorLeft | ui::kAnchorBottom;
  CreateField =
      GlyphButton(*Fields, 4, 243, 114, 28, kBottom, ui::ButtonGlyph::Create, "Создать"_cp);
  CreateField->SetHint("Создать новое поле"_cp);
  DeleteField =
      GlyphButton(*Fields, 121, 243, 114, 28, kBottom, ui::ButtonGlyph::Delete, "Удалить"_cp);
  DeleteField->SetHint("Удалить выбранное поле"_cp);
  constexpr ui::Anchors kTopRight = ui::kAnchorTop | ui::kAnchorRight;
  FieldUp = GlyphButton(*Fields, 237, 138, 26, 26, kTopRight, ui::ButtonGlyph::Up, "");
  FieldUp->SetHint("Переместить выбранное поле выше"_cp);
  FieldUp->SetEnabled(false);
  FieldDown = GlyphButton(*Fields, 237, 168, 26, 26, kTopRight, ui::ButtonGlyph::Down, "");
  FieldDown->SetHint("Переместить выбранное поле ниже"_cp);
  FieldDown->SetEnabled(false);
}

void TSetupWindow::BuildPanel() {
  FieldProperties = Place<ui::GroupBox>(*this, 271, 0, 316, 276, ui::kAnchorsAll);
  FieldProperties->SetText("Свойства поля:"_cp);
  LabelFieldType = RowLabel(*FieldProperties, 15, "Тип поля:"_cp);
  LabelFieldType->SetLeft(6);
  FieldType = RowCombo(*FieldProperties, 15, ui::ComboStyle::DropDownList);
  for (const char* kind : {"Редактируемое поле"_cp, "Подстановка значений из таблицы"_cp,
                           "Список постоянных значений"_cp})
    FieldType->AddItem(kind);
  FieldEnabled = LeftCaptionCheck(*FieldProperties, 39, 39, 72, "Изменяемое:"_cp);
  CaptionViewed = LeftCaptionCheck(*FieldProperties, 4, 39, 121, "Показать заголовок:"_cp);
  CaptionViewed->Hide();
  CaptionJustify = Place<ui::RadioGroup>(*FieldProperties, 2, 58, 311, 70, kLeftTopRight);
  CaptionJustify->SetText("Выравнивание заголовка"_cp);
  CaptionJustify->SetItems({"По левому краю"_cp, "По правому краю"_cp, "По центру"_cp});
  CaptionJustify->SetItemIndex(1);
  CaptionJustify->Hide();
  BuildLookupOptions();
  BuildStaticListOptions();
  BuildDateOptions();
}

void TSetupWindow::BuildLookupOptions() {
  TableFieldOptions = OptionsBox(*FieldProperties, 184, kLeftTopRight);
  LabelTableName = RowLabel(*TableFieldOptions, 0, "Внешняя таблица:"_cp);
  ValuesTableName = RowCombo(*TableFieldOptions, 0, ui::ComboStyle::DropDown);
  ValuesTableName->SetAutoDropDown(true);
  GroupBox1 = Place<ui::GroupBox>(*TableFieldOptions, 0, 22, 311, 90, kLeftTopRight);
  GroupBox1->SetText("Колонки значений"_cp);
  LabelValue = RowLabel(*GroupBox1, 15, "Изменяемые:"_cp);
  LabelValue->SetEnabled(false);
  ValueColumn = RowCombo(*GroupBox1, 15, ui::ComboStyle::DropDownList);
  ValueColumn->SetEnabled(false);
  LabelViewedColumn = RowLabel(*GroupBox1, 39, "Отображаемые:"_cp);
  ViewedColumn = RowCombo(*GroupBox1, 39, ui::ComboStyle::DropDown);
  LabelIdentifier = RowLabel(*GroupBox1, 63, "Идентификаторы:"_cp);
  IdentifierColumn = RowCombo(*GroupBox1, 63, ui::ComboStyle::DropDownList);
  LabelCondition = RowLabel(*TableFieldOptions, 115, "Доп. условие:"_cp);
  AdditionalCondition =
      Place<ui::Memo>(*TableFieldOptions, kInputLeft, 115,
                      TableFieldOptions->Width() - kInputLeft - 4, 40, kLeftTopRight);
  AdditionalCondition->SetWantReturns(false);
  // As wide as the expression dialog's: at 75 pixels the glyph leaves the caption no room in
  // Arial. The right edge stays where the design puts it.
  CheckUp =
      Place<ui::BitButton>(*TableFieldOptions, 221, 157, 88, 25, ui::kAnchorTop | ui::kAnchorRight);
  CheckUp->SetKind(ui::BitButtonKind::Retry);
  CheckUp->SetText("Проверить"_cp);
  FullValuesVistCreated =
      LeftCaptionCheck(*TableFieldOptions, 3, 161, 185, " Показать весь список значений:"_cp);
}

void TSetupWindow::BuildStaticListOptions() {
  StaticListOptions = OptionsBox(*FieldProperties, 216, ui::kAnchorsAll);
  ColumnsGroup = Place<ui::GroupBox>(*StaticListOptions, 0, 0, StaticListOptions->Width(),
                                     StaticListOptions->Height(), ui::kAnchorsAll);
  ColumnsGroup->SetText("Значения"_cp);
  const int buttonsTop = ColumnsGroup->Height() - 31;
  CreateValue = GlyphButton(*ColumnsGroup, ColumnsGroup->Width() - 158, buttonsTop, 75, 25,
                            kRightBottom, ui::ButtonGlyph::Create, "Добавить"_cp);
  DeleteValue = GlyphButton(*ColumnsGroup, ColumnsGroup->Width() - 79, buttonsTop, 75, 25,
                            kRightBottom, ui::ButtonGlyph::Delete, "Удалить"_cp);
  ValueList = Place<ui::ValueListEditor>(*ColumnsGroup, 4, 14, ColumnsGroup->Width() - 8,
                                         buttonsTop - 14 - 4, ui::kAnchorsAll);
  ValueList->SetTitleCaptions("Сохраняемые"_cp, "Отображаемые"_cp);
  ValueList->SetColWidths(131, 166);
  // The buttons follow the grid in the tab order.
  CreateValue->SetTabOrder(ValueList->TabOrder() + 1);
  DeleteValue->SetTabOrder(CreateValue->TabOrder() + 1);
}

void TSetupWindow::BuildDateOptions() {
  DateFieldOptions = OptionsBox(*FieldProperties, 216, ui::kAnchorsAll);
  LabelDateFormat = RowLabel(*DateFieldOptions, 0, "Формат даты:"_cp);
  DateFormat = RowCombo(*DateFieldOptions, 0, ui::ComboStyle::DropDownList);
  DateFormat->AddItem("Длинный"_cp);
  DateFormat->AddItem("Короткий"_cp);
  DateFormat->SetItemIndex(0);
  LabelCustomDateFormat = RowLabel(*DateFieldOptions, 24, "Свой формат:"_cp);
  CustomDateFormat = RowCombo(*DateFieldOptions, 24, ui::ComboStyle::DropDown);
  CustomDateFormat->SetAutoDropDown(true);
  for (const char* pattern : {"dd.MM.yyyy", "dd.MM.yy", "d.M.yy", "dd/MM/yy", "yyyy-MM-dd",
                              "d MMMM yyyy 'г.'"_cp, "dd MMMM yyyy 'г.'"_cp})
    CustomDateFormat->AddItem(pattern);
}

void TSetupWindow::WireHandlers() {
  OnClose = [this](ui::Form& sender, ui::CloseAction& action) { FormClose(sender, action); };
  OnDestroy = [this](ui::Component&) { FormDestroy(); };
  OnResize = [this](ui::Component&) { FormResize(); };
  OnKeyDown = [this](ui::Component&, std::uint16_t& key, ui::ShiftState) { FormKeyDown(key); };
  OnKeyPress = [this](ui::Component&, char& key) { FormKeyPress(key); };
  auto click = [](ui::Control& control, void (TSetupWindow::*handler)(), TSetupWindow* window) {
    control.OnClick = [window, handler](ui::Component&) { (window->*handler)(); };
  };
  ListFields->OnDblClick = [this](ui::Component&) { ListFieldsDblClick(); };
  ListFields->OnClick = [this](ui::Component&) { ListFieldsClick(); };
  ListFields->OnDrawItem = [this](ui::ListBox&, int index, ui::Canvas& canvas, const ui::Rect& rect,
                                  std::uint32_t state) {
    ListFieldsDrawItem(canvas, index, rect, state);
  };
  click(*FieldUp, &TSetupWindow::FieldUpClick, this);
  click(*FieldDown, &TSetupWindow::FieldDownClick, this);
  click(*CreateField, &TSetupWindow::CreateFieldClick, this);
  click(*DeleteField, &TSetupWindow::DeleteFieldClick, this);
  SaveChanges->OnClick = [this](ui::Component&) { SaveChangesClick(); };
  SelectTable->OnClick = [this](ui::Component&) { SelectTableClick(); };
  CloseWindow->OnClick = [this](ui::Component&) { Close(); };

  FieldType->OnSelect = [this](ui::Component&) { FieldTypeSelect(); };
  ValuesTableName->OnSelect = [this](ui::Component& sender) { ValuesTableNameSelect(sender); };
  click(*CheckUp, &TSetupWindow::CheckUpClick, this);
  click(*CreateValue, &TSetupWindow::CreateValueClick, this);
  click(*DeleteValue, &TSetupWindow::DeleteValueClick, this);
  CustomDateFormat->OnChange = [this](ui::Component&) { CustomDateFormatChange(); };
  CustomDateFormat->OnSelect = [this](ui::Component&) { CustomDateFormatChange(); };
  click(*CaptionViewed, &TSetupWindow::CaptionViewedClick, this);
  click(*FieldEnabled, &TSetupWindow::FieldEnabledClick, this);
  click(*FullValuesVistCreated, &TSetupWindow::FieldEnabledClick, this);
  for (ui::Component* component : Components())
    if (auto* control = dynamic_cast<ui::Control*>(component); control != nullptr)
      control->OnKeyPress = [this](ui::Component&, char& key) { AllKeyPress(key); };
}

}  // namespace ornil
