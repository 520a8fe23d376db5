#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/intersection_codes.h"
#include "geometry/locus_intersections.h"
#include "geometry/locus_sampling.h"
#include "geometry/position_on_element.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

constexpr double kPi = std::numbers::pi;

const SampleExt& Samples(const Element* locus) { return *locus->as<SampleExt>(); }

Element* AddLocus(Document& doc, Element* traced, Element* driver, int32_t n) {
  Element* l = Add(doc, kLocus, {traced, driver});
  l->as<SampleExt>()->sampleCount = n;
  RecomputeAll(doc);
  return l;
}

Element* AddParameter(Document& doc, double value, double lo, double hi) {
  Element* p = Add(doc, kParameter, {});
  p->value[0] = value;
  auto* x = p->as<ParameterExt>();
  x->minimum = lo;
  x->maximum = hi;
  return p;
}

// The figure of the classic example: P runs on a circle about C, M is the midpoint of a
// fixed O and P.
struct MidpointFigure {
  Document doc;
  Element *o, *c, *circle, *p, *m;
  MidpointFigure() {
    o = AddPoint(doc, 10, 20);
    c = AddPoint(doc, 100, 50);
    Element* rim = AddPoint(doc, 160, 50);
    circle = Add(doc, kCircleCentrePoint, {c, rim});
    p = Add(doc, kPointOnElement, {circle}, {0, 0, 0, 0.3});
    m = Add(doc, kMidpoint, {o, p});
    RecomputeAll(doc);
  }
};

TEST(LocusSampling, MidpointOfAPointOnACircleIsACircleOfHalfTheRadius) {
  MidpointFigure f;
  Element* locus = AddLocus(f.doc, f.m, f.p, 80);
  ASSERT_EQ(locus->exists, 1);
  EXPECT_EQ(locus->attr1, 1);  // closed: the carrier is a circle
  const SampleExt& s = Samples(locus);
  ASSERT_EQ(s.recorded, 80);
  for (int i = 0; i < 80; ++i) {
    // Centre halfway between O and C, radius 60 / 2.
    EXPECT_NEAR(std::hypot(s.x1[i] - 55, s.y1[i] - 35), 30, 1e-9) << i;
    EXPECT_NEAR(s.params[i], i * 2 * kPi / 80, 1e-12);
    EXPECT_NE(s.colours[i], kLocusGap);
  }
  // [0, 2pi) without repeating the start.
  EXPECT_NEAR(s.x1[0], 85, 1e-9);
  EXPECT_GT(std::hypot(s.x1[79] - s.x1[0], s.y1[79] - s.y1[0]), 1);
  // The driver and the traced point are back where they were.
  EXPECT_EQ(f.p->value[3], 0.3);
  EXPECT_NEAR(f.m->x(), (10 + 100 + 60 * std::cos(0.3)) / 2, 1e-9);
  EXPECT_NEAR(f.m->y(), (20 + 50 + 60 * std::sin(0.3)) / 2, 1e-9);
}

TEST(LocusSampling, FootOfAPerpendicularLiesOnTheThalesCircle) {
  // Lines through A and a point P on a circle; the foot H from F on each lies on the circle
  // with diameter AF.
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* fpt = AddPoint(doc, 80, 40);
  Element* c = AddPoint(doc, 150, -30);
  Element* rim = AddPoint(doc, 150, 20);
  Element* circle = Add(doc, kCircleCentrePoint, {c, rim});
  Element* p = Add(doc, kPointOnElement, {circle}, {0, 0, 0, 1});
  Element* line = Add(doc, kLineTwoPoints, {a, p});
  Element* perp = Add(doc, kPerpendicular, {line, fpt});
  Element* h = Add(doc, kIntersection, {line, perp});
  h->attr1 = ClassifyIntersection(kTypeLine, kTypeLine, 0)->code;
  RecomputeAll(doc);
  Element* locus = AddLocus(doc, h, p, 120);
  const SampleExt& s = Samples(locus);
  ASSERT_EQ(s.recorded, 120);
  for (int i = 0; i < 120; ++i)
    EXPECT_NEAR(std::hypot(s.x1[i] - 40, s.y1[i] - 20), std::hypot(80, 40) / 2, 1e-7) << i;
}

