// Measurements against independent formulas on random figures, in every length and angle
// unit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

// Centimetres per user unit, written out by hand: mm, cm, m, km.
constexpr double kPerCentimetre[] = {10.0, 1.0, 1.0 / 100, 1.0 / 100000};
// User units per radian: RAD, DEG, GRA.
constexpr double kPerRadian[] = {1.0, 180.0 / kPi, 200.0 / kPi};

void Move(Element* p, double x, double y) {
  p->value[0] = x;
  p->value[1] = y;
}

double Near(double expected) { return 1e-9 * std::max(1.0, std::fabs(expected)); }

// Measures below 1e-8 are shown as exactly 0.
double Clamped(double v) { return std::fabs(v) < 1e-8 ? 0 : v; }

// Twice the signed area of the triangle abc.
double Cross(const Element* a, const Element* b, const Element* c) {
  return (b->x() - a->x()) * (c->y() - a->y()) - (b->y() - a->y()) * (c->x() - a->x());
}

TEST(Measures, LengthsInEveryUnitOnRandomFigures) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> u(-300, 300), scale(0.5, 120);
  for (int unit = 0; unit < 4; ++unit) {
    Document doc;
    doc.lengthUnit = unit;
    Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 1, 1), *c = AddPoint(doc, 2, 5);
    Element* line = Add(doc, kLineTwoPoints, {b, c});
    Element* segment = Add(doc, kSegment, {a, b});
    Element* circle = Add(doc, kCircleCentrePoint, {a, c});
    Element* triangle = AddWithPicks(doc, kPolygon, {a, b, c, nullptr});
    Element* dAB = Add(doc, kDistancePointPoint, {a, b});
    Element* dAline = Add(doc, kDistancePointLine, {a, line});
    Element* lSeg = Add(doc, kLengthSegment, {segment});
    Element* lCircle = Add(doc, kLengthCircle, {circle});
    Element* perimeter = Add(doc, kPerimeter, {triangle});
    Element* aCircle = Add(doc, kAreaCircle, {circle});
    Element* aTriangle = Add(doc, kAreaPolygon, {triangle});
    for (int i = 0; i < 300; ++i) {
      Move(a, u(rng), u(rng));
      Move(b, u(rng), u(rng));
      Move(c, u(rng), u(rng));
      doc.measureScale = scale(rng);
      RecomputeAll(doc);
      const double k = kPerCentimetre[unit] / doc.measureScale;
      const double ab = std::hypot(b->x() - a->x(), b->y() - a->y());
      const double bc = std::hypot(c->x() - b->x(), c->y() - b->y());
      const double ca = std::hypot(a->x() - c->x(), a->y() - c->y());
      ASSERT_NEAR(dAB->value[0], ab * k, Near(ab * k));
      ASSERT_NEAR(lSeg->value[0], ab * k, Near(ab * k));
      // Height from A over BC: twice the area over the base.
      const double h = std::fabs(Cross(b, c, a)) / bc;
      ASSERT_NEAR(dAline->value[0], h * k, 1e-7 * std::max(1.0, h * k));
      ASSERT_NEAR(lCircle->value[0], 2 * kPi * ca * k, Near(2 * kPi * ca * k));
      ASSERT_NEAR(perimeter->value[0], (ab + bc + ca) * k, Near((ab + bc + ca) * k));
      const double circleArea = Clamped(kPi * ca * ca * k * k);
      ASSERT_NEAR(aCircle->value[0], circleArea, Near(circleArea));
      // Heron's formula for the triangle.
      const double s = (ab + bc + ca) / 2;
      const double heron = std::sqrt(std::max(0.0, s * (s - ab) * (s - bc) * (s - ca)));
      const double triangleArea = heron * k * k;
      if (std::fabs(triangleArea) > 2e-8) {  // near the clamp the two formulas may disagree
        ASSERT_NEAR(aTriangle->value[0], triangleArea, 1e-6 * std::max(1.0, triangleArea));
      }
      for (const Element* m : {dAB, dAline, lSeg, lCircle, perimeter, aCircle, aTriangle})
        ASSERT_EQ(m->exists, 1);
    }
  }
}

