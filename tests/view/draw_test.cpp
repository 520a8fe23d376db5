// What drawing puts into the picture, call by call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/builders.h"
#include "view/pictures.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

constexpr int32_t kRed = 0x0000FF;

// A document whose view puts the world origin at pixel (400, 300) of a 1024 × 768 picture.
struct Fixture {
  Document doc;
  RecordingCanvas canvas{1024, 768};
  DrawOptions opt;
  Fixture() {
    doc.viewLeft = -400;
    doc.viewTop = 300;
    doc.viewRight = 624;
    doc.viewBottom = -468;
    doc.backgroundColour = 0xFFFFFF;
  }
  const std::vector<DrawCall>& Draw() {
    canvas.Reset();
    RedrawAll(doc, canvas, opt);
    return canvas.Calls();
  }
};

Element* Segment(Document& doc, Element* a, Element* b) {
  Element* s = Add(doc, kSegment, {a, b});
  s->value = {a->x(), a->y(), b->x(), b->y()};
  return s;
}

Element* Circle(Document& doc, Element* c, double r) {
  Element* e = Add(doc, kCircleCentre, {c});
  e->value = {c->x(), c->y(), c->x(), c->y() + r};
  return e;
}

// Index of the first call matching the predicate, or -1.
template <class P>
int Find(const std::vector<DrawCall>& calls, P p, int from = 0) {
  for (int i = from; i < static_cast<int>(calls.size()); ++i)
    if (p(calls[i])) return i;
  return -1;
}

bool IsLineIn(const DrawCall& c, int32_t colour) {
  return c.op == DrawOp::kLine && c.pen.colour == colour;
}

TEST(Redraw, ClearsWithTheBackgroundFirst) {
  Fixture f;
  const auto& calls = f.Draw();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0].op, DrawOp::kFillRect);
  EXPECT_EQ(calls[0].colour, 0xFFFFFF);
  EXPECT_EQ(calls[0].box, (PixelBox{0, 0, 1024, 768}));
}

TEST(Redraw, FillsLieUnderOutlinesAndPointsOnTop) {
  Fixture f;
  Element* a = AddPoint(f.doc, 0, 0);
  Element* b = AddPoint(f.doc, 100, 0);
  Segment(f.doc, a, b)->colour = 0x00FF00;
  // The triangle comes after the segment in the list, and is filled.
  Element* c = AddPoint(f.doc, 0, 100);
  Element* tri = test::AddWithPicks(f.doc, kPolygon, {a, b, c});
  tri->attr1 = 0x808080;
  tri->colour = 0x123456;
  for (auto& side : tri->as<PolygonExt>()->sides)
    side->value = {side->parent[0]->x(), side->parent[0]->y(), side->parent[1]->x(),
                   side->parent[1]->y()};
  const auto& calls = f.Draw();
  const int fill = Find(calls, [](const DrawCall& d) { return d.op == DrawOp::kPolygon; });
  const int seg = Find(calls, [](const DrawCall& d) { return IsLineIn(d, 0x00FF00); });
  const int side = Find(calls, [](const DrawCall& d) { return IsLineIn(d, 0x123456); });
  const int point = Find(calls, [](const DrawCall& d) { return d.op == DrawOp::kRectangle; });
  ASSERT_GE(fill, 0);
  ASSERT_GE(seg, 0);
  ASSERT_GE(side, 0);
  ASSERT_GE(point, 0);
  EXPECT_LT(fill, seg);
  EXPECT_EQ(calls[fill].pen.style, LineStyle::kNone);
  EXPECT_EQ(calls[fill].brush.colour, 0x808080);
  EXPECT_EQ(calls[fill].points.size(), 3u);
  // Points after every line, and the polygon sides are drawn in the polygon's colour.
  const int lastLine = [&] {
    int last = -1;
    for (int i = 0; i < int(calls.size()); ++i)
      if (calls[i].op == DrawOp::kLine) last = i;
    return last;
  }();
  EXPECT_GT(point, lastLine);
  // The fill colour is left on the element.
  EXPECT_EQ(tri->attr1, 0x808080);
}

