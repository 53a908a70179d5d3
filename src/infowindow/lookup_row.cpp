// A lookup row: the values table's viewed values and identifiers selected in order of the viewed
// value, the current value found by its identifier, and the combo box that shows it (with every
// value when the row lists them all).
#include "host/errors.h"
#include "host/temporary_table.h"
#include "infowindow/host_values.h"
#include "infowindow/ornil_window.h"
#include "text/cp1251.h"

namespace ornil {

namespace {

bool IsNumber(int type) {
  return type == ColumnTypes::Decimal || type == ColumnTypes::Integer ||
         type == ColumnTypes::SmallInt || type == ColumnTypes::Float;
}

// The test of the identifier COL2 (of type t2) against the literal w of the row's value (of the
// row's column type f); texts are compared with texts.
std::string IdentifierTest(int t2, int f, const std::string& w) {
  if (t2 == f || (IsNumber(t2) && IsNumber(f))) return "COL2=" + w;
  if (f == ColumnTypes::Character) return "str$(COL2)=" + w;
  if (t2 == ColumnTypes::Character) return "COL2=str$(" + w + ")";
  return "str$(COL2)=str$(" + w + ")";
}

int ColumnType(const TMapInfo& link, const std::string& table, const char* column) {
  return link.RequestInt(Cat("Columninfo(\"", table, "\",\"", column, "\",", "3", ")"));
}

int RowCount(const TMapInfo& link, const std::string& table) {
  return link.RequestInt(Cat("TableInfo(\"", table, "\",", "8", ")"));
}

void FetchRec(const TMapInfo& link, int i, const std::string& table) {
  link.ExecuteMapBasic(Cat("Fetch Rec ", std::to_string(i), " from \"", table, "\""));
}

}  // namespace

ui::Control* TOrnilWindow::BuildLookupRow(TViewLine& d, int y) {
  const std::string u(text::TrimRight(d.Value));
  const int f = d.ColumnType;
  const std::string w =
      ComparisonLiteral(u, f, f == ColumnTypes::Character || f == ColumnTypes::Other);

  TemporaryTable s(MapInfo, MapInfo.SelCustomTemp("SelValues"));
  std::string select = Cat("Select ", d.ViewedExpression, ",", d.IdentifierExpression, " from \"",
                           d.ValuesTable, "\"");
  if (!d.AdditionalCondition.empty()) select += Cat(" where ", d.AdditionalCondition);
  if (!MapInfo.ExecuteMapBasic(Cat(select, " into ", s.Name(), " Order By Col1 NoSelect"))) {
    s.Release();  // the host made no table of that name
    return nullptr;
  }
  const int t2 = ColumnType(MapInfo, s.Name(), "COL2");
  const int t1 = ColumnType(MapInfo, s.Name(), "COL1");

  TemporaryTable p(MapInfo, MapInfo.SelCustomTemp("SelCurrentValue"));
  if (!MapInfo.ExecuteMapBasic(Cat("Select * from \"", s.Name(), "\" where ",
                                   IdentifierTest(t2, f, w), " into ", p.Name(), " noselect"))) {
    p.Release();
    s.Close();
    return nullptr;
  }

  auto* box = ui::Make<TOrnilComboBox>(this);
  box->SetParent(ScrollBox);
  box->OnKeyPress = [this](ui::Component& sender, char& key) { AllKeyPress(sender, key); };
  box->SetTabStop(true);
  box->SetAutoDropDown(true);
  box->Value = d.Value;
  box->ColumnType = d.ColumnType;
  box->SetHeight(RowHeight);
  box->EditLabel()->SetText(d.Caption + ":");
  const int left = CaptionWidth + 3;
  box->SetBounds(left, y, ScrollBox->ClientWidth() - left, box->Height());
  box->SetAnchors(ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorRight);

  if (d.FullValuesList) {
    box->OwnsItemObjects = true;
    bool selected = false;
    for (int i = 1; i <= RowCount(MapInfo, s.Name()); ++i) {
      FetchRec(MapInfo, i, s.Name());
      const std::string shown = ReadValueByType(MapInfo, s.Name() + ".COL1", t1);
      std::string identifier = ReadValueByType(MapInfo, s.Name() + ".COL2", t2);
      const bool current = !selected && identifier == u;
      const int index = box->AddValueItem(shown, std::move(identifier));
      if (current) {
        selected = true;
        box->SetItemIndex(index);
        box->SetDefaultValue(shown);
      }
    }
  } else {
    box->SetReadOnly(true);
    for (int i = 1; i <= RowCount(MapInfo, p.Name()); ++i) {
      FetchRec(MapInfo, i, p.Name());
      const bool date = ColumnType(MapInfo, p.Name(), "COL1") == ColumnTypes::Date;
      box->AddItem(
          MapInfo.RequestText(date ? Cat("Str$(", p.Name(), ".COL1)") : p.Name() + ".COL1"));
    }
    box->SetItemIndex(0);
    box->SetDefaultValue(box->Item(0));
  }

  box->ValuesTable = d.ValuesTable;
  box->IdentifierExpression = d.IdentifierExpression;
  box->ValueExpression = d.ValueExpression;
  box->ViewedExpression = d.ViewedExpression;
  box->AdditionalCondition = d.AdditionalCondition;
  if (TBoundLabel* label = box->BoundLabel()) {
    const bool opensList = d.Enabled && !d.FullValuesList;
    label->UnderlineOnHover = opensList;
    label->OnMouseUp = nullptr;
    if (opensList) {
      label->OnMouseUp = [this](ui::Component& sender, ui::MouseButton button, ui::ShiftState shift,
                                int x,
                                int y) { ComboBoxLabelMouseUp(sender, button, shift, x, y); };
    }
  }

  p.Close();
  s.Close();
  box->Show();
  return box;
}

}  // namespace ornil
