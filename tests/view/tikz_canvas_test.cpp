// The TikZ picture of a figure: what each drawing call becomes, and a whole document.
#include "view/tikz_canvas.h"

#include <gtest/gtest.h>

#include "support/builders.h"
#include "view/redraw.h"

namespace velt {
namespace {

size_t Count(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = 0; (at = s.find(what, at)) != std::string::npos; at += what.size()) ++n;
  return n;
}

TEST(TikzCanvas, CallsBecomePathsAtPixelCentresWithNamedColours) {
  TikzCanvas c(200, 100);
  c.SetPen({0x0000FF, 3, LineStyle::kSolid});
  c.Line({10, 20}, {30, 40});
  c.SetPen({0x00FF00, 1, LineStyle::kDot});
  c.SetBrush({0xFF0000, false});
  c.Polygon(std::vector<PixelPoint>{{0, 0}, {10, 0}, {0, 10}});
  c.SetPen({0, 1, LineStyle::kNone});
  c.Ellipse({10, 10, 21, 31});  // centre (15.5, 20.5), radii 5 and 10
  const std::string doc = c.Document();
  EXPECT_NE(doc.find("\\definecolor{velt0000FF}{RGB}{255,0,0}"), std::string::npos);
  EXPECT_NE(doc.find("\\definecolor{veltFF0000}{RGB}{0,0,255}"), std::string::npos);
  // Three pixels are 2.25 pt; wide pens have round ends.
  EXPECT_NE(doc.find("\\path[draw=velt0000FF, line width=2.25pt, line cap=round, line "
                     "join=round] (10.5,20.5) -- (30.5,40.5);"),
            std::string::npos);
  EXPECT_NE(doc.find("\\path[fill=veltFF0000, draw=velt00FF00, line width=0.75pt, dash "
                     "pattern=on 0.75pt off 1.5pt] (0.5,0.5) -- (10.5,0.5) -- (0.5,10.5) -- "
                     "cycle;"),
            std::string::npos);
  EXPECT_NE(doc.find("\\path[fill=veltFF0000] (15.5,20.5) ellipse [x radius=5, y radius=10];"),
            std::string::npos);
  // The picture is clipped to its size, between the markers, in a complete document.
  EXPECT_NE(doc.find("\\clip (0,0) rectangle (200,100);"), std::string::npos);
  EXPECT_LT(doc.find("% begin picture"), doc.find("\\begin{tikzpicture}"));
  EXPECT_LT(doc.find("\\end{tikzpicture}"), doc.find("% end picture"));
  EXPECT_EQ(doc.substr(doc.size() - 15), "\\end{document}\n");
}

TEST(TikzCanvas, ArcsTurnTheOtherWayOnceYRunsDown) {
  TikzCanvas c(100, 100);
  c.SetPen({0, 1, LineStyle::kSolid});
  // A quarter circle of radius 10 around (50.5, 50.5), counter-clockwise on the picture from
  // the right (0°) to the top (90°): TikZ angles go from 0 by -90 with y down.
  c.Arc({40, 40, 61, 61}, {60, 50}, {50, 40});
  EXPECT_NE(c.Document().find("(60.5,50.5) arc[start angle=0, delta angle=-90, x radius=10, y "
                              "radius=10];"),
            std::string::npos);
}

TEST(TikzCanvas, TextIsEscapedForTex) {
  EXPECT_EQ(EscapeTex("a_1 & 50% {x} #2 $ ^~\\"),
            "a\\_1 \\& 50\\% \\{x\\} \\#2 \\$ \\textasciicircum{}\\textasciitilde{}"
            "\\textbackslash{}");
  TikzCanvas c(100, 100);
  c.Text({5, 6}, "AB_C", TextFont{"Arial", 12, true}, 0x0000FF, -1);
  EXPECT_NE(c.Document().find("\\node[anchor=north west, inner sep=0pt, text=velt0000FF, "
                              "font=\\fontsize{12}{14.4}\\selectfont\\bfseries] at (5,6) "
                              "{AB\\_C};"),
            std::string::npos);
}

TEST(TikzCanvas, AWholeFigureHoldsEveryElement) {
  Document doc;
  doc.viewLeft = -200;
  doc.viewTop = 150;
  doc.viewRight = 200;
  doc.viewBottom = -150;
  Element* a = test::AddPoint(doc, -100, 0);
  Element* b = test::AddPoint(doc, 100, 0);
  Element* c = test::AddPoint(doc, 0, 100);
  Element* s = test::Add(doc, kSegment, {a, b});
  s->value = {-100, 0, 100, 0};
  Element* circle = test::Add(doc, kCircleCentre, {c});
  circle->value = {0, 100, 0, 130};
  // A line through a and c, drawn across the whole view and cut by the clip.
  Element* line = test::Add(doc, kLineTwoPoints, {a, c});
  line->value = {-100, 0, 0, 100};
  TikzCanvas canvas(400, 300);
  RedrawAll(doc, canvas, DrawOptions{});
  const std::string tex = canvas.Document();
  // Three points (red squares with their outline), the segment, the circle and the line.
  EXPECT_EQ(Count(tex, "\\path[fill=velt0000FF, draw=velt0000FF, line width=0.75pt] ("), 3u);
  EXPECT_NE(tex.find("(100.5,150.5) -- (300.5,150.5)"), std::string::npos);  // the segment
  EXPECT_NE(tex.find("(200.5,50.5) ellipse [x radius=30, y radius=30]"), std::string::npos);
  // The line y = x + 100 leaves the view at pixels (0, 250) and (250, 0).
  EXPECT_NE(tex.find("(0.5,250.5) -- (250.5,0.5)"), std::string::npos);
  EXPECT_EQ(Count(tex, "\\path[draw="), 3u);
}

}  // namespace
}  // namespace velt
