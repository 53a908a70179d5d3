// An image: a picture of pixels, drawn as it is, centred or stretched, optionally with its
// bottom-left pixel's colour left out.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/control.h"

namespace ornil::ui {

class Image : public Control {
 public:
  explicit Image(Component* owner);

  // width x height pixels 0x00RRGGBB, rows from the top.
  void SetPicture(int width, int height, std::vector<std::uint32_t> pixels);
  int PictureWidth() const { return width_; }
  int PictureHeight() const { return height_; }
  void SetStretch(bool on);
  void SetCenter(bool on);
  void SetTransparent(bool on);
  // Where the picture lands in the client area.
  Rect PictureRect();

 protected:
  void Paint(Canvas& canvas) override;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace ornil::ui
