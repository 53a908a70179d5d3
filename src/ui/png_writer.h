// PNG files of screenshots: RGB pixels, stored without compression (a valid zlib stream of
// stored blocks), so no library is needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ornil::ui {

// `pixels`: width x height values 0x00RRGGBB, row by row from the top.
std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels);
bool WritePngFile(const std::string& path, int width, int height,
                  const std::vector<std::uint32_t>& pixels);

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

}  // namespace ornil::ui
