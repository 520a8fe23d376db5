#include "geometry/primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "geometry/tolerances.h"

namespace velt {
namespace {

constexpr double kPi = std::numbers::pi;

void ExpectPt(Pt p, double x, double y, double tol = 1e-12) {
  EXPECT_NEAR(p.x, x, tol);
  EXPECT_NEAR(p.y, y, tol);
}

TEST(Primitives, DistanceMidpointAndPointTowards) {
  EXPECT_DOUBLE_EQ(Distance({1, 2}, {4, 6}), 5.0);
  ExpectPt(Midpoint({-2, 4}, {6, 0}), 2, 2);
  ExpectPt(PointTowards({0, 0}, {3, 4}, 10), 6, 8);
  ExpectPt(PointTowards({1, 1}, {4, 5}, -5), -2, -3);
  // Coincident points: the result is the first point, not a division by zero.
  ExpectPt(PointTowards({7, -3}, {7, -3}, 50), 7, -3, 0);
}

TEST(Primitives, PerpendicularAndParallelFailBelowTheCoincidenceTolerance) {
  EXPECT_FALSE(PerpendicularThrough({0, 0}, {1, 1}, {1.00009, 1}));
  EXPECT_FALSE(ParallelThrough({0, 0}, {1, 1}, {1, 1.00009}));
  ASSERT_TRUE(ParallelThrough({0, 0}, {0, 0}, {0.0001, 0}));
  const auto perp = PerpendicularThrough({2, 0}, {0, 0}, {4, 0});
  ASSERT_TRUE(perp);
  ExpectPt(perp->a, 2, 0);
  ExpectPt(perp->b, 2, -4);  // turned clockwise
  const auto par = ParallelThrough({5, 5}, {1, 2}, {4, 6});
  ASSERT_TRUE(par);
  ExpectPt(par->b, 8, 9);
}

TEST(Primitives, DirectionAngleCoversTheFullTurn) {
  EXPECT_DOUBLE_EQ(DirectionAngle(1, 0), 0);
  EXPECT_DOUBLE_EQ(DirectionAngle(0, 2), kPi / 2);
  EXPECT_DOUBLE_EQ(DirectionAngle(-3, 0), kPi);
  EXPECT_DOUBLE_EQ(DirectionAngle(0, -1), 3 * kPi / 2);
  EXPECT_DOUBLE_EQ(DirectionAngle(1, -1), 7 * kPi / 4);
  EXPECT_DOUBLE_EQ(DirectionAngle(-1, -1), 5 * kPi / 4);
  // Just below the +x axis: never a whole turn.
  const double a = DirectionAngle(1, -1e-300);
  EXPECT_GE(a, 0);
  EXPECT_LT(a, 2 * kPi);
}

TEST(Primitives, OrientedAngleBoundaries) {
  EXPECT_DOUBLE_EQ(*OrientedAngle({1, 0}, {0, 0}, {0, 1}), kPi / 2);
  EXPECT_DOUBLE_EQ(*OrientedAngle({0, 1}, {0, 0}, {1, 0}), 3 * kPi / 2);
  EXPECT_FALSE(OrientedAngle({0, 0}, {0, 0}, {1, 0}));
  EXPECT_FALSE(OrientedAngle({1, 0}, {0, 0}, {0, 0}));
  // An angle within the zero clamp is exactly 0.
  EXPECT_EQ(*OrientedAngle({1, 0}, {0, 0}, {1, 1e-9}), 0.0);
  EXPECT_EQ(*OrientedAngle({5, 5}, {2, 2}, {3, 3}), 0.0);
}

TEST(Primitives, AnglesAgreeWithAtan2OverRandomConfigurations) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> u(-100, 100);
  for (int i = 0; i < 2000; ++i) {
    const Pt a{u(rng), u(rng)}, v{u(rng), u(rng)}, e{u(rng), u(rng)};
    double expected = std::atan2(e.y - v.y, e.x - v.x) - std::atan2(a.y - v.y, a.x - v.x);
    if (expected < 0) expected += 2 * kPi;
    EXPECT_NEAR(*OrientedAngle(a, v, e), expected, 1e-9);
    const double cross = (a.x - v.x) * (e.y - v.y) - (a.y - v.y) * (e.x - v.x);
    const double dot = (a.x - v.x) * (e.x - v.x) + (a.y - v.y) * (e.y - v.y);
    EXPECT_NEAR(*UnsignedAngle(a, v, e), std::abs(std::atan2(cross, dot)), 1e-6);
  }
  EXPECT_FALSE(UnsignedAngle({0, 0}, {0, 0}, {1, 0}));
  EXPECT_DOUBLE_EQ(*UnsignedAngle({1, 0}, {0, 0}, {-1, 0}), kPi);
}

TEST(Primitives, IntersectLines) {
  ExpectPt(*IntersectLines({0, 0}, {2, 2}, {0, 2}, {2, 0}), 1, 1);
  ExpectPt(*IntersectLines({3, -5}, {3, 5}, {0, 1}, {1, 1}), 3, 1);  // one vertical line
  EXPECT_FALSE(IntersectLines({0, 0}, {0, 1}, {5, 0}, {5, 7}));      // both vertical
  EXPECT_FALSE(IntersectLines({0, 0}, {1, 1}, {0, 1}, {1, 2}));      // parallel
  // Slopes 5e-7 apart are parallel; 2e-6 apart meet far away, where y = x meets
  // y = (1 + 2e-6) x + 1, at x = -1 / 2e-6.
  EXPECT_FALSE(IntersectLines({0, 0}, {1, 1}, {0, 1}, {1, 2 + 5e-7}));
  const auto far = IntersectLines({0, 0}, {1, 1}, {0, 1}, {1, 2 + 2e-6});
  ASSERT_TRUE(far);
  EXPECT_NEAR(far->x, -5e5, 1e-3);
  EXPECT_NEAR(far->y, -5e5, 1e-3);
  // A line whose points are closer than the snap distance keeps its direction.
  ExpectPt(*IntersectLines({0, 0}, {0.01, 0.01}, {0, 1}, {1, 0}), 0.5, 0.5, 1e-9);
  // Two coincident defining points give no line.
  EXPECT_FALSE(IntersectLines({2, 2}, {2, 2}, {0, 1}, {1, 0}));
}

TEST(Primitives, RotateAbout) {
  ExpectPt(RotateAbout({3, 1}, {1, 1}, kPi / 2), 1, 3);
  ExpectPt(RotateAbout({1, 0}, {0, 0}, -kPi / 2), 0, -1);
  ExpectPt(RotateAbout({-1, 0}, {0, 0}, kPi), 1, 0);
  ExpectPt(RotateAbout({1.00005, 1}, {1, 1}, 1.0), 1.00005, 1, 0);  // too near the centre
}

TEST(Primitives, FootOnLineMatchesTheProjection) {
  const auto f = FootOnLine({3, 5}, {0, 0}, {10, 0});
  ASSERT_TRUE(f);
  ExpectPt(f->foot, 3, 0);
  EXPECT_DOUBLE_EQ(f->distance, 5);
  EXPECT_FALSE(FootOnLine({3, 5}, {1, 1}, {1, 1.00005}));
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> u(-500, 500);
  for (int i = 0; i < 2000; ++i) {
    const Pt p{u(rng), u(rng)}, a{u(rng), u(rng)}, b{u(rng), u(rng)};
    if (Distance(a, b) < 1) continue;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double s = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
    const auto g = FootOnLine(p, a, b);
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->foot.x, a.x + s * dx, 1e-6);
    EXPECT_NEAR(g->foot.y, a.y + s * dy, 1e-6);
    EXPECT_NEAR(g->distance, std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy),
                1e-6);
  }
}

