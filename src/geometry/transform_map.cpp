#include "geometry/transform_map.h"

#include <cmath>

#include "geometry/tolerances.h"

namespace velt {
namespace {

// A non-finite input never gives a finite image below, so the result is the one check.
std::optional<Pt> IfFinite(Pt p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
  return p;
}

}  // namespace

std::optional<Pt> CentralSymmetric(Pt p, Pt c) {
  return IfFinite({c.x + (c.x - p.x), c.y + (c.y - p.y)});
}

std::optional<Pt> AxialSymmetric(Pt p, Pt a, Pt b) {
  const auto foot = FootOnLine(p, a, b);
  if (!foot) return std::nullopt;
  // Twice as far from P as the foot, on the same side: 2F - P.
  return IfFinite(foot->foot + (foot->foot - p));
}

std::optional<Pt> Translated(Pt p, Pt a, Pt b) {
  if (Distance(a, b) < kPointCoincidence) return IfFinite(p);
  return IfFinite(p + (b - a));
}

std::optional<Pt> Rotated(Pt p, Pt c, double alpha) {
  // A point on the centre does not move, but only for an angle that is a number.
  if (!std::isfinite(alpha)) return std::nullopt;
  return IfFinite(RotateAbout(p, c, alpha));
}

std::optional<Pt> Homothetic(Pt p, Pt c, double k) { return IfFinite(c + (p - c) * k); }

std::optional<Pt> Inverse(Pt p, Pt o, double r) {
  const Pt u = p - o;
  // hypot keeps a tiny |OP| from underflowing to 0 on the way.
  const double len = std::hypot(u.x, u.y);
  if (len == 0) return std::nullopt;  // the centre has no image
  // Unit direction times the image's distance; never r^2 / |OP|^2, which overflows first.
  const double d = r * (r / len);
  return IfFinite(o + Pt{u.x / len, u.y / len} * d);
}

}  // namespace velt
