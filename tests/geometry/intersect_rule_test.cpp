#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

#include "geometry/intersect_conic.h"
#include "geometry/intersect_straight.h"
#include "geometry/intersection_codes.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

constexpr double kPi = std::numbers::pi;

// A figure of free points and the elements through them, kept in step by hand where the
// element's own rule may be missing, with intersection points made as the tools make them.
struct Figure {
  Document doc;

  Element* Point(double x, double y) { return test::AddPoint(doc, x, y); }
  // A line, ray, segment, vector or circle (centre, point) through two points.
  Element* Through(int32_t kind, Element* p, Element* q) {
    Element* e = test::Add(doc, kind, {p, q});
    Sync(*e);
    return e;
  }
  // The arc from p1 through p2 to p3 with the centre computed by hand.
  Element* Arc(Element* p1, Element* p2, Element* p3, Pt centre) {
    Element* e = test::Add(doc, kArc, {p1, p2, p3}, {centre.x, centre.y, p2->x(), p2->y()});
    return e;
  }
  // The conic through five of its points, found alternately on horizontal and vertical
  // lines; the conic's own rule fits it again (to a multiple of k) and finds its class.
  Element* Conic(const SixCoefficients& k, int32_t conicClass = 1) {
    std::vector<Element*> pts;
    for (int i = 1; pts.size() < 5 && i < 40; ++i) {
      const double v = i / 2.0;
      const CurveHits h = i % 2 ? LineConic({0, v}, {1, v}, k) : LineConic({v, 0}, {v, 1}, k);
      for (int j = 0; j < h.count && pts.size() < 5; ++j)
        pts.push_back(Point(h.point[j].x, h.point[j].y));
    }
    EXPECT_EQ(pts.size(), 5u);
    Element* e = test::AddWithPicks(doc, kConic, {pts[0], pts[1], pts[2], pts[3], pts[4]});
    RecomputeElement(*e, {&doc});
    EXPECT_EQ(e->exists, 1);
    EXPECT_EQ(e->as<ConicExt>()->data.conicClass, conicClass);
    return e;
  }
  // The intersection point of solution s as the tool makes it.
  Element* Cut(Element* first, Element* second, int s, int32_t attr2 = 0) {
    const auto plan = ClassifyIntersection(first->type(), second->type(), s);
    EXPECT_TRUE(plan);
    ElementTemplate t;
    t.kind = kIntersection;
    t.parent = {plan->swapped ? second : first, plan->swapped ? first : second, nullptr};
    t.attr1 = plan->code;
    Element* e = MakeElementFromTemplate(doc, t, {});
    e->attr2 = attr2;
    RecomputeElement(*e, {&doc});
    return e;
  }
  void Move(Element* p, double x, double y) {
    p->x() = x;
    p->y() = y;
    for (auto& e : doc.elements()) {
      Sync(*e);
      RecomputeElement(*e, {&doc});
    }
  }
  static void Sync(Element& e) {
    static const int32_t kTwoPointKinds[] = {kLineTwoPoints, kRayTwoPoints, kSegment, kVector,
                                             kCircleCentrePoint};
    for (int32_t k : kTwoPointKinds)
      if (e.kind == k)
        e.value = {e.parent[0]->x(), e.parent[0]->y(), e.parent[1]->x(), e.parent[1]->y()};
  }
};

Pt At(const Element* e) { return {e->x(), e->y()}; }

void ExpectAt(const Element* e, double x, double y, double tol = 1e-9) {
  ASSERT_EQ(e->exists, 1);
  EXPECT_NEAR(e->x(), x, tol);
  EXPECT_NEAR(e->y(), y, tol);
}

// The circle about (cx, cy) through (cx + r, cy).
Element* Circle(Figure& f, double cx, double cy, double r) {
  return f.Through(kCircleCentrePoint, f.Point(cx, cy), f.Point(cx + r, cy));
}
Element* Line(Figure& f, double ax, double ay, double bx, double by,
              int32_t kind = kLineTwoPoints) {
  return f.Through(kind, f.Point(ax, ay), f.Point(bx, by));
}

