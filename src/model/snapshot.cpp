#include "model/snapshot.h"

#include <cstring>
#include <type_traits>

#include "model/element_list.h"

namespace velt {
namespace {

class Out {
 public:
  explicit Out(std::string& s) : s_(s) {}
  template <class T>
  void Pod(const T& v) {
    static_assert(std::is_trivially_copyable_v<T>);
    s_.append(reinterpret_cast<const char*>(&v), sizeof v);
  }
  void Str(const std::string& v) {
    Pod(static_cast<uint32_t>(v.size()));
    s_.append(v);
  }
  template <class T>
  void PodVec(const std::vector<T>& v) {
    Pod(static_cast<uint32_t>(v.size()));
    if (!v.empty()) s_.append(reinterpret_cast<const char*>(v.data()), v.size() * sizeof(T));
  }
  void FontRec(const Font& f) {
    Str(f.face);
    Pod(f.colour);
    Pod(f.size);
    Pod(f.bold);
    Pod(f.italic);
    Pod(f.underline);
    Pod(f.strikeOut);
  }
  void Refs(const std::vector<Element*>& refs) {
    Pod(static_cast<uint32_t>(refs.size()));
    for (const Element* r : refs) Pod(r ? r->number : -1);
  }

 private:
  std::string& s_;
};

class In {
 public:
  explicit In(const std::string& s) : p_(s.data()), end_(s.data() + s.size()) {}
  bool ok() const { return ok_; }
  bool done() const { return p_ >= end_; }
  template <class T>
  T Pod() {
    T v{};
    if (static_cast<size_t>(end_ - p_) < sizeof v) {
      ok_ = false;
      p_ = end_;
      return v;
    }
    std::memcpy(&v, p_, sizeof v);
    p_ += sizeof v;
    return v;
  }
  size_t Count(size_t elementSize) {
    auto n = Pod<uint32_t>();
    if (static_cast<size_t>(end_ - p_) < n * elementSize) {
      ok_ = false;
      p_ = end_;
      return 0;
    }
    return n;
  }
  std::string Str() {
    size_t n = Count(1);
    std::string v(p_, n);
    p_ += n;
    return v;
  }
  template <class T>
  std::vector<T> PodVec() {
    size_t n = Count(sizeof(T));
    std::vector<T> v(n);
    if (n) std::memcpy(v.data(), p_, n * sizeof(T));
    p_ += n * sizeof(T);
    return v;
  }
  Font FontRec() {
    Font f;
    f.face = Str();
    f.colour = Pod<int32_t>();
    f.size = Pod<int32_t>();
    f.bold = Pod<int32_t>();
    f.italic = Pod<int32_t>();
    f.underline = Pod<int32_t>();
    f.strikeOut = Pod<int32_t>();
    return f;
  }
  // Reference lists come back as numbers; pointers are rebuilt after the whole list is read.
  std::vector<int32_t> Numbers() { return PodVec<int32_t>(); }

