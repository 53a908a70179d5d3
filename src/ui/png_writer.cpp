// A minimal PNG encoder: IHDR, one IDAT of stored deflate blocks, IEND.
#include "ui/png_writer.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace ornil::ui {

namespace {

const std::array<std::uint32_t, 256>& CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char type[5],
           const std::vector<std::uint8_t>& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBig32(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i)
    crc = CrcTable()[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t a = 1, b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels) {
  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(height) * (static_cast<std::size_t>(width) * 3 + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      raw.push_back(static_cast<std::uint8_t>(p >> 16));
      raw.push_back(static_cast<std::uint8_t>(p >> 8));
      raw.push_back(static_cast<std::uint8_t>(p));
    }
  }
  std::vector<std::uint8_t> zlib = {0x78, 0x01};
  for (std::size_t at = 0; at < raw.size() || at == 0;) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + n >= raw.size();
    zlib.push_back(last ? 1 : 0);
    zlib.push_back(static_cast<std::uint8_t>(n));
    zlib.push_back(static_cast<std::uint8_t>(n >> 8));
    zlib.push_back(static_cast<std::uint8_t>(~n));
    zlib.push_back(static_cast<std::uint8_t>(~n >> 8));
    zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                raw.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
    if (last) break;
  }
  PutBig32(zlib, Adler32(raw.data(), raw.size()));

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBig32(header, static_cast<std::uint32_t>(width));
  PutBig32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", zlib);
  Chunk(png, "IEND", {});
  return png;
}

bool WritePngFile(const std::string& path, int width, int height,
                  const std::vector<std::uint32_t>& pixels) {
  const std::vector<std::uint8_t> png = EncodePng(width, height, pixels);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

}  // namespace ornil::ui