TEST(IntersectionRule, StraightPairs) {
  Figure f;
  Element* l1 = Line(f, 0, 0, 1, 1);
  Element* l2 = Line(f, 0, 1, 1, 2);
  EXPECT_EQ(f.Cut(l1, l2, 0)->exists, 0);  // parallel
  Element* v1 = Line(f, 2, 0, 2, 5);
  Element* v2 = Line(f, 7, -1, 7, 3);
  EXPECT_EQ(f.Cut(v1, v2, 0)->exists, 0);  // both vertical
  ExpectAt(f.Cut(l1, v1, 0), 2, 2);
  Element* seg = Line(f, 3, 0, 3, 2, kSegment);  // reaches y = x only at (3, 3) if longer
  EXPECT_EQ(f.Cut(seg, l1, 0)->exists, 0);
  Element* ray = Line(f, 0, 4, 1, 4, kRayTwoPoints);
  ExpectAt(f.Cut(l1, ray, 0), 4, 4);
  Element* back = Line(f, 0, 4, -1, 4, kRayTwoPoints);  // (4, 4) is behind its origin
  EXPECT_EQ(f.Cut(back, l1, 0)->exists, 0);
}

TEST(IntersectionRule, LineThroughTheCentreAndTheSwapOfItsPoints) {
  Figure f;
  Element* c = Circle(f, 0, 0, 5);
  Element* a = f.Point(-10, 0);
  Element* b = f.Point(10, 0);
  Element* line = f.Through(kLineTwoPoints, a, b);
  Element* first = f.Cut(c, line, 0);
  Element* second = f.Cut(line, c, 1);
  EXPECT_EQ(first->attr1, 6);
  EXPECT_EQ(second->attr1, 7);
  EXPECT_EQ(second->parent[0], c);
  ExpectAt(first, 5, 0);
  ExpectAt(second, -5, 0);
  f.Move(a, 10, 1e-300);
  f.Move(b, -10, 0);
  ExpectAt(first, -5, 0);
  ExpectAt(second, 5, 0);
}

TEST(IntersectionRule, TangentServesBothCodesButNotACandidate) {
  Figure f;
  Element* c = Circle(f, 0, 0, 5);
  Element* line = Line(f, -10, 5.00005, 10, 5.00005);
  ExpectAt(f.Cut(c, line, 0), 0, 5.00005);
  ExpectAt(f.Cut(c, line, 1), 0, 5.00005);
  EXPECT_EQ(f.Cut(c, line, 1, 111)->exists, 0);
  EXPECT_EQ(f.Cut(c, line, 0, 111)->exists, 1);
}

TEST(IntersectionRule, SegmentAndRayKeepTheirValidSolution) {
  Figure f;
  Element* c = Circle(f, 0, 0, 5);
  Element* seg = Line(f, -20, 0, -5.0005, 0, kSegment);  // only (-5, 0), the second solution
  ExpectAt(f.Cut(c, seg, 1), -5, 0);
  ExpectAt(f.Cut(c, seg, 0), -5, 0);  // the even code falls back to it
  EXPECT_EQ(f.Cut(c, seg, 0, 111)->exists, 0);
  Element* shortSeg = Line(f, -20, 0, -5.005, 0, kSegment);
  EXPECT_EQ(f.Cut(c, shortSeg, 0)->exists, 0);
  EXPECT_EQ(f.Cut(c, shortSeg, 1)->exists, 0);
  Element* ray = Line(f, 0, 0, 1, 0, kRayTwoPoints);  // (-5, 0) is behind the origin
  ExpectAt(f.Cut(c, ray, 0), 5, 0);
  ExpectAt(f.Cut(c, ray, 1), 5, 0);
  EXPECT_EQ(f.Cut(c, ray, 1, 111)->exists, 0);
}

// The same point recomputed for a view of the given pixels per world unit.
int32_t ExistsAtScale(Figure& f, Element* x, double scale) {
  RuleContext ctx{&f.doc};
  ctx.viewScale = scale;
  RecomputeElement(*x, ctx);
  return x->exists;
}

