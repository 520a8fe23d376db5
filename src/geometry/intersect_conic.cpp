#include "geometry/intersect_conic.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "geometry/conic.h"
#include "geometry/intersect_circle.h"

namespace velt {

double ConicValue(const SixCoefficients& k, Pt p) {
  return k[0] * p.x * p.x + k[1] * p.x * p.y + k[2] * p.y * p.y + k[3] * p.x + k[4] * p.y + k[5];
}

CurveHits LineConic(Pt a, Pt b, const SixCoefficients& k) {
  if (Distance(a, b) < kPointCoincidence) return {};
  const auto [A, B, C, D, E, F] = k;
  // (a.y - b.y) x + (b.x - a.x) y + a0 = 0
  const double p = a.y - b.y, q = b.x - a.x, a0 = -(p * a.x + q * a.y);
  CurveHits h;
  if (std::abs(q) > 0.001) {
    const double m = -p / q, s = -a0 / q;  // y = m x + s
    const auto roots = SolveQuadratic(C * s * s + E * s + F, B * s + 2 * C * m * s + D + E * m,
                                      A + B * m + C * m * m);
    h = HitsFromRoots(roots, true, m, s);
  } else {
    if (p == 0) return {};
    const double m = -q / p, s = -a0 / p;  // x = m y + s
    const auto roots = SolveQuadratic(A * s * s + D * s + F, 2 * A * m * s + B * s + D * m + E,
                                      A * m * m + B * m + C);
    h = HitsFromRoots(roots, false, m, s);
  }
  OrderAlong(h, a, b);
  return h;
}

CurveHits SegmentConic(Pt a, Pt b, const SixCoefficients& k, double viewScale) {
  return KeepOnSegment(LineConic(a, b, k), a, b, viewScale);
}

CurveHits RayConic(Pt a, Pt b, const SixCoefficients& k, double viewScale) {
  return KeepOnRay(LineConic(a, b, k), a, b, viewScale);
}

namespace {

using Mat3 = std::array<std::array<double, 3>, 3>;

Mat3 MatrixOf(const SixCoefficients& k) {
  return {{{k[0], k[1] / 2, k[3] / 2}, {k[1] / 2, k[2], k[4] / 2}, {k[3] / 2, k[4] / 2, k[5]}}};
}

double Det(const Mat3& m) {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
         m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Mat3 Adjugate(const Mat3& m) {
  Mat3 r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const int i1 = (j + 1) % 3, i2 = (j + 2) % 3, j1 = (i + 1) % 3, j2 = (i + 2) % 3;
      r[i][j] = m[i1][j1] * m[i2][j2] - m[i1][j2] * m[i2][j1];
    }
  return r;
}

// trace(x * y)
double TraceOfProduct(const Mat3& x, const Mat3& y) {
  double t = 0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) t += x[i][j] * y[j][i];
  return t;
}

// A line u x + v y + w = 0 as a homogeneous triple.
using HLine = std::array<double, 3>;

// The two real lines of a degenerate conic matrix (rank 2 or 1); none when they are not real.
int SplitIntoLines(const Mat3& m, std::array<HLine, 2>& out) {
  const Mat3 adj = Adjugate(m);
  double scale = 0;
  for (auto& row : m)
    for (double v : row) scale = std::max(scale, std::abs(v));
  if (scale == 0) return 0;
  int i = 0;
  for (int k = 1; k < 3; ++k)
    if (std::abs(adj[k][k]) > std::abs(adj[i][i])) i = k;
  if (std::abs(adj[i][i]) <= 1e-10 * scale * scale) {
    // A double line: every row is a multiple of it.
    int r = 0;
    for (int k = 1; k < 3; ++k)
      if (std::abs(m[k][k]) > std::abs(m[r][r])) r = k;
    if (m[r][r] == 0) return 0;
    out[0] = {m[r][0], m[r][1], m[r][2]};
    return 1;
  }
  // -adj(m) = p p^T for the common point p of the two lines; a negative diagonal means the
  // lines are complex.
  const double bii = -adj[i][i];
  if (bii < 0) return 0;
  const double beta = std::sqrt(bii);
  std::array<double, 3> p{};
  for (int k = 0; k < 3; ++k) p[k] = -adj[k][i] / beta;
  // m + [p]x has rank one: g h^T.
  Mat3 c = m;
  c[0][1] += p[2];
  c[0][2] -= p[1];
  c[1][0] -= p[2];
  c[1][2] += p[0];
  c[2][0] += p[1];
  c[2][1] -= p[0];
  int bi = 0, bj = 0;
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 3; ++k)
      if (std::abs(c[r][k]) > std::abs(c[bi][bj])) bi = r, bj = k;
  if (c[bi][bj] == 0) return 0;
  out[0] = {c[bi][0], c[bi][1], c[bi][2]};
  out[1] = {c[0][bj], c[1][bj], c[2][bj]};
  return 2;
}

