// The edit dialog's unit button, iteration options and steps, button inversion, and the
// requests that follow the dialog (redefinitions, the definition editors).
#include <gtest/gtest.h>

#include "anim/iteration_setup.h"
#include "expr/calculation.h"
#include "expr/dimension.h"
#include "geometry/recompute.h"
#include "model/element_list.h"
#include "model/snapshot.h"
#include "model/undo.h"
#include "support/builders.h"
#include "ui/action_buttons.h"
#include "ui/edit_session.h"
#include "ui/fake_host.h"
#include "ui/script_support.h"
#include "view/label_text.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;
using test::Scenario;

struct SessionBench : test::Bench {
  ToolContext c{ix};
  std::string Figure() { return EncodeFigure(*doc().figure); }
  Element* Find(int32_t number) { return FindByNumber(doc().elements(), number); }
};

Element* Calculation(Document& d, std::initializer_list<Element*> refs, const char* text) {
  Element* c = AddWithPicks(d, kCalculation, refs);
  EXPECT_TRUE(expr::DefineExpression(*c, text, 0)) << text;
  return c;
}

// A distance of 2 cm, a parameter, a calculation on each, and a calculation on both.
struct Numbers : SessionBench {
  Element* a = AddPoint(doc(), 0, 0);
  Element* b = AddPoint(doc(), 80, 0);
  Element* distance = Add(doc(), kDistancePointPoint, {a, b});
  Element* parameter = Add(doc(), kParameter, {});
  Element* twice = Calculation(doc(), {distance}, "A*2");
  Element* thrice = Calculation(doc(), {parameter}, "A*3");
  Element* product = Calculation(doc(), {thrice}, "A*A");
  int32_t n[5] = {};
  Numbers() {
    parameter->value[0] = 1.5;
    RecomputeAll(doc());
    Renumber(doc().elements());
    int i = 0;
    for (Element* e : {distance, parameter, twice, thrice, product}) n[i++] = e->number;
  }
  std::string Label(int k) { return LabelTextOf(doc(), *Find(n[k])); }
};

TEST(EditSessionUnit, AMeasurementShowsOrHidesItsUnitAndCancelPutsItBack) {
  Numbers f;
  const std::string before = f.Figure();
  ASSERT_EQ(f.distance->attr3, expr::kLength);
  EXPECT_EQ(f.Label(0), "2.00 cm");
  {
    EditSession s(f.c, *f.distance);
    ASSERT_TRUE(s.controls().unit);
    EXPECT_EQ(s.unitAction(), UnitAction::Toggle);
    s.ToggleUnit();
    EXPECT_EQ(s.unitShown(), 0);
    EXPECT_EQ(f.Label(0), "2.00") << "live";
    EXPECT_EQ(f.Find(f.n[2])->attr3, expr::kLength) << "A*2 still measures a length";
    s.Cancel();
  }
  EXPECT_EQ(f.Figure(), before);
  EXPECT_EQ(f.Label(0), "2.00 cm");
  {
    EditSession s(f.c, *f.Find(f.n[0]));
    s.ToggleUnit();
    s.ToggleUnit();
    EXPECT_EQ(f.Label(0), "2.00 cm") << "toggled twice: shown again";
    s.Cancel();
  }
  // A point has no unit button, and the toggle does nothing on it.
  EditSession s(f.c, *f.Find(1));
  EXPECT_FALSE(s.controls().unit);
  EXPECT_EQ(s.unitAction(), UnitAction::None);
}

