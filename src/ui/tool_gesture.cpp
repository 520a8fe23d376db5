// The gesture of a row-only tool: the row's picks in order, then its kind.
#include "geometry/element_points.h"
#include "ui/tool_context.h"

namespace velt {
namespace {

void Place(ElementTemplate& t, Slot slot, Element* e) {
  switch (slot) {
    case Slot::Parent1: t.parent[0] = e; break;
    case Slot::Parent2: t.parent[1] = e; break;
    case Slot::Parent3: t.parent[2] = e; break;
    case Slot::List: t.picks.push_back(e); break;
    case Slot::None: break;
  }
}

}  // namespace

void GenericPress(ToolContext& c, Pt at) {
  const ToolRow& row = c.row();
  const size_t step = static_cast<size_t>(c.pickCount());
  if (step >= row.steps.size()) return;
  const PickStep& s = row.steps[step];
  const bool last = step + 1 == row.steps.size();
  ElementTemplate& t = c.tmpl();
  if (last && step > 0 && row.kindOnEmpty >= 0 && !c.Under()) {
    // A click on empty plane ends the gesture with the other kind: the element goes from the
    // first pick towards the click (a line keeps the direction, a circle the radius).
    const Element* p = c.picks().front();
    t.kind = row.kindOnEmpty;
    t.value = {p->x(), p->y(), at.x, at.y};
    c.Commit();
    return;
  }
  Element* e = nullptr;
  if (s.pointOnClick) {
    e = c.PickPoint(at);
  } else {
    e = c.UnderElement();
    if (!e || !s.mask[e->type()]) return;
  }
  if (!e) return;
  c.AddPick(e);
  Place(t, s.slot, e);
  if (!last) {
    c.mask() = row.steps[step + 1].mask;
    return;
  }
  t.kind = row.kind;
  c.Commit();
}

}  // namespace velt
