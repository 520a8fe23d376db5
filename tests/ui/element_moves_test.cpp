// Elements that move by themselves: a name label's drag.
#include "ui/element_moves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/recompute.h"
#include "support/builders.h"
#include "view/name_anchor.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

Element* Name(Document& doc, Element* of, double dx, double dy, double along) {
  Element* n = Add(doc, kName, {of}, {dx, dy, along, 0});
  n->as<NameExt>()->text = "n";
  return n;
}

TEST(NameDrag, TheLabelOfALineSlidesAlongItAndKeepsItsOffset) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 100, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  RecomputeAll(doc);
  Element* n = Name(doc, line, 0, 10, 0.5);  // at (50, 10)
  const MoveStart start = StartOf(*n);
  const MoveLimits limits{50};
  // 100 along the line: the anchor goes with the label, the offset stays (0, 10).
  MoveItself(*n, start, {100, 0}, {150, 10}, limits);
  EXPECT_NEAR(n->value[2], 1.5, 1e-12);
  EXPECT_NEAR(n->value[0], 0, 1e-12);
  EXPECT_NEAR(n->value[1], 10, 1e-12);
  // Each step of the drag counts from where the label stood when it began.
  MoveItself(*n, start, {20, 0}, {70, 10}, limits);
  EXPECT_NEAR(n->value[2], 0.7, 1e-12);
  // 90 away from the line: the offset shrinks to 50 along its direction.
  MoveItself(*n, start, {0, 90}, {50, 100}, limits);
  EXPECT_NEAR(n->value[2], 0.5, 1e-12);
  EXPECT_NEAR(n->value[1], 50, 1e-12);
  const auto at = NameLabelPosition(*n);
  ASSERT_TRUE(at);
  EXPECT_NEAR(at->x, 50, 1e-12);
  EXPECT_NEAR(at->y, 50, 1e-12);
}

TEST(NameDrag, ThePointsLabelStaysWithinTheNameDistance) {
  Document doc;
  Element* p = AddPoint(doc, 5, 5);
  Element* n = Name(doc, p, 10, 10, 0);
  const MoveStart start = StartOf(*n);
  MoveItself(*n, start, {60, 0}, {75, 15}, MoveLimits{50});
  // The wanted offset (70, 10) shortened to length 50.
  const double k = 50 / std::hypot(70.0, 10.0);
  EXPECT_NEAR(n->value[0], 70 * k, 1e-12);
  EXPECT_NEAR(n->value[1], 10 * k, 1e-12);
  // A name shown inside a number's text has no place of its own: it stays.
  Element* number = Add(doc, kParameter, {});
  Element* inside = Name(doc, number, 3, 4, 0);
  MoveItself(*inside, StartOf(*inside), {60, 0}, {60, 0}, MoveLimits{50});
  EXPECT_EQ(inside->value[0], 3);
  EXPECT_EQ(inside->value[1], 4);
}

}  // namespace
}  // namespace velt
