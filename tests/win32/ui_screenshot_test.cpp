// What the Win32 backend shows on the virtual display, saved under out/ for a person to look at: a
// sample form with every control kind, and a transparent label whose caption and parent change
// over a striped parent (checked pixel by pixel for what the old caption or face left behind).
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/scroll_box.h"
#include "ui/value_list_editor.h"
#include "ui/win32/screenshot.h"
#include "ui/win32/win32_backend.h"
#include "win32/support/ui_fixture.h"

namespace ornil::ui {
namespace {

template <class T>
T* Put(Control* parent, int left, int top, int width, int height, const char* text = nullptr) {
  auto* c = Make<T>(parent->Owner() != nullptr ? parent->Owner() : parent);
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  if (text != nullptr) c->SetText(text);
  return c;
}

void BuildSample(Form& form) {
  Font arial;
  arial.name = "Arial";
  arial.height = -11;
  arial.charset = kCharsetRussian;
  form.SetFont(arial);
  form.SetBorderStyle(BorderStyle::Sizeable);
  form.SetText("Образец: все виды элементов"_cp);
  form.SetBounds(20, 20, 620, 470);

  auto* menu = Make<MainMenu>(&form);
  auto* setup = Make<MenuItem>(&form);
  setup->SetCaption("&Настройка"_cp);
  for (const char* caption : {"Сохранить изменения"_cp, "-", "Закрыть окно"_cp}) {
    auto* item = Make<MenuItem>(&form);
    item->SetCaption(caption);
    setup->Add(item);
  }
  menu->Add(setup);
  form.SetMenu(menu);

  auto* fields = Put<GroupBox>(&form, 8, 4, 290, 250, "Поля:"_cp);
  auto* caption = Put<Label>(fields, 10, 22, 80, 13, "Название:"_cp);
  caption->SetAlignment(Alignment::Right);
  Put<Edit>(fields, 100, 18, 180, 21, "Улица Ленина"_cp);
  Put<StaticText>(fields, 10, 48, 80, 17, "Тип:"_cp);
  auto* kinds = Put<ComboBox>(fields, 100, 44, 180, 21);
  kinds->SetStyle(ComboStyle::DropDownList);
  for (const char* s : {"Редактируемое поле"_cp, "Подстановка значений из таблицы"_cp})
    kinds->AddItem(s);
  kinds->SetItemIndex(0);
  auto* editable = Put<ComboBox>(fields, 100, 70, 180, 21);
  editable->AddItem("dd.MM.yyyy");
  editable->SetText("dd.MM.yyyy");
  auto* check = Put<CheckBox>(fields, 10, 98, 120, 17, "Изменяемое:"_cp);
  check->SetAlignment(Alignment::Left);
  check->SetChecked(true);
  auto* picker = Put<DateTimePicker>(fields, 140, 96, 140, 21);
  picker->SetShowCheckbox(true);
  picker->SetDate(SystemTime::Date(2024, 3, 5));
  auto* list = Put<ListBox>(fields, 10, 124, 270, 70);
  list->SetOwnerDraw(true);
  list->SetItemHeight(14);
  for (const char* s : {"Название"_cp, "Адрес"_cp, "Площадь"_cp, "Дата ввода"_cp})
    list->AddItem(s);
  list->SetItemIndex(1);
  auto* memo = Put<Memo>(fields, 10, 200, 270, 40, "Str$(Area) + \" м\""_cp);
  memo->SetWantReturns(false);

  auto* props = Put<GroupBox>(&form, 306, 4, 296, 250, "Свойства поля:"_cp);
  auto* justify = Put<RadioGroup>(props, 10, 18, 276, 70, "Выравнивание заголовка"_cp);
  justify->SetItems({"По левому краю"_cp, "По правому краю"_cp, "По центру"_cp});
  justify->SetItemIndex(1);
  auto* grid = Put<ValueListEditor>(props, 10, 94, 276, 110);
  grid->SetTitleCaptions("Сохраняемые"_cp, "Отображаемые"_cp);
  grid->SetColWidths(110, 160);
  grid->InsertRow("1", "Жилое"_cp, true);
  grid->InsertRow("2", "Нежилое"_cp, true);
  auto* add = Put<BitButton>(props, 130, 212, 75, 28, "Добавить"_cp);
  add->SetKind(BitButtonKind::Retry);
  auto* remove = Put<BitButton>(props, 211, 212, 75, 28, "Удалить"_cp);
  remove->SetKind(BitButtonKind::Cancel);

  auto* box = Put<ScrollBox>(&form, 8, 262, 290, 90);
  box->SetVertIncrement(24);
  for (int i = 0; i < 6; ++i) {
    auto* row = Make<Edit>(&form);
    row->SetParent(box);
    row->SetBounds(90, i * 24 + 2, 180, 21);
    row->SetText("Строка "_cp + std::to_string(i + 1));
    auto* label = Make<Label>(&form);
    label->SetParent(box);
    label->SetBounds(10, i * 24 + 5, 70, 13);
    label->SetText("Поле "_cp + std::to_string(i + 1) + ":");
  }
  auto* panel = Put<Panel>(&form, 306, 262, 296, 90, "О программе"_cp);
  panel->SetBevels(Bevel::Raised, Bevel::Lowered);
  Font bold = arial;
  bold.bold = true;
  panel->SetFont(bold);
  // A picture drawn in code: a blue disc with a white ring on a background left out.
  std::vector<std::uint32_t> pixels(32 * 32, 0xFF00FF);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int d = (x - 16) * (x - 16) + (y - 16) * (y - 16);
      if (d < 196) pixels[y * 32 + x] = d > 120 ? 0xFFFFFF : 0x3060C0;
    }
  auto* picture = Make<Image>(&form);
  picture->SetParent(panel);
  picture->SetBounds(12, 16, 65, 57);
  picture->SetPicture(32, 32, std::move(pixels));
  picture->SetStretch(true);
  picture->SetTransparent(true);