TEST(Redraw, FreePointShapesAtTheirPixel) {
  Fixture f;
  Element* p = AddPoint(f.doc, 10, 20);  // pixel (410, 280)
  p->colour = kRed;
  struct Case {
    int style;
    DrawOp op;
    PixelBox box;
  };
  for (const Case& c : {Case{1, DrawOp::kRectangle, {409, 279, 412, 282}},
                        Case{2, DrawOp::kEllipse, {408, 278, 413, 283}},
                        Case{5, DrawOp::kRectangle, {408, 278, 413, 283}}}) {
    p->style = c.style;
    const auto& calls = f.Draw();
    ASSERT_EQ(calls.size(), 2u) << c.style;
    EXPECT_EQ(calls[1].op, c.op);
    EXPECT_EQ(calls[1].box, c.box);
    EXPECT_EQ(calls[1].pen, (Pen{kRed, 1, LineStyle::kSolid}));
    EXPECT_EQ(calls[1].brush.colour, kRed);
  }
  p->style = 3;  // hollow: filled with the background
  EXPECT_EQ(f.Draw()[1].brush.colour, 0xFFFFFF);
  p->style = 4;  // cross
  const auto& cross = f.Draw();
  ASSERT_EQ(cross.size(), 3u);
  EXPECT_EQ(cross[1].points, (std::vector<PixelPoint>{{408, 278}, {413, 283}}));
  EXPECT_EQ(cross[2].points, (std::vector<PixelPoint>{{408, 282}, {413, 277}}));
  p->style = 6;
  EXPECT_EQ(f.Draw()[1].points, (std::vector<PixelPoint>{{410, 280}, {411, 281}}));
}

TEST(Redraw, PointsFarAwayOrOutsideAreNotDrawn) {
  Fixture f;
  AddPoint(f.doc, 2e10, 0);
  AddPoint(f.doc, -402, 0);  // beyond the one-unit margin
  EXPECT_EQ(f.Draw().size(), 1u);
}

TEST(Redraw, HiddenElementsOnlyWithShowHiddenAndInTheHiddenColour) {
  Fixture f;
  Element* p = AddPoint(f.doc, 0, 0);
  p->visibility = 0;
  p->style = 2;
  EXPECT_EQ(f.Draw().size(), 1u);
  f.opt.showHidden = true;
  const auto& calls = f.Draw();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].op, DrawOp::kEllipse);  // its own shape
  EXPECT_EQ(calls[1].brush.colour, f.doc.hiddenColour);
  // Never-drawn helpers and elements that do not exist stay out either way.
  p->visibility = 100;
  EXPECT_EQ(f.Draw().size(), 1u);
  p->visibility = 1;
  p->exists = 0;
  EXPECT_EQ(f.Draw().size(), 1u);
}

TEST(Redraw, SelectedSegmentGetsAHaloFirst) {
  Fixture f;
  Element* s = Segment(f.doc, AddPoint(f.doc, 0, 0), AddPoint(f.doc, 100, 0));
  for (auto& e : f.doc.elements()) e->visibility = e.get() == s ? 1 : 0;
  s->colour = 0x00AA00;
  s->selected = 1;
  const auto& calls = f.Draw();
  const int halo = Find(calls, [](const DrawCall& d) { return d.op == DrawOp::kLine; });
  ASSERT_GE(halo, 0);
  EXPECT_EQ(calls[halo].pen, (Pen{f.doc.selectionColour, 3, LineStyle::kSolid}));
  const int line = Find(
      calls, [](const DrawCall& d) { return d.op == DrawOp::kLine; }, halo + 1);
  ASSERT_GE(line, 0);
  EXPECT_EQ(calls[line].pen, (Pen{0x00AA00, 1, LineStyle::kSolid}));
  EXPECT_EQ(calls[line].points, (std::vector<PixelPoint>{{400, 300}, {500, 300}}));
  // The end pixel is set explicitly.
  EXPECT_EQ(calls[line + 1].op, DrawOp::kSetPixel);
  EXPECT_EQ(calls[line + 1].points[0], (PixelPoint{500, 300}));
  // Wider styles get a halo two pixels wider; no halo while dragging.
  s->style = 5;
  EXPECT_EQ(f.Draw()[halo].pen.width, 7);
  f.opt.dragging = true;
  EXPECT_EQ(f.Draw()[halo].pen.colour, 0x00AA00);
}

