#include "ui/detection.h"

#include <gtest/gtest.h>

#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

DetectionQuery At(Tool tool, double x, double y) {
  DetectionQuery q;
  q.tool = ToolNumber(tool);
  q.mask = ToolMask(tool);
  q.pointer = {x, y};
  return q;
}

TEST(Detection, PointOnLineWinsOverTheLine) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 0);
  Element* line = Add(d, kLineTwoPoints, {a, b}, {0, 0, 100, 0});
  Element* p = Add(d, kPointOnElement, {line}, {50, 0, 0, 0.5});
  for (Tool tool : {Tool::Sel, Tool::B_Recta, Tool::B_Segmento}) {
    Detection r = Detect(d, At(tool, 51, 1));
    ASSERT_EQ(r.hits.size(), 1u) << ToolNumber(tool);
    EXPECT_EQ(r.hits[0].element, p);
  }
  // Tool 1 does not pick points: the line is detected.
  Detection r = Detect(d, At(Tool::B_Punto, 51, 1));
  ASSERT_EQ(r.hits.size(), 1u);
  EXPECT_EQ(r.hits[0].element, line);
}

TEST(Detection, ToleranceIsStrictAndSegmentsReachTwoUnitsBeyondEnds) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 0);
  Element* s = Add(d, kSegment, {a, b}, {0, 0, 100, 0});
  a->visibility = b->visibility = 0;  // hidden ends are not detected
  EXPECT_EQ(Detect(d, At(Tool::Sel, 50, 7.9)).first(), s);
  EXPECT_EQ(Detect(d, At(Tool::Sel, 50, 8)).first(), nullptr);
  EXPECT_EQ(Detect(d, At(Tool::Sel, 101.9, 0)).first(), s);
  EXPECT_EQ(Detect(d, At(Tool::Sel, 102.1, 0)).first(), nullptr);
}

TEST(Detection, CirclesNonExistingAndDegenerateElements) {
  Document d;
  Element* c = AddPoint(d, 0, 0);
  Element* q = AddPoint(d, 3, 4);
  Element* circle = Add(d, kCircleCentrePoint, {c, q}, {0, 0, 3, 4});
  c->visibility = q->visibility = 0;
  EXPECT_EQ(Detect(d, At(Tool::Sel, 0, 12.9)).first(), circle);  // radius 5: |13 - 5| = 8 < 8 + 1
  EXPECT_EQ(Detect(d, At(Tool::Sel, 0, 14)).first(), nullptr);
  circle->exists = 0;
  EXPECT_EQ(Detect(d, At(Tool::Sel, 0, 5)).first(), nullptr);
  Element* z = Add(d, kSegment, {c, c}, {0, 0, 0.00005, 0});
  EXPECT_NE(Detect(d, At(Tool::Sel, 0, 1)).first(), z);
}

TEST(Detection, ToolZeroChoosesTheLastDraggablePoint) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 2, 0);
  Element* m = Add(d, kMidpoint, {a, b}, {1, 0, 0, 0});
  Detection r = Detect(d, At(Tool::Sel, 1, 1));
  ASSERT_EQ(r.hits.size(), 1u);
  EXPECT_EQ(r.hits[0].element, b);  // the midpoint cannot be dragged by itself
  EXPECT_EQ(Detect(d, At(Tool::B_Segmento, 1, 1)).hits.size(), 3u);
  (void)m;
}

TEST(Detection, PolygonGivesItsSideToLineTools) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 0);
  Element* c = AddPoint(d, 0, 100);
  Element* poly = test::AddWithPicks(d, kPolygon, {a, b, c});
  for (auto& s : poly->as<PolygonExt>()->sides)
    s->value = {s->parent[0]->x(), s->parent[0]->y(), s->parent[1]->x(), s->parent[1]->y()};
  Detection r0 = Detect(d, At(Tool::Sel, 50, 49));  // near the side from (100,0) to (0,100)
  ASSERT_EQ(r0.hits.size(), 1u);
  EXPECT_EQ(r0.hits[0].element, poly);
  EXPECT_EQ(r0.hits[0].side, 1);
  Detection r7 = Detect(d, At(Tool::B_Recta_Para, 50, 49));
  ASSERT_EQ(r7.hits.size(), 1u);
  EXPECT_EQ(r7.hits[0].element, poly->as<PolygonExt>()->sides[1].get());
}

TEST(Detection, PicksOfTheGestureAreLeftOut) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  std::vector<Element*> picks{a};
  DetectionQuery q = At(Tool::B_Segmento, 1, 1);
  q.picks = &picks;
  EXPECT_TRUE(Detect(d, q).hits.empty());
  q.tool = ToolNumber(Tool::B_Poligono);  // the polygon keeps its first vertex to close on
  EXPECT_EQ(Detect(d, q).first(), a);
}

}  // namespace
}  // namespace velt
