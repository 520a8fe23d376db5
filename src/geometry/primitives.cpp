#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/tolerances.h"

namespace velt {

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;
}  // namespace

double Distance(Pt a, Pt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

Pt Midpoint(Pt a, Pt b) { return {b.x + (a.x - b.x) * 0.5, b.y + (a.y - b.y) * 0.5}; }

Pt PointTowards(Pt a, Pt b, double d) {
  double len = Distance(a, b);
  if (len < kDivisionGuard) len = kDivisionGuard;
  const double k = d / len;
  return {a.x + (b.x - a.x) * k, a.y + (b.y - a.y) * k};
}

std::optional<Line2> PerpendicularThrough(Pt p, Pt a, Pt b) {
  if (Distance(a, b) < kPointCoincidence) return std::nullopt;
  const double dx = b.x - a.x, dy = b.y - a.y;
  return Line2{p, {p.x + dy, p.y - dx}};
}

std::optional<Line2> ParallelThrough(Pt p, Pt a, Pt b) {
  if (Distance(a, b) < kPointCoincidence) return std::nullopt;
  return Line2{p, {p.x + (b.x - a.x), p.y + (b.y - a.y)}};
}

double DirectionAngle(double ux, double uy) {
  if (ux == 0) return uy > 0 ? kPi / 2 : 3 * kPi / 2;
  double angle = std::atan(uy / ux);
  if (ux < 0)
    angle += kPi;
  else if (uy < 0)
    angle += kTwoPi;
  // A direction just below the +x axis can round up to a whole turn.
  return angle >= kTwoPi ? 0.0 : angle;
}

std::optional<double> OrientedAngle(Pt a, Pt v, Pt e) {
  if (a == v || e == v) return std::nullopt;
  double theta = DirectionAngle(e.x - v.x, e.y - v.y) - DirectionAngle(a.x - v.x, a.y - v.y);
  if (std::abs(theta) < kZeroClamp) theta = 0;
  if (theta < 0) theta += kTwoPi;
  return theta;
}

std::optional<double> UnsignedAngle(Pt a, Pt v, Pt e) {
  if (a == v || e == v) return std::nullopt;
  const double ux = a.x - v.x, uy = a.y - v.y, wx = e.x - v.x, wy = e.y - v.y;
  const double c = (ux * wx + uy * wy) / (std::hypot(ux, uy) * std::hypot(wx, wy));
  return std::acos(std::clamp(c, -1.0, 1.0));
}

std::optional<Pt> IntersectLines(Pt a, Pt b, Pt c, Pt d) {
  if (Distance(a, b) < kLineSnap) b = PointTowards(a, b, 1);
  if (Distance(c, d) < kLineSnap) d = PointTowards(c, d, 1);
  const bool verticalAB = b.x == a.x, verticalCD = d.x == c.x;
  if (verticalAB && verticalCD) return std::nullopt;
  if (!verticalAB && !verticalCD) {
    const double m1 = (b.y - a.y) / (b.x - a.x), m2 = (d.y - c.y) / (d.x - c.x);
    if (std::abs(m1 - m2) < kSlopeEquality) return std::nullopt;
  }
  // Each line as p x + q y = r.
  const double p1 = b.y - a.y, q1 = a.x - b.x, r1 = p1 * a.x + q1 * a.y;
  const double p2 = d.y - c.y, q2 = c.x - d.x, r2 = p2 * c.x + q2 * c.y;
  const double det = p1 * q2 - p2 * q1;
  if (!(std::abs(det) >= kSlopeEquality)) return std::nullopt;
  return Pt{(r1 * q2 - r2 * q1) / det, (p1 * r2 - p2 * r1) / det};
}

Pt RotateAbout(Pt p, Pt c, double alpha) {
  const double r = Distance(p, c);
  if (r < kPointCoincidence) return p;
  // The polar angle of P - C in (-pi, pi].
  const double phi = std::atan2(p.y - c.y, p.x - c.x);
  return {c.x + r * std::cos(phi + alpha), c.y + r * std::sin(phi + alpha)};
}

std::optional<Foot> FootOnLine(Pt p, Pt a, Pt b) {
  const auto perpendicular = PerpendicularThrough(p, a, b);
  if (!perpendicular) return std::nullopt;
  const auto foot = IntersectLines(perpendicular->a, perpendicular->b, a, b);
  if (!foot) return std::nullopt;
  return Foot{*foot, Distance(p, *foot)};
}

Roots SolveQuadratic(double a, double b, double c) {
  Roots r;
  if (std::abs(c) < kZeroClamp) {
    if (b != 0) r.t[r.count++] = -a / b;
    return r;
  }
  const double disc = b * b - 4 * a * c;
  if (disc <= -kNegativeDiscriminant) return r;
  if (std::abs(disc) >= kZeroClamp) {
    const double t1 = (-b + std::sqrt(std::abs(disc))) / (2 * c);
    r.t[r.count++] = t1;
    r.t[r.count++] = -(b / c + t1);
  } else {
    r.t[r.count++] = -b / (2 * c);
  }
  return r;
}

Roots SolveCubic(double c0, double c1, double c2, double c3) {
  if (std::abs(c3) < kZeroClamp) return SolveQuadratic(c0, c1, c2);
  const double a = c2 / c3, b = c1 / c3, c = c0 / c3;
  const double p = (3 * b - a * a) / 9;
  const double q = (9 * a * b - 27 * c - 2 * a * a * a) / 54;
  const double disc = q * q + p * p * p;
  Roots r;
  if (disc >= 0) {
    const double s = std::cbrt(q + std::sqrt(disc)), u = std::cbrt(q - std::sqrt(disc));
    r.t[r.count++] = s + u - a / 3;
    if (disc < kZeroClamp) r.t[r.count++] = -(s + u) / 2 - a / 3;
    return r;
  }
  const double theta = std::acos(std::clamp(q / std::sqrt(-p * p * p), -1.0, 1.0)) / 3;
  const double m = 2 * std::sqrt(-p);
  for (int k = 0; k < 3; ++k) r.t[r.count++] = m * std::cos(theta + kTwoPi * k / 3) - a / 3;
  return r;
}

}  // namespace velt
