#include "expr/function_value.h"

#include "expr/expression.h"
#include "expr/variables.h"

namespace velt::expr {

int32_t FunctionTypeOf(const Element& f) {
  if (f.kind != kFunction) return kPlainCalculation;
  if (const ExpressionExt* x = f.as<ExpressionExt>())
    for (int32_t code : x->tokens)
      if (IsVariable(code)) return -1000 - code;
  if (f.attr2 >= kYofX && f.attr2 <= kWofR) return f.attr2;
  return kYofX;
}

FunctionValue::FunctionValue(const Element& f, const EvalContext& ctx)
    : x_(f.kind == kFunction && f.exists ? f.as<ExpressionExt>() : nullptr), ctx_(ctx) {
  type_ = FunctionTypeOf(f);
  if (!x_ || x_->table.empty()) return;
  table_ = x_->table;
  if (!LoadVariableValues(*x_, table_)) return;
  functions_ = UserFunctionsOf(*x_);
  usable_ = true;
}

std::optional<double> FunctionValue::operator()(double argument) {
  if (!usable_) return std::nullopt;
  if (!EvaluatePostfix(x_->tokens, table_, argument, functions_, ctx_)) return std::nullopt;
  return table_[0];
}

}  // namespace velt::expr
