// The picking rules of the construction tools: how each press adds to the gesture and when
// the construction is committed.
#include <cmath>
#include <numbers>
#include <numeric>

#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "ui/grid_node.h"
#include "ui/interaction.h"
#include "ui/intersection_pick.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

bool IsPoint(const Element* e) { return e && e->type() == kTypePoint; }
bool IsStraight(const Element* e) { return e && IsStraightType(e->type()); }

// Starting values of the kinds whose values the tool already knows, so that the element is
// right before its first recompute.
void SeedValues(ElementTemplate& t) {
  const Element* a = t.parent[0];
  const Element* b = t.parent[1];
  switch (t.kind) {
    case kLineTwoPoints:
    case kRayTwoPoints:
    case kSegment:
    case kVector:
    case kCircleCentrePoint:
      if (a && b) t.value = {a->x(), a->y(), b->x(), b->y()};
      break;
    case kMidpoint:
      if (a && b) t.value = {(a->x() + b->x()) / 2, (a->y() + b->y()) / 2, 0, 0};
      break;
    default: break;
  }
}

DetectionMask PointsAndCarriers(int points) {
  DetectionMask m = ToolMask(1);
  m[kTypePoint] = static_cast<int8_t>(points);
  return m;
}

}  // namespace

Interaction::PolygonChoice Interaction::RegularPolygonFor(double theta) {
  theta = std::max(theta, 0.0001);
  if (theta < std::numbers::pi) {
    const double n = std::trunc(kTwoPi / theta);
    return {static_cast<int>(std::clamp(n, 3.0, 30.0)), 1};
  }
  const double rest = kTwoPi - theta;
  PolygonChoice best{5, 2};
  double bestDiff = INFINITY;
  for (int n = 5; n <= 30; ++n)
    for (int k = 2; 2 * k < n; ++k) {
      if (std::gcd(n, k) != 1) continue;
      const double diff = std::abs(kTwoPi * k / n - rest);
      if (diff < bestDiff) bestDiff = diff, best = {n, k};
    }
  return best;
}

