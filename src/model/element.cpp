#include "model/element.h"

#include <utility>

#include "model/element_pool.h"

namespace velt {

namespace {

// The slots of the kind table name the alternatives of Extension in their order.
template <ExtensionSlot S, class T>
constexpr bool kSlotHolds =
    std::is_same_v<std::variant_alternative_t<static_cast<size_t>(S), Extension>, T> ||
    std::is_same_v<std::variant_alternative_t<static_cast<size_t>(S), Extension>, OutOfLine<T>>;
static_assert(std::variant_size_v<Extension> == kExtensionSlotCount);
static_assert(kSlotHolds<ExtensionSlot::None, std::monostate>);
static_assert(kSlotHolds<ExtensionSlot::Polygon, PolygonExt>);
static_assert(kSlotHolds<ExtensionSlot::Samples, SampleExt>);
static_assert(kSlotHolds<ExtensionSlot::Expression, ExpressionExt>);
static_assert(kSlotHolds<ExtensionSlot::Table, TableExt>);
static_assert(kSlotHolds<ExtensionSlot::Axes, AxesExt>);
static_assert(kSlotHolds<ExtensionSlot::Coordinates, CoordinatesExt>);
static_assert(kSlotHolds<ExtensionSlot::Equation, EquationExt>);
static_assert(kSlotHolds<ExtensionSlot::Text, TextExt>);
static_assert(kSlotHolds<ExtensionSlot::Name, NameExt>);
static_assert(kSlotHolds<ExtensionSlot::Checker, CheckerExt>);
static_assert(kSlotHolds<ExtensionSlot::Conic, ConicExt>);
static_assert(kSlotHolds<ExtensionSlot::Parameter, ParameterExt>);
static_assert(kSlotHolds<ExtensionSlot::Button, ButtonExt>);
static_assert(kSlotHolds<ExtensionSlot::Bitmap, BitmapExt>);
static_assert(kSlotHolds<ExtensionSlot::Iteration, IterationExt>);

using MakeExtension = Extension (*)();

template <size_t... I>
constexpr std::array<MakeExtension, sizeof...(I)> ExtensionMakers(std::index_sequence<I...>) {
  return {+[]() -> Extension { return Extension(std::in_place_index<I>); }...};
}

constexpr auto kMakeExtension =
    ExtensionMakers(std::make_index_sequence<std::variant_size_v<Extension>>{});

}  // namespace

Extension ExtensionForKind(int32_t kind) {
  return kMakeExtension[static_cast<size_t>(ExtensionSlotOf(kind))]();
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
