// The calculator's state without its window: what the buttons write at the caret, the
// letters of the picked numbers, the 99-variable limit and what the execute button shows.
#include "ui/calculator_session.h"

#include <gtest/gtest.h>

#include "model/element.h"
#include "model/kinds.h"
#include "ui/language.h"

namespace velt {
namespace {

ElementPtr Number(double value) {
  auto e = NewElementOfKind(kDistancePointPoint);
  e->exists = 1;
  e->attr1 = 100;
  e->value[0] = value;
  return e;
}

TEST(CalculatorButtons, InsertTheirTextAtTheCaret) {
  EXPECT_EQ(ButtonText(CalcButton::Sin, false, 0), "sin(");
  EXPECT_EQ(ButtonText(CalcButton::Sin, true, 0), "asin(");
  EXPECT_EQ(ButtonText(CalcButton::Tan, true, 0), "atan(");
  EXPECT_EQ(ButtonText(CalcButton::Log, true, 0), "log(");  // arc only changes sin, cos, tan
  EXPECT_EQ(ButtonText(CalcButton::Times, false, 0), "*");
  EXPECT_EQ(ButtonText(CalcButton::Variable, false, 0), "");
  EXPECT_EQ(ButtonText(CalcButton::Variable, false, 1), "X");
  EXPECT_EQ(ButtonText(CalcButton::Variable, false, 2), "Y");
  EXPECT_EQ(ButtonText(CalcButton::Variable, false, 3), "W");
  EXPECT_EQ(ButtonText(CalcButton::Variable, false, 4), "R");
  const CaretText t = InsertAtCaret("2+3", 1, "sqr(");
  EXPECT_EQ(t.text, "2sqr(+3");
  EXPECT_EQ(t.caret, 5u);
  const CaretText end = InsertAtCaret("ab", 99, ")");  // a caret past the end is the end
  EXPECT_EQ(end.text, "ab)");
  EXPECT_EQ(end.caret, 3u);
}

TEST(CalculatorVariables, LettersInPickingOrderFunctionsNumberedApart) {
  CalculatorSession s;
  s.Reset(CalculatorPurpose::Calculation);
  auto a = Number(1), b = Number(2);
  auto f = NewElementOfKind(kFunction);
  auto point = NewElementOfKind(kFreePoint);
  EXPECT_TRUE(AddCalculatorVariable(s, b.get()));
  EXPECT_TRUE(AddCalculatorVariable(s, f.get()));
  EXPECT_TRUE(AddCalculatorVariable(s, a.get()));
  EXPECT_FALSE(AddCalculatorVariable(s, a.get()));      // already there
  EXPECT_FALSE(AddCalculatorVariable(s, point.get()));  // not a number
  EXPECT_EQ(VariableName(s, 0), "A");
  EXPECT_EQ(VariableName(s, 1), "F1");
  EXPECT_EQ(VariableName(s, 2), "B");
  // A coordinates element stands for the coordinate under the pointer.
  auto coords = NewElementOfKind(kCoordinates);
  auto& c = *coords->as<CoordinatesExt>();
  c.x = NewElementOfKind(kCoordinateX);
  c.y = NewElementOfKind(kCoordinateY);
  EXPECT_EQ(CalculatorVariableFor(coords.get(), 1), c.y.get());
  EXPECT_EQ(CalculatorVariableFor(coords.get(), -1), c.x.get());
  EXPECT_EQ(CalculatorVariableFor(point.get(), -1), nullptr);
}

TEST(CalculatorVariables, PicksBeyondNinetyNineAreIgnored) {
  CalculatorSession s;
  std::vector<ElementPtr> numbers;
  for (int i = 0; i < 100; ++i) numbers.push_back(Number(i));
  for (int i = 0; i < 99; ++i) EXPECT_TRUE(AddCalculatorVariable(s, numbers[i].get()));
  EXPECT_FALSE(AddCalculatorVariable(s, numbers[99].get()));
  EXPECT_EQ(s.variables.size(), 99u);
}

TEST(CalculatorExecute, ResultBoxTextsByPurpose) {
  Document doc;
  const LanguageTable& lang = BuiltInLanguage();
  CalculatorSession s;
  s.Reset(CalculatorPurpose::Calculation);
  auto a = Number(3), b = Number(0);
  s.variables = {a.get(), b.get()};
  CalcResult r = EvaluateCalculator(s, "  A/4  ", doc, lang);
  EXPECT_EQ(r.outcome, CalcOutcome::Value);
  EXPECT_EQ(r.text, "A/4");
  EXPECT_EQ(r.display, "0.7500");
  r = EvaluateCalculator(s, "A/B", doc, lang);
  EXPECT_EQ(r.outcome, CalcOutcome::Undefined);
  EXPECT_EQ(r.display, "no existente");
  EXPECT_EQ(r.message, 0);
  b->attr1 = -100;  // a number without value
  b->value[0] = 5;
  EXPECT_EQ(EvaluateCalculator(s, "B", doc, lang).outcome, CalcOutcome::Undefined);
  EXPECT_EQ(EvaluateCalculator(s, "   ", doc, lang).outcome, CalcOutcome::Cleared);
  r = EvaluateCalculator(s, "C+1", doc, lang);  // only two letters were picked
  EXPECT_EQ(r.outcome, CalcOutcome::Invalid);
  EXPECT_EQ(r.message, 1051);
  // Trimmed first: 100 characters and blanks around them are not too long for the dialog.
  r = EvaluateCalculator(s, " " + std::string(100, '1') + " ", doc, lang);
  EXPECT_EQ(r.outcome, CalcOutcome::Invalid);
  r = EvaluateCalculator(s, std::string(101, '1'), doc, lang);
  EXPECT_EQ(r.outcome, CalcOutcome::TooLong);
  EXPECT_EQ(r.message, 1050);
  // Any picked number without a value leaves the whole calculation without one.
  EXPECT_EQ(EvaluateCalculator(s, "sin(30)", doc, lang).outcome, CalcOutcome::Undefined);
  // Degrees: sin(30) is one half.
  b->attr1 = 100;
  doc.angleUnit = 1;
  EXPECT_EQ(EvaluateCalculator(s, "sin(30)", doc, lang).value, 0.5);

  s.Reset(CalculatorPurpose::Parameter);
  r = EvaluateCalculator(s, "1/0", doc, lang);
  EXPECT_EQ(r.outcome, CalcOutcome::Undefined);
  EXPECT_EQ(r.display, "la expresión no es válida");

  s.Reset(CalculatorPurpose::Function);
  EXPECT_EQ(s.functionType, 1);
  s.functionType = 3;
  r = EvaluateCalculator(s, "2*w", doc, lang);
  EXPECT_EQ(r.outcome, CalcOutcome::Function);
  EXPECT_EQ(r.display, "f(W)=2*W");
  EXPECT_EQ(EvaluateCalculator(s, "2*x", doc, lang).outcome, CalcOutcome::Invalid);
}

}  // namespace
}  // namespace velt
