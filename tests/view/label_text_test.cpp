// The texts labels show: numbers with units and names, checker answers, displayed
// expressions, captions, and the drawing writing exactly those texts.
#include "view/label_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "expr/calculation.h"
#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/strings_measures.h"
#include "view/element_box.h"
#include "view/element_text.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

Element* Name(Document& doc, Element* target, std::string text) {
  Element* n = Add(doc, kName, {target});
  n->as<NameExt>()->text = std::move(text);
  return n;
}

// A number element of a given dimension holding a value, as a calculation would.
Element* Number(Document& doc, double value, int32_t dimension) {
  Element* e = Add(doc, kDistancePointPoint, {});
  e->value[0] = value;
  e->attr3 = dimension;
  return e;
}

TEST(NumberText, UnitsByDimensionAndUnit) {
  Document doc;
  Element* area = Number(doc, 12.5, 2);
  Element* angle = Number(doc, 30, 3);
  Element* length = Number(doc, 3, 1);
  Element* plain = Number(doc, -7.125, 0);
  doc.lengthUnit = 1;
  doc.angleUnit = 1;
  EXPECT_EQ(LabelTextOf(doc, *area), "12.50 cm²");
  EXPECT_EQ(LabelTextOf(doc, *angle), "30.00 °");
  EXPECT_EQ(LabelTextOf(doc, *length), "3.00 cm");
  EXPECT_EQ(LabelTextOf(doc, *plain), "-7.13");
  const char* lengths[] = {"3.00 mm", "3.00 cm", "3.00 m", "3.00 km"};
  const char* areas[] = {"12.50 mm²", "12.50 cm²", "12.50 m²", "12.50 km²"};
  for (int u = 0; u < 4; ++u) {
    doc.lengthUnit = u;
    EXPECT_EQ(LabelTextOf(doc, *length), lengths[u]);
    EXPECT_EQ(LabelTextOf(doc, *area), areas[u]);
  }
  doc.lengthUnit = 7;  // a damaged unit code shows no unit
  EXPECT_EQ(LabelTextOf(doc, *length), "3.00");
}

TEST(NumberText, NegativeAnglesInEveryUnit) {
  Document doc;
  Element* angle = Number(doc, 0, 3);
  const double quarter = std::numbers::pi / 2;
  const double values[] = {-quarter, -quarter * 180 / std::numbers::pi,
                           -quarter * 200 / std::numbers::pi};
  const char* texts[] = {"-1.57 rd", "-90.00 °", "-100.00 gr"};
  for (int u = 0; u < 3; ++u) {
    doc.angleUnit = u;
    angle->value[0] = values[u];
    EXPECT_EQ(LabelTextOf(doc, *angle), texts[u]) << u;
  }
  angle->decimals = 0;
  doc.angleUnit = 1;
  angle->value[0] = -0.4;
  EXPECT_EQ(LabelTextOf(doc, *angle), "-0 °");
}

TEST(NumberText, NameInFrontAndNumbersWithoutValue) {
  Document doc;
  Element* d = Number(doc, 3, 1);
  Name(doc, d, "d = ");
  EXPECT_EQ(LabelTextOf(doc, *d), "d = 3.00 cm");
  d->attr1 = -100;
  EXPECT_EQ(LabelTextOf(doc, *d), "d = no existente");
  d->attr1 = 100;
  d->value[0] = std::numeric_limits<double>::infinity();
  EXPECT_EQ(LabelTextOf(doc, *d), "d = no existente");
  // The window's language replaces the built-in texts.
  LanguageTable english;
  english.Set(str::kNotExisting, "undefined");
  english.Set(str::LengthUnitText(1), "centimetres");
  EXPECT_EQ(LabelTextOf(doc, *d, english), "d = undefined");
  d->value[0] = 2;
  EXPECT_EQ(LabelTextOf(doc, *d, english), "d = 2.00 centimetres");
}

