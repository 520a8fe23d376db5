// The rule of kind 21: a locus exists while its driver can run; it is sampled unless its
// traced element is a curve that drawing and detection sweep themselves.
#include "geometry/locus_grid.h"
#include "geometry/locus_sampling.h"
#include "geometry/rules.h"

namespace velt {
namespace {

// A traced point keeps its samples while the drag moves its driver (the locus is the same),
// or moves the point itself through this locus's driver (the samples guide that drag).
bool ExemptWhileDragged(const Element& locus, const RuleContext& ctx) {
  const Element* dragged = ctx.dragged;
  const Element* traced = locus.parent[0];
  if (!dragged || dragged->selected || !traced || traced->type() != kTypePoint ||
      DrivenByGrid(locus))
    return false;
  if (dragged == locus.parent[1]) return true;
  return dragged == traced && dragged->kind != kPointOnElement &&
         LocusTracing(*ctx.doc, *traced) == &locus;
}

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
  if (ExemptWhileDragged(e, ctx)) return;
  SampleLocus(*ctx.doc, e, ctx.viewScale, ctx.abort);
}

}  // namespace

void AddLocusRules(RuleTable& t) { t[kLocus] = {LocusRule, 2, true}; }

}  // namespace velt
