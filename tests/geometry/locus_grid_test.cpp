#include "geometry/locus_grid.h"

#include <gtest/gtest.h>

#include "geometry/grid_nodes.h"
#include "geometry/locus_sampling.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

// Axes at (0, 0) with units of 40 (a grid step of 40), a point G on their grid at (1, 2),
// and M, the midpoint of G and a fixed F = (10, 10).
struct GridFigure {
  Document doc;
  Element *g, *m, *locus = nullptr;
  GridFigure() {
    Element* o = AddPoint(doc, 0, 0);
    Element* axes = Add(doc, kAxes, {o});
    Element* grid = Add(doc, kGrid, {axes});
    g = Add(doc, kPointOnGrid, {grid}, {0, 0, 1, 2});
    Element* f = AddPoint(doc, 10, 10);
    m = Add(doc, kMidpoint, {g, f});
    locus = Add(doc, kLocus, {m, g});
    locus->as<SampleExt>()->sampleCount = 80;
    RecomputeAll(doc);
  }
  const SampleExt& s() const { return *locus->as<SampleExt>(); }
};

TEST(GridNodes, TheNearestNodeFollowsTheOriginAndTheUnits) {
  GridFigure f;
  Element* grid = f.g->parent[0];
  Element* axes = grid->parent[0];
  // Units of 40: one grid unit between nodes.
  auto node = NearestGridNode(*grid, {83, 116});
  ASSERT_TRUE(node);
  EXPECT_EQ(node->u, 2);
  EXPECT_EQ(node->v, 3);
  EXPECT_DOUBLE_EQ(node->at.x, 80);
  EXPECT_DOUBLE_EQ(node->at.y, 120);
  axes->parent[0]->value[0] = 10;
  axes->parent[0]->value[1] = 5;
  node = NearestGridNode(*grid, {-93, 121});
  ASSERT_TRUE(node);
  EXPECT_EQ(node->u, -3);  // (-93 - 10) / 40 = -2.575
  EXPECT_EQ(node->v, 3);   // (121 - 5) / 40 = 2.9
  EXPECT_DOUBLE_EQ(node->at.x, -110);
  EXPECT_DOUBLE_EQ(node->at.y, 125);
  // Units of 8: 60 / 8 = 7.5 rounds down to 5 units, 40 apart.
  axes->as<AxesExt>()->xUnit = 8;
  node = NearestGridNode(*grid, {10 + 61, 5});
  ASSERT_TRUE(node);
  EXPECT_EQ(node->u, 10);
  EXPECT_DOUBLE_EQ(node->at.x, 90);
  axes->as<AxesExt>()->xUnit = 0;
  EXPECT_FALSE(NearestGridNode(*grid, {0, 0}));
}

TEST(LocusGrid, TheDriverVisitsTheNodesInTheViewRowByRow) {
  GridFigure f;
  ASSERT_EQ(f.locus->exists, 1);
  // View -400..400 by 300..-300: columns x = -400..360 (the right edge left out), rows
  // y = 280..-280.
  ASSERT_EQ(f.s().recorded, 20 * 15);
  EXPECT_EQ(f.s().sampleCount, 300);
  EXPECT_EQ(f.locus->attr1, 0);
  auto expectMidpointOf = [&](int i, double x, double y) {
    EXPECT_DOUBLE_EQ(f.s().x1[i], (x + 10) / 2) << i;
    EXPECT_DOUBLE_EQ(f.s().y1[i], (y + 10) / 2) << i;
  };
  expectMidpointOf(0, -400, 280);
  expectMidpointOf(1, -360, 280);
  expectMidpointOf(20, -400, 240);
  expectMidpointOf(299, 360, -280);
  // The driver is back on its node.
  EXPECT_EQ(f.g->value[2], 1);
  EXPECT_EQ(f.g->value[3], 2);
  EXPECT_DOUBLE_EQ(f.m->x(), 25);
  EXPECT_DOUBLE_EQ(f.m->y(), 45);
}

TEST(LocusGrid, TheSamplesFollowTheViewAndAreBounded) {
  GridFigure f;
  f.doc.viewLeft = 0, f.doc.viewRight = 100, f.doc.viewTop = 100, f.doc.viewBottom = 0;
  RecomputeAll(f.doc);
  // Nodes x = 0, 40, 80 on rows y = 80, 40 (the bottom edge left out).
  ASSERT_EQ(f.s().recorded, 6);
  EXPECT_EQ(f.s().sampleCount, 6);
  EXPECT_DOUBLE_EQ(f.s().x1[0], 5);
  EXPECT_DOUBLE_EQ(f.s().y1[0], 45);
  EXPECT_DOUBLE_EQ(f.s().x1[5], 45);
  EXPECT_DOUBLE_EQ(f.s().y1[5], 25);
  // A view over millions of nodes stops at the cap; one over no node records nothing.
  f.doc.viewLeft = -1e7, f.doc.viewRight = 1e7, f.doc.viewTop = 1e7, f.doc.viewBottom = -1e7;
  RecomputeAll(f.doc);
  EXPECT_EQ(f.s().recorded, kMaxGridLocusSamples);
  EXPECT_EQ(f.s().sampleCount, kMaxGridLocusSamples);
  EXPECT_DOUBLE_EQ(f.s().x1[0], (-1e7 + 10) / 2);
  f.doc.viewLeft = -1e300, f.doc.viewRight = 1e300;
  RecomputeAll(f.doc);
  EXPECT_EQ(f.s().recorded, kMaxGridLocusSamples);
  f.doc.viewLeft = 1, f.doc.viewRight = 39;
  RecomputeAll(f.doc);
  EXPECT_EQ(f.s().recorded, 0);
  EXPECT_EQ(f.locus->exists, 1);
}

TEST(LocusGrid, DraggingTheTracedPointMovesTheDriverToTheNearestNode) {
  GridFigure f;
  ASSERT_TRUE(DragDriverAlongLocus(f.doc, *f.locus, Pt{-194, 144}));
  // The sample nearest to the pointer is the first one: node (-400, 280) = (-10, 7) units.
  EXPECT_EQ(f.g->value[2], -10);
  EXPECT_EQ(f.g->value[3], 7);
  EXPECT_DOUBLE_EQ(f.m->x(), -195);
  EXPECT_DOUBLE_EQ(f.m->y(), 145);
}

}  // namespace
}  // namespace velt
