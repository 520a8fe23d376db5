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

constexpr double kPi = std::numbers::pi;

Element* AddNumber(Document& doc, double value) {
  Element* n = Add(doc, kParameter, {});
  n->value[0] = value;
  return n;
}

void ExpectAt(const Element* e, double x, double y, double tol = 1e-9) {
  EXPECT_EQ(e->exists, 1);
  EXPECT_NEAR(e->x(), x, tol);
  EXPECT_NEAR(e->y(), y, tol);
}

void Move(Element* p, double x, double y) {
  p->value[0] = x;
  p->value[1] = y;
}

TEST(PointOnElement, EndsOfASegmentAreHitExactly) {
  Document doc;
  // -7.3 + 1 * (6.9 - -7.3) rounds away from 6.9: the end must still be exact.
  Element* a = AddPoint(doc, -7.3, 0.1);
  Element* b = AddPoint(doc, 6.9, -7.3);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* atB = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 1});
  Element* atA = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0});
  Element* beyond = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 1.5});  // no clamping
  RecomputeAll(doc);
  EXPECT_EQ(atB->x(), 6.9);
  EXPECT_EQ(atB->y(), -7.3);
  EXPECT_EQ(atA->x(), -7.3);
  EXPECT_EQ(atA->y(), 0.1);
  ExpectAt(beyond, -7.3 + 1.5 * 14.2, 0.1 + 1.5 * -7.4);
}

TEST(PointOnElement, FractionOnTwoPointLinesDistanceOnOthers) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 10, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* onLine = Add(doc, kPointOnElement, {line}, {0, 0, 0, 0.25});
  Element* p = AddPoint(doc, 1, 1);
  Element* par = Add(doc, kParallel, {line, p});
  Element* onPar = Add(doc, kPointOnElement, {par}, {0, 0, 0, -5});
  RecomputeAll(doc);
  ExpectAt(onLine, 2.5, 0);
  ExpectAt(onPar, -4, 1);
  // The line turns and grows: the first point keeps its fraction, the second its signed
  // distance from the through-point.
  Move(b, 6, 8);
  RecomputeAll(doc);
  ExpectAt(onLine, 1.5, 2);
  ExpectAt(onPar, 1 - 3, 1 - 4);
  EXPECT_NEAR(std::hypot(onPar->x() - p->x(), onPar->y() - p->y()), 5, 1e-12);
}

TEST(PointOnElement, NonCarrierKeepsItsCoordinates) {
  Document doc;
  Element* n = AddNumber(doc, 3);
  Element* p = Add(doc, kPointOnElement, {n}, {12, 13, 0, 0.5});
  p->exists = 0;
  RecomputeAll(doc);
  ExpectAt(p, 12, 13, 0);
}

TEST(Midpoint, CoincidentParentsAndRandomPairs) {
  Document doc;
  Element* a = AddPoint(doc, 3, -4);
  Element* b = AddPoint(doc, 3, -4);
  Element* m = Add(doc, kMidpoint, {a, b});
  RecomputeAll(doc);
  ExpectAt(m, 3, -4, 0);
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> u(-1000, 1000);
  for (int i = 0; i < 1000; ++i) {
    Move(a, u(rng), u(rng));
    Move(b, u(rng), u(rng));
    RecomputeAll(doc);
    const double da = std::hypot(m->x() - a->x(), m->y() - a->y());
    const double db = std::hypot(m->x() - b->x(), m->y() - b->y());
    const double ab = std::hypot(a->x() - b->x(), a->y() - b->y());
    EXPECT_NEAR(da, db, 1e-9);
    EXPECT_NEAR(da + db, ab, 1e-9);  // on the segment, so halfway
  }
}

struct DisplacedFixture : ::testing::Test {
  Document doc;
  Element* p = nullptr;
  Element* n = nullptr;
  void SetUp() override {
    doc.measureScale = 40;
    p = AddPoint(doc, 0, 0);
    n = AddNumber(doc, 2);  // 2 units of 40 world units
  }
};

