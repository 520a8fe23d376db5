// The intersection tool: two curves, then every intersection point they can have that is not
// already known to be common to them.
#include "geometry/intersection_codes.h"
#include "ui/intersection_pick.h"
#include "ui/tool_gestures.h"

namespace velt {

void PressIntersection(ToolContext& c, Pt) {
  Element* under = c.UnderElement();
  if (!under) return;
  if (c.pickCount() == 0) {
    c.AddPick(under);
    return;
  }
  if (c.picks()[0] == under) return;
  const std::vector<int> solutions = SolutionsToCreate(*c.picks()[0], *under, &c.doc());
  if (!solutions.empty()) {
    c.EnsureStep();
    Element* a = c.picks()[0];
    Element* b = c.UnderElement();
    ElementTemplate& t = c.tmpl();
    for (int s : solutions) {
      auto setup = ClassifyIntersection(a, b, s);
      if (!setup) continue;
      t.kind = kIntersection;
      t.parent = {setup->parent1, setup->parent2, nullptr};
      t.attr1 = setup->code;
      t.attr2 = setup->code == kLocusIntersectionCode ? s : 0;  // the locus's n-th point
      c.Make(t);
    }
  }
  c.EndGesture();
}

}  // namespace velt
