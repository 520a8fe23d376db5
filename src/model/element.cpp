#include "model/element.h"

#include "model/element_pool.h"

namespace velt {

Extension ExtensionForKind(int32_t kind) {
  switch (kind) {
    case kPolygon: return PolygonExt{};
    case kLocus:
    case kFunctionGraph: return SampleExt{};
    case kCalculation:
    case kFunction: return ExpressionExt{};
    case kTable: return TableExt{};
    case kAxes: return AxesExt{};
    case kCoordinates: return CoordinatesExt{};
    case kEquationLine:
    case kEquationCircle:
    case kEquationConic: return EquationExt{};
    case kText: return TextExt{};
    case kName: return NameExt{};
    case kCheckParallel:
    case kCheckPerpendicular:
    case kCheckOn:
    case kCheckEquidistant:
    case kCheckAligned: return CheckerExt{};
    case kConic: return ConicExt{};
    case kParameter: return ParameterExt{};
    case kButtonShowHide:
    case kButtonMove: return ButtonExt{};
    case kBitmap: return BitmapExt{};
    case kIteration: return IterationExt{};
    default: return std::monostate{};
  }
}

namespace {

ElementPtr OfKind(ElementPtr e, int32_t kind) {
  e->kind = kind;
  e->ext = ExtensionForKind(kind);
  return e;
}

}  // namespace

ElementPtr NewElementOfKind(int32_t kind) { return OfKind(MakeLoneElement(), kind); }

ElementPtr NewElementOfKind(int32_t kind, ElementPool& pool) { return OfKind(pool.Make(), kind); }

namespace {

ElementPtr CopyInto(ElementPtr c, const Element& e, ElementPool* pool);

ElementPtr CopySub(const ElementPtr& s, Element* owner, ElementPool* pool) {
  if (!s) return nullptr;
  auto c = CopyInto(pool ? pool->Make() : MakeLoneElement(), *s, pool);
  c->owner = owner;
  return c;
}

struct ExtCopier {
  Element* owner;
  ElementPool* pool;
  Extension operator()(const std::monostate&) const { return std::monostate{}; }
  Extension operator()(const PolygonExt& p) const {
    PolygonExt out;
    out.sides.reserve(p.sides.size());
    for (auto& s : p.sides) out.sides.push_back(CopySub(s, owner, pool));
    return out;
  }
  Extension operator()(const SampleExt& s) const {
    SampleExt out;
    out.sampleCount = s.sampleCount;
    return out;
  }
  Extension operator()(const AxesExt& a) const {
    AxesExt out;
    out.xUnit = a.xUnit;
    out.yUnit = a.yUnit;
    out.xAxis = CopySub(a.xAxis, owner, pool);
    out.yAxis = CopySub(a.yAxis, owner, pool);
    return out;
  }
  Extension operator()(const CoordinatesExt& c) const {
    CoordinatesExt out;
    out.x = CopySub(c.x, owner, pool);
    out.y = CopySub(c.y, owner, pool);
    return out;
  }
  template <class T>
  Extension operator()(const T& t) const {
    return t;
  }
};

ElementPtr CopyInto(ElementPtr c, const Element& e, ElementPool* pool) {
  c->kind = e.kind;
  c->parent = e.parent;
  c->parentNumber = e.parentNumber;
  c->number = e.number;
  c->value = e.value;
  c->exists = e.exists;
  c->visibility = e.visibility;
  c->mark = e.mark;
  c->selected = e.selected;
  c->attr1 = e.attr1;
  c->attr2 = e.attr2;
  c->attr3 = e.attr3;
  c->decimals = e.decimals;
  c->colour = e.colour;
  c->style = e.style;
  c->colourSource = e.colourSource;
  c->colourSourceNumber = e.colourSourceNumber;
  c->colourMode = e.colourMode;
  c->labelFont = e.labelFont;
  c->nameElement = e.nameElement;
  c->owner = e.owner;
  c->ext = VisitExtension(e, ExtCopier{c.get(), pool});
  return c;
}

}  // namespace

ElementPtr CopyElement(const Element& e) { return CopyInto(MakeLoneElement(), e, nullptr); }

ElementPtr CopyElement(const Element& e, ElementPool& pool) {
  return CopyInto(pool.Make(), e, &pool);
}

}  // namespace velt
