#pragma once
// The element record: one object of a figure, how it was built and what it is worth.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/conic_data.h"
#include "model/font.h"
#include "model/kinds.h"

namespace velt {

struct Element;
// Elements are made in chunks (model/element_pool.h); the deleter returns an element to its
// chunk.
struct ElementDelete {
  void operator()(Element* e) const noexcept;
};
using ElementPtr = std::unique_ptr<Element, ElementDelete>;

// A large extension held out of line, so that the elements of the common kinds stay small.
// Copies are deep; a moved-from box holds nothing and is only destroyed or assigned to.
template <class T>
class OutOfLine {
 public:
  OutOfLine() : p_(std::make_unique<T>()) {}
  OutOfLine(const T& v) : p_(std::make_unique<T>(v)) {}
  OutOfLine(T&& v) : p_(std::make_unique<T>(std::move(v))) {}
  OutOfLine(const OutOfLine& o) : p_(o.p_ ? std::make_unique<T>(*o.p_) : nullptr) {}
  OutOfLine(OutOfLine&&) noexcept = default;
  OutOfLine& operator=(const OutOfLine& o) {
    p_ = o.p_ ? std::make_unique<T>(*o.p_) : nullptr;
    return *this;
  }
  OutOfLine& operator=(OutOfLine&&) noexcept = default;
  T* get() const { return p_.get(); }

 private:
  std::unique_ptr<T> p_;
};

// An optional value held out of line: one pointer in the element instead of the value.
// Reads like std::optional; copies are deep.
template <class T>
class BoxedOptional {
 public:
  BoxedOptional() = default;
  BoxedOptional(const T& v) : p_(std::make_unique<T>(v)) {}
  BoxedOptional(const BoxedOptional& o) : p_(o.p_ ? std::make_unique<T>(*o.p_) : nullptr) {}
  BoxedOptional(BoxedOptional&&) noexcept = default;
  BoxedOptional& operator=(const BoxedOptional& o) {
    if (this != &o) p_ = o.p_ ? std::make_unique<T>(*o.p_) : nullptr;
    return *this;
  }
  BoxedOptional& operator=(BoxedOptional&&) noexcept = default;
  BoxedOptional& operator=(const T& v) {
    if (p_)
      *p_ = v;
    else
      p_ = std::make_unique<T>(v);
    return *this;
  }
  bool has_value() const { return p_ != nullptr; }
  explicit operator bool() const { return has_value(); }
  T& operator*() { return *p_; }
  const T& operator*() const { return *p_; }
  T* operator->() { return p_.get(); }
  const T* operator->() const { return p_.get(); }
  void reset() { p_.reset(); }
  friend bool operator==(const BoxedOptional& a, const BoxedOptional& b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
  }
  friend bool operator==(const BoxedOptional& a, const T& v) { return a && *a == v; }

