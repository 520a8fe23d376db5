// Real pixels: documents drawn with the Qt canvas.
#include "qt_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "support/builders.h"
#include "view/redraw.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

constexpr int32_t kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;
constexpr int kW = 400, kH = 300;

// The origin at pixel (200, 150) of a 400 × 300 picture on white.
struct Scene {
  Document doc;
  QtCanvas canvas{kW, kH};
  DrawOptions opt;
  Scene() {
    doc.viewLeft = -200;
    doc.viewTop = 150;
    doc.viewRight = 200;
    doc.viewBottom = -150;
    doc.backgroundColour = kWhite;
  }
  const QImage& Draw() {
    RedrawAll(doc, canvas, opt);
    return canvas.Image();
  }
};

int32_t At(const QImage& img, int x, int y) {
  const QRgb c = img.pixel(x, y);
  return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
}

std::set<std::pair<int, int>> PixelsOf(const QImage& img, int32_t colour) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (At(img, x, y) == colour) out.insert({x, y});
  return out;
}

TEST(QtPixels, RedFreePointColoursItsShapeAndNothingElse) {
  Scene s;
  Element* p = AddPoint(s.doc, 30, -20);  // pixel (230, 170)
  p->colour = kRed;
  p->style = 1;
  const QImage& img = s.Draw();
  std::set<std::pair<int, int>> square;
  for (int x = 229; x <= 231; ++x)
    for (int y = 169; y <= 171; ++y) square.insert({x, y});
  EXPECT_EQ(PixelsOf(img, kRed), square);
  EXPECT_EQ(PixelsOf(img, kWhite).size(), size_t(kW * kH) - 9);

  p->style = 2;  // a disc within its 5 × 5 box, centre and arms covered
  const auto disc = PixelsOf(s.Draw(), kRed);
  EXPECT_GE(disc.size(), 13u);
  for (auto [x, y] : disc) {
    EXPECT_GE(x, 228);
    EXPECT_LE(x, 232);
    EXPECT_GE(y, 168);
    EXPECT_LE(y, 172);
  }
  EXPECT_TRUE(disc.count({230, 170}));
  EXPECT_TRUE(disc.count({228, 170}));
  EXPECT_TRUE(disc.count({232, 170}));
}

TEST(QtPixels, HiddenElementLeavesThePictureUntouchedUnlessShown) {
  Scene s;
  Element* a = AddPoint(s.doc, -100, 0);
  Element* b = AddPoint(s.doc, 100, 0);
  a->visibility = b->visibility = 0;
  Element* seg = Add(s.doc, kSegment, {a, b});
  seg->value = {-100, 0, 100, 0};
  seg->colour = kBlue;
  seg->visibility = 0;
  EXPECT_EQ(PixelsOf(s.Draw(), kWhite).size(), size_t(kW * kH));
  s.opt.showHidden = true;
  const QImage& img = s.Draw();
  EXPECT_EQ(At(img, 200, 150), s.doc.hiddenColour);
  EXPECT_EQ(At(img, 300, 150), s.doc.hiddenColour);  // the explicit end pixel
  EXPECT_EQ(At(img, 200, 149), kWhite);
  EXPECT_TRUE(PixelsOf(img, kBlue).empty());
}

TEST(QtPixels, FillLiesUnderTheSegmentWhateverTheOrder) {
  Scene s;
  Element* a = AddPoint(s.doc, -100, -50);
  Element* b = AddPoint(s.doc, 100, -50);
  Element* c = AddPoint(s.doc, 0, 100);
  for (Element* e : {a, b, c}) e->visibility = 0;
  // A segment across the triangle, listed before it.
  Element* p = AddPoint(s.doc, -150, 0);
  Element* q = AddPoint(s.doc, 150, 0);
  p->visibility = q->visibility = 0;
  Element* seg = Add(s.doc, kSegment, {p, q});
  seg->value = {-150, 0, 150, 0};
  seg->colour = kBlue;
  Element* tri = test::AddWithPicks(s.doc, kPolygon, {a, b, c});
  tri->attr1 = kGreen;
  tri->colour = kBlue;
  const QImage& img = s.Draw();
  EXPECT_EQ(At(img, 200, 150), kBlue);  // the segment crosses the fill
  EXPECT_EQ(At(img, 180, 150), kBlue);
  EXPECT_EQ(At(img, 200, 160), kGreen);  // inside the triangle
  EXPECT_EQ(At(img, 200, 140), kGreen);
  EXPECT_EQ(At(img, 200, 10), kWhite);  // above the apex
}

