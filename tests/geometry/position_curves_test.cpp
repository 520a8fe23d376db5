#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "geometry/conic.h"
#include "geometry/element_points.h"
#include "geometry/position_on_curves.h"
#include "geometry/position_on_element.h"
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

struct OnCurves : ::testing::Test {
  Document doc;
  RuleContext ctx{&doc};

  Element* On(Element* carrier, double t) {
    Element* p = Add(doc, kPointOnElement, {carrier}, {0, 0, 0, t});
    RecomputeAll(doc);
    return p;
  }
  CarrierHit Hit(const Element* carrier, Pt k, double tolerance = 8) {
    const auto hit = ParameterFromPosition(*carrier, {k, tolerance}, ctx);
    EXPECT_TRUE(hit);
    return hit.value_or(CarrierHit{});
  }
  Pt At(const Element* carrier, double t) {
    const auto p = PositionOnElement(*carrier, t, ctx);
    EXPECT_TRUE(p);
    return p.value_or(Pt{});
  }
};

void ExpectAt(const Element* p, Pt q, double tol = 1e-9) {
  EXPECT_NEAR(p->value[0], q.x, tol);
  EXPECT_NEAR(p->value[1], q.y, tol);
}

TEST_F(OnCurves, CircleByAngle) {
  Element* c = AddPoint(doc, 10, 20);
  Element* circle = Add(doc, kCircleCentre, {c}, {10, 20, 13, 24});  // radius 5
  Element* p = On(circle, kPi / 2);
  ExpectAt(p, {10, 25});
  MoveTo(c, -3, 1);
  RecomputeAll(doc);
  ExpectAt(p, {-3, 6});
  EXPECT_EQ(p->value[3], kPi / 2);
  CarrierHit h = Hit(circle, {-3 - 8, 1});
  EXPECT_NEAR(h.t, kPi, 1e-12);
  EXPECT_NEAR(h.distance, 3, 1e-12);
  h = Hit(circle, {-3, 1 - 2});
  EXPECT_NEAR(h.t, 3 * kPi / 2, 1e-12);
  h = Hit(circle, {-3, 1});  // the centre itself
  EXPECT_EQ(h.t, 0);
  EXPECT_NEAR(h.distance, 5, 1e-12);
}

TEST_F(OnCurves, ArcFromFirstToThirdPoint) {
  Element* p1 = AddPoint(doc, 1, 0);
  Element* p2 = AddPoint(doc, 0, 1);
  Element* p3 = AddPoint(doc, -1, 0);
  Element* arc = Add(doc, kArc, {p1, p2, p3});
  Element* half = On(arc, 0.5);
  Element* third = On(arc, 1.0 / 3);
  ExpectAt(half, {0, 1});
  ExpectAt(third, {0.5, std::sqrt(3.0) / 2});
  EXPECT_EQ(At(arc, 0).x, 1);
  EXPECT_EQ(At(arc, 1).x, -1);
  // Clockwise through the lower half.
  MoveTo(p2, 0, -1);
  RecomputeAll(doc);
  ExpectAt(half, {0, -1});
  ExpectAt(third, {0.5, -std::sqrt(3.0) / 2});
  // A three-quarter arc, counter-clockwise from (0, -1) through (1, 0) to (-1, 0).
  MoveTo(p1, 0, -1);
  MoveTo(p2, 1, 0);
  MoveTo(p3, -1, 0);
  RecomputeAll(doc);
  ExpectAt(half, {std::cos(kPi / 4), std::sin(kPi / 4)});
  ExpectAt(third, {1, 0});

  CarrierHit h = Hit(arc, {0, 3});  // straight above the centre: half way round
  EXPECT_NEAR(h.t, 2.0 / 3, 1e-12);
  EXPECT_NEAR(h.distance, 2, 1e-12);
  h = Hit(arc, {-0.5, -2});  // beyond the ends, nearer to P1
  EXPECT_EQ(h.t, 0);
  EXPECT_NEAR(h.distance, std::hypot(0.5, 1), 1e-12);
  h = Hit(arc, {-2, -0.5});  // nearer to P3
  EXPECT_EQ(h.t, 1);
}

