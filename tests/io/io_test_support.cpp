#include "io/io_test_support.h"

#include <bit>
#include <fstream>
#include <random>

#include "model/element_list.h"
#include "support/builders.h"

namespace velt::test {

namespace fs = std::filesystem;

std::unique_ptr<Document> EveryKindDocument() {
  auto doc = std::make_unique<Document>();
  Document& d = *doc;
  d.backgroundColour = 0x102030;
  d.hiddenColour = 0x405060;
  d.selectionColour = 0x708090;
  d.cursorFont = Font{"Courier", 1, 9, 1, 0, 0, 0};
  d.numberFont = Font{"Tahoma", 2, 11, 0, 1, 0, 0};
  d.nameFont = Font{"Verdana", 3, 12, 0, 0, 1, 0};
  d.textFont = Font{"Georgia", 4, 13, 0, 0, 0, 1};
  for (int t = 0; t < kTypeCount; ++t) {
    d.typeColours[t] = 1000 + t;
    d.typeStyles[t] = 1 + t % 6;
  }
  d.lengthUnit = 2;
  d.angleUnit = 1;
  d.measureScale = 37.5;
  d.coordinateSystem = 1;
  d.antiAliased = 1;
  d.viewLeft = -123.25;
  d.viewTop = 456.5;

  Element* a = AddPoint(d, 1, 2);
  Element* b = AddPoint(d, 3, 5);
  Element* c = AddPoint(d, -4, 7);
  // Kinds 0..72 in order, each built on the three points (or on earlier elements).
  for (int32_t kind = 1; kind < kKindCount; ++kind) {
    if (kind == kPolygonSide || kind == kAxisX || kind == kAxisY || kind == kCoordinateX ||
        kind == kCoordinateY)
      continue;  // sub-elements, made by their owners
    ElementTemplate t;
    t.kind = kind;
    t.parent = {a, b, c};
    t.value = {0.5 * kind, -0.25 * kind, 1.0 / kind, kind * 1e10};
    t.attr1 = kind;
    t.picks = {a, b, c, nullptr};
    t.pickStates = {1, 0, 1};
    if (kind == kPolygon) t.parent = {};
    if (kind == kName) t.parent = {a, nullptr, nullptr};
    Element* e = MakeElementFromTemplate(d, t, {});
    e->attr2 = kind * 3;
    e->attr3 = kind % 4;
    e->decimals = kind % 9;
    e->colourMode = kind % 2 ? -1 : 2;
    e->exists = kind % 5 ? 1 : 0;
    e->visibility = kind % 7 ? 1 : 0;
    e->colourSource = kind > 40 ? b : nullptr;
    if (e->labelFont)
      e->labelFont = Font{"Label " + std::to_string(kind), kind, 8 + kind % 5, 1, 1, 0, 1};
    // A file keeps only numbers and values of sub-elements; the rest follows the owner.
    ForEachSubElement(*e, [&](Element& s) {
      s.decimals = e->decimals;
      s.exists = e->exists;
      if (s.labelFont) s.labelFont = e->labelFont;
    });
  }
  Element* axes = nullptr;
  Element* coords = nullptr;
  for (auto& e : d.elements()) {
    if (e->kind == kAxes) axes = e.get();
    if (e->kind == kCoordinates) coords = e.get();
    if (auto* p = e->as<PolygonExt>())
      for (auto& s : p->sides) s->value = {1.5, 2.5, 3.5, 4.5};
    if (auto* x = e->as<AxesExt>()) {
      x->xUnit = 33;
      x->yUnit = 44;
      x->xAxis->value = {0, 0, 1, 0};
    }
    if (auto* s = e->as<SampleExt>()) s->sampleCount = 123;
    if (auto* x = e->as<ExpressionExt>()) {
      x->text = "a·b ± 2 – €";  // characters of the code page beyond ASCII
      x->tokens = {7, -3, 12, 99};
      x->table = {1.25, -2.5, 3.75, 1e-300};
    }
    if (auto* t = e->as<TableExt>()) {
      t->rows = 3;
      for (size_t i = 0; i < t->grid.size(); ++i) t->grid[i] = (i % kTableRows) < 3 ? i * 0.5 : 0.0;
    }
    if (auto* q = e->as<EquationExt>()) {
      q->value = 2.75;
      q->text = "x² + y² = 4";
    }
    if (auto* t = e->as<TextExt>()) {
      t->lines = {"Primera línea", "", "Tercera «línea»"};
      e->attr1 = 3;
      t->font = Font{"Times", 0xFF, 14, 1, 0, 0, 0};
      t->runs = {TextRun{Font{"Times", 0xFF, 14, 1, 0, 0, 0}, 8},
                 TextRun{Font{"Arial", 0xFF00, 10, 0, 1, 1, 0}, 23}};
    }
    if (auto* n = e->as<NameExt>()) {
      n->text = "Å";
      n->placement = {12, -7, 0.25, 1};
    }
    if (auto* k = e->as<CheckerExt>()) {
      k->whenTrue = "Sí";
      k->whenFalse = "No";
    }
    if (auto* p = e->as<ParameterExt>()) p->increment = 0.125;
    if (auto* bt = e->as<ButtonExt>()) bt->caption = "Botón ñ";
    if (auto* bm = e->as<BitmapExt>()) {
      bm->picture.bmp = std::string("BM\x00\x01\xff\x7f", 6);
      for (int i = 0; i < 100000; ++i) bm->picture.bmp.push_back(static_cast<char>(i * 7));
    }
    if (auto* it = e->as<IterationExt>()) {
      it->settings = {1, 2, 3, 4, 5, 6};
      it->results = {{1, 2, 3}, {4, 5, 6}};
    }
  }
  // Elements built on sub-elements: a point on the first side, a line on the x axis.
  Element* poly = nullptr;
  for (auto& e : d.elements())
    if (e->kind == kPolygon) poly = e.get();
  Add(d, kPointOnElement, {poly->as<PolygonExt>()->sides[1].get()}, {2, 3, 0, 0.5});
  Add(d, kParallel, {c, axes->as<AxesExt>()->xAxis.get()});
  Add(d, kCalculation, {coords->as<CoordinatesExt>()->y.get()});

  d.figure->traces = {a, c};
  d.figure->animations = {Animation{b, 1, 0, 15}, Animation{c, 0, 1, 40}};

  for (int m = 0; m < 2; ++m) {
    Macro macro;
    macro.header.parameters = {0, 5};
    macro.header.name = m ? "Mediatriz" : "Circunferencia por tres";
    macro.header.description = {"Toma dos puntos", "y dibuja"};
    if (m) macro.header.description.clear();
    auto p = NewElementOfKind(kMidpoint);
    p->number = 3;
    p->parentNumber = {1, 2, -1};
    p->value = {1, 2, 3, 4};
    macro.elements.push_back(std::move(p));
    auto text = NewElementOfKind(kText);
    text->as<TextExt>()->lines = {"macro"};
    text->attr1 = 1;
    text->style = -1;
    macro.elements.push_back(std::move(text));
    d.macros.push_back(std::move(macro));
  }
  Renumber(d.elements());
  StoreReferenceNumbers(d.elements());
  return doc;
}

void ExpectSameElement(const Element& a, const Element& b) {
  SCOPED_TRACE("element " + std::to_string(a.number) + " of kind " + std::to_string(a.kind));
  EXPECT_EQ(a.kind, b.kind);
  EXPECT_EQ(a.number, b.number);
  EXPECT_EQ(a.parentNumber, b.parentNumber);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(a.parent[i] ? a.parent[i]->number : -1, b.parent[i] ? b.parent[i]->number : -1);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(std::bit_cast<uint64_t>(a.value[i]), std::bit_cast<uint64_t>(b.value[i]));
  EXPECT_EQ(a.exists, b.exists);
  EXPECT_EQ(a.visibility, b.visibility);
  EXPECT_EQ(a.attr1, b.attr1);
  EXPECT_EQ(a.attr2, b.attr2);
  EXPECT_EQ(a.attr3, b.attr3);
  EXPECT_EQ(a.decimals, b.decimals);
  EXPECT_EQ(a.colour, b.colour);
  EXPECT_EQ(a.style, b.style);
  EXPECT_EQ(a.colourSourceNumber, b.colourSourceNumber);
  EXPECT_EQ(a.colourSource ? a.colourSource->number : -1,
            b.colourSource ? b.colourSource->number : -1);
  EXPECT_EQ(a.colourMode, b.colourMode);
  EXPECT_EQ(a.labelFont, b.labelFont);
  EXPECT_EQ(a.owner ? a.owner->number : -1, b.owner ? b.owner->number : -1);
  EXPECT_EQ(a.nameElement ? a.nameElement->number : -1, b.nameElement ? b.nameElement->number : -1);
  ASSERT_EQ(a.ext.index(), b.ext.index());
  if (auto* x = a.as<PolygonExt>()) {
    ASSERT_EQ(x->sides.size(), b.as<PolygonExt>()->sides.size());
    for (size_t i = 0; i < x->sides.size(); ++i)
      ExpectSameElement(*x->sides[i], *b.as<PolygonExt>()->sides[i]);
  } else if (auto* x = a.as<SampleExt>()) {
    EXPECT_EQ(x->sampleCount, b.as<SampleExt>()->sampleCount);
  } else if (auto* x = a.as<ExpressionExt>()) {
    auto* y = b.as<ExpressionExt>();
    EXPECT_EQ(x->text, y->text);
    EXPECT_EQ(x->tokens, y->tokens);
    EXPECT_EQ(x->table, y->table);
    EXPECT_EQ(x->variableNumbers, y->variableNumbers);
    EXPECT_EQ(x->variables.size(), y->variables.size());
  } else if (auto* x = a.as<TableExt>()) {
    auto* y = b.as<TableExt>();
    EXPECT_EQ(x->rows, y->rows);
    EXPECT_EQ(x->columnNumbers, y->columnNumbers);
    EXPECT_EQ(x->grid, y->grid);
  } else if (auto* x = a.as<AxesExt>()) {
    auto* y = b.as<AxesExt>();
    EXPECT_EQ(x->xUnit, y->xUnit);
    EXPECT_EQ(x->yUnit, y->yUnit);
    ExpectSameElement(*x->xAxis, *y->xAxis);
    ExpectSameElement(*x->yAxis, *y->yAxis);
  } else if (auto* x = a.as<CoordinatesExt>()) {
    ExpectSameElement(*x->x, *b.as<CoordinatesExt>()->x);
    ExpectSameElement(*x->y, *b.as<CoordinatesExt>()->y);
  } else if (auto* x = a.as<EquationExt>()) {
    EXPECT_EQ(x->value, b.as<EquationExt>()->value);
    EXPECT_EQ(x->text, b.as<EquationExt>()->text);
  } else if (auto* x = a.as<TextExt>()) {
    auto* y = b.as<TextExt>();
    EXPECT_EQ(x->lines, y->lines);
    EXPECT_EQ(x->font, y->font);
    ASSERT_EQ(x->runs.size(), y->runs.size());
    for (size_t i = 0; i < x->runs.size(); ++i) {
      EXPECT_EQ(x->runs[i].font, y->runs[i].font);
      EXPECT_EQ(x->runs[i].length, y->runs[i].length);
    }
    EXPECT_EQ(x->x, y->x);
    EXPECT_EQ(x->y, y->y);
    EXPECT_EQ(x->third, y->third);
  } else if (auto* x = a.as<NameExt>()) {
    EXPECT_EQ(x->text, b.as<NameExt>()->text);
    EXPECT_EQ(x->placement, b.as<NameExt>()->placement);
  } else if (auto* x = a.as<CheckerExt>()) {
    EXPECT_EQ(x->whenTrue, b.as<CheckerExt>()->whenTrue);
    EXPECT_EQ(x->whenFalse, b.as<CheckerExt>()->whenFalse);
  } else if (auto* x = a.as<ConicExt>()) {
    EXPECT_EQ(x->pointNumbers, b.as<ConicExt>()->pointNumbers);
  } else if (auto* x = a.as<ParameterExt>()) {
    auto* y = b.as<ParameterExt>();
    EXPECT_EQ(x->minimum, y->minimum);
    EXPECT_EQ(x->maximum, y->maximum);
    EXPECT_EQ(x->increment, y->increment);
  } else if (auto* x = a.as<ButtonExt>()) {
    auto* y = b.as<ButtonExt>();
    EXPECT_EQ(x->caption, y->caption);
    EXPECT_EQ(x->targetNumbers, y->targetNumbers);
    EXPECT_EQ(x->states, y->states);
  } else if (auto* x = a.as<BitmapExt>()) {
    EXPECT_EQ(x->picture, b.as<BitmapExt>()->picture);
  } else if (auto* x = a.as<IterationExt>()) {
    auto* y = b.as<IterationExt>();
    EXPECT_EQ(x->elementNumbers, y->elementNumbers);
    EXPECT_EQ(x->settings, y->settings);
    EXPECT_EQ(x->results, y->results);
  }
}

void ExpectSameList(const ElementList& a, const ElementList& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) ExpectSameElement(*a[i], *b[i]);
}