TEST(Measures, ScaleAndUnitExamples) {
  Document doc;
  doc.measureScale = 40;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 40, 0);
  Element* d = Add(doc, kDistancePointPoint, {a, b});
  doc.lengthUnit = 0;
  RecomputeAll(doc);
  EXPECT_DOUBLE_EQ(d->value[0], 10);
  doc.lengthUnit = 3;
  RecomputeAll(doc);
  EXPECT_DOUBLE_EQ(d->value[0], 0.00001);
  EXPECT_EQ(d->attr3, 1);  // a length
}

TEST(Measures, RegularPolygonAreaAndTinyAreas) {
  Document doc;
  doc.measureScale = 1;
  const int n = 7;
  const double r = 50;
  std::vector<Element*> v;
  for (int i = 0; i < n; ++i)
    v.push_back(AddPoint(doc, r * std::cos(2 * kPi * i / n), r * std::sin(2 * kPi * i / n)));
  ElementTemplate t;
  t.kind = kPolygon;
  t.picks = v;
  t.picks.push_back(nullptr);
  Element* poly = MakeElementFromTemplate(doc, t, {});
  Element* area = Add(doc, kAreaPolygon, {poly});
  Element* perimeter = Add(doc, kPerimeter, {poly});
  RecomputeAll(doc);
  EXPECT_NEAR(area->value[0], n / 2.0 * r * r * std::sin(2 * kPi / n), 1e-9);
  EXPECT_NEAR(perimeter->value[0], 2 * n * r * std::sin(kPi / n), 1e-9);
  EXPECT_EQ(area->attr3, 2);
  // A triangle of 1e-9 square units shows 0.
  Element *p = AddPoint(doc, 0, 0), *q = AddPoint(doc, 1e-4, 0), *s = AddPoint(doc, 0, 2e-5);
  Element* tiny = AddWithPicks(doc, kPolygon, {p, q, s, nullptr});
  Element* tinyArea = Add(doc, kAreaPolygon, {tiny});
  RecomputeAll(doc);
  EXPECT_EQ(tinyArea->value[0], 0.0);
  EXPECT_EQ(tinyArea->exists, 1);
}

// The ccw angle from direction u to direction v in [0, 2pi), by atan2.
double CcwFrom(double ux, double uy, double vx, double vy) {
  double a = std::atan2(vy, vx) - std::atan2(uy, ux);
  while (a < 0) a += 2 * kPi;
  while (a >= 2 * kPi) a -= 2 * kPi;
  return a;
}

TEST(Measures, AnglesInEveryUnitOnRandomFigures) {
  std::mt19937 rng(23);
  std::uniform_real_distribution<double> u(-200, 200);
  for (int unit = 0; unit < 3; ++unit) {
    Document doc;
    doc.angleUnit = unit;
    Element *p1 = AddPoint(doc, 1, 0), *v = AddPoint(doc, 0, 0), *p3 = AddPoint(doc, 0, 1);
    Element* plain = Add(doc, kAngleValue, {p1, v, p3});
    Element* oriented = Add(doc, kAngleValue, {p1, v, p3}, {0, -1111, 0, 0});
    for (int i = 0; i < 500; ++i) {
      Move(p1, u(rng), u(rng));
      Move(v, u(rng), u(rng));
      Move(p3, u(rng), u(rng));
      RecomputeAll(doc);
      const double ax = p1->x() - v->x(), ay = p1->y() - v->y();
      const double bx = p3->x() - v->x(), by = p3->y() - v->y();
      const double cosine = (ax * bx + ay * by) / (std::hypot(ax, ay) * std::hypot(bx, by));
      const double unsignedAngle = std::acos(std::clamp(cosine, -1.0, 1.0));
      ASSERT_NEAR(plain->value[0], unsignedAngle * kPerRadian[unit], 1e-6);
      const double ccw = CcwFrom(ax, ay, bx, by);
      ASSERT_NEAR(oriented->value[0], ccw * kPerRadian[unit], 1e-6);
      ASSERT_EQ(plain->attr3, 3);
    }
  }
}

