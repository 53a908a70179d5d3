// Reading sections and keys out of an initialisation file's text.
#include "sim/desktop/profile_reader.h"

#include "text/cp1251.h"

namespace ornil::sim {

namespace {

struct Entry {
  std::string key;
  std::string value;
};

// Calls `entry` for each key line of the first section named `section`; false when there is no
// such section.
template <class OnEntry>
bool ForEachEntry(std::string_view contents, std::string_view section, OnEntry entry) {
  bool found = false;
  bool inside = false;
  std::size_t at = 0;
  while (at <= contents.size()) {
    std::size_t end = contents.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = contents.size();
    const std::string_view line = text::Trim(contents.substr(at, end - at));
    at = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close == std::string_view::npos) continue;
      if (inside) return true;  // the first section of the name has ended
      inside = text::EqualNoCase(text::Trim(line.substr(1, close - 1)), section);
      found = found || inside;
      continue;
    }
    if (!inside) continue;
    const std::size_t equals = line.find('=');
    Entry e;
    e.key = std::string(text::Trim(line.substr(0, equals)));
    if (equals != std::string_view::npos) {
      std::string_view value = text::Trim(line.substr(equals + 1));
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
      }
      e.value = std::string(value);
    }
    if (!entry(e)) return true;
  }
  return found;
}

}  // namespace

std::optional<std::string> ProfileValue(std::string_view contents, std::string_view section,
                                        std::string_view key) {
  std::optional<std::string> value;
  ForEachEntry(contents, section, [&](const Entry& e) {
    if (!text::EqualNoCase(e.key, key)) return true;
    value = e.value;
    return false;
  });
  return value;
}

std::optional<std::vector<std::string>> ProfileKeys(std::string_view contents,
                                                    std::string_view section) {
  std::vector<std::string> keys;
  const bool found = ForEachEntry(contents, section, [&](const Entry& e) {
    if (!e.key.empty()) keys.push_back(e.key);
    return true;
  });
  if (!found) return std::nullopt;
  return keys;
}

}  // namespace ornil::sim
