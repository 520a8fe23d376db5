// Rules of the numeric kinds: calculations (37), user functions (64) and their graphs (65).
// Parameters (63) and tables (38) are set from outside and have none.
#include "expr/calculation.h"
#include "geometry/graph_sampling.h"
#include "geometry/rules.h"

namespace velt {
namespace {

void CalculationRule(Element& e, const RuleContext& ctx) {
  expr::ComputeCalculation(e, EvalContextOf(ctx));
}

// A function exists while its references do (tested by the pass); it is evaluated on demand.
void FunctionRule(Element& e, const RuleContext&) { e.exists = e.as<ExpressionExt>() ? 1 : 0; }

void GraphRule(Element& e, const RuleContext& ctx) { SampleGraph(e, ctx); }

}  // namespace

void AddNumberRules(RuleTable& t) {
  t[kCalculation] = {CalculationRule, 0, false};
  t[kFunction] = {FunctionRule, 0, false};
  t[kFunctionGraph] = {GraphRule, 2, false};
}

}  // namespace velt
