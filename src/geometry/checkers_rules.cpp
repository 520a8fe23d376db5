// The property checkers: parallel, perpendicular, on, equidistant and aligned. Each one
// writes 1 into attr1 when the property holds and 0 when it does not.
#include <cmath>
#include <numbers>

#include "geometry/conic.h"
#include "geometry/element_points.h"
#include "geometry/intersect_straight.h"
#include "geometry/measures_family.h"

namespace velt {
namespace {

// How far apart two lengths, or a point and a curve, may be and still count as equal.
constexpr double kCheckTolerance = 0.0001;

void SetAnswer(Element& e, bool holds) {
  e.attr1 = holds ? 1 : 0;
  e.exists = 1;
}

// 50: the carrier lines never meet (parallel, identical, or both vertical).
void ParallelCheckRule(Element& e, const RuleContext&) {
  const Element &s1 = *e.parent[0], &s2 = *e.parent[1];
  SetAnswer(e, !IntersectLines(PointA(s1), PointB(s1), PointA(s2), PointB(s2)));
}

// 51: the perpendicular to the first element through its first point never meets the
// second element's line.
void PerpendicularCheckRule(Element& e, const RuleContext&) {
  const Element &s1 = *e.parent[0], &s2 = *e.parent[1];
  const auto perp = PerpendicularThrough(PointA(s1), PointA(s1), PointB(s1));
  SetAnswer(e, perp && !IntersectLines(perp->a, perp->b, PointA(s2), PointB(s2)));
}

double LineGap(Pt p, const Element& straight) {
  const auto foot = FootOnLine(p, PointA(straight), PointB(straight));
  return foot ? foot->distance : INFINITY;
}

double CircleGap(Pt p, const Element& circle) {
  return std::fabs(Distance(PointA(circle), p) - Distance(PointA(circle), PointB(circle)));
}

// 52: whether the point lies on the element, by the element's type; an element of another
// type leaves the answer as it was.
void OnCheckRule(Element& e, const RuleContext&) {
  const Pt p = PointA(*e.parent[0]);
  const Element& on = *e.parent[1];
  switch (on.type()) {
    case kTypeSegment:
    case kTypeVector: {
      const Pt a = PointA(on), b = PointB(on);
      return SetAnswer(
          e, std::fabs(Distance(p, a) + Distance(p, b) - Distance(a, b)) < kCheckTolerance);
    }
    case kTypeConic: {
      const ConicExt* c = on.as<ConicExt>();
      return SetAnswer(e, c && PointOnConic(c->data.Equation(), p, kCheckTolerance));
    }
    case kTypeArc: {
      const Element *p1 = on.parent[0], *p2 = on.parent[1], *p3 = on.parent[2];
      const Pt centre = PointA(on);
      const double r = p1 ? Distance(centre, PointA(*p1)) : 0;
      return SetAnswer(e, p1 && p2 && p3 && std::fabs(Distance(centre, p) - r) < kCheckTolerance &&
                              OnArc(p, PointA(*p1), PointA(*p2), PointA(*p3)));
    }
    case kTypeCircle: return SetAnswer(e, CircleGap(p, on) < kCheckTolerance);
    case kTypeRay:
      return SetAnswer(
          e, LineGap(p, on) < kCheckTolerance && !BehindRayOrigin(p, PointA(on), PointB(on)));
    case kTypeLine: return SetAnswer(e, LineGap(p, on) < kCheckTolerance);
    default: e.exists = 1; return;
  }
}

// 53: A is as far from B as from C.
void EquidistantCheckRule(Element& e, const RuleContext&) {
  const Pt a = PointA(*e.parent[0]), b = PointA(*e.parent[1]), c = PointA(*e.parent[2]);
  SetAnswer(e, std::fabs(Distance(a, b) - Distance(a, c)) <= kCheckTolerance);
}

// 54: two of the points coincide, or the angle at B is flat or zero.
void AlignedCheckRule(Element& e, const RuleContext&) {
  const Pt a = PointA(*e.parent[0]), b = PointA(*e.parent[1]), c = PointA(*e.parent[2]);
  if (Distance(a, b) < kCheckTolerance || Distance(b, c) < kCheckTolerance ||
      Distance(a, c) < kCheckTolerance)
    return SetAnswer(e, true);
  const auto angle = UnsignedAngle(a, b, c);
  SetAnswer(e, angle && (std::fabs(*angle) <= kCheckTolerance ||
                         std::fabs(*angle - std::numbers::pi) <= kCheckTolerance));
}

}  // namespace

void AddCheckerRules(RuleTable& t) {
  t[kCheckParallel] = {ParallelCheckRule, 2};
  t[kCheckPerpendicular] = {PerpendicularCheckRule, 2};
  t[kCheckOn] = {OnCheckRule, 2};
  t[kCheckEquidistant] = {EquidistantCheckRule, 3};
  t[kCheckAligned] = {AlignedCheckRule, 3};
}

}  // namespace velt
