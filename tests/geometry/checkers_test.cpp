// The property checkers at and across their tolerances.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

void Move(Element* p, double x, double y) {
  p->value[0] = x;
  p->value[1] = y;
}

TEST(Checkers, ParallelAndPerpendicular) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 10, 5);
  Element *c = AddPoint(doc, 0, 3), *d = AddPoint(doc, 20, 13);
  Element* l1 = Add(doc, kLineTwoPoints, {a, b});
  Element* l2 = Add(doc, kSegment, {c, d});
  Element* parallel = Add(doc, kCheckParallel, {l1, l2});
  Element* perpendicular = Add(doc, kCheckPerpendicular, {l1, l2});
  RecomputeAll(doc);
  EXPECT_EQ(parallel->attr1, 1);
  EXPECT_EQ(perpendicular->attr1, 0);
  Move(d, -10, 23);  // direction (-10, 20) is perpendicular to (10, 5)
  RecomputeAll(doc);
  EXPECT_EQ(parallel->attr1, 0);
  EXPECT_EQ(perpendicular->attr1, 1);
  // Both vertical: parallel.
  Move(b, 0, 7);
  Move(d, 0.0, 9);
  Move(c, 0.0, 1);
  RecomputeAll(doc);
  EXPECT_EQ(parallel->attr1, 1);
  EXPECT_EQ(parallel->exists, 1);
  // A parent that does not exist makes the checker not exist.
  Move(d, 0, 1);
  RecomputeAll(doc);
  EXPECT_EQ(l2->exists, 0);
  EXPECT_EQ(parallel->exists, 0);
}

TEST(Checkers, EquidistantAtItsTolerance) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 3, 4), *c = AddPoint(doc, 5, 0);
  Element* check = Add(doc, kCheckEquidistant, {a, b, c});
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 1);
  Move(c, 5.00009, 0);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 1);
  Move(c, 5.00011, 0);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 0);
  Move(c, 4.99989, 0);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 0);
}

TEST(Checkers, AlignedDependsOnTheSpacing) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 100, 0.001), *c = AddPoint(doc, 200, 0);
  Element* check = Add(doc, kCheckAligned, {a, b, c});
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 1);  // the angle at B is about 0.00002 off pi
  Move(b, 1, 0.001);
  Move(c, 2, 0);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 0);  // about 0.002 off
  // B between A and C or beyond C: an angle of pi or of 0 at B.
  Move(b, 1, 0);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 1);
  Move(b, 3, 0);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 1);
  // Two coinciding points are always aligned with any third.
  Move(b, 0.00009, 40);
  Move(a, 0, 40);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 1);
  Move(b, 0.00011, 40);
  RecomputeAll(doc);
  EXPECT_EQ(check->attr1, 0);
}

TEST(Checkers, MembershipBySecondParentType) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 10, 0);
  Element* p = AddPoint(doc, 5, 0);
  Element* segment = Add(doc, kSegment, {a, b});
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* ray = Add(doc, kRayTwoPoints, {a, b});
  Element* onSegment = Add(doc, kCheckOn, {p, segment});
  Element* onLine = Add(doc, kCheckOn, {p, line});
  Element* onRay = Add(doc, kCheckOn, {p, ray});
  RecomputeAll(doc);
  EXPECT_EQ(onSegment->attr1, 1);
  EXPECT_EQ(onLine->attr1, 1);
  EXPECT_EQ(onRay->attr1, 1);
  Move(p, 12, 0);  // on the extension beyond B
  RecomputeAll(doc);
  EXPECT_EQ(onSegment->attr1, 0);
  EXPECT_EQ(onLine->attr1, 1);
  EXPECT_EQ(onRay->attr1, 1);
  Move(p, -2, 0);  // behind the ray's origin
  RecomputeAll(doc);
  EXPECT_EQ(onSegment->attr1, 0);
  EXPECT_EQ(onLine->attr1, 1);
  EXPECT_EQ(onRay->attr1, 0);
  Move(p, 5, 0.00009);  // just within the line tolerance
  RecomputeAll(doc);
  EXPECT_EQ(onLine->attr1, 1);
  Move(p, 5, 0.00011);
  RecomputeAll(doc);
  EXPECT_EQ(onLine->attr1, 0);
}

TEST(Checkers, MembershipOfCirclesArcsAndConics) {
  Document doc;
  Element *c = AddPoint(doc, 0, 0), *q = AddPoint(doc, 5, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {c, q});
  Element *p1 = AddPoint(doc, 5, 0), *p2 = AddPoint(doc, 0, 5), *p3 = AddPoint(doc, -5, 0);
  Element* arc = Add(doc, kArc, {p1, p2, p3});  // the upper half
  Element* p = AddPoint(doc, 3, 4);
  Element* onCircle = Add(doc, kCheckOn, {p, circle});
  Element* onArc = Add(doc, kCheckOn, {p, arc});
  // The conic x² + y² = 25 through five of its points.
  Element *k1 = AddPoint(doc, 5, 0), *k2 = AddPoint(doc, 0, 5), *k3 = AddPoint(doc, -5, 0),
          *k4 = AddPoint(doc, 0, -5), *k5 = AddPoint(doc, 3, -4);
  Element* conic = AddWithPicks(doc, kConic, {k1, k2, k3, k4, k5});
  Element* onConic = Add(doc, kCheckOn, {p, conic});
  RecomputeAll(doc);
  EXPECT_EQ(onCircle->attr1, 1);
  EXPECT_EQ(onArc->attr1, 1);
  EXPECT_EQ(onConic->attr1, 1);
  Move(p, 3, -4);  // on the circle, not on the upper arc
  RecomputeAll(doc);
  EXPECT_EQ(onCircle->attr1, 1);
  EXPECT_EQ(onArc->attr1, 0);
  EXPECT_EQ(onConic->attr1, 1);
  Move(p, 0, 5.00009);
  RecomputeAll(doc);
  EXPECT_EQ(onCircle->attr1, 1);
  Move(p, 0, 5.00011);
  RecomputeAll(doc);
  EXPECT_EQ(onCircle->attr1, 0);
  EXPECT_EQ(onArc->attr1, 0);
  EXPECT_EQ(onConic->attr1, 0);
  // Another type leaves the answer as it was.
  Element* axes = Add(doc, kAxes, {c});
  Element* onAxes = Add(doc, kCheckOn, {p, axes});
  onAxes->attr1 = 7;
  RecomputeAll(doc);
  EXPECT_EQ(onAxes->attr1, 7);
  EXPECT_EQ(onAxes->exists, 1);
}

}  // namespace
}  // namespace velt
