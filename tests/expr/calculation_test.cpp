// Calculations in a figure: values follow their referenced numbers, failures leave the
// calculation existing without a value, and the dimension follows the expression.
#include "expr/calculation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "expr/dimension.h"
#include "expr/token_codes.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

using expr::DefineExpression;

struct Figure {
  std::unique_ptr<Document> doc = MakeDocument(Options{});
  Element* Number(double v) {
    Element* p = test::Add(*doc, kParameter, {});
    p->value[0] = v;
    p->attr1 = expr::kValidNumber;
    return p;
  }
  Element* Calculation(std::initializer_list<Element*> refs, const std::string& text,
                       int32_t kind = kCalculation, int32_t type = expr::kPlainCalculation) {
    Element* c = test::AddWithPicks(*doc, kind, refs);
    EXPECT_TRUE(DefineExpression(*c, text, type)) << text;
    return c;
  }
  void Recompute() { RecomputeAll(*doc); }
};

TEST(Calculation, FollowsItsNumbersAndRecoversAfterADivisionByZero) {
  Figure f;
  Element* a = f.Number(6);
  Element* b = f.Number(0);
  Element* c = f.Calculation({a, b}, "a/b");
  f.Recompute();
  EXPECT_EQ(c->exists, 1);
  EXPECT_EQ(c->attr1, expr::kNumberWithoutValue);
  EXPECT_EQ(c->as<ExpressionExt>()->work, 0);
  b->value[0] = 4;
  f.Recompute();
  EXPECT_EQ(c->attr1, expr::kValidNumber);
  EXPECT_EQ(c->value[0], 1.5);
  EXPECT_EQ(c->as<ExpressionExt>()->work, -1);
}

TEST(Calculation, UndefinedOrMissingNumbersMakeItUndefinedOrAbsent) {
  Figure f;
  Element* a = f.Number(2);
  Element* c = f.Calculation({a}, "A*3");
  Element* d = f.Calculation({c}, "A+1");  // a calculation of a calculation
  f.Recompute();
  EXPECT_EQ(d->value[0], 7.0);
  a->attr1 = expr::kNumberWithoutValue;
  f.Recompute();
  EXPECT_EQ(c->exists, 1);
  EXPECT_EQ(c->attr1, expr::kNumberWithoutValue);
  EXPECT_EQ(d->attr1, expr::kNumberWithoutValue);
  a->attr1 = expr::kValidNumber;
  a->exists = 0;
  f.Recompute();
  EXPECT_EQ(c->exists, 0);
  EXPECT_EQ(d->exists, 0);
}

TEST(Calculation, UsesTheDocumentAngleUnit) {
  Figure f;
  Element* a = f.Number(30);
  Element* c = f.Calculation({a}, "sin(a)*2");
  f.doc->angleUnit = expr::kDegrees;
  f.Recompute();
  EXPECT_NEAR(c->value[0], 1.0, 1e-15);
  f.doc->angleUnit = expr::kRadians;
  f.Recompute();
  EXPECT_NEAR(c->value[0], 2 * std::sin(30.0), 1e-15);
}

TEST(Calculation, CallsUserFunctionsWithTheirOwnNumbers) {
  Figure f;
  Element* k = f.Number(10);
  Element* square = f.Calculation({k}, "X^2+A", kFunction, expr::kYofX);
  Element* half = f.Calculation({}, "X/2", kFunction, expr::kYofX);
  Element* a = f.Number(3);
  // Numbers and functions mixed: A is a, F1 square, F2 half.
  Element* c = f.Calculation({square, a, half}, "F1(A)-F2(F1(1))");
  f.Recompute();
  EXPECT_EQ(c->attr1, expr::kValidNumber);
  EXPECT_EQ(c->value[0], (9 + 10) - (1 + 10) / 2.0);
  k->value[0] = -100;  // the function reads its own number's current value
  f.Recompute();
  EXPECT_EQ(c->value[0], (9 - 100) - (1 - 100) / 2.0);
  // Only two functions are referenced.
  Element* bad = test::AddWithPicks(*f.doc, kCalculation, {square, half});
  EXPECT_FALSE(DefineExpression(*bad, "F3(1)", expr::kPlainCalculation));
  EXPECT_TRUE(bad->as<ExpressionExt>()->text.empty());
}

