// Scenarios of the curve tools, played as scripts: conics, circles, polygons, regular
// polygons, arcs and angle marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/element.h"
#include "model/kinds.h"
#include "ui/script_support.h"

namespace velt {
namespace {

using test::P3;
using test::Scenario;

constexpr double kPi = std::numbers::pi;

TEST(ScriptToolConic, FivePointsGiveTheirConic) {
  // (+-100, 0), (0, +-50) and (60, 40) lie on x^2 + 4 y^2 = 10000 (3600 + 6400).
  Scenario s("tool B_Conica_5p\nclick 100 0\nclick -100 0\nclick 0 50\nclick 0 -50\nclick 60 40\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  EXPECT_EQ(s.Kind(6), kConic);
  const auto* c = s.E(6).as<ConicExt>();
  ASSERT_TRUE(c);
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(c->points[i]) << i;
    EXPECT_EQ(c->points[i]->number, i + 1);
  }
  EXPECT_EQ(c->data.conicClass, kConicEllipse);
  // The equation up to a factor: A : C : F = 1 : 4 : -10000, no xy, x or y terms.
  ASSERT_NE(c->data.a, 0);
  EXPECT_NEAR(c->data.c / c->data.a, 4, 1e-9);
  EXPECT_NEAR(c->data.f / c->data.a, -10000, 1e-6);
  EXPECT_NEAR(c->data.b / c->data.a, 0, 1e-12);
  EXPECT_NEAR(c->data.d / c->data.a, 0, 1e-12);
  EXPECT_NEAR(c->data.e / c->data.a, 0, 1e-12);
}

TEST(ScriptToolCircle, CentreAndPointOrCentreAndRadius) {
  Scenario s("tool 1\nclick 40 60\ntool B_Circunf\nclick 10 20\nclick 40 60\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(3), kCircleCentrePoint);
  EXPECT_EQ(s.Parents(3), (P3{2, 1, -1}));
  EXPECT_AT(s.At(3), 10, 20);
  EXPECT_AT(s.Second(3), 40, 60);
  // A click on empty plane fixes the radius, 50, and makes no point; the stored point of
  // the circle stands straight above the centre.
  s.Play("tool 5\nclick -100 -100\nclick -70 -60\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Kind(5), kCircleCentre);
  EXPECT_EQ(s.Parents(5), (P3{4, -1, -1}));
  EXPECT_AT(s.At(5), -100, -100);
  EXPECT_AT(s.Second(5), -100, -50);
  // Dragging the centre keeps the radius.
  s.Play("tool 0\ndrag -100 -100 0 -200\n");
  EXPECT_AT(s.At(5), 0, -200);
  EXPECT_AT(s.Second(5), 0, -150);
}

TEST(ScriptToolCircleByRadius, ThreePointsMakeOneCircle) {
  Scenario s("tool 6\nclick 0 0\nclick 30 0\nclick 200 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Kind(4), kCircleRadius);
  P3 parents = s.Parents(4);
  std::sort(parents.begin(), parents.end());
  EXPECT_EQ(parents, (P3{1, 2, 3}));
  // Whatever the centre, the stored point lies to its right.
  EXPECT_EQ(s.Second(4).y, s.At(4).y);
  EXPECT_GT(s.Second(4).x, s.At(4).x);
}

TEST(ScriptToolCircleByRadius, TwoRadiusPointsThenTheCentre) {
  // Radius |(0,0)(30,0)| = 30 about (200, 100).
  Scenario s("tool B_Circ2pr\nclick 0 0\nclick 30 0\nclick 200 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Kind(4), kCircleRadius);
  EXPECT_EQ(s.Parents(4), (P3{3, 1, 2})) << "the centre first, then the radius points";
  EXPECT_AT(s.At(4), 200, 100);
  EXPECT_AT(s.Second(4), 230, 100);
}

TEST(ScriptToolPolygon, ClosedByItsFirstVertexOrByADoubleClick) {
  Scenario s(
      "tool B_Poligono\nclick -100 -100\nclick -100 -100\nclick 100 -100\n"
      "click -100 -100\n"  // the first vertex with two picked: not closed yet
      "click 0 100\nclick -100 -100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // Vertices 1-3, polygon 4, sides 5-7.
  ASSERT_EQ(s.Count(), 7);
  EXPECT_EQ(s.Kind(4), kPolygon);
  const int32_t polygon = 4;
  const double xs[] = {-100, 100, 0}, ys[] = {-100, -100, 100};
  for (int i = 0; i < 3; ++i) {
    const int side = 5 + i, next = (i + 1) % 3;
    EXPECT_EQ(s.Kind(side), kPolygonSide);
    EXPECT_EQ(s.Parents(side), (P3{1 + i, 1 + next, polygon}));
    EXPECT_AT(s.At(side), xs[i], ys[i]);
    EXPECT_AT(s.Second(side), xs[next], ys[next]);
  }
  // A double click adds its vertex and closes: a quadrilateral.
  Scenario q(
      "tool 10\nclick 0 0\nclick 100 0\nclick 100 100\ndouble-click 0 100\n"
      "tool 1\nclick 50 -50\n");
  ASSERT_TRUE(q.ok()) << q.failure();
  ASSERT_EQ(q.Count(), 10) << "four vertices, the polygon, four sides, the free point";
  EXPECT_EQ(q.Kind(5), kPolygon);
  EXPECT_EQ(q.Parents(9), (P3{4, 1, 5})) << "the last side closes on the first vertex";
  EXPECT_EQ(q.Kind(10), kFreePoint);
}

TEST(ScriptToolRegularPolygon, AQuarterTurnGivesASquare) {
  Scenario s("tool B_Polireg\nclick 0 0\nclick 100 0\nclick 0 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // Centre 1, first vertex 2, vertices 3-5, polygon 6 with sides 7-10.
  ASSERT_EQ(s.Count(), 10);
  const double xs[] = {0, -100, 0}, ys[] = {100, 0, -100};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.Kind(3 + i), kRegularPolygonVertex);
    EXPECT_EQ(s.Parents(3 + i), (P3{1, 2, -1}));
    EXPECT_NEAR(s.E(3 + i).value[3], kPi / 2 * (i + 1), 1e-12);
    EXPECT_NEAR(s.At(3 + i).x, xs[i], 1e-9);
    EXPECT_NEAR(s.At(3 + i).y, ys[i], 1e-9);
  }
  EXPECT_EQ(s.Kind(6), kPolygon);
  EXPECT_EQ(s.Parents(7), (P3{2, 3, 6}));
  EXPECT_EQ(s.Parents(10), (P3{5, 2, 6}));
  // Dragging the first vertex turns and scales the square about the centre.
  s.Play("tool 0\ndrag 100 0 0 -50\n");
  EXPECT_NEAR(s.At(3).x, 50, 1e-9);
  EXPECT_NEAR(s.At(3).y, 0, 1e-9);
  // One undo for the drag, one for the whole polygon.
  s.Play("undo\nundo\n");
  EXPECT_EQ(s.Count(), 0);
}

TEST(ScriptToolRegularPolygon, PastHalfATurnGivesAStar) {
  // 216 degrees from the first vertex: 360 - 216 = 144 = 2 of 5 turns, the pentagram.
  const double a = 216 * kPi / 180;
  char script[160];
  std::snprintf(script, sizeof script, "tool 11\nclick 0 0\nclick 100 0\nclick %.17g %.17g\n",
                100 * std::cos(a), 100 * std::sin(a));
  Scenario s(script);
  ASSERT_TRUE(s.ok()) << s.failure();
  // Centre 1, first vertex 2, vertices 3-6, polygon 7 with sides 8-12.
  ASSERT_EQ(s.Count(), 12);
  for (int i = 1; i <= 4; ++i) {
    const double turn = 4 * kPi * i / 5;
    EXPECT_NEAR(s.E(2 + i).value[3], turn, 1e-12);
    EXPECT_NEAR(s.At(2 + i).x, 100 * std::cos(turn), 1e-9);
    EXPECT_NEAR(s.At(2 + i).y, 100 * std::sin(turn), 1e-9);
  }
  EXPECT_EQ(s.Kind(7), kPolygon);
  EXPECT_EQ(s.Parents(8), (P3{2, 3, 7}));
}

TEST(ScriptToolArc, ThreePointsAndTheirOrientation) {
  Scenario s("tool B_arco3p\nclick 100 0\nclick 0 100\nclick -100 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Kind(4), kArc);
  EXPECT_EQ(s.Parents(4), (P3{1, 2, 3}));
  EXPECT_AT(s.At(4), 0, 0);  // the centre
  EXPECT_AT(s.Second(4), 0, 100);
  EXPECT_EQ(s.E(4).attr1, 1) << "counter-clockwise";
  // Through the bottom instead: clockwise.
  s.Play("tool 14\nclick 100 0\nclick 0 -100\nclick -100 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  EXPECT_EQ(s.Parents(6), (P3{1, 5, 3}));
  EXPECT_EQ(s.E(6).attr1, 0);
}

TEST(ScriptToolAngle, ThreePointsWithTheVertexSecond) {
  Scenario s("tool B_Angulo\nclick 100 0\nclick 0 0\nclick 0 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Kind(4), kAngleMark);
  EXPECT_EQ(s.Parents(4), (P3{1, 2, 3}));
  EXPECT_NEAR(s.E(4).value[0], kPi / 2, 1e-12);
  const double fraction = s.ws.options.angleMarkFactor;
  EXPECT_EQ(s.E(4).value[1], fraction);
  EXPECT_NEAR(s.E(4).value[2], std::max(8.0, fraction * 100), 1e-12);
  // The other way round it measures three quarters of a turn.
  s.Play("tool 55\nclick 0 100\nclick 0 0\nclick 100 0\n");
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Parents(5), (P3{3, 2, 1}));
  EXPECT_NEAR(s.E(5).value[0], 3 * kPi / 2, 1e-12);
}

}  // namespace
}  // namespace velt