TEST(QtPixels, PointsLieOverLines) {
  Scene s;
  Element* p = AddPoint(s.doc, 0, 0);
  p->colour = kRed;
  p->style = 5;
  Element* line = Add(s.doc, kLineTwoPoints, {});
  line->value = {-10, 0, 10, 0};
  line->colour = kBlue;
  line->style = 2;  // 3 pixels wide, over the point's pixels
  const QImage& img = s.Draw();
  for (int x = 198; x <= 202; ++x) EXPECT_EQ(At(img, x, 150), kRed) << x;
  EXPECT_EQ(At(img, 100, 150), kBlue);
  EXPECT_EQ(At(img, 100, 151), kBlue);
}

TEST(QtPixels, HugeCircleIsAStraightLineAcrossTheView) {
  Scene s;
  Element* c = AddPoint(s.doc, 0, -1e9 - 40);
  c->visibility = 0;
  Element* circle = Add(s.doc, kCircleCentre, {c});
  circle->value = {0, -1e9 - 40, 0, -40};  // radius 1e9, top of the circle at y = -40
  circle->colour = kBlue;
  // Just above 1e9 the straight path is taken; at 1e9 the arc sampling draws it.
  for (double extra : {0.0, 5.0}) {
    circle->value[1] = -1e9 - 40 - extra;
    c->value[1] = circle->value[1];
    const QImage& img = s.Draw();
    const auto blue = PixelsOf(img, kBlue);
    EXPECT_GE(blue.size(), size_t(kW - 2)) << extra;
    for (auto [x, y] : blue) EXPECT_EQ(y, 190) << extra;  // y = -40 is row 190
    EXPECT_EQ(At(img, 0, 190), kBlue);
    EXPECT_EQ(At(img, kW - 1, 190), kBlue);
  }
}

TEST(QtPixels, TraceCombinesWithoutErasing) {
  QtCanvas main(50, 50), trace(50, 50);
  main.Clear(kWhite);
  main.SetPixel({10, 10}, kBlue);
  trace.Clear(kWhite);
  trace.SetPixel({20, 20}, kRed);
  main.Combine(trace, 45, 45, CombineMode::kAnd);
  const QImage& img = main.Image();
  EXPECT_EQ(At(img, 10, 10), kBlue);
  EXPECT_EQ(At(img, 20, 20), kRed);
  EXPECT_EQ(At(img, 30, 30), kWhite);
}

// The font of the last text is kept for the next ones: a second drawing, one on a new
// painter, and one after another font was used give the pixels QPainter writes for the text
// at its baseline.
TEST(QtCanvasText, KeptFontsDrawTheSamePixels) {
  const TextFont small{"Arial", 10}, bold{"Arial", 14, true};
  auto reference = [](const TextFont& f, const QString& s) {
    QImage img(160, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont q(QString::fromStdString(f.face));
    q.setPixelSize(static_cast<int>(std::lround(f.size * 96.0 / 72.0)));
    q.setBold(f.bold);
    p.setFont(q);
    p.setPen(Qt::black);
    p.drawText(QPoint(5, 5 + QFontMetrics(q).ascent()), s);
    p.end();
    return img;
  };
  for (const auto& [font, text] : {std::pair{small, "d = 3.00 cm"},
                                   {bold, "d = 3.00 cm"},
                                   {small, "x²+y²=5.00²"},
                                   {small, "d = 3.00 cm"}}) {
    QtCanvas canvas(160, 40);
    canvas.Clear(kWhite);
    canvas.Text({5, 5}, text, font, 0, -1);
    canvas.Clear(kWhite);
    canvas.Text({5, 5}, text, font, 0, -1);  // again, with the kept font
    const QImage expected = reference(font, QString::fromUtf8(text));
    EXPECT_EQ(canvas.Image(), expected) << text;
    EXPECT_FALSE(PixelsOf(expected, 0).empty());
  }
  // One canvas, fonts alternating: each text in its own font.
  QtCanvas canvas(160, 40);
  canvas.Clear(kWhite);
  canvas.Text({5, 5}, "A", small, 0, -1);
  canvas.Text({5, 5}, "A", bold, 0, -1);
  canvas.Clear(kWhite);
  canvas.Text({5, 5}, "A", bold, 0, -1);
  EXPECT_EQ(canvas.Image(), reference(bold, "A"));
  canvas.Clear(kWhite);
  canvas.Text({5, 5}, "A", small, 0, -1);
  EXPECT_EQ(canvas.Image(), reference(small, "A"));
}

}  // namespace
}  // namespace velt
