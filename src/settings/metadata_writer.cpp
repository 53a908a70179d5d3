// Writing a table's rows into its metadata.
#include <string>

#include "host/errors.h"
#include "settings/metadata.h"
#include "settings/metadata_schema.h"
#include "text/cp1251.h"

namespace ornil {

using namespace metadata;

namespace {

class Writer {
 public:
  Writer(const TMapInfo& link, std::string table) : link_(link), table_(std::move(table)) {}

  // Refuses, before anything is sent, a list the reader would not read back whole.
  void CheckLimits(std::span<const TViewLine* const> fields) const;

  void Drop() const { link_.ExecuteMapBasic(DropStatement(table_)); }
  void Number(std::string_view key, long value,
              FormatSpelling spelling = FormatSpelling::Upper) const {
    Write(NumberSetting(table_, key, value, spelling));
  }
  void Text(std::string_view key, std::string_view value) const {
    Write(TextSetting(table_, key, value));
  }

  void Row(int n, const TViewLine& d, const std::string& lowerTable) const;

 private:
  // A setting the host refused ends the save: the count is written last, so what was written so
  // far reads back as no configuration rather than as a shorter one.
  void Write(const std::string& statement) const {
    if (!link_.ExecuteMapBasic(statement)) {
      throw OrnilError(Cat("Настройки таблицы '"_cp, table_,
                           "' не сохранены: MapInfo не выполнил команду записи метаданных."_cp));
    }
  }
  [[noreturn]] void TooMany(std::string_view what) const {
    throw OrnilError(Cat(what, ": настройки таблицы '"_cp, table_, "' не сохранены."_cp));
  }

  const TMapInfo& link_;
  std::string table_;
};

void Writer::CheckLimits(std::span<const TViewLine* const> fields) const {
  if (fields.size() > static_cast<std::size_t>(MaxRows)) {
    TooMany(Cat("Полей больше "_cp, std::to_string(MaxRows)));
  }
  for (const TViewLine* d : fields) {
    if (d != nullptr && d->FieldType == StaticList &&
        d->Values.size() > static_cast<std::size_t>(MaxListValues)) {
      TooMany(
          Cat("У поля '"_cp, d->Caption, "' значений больше "_cp, std::to_string(MaxListValues)));
    }
  }
}

void Writer::Row(int n, const TViewLine& d, const std::string& lowerTable) const {
  const std::string p = RowKey(n);
  Text(p + keys::Caption, d.Caption);
  Number(p + keys::Type, d.FieldType);
  if (d.FieldType < 0) {
    Number(p + keys::CaptionViewed, d.CaptionViewed);
    if (d.CaptionViewed) Text(p + keys::CaptionJustify, std::to_string(d.CaptionJustify));
  } else {
    Number(p + keys::Enabled, d.Enabled);
    if (!d.Column.empty()) {
      Text(p + keys::Column, d.Column);
    } else {
      Text(p + keys::Expression, d.Expression);
    }
  }
  if (d.FieldType == Editable && d.ColumnType == ColumnTypes::Date) {
    if (!d.CustomDateFormat.empty()) {
      Text(p + keys::CustomDateFormat, d.CustomDateFormat);
    } else {
      Text(p + keys::DateFormat, std::to_string(d.DateFormat));
    }
  }
  if (d.FieldType == TableLookup) {
    Text(p + keys::IdentifierExpression, d.IdentifierExpression);
    Text(p + keys::ValueExpression, d.ValueExpression);
    Text(p + keys::ViewedExpression, d.ViewedExpression);
    if (link_.CorrectConditionForTheTable(d.ValuesTable, d.AdditionalCondition)) {
      Text(p + keys::AdditionalCondition, d.AdditionalCondition);
    }
    Number(p + keys::FullValuesList, d.FullValuesList);
    const bool itself = text::Lower(text::Trim(d.ValuesTable)) == lowerTable;
    Text(p + keys::ValuesTable, itself ? std::string(ThisTable) : d.ValuesTable);
  }
  if (d.FieldType == StaticList) {
    Number(p + keys::Values, static_cast<long>(d.Values.size()), FormatSpelling::Lower);
    for (std::size_t k = 1; k <= d.Values.size(); ++k) {
      const auto& pair = d.Values[k - 1];
      Text(p + PairKey(static_cast<int>(k), keys::Viewed), pair.Viewed);
      Text(p + PairKey(static_cast<int>(k), keys::Saved), text::Trim(pair.Saved));
    }
  }
}

}  // namespace

bool ToSaveParametersOfAttributes(const TMapInfo& link, std::string_view table,
                                  std::span<const TViewLine* const> fields) {
  return WithPrefix(FunctionPrefix("ToSaveParametersOfAttributes"), [&] {
    if (fields.empty()) return false;
    const std::string trimmed(text::Trim(table));
    const std::string lowerTable = text::Lower(trimmed);
    const Writer writer(link, trimmed);
    writer.CheckLimits(fields);
    writer.Drop();
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (fields[i] != nullptr) writer.Row(static_cast<int>(i + 1), *fields[i], lowerTable);
    }
    // Last, so that only a complete configuration has a count to be read by.
    writer.Number(Root, static_cast<long>(fields.size()), FormatSpelling::Lower);
    return true;
  });
}

}  // namespace ornil