TEST(Calculation, FunctionsCallingThemselvesFailInsteadOfRecursingForEver) {
  Figure f;
  Element* g = test::AddWithPicks(*f.doc, kFunction, {});
  g->as<ExpressionExt>()->variables = {g};  // as a damaged file could make it
  ASSERT_TRUE(DefineExpression(*g, "F1(X)+1", expr::kYofX));
  Element* c = f.Calculation({g}, "F1(2)");
  f.Recompute();
  EXPECT_EQ(c->exists, 1);
  EXPECT_EQ(c->attr1, expr::kNumberWithoutValue);
}

TEST(Calculation, NestedFunctionCallsAreBoundedInWork) {
  // f0(x) = x + 1 and fk(x) = f(k-1)(x) + f(k-1)(x) = 2^k (x + 1): 2^k calls of f0.
  Figure f;
  std::vector<Element*> chain = {f.Calculation({}, "X+1", kFunction, expr::kYofX)};
  for (int k = 1; k <= 25; ++k)
    chain.push_back(f.Calculation({chain.back()}, "F1(X)+F1(X)", kFunction, expr::kYofX));
  Element* small = f.Calculation({chain[5]}, "F1(1)");
  Element* huge = f.Calculation({chain[25]}, "F1(1)");  // 33 million calls
  f.Recompute();
  EXPECT_EQ(small->attr1, expr::kValidNumber);
  EXPECT_EQ(small->value[0], 64.0);
  EXPECT_EQ(huge->exists, 1);
  EXPECT_EQ(huge->attr1, expr::kNumberWithoutValue);
}

TEST(Calculation, DamagedTablesAndCodesLeaveItWithoutAValue) {
  Figure f;
  Element* a = f.Number(2);
  Element* c = f.Calculation({a}, "A+1");
  c->as<ExpressionExt>()->table.resize(1);  // no slot for A
  f.Recompute();
  EXPECT_EQ(c->attr1, expr::kNumberWithoutValue);
  ASSERT_TRUE(DefineExpression(*c, "A+1", 0));
  c->as<ExpressionExt>()->tokens = {-1, -2, 999};
  f.Recompute();
  EXPECT_EQ(c->attr1, expr::kNumberWithoutValue);
}

TEST(Calculation, DimensionFollowsTheExpression) {
  auto length = NewElementOfKind(kDistancePointPoint);
  auto area = NewElementOfKind(kAreaPolygon);
  auto angle = NewElementOfKind(kAngleValue);
  auto plain = NewElementOfKind(kParameter);
  struct Case {
    const char* text;
    int32_t want;
  };
  const Case cases[] = {
      {"A", expr::kLength},
      {"2*A+A/3", expr::kLength},
      {"A*A", expr::kArea},
      {"A^2", expr::kArea},
      {"A^(4/2)", expr::kArea},
      {"A^1,999999999", expr::kArea},
      {"A^1,9999", expr::kNoDimension},
      {"SQR(B)", expr::kLength},
      {"B/A", expr::kLength},
      {"B/A/A", expr::kNoDimension},
      {"A+B", expr::kNoDimension},
      {"A+1", expr::kNoDimension},
      {"C", expr::kAngleDimension},
      {"-ABS(C)*2", expr::kAngleDimension},
      {"SIN(C)", expr::kNoDimension},
      {"ATAN(D)", expr::kAngleDimension},
      {"D*A", expr::kLength},
      {"A^D", expr::kNoDimension},
      {"C*C", expr::kNoDimension},
      {"A*C", expr::kNoDimension},
      {"((A^9)^9)^9", expr::kNoDimension},
  };
  for (const Case& c : cases) {
    auto calc = NewElementOfKind(kCalculation);
    calc->as<ExpressionExt>()->variables = {length.get(), area.get(), angle.get(), plain.get()};
    ASSERT_TRUE(DefineExpression(*calc, c.text, 0)) << c.text;
    EXPECT_EQ(calc->attr3, c.want) << c.text;
    EXPECT_EQ(expr::NumberDimension(*calc), c.want) << c.text;
  }
}

TEST(Calculation, RecomputeKeepsAUnitChosenForADimensionlessCalculation) {
  Figure f;
  Element* a = f.Number(2);
  Element* c = f.Calculation({a}, "A*2");
  c->attr3 = expr::kArea;  // chosen by the user
  f.Recompute();
  EXPECT_EQ(c->attr3, expr::kArea);
}

}  // namespace
}  // namespace velt
