// The built-in functions with their domains. Trigonometric arguments and inverse results are
// in the document's angle unit; hyperbolic functions ignore it.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "expr/function_table.h"
#include "expr/operations.h"
#include "expr/token_codes.h"

namespace velt::expr {
namespace {

// Degrees or grads per radian, by angle unit.
double UnitsPerRadian(int32_t angleUnit) {
  static const double kDegreesPerRadian = 180.0 / std::numbers::pi;
  static const double kGradsPerRadian = 200.0 / std::numbers::pi;
  if (angleUnit == kDegrees) return kDegreesPerRadian;
  if (angleUnit == kGrads) return kGradsPerRadian;
  return 1.0;
}

std::optional<double> Finite(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

// 1/d for a denominator that is neither zero nor below 10^-99 in magnitude.
std::optional<double> Reciprocal(double d) {
  if (d == 0 || std::log10(std::fabs(d)) < -99) return std::nullopt;
  return Finite(1.0 / d);
}

// Sine and cosine of an angle in a unit of which a full turn is `turn` (360 degrees, 400
// grads): the argument is reduced to a quadrant in its own unit before it becomes radians, so
// the angles of the table (30, 90, 180 degrees ...) give their exact values.
double SineInQuadrant(double a, double turn) {
  const double quarter = turn / 4;
  if (a == 0) return 0.0;
  if (a * 12 == turn) return 0.5;  // a twelfth of a turn
  const double toRadians = 2 * std::numbers::pi / turn;
  if (a > quarter / 2) return std::cos((quarter - a) * toRadians);
  return std::sin(a * toRadians);
}

double CosineInQuadrant(double a, double turn) {
  if (a == 0) return 1.0;
  return SineInQuadrant(turn / 4 - a, turn);
}

struct SineCosine {
  double sin = 0, cos = 1;
};

SineCosine TurnSineCosine(double x, double turn) {
  double r = std::fmod(x, turn);
  if (r < 0) r += turn;
  if (r >= turn) r = 0;
  const double quarter = turn / 4;
  const int q = std::min(3, static_cast<int>(r / quarter));
  const double a = r - q * quarter;
  const double s = SineInQuadrant(a, turn), c = CosineInQuadrant(a, turn);
  // + 0.0 turns a negative zero into zero.
  switch (q) {
    case 0: return {s + 0.0, c + 0.0};
    case 1: return {c + 0.0, -s + 0.0};
    case 2: return {-s + 0.0, -c + 0.0};
    default: return {-c + 0.0, s + 0.0};
  }
}

SineCosine AngleSineCosine(double x, int32_t angleUnit) {
  if (angleUnit == kDegrees) return TurnSineCosine(x, 360.0);
  if (angleUnit == kGrads) return TurnSineCosine(x, 400.0);
  return {std::sin(x), std::cos(x)};
}

// tan as sin/cos once both are exact: a zero cosine has no tangent.
std::optional<double> Tangent(double x, int32_t angleUnit) {
  if (angleUnit != kDegrees && angleUnit != kGrads) return Finite(std::tan(x));
  const SineCosine sc = AngleSineCosine(x, angleUnit);
  if (sc.cos == 0) return std::nullopt;
  return Finite(sc.sin / sc.cos);
}

bool InUnitRange(double x) { return x >= -1 && x <= 1; }

constexpr double kMaxExponential = 199;

double RandomUniform(const EvalContext& ctx) {
  if (ctx.random) return ctx.random->Next();
  RandomSource fresh(std::random_device{}());
  return fresh.Next();
}

}  // namespace

std::optional<double> ApplyFunction(int32_t code, double x, const EvalContext& ctx) {
  if (!std::isfinite(x)) return std::nullopt;
  const double unit = UnitsPerRadian(ctx.angleUnit);
  switch (code) {
    case kNegate: return -x;
    // Trigonometric.
    case kSin:
      if (ctx.angleUnit == kRadians) return std::sin(x);
      return Finite(AngleSineCosine(x, ctx.angleUnit).sin);
    case kCos:
      if (ctx.angleUnit == kRadians) return std::cos(x);
      return Finite(AngleSineCosine(x, ctx.angleUnit).cos);
    case kTan: return Tangent(x, ctx.angleUnit);
    case kSec: return Reciprocal(AngleSineCosine(x, ctx.angleUnit).cos);
    case kCosec: return Reciprocal(AngleSineCosine(x, ctx.angleUnit).sin);
    case kCotg: {
      if (ctx.angleUnit != kDegrees && ctx.angleUnit != kGrads) return Reciprocal(std::tan(x));
      // cos/sin, so that the cotangent of a right angle is 0.
      const SineCosine sc = AngleSineCosine(x, ctx.angleUnit);
      const auto inverse = Reciprocal(sc.sin);
      if (!inverse) return std::nullopt;
      return Finite(sc.cos * *inverse);
    }
    case kAsin:
      if (!InUnitRange(x)) return std::nullopt;
      return std::asin(x) * unit;
    case kAcos:
      if (!InUnitRange(x)) return std::nullopt;
      return std::acos(x) * unit;
    case kAtan: return std::atan(x) * unit;
    case kAsec:
      if (x == 0 || !InUnitRange(1 / x)) return std::nullopt;
      return std::acos(1 / x) * unit;
    case kAcosec:
      if (x == 0 || !InUnitRange(1 / x)) return std::nullopt;
      return std::asin(1 / x) * unit;
    case kAcotg:
      if (x == 0) return std::nullopt;
      return Finite(std::atan(1 / x) * unit);
    // Logarithms, roots, exponentials.
    case kLn:
      if (x <= 0) return std::nullopt;
      return std::log(x);
    case kLog:
      if (x <= 0) return std::nullopt;
      return std::log10(x);
    case kSqr:
      if (x < 0) return std::nullopt;
      return std::sqrt(x);
    case kExp:
      if (std::fabs(x) > kMaxExponential) return std::nullopt;
      return std::exp(x);
    // Hyperbolic.
    case kSinh:
      if (std::fabs(x) > kMaxExponential) return std::nullopt;
      return std::sinh(x);
    case kCosh:
      if (std::fabs(x) > kMaxExponential) return std::nullopt;
      return std::cosh(x);
    case kTanh: return std::tanh(x);
    case kSech:
      if (std::fabs(x) > kMaxExponential) return std::nullopt;
      return Reciprocal(std::cosh(x));
    case kCosech: return Reciprocal(std::sinh(x));
    case kCotgh: return Reciprocal(std::tanh(x));
    case kAsinh: return std::asinh(x);
    case kAcosh:
      if (x < 1) return std::nullopt;
      return std::acosh(x);
    case kAtanh:
      if (!(std::fabs(x) < 1)) return std::nullopt;
      return std::atanh(x);
    case kAsech:
      if (!(x > 0 && x <= 1)) return std::nullopt;
      return Finite(std::acosh(1 / x));
    case kAcosech:
      if (x == 0) return std::nullopt;
      return Finite(std::asinh(1 / x));
    case kAcotgh:
      if (!(std::fabs(x) > 1)) return std::nullopt;
      // An odd function; (x+1)/(x-1) = 1 + 2/(x-1) keeps the digits near |x| = 1.
      return std::copysign(0.5 * std::log1p(2 / (std::fabs(x) - 1)), x);
    // Rounding and sign.
    case kAbs: return std::fabs(x);
    case kInt: return std::trunc(x);
    case kSgn: return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0;
    case kCeil: return std::ceil(x);
    case kFloor: return std::floor(x);
    case kRound: return std::floor(x + 0.5);
    case kRandom: return std::trunc(RandomUniform(ctx) * std::trunc(std::fabs(x)));
    default: return std::nullopt;
  }
}

}  // namespace velt::expr
