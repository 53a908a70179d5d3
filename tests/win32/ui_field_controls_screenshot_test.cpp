// Screenshots of the field controls for a person to look at: every kind in its normal, read-only
// and disabled state, flat buttons focused and under the mouse, dividers in every layout and
// alignment (out/field_controls.png), and the edit value window in text and date mode
// (out/edit_value_text.png, out/edit_value_date.png).
#include "support/ui_fixture.h"

#include <string>
#include <tuple>
#include <utility>

#include "controls/border_bit_btn.h"
#include "controls/border_check_box.h"
#include "controls/border_date_edit.h"
#include "controls/edit_value_window.h"
#include "controls/ornil_combo_box.h"
#include "controls/typed_edits.h"
#include "controls/window_divider.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/group_box.h"
#include "ui/win32/screenshot.h"
#include "ui/win32/win32_backend.h"

namespace ornil {
namespace {

template <class T, class... Args>
T* Put(ui::Control* parent, int left, int top, int width, int height, Args... args) {
  ui::Component* owner = parent->Owner() != nullptr ? parent->Owner() : parent;
  if (dynamic_cast<ui::Form*>(parent) != nullptr) owner = parent;
  auto* control = ui::Make<T>(owner, args...);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

template <class T>
T* Row(ui::Control* parent, int top, const char* caption, const char* text, int width = 150) {
  auto* control = Put<T>(parent, 110, top, width, 21);
  control->EditLabel()->SetText(caption);
  if (text != nullptr) control->SetText(text);
  return control;
}

std::string OutPath(const char* name) {
  CreateDirectoryA(ORNIL_OUT_DIR, nullptr);
  return std::string(ORNIL_OUT_DIR) + "/" + name;
}

void BuildFields(ui::Form& form, ui::Control* box) {
  auto* integer = Put<TOrnilIntEdit>(box, 110, 20, 150, 21, -2147483647 - 1, 2147483647);
  integer->EditLabel()->SetText("Целое:"_cp);
  integer->SetText("1250");
  auto* floating = Put<TOrnilFloatEdit>(box, 110, 46, 150, 21, -1e16, 1e16);
  floating->EditLabel()->SetText("Вещественное:"_cp);
  floating->SetText("3.14159");
  auto* decimal = Put<TOrnilDecimalEdit>(box, 110, 72, 150, 21, -1e20, 1e20, 2, 10);
  decimal->EditLabel()->SetText("Десятичное:"_cp);
  decimal->SetText("12.5");
  Row<TBorderEdit>(box, 98, "Название:"_cp, "Улица Ленина"_cp);
  Row<TBorderEdit>(box, 124, "Только чтение:"_cp, "Нельзя изменить"_cp)->SetReadOnly(true);
  Row<TBorderEdit>(box, 150, "Отключено:"_cp, "Недоступно"_cp)->SetEnabled(false);

  auto* date = Row<TBorderDateEdit>(box, 176, "Дата ввода:"_cp, nullptr);
  date->SetShowCheckbox(true);
  date->SetDate(ui::SystemTime::Date(2024, 3, 5));
  auto* fixed = Row<TBorderDateEdit>(box, 202, "Дата (чтение):"_cp, nullptr);
  fixed->SetDate(ui::SystemTime::Date(2023, 12, 31));
  fixed->SetReadOnly(true);

  auto* list = Row<TBorderComboBox>(box, 228, "Тип:"_cp, nullptr);
  for (const char* item : {"Жилое"_cp, "Нежилое"_cp, "Склад"_cp})
    list->AddItem(item);
  list->SetItemIndex(1);
  list->SetDefaultValue("Нежилое"_cp);
  auto* lookup = Row<TOrnilComboBox>(box, 254, "Улица:"_cp, nullptr);
  lookup->AddItem("Ленина"_cp);
  lookup->SetItemIndex(0);
  lookup->SetReadOnly(true);
  lookup->BoundLabel()->UnderlineOnHover = true;
  lookup->BoundLabel()->Perform(ui::cm::MouseEnter);
  auto* off = Row<TOrnilComboBox>(box, 280, "Отключено:"_cp, nullptr);
  off->AddItem("Нет"_cp);
  off->SetItemIndex(0);
  off->SetEnabled(false);

  int top = 308;
  for (const auto& [caption, readOnly, enabled] :
       {std::tuple{"Изменяемое:"_cp, false, true}, std::tuple{"Только чтение:"_cp, true, true},
        std::tuple{"Отключено:"_cp, false, false}}) {
    auto* check = Put<TBorderCheckBox>(box, 20, top, 106, 17);
    check->SetAlignment(ui::Alignment::Left);
    check->SetText(caption);
    check->SetChecked(true);
    check->SetReadOnly(readOnly);
    check->SetEnabled(enabled);
    top += 22;
  }

  int left = 10;
  TBorderBitBtn* hovered = nullptr;
  TBorderBitBtn* focused = nullptr;
  for (const char* caption : {"Обычная"_cp, "В фокусе"_cp, "Под мышью"_cp, "Отключена"_cp}) {
    auto* button = Put<TBorderBitBtn>(box, left, 376, 78, 25);
    button->SetText(caption);
    button->SetKind(left == 10 ? ui::BitButtonKind::Ok : ui::BitButtonKind::Custom);
    if (left == 94) focused = button;
    if (left == 178) hovered = button;
    if (left == 262) button->SetEnabled(false);
    left += 84;
  }
  // The mouse stays over this one: the hover rings come back after every painting.
  auto kept = hovered->WindowProc;
  hovered->WindowProc = [kept, hovered](ui::Message& m) {
    kept(m);
    if (m.msg == WM_PAINT) hovered->Perform(ui::cm::MouseEnter);
  };
  form.SetActiveControl(focused);
}

void BuildDividers(ui::Control* box) {
  int top = 22;
  auto* plain = Put<TWindowDivider>(box, 10, top, 300, 20);
  plain->SetTransparent(true);
  plain->SetAutoSize(true);
  top += 18;
  const std::pair<ui::Layout, const char*> layouts[] = {{ui::Layout::Top, "сверху"_cp},
                                                        {ui::Layout::Bottom, "снизу"_cp},
                                                        {ui::Layout::Center, "по центру"_cp}};
  const std::pair<ui::Alignment, const char*> alignments[] = {
      {ui::Alignment::Left, "слева"_cp},
      {ui::Alignment::Right, "справа"_cp},
      {ui::Alignment::Center, "посередине"_cp}};
  for (const auto& [layout, layoutName] : layouts)
    for (const auto& [alignment, alignmentName] : alignments) {
      auto* divider = Put<TWindowDivider>(box, 10, top, 300, 20);
      divider->SetTransparent(true);
      divider->SetAutoSize(true);
      divider->SetLayout(layout);
      divider->SetAlignment(alignment);
      divider->SetText(std::string("Раздел: "_cp) + layoutName + ", " + alignmentName);
      divider->SetAutoSize(false);
      divider->SetBounds(10, top, 300, divider->Height());
      top += 34;
    }
}

TEST(FieldControlsScreenshot, EveryKindInEveryState) {
  ui::win32::Win32Backend backend;
  ui::Application app{backend};
  auto* form = ui::Make<ui::Form>(&app);
  form->SetFont(ui::RussianArial(11));
  form->SetText("Поля: обычные, только чтение, отключённые; разделители"_cp);
  form->SetBounds(20, 20, 700, 470);
  auto* fields = Put<ui::GroupBox>(form, 8, 4, 350, 420);
  fields->SetText("Поля"_cp);
  BuildFields(*form, fields);
  auto* dividers = Put<ui::GroupBox>(form, 366, 4, 320, 420);
  dividers->SetText("Разделители"_cp);
  BuildDividers(dividers);
  form->Show();
  app.ProcessMessages();
  EXPECT_TRUE(ui::win32::SaveWindowPng(form->GetHandle(), OutPath("field_controls.png")));
  form->Free();
}

TEST(FieldControlsScreenshot, EditValueWindowInBothModes) {
  ui::win32::Win32Backend backend;
  ui::Application app{backend};
  auto* owner = ui::Make<ui::Form>(&app);
  owner->SetBounds(100, 100, 500, 360);
  owner->Show();
  auto* window = ui::Make<TEditValueWindow>(owner);
  window->SetText("Изменить значение"_cp);
  window->ShowTextEditor();
  window->Value->SetText("ул. Ленина, 12"_cp);
  window->Show();
  app.ProcessMessages();
  EXPECT_EQ(window->ClientHeight(), 106);
  EXPECT_TRUE(ui::win32::SaveWindowPng(window->GetHandle(), OutPath("edit_value_text.png")));

  window->Hide();
  window->SetText("Создать значение"_cp);
  window->ShowDateEditor();
  window->DateValue->SetDate(ui::SystemTime::Date(2024, 3, 5));
  window->DateValue->SetChecked(true);
  window->Show();
  app.ProcessMessages();
  EXPECT_EQ(window->ClientHeight(), 66);
  EXPECT_TRUE(ui::win32::SaveWindowPng(window->GetHandle(), OutPath("edit_value_date.png")));
  owner->Free();
}

}  // namespace
}  // namespace ornil
