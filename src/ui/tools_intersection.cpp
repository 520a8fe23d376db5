// The intersection tool: two curves, then every intersection point they can have that is not
// already one of their defining points.
#include "geometry/element_points.h"
#include "model/dependents.h"
#include "ui/intersection_pick.h"
#include "ui/plane_math.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

// The defining points of a curve: its point parents.
std::vector<const Element*> DefiningPoints(const Element& e) {
  std::vector<const Element*> out;
  ForEachStructuralParent(e, [&](const Element* p) {
    if (p && p->type() == kTypePoint && p->exists) out.push_back(p);
  });
  return out;
}

bool LiesOn(const Element& curve, Pt p) {
  auto foot = ParameterOnCarrier(curve, p);
  return foot && foot->distance < 0.0001 * std::max(1.0, Length(p));
}

// How many points the two curves already share among their defining points.
int CommonDefiningPoints(const Element& a, const Element& b) {
  std::vector<Pt> common;
  auto consider = [&](const Element& from, const Element& other) {
    for (const Element* p : DefiningPoints(from)) {
      const Pt v = PointA(*p);
      if (!LiesOn(other, v)) continue;
      bool known = false;
      for (Pt c : common) known = known || Distance(c, v) <= 0.0001;
      if (!known) common.push_back(v);
    }
  };
  consider(a, b);
  consider(b, a);
  return static_cast<int>(common.size());
}

bool Curved(int32_t t) { return t == kTypeCircle || t == kTypeArc || t == kTypeConic; }

// The solutions to create for the pair.
std::vector<int> SolutionsFor(const Element& a, const Element& b) {
  const int32_t ta = a.type(), tb = b.type();
  if (ta == kTypeLocus || tb == kTypeLocus) return {};  // numeric, with the loci
  if ((ta == kTypeConic && Curved(tb)) || (tb == kTypeConic && Curved(ta))) return {0, 1, 2, 3};
  if (Curved(ta) || Curved(tb)) {
    const int shared = CommonDefiningPoints(a, b);
    if (shared == 0) return {0, 1};
    if (shared == 1) return {0};
    return {};
  }
  return {0};
}

}  // namespace

void PressIntersection(ToolContext& c, Pt) {
  Element* under = c.UnderElement();
  if (!under) return;
  if (c.pickCount() == 0) {
    c.AddPick(under);
    return;
  }
  if (c.picks()[0] == under) return;
  const std::vector<int> solutions = SolutionsFor(*c.picks()[0], *under);
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
      c.Make(t);
    }
  }
  c.EndGesture();
}

}  // namespace velt
