#include "geometry/position_on_element.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/element_points.h"
#include "geometry/locus_sampling.h"
#include "geometry/position_on_curves.h"
#include "geometry/tolerances.h"

namespace velt {

const CarrierOps& CarrierFor(int32_t type) {
  static const std::array<CarrierOps, kTypeCount> table = [] {
    std::array<CarrierOps, kTypeCount> t{};
    t[kTypeLine] = {PositionOnStraight, ParameterOnLine};
    t[kTypeRay] = {PositionOnStraight, ParameterOnRay};
    t[kTypeSegment] = {PositionOnStraight, ParameterOnSegment};
    t[kTypeVector] = {PositionOnStraight, ParameterOnSegment};
    t[kTypeCircle] = {PositionOnCircle, ParameterOnCircle};
    t[kTypeArc] = {PositionOnArc, ParameterOnArc};
    t[kTypePolygon] = {PositionOnPolygon, ParameterOnPolygon};
    t[kTypeConic] = {PositionOnConic, ParameterOnConic};
    t[kTypeLocus] = {PositionOnLocus, ParameterOnLocus};
    return t;
  }();
  static const CarrierOps none{};
  return type >= 0 && type < kTypeCount ? table[type] : none;
}

bool CanCarryPoints(int32_t type) {
  switch (type) {
    case kTypeLine:
    case kTypeRay:
    case kTypeSegment:
    case kTypeVector:
    case kTypeCircle:
    case kTypeArc:
    case kTypePolygon:
    case kTypeConic:
    case kTypeLocus: return true;
    default: return false;
  }
}

std::optional<Pt> PositionOnElement(const Element& carrier, double& t, const RuleContext& ctx) {
  const CarrierOps& ops = CarrierFor(carrier.type());
  if (!ops.position) return std::nullopt;
  return ops.position(carrier, t, ctx);
}

std::optional<CarrierHit> ParameterFromPosition(const Element& carrier, const PositionProbe& probe,
                                                const RuleContext& ctx) {
  const CarrierOps& ops = CarrierFor(carrier.type());
  if (!ops.parameter) return std::nullopt;
  return ops.parameter(carrier, probe, ctx);
}

std::optional<CarrierFoot> FootOnCarrier(const Element& carrier, Pt position,
                                         const RuleContext& ctx) {
  const auto hit = ParameterFromPosition(carrier, PositionProbe{position}, ctx);
  if (!hit) return std::nullopt;
  double t = hit->t;
  const auto at = PositionOnElement(carrier, t, ctx);
  if (!at) return std::nullopt;
  return CarrierFoot{t, *at, hit->distance};
}

bool ParameterIsFraction(int32_t kind) {
  return IsStraightType(TypeOfKind(kind)) && !PlacesPointsByDistance(kind);
}

// ---- straight carriers ------------------------------------------------------

std::optional<Pt> PositionOnStraight(const Element& carrier, double& t, const RuleContext&) {
  const Pt a = PointA(carrier), b = PointB(carrier);
  if (ParameterIsFraction(carrier.kind)) {
    // The end points are hit exactly, without rounding.
    if (t == 0) return a;
    if (t == 1) return b;
    return a + (b - a) * t;
  }
  const double len = Distance(a, b);
  if (len < kDivisionGuard) return a;
  return a + (b - a) * (t / len);
}

namespace {

// Where a probe line through K crosses the carrier line AB, as the fraction s of AB. The probe
// stands across the carrier: vertical when the carrier is more horizontal than vertical,
// horizontal otherwise. AB must not be degenerate.
struct Crossing {
  double s = 0;
  Pt x;
};

Crossing CrossProbe(Pt a, Pt b, Pt k) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double s = std::abs(dx) > std::abs(dy) ? (k.x - a.x) / dx : (k.y - a.y) / dy;
  Crossing c{s, a + (b - a) * s};
  // The crossing lies on the probe line exactly.
  if (std::abs(dx) > std::abs(dy)) {
    c.x.x = k.x;
  } else {
    c.x.y = k.y;
  }
  return c;
}

// The carrier's parameter at fraction s of AB.
double ParameterAt(const Element& carrier, double s, double len) {
  return ParameterIsFraction(carrier.kind) ? s : s * len;
}

}  // namespace

std::optional<CarrierHit> ParameterOnSegment(const Element& carrier, const PositionProbe& probe,
                                             const RuleContext&) {
  const Pt a = PointA(carrier), b = PointB(carrier), k = probe.cursor;
  const double len = Distance(a, b);
  if (len < kPointCoincidence) return CarrierHit{0, Distance(k, a)};
  const Crossing c = CrossProbe(a, b, k);
  const double slack = len + kPointCoincidence * probe.viewScale;
  if (Distance(c.x, a) <= slack && Distance(c.x, b) <= slack)
    return CarrierHit{std::clamp(c.s, 0.0, 1.0), Distance(c.x, k)};
  // Beyond an end: the nearer end to the crossing.
  if (Distance(c.x, b) <= Distance(c.x, a)) return CarrierHit{1, Distance(k, b)};
  return CarrierHit{0, Distance(k, a)};
}

std::optional<CarrierHit> ParameterOnLine(const Element& carrier, const PositionProbe& probe,
                                          const RuleContext&) {
  const Pt a = PointA(carrier), b = PointB(carrier), k = probe.cursor;
  const double len = Distance(a, b);
  if (len < kDivisionGuard) return CarrierHit{0, Distance(k, a)};
  const Crossing c = CrossProbe(a, b, k);
  return CarrierHit{ParameterAt(carrier, c.s, len), Distance(c.x, k)};
}

std::optional<CarrierHit> ParameterOnRay(const Element& carrier, const PositionProbe& probe,
                                         const RuleContext&) {
  const Pt a = PointA(carrier), b = PointB(carrier), k = probe.cursor;
  const double len = Distance(a, b);
  if (len < kDivisionGuard) return CarrierHit{0, Distance(k, a)};
  const Crossing c = CrossProbe(a, b, k);
  // Behind the origin (beyond the membership slack) the probe misses the ray.
  if (c.s * len < -kPointCoincidence * probe.viewScale) return CarrierHit{0, Distance(k, a)};
  return CarrierHit{ParameterAt(carrier, c.s, len), Distance(c.x, k)};
}

}  // namespace velt
