// Scenarios of the measuring tools, played as scripts: distances, lengths, perimeters, areas,
// angle values, slopes, proportions, equations, coordinates and the property checkers, with
// the values and texts they show, the axes taken without a pick when the document has only
// one pair, and labels that stand where the user clicked. The document measures 40 plane
// units to the centimetre.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "model/element.h"
#include "model/kinds.h"
#include "ui/script_support.h"
#include "ui/view_boxes.h"
#include "view/label_text.h"

namespace velt {
namespace {

using test::P3;
using test::Scenario;

std::string TextOf(Scenario& s, int number) { return LabelTextOf(s.doc(), s.E(number)); }

TEST(ScriptToolLengthDistance, PointsLinesSegmentsCirclesPolygonsAndArcs) {
  {
    // |(0, 0)(30, 40)| = 50 plane units = 1.25 cm; the label stands at the second click.
    Scenario s("tool 1\nclick 0 0\nclick 30 40\ntool B_N_longdist\nclick 0 0\nclick 30 40\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.Kind(3), kDistancePointPoint);
    EXPECT_EQ(s.Parents(3), (P3{1, 2, -1}));
    EXPECT_NEAR(s.E(3).value[0], 1.25, 1e-12);
    EXPECT_EQ(TextOf(s, 3), "1.25 cm");
    EXPECT_AT(s.Second(3), 30, 40);
    s.doc().lengthUnit = 0;  // mm
    s.Play("tool B_N_longdist\nclick 0 0\nclick 30 40\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    EXPECT_NEAR(s.E(4).value[0], 12.5, 1e-12);
    EXPECT_EQ(TextOf(s, 4), "12.50 mm");
  }
  {
    // A point 100 units from a line through (-200, 100) towards (200, 100): 2.5 cm.
    Scenario s(
        "tool 1\nclick 0 0\ntool B_Recta\nclick -200 100\nclick 200 100\n"
        "tool B_N_longdist\nclick 0 0\nclick 50 100\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 4);
    EXPECT_EQ(s.Kind(4), kDistancePointLine);
    EXPECT_EQ(s.Parents(4), (P3{1, 3, -1}));
    EXPECT_EQ(TextOf(s, 4), "2.50 cm");
    EXPECT_AT(s.Second(4), 50, 100);
  }
  {
    // A segment (0, 0)-(30, 40) alone; a circle of radius 40 about the origin: 2 pi cm.
    Scenario s(
        "tool B_Segmento\nclick 0 0\nclick 30 40\ntool B_N_longdist\nclick 15 20\n"
        "tool B_Circunf\nclick 200 0\nclick 240 0\ntool B_N_longdist\nclick 200 40\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    EXPECT_EQ(s.Kind(4), kLengthSegment);
    EXPECT_EQ(s.Parents(4), (P3{3, -1, -1}));
    EXPECT_EQ(TextOf(s, 4), "1.25 cm");
    EXPECT_AT(s.Second(4), 15, 20);
    ASSERT_EQ(s.Count(), 7);
    EXPECT_EQ(s.Kind(7), kLengthCircle);
    EXPECT_EQ(s.Parents(7), (P3{6, -1, -1}));
    EXPECT_NEAR(s.E(7).value[0], 2 * std::numbers::pi, 1e-12);
    EXPECT_EQ(TextOf(s, 7), "6.28 cm");
  }
  {
    // The triangle (0, 0), (120, 0), (0, 160): perimeter 480 units = 12 cm, area
    // 9600 square units = 6 cm²; a point and a side give the distance to the side's line.
    Scenario s(
        "tool B_Poligono\nclick 0 0\nclick 120 0\nclick 0 160\nclick 0 0\n"
        "tool B_N_longdist\nclick 60 0\ntool B_N_area\nclick 0 80\n"
        "tool 1\nclick 60 -80\ntool B_N_longdist\nclick 60 -80\nclick 100 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    // Vertices 1-3, the polygon 4 with its sides 5-7.
    EXPECT_EQ(s.Kind(8), kPerimeter);
    EXPECT_EQ(s.Parents(8), (P3{4, -1, -1}));
    EXPECT_EQ(TextOf(s, 8), "12.00 cm");
    EXPECT_EQ(s.Kind(9), kAreaPolygon);
    EXPECT_EQ(s.Parents(9), (P3{4, -1, -1}));
    EXPECT_EQ(TextOf(s, 9), "6.00 cm²");
    EXPECT_AT(s.Second(9), 0, 80);
    EXPECT_EQ(s.Kind(11), kDistancePointLine);
    EXPECT_EQ(s.Parents(11), (P3{10, 5, -1})) << "the side hit, not the polygon";
    EXPECT_EQ(TextOf(s, 11), "2.00 cm");
  }
  {
    // An arc through (40, 0), (0, 40), (-40, 0): half a circle of radius 1 cm.
    Scenario s(
        "tool B_arco3p\nclick 40 0\nclick 0 40\nclick -40 0\ntool B_N_longdist\n"
        "click 28.2843 28.2843\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Kind(5), kLengthArc);
    EXPECT_EQ(s.Parents(5), (P3{4, -1, -1}));
    EXPECT_NEAR(s.E(5).value[0], std::numbers::pi, 1e-9);
  }
}

TEST(ScriptToolArea, CircleInSquareCentimetresAndMillimetres) {
  // Radius 80 units = 2 cm: 4 pi cm², 400 pi mm².
  Scenario s("tool B_Circunf\nclick 0 0\nclick 80 0\ntool B_N_area\nclick 0 80\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(3), kAreaCircle);
  EXPECT_EQ(s.Parents(3), (P3{2, -1, -1}));
  EXPECT_EQ(TextOf(s, 3), "12.57 cm²");
  s.doc().lengthUnit = 0;
  s.Play("tool B_N_area\nclick 0 -80\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_NEAR(s.E(4).value[0], 400 * std::numbers::pi, 1e-9);
  EXPECT_EQ(TextOf(s, 4), "1256.64 mm²");
}

TEST(ScriptToolAngleValue, ThreePointsAnAngleMarkAndAnArcInDegrees) {
  Scenario s;
  s.doc().angleUnit = 1;
  // P1 (100, 0), V (0, 0), P3 (0, -100): 90° unsigned; the mark from P1 to P3 turns 270°
  // counter-clockwise.
  s.Play(
      "tool 1\nclick 100 0\nclick 0 0\nclick 0 -100\ntool B_N_angulo\nclick 100 0\n"
      "click 0 0\nclick 0 -100\ntool B_Angulo\nclick 100 0\nclick 0 0\nclick 0 -100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Kind(4), kAngleValue);
  EXPECT_EQ(s.Parents(4), (P3{1, 2, 3}));
  EXPECT_EQ(TextOf(s, 4), "90.00 °");
  EXPECT_AT(s.Second(4), 0, -100);
  ASSERT_EQ(s.Kind(5), kAngleMark);
  // The mark's arc passes through the negative x axis at its radius.
  const double r = s.E(5).value[2];
  s.Play("tool B_N_angulo\nclick " + std::to_string(-r) + " 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  EXPECT_EQ(s.Kind(6), kAngleValue);
  EXPECT_EQ(s.Parents(6), (P3{1, 2, 3}));
  EXPECT_EQ(TextOf(s, 6), "270.00 °");
  // An arc from (40, 0) through (0, 40) to (-40, 0) sweeps half a turn: 200 gradians.
  s.doc().angleUnit = 2;
  s.Play(
      "tool B_arco3p\nclick 240 0\nclick 200 40\nclick 160 0\ntool B_N_angulo\n"
      "click 228.2843 28.2843\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  const int last = s.Count();
  EXPECT_EQ(s.Kind(last), kAngleValue);
  EXPECT_EQ(s.Parents(last), (P3{last - 1, -1, -1}));
  EXPECT_EQ(TextOf(s, last), "200.00 gr");
}

TEST(ScriptToolSlopeAndProportion, KnownLinesAndLengths) {
  {
    // Through (0, 0) towards (40, 80): slope 2; a vertical segment has none.
    Scenario s(
        "tool B_Recta\nclick 0 0\nclick 40 80\ntool B_N_pend\nclick 20 40\n"
        "tool B_Segmento\nclick 200 0\nclick 200 100\ntool B_N_pend\nclick 200 50\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 7);
    EXPECT_EQ(s.Kind(3), kSlope);
    EXPECT_EQ(s.Parents(3), (P3{2, -1, -1}));
    EXPECT_EQ(TextOf(s, 3), "2.00");
    EXPECT_EQ(s.Kind(7), kSlope);
    EXPECT_EQ(s.Parents(7), (P3{6, -1, -1}));
    EXPECT_EQ(s.E(7).attr1, -100);
    EXPECT_EQ(TextOf(s, 7), "no existente");
  }
  {
    // |AB| / |AC| of A (0, 0), B (80, 0), C (-40, 0): -2 (B and C on opposite sides of A).
    Scenario s(
        "tool 1\nclick 0 0\nclick 80 0\nclick -40 0\ntool B_N_prop\nclick 0 0\n"
        "click 80 0\nclick -40 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 4);
    EXPECT_EQ(s.Kind(4), kProportion);
    EXPECT_EQ(s.Parents(4), (P3{1, 2, 3}));
    EXPECT_EQ(TextOf(s, 4), "-2.00");
  }
  {
    // A segment of 90 units against a polygon side of 60: 1.5.
    Scenario s(
        "tool B_Segmento\nclick 0 100\nclick 90 100\ntool B_Poligono\nclick 0 0\n"
        "click 60 0\nclick 0 -60\nclick 0 0\ntool B_N_prop\nclick 45 100\nclick 30 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    // Segment 3 on 1, 2; vertices 4-6, the polygon 7 and its sides 8-10.
    const int last = s.Count();
    EXPECT_EQ(s.Kind(last), kProportion);
    EXPECT_EQ(s.Parents(last), (P3{3, 8, -1}));
    EXPECT_EQ(TextOf(s, last), "1.50");
  }
}

TEST(ScriptToolEquations, OneAxesPairIsTakenWithoutAPick) {
  // Axes at the origin with 40 units to the unit. A circle of radius 2 about (1, -3), the
  // line through (0, 1) towards (1, 3), and its point (0, 1).
  Scenario s(
      "tool B_N_ejes\nclick 0 0\n"
      "tool B_Circunf\nclick 40 -120\nclick 120 -120\n"
      "tool B_Recta\nclick 0 40\nclick 40 120\n"
      "tool B_N_ecoord\nclick 40 -40\n"
      "tool B_N_ecoord\nclick 20 80\n"
      "tool B_N_ecoord\nclick 0 40\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // 1 origin, 2 axes with 3, 4 its axis lines; 5 the centre, 6 the circle; 7 and 8 the line.
  ASSERT_EQ(s.Count(), 13) << "the coordinates hold their two numbers, 12 and 13";
  ASSERT_EQ(s.Kind(2), kAxes);
  EXPECT_EQ(s.Kind(9), kEquationCircle);
  EXPECT_EQ(s.Parents(9), (P3{6, 2, -1}));
  EXPECT_EQ(TextOf(s, 9), "(x-1.00)²+(y+3.00)²=2.00²");
  EXPECT_AT(s.Second(9), 40, -40);
  EXPECT_EQ(s.Kind(10), kEquationLine);
  EXPECT_EQ(s.Parents(10), (P3{8, 2, -1}));
  EXPECT_EQ(TextOf(s, 10), "y = 2.00x +1.00");
  EXPECT_AT(s.Second(10), 20, 80);
  EXPECT_EQ(s.Kind(11), kCoordinates);
  EXPECT_EQ(s.Parents(11), (P3{7, 2, -1}));
  EXPECT_EQ(TextOf(s, 11), "(0.00;1.00)");
  EXPECT_AT(s.Second(11), 0, 40);
}

TEST(ScriptToolEquations, TwoAxesPairsWaitForTheAxesPick) {
  // Axes at the origin and at (-200, -200); the point (40, 80) read against the second pair
  // is (6, 7).
  const std::string figure =
      "tool B_N_ejes\nclick 0 0\ntool B_N_ejes\nclick -200 -200\n"
      "tool 1\nclick 40 80\ntool B_N_ecoord\nclick 40 80\n";
  {
    Scenario s(figure);
    ASSERT_TRUE(s.ok()) << s.failure();
    // 1, 2 (3, 4) the first axes; 5, 6 (7, 8) the second; 9 the point.
    EXPECT_EQ(s.Count(), 9) << "nothing is made before the axes are picked";
  }
  Scenario s(figure + "click -100 -200\n");  // on the second pair's x axis
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 12);
  EXPECT_EQ(s.Kind(10), kCoordinates);
  EXPECT_EQ(s.Parents(10), (P3{9, 6, -1}));
  EXPECT_EQ(TextOf(s, 10), "(6.00;7.00)");
  EXPECT_AT(s.Second(10), 40, 80);  // the label stands at the first click
}

TEST(ScriptToolEquations, APointTakesTheNumbersOfACoordinatesLabelOneByOne) {
  // Axes at the origin with 40 units to the unit; the point (40, 80) and its coordinates
  // (1;2), labelled at the point.
  Scenario s("tool B_N_ejes\nclick 0 0\ntool 1\nclick 40 80\ntool B_N_ecoord\nclick 40 80\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // 1 the origin, 2 the axes (3, 4), 5 the point, 6 the coordinates with 7 (x) and 8 (y).
  ASSERT_EQ(s.Count(), 8);
  ASSERT_EQ(s.Kind(6), kCoordinates);
  EXPECT_EQ(TextOf(s, 6), "(1.00;2.00)");
  // Where each number stands in the label, as the window finds it.
  const BoxOf boxes = ViewBoxes(s.ws, std::make_shared<FixedPitchMeasure>());
  auto middle = [&](int number) {
    const auto b = boxes(s.E(number));
    EXPECT_TRUE(b.has_value()) << number;
    return b ? std::to_string((b->left + b->right) / 2) + " " +
                   std::to_string((b->top + b->bottom) / 2) + "\n"
             : std::string("0 0\n");
  };
  // The y number as the new point's x, then the x number as its y: (2, 1) is (80, 40).
  s.Play("tool B_puncoord\nclick " + middle(8) + "click " + middle(7));
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 9);
  EXPECT_EQ(s.Kind(9), kPointByCoordinates);
  EXPECT_EQ(s.Parents(9), (P3{8, 7, 2}));
  EXPECT_AT(s.At(9), 80, 40);
}

TEST(ScriptToolCheckers, AnswersAtCreationAndBackToTheMoveTool) {
  // Two horizontal segments and a third one, vertical.
  const std::string figure =
      "tool B_Segmento\nclick 0 0\nclick 100 0\nclick 0 50\nclick 100 50\n"
      "click 200 0\nclick 200 100\n";
  {
    Scenario s(figure + "tool B_comp_par\nclick 50 0\nclick 50 50\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 10);
    EXPECT_EQ(s.Kind(10), kCheckParallel);
    EXPECT_EQ(s.Parents(10), (P3{3, 6, -1}));
    EXPECT_EQ(s.E(10).attr1, 1);
    EXPECT_EQ(TextOf(s, 10), "paralelos");
    EXPECT_AT(s.Second(10), 50, 50);  // the second click places the answer
    const CheckerExt* k = s.E(10).as<CheckerExt>();
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->whenTrue, "paralelos");
    EXPECT_EQ(k->whenFalse, "no paralelos");
    // The move tool is back: the same two clicks make nothing more.
    s.Play("click 50 0\nclick 50 50\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    EXPECT_EQ(s.Count(), 10);
  }
  {
    Scenario s(figure + "tool B_comp_par\nclick 50 0\nclick 200 50\n" +
               "tool B_comp_perp\nclick 50 0\nclick 200 50\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    EXPECT_EQ(TextOf(s, 10), "no paralelos");
    EXPECT_EQ(s.Kind(11), kCheckPerpendicular);
    EXPECT_EQ(TextOf(s, 11), "perpendicular");
    EXPECT_EQ(s.E(11).as<CheckerExt>()->whenFalse, "no perpendicular");
  }
  {
    // A point on the segment and one off it; then three points at equal distances from
    // the first, and three aligned ones.
    Scenario s(figure +
               "tool 1\nclick 30 0\nclick 30 10\n"
               "tool B_comp_pert\nclick 30 0\nclick 70 0\n"
               "tool B_comp_pert\nclick 30 10\nclick 70 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    EXPECT_EQ(s.Kind(12), kCheckOn);
    EXPECT_EQ(s.Parents(12), (P3{10, 3, -1}));
    EXPECT_EQ(TextOf(s, 12), "pertenece");
    EXPECT_AT(s.Second(12), 70, 0);
    EXPECT_EQ(TextOf(s, 13), "no pertenece");
  }
  {
    Scenario s(
        "tool 1\nclick 0 0\nclick 30 40\nclick -50 0\nclick 60 0\n"
        "tool B_comp_eq\nclick 0 0\nclick 30 40\nclick -50 0\n"
        "tool B_comp_eq\nclick 0 0\nclick 30 40\nclick 60 0\n"
        "tool B_comp_al\nclick -50 0\nclick 0 0\nclick 60 0\n"
        "tool B_comp_al\nclick -50 0\nclick 30 40\nclick 60 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 8);
    EXPECT_EQ(s.Kind(5), kCheckEquidistant);
    EXPECT_EQ(s.Parents(5), (P3{1, 2, 3}));
    EXPECT_EQ(TextOf(s, 5), "equidistan");
    EXPECT_AT(s.Second(5), -50, 0);
    EXPECT_EQ(TextOf(s, 6), "no equidistan");
    EXPECT_EQ(s.Kind(7), kCheckAligned);
    EXPECT_EQ(s.Parents(7), (P3{3, 1, 4}));
    EXPECT_EQ(TextOf(s, 7), "alineados");
    EXPECT_EQ(TextOf(s, 8), "no alineados");
  }
}

TEST(ScriptToolPointsFromNumbers, DisplacedPointAndPointByCoordinatesPickLabels) {
  // Segments of 2 cm and 1 cm measured with their labels at (-300, 200) and (-300, 150);
  // a click 10 units right of and 5 below a label's corner falls inside it.
  const std::string numbers =
      "tool B_Segmento\nclick -300 200\nclick -220 200\nclick -300 150\nclick -260 150\n"
      "tool B_N_longdist\nclick -280 200\ntool B_N_longdist\nclick -280 150\n";
  {
    // From (0, 0) towards (100, 0) by 2 cm = 80 units.
    Scenario s(numbers + "tool 1\nclick 0 0\nclick 100 0\n" +
               "tool B_punto_desp\nclick 0 0\nclick 100 0\nclick -270 195\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Kind(7), kLengthSegment);
    ASSERT_EQ(s.Count(), 11);
    EXPECT_EQ(s.Kind(11), kDisplacedPoint);
    EXPECT_EQ(s.Parents(11), (P3{9, 10, 7}));
    EXPECT_AT(s.At(11), 80, 0);
  }
  {
    // (2, 1) in axes at (0, -100).
    Scenario s(numbers + "tool B_N_ejes\nclick 0 -100\n" +
               "tool B_puncoord\nclick -270 195\nclick -270 145\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 13);
    EXPECT_EQ(s.Kind(13), kPointByCoordinates);
    EXPECT_EQ(s.Parents(13), (P3{7, 8, 10}));
    EXPECT_AT(s.At(13), 80, -60);
  }
}

}  // namespace
}  // namespace velt