TEST(CheckerText, DefaultAnswersAndOwnMessages) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 1, 0), *c = AddPoint(doc, 2, 0);
  Element* aligned = Add(doc, kCheckAligned, {a, b, c});
  Element* equidistant = Add(doc, kCheckEquidistant, {b, a, c});
  RecomputeAll(doc);
  EXPECT_EQ(LabelTextOf(doc, *aligned), "alineados");
  EXPECT_EQ(LabelTextOf(doc, *equidistant), "equidistan");
  c->value[1] = 1;
  RecomputeAll(doc);
  EXPECT_EQ(LabelTextOf(doc, *aligned), "no alineados");
  EXPECT_EQ(LabelTextOf(doc, *equidistant), "no equidistan");
  aligned->as<CheckerExt>()->whenFalse = "not in a row";
  EXPECT_EQ(LabelTextOf(doc, *aligned), "not in a row");
  const char* holds[] = {"paralelos", "perpendicular", "pertenece", "equidistan", "alineados"};
  for (int32_t kind = kCheckParallel; kind <= kCheckAligned; ++kind) {
    Element e;
    e.kind = kind;
    e.ext = CheckerExt{};
    e.attr1 = 1;
    EXPECT_EQ(CheckerText(e, BuiltInLanguage()), holds[kind - kCheckParallel]);
    e.attr1 = 0;
    EXPECT_EQ(CheckerText(e, BuiltInLanguage()), std::string("no ") + holds[kind - kCheckParallel]);
  }
}

TEST(ShortName, TrimsAndDropsAFinalEquals) {
  EXPECT_EQ(ShortName("d = "), "d");
  EXPECT_EQ(ShortName("  side AB=  "), "side AB");
  EXPECT_EQ(ShortName("x=="), "x=");
  EXPECT_EQ(ShortName("   "), "");
  EXPECT_EQ(ShortName("="), "");
}

TEST(DisplayedExpression, NamedLettersAndMiddleDots) {
  Document doc;
  Element* d = Number(doc, 3, 1);
  Element* e = Number(doc, 4, 1);
  Name(doc, d, "d = ");
  Element* calc = AddWithPicks(doc, kCalculation, {d, e});
  ASSERT_TRUE(expr::DefineExpression(*calc, "A*2", 0));
  EXPECT_EQ(DisplayedExpression(*calc), "d·2");
  ASSERT_TRUE(expr::DefineExpression(*calc, " a * b + sqr(A) / 2 ", 0));
  EXPECT_EQ(DisplayedExpression(*calc), "d·b+sqr(d)/2");  // b has no name
  EXPECT_EQ(AutomaticName(*calc), "d·b+sqr(d)/2");
  Name(doc, calc, "total=");
  EXPECT_EQ(AutomaticName(*calc), "total");
  EXPECT_EQ(ElementCaption(*calc, BuiltInLanguage()), "Cálculo total");
  // A function starts with the prefix of its type.
  Element* f = AddWithPicks(doc, kFunction, {d});
  ASSERT_TRUE(expr::DefineExpression(*f, "A*X^2", 1));
  EXPECT_EQ(DisplayedExpression(*f), "y = d·X^2");
  ASSERT_TRUE(expr::DefineExpression(*f, "W/2", 3));
  EXPECT_EQ(DisplayedExpression(*f), "r = W/2");
  EXPECT_EQ(LabelTextOf(doc, *f), "r = W/2");  // an unnamed function shows its expression
}

TEST(ElementCaption, KindNameAndShortName) {
  Document doc;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 3, 4);
  Element* d = Add(doc, kDistancePointPoint, {a, b});
  EXPECT_EQ(ElementCaption(*d, BuiltInLanguage()), "Distancia(punto a punto) ");
  Name(doc, d, " d = ");
  EXPECT_EQ(ElementCaption(*d, BuiltInLanguage()), "Distancia(punto a punto) d");
  Name(doc, a, "A");
  EXPECT_EQ(ElementCaption(*a, BuiltInLanguage()), "Punto Libre A");
}

const DrawCall* TextCall(const std::vector<DrawCall>& calls, const std::string& text) {
  for (const DrawCall& c : calls)
    if (c.op == DrawOp::kText && c.text == text) return &c;
  return nullptr;
}

