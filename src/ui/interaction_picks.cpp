// A press of the left button: the tool's gesture takes it; a click that is not on a point
// becomes one where the gesture wants a point.
#include "geometry/grid_nodes.h"
#include "geometry/intersection_codes.h"
#include "geometry/position_on_element.h"
#include "model/element_list.h"
#include "ui/interaction.h"
#include "ui/tool_gestures.h"
#include "ui/tool_context.h"

namespace velt {

Element* Interaction::CreatePointAtClick(Pt at, bool storeUndo) {
  if (storeUndo && !snapshotTaken_) {
    StoreStep();  // also looks up the detected elements in the new list
    snapshotTaken_ = true;
  }
  ElementTemplate t;
  if (detection_.candidate) {
    // The crossing under the pointer becomes an intersection point.
    const Element& c = *detection_.candidate;
    t.kind = kIntersection;
    t.parent = {c.parent[0], c.parent[1], nullptr};
    t.attr1 = c.attr1;
    t.attr2 = c.attr1 == kLocusIntersectionCode ? static_cast<int32_t>(c.value[3]) : 0;
    t.value = {c.x(), c.y(), 0, 0};
  } else if (Element* under = UnderPointer(); under && under->kind == kGrid) {
    // A point on a grid stands on the node nearest to the click.
    t.kind = kPointOnGrid;
    t.parent[0] = under;
    const auto node = NearestGridNode(*under, at);
    t.value = node ? std::array<double, 4>{node->at.x, node->at.y, node->u, node->v}
                   : std::array<double, 4>{at.x, at.y, 0, 0};
  } else if (Element* under = UnderPointer()) {
    Element* carrier = under;
    auto foot = FootOnCarrier(*carrier, at);
    t.kind = kPointOnElement;
    t.parent[0] = carrier;
    if (foot)
      t.value = {foot->foot.x, foot->foot.y, 0, foot->t};
    else
      t.value = {at.x, at.y, 0, 0};
  } else {
    t.kind = kFreePoint;
    t.value = {at.x, at.y, 0, 0};
  }
  Element* p = MakeElement(t);
  return p;
}

Element* Interaction::PickPoint(Pt at) {
  Element* under = UnderPointer();
  if (!detection_.candidate && under && under->type() == kTypePoint) return under;
  return CreatePointAtClick(at, true);
}

void Interaction::MouseDown(MouseButton b, double px, double py, KeyMods mods) {
  const Pt at = ToPlane(px, py);
  pointer_ = at;
  if (!dragging_ && !ctrlHeld_) RunDetection(at);
  Element* under = UnderPointer();
  if (b == MouseButton::Right) {
    if (!under) {
      panning_ = true;
      panStartPx_ = px, panStartPy_ = py;
      panLeft_ = doc().viewLeft, panTop_ = doc().viewTop;
    } else if (tool_ == Tool::Sel && !detection_.candidate) {
      ToolContext c(*this);
      OpenElementEditor(c, *under);
    }
    return;
  }
  if (b != MouseButton::Left) return;
  const ToolRow& row = RowOf(tool_);
  if (!row.built) return;
  mods_ = mods;
  ToolContext c(*this);
  if (row.press)
    row.press(c, at);
  else
    GenericPress(c, at);
}

void Interaction::OpenEditor(Element& e) {
  // Leaving the tool may take back an abandoned gesture: the element is found again.
  Renumber(doc().elements());
  const int32_t number = e.number;
  SelectTool(Tool::Sel);
  Element* x = FindByNumber(doc().elements(), number);
  if (!x) return;
  ToolContext c(*this);
  OpenElementEditor(c, *x);
}

}  // namespace velt
