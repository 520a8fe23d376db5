#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/recompute.h"
#include "model/undo.h"
#include "support/builders.h"
#include "ui/fake_host.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::Bench;

constexpr double kPi = std::numbers::pi;

int CountKind(Document& d, int32_t kind) {
  int n = 0;
  for (auto& e : d.elements()) n += e->kind == kind;
  return n;
}

TEST(ToolLine, PointThenEmptyPlaneGivesLineThroughPointTowardsClick) {
  Bench b;
  b.ix.SelectTool(Tool::B_Recta);
  b.Click(-200, 0);
  b.Click(-100, 50);
  ASSERT_EQ(b.Count(), 2u);
  Element* line = b.Last();
  EXPECT_EQ(line->kind, kLineThroughPoint);
  EXPECT_EQ(line->parent[0], b.At(0));
  // The line keeps the direction towards the click.
  EXPECT_DOUBLE_EQ(line->value[2] - line->value[0], 100);
  EXPECT_DOUBLE_EQ(line->value[3] - line->value[1], 50);
  EXPECT_EQ(b.ix.pickCounter(), 0);
  EXPECT_EQ(b.ix.tool(), Tool::B_Recta);  // the tool stays for the next line
}

TEST(ToolLine, PointThenCircleGivesLineThroughNewPointOnCircle) {
  Bench b;
  Element* c = AddPoint(b.doc(), 0, 0);
  Element* q = AddPoint(b.doc(), 100, 0);
  Element* circle = Add(b.doc(), kCircleCentrePoint, {c, q}, {0, 0, 100, 0});
  b.ix.SelectTool(Tool::B_Recta);
  b.Click(-200, 0);
  b.Click(0, -101);  // one unit outside the circle's bottom
  ASSERT_EQ(b.Count(), 6u);
  Element* onCircle = b.At(4);
  EXPECT_EQ(onCircle->kind, kPointOnElement);
  EXPECT_EQ(onCircle->parent[0], circle);
  EXPECT_NEAR(onCircle->x(), 0, 1e-9);
  EXPECT_NEAR(onCircle->y(), -100, 1e-9);
  EXPECT_NEAR(onCircle->value[3], 1.5 * kPi, 1e-9);
  Element* line = b.Last();
  EXPECT_EQ(line->kind, kLineTwoPoints);
  EXPECT_EQ(line->parent[0], b.At(3));
  EXPECT_EQ(line->parent[1], onCircle);
}

