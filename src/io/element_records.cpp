#include "io/element_records.h"

#include <algorithm>

#include "io/text_encoding.h"

namespace velt {
namespace {

// Limits of the counts that size an extension; larger values mark a malformed file.
constexpr int32_t kMaxSamples = 100000;
constexpr int32_t kMaxListCount = 1 << 20;
constexpr int32_t kMaxLines = 1 << 16;

// What a sub-element record holds: number, three parent numbers and four reals.
constexpr size_t kSubRecordBytes = 4 * 4 + 4 * 8;

Font DefaultLabelFont() { return Font{"Arial", 0xC0C0C0, 10, 0, 0, 0, 0}; }

ElementPtr NewElement(int32_t kind, ReadBudget& budget) {
  return budget.pool ? NewElementOfKind(kind, *budget.pool) : NewElementOfKind(kind);
}

ElementPtr ReadSubElement(ByteReader& r, int32_t kind, Element* owner, ReadBudget& budget) {
  auto s = NewElement(kind, budget);
  s->owner = owner;
  s->number = r.Int32();
  for (auto& n : s->parentNumber) n = r.Int32();
  for (auto& v : s->value) v = r.Real();
  return s;
}

void WriteSubElement(ByteWriter& w, const Element* s) {
  static const Element kEmpty;
  const Element& e = s ? *s : kEmpty;
  w.Int32(e.number);
  for (auto n : e.parentNumber) w.Int32(n);
  for (auto v : e.value) w.Real(v);
}

// ---- reading: the counts before the record and the body, per extension ----------------

struct BodyReader {
  ByteReader& r;
  Element& e;
  int32_t version;
  const Font& textFont;
  ReadBudget& budget;

  // Takes n units from the budget; fails the read when they are not there.
  bool Spend(int64_t n) {
    if (n > budget.units) {
      r.Fail();
      return false;
    }
    budget.units -= n;
    return true;
  }

  void operator()(std::monostate&) {}

  void operator()(PolygonExt& p) {
    const int32_t n = r.Count(kMaxListCount, kSubRecordBytes);
    for (int32_t i = 0; i < n && r.ok(); ++i)
      p.sides.push_back(ReadSubElement(r, kPolygonSide, &e, budget));
  }

  void operator()(SampleExt& s) {
    s.sampleCount = r.Count(kMaxSamples, 0);
    Spend(s.sampleCount);
  }

  void operator()(ExpressionExt& x) {
    const int32_t v = r.Count(kMaxListCount, 4);
    const int32_t c = r.Count(kMaxListCount, 8);
    const int32_t t = r.Count(kMaxListCount, 4);
    x.text = r.String();
    if (!r.ok() ||
        static_cast<size_t>(v) * 4 + static_cast<size_t>(c) * 8 + static_cast<size_t>(t) * 4 >
            r.Remaining()) {
      r.Fail();
      return;
    }
    x.tokens.resize(t);
    for (auto& k : x.tokens) k = r.Int32();
    x.variables.assign(v, nullptr);
    x.variableNumbers.resize(v);
    for (auto& n : x.variableNumbers) n = r.Int32();
    x.table.resize(c);
    for (auto& d : x.table) d = r.Real();
  }

  void operator()(TableExt& t) {
    const int32_t c = r.Count(kMaxListCount, 4);
    const int32_t rows = r.Int32();
    if (!r.ok() || rows < 0 || rows > kTableRows ||
        static_cast<size_t>(c) * (4 + 8 * static_cast<size_t>(rows)) > r.Remaining()) {
      r.Fail();
      return;
    }
    if (!Spend(int64_t{c} * kTableRows)) return;
    t.rows = rows;
    t.columns.assign(c, nullptr);
    t.columnNumbers.resize(c);
    t.grid.assign(static_cast<size_t>(c) * kTableRows, 0.0);
    for (int32_t col = 0; col < c; ++col) {
      t.columnNumbers[col] = r.Int32();
      for (int32_t i = 0; i < rows; ++i)
        t.grid[static_cast<size_t>(col) * kTableRows + i] = r.Real();
    }
  }

