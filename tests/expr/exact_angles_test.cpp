// Angles typed in degrees or grads give the exact values of the table, and exact cubes give
// exact cube roots.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "expr/expression.h"

namespace velt::expr {
namespace {

std::optional<double> Eval(const std::string& text, int32_t unit) {
  EvalContext ctx;
  ctx.angleUnit = unit;
  return EvaluateConstantText(text, ctx);
}

TEST(ExactAngles, TableAnglesInDegreesAreExact) {
  EXPECT_EQ(Eval("SIN(30)", kDegrees), 0.5);
  EXPECT_EQ(Eval("COS(60)", kDegrees), 0.5);
  EXPECT_EQ(Eval("COS(90)", kDegrees), 0.0);
  EXPECT_EQ(Eval("SIN(180)", kDegrees), 0.0);
  EXPECT_EQ(Eval("SIN(150)", kDegrees), 0.5);
  EXPECT_EQ(Eval("SIN(-30)", kDegrees), -0.5);
  EXPECT_EQ(Eval("COS(120)", kDegrees), -0.5);
  EXPECT_EQ(Eval("SIN(390)", kDegrees), 0.5);
  EXPECT_EQ(Eval("SIN(270)", kDegrees), -1.0);
  EXPECT_EQ(Eval("COS(360)", kDegrees), 1.0);
  EXPECT_EQ(Eval("TAN(45)", kDegrees), 1.0);
  EXPECT_EQ(Eval("COTG(90)", kDegrees), 0.0);
  EXPECT_EQ(Eval("SEC(60)", kDegrees), 2.0);
  EXPECT_EQ(Eval("COSEC(30)", kDegrees), 2.0);
  // A right angle has no tangent, and 0 no cotangent.
  EXPECT_FALSE(Eval("TAN(90)", kDegrees));
  EXPECT_FALSE(Eval("COTG(180)", kDegrees));
}

TEST(ExactAngles, TableAnglesInGradsAreExact) {
  EXPECT_EQ(Eval("COS(100)", kGrads), 0.0);
  EXPECT_EQ(Eval("SIN(100)", kGrads), 1.0);
  EXPECT_EQ(Eval("SIN(200)", kGrads), 0.0);
  EXPECT_EQ(Eval("COS(200)", kGrads), -1.0);
  EXPECT_EQ(Eval("TAN(50)", kGrads), 1.0);
  EXPECT_FALSE(Eval("TAN(300)", kGrads));
}

TEST(ExactAngles, OtherAnglesMatchTheRadianFormula) {
  const double d = std::numbers::pi / 180, g = std::numbers::pi / 200;
  for (double x : {1.0, 17.5, 44.9, 45.1, 89.0, 123.4, 200.0, 299.0, 359.9, -71.3, 7200.5}) {
    EXPECT_NEAR(*Eval("SIN(" + std::to_string(x) + ")", kDegrees), std::sin(x * d), 1e-12) << x;
    EXPECT_NEAR(*Eval("COS(" + std::to_string(std::fabs(x)) + ")", kDegrees),
                std::cos(std::fabs(x) * d), 1e-12)
        << x;
    EXPECT_NEAR(*Eval("SIN(" + std::to_string(std::fabs(x)) + ")", kGrads),
                std::sin(std::fabs(x) * g), 1e-12)
        << x;
  }
  EXPECT_NEAR(*Eval("TAN(30)", kDegrees), 1 / std::sqrt(3.0), 1e-15);
}

TEST(ExactAngles, RadiansAreUntouched) {
  EXPECT_EQ(Eval("SIN(1)", kRadians), std::sin(1.0));
  EXPECT_EQ(Eval("TAN(1)", kRadians), std::tan(1.0));
}

TEST(ExactAngles, NegativeBaseWithThirdsUsesTheCubeRoot) {
  EXPECT_EQ(Eval("(-8)^(2/3)", kRadians), 4.0);
  EXPECT_EQ(Eval("(-8)^(1/3)", kRadians), -2.0);
  EXPECT_EQ(Eval("(-27)^(4/3)", kRadians), 81.0);
  EXPECT_EQ(Eval("(-64)^(-1/3)", kRadians), -0.25);
  EXPECT_NEAR(*Eval("(-32)^(3/5)", kRadians), -8.0, 1e-13);
  EXPECT_FALSE(Eval("(-8)^(1/2)", kRadians));
}

}  // namespace
}  // namespace velt::expr
