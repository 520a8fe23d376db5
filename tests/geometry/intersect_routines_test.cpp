#include <gtest/gtest.h>

#include <cmath>

#include "geometry/intersect_circle.h"
#include "geometry/intersect_straight.h"

namespace velt {
namespace {

void ExpectNear(Pt p, double x, double y, double tol = 1e-9) {
  EXPECT_NEAR(p.x, x, tol);
  EXPECT_NEAR(p.y, y, tol);
}

TEST(StraightStraight, ParallelAndVerticalLinesDoNotMeet) {
  EXPECT_FALSE(LineLine({0, 0}, {1, 1}, {0, 1}, {1, 2}));
  EXPECT_FALSE(LineLine({2, 0}, {2, 5}, {7, -1}, {7, 3}));
  EXPECT_FALSE(LineLine({0, 0}, {10, 10}, {0, 1}, {10, 11 + 5e-6}));  // slopes 5e-7 apart
  const auto x = LineLine({0, 0}, {4, 4}, {0, 2}, {2, 0});
  ASSERT_TRUE(x);
  ExpectNear(*x, 1, 1);
  const auto v = LineLine({3, -1}, {3, 1}, {0, 2}, {1, 2});  // a vertical line
  ASSERT_TRUE(v);
  ExpectNear(*v, 3, 2);
}

TEST(StraightStraight, SegmentsAndRaysKeepOnlyTheirOwnPart) {
  // The line y = 0 and the segment from (1, -1) to (1, 1) meet at (1, 0).
  EXPECT_TRUE(LineSegment({0, 0}, {5, 0}, {1, -1}, {1, 1}));
  EXPECT_FALSE(LineSegment({0, 0}, {5, 0}, {1, 0.5}, {1, 1}));
  // A segment reaching the line only 0.00005 short is still within the tolerance.
  EXPECT_TRUE(LineSegment({0, 0}, {5, 0}, {1, 0.00005}, {1, 1}));
  EXPECT_FALSE(LineSegment({0, 0}, {5, 0}, {1, 0.0005}, {1, 1}));
  // The ray from (0, 0) through (1, 0): x = -2 is behind its origin, x = 3 ahead.
  EXPECT_FALSE(LineRay({-2, -1}, {-2, 1}, {0, 0}, {1, 0}));
  EXPECT_TRUE(LineRay({3, -1}, {3, 1}, {0, 0}, {1, 0}));
  EXPECT_FALSE(SegmentSegment({0, 0}, {1, 1}, {2, 0}, {3, -1}));
  EXPECT_TRUE(SegmentSegment({0, 0}, {2, 2}, {2, 0}, {0, 2}));
  EXPECT_FALSE(SegmentRay({-3, -1}, {-3, 1}, {0, 0}, {1, 0}));
  EXPECT_TRUE(RayRay({0, 0}, {1, 1}, {4, 0}, {3, 1}));
  EXPECT_FALSE(RayRay({0, 0}, {1, 1}, {4, 0}, {5, -1}));
}

TEST(Membership, BehindTheOriginAndOnTheArc) {
  EXPECT_TRUE(BehindRayOrigin({-1, 0}, {0, 0}, {1, 0}));
  EXPECT_TRUE(BehindRayOrigin({-1, 7}, {0, 0}, {1, 0}));
  EXPECT_FALSE(BehindRayOrigin({0, 0}, {0, 0}, {1, 0}));
  EXPECT_FALSE(BehindRayOrigin({0.5, 3}, {0, 0}, {1, 0}));
  EXPECT_FALSE(BehindRayOrigin({50, 0}, {0, 0}, {1, 0}));
  // The upper half of the circle of radius 5 from (5, 0) through (0, 5) to (-5, 0).
  EXPECT_TRUE(OnArc({3, 4}, {5, 0}, {0, 5}, {-5, 0}));
  EXPECT_TRUE(OnArc({-4, 3}, {5, 0}, {0, 5}, {-5, 0}));
  EXPECT_TRUE(OnArc({0, 5}, {5, 0}, {0, 5}, {-5, 0}));
  EXPECT_TRUE(OnArc({5, 0}, {5, 0}, {0, 5}, {-5, 0}));
  EXPECT_FALSE(OnArc({3, -4}, {5, 0}, {0, 5}, {-5, 0}));
  EXPECT_FALSE(OnArc({0, -5}, {5, 0}, {0, 5}, {-5, 0}));
  // The same circle, the long way from (5, 0) through (0, -5) to (0, 5).
  EXPECT_TRUE(OnArc({-3, 4}, {5, 0}, {0, -5}, {0, 5}));
  EXPECT_FALSE(OnArc({3, 4}, {5, 0}, {0, -5}, {0, 5}));
}

TEST(LineCircle, TwoSolutionsOrderedAlongTheLine) {
  CurveHits h = LineCircle({-10, 0}, {10, 0}, {0, 0}, 5);
  ASSERT_EQ(h.count, 2);
  ExpectNear(h.point[0], 5, 0);
  ExpectNear(h.point[1], -5, 0);
  h = LineCircle({10, 0}, {-10, 0}, {0, 0}, 5);
  ASSERT_EQ(h.count, 2);
  ExpectNear(h.point[0], -5, 0);
  ExpectNear(h.point[1], 5, 0);
  // A vertical line (x eliminated) going up: the upper point first.
  h = LineCircle({3, -10}, {3, 10}, {0, 0}, 5);
  ASSERT_EQ(h.count, 2);
  ExpectNear(h.point[0], 3, 4);
  ExpectNear(h.point[1], 3, -4);
  // Almost vertical, 0.0005 across over 20 units: still ordered by y, both on the circle.
  h = LineCircle({3, 10}, {3.0005, -10}, {1, 1}, 5);
  ASSERT_EQ(h.count, 2);
  EXPECT_LT(h.point[0].y, h.point[1].y);
  for (const Pt& p : h.point) EXPECT_NEAR(std::hypot(p.x - 1, p.y - 1), 5, 1e-9);
  // An oblique line y = x + 1 about centre (2, 3), radius 5: x = 2 +- 5/sqrt(2) minus ...
  h = LineCircle({0, 1}, {1, 2}, {2, 3}, 5);
  ASSERT_EQ(h.count, 2);
  // (x - 2)^2 + (x - 2)^2 = 25  ->  x = 2 +- 5 / sqrt 2.
  ExpectNear(h.point[0], 2 + 5 / std::sqrt(2.0), 3 + 5 / std::sqrt(2.0));
  ExpectNear(h.point[1], 2 - 5 / std::sqrt(2.0), 3 - 5 / std::sqrt(2.0));
}

TEST(LineCircle, TangentMissAndDegenerateLine) {
  // Distance 5.00005 from the centre: within 0.0001 of the radius, so the foot is the point.
  CurveHits h = LineCircle({-10, 5.00005}, {10, 5.00005}, {0, 0}, 5);
  ASSERT_EQ(h.count, 1);
  ExpectNear(h.point[0], 0, 5.00005);
  EXPECT_EQ(LineCircle({-10, 5.01}, {10, 5.01}, {0, 0}, 5).count, 0);
  EXPECT_EQ(LineCircle({1, 1}, {1.00001, 1}, {0, 0}, 5).count, 0);
}

TEST(SegmentAndRayCircle, OnlyTheSolutionsOnTheElement) {
  // Stopping 0.0005 short of the circle still meets it; 0.005 short does not.
  CurveHits h = SegmentCircle({-20, 0}, {-5.0005, 0}, {0, 0}, 5);
  ASSERT_EQ(h.count, 1);
  EXPECT_TRUE(h.secondValid);
  ExpectNear(h.Valid(), -5, 0);
  EXPECT_EQ(SegmentCircle({-20, 0}, {-5.005, 0}, {0, 0}, 5).count, 0);
  // A drawing at 20 pixels per unit allows 0.02.
  EXPECT_EQ(SegmentCircle({-20, 0}, {-5.005, 0}, {0, 0}, 5, 20).count, 1);
  h = SegmentCircle({-20, 0}, {20, 0}, {0, 0}, 5);
  EXPECT_EQ(h.count, 2);
  EXPECT_FALSE(h.secondValid);
  h = SegmentCircle({0, 0}, {20, 0}, {0, 0}, 5);
  ASSERT_EQ(h.count, 1);
  EXPECT_FALSE(h.secondValid);
  ExpectNear(h.Valid(), 5, 0);
  // The ray from the centre towards -x: its own point first, the one behind dropped.
  h = RayCircle({0, 0}, {-1, 0}, {0, 0}, 5);
  ASSERT_EQ(h.count, 1);
  EXPECT_FALSE(h.secondValid);
  ExpectNear(h.Valid(), -5, 0);
  // A ray starting beyond the circle and pointing away meets it nowhere.
  EXPECT_EQ(RayCircle({6, 0}, {7, 0}, {0, 0}, 5).count, 0);
  // Pointing back: both solutions, in the ray's direction.
  h = RayCircle({6, 0}, {5.5, 0}, {0, 0}, 5);
  ASSERT_EQ(h.count, 2);
  ExpectNear(h.point[0], -5, 0);
}

TEST(CircleCircle, CrossingTangentAndApart) {
  CurveHits h = CircleCircle({0, 0}, 5, {6, 0}, 5);
  ASSERT_EQ(h.count, 2);
  ExpectNear(h.point[0], 3, -4);  // right of the centre line (0,0) -> (6,0)
  ExpectNear(h.point[1], 3, 4);
  h = CircleCircle({6, 0}, 5, {0, 0}, 5);  // seen from the other centre
  ASSERT_EQ(h.count, 2);
  ExpectNear(h.point[0], 3, 4);
  h = CircleCircle({0, 0}, 5, {10, 0}, 5);
  ASSERT_EQ(h.count, 1);
  ExpectNear(h.point[0], 5, 0);
  h = CircleCircle({0, 0}, 3, {2, 0}, 5);  // inside, touching at (-3, 0)
  ASSERT_EQ(h.count, 1);
  ExpectNear(h.point[0], -3, 0);
  EXPECT_EQ(CircleCircle({0, 0}, 5, {10.1, 0}, 5).count, 0);
  EXPECT_EQ(CircleCircle({0, 0}, 5, {1, 0}, 1).count, 0);
  EXPECT_EQ(CircleCircle({0, 0}, 5, {0, 0}, 5).count, 0);
  // Radii 5 and 3 with centres 4 apart: the 3-4-5 triangle, points (0, +-3) from the first.
  h = CircleCircle({0, 0}, 3, {4, 0}, 5);
  ASSERT_EQ(h.count, 2);
  ExpectNear(h.point[0], 0, -3);
  ExpectNear(h.point[1], 0, 3);
}

}  // namespace
}  // namespace velt
