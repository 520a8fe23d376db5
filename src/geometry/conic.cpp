#include "geometry/conic.h"

#include <cmath>
#include <numbers>

#include "geometry/tolerances.h"

namespace velt {
namespace {

constexpr double kPi = std::numbers::pi;
// A solved coefficient beyond this means the normalisation does not fit the points.
constexpr double kCoefficientLimit = 1e14;
// A..E below this become 0 after the fit.
constexpr double kCoefficientZero = 1e-10;
// |B^2 - 4AC| below this: no ellipse or hyperbola.
constexpr double kDiscriminantZero = 1e-6;
// |determinant| below this: a pair of lines.
constexpr double kDeterminantZero = 1e-8;
// Aligned triples: two points closer than this, or an angle this close to 0 or pi.
constexpr double kAlignedDistance = 1e-8;
constexpr double kAlignedAngle = 1e-7;
// A canonical constant (after its division) below this makes a parabola.
constexpr double kParabolaConstant = 0.00001;
// Canonical coefficients this close to 1, 0, 1 make a circle.
constexpr double kCircleLike = 0.0001;
// Ellipses whose semi-axis along u reaches this are sampled by distance, not by angle.
constexpr double kLongEllipse = 4999;
// Where the lines of a degenerate conic end, and where its unused samples lie.
constexpr double kLineHalfLength = 10000;
constexpr double kUnusedSample = 1e9;
// Same conic: all six coefficients within this.
constexpr double kSameConic = 0.0001;
// Point on conic: starting best distance of the probe lines.
constexpr double kProbeStart = 1000;
// Newton refinement: shortest step taken and most steps.
constexpr double kShortestStep = 1e-8;
constexpr int kMostSteps = 999;

std::array<double, 6> Terms(Pt p) { return {p.x * p.x, p.x * p.y, p.y * p.y, p.x, p.y, 1.0}; }

ConicEquation FromArray(const std::array<double, 6>& v) {
  return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

// Solves the 5x5 system m * x = rhs (rhs in column 5) by elimination with partial pivoting.
// Fails on a zero pivot or a non-finite result.
bool Solve5(std::array<std::array<double, 6>, 5>& m, std::array<double, 5>& x) {
  for (int col = 0; col < 5; ++col) {
    int best = col;
    for (int r = col + 1; r < 5; ++r)
      if (std::abs(m[r][col]) > std::abs(m[best][col])) best = r;
    if (!(std::abs(m[best][col]) > 0)) return false;  // also catches NaN
    std::swap(m[col], m[best]);
    for (int r = col + 1; r < 5; ++r) {
      const double f = m[r][col] / m[col][col];
      if (f == 0) continue;
      for (int c = col; c < 6; ++c) m[r][c] -= f * m[col][c];
    }
  }
  for (int r = 4; r >= 0; --r) {
    double s = m[r][5];
    for (int c = r + 1; c < 5; ++c) s -= m[r][c] * x[c];
    x[r] = s / m[r][r];
    if (!std::isfinite(x[r])) return false;
  }
  return true;
}

std::optional<ConicEquation> FitWithFixed(const FivePoints& p, int fixed) {
  std::array<std::array<double, 6>, 5> m{};
  for (int i = 0; i < 5; ++i) {
    const auto t = Terms(p[i]);
    int c = 0;
    for (int j = 0; j < 6; ++j)
      if (j != fixed) m[i][c++] = t[j];
    m[i][5] = -t[fixed];
  }
  std::array<double, 5> x{};
  if (!Solve5(m, x)) return std::nullopt;
  std::array<double, 6> coef{};
  int c = 0;
  for (int j = 0; j < 6; ++j) {
    if (j == fixed) {
      coef[j] = 1;
      continue;
    }
    if (!(std::abs(x[c]) <= kCoefficientLimit)) return std::nullopt;
    coef[j] = x[c++];
  }
  for (int j = 0; j < 5; ++j)
    if (std::abs(coef[j]) < kCoefficientZero) coef[j] = 0;
  return FromArray(coef);
}

// The rotated equation in (x', y') with x = x' cos t - y' sin t, y = x' sin t + y' cos t;
// its xy coefficient is left out (0 for the canonical angle).
ConicEquation Rotated(const ConicEquation& q, double t) {
  const double c = std::cos(t), s = std::sin(t);
  ConicEquation r;
  r.a = q.a * c * c + q.b * c * s + q.c * s * s;
  r.c = q.a * s * s - q.b * c * s + q.c * c * c;
  r.d = q.d * c + q.e * s;
  r.e = -q.d * s + q.e * c;
  r.f = q.f;
  return r;
}

double CanonicalAngle(const ConicEquation& q) {
  if (q.a != q.c) return 0.5 * std::atan(q.b / (q.a - q.c));
  if (q.b > 0) return kPi / 4;
  if (q.b < 0) return -kPi / 4;
  return 0;
}

// The class read back from the canonical coefficients.
int32_t ClassFromCanonical(const ConicEquation& k) {
  double divisor = 1;
  if (std::abs(k.e) > 1) {
    divisor = k.e;
  } else if (std::abs(k.d) > 1) {
    divisor = k.d;
  }
  if (std::abs(k.f / divisor) < kParabolaConstant) return kConicParabola;
  if (k.a == 0 || k.c == 0) return kConicNone;
  return (k.a > 0) == (k.c > 0) ? kConicEllipse : kConicHyperbola;
}

// Writes samples given in canonical coordinates, mapped back once per sample with the
// frame's sine and cosine computed once.
class SampleWriter {
 public:
  explicit SampleWriter(ConicData& out)
      : out_(out), cos_(std::cos(out.angle)), sin_(std::sin(out.angle)) {}
  void Set(int i, Pt uv) {
    const Pt rel = out_.axesExchanged ? Pt{uv.y, -uv.x} : uv;
    out_.sx[i] = out_.cx + cos_ * rel.x - sin_ * rel.y;
    out_.sy[i] = out_.cy + sin_ * rel.x + cos_ * rel.y;
  }

 private:
  ConicData& out_;
  double cos_, sin_;
};

void SampleEllipse(ConicData& out) {
  SampleWriter w(out);
  const double a = out.p, b = out.q;
  const ConicEquation& k = out.canonical;
  if (std::abs(k.a - 1) <= kCircleLike && std::abs(k.b) <= kCircleLike &&
      std::abs(k.c - 1) <= kCircleLike) {
    for (int m = 0; m < kConicSamples; ++m) {
      const double angle = 2 * kPi - m * kPi / 60;
      w.Set(m, {a * std::cos(angle), b * std::sin(angle)});
    }
    return;
  }
  // One quarter from the end of the v semi-axis (j = 0) to the end of the u semi-axis
  // (j = 30), then reflected so that S0..S119 run once around clockwise from (a, 0).
  std::array<Pt, 31> quarter;
  for (int j = 0; j <= 30; ++j) {
    if (a >= kLongEllipse) {
      // A long ellipse is spaced by distance along its axis, densest near the centre.
      const double x = a * j * j / 900.0;
      const double rest = 1 - (x / a) * (x / a);
      quarter[j] = {x, b * std::sqrt(rest > 0 ? rest : 0)};
    } else {
      const double angle = (30 - j) * 3 * kPi / 180;
      quarter[j] = {a * std::cos(angle), b * std::sin(angle)};
    }
  }
  quarter[0].x = 0;
  quarter[30].y = 0;
  for (int m = 0; m < kConicSamples; ++m) {
    const int k = m % 30;
    Pt uv;
    switch (m / 30) {
      case 0: uv = {quarter[30 - k].x, -quarter[30 - k].y}; break;
      case 1: uv = {-quarter[k].x, -quarter[k].y}; break;
      case 2: uv = {-quarter[30 - k].x, quarter[30 - k].y}; break;
      default: uv = {quarter[k].x, quarter[k].y}; break;
    }
    w.Set(m, uv);
  }
}

void SampleHyperbola(ConicData& out) {
  SampleWriter w(out);
  const double a = out.p, b = out.q;
  auto arm = [&](int m) {
    const double x = a + m * m * m / 3.0;
    const double rest = (x / a) * (x / a) - 1;
    return Pt{x, b * std::sqrt(rest > 0 ? rest : 0)};
  };
  // One branch from its far lower end through the vertex (S30) upwards; the other branch
  // is its mirror image in the canonical v axis.
  for (int i = 0; i < 60; ++i) {
    Pt uv;
    if (i < 30) {
      const Pt s = arm(30 - i);
      uv = {s.x, -s.y};
    } else {
      uv = arm(i - 30);
    }
    w.Set(i, uv);
    w.Set(i + 60, {-uv.x, uv.y});
  }
}

void SampleParabola(ConicData& out) {
  SampleWriter w(out);
  // v^2 + d u = 0 opens towards the sign of -d.
  const double d = out.canonical.d;
  const double side = d < 0 ? 1 : -1;
  auto arm = [&](int m) {
    const double u = side * 2.5 * m * m;
    const double rest = -d * u;
    return Pt{u, std::sqrt(rest > 0 ? rest : 0)};
  };
  // From the far lower end through the vertex (S60) upwards.
  for (int i = 0; i < kConicSamples; ++i) {
    Pt uv;
    if (i < 60) {
      const Pt s = arm(60 - i);
      uv = {s.x, -s.y};
    } else {
      uv = arm(i - 60);
    }
    w.Set(i, uv);
  }
}

}  // namespace

double EvaluateConic(const ConicEquation& eq, Pt p) {
  return eq.a * p.x * p.x + eq.b * p.x * p.y + eq.c * p.y * p.y + eq.d * p.x + eq.e * p.y + eq.f;
}

double RelativeResidual(const ConicEquation& eq, Pt p) {
  const auto t = Terms(p);
  const auto c = AsCoefficients(eq);
  double sum = 0, scale = 0;
  for (int j = 0; j < 6; ++j) {
    sum += c[j] * t[j];
    scale += std::abs(c[j] * t[j]);
  }
  return scale > 0 ? std::abs(sum) / scale : 0;
}

std::optional<ConicEquation> ConicThroughPoints(const FivePoints& p) {
  for (int fixed : {2, 1, 0})
    if (auto eq = FitWithFixed(p, fixed)) return eq;
  return std::nullopt;
}

double ConicDiscriminant(const ConicEquation& q) { return q.b * q.b - 4 * q.a * q.c; }

double ConicDeterminant(const ConicEquation& q) {
  const double b = q.b / 2, d = q.d / 2, e = q.e / 2;
  return q.a * (q.c * q.f - e * e) - b * (b * q.f - e * d) + d * (b * e - q.c * d);
}

const std::array<PointTriple, 10>& PointTriples() {
  static const std::array<PointTriple, 10> table{{
      {0, 1, 2, 3, 4},
      {0, 1, 3, 2, 4},
      {0, 1, 4, 2, 3},
      {1, 2, 3, 0, 4},
      {1, 2, 4, 3, 0},
      {2, 3, 0, 1, 4},
      {2, 3, 4, 1, 0},
      {3, 4, 0, 1, 2},
      {3, 1, 4, 0, 2},
      {2, 4, 0, 1, 3},
  }};
  return table;
}

int FirstAlignedTriple(const FivePoints& p) {
  const auto& triples = PointTriples();
  for (int n = 0; n < 10; ++n) {
    const Pt a = p[triples[n].i], v = p[triples[n].j], e = p[triples[n].k];
    if (Distance(a, v) < kAlignedDistance || Distance(v, e) < kAlignedDistance ||
        Distance(a, e) < kAlignedDistance)
      return n;
    const auto angle = UnsignedAngle(a, v, e);
    if (angle && (std::abs(*angle) < kAlignedAngle || std::abs(*angle - kPi) < kAlignedAngle))
      return n;
  }
  return -1;
}

int32_t ClassifyConic(const ConicEquation& eq, const FivePoints& p) {
  const double disc = ConicDiscriminant(eq);
  const bool flat = std::abs(ConicDeterminant(eq)) < kDeterminantZero;
  if (std::abs(disc) >= kDiscriminantZero) {
    if (disc < 0) return kConicEllipse;
    return flat || FirstAlignedTriple(p) >= 0 ? kConicCrossingLines : kConicHyperbola;
  }
  return flat || FirstAlignedTriple(p) >= 0 ? kConicParallelLines : kConicParabola;
}

void FindCanonicalFrame(const ConicEquation& eq, int32_t conicClass, ConicData& out) {
  const double angle = CanonicalAngle(eq);
  const ConicEquation r = Rotated(eq, angle);
  out.angle = angle;
  out.axesExchanged = false;
  double h = 0, k = 0;  // the centre or vertex in the rotated frame
  ConicEquation can;    // canonical, before normalisation
  if (conicClass == kConicParabola) {
    if (std::abs(r.a) <= std::abs(r.c)) {
      // c y'^2 + d x' + e y' + f = 0: opens along x'.
      k = -r.e / (2 * r.c);
      const double rest = r.f - r.e * r.e / (4 * r.c);
      can.c = r.c;
      if (r.d != 0) {
        h = -rest / r.d;
        can.d = r.d;
      } else {
        can.f = rest;
      }
    } else {
      // a x'^2 + d x' + e y' + f = 0 opens along y': the canonical axes are exchanged,
      // (x' - h, y' - k) = (v, -u).
      out.axesExchanged = true;
      h = -r.d / (2 * r.a);
      const double rest = r.f - r.d * r.d / (4 * r.a);
      can.c = r.a;
      if (r.e != 0) {
        k = -rest / r.e;
        can.d = -r.e;
      } else {
        can.f = rest;
      }
    }
    const double n = can.c;
    can.c = 1;
    can.d /= n;
    can.f /= n;
  } else {
    h = -r.d / (2 * r.a);
    k = -r.e / (2 * r.c);
    const double f = r.f - r.d * r.d / (4 * r.a) - r.e * r.e / (4 * r.c);
    can.a = r.a;
    can.c = r.c;
    can.f = f;
    // A hyperbola opens along the canonical u axis.
    if (conicClass == kConicHyperbola && -f / r.a < 0) {
      out.axesExchanged = true;
      std::swap(can.a, can.c);
    }
    const double n = can.a;
    can.a = 1;
    can.c /= n;
    can.f /= n;
  }
  const double c = std::cos(angle), s = std::sin(angle);
  out.cx = c * h - s * k;
  out.cy = s * h + c * k;
  out.canonical = can;
  out.p = out.q = 0;
  int32_t cls = ClassFromCanonical(can);
  if (!std::isfinite(can.a + can.c + can.d + can.f + out.cx + out.cy)) cls = kConicNone;
  if (cls == kConicParabola && can.d == 0) cls = kConicNone;  // a double line or a point
  if (cls == kConicEllipse || cls == kConicHyperbola) {
    // u^2 + c v^2 + f = 0 with real semi-axes.
    const double a2 = -can.f, b2 = cls == kConicEllipse ? -can.f / can.c : can.f / can.c;
    if (a2 > 0 && b2 > 0) {
      out.p = std::sqrt(a2);
      out.q = std::sqrt(b2);
    } else {
      cls = kConicNone;
    }
  } else if (cls == kConicParabola) {
    out.p = std::abs(can.d);
  }
  out.conicClass = cls;
}

void SampleCanonical(ConicData& out) {
  out.sx.assign(kConicSamples, 0);
  out.sy.assign(kConicSamples, 0);
  switch (out.conicClass) {
    case kConicEllipse: SampleEllipse(out); break;
    case kConicHyperbola: SampleHyperbola(out); break;
    case kConicParabola: SampleParabola(out); break;
    default: break;
  }
}

bool SampleLinePair(const FivePoints& p, ConicData& out) {
  const int n = FirstAlignedTriple(p);
  if (n < 0) return false;
  const PointTriple& t = PointTriples()[n];
  out.sx.assign(kConicSamples, kUnusedSample);
  out.sy.assign(kConicSamples, kUnusedSample);
  const Pt ends[4] = {PointTowards(p[t.i], p[t.j], -kLineHalfLength),
                      PointTowards(p[t.i], p[t.j], kLineHalfLength),
                      PointTowards(p[t.l], p[t.m], -kLineHalfLength),
                      PointTowards(p[t.l], p[t.m], kLineHalfLength)};
  for (int i = 0; i < 4; ++i) {
    out.sx[i] = ends[i].x;
    out.sy[i] = ends[i].y;
  }
  return true;
}

bool ComputeConic(const FivePoints& p, ConicData& out) {
  const auto eq = ConicThroughPoints(p);
  if (!eq) return false;
  ConicData next;
  next.SetEquation(*eq);
  const int32_t cls = ClassifyConic(*eq, p);
  if (cls == kConicCrossingLines || cls == kConicParallelLines) {
    if (!SampleLinePair(p, next)) return false;
    next.conicClass = cls;
  } else {
    FindCanonicalFrame(*eq, cls, next);
    if (next.conicClass == kConicNone) return false;
    SampleCanonical(next);
  }
  out = std::move(next);
  return true;
}

Pt FromCanonical(const ConicData& data, Pt uv) {
  const Pt rel = data.axesExchanged ? Pt{uv.y, -uv.x} : uv;
  const double c = std::cos(data.angle), s = std::sin(data.angle);
  return {data.cx + c * rel.x - s * rel.y, data.cy + s * rel.x + c * rel.y};
}

Pt ConicSample(const ConicData& data, int i) {
  const int n = static_cast<int>(data.sx.size());
  if (n == 0 || static_cast<int>(data.sy.size()) != n) return {};
  i %= n;
  if (i < 0) i += n;
  return {data.sx[i], data.sy[i]};
}

SixCoefficients AsCoefficients(const ConicEquation& eq) {
  return {eq.a, eq.b, eq.c, eq.d, eq.e, eq.f};
}

std::optional<ConicEquation> CircleAsConic(Pt centre, double radius) {
  FivePoints p;
  for (int i = 0; i < 5; ++i)
    p[i] = {centre.x + radius * std::cos(double(i)), centre.y + radius * std::sin(double(i))};
  return ConicThroughPoints(p);
}

bool SameConic(const ConicEquation& p, const ConicEquation& q) {
  const auto x = AsCoefficients(p), y = AsCoefficients(q);
  for (int j = 0; j < 6; ++j)
    if (!(std::abs(x[j] - y[j]) <= kSameConic)) return false;
  return true;
}

double ProbeDistanceToConic(const ConicEquation& eq, Pt p) {
  double best = kProbeStart;
  for (Pt dir : {Pt{10, 0}, Pt{0, 10}, Pt{10, 10}}) {
    const CurveHits hits = LineConic(p, p + dir, AsCoefficients(eq));
    for (int i = 0; i < hits.count; ++i) best = std::min(best, Distance(p, hits.point[i]));
  }
  return best;
}

bool PointOnConic(const ConicEquation& eq, Pt p, double tolerance) {
  return ProbeDistanceToConic(eq, p) < tolerance;
}

Pt RefineCommonPoint(const ConicEquation& first, const ConicEquation& second, Pt start) {
  auto gradient = [](const ConicEquation& q, Pt p) {
    return Pt{2 * q.a * p.x + q.b * p.y + q.d, q.b * p.x + 2 * q.c * p.y + q.e};
  };
  Pt p = start;
  for (int step = 0; step < kMostSteps; ++step) {
    const double f1 = EvaluateConic(first, p), f2 = EvaluateConic(second, p);
    const Pt g1 = gradient(first, p), g2 = gradient(second, p);
    // g1 . delta = -f1, g2 . delta = -f2 by Cramer's rule.
    const double det = g1.x * g2.y - g1.y * g2.x;
    if (!(std::abs(det) >= kSlopeEquality)) break;
    const Pt delta{(-f1 * g2.y + f2 * g1.y) / det, (-f2 * g1.x + f1 * g2.x) / det};
    const double length = std::hypot(delta.x, delta.y);
    if (!(length > kShortestStep)) break;
    const Pt next = p + delta;
    if (!(std::abs(EvaluateConic(first, next)) < std::abs(f1))) break;
    p = next;
  }
  return p;
}

}  // namespace velt