TEST(LocusSampling, ATracedLineRecordsAFamilyOverTheWholeSegment) {
  Document doc;
  Element* a = AddPoint(doc, -50, 0);
  Element* b = AddPoint(doc, 50, 100);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* p = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0.5});
  Element* q = AddPoint(doc, 0, -80);
  Element* line = Add(doc, kLineTwoPoints, {q, p});
  Element* locus = Add(doc, kLocus, {line, p});
  RecomputeAll(doc);
  const SampleExt& s = Samples(locus);
  // A family starts with 50 instances, from the segment's start to its end inclusive.
  ASSERT_EQ(s.sampleCount, 50);
  ASSERT_EQ(s.recorded, 50);
  for (int i = 0; i < 50; ++i) {
    const double t = i / 49.0;
    EXPECT_DOUBLE_EQ(s.x1[i], 0);
    EXPECT_DOUBLE_EQ(s.y1[i], -80);
    EXPECT_NEAR(s.x2[i], -50 + 100 * t, 1e-9);
    EXPECT_NEAR(s.y2[i], 100 * t, 1e-9);
  }
  EXPECT_EQ(s.x2[0], -50);
  EXPECT_EQ(s.x2[49], 50);
  EXPECT_EQ(locus->attr1, 0);
}

TEST(LocusSampling, InitialCountsFollowTheTracedElement) {
  MidpointFigure f;
  Element* pointLocus = Add(f.doc, kLocus, {f.m, f.p});
  EXPECT_EQ(Samples(pointLocus).sampleCount, 80);
  Element* ofLocus = Add(f.doc, kLocus, {pointLocus, f.p});
  EXPECT_EQ(Samples(ofLocus).sampleCount, 30);
  EXPECT_TRUE(IsSweptLocus(*ofLocus));
  EXPECT_FALSE(IsSweptLocus(*pointLocus));
}

TEST(LocusSampling, SpansOfLinesAndRaysFollowTheirTwoPoints) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 10, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* ray = Add(doc, kRayTwoPoints, {a, b});
  Element* onLine = Add(doc, kPointOnElement, {line}, {0, 0, 0, 0.5});
  Element* onRay = Add(doc, kPointOnElement, {ray}, {0, 0, 0, 0.5});
  Element* l1 = AddLocus(doc, onLine, onLine, 100);
  Element* l2 = AddLocus(doc, onRay, onRay, 100);
  // A line through two points 10 apart: fractions from -150 to 150 - 3: x = -1500 .. 1470.
  EXPECT_NEAR(Samples(l1).x1[0], -1500, 1e-9);
  EXPECT_NEAR(Samples(l1).x1[99], 1470, 1e-9);
  EXPECT_NEAR(Samples(l1).params[50], 0, 1e-12);
  // A ray: 0 .. 1500 - 15.
  EXPECT_NEAR(Samples(l2).x1[0], 0, 1e-12);
  EXPECT_NEAR(Samples(l2).x1[99], 1485, 1e-9);
  // A line through a point (distance parameter): -1500 .. 1470 whatever its points.
  Element* c = AddPoint(doc, 3, 4);
  Element* par = Add(doc, kParallel, {line, c});
  Element* onPar = Add(doc, kPointOnElement, {par}, {0, 0, 0, 0});
  Element* l3 = AddLocus(doc, onPar, onPar, 100);
  EXPECT_NEAR(Samples(l3).x1[0], 3 - 1500, 1e-9);
  EXPECT_NEAR(Samples(l3).params[99], 1470, 1e-9);
}

