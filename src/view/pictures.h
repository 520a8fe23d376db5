#pragma once
// The off-screen pictures: the main picture everything is drawn into, and the trace picture
// that collects the marks of traced elements.
#include <cstdint>

#include "view/canvas.h"

namespace velt {

// Light means an HSL lightness above one half.
bool IsLightColour(int32_t colour);
// The trace picture is white under a light background and black under a dark one, so that
// combining it (AND on light, OR on dark) never erases the construction.
int32_t TraceBackground(int32_t background);
CombineMode TraceCombineMode(int32_t background);

// Pictures are at least 340 × 340 pixels, otherwise screen-sized.
int PictureWidth(int screenWidth);
int PictureHeight(int screenHeight);

// Fills the picture's area with a colour.
void ClearPicture(Canvas& canvas, int32_t colour);

}  // namespace velt