TEST(EditSessionUnit, AParameterTakesAUnitKindAndPassesItOn) {
  Numbers f;
  EXPECT_EQ(f.thrice->attr3, expr::kNoDimension);
  const int position = f.doc().undo.position;
  {
    EditSession s(f.c, *f.parameter);
    EXPECT_EQ(s.unitAction(), UnitAction::Choose);
    s.SetUnitKind(expr::kLength);
    EXPECT_EQ(f.Label(1), "1.50 cm");
    EXPECT_EQ(f.Label(3), "4.50 cm") << "A*3 on a length is a length";
    EXPECT_EQ(f.Label(4), "20.25 cm²") << "and its square an area";
    s.SetUnitKind(7);  // no such kind: nothing changes
    EXPECT_EQ(s.unitShown(), expr::kLength);
    EXPECT_TRUE(s.Accept(s.initialFields()));
  }
  EXPECT_EQ(f.doc().undo.position, position + 1) << "one step";
  // A recompute keeps what the dialog set.
  RecomputeAll(f.doc());
  EXPECT_EQ(f.Label(4), "20.25 cm²");
  // The calculation with a dimension now toggles its own unit, which a recompute keeps too.
  {
    EditSession s(f.c, *f.Find(f.n[3]));
    EXPECT_EQ(s.unitAction(), UnitAction::Toggle);
    s.ToggleUnit();
    RecomputeAll(f.doc());
    EXPECT_EQ(f.Label(3), "4.50");
    EXPECT_TRUE(s.Accept(s.initialFields()));
  }
  EXPECT_EQ(f.Label(3), "4.50");
  Undo(f.doc());
  EXPECT_EQ(f.Label(3), "4.50 cm");
  Undo(f.doc());
  EXPECT_EQ(f.Label(1), "1.50");
  EXPECT_EQ(f.Label(3), "4.50");
  EXPECT_EQ(f.Label(4), "20.25");
  // A calculation without a dimension chooses its kind like a parameter.
  EditSession s(f.c, *f.Find(f.n[3]));
  EXPECT_EQ(s.unitAction(), UnitAction::Choose);
  s.SetUnitKind(expr::kAngleDimension);
  EXPECT_EQ(f.Find(f.n[4])->attr3, expr::kNoDimension) << "an angle squared has no unit";
  s.Cancel();
}

// A segment AB turned about O, twice, as an iteration.
struct Iterated : SessionBench {
  Element* o = AddPoint(doc(), 0, 0);
  Element* angle = Add(doc(), kParameter, {});
  Element* a = AddPoint(doc(), 100, 0);
  Element* b = AddPoint(doc(), 200, 50);
  Element* ab = Add(doc(), kSegment, {a, b});
  Element* c2 = Add(doc(), kPointRotation, {a, o, angle});
  Element* d2 = Add(doc(), kPointRotation, {b, o, angle});
  Element* it = nullptr;
  int32_t number = 0;
  Iterated() {
    angle->value[0] = 0.3;
    IterationSetup s;
    s.sets = {{a, b}, {c2, d2}};
    s.fixedCount = 2;
    ElementTemplate t = IterationTemplate(doc(), s);
    it = MakeElementFromTemplate(doc(), t, {});
    FillIteration(*it, s);
    RecomputeAll(doc());
    Renumber(doc().elements());
    number = it->number;
  }
  Element* Iteration() { return Find(number); }
};

TEST(EditSessionIteration, OptionsActAtOnceAndCancelPutsThemBack) {
  Iterated f;
  const std::string before = f.Figure();
  {
    EditSession s(f.c, *f.it);
    ASSERT_TRUE(s.controls().iteration);
    ASSERT_TRUE(s.controls().pointCount);
    EXPECT_EQ(s.initialFields().pointCount, "2");
    EXPECT_EQ(s.iterationOptions(), 0);
    s.SetIterationOption(kIterOnlyLast, true);
    s.SetIterationOption(kIterDrawPoints, true);
    s.SetIterationOption(kIterOwnColour, true);
    s.SetIterationColourFlag(true);
    EXPECT_EQ(IterationOptions(*f.it), kIterOnlyLast | kIterDrawPoints | kIterOwnColour);
    EXPECT_EQ(f.it->attr2, kIterColourFlag);
    EXPECT_TRUE(s.iterationColourFlag());
    s.SetIterationOption(kIterDrawPoints, false);
    EXPECT_EQ(s.iterationOptions(), kIterOnlyLast | kIterOwnColour);
    s.Cancel();
  }
  EXPECT_EQ(f.Figure(), before);
  EXPECT_EQ(IterationOptions(*f.Iteration()), 0);
  EXPECT_EQ(f.Iteration()->attr2, 0);
}

