// The measuring tools: property checkers, lengths and distances, angle values, areas, slopes,
// proportions, equations and coordinates, and the two points built from numbers. Each one
// takes existing elements (and, for a pair of axes, the document's only pair without a pick)
// and puts the answer's label where the user clicked.
#include <utility>

#include "model/element_list.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

DetectionMask TypesMask(std::initializer_list<int> types) {
  DetectionMask m{};
  for (int t : types) m[t] = 1;
  return m;
}

bool IsType(const Element* e, int32_t type) { return e && e->type() == type; }

bool IsStraight(const Element* e) { return e && IsStraightType(e->type()); }

// The element under the pointer when the current mask admits it.
Element* Admitted(ToolContext& c) {
  Element* e = c.UnderElement();
  return e && c.mask()[e->type()] ? e : nullptr;
}

// The picked polygon's side under the pointer, or the element itself.
Element* SideOrSelf(ToolContext& c, Element* e) {
  if (!IsType(e, kTypePolygon)) return e;
  const auto* ext = e->as<PolygonExt>();
  const int side = c.SideUnder();
  if (!ext || side < 0 || side >= static_cast<int>(ext->sides.size())) return nullptr;
  return ext->sides[side].get();
}

// The answer's label stands at `at`.
void LabelAt(ElementTemplate& t, Pt at) {
  t.value[2] = at.x;
  t.value[3] = at.y;
}

void Take(ToolContext& c, Element* e, int slot) {
  c.tmpl().parent[slot] = e;
  c.AddPick(e);
}

Element* Finish(ToolContext& c, int32_t kind, Pt labelAt) {
  ElementTemplate& t = c.tmpl();
  t.kind = kind;
  LabelAt(t, labelAt);
  return c.Commit();
}

// Checkers give the move tool back once their answer stands.
void FinishChecker(ToolContext& c, int32_t kind, Pt labelAt) {
  Finish(c, kind, labelAt);
  c.SelectTool(Tool::Sel);
}

// value2 of an angle value measured counter-clockwise.
constexpr double kOrientedAngle = -1111;

const DetectionMask& PointsOnly() {
  static const DetectionMask m = TypesMask({kTypePoint});
  return m;
}

// ---- the axes rule

// Commits `kind` with the axes in parent slot `slot` when the document has exactly one pair;
// otherwise the next pick supplies them.
void AxesOrWait(ToolContext& c, int32_t kind, int slot, Pt labelAt) {
  if (Element* axes = SoleAxes(c.doc())) {
    c.tmpl().parent[slot] = axes;
    Finish(c, kind, labelAt);
    return;
  }
  c.tmpl().kind = kind;
  LabelAt(c.tmpl(), labelAt);
  c.mask() = TypesMask({kTypeAxes});
}

// The pick of the axes the gesture waits for.
bool PickAxes(ToolContext& c, int slot) {
  Element* axes = c.UnderElement();
  if (!IsType(axes, kTypeAxes) || axes->kind != kAxes) return false;
  c.tmpl().parent[slot] = axes;
  c.AddPick(axes);
  const ElementTemplate& t = c.tmpl();
  Finish(c, t.kind, {t.value[2], t.value[3]});
  return true;
}

}  // namespace

Element* SoleAxes(const Document& doc) {
  Element* found = nullptr;
  for (const auto& e : doc.elements()) {
    if (e->kind != kAxes) continue;
    if (found) return nullptr;
    found = e.get();
  }
  return found;
}

// Tools 26 and 27: two straight elements (a polygon side, an axis line); the second click
// places the answer.
void PressStraightChecker(ToolContext& c, Pt at) {
  Element* e = SideOrSelf(c, Admitted(c));
  if (!IsStraight(e)) return;
  if (c.pickCount() == 0) {
    Take(c, e, 0);
    return;
  }
  Take(c, e, 1);
  FinishChecker(c, c.tool() == Tool::B_comp_par ? kCheckParallel : kCheckPerpendicular, at);
}

// Tool 28: a point, then the curve it may lie on, whose click places the answer.
void PressMembershipChecker(ToolContext& c, Pt at) {
  if (c.pickCount() == 0) {
    Element* p = Admitted(c);
    if (!IsType(p, kTypePoint)) return;
    Take(c, p, 0);
    c.mask() = TypesMask({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
                          kTypeConic, kTypeAxes, kTypeVector});
    return;
  }
  Element* curve = SideOrSelf(c, Admitted(c));
  if (!curve || curve->type() == kTypePoint) return;
  Take(c, curve, 1);
  FinishChecker(c, kCheckOn, at);
}

// Tools 29 and 30: three points; the third click places the answer.
void PressPointsChecker(ToolContext& c, Pt at) {
  Element* p = Admitted(c);
  if (!IsType(p, kTypePoint)) return;
  const int n = c.pickCount();
  Take(c, p, n);
  if (n < 2) return;
  FinishChecker(c, c.tool() == Tool::B_comp_eq ? kCheckEquidistant : kCheckAligned, at);
}

// Tool 31: a point, the element that gives the direction, then the number that gives the
// length.
void PressDisplacedPoint(ToolContext& c, Pt) {
  Element* e = Admitted(c);
  if (!e) return;
  switch (c.pickCount()) {
    case 0:
      Take(c, e, 0);
      c.mask() = TypesMask({kTypePoint, kTypeLine, kTypeRay, kTypeCircle, kTypeVector});
      return;
    case 1:
      Take(c, e, 1);
      c.mask() = TypesMask({kTypeNumber, kTypeCoordinates});
      return;
    default:
      if (!IsType(e, kTypeNumber)) return;
      Take(c, e, 2);
      c.tmpl().kind = kDisplacedPoint;
      c.Commit();
  }
}