TEST_F(DisplacedFixture, TowardsAPoint) {
  Element* e = AddPoint(doc, 3, 4);
  Element* d = Add(doc, kDisplacedPoint, {p, e, n});
  RecomputeAll(doc);
  ExpectAt(d, 48, 64);
  Move(e, 0.00003, 0.00004);  // 0.00005 away: no direction
  RecomputeAll(doc);
  EXPECT_EQ(d->exists, 0);
  EXPECT_NEAR(d->x(), 48, 1e-9);  // old values kept
  Move(e, 0, -0.001);
  RecomputeAll(doc);
  ExpectAt(d, 0, -80);
  n->attr1 = -100;  // a number in error
  RecomputeAll(doc);
  EXPECT_EQ(d->exists, 0);
}

TEST_F(DisplacedFixture, AlongLinesAxesCirclesAndVectors) {
  Element* a = AddPoint(doc, 1, 1);
  Element* b = AddPoint(doc, 1, 5);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* alongLine = Add(doc, kDisplacedPoint, {p, line, n});  // from A, not from P
  Element* o = AddPoint(doc, 10, 20);
  Element* axes = Add(doc, kAxes, {o});
  axes->as<AxesExt>()->xUnit = 50;
  axes->as<AxesExt>()->yUnit = 25;
  Element* alongX = Add(doc, kDisplacedPoint, {p, axes->as<AxesExt>()->xAxis.get(), n});
  Element* alongY = Add(doc, kDisplacedPoint, {p, axes->as<AxesExt>()->yAxis.get(), n});
  // A circle about the origin through (10, 0); an arc of 5 pi turns (10, 0) by pi / 2.
  Element* onCircle = AddPoint(doc, 10, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {p, onCircle}, {0, 0, 10, 0});
  Element* quarter = AddNumber(doc, 5 * kPi / 40);
  Element* around = Add(doc, kDisplacedPoint, {onCircle, circle, quarter});
  Element* v0 = AddPoint(doc, 7, 7);
  Element* v1 = AddPoint(doc, 7, 9);
  Element* vec = Add(doc, kVector, {v0, v1});
  Element* base = AddPoint(doc, 5, 5);
  Element* alongVec = Add(doc, kDisplacedPoint, {base, vec, n});
  Element* seg = Add(doc, kSegment, {v0, v1});
  Element* alongSeg = Add(doc, kDisplacedPoint, {base, seg, n}, {-1, -2, 0, 0});
  alongSeg->exists = 0;
  RecomputeAll(doc);
  ExpectAt(alongLine, 1, 81);
  ExpectAt(alongX, 110, 20);
  ExpectAt(alongY, 10, 70);
  ExpectAt(around, 0, 10);
  ExpectAt(alongVec, 5, 85);
  // A segment gives no direction: nothing changes.
  EXPECT_EQ(alongSeg->exists, 0);
  EXPECT_EQ(alongSeg->x(), -1);
}

TEST(PointByCoordinates, CartesianAndPolar) {
  Document doc;
  Element* o = AddPoint(doc, 10, 20);
  Element* axes = Add(doc, kAxes, {o});
  Element* u = Add(doc, kParameter, {});
  Element* v = Add(doc, kParameter, {});
  u->value[0] = 2;
  v->value[0] = 90;
  Element* p = Add(doc, kPointByCoordinates, {u, v, axes});
  RecomputeAll(doc);
  ExpectAt(p, 10 + 80, 20 + 3600);
  doc.coordinateSystem = 1;  // polar, theta in degrees
  doc.angleUnit = 1;
  RecomputeAll(doc);
  ExpectAt(p, 10, 20 + 80);
  doc.angleUnit = 2;  // grads: 100 is a right angle
  v->value[0] = 100;
  RecomputeAll(doc);
  ExpectAt(p, 10, 100);
  doc.angleUnit = 0;
  v->value[0] = kPi;
  RecomputeAll(doc);
  ExpectAt(p, 10 - 80, 20);
  v->attr1 = -100;
  RecomputeAll(doc);
  EXPECT_EQ(p->exists, 0);
}

