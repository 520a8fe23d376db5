// Figures far away: grids whose origin is out of reach of the view, polygons with far corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/builders.h"
#include "view/axes_grid.h"
#include "view/clip.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

double Area(const std::vector<WorldPoint>& p) {
  double a = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const WorldPoint u = p[i], v = p[(i + 1) % p.size()];
    a += u.x * v.y - v.x * u.y;
  }
  return std::fabs(a) / 2;
}

TEST(FarGrid, ColumnsStartAtTheClipWhateverTheOrigin) {
  const WorldRect clip{-400, 300, 624, -468};
  // Spacing 50 over 1024 × 768: 21 columns (from -400 up to 600) and 16 rows (-450 .. 300
  // excluded) when the origin is near; far away the phase is lost, not the count.
  const std::vector<WorldPoint> near = RectangularGridPoints({0, 0}, 50, 50, clip);
  EXPECT_EQ(near.size(), 21u * 16u);
  for (WorldPoint o : {WorldPoint{1e22, 0}, WorldPoint{0, -3e23}, WorldPoint{-7e25, 9e24}}) {
    const std::vector<WorldPoint> far = RectangularGridPoints(o, 50, 50, clip);
    // 1024 / 50 gives 20 or 21 columns, 768 / 50 gives 15 or 16 rows, by the phase.
    EXPECT_GE(far.size(), 20u * 15u) << o.x << " " << o.y;
    EXPECT_LE(far.size(), 21u * 16u) << o.x << " " << o.y;
    for (WorldPoint p : far) {
      ASSERT_GT(p.x, clip.left - 50);
      ASSERT_LT(p.x, clip.right);
      ASSERT_GT(p.y, clip.bottom - 50);
      ASSERT_LT(p.y, clip.top);
    }
  }
}

TEST(FarGrid, PolarCirclesFarAwayEndInsteadOfLooping) {
  const WorldRect clip{-400, 300, 624, -468};
  // r + 50 rounds back to r near 1e22: the circles are counted, and none reaches the view
  // with a step of its own.
  const std::vector<WorldPoint> far = PolarGridPoints({1e22, 0}, 50, 50, clip, false);
  EXPECT_TRUE(far.empty());
  // An origin 1e6 away still gives the circles across the view: d - H to d + H.
  const std::vector<WorldPoint> mid = PolarGridPoints({1e6, 0}, 50, 50, clip, false);
  ASSERT_FALSE(mid.empty());
  for (WorldPoint p : mid) {
    const double r = std::hypot(p.x - 1e6, p.y);
    ASSERT_GT(r, 1e6 - 2 * 768 - 50);
    ASSERT_LT(r, 1e6 + 2 * 768 + 50);
  }
}

TEST(PolygonClip, KeepsThePartInsideTheRectangle) {
  const WorldRect r{0, 10, 10, 0};
  // A 2 × 2 square around the corner (0, 0): a quarter of it is inside.
  EXPECT_DOUBLE_EQ(Area(ClipPolygon(r, {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}})), 1);
  // The triangle (0,0), (20,0), (0,20) covers the whole square [0,10]² (x + y ≤ 20).
  EXPECT_DOUBLE_EQ(Area(ClipPolygon(r, {{0, 0}, {20, 0}, {0, 20}})), 100);
  // Wholly outside.
  EXPECT_TRUE(ClipPolygon(r, {{20, 20}, {30, 20}, {30, 30}}).empty());
  // A triangle across the top edge: (0,0), (8,0), (4,16), cut at y = 10. The part above
  // is the triangle of height 6 with base 8 · 6 / 16 = 3: 64 - 9 = 55.
  EXPECT_NEAR(Area(ClipPolygon(r, {{0, 0}, {8, 0}, {4, 16}})), 55, 1e-12);
}

TEST(PolygonClip, AFarCornerDoesNotBendTheFill) {
  Document doc;
  doc.viewLeft = -400;
  doc.viewTop = 300;
  doc.viewRight = 624;
  doc.viewBottom = -468;
  Element* a = test::AddPoint(doc, 0, 0);
  Element* b = test::AddPoint(doc, 0, -300);
  Element* c = test::AddPoint(doc, 4e9, -1e9);
  Element* tri = test::AddWithPicks(doc, kPolygon, {a, b, c});
  tri->attr1 = 0x808080;
  for (auto& side : tri->as<PolygonExt>()->sides)
    side->value = {side->parent[0]->x(), side->parent[0]->y(), side->parent[1]->x(),
                   side->parent[1]->y()};
  RecordingCanvas canvas(1024, 768);
  RedrawAll(doc, canvas, DrawOptions{});
  const DrawCall* fill = nullptr;
  for (const DrawCall& call : canvas.Calls())
    if (call.op == DrawOp::kPolygon) fill = &call;
  ASSERT_NE(fill, nullptr);
  // The fill is cut 4 pixels beyond the right edge, at x = 628 (pixel 1028). There the
  // edge A–C (slope -1/4) is at y = -157 (pixel 457) and B–C at y = -300 - 157 = -457
  // (pixel 757). A clamped C would have put A–C at 45 degrees.
  int right = 0;
  for (PixelPoint p : fill->points) {
    EXPECT_LT(std::abs(p.x), 2000);
    EXPECT_LT(std::abs(p.y), 2000);
    right = std::max(right, p.x);
  }
  EXPECT_EQ(right, 1028);
  std::vector<int> ys;
  for (PixelPoint p : fill->points)
    if (p.x == right) ys.push_back(p.y);
  ASSERT_EQ(ys.size(), 2u);
  std::sort(ys.begin(), ys.end());
  EXPECT_NEAR(ys[0], 457, 1);
  EXPECT_NEAR(ys[1], 757, 1);
}

}  // namespace
}  // namespace velt
