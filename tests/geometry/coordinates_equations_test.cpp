// Coordinates and equations against a pair of axes, with the texts they show.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "geometry/recompute.h"
#include "support/builders.h"
#include "view/label_text.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

void Move(Element* p, double x, double y) {
  p->value[0] = x;
  p->value[1] = y;
}

std::string TextOf(const Element* e) {
  const EquationExt* q = e->as<EquationExt>();
  return q ? q->text : "<no equation>";
}

struct Frame {
  Document doc;
  Element* origin;
  Element* axes;
  explicit Frame(double ox = 0, double oy = 0, double unitX = 40, double unitY = 40) {
    origin = AddPoint(doc, ox, oy);
    axes = Add(doc, kAxes, {origin});
    axes->as<AxesExt>()->xUnit = unitX;
    axes->as<AxesExt>()->yUnit = unitY;
  }
};

TEST(Coordinates, RectangularAndPolar) {
  Frame f(10, -20);
  Element* p = AddPoint(f.doc, 50, 20);  // O + (40, 40)
  Element* coords = Add(f.doc, kCoordinates, {p, f.axes});
  const CoordinatesExt& c = *coords->as<CoordinatesExt>();
  RecomputeAll(f.doc);
  EXPECT_DOUBLE_EQ(c.x->value[0], 1);
  EXPECT_DOUBLE_EQ(c.y->value[0], 1);
  EXPECT_EQ(LabelTextOf(f.doc, *coords), "(1.00;1.00)");
  coords->attr1 = -100;  // always polar
  f.doc.angleUnit = 1;
  RecomputeAll(f.doc);
  EXPECT_DOUBLE_EQ(c.x->value[0], std::sqrt(2.0));
  EXPECT_NEAR(c.y->value[0], 45, 1e-12);
  EXPECT_EQ(LabelTextOf(f.doc, *coords), "(1.41;45.00)");  // coordinates carry no unit
  // Below the x axis the angle is negative, in every unit.
  Move(p, 10, -60);
  const double expected[] = {-std::numbers::pi / 2, -90, -100};
  for (int unit = 0; unit < 3; ++unit) {
    f.doc.angleUnit = unit;
    RecomputeAll(f.doc);
    EXPECT_NEAR(c.y->value[0], expected[unit], 1e-12) << unit;
  }
  // At the origin: r = 0, theta = 0.
  Move(p, 10, -20);
  RecomputeAll(f.doc);
  EXPECT_EQ(c.x->value[0], 0);
  EXPECT_EQ(c.y->value[0], 0);
  // The document's setting decides unless the element forces a form.
  coords->attr1 = 0;
  Move(p, 10, 20);
  f.doc.coordinateSystem = 1;
  RecomputeAll(f.doc);
  EXPECT_DOUBLE_EQ(c.x->value[0], 1);  // r
  coords->attr1 = 100;
  RecomputeAll(f.doc);
  EXPECT_DOUBLE_EQ(c.x->value[0], 0);  // x
}

TEST(Coordinates, RandomPointsInScaledAxes) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> u(-300, 300), unit(5, 90);
  Frame f;
  Element* p = AddPoint(f.doc, 0, 0);
  Element* coords = Add(f.doc, kCoordinates, {p, f.axes});
  const CoordinatesExt& c = *coords->as<CoordinatesExt>();
  for (int i = 0; i < 500; ++i) {
    const double ox = u(rng), oy = u(rng), ux = unit(rng), uy = unit(rng);
    Move(f.origin, ox, oy);
    f.axes->as<AxesExt>()->xUnit = ux;
    f.axes->as<AxesExt>()->yUnit = uy;
    Move(p, u(rng), u(rng));
    coords->attr1 = 100;
    RecomputeAll(f.doc);
    const double x = (p->x() - ox) / ux, y = (p->y() - oy) / uy;
    ASSERT_NEAR(c.x->value[0], x, 1e-12 * std::max(1.0, std::fabs(x)));
    ASSERT_NEAR(c.y->value[0], y, 1e-12 * std::max(1.0, std::fabs(y)));
    coords->attr1 = -100;
    f.doc.angleUnit = 2;
    RecomputeAll(f.doc);
    ASSERT_NEAR(c.x->value[0], std::hypot(x, y), 1e-9);
    ASSERT_NEAR(c.y->value[0], std::atan2(y, x) * 200 / std::numbers::pi, 1e-7);
  }
}

