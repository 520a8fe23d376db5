// Drawing a locus: the path of a traced point, the family of a traced line or circle, or
// the instances of a traced curve swept at drawing time.
#include <algorithm>
#include <cmath>

#include "geometry/locus_sampling.h"
#include "view/draw_element.h"
#include "view/draw_shapes.h"
#include "view/draw_types.h"

namespace velt {
namespace {

// Consecutive samples this far apart are a jump, not a piece of the path.
constexpr double kJump = 200;

bool IsHalo(int32_t style) { return style < 0; }

void DrawPath(const DrawContext& ctx, const Element& e, const SampleExt& s, int32_t m,
              const Look& look) {
  const Element* driver = e.parent[1];
  // The nodes of a grid are not joined.
  const bool grid = driver && driver->kind == kPointOnGrid;
  const bool ownColours = e.colourSource && !IsHalo(look.style);
  auto gap = [&](int32_t i) { return s.colours[i] == kLocusGap; };
  if (grid) {
    for (int32_t i = 0; i < m; ++i)
      if (!gap(i)) DrawPointShape(ctx, s.x1[i], s.y1[i], look.colour, look.style);
    return;
  }
  auto join = [&](int32_t i, int32_t j) {
    if (gap(i) || gap(j)) return;
    const WorldPoint a{s.x1[i], s.y1[i]}, b{s.x1[j], s.y1[j]};
    if (!(std::hypot(b.x - a.x, b.y - a.y) < kJump)) return;
    DrawSegment(ctx, a, b, ownColours ? s.colours[i] : look.colour, look.style);
  };
  for (int32_t i = 0; i + 1 < m; ++i) join(i, i + 1);
  if (e.attr1 == 1 && m > 2) join(m - 1, 0);
}

// One recorded instance of a traced line, ray, segment, vector or circle.
void DrawInstances(const DrawContext& ctx, const Element& traced, const SampleExt& s, int32_t m,
                   const Look& look) {
  const DrawRoutine routine = DrawRoutineOf(traced.type());
  if (!routine) return;
  Element instance;
  instance.kind = traced.kind;
  for (int32_t i = 0; i < m; ++i) {
    instance.value = {s.x1[i], s.y1[i], s.x2[i], s.y2[i]};
    routine(ctx, instance, Look{look.colour, look.style, -1, false});
  }
}

}  // namespace

void DrawLocusElement(const DrawContext& ctx, const Element& e, const Look& look) {
  // Function graphs draw with their own family.
  if (e.kind != kLocus || look.fillOnly || !e.parent[0]) return;
  const Element& traced = *e.parent[0];
  if (IsSweptLocus(e)) {
    // The instances are computed for the picture being drawn (thumbnail, printer).
    SweepLocusInstances(
        ctx.doc, e,
        [&](const Element& instance) {
          DrawElement(ctx, instance, Look{look.colour, look.style, -1, false});
        },
        ctx.map.scale);
    return;
  }
  const SampleExt* s = e.as<SampleExt>();
  if (!s) return;
  const size_t size =
      std::min({s->x1.size(), s->y1.size(), s->x2.size(), s->y2.size(), s->colours.size()});
  const int32_t m = std::min<int32_t>(s->recorded, static_cast<int32_t>(size));
  if (m <= 0) return;
  if (traced.type() == kTypePoint)
    DrawPath(ctx, e, *s, m, look);
  else
    DrawInstances(ctx, traced, *s, m, look);
}

}  // namespace velt
