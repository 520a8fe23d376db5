// Name labels stand at their anchors, and the box of every text-like element is where its
// text is drawn and as large as it is measured.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/strings_measures.h"
#include "view/element_box.h"
#include "view/name_anchor.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

Element* Name(Document& doc, Element* of, const char* text, double dx, double dy) {
  Element* n = Add(doc, kName, {of}, {dx, dy, 0, 0});
  n->as<NameExt>()->text = text;
  return n;
}

void ExpectAt(std::optional<WorldPoint> p, double x, double y) {
  ASSERT_TRUE(p);
  EXPECT_NEAR(p->x, x, 1e-9);
  EXPECT_NEAR(p->y, y, 1e-9);
}

TEST(NameAnchor, EachKindOfElementHasItsPlace) {
  Document doc;
  Element* a = AddPoint(doc, 10, 20);
  Element* b = AddPoint(doc, 110, 20);
  Element* c = AddPoint(doc, 10, 120);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* ray = Add(doc, kRayTwoPoints, {a, b});
  Element* seg = Add(doc, kSegment, {b, c});
  Element* angle = Add(doc, kAngleMark, {b, a, c});
  Element* poly = AddWithPicks(doc, kPolygon, {c, a, b, nullptr});
  Element* circle = Add(doc, kCircleCentrePoint, {a, b});
  RecomputeAll(doc);

  ExpectAt(NameLabelPosition(*Name(doc, a, "A", 5, -7)), 15, 13);
  // An angle is named at its vertex A, not at its value (the angle, pi/2, and its arc factor).
  ExpectAt(NameAnchor(*Name(doc, angle, "alpha", 0, 0)), 10, 20);
  // Lines and rays at the stored fraction of A -> B; a ray stops at its origin, a segment
  // at its ends.
  Element* onLine = Name(doc, line, "g", 0, 0);
  onLine->value[2] = -0.5;
  ExpectAt(NameAnchor(*onLine), -40, 20);
  Element* onRay = Name(doc, ray, "r", 0, 0);
  onRay->value[2] = -0.5;
  ExpectAt(NameAnchor(*onRay), 10, 20);
  Element* onSeg = Name(doc, seg, "s", 0, 0);
  onSeg->value[2] = 0.25;
  ExpectAt(NameAnchor(*onSeg), 85, 45);
  // A polygon at its first vertex, a circle at the point at the stored angle.
  ExpectAt(NameAnchor(*Name(doc, poly, "P", 0, 0)), 10, 120);
  Element* onCircle = Name(doc, circle, "k", 0, 0);
  ExpectAt(NameAnchor(*onCircle), 110, 20);
  onCircle->value[2] = std::numbers::pi / 2;
  ExpectAt(NameAnchor(*onCircle), 10, 120);
}

TEST(NameAnchor, HyperbolaNameStandsOnWhatIsDrawn) {
  Document doc;
  Element* conic =
      AddWithPicks(doc, kConic,
                   {AddPoint(doc, 50, 100), AddPoint(doc, 100, 50), AddPoint(doc, 25, 200),
                    AddPoint(doc, -50, -100), AddPoint(doc, -100, -50)});
  RecomputeAll(doc);
  const auto at = NameAnchor(*Name(doc, conic, "h", 0, 0));
  ASSERT_TRUE(at);
  EXPECT_NEAR(at->x * at->y, 5000, 5);  // on the curve x y = 5000
  EXPECT_LT(std::hypot(at->x, at->y), 7999 * std::sqrt(2.0));
}

TEST(NameAnchor, DraggedLabelFollowsTheFootAndKeepsItsDistance) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 100, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  RecomputeAll(doc);
  Element* n = Name(doc, line, "g", 0, 0);
  ASSERT_TRUE(PlaceNameLabel(*n, {150, 30}, 50));
  EXPECT_NEAR(n->value[2], 1.5, 1e-12);  // the foot (150, 0)
  ExpectAt(NameLabelPosition(*n), 150, 30);
  // Too far: the offset shrinks along its own direction to 50.
  ASSERT_TRUE(PlaceNameLabel(*n, {-20, -80}, 50));
  ExpectAt(NameAnchor(*n), -20, 0);
  ExpectAt(NameLabelPosition(*n), -20, -50);
  // The label moves with its line.
  b->x() = 200;
  RecomputeAll(doc);
  ExpectAt(NameAnchor(*n), -40, 0);
  // A name shown inside its element's text (a number's) has no anchor of its own.
  Element* number = Add(doc, kParameter, {});
  Element* numberName = Name(doc, number, "d = ", 0, 0);
  EXPECT_EQ(numberName->attr1, 0);
  EXPECT_FALSE(NameAnchor(*numberName));
  EXPECT_FALSE(PlaceNameLabel(*numberName, {1, 1}, 50));
}

