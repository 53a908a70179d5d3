// One configured row of a table's info window (TViewLine), the list of them, the pairs of a
// constant-value list, the row kinds and the column type codes the host reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ornil::ui {
class TOwnedObject;
}

namespace ornil {

enum FieldKind : std::int8_t {
  Divider = -1,
  Editable = 0,
  TableLookup = 1,
  StaticList = 2,
};

// Data type codes of columns and expressions, as the host reports them.
namespace ColumnTypes {
inline constexpr std::uint8_t Character = 1;
inline constexpr std::uint8_t Decimal = 2;
inline constexpr std::uint8_t Integer = 3;
inline constexpr std::uint8_t SmallInt = 4;
inline constexpr std::uint8_t Date = 5;
inline constexpr std::uint8_t Logical = 6;
inline constexpr std::uint8_t Other = 7;
inline constexpr std::uint8_t Float = 8;
}  // namespace ColumnTypes

struct TListValue {
  std::string Viewed;
  std::string Saved;
  bool operator==(const TListValue&) const = default;
};
using TListValues = std::vector<TListValue>;

// What a row is and shows: its stored settings and the run-time facts the reader fills in.
struct TViewLineSettings {
  std::string Caption;
  std::string Column;
  std::string Expression;
  std::string Value;
  std::string IdentifierExpression;
  std::string ValueExpression;
  std::string ViewedExpression;
  std::string ValuesTable;
  std::string AdditionalCondition;
  std::string CustomDateFormat;
  TListValues Values;
  bool Enabled = false;
  bool CaptionViewed = false;
  bool FullValuesList = false;
  std::int16_t ColumnNumber = 0;
  FieldKind FieldType = Editable;
  std::uint8_t CaptionJustify = 0;
  std::uint8_t ColumnType = 0;
  std::uint8_t DateFormat = 0;
  std::uint8_t ColumnWidth = 0;
  std::uint8_t DecimalPlaces = 0;

  bool operator==(const TViewLineSettings&) const = default;
};

// One row of the info window. A copy refers to the original's control but never owns it, so a
// control is destroyed exactly once: by the descriptor that was asked to own it, or by whoever
// else owns it (the info window owns its controls; its rows only refer to them). Moving hands the
// ownership over.
class TViewLine : public TViewLineSettings {
 public:
  TViewLine() = default;
  TViewLine(const TViewLine& other);
  TViewLine& operator=(const TViewLine& other);
  TViewLine(TViewLine&& other) noexcept;
  TViewLine& operator=(TViewLine&& other) noexcept;
  virtual ~TViewLine();

  // Empties every setting and fact; destroys the control when this descriptor owns it.
  void Clear();

  // Gives the descriptor a control to refer to; it is destroyed with the descriptor only when
  // `owns` is true.
  void SetControl(ui::TOwnedObject* control, bool owns = false);
  ui::TOwnedObject* Control() const { return control_; }

  const TViewLineSettings& Settings() const { return *this; }

  bool OwnsControl = true;

 private:
  void DestroyOwnedControl();

  ui::TOwnedObject* control_ = nullptr;
};

using TViewLines = std::vector<TViewLine>;

}  // namespace ornil
