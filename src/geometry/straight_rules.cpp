// The rules of the straight elements: every one is stored as its two defining points A, B.
#include <cmath>
#include <numbers>

#include "geometry/element_points.h"
#include "geometry/rules.h"
#include "geometry/tolerances.h"

namespace velt {
namespace {

bool Polar(const RuleContext& ctx) { return ctx.doc && ctx.doc->coordinateSystem == 1; }

// 5 and 7: through a point, keeping the element's own direction B - A.
void ThroughPointRule(Element& e, const RuleContext&) {
  const Pt p = PointA(*e.parent[0]);
  Pt dir = PointB(e) - PointA(e);
  const double len = std::sqrt(dir.x * dir.x + dir.y * dir.y);
  if (!(len >= kPointCoincidence)) {
    // No usable direction left: a tiny one is stretched to unit length, none at all (or a
    // broken one) points down.
    dir = len > 0 && std::isfinite(len) ? dir * (1 / len) : Pt{0, -1};
  }
  SetPoints(e, p, p + dir);
  e.exists = 1;
}

// 6, 8, 13, 69: through two points that must be apart.
void TwoPointsRule(Element& e, const RuleContext&) {
  const Pt a = PointA(*e.parent[0]), b = PointA(*e.parent[1]);
  if (Distance(a, b) < kPointCoincidence) {
    e.exists = 0;
    return;
  }
  SetPoints(e, a, b);
  e.exists = 1;
}

void SetLineOrFail(Element& e, const std::optional<Line2>& line) {
  if (!line) {
    e.exists = 0;
    return;
  }
  SetPoints(e, line->a, line->b);
  e.exists = 1;
}

// 9: through a point, parallel to a straight element.
void ParallelRule(Element& e, const RuleContext&) {
  const Element& l = *e.parent[0];
  SetLineOrFail(e, ParallelThrough(PointA(*e.parent[1]), PointA(l), PointB(l)));
}

// 10: through a point, perpendicular to a straight element.
void PerpendicularRule(Element& e, const RuleContext&) {
  const Element& l = *e.parent[0];
  SetLineOrFail(e, PerpendicularThrough(PointA(*e.parent[1]), PointA(l), PointB(l)));
}

// 11: the internal bisector of the angle P1 V P3, as a whole line through V.
void BisectorRule(Element& e, const RuleContext&) {
  const Pt p1 = PointA(*e.parent[0]), v = PointA(*e.parent[1]), p3 = PointA(*e.parent[2]);
  if (Distance(v, p1) < kPointCoincidence || Distance(v, p3) < kPointCoincidence) {
    e.exists = 0;
    return;
  }
  // The arms cut at the same distance from the vertex.
  const Pt r1 = PointTowards(v, p1, 10), r3 = PointTowards(v, p3, 10);
  const auto theta = UnsignedAngle(r3, v, r1);
  if (!theta) return;
  // Turn the second arm half the angle towards the first; counter-clockwise first, the other
  // way when that overshoots.
  Pt q = RotateAbout(r3, v, *theta / 2);
  const auto check = UnsignedAngle(q, v, r1);
  if (check && (*check > *theta || *check - std::numbers::pi / 2 > kSlopeEquality))
    q = RotateAbout(r3, v, -*theta / 2);
  SetPoints(e, v, q);
  e.exists = 1;
}

// 12: the perpendicular bisector of two points.
void PerpendicularBisectorRule(Element& e, const RuleContext&) {
  const Pt a = PointA(*e.parent[0]), b = PointA(*e.parent[1]);
  SetLineOrFail(e, PerpendicularThrough(Midpoint(a, b), a, b));
}

// 39: coordinate axes through their origin, with their two axis lines.
void AxesRule(Element& e, const RuleContext& ctx) {
  auto* ext = e.as<AxesExt>();
  const Element* origin = e.parent[0];
  const int32_t exists = origin && origin->exists ? 1 : 0;
  e.exists = exists;
  if (!ext) return;
  if (ext->xAxis) ext->xAxis->exists = exists;
  if (ext->yAxis) ext->yAxis->exists = exists;
  if (!exists) return;
  const Pt o = PointA(*origin);
  if (ext->xAxis) SetPoints(*ext->xAxis, o, o + Pt{10, 0});
  if (ext->yAxis) SetPoints(*ext->yAxis, o, o + Pt{0, 10});
  if (Polar(ctx)) ext->yUnit = ext->xUnit;
}

}  // namespace

void AddStraightRules(RuleTable& t) {
  t[kLineThroughPoint] = {ThroughPointRule, 1};
  t[kRayThroughPoint] = {ThroughPointRule, 1};
  t[kLineTwoPoints] = {TwoPointsRule, 2};
  t[kRayTwoPoints] = {TwoPointsRule, 2};
  t[kSegment] = {TwoPointsRule, 2};
  t[kVector] = {TwoPointsRule, 2};
  t[kParallel] = {ParallelRule, 2};
  t[kPerpendicular] = {PerpendicularRule, 2};
  t[kAngleBisector] = {BisectorRule, 3};
  t[kPerpendicularBisector] = {PerpendicularBisectorRule, 2};
  t[kAxes] = {AxesRule, 0, /*ownParentTest=*/true};
}

}  // namespace velt
