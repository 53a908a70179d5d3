// The program's picture in the About window: a folded map sheet with an information marker,
// drawn by code into 65 x 57 pixels. The bottom-left pixel carries the colour left out when the
// picture is drawn transparent.
#pragma once

#include <cstdint>
#include <vector>

namespace ornil {

struct ProgramPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top
};

ProgramPicture DrawProgramPicture();

}  // namespace ornil
