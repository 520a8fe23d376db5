#include "macros/macro_expand.h"

#include "model/kinds.h"

namespace velt {

std::vector<Element*> ExpandInitials(const std::vector<Element*>& picks) {
  std::vector<Element*> out = picks;
  auto add = [&](Element* e) {
    if (e) out.push_back(e);
  };
  for (Element* e : picks) {
    if (!e) continue;
    switch (e->type()) {
      case kTypeSegment:
      case kTypeVector:
        add(e->parent[0]);
        add(e->parent[1]);
        break;
      case kTypeCircle: add(e->parent[0]); break;
      case kTypeArc:
        for (Element* p : e->parent) add(p);
        break;
      case kTypeAxes:
        add(e->parent[0]);
        if (auto* a = e->as<AxesExt>()) {
          add(a->xAxis.get());
          add(a->yAxis.get());
        }
        break;
      case kTypeConic:
        if (auto* c = e->as<ConicExt>())
          for (Element* p : c->points) add(p);
        break;
      default: break;
    }
  }
  return out;
}

}  // namespace velt
