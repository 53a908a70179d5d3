// Key names and statement forms of the stored configuration.
#include "settings/metadata_schema.h"

#include "host/mapbasic_link.h"

namespace ornil::metadata {

std::string RowKey(int n) {
  return Cat(Root, "\\", std::to_string(n));
}

std::string PairKey(int k, std::string_view name) {
  return Cat(keys::Values, "\\", std::to_string(k), name);
}

std::string Quoted(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    out += c;
    if (c == '"') out += '"';
  }
  return out;
}

std::string DropStatement(std::string_view table) {
  return Cat("Metadata Table \"", table, "\" DropKey \"", Root, "\" Hierarchical");
}

std::string NumberSetting(std::string_view table, std::string_view key, long number,
                          FormatSpelling spelling) {
  return Cat("Metadata Table \"", table, "\" SetKey \"", key,
             spelling == FormatSpelling::Upper ? "\" To Format$(" : "\" To format$(",
             std::to_string(number), ",\"0\")");
}

std::string TextSetting(std::string_view table, std::string_view key, std::string_view value) {
  return Cat("Metadata Table \"", table, "\" SetKey \"", key, "\" To \"", Quoted(value), "\"");
}

std::string GetKeyExpression(std::string_view table, std::string_view key) {
  return Cat("GetMetadata$(\"", table, "\",\"", key, "\")");
}

std::string PrintStatement(std::string_view message) {
  return Cat("print \"", Quoted(message), "\"");
}

}  // namespace ornil::metadata