TEST(Primitives, QuadraticBoundaries) {
  EXPECT_EQ(SolveQuadratic(1, 0, 1).count, 0);  // t^2 + 1, disc = -4
  // t^2 + b t + a with disc = b^2 - 4a = -0.000005: still two (nearly equal) roots.
  const double a = 0.25 + 0.00000125;
  const Roots near = SolveQuadratic(a, 1, 1);
  ASSERT_EQ(near.count, 2);
  EXPECT_NEAR(near.t[0], -0.5 + std::sqrt(0.000005) / 2, 1e-12);
  EXPECT_NEAR(near.t[1], -0.5 - std::sqrt(0.000005) / 2, 1e-12);
  EXPECT_EQ(SolveQuadratic(0.25 + 0.000003, 1, 1).count, 0);  // disc = -0.000012
  const Roots twice = SolveQuadratic(1, -2, 1);               // (t - 1)^2
  ASSERT_EQ(twice.count, 1);
  EXPECT_DOUBLE_EQ(twice.t[0], 1);
  const Roots linear = SolveQuadratic(6, -3, 1e-9);  // nearly linear: -3 t + 6
  ASSERT_EQ(linear.count, 1);
  EXPECT_DOUBLE_EQ(linear.t[0], 2);
  EXPECT_EQ(SolveQuadratic(6, 0, 0).count, 0);
  const Roots two = SolveQuadratic(-6, -1, 1);  // (t - 3)(t + 2)
  ASSERT_EQ(two.count, 2);
  EXPECT_DOUBLE_EQ(two.t[0], 3);
  EXPECT_DOUBLE_EQ(two.t[1], -2);
}

