// The info window's geometry rules: where it opens beside the picked point, and how a border the
// user drags is kept within the size constraints.
#pragma once

#include "ui/types.h"

namespace ornil {

// The outer bounds (left, top, width, height as ui::Rect::Bounds) of a window of size
// width x height placed at one of the corners around the point (x, y) in a work area of
// areaWidth x areaHeight.
ui::Rect PlaceBesidePoint(int x, int y, int width, int height, int areaWidth, int areaHeight);

// WM_SIZING: `rect` dragged by `edge` (1 left … 8 bottom-right) kept within the constraints
// (0: none); the dragged edges move.
void ClampDraggedRect(int edge, ui::Rect& rect, const ui::Constraints& constraints);

}  // namespace ornil
