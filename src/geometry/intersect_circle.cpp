#include "geometry/intersect_circle.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/intersect_straight.h"

namespace velt {

CurveHits HitsFromRoots(const Roots& roots, bool alongX, double slope, double shift) {
  CurveHits h;
  for (int i = 0; i < roots.count && h.count < 2; ++i) {
    const double t = roots.t[i], other = slope * t + shift;
    h.point[h.count++] = alongX ? Pt{t, other} : Pt{other, t};
  }
  return h;
}

namespace {

// Keeps the solutions that pass a membership test, as the segment and ray forms report them.
template <class Test>
CurveHits Keep(const CurveHits& line, Test valid) {
  CurveHits h = line;
  if (line.count == 0) return h;
  if (line.count == 1) {
    h.count = valid(line.point[0]) ? 1 : 0;
    return h;
  }
  const bool v0 = valid(line.point[0]), v1 = valid(line.point[1]);
  h.count = int(v0) + int(v1);
  h.secondValid = !v0 && v1;
  return h;
}

}  // namespace

void OrderAlong(CurveHits& hits, Pt a, Pt b) {
  if (hits.count != 2) return;
  const Pt p = hits.point[0], q = hits.point[1];
  bool firstIsP;
  if (std::abs(a.x - b.x) >= 0.001)
    firstIsP = a.x < b.x ? p.x >= q.x : p.x <= q.x;
  else
    firstIsP = a.y < b.y ? p.y >= q.y : p.y <= q.y;
  if (!firstIsP) std::swap(hits.point[0], hits.point[1]);
}

CurveHits LineCircle(Pt a, Pt b, Pt c, double r) {
  if (const auto foot = FootOnLine(c, a, b);
      foot && std::abs(foot->distance - r) < kPointCoincidence) {
    CurveHits h;
    h.count = 1;
    h.point[0] = foot->foot;
    return h;
  }
  if (Distance(a, b) < kPointCoincidence) return {};
  // (a.y - b.y) x + (b.x - a.x) y + a0 = 0
  const double p = a.y - b.y, q = b.x - a.x, a0 = -(p * a.x + q * a.y);
  CurveHits h;
  if (std::abs(q) > 0.001) {
    const double m = -p / q, k = -a0 / q - c.y;  // y - c.y = m x + k
    const auto roots = SolveQuadratic(c.x * c.x + k * k - r * r, 2 * (m * k - c.x), 1 + m * m);
    h = HitsFromRoots(roots, true, m, k + c.y);
  } else {
    if (std::abs(p) < 1e-8) return {};
    const double m = -q / p, k = -a0 / p - c.x;  // x - c.x = m y + k
    const auto roots = SolveQuadratic(c.y * c.y + k * k - r * r, 2 * (m * k - c.y), 1 + m * m);
    h = HitsFromRoots(roots, false, m, k + c.x);
  }
  OrderAlong(h, a, b);
  return h;
}

CurveHits KeepOnSegment(const CurveHits& line, Pt a, Pt b, double viewScale) {
  const double limit = Distance(a, b) + 0.001 * viewScale;
  return Keep(line, [&](Pt x) { return Distance(x, a) <= limit && Distance(x, b) <= limit; });
}

CurveHits KeepOnRay(const CurveHits& line, Pt a, Pt b, double viewScale) {
  return Keep(line, [&](Pt x) { return !BehindRayOrigin(x, a, b, viewScale); });
}

CurveHits SegmentCircle(Pt a, Pt b, Pt c, double r, double viewScale) {
  return KeepOnSegment(LineCircle(a, b, c, r), a, b, viewScale);
}

CurveHits RayCircle(Pt a, Pt b, Pt c, double r, double viewScale) {
  return KeepOnRay(LineCircle(a, b, c, r), a, b, viewScale);
}

CurveHits CircleCircle(Pt c1, double r1, Pt c2, double r2) {
  const double d = Distance(c1, c2);
  CurveHits h;
  if (d < kPointCoincidence) return h;
  if (std::abs(d - (r1 + r2)) < 1e-6) {
    h.count = 1;
    h.point[0] = PointTowards(c1, c2, r1);
    return h;
  }
  if (std::abs(std::min(r1, r2) + d - std::max(r1, r2)) < 1e-6) {
    h.count = 1;
    h.point[0] = r1 >= r2 ? PointTowards(c1, c2, r1) : PointTowards(c2, c1, r2);
    return h;
  }
  if (r1 + r2 < d || std::abs(r1 - r2) > d) return h;
  const double v = (r1 * r1 + d * d - r2 * r2) / (2 * d);
  const Pt m = c1 + (c2 - c1) * (v / d);
  const auto chord = PerpendicularThrough(m, c1, c2);
  if (!chord) return h;
  return LineCircle(chord->a, chord->b, c2, r2);
}

}  // namespace velt