Element* Interaction::CreatePointAtClick(Vec2 at, bool storeUndo) {
  if (storeUndo && !snapshotTaken_) {
    StoreStep();  // also looks up the detected elements in the new list
    snapshotTaken_ = true;
  }
  ElementTemplate t;
  if (detection_.candidate) {
    // The crossing under the pointer becomes an intersection point.
    const Element& c = *detection_.candidate;
    auto setup = ClassifyIntersection(c.parent[0], c.parent[1], 0);
    t.kind = kIntersection;
    t.parent = {c.parent[0], c.parent[1], nullptr};
    t.attr1 = c.attr1;
    t.value = {c.x(), c.y(), 0, 0};
    (void)setup;
  } else if (Element* under = UnderPointer(); under && under->kind == kGrid) {
    // A point on a grid stands on the node nearest to the click.
    t.kind = kPointOnGrid;
    t.parent[0] = under;
    const auto node = NearestGridNode(*under, at);
    t.value = node ? std::array<double, 4>{node->at.x, node->at.y, node->u, node->v}
                   : std::array<double, 4>{at.x, at.y, 0, 0};
  } else if (Element* under = UnderPointer()) {
    Element* carrier = under;
    auto foot = ParameterOnCarrier(*carrier, at);
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

Element* Interaction::PickPoint(Vec2 at) {
  Element* under = UnderPointer();
  if (!detection_.candidate && IsPoint(under)) return under;
  return CreatePointAtClick(at, true);
}

void Interaction::MouseDown(MouseButton b, double px, double py, KeyMods mods) {
  const Vec2 at = ToPlane(px, py);
  pointer_ = at;
  if (!dragging_ && !ctrlHeld_) RunDetection(at);
  Element* under = UnderPointer();
  if (b == MouseButton::Right) {
    if (!under) {
      panning_ = true;
      panStartPx_ = px, panStartPy_ = py;
      panLeft_ = doc().viewLeft, panTop_ = doc().viewTop;
    } else if (tool_ == 0 && !detection_.candidate) {
      host_.EditElement(*under);
    }
    return;
  }
  if (b != MouseButton::Left) return;
  if (tool_ == 0) {
    PressMoveTool(at, mods);
    return;
  }
  if (tool_ == 61) {
    if (under && !detection_.candidate) host_.EditElement(*under);
    return;
  }
  if (IsEditTool(tool_)) {
    if (under && !detection_.candidate) ApplyEditTool(*under);
    return;
  }
  if (!Tool(tool_).built) return;
  PickPress(at);
}

void Interaction::PickPress(Vec2 at) {
  switch (tool_) {
    case 1:
      CreatePointAtClick(at, true);
      EndGesture();
      break;
    case 2: PressLineLike(at, kLineTwoPoints, kLineThroughPoint); break;
    case 3: PressLineLike(at, kRayTwoPoints, kRayThroughPoint); break;
    case 5: PressLineLike(at, kCircleCentrePoint, kCircleCentre); break;
    case 4: PressPoints(at, 5, kConic); break;
    case 6: PressPoints(at, 3, kCircleRadius); break;
    case 14: PressPoints(at, 3, kArc); break;
    case 16: PressPoints(at, 3, kAngleBisector); break;
    case 55: PressPoints(at, 3, kAngleMark); break;
    case 9: PressPoints(at, 2, kSegment); break;
    case 12: PressPoints(at, 2, kVector); break;
    case 15: PressPoints(at, 2, kMidpoint); break;
    case 17: PressPoints(at, 2, kPerpendicularBisector); break;
    case 39: PressPoints(at, 1, kAxes); break;
    case 7: PressParallel(at, kParallel); break;
    case 8: PressParallel(at, kPerpendicular); break;
    case 10: PressPolygon(at); break;
    case 11: PressRegularPolygon(at); break;
    case 13: PressVectorSum(at); break;
    case 18: PressIntersection(); break;
    case 41:
      if (Element* axes = UnderPointer(); axes && axes->kind == kAxes) {
        tmpl_.kind = kGrid;
        tmpl_.parent[0] = axes;
        Commit();
      }
      break;
    case 46: PressRedefine(at); break;
    case 49:
      StoreStep();
      zooming_ = true;
      zoomCentre_ = at;
      zoomLastY_ = at.y;
      break;
    default: break;
  }
}

void Interaction::PressLineLike(Vec2 at, int32_t kindByPoint, int32_t kindByClick) {
  if (pickCounter_ == 0) {
    Element* p = PickPoint(at);
    AddPick(p);
    tmpl_.parent[0] = p;
    mask_[kTypePoint] = 1;
    return;
  }
  if (UnderPointer()) {
    Element* q = PickPoint(at);
    tmpl_.parent[1] = q;
    tmpl_.kind = kindByPoint;
  } else {
    // Towards the click: the line keeps the direction, the circle the radius.
    const Element* p = tmpl_.parent[0];
    tmpl_.kind = kindByClick;
    tmpl_.value = {p->x(), p->y(), at.x, at.y};
  }
  SeedValues(tmpl_);
  Commit();
}

void Interaction::PressPoints(Vec2 at, int needed, int32_t kind) {
  Element* p = PickPoint(at);
  if (!p) return;
  AddPick(p);
  if (pickCounter_ < needed) {
    mask_[kTypePoint] = static_cast<int8_t>(std::max(1, needed - pickCounter_));
    return;
  }
  tmpl_.kind = kind;
  for (int i = 0; i < 3 && i < needed; ++i) tmpl_.parent[i] = picks_[i];
  if (kind == kConic) {
    tmpl_.parent = {};
    tmpl_.picks = picks_;
  }
  SeedValues(tmpl_);
  Commit();
}

void Interaction::PressParallel(Vec2 at, int32_t kind) {
  Element* under = UnderPointer();
  const bool haveLine = tmpl_.parent[0] != nullptr;
  const bool havePoint = tmpl_.parent[1] != nullptr;
  if (!haveLine && IsStraight(under) && !detection_.candidate) {
    tmpl_.parent[0] = under;
    AddPick(under);
    if (!havePoint) mask_ = PointsAndCarriers(1);
  } else if (!havePoint) {
    Element* p = PickPoint(at);
    tmpl_.parent[1] = p;
    AddPick(p);
    if (!haveLine) {
      mask_ = DetectionMask{};
      for (int t : {kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeAxes, kTypeVector})
        mask_[t] = 1;
    }
  } else {
    return;
  }
  if (tmpl_.parent[0] && tmpl_.parent[1]) {
    tmpl_.kind = kind;
    Commit();
  }
}

void Interaction::PressPolygon(Vec2 at) {
  Element* under = UnderPointer();
  if (!picks_.empty() && under == picks_.front() && pickCounter_ >= 3) {
    ClosePolygon();
    return;
  }
  if (!picks_.empty() && under == picks_.back()) return;   // the vertex just picked
  if (!picks_.empty() && under == picks_.front()) return;  // fewer than three: not yet
  Element* p = PickPoint(at);
  AddPick(p);
}

void Interaction::ClosePolygon() {
  if (pickCounter_ < 3) return;
  tmpl_.kind = kPolygon;
  tmpl_.picks = picks_;
  Commit();
}

void Interaction::PressRegularPolygon(Vec2 at) {
  if (pickCounter_ < 2) {
    Element* p = PickPoint(at);
    AddPick(p);
    mask_[kTypePoint] = 1;
    if (pickCounter_ == 2) mask_ = DetectionMask{};  // the third click only places
    return;
  }
  if (!snapshotTaken_) {
    StoreStep();
    snapshotTaken_ = true;
  }
  Element* centre = picks_[0];
  Element* first = picks_[1];
  const Vec2 c = PointOf(*centre);
  const double a0 = std::atan2(first->y() - c.y, first->x() - c.x);
  double theta = std::atan2(at.y - c.y, at.x - c.x) - a0;
  while (theta < 0) theta += kTwoPi;
  while (theta >= kTwoPi) theta -= kTwoPi;
  const PolygonChoice choice = RegularPolygonFor(theta);
  std::vector<Element*> vertices{first};
  const double r = Dist(c, PointOf(*first));
  for (int i = 1; i < choice.n; ++i) {
    ElementTemplate v;
    v.kind = kRegularPolygonVertex;
    v.parent = {centre, first, nullptr};
    const double rot = kTwoPi * choice.k * i / choice.n;
    v.value = {c.x + r * std::cos(a0 + rot), c.y + r * std::sin(a0 + rot), 0, rot};
    vertices.push_back(MakeElement(v));
  }
  tmpl_.kind = kPolygon;
  tmpl_.picks = vertices;
  Commit();
}

void Interaction::PressVectorSum(Vec2 at) {
  Element* under = UnderPointer();
  if (pickCounter_ < 2) {
    if (!under || under->type() != kTypeVector || detection_.candidate) return;
    tmpl_.parent[pickCounter_] = under;
    AddPick(under);
    if (pickCounter_ == 2) mask_ = PointsAndCarriers(1);
    return;
  }
  Element* p = PickPoint(at);
  if (!snapshotTaken_) {
    StoreStep();
    snapshotTaken_ = true;
  }
  Element* u = picks_[0];
  Element* w = picks_[1];
  ElementTemplate sum;
  sum.kind = kVectorSum;
  sum.parent = {u, w, p};
  sum.value = {p->x() + (u->value[2] - u->x()) + (w->value[2] - w->x()),
               p->y() + (u->value[3] - u->y()) + (w->value[3] - w->y()), 0, 0};
  Element* end = MakeElement(sum);
  tmpl_.kind = kVector;
  tmpl_.parent = {p, end, nullptr};
  SeedValues(tmpl_);
  Commit();
}

namespace {

// The defining points of a curve: its point parents.
std::vector<const Element*> DefiningPoints(const Element& e) {
  std::vector<const Element*> out;
  ForEachStructuralParent(e, [&](const Element* p) {
    if (p && p->type() == kTypePoint && p->exists) out.push_back(p);
  });
  return out;
}

bool LiesOn(const Element& curve, Vec2 p) {
  auto foot = ParameterOnCarrier(curve, p);
  return foot && foot->distance < 0.0001 * std::max(1.0, Length(p));
}

// How many points the two curves already share among their defining points.
int CommonDefiningPoints(const Element& a, const Element& b) {
  std::vector<Vec2> common;
  auto consider = [&](const Element& from, const Element& other) {
    for (const Element* p : DefiningPoints(from)) {
      const Vec2 v = PointOf(*p);
      if (!LiesOn(other, v)) continue;
      bool known = false;
      for (Vec2 c : common) known = known || Dist(c, v) <= 0.0001;
      if (!known) common.push_back(v);
    }
  };
  consider(a, b);
  consider(b, a);
  return static_cast<int>(common.size());
}

}  // namespace

void Interaction::PressIntersection() {
  Element* under = UnderPointer();
  if (!under || detection_.candidate) return;
  if (pickCounter_ == 0) {
    AddPick(under);
    return;
  }
  Element* a = picks_[0];
  Element* b = under;
  if (a == b) return;
  std::vector<int> solutions;
  const int32_t ta = a->type(), tb = b->type();
  auto curved = [](int32_t t) { return t == kTypeCircle || t == kTypeArc || t == kTypeConic; };
  if (ta == kTypeLocus || tb == kTypeLocus) {
    solutions.clear();  // numeric intersections of loci arrive with the loci
  } else if ((ta == kTypeConic && curved(tb)) || (tb == kTypeConic && curved(ta))) {
    solutions = {0, 1, 2, 3};
  } else if (curved(ta) || curved(tb)) {
    const int shared = CommonDefiningPoints(*a, *b);
    if (shared == 0)
      solutions = {0, 1};
    else if (shared == 1)
      solutions = {0};
  } else {
    solutions = {0};
  }
  if (!solutions.empty()) {
    StoreStep();
    snapshotTaken_ = true;
    a = picks_[0];
    b = UnderPointer();
    for (int s : solutions) {
      auto setup = ClassifyIntersection(a, b, s);
      if (!setup) continue;
      tmpl_.kind = kIntersection;
      tmpl_.parent = {setup->parent1, setup->parent2, nullptr};
      tmpl_.attr1 = setup->code;
      MakeElement(tmpl_);
    }
  }
  EndGesture();
}

void Interaction::PressRedefine(Vec2 at) {
  Element* under = UnderPointer();
  if (pickCounter_ == 0) {
    if (!IsPoint(under) || detection_.candidate) return;
    AddPick(under);
    mask_ = PointsAndCarriers(1);
    return;
  }
  Element* point = picks_[0];
  auto& list = doc().elements();
  // The new definition must not depend on the point itself and must come before it.
  ClearMarks(list);
  MarkDependents(doc(), *point);
  Element* target = detection_.candidate ? nullptr : under;
  const Element* owner = target && target->owner ? target->owner : target;
  const bool invalid =
      target && (target == point || owner->mark || IndexOf(list, owner) > IndexOf(list, point));
  ClearMarks(list);
  if (invalid) {
    EndGesture();
    host_.ShowMessage(ws_.Text(str::kInvalidRedefinition), MessageIcon::Warning);
    return;
  }
  StoreStep();
  point = picks_[0];
  target = detection_.candidate ? nullptr : UnderPointer();
  if (!target) {
    point->kind = kFreePoint;
    point->ext = ExtensionForKind(kFreePoint);
    point->parent = {};
    point->x() = at.x, point->y() = at.y;
  } else if (IsPoint(target)) {
    // Merge: everything built on the point is rebuilt on the other one.
    for (auto& e : list) {
      ForEachReference(*e, [&](Element*& ref, int32_t&) {
        if (ref == point) ref = target;
      });
      ForEachSubElement(*e, [&](Element& s) {
        ForEachReference(s, [&](Element*& ref, int32_t&) {
          if (ref == point) ref = target;
        });
      });
    }
    DeleteWithDependents(doc(), *point);
  } else {
    auto foot = ParameterOnCarrier(*target, at);
    point->kind = kPointOnElement;
    point->ext = ExtensionForKind(kPointOnElement);
    point->parent = {target, nullptr, nullptr};
    if (foot) point->value = {foot->foot.x, foot->foot.y, 0, foot->t};
  }
  Recompute();
  EndGesture();
}

}  // namespace velt