  void operator()(AxesExt& a) {
    a.xUnit = r.Real();
    a.yUnit = r.Real();
    a.xAxis = ReadSubElement(r, kAxisX, &e, budget);
    a.yAxis = ReadSubElement(r, kAxisY, &e, budget);
  }

  void operator()(CoordinatesExt& c) {
    c.x = ReadSubElement(r, kCoordinateX, &e, budget);
    c.y = ReadSubElement(r, kCoordinateY, &e, budget);
    for (Element* s : {c.x.get(), c.y.get()}) {
      s->attr1 = 100;
      s->attr3 = 0;
    }
  }

  void operator()(EquationExt& q) {
    if (version >= 300) q.value = r.Real();
    q.text = r.String();
  }

  void operator()(TextExt& t) {
    const int32_t lines = r.Count(kMaxLines, 4);
    const int32_t runs = version >= 400 ? r.Count(kMaxLines, 7 * 4) : 0;
    for (int32_t i = 0; i < lines && r.ok(); ++i) t.lines.push_back(r.String());
    t.font = version > 100 ? r.LabelFont() : textFont;
    for (int32_t i = 0; i < runs && r.ok(); ++i) {
      TextRun run;
      run.font = r.LabelFont();
      run.length = r.Int32();
      t.runs.push_back(std::move(run));
    }
    if (version >= 600) {
      t.x = r.Int32();
      t.y = r.Int32();
      t.third = r.Int32();
    } else {
      t.x = 250;
      t.y = 355;
      t.third = 0;
    }
  }

  void operator()(NameExt& n) {
    n.text = r.String();
    for (auto& v : n.placement) v = r.Real();
  }

  void operator()(CheckerExt& c) {
    c.whenTrue = r.String();
    c.whenFalse = r.String();
  }

  void operator()(ConicExt& c) {
    for (auto& n : c.pointNumbers) n = r.Int32();
  }

  void operator()(ParameterExt& p) {
    p.minimum = r.Real();
    p.maximum = r.Real();
    p.increment = version >= 700 ? r.Real() : 0.01;
  }

  void operator()(ButtonExt& b) {
    const int32_t c = r.Count(kMaxListCount, 8);
    b.caption = r.String();
    if (!r.ok() || static_cast<size_t>(c) * 8 > r.Remaining()) {
      r.Fail();
      return;
    }
    b.targets.assign(c, nullptr);
    b.targetNumbers.resize(c);
    b.states.resize(c);
    for (auto& n : b.targetNumbers) n = r.Int32();
    for (auto& s : b.states) s = r.Int32();
  }

  void operator()(BitmapExt& b) { b.picture = r.ReadPicture(); }

