// Drawing the graph of a function (kind 65): its samples joined where the continuity test
// of sampling found the curve continuous.
#include <algorithm>
#include <cmath>

#include "geometry/graph_sampling.h"
#include "view/draw_shapes.h"
#include "view/draw_types.h"

namespace velt {
namespace {

// Beyond these a sample is not drawn: world coordinates, then pixels.
constexpr double kMaxWorld = 1e8;
constexpr double kMaxPixel = 9999;

bool Drawable(const DrawContext& ctx, double x, double y) {
  if (!(std::fabs(x) <= kMaxWorld && std::fabs(y) <= kMaxWorld)) return false;
  const PixelPointF p = WorldToPixelExact(ctx.map, x, y);
  return std::fabs(p.x) <= kMaxPixel && std::fabs(p.y) <= kMaxPixel;
}

}  // namespace

void DrawGraphElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (look.fillOnly) return;
  const SampleExt* s = e.as<SampleExt>();
  if (!s) return;
  const size_t n = std::min({s->x1.size(), s->y1.size(), s->colours.size(),
                             static_cast<size_t>(std::max(s->recorded, 0))});
  for (size_t i = 0; i + 1 < n; ++i) {
    if (!GraphStepJoined(e, static_cast<int32_t>(i))) continue;
    const WorldPoint a{s->x1[i], s->y1[i]}, b{s->x1[i + 1], s->y1[i + 1]};
    if (!Drawable(ctx, a.x, a.y) || !Drawable(ctx, b.x, b.y)) continue;
    DrawSegment(ctx, a, b, look.colour, look.style);
  }
}

void DrawSampledCurveElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (e.kind == kFunctionGraph)
    DrawGraphElement(ctx, e, look);
  else
    DrawLocusElement(ctx, e, look);
}

}  // namespace velt
