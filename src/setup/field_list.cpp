// The list of fields: every appended item refreshes the panel, a click stores the panel into the
// field it showed and loads the selected one, fields move and go, dividers are drawn as lines,
// and saving writes the list into the table's metadata.
#include <algorithm>

#include "host/errors.h"
#include "settings/metadata.h"
#include "setup/setup_window.h"
#include "text/cp1251.h"

namespace ornil {

namespace {

// The upper half of an item, whose bottom a divider's line runs along.
ui::Rect UpperHalf(const ui::Rect& rect, int left, int right) {
  return {left, rect.top, right, rect.top + rect.Height() / 2};
}

}  // namespace

TViewLine* TSetupWindow::FieldAt(int index) {
  if (index < 0 || index >= ListFields->Count()) return nullptr;
  return static_cast<TViewLine*>(ListFields->ItemObject(index));
}

TViewLine* TSetupWindow::AddField(const TViewLine& field) {
  TViewLine* line = fields_.emplace_back(std::make_unique<TViewLine>(field)).get();
  ListFields->AddItem(line->Caption, line);
  return line;
}

TViewLine* TSetupWindow::InsertField(int index, const TViewLine& field) {
  TViewLine* line = fields_.emplace_back(std::make_unique<TViewLine>(field)).get();
  ListFields->InsertItem(index, line->Caption, line);
  return line;
}

void TSetupWindow::DeleteAllFields() {
  ListFields->Clear();
  fields_.clear();
}

void TSetupWindow::ListFieldsWindowProc(ui::Message& message) {
  listFieldsProc_(message);
  if (message.msg == ui::lb::AddString) ListFieldsClick();
}

void TSetupWindow::ListFieldsClick() {
  Boundary("Ошибка в функции ListFieldsClick. "_cp, [&] {
    const int selected = ListFields->ItemIndex();
    const bool none = selected < 0 || selected >= ListFields->Count();
    if (none) {
      FieldProperties->SetEnabled(false);
      FieldUp->SetEnabled(false);
      FieldDown->SetEnabled(false);
      FieldType->SetItemIndex(-1);
    } else {
      UpdateMoveButtons(selected);
    }
    if (TViewLine* stored = FieldAt(CurrentFieldIndex)) {
      StorePanel(*stored, CurrentFieldIndex);
      ListFields->Invalidate();
    }
    if (none) return;
    TViewLine* d = FieldAt(selected);
    // An item whose field is not in place yet (the object follows the text) loads nothing.
    if (d == nullptr || d->Caption != ListFields->Item(selected)) return;
    CurrentFieldIndex = selected;
    FieldProperties->SetEnabled(true);
    LoadPanel(*d);
  });
}

void TSetupWindow::UpdateMoveButtons(int selected) {
  const int count = ListFields->Count();
  FieldUp->SetEnabled(count >= 2 && selected > 0);
  FieldDown->SetEnabled(count >= 2 && selected < count - 1);
}

void TSetupWindow::FieldUpClick() {
  Boundary(FunctionPrefix("FieldUpClick"), [&] { MoveSelectedField(-1); });
}

void TSetupWindow::FieldDownClick() {
  Boundary(FunctionPrefix("FieldDownClick"), [&] { MoveSelectedField(1); });
}

void TSetupWindow::MoveSelectedField(int step) {
  const int p = ListFields->ItemIndex();
  const int to = p + step;
  if (p < 0 || to < 0 || to >= ListFields->Count()) return;
  ListFields->MoveItem(p, to);
  // The panel's field moved with its item: the store step finds it there.
  CurrentFieldIndex += step;
  ListFieldsClick();
}

void TSetupWindow::DeleteFieldClick() {
  Boundary(FunctionPrefix("DeleteFieldClick"), [&] {
    const int p = ListFields->ItemIndex();
    if (p < 0) return;
    TViewLine* d = FieldAt(p);
    ListFields->DeleteItem(p);
    std::erase_if(fields_, [d](const std::unique_ptr<TViewLine>& f) { return f.get() == d; });
    CurrentFieldIndex = -1;
    ListFields->SetItemIndex(p < ListFields->Count() ? p : -1);
    ListFieldsClick();
  });
}

void TSetupWindow::ListFieldsDrawItem(ui::Canvas& canvas, int index, const ui::Rect& rect,
                                      std::uint32_t state) {
  Boundary(FunctionPrefix("ListFieldsDrawItem"), [&] {
    const bool selected = (state & ui::ods::Selected) != 0;
    canvas.FillRect(rect, selected ? ui::kColorHighlight : ListFields->GetColor());
    canvas.SetTextColor(selected ? ui::kColorHighlightText : ListFields->GetFont().color);
    const TViewLine* d = FieldAt(index);
    if (d == nullptr) return;
    const std::string text = ListFields->Item(index);
    if (d->FieldType != Divider) {
      canvas.TextOut(rect.left + 2, rect.top, text);
      return;
    }
    if (!d->CaptionViewed) {
      canvas.DrawEdge(UpperHalf(rect, rect.left, rect.right), ui::edge::Etched, ui::edge::Bottom);
      return;
    }
    const int textWidth = canvas.TextExtent(text).cx;
    const int left = (rect.Width() - textWidth) / 2;
    canvas.TextOut(left, rect.top, text);
    canvas.DrawEdge(UpperHalf(rect, left + textWidth + 1, rect.right), ui::edge::Etched,
                    ui::edge::Bottom);
    canvas.DrawEdge(UpperHalf(rect, 0, left - 2), ui::edge::Etched, ui::edge::Bottom);
  });
}

bool TSetupWindow::SaveChangesClick() {
  bool saved = false;
  Boundary(FunctionPrefix("SaveChangesClick"), [&] {
    SaveChangesNow();
    saved = true;
  });
  return saved;
}

void TSetupWindow::SaveChangesNow() {
  ListFieldsClick();
  std::vector<const TViewLine*> items;
  for (int i = 0; i < ListFields->Count(); ++i)
    items.push_back(FieldAt(i));
  try {
    ToSaveParametersOfAttributes(Link, TableName, items);
  } catch (DdeError& e) {
    // The writer names a refused setting itself; a broken conversation it does not.
    e.Prepend(Cat("Настройки таблицы '"_cp, TableName, "' не сохранены. "_cp));
    throw;
  }
}

}  // namespace ornil
