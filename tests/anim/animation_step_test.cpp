// Animation steps per carrier, against positions worked out by hand from the step rule
// (speed s/10 squared, signed by the direction) and each carrier's bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "anim/animation.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

constexpr double kPi = std::numbers::pi;

class Animate : public ::testing::Test {
 protected:
  Document doc;
  // A point on the carrier at parameter t, animated forwards at the given speed.
  Element* On(Element* carrier, double t) {
    Element* p = Add(doc, kPointOnElement, {carrier}, {0, 0, 0, t});
    RecomputeAll(doc);
    return p;
  }
  Animation& Entry(Element* e, int speed, int reversed = 0) {
    doc.figure->animations.push_back(Animation{e, 1, reversed, speed});
    return doc.figure->animations.back();
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) AnimationTick(doc);
  }
};

TEST(AnimationStep, GrowsWithTheSquareOfTheSpeed) {
  EXPECT_DOUBLE_EQ(AnimationStep({nullptr, 1, 0, 10}), 1.0);
  EXPECT_DOUBLE_EQ(AnimationStep({nullptr, 1, 0, 100}), 100.0);
  EXPECT_DOUBLE_EQ(AnimationStep({nullptr, 1, 0, 15}), 2.25);
  EXPECT_DOUBLE_EQ(AnimationStep({nullptr, 1, 1, 15}), -2.25);
  EXPECT_DOUBLE_EQ(AnimationStep({nullptr, 1, 1, 0}), 0.0);
  // A speed out of range (an old file) counts as its bound.
  EXPECT_DOUBLE_EQ(AnimationStep({nullptr, 1, 0, 500}), 100.0);
  EXPECT_DOUBLE_EQ(AnimationStep({nullptr, 1, 0, -7}), 0.0);
}

TEST_F(Animate, PointOnSegmentMovesAndBouncesInsideItsEnds) {
  Element* seg = Add(doc, kSegment, {AddPoint(doc, 0, 0), AddPoint(doc, 200, 0)});
  Element* p = On(seg, 0.5);
  Animation& a = Entry(p, 10);  // one unit of 200 per tick
  Ticks(10);
  EXPECT_NEAR(p->value[3], 0.55, 1e-12);
  EXPECT_NEAR(p->x(), 110, 1e-9);
  // Past the far end: it stops just inside and turns.
  p->value[3] = 0.998;
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 0.9999);
  EXPECT_EQ(a.reversed, 1);
  Ticks(1);
  EXPECT_NEAR(p->value[3], 0.9949, 1e-12);
  EXPECT_NEAR(p->x(), 198.98, 1e-9);
  // Past the start: just inside it, forwards again.
  p->value[3] = 0.003;
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 0.0001);
  EXPECT_EQ(a.reversed, 0);
}

TEST_F(Animate, PointOnCircleWrapsWithoutTurning) {
  Element* circle = Add(doc, kCircleCentrePoint, {AddPoint(doc, 10, 20), AddPoint(doc, 60, 20)});
  Element* p = On(circle, 0);
  Animation& a = Entry(p, 20);  // step 4: 4/50 rad per tick
  Ticks(5);
  EXPECT_NEAR(p->value[3], 0.4, 1e-12);
  EXPECT_NEAR(p->x(), 10 + 50 * std::cos(0.4), 1e-9);
  EXPECT_NEAR(p->y(), 20 + 50 * std::sin(0.4), 1e-9);
  p->value[3] = 2 * kPi - 0.01;
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 0.0001);
  EXPECT_EQ(a.reversed, 0);
  // Backwards the angle runs negative down to -2pi, then wraps the same way.
  a.reversed = 1;
  p->value[3] = -2 * kPi + 0.01;
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 0.0001);
  EXPECT_EQ(a.reversed, 1);
}