TEST(EditSessionIteration, StepsAreAtLeastOneAndWithinTheLimit) {
  Iterated f;
  const int position = f.doc().undo.position;
  auto accept = [&](const char* steps) {
    EditSession s(f.c, *f.Iteration());
    EditFields x = s.initialFields();
    x.pointCount = steps;
    const bool ok = s.Accept(x);
    if (!ok) s.Cancel();
    return ok;
  };
  EXPECT_TRUE(accept("5"));
  EXPECT_EQ(IterationCount(*f.Iteration()), 5);
  EXPECT_EQ(f.doc().undo.position, position + 1);
  EXPECT_TRUE(accept("0"));
  EXPECT_EQ(IterationCount(*f.Iteration()), 1);
  EXPECT_FALSE(accept("many"));
  EXPECT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(IterationCount(*f.Iteration()), 1);
  EXPECT_TRUE(accept("99999999999"));
  const int32_t limit = IterationCountLimit(*f.Iteration());
  EXPECT_EQ(IterationCount(*f.Iteration()), limit);
  EXPECT_GT(limit, 5);
  EXPECT_LE(limit, kMaxIterationCount);
  Undo(f.doc());
  EXPECT_EQ(IterationCount(*f.Iteration()), 1);
  // A locus's bounds do not apply to an iteration, nor an iteration's to a locus.
  EXPECT_TRUE(accept("3"));
  EXPECT_EQ(IterationCount(*f.Iteration()), 3);
}

TEST(EditSessionButton, InversionTurnsTheButtonOverAndCancelUndoesIt) {
  SessionBench f;
  Document& d = f.doc();
  Element* p = AddPoint(d, 0, 0);
  Element* q = AddPoint(d, 50, 0);
  q->visibility = 0;
  Element* button = AddWithPicks(d, kButtonShowHide, {p, q});
  ApplyButton(d, *button, button->attr2);
  RecomputeAll(d);
  Renumber(d.elements());
  // The button is up: it turned both over.
  ASSERT_EQ(button->attr2, 1);
  const auto states = button->as<ButtonExt>()->states;
  const std::string before = f.Figure();
  const int32_t number = button->number;
  {
    EditSession s(f.c, *button);
    ASSERT_TRUE(s.controls().invert);
    EXPECT_FALSE(s.inverted());
    s.InvertButton();
    EXPECT_TRUE(s.inverted());
    for (size_t i = 0; i < states.size(); ++i)
      EXPECT_EQ(button->as<ButtonExt>()->states[i], states[i] == 0 ? 1 : 0);
    // Applied again at once: the points' visibilities follow the new states (up).
    EXPECT_EQ(p->visibility, states[0] == 0 ? 1 : 0);
    EXPECT_EQ(q->visibility, states[1] == 0 ? 1 : 0);
    s.Cancel();
  }
  EXPECT_EQ(f.Figure(), before);
  {
    EditSession s(f.c, *f.Find(number));
    s.InvertButton();
    s.InvertButton();
    EXPECT_FALSE(s.inverted()) << "twice is no inversion";
    EXPECT_TRUE(s.Accept(s.initialFields()));
  }
  EXPECT_EQ(f.Figure(), before);
  {
    EditSession s(f.c, *f.Find(number));
    s.InvertButton();
    EXPECT_TRUE(s.Accept(s.initialFields()));
  }
  EXPECT_NE(f.Figure(), before);
  Undo(d);
  EXPECT_EQ(f.Figure(), before);
  // Other elements have no inversion; the call leaves them alone.
  EditSession s(f.c, *f.Find(1));
  EXPECT_FALSE(s.controls().invert);
  s.InvertButton();
  EXPECT_FALSE(s.inverted());
}

// ---- what follows the dialog, through construction scripts

