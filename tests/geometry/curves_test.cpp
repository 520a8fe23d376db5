#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

constexpr double kPi = std::numbers::pi;

void MoveTo(Element* p, double x, double y) {
  p->value[0] = x;
  p->value[1] = y;
}

TEST(Curves, FixedRadiusCircleFollowsItsCentre) {
  Document doc;
  Element* c = AddPoint(doc, 2, 3);
  Element* circle = Add(doc, kCircleCentre, {c}, {2, 3, 5, 7});  // radius 5
  RecomputeAll(doc);
  EXPECT_EQ(circle->exists, 1);
  EXPECT_EQ(circle->value[2], 2);
  EXPECT_EQ(circle->value[3], 8);
  // Whole-number drags keep the radius exactly; any drag keeps the point above the centre.
  MoveTo(c, -40, 17);
  RecomputeAll(doc);
  EXPECT_EQ(circle->value[3] - circle->value[1], 5);
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> pos(-1000, 1000);
  for (int i = 0; i < 1000; ++i) {
    MoveTo(c, pos(rng), pos(rng));
    RecomputeAll(doc);
    ASSERT_EQ(circle->value[0], c->value[0]);
    ASSERT_EQ(circle->value[1], c->value[1]);
    ASSERT_EQ(circle->value[2], c->value[0]);
  }
  EXPECT_NEAR(circle->value[3] - circle->value[1], 5, 1e-9);
  // A zero radius is lifted by the coincidence tolerance so the circle keeps a point.
  circle->value = {0, 0, 0, 0};
  RecomputeAll(doc);
  EXPECT_EQ(circle->value[3], c->value[1] + 0.0001);
  EXPECT_EQ(circle->exists, 1);
}

TEST(Curves, CircleThroughAPointAndCircleOfGivenRadius) {
  Document doc;
  Element* c = AddPoint(doc, 1, 1);
  Element* q = AddPoint(doc, 1, 1);
  Element* r1 = AddPoint(doc, 10, 10);
  Element* r2 = AddPoint(doc, 13, 14);
  Element* through = Add(doc, kCircleCentrePoint, {c, q}, {7, 7, 8, 8});
  Element* given = Add(doc, kCircleRadius, {c, r1, r2});
  RecomputeAll(doc);
  EXPECT_EQ(through->exists, 0);    // centre and point coincide exactly
  EXPECT_EQ(through->value[0], 7);  // the old values stay
  EXPECT_EQ(given->exists, 1);
  EXPECT_EQ(given->value[2], 6);  // right of the centre, |R1R2| = 5
  EXPECT_EQ(given->value[3], 1);
  MoveTo(q, 1 + 1e-9, 1);
  RecomputeAll(doc);
  EXPECT_EQ(through->exists, 1);
  EXPECT_EQ(through->value[2], 1 + 1e-9);
  MoveTo(r2, 10, 10);
  RecomputeAll(doc);
  EXPECT_EQ(given->exists, 0);
}

TEST(Curves, ArcCentreAndOrientation) {
  Document doc;
  Element* p1 = AddPoint(doc, 1, 0);
  Element* p2 = AddPoint(doc, 0, 1);
  Element* p3 = AddPoint(doc, -1, 0);
  Element* arc = Add(doc, kArc, {p1, p2, p3});
  RecomputeAll(doc);
  ASSERT_EQ(arc->exists, 1);
  EXPECT_NEAR(arc->value[0], 0, 1e-12);
  EXPECT_NEAR(arc->value[1], 0, 1e-12);
  EXPECT_EQ(arc->value[3], 1);  // the middle point
  EXPECT_EQ(arc->attr1, 1);
  MoveTo(p2, 0, -1);
  RecomputeAll(doc);
  EXPECT_EQ(arc->attr1, 0);
  // An arc of more than half a turn: centre (0, 0) still, counter-clockwise.
  MoveTo(p1, 0, -1);
  MoveTo(p2, 1, 0);
  MoveTo(p3, -0.6, -0.8);
  RecomputeAll(doc);
  EXPECT_NEAR(arc->value[0], 0, 1e-12);
  EXPECT_NEAR(arc->value[1], 0, 1e-12);
  EXPECT_EQ(arc->attr1, 1);
  // Aligned points, and points closer than the tolerance, make no arc.
  MoveTo(p1, 0, 0);
  MoveTo(p2, 1, 1);
  MoveTo(p3, 3, 3);
  RecomputeAll(doc);
  EXPECT_EQ(arc->exists, 0);
  MoveTo(p2, 0.00005, 0.5);
  MoveTo(p3, 0.00009, 0);
  RecomputeAll(doc);
  EXPECT_EQ(arc->exists, 0);
}