TEST(Redraw, SelectedPointGetsASevenPixelDisc) {
  Fixture f;
  Element* p = AddPoint(f.doc, 0, 0);
  p->style = 2;
  p->selected = 1;
  const auto& calls = f.Draw();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1].box, (PixelBox{397, 297, 404, 304}));
  EXPECT_EQ(calls[1].brush.colour, f.doc.selectionColour);
  EXPECT_EQ(calls[2].box, (PixelBox{398, 298, 403, 303}));
}

TEST(Redraw, LinesAreClippedToTheView) {
  Fixture f;
  Element* line = Add(f.doc, kLineTwoPoints, {});
  line->value = {0, 0, 1, 1};  // y = x
  line->visibility = 1;
  const auto& calls = f.Draw();
  const int i = Find(calls, [](const DrawCall& d) { return d.op == DrawOp::kLine; });
  ASSERT_GE(i, 0);
  // Enters at the bottom-left (x = -400 is below the bottom: y = -400 < -468? no) and
  // leaves at the top (y = 300, x = 300): from (-400, -400) to (300, 300).
  EXPECT_EQ(calls[i].points, (std::vector<PixelPoint>{{0, 700}, {700, 0}}));
  // A ray from the origin towards -x only reaches the left edge.
  Element* ray = Add(f.doc, kRayTwoPoints, {});
  ray->value = {0, 0, -1, 0};
  const auto& more = f.Draw();
  const int r = Find(
      more, [](const DrawCall& d) { return d.op == DrawOp::kLine; }, i + 2);
  ASSERT_GE(r, 0);
  EXPECT_EQ(more[r].points, (std::vector<PixelPoint>{{400, 300}, {0, 300}}));
}

TEST(Redraw, SmallAndHugeCircles) {
  Fixture f;
  Element* c = AddPoint(f.doc, 0, 0);
  c->visibility = 0;
  Element* tiny = Circle(f.doc, c, 0.3);
  const auto& a = f.Draw();
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a[1].op, DrawOp::kSetPixel);
  EXPECT_EQ(a[1].points[0], (PixelPoint{400, 300}));
  tiny->value = {0, 0, 0, 100};
  const auto& b = f.Draw();
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[1].op, DrawOp::kEllipse);
  EXPECT_EQ(b[1].box, (PixelBox{300, 200, 501, 401}));
  EXPECT_TRUE(b[1].brush.hollow);
  // Radius 2e9 with the centre straight below the view: a horizontal line across it.
  tiny->value = {112, -2e9 - 100, 112, -100};
  const auto& d = f.Draw();
  const int line = Find(d, [](const DrawCall& x) { return x.op == DrawOp::kLine; });
  ASSERT_GE(line, 0);
  EXPECT_EQ(d[line].points[0].y, d[line].points[1].y);
  EXPECT_EQ(std::abs(d[line].points[1].x - d[line].points[0].x), 1024);
  // Radius 2e14: nothing at all.
  tiny->value = {112, -2e14 - 100, 112, -100};
  EXPECT_EQ(f.Draw().size(), 1u);
}

TEST(Redraw, LargeCircleIsSampledOnlyWhereTheViewIs) {
  Fixture f;
  Element* c = AddPoint(f.doc, 0, -5000);
  c->visibility = 0;
  Circle(f.doc, c, 5000);  // passes through the origin, radius far above 4000 pixels
  const auto& calls = f.Draw();
  int lines = 0;
  for (const DrawCall& d : calls) {
    EXPECT_NE(d.op, DrawOp::kEllipse);
    if (d.op != DrawOp::kLine) continue;
    ++lines;
    for (PixelPoint p : d.points) {
      // Every piece stays on the circle (within a pixel and a bit of chord sag) and in view.
      const double x = p.x - 400, y = 300 - p.y;
      EXPECT_NEAR(std::hypot(x, y + 5000), 5000, 2.5);
      EXPECT_GE(p.x, 0);
      EXPECT_LE(p.x, 1024);
    }
  }
  EXPECT_GT(lines, 3);
}