TEST(LocusSampling, PolygonAndConicCarriersAreClosed) {
  Document doc;
  Element* v1 = AddPoint(doc, 0, 0);
  Element* v2 = AddPoint(doc, 40, 0);
  Element* v3 = AddPoint(doc, 40, 40);
  Element* v4 = AddPoint(doc, 0, 40);
  Element* square = test::AddWithPicks(doc, kPolygon, {v1, v2, v3, v4});
  Element* p = Add(doc, kPointOnElement, {square}, {0, 0, 0, 0});
  Element* locus = AddLocus(doc, p, p, 8);
  EXPECT_EQ(locus->attr1, 1);
  const SampleExt& s = Samples(locus);
  ASSERT_EQ(s.recorded, 8);
  // Vertices and the midpoints of the sides, in order round the square.
  const double want[8][2] = {{0, 0},   {20, 0},  {40, 0}, {40, 20},
                             {40, 40}, {20, 40}, {0, 40}, {0, 20}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(s.x1[i], want[i][0], 1e-9) << i;
    EXPECT_NEAR(s.y1[i], want[i][1], 1e-9) << i;
  }

  // An ellipse x^2/100^2 + y^2/50^2 = 1 through five of its points.
  std::vector<Element*> five;
  for (double t : {0.1, 1.2, 2.5, 3.9, 5.1})
    five.push_back(AddPoint(doc, 100 * std::cos(t), 50 * std::sin(t)));
  Element* conic = test::AddWithPicks(doc, kConic, {five[0], five[1], five[2], five[3], five[4]});
  Element* q = Add(doc, kPointOnElement, {conic}, {0, 0, 0, 7});
  RecomputeAll(doc);
  ASSERT_EQ(q->exists, 1);
  Element* ellipse = AddLocus(doc, q, q, 60);
  EXPECT_EQ(ellipse->attr1, 1);
  const SampleExt& e = Samples(ellipse);
  ASSERT_EQ(e.recorded, 60);
  for (int i = 0; i < 60; ++i) {
    EXPECT_NEAR(std::pow(e.x1[i] / 100, 2) + std::pow(e.y1[i] / 50, 2), 1, 1e-6) << i;
    EXPECT_NEAR(e.params[i], i * 2.0, 1e-12);  // 120 / 60
  }
}

TEST(LocusSampling, GapsWhereTheTracedPointDoesNotExist) {
  // A perpendicular through P on the segment (-100,0)-(100,0) meets the circle of radius 50
  // about the origin only while |x| <= 50.
  Document doc;
  Element* a = AddPoint(doc, -100, 0);
  Element* b = AddPoint(doc, 100, 0);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* p = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0.5});
  Element* perp = Add(doc, kPerpendicular, {seg, p});
  Element* o = AddPoint(doc, 0, 0);
  Element* rim = AddPoint(doc, 50, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {o, rim});
  Element* x = Add(doc, kIntersection, {circle, perp});
  x->attr1 = ClassifyIntersection(kTypeCircle, kTypeLine, 0)->code;
  RecomputeAll(doc);
  Element* locus = AddLocus(doc, x, p, 21);
  const SampleExt& s = Samples(locus);
  ASSERT_EQ(s.recorded, 21);
  for (int i = 0; i < 21; ++i) {
    const double px = -100 + 10.0 * i;
    if (std::abs(px) > 50) {
      EXPECT_EQ(s.colours[i], kLocusGap) << i;
      EXPECT_EQ(s.x1[i], 0);
    } else {
      EXPECT_NE(s.colours[i], kLocusGap) << i;
      EXPECT_NEAR(s.x1[i], px, 1e-9);
      EXPECT_NEAR(std::hypot(s.x1[i], s.y1[i]), 50, 1e-9);
    }
  }
  // A traced line that does not exist records nothing there.
  Element* tangentish = Add(doc, kLineTwoPoints, {x, o});
  Element* family = AddLocus(doc, tangentish, p, 21);
  EXPECT_EQ(Samples(family).recorded, 11);  // |x| <= 50 only
  EXPECT_NEAR(Samples(family).x1[0], -50, 1e-9);
}

