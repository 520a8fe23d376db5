#include "expr/calculation.h"
#include "geometry/rules.h"

namespace velt {
namespace {

expr::EvalContext ContextOf(const RuleContext& ctx) {
  expr::EvalContext e;
  if (ctx.doc) e.angleUnit = ctx.doc->angleUnit;
  return e;
}

void CalculationRule(Element& e, const RuleContext& ctx) {
  expr::ComputeCalculation(e, ContextOf(ctx));
}

}  // namespace

void AddNumberRules(RuleTable& t) { t[kCalculation] = {CalculationRule, 0, false}; }

}  // namespace velt
