// The built-in functions with their domains. Trigonometric arguments and inverse results are
// in the document's angle unit; hyperbolic functions ignore it.
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
  const double radians = x / unit;
  switch (code) {
    case kNegate: return -x;
    // Trigonometric.
    case kSin: return Finite(std::sin(radians));
    case kCos: return Finite(std::cos(radians));
    case kTan: return Finite(std::tan(radians));
    case kSec: return Reciprocal(std::cos(radians));
    case kCosec: return Reciprocal(std::sin(radians));
    case kCotg: return Reciprocal(std::tan(radians));
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
