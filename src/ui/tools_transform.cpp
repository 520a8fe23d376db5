// The transformation tools: central and axial symmetry, translation, rotation, homothety and
// inversion. The object is the element picked first, or the selection the tool was chosen
// with; the other picks give the transformation's data. One use stores one undo step and
// builds the images of the whole object; a selection stays the object of the next use.
#include <functional>
#include <optional>

#include "geometry/element_points.h"
#include "geometry/figure_transform.h"
#include "geometry/transform_map.h"
#include "model/element_list.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

// The point kind each tool makes.
int32_t PointKindOf(Tool t) {
  switch (t) {
    case Tool::B_Punto_Sim: return kPointCentralSymmetry;
    case Tool::B_sim_ax: return kPointAxialSymmetry;
    case Tool::B_traslac: return kPointTranslation;
    case Tool::B_giro: return kPointRotation;
    case Tool::B_homotec: return kPointHomothety;
    default: return kPointInversion;
  }
}

// Points still needed, or a click that makes one on a curve.
DetectionMask PointsMask(int points) {
  DetectionMask m = ToolMask(Tool::B_Punto);
  m[kTypePoint] = static_cast<int8_t>(points);
  return m;
}

DetectionMask TypesMask(std::initializer_list<int> types) {
  DetectionMask m{};
  for (int t : types) m[t] = 1;
  return m;
}

// What the first pick after the object can be.
DetectionMask FirstDataMask(Tool t) {
  switch (t) {
    case Tool::B_sim_ax:
      return TypesMask({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeAxes, kTypeVector});
    case Tool::B_traslac: return PointsMask(2);  // a vector, or the first of two points
    case Tool::B_inversion: return TypesMask({kTypeCircle});
    default: return PointsMask(1);  // a centre
  }
}

bool IsType(const Element* e, int32_t type) { return e && e->type() == type; }

// Builds the images of the object in one undo step, then gets ready for the next use: a
// selection stays the object.
void Apply(ToolContext& c) {
  c.EnsureStep();                       // a point made by a click may have stored it already
  const ElementTemplate& t = c.tmpl();  // looked up again in the list the step left
  const int32_t kind = PointKindOf(c.tool());
  const Transformation tr = kind == kPointInversion
                                ? Transformation{kind, t.parent[0], nullptr}
                                : Transformation{kind, t.parent[1], t.parent[2]};
  const std::vector<Element*> objects = t.picks;
  TransformFigure(c.doc(), objects, tr, c.Settings());
  c.EndGesture();
  TakeSelectionToTransform(c);
}

// A preview is built again at every pointer move: larger selections go without one.
constexpr size_t kMaxPreviewObjects = 2000;

// A point map of the preview; nothing where the image does not exist.
using PointMap = std::function<std::optional<Pt>(Pt)>;

// The images of an element's points, drawn as the element of its type on them.
void PreviewImages(const Element& s, const PointMap& map, PreviewSet& out) {
  if (!s.exists) return;
  std::vector<Element*> images;
  auto add = [&](Pt p) {
    const auto q = map(p);
    if (!q) return false;
    images.push_back(out.PointAt(*q));
    return true;
  };
  ElementTemplate t;
  switch (s.type()) {
    case kTypePoint: {
      const auto q = map(PointA(s));
      if (!q) return;
      t.kind = kFreePoint;
      t.value = {q->x, q->y, 0, 0};
      out.drawn.push_back(std::move(t));
      return;
    }
    case kTypeLine:
    case kTypeRay:
    case kTypeSegment:
    case kTypeVector:
    case kTypeCircle: {
      if (!add(PointA(s)) || !add(PointB(s))) return;
      const int32_t type = s.type();
      t.kind = type == kTypeLine      ? kLineTwoPoints
               : type == kTypeRay     ? kRayTwoPoints
               : type == kTypeSegment ? kSegment
               : type == kTypeVector  ? kVector
                                      : kCircleCentrePoint;
      t.parent = {images[0], images[1], nullptr};
      break;
    }
    case kTypeArc: {
      for (const Element* p : s.parent)
        if (!p || !add(PointA(*p))) return;
      t.kind = kArc;
      t.parent = {images[0], images[1], images[2]};
      break;
    }
    case kTypePolygon: {
      const auto* ext = s.as<PolygonExt>();
      if (!ext) return;
      for (const auto& side : ext->sides)
        if (!side->parent[0] || !add(PointA(*side->parent[0]))) return;
      t.kind = kPolygon;
      t.picks = images;
      break;
    }
    case kTypeConic: {
      const auto* ext = s.as<ConicExt>();
      if (!ext) return;
      for (const Element* p : ext->points)
        if (!p || !add(PointA(*p))) return;
      t.kind = kConic;
      t.picks = images;
      break;
    }
    default: return;
  }
  out.drawn.push_back(std::move(t));
}

}  // namespace

