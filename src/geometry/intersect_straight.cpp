#include "geometry/intersect_straight.h"

namespace velt {

bool WithinSegment(Pt x, Pt a, Pt b, double viewScale) {
  const double limit = Distance(a, b) + MembershipTolerance(viewScale);
  return Distance(x, a) <= limit && Distance(x, b) <= limit;
}

bool BehindRayOrigin(Pt x, Pt a, Pt b, double viewScale) {
  if (Distance(x, b) < Distance(x, a)) return false;
  const auto perp = PerpendicularThrough(x, a, b);
  return !perp || !LineSegment(perp->a, perp->b, a, b, viewScale);
}

bool OnArc(Pt x, Pt p1, Pt p2, Pt p3, double viewScale) {
  if (Distance(x, p1) < kPointCoincidence || Distance(x, p3) < kPointCoincidence) return true;
  return !SegmentSegment(x, p2, p1, p3, viewScale);
}

std::optional<Pt> LineLine(Pt a, Pt b, Pt c, Pt d) { return IntersectLines(a, b, c, d); }

std::optional<Pt> LineSegment(Pt a, Pt b, Pt s1, Pt s2, double viewScale) {
  const auto x = IntersectLines(a, b, s1, s2);
  if (x && WithinSegment(*x, s1, s2, viewScale)) return x;
  return std::nullopt;
}

std::optional<Pt> LineRay(Pt a, Pt b, Pt r1, Pt r2, double viewScale) {
  const auto x = IntersectLines(a, b, r1, r2);
  if (x && !BehindRayOrigin(*x, r1, r2, viewScale)) return x;
  return std::nullopt;
}

std::optional<Pt> SegmentSegment(Pt a, Pt b, Pt c, Pt d, double viewScale) {
  const auto x = IntersectLines(a, b, c, d);
  if (x && WithinSegment(*x, a, b, viewScale) && WithinSegment(*x, c, d, viewScale)) return x;
  return std::nullopt;
}

std::optional<Pt> SegmentRay(Pt s1, Pt s2, Pt r1, Pt r2, double viewScale) {
  const auto x = IntersectLines(s1, s2, r1, r2);
  if (x && WithinSegment(*x, s1, s2, viewScale) && !BehindRayOrigin(*x, r1, r2, viewScale))
    return x;
  return std::nullopt;
}

std::optional<Pt> RayRay(Pt a, Pt b, Pt c, Pt d, double viewScale) {
  const auto x = IntersectLines(a, b, c, d);
  if (x && !BehindRayOrigin(*x, a, b, viewScale) && !BehindRayOrigin(*x, c, d, viewScale)) return x;
  return std::nullopt;
}

}  // namespace velt