TEST(LocusSampling, ParameterDriversSweepFromMinimumToMaximum) {
  Document doc;
  Element* c = AddPoint(doc, 0, 0);
  Element* start = AddPoint(doc, 10, 0);
  Element* angle = AddParameter(doc, 0.5, 0, kPi);
  Element* turned = Add(doc, kPointRotation, {start, c, angle});
  RecomputeAll(doc);
  ASSERT_EQ(turned->exists, 1);
  Element* locus = AddLocus(doc, turned, angle, 11);
  EXPECT_EQ(locus->exists, 1);
  EXPECT_EQ(locus->attr1, 0);
  const SampleExt& s = Samples(locus);
  ASSERT_EQ(s.recorded, 11);
  for (int i = 0; i < 11; ++i) {
    EXPECT_NEAR(s.params[i], i / 10.0, 1e-12);
    EXPECT_NEAR(s.x1[i], 10 * std::cos(kPi * i / 10), 1e-9);
    EXPECT_NEAR(s.y1[i], 10 * std::sin(kPi * i / 10), 1e-9);
  }
  EXPECT_EQ(angle->value[0], 0.5);
  // Minimum equal to maximum: every sample records parameter 0.
  angle->as<ParameterExt>()->minimum = 2;
  angle->as<ParameterExt>()->maximum = 2;
  RecomputeAll(doc);
  for (int i = 0; i < 11; ++i) EXPECT_EQ(s.params[i], 0);
}

TEST(LocusSampling, OneSampleStandsAtTheStartAndCountsAreBounded) {
  Document doc;
  Element* a = AddPoint(doc, 3, 4);
  Element* b = AddPoint(doc, 13, 4);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* p = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0.5});
  Element* locus = AddLocus(doc, p, p, 1);
  const SampleExt& s = Samples(locus);
  ASSERT_EQ(s.recorded, 1);
  EXPECT_EQ(s.x1[0], 3);
  EXPECT_TRUE(std::isfinite(s.params[0]));
  locus->as<SampleExt>()->sampleCount = 2000000000;
  RecomputeAll(doc);
  EXPECT_EQ(s.sampleCount, kMaxLocusSamples);
  EXPECT_EQ(s.x1.size(), static_cast<size_t>(kMaxLocusSamples));
  ResampleLocus(doc, *locus, -5);
  EXPECT_EQ(s.sampleCount, kMinLocusSamples);
  // 80 samples on a segment: first at its start, last at its end.
  ResampleLocus(doc, *locus, 80);
  EXPECT_EQ(s.x1[0], 3);
  EXPECT_EQ(s.x1[79], 13);
}

TEST(LocusSampling, ALocusWithoutItsDriverDoesNotExist) {
  MidpointFigure f;
  Element* locus = AddLocus(f.doc, f.m, f.p, 20);
  ASSERT_EQ(locus->exists, 1);
  // The circle shrinks to nothing: the carrier does not exist, nor does the locus.
  Element* rim = f.circle->parent[1];
  f.circle->parent[1] = f.c;
  RecomputeAll(f.doc);
  ASSERT_EQ(f.circle->exists, 0);
  EXPECT_EQ(locus->exists, 0);
  f.circle->parent[1] = rim;
  RecomputeAll(f.doc);
  EXPECT_EQ(locus->exists, 1);
  locus->parent[1] = f.o;  // a free point is no driver
  RecomputeAll(f.doc);
  EXPECT_EQ(locus->exists, 0);
}

TEST(LocusCarrier, PointsOnALocusFollowItsSamples) {
  MidpointFigure f;
  Element* locus = AddLocus(f.doc, f.m, f.p, 400);
  Element* q = Add(f.doc, kPointOnElement, {locus}, {0, 0, 0, 0.25});
  RecomputeAll(f.doc);
  ASSERT_EQ(q->exists, 1);
  // A quarter of the closed polyline: a quarter turn from the start.
  EXPECT_NEAR(q->x(), 55, 1e-9);
  EXPECT_NEAR(q->y(), 65, 1e-9);
  const RuleContext ctx{&f.doc};
  const auto hit = ParameterFromPosition(*locus, PositionProbe{{55 - 40, 35}}, ctx);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->t, 0.5, 1e-9);
  EXPECT_NEAR(hit->distance, 10, 1e-3);
}