TEST_F(OnCurves, ArcFrameAndFootOnCarrier) {
  Element* p1 = AddPoint(doc, 1, 0);
  Element* p2 = AddPoint(doc, 0, 1);
  Element* p3 = AddPoint(doc, -1, 0);
  Element* arc = Add(doc, kArc, {p1, p2, p3});
  RecomputeAll(doc);
  auto f = FrameOfArc(*arc);
  ASSERT_TRUE(f);
  EXPECT_NEAR(f->radius, 1, 1e-12);
  EXPECT_NEAR(f->sweep, kPi, 1e-12);
  const double h = std::sqrt(0.5);
  EXPECT_NEAR(f->At(0.25).x, h, 1e-12);
  EXPECT_NEAR(f->At(0.25).y, h, 1e-12);
  auto foot = FootOnCarrier(*arc, {0, 3});
  ASSERT_TRUE(foot);
  EXPECT_NEAR(foot->t, 0.5, 1e-12);
  EXPECT_NEAR(foot->foot.x, 0, 1e-12);
  EXPECT_NEAR(foot->foot.y, 1, 1e-12);
  EXPECT_NEAR(foot->distance, 2, 1e-12);
  // Clockwise through the lower half.
  MoveTo(p2, 0, -1);
  RecomputeAll(doc);
  f = FrameOfArc(*arc);
  ASSERT_TRUE(f);
  EXPECT_NEAR(f->At(0.25).x, h, 1e-12);
  EXPECT_NEAR(f->At(0.25).y, -h, 1e-12);
  foot = FootOnCarrier(*arc, {3, -3});
  ASSERT_TRUE(foot);
  EXPECT_NEAR(foot->t, 0.25, 1e-12);
  EXPECT_NEAR(foot->distance, 3 * std::sqrt(2.0) - 1, 1e-12);
  // A circle of radius 5 about (10, 20): straight above, a quarter turn.
  Element* c = AddPoint(doc, 10, 20);
  Element* circle = Add(doc, kCircleCentre, {c}, {10, 20, 13, 24});
  foot = FootOnCarrier(*circle, {10, 40});
  ASSERT_TRUE(foot);
  EXPECT_NEAR(foot->t, kPi / 2, 1e-12);
  EXPECT_NEAR(foot->foot.x, 10, 1e-12);
  EXPECT_NEAR(foot->foot.y, 25, 1e-12);
  EXPECT_NEAR(foot->distance, 15, 1e-12);
  // A type without positions has no foot.
  EXPECT_FALSE(FootOnCarrier(*c, {0, 0}));
}

TEST_F(OnCurves, ArcParameterAndPositionInvertEachOther) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> pos(-100, 100), unit(0, 1);
  Element* p1 = AddPoint(doc, 0, 0);
  Element* p2 = AddPoint(doc, 0, 0);
  Element* p3 = AddPoint(doc, 0, 0);
  Element* arc = Add(doc, kArc, {p1, p2, p3});
  for (int round = 0; round < 200; ++round) {
    for (Element* p : {p1, p2, p3}) MoveTo(p, pos(rng), pos(rng));
    RecomputeAll(doc);
    if (!arc->exists) continue;
    const double t = unit(rng);
    const Pt q = At(arc, t);
    const CarrierHit h = Hit(arc, q);
    EXPECT_NEAR(h.t, t, 1e-9) << round;
    EXPECT_LT(h.distance, 1e-9);
    // The point lies on the side of the chord P1P3 where P2 is.
    const Pt a = PointA(*p1), b = PointA(*p3), m = PointA(*p2);
    const double side = (b.x - a.x) * (m.y - a.y) - (b.y - a.y) * (m.x - a.x);
    const double here = (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x);
    EXPECT_GE(here * (side > 0 ? 1 : -1) / Distance(a, b), -1e-9) << round;
  }
}

TEST_F(OnCurves, PolygonBySideAndFraction) {
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 10, 0);
  Element* c = AddPoint(doc, 10, 10);
  Element* d = AddPoint(doc, 0, 10);
  Element* square = AddWithPicks(doc, kPolygon, {a, b, c, d});
  Element* p = On(square, 1.25);
  ExpectAt(p, {10, 2.5}, 0);
  Element* last = On(square, 3.5);  // on the closing side from d back to a
  ExpectAt(last, {0, 5}, 0);
  Element* beyond = On(square, 7.5);  // the last side, at its fraction
  ExpectAt(beyond, {0, 5}, 0);
  // The square stretched: the points keep their sides and fractions.
  MoveTo(c, 20, 30);
  RecomputeAll(doc);
  ExpectAt(p, {12.5, 7.5});
  ExpectAt(last, {0, 5});

  CarrierHit h = Hit(square, {-1, 4});  // the foot on the closing side
  EXPECT_NEAR(h.t, 3.6, 1e-12);
  EXPECT_NEAR(h.distance, 1, 1e-12);
  h = Hit(square, {10.5, -0.5});  // off every side: the vertex
  EXPECT_EQ(h.t, 1);
  EXPECT_NEAR(h.distance, std::hypot(0.5, 0.5), 1e-12);
  // Parameter and position invert each other on every side.
  for (double t : {0.3, 1.7, 2.05, 3.99}) EXPECT_NEAR(Hit(square, At(square, t)).t, t, 1e-12);

  // A side between repeated vertices does not exist: the point sits on its first vertex.
  Element* rep = AddWithPicks(doc, kPolygon, {a, b, b, c});
  Element* q = On(rep, 1.5);
  ExpectAt(q, {10, 0}, 0);
}

