#include "geometry/conic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace velt {
namespace {

constexpr double kPi = std::numbers::pi;

// ---- an independent construction of the conic through five points ----------
// The pencil through P0..P3 is spanned by the line pairs (P0P1, P2P3) and (P0P2, P1P3);
// its member through P4 is the conic.

struct LineEq {
  double a, b, c;  // a x + b y + c = 0
};
LineEq LineThrough(Pt p, Pt q) {
  const double a = q.y - p.y, b = p.x - q.x;
  return {a, b, -(a * p.x + b * p.y)};
}
ConicEquation Product(LineEq l, LineEq m) {
  return {l.a * m.a, l.a * m.b + m.a * l.b, l.b * m.b, l.a * m.c + m.a * l.c, l.b * m.c + m.b * l.c,
          l.c * m.c};
}
ConicEquation PencilConic(const FivePoints& p) {
  const ConicEquation d1 = Product(LineThrough(p[0], p[1]), LineThrough(p[2], p[3]));
  const ConicEquation d2 = Product(LineThrough(p[0], p[2]), LineThrough(p[1], p[3]));
  const double w1 = EvaluateConic(d2, p[4]), w2 = -EvaluateConic(d1, p[4]);
  return {w1 * d1.a + w2 * d2.a, w1 * d1.b + w2 * d2.b, w1 * d1.c + w2 * d2.c,
          w1 * d1.d + w2 * d2.d, w1 * d1.e + w2 * d2.e, w1 * d1.f + w2 * d2.f};
}
// The 3x3 determinant by the rule of Sarrus.
double Sarrus(const ConicEquation& q) {
  const double m[3][3] = {
      {q.a, q.b / 2, q.d / 2}, {q.b / 2, q.c, q.e / 2}, {q.d / 2, q.e / 2, q.f}};
  return m[0][0] * m[1][1] * m[2][2] + m[0][1] * m[1][2] * m[2][0] + m[0][2] * m[1][0] * m[2][1] -
         m[0][2] * m[1][1] * m[2][0] - m[0][0] * m[1][2] * m[2][1] - m[0][1] * m[1][0] * m[2][2];
}

void ExpectPointsOnConic(const ConicData& d, const FivePoints& p) {
  for (int i = 0; i < 5; ++i)
    EXPECT_LT(RelativeResidual(d.Equation(), p[i]), 1e-9) << "point " << i;
}

// Each sample is within 1e-9 of the curve relative to its distance from the origin (the
// value of the equation over the length of its gradient).
void ExpectSamplesOnConic(const ConicData& d) {
  ASSERT_EQ(d.sx.size(), static_cast<size_t>(kConicSamples));
  const ConicEquation q = d.Equation();
  for (int i = 0; i < kConicSamples; ++i) {
    const Pt s = ConicSample(d, i);
    const double gx = 2 * q.a * s.x + q.b * s.y + q.d, gy = q.b * s.x + 2 * q.c * s.y + q.e;
    const double off = std::abs(EvaluateConic(q, s)) / std::hypot(gx, gy);
    EXPECT_LT(off, 1e-9 * std::max(1.0, std::hypot(s.x, s.y))) << "sample " << i;
  }
}

void ExpectNear(Pt p, Pt q, double tol) {
  EXPECT_NEAR(p.x, q.x, tol);
  EXPECT_NEAR(p.y, q.y, tol);
}

TEST(Conic, EllipseThroughAxisEndsAndOneMorePoint) {
  const FivePoints p{{{1, 0}, {-1, 0}, {0, 2}, {0, -2}, {0.6, 1.6}}};
  ConicData d;
  ASSERT_TRUE(ComputeConic(p, d));
  EXPECT_EQ(d.conicClass, kConicEllipse);
  // 4x^2 + y^2 - 4 = 0 with the y^2 coefficient fixed to 1.
  EXPECT_NEAR(d.Equation().a, 4, 1e-9);
  EXPECT_NEAR(d.Equation().b, 0, 1e-9);
  EXPECT_EQ(d.Equation().c, 1);
  EXPECT_NEAR(d.Equation().d, 0, 1e-9);
  EXPECT_NEAR(d.Equation().e, 0, 1e-9);
  EXPECT_NEAR(d.Equation().f, -4, 1e-9);
  EXPECT_NEAR(d.p, 1, 1e-9);
  EXPECT_NEAR(d.q, 2, 1e-9);
  // Once around clockwise from (1, 0) in steps of 3 degrees.
  for (int m = 0; m < kConicSamples; ++m) {
    const double t = -m * 3 * kPi / 180;
    ExpectNear(ConicSample(d, m), {std::cos(t), 2 * std::sin(t)}, 1e-9);
  }
}

TEST(Conic, CircleIsSampledClockwiseFromAngleZero) {
  const Pt c{30, -20};
  const double r = 7;
  FivePoints p;
  for (int i = 0; i < 5; ++i)
    p[i] = {c.x + r * std::cos(0.3 + 1.1 * i), c.y + r * std::sin(0.3 + 1.1 * i)};
  ConicData d;
  ASSERT_TRUE(ComputeConic(p, d));
  EXPECT_EQ(d.conicClass, kConicEllipse);
  ExpectPointsOnConic(d, p);
  for (int m = 0; m < kConicSamples; ++m) {
    const double t = 2 * kPi - m * kPi / 60;
    ExpectNear(ConicSample(d, m), {c.x + r * std::cos(t), c.y + r * std::sin(t)}, 1e-8);
  }
}

TEST(Conic, LongEllipseClosesAndStaysOnTheCurve) {
  const double a = 6000, b = 40;
  FivePoints p{{{a, 0}, {-a, 0}, {0, b}, {0, -b}, {a * std::cos(1.0), b * std::sin(1.0)}}};
  for (Pt& q : p) q = q + Pt{100, 50};
  ConicData d;
  ASSERT_TRUE(ComputeConic(p, d));
  EXPECT_EQ(d.conicClass, kConicEllipse);
  EXPECT_NEAR(d.p, a, 1e-6);
  ExpectSamplesOnConic(d);
  // The samples reach both ends of the long axis.
  double minX = 1e300, maxX = -1e300;
  for (int i = 0; i < kConicSamples; ++i) {
    minX = std::min(minX, ConicSample(d, i).x);
    maxX = std::max(maxX, ConicSample(d, i).x);
  }
  EXPECT_NEAR(maxX, 100 + a, 1e-6);
  EXPECT_NEAR(minX, 100 - a, 1e-6);
}

TEST(Conic, ParabolaThroughFivePointsOfYEqualsXSquared) {
  const FivePoints p{{{-2, 4}, {-1, 1}, {0.5, 0.25}, {1, 1}, {3, 9}}};
  ConicData d;
  ASSERT_TRUE(ComputeConic(p, d));
  EXPECT_EQ(d.conicClass, kConicParabola);
  ExpectPointsOnConic(d, p);
  ExpectSamplesOnConic(d);
  // It opens upwards: every sample is above the vertex, which is S60.
  for (int i = 0; i < kConicSamples; ++i) EXPECT_GE(ConicSample(d, i).y, -1e-9);
  ExpectNear(ConicSample(d, 60), {0, 0}, 1e-9);
  EXPECT_NEAR(ConicSample(d, 0).y, 9000, 1e-6);
}

TEST(Conic, ParabolasTurnedByEighthsOpenTowardsTheirFocus) {
  // Known positions: the axis turned by multiples of 45 degrees, vertex and width at random.
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> pos(-300, 300), width(0.5, 50);
  for (int round = 0; round < 48; ++round) {
    const double phi = (round % 8) * kPi / 4, f = width(rng);
    const Pt vertex{pos(rng), pos(rng)};
    // u = t^2 / (4 f) along the axis direction (cos phi, sin phi).
    auto at = [&](double t) {
      const double u = t * t / (4 * f), v = t;
      return Pt{vertex.x + u * std::cos(phi) - v * std::sin(phi),
                vertex.y + u * std::sin(phi) + v * std::cos(phi)};
    };
    const FivePoints p{{at(-30), at(-7), at(4), at(15), at(41)}};
    ConicData d;
    ASSERT_TRUE(ComputeConic(p, d));
    ASSERT_EQ(d.conicClass, kConicParabola) << round;
    ExpectPointsOnConic(d, p);
    ExpectSamplesOnConic(d);
    ExpectNear(ConicSample(d, 60), vertex, 1e-6);
    // Every sample lies on the side the parabola opens to, up to 9000 from the vertex.
    double reach = 0;
    for (int i = 0; i < kConicSamples; ++i) {
      const Pt s = ConicSample(d, i) - vertex;
      const double along = s.x * std::cos(phi) + s.y * std::sin(phi);
      EXPECT_GE(along, -1e-6);
      reach = std::max(reach, along);
    }
    EXPECT_NEAR(reach, 9000, 1e-6);
  }
}

TEST(Conic, HyperbolaBranchesSplitAtSixty) {
  const auto at = [](double t, double side) { return Pt{side * std::cosh(t), std::sinh(t)}; };
  const FivePoints p{{at(0, 1), at(0, -1), at(1, 1), at(-2, 1), at(0.5, -1)}};
  ConicData d;
  ASSERT_TRUE(ComputeConic(p, d));
  EXPECT_EQ(d.conicClass, kConicHyperbola);
  ExpectPointsOnConic(d, p);
  ExpectSamplesOnConic(d);
  const double side = ConicSample(d, 0).x > 0 ? 1 : -1;
  for (int i = 0; i < 60; ++i) {
    EXPECT_GT(side * ConicSample(d, i).x, 0.999) << i;
    EXPECT_LT(side * ConicSample(d, i + 60).x, -0.999) << i;
  }
  ExpectNear(ConicSample(d, 30), {side, 0}, 1e-9);
  ExpectNear(ConicSample(d, 90), {-side, 0}, 1e-9);
  EXPECT_NEAR(std::abs(ConicSample(d, 0).x), 9001, 1e-6);
}

TEST(Conic, HyperbolaOpeningUpAndRotatedHyperbola) {
  // y^2 - x^2 = 1: the canonical axes are exchanged.
  const auto at = [](double t, double side) { return Pt{std::sinh(t), side * std::cosh(t)}; };
  const FivePoints up{{at(0, 1), at(0, -1), at(1, 1), at(-2, 1), at(0.5, -1)}};
  ConicData d;
  ASSERT_TRUE(ComputeConic(up, d));
  EXPECT_EQ(d.conicClass, kConicHyperbola);
  ExpectSamplesOnConic(d);
  EXPECT_NEAR(std::abs(ConicSample(d, 30).y), 1, 1e-9);
  EXPECT_NEAR(ConicSample(d, 30).x, 0, 1e-9);
  EXPECT_NEAR(ConicSample(d, 30).y, -ConicSample(d, 90).y, 1e-9);

  // xy = 4 has no y^2 nor x^2 term, so the fit falls back to B = 1.
  const FivePoints xy{{{1, 4}, {2, 2}, {4, 1}, {-1, -4}, {-2, -2}}};
  ASSERT_TRUE(ComputeConic(xy, d));
  EXPECT_EQ(d.conicClass, kConicHyperbola);
  EXPECT_EQ(d.Equation().b, 1);
  EXPECT_NEAR(d.Equation().f, -4, 1e-9);
  EXPECT_NEAR(d.angle, kPi / 4, 1e-12);
  ExpectSamplesOnConic(d);
  const Pt v1 = ConicSample(d, 30), v2 = ConicSample(d, 90);
  EXPECT_NEAR(std::abs(v1.x), 2, 1e-9);
  EXPECT_NEAR(v1.x, v1.y, 1e-9);
  ExpectNear(v2, {-v1.x, -v1.y}, 1e-9);
}

TEST(Conic, RandomFivePointSetsAgreeWithThePencilConstruction) {
  std::mt19937 rng(2026);
  std::uniform_real_distribution<double> pos(-500, 500);
  int ellipses = 0, hyperbolas = 0;
  for (int round = 0; round < 2000; ++round) {
    FivePoints p;
    for (Pt& q : p) q = {pos(rng), pos(rng)};
    ConicData d;
    ASSERT_TRUE(ComputeConic(p, d)) << round;
    ExpectPointsOnConic(d, p);
    ExpectSamplesOnConic(d);
    const ConicEquation other = PencilConic(p);
    const double scale = std::abs(other.a) + std::abs(other.b) + std::abs(other.c);
    const double disc = other.b * other.b - 4 * other.a * other.c;
    if (std::abs(disc) < 1e-6 * scale * scale) continue;  // too close to a parabola to tell
    // The independent equation is a multiple of the fitted one.
    const ConicEquation fit = d.Equation();
    const double f[6] = {fit.a, fit.b, fit.c, fit.d, fit.e, fit.f};
    const double o[6] = {other.a, other.b, other.c, other.d, other.e, other.f};
    int big = 0;
    for (int j = 1; j < 6; ++j)
      if (std::abs(f[j]) > std::abs(f[big])) big = j;
    double largest = 0;
    for (double v : o) largest = std::max(largest, std::abs(v));
    const double k = o[big] / f[big];
    for (int j = 0; j < 6; ++j)
      EXPECT_NEAR(o[j] - k * f[j], 0, 1e-6 * largest) << round << " " << j;
    // Not a pair of lines: the determinant, by another formula and on the points scaled
    // into the unit square, is clearly not 0.
    FivePoints unit = p;
    for (Pt& q : unit) q = q * (1.0 / 500);
    ConicEquation n = PencilConic(unit);
    const double top = std::max(
        {std::abs(n.a), std::abs(n.b), std::abs(n.c), std::abs(n.d), std::abs(n.e), std::abs(n.f)});
    n = {n.a / top, n.b / top, n.c / top, n.d / top, n.e / top, n.f / top};
    EXPECT_GT(std::abs(Sarrus(n)), 1e-9) << round;
    const int32_t expected = disc < 0 ? kConicEllipse : kConicHyperbola;
    EXPECT_EQ(d.conicClass, expected) << round;
    (expected == kConicEllipse ? ellipses : hyperbolas)++;
  }
  EXPECT_GT(ellipses, 100);
  EXPECT_GT(hyperbolas, 100);
}

TEST(Conic, ThreeAlignedPointsGiveTwoLines) {
  // Crossing: three points on y = x, two on a steep line.
  const FivePoints crossing{{{0, 0}, {1, 1}, {3, 3}, {0, 5}, {1, -3}}};
  ConicData d;
  ASSERT_TRUE(ComputeConic(crossing, d));
  EXPECT_EQ(d.conicClass, kConicCrossingLines);
  const ConicEquation pencil = PencilConic(crossing);
  const double largest = std::max({std::abs(pencil.a), std::abs(pencil.b), std::abs(pencil.c),
                                   std::abs(pencil.d), std::abs(pencil.e), std::abs(pencil.f)});
  EXPECT_NEAR(Sarrus(pencil) / (largest * largest * largest), 0, 1e-12);
  // S0S1 is the line through the aligned triple 0, 1, 2; S2S3 the line through 3 and 4.
  ExpectNear(ConicSample(d, 0), {-10000 / std::sqrt(2.0), -10000 / std::sqrt(2.0)}, 1e-9);
  ExpectNear(ConicSample(d, 1), {10000 / std::sqrt(2.0), 10000 / std::sqrt(2.0)}, 1e-9);
  const Pt s2 = ConicSample(d, 2), s3 = ConicSample(d, 3);
  EXPECT_NEAR(Distance(s2, {0, 5}), 10000, 1e-6);
  EXPECT_NEAR(Distance(s3, {0, 5}), 10000, 1e-6);
  EXPECT_NEAR((s3.x - s2.x) * 8 + (s3.y - s2.y) * 1, 0, 1e-6);  // along (1, -8)
  for (int i = 4; i < kConicSamples; ++i) ExpectNear(ConicSample(d, i), {1e9, 1e9}, 0);

  // Parallel: three on y = 0 and two on y = 1; the triple found first is 0, 1, 3.
  const FivePoints parallel{{{0, 0}, {1, 0}, {0, 1}, {4, 0}, {3, 1}}};
  ASSERT_TRUE(ComputeConic(parallel, d));
  EXPECT_EQ(d.conicClass, kConicParallelLines);
  EXPECT_EQ(FirstAlignedTriple(parallel), 1);
  EXPECT_NEAR(ConicSample(d, 2).y, 1, 1e-12);
  EXPECT_NEAR(ConicSample(d, 3).y, 1, 1e-12);
}

TEST(Conic, NearlyAlignedTripleStillGivesTwoLines) {
  // The third point is 1e-9 off the line: the fitted conic is a thin hyperbola, but the
  // aligned triple decides.
  const FivePoints p{{{0, 0}, {100, 100}, {200, 200 + 1e-9}, {0, 50}, {70, -30}}};
  ConicData d;
  ASSERT_TRUE(ComputeConic(p, d));
  EXPECT_TRUE(d.conicClass == kConicCrossingLines || d.conicClass == kConicParallelLines);
  EXPECT_EQ(FirstAlignedTriple(p), 0);
}

TEST(Conic, ImpossibleFitsDoNotExist) {
  ConicData d;
  d.conicClass = 77;  // left alone on failure
  const FivePoints aligned{{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}};
  EXPECT_FALSE(ComputeConic(aligned, d));
  const FivePoints same{{{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}};
  EXPECT_FALSE(ComputeConic(same, d));
  const FivePoints bad{{{NAN, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  EXPECT_FALSE(ComputeConic(bad, d));
  const FivePoints huge{{{INFINITY, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  EXPECT_FALSE(ComputeConic(huge, d));
  EXPECT_EQ(d.conicClass, 77);
}

TEST(Conic, TriplesAreTriedInTheirOrder) {
  // Points 1, 2, 4 are aligned (triple 5 of the table): the pair left is 3, 0.
  const FivePoints p{{{0, 7}, {0, 0}, {1, 1}, {5, -2}, {2, 2}}};
  EXPECT_EQ(FirstAlignedTriple(p), 4);
  ConicData d;
  ASSERT_TRUE(ComputeConic(p, d));
  const Pt s2 = ConicSample(d, 2), s3 = ConicSample(d, 3);
  // From point 3 towards point 0 and away from it.
  EXPECT_NEAR(Distance(s2, {5, -2}), 10000, 1e-6);
  EXPECT_GT(Distance(s2, {0, 7}), 10000);
  EXPECT_LT(Distance(s3, {0, 7}), 10000);
}

TEST(ConicRoutines, CircleSameAndPointOnConic) {
  const auto circle = CircleAsConic({3, 4}, 5);
  ASSERT_TRUE(circle);
  // (x - 3)^2 + (y - 4)^2 - 25 with the y^2 coefficient 1.
  const ConicEquation expected{1, 0, 1, -6, -8, 0};
  EXPECT_TRUE(SameConic(*circle, expected));
  EXPECT_FALSE(SameConic(*circle, {1, 0, 1, -6, -8, 0.001}));
  EXPECT_TRUE(PointOnConic(*circle, {8, 4}, 0.0001));
  EXPECT_TRUE(PointOnConic(*circle, {3 + 3, 4 + 4}, 0.0001));
  EXPECT_FALSE(PointOnConic(*circle, {8.001, 4}, 0.0001));
  EXPECT_NEAR(ProbeDistanceToConic(*circle, {8.001, 4}), 0.001, 1e-9);
  EXPECT_EQ(ProbeDistanceToConic(*circle, {5000, 5000}), 1000);
}

TEST(ConicRoutines, NewtonFindsTheCommonPointOfTwoCircles) {
  const ConicEquation k1{1, 0, 1, 0, 0, -25}, k2{1, 0, 1, -12, 0, 11};  // centres 0 and 6
  const Pt p = RefineCommonPoint(k1, k2, {3.3, 3.7});
  ExpectNear(p, {3, 4}, 1e-9);
  // A start on both curves stays put.
  ExpectNear(RefineCommonPoint(k1, k2, {3, -4}), {3, -4}, 0);
}

}  // namespace
}  // namespace velt