// A document whose view puts the world origin at pixel (400, 300).
struct Picture {
  Document doc;
  RecordingCanvas canvas{1024, 768};
  Picture() {
    doc.viewLeft = -400;
    doc.viewTop = 300;
    doc.viewRight = 624;
    doc.viewBottom = -468;
  }
  // The first text call drawing `text`.
  std::optional<DrawCall> Drawn(const std::string& text) {
    canvas.Reset();
    RedrawAll(doc, canvas, DrawOptions{});
    for (const DrawCall& c : canvas.Calls())
      if (c.op == DrawOp::kText && c.text == text) return c;
    return std::nullopt;
  }
  std::optional<WorldRect> Box(const Element& e) {
    return ElementBox(doc, e, MappingOf(doc), FixedPitchMeasure());
  }
};

// The box's corners in pixels, as the drawing saw them.
PixelBox InPixels(const Document& doc, const WorldRect& r) {
  const PixelPoint tl = WorldToPixel(MappingOf(doc), r.left, r.top);
  const PixelPoint br = WorldToPixel(MappingOf(doc), r.right, r.bottom);
  return {tl.x, tl.y, br.x, br.y};
}

TEST(ElementBox, LabelsAndNamesAreBoxedWhereTheyAreDrawn) {
  Picture f;
  Element* a = AddPoint(f.doc, 0, 0);
  Element* b = AddPoint(f.doc, 30, 40);
  Element* c = AddPoint(f.doc, 0, 40);
  Element* angle = Add(f.doc, kAngleMark, {b, a, c});
  Element* name = Name(f.doc, angle, "alpha", 12, -6);
  Element* number = Add(f.doc, kParameter, {});
  number->value = {50, 0, -200, 100};
  RecomputeAll(f.doc);

  for (auto [e, text] : {std::pair{name, "alpha"}, std::pair{number, "50.00"}}) {
    const auto drawn = f.Drawn(text);
    ASSERT_TRUE(drawn) << text;
    const auto box = f.Box(*e);
    ASSERT_TRUE(box) << text;
    const TextExtent size = f.canvas.MeasureText(text, drawn->font);
    const PixelPoint at = drawn->points[0];
    EXPECT_EQ(InPixels(f.doc, *box), (PixelBox{at.x, at.y, at.x + size.width, at.y + size.height}))
        << text;
  }
  // The angle's name stands at its vertex (0, 0) moved by (12, -6): pixel (412, 306).
  EXPECT_EQ(f.Drawn("alpha")->points[0], (PixelPoint{412, 306}));
}

TEST(ElementBox, LabelTextsComeFromTheLanguageInUse) {
  Picture f;
  Element* number = Add(f.doc, kParameter, {});
  number->value = {NAN, 0, 0, 0};  // shows the language's "no existente"
  LanguageTable english;
  english.Set(str::kNotExisting, "undefined");
  const auto spanish = f.Box(*number);
  const auto translated =
      ElementBox(f.doc, *number, MappingOf(f.doc), FixedPitchMeasure(), 96, &english);
  ASSERT_TRUE(spanish && translated);
  const TextFont font = ToTextFont(*number->labelFont, 96);
  EXPECT_NEAR(spanish->right - spanish->left,
              FixedPitchMeasure().Measure("no existente", font).width, 1e-9);
  EXPECT_NEAR(translated->right - translated->left,
              FixedPitchMeasure().Measure("undefined", font).width, 1e-9);
}

TEST(ElementBox, TextsButtonsAndBitmaps) {
  Picture f;
  Element* text = Add(f.doc, kText, {});
  TextExt& t = *text->as<TextExt>();
  t.x = 100;
  t.y = 50;
  t.lines = {"first line", "2nd"};
  text->attr1 = 2;
  const auto textBox = f.Box(*text);
  ASSERT_TRUE(textBox);
  const TextExtent line = FixedPitchMeasure().Measure("first line", ToTextFont(t.font, 96));
  EXPECT_EQ(InPixels(f.doc, *textBox),
            (PixelBox{500, 250, 500 + line.width, 250 + 2 * line.height}));

  Element* button = Add(f.doc, kButtonShowHide, {}, {0, 0, -100, -100});
  button->as<ButtonExt>()->caption = "Ver";
  const auto buttonBox = f.Box(*button);
  ASSERT_TRUE(buttonBox);
  const TextExtent caption = FixedPitchMeasure().Measure("Ver", ToTextFont(*button->labelFont, 96));
  EXPECT_EQ(InPixels(f.doc, *buttonBox),
            (PixelBox{300, 400, 300 + caption.width + 12, 400 + caption.height + 6}));

  std::string bmp(54, '\0');
  bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40, bmp[18] = 40, bmp[22] = 20;  // 40 × 20
  Element* p = AddPoint(f.doc, 10, 10);
  Element* pic = Add(f.doc, kBitmap, {p});
  pic->as<BitmapExt>()->picture.bmp = bmp;
  pic->attr1 = 5;  // centred on (10, 10), pixel (410, 290)
  const auto picBox = f.Box(*pic);
  ASSERT_TRUE(picBox);
  EXPECT_EQ(InPixels(f.doc, *picBox), (PixelBox{390, 280, 430, 300}));
  // Elements that are not text-like have no box.
  EXPECT_FALSE(f.Box(*p));
}

}  // namespace
}  // namespace velt
