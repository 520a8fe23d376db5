// Scenarios of the point tools, played as scripts: free points, points on elements,
// crossings, midpoints, the vector sum, intersections and redefinition.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/kinds.h"
#include "ui/script_support.h"

namespace velt {
namespace {

using test::P3;
using test::Scenario;

constexpr double kPi = std::numbers::pi;

// The two parents of an intersection point, in either order.
bool ParentsAre(Scenario& s, int n, int a, int b) {
  const P3 p = s.Parents(n);
  return p[2] == -1 && ((p[0] == a && p[1] == b) || (p[0] == b && p[1] == a));
}

TEST(ScriptToolPoint, ClickOnEmptyPlaneMakesAFreePoint) {
  Scenario s("tool B_Punto\nclick 30 -40\nclick -399 299\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 2);
  EXPECT_EQ(s.Kind(1), kFreePoint);
  EXPECT_EQ(s.Parents(1), (P3{-1, -1, -1}));
  EXPECT_AT(s.At(1), 30, -40);
  EXPECT_AT(s.At(2), -399, 299);
}

TEST(ScriptToolPoint, ClickNearACarrierMakesAPointOnItAtTheFoot) {
  // A horizontal segment from (-100, 0) to (100, 0); a click 3 units above x = 50 lands at
  // the foot (50, 0), three quarters of the way from the first end.
  Scenario s("tool 9\nclick -100 0\nclick 100 0\ntool 1\nclick 50 3\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Kind(4), kPointOnElement);
  EXPECT_EQ(s.Parents(4), (P3{3, -1, -1}));
  EXPECT_AT(s.At(4), 50, 0);
  EXPECT_DOUBLE_EQ(s.E(4).value[3], 0.75);

  // On the circle of radius 100 about the origin (the centre's tool with a click on empty
  // plane): a click 2 units outside its top gives the angle pi/2 and the point (0, 100).
  Scenario c("tool 5\nclick 0 0\nclick 100 0\ntool 1\nclick 0 102\n");
  ASSERT_TRUE(c.ok()) << c.failure();
  ASSERT_EQ(c.Count(), 3);
  EXPECT_EQ(c.Kind(2), kCircleCentre);
  EXPECT_EQ(c.Kind(3), kPointOnElement);
  EXPECT_EQ(c.Parents(3), (P3{2, -1, -1}));
  EXPECT_NEAR(c.E(3).value[3], kPi / 2, 1e-12);
  EXPECT_AT(c.At(3), 0, 100);
}

TEST(ScriptToolPoint, ClickAtACrossingMakesTheIntersectionPoint) {
  // The diagonals of the square (+-100, +-100) cross at the origin; the click is within the
  // detection distance of the crossing.
  Scenario s(
      "tool 9\nclick -100 -100\nclick 100 100\nclick -100 100\nclick 100 -100\n"
      "tool 1\nclick 2 1\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  EXPECT_EQ(s.Kind(7), kIntersection);
  EXPECT_TRUE(ParentsAre(s, 7, 3, 6));
  EXPECT_AT(s.At(7), 0, 0);
}

TEST(ScriptToolPoint, AClickAtTheCentreOfAHyperbolaMakesAFreePoint) {
  // Five points of x y = 5000; its centre (0, 0) is 100 units from the nearest vertex.
  Scenario s(
      "tool 4\nclick 50 100\nclick 100 50\nclick -50 -100\nclick -100 -50\nclick 200 25\n"
      "tool 1\nclick 0 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  EXPECT_EQ(s.Kind(6), kConic);
  EXPECT_EQ(s.Kind(7), kFreePoint);
  EXPECT_AT(s.At(7), 0, 0);
}

TEST(ScriptToolMidpoint, TwoPointsGiveTheirMidpoint) {
  Scenario s("tool B_2_div_seg\nclick -40 10\nclick 60 30\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(3), kMidpoint);
  EXPECT_EQ(s.Parents(3), (P3{1, 2, -1}));
  EXPECT_AT(s.At(3), 10, 20);
  // Picking existing points makes no new ones: the midpoint of the first point and the
  // midpoint.
  s.Play("tool 15\nclick -40 10\nclick 10 20\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Parents(4), (P3{1, 3, -1}));
  EXPECT_AT(s.At(4), -15, 15);
}

TEST(ScriptToolVectorSum, TwoVectorsAndAPointGiveTheMovedPointAndTheVectorToIt) {
  // u = (60, 0) from (-200, -100), w = (0, 40) from (-200, 100); the sum carried from
  // (100, 50) ends at (160, 90).
  Scenario s(
      "tool B_vector\nclick -200 -100\nclick -140 -100\nclick -200 100\nclick -200 140\n"
      "tool B_vectorsuma\nclick -170 -100\nclick -200 125\nclick 100 50\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 9);
  EXPECT_EQ(s.Kind(3), kVector);
  EXPECT_EQ(s.Kind(6), kVector);
  EXPECT_EQ(s.Kind(7), kFreePoint);
  EXPECT_AT(s.At(7), 100, 50);
  EXPECT_EQ(s.Kind(8), kVectorSum);
  EXPECT_EQ(s.Parents(8), (P3{3, 6, 7}));
  EXPECT_AT(s.At(8), 160, 90);
  EXPECT_EQ(s.Kind(9), kVector);
  EXPECT_EQ(s.Parents(9), (P3{7, 8, -1}));
  EXPECT_AT(s.At(9), 100, 50);
  EXPECT_AT(s.Second(9), 160, 90);
}

TEST(ScriptToolIntersection, TwoStraightElementsGiveOnePoint) {
  Scenario s(
      "tool 9\nclick -100 -100\nclick 100 100\nclick -100 100\nclick 100 -100\n"
      "tool B_Punto_Inter\nclick 50 50\nclick -50 50\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  EXPECT_EQ(s.Kind(7), kIntersection);
  EXPECT_TRUE(ParentsAre(s, 7, 3, 6));
  EXPECT_AT(s.At(7), 0, 0);
  // One undo takes the point away again.
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 6);
}

TEST(ScriptToolIntersection, ACircleAndALineGiveBothCrossings) {
  // The circle of radius 100 about the origin and the line y = 50 (through (-200, 50)
  // towards (200, 50)) cross at (+-50 sqrt 3, 50).
  Scenario s(
      "tool 5\nclick 0 0\nclick 100 0\n"
      "tool 2\nclick -200 50\nclick 200 50\n"
      "tool 18\nclick 0 -100\nclick -300 50\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  EXPECT_EQ(s.Kind(2), kCircleCentre);
  EXPECT_EQ(s.Kind(4), kLineThroughPoint);
  for (int n : {5, 6}) {
    EXPECT_EQ(s.Kind(n), kIntersection);
    EXPECT_TRUE(ParentsAre(s, n, 2, 4)) << n;
    EXPECT_NEAR(std::abs(s.At(n).x), 50 * std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(s.At(n).y, 50, 1e-9);
  }
  EXPECT_NEAR(s.At(5).x + s.At(6).x, 0, 1e-9) << "two different crossings";
}

TEST(ScriptToolIntersection, ALineThroughAPointOfTheCircleGivesOnlyTheOtherCrossing) {
  // Circle 3 about C(0, 0) through Q(100, 0); line 4 through Q towards (-100, 50) meets it
  // again at Q + s (-200, 50) with s = 16/17: (-1500/17, 800/17).
  Scenario s(
      "tool 1\nclick 100 0\ntool 5\nclick 0 0\nclick 100 0\n"
      "tool 2\nclick 100 0\nclick -100 50\n"
      "tool 18\nclick 0 -100\nclick 0 25\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Kind(3), kCircleCentrePoint);
  EXPECT_EQ(s.Parents(3), (P3{2, 1, -1}));
  EXPECT_EQ(s.Parents(4), (P3{1, -1, -1}));
  ASSERT_EQ(s.Count(), 5) << "exactly one new point";
  EXPECT_EQ(s.Kind(5), kIntersection);
  EXPECT_TRUE(ParentsAre(s, 5, 3, 4));
  EXPECT_NEAR(s.At(5).x, -1500.0 / 17, 1e-9);
  EXPECT_NEAR(s.At(5).y, 800.0 / 17, 1e-9);
}

// The circle's centre is not a point the circle shares with a line through it.
TEST(ScriptToolIntersection, ALineThroughTheCentreGivesBothEndsOfTheDiameter) {
  // Circle 3 about C(0, 0) through Q(100, 0) and line 5 through C and (50, 50): two
  // crossings at +-(50 sqrt 2, 50 sqrt 2).
  Scenario s(
      "tool 1\nclick 100 0\ntool 5\nclick 0 0\nclick 100 0\n"
      "tool 1\nclick 50 50\ntool 2\nclick 0 0\nclick 50 50\n"
      "tool 18\nclick 0 -100\nclick -150 -150\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Parents(5), (P3{2, 4, -1}));
  ASSERT_EQ(s.Count(), 7);
  const double r = 50 * std::sqrt(2.0);
  for (int n : {6, 7}) {
    EXPECT_EQ(s.Kind(n), kIntersection);
    EXPECT_NEAR(std::abs(s.At(n).x), r, 1e-9);
    EXPECT_NEAR(s.At(n).y, s.At(n).x, 1e-9);
  }
  EXPECT_NEAR(s.At(6).x + s.At(7).x, 0, 1e-9);
  // The line CQ shares only Q with the circle: one point, the far end (-100, 0).
  Scenario q(
      "tool 1\nclick 100 0\ntool 5\nclick 0 0\nclick 100 0\n"
      "tool 2\nclick 0 0\nclick 100 0\n"
      "tool 18\nclick 0 -100\nclick -250 0\n");
  ASSERT_TRUE(q.ok()) << q.failure();
  EXPECT_EQ(q.Parents(4), (P3{2, 1, -1}));
  ASSERT_EQ(q.Count(), 5);
  EXPECT_EQ(q.Kind(5), kIntersection);
  EXPECT_AT(q.At(5), -100, 0);
}

TEST(ScriptToolRedefine, AFreePointGoesOntoALineAndBackToThePlane) {
  // Line 2 through (-100, -100) towards (100, -100); free point 3 at (0, 100).
  Scenario s(
      "tool 2\nclick -100 -100\nclick 100 -100\ntool 1\nclick 0 100\n"
      "tool B_redefpun\nclick 0 100\nclick 50 -100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(2), kLineThroughPoint);
  EXPECT_EQ(s.Kind(3), kPointOnElement);
  EXPECT_EQ(s.Parents(3), (P3{2, -1, -1}));
  EXPECT_AT(s.At(3), 50, -100);
  EXPECT_DOUBLE_EQ(s.E(3).value[3], 150);  // the distance from the line's point
  // Then a click on empty plane frees it there.
  s.Play("tool 46\nclick 50 -100\nclick 0 200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Kind(3), kFreePoint);
  EXPECT_EQ(s.Parents(3), (P3{-1, -1, -1}));
  EXPECT_AT(s.At(3), 0, 200);
  // Each redefinition was one undo step.
  s.Play("undo\n");
  EXPECT_EQ(s.Kind(3), kPointOnElement);
  EXPECT_AT(s.At(3), 50, -100);
}

TEST(ScriptToolRedefine, APointOntoAnotherPointMergesThem) {
  // Segment 3 from A(-100, 0) to B(100, 0); free point 4 at (0, 100) before the segment.
  Scenario s(
      "tool 1\nclick 0 100\ntool 9\nclick -100 0\nclick 100 0\n"
      "tool 46\nclick -100 0\nclick 0 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3) << "A is gone";
  EXPECT_EQ(s.Kind(3), kSegment);
  EXPECT_EQ(s.Parents(3), (P3{1, 2, -1})) << "the segment now runs from (0, 100) to B";
  EXPECT_AT(s.At(3), 0, 100);
  EXPECT_AT(s.Second(3), 100, 0);
}

TEST(ScriptToolRedefine, APointCannotGoOntoWhatIsBuiltOnIt) {
  Scenario s("tool 9\nclick -100 0\nclick 100 0\ntool 46\nclick -100 0\nclick 50 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.result.messages.size(), 1u);
  EXPECT_EQ(s.Kind(1), kFreePoint);
  EXPECT_AT(s.At(1), -100, 0);
  // The refusal stored no undo step: one undo takes the whole segment away.
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 0);
}

// A carrier made after the point: the point and what is built on it move behind it.
TEST(ScriptToolRedefine, APointGoesOntoACarrierMadeAfterIt) {
  Scenario s(
      "tool 1\nclick 0 100\ntool 9\nclick -100 -100\nclick 100 -100\n"
      "tool 46\nclick 0 100\nclick 50 -100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_TRUE(s.result.messages.empty());
  ASSERT_EQ(s.Count(), 4);
  // The point now comes after its carrier: the segment and its ends are 1..3.
  EXPECT_EQ(s.Kind(3), kSegment);
  EXPECT_EQ(s.Kind(4), kPointOnElement);
  EXPECT_EQ(s.Parents(4), (P3{3, -1, -1}));
  EXPECT_AT(s.At(4), 50, -100);
  EXPECT_DOUBLE_EQ(s.E(4).value[3], 0.75);
}

}  // namespace
}  // namespace velt