  auto* ok = Put<BitButton>(&form, 494, 368, 28, 28);
  ok->SetKind(BitButtonKind::Ok);
  auto* cancel = Put<BitButton>(&form, 528, 368, 28, 28);
  cancel->SetKind(BitButtonKind::Cancel);
  auto* retry = Put<BitButton>(&form, 380, 368, 100, 28, "Проверить"_cp);
  retry->SetKind(BitButtonKind::Retry);
  ok->SetHint("Сохранить изменённые значения в таблице"_cp);
}

TEST(Screenshot, SampleFormWithEveryControlKind) {
  win32::Win32Backend backend;
  Application app{backend};
  auto* form = Make<Form>(&app);
  BuildSample(*form);
  form->Show();
  app.ProcessMessages();
  CreateDirectoryA(ORNIL_OUT_DIR, nullptr);
  const std::string path = std::string(ORNIL_OUT_DIR) + "/ui_sample_form.png";
  ASSERT_TRUE(win32::SaveWindowPng(form->GetHandle(), path)) << path;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char signature[8] = {};
  EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
  std::fclose(file);
  EXPECT_EQ(signature[1], 'P');
  EXPECT_EQ(signature[2], 'N');
  form->Free();
}

// A parent that paints vertical stripes and keeps its children out of its painting, as forms and
// scroll boxes do: nothing of it covers what a child leaves on the screen.
class Striped : public Control {
 public:
  static constexpr int kStripe = 6;

  explicit Striped(Component* owner) : Control(owner) { SetCustomPaint(true); }
  // The colour the parent shows at x of its client area.
  Color At(int x) const { return (x / kStripe) % 2 == 0 ? GetColor() : kColorWhite; }

 protected:
  void CreateParams(ui::CreateParams& params) override {
    Control::CreateParams(params);
    params.style |= ws::ClipChildren;
  }
  void Paint(Canvas& canvas) override {
    const Rect client = ClientRect();
    for (int x = 0; x < client.right; x += kStripe)
      canvas.FillRect({x, 0, x + kStripe, client.bottom}, At(x));
  }
};

// The pixels of the label's client area that differ from the parent's stripes, right of `from`.
int StalePixels(Label& label, const Striped& parent, int from) {
  HWND window = reinterpret_cast<HWND>(label.GetHandle());
  UpdateWindow(window);
  HDC dc = GetDC(window);
  int stale = 0;
  for (int y = 0; y < label.Height(); ++y)
    for (int x = from; x < label.Width(); ++x)
      if (GetPixel(dc, x, y) != static_cast<COLORREF>(parent.At(label.Left() + x))) ++stale;
  ReleaseDC(window, dc);
  return stale;
}

TEST(Screenshot, ATransparentLabelShowsItsParentAfterEveryChange) {
  win32::Win32Backend backend;
  Application app{backend};
  auto* form = Make<Form>(&app);
  form->SetBorderStyle(BorderStyle::Single);
  form->SetText("Прозрачная надпись"_cp);
  form->SetBounds(40, 40, 360, 160);
  auto* parent = Make<Striped>(form);
  parent->SetParent(form);
  parent->SetBounds(10, 10, 320, 100);
  parent->SetColor(0xE0A060);
  auto* label = Make<Label>(form);
  label->SetParent(parent);
  label->SetAutoSize(false);
  label->SetBounds(16, 20, 280, 50);
  Font big;
  big.name = "Arial";
  big.height = -36;
  big.bold = true;
  label->SetFont(big);
  label->SetTransparent(true);
  label->SetText("WWWWWWWW");
  form->Show();
  app.ProcessMessages();
  ASSERT_GT(StalePixels(*label, *parent, 0), 0) << "the long caption is on the screen";

  label->SetText("Ok");
  app.ProcessMessages();
  const int caption = label->TextExtent("Ok").cx + 2;
  EXPECT_EQ(StalePixels(*label, *parent, caption), 0) << "nothing of the old caption is left";
  parent->SetColor(0x4080F0);
  app.ProcessMessages();
  EXPECT_EQ(StalePixels(*label, *parent, caption), 0) << "the parent's new face shows through";

  CreateDirectoryA(ORNIL_OUT_DIR, nullptr);
  const std::string path = std::string(ORNIL_OUT_DIR) + "/ui_transparent_label.png";
  EXPECT_TRUE(win32::SaveWindowPng(form->GetHandle(), path)) << path;
  form->Free();
}

}  // namespace
}  // namespace ornil::ui
