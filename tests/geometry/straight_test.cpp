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

void Move(Element* p, double x, double y) {
  p->value[0] = x;
  p->value[1] = y;
}

void ExpectLine(const Element* e, double ax, double ay, double bx, double by, double tol = 1e-9) {
  EXPECT_EQ(e->exists, 1);
  EXPECT_NEAR(e->value[0], ax, tol);
  EXPECT_NEAR(e->value[1], ay, tol);
  EXPECT_NEAR(e->value[2], bx, tol);
  EXPECT_NEAR(e->value[3], by, tol);
}

TEST(TwoPointElements, ExistOnlyWhenThePointsAreApart) {
  for (int32_t kind : {kLineTwoPoints, kRayTwoPoints, kSegment, kVector}) {
    Document doc;
    Element* a = AddPoint(doc, 0, 0);
    Element* b = AddPoint(doc, 0.00009, 0);
    Element* e = Add(doc, kind, {a, b});
    RecomputeAll(doc);
    EXPECT_EQ(e->exists, 0) << kind;
    Move(b, 0.0001, 0);
    RecomputeAll(doc);
    ExpectLine(e, 0, 0, 0.0001, 0, 0);
  }
}

TEST(LineThroughPoint, DraggingKeepsTheDirection) {
  Document doc;
  Element* p = AddPoint(doc, 0, 0);
  // The tool gives the first direction; (3, -7) is not exactly representable after scaling.
  Element* line = Add(doc, kLineThroughPoint, {p}, {0, 0, 0.3, -0.7});
  Element* ray = Add(doc, kRayThroughPoint, {p}, {5, 5, 5.3, 4.3});
  ClearMarks(doc.elements());
  MarkDependents(doc, *p);
  std::mt19937 rng(17);
  std::uniform_real_distribution<double> u(-400, 400);
  for (int i = 0; i < 20000; ++i) {
    Move(p, u(rng), u(rng));
    RecomputeMarked(doc);
  }
  for (const Element* e : {line, ray}) {
    EXPECT_EQ(e->value[0], p->x());
    EXPECT_EQ(e->value[1], p->y());
    const double dx = e->value[2] - e->value[0], dy = e->value[3] - e->value[1];
    EXPECT_NEAR(std::atan2(dy, dx), std::atan2(-0.7, 0.3), 1e-12);
    EXPECT_NEAR(std::hypot(dx, dy), std::hypot(0.3, 0.7), 1e-12);
  }
}

TEST(LineThroughPoint, DegenerateStoredDirection) {
  Document doc;
  Element* p = AddPoint(doc, 2, 3);
  Element* none = Add(doc, kLineThroughPoint, {p}, {1, 1, 1, 1});
  Element* tiny = Add(doc, kRayThroughPoint, {p}, {1, 1, 1.00003, 1.00004});
  RecomputeAll(doc);
  ExpectLine(none, 2, 3, 2, 2);      // straight down
  ExpectLine(tiny, 2, 3, 2.6, 3.8);  // a tiny direction keeps its sense
}

TEST(ParallelAndPerpendicular, RandomConfigurations) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 1, 0);
  Element* p = AddPoint(doc, 0, 1);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* par = Add(doc, kParallel, {line, p});
  Element* perp = Add(doc, kPerpendicular, {line, p});
  std::mt19937 rng(23);
  std::uniform_real_distribution<double> u(-1000, 1000);
  for (int i = 0; i < 2000; ++i) {
    Move(a, u(rng), u(rng));
    Move(b, u(rng), u(rng));
    Move(p, u(rng), u(rng));
    RecomputeAll(doc);
    const double lx = b->x() - a->x(), ly = b->y() - a->y();
    const double len = std::hypot(lx, ly);
    for (const Element* e : {par, perp}) {
      EXPECT_EQ(e->value[0], p->x());
      EXPECT_EQ(e->value[1], p->y());
    }
    const double px = par->value[2] - par->value[0], py = par->value[3] - par->value[1];
    const double qx = perp->value[2] - perp->value[0], qy = perp->value[3] - perp->value[1];
    EXPECT_NEAR((px * ly - py * lx) / (len * len), 0, 1e-12);  // parallel: no cross product
    EXPECT_NEAR((qx * lx + qy * ly) / (len * len), 0, 1e-12);  // perpendicular: no dot product
    EXPECT_NEAR(std::hypot(qx, qy), len, 1e-9);
    // Clockwise turn: the cross product of the line and the perpendicular is negative.
    EXPECT_LT(lx * qy - ly * qx, 0);
  }
}

TEST(ParallelAndPerpendicular, ToALineThatDoesNotExist) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 0.00003, 0.00004);
  Element* p = AddPoint(doc, 5, 5);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* par = Add(doc, kParallel, {line, p});
  Element* perp = Add(doc, kPerpendicular, {line, p});
  RecomputeAll(doc);
  EXPECT_EQ(line->exists, 0);
  EXPECT_EQ(par->exists, 0);
  EXPECT_EQ(perp->exists, 0);
}

TEST(Bisector, RightAndStraightAngles) {
  Document doc;
  Element* p1 = AddPoint(doc, 10, 0);
  Element* v = AddPoint(doc, 0, 0);
  Element* p3 = AddPoint(doc, 0, 10);
  Element* bis = Add(doc, kAngleBisector, {p1, v, p3});
  RecomputeAll(doc);
  ExpectLine(bis, 0, 0, 7.0710678118654755, 7.0710678118654755);
  Move(p3, -10, 0);
  RecomputeAll(doc);
  ExpectLine(bis, 0, 0, 0, -10);
  Move(p3, 0, 0.00005);  // an arm shorter than the tolerance
  RecomputeAll(doc);
  EXPECT_EQ(bis->exists, 0);
}

