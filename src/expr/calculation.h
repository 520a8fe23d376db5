#pragma once
// Calculations (and the expressions of user functions) as elements of a figure.
#include <cstdint>
#include <string>

#include "expr/eval_context.h"
#include "model/element.h"

namespace velt::expr {

// attr1 of a number: a valid value, or existing without a value.
inline constexpr int32_t kValidNumber = 100;
inline constexpr int32_t kNumberWithoutValue = -100;

// Compiles the text over the element's referenced elements (numbers lettered in list order,
// user functions numbered in list order) and stores text, postfix codes and value table; a
// calculation also takes the dimension of the expression. False, and nothing changed, when
// the text is not a valid expression.
bool DefineExpression(Element& e, std::string text, int32_t type);

// The recompute of a calculation: the referenced numbers' values are loaded and the codes
// evaluated. The element exists; attr1 tells whether it has a value.
void ComputeCalculation(Element& e, const EvalContext& ctx);

}  // namespace velt::expr
