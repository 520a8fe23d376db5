// The rule of kind 21: a locus exists while its driver can run; it is sampled unless its
// traced element is a curve that drawing and detection sweep themselves.
#include "geometry/locus_sampling.h"
#include "geometry/rules.h"

namespace velt {
namespace {

void LocusRule(Element& e, const RuleContext& ctx) {
  if (!e.parent[0] || !LocusDriverUsable(e)) {
    e.exists = 0;
    return;
  }
  e.exists = 1;
  auto* s = e.as<SampleExt>();
  if (!s) return;
  e.attr1 = LocusIsClosed(e) ? 1 : 0;
  if (IsSweptLocus(e) || !ctx.doc) {
    s->recorded = 0;
    return;
  }
  SampleLocus(*ctx.doc, e);
}

}  // namespace

void AddLocusRules(RuleTable& t) { t[kLocus] = {LocusRule, 2, true}; }

}  // namespace velt
