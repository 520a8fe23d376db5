#include "model/element.h"

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

ElementPtr NewElementOfKind(int32_t kind) {
  auto e = std::make_unique<Element>();
  e->kind = kind;
  e->ext = ExtensionForKind(kind);
  return e;
}

namespace {

ElementPtr CopySub(const ElementPtr& s, Element* owner) {
  if (!s) return nullptr;
  auto c = CopyElement(*s);
  c->owner = owner;
  return c;
}

struct ExtCopier {
  Element* owner;
  Extension operator()(const std::monostate&) const { return std::monostate{}; }
  Extension operator()(const PolygonExt& p) const {
    PolygonExt out;
    out.sides.reserve(p.sides.size());
    for (auto& s : p.sides) out.sides.push_back(CopySub(s, owner));
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
    out.xAxis = CopySub(a.xAxis, owner);
    out.yAxis = CopySub(a.yAxis, owner);
    return out;
  }
  Extension operator()(const CoordinatesExt& c) const {
    CoordinatesExt out;
    out.x = CopySub(c.x, owner);
    out.y = CopySub(c.y, owner);
    return out;
  }
  template <class T>
  Extension operator()(const T& t) const {
    return t;
  }
};

}  // namespace

ElementPtr CopyElement(const Element& e) {
  auto c = std::make_unique<Element>();
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
  c->ext = std::visit(ExtCopier{c.get()}, e.ext);
  return c;
}

}  // namespace velt
