// The dimension of an expression: a walk over its postfix codes in which every value carries
// a power of length and a power of angle.
#include "expr/dimension.h"

#include <array>
#include <cmath>
#include <optional>

#include "expr/function_table.h"
#include "expr/operations.h"
#include "expr/token_codes.h"
#include "expr/variables.h"

namespace velt::expr {
namespace {

struct Quantity {
  int length = 0;
  int angle = 0;
  bool known = true;            // false once dimensions were mixed
  std::optional<double> value;  // for constant parts, to read integer exponents
};

Quantity OfDimension(int32_t d) {
  Quantity q;
  if (d == kLength) q.length = 1;
  if (d == kArea) q.length = 2;
  if (d == kAngleDimension) q.angle = 1;
  return q;
}

bool Plain(const Quantity& q) { return q.known && q.length == 0 && q.angle == 0; }

// An integer exponent, allowing for a value a little off (1.99999999 counts as 2).
std::optional<int> IntegerExponent(double v) {
  if (!(std::fabs(v) <= 100)) return std::nullopt;
  const double whole = std::floor(v);
  const double fraction = v - whole;
  if (fraction < 1e-8) return static_cast<int>(whole);
  if (fraction > 0.99999999) return static_cast<int>(whole) + 1;
  return std::nullopt;
}

Quantity Combine(int32_t op, const Quantity& a, const Quantity& b) {
  Quantity r;
  r.known = a.known && b.known;
  if (a.value && b.value) r.value = ApplyBinary(op, *a.value, *b.value);
  switch (op) {
    case kPlus:
    case kMinus:
      r.length = a.length;
      r.angle = a.angle;
      if (a.length != b.length || a.angle != b.angle) r.known = false;
      break;
    case kTimes:
      r.length = a.length + b.length;
      r.angle = a.angle + b.angle;
      break;
    case kDivide:
      r.length = a.length - b.length;
      r.angle = a.angle - b.angle;
      break;
    default: {  // power
      const auto n = b.value ? IntegerExponent(*b.value) : std::nullopt;
      if (!Plain(b)) {
        r.known = false;
      } else if (n) {
        r.length = a.length * *n;
        r.angle = a.angle * *n;
      } else if (!Plain(a)) {
        r.known = false;
      }
    }
  }
  // Powers of powers could grow without end; anything that large is no unit anyway.
  if (std::abs(r.length) > 1000 || std::abs(r.angle) > 1000) r = Quantity{0, 0, false, {}};
  return r;
}

Quantity ApplyOne(int32_t code, const Quantity& a) {
  Quantity r;
  r.known = a.known;
  switch (code) {
    case kNegate:
      r = a;
      if (a.value) r.value = -*a.value;
      break;
    case kAbs:
    case kInt:
    case kCeil:
    case kFloor:
    case kRound:
      r.length = a.length;
      r.angle = a.angle;
      break;
    case kSqr:
      if (a.length % 2 != 0 || a.angle != 0) r.known = false;
      r.length = a.length / 2;
      break;
    case kAsin:
    case kAcos:
    case kAtan:
    case kAsec:
    case kAcosec:
    case kAcotg: r.angle = 1; break;
    default: break;  // everything else gives a plain number
  }
  return r;
}

}  // namespace

int32_t NumberDimension(const Element& number) {
  if (number.kind == kCalculation) return number.attr3;
  if (const int32_t own = ValueDimensionOf(number.kind); own != kNoDimension) return own;
  // A plain number (a parameter, a slope, ...) has the unit kind chosen for it, if any.
  return number.attr3 >= kNoDimension && number.attr3 <= kAngleDimension ? number.attr3
                                                                         : kNoDimension;
}

int32_t PostfixDimension(std::span<const int32_t> postfix, std::span<const double> table,
                         std::span<const int32_t> letterDimensions) {
  std::array<Quantity, kStackSize> stack;
  int top = 0;
  const int64_t letters = static_cast<int64_t>(letterDimensions.size());
  for (int32_t code : postfix) {
    if (code == kEnd) break;
    if (IsOperand(code)) {
      if (top >= kStackSize) return kNoDimension;
      Quantity q;
      const int64_t slot = -static_cast<int64_t>(code);
      if (!IsVariable(code) && slot <= letters) {
        q = OfDimension(letterDimensions[slot - 1]);
      } else if (!IsVariable(code) && slot < static_cast<int64_t>(table.size())) {
        q.value = table[slot];
      }
      stack[top++] = q;
    } else if (IsBinaryOperator(code)) {
      if (top < 2) return kNoDimension;
      stack[top - 2] = Combine(code, stack[top - 2], stack[top - 1]);
      --top;
    } else {
      if (top < 1) return kNoDimension;
      stack[top - 1] = ApplyOne(code, stack[top - 1]);
    }
  }
  if (top != 1 || !stack[0].known) return kNoDimension;
  const Quantity& q = stack[0];
  if (q.angle == 0 && q.length == 1) return kLength;
  if (q.angle == 0 && q.length == 2) return kArea;
  if (q.angle == 1 && q.length == 0) return kAngleDimension;
  return kNoDimension;
}

int32_t CalculationDimension(const Element& calculation) {
  const ExpressionExt* x = calculation.as<ExpressionExt>();
  if (!x) return kNoDimension;
  std::vector<int32_t> letters;
  for (const Element* v : x->variables)
    if (!IsUserFunctionElement(v)) letters.push_back(v ? NumberDimension(*v) : kNoDimension);
  return PostfixDimension(x->tokens, x->table, letters);
}

}  // namespace velt::expr
