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
  // The turn of P - C, with the cosine and sine of the angle: no polar angle of P is needed.
  const double dx = p.x - c.x, dy = p.y - c.y;
  if (dx * dx + dy * dy < kPointCoincidence * kPointCoincidence) return IfFinite(p);
  const double cs = std::cos(alpha), sn = std::sin(alpha);
  return IfFinite({c.x + (dx * cs - dy * sn), c.y + (dx * sn + dy * cs)});
}

std::optional<Pt> Homothetic(Pt p, Pt c, double k) { return IfFinite(c + (p - c) * k); }

std::optional<Pt> Inverse(Pt p, Pt o, double r) {
  const Pt u = p - o;
  // hypot keeps a tiny |OP| from underflowing to 0 (and a huge one from overflowing) on the
  // way; it is only needed there.
  double len = std::sqrt(u.x * u.x + u.y * u.y);
  if (!(len > 1e-150 && len < 1e150)) len = std::hypot(u.x, u.y);
  if (len == 0) return std::nullopt;  // the centre has no image
  // Unit direction times the image's distance; never r^2 / |OP|^2, which overflows first.
  const double d = r * (r / len);
  return IfFinite(o + Pt{u.x / len, u.y / len} * d);
}

}  // namespace velt
