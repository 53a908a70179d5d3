// Drawing the program's picture: each pixel takes the colour of the topmost shape over it.
#include "integration/about_picture.h"

#include <algorithm>
#include <cmath>

namespace ornil {

namespace {

constexpr int kWidth = 65;
constexpr int kHeight = 57;
constexpr std::uint32_t kTransparent = 0xFF00FF;
constexpr std::uint32_t kOutline = 0x5A4A32;
constexpr std::uint32_t kSheetLight = 0xEFE6C4;
constexpr std::uint32_t kSheetShade = 0xD8CDA2;
constexpr std::uint32_t kRiver = 0x4C8FD0;
constexpr std::uint32_t kRoad = 0xB5502F;
constexpr std::uint32_t kMarker = 0x2A62A8;
constexpr std::uint32_t kMarkerRim = 0xFFFFFF;

struct Point {
  double x;
  double y;
};

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The sheet is folded in three: each panel's top and bottom edges slope the other way than its
// neighbour's. Gives the panel under x and whether y is on the sheet there.
bool OnSheet(Point p, int& panel) {
  constexpr double kLeft = 2;
  constexpr double kPanel = 20;
  constexpr double kTop = 10;
  constexpr double kBottom = 54;
  constexpr double kFold = 4;
  if (p.x < kLeft || p.x >= kLeft + 3 * kPanel) return false;
  panel = static_cast<int>((p.x - kLeft) / kPanel);
  const double along = (p.x - kLeft - panel * kPanel) / kPanel;
  const double drop = panel % 2 == 0 ? kFold * (1 - along) : kFold * along;
  return p.y >= kTop + drop && p.y < kBottom - kFold + drop;
}

std::uint32_t ColourAt(Point p) {
  const Point marker{45, 21};
  const double fromMarker = std::hypot(p.x - marker.x, p.y - marker.y);
  if (fromMarker <= 12.5) {
    if (fromMarker > 10.5) return kMarkerRim;
    // The letter i: a dot and a stem.
    if (std::hypot(p.x - marker.x, p.y - (marker.y - 5)) <= 1.8) return kMarkerRim;
    if (std::abs(p.x - marker.x) <= 1.6 && p.y >= marker.y - 1.5 && p.y <= marker.y + 7) {
      return kMarkerRim;
    }
    return kMarker;
  }
  int panel = 0;
  if (!OnSheet(p, panel)) return kTransparent;
  int above = 0;
  int below = 0;
  int left = 0;
  int right = 0;
  if (!OnSheet({p.x, p.y - 1}, above) || !OnSheet({p.x, p.y + 1}, below) ||
      !OnSheet({p.x - 1, p.y}, left) || !OnSheet({p.x + 1, p.y}, right))
    return kOutline;
  if (DistanceToSegment(p, {4, 44}, {24, 30}) < 1.5 || DistanceToSegment(p, {24, 30}, {60, 42}) < 1.5)
    return kRiver;
  if (DistanceToSegment(p, {14, 12}, {30, 52}) < 1.0) return kRoad;
  return panel == 1 ? kSheetShade : kSheetLight;
}

}  // namespace

ProgramPicture DrawProgramPicture() {
  ProgramPicture picture;
  picture.width = kWidth;
  picture.height = kHeight;
  picture.pixels.reserve(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      picture.pixels.push_back(ColourAt({x + 0.5, y + 0.5}));
  return picture;
}

}  // namespace ornil