 private:
  const char* p_;
  const char* end_;
  bool ok_ = true;
};

void WriteElement(Out& o, const Element& e);

void WriteHeader(Out& o, const Element& e) {
  o.Pod(e.kind);
  for (const Element* p : e.parent) o.Pod(p ? p->number : -1);
  o.Pod(e.number);
  o.Pod(e.value);
  o.Pod(e.exists);
  o.Pod(e.visibility);
  o.Pod(e.selected);
  o.Pod(e.attr1);
  o.Pod(e.attr2);
  o.Pod(e.attr3);
  o.Pod(e.decimals);
  o.Pod(e.colour);
  o.Pod(e.style);
  o.Pod(e.colourSource ? e.colourSource->number : -1);
  o.Pod(e.colourMode);
  o.Pod(static_cast<uint8_t>(e.labelFont.has_value()));
  if (e.labelFont) o.FontRec(*e.labelFont);
}

struct ExtWriter {
  Out& o;
  void operator()(const std::monostate&) const {}
  void operator()(const PolygonExt& p) const {
    o.Pod(static_cast<uint32_t>(p.sides.size()));
    for (auto& s : p.sides) WriteElement(o, *s);
  }
  void operator()(const SampleExt& s) const {
    o.Pod(s.sampleCount);
    o.Pod(s.recorded);
  }
  void operator()(const ExpressionExt& x) const {
    o.Str(x.text);
    o.PodVec(x.tokens);
    o.Pod(x.work);
    o.PodVec(x.table);
    o.Refs(x.variables);
  }
  void operator()(const TableExt& t) const {
    o.Pod(t.rows);
    o.Refs(t.columns);
    o.PodVec(t.grid);
  }
  void operator()(const AxesExt& a) const {
    o.Pod(a.xUnit);
    o.Pod(a.yUnit);
    WriteElement(o, *a.xAxis);
    WriteElement(o, *a.yAxis);
  }
  void operator()(const CoordinatesExt& c) const {
    WriteElement(o, *c.x);
    WriteElement(o, *c.y);
  }
  void operator()(const EquationExt& q) const {
    o.Pod(q.value);
    o.Str(q.text);
  }
  void operator()(const TextExt& t) const {
    o.Pod(t.x);
    o.Pod(t.y);
    o.Pod(t.third);
    o.FontRec(t.font);
    o.Pod(static_cast<uint32_t>(t.lines.size()));
    for (auto& l : t.lines) o.Str(l);
    o.Pod(static_cast<uint32_t>(t.runs.size()));
    for (auto& r : t.runs) {
      o.FontRec(r.font);
      o.Pod(r.length);
    }
  }
  void operator()(const NameExt& n) const {
    o.Str(n.text);
    o.Pod(n.placement);
  }
  void operator()(const CheckerExt& c) const {
    o.Str(c.whenTrue);
    o.Str(c.whenFalse);
  }
  void operator()(const ConicExt& c) const {
    o.Refs(std::vector<Element*>(c.points.begin(), c.points.end()));
  }
  void operator()(const ParameterExt& p) const { o.Pod(p); }
  void operator()(const ButtonExt& b) const {
    o.Str(b.caption);
    o.Refs(b.targets);
    o.PodVec(b.states);
  }
  void operator()(const BitmapExt& b) const { o.Str(b.picture.bmp); }
  void operator()(const IterationExt& it) const {
    o.Refs(it.elements);
    o.Pod(it.settings);
    o.Pod(static_cast<uint32_t>(it.results.size()));
    for (auto& r : it.results) o.PodVec(r);
  }
};

void WriteElement(Out& o, const Element& e) {
  WriteHeader(o, e);
  std::visit(ExtWriter{o}, e.ext);
}

ElementPtr ReadElement(In& in, Element* owner, int depth);

bool ReadSub(In& in, Element* owner, ElementPtr& slot) {
  slot = ReadElement(in, owner, 1);
  return slot != nullptr;
}

void ReadExtension(In& in, Element& e, int depth) {
  if (auto* p = e.as<PolygonExt>()) {
    size_t n = in.Count(1);
    for (size_t i = 0; i < n && in.ok() && depth == 0; ++i) {
      ElementPtr s;
      if (!ReadSub(in, &e, s)) return;
      p->sides.push_back(std::move(s));
    }
  } else if (auto* s = e.as<SampleExt>()) {
    s->sampleCount = in.Pod<int32_t>();
    s->recorded = in.Pod<int32_t>();
  } else if (auto* x = e.as<ExpressionExt>()) {
    x->text = in.Str();
    x->tokens = in.PodVec<int32_t>();
    x->work = in.Pod<int32_t>();
    x->table = in.PodVec<double>();
    x->variableNumbers = in.Numbers();
    x->variables.assign(x->variableNumbers.size(), nullptr);
  } else if (auto* t = e.as<TableExt>()) {
    t->rows = in.Pod<int32_t>();
    t->columnNumbers = in.Numbers();
    t->columns.assign(t->columnNumbers.size(), nullptr);
    t->grid = in.PodVec<double>();
  } else if (auto* a = e.as<AxesExt>()) {
    a->xUnit = in.Pod<double>();
    a->yUnit = in.Pod<double>();
    if (depth == 0) ReadSub(in, &e, a->xAxis) && ReadSub(in, &e, a->yAxis);
  } else if (auto* c = e.as<CoordinatesExt>()) {
    if (depth == 0) ReadSub(in, &e, c->x) && ReadSub(in, &e, c->y);
  } else if (auto* q = e.as<EquationExt>()) {
    q->value = in.Pod<double>();
    q->text = in.Str();
  } else if (auto* t = e.as<TextExt>()) {
    t->x = in.Pod<int32_t>();
    t->y = in.Pod<int32_t>();
    t->third = in.Pod<int32_t>();
    t->font = in.FontRec();
    size_t n = in.Count(4);
    for (size_t i = 0; i < n && in.ok(); ++i) t->lines.push_back(in.Str());
    n = in.Count(4);
    for (size_t i = 0; i < n && in.ok(); ++i) {
      TextRun r;
      r.font = in.FontRec();
      r.length = in.Pod<int32_t>();
      t->runs.push_back(std::move(r));
    }
  } else if (auto* nm = e.as<NameExt>()) {
    nm->text = in.Str();
    nm->placement = in.Pod<std::array<double, 4>>();
  } else if (auto* ch = e.as<CheckerExt>()) {
    ch->whenTrue = in.Str();
    ch->whenFalse = in.Str();
  } else if (auto* co = e.as<ConicExt>()) {
    auto nums = in.Numbers();
    for (size_t i = 0; i < 5; ++i) co->pointNumbers[i] = i < nums.size() ? nums[i] : -1;
  } else if (auto* pa = e.as<ParameterExt>()) {
    *pa = in.Pod<ParameterExt>();
  } else if (auto* b = e.as<ButtonExt>()) {
    b->caption = in.Str();
    b->targetNumbers = in.Numbers();
    b->targets.assign(b->targetNumbers.size(), nullptr);
    b->states = in.PodVec<int32_t>();
  } else if (auto* bm = e.as<BitmapExt>()) {
    bm->picture.bmp = in.Str();
  } else if (auto* it = e.as<IterationExt>()) {
    it->elementNumbers = in.Numbers();
    it->elements.assign(it->elementNumbers.size(), nullptr);
    it->settings = in.Pod<std::array<int32_t, 6>>();
    size_t n = in.Count(4);
    for (size_t i = 0; i < n && in.ok(); ++i) it->results.push_back(in.PodVec<int32_t>());
  }
}

ElementPtr ReadElement(In& in, Element* owner, int depth) {
  const int32_t kind = in.Pod<int32_t>();
  if (!in.ok() || !IsValidKind(kind)) return nullptr;
  auto e = NewElementOfKind(kind);
  e->owner = owner;
  for (auto& n : e->parentNumber) n = in.Pod<int32_t>();
  e->number = in.Pod<int32_t>();
  e->value = in.Pod<std::array<double, 4>>();
  e->exists = in.Pod<int32_t>();
  e->visibility = in.Pod<int32_t>();
  e->selected = in.Pod<int32_t>();
  e->attr1 = in.Pod<int32_t>();
  e->attr2 = in.Pod<int32_t>();
  e->attr3 = in.Pod<int32_t>();
  e->decimals = in.Pod<int32_t>();
  e->colour = in.Pod<int32_t>();
  e->style = in.Pod<int32_t>();
  e->colourSourceNumber = in.Pod<int32_t>();
  e->colourMode = in.Pod<int32_t>();
  if (in.Pod<uint8_t>()) e->labelFont = in.FontRec();
  ReadExtension(in, *e, depth);
  return in.ok() ? std::move(e) : nullptr;
}

}  // namespace

std::string EncodeFigure(Figure& figure) {
  Renumber(figure.elements);
  std::string bytes;
  bytes.reserve(figure.elements.size() * 128 + 64);
  Out o(bytes);
  o.Refs(figure.traces);
  o.Pod(static_cast<uint32_t>(figure.animations.size()));
  for (const Animation& a : figure.animations) {
    o.Pod(a.element ? a.element->number : -1);
    o.Pod(a.playing);
    o.Pod(a.reversed);
    o.Pod(a.speed);
  }
  for (const auto& e : figure.elements) WriteElement(o, *e);
  return bytes;
}

std::shared_ptr<Figure> DecodeFigure(const std::string& bytes) {
  auto fig = std::make_shared<Figure>();
  In in(bytes);
  auto traceNumbers = in.Numbers();
  struct AnimNumber {
    int32_t number, playing, reversed, speed;
  };
  std::vector<AnimNumber> anims(in.Count(16));
  for (auto& a : anims) a = in.Pod<AnimNumber>();
  while (in.ok() && !in.done()) {
    auto e = ReadElement(in, nullptr, 0);
    if (!e) break;
    fig->elements.push_back(std::move(e));
  }
  // The list was renumbered before encoding: numbers are dense and in order.
  NumberIndex index(fig->elements);
  ForEachDeep(fig->elements, [&](Element& e) {
    ForEachReference(e, [&](Element*& ref, int32_t& number) { ref = index.Find(number); });
  });
  ForEachDeep(fig->elements, [](Element& e) {
    if (e.kind == kName && e.parent[0]) e.parent[0]->nameElement = &e;
  });
  for (int32_t n : traceNumbers)
    if (Element* t = index.Find(n)) fig->traces.push_back(t);
  for (const auto& a : anims)
    if (Element* t = index.Find(a.number))
      fig->animations.push_back({t, a.playing, a.reversed, a.speed});
  return fig;
}

}  // namespace velt
