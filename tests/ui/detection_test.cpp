#include "ui/detection.h"

#include <gtest/gtest.h>

#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/macro_commands.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

DetectionQuery At(Tool tool, double x, double y) {
  DetectionQuery q;
  q.tool = tool;
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
  Detection all = Detect(d, At(Tool::B_Segmento, 1, 1));
  ASSERT_EQ(all.hits.size(), 3u);
  EXPECT_EQ(all.hits[2].element, m);
}

TEST(Detection, FiguresOnFreePointsAreDraggedByThemselves) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 0);
  Element* c = AddPoint(d, 0, 100);
  Element* m = Add(d, kMidpoint, {a, b});
  EXPECT_TRUE(CanDragDirectly(*Add(d, kSegment, {a, b})));
  EXPECT_FALSE(CanDragDirectly(*Add(d, kSegment, {a, m})));
  EXPECT_TRUE(CanDragDirectly(*Add(d, kVector, {b, c})));
  EXPECT_TRUE(CanDragDirectly(*Add(d, kCircleCentrePoint, {a, c})));
  EXPECT_TRUE(CanDragDirectly(*Add(d, kArc, {a, b, c})));
  EXPECT_FALSE(CanDragDirectly(*Add(d, kArc, {a, b, m})));
  EXPECT_TRUE(CanDragDirectly(*Add(d, kAxes, {a})));
  EXPECT_FALSE(CanDragDirectly(*Add(d, kAxes, {m})));
  EXPECT_TRUE(CanDragDirectly(*test::AddWithPicks(d, kPolygon, {a, b, c})));
  EXPECT_FALSE(CanDragDirectly(*test::AddWithPicks(d, kPolygon, {a, m, c})));
  // A parallel or a midpoint goes through its free ancestors.
  EXPECT_FALSE(CanDragDirectly(*Add(d, kParallel, {c, Add(d, kSegment, {a, b})})));
  EXPECT_FALSE(CanDragDirectly(*m));
  EXPECT_TRUE(CanDragDirectly(*a));
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
  q.tool = Tool::B_Poligono;  // the polygon keeps its first vertex to close on
  EXPECT_EQ(Detect(d, q).first(), a);
}

TEST(Detection, CrossingsAreOfferedByTheToolsThatWantPoints) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 100);
  Element* c = AddPoint(d, 0, 100);
  Element* e = AddPoint(d, 100, 0);
  for (Element* p : {a, b, c, e}) p->visibility = 0;
  Add(d, kLineTwoPoints, {a, b}, {0, 0, 100, 100});
  Add(d, kLineTwoPoints, {c, e}, {0, 100, 100, 0});
  // Near (50, 50), where the two lines cross.
  for (Tool tool : {Tool::B_Punto, Tool::B_Recta, Tool::B_Circ2pr, Tool::B_N_ecoord}) {
    Detection r = Detect(d, At(tool, 52, 51));
    ASSERT_TRUE(r.candidate) << ToolNumber(tool);
    EXPECT_NEAR(r.candidate->x(), 50, 1e-9);
    EXPECT_NEAR(r.candidate->y(), 50, 1e-9);
  }
  for (Tool tool : {Tool::Sel, Tool::B_vernover, Tool::B_traza}) {
    Detection r = Detect(d, At(tool, 52, 51));
    EXPECT_FALSE(r.candidate) << ToolNumber(tool);
    EXPECT_EQ(r.hits.size(), 2u) << ToolNumber(tool);
  }
  // Once the tool wants no more points, the two lines stay two lines.
  DetectionQuery q = At(Tool::B_Recta, 52, 51);
  q.mask[kTypePoint] = 0;
  EXPECT_FALSE(Detect(d, q).candidate);
  // The point tool offers the crossing with no point in its mask.
  ASSERT_EQ(ToolMask(Tool::B_Punto)[kTypePoint], 0);
}

TEST(Detection, AxesEnterWholeOrByTheLineThatWasHitAsTheToolWants) {
  Document d;
  Element* o = AddPoint(d, 0, 0);
  o->visibility = 0;
  Element* axes = Add(d, kAxes, {o});
  RecomputeAll(d);
  const auto* ext = axes->as<AxesExt>();
  ASSERT_TRUE(ext && ext->xAxis);
  for (Tool tool : {Tool::Sel, Tool::B_N_cuadricula, Tool::B_color, Tool::B_forma_linea6})
    EXPECT_EQ(Detect(d, At(tool, 60, 1)).first(), axes) << ToolNumber(tool);
  for (Tool tool : {Tool::B_Recta_Para, Tool::B_comp_par, Tool::B_forma_linea4}) {
    Detection r = Detect(d, At(tool, 60, 1));
    EXPECT_EQ(r.first(), ext->xAxis.get()) << ToolNumber(tool);
    EXPECT_EQ(Detect(d, At(tool, 1, 60)).first(), ext->yAxis.get()) << ToolNumber(tool);
  }
  // The macro tool takes the whole axes only while it awaits axes, else the line.
  DetectionQuery q = At(Tool::B_MacCon, 60, 1);
  q.mask = MacroParameterMask(kTypeAxes);
  EXPECT_EQ(Detect(d, q).first(), axes);
  q.mask = MacroParameterMask(kTypeLine);
  EXPECT_EQ(Detect(d, q).first(), ext->xAxis.get());
  q.pointer = {1, 60};
  EXPECT_EQ(Detect(d, q).first(), ext->yAxis.get());
}

