#pragma once
// Reading the value of a number parent (angle, ratio, length, coordinate) in a rule.
#include <numbers>

#include "geometry/rules.h"

namespace velt {

// A number element whose value cannot be used.
inline bool InError(const Element& number) { return number.attr1 == -100; }

// An angle in the document's angle unit (0 RAD, 1 DEG, 2 GRA), in radians.
inline double ToRadians(double angle, const RuleContext& ctx) {
  const int unit = ctx.doc ? ctx.doc->angleUnit : 0;
  if (unit == 1) return angle / (180 / std::numbers::pi);
  if (unit == 2) return angle / (200 / std::numbers::pi);
  return angle;
}

}  // namespace velt