TEST(Coordinates, SubElementsFollowTheirOwner) {
  Frame f;
  Element *a = AddPoint(f.doc, 0, 0), *b = AddPoint(f.doc, 0, 0);
  Element* segment = Add(f.doc, kSegment, {a, b});  // a and b coincide: no segment
  Element* on = Add(f.doc, kPointOnElement, {segment}, {0, 0, 0, 0.5});
  Element* coords = Add(f.doc, kCoordinates, {on, f.axes});
  const CoordinatesExt& c = *coords->as<CoordinatesExt>();
  RecomputeAll(f.doc);
  ASSERT_EQ(on->exists, 0);
  EXPECT_EQ(coords->exists, 0);
  EXPECT_EQ(c.x->exists, 0);
  EXPECT_EQ(c.y->exists, 0);
  Move(b, 80, 40);
  RecomputeAll(f.doc);
  ASSERT_EQ(on->exists, 1);
  EXPECT_EQ(c.x->exists, 1);
  EXPECT_EQ(c.y->exists, 1);
  EXPECT_DOUBLE_EQ(c.x->value[0], 1);
  EXPECT_DOUBLE_EQ(c.y->value[0], 0.5);
  // Zero units (a damaged file) would divide by zero: nothing exists, nothing infinite.
  f.axes->as<AxesExt>()->yUnit = 0;
  RecomputeAll(f.doc);
  EXPECT_EQ(coords->exists, 0);
  EXPECT_EQ(c.x->exists, 0);
  EXPECT_EQ(c.y->exists, 0);
  EXPECT_TRUE(std::isfinite(c.y->value[0]));
}

TEST(LineEquation, ThroughKnownPoints) {
  Frame f(40, 40);  // origin at world (40, 40), 40 units per axis unit
  auto world = [&](double x, double y) { return AddPoint(f.doc, 40 + 40 * x, 40 + 40 * y); };
  Element *a = world(0, 3), *b = world(1, 5);
  Element* line = Add(f.doc, kLineTwoPoints, {a, b});
  Element* eq = Add(f.doc, kEquationLine, {line, f.axes});
  RecomputeAll(f.doc);
  EXPECT_EQ(eq->attr1, 1);
  EXPECT_DOUBLE_EQ(eq->value[0], 2);
  EXPECT_DOUBLE_EQ(eq->value[1], 3);
  EXPECT_EQ(TextOf(eq), "y = 2.00x +3.00");
  Move(a, 40 + 40 * 2, 40 + 40 * -2);  // y = -0.5x - 1 through (2, -2) and (-2, 0)
  Move(b, 40 + 40 * -2, 40);
  RecomputeAll(f.doc);
  EXPECT_EQ(TextOf(eq), "y = -0.50x -1.00");
  Move(a, 0, 40 + 40 * 3);  // horizontal y = 3
  Move(b, 400, 40 + 40 * 3);
  RecomputeAll(f.doc);
  EXPECT_EQ(TextOf(eq), "y = 3.00");
  Move(a, 0, 40);  // the x axis itself
  Move(b, 400, 40);
  RecomputeAll(f.doc);
  EXPECT_EQ(TextOf(eq), "y = 0.00");
  Move(a, 40, 40);  // y = x: a slope of 1 is written out
  Move(b, 80, 80);
  RecomputeAll(f.doc);
  EXPECT_EQ(TextOf(eq), "y = 1.00x ");
  Move(a, 40 + 40 * 2.5, 0);  // vertical x = 2.5
  Move(b, 40 + 40 * 2.5, 300);
  RecomputeAll(f.doc);
  EXPECT_EQ(eq->attr1, 0);
  EXPECT_EQ(TextOf(eq), "x = 2.50");
  eq->decimals = 0;
  Move(a, 40 - 40 * 2.5, 0);
  Move(b, 40 - 40 * 2.5, 300);
  RecomputeAll(f.doc);
  EXPECT_EQ(TextOf(eq), "x = -3");
}

TEST(LineEquation, RandomLinesPassThroughTheirPoints) {
  std::mt19937 rng(19);
  std::uniform_real_distribution<double> u(-300, 300), unit(10, 80);
  Frame f;
  Element *a = AddPoint(f.doc, 0, 0), *b = AddPoint(f.doc, 1, 1);
  Element* line = Add(f.doc, kLineTwoPoints, {a, b});
  Element* eq = Add(f.doc, kEquationLine, {line, f.axes});
  for (int i = 0; i < 300; ++i) {
    const double ux = unit(rng), uy = unit(rng), ox = u(rng), oy = u(rng);
    Move(f.origin, ox, oy);
    f.axes->as<AxesExt>()->xUnit = ux;
    f.axes->as<AxesExt>()->yUnit = uy;
    Move(a, u(rng), u(rng));
    Move(b, u(rng), u(rng));
    RecomputeAll(f.doc);
    ASSERT_EQ(eq->exists, 1);
    if (eq->attr1 != 1) continue;
    for (const Element* p : {a, b}) {
      const double x = (p->x() - ox) / ux, y = (p->y() - oy) / uy;
      ASSERT_NEAR(eq->value[0] * x + eq->value[1], y, 1e-7 * std::max(1.0, std::fabs(y)));
    }
  }
}

