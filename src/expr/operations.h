#pragma once
// The arithmetic of the evaluator: binary operators and built-in functions with their
// error rules. Every result is finite; an error is an empty result.
#include <cstdint>
#include <optional>

#include "expr/eval_context.h"

namespace velt::expr {

// a op b for + - * / ^.
std::optional<double> ApplyBinary(int32_t op, double a, double b);
// f(x) for a built-in function code or unary minus; trigonometric functions read and write
// angles in the context's unit.
std::optional<double> ApplyFunction(int32_t code, double x, const EvalContext& ctx);

}  // namespace velt::expr
