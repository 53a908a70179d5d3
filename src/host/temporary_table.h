// A temporary MapInfo table that is closed on every way out of its scope: explicitly when it has
// served, or, when a failure unwinds past it, by one more attempt whose own failure is dropped.
#pragma once

#include <string>
#include <utility>

namespace ornil {

class TMapInfo;

class TemporaryTable {
 public:
  TemporaryTable() = default;
  TemporaryTable(const TMapInfo& link, std::string name) : link_(&link), name_(std::move(name)) {}
  ~TemporaryTable();
  TemporaryTable(TemporaryTable&& other) noexcept
      : link_(std::exchange(other.link_, nullptr)), name_(std::move(other.name_)) {}
  TemporaryTable& operator=(TemporaryTable&& other) noexcept;
  TemporaryTable(const TemporaryTable&) = delete;
  TemporaryTable& operator=(const TemporaryTable&) = delete;

  const std::string& Name() const { return name_; }
  bool IsOpen() const { return link_ != nullptr; }
  // Closes the table now; a failure propagates and the close is not tried again.
  void Close();
  // The table outlives this scope: someone else closes it. Gives its name.
  std::string Release();

 private:
  void CloseQuietly() noexcept;

  const TMapInfo* link_ = nullptr;
  std::string name_;
};

}  // namespace ornil