bool TakeSelectionToTransform(ToolContext& c) {
  // A side or an axis line of a selected polygon or axes is part of its owner's image.
  std::vector<Element*> selected;
  ForEachDeep(c.doc().elements(), [&](const Element& e) {
    if (e.selected && !(e.owner && e.owner->selected)) selected.push_back(const_cast<Element*>(&e));
  });
  if (selected.empty()) return false;
  c.TakeAsFirstPick(std::move(selected));
  c.mask() = FirstDataMask(c.tool());
  return true;
}

void PressTransform(ToolContext& c, Pt at) {
  ElementTemplate& t = c.tmpl();
  const Tool tool = c.tool();
  if (t.picks.empty()) {
    // The object: a polygon as a whole, an axis line by itself.
    Element* e = c.UnderElement();
    if (!e || !c.mask()[e->type()]) return;
    t.picks = {e};
    c.AddPick(e);
    c.mask() = FirstDataMask(tool);
    return;
  }
  switch (tool) {
    case Tool::B_Punto_Sim: {
      Element* centre = c.PickPoint(at);
      c.tmpl().parent[1] = centre;
      c.AddPick(centre);
      break;
    }
    case Tool::B_sim_ax: {
      // A straight element, a polygon side or an axis line.
      Element* axis = c.UnderElement();
      if (!axis || !IsStraightType(axis->type())) return;
      t.parent[1] = axis;
      c.AddPick(axis);
      break;
    }
    case Tool::B_traslac: {
      Element* under = c.UnderElement();
      if (!t.parent[1] && IsType(under, kTypeVector) && under->parent[0] && under->parent[1]) {
        // By a vector: from its start to its end.
        t.parent[1] = under->parent[0];
        t.parent[2] = under->parent[1];
        c.AddPick(under);
        break;
      }
      Element* p = c.PickPoint(at);
      ElementTemplate& now = c.tmpl();
      if (!now.parent[1]) {
        now.parent[1] = p;
        c.AddPick(p);
        c.mask() = PointsMask(1);
        return;
      }
      now.parent[2] = p;
      c.AddPick(p);
      break;
    }
    case Tool::B_giro:
    case Tool::B_homotec: {
      if (!t.parent[1]) {
        Element* centre = c.PickPoint(at);
        c.tmpl().parent[1] = centre;
        c.AddPick(centre);
        c.mask() = TypesMask({kTypeNumber});
        return;
      }
      // The angle or the ratio.
      Element* number = c.UnderElement();
      if (!IsType(number, kTypeNumber)) return;
      t.parent[2] = number;
      c.AddPick(number);
      break;
    }
    default: return;
  }
  Apply(c);
}

void PressInversion(ToolContext& c, Pt) {
  Element* under = c.UnderElement();
  ElementTemplate& t = c.tmpl();
  if (!t.parent[0] && IsType(under, kTypeCircle)) {
    t.parent[0] = under;
    c.AddPick(under);
    if (t.picks.empty()) c.mask() = TypesMask({kTypePoint});
  } else if (t.picks.empty() && IsType(under, kTypePoint)) {
    t.picks = {under};
    c.AddPick(under);
    if (!t.parent[0]) c.mask() = TypesMask({kTypeCircle});
  } else {
    return;
  }
  if (t.parent[0] && !t.picks.empty()) Apply(c);
}

// The picks are the objects (one element, or the selection); the pointer is the centre.
void PreviewCentralSymmetry(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  if (picks.size() > kMaxPreviewObjects) return;
  const PointMap map = [k](Pt p) { return CentralSymmetric(p, k); };
  for (const Element* object : picks) PreviewImages(*object, map, out);
}

// One object and the start of the translation. After a selection the picks do not tell
// where the start is (it may be a selected point itself): no preview.
void PreviewTranslation(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  if (picks.size() != 2 || picks[0]->selected || !IsType(picks[1], kTypePoint)) return;
  const Pt a = PointA(*picks[1]);
  PreviewImages(
      *picks[0], [a, k](Pt p) { return Translated(p, a, k); }, out);
}

void PreviewInversion(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  // The circle picked first; a selected circle is an object, not the circle of inversion.
  if (picks.size() != 1 || !IsType(picks[0], kTypeCircle) || picks[0]->selected) return;
  if (!picks[0]->exists) return;
  const Pt o = PointA(*picks[0]);
  const double r = Distance(o, PointB(*picks[0]));
  const auto image = Inverse(k, o, r);
  if (!image) return;
  ElementTemplate t;
  t.kind = kFreePoint;
  t.value = {image->x, image->y, 0, 0};
  out.drawn.push_back(std::move(t));
}

}  // namespace velt