ConicEquation AsEquation(const SixCoefficients& k) { return {k[0], k[1], k[2], k[3], k[4], k[5]}; }

// The coordinates in which the numbers of the pencil are well scaled: world = origin + s * u.
struct Frame {
  Pt origin;
  double s = 1;
};

std::optional<Pt> CentreOf(const SixCoefficients& k) {
  const double det = 4 * k[0] * k[2] - k[1] * k[1];
  const double size = std::max({std::abs(k[0]), std::abs(k[1]), std::abs(k[2])});
  if (size == 0 || std::abs(det) < 1e-9 * size * size) return std::nullopt;
  return Pt{(-2 * k[2] * k[3] + k[1] * k[4]) / det, (-2 * k[0] * k[4] + k[1] * k[3]) / det};
}

SixCoefficients InFrame(const SixCoefficients& k, const Frame& f) {
  const double x0 = f.origin.x, y0 = f.origin.y, s = f.s;
  return {k[0] * s * s,
          k[1] * s * s,
          k[2] * s * s,
          (2 * k[0] * x0 + k[1] * y0 + k[3]) * s,
          (k[1] * x0 + 2 * k[2] * y0 + k[4]) * s,
          ConicValue(k, f.origin)};
}

Frame FrameFor(const SixCoefficients& k1, const SixCoefficients& k2) {
  Frame f;
  if (auto c = CentreOf(k1)) {
    f.origin = *c;
  } else if (auto c2 = CentreOf(k2)) {
    f.origin = *c2;
  }
  const SixCoefficients t = InFrame(k1, f);
  const double quad = std::max({std::abs(t[0]), std::abs(t[1]), std::abs(t[2])});
  if (quad > 0) f.s = std::max(1.0, std::sqrt(std::abs(t[5]) / quad));
  return f;
}

bool Normalise(SixCoefficients& k) {
  double m = 0;
  for (double v : k) m = std::max(m, std::abs(v));
  if (m == 0 || !std::isfinite(m)) return false;
  for (double& v : k) v /= m;
  return true;
}

bool Proportional(const SixCoefficients& k1, const SixCoefficients& k2) {
  bool same = true, opposite = true;
  for (int i = 0; i < 6; ++i) {
    same = same && std::abs(k1[i] - k2[i]) <= 1e-9;
    opposite = opposite && std::abs(k1[i] + k2[i]) <= 1e-9;
  }
  return same || opposite;
}

// The gradient of the equation at p.
Pt Gradient(const SixCoefficients& k, Pt p) {
  return {2 * k[0] * p.x + k[1] * p.y + k[3], k[1] * p.x + 2 * k[2] * p.y + k[4]};
}

// How far p lies from the curve, to first order.
double DistanceToConic(const SixCoefficients& k, Pt p) {
  const Pt g = Gradient(k, p);
  const double n = std::hypot(g.x, g.y);
  const double v = std::abs(ConicValue(k, p));
  return n > 0 ? v / n : (v == 0 ? 0 : INFINITY);
}

// The key along which the common points are numbered.
double OrderKey(const SixCoefficients& k1, Pt p) {
  if (auto c = CentreOf(k1)) {
    double a = std::atan2(p.y - c->y, p.x - c->x);
    if (a < 0) a += 2 * std::numbers::pi;
    return a;
  }
  // A parabola (or a pair of parallel lines): its quadratic part is (alpha x + beta y)^2.
  double alpha = std::sqrt(std::abs(k1[0])), beta = std::sqrt(std::abs(k1[2]));
  if (k1[1] * k1[0] < 0 || k1[1] * k1[2] < 0) beta = -beta;
  if (alpha < 0 || (alpha == 0 && beta < 0)) alpha = -alpha, beta = -beta;
  return alpha * p.x + beta * p.y;
}

}  // namespace

