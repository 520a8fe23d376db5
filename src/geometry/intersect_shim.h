#pragma once
// TEMPORARY stand-in until the shared primitives land; removed before merging.
#include <array>
#include <cmath>
#include <optional>

namespace velt {

struct Pt {
  double x = 0, y = 0;
  friend bool operator==(const Pt&, const Pt&) = default;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
struct Line2 {
  Pt a, b;
};
struct Roots {
  int count = 0;
  std::array<double, 3> t{};
};

inline constexpr double kPointCoincidence = 0.0001;
inline constexpr double kSlopeEquality = 1e-6;
inline constexpr double kZeroClamp = 1e-8;

inline double Distance(Pt a, Pt b) { return std::hypot(b.x - a.x, b.y - a.y); }
inline Pt PointTowards(Pt a, Pt b, double d) {
  double D = Distance(a, b);
  if (D < 1e-12) D = 1e-12;
  return a + (b - a) * (d / D);
}
inline std::optional<Line2> PerpendicularThrough(Pt p, Pt a, Pt b) {
  if (Distance(a, b) < kPointCoincidence) return std::nullopt;
  return Line2{p, {p.x + (b.y - a.y), p.y - (b.x - a.x)}};
}
inline std::optional<Pt> IntersectLines(Pt a, Pt b, Pt c, Pt d) {
  if (Distance(a, b) < 0.1) b = PointTowards(a, b, 1);
  if (Distance(c, d) < 0.1) d = PointTowards(c, d, 1);
  const bool s1 = b.x != a.x, s2 = d.x != c.x;
  if (!s1 && !s2) return std::nullopt;
  if (s1 && s2 && std::abs((b.y - a.y) / (b.x - a.x) - (d.y - c.y) / (d.x - c.x)) < 1e-6)
    return std::nullopt;
  const double a1 = b.y - a.y, b1 = a.x - b.x, c1 = a1 * a.x + b1 * a.y;
  const double a2 = d.y - c.y, b2 = c.x - d.x, c2 = a2 * c.x + b2 * c.y;
  const double det = a1 * b2 - a2 * b1;
  if (std::abs(det) < 1e-6) return std::nullopt;
  return Pt{(c1 * b2 - c2 * b1) / det, (a1 * c2 - a2 * c1) / det};
}
struct Foot {
  Pt foot;
  double distance = 0;
};
inline std::optional<Foot> FootOnLine(Pt p, Pt a, Pt b) {
  auto perp = PerpendicularThrough(p, a, b);
  if (!perp) return std::nullopt;
  auto x = IntersectLines(perp->a, perp->b, a, b);
  if (!x) return std::nullopt;
  return Foot{*x, Distance(p, *x)};
}
inline Roots SolveQuadratic(double a, double b, double c) {
  Roots r;
  if (std::abs(c) < 1e-8) {
    if (b != 0) r.t[r.count++] = -a / b;
    return r;
  }
  const double disc = b * b - 4 * a * c;
  if (disc <= -0.00001) return r;
  if (std::abs(disc) >= 1e-8) {
    const double t1 = (-b + std::sqrt(std::abs(disc))) / (2 * c);
    r.t[r.count++] = t1;
    r.t[r.count++] = -(b / c + t1);
    return r;
  }
  r.t[r.count++] = -b / (2 * c);
  return r;
}
inline Roots SolveCubic(double c0, double c1, double c2, double c3) {
  if (std::abs(c3) < 1e-8) return SolveQuadratic(c0, c1, c2);
  const double a = c2 / c3, b = c1 / c3, c = c0 / c3;
  const double p = (3 * b - a * a) / 9, q = (9 * a * b - 27 * c - 2 * a * a * a) / 54;
  const double D = q * q + p * p * p;
  Roots r;
  if (D >= 0) {
    const double s = std::cbrt(q + std::sqrt(D)), u = std::cbrt(q - std::sqrt(D));
    r.t[r.count++] = s + u - a / 3;
    if (D < 1e-8) r.t[r.count++] = -(s + u) / 2 - a / 3;
    return r;
  }
  const double th = std::acos(q / std::sqrt(-p * p * p)) / 3;
  for (int k = 0; k < 3; ++k)
    r.t[r.count++] = 2 * std::sqrt(-p) * std::cos(th + 2 * M_PI * k / 3) - a / 3;
  return r;
}

}  // namespace velt