TEST(CircleEquation, BothFormsCharacterByCharacter) {
  // A circle of radius 2 about (1, -3), in axes of 40 units, shown with 2 decimals.
  Frame f;
  Element* c = AddPoint(f.doc, 40, -120);
  Element* q = AddPoint(f.doc, 40, -40);
  Element* circle = Add(f.doc, kCircleCentrePoint, {c, q});
  Element* eq = Add(f.doc, kEquationCircle, {circle, f.axes});
  RecomputeAll(f.doc);
  EXPECT_EQ(eq->attr1, 1);
  EXPECT_DOUBLE_EQ(eq->value[0], 2);
  EXPECT_DOUBLE_EQ(eq->value[1], 2);
  EXPECT_EQ(TextOf(eq), "(x-1.00)²+(y+3.00)²=2.00²");
  EXPECT_EQ(LabelTextOf(f.doc, *eq), "(x-1.00)²+(y+3.00)²=2.00²");
  // About the origin.
  Move(c, 0, 0);
  Move(q, 0, 120);
  RecomputeAll(f.doc);
  EXPECT_EQ(TextOf(eq), "x²+y²=3.00²");
  // Different units: the axis form, each axis with its own radius.
  f.axes->as<AxesExt>()->yUnit = 80;
  Move(c, 80, 0);
  Move(q, 80, 120);
  RecomputeAll(f.doc);
  EXPECT_EQ(eq->attr1, 0);
  EXPECT_DOUBLE_EQ(eq->value[0], 3);
  EXPECT_DOUBLE_EQ(eq->value[1], 1.5);
  EXPECT_EQ(TextOf(eq), "(x-2.00)²/3.00²+y²/1.50²=1");
}

TEST(ConicEquation, ThroughKnownPoints) {
  Frame f;
  // x² + y² = 4 in axis units: points at radius 2 axis units (80 world units).
  const double r = 80;
  Element* p[5];
  for (int i = 0; i < 5; ++i)
    p[i] = AddPoint(f.doc, r * std::cos(0.3 + 1.2 * i), r * std::sin(0.3 + 1.2 * i));
  Element* conic = AddWithPicks(f.doc, kConic, {p[0], p[1], p[2], p[3], p[4]});
  Element* eq = Add(f.doc, kEquationConic, {conic, f.axes});
  RecomputeAll(f.doc);
  EXPECT_EQ(eq->exists, 1);
  EXPECT_EQ(TextOf(eq), "y² +x² -4.00 = 0");
  // The ellipse x²/4 + y² = 1, i.e. y² + 0.25x² - 1 = 0, centred at axis point (1, 0).
  for (int i = 0; i < 5; ++i)
    Move(p[i], 40 + 80 * std::cos(0.5 + 1.1 * i), 40 * std::sin(0.5 + 1.1 * i));
  RecomputeAll(f.doc);
  // (x-1)²/4 + y² = 1  →  y² + 0.25x² - 0.5x - 0.75 = 0
  EXPECT_EQ(TextOf(eq), "y² +0.25x² -0.50x -0.75 = 0");
  // The parabola y = x² through (0,0), (1,1), (-1,1), (2,4), (-2,4): the y² coefficient is 0,
  // the x² one is normalised to 1: x² - y = 0.
  const double pts[5][2] = {{0, 0}, {1, 1}, {-1, 1}, {2, 4}, {-2, 4}};
  for (int i = 0; i < 5; ++i) Move(p[i], 40 * pts[i][0], 40 * pts[i][1]);
  RecomputeAll(f.doc);
  EXPECT_EQ(TextOf(eq), "+x² -y  = 0");
}

TEST(ConicEquation, DegenerateConicsShowTheirLines) {
  Frame f;
  // Three points on y = x, two on y = -x + 2 (axis units).
  const double pts[5][2] = {{0, 0}, {1, 1}, {3, 3}, {0, 2}, {2, 0}};
  Element* p[5];
  for (int i = 0; i < 5; ++i) p[i] = AddPoint(f.doc, 40 * pts[i][0], 40 * pts[i][1]);
  Element* conic = AddWithPicks(f.doc, kConic, {p[0], p[1], p[2], p[3], p[4]});
  Element* eq = Add(f.doc, kEquationConic, {conic, f.axes});
  RecomputeAll(f.doc);
  ASSERT_EQ(eq->exists, 1);
  EXPECT_EQ(TextOf(eq), "y = 1.00x; y = -1.00x +2.00");
  // Two parallel vertical lines x = 1 and x = 3.
  const double parallel[5][2] = {{1, 0}, {1, 1}, {1, 3}, {3, 0}, {3, 5}};
  for (int i = 0; i < 5; ++i) Move(p[i], 40 * parallel[i][0], 40 * parallel[i][1]);
  RecomputeAll(f.doc);
  ASSERT_EQ(eq->exists, 1);
  EXPECT_EQ(TextOf(eq), "x = 1.00; x = 3.00");
  // Five points on one line make no conic: the equation does not exist.
  for (int i = 0; i < 5; ++i) Move(p[i], 40 * i, 40 * i);
  RecomputeAll(f.doc);
  EXPECT_EQ(eq->exists, 0);
}

}  // namespace
}  // namespace velt