struct OnConic : OnCurves {
  Element* pts[5]{};
  Element* conic = nullptr;

  void Build(const double (&xy)[5][2]) {
    for (int i = 0; i < 5; ++i) pts[i] = AddPoint(doc, xy[i][0], xy[i][1]);
    conic = AddWithPicks(doc, kConic, {pts[0], pts[1], pts[2], pts[3], pts[4]});
    RecomputeAll(doc);
    ASSERT_EQ(conic->exists, 1);
  }
  const ConicData& Data() const { return conic->as<ConicExt>()->data; }
};

TEST_F(OnConic, PointsLieOnTheExactCurve) {
  const double xy[5][2] = {{100, 0}, {-100, 0}, {0, 60}, {0, -60}, {60, 48}};
  Build(xy);
  ASSERT_EQ(Data().conicClass, kConicEllipse);
  for (double t : {0.0, 0.5, 7.25, 29.999, 59.5, 100.1, 119.0, 119.5, 119.99}) {
    const Pt p = At(conic, t);
    EXPECT_NEAR(p.x * p.x / 10000 + p.y * p.y / 3600, 1, 1e-12) << t;
  }
  // A whole parameter is the sample itself.
  EXPECT_EQ(At(conic, 30).x, Data().sx[30]);
  EXPECT_EQ(At(conic, 30).y, Data().sy[30]);
  // The closing chord runs from S119 to S0 and its fraction is measured from S119.
  const Pt s119 = ConicSample(Data(), 119), s0 = ConicSample(Data(), 0);
  const Pt near119 = At(conic, 119.01), near0 = At(conic, 119.99);
  EXPECT_LT(Distance(near119, s119), Distance(near119, s0));
  EXPECT_LT(Distance(near0, s0), Distance(near0, s119));
}

TEST_F(OnConic, ParameterAndPositionInvertEachOther) {
  const double xy[5][2] = {{100, 0}, {-100, 0}, {0, 60}, {0, -60}, {60, 48}};
  Build(xy);
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> param(0, 120);
  for (int round = 0; round < 300; ++round) {
    const double t = param(rng);
    const Pt p = At(conic, t);
    // Away from the drawn chords the nearest chord decides, and t comes back.
    const CarrierHit exact = Hit(conic, p, 1e-9);
    EXPECT_NEAR(exact.t, t, 1e-9) << round;
    EXPECT_LT(exact.distance, 1e-9);
    // Under the cursor the first chord within the tolerance decides: the point found
    // lies within the tolerance of the cursor.
    const CarrierHit loose = Hit(conic, p, 4);
    EXPECT_LT(Distance(At(conic, loose.t), p), 4) << round;
  }
  // Near the curve, off it: the point of the curve under the cursor.
  const CarrierHit h = Hit(conic, {0, 70}, 1e-9);
  const Pt p = At(conic, h.t);
  EXPECT_NEAR(p.x, 0, 0.05);
  EXPECT_NEAR(p.y, 60, 0.01);
  EXPECT_NEAR(h.distance, 10, 0.01);
}

TEST_F(OnConic, HyperbolaAndParabolaCarryPoints) {
  const auto onHyperbola = [](double t, double side) {
    return std::array<double, 2>{side * 30 * std::cosh(t), 20 * std::sinh(t)};
  };
  double xy[5][2];
  const double ts[5][2] = {{0, 1}, {0.7, -1}, {1.2, 1}, {-2, 1}, {0.4, -1}};
  for (int i = 0; i < 5; ++i) {
    const auto q = onHyperbola(ts[i][0], ts[i][1]);
    xy[i][0] = q[0];
    xy[i][1] = q[1];
  }
  Build(xy);
  ASSERT_EQ(Data().conicClass, kConicHyperbola);
  for (double t : {10.5, 29.5, 30.5, 75.25, 89.5}) {
    const Pt p = At(conic, t);
    EXPECT_NEAR(p.x * p.x / 900 - p.y * p.y / 400, 1, 1e-9) << t;
    EXPECT_NEAR(Hit(conic, p, 1e-9).t, t, 1e-9) << t;
  }
  // Between the two m = 1 samples around the vertex the curve's own vertex is reached.
  const double vertexSide = ConicSample(Data(), 30).x;
  EXPECT_NEAR(std::abs(vertexSide), 30, 1e-9);
}

