// The expression engine end to end: texts that users type and what they are worth.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "expr/expression.h"

namespace velt::expr {
namespace {

std::optional<double> Eval(const std::string& text, int32_t unit = kRadians) {
  EvalContext ctx;
  ctx.angleUnit = unit;
  return EvaluateConstantText(text, ctx);
}

TEST(ExpressionCases, ParenthesesAreBalancedAutomatically) {
  EXPECT_EQ(Eval("2*(3+4"), 14.0);
  EXPECT_EQ(Eval("2+3)"), 5.0);
  EXPECT_EQ(Eval("((2+3)*2"), 10.0);
  EXPECT_EQ(Eval("2+3))*2"), 10.0);  // (( inserted at the start
}

TEST(ExpressionCases, UnaryMinusBindsTighterThanEveryOperator) {
  EXPECT_EQ(Eval("-2^2"), 4.0);
  EXPECT_EQ(Eval("2^-1"), 0.5);
  EXPECT_EQ(Eval("-2+3"), 1.0);
  EXPECT_EQ(Eval("2*-3"), -6.0);
  EXPECT_EQ(Eval("--2"), 2.0);
  EXPECT_EQ(Eval("-(1+2)*2"), -6.0);
  EXPECT_EQ(Eval("(-2)^2"), 4.0);
  EXPECT_EQ(Eval("2-3"), -1.0);
  EXPECT_EQ(Eval("2^-1^2"), 0.25);  // (2^-1)^2: left to right
}

TEST(ExpressionCases, PowersOfNegativeBases) {
  EXPECT_NEAR(*Eval("(-8)^(1/3)"), -2.0, 1e-14);
  EXPECT_NEAR(*Eval("(-8)^(2/3)"), 4.0, 1e-14);
  EXPECT_NEAR(*Eval("(-32)^(3/5)"), -8.0, 1e-13);
  EXPECT_FALSE(Eval("(-8)^0.5"));
  EXPECT_FALSE(Eval("(-8)^(1/2)"));
  EXPECT_FALSE(Eval("(-2)^(1/101)"));  // denominator beyond 99
  EXPECT_NEAR(*Eval("(-2)^(1/99)"), -std::pow(2.0, 1.0 / 99), 1e-15);
  EXPECT_EQ(Eval("(-2)^3"), -8.0);
  EXPECT_EQ(Eval("0^0"), 1.0);
  EXPECT_EQ(Eval("0^2"), 0.0);
  EXPECT_FALSE(Eval("0^-1"));
  EXPECT_EQ(Eval("2^3^2"), 64.0);
}

TEST(ExpressionCases, MagnitudeLimits) {
  EXPECT_FALSE(Eval("1/0"));
  EXPECT_FALSE(Eval("10^50*10^50"));
  EXPECT_NEAR(*Eval("10^49*10^50"), 1e99, 1e85);
  EXPECT_FALSE(Eval("10^100"));
  EXPECT_NEAR(*Eval("10^99"), 1e99, 1e85);
  EXPECT_FALSE(Eval("10^-100"));
  EXPECT_FALSE(Eval("10^50/10^-50"));
  EXPECT_FALSE(Eval("10^-50/10^50"));
  EXPECT_EQ(Eval("0/5"), 0.0);
  EXPECT_EQ(Eval("0*10^99"), 0.0);
  EXPECT_FALSE(Eval("EXP(200)"));
  EXPECT_FALSE(Eval("LN(0)"));
  EXPECT_FALSE(Eval("SQR(-1)"));
}

// Results far inside the limits take a shortcut past the logarithms; these sit on either
// side of a limit, where the full test decides.
TEST(ExpressionCases, MagnitudeLimitsNearTheEdge) {
  EXPECT_FALSE(Eval("(10^-50)^2"));  // 10^-100
  EXPECT_NEAR(*Eval("(10^-49)^2"), 1e-98, 1e-110);
  EXPECT_FALSE(Eval("(10^50)^2"));
  EXPECT_NEAR(*Eval("(10^49)^2"), 1e98, 1e84);
  EXPECT_NEAR(*Eval("5*10^98"), 5e98, 1e84);  // 98.7 decades
  EXPECT_FALSE(Eval("20*10^98"));             // 99.3 decades
  // A product has no lower limit.
  EXPECT_NEAR(*Eval("10^-60*10^-40"), 1e-100, 1e-112);
  EXPECT_FALSE(Eval("10^-60/10^40"));
  EXPECT_NEAR(*Eval("10^-58/10^40"), 1e-98, 1e-110);
  EXPECT_FALSE(Eval("10^60/10^-40"));
  EXPECT_NEAR(*Eval("10^-60/(2*10^-60)"), 0.5, 1e-15);
  EXPECT_EQ(Eval("(-3)^2"), 9.0);
  EXPECT_EQ(Eval("1.1^2"), 1.1 * 1.1);
  EXPECT_FALSE(Eval("0.001^40"));                             // 10^-120
  EXPECT_NEAR(*Eval("0.5^300"), std::pow(0.5, 300), 1e-105);  // 90.3 decades below one
}

TEST(ExpressionCases, AngleUnitOfTrigonometricFunctions) {
  EXPECT_NEAR(*Eval("SIN(30)", kDegrees), 0.5, 1e-15);
  EXPECT_NEAR(*Eval("COS(100)", kGrads), 0.0, 1e-15);
  EXPECT_NEAR(*Eval("ATAN(1)", kDegrees), 45.0, 1e-13);
  EXPECT_NEAR(*Eval("ACOS(-1)", kGrads), 200.0, 1e-13);
  EXPECT_NEAR(*Eval("SIN(PI/6)"), 0.5, 1e-15);
  EXPECT_NEAR(*Eval("SINH(1)", kDegrees), std::sinh(1.0), 1e-15);  // no unit for hyperbolics
  EXPECT_FALSE(Eval("sin 30", kDegrees));                          // one unknown token SIN30
}

TEST(ExpressionCases, TextsAreNormalisedBeforeReading) {
  EXPECT_EQ(Eval("3,5*2"), 7.0);
  EXPECT_EQ(Eval("2 3"), 23.0);
  EXPECT_NEAR(*Eval("  sqr( 16 ) + pi - Pi"), 4.0, 1e-15);
  EXPECT_EQ(Eval(".5+5."), 5.5);
  EXPECT_FALSE(Eval("1.2.3"));
  EXPECT_FALSE(Eval("1,2,3"));
  EXPECT_FALSE(Eval("1E5"));
  EXPECT_FALSE(Eval("."));
  EXPECT_FALSE(Eval(""));
  EXPECT_FALSE(Eval("   "));
  EXPECT_FALSE(Eval("2\xe9"));  // a byte outside ASCII
}

TEST(ExpressionCases, AdjacentOperandsAndUnknownTokensFail) {
  EXPECT_FALSE(Eval("2(3)"));
  EXPECT_FALSE(Eval("(2)(3)"));
  EXPECT_FALSE(Eval("PI2"));
  EXPECT_FALSE(Eval("XY"));
  EXPECT_FALSE(Eval("X"));  // no variable in a plain calculation
  EXPECT_FALSE(Eval("A"));  // no letters in a constant text
  EXPECT_FALSE(Eval("2+"));
  EXPECT_FALSE(Eval("*2"));
  EXPECT_FALSE(Eval("()"));
  EXPECT_FALSE(Eval("SIN"));
  EXPECT_FALSE(Eval("SIN(1)COS(1)"));
}

TEST(ExpressionCases, LengthLimitIsNinetyNineCharacters) {
  std::string text = "1";
  while (text.size() < 99) text += "+1";  // 1+1+...+1, 99 characters, 50 ones
  ASSERT_EQ(text.size(), 99u);
  EXPECT_EQ(Eval(text), 50.0);
  EXPECT_FALSE(Eval(text + "0"));  // 100 characters
  // Blanks do not count: they are removed first.
  EXPECT_EQ(Eval("  " + text + "  "), 50.0);
}

TEST(ExpressionCases, InsertedParenthesesMayNotPassNinetyEightTokens) {
  // n unary minus signs before a number make 3n + 1 tokens with their parentheses.
  EXPECT_EQ(Eval(std::string(32, '-') + "1"), 1.0);    // 97 tokens
  EXPECT_FALSE(Eval(std::string(33, '-') + "1"));      // 100 tokens
  EXPECT_EQ(Eval(std::string(31, '-') + "1)"), -1.0);  // 96 + one "(" balanced at the start
}

TEST(ExpressionCases, UserFunctionsMustBeAvailableAndCanonical) {
  std::vector<int32_t> codes;
  EXPECT_TRUE(CompileExpression("F1(3)", 0, 1, codes, kPlainCalculation));
  EXPECT_EQ(codes.front(), kUserFunctionBase + 1);
  EXPECT_FALSE(CompileExpression("F2(3)", 0, 1, codes, kPlainCalculation));
  EXPECT_FALSE(CompileExpression("F01(3)", 0, 1, codes, kPlainCalculation));
  EXPECT_FALSE(CompileExpression("F0(3)", 0, 1, codes, kPlainCalculation));
  EXPECT_TRUE(CompileExpression("F12(3)", 0, 12, codes, kPlainCalculation));
  EXPECT_FALSE(CompileExpression("F99999999999(3)", 0, 12, codes, kPlainCalculation));
}

TEST(ExpressionCases, LettersAndVariablesCompileToTheirCodes) {
  std::vector<int32_t> codes;
  ASSERT_TRUE(CompileExpression("B*X+2", 2, 1, codes, kYofX));
  // B is letter 1; the constant 2 comes after two letters and one function.
  EXPECT_EQ(codes, (std::vector<int32_t>{-2, '*', kVariableX, '+', -4}));
  EXPECT_FALSE(CompileExpression("C", 2, 0, codes, kPlainCalculation));
  EXPECT_FALSE(CompileExpression("Y", 0, 0, codes, kYofX));
  EXPECT_TRUE(CompileExpression("Y", 0, 0, codes, kXofY));
  EXPECT_TRUE(CompileExpression("W", 0, 0, codes, kRofW));
  EXPECT_TRUE(CompileExpression("R", 0, 0, codes, kWofR));
  EXPECT_FALSE(CompileExpression("R", 22, 0, codes, kPlainCalculation));
  EXPECT_TRUE(CompileExpression("Z", 22, 0, codes, kPlainCalculation));
  EXPECT_EQ(codes, std::vector<int32_t>{-22});
}

TEST(ExpressionCases, PostfixOrderAndCheck) {
  std::vector<int32_t> infix, postfix;
  ASSERT_TRUE(CompileExpression("1+2*3^4", 0, 0, infix, kPlainCalculation));
  ASSERT_TRUE(ToPostfix(infix, postfix));
  EXPECT_EQ(postfix, (std::vector<int32_t>{-1, -2, -3, -4, '^', '*', '+'}));
  EXPECT_TRUE(CheckPostfix(postfix));
  EXPECT_FALSE(CheckPostfix(std::vector<int32_t>{-1, -2}));
  EXPECT_FALSE(CheckPostfix(std::vector<int32_t>{-1, '+'}));
  EXPECT_FALSE(CheckPostfix(std::vector<int32_t>{-1, 777}));
  EXPECT_FALSE(ToPostfix(std::vector<int32_t>{-1, ')'}, postfix));
  std::vector<double> table(3, 0.0);
  ASSERT_TRUE(CollectConstants("PI*2,5", 1, table));
  EXPECT_DOUBLE_EQ(table[1], M_PI);
  EXPECT_EQ(table[2], 2.5);
}

TEST(ExpressionCases, EvaluatorRejectsDamagedCodes) {
  // As a damaged file could hold them: slots beyond the table, stack overflow, variables
  // without a value, unknown codes.
  std::vector<double> table = {0, 1, 2};
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{-3}, table, {}, {}, {}));
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{-900}, table, {}, {}, {}));
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{-2000}, table, {}, {}, {}));
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{kVariableX}, table, {}, {}, {}));
  EXPECT_TRUE(EvaluatePostfix(std::vector<int32_t>{kVariableX}, table, 4.0, {}, {}));
  EXPECT_EQ(table[0], 4.0);
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>(101, -1), table, {}, {}, {}));
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{-1, 7}, table, {}, {}, {}));
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{-1, kUserFunctionBase + 1}, table, {}, {}, {}));
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{}, table, {}, {}, {}));
  // A terminating 0 ends the codes.
  EXPECT_TRUE(EvaluatePostfix(std::vector<int32_t>{-1, -2, '+', 0, '+'}, table, {}, {}, {}));
  EXPECT_EQ(table[0], 3.0);
  std::vector<double> nonFinite = {0, INFINITY};
  EXPECT_FALSE(EvaluatePostfix(std::vector<int32_t>{-1}, nonFinite, {}, {}, {}));
}

TEST(ExpressionCases, AbortFlagStopsEvaluation) {
  std::atomic<bool> abort{true};
  EvalContext ctx;
  ctx.abort = &abort;
  EXPECT_FALSE(EvaluateConstantText("1+1", ctx));
  abort = false;
  EXPECT_EQ(EvaluateConstantText("1+1", ctx), 2.0);
}

}  // namespace
}  // namespace velt::expr
