// One row of the info window per descriptor: a divider line, or a caption and its control: a check
// box, a date picker, a typed edit, a plain edit, a constant list or a lookup. Captions end at one
// right edge, CaptionWidth; controls start 3 pixels after it and reach the scroll box's right edge.
#include <algorithm>

#include "controls/border_check_box.h"
#include "controls/border_date_edit.h"
#include "controls/typed_edits.h"
#include "controls/window_divider.h"
#include "infowindow/host_values.h"
#include "infowindow/ornil_window.h"
#include "text/cp1251.h"
#include "ui/application.h"

namespace ornil {

namespace {

constexpr ui::Anchors kLeftTopRight = ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorRight;

std::string CaptionText(const TViewLine& d) {
  return d.Caption + ":";
}

// What every row's control gets: owned by the window, in the scroll box, the window's key-press
// handler and a tab stop.
template <class T, class... Args>
T* MakeRowControl(TOrnilWindow& w, Args&&... args) {
  auto* control = ui::Make<T>(&w, std::forward<Args>(args)...);
  control->SetParent(w.ScrollBox);
  control->OnKeyPress = [&w](ui::Component& sender, char& key) { w.AllKeyPress(sender, key); };
  control->SetTabStop(true);
  return control;
}

// A labelled control's place: its caption in the caption column, itself from 3 pixels after it
// to the scroll box's right edge.
template <class T>
void PlaceLabelled(TOrnilWindow& w, T& control, const TViewLine& d, int y) {
  control.EditLabel()->SetText(CaptionText(d));
  const int left = w.CaptionWidth + 3;
  control.SetBounds(left, y, w.ScrollBox->ClientWidth() - left, control.Height());
  control.SetAnchors(kLeftTopRight);
  control.Show();
}

ui::Control* BuildDivider(TOrnilWindow& w, const TViewLine& d, int y) {
  auto* divider = ui::Make<TWindowDivider>(&w);
  divider->SetParent(w.ScrollBox);
  divider->SetAutoSize(true);
  divider->SetLayout(ui::Layout::Center);
  if (d.CaptionViewed) {
    // The alignment codes as stored: 0 left, 1 right, 2 centre.
    static constexpr ui::Alignment kJustify[] = {ui::Alignment::Left, ui::Alignment::Right,
                                                 ui::Alignment::Center};
    divider->SetAlignment(kJustify[std::min<int>(d.CaptionJustify, 2)]);
    divider->SetText(d.Caption);
  } else {
    divider->SetText("");
  }
  divider->SetAutoSize(false);
  divider->SetBounds(0, y, w.ScrollBox->Width(), divider->Height());
  divider->SetAnchors(kLeftTopRight);
  divider->SetTransparent(true);
  return divider;
}

ui::Control* BuildCheckBox(TOrnilWindow& w, const TViewLine& d, int y) {
  auto* box = MakeRowControl<TBorderCheckBox>(w);
  box->SetAlignment(ui::Alignment::Left);
  box->SetText(CaptionText(d));
  box->SetChecked(text::StrToIntDef(d.Value, 0) != 0);
  box->SetReadOnly(!d.Enabled);
  const ui::Size text = box->TextExtent(CaptionText(d));
  const ui::Size glyph = ui::Application::CurrentBackend().CheckBoxGlyphSize();
  box->SetBounds(w.CaptionWidth - text.cx - 2, y, glyph.cx + text.cx + 5,
                 std::max(text.cy, glyph.cy));
  box->SetAnchors(ui::kAnchorsDefault);
  box->Show();
  return box;
}

ui::Control* BuildDateEdit(TOrnilWindow& w, TViewLine& d, int y) {
  auto* date = MakeRowControl<TBorderDateEdit>(w);
  date->SetDateFormat(ui::DateFormat::Long);
  date->SetHeight(w.RowHeight);
  date->SetFormat(d.CustomDateFormat);
  date->SetDateFormat(d.DateFormat != 0 ? ui::DateFormat::Short : ui::DateFormat::Long);
  ui::SystemTime value;
  if (ParseLocalDate(d.Value, value))
    d.Value = FormatLocalDate(value);
  else
    d.Value.clear();
  date->SetEnabled(true);
  if (d.Enabled) {
    date->SetShowCheckbox(true);
    if (!d.Value.empty()) date->SetDate(value);
    date->SetChecked(!d.Value.empty());
  } else {
    date->SetReadOnly(true);
    date->SetShowCheckbox(false);
    if (d.Value.empty()) {
      date->SetEnabled(false);
      date->EditLabel()->SetEnabled(true);
      date->SetFormat("''");
      date->SetChecked(false);
    } else {
      date->SetChecked(false);
      date->SetDate(value);
    }
  }
  date->SetDoubleBuffered(true);
  PlaceLabelled(w, *date, d, y);
  return date;
}

// The edit of a number or text column; decimal and float values are corrected as the edit would
// correct them, so that the row keeps the text the edit shows.
TBorderEdit* MakeEdit(TOrnilWindow& w, TViewLine& d) {
  switch (d.ColumnType) {
    case ColumnTypes::Integer:
      return MakeRowControl<TOrnilIntEdit>(w, INT32_MIN, INT32_MAX);
    case ColumnTypes::SmallInt:
      return MakeRowControl<TOrnilIntEdit>(w, -32768, 32767);
    case ColumnTypes::Decimal: {
      auto* edit =
          MakeRowControl<TOrnilDecimalEdit>(w, -1e20, 1e20, d.DecimalPlaces, d.ColumnWidth);
      edit->CorrectText(d.Value);
      return edit;
    }
    case ColumnTypes::Float: {
      auto* edit = MakeRowControl<TOrnilFloatEdit>(w, -1e16, 1e16);
      edit->CorrectText(d.Value);
      return edit;
    }
    case ColumnTypes::Character: {
      auto* edit = MakeRowControl<TBorderEdit>(w);
      edit->SetMaxLength(d.ColumnWidth);
      return edit;
    }
    default:
      return MakeRowControl<TBorderEdit>(w);
  }
}

ui::Control* BuildEditableRow(TOrnilWindow& w, TViewLine& d, int y) {
  if (d.ColumnType == ColumnTypes::Logical) return BuildCheckBox(w, d, y);
  if (d.ColumnType == ColumnTypes::Date) return BuildDateEdit(w, d, y);
  TBorderEdit* edit = MakeEdit(w, d);
  edit->SetText(d.Value);
  edit->SetReadOnly(!d.Enabled);
  edit->SetDoubleBuffered(true);
  PlaceLabelled(w, *edit, d, y);
  return edit;
}

ui::Control* BuildStaticList(TOrnilWindow& w, TViewLine& d, int y) {
  auto* list = MakeRowControl<TOrnilComboBox>(w);
  list->SetAutoDropDown(true);
  list->Value = d.Value;
  list->SetHeight(w.RowHeight);
  list->SetReadOnly(!d.Enabled);
  PlaceLabelled(w, *list, d, y);
  for (TListValue& pair : d.Values) {
    if (pair.Viewed.empty()) pair.Viewed.assign(1, ' ');
    const int index = list->AddItem(pair.Viewed);
    if (d.Value == pair.Saved) {
      list->SetDefaultValue(pair.Viewed);
      list->SetItemIndex(index);
    }
  }
  return list;
}

}  // namespace

int TOrnilWindow::BuildRow(std::size_t index, int y) {
  TViewLine& d = Fields[index];
  ui::Control* control = nullptr;
  if (d.FieldType < 0) {
    control = BuildDivider(*this, d, y);
  } else if (d.FieldType == TableLookup) {
    control = BuildLookupRow(d, y);
    // A lookup that cannot be prepared shows as what its column is.
    if (control == nullptr) d.FieldType = Editable;
  } else if (d.FieldType == StaticList) {
    control = BuildStaticList(*this, d, y);
  }
  if (control == nullptr) control = BuildEditableRow(*this, d, y);
  d.SetControl(control, false);
  return control->Height();
}

}  // namespace ornil
