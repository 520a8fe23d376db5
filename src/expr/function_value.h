#pragma once
// A user function (kind 64) ready to be evaluated at many arguments: its referenced numbers
// are loaded once, each call only runs the codes.
#include <optional>
#include <vector>

#include "expr/eval_context.h"
#include "model/element.h"

namespace velt::expr {

// The function type of a function element: the variable its codes use, else the type it
// was defined with (attr2), else y=f(x).
int32_t FunctionTypeOf(const Element& f);

class FunctionValue {
 public:
  // Usable when f is an existing function whose referenced numbers all have values.
  FunctionValue(const Element& f, const EvalContext& ctx);
  bool usable() const { return usable_; }
  int32_t type() const { return type_; }
  std::optional<double> operator()(double argument);

 private:
  const ExpressionExt* x_ = nullptr;
  std::vector<double> table_;
  std::vector<const Element*> functions_;
  EvalContext ctx_;
  int32_t type_ = 1;
  bool usable_ = false;
};

}  // namespace velt::expr
