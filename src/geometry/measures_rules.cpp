// The rules of the measurements: distances, lengths, perimeters, areas, angle values, slopes
// and proportions. Each one writes the number the user reads into value1, in the document's
// units.
#include <cmath>
#include <numbers>

#include "geometry/element_points.h"
#include "geometry/measure_units.h"
#include "geometry/measures_family.h"
#include "geometry/tolerances.h"

namespace velt {

const Document& UnitsDocument(const RuleContext& ctx) {
  static const Document kDefaults;
  return ctx.doc ? *ctx.doc : kDefaults;
}

double Clamp(double v) { return std::fabs(v) < kZeroClamp ? 0.0 : v; }

void SetMeasure(Element& e, double v) {
  if (!std::isfinite(v)) {
    e.exists = 0;
    if (!std::isfinite(e.value[0])) e.value[0] = 0;
    return;
  }
  e.value[0] = Clamp(v);
  e.exists = 1;
}

namespace {

// attr1 of a number with or without a value.
constexpr int32_t kValid = 100;
constexpr int32_t kUndefined = -100;
// value2 of an angle value that is measured counter-clockwise in [0, 2pi).
constexpr double kOrientedAngle = -1111;

constexpr double kTwoPi = 2 * std::numbers::pi;

void SetLength(Element& e, const RuleContext& ctx, double world) {
  SetMeasure(e, UserLength(UnitsDocument(ctx), world));
}

double RadiusOf(const Element& circle) { return Distance(PointA(circle), PointB(circle)); }

// The angle an arc sweeps from its first point through its second to its third, in radians.
std::optional<double> ArcSweep(const Element& arc) {
  if (!arc.parent[0] || !arc.parent[2]) return std::nullopt;
  const auto g = OrientedAngle(PointA(*arc.parent[2]), PointA(arc), PointA(*arc.parent[0]));
  if (!g) return std::nullopt;
  return arc.attr1 == 1 ? kTwoPi - *g : *g;
}

// The vertices of a polygon in order (the first point of each side).
std::vector<Pt> Vertices(const Element& polygon) {
  std::vector<Pt> v;
  if (const auto* ext = polygon.as<PolygonExt>())
    for (const auto& side : ext->sides)
      if (side->parent[0]) v.push_back(PointA(*side->parent[0]));
  return v;
}

// 28: between two points.
void PointDistanceRule(Element& e, const RuleContext& ctx) {
  SetLength(e, ctx, Distance(PointA(*e.parent[0]), PointA(*e.parent[1])));
}

// 29: from a point to a straight element's carrier line.
void LineDistanceRule(Element& e, const RuleContext& ctx) {
  const Element& line = *e.parent[1];
  const auto foot = FootOnLine(PointA(*e.parent[0]), PointA(line), PointB(line));
  if (!foot) {
    e.exists = 0;
    return;
  }
  SetLength(e, ctx, foot->distance);
}

// 30: of a segment (or a polygon side, or a vector).
void SegmentLengthRule(Element& e, const RuleContext& ctx) {
  const Element& s = *e.parent[0];
  SetLength(e, ctx, Distance(PointA(s), PointB(s)));
}

// 31: of a circle.
void CircleLengthRule(Element& e, const RuleContext& ctx) {
  SetLength(e, ctx, kTwoPi * RadiusOf(*e.parent[0]));
}

// 32: of an arc, its radius times the angle it sweeps.
void ArcLengthRule(Element& e, const RuleContext& ctx) {
  const Element& arc = *e.parent[0];
  const auto g = ArcSweep(arc);
  if (!g) {
    e.exists = 0;
    return;
  }
  SetLength(e, ctx, Distance(PointA(arc), PointA(*arc.parent[0])) * *g);
}

// 33: the sum of a polygon's sides.
void PerimeterRule(Element& e, const RuleContext& ctx) {
  const std::vector<Pt> v = Vertices(*e.parent[0]);
  double sum = 0;
  for (size_t i = 0; i < v.size(); ++i) sum += Distance(v[i], v[(i + 1) % v.size()]);
  SetLength(e, ctx, sum);
}

// 34: of a circle.
void CircleAreaRule(Element& e, const RuleContext& ctx) {
  const double r = RadiusOf(*e.parent[0]);
  SetMeasure(e, UserArea(UnitsDocument(ctx), std::numbers::pi * r * r));
}

// 35: of a polygon, by the shoelace formula over its vertices in order.
void PolygonAreaRule(Element& e, const RuleContext& ctx) {
  const std::vector<Pt> v = Vertices(*e.parent[0]);
  double twice = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    const Pt p = v[i], q = v[(i + 1) % v.size()];
    twice += p.x * q.y - q.x * p.y;
  }
  SetMeasure(e, UserArea(UnitsDocument(ctx), Clamp(std::fabs(twice) / 2)));
}

// 36: the angle an arc sweeps, or the angle P1 V P3: unsigned in [0, pi], or counter-
// clockwise from V->P1 to V->P3 in [0, 2pi) when value2 asks for the oriented angle.
void AngleValueRule(Element& e, const RuleContext& ctx) {
  const Element& first = *e.parent[0];
  std::optional<double> radians;
  if (first.kind == kArc) {
    radians = ArcSweep(first);
  } else if (e.parent[1] && e.parent[2] && e.parent[1]->exists && e.parent[2]->exists) {
    const Pt p1 = PointA(first), v = PointA(*e.parent[1]), p3 = PointA(*e.parent[2]);
    if (Distance(v, p1) >= kPointCoincidence && Distance(v, p3) >= kPointCoincidence)
      radians = e.value[1] == kOrientedAngle ? OrientedAngle(p1, v, p3) : UnsignedAngle(p1, v, p3);
  }
  if (!radians) {
    e.exists = 0;
    return;
  }
  SetMeasure(e, UserAngle(UnitsDocument(ctx), *radians));
}

// Marks a number as having no value; the element itself exists.
void SetUndefined(Element& e) {
  e.attr1 = kUndefined;
  e.exists = 1;
  if (!std::isfinite(e.value[0])) e.value[0] = 0;
}

// Stores a number that may have no value (slope, proportion).
void SetOptionalValue(Element& e, double v) {
  if (!std::isfinite(v)) return SetUndefined(e);
  e.value[0] = Clamp(v);
  e.attr1 = kValid;
  e.exists = 1;
}

// 56: the slope of a straight element in world units; a vertical one has none.
void SlopeRule(Element& e, const RuleContext&) {
  const Element& s = *e.parent[0];
  const Pt a = PointA(s), b = PointB(s);
  if (b.x == a.x) return SetUndefined(e);
  SetOptionalValue(e, (b.y - a.y) / (b.x - a.x));
}

double LengthOf(const Element& straight) { return Distance(PointA(straight), PointB(straight)); }

// 68: |S1| / |S2| of two straight elements, or |AB| / |AC| of three points, negative when B
// and C lie on opposite sides of A.
void ProportionRule(Element& e, const RuleContext&) {
  const Element& first = *e.parent[0];
  if (first.type() != kTypePoint) {
    const double d2 = LengthOf(*e.parent[1]);
    if (d2 == 0) return SetUndefined(e);
    return SetOptionalValue(e, LengthOf(first) / d2);
  }
  if (!e.parent[2] || !e.parent[2]->exists) {
    e.exists = 0;
    return;
  }
  const Pt a = PointA(first), b = PointA(*e.parent[1]), c = PointA(*e.parent[2]);
  const double d1 = Distance(a, b), d2 = Distance(a, c), d3 = Distance(b, c);
  if (d2 == 0) return SetUndefined(e);
  const double ratio = d1 / d2;
  SetOptionalValue(e, d3 > d1 && d3 > d2 ? -ratio : ratio);
}

}  // namespace

void AddMeasureRules(RuleTable& t) {
  t[kDistancePointPoint] = {PointDistanceRule, 2};
  t[kDistancePointLine] = {LineDistanceRule, 2};
  t[kLengthSegment] = {SegmentLengthRule, 1};
  t[kLengthCircle] = {CircleLengthRule, 1};
  t[kLengthArc] = {ArcLengthRule, 1};
  t[kPerimeter] = {PerimeterRule, 1};
  t[kAreaCircle] = {CircleAreaRule, 1};
  t[kAreaPolygon] = {PolygonAreaRule, 1};
  t[kAngleValue] = {AngleValueRule, 1};
  t[kSlope] = {SlopeRule, 1};
  t[kProportion] = {ProportionRule, 2};
  AddCoordinateRules(t);
  AddCheckerRules(t);
}

}  // namespace velt
