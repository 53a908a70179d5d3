// The flat frame of the bordered controls: a one-pixel line in the border colour around the
// window, and the control's own colour between it and the client area. Also the border colour
// every class starts with.
#pragma once

#include <initializer_list>

#include "ui/control.h"

namespace ornil {

// Red 127, green 157, blue 185.
inline constexpr ui::Color kDefaultBorderColor = 0xB99D7F;

// Draws on the whole window of `control` (system colours resolved first).
void DrawBorderFrame(ui::Control& control, ui::Color borderColor);

// Frames the rectangle (window coordinates) with one-pixel rings from the outside in, one colour
// each, on the whole window of `control`.
void DrawRings(ui::Control& control, const ui::Rect& outer, std::initializer_list<ui::Color> rings);

}  // namespace ornil