TEST(IntersectionRule, SegmentAndRayTolerancesFollowTheViewScale) {
  Figure f;
  // A segment 0.0005 short of the circle meets it within 0.001 x scale: on the main view and
  // on a printer of ten pixels a unit, not on a thumbnail of a tenth of a pixel a unit.
  Element* c = Circle(f, 0, 0, 5);
  Element* seg = Line(f, -20, 0, -5.0005, 0, kSegment);
  Element* x = f.Cut(c, seg, 1);
  EXPECT_EQ(ExistsAtScale(f, x, 1), 1);
  EXPECT_EQ(ExistsAtScale(f, x, 0.1), 0);
  EXPECT_EQ(ExistsAtScale(f, x, 10), 1);
  // 0.005 short: only where the tolerance is 0.01 or more.
  Element* farther = f.Cut(c, Line(f, -20, 0, -5.005, 0, kSegment), 1);
  EXPECT_EQ(ExistsAtScale(f, farther, 1), 0);
  EXPECT_EQ(ExistsAtScale(f, farther, 10), 1);
  EXPECT_NEAR(farther->x(), -5, 1e-12);

  // Straight pairs: a segment 0.00005 short of a line, within 0.0001 x scale.
  Element* line = Line(f, 2, -1, 2, 1);
  Element* shortSeg = Line(f, 0, 0, 1.99995, 0, kSegment);
  Element* y = f.Cut(line, shortSeg, 0);
  EXPECT_EQ(ExistsAtScale(f, y, 1), 1);
  EXPECT_EQ(ExistsAtScale(f, y, 0.1), 0);
  // A line 0.00005 behind a ray's origin still meets the ray on the main view only.
  Element* ray = Line(f, 0, 5, 1, 5, kRayTwoPoints);
  Element* behind = Line(f, -0.00005, 0, -0.00005, 10);
  Element* z = f.Cut(behind, ray, 0);
  EXPECT_EQ(ExistsAtScale(f, z, 1), 1);
  EXPECT_NEAR(z->y(), 5, 1e-12);
  EXPECT_EQ(ExistsAtScale(f, z, 0.1), 0);
}

TEST(IntersectionRule, TheOtherCommonPointOfACircleAndALineThroughItsPoint) {
  Figure f;
  Element* centre = f.Point(0, 0);
  Element* k = f.Point(5, 0);
  Element* circle = f.Through(kCircleCentrePoint, centre, k);
  Element* p = f.Point(0, 5);
  Element* line = f.Through(kLineTwoPoints, k, p);
  Element* i0 = f.Cut(circle, line, 0);
  Element* i1 = f.Cut(line, circle, 1);
  ExpectAt(i0, 0, 5);
  ExpectAt(i1, 0, 5);
  // Reversing the line's direction swaps the ordered solutions; the point stays.
  f.Move(p, 10, 5);  // line through (5, 0) and (10, 5): y = x - 5 meets the circle at (0, -5)
  ExpectAt(i0, 0, -5);
  ExpectAt(i1, 0, -5);
  // A point on the line as the common point: segment through K kept by its on-element point.
  Element* on = test::Add(f.doc, kPointOnElement, {circle}, {5, 0, 0, 0});
  on->x() = 5;
  on->y() = 0;
  Element* seg = f.Through(kSegment, on, f.Point(-5, 0.5));
  Element* i2 = f.Cut(circle, seg, 0);
  ASSERT_EQ(i2->exists, 1);
  EXPECT_GT(Distance(At(i2), {5, 0}), 1);
  EXPECT_NEAR(std::hypot(i2->x(), i2->y()), 5, 1e-9);
}

TEST(IntersectionRule, TwoCirclesAndTheirTangency) {
  Figure f;
  Element* k1 = Circle(f, 0, 0, 5);
  Element* c2 = f.Point(6, 0);
  Element* q2 = f.Point(11, 0);
  Element* k2 = f.Through(kCircleCentrePoint, c2, q2);
  Element* i12 = f.Cut(k1, k2, 0);
  Element* i13 = f.Cut(k1, k2, 1);
  ExpectAt(i12, 3, -4);
  ExpectAt(i13, 3, 4);
  f.Move(c2, 10, 0);
  f.Move(q2, 15, 0);
  ExpectAt(i12, 5, 0);
  EXPECT_EQ(i13->exists, 0);
  f.Move(c2, 11, 0);
  EXPECT_EQ(i12->exists, 0);
}