TEST(LabelDrawing, WritesTheTextsOfMeasuresEquationsAndCoordinates) {
  Document doc;
  doc.viewLeft = -400;
  doc.viewTop = 300;
  doc.viewRight = 624;
  doc.viewBottom = -468;
  doc.measureScale = 40;
  doc.angleUnit = 1;
  Element *a = AddPoint(doc, 0, 0), *b = AddPoint(doc, 120, 160), *c = AddPoint(doc, 200, 0);
  Element* d = Add(doc, kDistancePointPoint, {a, b}, {0, 0, 10, 10});
  Name(doc, d, "d = ");
  Element* angle = Add(doc, kAngleValue, {c, a, b}, {0, 0, 10, 40});
  Element* axes = Add(doc, kAxes, {a});
  Element* circle = Add(doc, kCircleCentrePoint, {a, c});
  Add(doc, kEquationCircle, {circle, axes}, {0, 0, 10, 70});
  Add(doc, kCoordinates, {b, axes}, {0, 0, 10, 100});
  RecomputeAll(doc);
  ASSERT_EQ(angle->exists, 1);
  RecordingCanvas canvas(1024, 768);
  RedrawAll(doc, canvas, DrawOptions{});
  const auto& calls = canvas.Calls();
  EXPECT_TRUE(TextCall(calls, "d = 5.00 cm"));  // 200 world units at 40 per cm
  EXPECT_TRUE(TextCall(calls, "53.13 °"));
  EXPECT_TRUE(TextCall(calls, "x²+y²=5.00²"));
  EXPECT_TRUE(TextCall(calls, "(3.00;4.00)"));
  // With a language of the window, its texts.
  LanguageTable lang;
  lang.Set(str::AngleUnitText(1), "deg");
  DrawOptions opt;
  opt.language = &lang;
  canvas.Reset();
  RedrawAll(doc, canvas, opt);
  EXPECT_TRUE(TextCall(canvas.Calls(), "53.13 deg"));
}

// Each coordinate number of "P(1.00;3.00)" is found where the drawing writes its piece of the
// text: the x number after "P(", the y number after "P(1.00;".
TEST(CoordinatesText, EachNumberIsBoxedInsideItsOwnersText) {
  Document doc;
  doc.viewLeft = -400;
  doc.viewTop = 300;
  doc.viewRight = 624;
  doc.viewBottom = -468;
  Element* origin = AddPoint(doc, 0, 0);
  Element* axes = Add(doc, kAxes, {origin});
  Element* p = AddPoint(doc, 40, 120);
  Element* coords = Add(doc, kCoordinates, {p, axes}, {0, 0, -100, 50});
  Name(doc, coords, "P");
  RecomputeAll(doc);
  const auto pieces = CoordinatesTextOf(*coords);
  ASSERT_TRUE(pieces);
  EXPECT_EQ(pieces->lead, "P(");
  EXPECT_EQ(pieces->x, "1.00");
  EXPECT_EQ(pieces->y, "3.00");
  EXPECT_EQ(pieces->Whole(), "P(1.00;3.00)");
  RecordingCanvas canvas(1024, 768);
  RedrawAll(doc, canvas, DrawOptions{});
  const DrawCall* drawn = TextCall(canvas.Calls(), "P(1.00;3.00)");
  ASSERT_TRUE(drawn);
  const PixelPoint at = drawn->points[0];
  const ViewMapping map = MappingOf(doc);
  const FixedPitchMeasure measure;
  auto inPixels = [&](const WorldRect& r) {
    const PixelPoint tl = WorldToPixel(map, r.left, r.top),
                     br = WorldToPixel(map, r.right, r.bottom);
    return PixelBox{tl.x, tl.y, br.x, br.y};
  };
  const CoordinatesExt& c = *coords->as<CoordinatesExt>();
  const auto whole = ElementBox(doc, *coords, map, measure);
  const auto x = ElementBox(doc, *c.x, map, measure);
  const auto y = ElementBox(doc, *c.y, map, measure);
  ASSERT_TRUE(whole && x && y);
  const int h = measure.Measure("P(1.00;3.00)", drawn->font).height;
  auto width = [&](const char* t) { return measure.Measure(t, drawn->font).width; };
  EXPECT_EQ(inPixels(*whole), (PixelBox{at.x, at.y, at.x + width("P(1.00;3.00)"), at.y + h}));
  EXPECT_EQ(inPixels(*x), (PixelBox{at.x + width("P("), at.y, at.x + width("P(1.00"), at.y + h}));
  EXPECT_EQ(inPixels(*y),
            (PixelBox{at.x + width("P(1.00;"), at.y, at.x + width("P(1.00;3.00"), at.y + h}));
}

}  // namespace
}  // namespace velt