TEST(Redraw, ArcsPassThroughTheirMiddlePoint) {
  Fixture f;
  Element* a = AddPoint(f.doc, 100, 0);
  Element* m = AddPoint(f.doc, 0, 100);
  Element* b = AddPoint(f.doc, -100, 0);
  for (Element* e : {a, m, b}) e->visibility = 0;
  Add(f.doc, kArc, {a, m, b});
  auto check = [&](double sign) {
    int lines = 0;
    for (const DrawCall& c : f.Draw()) {
      if (c.op != DrawOp::kLine) continue;
      ++lines;
      for (PixelPoint p : c.points) {
        const double x = p.x - 400, y = 300 - p.y;
        EXPECT_NEAR(std::hypot(x, y), 100, 1.5);
        EXPECT_GE(sign * y, -1);  // on the side of the middle point
      }
    }
    EXPECT_GT(lines, 8);
  };
  check(+1);
  m->value = {0, -100, 0, 0};
  check(-1);
  // A tiny arc is one platform arc, counter-clockwise from its start to its end.
  a->value = {4, 0, 0, 0};
  m->value = {0, 4, 0, 0};
  b->value = {-4, 0, 0, 0};
  const auto& calls = f.Draw();
  const int i = Find(calls, [](const DrawCall& c) { return c.op == DrawOp::kArc; });
  ASSERT_GE(i, 0);
  EXPECT_EQ(calls[i].box, (PixelBox{396, 296, 405, 305}));
  EXPECT_EQ(calls[i].points, (std::vector<PixelPoint>{{404, 300}, {396, 300}}));
  // Aligned points draw nothing.
  m->value = {0, 0, 0, 0};
  EXPECT_EQ(f.Draw().size(), 1u);
}

TEST(Redraw, BitmapsAtTheirAnchorOrStretchedAlongASegment) {
  Fixture f;
  std::string bmp(54, '\0');
  bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40, bmp[18] = 40, bmp[22] = 20;  // 40 × 20
  Element* p = AddPoint(f.doc, 10, 10);
  p->visibility = 0;
  Element* pic = Add(f.doc, kBitmap, {p});
  pic->as<BitmapExt>()->picture.bmp = bmp;
  pic->attr1 = 5;  // the picture's centre at the point (410, 290)
  auto find = [&](DrawOp op) {
    const auto& calls = f.Draw();
    const int i = Find(calls, [&](const DrawCall& c) { return c.op == op; });
    return i >= 0 ? calls[i] : DrawCall{};
  };
  EXPECT_EQ(find(DrawOp::kPicture).points, (std::vector<PixelPoint>{{390, 280}}));
  Element* s = Segment(f.doc, AddPoint(f.doc, 0, 0), AddPoint(f.doc, 100, -50));
  pic->parent[0] = s;
  EXPECT_EQ(find(DrawOp::kStretchPicture).box, (PixelBox{400, 300, 501, 351}));
  // Selected: a frame outside the picture in the selection colour, then the picture.
  pic->selected = 1;
  const auto& calls = f.Draw();
  const int frame = Find(calls, [](const DrawCall& c) { return c.op == DrawOp::kRectangle; });
  ASSERT_GE(frame, 0);
  EXPECT_EQ(calls[frame].pen.colour, f.doc.selectionColour);
  EXPECT_EQ(calls[frame].box, (PixelBox{398, 298, 503, 353}));
}

TEST(Redraw, VectorHeadPointsAlongTheVector) {
  Fixture f;
  Element* v = Add(f.doc, kVector, {});
  v->value = {0, 0, 100, 0};
  const auto& calls = f.Draw();
  const int head = Find(calls, [](const DrawCall& d) { return d.op == DrawOp::kPolygon; });
  ASSERT_GE(head, 0);
  EXPECT_EQ(calls[head].points,
            (std::vector<PixelPoint>{{492, 300}, {488, 304}, {500, 300}, {488, 296}}));
  // No head when the end point is out of view.
  v->value = {0, 0, 2000, 0};
  EXPECT_EQ(Find(f.Draw(), [](const DrawCall& d) { return d.op == DrawOp::kPolygon; }), -1);
}

