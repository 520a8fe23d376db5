#include "ui/selection_rect.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velt {
namespace {

bool SegmentsCross(Vec2 a, Vec2 b, Vec2 c, Vec2 d) {
  const double d1 = Cross(b - a, c - a), d2 = Cross(b - a, d - a);
  const double d3 = Cross(d - c, a - c), d4 = Cross(d - c, b - c);
  return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

std::array<std::pair<Vec2, Vec2>, 4> Sides(const Box& r) {
  const Vec2 tl{r.left, r.top}, tr{r.right, r.top}, bl{r.left, r.bottom}, br{r.right, r.bottom};
  return {{{bl, br}, {tl, tr}, {bl, tl}, {br, tr}}};
}

bool LineCrosses(Vec2 a, Vec2 b, const Box& r, bool ray) {
  // The line (or ray) from a through b crosses a side when the side's ends lie on both sides
  // of it, and for a ray the crossing lies ahead of a.
  const Vec2 d = b - a;
  if (Length(d) < kCoincidence) return false;
  for (auto [p, q] : Sides(r)) {
    const double s1 = Cross(d, p - a), s2 = Cross(d, q - a);
    if ((s1 > 0) == (s2 > 0) && s1 != 0 && s2 != 0) continue;
    if (!ray) return true;
    const double denom = Cross(d, q - p);
    if (denom == 0) continue;
    const double u = Cross(a - p, d) / -denom;  // position along the side
    const Vec2 x = p + (q - p) * std::clamp(u, 0.0, 1.0);
    if (Dot(x - a, d) >= 0) return true;
  }
  return false;
}

bool SegmentMeets(Vec2 a, Vec2 b, const Box& r) {
  if (r.Contains(a) || r.Contains(b)) return true;
  for (auto [p, q] : Sides(r))
    if (SegmentsCross(a, b, p, q)) return true;
  return false;
}

bool CircleMeets(Vec2 c, double radius, const Box& r) {
  // Crosses a side or lies inside: the nearest point of the rectangle is within the radius
  // and the farthest corner is not inside the circle.
  const double nx = std::clamp(c.x, r.left, r.right), ny = std::clamp(c.y, r.bottom, r.top);
  if (Dist({nx, ny}, c) > radius) return false;
  double far = 0;
  for (Vec2 k :
       {Vec2{r.left, r.top}, Vec2{r.right, r.top}, Vec2{r.left, r.bottom}, Vec2{r.right, r.bottom}})
    far = std::max(far, Dist(k, c));
  return far >= radius;
}

bool BoxesOverlap(const Box& a, const Box& b) {
  return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

}  // namespace

bool MeetsRectangle(const Element& e, const Box& r, const BoxOf& boxOf) {
  switch (e.type()) {
    case kTypePoint: return r.Contains(PointOf(e));
    case kTypeLine: return LineCrosses(PointOf(e), SecondOf(e), r, false);
    case kTypeRay: return LineCrosses(PointOf(e), SecondOf(e), r, true);
    case kTypeSegment:
    case kTypeVector: return SegmentMeets(PointOf(e), SecondOf(e), r);
    case kTypePolygon: {
      const auto* p = e.as<PolygonExt>();
      if (!p) return false;
      return std::any_of(p->sides.begin(), p->sides.end(), [&](const ElementPtr& s) {
        return SegmentMeets(PointOf(*s), SecondOf(*s), r);
      });
    }
    case kTypeCircle: return CircleMeets(PointOf(e), Dist(PointOf(e), SecondOf(e)), r);
    case kTypeArc: {
      auto s = ArcOf(e);
      if (!s) return false;
      for (int i = 0; i < 32; ++i) {
        const double a0 = s->start + s->sweep * i / 32, a1 = s->start + s->sweep * (i + 1) / 32;
        if (SegmentMeets(s->centre + Vec2{std::cos(a0), std::sin(a0)} * s->radius,
                         s->centre + Vec2{std::cos(a1), std::sin(a1)} * s->radius, r))
          return true;
      }
      return false;
    }
    default: {
      if (!boxOf) return false;
      auto b = boxOf(e);
      return b && BoxesOverlap(*b, r);
    }
  }
}

}  // namespace velt