TEST(IntersectionRule, ArcsTakeOnlyPointsOnTheArc) {
  Figure f;
  // The upper half of the circle of radius 5 about the origin.
  Element* arc = f.Arc(f.Point(5, 0), f.Point(0, 5), f.Point(-5, 0), {0, 0});
  Element* vertical = Line(f, 3, -10, 3, 10);  // (3, 4) first, (3, -4) second
  EXPECT_EQ(f.Cut(arc, vertical, 0)->attr1, 14);
  ExpectAt(f.Cut(arc, vertical, 0), 3, 4);
  ExpectAt(f.Cut(arc, vertical, 1), 3, 4);
  Element* below = Line(f, -10, -3, 10, -3);
  EXPECT_EQ(f.Cut(arc, below, 0)->exists, 0);
  EXPECT_EQ(f.Cut(arc, below, 1)->exists, 0);
  // Circle about the origin with the upper half of the circle about (6, 0).
  Element* circle = Circle(f, 0, 0, 5);
  Element* arc2 = f.Arc(f.Point(11, 0), f.Point(6, 5), f.Point(1, 0), {6, 0});
  Element* i22 = f.Cut(arc2, circle, 0);
  EXPECT_EQ(i22->attr1, 22);
  EXPECT_EQ(i22->parent[0], circle);
  ExpectAt(i22, 3, 4);  // (3, -4) is off the arc
  ExpectAt(f.Cut(circle, arc2, 1), 3, 4);
  EXPECT_EQ(f.Cut(circle, arc2, 0, 111)->exists, 0);
  // Two arcs: the upper halves meet at (3, 4) only.
  ExpectAt(f.Cut(arc, arc2, 0), 3, 4);
  ExpectAt(f.Cut(arc, arc2, 1), 3, 4);
}

TEST(IntersectionRule, ConicCodes) {
  Figure f;
  Element* ellipse = f.Conic({9, 0, 25, 0, 0, -225});  // x^2/25 + y^2/9 = 1
  Element* vertical = Line(f, 3, -10, 3, 10);
  Element* i24 = f.Cut(vertical, ellipse, 0);
  EXPECT_EQ(i24->attr1, 24);
  ExpectAt(i24, 3, 2.4);
  ExpectAt(f.Cut(ellipse, vertical, 1), 3, -2.4);
  // With the circle x^2 + y^2 = 16: four points, each code its own one, all on both curves.
  Element* circle = Circle(f, 0, 0, 4);
  double seen[4][2];
  for (int s = 0; s < 4; ++s) {
    Element* p = f.Cut(circle, ellipse, s);
    EXPECT_EQ(p->attr1, 34 + s);
    ASSERT_EQ(p->exists, 1);
    EXPECT_NEAR(std::abs(p->x()), std::sqrt(175.0) / 4, 1e-9);
    EXPECT_NEAR(std::abs(p->y()), 2.25, 1e-9);
    seen[s][0] = p->x();
    seen[s][1] = p->y();
    for (int t = 0; t < s; ++t)
      EXPECT_GT(std::hypot(seen[s][0] - seen[t][0], seen[s][1] - seen[t][1]), 1);
  }
  // Only two common points with the circle about (2, 0) of radius 1 ... scaled up: (x - 10)^2
  // + y^2 = 25 meets the ellipse only near x = 5.
  Element* offset = Circle(f, 10, 0, 5);
  EXPECT_EQ(f.Cut(ellipse, offset, 0)->exists, 1);
  EXPECT_EQ(f.Cut(ellipse, offset, 2)->exists, 0);
  // The same conic twice.
  Element* twin = f.Conic({9, 0, 25, 0, 0, -225});
  for (int s = 0; s < 4; ++s) EXPECT_EQ(f.Cut(ellipse, twin, s)->exists, 0);
}

TEST(IntersectionRule, LinePairConicsAreCutThroughTheirLines) {
  Figure f;
  // xy = 0: the axes, drawn through the samples S0 S1 (y = 0) and S2 S3 (x = 0).
  Element* pair = f.Conic({0, 1, 0, 0, 0, 0}, 4);
  ConicData& d = pair->as<ConicExt>()->data;
  d.sx = {-10000, 10000, 0, 0};
  d.sy = {0, 0, -10000, 10000};
  Element* line = Line(f, -3, -2, 0, 1);  // y = x + 1, going up
  ExpectAt(f.Cut(pair, line, 0), 0, 1);
  ExpectAt(f.Cut(pair, line, 1), -1, 0);
  Element* circle = Circle(f, 0, 0, 2);
  int found = 0;
  for (int s = 0; s < 4; ++s) {
    Element* p = f.Cut(pair, circle, s);
    if (!p->exists) continue;
    ++found;
    EXPECT_NEAR(std::hypot(p->x(), p->y()), 2, 1e-9);
    EXPECT_NEAR(p->x() * p->y(), 0, 1e-9);
  }
  EXPECT_EQ(found, 4);
}

