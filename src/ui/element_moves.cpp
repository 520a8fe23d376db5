#include "ui/element_moves.h"

#include <algorithm>
#include <cmath>

#include "geometry/element_points.h"
#include "geometry/grid_nodes.h"
#include "geometry/position_on_element.h"
#include "geometry/tolerances.h"
#include "view/name_anchor.h"

namespace velt {
namespace {

bool Seen(std::vector<Element*>& seen, Element* e) {
  if (std::find(seen.begin(), seen.end(), e) != seen.end()) return true;
  seen.push_back(e);
  return false;
}

void ProjectOnCarrier(Element& p, Pt to) {
  const Element* carrier = p.parent[0];
  if (!carrier) return;
  if (p.kind == kPointOnGrid) {
    if (auto node = NearestGridNode(*carrier, to))
      p.value = {node->at.x, node->at.y, node->u, node->v};
    return;
  }
  if (auto foot = FootOnCarrier(*carrier, to)) {
    p.value[3] = foot->t;
    SetPointA(p, foot->foot);
  }
}

// The arc of an angle mark passes through the pointer: its fraction of the shorter arm.
void SetMarkRadius(Element& mark, Pt target) {
  if (!mark.parent[0] || !mark.parent[1] || !mark.parent[2]) return;
  const Pt v = PointA(*mark.parent[1]);
  const double arm =
      std::min(Distance(v, PointA(*mark.parent[0])), Distance(v, PointA(*mark.parent[2])));
  if (!(arm >= kPointCoincidence)) return;
  mark.value[1] = Distance(v, target) / arm;
}

}  // namespace

MoveStart StartOf(const Element& e) {
  MoveStart s;
  s.value = e.value;
  if (const auto* t = e.as<TextExt>()) s.textX = t->x, s.textY = t->y;
  return s;
}

bool MovesItself(const Element& e) {
  const DragRule r = DragRuleOf(e.kind);
  if (r == DragRule::Picture) return !e.parent[0];
  return r != DragRule::Ancestors;
}

bool MovesByKeys(const Element& e) {
  switch (DragRuleOf(e.kind)) {
    case DragRule::Itself:
    case DragRule::OnCarrier:
    case DragRule::OnGrid:
    case DragRule::Label:
    case DragRule::NameOffset:
    case DragRule::Text: return true;
    case DragRule::Picture: return !e.parent[0];
    default: return false;
  }
}

void MoveItself(Element& e, const MoveStart& start, Pt shift, Pt target, const MoveLimits& limits) {
  const Pt a{start.value[0], start.value[1]}, b{start.value[2], start.value[3]};
  switch (DragRuleOf(e.kind)) {
    case DragRule::Itself:
    case DragRule::Picture: SetPointA(e, a + shift); break;
    case DragRule::OnCarrier:
    case DragRule::OnGrid: ProjectOnCarrier(e, target); break;
    case DragRule::Label:
      e.value[2] = b.x + shift.x;
      e.value[3] = b.y + shift.y;
      break;
    case DragRule::NameOffset: {
      // The label follows the pointer from where it stood when the move began; its anchor
      // slides along a line or round a circle. A name without an anchor stays.
      e.value = start.value;
      if (const auto from = NameLabelPosition(e))
        PlaceNameLabel(e, {from->x + shift.x, from->y + shift.y}, limits.nameDistance);
      break;
    }
    case DragRule::Text:
      if (auto* t = e.as<TextExt>()) {
        t->x = static_cast<int32_t>(std::lround(start.textX + shift.x));
        t->y = static_cast<int32_t>(std::lround(start.textY + shift.y));
      }
      break;
    case DragRule::Direction:
    case DragRule::Radius:
      // The second defining point follows the pointer: the line turns about its point, the
      // circle's radius reaches the pointer.
      if (Distance(PointA(e), target) >= kPointCoincidence) {
        e.value[2] = target.x;
        e.value[3] = target.y;
      }
      break;
    case DragRule::MarkRadius: SetMarkRadius(e, target); break;
    case DragRule::Ancestors: break;
  }
}

void CollectFreeAncestors(Element* e, std::vector<Element*>& out, std::vector<Element*>& seen) {
  if (!e || Seen(seen, e)) return;
  if (e->kind == kFreePoint || e->kind == kText || (e->kind == kBitmap && !e->parent[0])) {
    out.push_back(e);
    return;
  }
  if (e->owner) CollectFreeAncestors(e->owner, out, seen);
  ForEachStructuralParent(*e, [&](Element* p) { CollectFreeAncestors(p, out, seen); });
}

}  // namespace velt
