#include "ui/selection_rect.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "anim/iteration_walk.h"
#include "geometry/element_points.h"
#include "geometry/position_on_curves.h"
#include "geometry/tolerances.h"

namespace velt {
namespace {

bool SegmentsCross(Pt a, Pt b, Pt c, Pt d) {
  const double d1 = Cross(b - a, c - a), d2 = Cross(b - a, d - a);
  const double d3 = Cross(d - c, a - c), d4 = Cross(d - c, b - c);
  return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

std::array<std::pair<Pt, Pt>, 4> Sides(const Box& r) {
  const Pt tl{r.left, r.top}, tr{r.right, r.top}, bl{r.left, r.bottom}, br{r.right, r.bottom};
  return {{{bl, br}, {tl, tr}, {bl, tl}, {br, tr}}};
}

bool LineCrosses(Pt a, Pt b, const Box& r, bool ray) {
  // The line (or ray) from a through b crosses a side when the side's ends lie on both sides
  // of it, and for a ray the crossing lies ahead of a.
  const Pt d = b - a;
  if (std::hypot(d.x, d.y) < kPointCoincidence) return false;
  for (auto [p, q] : Sides(r)) {
    const double s1 = Cross(d, p - a), s2 = Cross(d, q - a);
    if ((s1 > 0) == (s2 > 0) && s1 != 0 && s2 != 0) continue;
    if (!ray) return true;
    const double denom = Cross(d, q - p);
    if (denom == 0) continue;
    const double u = Cross(a - p, d) / -denom;  // position along the side
    const Pt x = p + (q - p) * std::clamp(u, 0.0, 1.0);
    if (Dot(x - a, d) >= 0) return true;
  }
  return false;
}

bool SegmentMeets(Pt a, Pt b, const Box& r) {
  if (r.Contains(a) || r.Contains(b)) return true;
  for (auto [p, q] : Sides(r))
    if (SegmentsCross(a, b, p, q)) return true;
  return false;
}

bool CircleMeets(Pt c, double radius, const Box& r) {
  // Crosses a side or lies inside: the nearest point of the rectangle is within the radius
  // and the farthest corner is not inside the circle.
  const double nx = std::clamp(c.x, r.left, r.right), ny = std::clamp(c.y, r.bottom, r.top);
  if (Distance({nx, ny}, c) > radius) return false;
  double far = 0;
  for (Pt k : {Pt{r.left, r.top}, Pt{r.right, r.top}, Pt{r.left, r.bottom}, Pt{r.right, r.bottom}})
    far = std::max(far, Distance(k, c));
  return far >= radius;
}

// A path of samples meets the rectangle when one of its chords does; `joined(i)` tells
// whether sample i is joined to sample i + 1.
template <typename Joined>
bool PathMeets(const std::vector<Pt>& at, const Box& r, Joined joined) {
  for (size_t i = 0; i < at.size(); ++i) {
    if (r.Contains(at[i])) return true;
    if (i + 1 < at.size() && joined(i) && SegmentMeets(at[i], at[i + 1], r)) return true;
  }
  return false;
}

bool Finite(Pt p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool ConicMeets(const Element& e, const Box& r) {
  const auto* c = e.as<ConicExt>();
  if (!c) return false;
  const ConicData& k = c->data;
  const size_t n = std::min(k.sx.size(), k.sy.size());
  std::vector<Pt> at;
  for (size_t i = 0; i < n; ++i) at.push_back({k.sx[i], k.sy[i]});
  if (k.conicClass == kConicCrossingLines || k.conicClass == kConicParallelLines) {
    // Two whole lines, S0 S1 and S2 S3.
    return (n >= 2 && LineCrosses(at[0], at[1], r, false)) ||
           (n >= 4 && LineCrosses(at[2], at[3], r, false));
  }
  const size_t half = n / 2;
  return PathMeets(at, r,
                   [&](size_t i) {
                     // A hyperbola's branches are not joined to each other.
                     return Finite(at[i]) && Finite(at[i + 1]) &&
                            !(k.conicClass == kConicHyperbola && i + 1 == half);
                   }) ||
         (k.conicClass == kConicEllipse && n > 2 && SegmentMeets(at[n - 1], at[0], r));
}

bool LocusMeets(const Element& e, const Box& r) {
  const auto* s = e.as<SampleExt>();
  if (!s) return false;
  const size_t n = std::min(s->x1.size(), s->y1.size());
  std::vector<Pt> at;
  for (size_t i = 0; i < n; ++i) at.push_back({s->x1[i], s->y1[i]});
  auto gap = [&](size_t i) {
    return !Finite(at[i]) || (i < s->colours.size() && s->colours[i] == -1111);
  };
  for (size_t i = 0; i < n; ++i)
    if (!gap(i) && r.Contains(at[i])) return true;
  return PathMeets(at, r, [&](size_t i) { return !gap(i) && !gap(i + 1); });
}

// The small arc of an angle mark about its vertex, between its arms.
bool AngleMarkMeets(const Element& e, const Box& r) {
  if (!e.parent[0] || !e.parent[1] || !e.parent[2]) return false;
  const Pt v = PointA(*e.parent[1]);
  Pt from = PointA(*e.parent[0]);
  double sweep = e.value[0];
  if (sweep > std::numbers::pi + 0.0001) {
    // The mark shows the smaller side: counter-clockwise from the other arm.
    from = PointA(*e.parent[2]);
    sweep = 2 * std::numbers::pi - sweep;
  }
  const double radius = e.value[2];
  if (!(radius > 0) || !std::isfinite(sweep)) return false;
  const double start = std::atan2(from.y - v.y, from.x - v.x);
  std::vector<Pt> at;
  constexpr int kSteps = 32;
  for (int i = 0; i <= kSteps; ++i) {
    const double a = start + sweep * i / kSteps;
    at.push_back(v + Pt{std::cos(a), std::sin(a)} * radius);
  }
  return PathMeets(at, r, [](size_t) { return true; });
}

bool BoxesOverlap(const Box& a, const Box& b) {
  return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

}  // namespace

bool MeetsRectangle(const Element& e, const Box& r, const BoxOf& boxOf, const Document* doc) {
  switch (e.type()) {
    case kTypeIteration: {
      if (!doc) return false;
      bool meets = false;
      ForEachDrawnCopy(*doc, e, [&](Element& copy, const Document&, int32_t) {
        meets = MeetsRectangle(copy, r, nullptr);
        return !meets;
      });
      return meets;
    }
    case kTypePoint: return r.Contains(PointA(e));
    case kTypeLine: return LineCrosses(PointA(e), PointB(e), r, false);
    case kTypeRay: return LineCrosses(PointA(e), PointB(e), r, true);
    case kTypeSegment:
    case kTypeVector: return SegmentMeets(PointA(e), PointB(e), r);
    case kTypePolygon: {
      const auto* p = e.as<PolygonExt>();
      if (!p) return false;
      return std::any_of(p->sides.begin(), p->sides.end(), [&](const ElementPtr& s) {
        return SegmentMeets(PointA(*s), PointB(*s), r);
      });
    }
    case kTypeCircle: return CircleMeets(PointA(e), Distance(PointA(e), PointB(e)), r);
    case kTypeArc: {
      const auto f = FrameOfArc(e);
      if (!f) return false;
      constexpr int kSteps = 32;
      for (int i = 0; i < kSteps; ++i)
        if (SegmentMeets(f->At(double(i) / kSteps), f->At(double(i + 1) / kSteps), r)) return true;
      return false;
    }
    case kTypeConic: return ConicMeets(e, r);
    case kTypeLocus: return LocusMeets(e, r);
    case kTypeAngle: return AngleMarkMeets(e, r);
    default: {
      if (!boxOf) return false;
      auto b = boxOf(e);
      return b && BoxesOverlap(*b, r);
    }
  }
}

}  // namespace velt
