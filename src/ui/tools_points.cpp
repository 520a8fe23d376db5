// Point tools: a point by a click, and tying a point to a curve, merging it or freeing it.
#include <algorithm>

#include "geometry/position_on_element.h"
#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "ui/host.h"
#include "ui/strings_window.h"
#include "ui/tool_gestures.h"
#include "ui/workspace.h"

namespace velt {
namespace {

bool IsPoint(const Element* e) { return e && e->type() == kTypePoint; }

DetectionMask PointsAndCarriers(int points) {
  DetectionMask m = ToolMask(Tool::B_Punto);
  m[kTypePoint] = static_cast<int8_t>(points);
  return m;
}

// Moves the point and everything marked as depending on it behind `after`, keeping their
// order, so that every element still comes after its parents.
void MoveBehind(ElementList& list, const Element* point, const Element* after) {
  const auto first = list.begin() + IndexOf(list, point);
  const auto last = list.begin() + IndexOf(list, after) + 1;
  if (first >= last) return;
  std::stable_partition(first, last,
                        [&](const ElementPtr& e) { return e.get() != point && !e->mark; });
  Renumber(list);
}

}  // namespace

void PressPoint(ToolContext& c, Pt at) {
  c.CreatePointAtClick(at, true);
  c.EndGesture();
}

void StartPointRedefinition(ToolContext& c, Element& point) {
  if (!IsPoint(&point)) return;
  Renumber(c.doc().elements());
  const int32_t number = point.number;
  // Choosing the tool may undo an abandoned gesture and replace the list.
  c.SelectTool(Tool::B_redefpun);
  Element* p = FindByNumber(c.doc().elements(), number);
  if (!IsPoint(p)) return;
  c.AddPick(p);
  c.mask() = PointsAndCarriers(1);
  c.Repaint();
}

void PressRedefine(ToolContext& c, Pt at) {
  Element* under = c.UnderElement();
  if (c.pickCount() == 0) {
    if (!IsPoint(under)) return;
    c.AddPick(under);
    c.mask() = PointsAndCarriers(1);
    return;
  }
  Element* point = c.picks()[0];
  Document& d = c.doc();
  auto& list = d.elements();
  // The new definition must not depend on the point itself. When it comes later in the
  // list, the point and what is built on it move behind it.
  ClearMarks(list);
  MarkDependents(d, *point);
  Element* target = under;
  const Element* owner = target && target->owner ? target->owner : target;
  if (target && (target == point || owner->mark)) {
    ClearMarks(list);
    c.EndGesture();
    c.host().ShowMessage(c.workspace().Text(str::kInvalidRedefinition), MessageIcon::Warning);
    return;
  }
  ClearMarks(list);
  c.StoreStep();
  point = c.picks()[0];
  target = c.UnderElement();
  owner = target && target->owner ? target->owner : target;
  if (owner && IndexOf(d.elements(), owner) > IndexOf(d.elements(), point)) {
    MarkDependents(d, *point);
    MoveBehind(d.elements(), point, owner);
    ClearMarks(d.elements());
  }
  if (!target) {
    point->kind = kFreePoint;
    point->ext = ExtensionForKind(kFreePoint);
    point->parent = {};
    point->x() = at.x, point->y() = at.y;
  } else if (IsPoint(target)) {
    // Merge: everything built on the point is rebuilt on the other one.
    for (auto& e : d.elements()) {
      ForEachReference(*e, [&](Element*& ref, int32_t&) {
        if (ref == point) ref = target;
      });
      ForEachSubElement(*e, [&](Element& s) {
        ForEachReference(s, [&](Element*& ref, int32_t&) {
          if (ref == point) ref = target;
        });
      });
    }
    DeleteWithDependents(d, *point);
  } else {
    auto foot = FootOnCarrier(*target, at);
    point->kind = kPointOnElement;
    point->ext = ExtensionForKind(kPointOnElement);
    point->parent = {target, nullptr, nullptr};
    if (foot) point->value = {foot->foot.x, foot->foot.y, 0, foot->t};
  }
  c.Recompute();
  c.EndGesture();
}

}  // namespace velt
