// The parameter dialog without its window: the slider's position and value, live recompute
// of what is built on the parameter, the checks of the three fields and the one undo step.
#include "ui/parameter_edit.h"

#include <gtest/gtest.h>

#include <numbers>

#include "expr/calculation.h"
#include "geometry/recompute.h"
#include "model/create.h"
#include "model/element_list.h"

namespace velt {
namespace {

TEST(ParameterSlider, PositionAndValue) {
  EXPECT_EQ(SliderPosition({5, 0, 10}), 500);
  EXPECT_EQ(SliderPosition({0, 0, 10}), 0);
  EXPECT_EQ(SliderPosition({10, 0, 10}), 1000);
  EXPECT_EQ(SliderPosition({1, 0, 3}), 333);  // truncated
  EXPECT_EQ(SliderPosition({7, 2, 2}), 0);    // a = b: at the start, whatever p is
  EXPECT_EQ(SliderPosition({11, 0, 10}), std::nullopt);
  EXPECT_EQ(SliderPosition({-1, 0, 10}), std::nullopt);
  EXPECT_DOUBLE_EQ(ValueAtSlider({0, -2, 2}, 250), -1);
  EXPECT_DOUBLE_EQ(ValueAtSlider({0, 4, 4}, 700), 4);   // a = b leaves p = a
  EXPECT_DOUBLE_EQ(ValueAtSlider({0, 10, 0}, 100), 9);  // reversed limits run backwards
}

// A parameter p = 2 and a calculation p*p built on it.
struct Figure {
  Document doc;
  Element* p = nullptr;
  Element* square = nullptr;
  int steps = 0;

  Figure() {
    ElementTemplate t;
    t.kind = kParameter;
    CreationSettings settings;
    settings.parameterValue = 2;
    p = MakeElementFromTemplate(doc, t, settings);
    t.kind = kCalculation;
    t.picks = {p};
    square = MakeElementFromTemplate(doc, t, {});
    EXPECT_TRUE(expr::DefineExpression(*square, "A*A", 0));
    RecomputeAll(doc);
  }
  std::function<void()> Step() {
    return [this] {
      ++steps;
      // The step must see the figure as it was at opening.
      EXPECT_EQ(p->value[0], 2);
      EXPECT_EQ(square->value[0], 4);
    };
  }
};

TEST(ParameterEdit, SliderRecomputesDependentsAndCancelRestores) {
  Figure f;
  ParameterEdit edit(f.doc, *f.p);
  EXPECT_EQ(edit.FieldText(kFieldValue), "2.00");
  EXPECT_EQ(edit.FieldText(kFieldMinimum), "-8.00");
  EXPECT_EQ(edit.FieldText(kFieldMaximum), "12.00");
  EXPECT_EQ(edit.SliderFor(0), 500);
  edit.SlideTo(750);  // -8 + 0.75 * 20
  EXPECT_EQ(f.p->value[0], 7);
  EXPECT_EQ(f.square->value[0], 49);
  // Escape: the values at opening come back and no step is stored.
  EXPECT_FALSE(edit.Close(false, f.Step()));
  EXPECT_EQ(f.steps, 0);
  EXPECT_EQ(f.p->value[0], 2);
  EXPECT_EQ(f.square->value[0], 4);
}

TEST(ParameterEdit, ConfirmedChangeStoresOneStepWithTheOpeningValues) {
  Figure f;
  f.doc.modified = 0;
  ParameterEdit edit(f.doc, *f.p);
  EXPECT_EQ(edit.Confirm({std::string("3"), std::nullopt, std::string("2*pi")}), -1);
  EXPECT_EQ(f.square->value[0], 9);
  EXPECT_DOUBLE_EQ(f.p->as<ParameterExt>()->maximum, 2 * std::numbers::pi);
  EXPECT_EQ(f.p->as<ParameterExt>()->minimum, -8);
  edit.SlideTo(0);
  EXPECT_EQ(f.p->value[0], -8);
  EXPECT_TRUE(edit.Close(true, f.Step()));
  EXPECT_EQ(f.steps, 1);
  EXPECT_EQ(f.p->value[0], -8);
  EXPECT_EQ(f.square->value[0], 64);
  EXPECT_EQ(f.doc.modified, 1);
}

TEST(ParameterEdit, InvalidFieldsAndUnchangedValues) {
  Figure f;
  ParameterEdit edit(f.doc, *f.p);
  // "x" is no constant: the field is named and nothing is stored.
  EXPECT_EQ(edit.Confirm({std::string("5"), std::string("x"), std::nullopt}), kFieldMinimum);
  EXPECT_EQ(f.p->value[0], 2);
  EXPECT_EQ(edit.Confirm({std::nullopt, std::nullopt, std::string("1/0")}), kFieldMaximum);
  // The slider takes the focus with a bad field: the opening values come back.
  edit.SlideTo(1000);
  EXPECT_FALSE(edit.CheckSilently({std::string("sqr(-1)"), std::nullopt, std::nullopt}));
  EXPECT_EQ(f.p->value[0], 2);
  EXPECT_EQ(f.square->value[0], 4);
  EXPECT_TRUE(edit.CheckSilently({std::string("2"), std::nullopt, std::nullopt}));
  // Confirmed with the same values: no step.
  EXPECT_EQ(edit.Confirm({std::string("2.0"), std::nullopt, std::nullopt}), -1);
  EXPECT_FALSE(edit.Close(true, f.Step()));
  EXPECT_EQ(f.steps, 0);
}

TEST(ParameterEdit, ScriptAnswerKeepsDashedFields) {
  Figure f;
  int failed = -2;
  EXPECT_TRUE(AnswerParameterDialog(f.doc, *f.p, "  4  -  20 ", f.Step(),
                                    [&](int field) { failed = field; }));
  EXPECT_EQ(failed, -2);
  EXPECT_EQ(f.p->value[0], 4);
  EXPECT_EQ(f.p->as<ParameterExt>()->minimum, -8);
  EXPECT_EQ(f.p->as<ParameterExt>()->maximum, 20);
  EXPECT_EQ(f.square->value[0], 16);
  EXPECT_FALSE(
      AnswerParameterDialog(f.doc, *f.p, "1 2 3 4", {}, [&](int field) { failed = field; }));
  EXPECT_EQ(failed, kFieldMaximum);
  EXPECT_EQ(f.p->value[0], 4);
}

}  // namespace
}  // namespace velt