TEST(IntersectionRule, NonFiniteValuesNeverGiveAnExistingPoint) {
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(), 1e308};
  for (double v : bad) {
    Figure f;
    Element* c = Circle(f, 0, 0, 5);
    Element* a = f.Point(-10, 1);
    Element* line = f.Through(kLineTwoPoints, a, f.Point(10, 1));
    Element* other = Circle(f, 3, 0, 5);
    Element* ellipse = f.Conic({9, 0, 25, 0, 0, -225});
    Element* pts[] = {f.Cut(c, line, 0),       f.Cut(c, line, 1),    f.Cut(c, other, 0),
                      f.Cut(ellipse, line, 0), f.Cut(ellipse, c, 0), f.Cut(line, line, 0)};
    f.Move(a, v, 1);
    ellipse->as<ConicExt>()->data.d = v;
    other->value[2] = v;
    for (Element* p : pts) RecomputeElement(*p, {&f.doc});
    for (Element* p : pts) {
      if (p->exists) {
        EXPECT_TRUE(std::isfinite(p->x()) && std::isfinite(p->y())) << v;
      }
    }
    EXPECT_EQ(pts[0]->exists, std::isfinite(v) ? pts[0]->exists : 0) << v;
    EXPECT_EQ(pts[4]->exists, std::isfinite(v) ? pts[4]->exists : 0) << v;
  }
}