TEST(LocusIntersection, CircleLocusAgainstLinesCirclesAndLoci) {
  MidpointFigure f;
  Element* locus = AddLocus(f.doc, f.m, f.p, 80);
  Element* a = AddPoint(f.doc, 0, 35);
  Element* b = AddPoint(f.doc, 1, 35);
  Element* line = Add(f.doc, kLineTwoPoints, {a, b});
  Element* x0 = Add(f.doc, kIntersection, {locus, line});
  Element* x1 = Add(f.doc, kIntersection, {line, locus});
  Element* x2 = Add(f.doc, kIntersection, {locus, line});
  for (Element* x : {x0, x1, x2}) x->attr1 = kLocusIntersectionCode;
  x1->attr2 = 1;
  x2->attr2 = 2;
  RecomputeAll(f.doc);
  ASSERT_EQ(x0->exists, 1);
  ASSERT_EQ(x1->exists, 1);
  EXPECT_EQ(x2->exists, 0);  // a circle meets a line twice
  // The walk starts at angle 0: (85, 35) first, then (25, 35).
  EXPECT_NEAR(x0->x(), 85, 1e-3);
  EXPECT_NEAR(x0->y(), 35, 1e-9);
  EXPECT_NEAR(x1->x(), 25, 1e-3);
  // The locus keeps its own 80 samples.
  EXPECT_EQ(Samples(locus).sampleCount, 80);

  // Dragging the driver along its circle keeps the points; moving O moves them.
  f.p->value[3] = 2.0;
  RecomputeAll(f.doc);
  EXPECT_NEAR(x0->x(), 85, 1e-3);
  f.o->value[0] = 30;  // centre (65, 35)
  RecomputeAll(f.doc);
  EXPECT_NEAR(x0->x(), 95, 1e-3);
  EXPECT_NEAR(x1->x(), 35, 1e-3);

  // Against a circle of radius 30 about (65, 75): the analytic common points.
  Element* c2 = AddPoint(f.doc, 65, 75);
  Element* rim2 = AddPoint(f.doc, 95, 75);
  Element* circle2 = Add(f.doc, kCircleCentrePoint, {c2, rim2});
  RecomputeAll(f.doc);
  const auto pts = LocusCommonPoints(f.doc, *locus, *circle2);
  ASSERT_EQ(pts.size(), 2u);
  // Radical line y = 55: x = 65 +- sqrt(900 - 400).
  const double dx = std::sqrt(500.0);
  for (const Pt& p : pts) {
    EXPECT_NEAR(p.y, 55, 2e-3);
    EXPECT_NEAR(std::abs(p.x - 65), dx, 2e-3);
  }

  // Against another locus: the midpoints of C2 and P trace a circle of radius 30 about
  // ((65 + 100) / 2 ... ) — built the same way from a second fixed point.
  Element* o2 = AddPoint(f.doc, 30, 60);  // centre (65, 55), radius 30
  Element* m2 = Add(f.doc, kMidpoint, {o2, f.p});
  Element* locus2 = AddLocus(f.doc, m2, f.p, 80);
  const auto cross = LocusCommonPoints(f.doc, *locus, *locus2);
  ASSERT_EQ(cross.size(), 2u);
  // Centres (65, 35) and (65, 55), radius 30: y = 45, x = 65 +- sqrt(900 - 100).
  for (const Pt& p : cross) {
    EXPECT_NEAR(p.y, 45, 2e-3);
    EXPECT_NEAR(std::abs(p.x - 65), std::sqrt(800.0), 2e-3);
  }
}

TEST(LocusIntersection, PieceTolerancesFollowTheViewScale) {
  // M, the midpoint of O and a point P on the segment (0, 0)-(100, 0), runs from (0, 5) to
  // (50, 5). A vertical segment at x = 50.00005 misses the last piece by 0.00005: within
  // 0.0001 x scale on the main view, not on a thumbnail of a tenth of a pixel a unit.
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 100, 0);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* p = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0.5});
  Element* m = Add(doc, kMidpoint, {AddPoint(doc, 0, 10), p});
  Element* locus = AddLocus(doc, m, p, 50);
  Element* c = AddPoint(doc, 50.00005, 0);
  Element* d = AddPoint(doc, 50.00005, 10);
  Element* cross = Add(doc, kSegment, {c, d});
  Element* x = Add(doc, kIntersection, {locus, cross});
  x->attr1 = kLocusIntersectionCode;
  RecomputeAll(doc);
  ASSERT_EQ(Samples(locus).x1[49], 50);
  const auto onMain = LocusCommonPoints(doc, *locus, *cross);
  ASSERT_EQ(onMain.size(), 1u);
  EXPECT_NEAR(onMain[0].x, 50.00005, 1e-9);
  EXPECT_NEAR(onMain[0].y, 5, 1e-9);
  EXPECT_TRUE(LocusCommonPoints(doc, *locus, *cross, 0.1).empty());
  // The rule reads the scale from its context.
  ASSERT_EQ(x->exists, 1);
  RuleContext thumbnail{&doc};
  thumbnail.viewScale = 0.1;
  RecomputeElement(*x, thumbnail);
  EXPECT_EQ(x->exists, 0);
}

