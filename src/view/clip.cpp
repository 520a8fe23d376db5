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

std::vector<WorldPoint> ClipPolygon(const WorldRect& r, const std::vector<WorldPoint>& polygon) {
  // Each edge keeps the side where inside(p) holds; cut() is where the side a–b crosses it.
  struct Edge {
    int axis;      // 0: x, 1: y
    double limit;  // the edge's coordinate
    bool keepAbove;
  };
  const Edge edges[4] = {
      {0, r.left, true}, {0, r.right, false}, {1, r.bottom, true}, {1, r.top, false}};
  std::vector<WorldPoint> in = polygon, out;
  for (const Edge& e : edges) {
    out.clear();
    auto coord = [&](WorldPoint p) { return e.axis == 0 ? p.x : p.y; };
    auto inside = [&](WorldPoint p) {
      return e.keepAbove ? coord(p) >= e.limit : coord(p) <= e.limit;
    };
    auto cut = [&](WorldPoint a, WorldPoint b) {
      const double t = (e.limit - coord(a)) / (coord(b) - coord(a));
      WorldPoint p{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
      (e.axis == 0 ? p.x : p.y) = e.limit;  // exactly on the edge
      return p;
    };
    for (size_t i = 0; i < in.size(); ++i) {
      const WorldPoint a = in[i], b = in[(i + 1) % in.size()];
      const bool ia = inside(a), ib = inside(b);
      if (ia) out.push_back(a);
      if (ia != ib) out.push_back(cut(a, b));
    }
    in.swap(out);
    if (in.empty()) break;
  }
  return in;
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
