// Table metadata keys and values.
#include "sim/mapinfo/metadata.h"

#include "sim/mapinfo/host_error.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

void Metadata::CheckKey(std::string_view key) {
  const bool wellFormed = key.size() >= 2 && key.front() == '\\' && key.back() != '\\' &&
                          key.find("\\\\") == std::string_view::npos;
  if (!wellFormed) throw HostError("Invalid metadata key \"" + std::string(key) + "\"");
}

void Metadata::Set(std::string_view key, std::string value) {
  CheckKey(key);
  entries_[text::Lower(key)] = {std::string(key), std::move(value)};
}

std::string Metadata::Get(std::string_view key) const {
  auto it = entries_.find(text::Lower(key));
  return it == entries_.end() ? std::string() : it->second.second;
}

bool Metadata::Has(std::string_view key) const {
  return entries_.contains(text::Lower(key));
}

int Metadata::Drop(std::string_view key, bool hierarchical) {
  CheckKey(key);
  const std::string lower = text::Lower(key);
  int dropped = static_cast<int>(entries_.erase(lower));
  if (hierarchical) {
    const std::string below = lower + "\\";
    auto it = entries_.lower_bound(below);
    while (it != entries_.end() && it->first.compare(0, below.size(), below) == 0) {
      it = entries_.erase(it);
      ++dropped;
    }
  }
  return dropped;
}

std::vector<std::pair<std::string, std::string>> Metadata::Entries() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& [lower, entry] : entries_)
    out.push_back(entry);
  return out;
}

}  // namespace ornil::sim::mb
