#include "geometry/recompute.h"

#include "view/parametric_colour.h"

namespace velt {

bool IsNotComputed(int32_t kind) { return IsSetFromOutside(kind); }

namespace {

bool ParentsUsable(const Element& e, const KindRule& rule) {
  for (int i = 0; i < rule.requiredParents && i < 3; ++i)
    if (!e.parent[i]) return false;
  bool ok = true;
  const bool listKind =
      e.as<PolygonExt>() || e.as<ExpressionExt>() || e.as<ConicExt>() || e.as<IterationExt>();
  ForEachStructuralParent(e, [&](const Element* p) {
    if (p ? !p->exists : listKind) ok = false;
  });
  return ok;
}

}  // namespace

void RecomputeElement(Element& e, const RuleContext& ctx) {
  if (!IsValidKind(e.kind)) return;
  // A colour that follows a number follows it whether or not the element is computed.
  ApplyParametricColour(e);
  if (IsNotComputed(e.kind)) return;
  const KindRule& rule = Rules()[e.kind];
  if (!rule.ownParentTest && !ParentsUsable(e, rule)) {
    e.exists = 0;
    return;
  }
  if (rule.fn) rule.fn(e, ctx);
}

void RecomputeAll(Document& doc, const Element* stopAt, bool refreshCursor,
                  RecomputeObserver* observer, const std::atomic<bool>* abort) {
  const RuleContext ctx{&doc, abort};
  for (auto& e : doc.elements()) {
    if (e.get() == stopAt) break;
    RecomputeElement(*e, ctx);
  }
  if (observer) {
    observer->Redraw(doc, stopAt);
    if (refreshCursor) observer->RefreshCursor();
  }
}

void RecomputeDragged(Document& doc, const Element* dragged) {
  RuleContext ctx{&doc};
  ctx.dragged = dragged;
  for (auto& e : doc.elements())
    if (e->mark) RecomputeElement(*e, ctx);
}

void RecomputeMarked(Document& doc, bool refreshCursor, RecomputeObserver* observer,
                     const std::atomic<bool>* abort) {
  const RuleContext ctx{&doc, abort};
  for (auto& e : doc.elements())
    if (e->mark) RecomputeElement(*e, ctx);
  if (observer) {
    observer->Redraw(doc, nullptr);
    if (refreshCursor) observer->RefreshCursor();
  }
}

}  // namespace velt
