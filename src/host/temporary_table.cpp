// Closing temporary tables on every way out.
#include "host/temporary_table.h"

#include "host/mapbasic_link.h"

namespace ornil {

TemporaryTable::~TemporaryTable() {
  CloseQuietly();
}

TemporaryTable& TemporaryTable::operator=(TemporaryTable&& other) noexcept {
  if (this != &other) {
    CloseQuietly();
    link_ = std::exchange(other.link_, nullptr);
    name_ = std::move(other.name_);
  }
  return *this;
}

void TemporaryTable::Close() {
  // One attempt: a close that failed is not sent again when the scope ends.
  if (const TMapInfo* link = std::exchange(link_, nullptr)) link->CloseTable2(name_);
}

std::string TemporaryTable::Release() {
  link_ = nullptr;
  return name_;
}

void TemporaryTable::CloseQuietly() noexcept {
  if (link_ == nullptr) return;
  const TMapInfo* link = std::exchange(link_, nullptr);
  try {
    link->CloseTable2(name_);
  } catch (...) {
    // Already unwinding from the failure that matters; this one adds nothing to report.
  }
}

}  // namespace ornil