TEST(Detection, CoordinateNumbersAreFoundApartByTheToolsThatTakeNumbers) {
  Document d;
  Element* o = AddPoint(d, 0, 0);
  Element* axes = Add(d, kAxes, {o});
  Element* p = AddPoint(d, 40, 80);
  Element* coords = Add(d, kCoordinates, {p, axes});
  RecomputeAll(d);
  const auto* c = coords->as<CoordinatesExt>();
  ASSERT_TRUE(c && c->x && c->y && coords->exists);
  // The label "(1.00;2.00)" from x 100 to 188, its x number from 108 to 140 and its y number
  // from 148 to 180, all between y -20 and -40.
  const BoxOf boxes = [&](const Element& e) -> std::optional<Box> {
    if (&e == coords) return Box{100, -20, 188, -40};
    if (&e == c->x.get()) return Box{108, -20, 140, -40};
    if (&e == c->y.get()) return Box{148, -20, 180, -40};
    return std::nullopt;
  };
  auto found = [&](Tool tool, double x) {
    DetectionQuery q = At(tool, x, -30);
    q.mask[kTypeNumber] = q.mask[kTypeCoordinates] = 1;
    q.boxOf = boxes;
    return Detect(d, q);
  };
  for (Tool tool : {Tool::B_puncoord, Tool::B_N_calcular, Tool::B_N_tabla, Tool::B_MacCon}) {
    Detection onY = found(tool, 160);
    EXPECT_EQ(onY.first(), c->y.get()) << ToolNumber(tool);
    ASSERT_EQ(onY.hits.size(), 1u);
    EXPECT_EQ(onY.hits[0].side, 1);
    EXPECT_EQ(found(tool, 120).first(), c->x.get()) << ToolNumber(tool);
    EXPECT_TRUE(found(tool, 144).empty()) << "the separator is neither number";
  }
  for (Tool tool : {Tool::Sel, Tool::B_font, Tool::B_vernover}) {
    EXPECT_EQ(found(tool, 160).first(), coords) << ToolNumber(tool);
    EXPECT_EQ(found(tool, 144).first(), coords) << ToolNumber(tool);
  }
}

TEST(Detection, SelectedHitsWinExceptForTheMacroAndButtonTools) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 0);
  Element* c = AddPoint(d, 100, 4);
  for (Element* p : {a, b, c}) p->visibility = 0;
  Element* s1 = Add(d, kSegment, {a, b}, {0, 0, 100, 0});
  Element* s2 = Add(d, kSegment, {a, c}, {0, 0, 100, 4});
  s2->selected = true;
  Detection sel = Detect(d, At(Tool::Sel, 80, 1.6));
  ASSERT_EQ(sel.hits.size(), 1u);
  EXPECT_EQ(sel.first(), s2);
  for (Tool tool : {Tool::B_mac_ini, Tool::B_mac_fin, Tool::B_vernoverbot}) {
    Detection r = Detect(d, At(tool, 80, 1.6));
    ASSERT_EQ(r.hits.size(), 2u) << ToolNumber(tool);
    EXPECT_EQ(r.hits[0].element, s1);
  }
}

TEST(Detection, SomeToolsPickAgainWhatTheyPicked) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  std::vector<Element*> picks{a};
  for (Tool tool : {Tool::B_traza, Tool::B_mac_ini, Tool::B_mac_fin, Tool::B_iteracion}) {
    DetectionQuery q = At(tool, 1, 1);
    q.mask[kTypePoint] = 1;
    q.picks = &picks;
    EXPECT_EQ(Detect(d, q).first(), a) << ToolNumber(tool);
  }
  Element* b = AddPoint(d, 50, 0);
  picks = {a, b};
  DetectionQuery q = At(Tool::B_Poligono, 50, 1);  // only the first vertex closes the polygon
  q.picks = &picks;
  EXPECT_TRUE(Detect(d, q).empty());
}

TEST(Detection, AxialSymmetryTakesAPolygonSideAsItsAxis) {
  Document d;
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 0);
  Element* c = AddPoint(d, 0, 100);
  for (Element* p : {a, b, c}) p->visibility = 0;
  Element* poly = test::AddWithPicks(d, kPolygon, {a, b, c});
  for (auto& s : poly->as<PolygonExt>()->sides)
    s->value = {s->parent[0]->x(), s->parent[0]->y(), s->parent[1]->x(), s->parent[1]->y()};
  DetectionQuery q = At(Tool::B_sim_ax, 50, 1);
  EXPECT_EQ(Detect(d, q).first(), poly);  // the object: the whole polygon
  q.pickCounter = 1;
  EXPECT_EQ(Detect(d, q).first(), poly->as<PolygonExt>()->sides[0].get());  // the axis
}

}  // namespace
}  // namespace velt