ConicHits ConicConic(const SixCoefficients& k1, const SixCoefficients& k2) {
  ConicHits out;
  for (int i = 0; i < 6; ++i)
    if (!std::isfinite(k1[i]) || !std::isfinite(k2[i])) return out;
  const ConicEquation e1 = AsEquation(k1), e2 = AsEquation(k2);
  if (SameConic(e1, e2)) return out;

  const Frame frame = FrameFor(k1, k2);
  SixCoefficients u1 = InFrame(k1, frame), u2 = InFrame(k2, frame);
  if (!Normalise(u1) || !Normalise(u2) || Proportional(u1, u2)) return out;
  const Mat3 m1 = MatrixOf(u1), m2 = MatrixOf(u2);
  const double c0 = Det(m1), c1 = TraceOfProduct(Adjugate(m1), m2),
               c2 = TraceOfProduct(m1, Adjugate(m2)), c3 = Det(m2);

  // The degenerate members of the pencil m1 + lambda m2 (m2 itself when its determinant
  // vanishes: the root at infinity).
  std::array<Mat3, 4> members{};
  int memberCount = 0;
  // The cubic det(m1 + lambda m2) = 0, with lambda = sigma mu so that its roots are of order
  // one, and its coefficients brought to a largest of 1: the cubic solver's thresholds are
  // absolute.
  double sigma = 1;
  if (c0 != 0 && c3 != 0) sigma = std::clamp(std::cbrt(std::abs(c0 / c3)), 1e-6, 1e6);
  std::array<double, 4> c{c0, c1 * sigma, c2 * sigma * sigma, c3 * sigma * sigma * sigma};
  double largest = 0;
  for (double v : c) largest = std::max(largest, std::abs(v));
  if (largest == 0 || !std::isfinite(largest)) return out;
  for (double& v : c) v /= largest;
  const Roots roots = SolveCubic(c[0], c[1], c[2], c[3]);
  for (int r = 0; r < roots.count; ++r) {
    const double lambda = roots.t[r] * sigma;
    Mat3 m{};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) m[i][j] = m1[i][j] + lambda * m2[i][j];
    members[memberCount++] = m;
  }
  if (std::abs(c[3]) < kZeroClamp) members[memberCount++] = m2;

  const double closeEnough = 1e-5 * frame.s;
  const double sameTolerance = std::max(kPointCoincidence, 1e-6 * frame.s);
  std::array<Pt, 4> found{};
  int count = 0;
  for (int mi = 0; mi < memberCount; ++mi) {
    std::array<HLine, 2> lines{};
    const int n = SplitIntoLines(members[mi], lines);
    for (int li = 0; li < n; ++li) {
      const auto [lu, lv, lw] = lines[li];
      const double norm = std::hypot(lu, lv);
      if (norm == 0 || !std::isfinite(norm)) continue;
      // The line in world coordinates: its point nearest the frame origin and a direction.
      const Pt foot = frame.origin + Pt{-lu, -lv} * (lw * frame.s / (norm * norm));
      const Pt dir{-lv / norm, lu / norm};
      const CurveHits hits = LineConic(foot, foot + dir * (100 * frame.s), k1);
      for (int h = 0; h < hits.count; ++h) {
        // The point lies on the first conic already: the refinement watches the residual
        // of the second, which the steps have to bring down.
        const Pt p = RefineCommonPoint(e2, e1, hits.point[h]);
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        if (DistanceToConic(k1, p) > closeEnough || DistanceToConic(k2, p) > closeEnough) continue;
        bool known = false;
        for (int i = 0; i < count; ++i) known = known || Distance(found[i], p) < sameTolerance;
        if (!known && count < 4) found[count++] = p;
      }
    }
  }
  std::array<double, 4> key{};
  for (int i = 0; i < count; ++i) key[i] = OrderKey(k1, found[i]);
  for (int i = 1; i < count; ++i)
    for (int j = i; j > 0 && key[j] < key[j - 1]; --j) {
      std::swap(key[j], key[j - 1]);
      std::swap(found[j], found[j - 1]);
    }
  out.count = count;
  out.point = found;
  return out;
}

}  // namespace velt