TEST(ToolPoint, ClickAtCrossingOfTwoLinesMakesIntersectionPoint) {
  Bench b;
  Element* a = AddPoint(b.doc(), -100, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  Element* d = AddPoint(b.doc(), 0, -100);
  Element* e = AddPoint(b.doc(), 0, 100);
  Add(b.doc(), kLineTwoPoints, {a, c}, {-100, 0, 100, 0});
  Add(b.doc(), kLineTwoPoints, {d, e}, {0, -100, 0, 100});
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(3, 2);
  Element* p = b.Last();
  EXPECT_EQ(p->kind, kIntersection);
  EXPECT_NEAR(p->x(), 0, 1e-9);
  EXPECT_NEAR(p->y(), 0, 1e-9);
}

TEST(ToolPoint, ClickOnLineMakesPointOnIt) {
  Bench b;
  Element* a = AddPoint(b.doc(), -100, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  Element* line = Add(b.doc(), kLineTwoPoints, {a, c}, {-100, 0, 100, 0});
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(50, 3);
  Element* p = b.Last();
  EXPECT_EQ(p->kind, kPointOnElement);
  EXPECT_EQ(p->parent[0], line);
  EXPECT_NEAR(p->x(), 50, 1e-9);
  EXPECT_NEAR(p->y(), 0, 1e-9);
  EXPECT_NEAR(p->value[3], 0.75, 1e-12);  // a fraction of AB for a line through two points
}

TEST(ToolIntersection, CircleAndLineThroughOneOfItsPointsGiveOnePoint) {
  Bench b;
  Element* c = AddPoint(b.doc(), 0, 0);
  Element* q = AddPoint(b.doc(), 100, 0);
  Element* r = AddPoint(b.doc(), 0, 50);
  Add(b.doc(), kCircleCentrePoint, {c, q}, {0, 0, 100, 0});
  Add(b.doc(), kLineTwoPoints, {q, r}, {100, 0, 0, 50});
  const size_t before = b.Count();
  b.ix.SelectTool(Tool::B_Punto_Inter);
  b.Click(0, -100);    // on the circle only
  b.Click(-100, 100);  // on the line only (y = 50 - x / 2)
  EXPECT_EQ(b.Count(), before + 1);
  EXPECT_EQ(b.Last()->kind, kIntersection);
  EXPECT_EQ(b.ix.pickCounter(), 0);
  // One undo removes it.
  b.ix.UndoCommand();
  EXPECT_EQ(b.Count(), before);
}

TEST(ToolIntersection, TwoCirclesGiveTwoPointsAndTwoLinesOne) {
  Bench b;
  Element* c1 = AddPoint(b.doc(), 0, 0);
  Element* c2 = AddPoint(b.doc(), 150, 0);
  Element* q1 = AddPoint(b.doc(), 100, 0);
  Element* q2 = AddPoint(b.doc(), 50, 0);
  Add(b.doc(), kCircleCentrePoint, {c1, q1}, {0, 0, 100, 0});
  Add(b.doc(), kCircleCentrePoint, {c2, q2}, {150, 0, 50, 0});
  const size_t before = b.Count();
  b.ix.SelectTool(Tool::B_Punto_Inter);
  b.Click(-100, 0);
  b.Click(250, 0);
  EXPECT_EQ(b.Count(), before + 2);
  EXPECT_EQ(CountKind(b.doc(), kIntersection), 2);
}

TEST(ToolChange, AbandonedSegmentLosesItsFirstPointWithoutRedo) {
  Bench b;
  b.ix.SelectTool(Tool::B_Segmento);
  b.Click(10, 10);
  EXPECT_EQ(b.Count(), 1u);
  EXPECT_TRUE(b.ix.snapshotTaken());
  b.ix.SelectTool(Tool::Sel);
  EXPECT_EQ(b.Count(), 0u);
  EXPECT_FALSE(CanRedo(b.doc()));
  EXPECT_FALSE(CanUndo(b.doc()));
}

TEST(ToolChange, AbandonedGestureOnExistingPointsChangesNothing) {
  Bench b;
  AddPoint(b.doc(), 10, 10);
  b.ix.SelectTool(Tool::B_Segmento);
  b.Click(10, 10);  // an existing point: no step stored
  EXPECT_FALSE(b.ix.snapshotTaken());
  b.ix.SelectTool(Tool::B_Circunf);
  EXPECT_EQ(b.Count(), 1u);
}

TEST(Undo, OneStepRemovesConstructionAndThePointsItsGestureMade) {
  Bench b;
  AddPoint(b.doc(), -50, -50);  // there before
  b.ix.SelectTool(Tool::B_Segmento);
  b.Click(0, 0);
  b.Click(100, 0);
  ASSERT_EQ(b.Count(), 4u);
  EXPECT_EQ(b.Last()->kind, kSegment);
  b.ix.UndoCommand();
  EXPECT_EQ(b.Count(), 1u);
  EXPECT_TRUE(CanRedo(b.doc()));
  b.ix.RedoCommand();
  EXPECT_EQ(b.Count(), 4u);
  EXPECT_EQ(b.Last()->kind, kSegment);
  EXPECT_EQ(b.Last()->parent[0], b.At(1));
}

TEST(Undo, UndoDuringGestureUndoesItsStepOnce) {
  Bench b;
  b.ix.SelectTool(Tool::B_arco3p);
  b.Click(0, 0);
  b.Click(50, 50);
  EXPECT_EQ(b.Count(), 2u);
  b.ix.UndoCommand();
  EXPECT_EQ(b.Count(), 0u);
  EXPECT_EQ(b.ix.tool(), Tool::Sel);
  EXPECT_FALSE(CanUndo(b.doc()));
}

TEST(ToolRegularPolygon, QuarterTurnGivesSquare) {
  Bench b;
  b.ix.SelectTool(Tool::B_Polireg);
  b.Click(0, 0);
  b.Click(100, 0);
  b.Click(0, 100);
  EXPECT_EQ(CountKind(b.doc(), kRegularPolygonVertex), 3);
  Element* poly = b.Last();
  ASSERT_EQ(poly->kind, kPolygon);
  const auto& sides = poly->as<PolygonExt>()->sides;
  ASSERT_EQ(sides.size(), 4u);
  EXPECT_EQ(sides[0]->parent[0], b.At(1));
  // The vertices turn counter-clockwise about the centre: (0,100), (-100,0), (0,-100).
  const double want[3][2] = {{0, 100}, {-100, 0}, {0, -100}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(b.At(2 + i)->x(), want[i][0], 1e-9);
    EXPECT_NEAR(b.At(2 + i)->y(), want[i][1], 1e-9);
  }
  // One step for the whole polygon with its points.
  b.ix.UndoCommand();
  EXPECT_EQ(b.Count(), 0u);
}

TEST(ToolRegularPolygon, JustPastHalfTurnGivesStar) {
  Bench b;
  b.ix.SelectTool(Tool::B_Polireg);
  b.Click(0, 0);
  b.Click(100, 0);
  b.Click(100 * std::cos(kPi + 0.01), 100 * std::sin(kPi + 0.01));
  // The star nearest to the angle: 29 points joined every 14th (14/29 is the largest
  // fraction below one half with a denominator up to 30).
  EXPECT_EQ(b.Last()->as<PolygonExt>()->sides.size(), 29u);
  EXPECT_EQ(CountKind(b.doc(), kRegularPolygonVertex), 28);
  EXPECT_NEAR(b.At(2)->value[3], 2 * kPi * 14 / 29, 1e-12);
}

TEST(ToolRegularPolygon, AngleRule) {
  EXPECT_EQ(RegularPolygonFor(2 * kPi / 3).n, 3);
  EXPECT_EQ(RegularPolygonFor(2 * kPi / 6 + 0.001).n, 5);  // truncation
  EXPECT_EQ(RegularPolygonFor(0.01).n, 30);                // clamped
  // Three fifths of a turn: the pentagram (5, 2) exactly.
  auto star = RegularPolygonFor(2 * kPi - 2 * kPi * 2 / 5);
  EXPECT_EQ(star.n, 5);
  EXPECT_EQ(star.k, 2);
}

TEST(ToolPolygon, ClosesOnFirstVertexAfterThree) {
  Bench b;
  b.ix.SelectTool(Tool::B_Poligono);
  b.Click(0, 0);
  b.Click(0, 0);  // the vertex just picked: ignored
  b.Click(100, 0);
  b.Click(0, 0);  // the first vertex with two picked: not yet
  EXPECT_EQ(b.ix.pickCounter(), 2);
  b.Click(100, 100);
  b.Click(0, 0);
  ASSERT_EQ(b.Count(), 4u);
  EXPECT_EQ(b.Last()->as<PolygonExt>()->sides.size(), 3u);
}

TEST(ToolParallel, LineThenPointInEitherOrder) {
  Bench b;
  Element* a = AddPoint(b.doc(), -100, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  Element* line = Add(b.doc(), kLineTwoPoints, {a, c}, {-100, 0, 100, 0});
  b.ix.SelectTool(Tool::B_Recta_Para);
  b.Click(0, 80);  // empty plane first: a point, then only straight elements
  EXPECT_EQ(b.ix.mask()[kTypeCircle], 0);
  b.Click(30, 1);
  Element* par = b.Last();
  EXPECT_EQ(par->kind, kParallel);
  EXPECT_EQ(par->parent[0], line);
  EXPECT_EQ(par->parent[1], b.At(3));
}

TEST(Drag, ManyPositionsUndoInOneStep) {
  Bench b;
  Element* a = AddPoint(b.doc(), 0, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  Add(b.doc(), kSegment, {a, c}, {0, 0, 100, 0});
  const int before = b.doc().undo.position;
  b.Move(0, 0);
  b.ix.MouseDown(MouseButton::Left, b.Px(0), b.Py(0), {});
  for (int i = 1; i <= 50; ++i) b.Move(i, 2 * i, true);
  b.ix.MouseUp(MouseButton::Left, b.Px(50), b.Py(100), {});
  EXPECT_DOUBLE_EQ(b.At(0)->x(), 50);
  EXPECT_DOUBLE_EQ(b.At(0)->y(), 100);
  EXPECT_EQ(b.doc().undo.position, before + 1);
  EXPECT_FALSE(b.At(0)->selected);  // a drag is not a click
  b.ix.UndoCommand();
  EXPECT_DOUBLE_EQ(b.At(0)->x(), 0);
  EXPECT_DOUBLE_EQ(b.At(0)->y(), 0);
}

TEST(Drag, MidpointMovesItsFreeEnds) {
  Bench b;
  Element* a = AddPoint(b.doc(), 0, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  Add(b.doc(), kMidpoint, {a, c}, {50, 0, 0, 0});
  b.Drag({{50, 0}, {55, 5}, {60, 10}});
  EXPECT_DOUBLE_EQ(b.At(0)->x(), 10);
  EXPECT_DOUBLE_EQ(b.At(0)->y(), 10);
  EXPECT_DOUBLE_EQ(b.At(1)->x(), 110);
  EXPECT_DOUBLE_EQ(b.At(1)->y(), 10);
}

TEST(Drag, PointOnCircleStaysOnIt) {
  Bench b;
  Element* c = AddPoint(b.doc(), 0, 0);
  Element* q = AddPoint(b.doc(), 100, 0);
  Element* circle = Add(b.doc(), kCircleCentrePoint, {c, q}, {0, 0, 100, 0});
  Element* p = Add(b.doc(), kPointOnElement, {circle}, {0, -100, 0, 1.5 * kPi});
  b.Drag({{0, -100}, {-50, -50}, {0, 150}});
  p = b.At(3);
  EXPECT_NEAR(p->x(), 0, 1e-9);
  EXPECT_NEAR(p->y(), 100, 1e-9);
  EXPECT_NEAR(p->value[3], kPi / 2, 1e-12);
}

TEST(Selection, ClickTogglesShiftKeepsRectangleSelects) {
  Bench b;
  AddPoint(b.doc(), 0, 0);
  AddPoint(b.doc(), 100, 0);
  b.Click(0, 0);
  EXPECT_TRUE(b.At(0)->selected);
  b.Click(100, 0, {.shift = true});
  EXPECT_TRUE(b.At(0)->selected);
  EXPECT_TRUE(b.At(1)->selected);
  b.Click(0, 0);
  EXPECT_FALSE(b.At(0)->selected);
  // A rectangle around the second point only.
  b.Drag({{50, -50}, {150, 50}});
  EXPECT_FALSE(b.At(0)->selected);
  EXPECT_TRUE(b.At(1)->selected);
  // One unit wide selects nothing (everything was deselected by the press).
  b.Drag({{50, -50}, {51, 50}});
  EXPECT_FALSE(b.At(1)->selected);
  // Ctrl at release selects nothing either.
  b.Drag({{-50, -50}, {150, 50}}, {.ctrl = true});
  EXPECT_FALSE(b.At(0)->selected);
}

TEST(Selection, ArrowKeysMoveSelectionWithOneStepPerRun) {
  Bench b;
  AddPoint(b.doc(), 0, 0);
  b.Click(0, 0);
  const int before = b.doc().undo.position;
  b.ix.KeyDown(Key::Right, {});
  b.ix.KeyDown(Key::Right, {});
  b.ix.KeyDown(Key::Up, {.ctrl = true});
  b.ix.KeyUp(Key::Up);
  EXPECT_DOUBLE_EQ(b.At(0)->x(), 2);
  EXPECT_DOUBLE_EQ(b.At(0)->y(), 3);
  EXPECT_EQ(b.doc().undo.position, before + 1);
}

TEST(EditTools, ColourAppliesToSelectionThenMoveTool) {
  Bench b;
  AddPoint(b.doc(), 0, 0);
  AddPoint(b.doc(), 100, 0);
  b.Click(0, 0);
  b.ix.SetCurrentColour(65280, false);
  EXPECT_EQ(b.At(0)->colour, 65280);
  EXPECT_NE(b.At(1)->colour, 65280);
  EXPECT_EQ(b.ix.tool(), Tool::Sel);
  EXPECT_EQ(b.doc().undo.position, 1);
}

TEST(EditTools, LeavingColourToolUnusedColoursTheNextToolsElements) {
  Bench b;
  b.ix.SetCurrentColour(16711680, false);  // tool 64, nothing clicked
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(0, 0);
  EXPECT_EQ(b.Last()->colour, 16711680);
  b.ix.SelectTool(Tool::B_Punto);  // the following change ends the rule
  b.Click(50, 50);
  EXPECT_NE(b.Last()->colour, 16711680);
}

TEST(EditTools, HideAndDeleteOneStepPerClick) {
  Bench b;
  Element* a = AddPoint(b.doc(), 0, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  Add(b.doc(), kSegment, {a, c}, {0, 0, 100, 0});
  b.ix.SelectTool(Tool::B_vernover);
  b.Click(50, 1);
  EXPECT_EQ(b.At(2)->visibility, 0);
  b.ix.SelectTool(Tool::B_elimelem);  // a hidden element is not detected, its end point is
  b.Click(0, 0);
  EXPECT_EQ(b.Count(), 1u);
  EXPECT_EQ(b.doc().undo.position, 2);
  b.ix.UndoCommand();
  EXPECT_EQ(b.Count(), 3u);
}

TEST(Commands, DeleteSelectionTakesDependentsAlong) {
  Bench b;
  Element* a = AddPoint(b.doc(), 0, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  AddPoint(b.doc(), 0, 100);
  Add(b.doc(), kSegment, {a, c}, {0, 0, 100, 0});
  b.Click(0, 0);
  b.ix.DeleteSelection();
  ASSERT_EQ(b.Count(), 2u);
  EXPECT_DOUBLE_EQ(b.At(0)->x(), 100);
  b.ix.SelectAll();
  b.ix.SelectTool(Tool::B_Segmento);  // deselects
  EXPECT_FALSE(b.At(0)->selected);
}

TEST(Commands, RightButtonOnEmptyPlaneMovesTheView) {
  Bench b;
  const double left = b.doc().viewLeft, top = b.doc().viewTop;
  b.ix.MouseDown(MouseButton::Right, 100, 100, {});
  b.ix.MouseMove(130, 90, {}, false);
  b.ix.MouseUp(MouseButton::Right, 130, 90, {});
  EXPECT_DOUBLE_EQ(b.doc().viewLeft, left - 30);
  EXPECT_DOUBLE_EQ(b.doc().viewTop, top - 10);
}

TEST(Keys, EscapeEndsGestureAndReturnsToMoveTool) {
  Bench b;
  b.ix.SelectTool(Tool::B_Segmento);
  b.Click(0, 0);
  b.ix.KeyDown(Key::Escape, {});
  EXPECT_EQ(b.ix.tool(), Tool::Sel);
  EXPECT_EQ(b.Count(), 0u);
  EXPECT_EQ(b.host.status[2], "Mover los elementos libres o editar");
}

TEST(Status, PromptAndDetectedKindName) {
  Bench b;
  AddPoint(b.doc(), 0, 0);
  b.ix.SelectTool(Tool::B_Segmento);
  EXPECT_EQ(b.host.status[2], "Segmento dados dos puntos");
  b.Move(2, 2);
  EXPECT_EQ(b.host.status[2], "Punto Libre");
  EXPECT_TRUE(b.ix.cursorMessage().visible);
  EXPECT_EQ(b.ix.cursorMessage().text, "punto");
  b.Move(50, 50);
  EXPECT_FALSE(b.ix.cursorMessage().visible);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(ToolAxesAndGrid, PointOnGridSnapsToNodesAndDragsFromNodeToNode) {
  test::Bench b;
  b.ix.SelectTool(Tool::B_N_ejes);
  b.Click(0, 0);  // a free origin, then the axes
  ASSERT_EQ(b.Count(), 2u);
  Element* axes = b.Last();
  ASSERT_EQ(axes->kind, kAxes);
  velt::RecomputeAll(b.doc());
  b.ix.SelectTool(Tool::B_N_cuadricula);
  b.Click(0, 73);  // on the y axis line
  ASSERT_EQ(b.Count(), 3u);
  Element* grid = b.Last();
  ASSERT_EQ(grid->kind, kGrid);
  EXPECT_EQ(grid->parent[0], axes);
  velt::RecomputeAll(b.doc());
  // Units of 40: the nice step is 1 unit, so nodes lie 40 apart. A click 5 from the node
  // (80, 120) makes a point on the grid there, with grid coordinates (2, 3).
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(83, 116);
  Element* p = b.Last();
  ASSERT_EQ(p->kind, kPointOnGrid);
  EXPECT_DOUBLE_EQ(p->x(), 80);
  EXPECT_DOUBLE_EQ(p->y(), 120);
  EXPECT_DOUBLE_EQ(p->value[2], 2);
  EXPECT_DOUBLE_EQ(p->value[3], 3);
  // Dragged, it jumps to the node nearest the pointer.
  b.ix.SelectTool(Tool::Sel);
  b.Drag({{80, 120}, {100, 150}, {125, 165}});
  EXPECT_DOUBLE_EQ(b.Last()->x(), 120);
  EXPECT_DOUBLE_EQ(b.Last()->y(), 160);
  EXPECT_DOUBLE_EQ(b.Last()->value[2], 3);
  EXPECT_DOUBLE_EQ(b.Last()->value[3], 4);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(ToolVectorSum, TwoVectorsThenPointGiveEndPointAndVector) {
  test::Bench b;
  Element* a = AddPoint(b.doc(), 0, 0);
  Element* c = AddPoint(b.doc(), 30, 0);
  Element* d = AddPoint(b.doc(), 0, -100);
  Element* e = AddPoint(b.doc(), 0, -60);
  Element* u = Add(b.doc(), kVector, {a, c}, {0, 0, 30, 0});
  Element* w = Add(b.doc(), kVector, {d, e}, {0, -100, 0, -60});
  b.ix.SelectTool(Tool::B_vectorsuma);
  b.Click(15, 1);
  b.Click(1, -80);
  b.Click(-200, 100);  // a free point
  ASSERT_EQ(b.Count(), 9u);
  Element* end = b.At(7);
  EXPECT_EQ(end->kind, kVectorSum);
  EXPECT_EQ(end->parent[0], u);
  EXPECT_EQ(end->parent[1], w);
  EXPECT_DOUBLE_EQ(end->x(), -170);  // -200 + 30 + 0
  EXPECT_DOUBLE_EQ(end->y(), 140);   // 100 + 0 + 40
  EXPECT_EQ(b.Last()->kind, kVector);
  EXPECT_EQ(b.Last()->parent[1], end);
  b.ix.UndoCommand();
  EXPECT_EQ(b.Count(), 6u);
}

TEST(ToolRedefine, PointBecomesPointOnLineOrFreeAndSelfDependenceIsRefused) {
  test::Bench b;
  Element* a = AddPoint(b.doc(), 0, 0);
  Element* c = AddPoint(b.doc(), 100, 0);
  Add(b.doc(), kLineTwoPoints, {a, c}, {0, 0, 100, 0});
  Element* p = AddPoint(b.doc(), 50, 60);
  b.ix.SelectTool(Tool::B_redefpun);
  b.Click(50, 60);
  b.Click(30, 2);  // onto the line
  EXPECT_EQ(p->kind, kPointOnElement);
  EXPECT_DOUBLE_EQ(p->y(), 0);
  b.Click(30, 0);  // the point again, then empty plane: free once more
  b.Click(30, 80);
  EXPECT_EQ(p->kind, kFreePoint);
  EXPECT_DOUBLE_EQ(p->y(), 80);
  // The line's own end point cannot be put on the line.
  b.Click(0, 0);
  b.Click(60, 1);
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0], "Redefinición no válida");
  EXPECT_EQ(a->kind, kFreePoint);
}

TEST(ToolZoom, ScalesFreePointsAboutThePressWithOneStepPerPress) {
  test::Bench b;
  AddPoint(b.doc(), 100, 0);
  const int before = b.doc().undo.position;
  b.ix.SelectTool(Tool::B_zoom);
  b.Drag({{0, 0}, {0, 100}});  // factor 1 + 0.003 * 100 = 1.3
  EXPECT_NEAR(b.At(0)->x(), 130, 1e-9);
  EXPECT_EQ(b.doc().undo.position, before + 1);
}

}  // namespace
}  // namespace velt