TEST_F(Animate, PointOnPolygonCirculatesFromSideToSide) {
  Element* square = AddWithPicks(
      doc, kPolygon,
      {AddPoint(doc, 0, 0), AddPoint(doc, 100, 0), AddPoint(doc, 100, 100), AddPoint(doc, 0, 100)});
  Element* p = On(square, 0.995);
  Animation& a = Entry(p, 10);  // 1/100 of a side per tick
  Ticks(1);
  EXPECT_NEAR(p->value[3], 1.005, 1e-12);
  EXPECT_NEAR(p->x(), 100, 1e-9);
  EXPECT_NEAR(p->y(), 0.5, 1e-9);
  p->value[3] = 3.995;
  Ticks(1);  // past the last side: back on the first
  EXPECT_DOUBLE_EQ(p->value[3], 0.0001);
  EXPECT_NEAR(p->x(), 0.01, 1e-9);
  EXPECT_EQ(a.reversed, 0);
  a.reversed = 1;
  p->value[3] = 0.005;
  Ticks(1);  // before the first side: at the end of the last
  EXPECT_DOUBLE_EQ(p->value[3], 3.9999);
  EXPECT_NEAR(p->x(), 0, 1e-9);
  EXPECT_NEAR(p->y(), 0.01, 1e-9);
}

TEST_F(Animate, PointOnArcMovesByItsLength) {
  // Half a circle of radius 100 from (100, 0) over (0, 100) to (-100, 0): length 100 pi.
  Element* arc =
      Add(doc, kArc, {AddPoint(doc, 100, 0), AddPoint(doc, 0, 100), AddPoint(doc, -100, 0)});
  Element* p = On(arc, 0.5);
  ASSERT_TRUE(p->exists);
  Entry(p, 30);  // step 9
  Ticks(1);
  EXPECT_NEAR(p->value[3], 0.5 + 9 / (100 * kPi), 1e-12);
  EXPECT_NEAR(std::hypot(p->x(), p->y()), 100, 1e-9);
  p->value[3] = 0.99;
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 0.9999);
}

TEST_F(Animate, PointOnLinesAndRaysBouncesFarOut) {
  // A line through two points 10 apart: t is a fraction, the bounds are +-999/10.
  Element* line = Add(doc, kLineTwoPoints, {AddPoint(doc, 0, 0), AddPoint(doc, 10, 0)});
  Element* p = On(line, 99.85);
  Animation& a = Entry(p, 10);
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 99.9);
  EXPECT_EQ(a.reversed, 1);
  EXPECT_NEAR(p->x(), 999, 1e-9);
  // A ray through two points turns back at its origin.
  Element* ray = Add(doc, kRayTwoPoints, {AddPoint(doc, 0, 0), AddPoint(doc, 0, 10)});
  Element* q = On(ray, 0.05);
  Animation& b = Entry(q, 10, 1);
  Ticks(1);
  EXPECT_DOUBLE_EQ(q->value[3], 0);
  EXPECT_EQ(b.reversed, 0);
  // A parallel keeps t as a distance: the bounds are +-999 units.
  Element* par = Add(doc, kParallel, {line, AddPoint(doc, 0, 5)});
  Element* r = On(par, -998.5);
  Entry(r, 10, 1);
  Ticks(1);
  EXPECT_DOUBLE_EQ(r->value[3], -999);
  EXPECT_NEAR(r->x(), -999, 1e-9);
  EXPECT_NEAR(r->y(), 5, 1e-9);
}

TEST_F(Animate, PointOnConicWrapsOverItsSamples) {
  Element* conic =
      AddWithPicks(doc, kConic,
                   {AddPoint(doc, 100, 0), AddPoint(doc, 0, 50), AddPoint(doc, -100, 0),
                    AddPoint(doc, 0, -50), AddPoint(doc, 70.710678, 35.355339)});
  Element* p = On(conic, 118.95);
  Animation& a = Entry(p, 10);  // a tenth of a sample per tick
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 0);
  a.reversed = 1;
  Ticks(1);
  EXPECT_DOUBLE_EQ(p->value[3], 119);
  Ticks(1);
  EXPECT_NEAR(p->value[3], 118.9, 1e-12);
}

