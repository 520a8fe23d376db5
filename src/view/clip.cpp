#include "view/clip.h"

#include <cmath>
#include <limits>

namespace velt {

double Distance(WorldPoint a, WorldPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool ClipToRect(const WorldRect& r, WorldPoint a, WorldPoint b, double tMin, double tMax,
                WorldPoint& from, WorldPoint& to) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  if (dx == 0 && dy == 0) return false;
  if (!std::isfinite(dx) || !std::isfinite(dy) || !std::isfinite(a.x) || !std::isfinite(a.y))
    return false;
  // Liang–Barsky: each edge bounds t from one side.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - r.left, r.right - a.x, a.y - r.bottom, r.top - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel and outside
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > tMin) tMin = t;
    } else {
      if (t < tMax) tMax = t;
    }
  }
  if (tMin > tMax) return false;
  from = {a.x + tMin * dx, a.y + tMin * dy};
  to = {a.x + tMax * dx, a.y + tMax * dy};
  return true;
}

std::vector<WorldPoint> CircleCircle(WorldPoint c1, double r1, WorldPoint c2, double r2) {
  const double d = Distance(c1, c2);
  if (d == 0 || !std::isfinite(d)) return {};
  if (d > r1 + r2 || d < std::fabs(r1 - r2)) return {};
  // (d − r2)(d + r2) keeps its precision when a huge circle meets a small one.
  const double a = (r1 * r1 + (d - r2) * (d + r2)) / (2 * d);
  const double h2 = (r1 - a) * (r1 + a);
  const double ux = (c2.x - c1.x) / d, uy = (c2.y - c1.y) / d;
  const WorldPoint m{c1.x + a * ux, c1.y + a * uy};
  if (h2 <= 0) return {m};
  const double h = std::sqrt(h2);
  return {{m.x - h * uy, m.y + h * ux}, {m.x + h * uy, m.y - h * ux}};
}

}  // namespace velt