// Tool 32: the x (or r) number, the y (or theta) number, then the axes.
void PressPointByCoordinates(ToolContext& c, Pt) {
  const int n = c.pickCount();
  if (n == 2 && c.mask()[kTypeAxes]) {
    PickAxes(c, 2);
    return;
  }
  Element* e = Admitted(c);
  if (!IsType(e, kTypeNumber) || n > 1) return;
  Take(c, e, n);
  if (n == 0) return;
  if (Element* axes = SoleAxes(c.doc())) {
    c.tmpl().parent[2] = axes;
    c.tmpl().kind = kPointByCoordinates;
    c.Commit();
    return;
  }
  c.tmpl().kind = kPointByCoordinates;
  c.mask() = TypesMask({kTypeAxes});
}

// Tool 34: two points, a point and a straight element, or one segment, vector, polygon,
// circle or arc.
void PressLengthDistance(ToolContext& c, Pt at) {
  Element* e = Admitted(c);
  if (!e) return;
  if (c.pickCount() == 0) {
    if (IsType(e, kTypePoint)) {
      Take(c, e, 0);
      c.mask() = TypesMask(
          {kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeAxes, kTypeVector});
      return;
    }
    // One element alone: the length of a segment or vector, a polygon's perimeter, the
    // length of a circle or an arc.
    constexpr std::pair<int32_t, int32_t> kLengthOf[] = {{kTypeSegment, kLengthSegment},
                                                         {kTypeVector, kLengthSegment},
                                                         {kTypePolygon, kPerimeter},
                                                         {kTypeCircle, kLengthCircle},
                                                         {kTypeArc, kLengthArc}};
    for (const auto& [type, kind] : kLengthOf) {
      if (!IsType(e, type)) continue;
      Take(c, e, 0);
      Finish(c, kind, at);
      return;
    }
    return;
  }
  if (IsType(e, kTypePoint)) {
    Take(c, e, 1);
    Finish(c, kDistancePointPoint, at);
    return;
  }
  Element* line = SideOrSelf(c, e);
  if (!IsStraight(line)) return;
  Take(c, line, 1);
  Finish(c, kDistancePointLine, at);
}

// Tool 35: an angle mark or an arc alone, or three points (the vertex second).
void PressAngleValue(ToolContext& c, Pt at) {
  Element* e = Admitted(c);
  if (!e) return;
  const int n = c.pickCount();
  if (n == 0 && IsType(e, kTypeArc)) {
    Take(c, e, 0);
    Finish(c, kAngleValue, at);
    return;
  }
  if (n == 0 && IsType(e, kTypeAngle)) {
    // The mark's own angle: counter-clockwise from its first arm to its second.
    if (!e->parent[0] || !e->parent[1] || !e->parent[2]) return;
    c.AddPick(e);
    c.tmpl().parent = e->parent;
    c.tmpl().value[1] = kOrientedAngle;
    Finish(c, kAngleValue, at);
    return;
  }
  if (!IsType(e, kTypePoint)) return;
  Take(c, e, n);
  if (n == 0) c.mask() = PointsOnly();
  if (n < 2) return;
  Finish(c, kAngleValue, at);
}

// Tool 36: a polygon or a circle.
void PressArea(ToolContext& c, Pt at) {
  Element* e = Admitted(c);
  if (!IsType(e, kTypePolygon) && !IsType(e, kTypeCircle)) return;
  Take(c, e, 0);
  Finish(c, e->type() == kTypePolygon ? kAreaPolygon : kAreaCircle, at);
}

// Tool 37: a straight element or a polygon side.
void PressSlope(ToolContext& c, Pt at) {
  Element* e = SideOrSelf(c, Admitted(c));
  if (!IsStraight(e)) return;
  Take(c, e, 0);
  Finish(c, kSlope, at);
}

// Tool 38: two lengths, each a segment, vector or polygon side; or three points A, B, C
// for |AB| / |AC|.
void PressProportion(ToolContext& c, Pt at) {
  Element* e = SideOrSelf(c, Admitted(c));
  if (!e) return;
  const int n = c.pickCount();
  const bool byPoints = n > 0 && IsType(c.picks().front(), kTypePoint);
  if (n == 0) {
    if (!IsType(e, kTypePoint) && !IsStraight(e)) return;
    Take(c, e, 0);
    c.mask() =
        IsType(e, kTypePoint) ? PointsOnly() : TypesMask({kTypeSegment, kTypePolygon, kTypeVector});
    return;
  }
  if (byPoints) {
    if (!IsType(e, kTypePoint)) return;
    Take(c, e, n);
    if (n == 2) Finish(c, kProportion, at);
    return;
  }
  if (!IsStraight(e)) return;
  Take(c, e, 1);
  Finish(c, kProportion, at);
}

// Tool 40: a point, line, circle or conic, then the axes; the label stands where the first
// click was.
void PressEquationOrCoordinates(ToolContext& c, Pt at) {
  if (c.pickCount() == 1) {
    PickAxes(c, 1);
    return;
  }
  Element* e = Admitted(c);
  if (!e) return;
  int32_t kind = -1;
  switch (e->type()) {
    case kTypePoint: kind = kCoordinates; break;
    case kTypeLine: kind = kEquationLine; break;
    case kTypeCircle: kind = kEquationCircle; break;
    case kTypeConic: kind = kEquationConic; break;
    default: return;
  }
  Take(c, e, 0);
  AxesOrWait(c, kind, 1, at);
}

}  // namespace velt