  void operator()(IterationExt& it) {
    const int32_t c = r.Count(kMaxListCount, 4);
    const int32_t w = r.Count(kMaxListCount, 0);
    if (!r.ok() || static_cast<size_t>(c) * 4 + 6 * 4 > r.Remaining()) {
      r.Fail();
      return;
    }
    it.elements.assign(c, nullptr);
    it.elementNumbers.resize(c);
    for (auto& n : it.elementNumbers) n = r.Int32();
    for (auto& s : it.settings) s = r.Int32();
    const int32_t width = it.settings[2];
    if (w == 0) return;  // the width of no rows is only a setting
    // Rows are counted as at least one word each, so that empty rows cannot be used to
    // allocate without bound.
    if (width < 0 || width > kMaxListCount ||
        static_cast<size_t>(w) * static_cast<size_t>(std::max(width, 1)) * 4 > r.Remaining()) {
      r.Fail();
      return;
    }
    it.results.assign(w, std::vector<int32_t>(static_cast<size_t>(width)));
    for (auto& row : it.results)
      for (auto& v : row) v = r.Int32();
  }
};

void ReadTrailer(ByteReader& r, Element& e, int32_t version) {
  e.number = r.Int32();
  for (auto& n : e.parentNumber) n = r.Int32();
  for (auto& v : e.value) v = r.Real();
  e.exists = r.Int32();
  e.visibility = r.Int32();
  e.attr1 = r.Int32();
  e.colour = r.Int32();
  if (version >= 300) {
    e.colourSourceNumber = r.Int32();
    e.colourMode = r.Int32();
  } else {
    e.colourSourceNumber = -1;
    e.colourMode = 0;
  }
  e.style = r.Int32();
  const bool ownsFont = OwnsLabelFont(e.type());
  if (version >= 300) {
    e.attr2 = r.Int32();
    e.attr3 = r.Int32();
    e.decimals = r.Int32();
    if (ownsFont) e.labelFont = r.LabelFont();
  } else {
    e.attr2 = e.type() == kTypeNumber ? -100 : 0;
    e.attr3 = 0;
    e.decimals = 2;
    if (ownsFont) e.labelFont = DefaultLabelFont();
  }
}

// Sub-elements store only their numbers and values; the rest comes from their owner.
void CompleteSubElements(Element& e) {
  ForEachSubElement(e, [&](Element& s) {
    s.owner = &e;
    s.colour = e.colour;
    s.style = e.style;
    s.decimals = e.decimals;
    s.exists = e.exists;
    if (OwnsLabelFont(s.type())) {
      s.style = -1;
      s.labelFont = e.labelFont ? *e.labelFont : DefaultLabelFont();
    }
  });
}

// Files of the first version drew no fills and kept a text's colour in the element.
void ApplyFirstVersionCorrections(Element& e) {
  if (e.kind == kPolygon || e.type() == kTypeCircle) e.attr1 = -1;
  if (auto* t = e.as<TextExt>()) t->font.colour = e.colour;
  if (IsTextLikeType(e.type())) e.style = -1;
}

// Before runs existed, one run in the text's font covered every line and its line break.
void AddSingleRun(TextExt& t) {
  int32_t length = 0;
  for (const auto& line : t.lines) length += static_cast<int32_t>(Utf8Length(line)) + 1;
  t.runs.assign(1, TextRun{t.font, length});
}

// ---- writing ----------------------------------------------------------------------

template <class T>
int32_t Size(const std::vector<T>& v) {
  return static_cast<int32_t>(v.size());
}

struct BodyWriter {
  ByteWriter& w;

  void operator()(const std::monostate&) {}

  void operator()(const PolygonExt& p) {
    w.Int32(Size(p.sides));
    for (const auto& s : p.sides) WriteSubElement(w, s.get());
  }

  void operator()(const SampleExt& s) { w.Int32(std::clamp(s.sampleCount, 0, kMaxSamples)); }

  void operator()(const ExpressionExt& x) {
    w.Int32(Size(x.variableNumbers));
    w.Int32(Size(x.table));
    w.Int32(Size(x.tokens));
    w.String(x.text);
    for (auto k : x.tokens) w.Int32(k);
    for (auto n : x.variableNumbers) w.Int32(n);
    for (auto d : x.table) w.Real(d);
  }

  void operator()(const TableExt& t) {
    const int32_t columns = Size(t.columnNumbers);
    const int32_t rows = std::clamp(t.rows, 0, kTableRows);
    w.Int32(columns);
    w.Int32(rows);
    for (int32_t c = 0; c < columns; ++c) {
      w.Int32(t.columnNumbers[c]);
      for (int32_t i = 0; i < rows; ++i) {
        const size_t at = static_cast<size_t>(c) * kTableRows + i;
        w.Real(at < t.grid.size() ? t.grid[at] : 0.0);
      }
    }
  }

  void operator()(const AxesExt& a) {
    w.Real(a.xUnit);
    w.Real(a.yUnit);
    WriteSubElement(w, a.xAxis.get());
    WriteSubElement(w, a.yAxis.get());
  }