TEST_F(OnConic, PairOfLinesKeepsItsParameterOnTheLines) {
  const double xy[5][2] = {{0, 0}, {10, 10}, {30, 30}, {0, 50}, {10, -30}};
  Build(xy);
  ASSERT_EQ(Data().conicClass, kConicCrossingLines);
  Element* p = On(conic, 3.7);
  EXPECT_EQ(p->value[3], 2.5);
  RecomputeAll(doc);
  EXPECT_EQ(p->value[3], 2.5);
  // Half way along S2S3 is the point of the second line nearest to... its own base point.
  ExpectAt(p, {0, 50}, 1e-6);
  Element* q = On(conic, 0.5);
  ExpectAt(q, {0, 0}, 1e-6);
  // The cursor picks the line it is on, and t stays on that line's chord.
  const CarrierHit h = Hit(conic, {20, 20.5}, 1);
  EXPECT_GT(h.t, 0);
  EXPECT_LT(h.t, 1);
  EXPECT_NEAR(h.distance, 0.5 / std::sqrt(2.0), 1e-6);
  const CarrierHit far = Hit(conic, {5, 10}, 1e-9);  // nearer the steep line
  EXPECT_GE(far.t, 2);
  EXPECT_LE(far.t, 3);
}

TEST_F(OnConic, PointKeepsItsParameterThroughDragsAndAbsence) {
  const double xy[5][2] = {{100, 0}, {-100, 0}, {0, 60}, {0, -60}, {60, 48}};
  Build(xy);
  Element* p = On(conic, 17.4);
  const Pt start{p->value[0], p->value[1]};
  // Stretch the ellipse: the point stays on the new curve at the same parameter.
  MoveTo(pts[2], 0, 90);
  MoveTo(pts[3], 0, -90);
  MoveTo(pts[4], 60, 72);
  RecomputeAll(doc);
  EXPECT_EQ(p->value[3], 17.4);
  EXPECT_NEAR(p->value[0] * p->value[0] / 10000 + p->value[1] * p->value[1] / 8100, 1, 1e-12);
  // Two points together: no conic, no point; apart again: back at the same place.
  MoveTo(pts[4], 100, 0);
  RecomputeAll(doc);
  EXPECT_EQ(conic->exists, 0);
  EXPECT_EQ(p->exists, 0);
  MoveTo(pts[2], 0, 60);
  MoveTo(pts[3], 0, -60);
  MoveTo(pts[4], 60, 48);
  RecomputeAll(doc);
  EXPECT_EQ(p->exists, 1);
  EXPECT_EQ(p->value[3], 17.4);
  ExpectAt(p, start, 1e-12);
}

TEST_F(OnCurves, PointsReappearWhereTheyWereWhenTheirCarrierReturns) {
  Element* p1 = AddPoint(doc, 1, 0);
  Element* p2 = AddPoint(doc, 0, 1);
  Element* p3 = AddPoint(doc, -1, 0);
  Element* arc = Add(doc, kArc, {p1, p2, p3});
  Element* onArc = On(arc, 0.25);
  Element* c = AddPoint(doc, 0, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {c, p1});
  Element* onCircle = On(circle, 1);
  Element* tri = AddWithPicks(doc, kPolygon, {p1, p2, p3});
  Element* onTri = On(tri, 2.5);
  ExpectAt(onArc, {std::cos(kPi / 4), std::sin(kPi / 4)});
  ExpectAt(onCircle, {std::cos(1.0), std::sin(1.0)});
  ExpectAt(onTri, {0, 0});
  // Aligned points and a circle with its point on its centre: arc and circle vanish.
  MoveTo(p2, 0, 0);
  MoveTo(p1, 0, 0);
  RecomputeAll(doc);
  EXPECT_EQ(onArc->exists, 0);
  EXPECT_EQ(onCircle->exists, 0);
  EXPECT_EQ(onTri->exists, 1);  // a polygon exists while its vertices do
  MoveTo(p1, 2, 0);
  MoveTo(p2, 0, 2);
  MoveTo(p3, -2, 0);
  RecomputeAll(doc);
  EXPECT_EQ(onArc->exists, 1);
  EXPECT_EQ(onCircle->exists, 1);
  ExpectAt(onArc, {2 * std::cos(kPi / 4), 2 * std::sin(kPi / 4)});
  ExpectAt(onCircle, {2 * std::cos(1.0), 2 * std::sin(1.0)});
  ExpectAt(onTri, {0, 0});
}

}  // namespace
}  // namespace velt
