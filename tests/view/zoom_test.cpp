#include "view/zoom.h"

#include <gtest/gtest.h>

#include "support/builders.h"

namespace velt {
namespace {

TEST(Zoom, ScalesTheFigureAboutTheCentre) {
  Document doc;
  Element* p = test::AddPoint(doc, 30, 10);
  Element* c = test::AddPoint(doc, 10, 10);
  Element* circle = test::Add(doc, kCircleCentre, {c});
  circle->value = {10, 10, 10, 15};
  Element* line = test::Add(doc, kLineThroughPoint, {p});
  Element* on = test::Add(doc, kPointOnElement, {line}, {0, 0, 0, 7});
  Element* axes = test::Add(doc, kAxes, {c});
  // On a line through two points a point stands at a fraction, which a zoom keeps; on a
  // parallel, at a distance, which it scales.
  Element* two = test::Add(doc, kLineTwoPoints, {p, c});
  Element* atFraction = test::Add(doc, kPointOnElement, {two}, {0, 0, 0, 0.25});
  Element* parallel = test::Add(doc, kParallel, {p, two});
  Element* atDistance = test::Add(doc, kPointOnElement, {parallel}, {0, 0, 0, -4});
  // Moving up by 100 units: factor 1.3; about (10, 10).
  const double f = ZoomFactor(100);
  EXPECT_DOUBLE_EQ(f, 1.3);
  ZoomFigure(doc, {10, 10}, f);
  EXPECT_DOUBLE_EQ(p->x(), 36);
  EXPECT_DOUBLE_EQ(p->y(), 10);
  EXPECT_DOUBLE_EQ(c->x(), 10);  // the centre stays
  EXPECT_DOUBLE_EQ(circle->value[3], 10 + 5 * 1.3);
  EXPECT_DOUBLE_EQ(on->value[3], 7 * 1.3);
  EXPECT_DOUBLE_EQ(atFraction->value[3], 0.25);
  EXPECT_DOUBLE_EQ(atDistance->value[3], -4 * 1.3);
  EXPECT_DOUBLE_EQ(axes->as<AxesExt>()->xUnit, 52);
  // A negative factor scales by its size, without turning the figure over.
  ZoomFigure(doc, {0, 10}, ZoomFactor(-1000));
  EXPECT_DOUBLE_EQ(p->x(), 36 * 2);
}

}  // namespace
}  // namespace velt