TEST(Redraw, AngleMarkSpansTheAngleBelowAHalfTurn) {
  Fixture f;
  Element* p = AddPoint(f.doc, 100, 0);
  Element* v = AddPoint(f.doc, 0, 0);
  Element* q = AddPoint(f.doc, 0, -100);
  for (Element* e : {p, v, q}) e->visibility = 0;
  Element* angle = Add(f.doc, kAngleMark, {p, v, q});
  angle->value = {1.5 * M_PI, 0.2, 20, 0};  // counter-clockwise from P to Q: 270 degrees
  const auto& calls = f.Draw();
  const int arc = Find(calls, [](const DrawCall& d) { return d.op == DrawOp::kArc; });
  ASSERT_GE(arc, 0);
  EXPECT_EQ(calls[arc].box, (PixelBox{380, 280, 421, 321}));
  // The arms are exchanged: from the arm towards Q (down) to the arm towards P (right).
  EXPECT_EQ(calls[arc].points, (std::vector<PixelPoint>{{400, 320}, {420, 300}}));
  // With the full range the mark keeps its arms.
  angle->attr2 = -1111;
  EXPECT_EQ(f.Draw()[arc].points, (std::vector<PixelPoint>{{420, 300}, {400, 320}}));
  // A filled angle is a pie in the fill pass with the background as outline.
  angle->attr1 = 0x00FFFF;
  const auto& filled = f.Draw();
  const int pie = Find(filled, [](const DrawCall& d) { return d.op == DrawOp::kPie; });
  ASSERT_GE(pie, 0);
  EXPECT_EQ(filled[pie].brush.colour, 0x00FFFF);
  EXPECT_EQ(filled[pie].pen.colour, 0xFFFFFF);
  EXPECT_LT(pie, Find(filled, [](const DrawCall& d) { return d.op == DrawOp::kArc; }));
}

TEST(Redraw, AxesTicksAndLabels) {
  Fixture f;
  Element* o = AddPoint(f.doc, 0, 0);
  o->visibility = 0;
  Element* axes = Add(f.doc, kAxes, {o});
  axes->as<AxesExt>()->xUnit = 1;
  axes->as<AxesExt>()->yUnit = 25;
  const int32_t tickColour = f.doc.typeColours[kTypeSegment];
  const auto& calls = f.Draw();
  std::vector<DrawCall> xTicks, yTicks, texts;
  for (const DrawCall& d : calls) {
    if (d.op == DrawOp::kText) texts.push_back(d);
    if (d.op != DrawOp::kLine || d.pen.colour != tickColour) continue;
    if (d.points[0].x == d.points[1].x)
      xTicks.push_back(d);
    else
      yTicks.push_back(d);
  }
  // Ticks 50 units apart on x, 2 × 25 = 50 on y; none at the origin.
  ASSERT_GT(xTicks.size(), 10u);
  for (const DrawCall& t : xTicks) {
    EXPECT_EQ((t.points[0].x - 400) % 50, 0);
    EXPECT_NE(t.points[0].x, 400);
    EXPECT_EQ(t.points[0].y, 299);
    EXPECT_EQ(t.points[1].y, 302);
  }
  ASSERT_GT(yTicks.size(), 10u);
  for (const DrawCall& t : yTicks) {
    EXPECT_EQ((t.points[0].y - 300) % 50, 0);
    EXPECT_NE(t.points[0].y, 300);
  }
  // Labels: the step counts, red on a white background.
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "50");
  EXPECT_EQ(texts[0].points[0], (PixelPoint{448, 304}));
  EXPECT_EQ(texts[1].text, "2");
  EXPECT_EQ(texts[1].points[0], (PixelPoint{404, 242}));
  EXPECT_EQ(texts[0].colour, kRed);
  EXPECT_EQ(texts[0].background, -1);
}

TEST(Redraw, ConicLinePairIsTwoFullLines) {
  Fixture f;
  Element* k = Add(f.doc, kConic, {});
  ConicData& d = k->as<ConicExt>()->data;
  d.conicClass = 4;
  d.sx = {-10000, 10000, 0, 0};
  d.sy = {0, 0, -10000, 10000};
  const auto& calls = f.Draw();
  std::vector<DrawCall> lines;
  for (const DrawCall& c : calls)
    if (c.op == DrawOp::kLine) lines.push_back(c);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points, (std::vector<PixelPoint>{{0, 300}, {1024, 300}}));
  EXPECT_EQ(lines[1].points, (std::vector<PixelPoint>{{400, 768}, {400, 0}}));
}

