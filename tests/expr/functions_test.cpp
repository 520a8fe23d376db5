// Every built-in function against an independent formula inside its domain, and failure just
// outside it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "expr/expression.h"

namespace velt::expr {
namespace {

constexpr double kPi = std::numbers::pi;

// NAME(A) with A = x, in the given angle unit.
std::optional<double> Apply(const std::string& name, double x, int32_t unit = kRadians) {
  auto compiled = BuildExpression(name + "(A)", 1, 0, kPlainCalculation);
  if (!compiled) return std::nullopt;
  compiled->table[1] = x;
  EvalContext ctx;
  ctx.angleUnit = unit;
  if (!EvaluatePostfix(compiled->postfix, compiled->table, std::nullopt, {}, ctx))
    return std::nullopt;
  return compiled->table[0];
}

struct FunctionCase {
  std::string name;
  std::function<double(double)> reference;
  std::vector<double> inside;
  std::vector<double> outside;
};

double Sinh(double x) { return (std::exp(x) - std::exp(-x)) / 2; }
double Cosh(double x) { return (std::exp(x) + std::exp(-x)) / 2; }

const std::vector<FunctionCase>& Cases() {
  static const std::vector<FunctionCase> cases = {
      {"SIN", [](double x) { return std::cos(kPi / 2 - x); }, {-7, -1, 0, 0.3, 2, 100}, {}},
      {"COS", [](double x) { return std::sin(kPi / 2 - x); }, {-7, -1, 0, 0.3, 2, 100}, {}},
      {"TAN", [](double x) { return std::sin(x) / std::cos(x); }, {-1.5, -0.2, 0, 1, 4}, {}},
      {"SEC", [](double x) { return 1 / std::cos(x); }, {-1.5, 0, 1, 4}, {}},
      {"COSEC", [](double x) { return 1 / std::sin(x); }, {-1.5, 0.1, 1, 4}, {0}},
      {"COTG", [](double x) { return std::cos(x) / std::sin(x); }, {-1.5, 0.1, 1, 4}, {0}},
      {"ASIN",
       [](double x) { return std::atan2(x, std::sqrt(1 - x * x)); },
       {-1, -0.5, 0, 0.7, 1},
       {-1.000001, 1.000001, 5}},
      {"ACOS",
       [](double x) { return std::atan2(std::sqrt(1 - x * x), x); },
       {-1, -0.5, 0, 0.7, 1},
       {-1.000001, 1.000001}},
      {"ATAN", [](double x) { return std::atan2(x, 1.0); }, {-1e6, -1, 0, 0.5, 3}, {}},
      {"ASEC",
       [](double x) {
         return std::atan2(std::sqrt(x * x - 1), 1.0) * (x < 0 ? -1 : 1) + (x < 0 ? kPi : 0);
       },
       {-3, -1, 1, 2, 1e5},
       {0, 0.5, -0.999999}},
      {"ACOSEC",
       [](double x) { return std::atan2(1.0, std::sqrt(x * x - 1)) * (x < 0 ? -1 : 1); },
       {-3, -1, 1, 2, 1e5},
       {0, 0.5, -0.999999}},
      {"ACOTG",
       [](double x) { return kPi / 2 * (x < 0 ? -1 : 1) - std::atan2(x, 1.0); },
       {-3, -0.001, 0.5, 2},
       {0}},
      {"LN",
       [](double x) { return std::log2(x) * std::numbers::ln2; },
       {1e-300, 0.5, 1, 1e99},
       {0, -1e-300, -2}},
      {"LOG",
       [](double x) { return std::log(x) / std::numbers::ln10; },
       {1e-300, 0.5, 1, 1e99},
       {0, -1}},
      {"SQR", [](double x) { return std::pow(x, 0.5); }, {0, 1e-300, 2, 1e99}, {-1e-300, -4}},
      {"EXP",
       [](double x) { return std::pow(std::numbers::e, x); },
       {-199, -1, 0, 2.5, 199},
       {-199.000001, 199.000001}},
      {"SINH", Sinh, {-199, -2, 0, 0.5, 199}, {-199.000001, 199.000001}},
      {"COSH", Cosh, {-199, -2, 0, 0.5, 199}, {-199.000001, 199.000001}},
      {"TANH",
       [](double x) { return x > 300    ? 1
                             : x < -300 ? -1
                                        : Sinh(x) / Cosh(x); },
       {-1000, -2, 0, 0.5, 1000},
       {}},
      {"SECH",
       [](double x) { return 1 / Cosh(x); },
       {-199, -2, 0, 0.5, 199},
       {-199.000001, 199.000001}},
      {"COSECH", [](double x) { return 1 / Sinh(x); }, {-150, -2, 0.5, 150}, {0}},
      {"COTGH", [](double x) { return Cosh(x) / Sinh(x); }, {-150, -2, 0.5, 150}, {0}},
      {"ASINH",
       [](double x) {
         return x < 0 ? -std::log(-x + std::sqrt(x * x + 1)) : std::log(x + std::sqrt(x * x + 1));
       },
       {-1e9, -2, 0, 0.5, 1e9},
       {}},
      {"ACOSH",
       [](double x) { return std::log(x + std::sqrt(x * x - 1)); },
       {1, 1.5, 1e9},
       {0.999999, 0, -5}},
      {"ATANH",
       [](double x) { return 0.5 * std::log((1 + x) / (1 - x)); },
       {-0.999999, -0.5, 0, 0.9},
       {-1, 1, 2}},
      {"ASECH",
       [](double x) { return std::log(std::sqrt(1 / (x * x) - 1) + 1 / x); },
       {1e-9, 0.25, 1},
       {0, -0.5, -1, 1.000001}},
      {"ACOSECH",
       [](double x) {
         return x < 0 ? -std::log(std::sqrt(1 / (x * x) + 1) - 1 / x)
                      : std::log(std::sqrt(1 / (x * x) + 1) + 1 / x);
       },
       {-5, -0.01, 0.01, 7},
       {0}},
      {"ACOTGH",
       [](double x) { return 0.5 * std::log((x + 1) / (x - 1)); },
       {-5, -1.000001, 1.000001, 7},
       {-1, 1, 0, 0.5}},
      {"ABS", [](double x) { return x < 0 ? -x : x; }, {-2.5, 0, 3}, {}},
      {"INT",
       [](double x) { return static_cast<double>(static_cast<long long>(x)); },
       {-2.7, -0.5, 0, 2.7, 1e15},
       {}},
      {"SGN", [](double x) { return static_cast<double>((x > 0) - (x < 0)); }, {-1e-300, 0, 5}, {}},
      {"CEIL", [](double x) { return -std::floor(-x); }, {-2.5, -0.1, 0, 2.1, 3}, {}},
      {"FLOOR", [](double x) { return -std::ceil(-x); }, {-2.5, -0.1, 0, 2.1, 3}, {}},
  };
  return cases;
}

TEST(ExpressionFunctions, MatchIndependentFormulasInsideTheirDomains) {
  for (const FunctionCase& c : Cases()) {
    for (double x : c.inside) {
      const auto got = Apply(c.name, x);
      ASSERT_TRUE(got) << c.name << "(" << x << ")";
      const double want = c.reference(x);
      EXPECT_NEAR(*got, want, 1e-12 * std::max(1.0, std::fabs(want))) << c.name << "(" << x << ")";
    }
    for (double x : c.outside) EXPECT_FALSE(Apply(c.name, x)) << c.name << "(" << x << ")";
  }
}

TEST(ExpressionFunctions, EveryFunctionOfTheTableIsCovered) {
  std::vector<std::string> names;
  for (const FunctionCase& c : Cases()) names.push_back(c.name);
  for (const std::string name : {"ROUND", "RANDOM"}) names.push_back(name);
  std::vector<int32_t> codes;
  // All 35 names compile and no other name of the same shape does.
  EXPECT_EQ(names.size(), 35u);
  for (const std::string& n : names) EXPECT_TRUE(CompileExpression(n + "(1)", 0, 0, codes, 0)) << n;
  EXPECT_FALSE(CompileExpression("ARCSIN(1)", 0, 0, codes, 0));
  EXPECT_FALSE(CompileExpression("SQRT(1)", 0, 0, codes, 0));
}

TEST(ExpressionFunctions, RoundHalvesGoUp) {
  EXPECT_EQ(Apply("ROUND", -2.5), -2.0);
  EXPECT_EQ(Apply("ROUND", 2.5), 3.0);
  EXPECT_EQ(Apply("ROUND", -2.6), -3.0);
  EXPECT_EQ(Apply("ROUND", 0.49), 0.0);
}

TEST(ExpressionFunctions, RandomGivesIntegersBelowTheTruncatedBound) {
  RandomSource source(42);
  EvalContext ctx;
  ctx.random = &source;
  auto compiled = BuildExpression("RANDOM(A)", 1, 0, kPlainCalculation);
  ASSERT_TRUE(compiled);
  std::vector<int> seen(7, 0);
  for (int i = 0; i < 2000; ++i) {
    compiled->table[1] = -6.9;  // bound trunc(|x|) = 6
    ASSERT_TRUE(EvaluatePostfix(compiled->postfix, compiled->table, std::nullopt, {}, ctx));
    const double v = compiled->table[0];
    ASSERT_EQ(v, std::trunc(v));
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 6);
    ++seen[static_cast<int>(v)];
  }
  for (int k = 0; k < 6; ++k) EXPECT_GT(seen[k], 200) << k;  // roughly uniform
  compiled->table[1] = 0.9;
  ASSERT_TRUE(EvaluatePostfix(compiled->postfix, compiled->table, std::nullopt, {}, ctx));
  EXPECT_EQ(compiled->table[0], 0.0);
}

TEST(ExpressionFunctions, AngleUnitsConvertArgumentsAndResults) {
  struct UnitCase {
    int32_t unit;
    double perRadian;
  };
  for (const UnitCase u : {UnitCase{kDegrees, 180 / kPi}, UnitCase{kGrads, 200 / kPi}}) {
    for (double a : {-400.0, -30.0, 10.0, 45.0, 123.0}) {
      const double r = a / u.perRadian;
      EXPECT_NEAR(*Apply("SIN", a, u.unit), std::sin(r), 1e-14);
      EXPECT_NEAR(*Apply("COS", a, u.unit), std::cos(r), 1e-14);
      EXPECT_NEAR(*Apply("TAN", a, u.unit), std::tan(r),
                  1e-12 * std::max(1.0, std::fabs(std::tan(r))));
      EXPECT_NEAR(*Apply("SEC", a, u.unit), 1 / std::cos(r), 1e-12 * std::fabs(1 / std::cos(r)));
      // A whole number of half turns has an exact zero sine: no cosecant, no cotangent.
      if (std::fmod(a, kPi * u.perRadian) == 0) {
        EXPECT_FALSE(Apply("COSEC", a, u.unit)) << a;
        EXPECT_FALSE(Apply("COTG", a, u.unit)) << a;
      } else {
        EXPECT_NEAR(*Apply("COSEC", a, u.unit), 1 / std::sin(r),
                    1e-12 * std::fabs(1 / std::sin(r)));
        EXPECT_NEAR(*Apply("COTG", a, u.unit), 1 / std::tan(r),
                    1e-12 * std::max(1.0, std::fabs(1 / std::tan(r))));
      }
      EXPECT_NEAR(*Apply("SINH", a / 100, u.unit), std::sinh(a / 100),
                  1e-14 * std::max(1.0, std::fabs(std::sinh(a / 100))));
    }
    for (double s : {-1.0, -0.3, 0.0, 0.8, 1.0}) {
      EXPECT_NEAR(*Apply("ASIN", s, u.unit), std::asin(s) * u.perRadian, 1e-12);
      EXPECT_NEAR(*Apply("ACOS", s, u.unit), std::acos(s) * u.perRadian, 1e-12);
      EXPECT_NEAR(*Apply("ATAN", s * 5, u.unit), std::atan(s * 5) * u.perRadian, 1e-12);
      EXPECT_NEAR(*Apply("ATANH", s * 0.5, u.unit), std::atanh(s * 0.5), 1e-14);
    }
    for (double s : {-4.0, -1.0, 1.0, 2.0}) {
      EXPECT_NEAR(*Apply("ASEC", s, u.unit), std::acos(1 / s) * u.perRadian, 1e-12);
      EXPECT_NEAR(*Apply("ACOSEC", s, u.unit), std::asin(1 / s) * u.perRadian, 1e-12);
      EXPECT_NEAR(*Apply("ACOTG", s, u.unit), std::atan(1 / s) * u.perRadian, 1e-12);
    }
  }
  // Exactly 90 degrees: the sine is 1 within rounding; 180 degrees has a (tiny) cosecant.
  EXPECT_NEAR(*Apply("SIN", 90, kDegrees), 1.0, 1e-15);
  EXPECT_NEAR(*Apply("COS", 200, kGrads), -1.0, 1e-15);
}

}  // namespace
}  // namespace velt::expr
