#include "expr/calculation.h"

#include "expr/dimension.h"
#include "expr/expression.h"
#include "expr/variables.h"

namespace velt::expr {

bool DefineExpression(Element& e, std::string text, int32_t type) {
  ExpressionExt* x = e.as<ExpressionExt>();
  if (!x) return false;
  const VariableCounts counts = CountVariables(*x);
  auto compiled = BuildExpression(text, counts.letters, counts.functions, type);
  if (!compiled) return false;
  x->text = std::move(text);
  x->tokens = std::move(compiled->postfix);
  x->table = std::move(compiled->table);
  // A function remembers its type: a constant such as r = 2 has no variable to tell it.
  if (e.kind == kFunction) e.attr2 = type;
  if (e.kind == kCalculation) {
    e.attr3 = kNoDimension;
    e.attr3 = CalculationDimension(e);
  }
  return true;
}

void ComputeCalculation(Element& e, const EvalContext& ctx) {
  ExpressionExt* x = e.as<ExpressionExt>();
  if (!x) {
    e.exists = 0;
    return;
  }
  e.exists = 1;
  bool ok = LoadVariableValues(*x, x->table);
  if (ok) {
    const std::vector<const Element*> functions = UserFunctionsOf(*x);
    ok = EvaluatePostfix(x->tokens, x->table, std::nullopt, functions, ctx);
  }
  x->work = ok ? -1 : 0;
  if (ok) e.value[0] = x->table[0];
  e.attr1 = ok ? kValidNumber : kNumberWithoutValue;
  // The dimension (the unit shown) is set by the definition and by the edit dialog, which
  // may hide it or choose one for a plain number: a recompute keeps it.
}

}  // namespace velt::expr
