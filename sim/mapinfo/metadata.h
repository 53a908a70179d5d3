// A table's metadata: text values under keys such as "\Ornil\1\тип". Keys compare without regard
// to letter case; a hierarchical drop removes a key with every key below it.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornil::sim::mb {

class Metadata {
 public:
  // Throws HostError for a key that is not of the form "\name\name…".
  void Set(std::string_view key, std::string value);
  // The value, or an empty text when the key is absent.
  std::string Get(std::string_view key) const;
  bool Has(std::string_view key) const;
  // Removes the key (and with `hierarchical` every key under it); gives how many went.
  int Drop(std::string_view key, bool hierarchical);
  // (key as written, value), in key order.
  std::vector<std::pair<std::string, std::string>> Entries() const;
  std::size_t Size() const { return entries_.size(); }

  static void CheckKey(std::string_view key);

 private:
  std::map<std::string, std::pair<std::string, std::string>> entries_;  // lower-cased key → entry
};

}  // namespace ornil::sim::mb