TEST(IntersectionRule, ArbitraryValuesNeverStoreANonFinitePoint) {
  // Every code against parents with values drawn from ordinary, huge, tiny and non-finite
  // numbers: the rule never crashes, and an existing point is always finite.
  const double specials[] = {0,
                             1,
                             -1,
                             1e-9,
                             1e9,
                             1e150,
                             -1e300,
                             1e308,
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> pick(0, 2 * int(std::size(specials)));
  std::uniform_real_distribution<double> ordinary(-20, 20);
  auto value = [&] {
    const int i = pick(rng);
    return i < int(std::size(specials)) ? specials[i] : ordinary(rng);
  };
  const int32_t kinds[] = {kLineTwoPoints,     kRayTwoPoints, kSegment,
                           kCircleCentrePoint, kArc,          kConic};
  int existing = 0;
  for (int32_t ka : kinds)
    for (int32_t kb : kinds) {
      Figure f;
      auto make = [&](int32_t kind) {
        Element* p[5];
        for (auto*& q : p) q = f.Point(0, 0);
        Element* e = kind == kConic
                         ? test::AddWithPicks(f.doc, kConic, {p[0], p[1], p[2], p[3], p[4]})
                         : test::Add(f.doc, kind, {p[0], p[1], p[2]});
        return std::pair{e, std::array<Element*, 3>{p[0], p[1], p[2]}};
      };
      auto [a, aPoints] = make(ka);
      auto [b, bPoints] = make(kb);
      std::vector<Element*> cuts;
      for (int s = 0; s < IntersectionSolutionCount(a->type(), b->type()); ++s)
        cuts.push_back(f.Cut(a, b, s, s % 2 ? 111 : 0));
      for (int trial = 0; trial < 300; ++trial) {
        for (Element* e : {a, b}) {
          for (double& v : e->value) v = value();
          if (auto* c = e->as<ConicExt>()) {
            ConicData& d = c->data;
            d.a = value(), d.b = value(), d.c = value(), d.d = value(), d.e = value();
            d.f = value();
            d.conicClass = trial % 6;
            d.sx = {value(), value(), value(), value()};
            d.sy = {value(), value(), value(), value()};
          }
        }
        for (auto* pts : {&aPoints, &bPoints})
          for (Element* q : *pts) q->value = {value(), value(), 0, 0};
        for (Element* c : cuts) {
          c->exists = 1;
          RecomputeElement(*c, {&f.doc});
          if (!c->exists) continue;
          ++existing;
          ASSERT_TRUE(std::isfinite(c->x()) && std::isfinite(c->y()))
              << "code " << c->attr1 << " trial " << trial;
        }
      }
    }
  EXPECT_GT(existing, 1000);  // ordinary values do meet now and then
}

// ---- identity under motion ---------------------------------------------------

double OffLine(Pt p, const Element* l) {
  const Pt a{l->value[0], l->value[1]}, b{l->value[2], l->value[3]};
  return std::abs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / Distance(a, b);
}
double OffCircle(Pt p, const Element* c) {
  const Pt o{c->value[0], c->value[1]};
  return std::abs(Distance(p, o) - Distance(o, {c->value[2], c->value[3]}));
}

TEST(IntersectionMotion, LineTurningInsideACircle) {
  // A line through a point running round a circle of radius 3 and the fixed point (12, 7)
  // always cuts the circle of radius 5: both points stay on both parents and move smoothly
  // (the first stays the one further along the line's direction).
  Figure f;
  Element* c = Circle(f, 0, 0, 5);
  Element* a = f.Point(3, 0);
  Element* line = f.Through(kLineTwoPoints, a, f.Point(12, 7));
  Element* i0 = f.Cut(c, line, 0);
  Element* i1 = f.Cut(c, line, 1);
  Pt last0 = At(i0), last1 = At(i1);
  const int steps = 2000;
  for (int s = 1; s <= steps; ++s) {
    const double t = 2 * kPi * s / steps;
    f.Move(a, 3 * std::cos(t), 3 * std::sin(t));
    for (Element* p : {i0, i1}) {
      ASSERT_EQ(p->exists, 1) << s;
      EXPECT_LT(OffLine(At(p), line), 1e-6 * 5) << s;
      EXPECT_LT(OffCircle(At(p), c), 1e-6 * 5) << s;
    }
    const Pt dir{line->value[2] - line->value[0], line->value[3] - line->value[1]};
    EXPECT_GT((i0->x() - i1->x()) * dir.x + (i0->y() - i1->y()) * dir.y, 0) << s;
    EXPECT_LT(Distance(At(i0), last0), 0.2) << s;
    EXPECT_LT(Distance(At(i1), last1), 0.2) << s;
    last0 = At(i0);
    last1 = At(i1);
  }
}

TEST(IntersectionMotion, CircleRunningRoundAnotherKeepsItsSides) {
  Figure f;
  Element* k1 = Circle(f, 0, 0, 5);
  Element* c2 = f.Point(6, 0);
  Element* q2 = f.Point(11, 0);
  Element* k2 = f.Through(kCircleCentrePoint, c2, q2);
  Element* right = f.Cut(k1, k2, 0);
  Element* left = f.Cut(k1, k2, 1);
  Pt lastR = At(right);
  for (int s = 1; s <= 1000; ++s) {
    const double t = 2 * kPi * s / 1000;
    f.Move(c2, 6 * std::cos(t), 6 * std::sin(t));
    f.Move(q2, 6 * std::cos(t) + 5, 6 * std::sin(t));
    for (Element* p : {right, left}) {
      ASSERT_EQ(p->exists, 1);
      EXPECT_LT(OffCircle(At(p), k1), 5e-6);
      EXPECT_LT(OffCircle(At(p), k2), 5e-6);
    }
    // Right of the directed line from the first centre to the second.
    const double cross = c2->x() * right->y() - c2->y() * right->x();
    EXPECT_LT(cross, 0) << s;
    EXPECT_LT(Distance(At(right), lastR), 0.1) << s;
    lastR = At(right);
  }
}

TEST(IntersectionMotion, SecondPointOfALineThroughACirclePointNeverBecomesIt) {
  Figure f;
  Element* k = f.Point(5, 0);
  Element* circle = f.Through(kCircleCentrePoint, f.Point(0, 0), k);
  Element* p = f.Point(0, 8);
  Element* line = f.Through(kLineTwoPoints, k, p);
  Element* i0 = f.Cut(circle, line, 0);
  Element* i1 = f.Cut(circle, line, 1);
  for (int s = 1; s <= 1000; ++s) {
    const double t = 2 * kPi * s / 1000;
    f.Move(p, 5 + 8 * std::cos(t + kPi / 2), 8 * std::sin(t + kPi / 2));
    // Within 0.0001 of tangency the rules take the foot of the perpendicular from the centre.
    const bool tangent = std::abs(OffLine({0, 0}, line) - 5) < 1.0001e-4;
    for (Element* i : {i0, i1}) {
      ASSERT_EQ(i->exists, 1);
      EXPECT_LT(OffLine(At(i), line), 5e-6);
      // Near tangency the foot of the perpendicular is taken, up to 0.0001 off the circle.
      EXPECT_LT(OffCircle(At(i), circle), tangent ? 1e-4 : 5e-6) << s;
      if (!tangent) {
        EXPECT_GT(Distance(At(i), {5, 0}), 1e-3) << s;
      }
    }
    EXPECT_LT(Distance(At(i0), At(i1)), 1e-9);
  }
}

TEST(IntersectionMotion, SegmentAndArcTurningThroughACircle) {
  // A segment from the origin to a point running round at distance 8 crosses the circle of
  // radius 5 about (2, 0) once; the arc is the upper half of the circle of radius 5 about the
  // origin. The points exist exactly when the solution they may take lies on the element.
  Figure f;
  Element* circle = Circle(f, 2, 0, 5);
  Element* arc = f.Arc(f.Point(5, 0), f.Point(0, 5), f.Point(-5, 0), {0, 0});
  Element* end = f.Point(8, 0);
  Element* seg = f.Through(kSegment, f.Point(0, 0), end);
  Element* onCircle[2] = {f.Cut(circle, seg, 0), f.Cut(circle, seg, 1)};
  Element* onArc[2] = {f.Cut(arc, seg, 0), f.Cut(arc, seg, 1)};
  for (int s = 0; s <= 1000; ++s) {
    const double t = 2 * kPi * s / 1000;
    f.Move(end, 8 * std::cos(t), 8 * std::sin(t));
    for (Element* p : onCircle) {
      ASSERT_EQ(p->exists, 1) << s;
      EXPECT_LT(OffLine(At(p), seg), 5e-6);
      EXPECT_LT(OffCircle(At(p), circle), 5e-6);
      // On the segment: in the direction of its end, within its length.
      EXPECT_GT(p->x() * std::cos(t) + p->y() * std::sin(t), 0) << s;
    }
    const bool upper = std::sin(t) >= 0;
    for (Element* p : onArc) {
      // The upper half reaches the segment when it points upwards (its ends at y = 0 count).
      if (std::abs(std::sin(t)) > 1e-9) {
        EXPECT_EQ(p->exists, upper ? 1 : 0) << s;
      }
      if (!p->exists) continue;
      EXPECT_NEAR(p->x(), 5 * std::cos(t), 1e-6) << s;
      EXPECT_NEAR(p->y(), 5 * std::sin(t), 1e-6) << s;
    }
  }
}

TEST(IntersectionMotion, CircleSlidingAcrossAnEllipse) {
  // The circle of radius 3 slides from left to right through x^2/25 + y^2/9 = 1; every point
  // that exists lies on both curves, and each code keeps its point while the number of common
  // points stays the same.
  Figure f;
  Element* ellipse = f.Conic({9, 0, 25, 0, 0, -225});
  Element* c = f.Point(-9, 0.5);
  Element* q = f.Point(-6, 0.5);
  Element* circle = f.Through(kCircleCentrePoint, c, q);
  Element* pts[4];
  for (int s = 0; s < 4; ++s) pts[s] = f.Cut(ellipse, circle, s);
  int lastCount = -1;
  Pt last[4];
  // Points are numbered counter-clockwise from the ellipse's +x direction: a point crossing it
  // renumbers them all.
  auto nearSeam = [](Pt p) { return p.x > 0 && std::abs(p.y) < 0.3; };
  bool lastNearSeam = false;
  int counted[5] = {};
  for (int s = 0; s <= 1800; ++s) {
    const double x = -9 + 18.0 * s / 1800;
    f.Move(c, x, 0.5);
    f.Move(q, x + 3, 0.5);
    int count = 0;
    for (Element* p : pts) count += p->exists;
    ++counted[count];
    bool seam = false;
    for (int i = 0; i < count; ++i) seam = seam || nearSeam(At(pts[i]));
    for (int i = 0; i < count; ++i) {
      ASSERT_EQ(pts[i]->exists, 1) << s;  // the existing points are the first codes
      const Pt p = At(pts[i]);
      EXPECT_LT(OffCircle(p, circle), 1e-5) << s;
      EXPECT_LT(std::abs(ConicValue({9, 0, 25, 0, 0, -225}, p)) / 225, 1e-6) << s;
      // Same count as before and away from the seam: no jump (steps are 0.01 long; near a
      // tangency the points move faster).
      if (count == lastCount && !seam && !lastNearSeam) {
        EXPECT_LT(Distance(p, last[i]), 0.5) << s;
      }
      last[i] = p;
    }
    lastCount = count;
    lastNearSeam = seam;
  }
  EXPECT_GT(counted[0], 0);
  EXPECT_GT(counted[2], 0);
  EXPECT_GT(counted[4], 0);
}

}  // namespace
}  // namespace velt
