#include "view/draw_context.h"

#include <algorithm>
#include <cmath>

#include "view/move_screen.h"

namespace velt {

double DrawContext::ViewRadius() const {
  const WorldPoint c = ViewCentre();
  return std::hypot(c.x - clip.left, c.y - clip.bottom);
}

DrawContext ScreenContext(const Document& doc, Canvas& canvas, const DrawOptions& opt,
                          double scale) {
  const WorldRect view = ViewRectOf(doc);
  return DrawContext{doc, canvas, MappingOf(doc, scale), view, view, opt};
}

DrawContext ThumbnailContext(const Document& doc, Canvas& canvas, double planeSize,
                             DrawOptions opt) {
  opt.realSize = false;
  opt.mainPicture = false;
  const WorldRect plane = PlaneRect(planeSize);
  return DrawContext{doc, canvas, ThumbnailMapping(planeSize, canvas.Height()), plane, plane, opt};
}

Pen LineStylePen(int32_t style, int32_t colour) {
  switch (style) {
    case 2: return {colour, 3, LineStyle::kSolid};
    case 3: return {colour, 1, LineStyle::kDot};
    case 4: return {colour, 1, LineStyle::kDashDot};
    case 5: return {colour, 5, LineStyle::kSolid};
    case 6: return {colour, 7, LineStyle::kSolid};
    case -1: return {colour, 3, LineStyle::kSolid};
    case -2: return {colour, 5, LineStyle::kSolid};
    case -3: return {colour, 7, LineStyle::kSolid};
    case -4: return {colour, 9, LineStyle::kSolid};
    default: return {colour, 1, LineStyle::kSolid};
  }
}

bool IsWideStyle(int32_t style) { return style == 2 || style == 5 || style == 6 || style < 0; }

int32_t HaloStyleOf(int32_t style) {
  switch (style) {
    case 2: return -2;
    case 5: return -3;
    case 6: return -4;
    default: return -1;
  }
}

int ScaledFontSize(int size, int screenDpi) {
  // Sizes come from files: anything beyond a poster's letters is taken as that.
  constexpr double kLargest = 1000;
  if (screenDpi <= 0) screenDpi = 96;
  const double v = std::clamp(size * 96.0 / screenDpi, -kLargest, kLargest);
  const double r = std::ceil(std::fabs(v) - 0.5);  // nearest, halves towards zero
  return static_cast<int>(v < 0 ? -r : r);
}

TextFont ToTextFont(const Font& f, int screenDpi) {
  TextFont t;
  t.face = f.face;
  t.size = ScaledFontSize(f.size, screenDpi);
  t.bold = f.bold != 0;
  t.italic = f.italic != 0;
  t.underline = f.underline != 0;
  t.strikeOut = f.strikeOut != 0;
  return t;
}

}  // namespace velt
