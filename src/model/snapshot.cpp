#include "model/snapshot.h"

#include <algorithm>
#include <limits>

#include "model/bytes.h"
#include "model/element_list.h"
#include "model/element_pool.h"

namespace velt {
namespace {

// Snapshots stay in memory: texts are kept as UTF-8 (files turn them into their code page)
// and every count is a 32-bit word in front of its items.
constexpr int32_t kAnyCount = std::numeric_limits<int32_t>::max();

class Out : public BytesOut {
 public:
  void Text(const std::string& v) {
    Int32(static_cast<int32_t>(v.size()));
    Bytes(v);
  }
  void Ints(const std::vector<int32_t>& v) {
    Int32(static_cast<int32_t>(v.size()));
    for (int32_t x : v) Int32(x);
  }
  void Reals(const std::vector<double>& v) {
    Int32(static_cast<int32_t>(v.size()));
    for (double x : v) Real(x);
  }
  void FontRec(const Font& f) {
    Text(f.face);
    for (int32_t x : {f.colour, f.size, f.bold, f.italic, f.underline, f.strikeOut}) Int32(x);
  }
  // References go as numbers; the list was renumbered just before.
  template <class List>
  void Refs(const List& refs) {
    Int32(static_cast<int32_t>(refs.size()));
    for (const Element* r : refs) Int32(r ? r->number : -1);
  }
};

class In : public BytesIn {
 public:
  using BytesIn::BytesIn;
  std::string Text() {
    const int32_t n = Count(kAnyCount, 1);
    return std::string(Bytes(static_cast<size_t>(n)));
  }
  std::vector<int32_t> Ints() {
    std::vector<int32_t> v(static_cast<size_t>(Count(kAnyCount, 4)));
    for (auto& x : v) x = Int32();
    return v;
  }
  std::vector<double> Reals() {
    std::vector<double> v(static_cast<size_t>(Count(kAnyCount, 8)));
    for (auto& x : v) x = Real();
    return v;
  }
  Font FontRec() {
    Font f;
    f.face = Text();
    for (int32_t* x : {&f.colour, &f.size, &f.bold, &f.italic, &f.underline, &f.strikeOut})
      *x = Int32();
    return f;
  }
  // Reference lists come back as numbers; pointers are rebuilt after the whole list is read.
  std::vector<int32_t> Numbers() { return Ints(); }
};

void WriteElement(Out& o, const Element& e);

// One overload per extension: an extension left out here does not compile.
struct ExtWriter {
  Out& o;
  void operator()(const std::monostate&) const {}
  void operator()(const PolygonExt& p) const {
    o.Int32(static_cast<int32_t>(p.sides.size()));
    for (auto& s : p.sides) WriteElement(o, *s);
  }
  void operator()(const SampleExt& s) const {
    o.Int32(s.sampleCount);
    o.Int32(s.recorded);
  }
  void operator()(const ExpressionExt& x) const {
    o.Text(x.text);
    o.Ints(x.tokens);
    o.Int32(x.work);
    o.Reals(x.table);
    o.Refs(x.variables);
  }
  void operator()(const TableExt& t) const {
    o.Int32(t.rows);
    o.Refs(t.columns);
    o.Reals(t.grid);
  }
  void operator()(const AxesExt& a) const {
    o.Real(a.xUnit);
    o.Real(a.yUnit);
    WriteElement(o, *a.xAxis);
    WriteElement(o, *a.yAxis);
  }
  void operator()(const CoordinatesExt& c) const {
    WriteElement(o, *c.x);
    WriteElement(o, *c.y);
  }
  void operator()(const EquationExt& q) const {
    o.Real(q.value);
    o.Text(q.text);
  }
  void operator()(const TextExt& t) const {
    o.Int32(t.x);
    o.Int32(t.y);
    o.Int32(t.third);
    o.FontRec(t.font);
    o.Int32(static_cast<int32_t>(t.lines.size()));
    for (auto& l : t.lines) o.Text(l);
    o.Int32(static_cast<int32_t>(t.runs.size()));
    for (auto& r : t.runs) {
      o.FontRec(r.font);
      o.Int32(r.length);
    }
  }
  void operator()(const NameExt& n) const {
    o.Text(n.text);
    for (double v : n.placement) o.Real(v);
  }
  void operator()(const CheckerExt& c) const {
    o.Text(c.whenTrue);
    o.Text(c.whenFalse);
  }
  void operator()(const ConicExt& c) const { o.Refs(c.points); }
  void operator()(const ParameterExt& p) const {
    o.Real(p.minimum);
    o.Real(p.maximum);
    o.Real(p.increment);
  }
  void operator()(const ButtonExt& b) const {
    o.Text(b.caption);
    o.Refs(b.targets);
    o.Ints(b.states);
  }
  void operator()(const BitmapExt& b) const { o.Text(b.picture.bmp); }
  void operator()(const IterationExt& it) const {
    o.Refs(it.elements);
    for (int32_t s : it.settings) o.Int32(s);
    o.Int32(static_cast<int32_t>(it.results.size()));
    for (auto& r : it.results) o.Ints(r);
  }
};

void WriteElement(Out& o, const Element& e) {
  o.Int32(e.kind);
  for (const Element* p : e.parent) o.Int32(p ? p->number : -1);
  o.Int32(e.number);
  for (double v : e.value) o.Real(v);
  for (int32_t v : {e.exists, e.visibility, e.selected, e.attr1, e.attr2, e.attr3, e.decimals,
                    e.colour, e.style})
    o.Int32(v);
  o.Int32(e.colourSource ? e.colourSource->number : -1);
  o.Int32(e.colourMode);
  o.Byte(e.labelFont.has_value());
  if (e.labelFont) o.FontRec(*e.labelFont);
  VisitExtension(e, ExtWriter{o});
}

// What decoding makes: the elements in the order they were read, which is numbering order.
struct Made {
  ElementPool& pool;
  std::vector<Element*> inOrder;
};

ElementPtr ReadElement(In& in, Element* owner, int depth, Made& made);

// Sub-elements are one level deep; a sub-element never owns any.
bool ReadSub(In& in, Element& owner, int depth, Made& made, ElementPtr& slot) {
  if (depth > 0) {
    in.Fail();
    return false;
  }
  slot = ReadElement(in, &owner, depth + 1, made);
  return slot != nullptr;
}

// One overload per extension, as for the writer.
struct ExtReader {
  In& in;
  Element& e;
  int depth;
  Made& made;
  void operator()(std::monostate&) const {}
  void operator()(PolygonExt& p) const {
    const int32_t n = in.Count(kAnyCount, 1);
    for (int32_t i = 0; i < n && in.ok(); ++i) {
      ElementPtr s;
      if (!ReadSub(in, e, depth, made, s)) return;
      p.sides.push_back(std::move(s));
    }
  }
  void operator()(SampleExt& s) const {
    s.sampleCount = in.Int32();
    s.recorded = in.Int32();
  }
  void operator()(ExpressionExt& x) const {
    x.text = in.Text();
    x.tokens = in.Ints();
    x.work = in.Int32();
    x.table = in.Reals();
    x.variableNumbers = in.Numbers();
    x.variables.assign(x.variableNumbers.size(), nullptr);
  }
  void operator()(TableExt& t) const {
    t.rows = in.Int32();
    t.columnNumbers = in.Numbers();
    t.columns.assign(t.columnNumbers.size(), nullptr);
    t.grid = in.Reals();
  }
  void operator()(AxesExt& a) const {
    a.xUnit = in.Real();
    a.yUnit = in.Real();
    ReadSub(in, e, depth, made, a.xAxis) && ReadSub(in, e, depth, made, a.yAxis);
  }
  void operator()(CoordinatesExt& c) const {
    ReadSub(in, e, depth, made, c.x) && ReadSub(in, e, depth, made, c.y);
  }
  void operator()(EquationExt& q) const {
    q.value = in.Real();
    q.text = in.Text();
  }
  void operator()(TextExt& t) const {
    t.x = in.Int32();
    t.y = in.Int32();
    t.third = in.Int32();
    t.font = in.FontRec();
    int32_t n = in.Count(kAnyCount, 4);
    for (int32_t i = 0; i < n && in.ok(); ++i) t.lines.push_back(in.Text());
    n = in.Count(kAnyCount, 4);
    for (int32_t i = 0; i < n && in.ok(); ++i) {
      TextRun r;
      r.font = in.FontRec();
      r.length = in.Int32();
      t.runs.push_back(std::move(r));
    }
  }
  void operator()(NameExt& n) const {
    n.text = in.Text();
    for (double& v : n.placement) v = in.Real();
  }
  void operator()(CheckerExt& c) const {
    c.whenTrue = in.Text();
    c.whenFalse = in.Text();
  }
  void operator()(ConicExt& c) const {
    const auto numbers = in.Numbers();
    for (size_t i = 0; i < 5; ++i) c.pointNumbers[i] = i < numbers.size() ? numbers[i] : -1;
  }
  void operator()(ParameterExt& p) const {
    p.minimum = in.Real();
    p.maximum = in.Real();
    p.increment = in.Real();
  }
  void operator()(ButtonExt& b) const {
    b.caption = in.Text();
    b.targetNumbers = in.Numbers();
    b.targets.assign(b.targetNumbers.size(), nullptr);
    b.states = in.Ints();
  }
  void operator()(BitmapExt& b) const { b.picture.bmp = in.Text(); }
  void operator()(IterationExt& it) const {
    it.elementNumbers = in.Numbers();
    it.elements.assign(it.elementNumbers.size(), nullptr);
    for (int32_t& s : it.settings) s = in.Int32();
    const int32_t n = in.Count(kAnyCount, 4);
    for (int32_t i = 0; i < n && in.ok(); ++i) it.results.push_back(in.Ints());
  }
};

ElementPtr ReadElement(In& in, Element* owner, int depth, Made& made) {
  const int32_t kind = in.Int32();
  if (!in.ok() || !IsValidKind(kind)) return nullptr;
  auto e = NewElementOfKind(kind, made.pool);
  made.inOrder.push_back(e.get());
  e->owner = owner;
  for (auto& n : e->parentNumber) n = in.Int32();
  e->number = in.Int32();
  for (double& v : e->value) v = in.Real();
  for (int32_t* v : {&e->exists, &e->visibility, &e->selected, &e->attr1, &e->attr2, &e->attr3,
                     &e->decimals, &e->colour, &e->style})
    *v = in.Int32();
  e->colourSourceNumber = in.Int32();
  e->colourMode = in.Int32();
  if (in.Byte()) e->labelFont = in.FontRec();
  VisitExtension(*e, ExtReader{in, *e, depth, made});
  return in.ok() ? std::move(e) : nullptr;
}

}  // namespace

std::string EncodeFigure(Figure& figure) {
  Renumber(figure.elements);
  Out o;
  o.Reserve(figure.elements.size() * 128 + 64);
  // The number of elements with their sub-elements, which sizes the decoder's pool: after
  // renumbering, the number of the last one.
  int32_t count = 0;
  if (!figure.elements.empty()) {
    count = figure.elements.back()->number;
    ForEachSubElement(*figure.elements.back(), [&](const Element& s) { count = s.number; });
  }
  o.Int32(count);
  o.Refs(figure.traces);
  o.Int32(static_cast<int32_t>(figure.animations.size()));
  for (const Animation& a : figure.animations) {
    o.Int32(a.element ? a.element->number : -1);
    o.Int32(a.playing);
    o.Int32(a.reversed);
    o.Int32(a.speed);
  }
  for (const auto& e : figure.elements) WriteElement(o, *e);
  return o.Take();
}

std::shared_ptr<Figure> DecodeFigure(const std::string& bytes) {
  auto fig = std::make_shared<Figure>();
  In in(bytes);
  const int32_t count = in.Int32();
  const auto traceNumbers = in.Numbers();
  struct AnimNumber {
    int32_t number, playing, reversed, speed;
  };
  std::vector<AnimNumber> anims(static_cast<size_t>(in.Count(kAnyCount, 16)));
  for (auto& a : anims) a = {in.Int32(), in.Int32(), in.Int32(), in.Int32()};
  // Each element takes at least 100 bytes: a damaged count cannot ask for more than that.
  const size_t expected = std::min(static_cast<size_t>(std::max(count, 0)), bytes.size() / 100 + 1);
  ElementPool pool(expected);
  Made made{pool, {}};
  made.inOrder.reserve(expected);
  fig->elements.reserve(expected);
  while (in.ok() && !in.AtEnd()) {
    const size_t before = made.inOrder.size();
    auto e = ReadElement(in, nullptr, 0, made);
    if (!e) {
      made.inOrder.resize(before);  // what the damaged record made is gone
      break;
    }
    fig->elements.push_back(std::move(e));
  }
  // The list was renumbered before encoding: numbers are dense and in reading order, so the
  // element numbered n is the n-th one read (checked, for bytes this program did not write).
  const auto find = [&](int32_t n) -> Element* {
    if (n < 1 || static_cast<size_t>(n) > made.inOrder.size()) return nullptr;
    Element* e = made.inOrder[static_cast<size_t>(n) - 1];
    return e->number == n ? e : nullptr;
  };
  for (Element* e : made.inOrder)
    ForEachReference(*e, [&](Element*& ref, int32_t& number) { ref = find(number); });
  for (Element* e : made.inOrder)
    if (e->kind == kName && e->parent[0]) e->parent[0]->nameElement = e;
  for (int32_t n : traceNumbers)
    if (Element* t = find(n)) fig->traces.push_back(t);
  for (const auto& a : anims)
    if (Element* t = find(a.number)) fig->animations.push_back({t, a.playing, a.reversed, a.speed});
  return fig;
}

}  // namespace velt