void ExpectSameDocument(const Document& a, const Document& b) {
  EXPECT_EQ(a.backgroundColour, b.backgroundColour);
  EXPECT_EQ(a.hiddenColour, b.hiddenColour);
  EXPECT_EQ(a.selectionColour, b.selectionColour);
  EXPECT_EQ(a.cursorFont, b.cursorFont);
  EXPECT_EQ(a.numberFont, b.numberFont);
  EXPECT_EQ(a.nameFont, b.nameFont);
  EXPECT_EQ(a.textFont, b.textFont);
  EXPECT_EQ(a.lengthUnit, b.lengthUnit);
  EXPECT_EQ(a.angleUnit, b.angleUnit);
  EXPECT_EQ(a.measureScale, b.measureScale);
  EXPECT_EQ(a.coordinateSystem, b.coordinateSystem);
  EXPECT_EQ(a.antiAliased, b.antiAliased);
  EXPECT_EQ(a.viewLeft, b.viewLeft);
  EXPECT_EQ(a.viewTop, b.viewTop);
  ExpectSameList(a.elements(), b.elements());
  auto numbers = [](const std::vector<Element*>& v) {
    std::vector<int32_t> out;
    for (auto* e : v) out.push_back(e ? e->number : -1);
    return out;
  };
  EXPECT_EQ(numbers(a.figure->traces), numbers(b.figure->traces));
  ASSERT_EQ(a.figure->animations.size(), b.figure->animations.size());
  for (size_t i = 0; i < a.figure->animations.size(); ++i) {
    const Animation &x = a.figure->animations[i], &y = b.figure->animations[i];
    EXPECT_EQ(x.element->number, y.element->number);
    EXPECT_EQ(x.playing, y.playing);
    EXPECT_EQ(x.reversed, y.reversed);
    EXPECT_EQ(x.speed, y.speed);
  }
  ASSERT_EQ(a.macros.size(), b.macros.size());
  for (size_t i = 0; i < a.macros.size(); ++i) {
    EXPECT_EQ(a.macros[i].header.parameters, b.macros[i].header.parameters);
    EXPECT_EQ(a.macros[i].header.name, b.macros[i].header.name);
    EXPECT_EQ(a.macros[i].header.description, b.macros[i].header.description);
    ExpectSameList(a.macros[i].elements, b.macros[i].elements);
  }
}

ScratchFolder::ScratchFolder() {
  std::random_device r;
  path_ = fs::temp_directory_path() / ("velt-io-test-" + std::to_string(r()));
  fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace velt::test
