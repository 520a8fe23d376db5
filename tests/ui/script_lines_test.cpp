// Scenarios of the straight tools, played as scripts: lines, rays, parallels,
// perpendiculars, segments, vectors, bisectors, axes and grids.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/element.h"
#include "model/kinds.h"
#include "ui/script_support.h"

namespace velt {
namespace {

using test::P3;
using test::Scenario;

TEST(ScriptToolLine, TwoPointsOrAPointAndADirection) {
  // Two existing points give kind 6.
  Scenario s("tool 1\nclick 100 50\ntool B_Recta\nclick -50 -25\nclick 100 50\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(3), kLineTwoPoints);
  EXPECT_EQ(s.Parents(3), (P3{2, 1, -1}));
  EXPECT_AT(s.At(3), -50, -25);
  EXPECT_AT(s.Second(3), 100, 50);
  // A point, then a click on empty plane: kind 5 through the point towards the click.
  s.Play("tool 2\nclick 100 50\nclick 130 10\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4) << "no point at the click";
  EXPECT_EQ(s.Kind(4), kLineThroughPoint);
  EXPECT_EQ(s.Parents(4), (P3{1, -1, -1}));
  EXPECT_AT(s.At(4), 100, 50);
  EXPECT_AT(s.Second(4), 130, 10);
  // Dragging its point keeps the direction (30, -40).
  s.Play("tool 0\ndrag 100 50 0 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_AT(s.At(4), 0, 0);
  EXPECT_AT(s.Second(4), 30, -40);
}

TEST(ScriptToolLine, APointThenACircleMakesAPointOnTheCircle) {
  // Circle 2 of radius 100 about the origin; the second click lands one unit outside its
  // bottom: a point on the circle at (0, -100) and the line through both points.
  Scenario s("tool 5\nclick 0 0\nclick 0 100\ntool 2\nclick -200 0\nclick 0 -101\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Kind(4), kPointOnElement);
  EXPECT_EQ(s.Parents(4), (P3{2, -1, -1}));
  EXPECT_AT(s.At(4), 0, -100);
  EXPECT_EQ(s.Kind(5), kLineTwoPoints);
  EXPECT_EQ(s.Parents(5), (P3{3, 4, -1}));
}

TEST(ScriptToolRay, TwoPointsOrAPointAndADirection) {
  // A gesture left after its first point is undone by the next tool change.
  Scenario s(
      "tool B_Rayo\nclick 300 200\n"
      "tool 1\nclick 80 60\ntool 3\nclick 0 0\nclick 80 60\nclick -10 -10\nclick -40 -50\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Kind(3), kRayTwoPoints);
  EXPECT_EQ(s.Parents(3), (P3{2, 1, -1}));
  EXPECT_AT(s.At(3), 0, 0);
  EXPECT_AT(s.Second(3), 80, 60);
  EXPECT_EQ(s.Kind(5), kRayThroughPoint);
  EXPECT_EQ(s.Parents(5), (P3{4, -1, -1}));
  EXPECT_AT(s.At(5), -10, -10);
  EXPECT_AT(s.Second(5), -40, -50);
}

TEST(ScriptToolParallelAndPerpendicular, ALineAndAPointInEitherOrder) {
  // Segment 3 from (-100, -100) to (100, 0): direction (200, 100).
  const std::string base = "tool 9\nclick -100 -100\nclick 100 0\n";
  {
    Scenario s(base + "tool B_Recta_Para\nclick 0 -50\nclick 0 100\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Kind(5), kParallel);
    EXPECT_EQ(s.Parents(5), (P3{3, 4, -1}));
    EXPECT_AT(s.At(5), 0, 100);
    EXPECT_AT(s.Second(5), 200, 200);
  }
  {
    // The point first, then the segment: the same parents.
    Scenario s(base + "tool 7\nclick 0 100\nclick 0 -50\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Kind(5), kParallel);
    EXPECT_EQ(s.Parents(5), (P3{3, 4, -1}));
    EXPECT_AT(s.Second(5), 200, 200);
  }
  {
    // Perpendicular: B = P + (dy, -dx) = (0, 100) + (100, -200).
    Scenario s(base + "tool B_Recta_Perp\nclick 0 100\nclick 0 -50\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Kind(5), kPerpendicular);
    EXPECT_EQ(s.Parents(5), (P3{3, 4, -1}));
    EXPECT_AT(s.At(5), 0, 100);
    EXPECT_AT(s.Second(5), 100, -100);
  }
  {
    // A polygon side serves as the line too.
    Scenario s(
        "tool 10\nclick -100 -100\nclick 100 -100\nclick 0 100\nclick -100 -100\n"
        "tool 8\nclick 0 -100\nclick 200 200\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 9);
    EXPECT_EQ(s.Kind(9), kPerpendicular);
    EXPECT_EQ(s.Parents(9), (P3{5, 8, -1})) << "the first side, from (-100,-100) to (100,-100)";
    EXPECT_AT(s.Second(9), 200, 0);
  }
}

TEST(ScriptToolSegmentAndVector, TwoPoints) {
  Scenario s(
      "tool B_Segmento\nclick -30 40\nclick 50 -20\n"
      "tool B_vector\nclick 50 -20\nclick 150 80\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Kind(3), kSegment);
  EXPECT_EQ(s.Parents(3), (P3{1, 2, -1}));
  EXPECT_AT(s.At(3), -30, 40);
  EXPECT_AT(s.Second(3), 50, -20);
  EXPECT_EQ(s.Kind(5), kVector);
  EXPECT_EQ(s.Parents(5), (P3{2, 4, -1}));
  EXPECT_AT(s.At(5), 50, -20);
  EXPECT_AT(s.Second(5), 150, 80);
  // One undo takes the vector and the point its gesture made.
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 3);
  s.Play("redo\n");
  EXPECT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Kind(5), kVector);
}

TEST(ScriptToolBisector, ThreePointsWithTheVertexSecond) {
  // The angle from (100, 0) at the origin to (0, 100): the bisector is the line through the
  // origin and 10 (cos 45, sin 45).
  Scenario s("tool B_2_Sectriz\nclick 100 0\nclick 0 0\nclick 0 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Kind(4), kAngleBisector);
  EXPECT_EQ(s.Parents(4), (P3{1, 2, 3}));
  EXPECT_AT(s.At(4), 0, 0);
  EXPECT_AT(s.Second(4), 5 * std::sqrt(2.0), 5 * std::sqrt(2.0));
}

TEST(ScriptToolPerpendicularBisector, TwoPoints) {
  // Of (0, 0) and (40, 0): through the midpoint (20, 0) and (20, 0) + (0, -40).
  Scenario s("tool B_Mediatriz\nclick 0 0\nclick 40 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(3), kPerpendicularBisector);
  EXPECT_EQ(s.Parents(3), (P3{1, 2, -1}));
  EXPECT_AT(s.At(3), 20, 0);
  EXPECT_AT(s.Second(3), 20, -40);
}

TEST(ScriptToolAxesAndGrid, AxesOnAPointAndAGridOnTheAxes) {
  Scenario s("tool B_N_ejes\nclick 30 -20\ntool B_N_cuadricula\nclick 150 -20\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // Origin 1, axes 2 with the x axis line 3 and the y axis line 4, grid 5.
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Kind(1), kFreePoint);
  EXPECT_EQ(s.Kind(2), kAxes);
  EXPECT_EQ(s.Parents(2), (P3{1, -1, -1}));
  EXPECT_EQ(s.Kind(3), kAxisX);
  EXPECT_EQ(s.Parents(3), (P3{1, 2, -1}));
  EXPECT_AT(s.At(3), 30, -20);
  EXPECT_AT(s.Second(3), 40, -20);
  EXPECT_EQ(s.Kind(4), kAxisY);
  EXPECT_AT(s.Second(4), 30, -10);
  const auto* axes = s.E(2).as<AxesExt>();
  ASSERT_TRUE(axes);
  EXPECT_EQ(axes->xUnit, 40.0);
  EXPECT_EQ(axes->yUnit, 40.0);
  EXPECT_EQ(s.Kind(5), kGrid);
  EXPECT_EQ(s.Parents(5), (P3{2, -1, -1})) << "the axes, not the axis line clicked";
  EXPECT_EQ(s.E(5).colour, 0xC08000);
  EXPECT_EQ(s.E(5).style, 1);
  // The grid tool takes nothing but axes: a click on empty plane makes nothing.
  s.Play("tool 41\nclick -200 200\n");
  EXPECT_EQ(s.Count(), 5);
}

// Axes 7 on the crossing 6 of the line y = x (2, through point 1) and the segment 5 from
// (-100, 100) to point 4 at (100, -100); a grid 10 on the axes. Dragging point 4 to
// (100, 300) makes the segment parallel to the line, so the crossing vanishes.
constexpr const char* kAxesOnACrossing =
    "tool 2\nclick -100 -100\nclick 100 100\n"
    "tool 9\nclick -100 100\nclick 100 -100\n"
    "tool 1\nclick 1 0\n"
    "tool 39\nclick 0 0\n"
    "tool 41\nclick 150 0\n";

TEST(ScriptToolAxesAndGrid, AxesVanishWithTheirOriginAndComeBackWithIt) {
  Scenario s(std::string(kAxesOnACrossing) + "tool 0\ndrag 100 -100 100 300\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 10);
  ASSERT_EQ(s.Kind(6), kIntersection);
  ASSERT_EQ(s.Parents(7), (P3{6, -1, -1}));
  ASSERT_EQ(s.Kind(10), kGrid);
  for (int n : {6, 7, 8, 9, 10}) EXPECT_EQ(s.E(n).exists, 0) << n;
  s.Play("tool 0\ndrag 100 300 100 -100\n");
  for (int n : {6, 7, 8, 9}) EXPECT_EQ(s.E(n).exists, 1) << n;
  EXPECT_AT(s.At(6), 0, 0);
  EXPECT_AT(s.Second(8), 10, 0);
}

TEST(ScriptToolAxesAndGrid, AGridComesBackWithItsAxes) {
  Scenario s(std::string(kAxesOnACrossing) +
             "tool 0\ndrag 100 -100 100 300\ndrag 100 300 100 -100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(10), kGrid);
  EXPECT_EQ(s.E(7).exists, 1);
  EXPECT_EQ(s.E(10).exists, 1);
}

}  // namespace
}  // namespace velt