TEST(Redraw, ConicThatIsACircleIsDrawnAsOne) {
  Fixture f;
  Element* k = Add(f.doc, kConic, {});
  ConicData& d = k->as<ConicExt>()->data;
  d.conicClass = 1;
  d.a = 1, d.c = 1, d.f = -2500;  // x² + y² = 50²
  const auto& calls = f.Draw();
  const int e = Find(calls, [](const DrawCall& c) { return c.op == DrawOp::kEllipse; });
  ASSERT_GE(e, 0);
  EXPECT_EQ(calls[e].box, (PixelBox{350, 250, 451, 351}));
}

TEST(Redraw, FlatConicIsDrawnFromTheViewCircle) {
  Fixture f;
  // A hyperbola so wide that it is nearly straight in view: x² - y²/1e-8 ... instead, a
  // parabola y = x² / 1e7 through the view: nearly flat.
  Element* k = Add(f.doc, kConic, {});
  ConicData& d = k->as<ConicExt>()->data;
  d.conicClass = 3;
  d.a = 1e-7, d.e = -1;  // y = 1e-7 x²
  const auto& calls = f.Draw();
  std::vector<DrawCall> lines;
  for (const DrawCall& c : calls)
    if (c.op == DrawOp::kLine) lines.push_back(c);
  // Nine pieces (clipped to the picture), all on the row of y = 0.
  ASSERT_GE(lines.size(), 5u);
  ASSERT_LE(lines.size(), 9u);
  for (const DrawCall& c : lines) {
    EXPECT_EQ(c.points[0].y, 300);
    EXPECT_EQ(c.points[1].y, 300);
  }
}

TEST(Redraw, ConicSamplesAreWalkedLeavingOutFarTails) {
  Fixture f;
  Element* k = Add(f.doc, kConic, {});
  ConicData& d = k->as<ConicExt>()->data;
  d.conicClass = 1;
  d.a = 1, d.c = 4, d.f = -10000;  // x² + 4y² = 100²: inside the view, met by no view circle
  for (int i = 0; i < 120; ++i) {
    const double t = 2 * M_PI * i / 120;
    d.sx.push_back(100 * std::cos(t));
    d.sy.push_back(50 * std::sin(t));
  }
  auto lines = [&] {
    int n = 0;
    for (const DrawCall& c : f.Draw()) n += c.op == DrawOp::kLine;
    return n;
  };
  EXPECT_EQ(lines(), 120);  // 119 chords and the closing one
  d.conicClass = 3;         // an open curve is not closed
  EXPECT_EQ(lines(), 119);
  // A sample in a far tail drops the two chords that touch it.
  d.sx[10] = 8000;
  EXPECT_EQ(lines(), 117);
  // Samples closer than one unit are skipped over: one chord instead of three.
  d.sx[10] = 100 * std::cos(2 * M_PI * 10 / 120);
  d.sx[31] = d.sx[32] = d.sx[30] + 0.5;
  d.sy[31] = d.sy[32] = d.sy[30];
  EXPECT_EQ(lines(), 117);
}

TEST(Redraw, TracesCombineWithAndOnLightBackgrounds) {
  Fixture f;
  Element* p = AddPoint(f.doc, 0, 0);
  f.doc.figure->traces.push_back(p);
  RecordingCanvas trace(1024, 768);
  f.opt.tracePicture = &trace;
  f.opt.addTraces = true;
  f.opt.clientWidth = 800;
  f.opt.clientHeight = 600;
  const auto& calls = f.Draw();
  EXPECT_EQ(f.doc.tracesDrawn, 1);
  ASSERT_EQ(calls.back().op, DrawOp::kCombine);
  EXPECT_EQ(calls.back().mode, CombineMode::kAnd);
  EXPECT_EQ(calls.back().box, (PixelBox{0, 0, 795, 595}));
  // The point was also added to the trace picture.
  EXPECT_EQ(Find(trace.Calls(), [](const DrawCall& d) { return d.op == DrawOp::kRectangle; }), 0);
  f.doc.backgroundColour = 0x202020;
  EXPECT_EQ(f.Draw().back().mode, CombineMode::kOr);
}