TEST(PointsOnAxes, PlottedGridAndPolarUnits) {
  Document doc;
  Element* o = AddPoint(doc, 10, 20);
  Element* axes = Add(doc, kAxes, {o});
  axes->as<AxesExt>()->yUnit = 30;
  Element* plotted = Add(doc, kPlottedPoint, {axes}, {0, 0, 1, -2});
  Element* grid = Add(doc, kGrid, {axes});
  Element* onGrid = Add(doc, kPointOnGrid, {grid}, {0, 0, -3, 1});
  RecomputeAll(doc);
  ExpectAt(plotted, 50, -40);
  ExpectAt(onGrid, -110, 50);
  doc.coordinateSystem = 1;  // polar: both axes take the x unit
  RecomputeAll(doc);
  ExpectAt(plotted, 50, -60);
  o->exists = 0;
  RecomputeAll(doc);
  EXPECT_EQ(plotted->exists, 0);
  EXPECT_EQ(onGrid->exists, 0);
  EXPECT_EQ(plotted->x(), 50);
}

TEST(RegularPolygonVertex, TurnsTheFirstVertexAboutTheCentre) {
  Document doc;
  Element* c = AddPoint(doc, 1, 1);
  Element* v = AddPoint(doc, 3, 1);
  Element* w = Add(doc, kRegularPolygonVertex, {c, v}, {0, 0, 0, 2 * kPi / 3});
  RecomputeAll(doc);
  ExpectAt(w, 0, 1 + std::sqrt(3.0));
  Move(v, 1, 1);  // on the centre: stays there
  RecomputeAll(doc);
  ExpectAt(w, 1, 1, 0);
}

TEST(VectorSum, AddsBothVectorsToThePoint) {
  Document doc;
  Element* u = Add(doc, kVector, {AddPoint(doc, 0, 0), AddPoint(doc, 1, 2)});
  Element* w = Add(doc, kVector, {AddPoint(doc, 5, 5), AddPoint(doc, 4, 8)});
  Element* s = Add(doc, kVectorSum, {u, w, AddPoint(doc, 10, 10)});
  RecomputeAll(doc);
  ExpectAt(s, 10, 15);
}

// Files can name parents of the wrong type; the rules must still give a clear answer.
TEST(PointAndStraightRules, ParentsOfTheWrongTypeNeverCrash) {
  Document doc;
  Element* p = AddPoint(doc, 1, 2);
  Element* q = AddPoint(doc, 5, 7);
  Element* n = Add(doc, kParameter, {});
  std::vector<Element*> made;
  for (int32_t kind :
       {kPointOnElement, kMidpoint, kDisplacedPoint, kPointByCoordinates, kRegularPolygonVertex,
        kPlottedPoint, kPointOnGrid, kVectorSum, kLineThroughPoint, kLineTwoPoints, kParallel,
        kPerpendicular, kAngleBisector, kPerpendicularBisector, kSegment, kVector, kAxes}) {
    made.push_back(Add(doc, kind, {n, p, q}));
    made.push_back(Add(doc, kind, {p, q, n}));
    made.push_back(Add(doc, kind, {q, n, p}));
  }
  RecomputeAll(doc);
  for (const Element* e : made) {
    if (!e->exists) continue;
    for (double v : e->value) EXPECT_TRUE(std::isfinite(v)) << e->kind;
  }
  EXPECT_EQ(made[3 * 5]->exists, 0);  // plotted point on a number: no axes
  EXPECT_EQ(made[3 * 6]->exists, 0);  // point on a grid that is a number
}

}  // namespace
}  // namespace velt