TEST(Curves, AngleMarkValueAndRadius) {
  Document doc;
  Element* p1 = AddPoint(doc, 2, 0);
  Element* v = AddPoint(doc, 0, 0);
  Element* p3 = AddPoint(doc, 0, 3);
  Element* mark = Add(doc, kAngleMark, {p1, v, p3});
  mark->value[1] = 0.3;  // the arc-size fraction, set at creation from the options
  RecomputeAll(doc);
  ASSERT_EQ(mark->exists, 1);
  EXPECT_NEAR(mark->value[0], kPi / 2, 1e-12);
  EXPECT_EQ(mark->value[2], 8);  // 0.3 * 2 is below the minimum
  MoveTo(p1, 0, 100);
  MoveTo(p3, 200, 0);
  RecomputeAll(doc);
  EXPECT_NEAR(mark->value[0], 3 * kPi / 2, 1e-12);  // counter-clockwise from V->P1 to V->P3
  EXPECT_NEAR(mark->value[2], 30, 1e-12);
  MoveTo(p1, 0.00005, 0);
  RecomputeAll(doc);
  EXPECT_EQ(mark->exists, 0);
}

TEST(Curves, PolygonSidesAndRepeatedVertex) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* c = AddPoint(doc, 4, 3);
  Element* poly = AddWithPicks(doc, kPolygon, {a, b, b, c});
  RecomputeAll(doc);
  auto& sides = poly->as<PolygonExt>()->sides;
  ASSERT_EQ(sides.size(), 4u);
  EXPECT_EQ(poly->exists, 1);
  EXPECT_EQ(sides[0]->exists, 1);
  EXPECT_EQ(sides[1]->exists, 0);  // from b to b
  EXPECT_EQ(sides[2]->exists, 1);
  EXPECT_EQ(sides[3]->exists, 1);
  // The closing side runs from the last vertex back to the first.
  EXPECT_EQ(sides[3]->value, (std::array<double, 4>{4, 3, 0, 0}));
  // A vertex that does not exist: the polygon does not exist, its sides still follow.
  c->exists = 0;
  MoveTo(c, 8, 6);
  RecomputeAll(doc);
  EXPECT_EQ(poly->exists, 0);
  EXPECT_EQ(sides[2]->value, (std::array<double, 4>{4, 0, 8, 6}));
  EXPECT_EQ(sides[2]->exists, 1);
  c->exists = 1;
  RecomputeAll(doc);
  EXPECT_EQ(poly->exists, 1);
}

TEST(Curves, ConicFollowsItsPointsAndBecomesTwoLines) {
  Document doc;
  Element* p[5];
  const double xy[5][2] = {{1, 0}, {-1, 0}, {0, 2}, {0, -2}, {0.6, 1.6}};
  for (int i = 0; i < 5; ++i) p[i] = AddPoint(doc, xy[i][0], xy[i][1]);
  Element* conic = AddWithPicks(doc, kConic, {p[0], p[1], p[2], p[3], p[4]});
  RecomputeAll(doc);
  ASSERT_EQ(conic->exists, 1);
  const ConicData& d = conic->as<ConicExt>()->data;
  EXPECT_EQ(d.conicClass, kConicEllipse);
  // Point 4 onto the line through points 0 and 2: three aligned points.
  MoveTo(p[4], 0.5, 1);
  RecomputeAll(doc);
  EXPECT_EQ(conic->exists, 1);
  EXPECT_TRUE(d.conicClass == kConicCrossingLines || d.conicClass == kConicParallelLines);
  // Two coincident points leave too few to fit: it does not exist and keeps its samples.
  const ConicData before = d;
  MoveTo(p[4], 1, 0);
  RecomputeAll(doc);
  EXPECT_EQ(conic->exists, 0);
  EXPECT_EQ(d, before);
  // A point that does not exist.
  MoveTo(p[4], 0.6, 1.6);
  p[2]->exists = 0;
  RecomputeAll(doc);
  EXPECT_EQ(conic->exists, 0);
  p[2]->exists = 1;
  RecomputeAll(doc);
  EXPECT_EQ(conic->exists, 1);
  EXPECT_EQ(d.conicClass, kConicEllipse);
}

}  // namespace
}  // namespace velt
