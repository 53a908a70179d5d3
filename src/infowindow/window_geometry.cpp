// Placement beside the picked point and the sizing clamp.
#include "infowindow/window_geometry.h"

#include <algorithm>
#include <array>

namespace ornil {

namespace {

enum Corner { AboveLeft = 0, AboveRight = 1, BelowLeft = 2, BelowRight = 3 };

// The corner of the quarter of the work area that holds the point; a tie gives above-left.
Corner CornerByQuarter(int x, int y, int areaWidth, int areaHeight) {
  const int right = areaWidth - x - x;  // > 0: more room right of the point
  const int below = areaHeight - y - y;
  if (right == 0 || below == 0) return AboveLeft;
  if (right > 0) return below > 0 ? BelowRight : AboveRight;
  return below > 0 ? BelowLeft : AboveLeft;
}

// Keeps a length within its limits: the limit it reaches or passes wins, the maximum first.
int Limited(int length, int minimum, int maximum) {
  if (maximum > 0 && length >= maximum) return maximum;
  if (minimum > 0 && length <= minimum) return minimum;
  return length;
}

}  // namespace

ui::Rect PlaceBesidePoint(int x, int y, int width, int height, int areaWidth, int areaHeight) {
  std::array<bool, 4> left{true, true, true, true};
  auto drop = [&left](Corner a, Corner b) { left[a] = left[b] = false; };
  if (x < width)
    drop(AboveLeft, BelowLeft);
  else
    drop(AboveRight, BelowRight);
  if (y < height)
    drop(AboveLeft, AboveRight);
  else
    drop(BelowLeft, BelowRight);
  if (areaWidth - x < width) drop(AboveRight, BelowRight);
  if (areaHeight - y < height) drop(BelowLeft, BelowRight);

  const auto first = std::find(left.begin(), left.end(), true);
  const Corner corner = first != left.end() ? static_cast<Corner>(first - left.begin())
                                            : CornerByQuarter(x, y, areaWidth, areaHeight);
  const bool onLeft = corner == AboveLeft || corner == BelowLeft;
  const bool above = corner == AboveLeft || corner == AboveRight;
  int l = onLeft ? x - width - 10 : x + 10;
  int t = above ? y - height - 10 : y + 10;

  l = std::max(l, 0);
  t = std::max(t, 0);
  if (l + width > areaWidth) l = areaWidth - width;
  if (t + height > areaHeight) t = areaHeight - height;
  l = std::max(l, 0);
  t = std::max(t, 0);
  if (l + width > areaWidth) width = areaWidth;
  if (t + height > areaHeight) height = areaHeight;
  return ui::Rect::Bounds(l, t, width, height);
}

void ClampDraggedRect(int edge, ui::Rect& rect, const ui::Constraints& c) {
  const int height = Limited(rect.Height(), c.minHeight, c.maxHeight);
  if (edge == 3 || edge == 4 || edge == 5)
    rect.top = rect.bottom - height;
  else
    rect.bottom = rect.top + height;
  const int width = Limited(rect.Width(), c.minWidth, c.maxWidth);
  if (edge == 2 || edge == 5 || edge == 8)
    rect.right = rect.left + width;
  else
    rect.left = rect.right - width;
}

}  // namespace ornil
