// Reading host values by type and converting the machine's number and date texts.
#include "infowindow/host_values.h"

#include "platform/seams.h"
#include "settings/metadata_schema.h"
#include "settings/view_line.h"
#include "ui/application.h"
#include "ui/date_format.h"

namespace ornil {

std::string HostNumberText(std::string_view formatted) {
  std::string decimal = ".", thousands;
  if (auto* locale = platform::Current().locale) {
    decimal = locale->DecimalSeparator();
    thousands = locale->ThousandSeparator();
  }
  std::string out;
  for (std::size_t i = 0; i < formatted.size();) {
    const std::string_view rest = formatted.substr(i);
    if (!decimal.empty() && rest.starts_with(decimal)) {
      out += '.';
      i += decimal.size();
    } else if (!thousands.empty() && rest.starts_with(thousands)) {
      i += thousands.size();
    } else if (rest.front() == ' ' || rest.front() == '\xA0') {
      ++i;
    } else {
      out += rest.front();
      ++i;
    }
  }
  return out;
}

std::string ReadValueByType(const TMapInfo& link, std::string_view expression, int type) {
  switch (type) {
    case ColumnTypes::Date:
      return link.MbStr(expression);
    case ColumnTypes::Float:
      return link.MbDeformatNumber(expression);
    case ColumnTypes::Decimal:
      return HostNumberText(link.MbFormat(expression));
    default:
      return link.RequestText(expression);
  }
}

std::string QuotedLiteral(std::string_view text) {
  std::string literal(1, '"');
  literal += metadata::Quoted(text);
  literal += '"';
  return literal;
}

std::string ComparisonLiteral(std::string_view value, int type, bool asText) {
  if (value.empty()) {
    const bool number = type == ColumnTypes::Decimal || type == ColumnTypes::Integer ||
                        type == ColumnTypes::SmallInt || type == ColumnTypes::Logical ||
                        type == ColumnTypes::Float;
    return number ? "0" : "\"\"";
  }
  if (type == ColumnTypes::Date || asText) return QuotedLiteral(value);
  return std::string(value);
}

std::string LocalShortDateFormat() {
  if (ui::Application::Instance() == nullptr) return "dd.MM.yyyy";
  return ui::Application::CurrentBackend().ShortDateFormat();
}

bool ParseLocalDate(std::string_view text, ui::SystemTime& date) {
  return ui::ParseDate(text, LocalShortDateFormat(), date);
}

std::string FormatLocalDate(const ui::SystemTime& date) {
  return ui::FormatDate(date, LocalShortDateFormat());
}

}  // namespace ornil
