// The stack evaluator of postfix codes, with calls into user functions.
#include <array>
#include <cmath>

#include "expr/expression.h"
#include "expr/function_table.h"
#include "expr/operations.h"
#include "expr/variables.h"

namespace velt::expr {
namespace {

// User functions may call user functions; a malformed figure could make them call each
// other for ever, so depth and total work are bounded.
constexpr int kMaxCallDepth = 32;
constexpr int64_t kMaxSteps = 1'000'000;

struct Budget {
  int depth = 0;
  int64_t steps = 0;
};

std::optional<double> Run(std::span<const int32_t> postfix, std::span<const double> table,
                          std::optional<double> variable,
                          std::span<const Element* const> userFunctions, const EvalContext& ctx,
                          Budget& budget);

std::optional<double> CallUserFunction(const Element* f, double argument, const EvalContext& ctx,
                                       Budget& budget) {
  const ExpressionExt* x = IsUserFunctionElement(f) && f->exists ? f->as<ExpressionExt>() : nullptr;
  if (!x || budget.depth >= kMaxCallDepth) return std::nullopt;
  // Copying the table is work too: a huge table from a damaged file cannot stall the call.
  budget.steps += static_cast<int64_t>(x->table.size() + x->variables.size());
  if (budget.steps > kMaxSteps) return std::nullopt;
  std::vector<double> table = x->table;
  if (table.empty() || !LoadVariableValues(*x, table)) return std::nullopt;
  const std::vector<const Element*> inner = UserFunctionsOf(*x);
  ++budget.depth;
  const auto result = Run(x->tokens, table, argument, inner, ctx, budget);
  --budget.depth;
  return result;
}

std::optional<double> Run(std::span<const int32_t> postfix, std::span<const double> table,
                          std::optional<double> variable,
                          std::span<const Element* const> userFunctions, const EvalContext& ctx,
                          Budget& budget) {
  std::array<double, kStackSize> stack;
  int top = 0;  // number of values on the stack
  for (int32_t code : postfix) {
    if (code == kEnd) break;
    if (++budget.steps > kMaxSteps) return std::nullopt;
    if (ctx.abort && ctx.abort->load(std::memory_order_relaxed)) return std::nullopt;
    if (IsOperand(code)) {
      double value;
      if (IsVariable(code)) {
        if (!variable) return std::nullopt;
        value = *variable;
      } else {
        const int64_t slot = -static_cast<int64_t>(code);
        if (code < kVariableX || slot >= static_cast<int64_t>(table.size())) return std::nullopt;
        value = table[static_cast<size_t>(slot)];
      }
      if (!std::isfinite(value) || top >= kStackSize) return std::nullopt;
      stack[top++] = value;
    } else if (IsBinaryOperator(code)) {
      if (top < 2) return std::nullopt;
      const auto r = ApplyBinary(code, stack[top - 2], stack[top - 1]);
      if (!r) return std::nullopt;
      stack[--top - 1] = *r;
    } else if (IsUserFunction(code)) {
      const int32_t n = code - kUserFunctionBase;
      if (top < 1 || n > static_cast<int32_t>(userFunctions.size())) return std::nullopt;
      const auto r = CallUserFunction(userFunctions[n - 1], stack[top - 1], ctx, budget);
      if (!r) return std::nullopt;
      stack[top - 1] = *r;
    } else {
      if (top < 1) return std::nullopt;
      const auto r = ApplyFunction(code, stack[top - 1], ctx);
      if (!r) return std::nullopt;
      stack[top - 1] = *r;
    }
  }
  if (top != 1) return std::nullopt;
  return stack[0];
}

}  // namespace

bool EvaluatePostfix(std::span<const int32_t> postfix, std::span<double> table,
                     std::optional<double> variable, std::span<const Element* const> userFunctions,
                     const EvalContext& ctx) {
  if (table.empty()) return false;
  Budget budget;
  const auto result = Run(postfix, table, variable, userFunctions, ctx, budget);
  if (!result) return false;
  table[0] = *result;
  return true;
}

}  // namespace velt::expr