TEST(Bisector, SplitsRandomAnglesInHalf) {
  Document doc;
  Element* p1 = AddPoint(doc, 0, 0);
  Element* v = AddPoint(doc, 0, 0);
  Element* p3 = AddPoint(doc, 0, 0);
  Element* bis = Add(doc, kAngleBisector, {p1, v, p3});
  std::mt19937 rng(29);
  std::uniform_real_distribution<double> u(-300, 300);
  for (int i = 0; i < 2000; ++i) {
    Move(p1, u(rng), u(rng));
    Move(v, u(rng), u(rng));
    Move(p3, u(rng), u(rng));
    RecomputeAll(doc);
    ASSERT_EQ(bis->exists, 1);
    auto dir = [&](double x, double y) { return std::atan2(y - v->y(), x - v->x()); };
    const double a1 = dir(p1->x(), p1->y()), a3 = dir(p3->x(), p3->y());
    const double b = dir(bis->value[2], bis->value[3]);
    // Unsigned angle between two directions.
    auto between = [](double x, double y) {
      double d = std::fabs(std::remainder(x - y, 2 * std::numbers::pi));
      return d;
    };
    const double half = between(a1, a3) / 2;
    // The line's point B lies inside the angle, halfway between the arms.
    EXPECT_NEAR(between(b, a1), half, 1e-6);
    EXPECT_NEAR(between(b, a3), half, 1e-6);
    EXPECT_NEAR(std::hypot(bis->value[2] - v->x(), bis->value[3] - v->y()), 10, 1e-9);
  }
}

TEST(PerpendicularBisector, ExactCaseAndEquidistance) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* m = Add(doc, kPerpendicularBisector, {a, b});
  RecomputeAll(doc);
  ExpectLine(m, 2, 0, 2, -4, 0);
  std::mt19937 rng(31);
  std::uniform_real_distribution<double> u(-1000, 1000);
  for (int i = 0; i < 1000; ++i) {
    Move(a, u(rng), u(rng));
    Move(b, u(rng), u(rng));
    RecomputeAll(doc);
    for (int k = 0; k < 2; ++k) {
      const double x = m->value[2 * k], y = m->value[2 * k + 1];
      EXPECT_NEAR(std::hypot(x - a->x(), y - a->y()), std::hypot(x - b->x(), y - b->y()), 1e-8);
    }
  }
  Move(b, a->x(), a->y());
  RecomputeAll(doc);
  EXPECT_EQ(m->exists, 0);
}

TEST(Axes, LinesFollowTheOriginAndItsExistence) {
  Document doc;
  Element* o = AddPoint(doc, 5, 6);
  Element* axes = Add(doc, kAxes, {o});
  auto& ext = *axes->as<AxesExt>();
  ext.yUnit = 25;
  Element* onX = Add(doc, kPointOnElement, {ext.xAxis.get()}, {0, 0, 0, 3});
  RecomputeAll(doc);
  ExpectLine(ext.xAxis.get(), 5, 6, 15, 6, 0);
  ExpectLine(ext.yAxis.get(), 5, 6, 5, 16, 0);
  EXPECT_NEAR(onX->x(), 8, 1e-12);  // a signed distance along the axis line
  EXPECT_EQ(ext.yUnit, 25);
  doc.coordinateSystem = 1;
  RecomputeAll(doc);
  EXPECT_EQ(ext.yUnit, ext.xUnit);
  o->exists = 0;
  RecomputeAll(doc);
  EXPECT_EQ(axes->exists, 0);
  EXPECT_EQ(ext.xAxis->exists, 0);
  EXPECT_EQ(ext.yAxis->exists, 0);
  EXPECT_EQ(onX->exists, 0);
  o->exists = 1;
  Move(o, -1, -1);
  RecomputeAll(doc);
  EXPECT_EQ(axes->exists, 1);
  ExpectLine(ext.yAxis.get(), -1, -1, -1, 9, 0);
  EXPECT_NEAR(onX->x(), 2, 1e-12);
}

// A chain where each element is built on the previous ones: a missing construction hides
// everything built on it, keeping the old values, and everything returns with fresh values.
TEST(NonExistence, PropagatesAndRecovers) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* c = AddPoint(doc, 0, 3);
  Element* perp = Add(doc, kPerpendicular, {line, c});
  Element* on = Add(doc, kPointOnElement, {perp}, {0, 0, 0, 2});
  Element* mid = Add(doc, kMidpoint, {on, a});
  Element* seg = Add(doc, kSegment, {mid, c});
  RecomputeAll(doc);
  ExpectLine(perp, 0, 3, 0, -1, 0);
  EXPECT_NEAR(on->y(), 1, 1e-12);
  const auto oldSeg = seg->value;
  ClearMarks(doc.elements());
  MarkDependents(doc, *b);
  Move(b, 0, 0);  // on A: no line
  RecomputeMarked(doc);
  for (const Element* e : {line, perp, on, mid, seg}) EXPECT_EQ(e->exists, 0);
  EXPECT_EQ(seg->value, oldSeg);
  EXPECT_NEAR(on->y(), 1, 1e-12);
  Move(b, 0, 4);  // vertical line: the perpendicular is horizontal through C
  RecomputeMarked(doc);
  for (const Element* e : {line, perp, on, mid, seg}) EXPECT_EQ(e->exists, 1);
  ExpectLine(perp, 0, 3, 4, 3, 0);
  EXPECT_NEAR(on->x(), 2, 1e-12);
  EXPECT_NEAR(mid->x(), 1, 1e-12);
  EXPECT_NEAR(mid->y(), 1.5, 1e-12);
}

}  // namespace
}  // namespace velt
