#include <gtest/gtest.h>

#include "support/builders.h"
#include "view/draw_context.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"
#include "view/render.h"
#include "view/rich_text.h"
#include "view/svg_canvas.h"

namespace velt {
namespace {

size_t Count(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

TEST(SvgCanvas, WritesADocumentWithTheDrawing) {
  Document doc;
  doc.backgroundColour = 0xFFFFFF;
  Element* a = test::AddPoint(doc, 0, 0);
  a->colour = 0x0000FF;
  Element* s = test::Add(doc, kSegment, {a, a});
  s->value = {-100, 0, 100, 50};
  s->colour = 0x00FF00;
  s->style = 2;
  SvgCanvas svg(800, 600);
  RedrawAll(doc, svg, DrawOptions{});
  const std::string out = svg.Document();
  EXPECT_EQ(out.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"800\" height=\"600\"", 0),
            0u);
  EXPECT_NE(out.find("</svg>"), std::string::npos);
  EXPECT_NE(out.find("fill=\"#ffffff\""), std::string::npos);  // the background
  EXPECT_NE(out.find("stroke=\"#00ff00\" stroke-width=\"3\""), std::string::npos);
  EXPECT_NE(out.find("fill=\"#ff0000\""), std::string::npos);  // the red point
  // Every element carries each attribute once.
  for (size_t at = out.find('<'); at != std::string::npos; at = out.find('<', at + 1)) {
    const std::string tag = out.substr(at, out.find('>', at) - at);
    EXPECT_LE(Count(tag, " stroke-linecap="), 1u) << tag;
    EXPECT_LE(Count(tag, " fill="), 1u) << tag;
  }
}

TEST(SvgCanvas, EscapesTextAndDropsControlBytes) {
  SvgCanvas svg(100, 100);
  svg.Text({1, 1}, "a<b & \"c\"\x01", TextFont{"F&G"}, 0, 0xFFFFFF);
  const std::string out = svg.Document();
  EXPECT_NE(out.find(">a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos);
  EXPECT_NE(out.find("font-family=\"F&amp;G\""), std::string::npos);
  EXPECT_EQ(out.find('\x01'), std::string::npos);
}

TEST(Pictures, SizeFromTheBmpHeaderAndBadHeadersRejected) {
  std::string bmp(54, '\0');
  bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40;
  bmp[18] = 0x20, bmp[19] = 0x01;                                  // width 288
  bmp[22] = char(0xF6), bmp[23] = bmp[24] = bmp[25] = char(0xFF);  // height -10: top-down
  int w = 0, h = 0;
  ASSERT_TRUE(PictureSize(Picture{bmp}, w, h));
  EXPECT_EQ(w, 288);
  EXPECT_EQ(h, 10);
  EXPECT_FALSE(PictureSize(Picture{bmp.substr(0, 20)}, w, h));
  bmp[0] = 'X';
  EXPECT_FALSE(PictureSize(Picture{bmp}, w, h));
}

TEST(Render, PictureSizesAndViews) {
  int w = 0, h = 0;
  EXPECT_TRUE(ParsePictureSize("640x480", w, h));
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
  for (const char* bad : {"640", "x480", "640x", "0x10", "-5x5", "10x10x", "20000x10", "axb"})
    EXPECT_FALSE(ParsePictureSize(bad, w, h)) << bad;
  Document doc;
  doc.viewLeft = -100;
  doc.viewTop = 50;
  SetRenderView(doc, {640, 480, false});
  EXPECT_DOUBLE_EQ(doc.viewRight, 540);  // its own corner, the picture's size
  EXPECT_DOUBLE_EQ(doc.viewBottom, -430);
  SetRenderView(doc, {640, 480, true});
  EXPECT_DOUBLE_EQ(doc.viewLeft, -320);
  EXPECT_DOUBLE_EQ(doc.viewTop, 240);
}

TEST(RichText, LinesAndRunsShareTheCharacters) {
  RecordingCanvas canvas;  // glyphs of size * 2/3 + 1 pixels, lines of size * 4/3 + 2
  TextExt t;
  t.lines = {"abcd", "ef"};
  // The first run covers "abc"; the second "d", the line break (two characters) and "ef".
  t.runs = {{Font{"A", 1, 12}, 3}, {Font{"B", 2, 6}, 5}};
  const RichTextLayout l = LayOutRichText(CanvasMeasure(canvas), t, 96);
  ASSERT_EQ(l.lines.size(), 2u);
  ASSERT_EQ(l.lines[0].pieces.size(), 2u);
  EXPECT_EQ(l.lines[0].pieces[0].text, "abc");
  EXPECT_EQ(l.lines[0].pieces[1].text, "d");
  EXPECT_EQ(l.lines[0].pieces[1].x, 3 * 9);
  EXPECT_EQ(l.lines[0].height, 18);  // the larger font's "Wg"
  ASSERT_EQ(l.lines[1].pieces.size(), 1u);
  EXPECT_EQ(l.lines[1].pieces[0].font.face, "B");
  EXPECT_EQ(l.lines[1].top, 18);
  EXPECT_EQ(l.lines[1].height, 10);
  EXPECT_EQ(l.width, 3 * 9 + 5);
  EXPECT_EQ(l.height, 28);
}

TEST(Thumbnail, DrawsTheWholePlaneScaled) {
  Document doc;
  Element* p = test::AddPoint(doc, 1000, 1000);  // far outside the document's view
  p->style = 1;
  RecordingCanvas thumb(340, 340);
  const DrawContext ctx = ThumbnailContext(doc, thumb, 4000, DrawOptions{});
  DrawDocument(ctx);
  const auto& calls = thumb.Calls();
  ASSERT_EQ(calls.size(), 2u);
  // (1000 + 2000) × 340 / 4000 = 255 on x; (2000 − 1000) × 0.085 = 85 on y.
  EXPECT_EQ(calls[1].box, (PixelBox{254, 84, 257, 87}));
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(Fonts, SizesForA96DpiScreenRoundHalvesTowardsZero) {
  EXPECT_EQ(ScaledFontSize(10, 96), 10);
  EXPECT_EQ(ScaledFontSize(10, 120), 8);           // 8.0
  EXPECT_EQ(ScaledFontSize(11, 120), 9);           // 8.8
  EXPECT_EQ(ScaledFontSize(5, 192), 2);            // 2.5
  EXPECT_EQ(ScaledFontSize(7, 192), 3);            // 3.5
  EXPECT_EQ(ScaledFontSize(-5, 192), -2);          // -2.5
  EXPECT_EQ(ScaledFontSize(13, 192), 6);           // 6.5
  EXPECT_EQ(ScaledFontSize(2000000000, 1), 1000);  // a broken file's size stays drawable
}

}  // namespace
}  // namespace velt
