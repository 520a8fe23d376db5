#include "geometry/intersect_conic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace velt {
namespace {

// The product of the lines through (p, q) and (r, s): a line pair through the four points.
SixCoefficients LinePair(Pt p, Pt q, Pt r, Pt s) {
  // u x + v y + w = 0 for each line
  const double u1 = q.y - p.y, v1 = p.x - q.x, w1 = -(u1 * p.x + v1 * p.y);
  const double u2 = s.y - r.y, v2 = r.x - s.x, w2 = -(u2 * r.x + v2 * r.y);
  return {u1 * u2, u1 * v2 + u2 * v1, v1 * v2, u1 * w2 + u2 * w1, v1 * w2 + v2 * w1, w1 * w2};
}

SixCoefficients Mix(const SixCoefficients& a, double wa, const SixCoefficients& b, double wb) {
  SixCoefficients r{};
  for (int i = 0; i < 6; ++i) r[i] = wa * a[i] + wb * b[i];
  return r;
}

// Scales so that the largest coefficient of the quadratic part is 1 (as a five-point fit
// would roughly give).
SixCoefficients Unit(SixCoefficients k) {
  const double m = std::max({std::abs(k[0]), std::abs(k[1]), std::abs(k[2])});
  for (double& v : k) v /= m;
  return k;
}

// Every listed point is on both conics (to 1e-6 of the figure's size) and matches exactly one
// expected point; every expected point is listed.
void ExpectPoints(const ConicHits& h, const std::vector<Pt>& expected, double size,
                  const SixCoefficients& k1, const SixCoefficients& k2) {
  ASSERT_EQ(h.count, int(expected.size()));
  for (const Pt& e : expected) {
    int matches = 0;
    for (int i = 0; i < h.count; ++i)
      if (Distance(h.point[i], e) < 1e-6 * size) ++matches;
    EXPECT_EQ(matches, 1) << "(" << e.x << ", " << e.y << ")";
  }
  // The distance to each curve, to first order: |f| / |grad f|.
  auto offCurve = [](const SixCoefficients& k, Pt q) {
    const double gx = 2 * k[0] * q.x + k[1] * q.y + k[3], gy = k[1] * q.x + 2 * k[2] * q.y + k[4];
    return std::abs(ConicValue(k, q)) / std::hypot(gx, gy);
  };
  for (int i = 0; i < h.count; ++i) {
    EXPECT_LT(offCurve(k1, h.point[i]), 1e-6 * size);
    EXPECT_LT(offCurve(k2, h.point[i]), 1e-6 * size);
  }
}

TEST(LineConic, EllipseCutByVerticalAndObliqueLines) {
  const SixCoefficients ellipse{9, 0, 25, 0, 0, -225};  // x^2/25 + y^2/9 = 1
  CurveHits h = LineConic({3, -10}, {3, 10}, ellipse);
  ASSERT_EQ(h.count, 2);
  EXPECT_NEAR(h.point[0].x, 3, 1e-12);
  EXPECT_NEAR(h.point[0].y, 2.4, 1e-12);
  EXPECT_NEAR(h.point[1].y, -2.4, 1e-12);
  h = LineConic({1, 1}, {0, 0}, ellipse);  // y = x, going down-left
  ASSERT_EQ(h.count, 2);
  const double x = std::sqrt(225.0 / 34);
  EXPECT_NEAR(h.point[0].x, -x, 1e-12);
  EXPECT_NEAR(h.point[0].y, -x, 1e-12);
  EXPECT_NEAR(h.point[1].x, x, 1e-12);
  EXPECT_EQ(LineConic({-10, 4}, {10, 4}, ellipse).count, 0);
  // The segment from the centre to (10, 0) keeps only (5, 0).
  h = SegmentConic({0, 0}, {10, 0}, ellipse);
  ASSERT_EQ(h.count, 1);
  EXPECT_NEAR(h.Valid().x, 5, 1e-12);
  h = RayConic({0, 0}, {-1, 0}, ellipse);
  ASSERT_EQ(h.count, 1);
  EXPECT_NEAR(h.Valid().x, -5, 1e-12);
}

TEST(LineConic, ParallelToAParabolaAxisMeetsItOnce) {
  const SixCoefficients parabola{1, 0, 0, 0, -1, 0};  // y = x^2
  const CurveHits h = LineConic({2, -10}, {2, 10}, parabola);
  ASSERT_EQ(h.count, 1);
  EXPECT_NEAR(h.point[0].x, 2, 1e-12);
  EXPECT_NEAR(h.point[0].y, 4, 1e-12);
}

TEST(ConicConic, KnownCommonPoints) {
  const SixCoefficients circle16{1, 0, 1, 0, 0, -16};
  const SixCoefficients ellipse{9, 0, 25, 0, 0, -225};
  // x^2 + y^2 = 16 and x^2/25 + y^2/9 = 1: y = +-9/4, x = +-sqrt(175)/4.
  const double x = std::sqrt(175.0) / 4;
  ExpectPoints(ConicConic(circle16, ellipse), {{x, 2.25}, {-x, 2.25}, {-x, -2.25}, {x, -2.25}}, 5,
               circle16, ellipse);
  // (x - 2)^2 + y^2 = 1 and x^2/4 + y^2 = 1 meet only at x = 4/3, y = +-sqrt(5)/3.
  const SixCoefficients small{1, 0, 1, -4, 0, 3}, flat{1, 0, 4, 0, 0, -4};
  ExpectPoints(ConicConic(small, flat),
               {{4.0 / 3, std::sqrt(5.0) / 3}, {4.0 / 3, -std::sqrt(5.0) / 3}}, 2, small, flat);
  // The hyperbola xy = 1 and x^2 + y^2 = 4: x^2 = 2 +- sqrt(3).
  const SixCoefficients hyperbola{0, 1, 0, 0, 0, -1}, circle4{1, 0, 1, 0, 0, -4};
  std::vector<Pt> expected;
  for (double s : {1.0, -1.0})
    for (double r : {2 + std::sqrt(3.0), 2 - std::sqrt(3.0)})
      expected.push_back({s * std::sqrt(r), s / std::sqrt(r)});
  ExpectPoints(ConicConic(hyperbola, circle4), expected, 2, hyperbola, circle4);
  // y = x^2 and x^2 + (y - 1)^2 = 1 touch at the origin and cross at (+-1, 1): three points.
  const SixCoefficients parabola{1, 0, 0, 0, -1, 0}, touching{1, 0, 1, 0, -2, 0};
  ExpectPoints(ConicConic(parabola, touching), {{0, 0}, {1, 1}, {-1, 1}}, 1, parabola, touching);
  // Disjoint.
  EXPECT_EQ(ConicConic(circle16, SixCoefficients{1, 0, 1, -20, 0, 99}).count, 0);
}

TEST(ConicConic, TouchingConicsInWorldUnitsGiveEachPointOnce) {
  // The circle of radius 100 about (300, 200) inside the ellipse with semi-axes 150 and 100
  // about the same centre: they touch at (300, 300) and (300, 100).
  const double cx = 300, cy = 200;
  const SixCoefficients circle{1, 0, 1, -2 * cx, -2 * cy, cx * cx + cy * cy - 100 * 100};
  // (x - cx)^2 / 150^2 + (y - cy)^2 / 100^2 = 1, times 100^2.
  const double k = 100.0 * 100 / (150 * 150);
  const SixCoefficients ellipse{k, 0, 1, -2 * cx * k, -2 * cy, k * cx * cx + cy * cy - 100 * 100};
  ExpectPoints(ConicConic(circle, ellipse), {{300, 300}, {300, 100}}, 1000, circle, ellipse);
  ExpectPoints(ConicConic(ellipse, circle), {{300, 300}, {300, 100}}, 1000, ellipse, circle);
  // Two circles as conics (they also share the two complex points at infinity).
  const SixCoefficients k1{1, 0, 1, 0, 0, -25}, k2{1, 0, 1, -12, 0, 11}, k3{1, 0, 1, -20, 0, 75};
  ExpectPoints(ConicConic(k1, k2), {{3, 4}, {3, -4}}, 10, k1, k2);
  ExpectPoints(ConicConic(k1, k3), {{5, 0}}, 10, k1, k3);
  // A parabola crossing an ellipse far from the origin:
  // y - oy = (x - ox)^2 / 50 - 60 and (x - ox)^2 + 4 (y - oy)^2 = 100^2.
  const double ox = -2000, oy = 1500;
  const SixCoefficients parabola{1.0 / 50, 0, 0, -2 * ox / 50, -1, ox * ox / 50 + oy - 60};
  const SixCoefficients flat{1, 0, 4, -2 * ox, -8 * oy, ox * ox + 4 * oy * oy - 100 * 100};
  // With u = (x - ox)^2 = 50 (v + 60): 50 v + 3000 + 4 v^2 = 10000, so 4 v^2 + 50 v - 7000 = 0.
  std::vector<Pt> expected;
  for (double sign : {1.0, -1.0}) {
    const double v = (-50 + sign * std::sqrt(2500 + 16 * 7000.0)) / 8;
    const double u = std::sqrt(50 * (v + 60));
    expected.push_back({ox + u, oy + v});
    expected.push_back({ox - u, oy + v});
  }
  ExpectPoints(ConicConic(parabola, flat), expected, 1000, parabola, flat);
}

TEST(ConicConic, SameOrProportionalConicsHaveNoCommonPoints) {
  const SixCoefficients e{9, 0, 25, 0, 0, -225};
  EXPECT_EQ(ConicConic(e, e).count, 0);
  EXPECT_EQ(ConicConic(e, SixCoefficients{9, 0, 25.00005, 0, 0, -225}).count, 0);
  EXPECT_EQ(ConicConic(e, SixCoefficients{-18, 0, -50, 0, 0, 450}).count, 0);
}

TEST(ConicConic, RandomPairsThroughFourSharedPointsInWorldUnits) {
  std::mt19937 rng(12345);
  std::uniform_real_distribution<double> coord(-300, 300), weight(-2, 2);
  int checked = 0;
  for (int trial = 0; trial < 2000; ++trial) {
    std::vector<Pt> p(4);
    for (Pt& q : p) q = {coord(rng) + 400, coord(rng) - 150};
    // Skip nearly degenerate quadrilaterals (three points almost aligned, points too close).
    bool fair = true;
    for (int i = 0; i < 4; ++i)
      for (int j = i + 1; j < 4; ++j) fair = fair && Distance(p[i], p[j]) > 30;
    for (int i = 0; i < 4 && fair; ++i) {
      const Pt a = p[i], b = p[(i + 1) % 4], c = p[(i + 2) % 4];
      const double area = std::abs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
      fair = area > 0.05 * Distance(a, b) * Distance(a, c);
    }
    if (!fair) continue;
    // Two different members of the pencil through the four points.
    const SixCoefficients d1 = LinePair(p[0], p[1], p[2], p[3]);
    const SixCoefficients d2 = LinePair(p[0], p[2], p[1], p[3]);
    const double w1 = weight(rng), w2 = weight(rng);
    if (std::abs(w1 - w2) < 0.2) continue;
    const SixCoefficients k1 = Unit(Mix(d1, 1, d2, w1)), k2 = Unit(Mix(d1, 1, d2, w2));
    ExpectPoints(ConicConic(k1, k2), p, 600, k1, k2);
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "trial " << trial;
      return;
    }
    ++checked;
  }
  EXPECT_GT(checked, 700);
}

}  // namespace
}  // namespace velt