std::vector<double> Sorted(const Roots& r) {
  std::vector<double> v(r.t.begin(), r.t.begin() + r.count);
  std::sort(v.begin(), v.end());
  return v;
}

TEST(Primitives, CubicCases) {
  // (t - 1)(t - 2)(t - 3): three real roots.
  const auto three = Sorted(SolveCubic(-6, 11, -6, 1));
  ASSERT_EQ(three.size(), 3u);
  EXPECT_NEAR(three[0], 1, 1e-12);
  EXPECT_NEAR(three[1], 2, 1e-12);
  EXPECT_NEAR(three[2], 3, 1e-12);
  // t^3 - 8: one real root.
  const auto one = Sorted(SolveCubic(-8, 0, 0, 1));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_NEAR(one[0], 2, 1e-12);
  // (t - 1)^2 (t + 2): the double root comes as a second root.
  const auto dbl = Sorted(SolveCubic(2, -3, 0, 1));
  ASSERT_EQ(dbl.size(), 2u);
  EXPECT_NEAR(dbl[0], -2, 1e-12);
  EXPECT_NEAR(dbl[1], 1, 1e-12);
  // A vanishing leading coefficient falls back to the quadratic (t - 3)(t + 2).
  const auto quad = Sorted(SolveCubic(-6, -1, 1, 1e-9));
  ASSERT_EQ(quad.size(), 2u);
  EXPECT_DOUBLE_EQ(quad[0], -2);
}

TEST(Primitives, CubicRootsOfRandomFactoredCubics) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> u(-10, 10);
  for (int i = 0; i < 1000; ++i) {
    std::vector<double> r{u(rng), u(rng), u(rng)};
    std::sort(r.begin(), r.end());
    if (r[1] - r[0] < 0.1 || r[2] - r[1] < 0.1) continue;
    const double k = u(rng);
    if (std::abs(k) < 0.1) continue;
    // k (t - r0)(t - r1)(t - r2)
    const double c2 = -k * (r[0] + r[1] + r[2]);
    const double c1 = k * (r[0] * r[1] + r[0] * r[2] + r[1] * r[2]);
    const double c0 = -k * r[0] * r[1] * r[2];
    const auto got = Sorted(SolveCubic(c0, c1, c2, k));
    ASSERT_EQ(got.size(), 3u);
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(got[j], r[j], 1e-7);
  }
}

}  // namespace
}  // namespace velt
