#include "view/zoom.h"

#include <cmath>

namespace velt {
void ZoomFigure(Document& doc, WorldPoint c, double factor) {
  const double f = std::fabs(factor);
  if (!std::isfinite(f)) return;
  for (const ElementPtr& p : doc.elements()) {
    Element& e = *p;
    if (e.kind == kFreePoint) {
      e.value[0] = c.x + (e.value[0] - c.x) * f;
      e.value[1] = c.y + (e.value[1] - c.y) * f;
    } else if (e.kind == kCircleCentre) {
      e.value[2] = e.value[0] + (e.value[2] - e.value[0]) * f;
      e.value[3] = e.value[1] + (e.value[3] - e.value[1]) * f;
    } else if (e.kind == kPointOnElement && e.parent[0] &&
               PlacesPointsByDistance(e.parent[0]->kind)) {
      e.value[3] *= f;
    } else if (e.kind == kName && e.parent[0] &&
               (e.parent[0]->type() == kTypeLine || e.parent[0]->type() == kTypeRay)) {
      e.value[0] *= f;
      e.value[1] *= f;
    } else if (AxesExt* axes = e.as<AxesExt>()) {
      axes->xUnit *= f;
      axes->yUnit *= f;
    }
  }
}

}  // namespace velt
