// The recompute of kind 71: the iteration exists while every element of its list exists and
// its fields hold together; each recompute makes a new working copy of the construction.
#include "anim/iteration.h"

namespace velt {
namespace {

void IterationRule(Element& e, const RuleContext& ctx) {
  IterationExt* it = e.as<IterationExt>();
  if (!it || !ctx.doc || !IterationWellFormed(e)) {
    if (it) it->scratch.work.reset();
    e.exists = 0;
    return;
  }
  if (it->settings[kIterFromNumber] && !it->elements.empty() && it->elements.back())
    it->settings[kIterCount] = CountFromValue(it->elements.back()->value[0]);
  e.exists = RebuildIterationWork(*ctx.doc, e) ? 1 : 0;
}

}  // namespace

void AddIterationRules(RuleTable& t) { t[kIteration] = {IterationRule, 0}; }

}  // namespace velt
