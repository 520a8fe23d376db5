// Straight tools with gestures of their own: parallels and perpendiculars (element and point
// in either order), the sum of two vectors, and the previews of lines, rays, segments and
// vectors.
#include "geometry/element_points.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

bool IsStraight(const Element* e) { return e && IsStraightType(e->type()); }

// The element from the first pick to the pointer.
void Straight(int32_t kind, const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  if (picks.empty()) return;
  ElementTemplate t;
  t.kind = kind;
  t.parent = {picks.front(), out.PointAt(k), nullptr};
  t.value = {picks.front()->x(), picks.front()->y(), k.x, k.y};
  out.drawn.push_back(std::move(t));
}

}  // namespace

void PressParallel(ToolContext& c, Pt at) {
  Element* under = c.UnderElement();
  ElementTemplate& t = c.tmpl();
  const bool haveLine = t.parent[0] != nullptr;
  const bool havePoint = t.parent[1] != nullptr;
  if (!haveLine && IsStraight(under)) {
    t.parent[0] = under;
    c.AddPick(under);
    if (!havePoint) {
      c.mask() = ToolMask(Tool::B_Punto);
      c.mask()[kTypePoint] = 1;
    }
  } else if (!havePoint) {
    Element* p = c.PickPoint(at);
    t.parent[1] = p;
    c.AddPick(p);
    if (!haveLine) {
      c.mask() = DetectionMask{};
      for (int type : {kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeAxes, kTypeVector})
        c.mask()[type] = 1;
    }
  } else {
    return;
  }
  if (t.parent[0] && t.parent[1]) {
    t.kind = c.tool() == Tool::B_Recta_Perp ? kPerpendicular : kParallel;
    c.Commit();
  }
}

void PressVectorSum(ToolContext& c, Pt at) {
  ElementTemplate& t = c.tmpl();
  if (c.pickCount() < 2) {
    Element* under = c.UnderElement();
    if (!under || under->type() != kTypeVector) return;
    t.parent[c.pickCount()] = under;
    c.AddPick(under);
    if (c.pickCount() == 2) {
      c.mask() = ToolMask(Tool::B_Punto);
      c.mask()[kTypePoint] = 1;
    }
    return;
  }
  Element* p = c.PickPoint(at);
  c.EnsureStep();
  Element* u = c.picks()[0];
  Element* w = c.picks()[1];
  ElementTemplate sum;
  sum.kind = kVectorSum;
  sum.parent = {u, w, p};
  const Pt end = PointA(*p) + (PointB(*u) - PointA(*u)) + (PointB(*w) - PointA(*w));
  sum.value = {end.x, end.y, 0, 0};
  Element* tip = c.Make(sum);
  t.kind = kVector;
  t.parent = {p, tip, nullptr};
  t.value = {p->x(), p->y(), tip->x(), tip->y()};
  c.Commit();
}

void PreviewLine(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  Straight(kLineTwoPoints, picks, k, out);
}
void PreviewRay(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  Straight(kRayTwoPoints, picks, k, out);
}
void PreviewSegment(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  Straight(kSegment, picks, k, out);
}
void PreviewVector(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  Straight(kVector, picks, k, out);
}

}  // namespace velt
