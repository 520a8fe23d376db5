#pragma once
// The physical dimension of a number, which selects the unit shown beside it.
#include <cstdint>
#include <span>

#include "model/element.h"

namespace velt::expr {

enum Dimension : int32_t { kNoDimension = 0, kLength = 1, kArea = 2, kAngleDimension = 3 };

// Distances, lengths and perimeters are lengths, areas are areas, angle values angles; a
// calculation keeps the dimension it was given; other numbers have the unit kind chosen for
// them (none unless chosen).
int32_t NumberDimension(const Element& number);

// The dimension of postfix codes whose letter j has letterDimensions[j]; table holds the
// literal constants (for integer exponents). Anything that is not a plain length, area or
// angle is kNoDimension.
int32_t PostfixDimension(std::span<const int32_t> postfix, std::span<const double> table,
                         std::span<const int32_t> letterDimensions);

// The dimension of a calculation from its codes and its referenced numbers.
int32_t CalculationDimension(const Element& calculation);

}  // namespace velt::expr
