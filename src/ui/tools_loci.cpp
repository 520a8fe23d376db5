// The locus tool (a traced element, then the driver that moves it) and the trace tool
// (each click switches an element's trace on or off).
#include <algorithm>

#include "geometry/locus_sampling.h"
#include "model/element_list.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

// What can drive a locus: a point on an element, a point on a grid or a parameter.
bool CanDrive(const Element& e) {
  return e.kind == kPointOnElement || e.kind == kPointOnGrid || e.kind == kParameter;
}

DetectionMask DriverMask() {
  DetectionMask m{};
  m[kTypePoint] = 1;
  m[kTypeNumber] = 1;
  return m;
}

}  // namespace

bool ToggleTrace(Figure& figure, Element& e) {
  auto& traces = figure.traces;
  const auto at = std::find(traces.begin(), traces.end(), &e);
  if (at != traces.end()) {
    traces.erase(at);
    return true;
  }
  if (static_cast<int>(traces.size()) >= kMaxTraces) return false;
  traces.push_back(&e);
  return true;
}

void PressLocus(ToolContext& c, Pt) {
  Element* under = c.UnderElement();
  if (!under) return;
  if (c.pickCount() == 0) {
    c.AddPick(under);
    c.mask() = DriverMask();
    return;
  }
  Element* traced = c.picks()[0];
  // The driver must really move the traced element.
  if (under == traced || !CanDrive(*under) || !DriverMovesTraced(c.doc(), *traced, *under)) {
    c.EndGesture();
    return;
  }
  ElementTemplate& t = c.tmpl();
  t.kind = kLocus;
  t.parent = {traced, under, nullptr};
  c.Commit();
}

void PressTrace(ToolContext& c, Pt) {
  Element* under = c.UnderElement();
  if (!under) return;
  const auto& traces = c.doc().figure->traces;
  const bool traced = std::find(traces.begin(), traces.end(), under) != traces.end();
  // A full list ignores further elements, and no step is stored for them.
  if (!traced && static_cast<int>(traces.size()) >= kMaxTraces) return;
  // One undo step for the click; the step may leave a new list behind.
  Renumber(c.doc().elements());
  const int32_t number = under->number;
  c.StoreStep();
  if (Element* e = FindByNumber(c.doc().elements(), number)) ToggleTrace(*c.doc().figure, *e);
  c.EndGesture();
  c.Repaint();
}

}  // namespace velt