TEST(Measures, AngleExamplesAndDegenerateArms) {
  Document doc;
  doc.angleUnit = 1;
  Element *p1 = AddPoint(doc, 1, 0), *v = AddPoint(doc, 0, 0), *p3 = AddPoint(doc, 0, -1);
  Element* plain = Add(doc, kAngleValue, {p1, v, p3});
  Element* oriented = Add(doc, kAngleValue, {p1, v, p3}, {0, -1111, 0, 0});
  RecomputeAll(doc);
  EXPECT_NEAR(plain->value[0], 90, 1e-12);
  EXPECT_NEAR(oriented->value[0], 270, 1e-12);
  Move(p3, 0.00009, 0);  // an arm shorter than 0.0001
  RecomputeAll(doc);
  EXPECT_EQ(plain->exists, 0);
  EXPECT_EQ(oriented->exists, 0);
}

// The arc from p1 through p2 to p3: centre by the circumcentre formula and the swept angle
// from the directions of the three points.
struct ArcTruth {
  double radius, sweep;
};
ArcTruth Truth(const Element* p1, const Element* p2, const Element* p3) {
  const double ax = p1->x(), ay = p1->y(), bx = p2->x(), by = p2->y(), cx = p3->x(), cy = p3->y();
  const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
  const double ux = ((ax * ax + ay * ay) * (by - cy) + (bx * bx + by * by) * (cy - ay) +
                     (cx * cx + cy * cy) * (ay - by)) /
                    d;
  const double uy = ((ax * ax + ay * ay) * (cx - bx) + (bx * bx + by * by) * (ax - cx) +
                     (cx * cx + cy * cy) * (bx - ax)) /
                    d;
  const double to3 = CcwFrom(ax - ux, ay - uy, cx - ux, cy - uy);
  const double to2 = CcwFrom(ax - ux, ay - uy, bx - ux, by - uy);
  return {std::hypot(ax - ux, ay - uy), to2 < to3 ? to3 : 2 * kPi - to3};
}

TEST(Measures, ArcLengthAndSweepOnRandomArcs) {
  std::mt19937 rng(31);
  std::uniform_real_distribution<double> u(-200, 200), scale(1, 80);
  for (int unit = 0; unit < 4; ++unit) {
    Document doc;
    doc.lengthUnit = unit;
    doc.angleUnit = unit % 3;
    Element *p1 = AddPoint(doc, 1, 0), *p2 = AddPoint(doc, 0, 1), *p3 = AddPoint(doc, -1, 0);
    Element* arc = Add(doc, kArc, {p1, p2, p3});
    Element* length = Add(doc, kLengthArc, {arc});
    Element* sweep = Add(doc, kAngleValue, {arc});
    int measured = 0;
    for (int i = 0; i < 400; ++i) {
      Move(p1, u(rng), u(rng));
      Move(p2, u(rng), u(rng));
      Move(p3, u(rng), u(rng));
      doc.measureScale = scale(rng);
      RecomputeAll(doc);
      if (!arc->exists) continue;
      const ArcTruth t = Truth(p1, p2, p3);
      if (t.radius > 1e4) continue;  // nearly aligned: the centre is ill-conditioned
      const double expected = t.radius * t.sweep * kPerCentimetre[unit] / doc.measureScale;
      ASSERT_NEAR(length->value[0], expected, 1e-6 * std::max(1.0, expected));
      ASSERT_NEAR(sweep->value[0], t.sweep * kPerRadian[doc.angleUnit], 1e-6);
      ++measured;
    }
    EXPECT_GT(measured, 350);
  }
}