 private:
  std::unique_ptr<T> p_;
};

// ---- kind-specific extensions --------------------------------------------

// 14: the polygon's vertices are its side's first parents; it owns n sides (kind 15).
struct PolygonExt {
  std::vector<ElementPtr> sides;
};

// 21, 65: samples of a locus or a function graph.
struct SampleExt {
  int32_t sampleCount = 0;
  int32_t recorded = 0;                // second count word, meaning set by loci
  std::vector<double> x1, y1, x2, y2;  // first and second point pairs
  std::vector<double> params;
  std::vector<int32_t> colours;  // -1111 marks a gap
};

// 37, 64: an expression over variables.
struct ExpressionExt {
  std::string text;
  std::vector<int32_t> tokens;
  int32_t work = 0;
  std::vector<double> table;  // value table: variables first, then constants
  std::vector<Element*> variables;
  std::vector<int32_t> variableNumbers;
};

// 38: a table of values of chosen elements, 100 rows per column.
inline constexpr int kTableRows = 100;
struct TableExt {
  int32_t rows = 1;
  std::vector<Element*> columns;
  std::vector<int32_t> columnNumbers;
  std::vector<double> grid;  // kTableRows per column
};

// 39: coordinate axes with their two axis lines.
struct AxesExt {
  double xUnit = 40.0, yUnit = 40.0;
  ElementPtr xAxis, yAxis;  // kinds 40, 41
};

// 42: the coordinates of a point, as two number sub-elements.
struct CoordinatesExt {
  ElementPtr x, y;  // kinds 43, 44
};

// 45, 46, 58: equations.
struct EquationExt {
  double value = 0;
  std::string text;
};

// 47: a rich text.
struct TextRun {
  Font font;
  int32_t length = 0;  // characters covered by the run
};
struct TextExt {
  int32_t x = 0, y = 0;  // position in pixels
  int32_t third = 0;
  Font font;
  std::vector<std::string> lines;  // count mirrored in attr1
  std::vector<TextRun> runs;
};

// 48: a name shown beside its element.
struct NameExt {
  std::string text;
  std::array<double, 4> placement{};  // where the label stands, kept as files store it
};

// 50..54: property checkers.
struct CheckerExt {
  std::string whenTrue, whenFalse;
};

// 55: conic through five points.
struct ConicExt {
  std::array<Element*, 5> points{};
  std::array<int32_t, 5> pointNumbers{-1, -1, -1, -1, -1};
  ConicData data;
};

// 63: a free parameter.
struct ParameterExt {
  double minimum = -10, maximum = 10, increment = 0.01;
};

// 66, 70: buttons controlling elements.
struct ButtonExt {
  std::string caption;
  std::vector<Element*> targets;
  std::vector<int32_t> targetNumbers;
  std::vector<int32_t> states;
};

// 67: a picture.
struct BitmapExt {
  Picture picture;
};

// 71: an iteration. The working copy of the construction that its repetitions are computed
// in is scratch owned by the element (anim/iteration.h): a copy of the element starts
// without one, so a working copy never holds a copy of itself.
struct IterationWork;
class IterationWorkSlot {
 public:
  IterationWorkSlot() = default;
  IterationWorkSlot(const IterationWorkSlot&) {}
  IterationWorkSlot& operator=(const IterationWorkSlot&) {
    work.reset();
    return *this;
  }
  IterationWorkSlot(IterationWorkSlot&&) noexcept = default;
  IterationWorkSlot& operator=(IterationWorkSlot&&) noexcept = default;
  mutable std::shared_ptr<IterationWork> work;
};
struct IterationExt {
  std::vector<Element*> elements;
  std::vector<int32_t> elementNumbers;
  std::array<int32_t, 6> settings{};
  std::vector<std::vector<int32_t>> results;  // result rows
  IterationWorkSlot scratch;
};

// One value per element; the extensions larger than three words are held out of line (most
// elements have none, and the rest of the list should not pay for the largest).
using Extension =
    std::variant<std::monostate, PolygonExt, OutOfLine<SampleExt>, OutOfLine<ExpressionExt>,
                 OutOfLine<TableExt>, OutOfLine<AxesExt>, CoordinatesExt, OutOfLine<EquationExt>,
                 OutOfLine<TextExt>, OutOfLine<NameExt>, OutOfLine<CheckerExt>, OutOfLine<ConicExt>,
                 ParameterExt, OutOfLine<ButtonExt>, OutOfLine<BitmapExt>, OutOfLine<IterationExt>>;

// The extension as its kind's struct, whether it is held in place or out of line.
template <class T>
T& Unboxed(T& v) {
  return v;
}
template <class T>
const T& Unboxed(const T& v) {
  return v;
}
template <class T>
T& Unboxed(OutOfLine<T>& v) {
  return *v.get();
}
template <class T>
const T& Unboxed(const OutOfLine<T>& v) {
  return *v.get();
}

template <class T, class V>
struct IsAlternativeOf : std::false_type {};
template <class T, class... A>
struct IsAlternativeOf<T, std::variant<A...>> : std::bool_constant<(std::is_same_v<T, A> || ...)> {
};
template <class T>
inline constexpr bool kHeldOutOfLine = IsAlternativeOf<OutOfLine<T>, Extension>::value;

// ---- the common header ----------------------------------------------------

struct Element {
  // The fields every walk over the list reads come first, on the element's first cache
  // line: kind, number, references and the extension's alternative.
  int32_t kind = 0;
  int32_t number = 0;
  std::array<Element*, 3> parent{};  // generic parents, null for empty slots
  std::array<int32_t, 3> parentNumber{-1, -1, -1};
  int32_t colourSourceNumber = -1;
  Element* colourSource = nullptr;
  Element* owner = nullptr;  // for sub-elements: the polygon, axes or coordinates
  Extension ext;
  std::array<double, 4> value{};  // value1..value4
  int32_t exists = 1;
  int32_t visibility = 1;  // 1 shown, 0 hidden, 100 never drawn
  int32_t mark = 0;
  int32_t selected = 0;
  int32_t attr1 = 0;
  int32_t attr2 = 0;
  int32_t attr3 = 0;
  int32_t decimals = 2;
  int32_t colour = 0;
  int32_t style = 1;
  int32_t colourMode = 0;
  BoxedOptional<Font> labelFont;
  Element* nameElement = nullptr;  // rebuilt from the name element's parent1

  int32_t type() const { return TypeOfKind(kind); }
  double& x() { return value[0]; }
  double& y() { return value[1]; }
  double x() const { return value[0]; }
  double y() const { return value[1]; }