  void operator()(const CoordinatesExt& c) {
    WriteSubElement(w, c.x.get());
    WriteSubElement(w, c.y.get());
  }

  void operator()(const EquationExt& q) {
    w.Real(q.value);
    w.String(q.text);
  }

  void operator()(const TextExt& t) {
    w.Int32(Size(t.lines));
    w.Int32(Size(t.runs));
    for (const auto& line : t.lines) w.String(line);
    w.WriteFont(t.font);
    for (const auto& run : t.runs) {
      w.WriteFont(run.font);
      w.Int32(run.length);
    }
    w.Int32(t.x);
    w.Int32(t.y);
    w.Int32(t.third);
  }

  void operator()(const NameExt& n) {
    w.String(n.text);
    for (auto v : n.placement) w.Real(v);
  }

  void operator()(const CheckerExt& c) {
    w.String(c.whenTrue);
    w.String(c.whenFalse);
  }

  void operator()(const ConicExt& c) {
    for (auto n : c.pointNumbers) w.Int32(n);
  }

  void operator()(const ParameterExt& p) {
    w.Real(p.minimum);
    w.Real(p.maximum);
    w.Real(p.increment);
  }

  void operator()(const ButtonExt& b) {
    w.Int32(Size(b.targetNumbers));
    w.String(b.caption);
    for (auto n : b.targetNumbers) w.Int32(n);
    for (size_t i = 0; i < b.targetNumbers.size(); ++i)
      w.Int32(i < b.states.size() ? b.states[i] : 1);
  }

  void operator()(const BitmapExt& b) { w.WritePicture(b.picture); }

  void operator()(const IterationExt& it) {
    const int32_t width = std::max(it.settings[2], 0);
    // Rows can only be read back when the third setting gives them a width.
    const int32_t rows = it.settings[2] > 0 ? Size(it.results) : 0;
    w.Int32(Size(it.elementNumbers));
    w.Int32(rows);
    for (auto n : it.elementNumbers) w.Int32(n);
    for (auto s : it.settings) w.Int32(s);
    for (int32_t i = 0; i < rows; ++i) {
      const auto& row = it.results[i];
      for (int32_t k = 0; k < width; ++k) w.Int32(k < Size(row) ? row[k] : 0);
    }
  }
};

}  // namespace

ElementPtr ReadElementRecord(ByteReader& r, int32_t kind, int32_t version, const Font& textFont,
                             ReadBudget& budget) {
  if (!IsValidKind(kind)) {
    r.Fail();
    return nullptr;
  }
  auto e = NewElement(kind, budget);
  VisitExtension(*e, BodyReader{r, *e, version, textFont, budget});
  if (!r.ok()) return nullptr;
  ReadTrailer(r, *e, version);
  if (!r.ok()) return nullptr;
  CompleteSubElements(*e);
  if (version <= 100) ApplyFirstVersionCorrections(*e);
  if (auto* t = e->as<TextExt>()) {
    if (version < 400) AddSingleRun(*t);
    e->attr1 = static_cast<int32_t>(t->lines.size());  // the line count, whatever was stored
  }
  return e;
}

void WriteElementRecord(ByteWriter& w, const Element& e) {
  w.Int32(e.kind);
  VisitExtension(e, BodyWriter{w});
  w.Int32(e.number);
  for (auto n : e.parentNumber) w.Int32(n);
  for (auto v : e.value) w.Real(v);
  w.Int32(e.exists);
  w.Int32(e.visibility);
  w.Int32(e.attr1);
  w.Int32(e.colour);
  w.Int32(e.colourSourceNumber);
  w.Int32(e.colourMode);
  w.Int32(e.style);
  w.Int32(e.attr2);
  w.Int32(e.attr3);
  w.Int32(e.decimals);
  if (OwnsLabelFont(e.type())) w.WriteFont(e.labelFont ? *e.labelFont : DefaultLabelFont());
}

}  // namespace velt
