// The intersection tool creates only the points that are not already known to be common to
// the two curves, and knows them by how they were built, not by where they happen to lie.
#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <vector>

#include "support/builders.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::Bench;

// The intersection points of the document, sorted by y then x.
std::vector<std::pair<double, double>> IntersectionPoints(Document& d) {
  std::vector<std::pair<double, double>> out;
  for (auto& e : d.elements())
    if (e->kind == kIntersection && e->exists) out.push_back({e->y(), e->x()});
  std::sort(out.begin(), out.end());
  return out;
}

struct CircleFixture {
  Bench b;
  Element* c = AddPoint(b.doc(), 0, 0);
  Element* q = AddPoint(b.doc(), 100, 0);
  Element* circle = Add(b.doc(), kCircleCentrePoint, {c, q}, {0, 0, 100, 0});

  // Picks the circle at (60, 80), then the straight element at `on`.
  void Intersect(double x, double y) {
    b.ix.SelectTool(Tool::B_Punto_Inter);
    b.Click(60, 80);
    b.Click(x, y);
  }
};

TEST(ToolIntersection, CentreOfCircleIsNotACommonPoint) {
  // A line through the centre and another point cuts the circle twice: (0, 100), (0, -100).
  CircleFixture f;
  Element* r = AddPoint(f.b.doc(), 0, 150);
  Add(f.b.doc(), kLineTwoPoints, {f.c, r}, {0, 0, 0, 150});
  f.Intersect(0, -50);
  const auto pts = IntersectionPoints(f.b.doc());
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(pts[0].first, -100, 1e-9);
  EXPECT_NEAR(pts[0].second, 0, 1e-9);
  EXPECT_NEAR(pts[1].first, 100, 1e-9);
  EXPECT_NEAR(pts[1].second, 0, 1e-9);
}

TEST(ToolIntersection, LineThroughCentreAndCircumferencePointGivesFarEndOfDiameter) {
  CircleFixture f;
  Add(f.b.doc(), kLineTwoPoints, {f.c, f.q}, {0, 0, 100, 0});
  f.Intersect(-50, 0);
  const auto pts = IntersectionPoints(f.b.doc());
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_NEAR(pts[0].second, -100, 1e-9);
  EXPECT_NEAR(pts[0].first, 0, 1e-9);
}

TEST(ToolIntersection, PointThatMerelyLiesOnTheCircleIsNotKnown) {
  // P = (0, 100) lies on the circle by its position only, so both crossings of the line
  // through P and S = (100, -100) are made: (0, 100) and (80, -60).
  CircleFixture f;
  Element* p = AddPoint(f.b.doc(), 0, 100);
  Element* s = AddPoint(f.b.doc(), 100, -100);
  Add(f.b.doc(), kLineTwoPoints, {p, s}, {0, 100, 100, -100});
  f.Intersect(50, 0);
  const auto pts = IntersectionPoints(f.b.doc());
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(pts[0].second, 80, 1e-9);
  EXPECT_NEAR(pts[0].first, -60, 1e-9);
  EXPECT_NEAR(pts[1].second, 0, 1e-9);
  EXPECT_NEAR(pts[1].first, 100, 1e-9);
}

TEST(ToolIntersection, CurvesSharingTwoKnownPointsGiveNone) {
  // A segment between the circumference point and a point made on the circle.
  CircleFixture f;
  Element* on = Add(f.b.doc(), kPointOnElement, {f.circle}, {-100, 0, 0, std::numbers::pi});
  Add(f.b.doc(), kSegment, {f.q, on}, {100, 0, -100, 0});
  const size_t before = f.b.Count();
  f.Intersect(30, 0);
  EXPECT_EQ(f.b.Count(), before);
  EXPECT_EQ(f.b.ix.pickCounter(), 0);
}

}  // namespace
}  // namespace velt
