// The screenshots' PNG encoding: checksums, chunk layout, and pixels that read back unchanged.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/png_writer.h"

namespace ornil::ui {
namespace {

std::uint32_t Big32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
         (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(Png, ChecksumsMatchTheirPublishedValues) {
  const std::string iend = "IEND";
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(iend.data()), iend.size()), 0xAE426082u);
  const std::string wiki = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(wiki.data()), wiki.size()), 0x11E60398u);
}

TEST(Png, ChunksAreWellFormedAndThePixelsReadBack) {
  // Wide enough that the image data needs more than one stored block.
  const int width = 30000, height = 3;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
  const std::vector<std::uint8_t> png = EncodePng(width, height, pixels);
  ASSERT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);

  std::vector<std::string> types;
  std::vector<std::uint8_t> zlib;
  for (std::size_t at = 8; at < png.size();) {
    const std::uint32_t length = Big32(png, at);
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    types.push_back(type);
    EXPECT_EQ(Crc32(png.data() + at + 4, length + 4), Big32(png, at + 8 + length)) << type;
    if (type == "IHDR") {
      EXPECT_EQ(Big32(png, at + 8), static_cast<std::uint32_t>(width));
      EXPECT_EQ(Big32(png, at + 12), static_cast<std::uint32_t>(height));
    }
    if (type == "IDAT") zlib.assign(png.begin() + at + 8, png.begin() + at + 8 + length);
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

  // Undo the stored blocks and compare each row with the pixels.
  std::vector<std::uint8_t> raw;
  std::size_t at = 2;
  int blocks = 0;
  for (bool last = false; !last; ++blocks) {
    last = zlib[at] & 1;
    const std::size_t n = zlib[at + 1] | (zlib[at + 2] << 8);
    EXPECT_EQ(n ^ 0xFFFF, static_cast<std::size_t>(zlib[at + 3] | (zlib[at + 4] << 8)));
    raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + n);
    at += 5 + n;
  }
  EXPECT_GT(blocks, 1);
  EXPECT_EQ(Big32(zlib, at), Adler32(raw.data(), raw.size()));
  ASSERT_EQ(raw.size(), static_cast<std::size_t>(height) * (width * 3 + 1));
  for (int y = 0; y < height; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * (width * 3 + 1);
    EXPECT_EQ(raw[row], 0);
    const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + width - 1];
    const std::size_t last = row + 1 + (width - 1) * 3;
    EXPECT_EQ((std::uint32_t{raw[last]} << 16) | (raw[last + 1] << 8) | raw[last + 2], p);
  }
}

}  // namespace
}  // namespace ornil::ui
