// Scenarios of the numeric tools played as scripts: calculations, parameters and functions
// through the calculator (tools 42-44), graphs (45) and tables of values (50), the editors a
// double click opens, and the parameter dialog's answer. The document measures 40 plane units
// to the centimetre; new numbers stand down the left edge of the view, 20 units apart.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "geometry/graph_sampling.h"
#include "model/kinds.h"
#include "ui/script_support.h"
#include "view/label_text.h"
#include "view/table_text.h"

namespace velt {
namespace {

using test::Scenario;

// 1, 2 points (0, 0) and (120, 0); 3 their distance, 3 cm, labelled at (120, 0);
// 4, 5 points (0, 100) and (40, 100); 6 their distance, 1 cm, labelled at (40, 100).
constexpr const char* kTwoDistances =
    "tool B_Punto\nclick 0 0\nclick 120 0\ntool B_N_longdist\nclick 0 0\nclick 120 0\n"
    "tool B_Punto\nclick 0 100\nclick 40 100\ntool B_N_longdist\nclick 0 100\nclick 40 100\n";
// Where the labels of those two distances can be clicked.
constexpr const char* kPickFirst = "click 130 -8\n";
constexpr const char* kPickSecond = "click 50 92\n";

std::string TextOf(Scenario& s, int number) { return LabelTextOf(s.doc(), s.E(number)); }

TEST(ScriptToolCalculate, PickedNumbersAreLetteredInPickingOrderAndFollowADrag) {
  // The second distance is picked first, so it is A: A*10 - B = 1*10 - 3.
  Scenario s(std::string(kTwoDistances) + "tool B_N_calcular\n" + kPickSecond + kPickFirst +
             "expression A*10 - B\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  const Element& calc = s.E(7);
  ASSERT_EQ(calc.kind, kCalculation);
  EXPECT_NEAR(calc.value[0], 7, 1e-12);
  EXPECT_EQ(calc.attr1, 100);
  const auto* x = calc.as<ExpressionExt>();
  ASSERT_NE(x, nullptr);
  ASSERT_EQ(x->variables.size(), 2u);
  EXPECT_EQ(x->variables[0]->number, 6);
  EXPECT_EQ(x->variables[1]->number, 3);
  EXPECT_AT(s.Second(7), -380, 270);
  // Dragging (120, 0) to (200, 0) makes B = 5 cm.
  s.Play("tool Sel\ndrag 120 0 200 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_NEAR(s.E(7).value[0], 5, 1e-12);
  // One undo step for the drag, one for the calculation.
  s.Play("undo\nundo\n");
  EXPECT_EQ(s.Count(), 6);
}

TEST(ScriptToolCalculate, NoValueTooLongAndInvalidTexts) {
  {
    // A number without a value gives "no existente"; the calculation is still made and
    // recovers when the divisor changes.
    Scenario s(std::string(kTwoDistances) + "tool B_N_calcular\n" + kPickFirst +
               "expression A*0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    s.Play(std::string("tool B_N_calcular\n") + kPickFirst +
           "click -370 262\nexpression A/B\n");  // B is the calculation A*0 = 0
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 8);
    EXPECT_EQ(s.E(8).attr1, -100);
    EXPECT_EQ(TextOf(s, 8), "no existente");
    EXPECT_EQ(s.ws.calculator.result, "no existente");
  }
  {
    // 101 characters: the message and nothing else; 100 fail in the engine.
    const std::string longText(101, '1');
    Scenario s("tool B_N_calcular\nexpression " + longText + "\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.result.messages.size(), 1u);
    EXPECT_EQ(s.result.messages[0], "La expresión está limitada a 100 caracteres");
    EXPECT_EQ(s.Count(), 0);
    s.Play("tool B_N_calcular\nexpression " + longText.substr(1) + "\n");
    ASSERT_EQ(s.result.messages.size(), 1u);
    EXPECT_EQ(s.result.messages[0], "la expresión no es válida");
    EXPECT_EQ(s.Count(), 0);
    // 99 characters are a number.
    s.Play("tool B_N_calcular\nexpression " + longText.substr(2) + "\n");
    EXPECT_TRUE(s.result.messages.empty());
    ASSERT_EQ(s.Count(), 1);
    EXPECT_NEAR(s.E(1).value[0], 1.1111111111111111e98, 1e84);
  }
  {
    // A letter that no pick gave, and a text outside the calculator.
    Scenario s("tool B_N_calcular\nexpression A+1\n");
    ASSERT_EQ(s.result.messages.size(), 1u);
    EXPECT_EQ(s.result.messages[0], "la expresión no es válida");
    EXPECT_EQ(s.Count(), 0);
    Scenario t("tool Sel\nexpression 1\n");
    EXPECT_FALSE(t.ok());
  }
}

TEST(ScriptToolParameter, ValueFromAConstantExpressionWithLimitsAround) {
  Scenario s("tool B_N_parametro\nexpression 2*pi\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 1);
  const Element& p = s.E(1);
  ASSERT_EQ(p.kind, kParameter);
  EXPECT_DOUBLE_EQ(p.value[0], 2 * std::numbers::pi);
  const auto* limits = p.as<ParameterExt>();
  ASSERT_NE(limits, nullptr);
  EXPECT_EQ(limits->minimum, -4);  // round(6.28 - 10)
  EXPECT_EQ(limits->maximum, 16);
  // Without a value a parameter is not made; the result box says the text is not valid.
  s.Play("tool B_N_parametro\nexpression 1/0\n");
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.ws.calculator.result, "la expresión no es válida");
}

TEST(ScriptToolFunction, TypesVariablesAndTheGraphsRange) {
  Scenario s(
      "tool B_N_ejes\nclick 0 0\n"
      "tool B_N_funcion\nexpression x^2\n"
      "tool B_N_funcion\nfunction-type 3\nexpression 2\n"
      "tool B_N_rep_fun\nclick -375 265\n"
      "tool B_N_rep_fun\nclick -375 245\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // 1 origin, 2 axes (3, 4 its lines), 5 y = x^2, 6 r = 2, 7 and 8 their graphs.
  ASSERT_EQ(s.Count(), 8);
  EXPECT_EQ(s.Kind(5), kFunction);
  EXPECT_EQ(s.E(5).attr2, 1);
  EXPECT_EQ(s.E(6).attr2, 3);
  ASSERT_EQ(s.Kind(7), kFunctionGraph);
  EXPECT_EQ(s.Parents(7), (test::P3{5, 2, -1}));
  // y=f(x) runs over what the view shows of the x axis: 800 units / 40 a unit.
  EXPECT_DOUBLE_EQ(s.E(7).value[0], -10);
  EXPECT_DOUBLE_EQ(s.E(7).value[1], 10);
  const auto* g = s.E(7).as<SampleExt>();
  ASSERT_NE(g, nullptr);
  for (size_t i = 0; i < g->x1.size(); i += 7) {
    const double u = (g->x1[i]) / 40;
    EXPECT_NEAR(g->y1[i], u * u * 40, 1e-9);
  }
  // r = 2 over a whole turn in radians: a circle of 80 units about the origin.
  ASSERT_EQ(s.Kind(8), kFunctionGraph);
  EXPECT_DOUBLE_EQ(s.E(8).value[1], 2 * std::numbers::pi);
  const auto* c = s.E(8).as<SampleExt>();
  ASSERT_NE(c, nullptr);
  for (size_t i = 0; i < c->x1.size(); ++i) EXPECT_NEAR(std::hypot(c->x1[i], c->y1[i]), 80, 1e-9);
}

TEST(ScriptToolGraph, AxesArePickedWhenTheDocumentHasSeveral) {
  // 1 origin, 2 axes (3, 4), 5 origin, 6 axes (7, 8), 9 y = x; the function alone waits.
  const std::string start =
      "tool B_N_ejes\nclick 0 0\ntool B_N_ejes\nclick 100 100\n"
      "tool B_N_funcion\nexpression x\ntool B_N_rep_fun\nclick -375 265\n";
  Scenario s(start);
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 9);
  Scenario t(start + "click 100 140\n");  // the y axis of the second pair
  ASSERT_TRUE(t.ok()) << t.failure();
  ASSERT_EQ(t.Count(), 10);
  EXPECT_EQ(t.Kind(10), kFunctionGraph);
  EXPECT_EQ(t.Parents(10), (test::P3{9, 6, -1}));
  // The x axis of the second pair shows -12.5 .. 7.5.
  EXPECT_DOUBLE_EQ(t.E(10).value[0], -12.5);
  EXPECT_DOUBLE_EQ(t.E(10).value[1], 7.5);
}

TEST(ScriptToolTable, ColumnsAreAddedOnlyWhenAValueChanged) {
  Scenario s(std::string(kTwoDistances) + "tool B_N_tabla\n" + kPickFirst + kPickSecond +
             "click 200 200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  const Element& t = s.E(7);
  ASSERT_EQ(t.kind, kTable);
  EXPECT_EQ(t.attr1, kTableTransposed);
  EXPECT_EQ(TableText(t), "3.00\t1.00");
  // Nothing changed: a click on the table adds nothing and stores no step.
  const int steps = s.doc().undo.position;
  s.Play("tool B_N_tabla\nclick 205 195\n");
  EXPECT_EQ(TableText(s.E(7)), "3.00\t1.00");
  EXPECT_EQ(s.doc().undo.position, steps);
  // After a drag, a new column; the drag itself records nothing.
  s.Play("tool Sel\ndrag 120 0 160 0\n");
  EXPECT_EQ(TableText(s.E(7)), "3.00\t1.00");
  s.Play("tool B_N_tabla\nclick 205 195\n");
  EXPECT_EQ(TableText(s.E(7)), "3.00\t1.00\n4.00\t1.00");
  s.Play("undo\n");
  EXPECT_EQ(TableText(s.E(7)), "3.00\t1.00");
}

TEST(ScriptToolTable, AtMostAHundredColumns) {
  std::string script =
      "tool B_Punto\nclick 0 0\nclick 40 0\ntool B_N_longdist\nclick 0 0\n"
      "click 40 0\ntool B_N_tabla\nclick 50 -8\nclick 200 200\n";
  // Each round moves the point one unit and records a column.
  for (int i = 1; i <= 105; ++i) {
    script += "tool Sel\ndrag " + std::to_string(39 + i) + " 0 " + std::to_string(40 + i) +
              " 0\ntool B_N_tabla\nclick 205 195\n";
  }
  Scenario s(script);
  ASSERT_TRUE(s.ok()) << s.failure();
  const auto* t = s.E(4).as<TableExt>();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->rows, kTableRows);
  EXPECT_NEAR(t->grid[kTableRows - 1], (40 + 99) / 40.0, 1e-12);
}

TEST(ScriptEditors, DoubleClickRedefinesACalculationAndEditsAParameter) {
  Scenario s(std::string(kTwoDistances) + "tool B_N_calcular\n" + kPickFirst + "expression A+1\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_NEAR(s.E(7).value[0], 4, 1e-12);
  // The calculator opens on it in tool 42; picks add letters after the ones it has.
  s.Play(std::string("tool Sel\ndouble-click -375 265\n") + kPickSecond + "expression A*B\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 7);
  EXPECT_NEAR(s.E(7).value[0], 3, 1e-12);
  EXPECT_FALSE(s.ws.calculator.open);  // back in tool 0
  s.Play("undo\n");
  EXPECT_NEAR(s.E(7).value[0], 4, 1e-12);

  // A parameter, a calculation on it and the dialog's answer: one undo step.
  Scenario p("tool B_N_parametro\nexpression 2\n");
  p.Play("tool B_N_calcular\nclick -375 265\nexpression A*A\n");
  ASSERT_TRUE(p.ok()) << p.failure();
  ASSERT_EQ(p.Count(), 2);
  const int steps = p.doc().undo.position;
  p.Play("tool Sel\nanswer 3 0 2*pi\ndouble-click -375 265\n");
  ASSERT_TRUE(p.ok()) << p.failure();
  EXPECT_EQ(p.E(1).value[0], 3);
  EXPECT_EQ(p.E(1).as<ParameterExt>()->minimum, 0);
  EXPECT_DOUBLE_EQ(p.E(1).as<ParameterExt>()->maximum, 2 * std::numbers::pi);
  EXPECT_EQ(p.E(2).value[0], 9);
  EXPECT_EQ(p.doc().undo.position, steps + 1);
  p.Play("undo\n");
  EXPECT_EQ(p.E(1).value[0], 2);
  EXPECT_EQ(p.E(2).value[0], 4);
  // "x" is no constant: the message, and nothing changes.
  p.Play("tool Sel\nanswer 5 x -\ndouble-click -375 265\n");
  ASSERT_EQ(p.result.messages.size(), 1u);
  EXPECT_EQ(p.result.messages[0], "Datos de entrada no válidos");
  EXPECT_EQ(p.E(1).value[0], 2);
}

TEST(ScriptEditors, ARedefinitionTakesOnlyEarlierNumbers) {
  // 7 = A+1 on the first distance, then 8 = A*2 on 7. Redefining 7 cannot use 8.
  Scenario s(std::string(kTwoDistances) + "tool B_N_calcular\n" + kPickFirst +
             "expression A+1\ntool B_N_calcular\nclick -375 265\nexpression A*2\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 8);
  s.Play("tool Sel\ndouble-click -375 265\nclick -375 245\nexpression A+B\n");
  ASSERT_EQ(s.result.messages.size(), 1u);
  EXPECT_EQ(s.result.messages[0], "la expresión no es válida");
  EXPECT_NEAR(s.E(7).value[0], 4, 1e-12);
  EXPECT_EQ(s.E(7).as<ExpressionExt>()->variables.size(), 1u);
}

TEST(ScriptToolGraph, IntersectionsWithALineSkipTheGraphsJumps) {
  // y = 5 floor(x) against y = 5x - 5/2 (in axis units of 40): they meet at x = k + 1/2 only;
  // the jumps at whole x cross the line but are no part of the graph.
  Scenario s(
      "tool B_N_ejes\nclick 0 0\ntool B_N_funcion\nexpression 5*floor(x)\n"
      "tool B_N_rep_fun\nclick -375 265\n"
      "tool B_Recta\nclick -30 -250\nclick 70 250\n"
      "tool B_Punto_Inter\nclick -35 -200\nclick 14 -30\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // 1 origin, 2 axes (3, 4), 5 the function, 6 the graph, 7 a point, 8 the line through it,
  // found along the graph where the jump at x = -1 passes near it.
  ASSERT_EQ(s.Kind(6), kFunctionGraph);
  ASSERT_EQ(s.Kind(7), kFreePoint);
  ASSERT_EQ(s.Parents(8)[0], 7);
  std::vector<double> xs;
  for (int n = 9; n <= s.Count(); ++n) {
    ASSERT_EQ(s.Kind(n), kIntersection);
    EXPECT_EQ(s.E(n).attr1, 42);
    xs.push_back(s.At(n).x / 40);
  }
  // Whole x from -10 to 9 on the view's range -10 .. 10: twenty crossings.
  ASSERT_EQ(xs.size(), 20u);
  for (double x : xs) EXPECT_NEAR(x - std::floor(x), 0.5, 1e-9) << x;
}

}  // namespace
}  // namespace velt
