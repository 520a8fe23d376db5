// Tools whose picks, parents and previews went wrong once: each case fails on that code.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/element_points.h"
#include "support/builders.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::Bench;

constexpr double kPi = std::numbers::pi;

TEST(ToolCircleByRadius, TwoRadiusPointsThenTheCentre) {
  Bench b;
  b.ix.SelectTool(Tool::B_Circ2pr);
  b.Click(0, 0);
  b.Click(30, 0);
  b.Click(200, 100);
  ASSERT_EQ(b.Count(), 4u);
  Element* circle = b.Last();
  ASSERT_EQ(circle->kind, kCircleRadius);
  EXPECT_EQ(circle->parent[0], b.At(2));  // the centre, picked last
  EXPECT_EQ(circle->parent[1], b.At(0));
  EXPECT_EQ(circle->parent[2], b.At(1));
  EXPECT_DOUBLE_EQ(circle->value[0], 200);
  EXPECT_DOUBLE_EQ(circle->value[1], 100);
  EXPECT_DOUBLE_EQ(Distance(PointA(*circle), PointB(*circle)), 30);
}

TEST(Previews, ArcAndAngleMarkAreDrawnAsWhatTheyBuild) {
  Bench b;
  b.ix.SelectTool(Tool::B_arco3p);
  b.Click(100, 0);
  b.Move(0, 100);
  {
    // One point so far: the chord towards the pointer.
    auto p = b.ix.Preview();
    ASSERT_EQ(p.drawn.size(), 1u);
    EXPECT_EQ(p.drawn[0]->kind, kSegment);
  }
  b.Click(0, 100);
  b.Move(-100, 0);
  {
    // Two points: the arc through them and the pointer, on the circle of radius 100 about
    // the origin.
    auto p = b.ix.Preview();
    ASSERT_EQ(p.drawn.size(), 1u);
    const Element& arc = *p.drawn[0];
    EXPECT_EQ(arc.kind, kArc);
    EXPECT_TRUE(arc.exists);
    EXPECT_NEAR(arc.value[0], 0, 1e-9);
    EXPECT_NEAR(arc.value[1], 0, 1e-9);
    EXPECT_EQ(arc.parent[0], b.At(0));
    EXPECT_EQ(arc.parent[1], b.At(1));
    EXPECT_NEAR(arc.parent[2]->x(), -100, 1e-9);
  }

  b.ix.SelectTool(Tool::B_Angulo);
  b.Click(100, 0);
  b.Click(0, 0);
  b.Move(0, 50);
  auto p = b.ix.Preview();
  const Element* mark = nullptr;
  int arms = 0;
  for (const auto& e : p.drawn) {
    if (e->kind == kAngleMark) mark = e.get();
    arms += e->kind == kSegment;
  }
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(arms, 2);
  EXPECT_NEAR(mark->value[0], kPi / 2, 1e-12);  // the quarter turn from P1 to the pointer
  EXPECT_GT(mark->value[2], 0);                 // the radius of its small arc
  EXPECT_EQ(mark->colour, b.doc().typeColours[kTypeAngle]);
}

}  // namespace
}  // namespace velt