  template <class T>
  T* as() {
    if constexpr (kHeldOutOfLine<T>) {
      auto* box = std::get_if<OutOfLine<T>>(&ext);
      return box ? box->get() : nullptr;
    } else {
      return std::get_if<T>(&ext);
    }
  }
  template <class T>
  const T* as() const {
    return const_cast<Element*>(this)->as<T>();
  }
};

// Calls f with the extension as its kind's struct (std::monostate for none). A visitor
// that leaves out an alternative does not compile.
template <class F>
decltype(auto) VisitExtension(Element& e, F&& f) {
  return std::visit([&](auto& x) -> decltype(auto) { return f(Unboxed(x)); }, e.ext);
}
template <class F>
decltype(auto) VisitExtension(const Element& e, F&& f) {
  return std::visit([&](const auto& x) -> decltype(auto) { return f(Unboxed(x)); }, e.ext);
}

class ElementPool;
// An element with an extension of the right alternative for its kind (empty otherwise),
// made on its own or in a pool's chunk.
ElementPtr NewElementOfKind(int32_t kind);
ElementPtr NewElementOfKind(int32_t kind, ElementPool& pool);
// The extension alternative that belongs to a kind.
Extension ExtensionForKind(int32_t kind);

// Sub-elements of an element in numbering order (sides, axis lines, coordinate numbers).
template <class F>
void ForEachSubElement(Element& e, F&& f) {
  if (auto* p = e.as<PolygonExt>()) {
    for (auto& s : p->sides) f(*s);
  } else if (auto* a = e.as<AxesExt>()) {
    if (a->xAxis) f(*a->xAxis);
    if (a->yAxis) f(*a->yAxis);
  } else if (auto* c = e.as<CoordinatesExt>()) {
    if (c->x) f(*c->x);
    if (c->y) f(*c->y);
  }
}
template <class F>
void ForEachSubElement(const Element& e, F&& f) {
  ForEachSubElement(const_cast<Element&>(e),
                    [&](Element& s) { f(static_cast<const Element&>(s)); });
}

// Every reference the element holds with its persistent number twin: the generic parents,
// the colour source, and the kind-specific reference lists.
template <class F>
void ForEachReference(Element& e, F&& f) {
  for (int i = 0; i < 3; ++i) f(e.parent[i], e.parentNumber[i]);
  f(e.colourSource, e.colourSourceNumber);
  if (auto* x = e.as<ExpressionExt>()) {
    x->variableNumbers.resize(x->variables.size(), -1);
    for (size_t i = 0; i < x->variables.size(); ++i) f(x->variables[i], x->variableNumbers[i]);
  } else if (auto* t = e.as<TableExt>()) {
    t->columnNumbers.resize(t->columns.size(), -1);
    for (size_t i = 0; i < t->columns.size(); ++i) f(t->columns[i], t->columnNumbers[i]);
  } else if (auto* c = e.as<ConicExt>()) {
    for (size_t i = 0; i < 5; ++i) f(c->points[i], c->pointNumbers[i]);
  } else if (auto* b = e.as<ButtonExt>()) {
    b->targetNumbers.resize(b->targets.size(), -1);
    for (size_t i = 0; i < b->targets.size(); ++i) f(b->targets[i], b->targetNumbers[i]);
  } else if (auto* it = e.as<IterationExt>()) {
    it->elementNumbers.resize(it->elements.size(), -1);
    for (size_t i = 0; i < it->elements.size(); ++i) f(it->elements[i], it->elementNumbers[i]);
  }
}

// The structural parents that must exist for the element to be computed and that the
// dependency walk follows: the kind-specific list where the kind has one, else the generic
// parents.
template <class F>
void ForEachStructuralParent(const Element& e, F&& f) {
  if (auto* p = e.as<PolygonExt>()) {
    for (auto& s : p->sides) f(s->parent[0]);
  } else if (auto* x = e.as<ExpressionExt>()) {
    for (auto* v : x->variables) f(v);
  } else if (auto* t = e.as<TableExt>()) {
    for (auto* v : t->columns) f(v);
  } else if (auto* c = e.as<ConicExt>()) {
    for (auto* v : c->points) f(v);
  } else if (auto* b = e.as<ButtonExt>()) {
    for (auto* v : b->targets) f(v);
  } else if (auto* it = e.as<IterationExt>()) {
    for (auto* v : it->elements) f(v);
  } else {
    for (auto* v : e.parent) f(v);
  }
}

// Deep copy of header and extension. References (parents, lists, colour source) are copied
// as they are; the caller rebuilds them for the list it copies. Sub-elements are duplicated
// with their owner link set to the copy. A locus keeps only its sample count.
ElementPtr CopyElement(const Element& e);
ElementPtr CopyElement(const Element& e, ElementPool& pool);

}  // namespace velt