TEST(LocusSampling, ASweptLocusRecomputesItsInstancesForTheViewsScale) {
  // P runs on a circle; a circle K of radius 5 about P and a segment that stops 0.0005 short
  // of it (its ends are P moved by fixed vectors) move with P. The triangle traced has a
  // vertex X where they meet: every instance exists on the main view, none on a thumbnail of
  // a tenth of a pixel a unit.
  Document doc;
  Element* o = AddPoint(doc, 0, 0);
  Element* c = Add(doc, kCircleCentrePoint, {AddPoint(doc, 40, 0), AddPoint(doc, 50, 0)});
  Element* p = Add(doc, kPointOnElement, {c}, {0, 0, 0, 0.3});
  Element* k = Add(doc, kCircleRadius, {p, o, AddPoint(doc, 5, 0)});
  Element* s1 = Add(doc, kPointTranslation, {p, o, AddPoint(doc, -20, 0)});
  Element* s2 = Add(doc, kPointTranslation, {p, o, AddPoint(doc, -5.0005, 0)});
  Element* seg = Add(doc, kSegment, {s1, s2});
  Element* x = Add(doc, kIntersection, {k, seg});
  x->attr1 = ClassifyIntersection(kTypeCircle, kTypeSegment, 1)->code;
  Element* triangle = test::AddWithPicks(doc, kPolygon, {x, AddPoint(doc, 0, 30), p});
  Element* locus = AddLocus(doc, triangle, p, 12);
  ASSERT_TRUE(IsSweptLocus(*locus));
  ASSERT_EQ(x->exists, 1);
  auto instances = [&](double scale) {
    int n = 0;
    EXPECT_TRUE(SweepLocusInstances(
        doc, *locus,
        [&](const Element& t) {
          ++n;
          // The side from P starts on P's circle.
          const Element& side = *t.as<PolygonExt>()->sides[2];
          EXPECT_NEAR(std::hypot(side.value[0] - 40, side.value[1]), 10, 1e-9);
        },
        scale));
    return n;
  };
  EXPECT_EQ(instances(1), 12);
  EXPECT_EQ(instances(0.1), 0);
  EXPECT_EQ(instances(10), 12);
}

TEST(LocusIntersection, PiecesSkipGapsJumpsAndMergeShortSteps) {
  SampleExt s;
  s.recorded = 6;
  s.x1 = {0, 0.05, 1, 2, 3000, 3001};
  s.y1 = {0, 0, 0, 0, 0, 0};
  s.colours = {0, 0, 0, kLocusGap, 0, 0};
  const auto pieces = PolylinePieces(s, false, kLongLocusPiece);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].a.x, 0);  // 0 -> 0.05 is merged
  EXPECT_EQ(pieces[0].b.x, 1);
  EXPECT_EQ(pieces[1].a.x, 3000);
  // Closed: the last sample joins the first when they are near.
  s.x1 = {0, 10, 10, 0, 0, 0};
  s.y1 = {0, 0, 10, 10, 5, 1};
  s.colours.assign(6, 0);
  EXPECT_EQ(PolylinePieces(s, true, kLongLocusPiece).size(), 6u);
  EXPECT_EQ(PolylinePieces(s, false, kLongLocusPiece).size(), 5u);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(LocusDrag, ATracedPointIsDraggedThroughItsDriver) {
  MidpointFigure f;
  Element* locus = AddLocus(f.doc, f.m, f.p, 80);
  EXPECT_EQ(LocusTracing(f.doc, *f.m), locus);
  EXPECT_EQ(LocusTracing(f.doc, *f.o), nullptr);
  // Towards the point of the half-size circle at angle 2: the driver goes to angle 2.
  const Pt target{55 + 35 * std::cos(2.0), 35 + 35 * std::sin(2.0)};
  ASSERT_TRUE(DragDriverAlongLocus(f.doc, *locus, target));
  EXPECT_NEAR(f.p->value[3], 2.0, 2 * kPi / 80 / 50);
  EXPECT_NEAR(f.m->x(), 55 + 30 * std::cos(f.p->value[3]), 1e-9);
  // Past the last sample the search runs up to a full turn.
  const Pt nearStart{55 + 30 * std::cos(-0.02), 35 + 30 * std::sin(-0.02)};
  ASSERT_TRUE(DragDriverAlongLocus(f.doc, *locus, nearStart));
  EXPECT_NEAR(f.p->value[3], 2 * kPi - 0.02, 2 * kPi / 80 / 50);
}