TEST_F(Animate, LineThroughPointTurnsAboutIt) {
  Element* centre = AddPoint(doc, 5, 5);
  Element* line = Add(doc, kLineThroughPoint, {centre}, {5, 5, 8, 5});
  RecomputeAll(doc);
  Entry(line, 10);  // 0.01 rad counter-clockwise per tick
  Ticks(3);
  EXPECT_DOUBLE_EQ(line->value[0], 5);
  EXPECT_DOUBLE_EQ(line->value[1], 5);
  const double angle = std::atan2(line->value[3] - 5, line->value[2] - 5);
  EXPECT_NEAR(angle, 0.03, 1e-12);
  EXPECT_NEAR(std::hypot(line->value[2] - 5, line->value[3] - 5), 100, 1e-9);
  // A ray turns the other way when reversed.
  Element* ray = Add(doc, kRayThroughPoint, {centre}, {5, 5, 5, 6});
  RecomputeAll(doc);
  Entry(ray, 20, 1);
  Ticks(1);
  EXPECT_NEAR(std::atan2(ray->value[3] - 5, ray->value[2] - 5), kPi / 2 - 0.04, 1e-12);
}

TEST_F(Animate, CircleRadiusBreathesBetweenZeroAndItsReach) {
  Element* c = AddPoint(doc, 10, 0);
  Element* circle = Add(doc, kCircleCentre, {c}, {10, 0, 10, 50});
  RecomputeAll(doc);
  Animation& a = Entry(circle, 10);
  Ticks(2);
  EXPECT_DOUBLE_EQ(circle->value[3], 52);
  circle->value[3] = 998.5;
  Ticks(1);
  EXPECT_DOUBLE_EQ(circle->value[3], 999);
  EXPECT_EQ(a.reversed, 1);
  circle->value[3] = 0.5;
  Ticks(1);
  // At radius 0 the circle keeps its point a hair above the centre.
  EXPECT_NEAR(circle->value[3], 0.0001, 1e-12);
  EXPECT_EQ(a.reversed, 0);
  EXPECT_TRUE(std::isfinite(circle->value[2]));
}

TEST_F(Animate, ParameterSweepsItsRangeAndBouncesAtItsLimits) {
  Element* k = Add(doc, kParameter, {});
  k->value[0] = 9.9;
  k->as<ParameterExt>()->minimum = -10;
  k->as<ParameterExt>()->maximum = 10;
  Animation& a = Entry(k, 10);  // 20/999 per tick
  Ticks(1);
  EXPECT_NEAR(k->value[0], 9.9 + 20.0 / 999, 1e-12);
  Ticks(4);
  EXPECT_DOUBLE_EQ(k->value[0], 10);
  EXPECT_EQ(a.reversed, 1);
  k->value[0] = -9.99;
  Ticks(1);
  EXPECT_DOUBLE_EQ(k->value[0], -10);
  EXPECT_EQ(a.reversed, 0);
  // A value outside the limits comes back to the limit it passed.
  k->value[0] = 50;
  Ticks(1);
  EXPECT_DOUBLE_EQ(k->value[0], 10);
}

