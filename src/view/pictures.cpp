#include "view/pictures.h"

#include <algorithm>

namespace velt {

bool IsLightColour(int32_t colour) {
  const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
  return hi + lo > 255;  // (hi + lo) / 2 / 255 > 0.5
}

int32_t TraceBackground(int32_t background) {
  return IsLightColour(background) ? 0xFFFFFF : 0x000000;
}

CombineMode TraceCombineMode(int32_t background) {
  return IsLightColour(background) ? CombineMode::kAnd : CombineMode::kOr;
}

int PictureWidth(int screenWidth) { return std::max(340, screenWidth); }
int PictureHeight(int screenHeight) { return std::max(340, screenHeight); }

void ClearPicture(Canvas& canvas, int32_t colour) {
  canvas.FillRect({0, 0, PictureWidth(canvas.Width()), PictureHeight(canvas.Height())}, colour);
}

}  // namespace velt
