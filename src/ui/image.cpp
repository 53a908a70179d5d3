// Drawing a picture into an image control.
#include "ui/image.h"

namespace ornil::ui {

Image::Image(Component* owner) : Control(owner) {
  SetCustomPaint(true);
  SetBounds(0, 0, 105, 105);
}

void Image::SetPicture(int width, int height, std::vector<std::uint32_t> pixels) {
  if (width < 0 || height < 0 ||
      pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    width = height = 0;
    pixels.clear();
  }
  width_ = width;
  height_ = height;
  pixels_ = std::move(pixels);
  Invalidate();
}

void Image::SetStretch(bool on) {
  stretch_ = on;
  Invalidate();
}

void Image::SetCenter(bool on) {
  center_ = on;
  Invalidate();
}

void Image::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

Rect Image::PictureRect() {
  const Rect client = ClientRect();
  if (stretch_) return client;
  if (center_)
    return Rect::Bounds((client.Width() - width_) / 2, (client.Height() - height_) / 2, width_,
                        height_);
  return Rect::Bounds(0, 0, width_, height_);
}

void Image::Paint(Canvas& canvas) {
  const Color background = transparent_ && Parent() != nullptr ? Parent()->GetColor() : GetColor();
  canvas.FillRect(ClientRect(), background);
  if (pixels_.empty()) return;
  canvas.DrawPixels(PictureRect(), width_, height_, pixels_.data(), transparent_);
}

}  // namespace ornil::ui
