#include "geometry/figure_transform.h"

#include <array>
#include <unordered_map>

#include "geometry/recompute.h"

namespace velt {
namespace {

// How an image point takes its look from its source.
enum class Look {
  kHidden,         // hidden, with the defaults of a new point
  kStyle,          // the source's colours and style, shown
  kStyleAndShown,  // the source's colours, style and visibility
};

// One use of a transformation: the document, the data and the points mapped so far.
struct Run {
  Document& doc;
  const Transformation& t;
  const CreationSettings& settings;
  std::unordered_map<const Element*, Element*> done;  // source point -> its image
  std::vector<Element*> created;
};

Element* Create(Run& run, ElementTemplate& tmpl) {
  Element* e = MakeElementFromTemplate(run.doc, tmpl, run.settings);
  run.created.push_back(e);
  return e;
}

// The new element looks like its source: fill colour, attr2, colour and style, and with
// `shown` the visibility too.
void CopyStyle(Element& to, const Element& from, bool shown) {
  to.attr1 = from.attr1;
  to.attr2 = from.attr2;
  to.colour = from.colour;
  to.style = from.style;
  if (shown) to.visibility = from.visibility;
}

void ApplyLook(Element& image, const Element& source, Look look) {
  if (look == Look::kHidden) {
    image.visibility = 0;
    return;
  }
  CopyStyle(image, source, look == Look::kStyleAndShown);
}

// The image of a point, made once per run. A point met again keeps its first image; a
// hidden image that a later use shows takes the source's look.
Element* Image(Run& run, Element* p, Look look) {
  if (auto it = run.done.find(p); it != run.done.end()) {
    Element* image = it->second;
    if (image->visibility == 0 && look != Look::kHidden) ApplyLook(*image, *p, look);
    return image;
  }
  ElementTemplate tmpl;
  tmpl.kind = run.t.kind;
  if (run.t.kind == kPointInversion) {
    tmpl.parent = {run.t.data2, p, nullptr};
  } else {
    tmpl.parent = {p, run.t.data2, run.t.data3};
  }
  Element* image = Create(run, tmpl);
  ApplyLook(*image, *p, look);
  run.done.emplace(p, image);
  return image;
}

// A hidden point on the element at parameter u.
Element* AuxiliaryPoint(Run& run, Element& on, double u) {
  ElementTemplate tmpl;
  tmpl.kind = kPointOnElement;
  tmpl.parent[0] = &on;
  tmpl.value[3] = u;
  Element* e = Create(run, tmpl);
  e->visibility = 0;
  return e;
}

// The new element on the images, with the source's look.
Element* Result(Run& run, const Element& source, int32_t kind, std::array<Element*, 3> parents,
                std::vector<Element*> picks = {}) {
  ElementTemplate tmpl;
  tmpl.kind = kind;
  tmpl.parent = parents;
  tmpl.picks = std::move(picks);
  Element* e = Create(run, tmpl);
  CopyStyle(*e, source, false);
  return e;
}

bool AllSet(std::initializer_list<const Element*> parents) {
  for (const Element* p : parents)
    if (!p) return false;
  return true;
}

// Lines and rays: through two points they keep them; a perpendicular bisector gets two
// points of its own; the others keep their defining point and get a second one.
void LineOrRay(Run& run, Element& s) {
  const int32_t kind = s.type() == kTypeRay ? kRayTwoPoints : kLineTwoPoints;
  switch (s.kind) {
    case kLineTwoPoints:
    case kRayTwoPoints: {
      if (!AllSet({s.parent[0], s.parent[1]})) return;
      Element* a = Image(run, s.parent[0], Look::kStyleAndShown);
      Element* b = Image(run, s.parent[1], Look::kHidden);
      Result(run, s, kind, {a, b, nullptr});
      return;
    }
    case kPerpendicularBisector: {
      Element* plus = AuxiliaryPoint(run, s, 10);
      Element* minus = AuxiliaryPoint(run, s, -10);
      Element* a = Image(run, plus, Look::kHidden);
      Element* b = Image(run, minus, Look::kHidden);
      Result(run, s, kLineTwoPoints, {a, b, nullptr});
      return;
    }
    default: {
      const bool pointFirst = s.kind == kLineThroughPoint || s.kind == kRayThroughPoint ||
                              s.kind == kAxisX || s.kind == kAxisY;
      Element* defining = pointFirst ? s.parent[0] : s.parent[1];
      if (!defining) return;
      Element* second = AuxiliaryPoint(run, s, 10);
      Element* b = Image(run, defining, Look::kStyleAndShown);
      Element* a = Image(run, second, Look::kHidden);
      Result(run, s, kind, {b, a, nullptr});
      return;
    }
  }
}

// Segments, sides and vectors: both end points are mapped.
void SegmentOrVector(Run& run, Element& s) {
  if (!AllSet({s.parent[0], s.parent[1]})) return;
  Element* a = Image(run, s.parent[0], Look::kStyleAndShown);
  Element* b = Image(run, s.parent[1], Look::kStyleAndShown);
  Result(run, s, s.type() == kTypeVector ? kVector : kSegment, {a, b, nullptr});
}

void Polygon(Run& run, Element& s) {
  const auto* ext = s.as<PolygonExt>();
  if (!ext || ext->sides.empty()) return;
  for (const auto& side : ext->sides)
    if (!side->parent[0]) return;
  std::vector<Element*> images;
  images.reserve(ext->sides.size());
  for (const auto& side : ext->sides)
    images.push_back(Image(run, side->parent[0], Look::kStyleAndShown));
  Result(run, s, kPolygon, {}, std::move(images));
}

// Circles: the centre and a point of the circumference, made on it when it has none.
void Circle(Run& run, Element& s) {
  if (!s.parent[0]) return;
  if (s.kind == kCircleCentrePoint) {
    if (!s.parent[1]) return;
    Element* c = Image(run, s.parent[0], Look::kStyleAndShown);
    Element* q = Image(run, s.parent[1], Look::kHidden);
    Result(run, s, kCircleCentrePoint, {c, q, nullptr});
    return;
  }
  Element* on = AuxiliaryPoint(run, s, 1.0);
  Element* c = Image(run, s.parent[0], Look::kStyleAndShown);
  Element* q = Image(run, on, Look::kHidden);
  Result(run, s, kCircleCentrePoint, {c, q, nullptr});
}

void Arc(Run& run, Element& s) {
  if (!AllSet({s.parent[0], s.parent[1], s.parent[2]})) return;
  std::array<Element*, 3> images{};
  for (int i = 0; i < 3; ++i) images[i] = Image(run, s.parent[i], Look::kStyleAndShown);
  Result(run, s, kArc, images);
}

void Conic(Run& run, Element& s) {
  const auto* ext = s.as<ConicExt>();
  if (!ext) return;
  for (const Element* p : ext->points)
    if (!p) return;
  std::vector<Element*> images;
  for (Element* p : ext->points) images.push_back(Image(run, p, Look::kStyleAndShown));
  Result(run, s, kConic, {}, std::move(images));
}

using Builder = void (*)(Run&, Element&);

// What each element type becomes; a type without a builder gives nothing.
const std::array<Builder, kTypeCount>& Builders() {
  static const std::array<Builder, kTypeCount> table = [] {
    std::array<Builder, kTypeCount> t{};
    t[kTypeLine] = LineOrRay;
    t[kTypeRay] = LineOrRay;
    t[kTypeSegment] = SegmentOrVector;
    t[kTypeVector] = SegmentOrVector;
    t[kTypePolygon] = Polygon;
    t[kTypeCircle] = Circle;
    t[kTypeArc] = Arc;
    t[kTypeConic] = Conic;
    return t;
  }();
  return table;
}

}  // namespace

bool IsUsableTransformation(const Transformation& t) {
  switch (t.kind) {
    case kPointCentralSymmetry:
    case kPointAxialSymmetry:
    case kPointInversion: return t.data2 != nullptr;
    case kPointTranslation:
    case kPointRotation:
    case kPointHomothety: return t.data2 && t.data3;
    default: return false;
  }
}

std::vector<Element*> TransformFigure(Document& doc, std::span<Element* const> objects,
                                      const Transformation& t, const CreationSettings& settings) {
  Run run{doc, t, settings, {}, {}};
  if (!IsUsableTransformation(t)) return {};
  // A polygon or a conic brings several points: room for a few per object.
  run.done.reserve(objects.size() * 4);
  if (t.kind != kPointInversion) {
    for (Element* s : objects) {
      if (!s || s->type() == kTypePoint || s->type() < 0) continue;
      if (const Builder build = Builders()[s->type()]) build(run, *s);
    }
  }
  for (Element* s : objects)
    if (s && s->type() == kTypePoint && !run.done.contains(s)) Image(run, s, Look::kStyle);
  const RuleContext ctx{&doc};
  for (Element* e : run.created) RecomputeElement(*e, ctx);
  return std::move(run.created);
}

}  // namespace velt
