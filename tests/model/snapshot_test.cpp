#include "model/snapshot.h"

#include <gtest/gtest.h>

#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

TEST(Snapshot, EveryExtensionSurvivesTheRoundTrip) {
  Document doc;
  Element* a = AddPoint(doc, 1.5, -2.25);
  Element* b = AddPoint(doc, 3, 4);
  Element* c = AddPoint(doc, -1, 7);
  Element* poly = AddWithPicks(doc, kPolygon, {a, b, c});
  poly->as<PolygonExt>()->sides[1]->colour = 0x112233;
  Element* axes = Add(doc, kAxes, {a});
  axes->as<AxesExt>()->yUnit = 25;
  Element* coords = Add(doc, kCoordinates, {b});
  Element* calc = AddWithPicks(doc, kCalculation, {a, b});
  auto& x = *calc->as<ExpressionExt>();
  x.text = "A+B*2";
  x.tokens = {1, 2, 3};
  x.table = {0.5, 2.0};
  Element* table = AddWithPicks(doc, kTable, {calc});
  table->as<TableExt>()->grid[3] = 9.75;
  Element* text = Add(doc, kText, {});
  auto& t = *text->as<TextExt>();
  t.lines = {"línea uno", "dos"};
  t.runs = {{Font{"Courier", 5, 9, 1, 0, 1, 0}, 4}, {Font{}, 9}};
  Element* name = Add(doc, kName, {b});
  name->as<NameExt>()->text = "B";
  name->as<NameExt>()->placement = {4, -6, 0.25, 1};
  Element* check = Add(doc, kCheckOn, {a, poly->as<PolygonExt>()->sides[0].get()});
  check->as<CheckerExt>()->whenTrue = "sí";
  Element* conic = AddWithPicks(doc, kConic, {a, b, c, a, b});
  Element* param = Add(doc, kParameter, {});
  param->as<ParameterExt>()->increment = 0.5;
  Element* button = AddWithPicks(doc, kButtonShowHide, {a, c});
  button->as<ButtonExt>()->states = {0, 1};
  Element* bitmap = Add(doc, kBitmap, {});
  bitmap->as<BitmapExt>()->picture.bmp = std::string("BM\0\1\2", 5);
  Element* iter = AddWithPicks(doc, kIteration, {a, b});
  iter->as<IterationExt>()->settings = {1, 2, 3, 4, 5, 6};
  iter->as<IterationExt>()->results = {{1, 2}, {3}};
  Element* eq = Add(doc, kEquationLine, {a});
  eq->as<EquationExt>()->text = "y = 2x";
  Element* locus = Add(doc, kLocus, {a, b});
  locus->as<SampleExt>()->sampleCount = 80;
  calc->colourSource = table;  // a colour source that comes later
  calc->labelFont->bold = 1;
  doc.figure->traces = {b, poly->as<PolygonExt>()->sides[2].get()};
  doc.figure->animations = {{c, 0, 1, 30}};

  const std::string bytes = EncodeFigure(*doc.figure);
  auto fig = DecodeFigure(bytes);
  ASSERT_EQ(fig->elements.size(), doc.elements().size());
  for (size_t i = 0; i < fig->elements.size(); ++i) {
    const Element& o = *doc.elements()[i];
    const Element& n = *fig->elements[i];
    EXPECT_EQ(n.kind, o.kind);
    EXPECT_EQ(n.number, o.number);
    EXPECT_EQ(n.value, o.value);
    EXPECT_EQ(n.colour, o.colour);
    EXPECT_EQ(n.labelFont, o.labelFont);
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(n.parent[k] ? n.parent[k]->number : -1, o.parent[k] ? o.parent[k]->number : -1);
  }
  auto at = [&](const Element* e) { return fig->elements[IndexOf(doc.elements(), e)].get(); };
  Element* npoly = at(poly);
  ASSERT_EQ(npoly->as<PolygonExt>()->sides.size(), 3u);
  EXPECT_EQ(npoly->as<PolygonExt>()->sides[1]->colour, 0x112233);
  EXPECT_EQ(npoly->as<PolygonExt>()->sides[1]->owner, npoly);
  EXPECT_EQ(npoly->as<PolygonExt>()->sides[2]->parent[1], at(a));
  EXPECT_EQ(at(axes)->as<AxesExt>()->yUnit, 25);
  EXPECT_EQ(at(axes)->as<AxesExt>()->yAxis->parent[1], at(axes));
  EXPECT_EQ(at(coords)->as<CoordinatesExt>()->y->attr1, 100);
  EXPECT_EQ(at(calc)->as<ExpressionExt>()->text, "A+B*2");
  EXPECT_EQ(at(calc)->as<ExpressionExt>()->variables[1], at(b));
  EXPECT_EQ(at(calc)->as<ExpressionExt>()->table, x.table);
  EXPECT_EQ(at(calc)->colourSource, at(table));
  EXPECT_EQ(at(table)->as<TableExt>()->grid[3], 9.75);
  EXPECT_EQ(at(table)->as<TableExt>()->columns[0], at(calc));
  EXPECT_EQ(at(text)->as<TextExt>()->lines, t.lines);
  EXPECT_EQ(at(text)->as<TextExt>()->runs[0].font.face, "Courier");
  EXPECT_EQ(at(text)->as<TextExt>()->runs[1].length, 9);
  EXPECT_EQ(at(b)->nameElement, at(name));
  EXPECT_EQ(at(name)->as<NameExt>()->placement, (std::array<double, 4>{4, -6, 0.25, 1}));
  EXPECT_EQ(at(check)->parent[1], npoly->as<PolygonExt>()->sides[0].get());
  EXPECT_EQ(at(check)->as<CheckerExt>()->whenTrue, "sí");
  EXPECT_EQ(at(conic)->as<ConicExt>()->points[3], at(a));
  EXPECT_EQ(at(param)->as<ParameterExt>()->increment, 0.5);
  EXPECT_EQ(at(button)->as<ButtonExt>()->targets[1], at(c));
  EXPECT_EQ(at(button)->as<ButtonExt>()->states, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(at(bitmap)->as<BitmapExt>()->picture.bmp.size(), 5u);
  EXPECT_EQ(at(iter)->as<IterationExt>()->settings[5], 6);
  EXPECT_EQ(at(iter)->as<IterationExt>()->results[1], (std::vector<int32_t>{3}));
  EXPECT_EQ(at(eq)->as<EquationExt>()->text, "y = 2x");
  EXPECT_EQ(at(locus)->as<SampleExt>()->sampleCount, 80);
  ASSERT_EQ(fig->traces.size(), 2u);
  EXPECT_EQ(fig->traces[1], npoly->as<PolygonExt>()->sides[2].get());
  ASSERT_EQ(fig->animations.size(), 1u);
  EXPECT_EQ(fig->animations[0].element, at(c));
  EXPECT_EQ(fig->animations[0].speed, 30);
}

TEST(Snapshot, DamagedBytesGiveAShorterFigureNotACrash) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  AddWithPicks(doc, kPolygon, {a, a, a});
  std::string bytes = EncodeFigure(*doc.figure);
  for (size_t cut = 0; cut < bytes.size(); cut += 7) {
    auto fig = DecodeFigure(bytes.substr(0, cut));
    EXPECT_LE(fig->elements.size(), 2u);
  }
  EXPECT_TRUE(DecodeFigure("").get()->elements.empty());
}

}  // namespace
}  // namespace velt