TEST(Measures, SlopeIsUndefinedForVerticalLines) {
  Document doc;
  Element *a = AddPoint(doc, 1, 1), *b = AddPoint(doc, 3, 5);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* slope = Add(doc, kSlope, {line});
  RecomputeAll(doc);
  EXPECT_EQ(slope->attr1, 100);
  EXPECT_DOUBLE_EQ(slope->value[0], 2);
  Move(b, 1, 7);
  RecomputeAll(doc);
  EXPECT_EQ(slope->attr1, -100);
  EXPECT_EQ(slope->exists, 1);
  EXPECT_TRUE(std::isfinite(slope->value[0]));
  // Nearly vertical: the quotient overflows and the slope is undefined, never infinite.
  Move(a, 0, -1e300);
  Move(b, 1e-300, 1e300);
  RecomputeAll(doc);
  EXPECT_EQ(slope->attr1, -100);
  EXPECT_TRUE(std::isfinite(slope->value[0]));
}

TEST(Measures, ProportionOfPointsAndOfSegments) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 2, 0), *c = AddPoint(doc, -1, 0);
  Element* ratio = Add(doc, kProportion, {a, b, c});
  RecomputeAll(doc);
  EXPECT_EQ(ratio->attr1, 100);
  EXPECT_DOUBLE_EQ(ratio->value[0], -2);  // B and C on opposite sides of A
  Move(c, 1, 0);
  RecomputeAll(doc);
  EXPECT_DOUBLE_EQ(ratio->value[0], 2);
  Move(c, 0, 0);
  RecomputeAll(doc);
  EXPECT_EQ(ratio->attr1, -100);
  Element *d = AddPoint(doc, 0, 3), *e = AddPoint(doc, 4, 3);
  Element* s1 = Add(doc, kSegment, {a, b});
  Element* s2 = Add(doc, kSegment, {d, e});
  Element* segments = Add(doc, kProportion, {s1, s2});
  RecomputeAll(doc);
  EXPECT_EQ(segments->attr1, 100);
  EXPECT_DOUBLE_EQ(segments->value[0], 0.5);
}

TEST(Measures, AbsurdValuesAreUndefinedNeverStored) {
  Document doc;
  Element *a = AddPoint(doc, -1e155, -1e155), *b = AddPoint(doc, 1e155, -1e155),
          *c = AddPoint(doc, 0, 1e155);
  Element* triangle = AddWithPicks(doc, kPolygon, {a, b, c, nullptr});
  Element* area = Add(doc, kAreaPolygon, {triangle});
  Element* circle = Add(doc, kCircleCentrePoint, {a, c});
  Element* circleArea = Add(doc, kAreaCircle, {circle});
  Element *p = AddPoint(doc, 0, 0), *q = AddPoint(doc, 1e150, 0);
  Element* distance = Add(doc, kDistancePointPoint, {p, q});
  RecomputeAll(doc);
  EXPECT_EQ(area->exists, 0);  // about 1e310 square units overflow
  EXPECT_EQ(circleArea->exists, 0);
  EXPECT_EQ(distance->exists, 1);
  for (const Element* m : {area, circleArea, distance}) EXPECT_TRUE(std::isfinite(m->value[0]));
  // A document whose scale is not a positive number (a damaged file) measures nothing.
  doc.measureScale = 0;
  RecomputeAll(doc);
  EXPECT_EQ(distance->exists, 0);
  EXPECT_TRUE(std::isfinite(distance->value[0]));
  doc.measureScale = std::nan("");
  RecomputeAll(doc);
  EXPECT_EQ(distance->exists, 0);
  doc.measureScale = 40;
  RecomputeAll(doc);
  EXPECT_EQ(distance->exists, 1);
  EXPECT_DOUBLE_EQ(distance->value[0], 1e150 / 40);
}

TEST(Measures, MissingParentsMakeTheMeasureNotExist) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 0, 0);
  Element* segment = Add(doc, kSegment, {a, b});  // coincident ends: no segment
  Element* length = Add(doc, kLengthSegment, {segment});
  RecomputeAll(doc);
  EXPECT_EQ(length->exists, 0);
  Move(b, 3, 4);
  RecomputeAll(doc);
  EXPECT_EQ(length->exists, 1);
  EXPECT_DOUBLE_EQ(length->value[0], 5.0 / 40);
}

}  // namespace
}  // namespace velt