TEST(Redraw, LabelsShowTheirTextAndAreSelectedInInverse) {
  Fixture f;
  Element* a = AddPoint(f.doc, 0, 0);
  Element* b = AddPoint(f.doc, 30, 40);
  a->visibility = b->visibility = 0;
  Element* d = Add(f.doc, kDistancePointPoint, {a, b});
  d->value = {3.14159, 0, 100, 50};  // the label's top-left corner at (100, 50)
  d->attr3 = 1;                      // a length, in the document's unit (cm)
  d->colour = 0x112233;
  d->style = -1;
  auto text = [&] {
    const auto& calls = f.Draw();
    const int i = Find(calls, [](const DrawCall& c) { return c.op == DrawOp::kText; });
    EXPECT_GE(i, 0);
    return i >= 0 ? calls[i] : DrawCall{};
  };
  DrawCall t = text();
  EXPECT_EQ(t.text, "3.14 cm");
  EXPECT_EQ(t.points[0], (PixelPoint{500, 250}));
  EXPECT_EQ(t.colour, 0x112233);
  EXPECT_EQ(t.background, -1);
  d->style = 0x00FFFF;  // an opaque background
  EXPECT_EQ(text().background, 0x00FFFF);
  d->selected = 1;
  t = text();
  EXPECT_EQ(t.colour, f.doc.backgroundColour);
  EXPECT_EQ(t.background, f.doc.selectionColour);
  EXPECT_EQ(f.canvas.Calls().size(), 2u);  // drawn once: no halo
}

TEST(Redraw, WildValuesDrawNothingOutsideThePicture) {
  Fixture f;
  const double nan = std::nan(""), inf = INFINITY;
  for (double bad : {nan, inf, -inf, 1e300, -1e18}) {
    Element* p = AddPoint(f.doc, bad, 0);
    Element* q = AddPoint(f.doc, 0, bad);
    for (int kind : {kSegment, kLineTwoPoints, kRayTwoPoints, kVector, kCircleCentrePoint, kArc,
                     kAngleMark, kConic, kAxes, kText, kDistancePointPoint})
      Add(f.doc, kind, {p, q, p})->value = {bad, bad, bad, bad};
    Add(f.doc, kCircleCentre, {p})->value = {0, 0, 0, bad};
  }
  for (auto& e : f.doc.elements())
    if (ConicExt* k = e->as<ConicExt>()) {
      k->data.conicClass = 1;
      k->data.a = nan;
      k->data.sx = {nan, 1e300, 0};
      k->data.sy = {0, nan, inf};
    }
  for (const DrawCall& c : f.Draw()) {
    for (PixelPoint p : c.points) {
      if (c.op == DrawOp::kText) continue;
      EXPECT_LE(std::abs(p.x), 3000) << int(c.op);
      EXPECT_LE(std::abs(p.y), 3000) << int(c.op);
    }
  }
}

TEST(Redraw, UpToStopsBeforeTheGivenElement) {
  Fixture f;
  AddPoint(f.doc, 0, 0);
  Element* second = AddPoint(f.doc, 10, 0);
  f.canvas.Reset();
  RedrawAll(f.doc, f.canvas, f.opt, second);
  EXPECT_EQ(f.canvas.Calls().size(), 2u);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(Pictures, LightBackgroundsByHslLightness) {
  EXPECT_TRUE(IsLightColour(0xFFFFFF));
  EXPECT_TRUE(IsLightColour(0x808080));   // (128 + 128) / 2 / 255 = 0.502
  EXPECT_FALSE(IsLightColour(0x7F7F7F));  // 0.498
  EXPECT_FALSE(IsLightColour(0x0000FF));  // pure red: exactly one half is not light
  EXPECT_TRUE(IsLightColour(0x8080FF));   // (255 + 128) / 2 / 255 = 0.75
  EXPECT_EQ(TraceBackground(0xFFFFC0), 0xFFFFFF);
  EXPECT_EQ(TraceBackground(0x000040), 0x000000);
  EXPECT_EQ(PictureWidth(200), 340);
  EXPECT_EQ(PictureHeight(1080), 1080);
}

}  // namespace
}  // namespace velt
