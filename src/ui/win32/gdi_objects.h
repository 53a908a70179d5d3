// GDI handles that clean up after themselves: an object deleted, an object selected into a device
// context and put back, a memory device context deleted.
#pragma once

#include "platform/win32/win32_api.h"

namespace ornil::ui::win32 {

class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ object) : object(object) {}
  ~GdiObject() {
    if (object != nullptr) DeleteObject(object);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  const HGDIOBJ object;
};

// Selected into `dc` for the scope; what was selected before comes back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
  ~MemoryDc() { DeleteDC(dc); }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  const HDC dc;
};

}  // namespace ornil::ui::win32