TEST(LocusDrag, DraggingTheDriverOrTheTracedPointKeepsTheSamples) {
  MidpointFigure f;
  Element* locus = AddLocus(f.doc, f.m, f.p, 40);
  Element* second = AddLocus(f.doc, f.m, f.p, 40);
  // A mark in the first sample shows whether a recompute sampled again.
  auto stale = [&](Element* l, const RuleContext& ctx) {
    l->as<SampleExt>()->x1[0] = 12345;
    RecomputeElement(*l, ctx);
    return Samples(l).x1[0] == 12345;
  };
  EXPECT_FALSE(stale(locus, RuleContext{&f.doc}));
  EXPECT_NEAR(Samples(locus).x1[0], 85, 1e-9);
  // The driver dragged: no locus of it is sampled.
  EXPECT_TRUE(stale(locus, RuleContext{&f.doc, nullptr, f.p}));
  EXPECT_TRUE(stale(second, RuleContext{&f.doc, nullptr, f.p}));
  // The traced point dragged through the driver: only the first locus that traces it.
  EXPECT_TRUE(stale(locus, RuleContext{&f.doc, nullptr, f.m}));
  EXPECT_FALSE(stale(second, RuleContext{&f.doc, nullptr, f.m}));
  // Anything else dragged, or a selected driver, samples again.
  EXPECT_FALSE(stale(locus, RuleContext{&f.doc, nullptr, f.o}));
  f.p->selected = 1;
  EXPECT_FALSE(stale(locus, RuleContext{&f.doc, nullptr, f.p}));
  f.p->selected = 0;
  // A point on an element dragged along its own carrier is sampled again.
  Element* q = Add(f.doc, kPointOnElement, {f.circle}, {0, 0, 0, 1});
  Element* ownLocus = AddLocus(f.doc, q, f.p, 10);
  RecomputeAll(f.doc);
  EXPECT_FALSE(stale(ownLocus, RuleContext{&f.doc, nullptr, q}));
  // A traced line is sampled whatever is dragged.
  Element* line = Add(f.doc, kLineTwoPoints, {f.o, f.m});
  Element* family = AddLocus(f.doc, line, f.p, 10);
  EXPECT_FALSE(stale(family, RuleContext{&f.doc, nullptr, f.p}));
}

TEST(LocusDrag, AParameterDriverTakesItsValueFromTheFraction) {
  Document doc;
  Element* c = AddPoint(doc, 0, 0);
  Element* start = AddPoint(doc, 10, 0);
  Element* angle = AddParameter(doc, 0.5, 0, kPi);
  Element* turned = Add(doc, kPointRotation, {start, c, angle});
  RecomputeAll(doc);
  Element* locus = AddLocus(doc, turned, angle, 11);
  ASSERT_TRUE(DragDriverAlongLocus(doc, *locus, Pt{0, 20}));
  EXPECT_NEAR(angle->value[0], kPi / 2, kPi / 10 / 50);
  EXPECT_NEAR(turned->x(), 10 * std::cos(angle->value[0]), 1e-9);
}

}  // namespace
}  // namespace velt
