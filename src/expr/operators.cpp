// The binary operators and their magnitude limits: no quotient, product or power may pass
// 10^99 (nor a quotient fall below 10^-99).
#include <cmath>

#include "expr/operations.h"
#include "expr/token_codes.h"

namespace velt::expr {
namespace {

constexpr double kMaxDecades = 99;

std::optional<double> Finite(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

// A result this far inside the limits passes their test whatever the rounding of the
// logarithms, so the test is only worked out near a limit.
constexpr double kSafeMagnitude = 1e98;

bool SafelyInside(double v) {
  const double m = std::fabs(v);
  return m < kSafeMagnitude && m > 1 / kSafeMagnitude;
}

std::optional<double> Divide(double a, double b) {
  if (b == 0) return std::nullopt;
  if (a == 0) return 0.0;
  if (const double q = a / b; SafelyInside(q)) return q;
  if (std::fabs(std::log10(std::fabs(a)) - std::log10(std::fabs(b))) > kMaxDecades)
    return std::nullopt;
  return Finite(a / b);
}

std::optional<double> Multiply(double a, double b) {
  if (a == 0 || b == 0) return 0.0;
  if (const double p = a * b; std::fabs(p) < kSafeMagnitude) return p;
  if (std::log10(std::fabs(a)) + std::log10(std::fabs(b)) > kMaxDecades) return std::nullopt;
  return Finite(a * b);
}

bool IsInteger(double x) { return std::trunc(x) == x; }

// The cube root of m >= 0, exact for the cube of a whole number (the library's cbrt may be
// one unit off there).
double CubeRoot(double m) {
  const double c = std::cbrt(m);
  const double whole = std::round(c);
  return whole * whole * whole == m ? whole : c;
}

std::optional<double> Power(double base, double exponent) {
  if (exponent == 0) return 1.0;
  if (base == 0) {
    if (exponent < 0) return std::nullopt;
    return 0.0;
  }
  // A square is the product, rounded once.
  if (exponent == 2)
    if (const double r = base * base; SafelyInside(r)) return r;
  const bool real = base > 0 || IsInteger(exponent);
  if (real)
    if (const double r = std::pow(base, exponent); SafelyInside(r)) return r;
  if (std::fabs(exponent * std::log10(std::fabs(base))) > kMaxDecades) return std::nullopt;
  if (real) return Finite(std::pow(base, exponent));
  // A negative base needs a rational exponent p/q with an odd q.
  for (int i = 3; i <= 99; i += 2) {
    const double scaled = i * exponent;
    const double p = std::round(scaled);
    if (std::fabs(scaled - p) > 1e-10) continue;
    if (p == 0) return std::nullopt;
    // With a denominator of 3 the cube root keeps exact cubes exact: (-8)^(2/3) is 4.
    const double magnitude = i == 3 ? std::pow(CubeRoot(-base), p) : std::pow(-base, exponent);
    return Finite(std::fmod(p, 2.0) != 0 ? -magnitude : magnitude);
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> ApplyBinary(int32_t op, double a, double b) {
  if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
  switch (op) {
    case kPlus: return Finite(a + b);
    case kMinus: return Finite(a - b);
    case kTimes: return Multiply(a, b);
    case kDivide: return Divide(a, b);
    case kPower: return Power(a, b);
    default: return std::nullopt;
  }
}

}  // namespace velt::expr
