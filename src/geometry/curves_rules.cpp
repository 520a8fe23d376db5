// The rules of the curved and closed figures: polygons with their sides, circles, arcs,
// angle marks and conics through five points.
#include <algorithm>
#include <cmath>

#include "geometry/conic.h"
#include "geometry/element_points.h"
#include "geometry/rules.h"
#include "geometry/tolerances.h"

namespace velt {
namespace {

// The smallest radius drawn for an angle mark, in world units.
constexpr double kAngleMarkMinimumRadius = 8;

// 14: every side follows its two vertices and exists when it is long enough; the polygon
// exists when all its vertices do. Sides are written even when a vertex does not exist.
void PolygonRule(Element& e, const RuleContext&) {
  auto* ext = e.as<PolygonExt>();
  if (!ext || ext->sides.empty()) {
    e.exists = 0;
    return;
  }
  e.exists = 1;
  for (auto& side : ext->sides) {
    const Element* from = side->parent[0];
    const Element* to = side->parent[1];
    if (!from || !to) {
      side->exists = 0;
      e.exists = 0;
      continue;
    }
    const Pt a = PointA(*from), b = PointA(*to);
    SetPoints(*side, a, b);
    side->exists = Distance(a, b) >= kPointCoincidence ? 1 : 0;
    if (!from->exists || !to->exists) e.exists = 0;
  }
}

// 16: a circle of fixed radius about a point; the stored point of the circumference stays
// straight above the centre.
void FixedRadiusCircleRule(Element& e, const RuleContext&) {
  const double r = Distance(PointA(e), PointB(e));
  const Pt c = PointA(*e.parent[0]);
  Pt q{c.x, c.y + r};
  if (q.y == c.y) q.y += kPointCoincidence;
  SetPoints(e, c, q);
  e.exists = 1;
}

// 17: centre and a point of the circumference.
void CentrePointCircleRule(Element& e, const RuleContext&) {
  const Pt c = PointA(*e.parent[0]), q = PointA(*e.parent[1]);
  if (c == q) {
    e.exists = 0;
    return;
  }
  SetPoints(e, c, q);
  e.exists = 1;
}

// 18: centre and a radius given by two points; the stored point lies right of the centre.
void RadiusCircleRule(Element& e, const RuleContext&) {
  const Pt c = PointA(*e.parent[0]);
  const Pt r1 = PointA(*e.parent[1]), r2 = PointA(*e.parent[2]);
  if (r1 == r2) {
    e.exists = 0;
    return;
  }
  SetPoints(e, c, {c.x + Distance(r1, r2), c.y});
  e.exists = 1;
}

// 19: the arc from P1 through P2 to P3.
void ArcRule(Element& e, const RuleContext&) {
  const Pt p1 = PointA(*e.parent[0]), p2 = PointA(*e.parent[1]), p3 = PointA(*e.parent[2]);
  if (Distance(p1, p2) < kPointCoincidence || Distance(p1, p3) < kPointCoincidence ||
      Distance(p2, p3) < kPointCoincidence) {
    e.exists = 0;
    return;
  }
  const auto bisector1 = PerpendicularThrough(Midpoint(p2, p1), p2, p1);
  const auto bisector3 = PerpendicularThrough(Midpoint(p2, p3), p2, p3);
  if (!bisector1 || !bisector3) {
    e.exists = 0;
    return;
  }
  const auto centre = IntersectLines(bisector1->a, bisector1->b, bisector3->a, bisector3->b);
  if (!centre) {  // the three points are aligned
    e.exists = 0;
    return;
  }
  const auto to3 = OrientedAngle(p3, *centre, p1);
  const auto to2 = OrientedAngle(p2, *centre, p1);
  if (!to3 || !to2) {
    e.exists = 0;
    return;
  }
  SetPoints(e, *centre, p2);
  // Counter-clockwise when a counter-clockwise sweep from P1 meets P2 before P3.
  e.attr1 = *to3 < *to2 ? 1 : 0;
  e.exists = 1;
}

// 20: the angle mark at V from ray V->P1 to ray V->P3, with the radius of its small arc.
void AngleMarkRule(Element& e, const RuleContext&) {
  const Pt p1 = PointA(*e.parent[0]), v = PointA(*e.parent[1]), p3 = PointA(*e.parent[2]);
  const double arm1 = Distance(v, p1), arm3 = Distance(v, p3);
  if (arm1 < kPointCoincidence || arm3 < kPointCoincidence) {
    e.exists = 0;
    return;
  }
  const auto angle = OrientedAngle(p1, v, p3);
  if (!angle) {
    e.exists = 0;
    return;
  }
  e.value[0] = *angle;
  e.value[2] = std::max(kAngleMarkMinimumRadius, e.value[1] * std::min(arm1, arm3));
  e.exists = 1;
}

// 55: the conic through five points.
void ConicRule(Element& e, const RuleContext&) {
  auto* ext = e.as<ConicExt>();
  if (!ext) {
    e.exists = 0;
    return;
  }
  FivePoints p;
  for (int i = 0; i < 5; ++i) {
    if (!ext->points[i]) {
      e.exists = 0;
      return;
    }
    p[i] = PointA(*ext->points[i]);
  }
  e.exists = ComputeConic(p, ext->data) ? 1 : 0;
}

}  // namespace

void AddCurveRules(RuleTable& t) {
  t[kPolygon] = {PolygonRule, 0, true};
  t[kCircleCentre] = {FixedRadiusCircleRule, 1};
  t[kCircleCentrePoint] = {CentrePointCircleRule, 2};
  t[kCircleRadius] = {RadiusCircleRule, 3};
  t[kArc] = {ArcRule, 3};
  t[kAngleMark] = {AngleMarkRule, 3};
  t[kConic] = {ConicRule, 0};
}

}  // namespace velt