TEST_F(Animate, NothingToMoveAlongLeavesElementsStill) {
  // A segment of length 0, a circle of radius 0, a parameter with equal limits.
  Element* a = AddPoint(doc, 3, 3);
  Element* seg = Add(doc, kSegment, {a, a});
  seg->exists = 1;
  seg->value = {3, 3, 3, 3};
  Element* p = Add(doc, kPointOnElement, {seg}, {3, 3, 0, 0.5});
  Element* k = Add(doc, kParameter, {});
  k->value[0] = 4;
  k->as<ParameterExt>()->minimum = 4;
  k->as<ParameterExt>()->maximum = 4;
  Animation e1{p, 1, 0, 100}, e2{k, 1, 0, 100};
  AdvanceEntry(e1);
  AdvanceEntry(e2);
  EXPECT_EQ(p->value[3], 0.5);
  EXPECT_EQ(k->value[0], 4);
  EXPECT_EQ(e1.reversed, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {a, a});
  circle->value = {3, 3, 3, 3};
  Element* q = Add(doc, kPointOnElement, {circle}, {3, 3, 0, 1});
  Animation e3{q, 1, 0, 100};
  AdvanceEntry(e3);
  EXPECT_EQ(q->value[3], 1);
}

TEST_F(Animate, TickMovesPlayingEntriesAndTheirDependents) {
  Element* seg = Add(doc, kSegment, {AddPoint(doc, 0, 0), AddPoint(doc, 100, 0)});
  Element* p = On(seg, 0.5);
  Element* q = On(seg, 0.2);
  Element* still = On(seg, 0.7);
  Element* mid = Add(doc, kMidpoint, {p, AddPoint(doc, 0, 40)});
  RecomputeAll(doc);
  Entry(p, 10);
  Entry(q, 10).playing = 0;
  Entry(still, 0);
  doc.modified = 0;
  Ticks(3);
  EXPECT_NEAR(p->x(), 53, 1e-9);
  EXPECT_NEAR(mid->x(), 26.5, 1e-9);
  EXPECT_NEAR(mid->y(), 20, 1e-9);
  EXPECT_DOUBLE_EQ(q->value[3], 0.2);
  EXPECT_DOUBLE_EQ(still->value[3], 0.7);
  EXPECT_EQ(doc.modified, 1);
  // An element that does not exist is not moved.
  p->exists = 0;
  const double before = p->value[3];
  AdvanceEntry(doc.figure->animations[0]);
  EXPECT_EQ(p->value[3], before);
}

TEST_F(Animate, EmptyListTicksDoNothing) {
  doc.modified = 0;
  EXPECT_FALSE(AnimationTick(doc));
  EXPECT_EQ(doc.modified, 0);
}

TEST_F(Animate, ToggleAddsRemovesAndStopsAtAHundred) {
  Element* k = Add(doc, kParameter, {}, {1, 0, 0, 0});
  Figure& f = *doc.figure;
  EXPECT_EQ(ToggleAnimation(f, *k), AnimationToggle::Added);
  ASSERT_EQ(f.animations.size(), 1u);
  EXPECT_EQ(f.animations[0].playing, 1);
  EXPECT_EQ(f.animations[0].reversed, 1);
  EXPECT_EQ(f.animations[0].speed, 15);
  EXPECT_EQ(ToggleAnimation(f, *k), AnimationToggle::Removed);
  EXPECT_TRUE(f.animations.empty());
  for (int i = 0; i < kMaxAnimations; ++i)
    ToggleAnimation(f, *Add(doc, kParameter, {}, {double(i), 0, 0, 0}));
  EXPECT_EQ(ToggleAnimation(f, *k), AnimationToggle::Full);
  EXPECT_EQ(static_cast<int>(f.animations.size()), kMaxAnimations);
}

TEST_F(Animate, PruneDropsWhatCannotBeAnimated) {
  Element* k = Add(doc, kParameter, {}, {1, 0, 0, 0});
  Element* free = AddPoint(doc, 0, 0);
  doc.figure->animations = {{k}, {free}, {nullptr}};
  EXPECT_EQ(PruneAnimations(*doc.figure), 2);
  ASSERT_EQ(doc.figure->animations.size(), 1u);
  EXPECT_EQ(doc.figure->animations[0].element, k);
  EXPECT_TRUE(IsAnimatable(*k));
  EXPECT_FALSE(IsAnimatable(*free));
}

}  // namespace
}  // namespace velt