TEST(EditDialogRequests, RedefinePointTiesThePointToTheNextCurve) {
  // 1 the circle's centre; 2 the circle through (100, 0); 3 a free point off it.
  Scenario s("tool B_Circunf\nclick 0 0\nclick 100 0\ntool B_Punto\nclick 0 200\n");
  ASSERT_EQ(s.Kind(3), kFreePoint);
  const int position = s.doc().undo.position;
  s.Play("answer colour 65280; redefine\ntool 0\nright-click 0 200\nclick 0 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  EXPECT_EQ(s.Kind(3), kPointOnElement);
  EXPECT_NE(s.E(3).colour, 65280) << "the dialog closed as Cancel";
  EXPECT_NEAR(std::hypot(s.E(3).value[0], s.E(3).value[1]), 100, 1e-9);
  EXPECT_EQ(s.doc().undo.position, position + 1) << "the redefinition's own step only";
}

TEST(EditDialogRequests, RedefineButtonChoosesItsElementsAgain) {
  // 1, 2, 3 points; a hide/show button over 1 and 2 placed at (100, -100).
  Scenario s(
      "tool B_Punto\nclick 0 0\nclick 50 0\nclick 100 0\n"
      "tool B_vernoverbot\nclick 0 0\nclick 50 0\nclick 100 -100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(4), kButtonShowHide);
  ASSERT_EQ(s.E(4).as<ButtonExt>()->targets.size(), 2u);
  // Redefined: the button's points (hidden now, so not pickable) stay selected and point 3
  // joins them; a click on empty plane makes the new button.
  s.Play("answer redefine\ntool 0\nright-click 104 -104\nclick 100 0\nclick -200 -200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  const Element* button = nullptr;
  for (const auto& e : s.doc().elements())
    if (e->kind == kButtonShowHide) button = e.get();
  ASSERT_NE(button, nullptr);
  const auto& targets = button->as<ButtonExt>()->targets;
  ASSERT_EQ(targets.size(), 3u);
  EXPECT_NEAR(targets[0]->value[0], 0, 1e-9);
  EXPECT_NEAR(targets[1]->value[0], 50, 1e-9);
  EXPECT_NEAR(targets[2]->value[0], 100, 1e-9);
}

TEST(EditDialogRequests, EditDefinitionOpensTheCalculatorOnTheCalculation) {
  // Distances of 3 cm and 1 cm; 7 the calculation A*10 - B of them (labelled at -380, 270).
  Scenario s(
      "tool B_Punto\nclick 0 0\nclick 120 0\ntool B_N_longdist\nclick 0 0\nclick 120 0\n"
      "tool B_Punto\nclick 0 100\nclick 40 100\ntool B_N_longdist\nclick 0 100\n"
      "click 40 100\ntool B_N_calcular\nclick 50 92\nclick 130 -8\n"
      "expression A*10 - B\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(7), kCalculation);
  ASSERT_NEAR(s.E(7).value[0], 7, 1e-12);
  s.Play("answer definition\ntool 0\nright-click -375 268\nexpression A + B\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 7) << "the calculation was redefined, not made again";
  EXPECT_NEAR(s.E(7).value[0], 4, 1e-12);
  EXPECT_EQ(s.E(7).as<ExpressionExt>()->text, "A + B");
}

TEST(EditDialogRequests, EditDefinitionOpensTheParameterDialogOnAParameter) {
  // A parameter of value 2 (labelled at -375, 265); the dialog's colour is cancelled, the
  // parameter dialog's answer stands as one step of its own.
  Scenario s("tool B_N_parametro\nexpression 2\n");
  ASSERT_EQ(s.Kind(1), kParameter);
  const int32_t colour = s.E(1).colour;
  const int steps = s.doc().undo.position;
  s.Play("answer colour 65280; definition\nanswer 3 0 5\ntool 0\nright-click -375 265\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  EXPECT_EQ(s.E(1).colour, colour);
  EXPECT_EQ(s.E(1).value[0], 3);
  EXPECT_EQ(s.E(1).as<ParameterExt>()->maximum, 5);
  EXPECT_EQ(s.doc().undo.position, steps + 1);
}

TEST(EditDialogScenario, TheUnitAnswerHidesADistancesUnit) {
  Scenario s(
      "tool B_Punto\nclick 0 0\nclick 120 0\ntool B_N_longdist\nclick 0 0\n"
      "click 120 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(3), kDistancePointPoint);
  s.Play("answer unit; ok\ntool 0\nright-click 130 -8\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  EXPECT_EQ(LabelTextOf(s.doc(), s.E(3)), "3.00");
}

}  // namespace
}  // namespace velt
