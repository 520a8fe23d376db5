#include "ui/plane_math.h"

#include <algorithm>
#include <numbers>

#include "geometry/position_on_element.h"

namespace velt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

double Angle(Vec2 centre, Vec2 p) {
  double a = std::atan2(p.y - centre.y, p.x - centre.x);
  return a < 0 ? a + kTwoPi : a;
}

// Counter-clockwise angle from direction `from` to direction `to`, in [0, 2pi).
double CcwBetween(double from, double to) {
  double d = std::fmod(to - from, kTwoPi);
  return d < 0 ? d + kTwoPi : d;
}

bool SignedDistanceKind(int32_t kind) { return kind != kLineTwoPoints && kind != kRayTwoPoints; }

std::optional<CarrierFoot> OnStraight(const Element& c, Vec2 k) {
  const Vec2 a = PointOf(c), b = SecondOf(c);
  const double len = Dist(a, b);
  const int32_t type = c.type();
  if (len < kCoincidence) return CarrierFoot{0, a, Dist(a, k)};
  double f = FractionAlong(a, b, k);
  if (type == kTypeSegment || type == kTypeVector) f = std::clamp(f, 0.0, 1.0);
  if (type == kTypeRay) f = std::max(f, 0.0);
  const Vec2 foot = a + (b - a) * f;
  const bool fraction = type == kTypeSegment || type == kTypeVector || !SignedDistanceKind(c.kind);
  return CarrierFoot{fraction ? f : f * len, foot, Dist(foot, k)};
}

}  // namespace

double FractionAlong(Vec2 a, Vec2 b, Vec2 k) {
  const Vec2 d = b - a;
  const double l2 = Dot(d, d);
  return l2 > 0 ? Dot(k - a, d) / l2 : 0;
}

std::optional<double> StraightDistance(int32_t type, Vec2 a, Vec2 b, Vec2 k) {
  const double len = Dist(a, b);
  if (len < kCoincidence) return std::nullopt;
  const double f = FractionAlong(a, b, k);
  const Vec2 foot = a + (b - a) * f;
  if (type == kTypeRay && f < 0) return std::nullopt;
  if (type == kTypeSegment || type == kTypeVector) {
    // The foot may lie up to 2 units beyond either end.
    if (Dist(foot, a) > len + 2 || Dist(foot, b) > len + 2) return std::nullopt;
  }
  return Dist(foot, k);
}

std::optional<ArcShape> ArcOf(const Element& arc) {
  const Element* p1 = arc.parent[0];
  const Element* p3 = arc.parent[2];
  if (!p1 || !p3) return std::nullopt;
  ArcShape s;
  s.centre = PointOf(arc);
  s.radius = Dist(s.centre, PointOf(*p1));
  s.start = Angle(s.centre, PointOf(*p1));
  const double end = Angle(s.centre, PointOf(*p3));
  s.sweep = arc.attr1 == 1 ? CcwBetween(s.start, end) : -CcwBetween(end, s.start);
  if (!(s.radius > 0) || !std::isfinite(s.radius)) return std::nullopt;
  return s;
}

std::optional<CarrierFoot> ParameterOnCarrier(const Element& c, Vec2 k) {
  // The geometry's own routine where it knows the carrier, so that a point placed here
  // lies where its rule puts it.
  const RuleContext ctx{};
  if (CarrierFor(c.type()).parameter) {
    auto hit = ParameterFromPosition(c, PositionProbe{{k.x, k.y}}, ctx);
    if (!hit) return std::nullopt;
    double t = hit->t;
    auto at = PositionOnElement(c, t, ctx);
    if (!at) return std::nullopt;
    return CarrierFoot{t, {at->x, at->y}, hit->distance};
  }
  switch (c.type()) {
    case kTypeLine:
    case kTypeRay:
    case kTypeSegment:
    case kTypeVector: return OnStraight(c, k);
    case kTypeCircle: {
      const Vec2 centre = PointOf(c);
      const double r = Dist(centre, SecondOf(c));
      const double t = Angle(centre, k);
      const Vec2 foot = centre + Vec2{std::cos(t), std::sin(t)} * r;
      return CarrierFoot{t, foot, std::abs(Dist(centre, k) - r)};
    }
    case kTypeArc: {
      auto s = ArcOf(c);
      if (!s) return std::nullopt;
      const double a = Angle(s->centre, k);
      double along = s->sweep >= 0 ? CcwBetween(s->start, a) : CcwBetween(a, s->start);
      double t = along / std::abs(s->sweep);
      if (t > 1) {
        // Off the arc: the nearer end.
        const Vec2 p1 = PointOf(*c.parent[0]), p3 = PointOf(*c.parent[2]);
        t = Dist(k, p1) <= Dist(k, p3) ? 0 : 1;
      }
      const double ang = s->start + s->sweep * t;
      const Vec2 foot = s->centre + Vec2{std::cos(ang), std::sin(ang)} * s->radius;
      return CarrierFoot{t, foot, Dist(foot, k)};
    }
    case kTypePolygon: {
      const auto* poly = c.as<PolygonExt>();
      if (!poly || poly->sides.empty()) return std::nullopt;
      std::optional<CarrierFoot> best;
      for (size_t i = 0; i < poly->sides.size(); ++i) {
        const Element& s = *poly->sides[i];
        const Vec2 a = PointOf(s), b = SecondOf(s);
        if (Dist(a, b) < kCoincidence) continue;
        const double f = std::clamp(FractionAlong(a, b, k), 0.0, 1.0);
        const Vec2 foot = a + (b - a) * f;
        const double d = Dist(foot, k);
        if (!best || d < best->distance) best = CarrierFoot{static_cast<double>(i) + f, foot, d};
      }
      return best;
    }
    default: return std::nullopt;
  }
}

std::optional<Vec2> PositionOnCarrier(const Element& c, double t) {
  if (CarrierFor(c.type()).position) {
    auto at = PositionOnElement(c, t, RuleContext{});
    if (!at) return std::nullopt;
    return Vec2{at->x, at->y};
  }
  switch (c.type()) {
    case kTypeLine:
    case kTypeRay:
    case kTypeSegment:
    case kTypeVector: {
      const Vec2 a = PointOf(c), b = SecondOf(c);
      const bool fraction =
          c.type() == kTypeSegment || c.type() == kTypeVector || !SignedDistanceKind(c.kind);
      const double len = Dist(a, b);
      if (fraction) return a + (b - a) * t;
      if (len < kCoincidence) return a;
      return a + (b - a) * (t / len);
    }
    case kTypeCircle: {
      const Vec2 centre = PointOf(c);
      const double r = Dist(centre, SecondOf(c));
      return centre + Vec2{std::cos(t), std::sin(t)} * r;
    }
    case kTypeArc: {
      auto s = ArcOf(c);
      if (!s) return std::nullopt;
      const double ang = s->start + s->sweep * t;
      return s->centre + Vec2{std::cos(ang), std::sin(ang)} * s->radius;
    }
    case kTypePolygon: {
      const auto* poly = c.as<PolygonExt>();
      if (!poly || poly->sides.empty()) return std::nullopt;
      const int n = static_cast<int>(poly->sides.size());
      const int i = std::clamp(static_cast<int>(t), 0, n - 1);
      const Element& s = *poly->sides[i];
      return PointOf(s) + (SecondOf(s) - PointOf(s)) * (t - std::trunc(t));
    }
    default: return std::nullopt;
  }
}

}  // namespace velt
