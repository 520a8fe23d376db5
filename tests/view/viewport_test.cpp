#include "view/viewport.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/document.h"
#include "view/axes_grid.h"

namespace velt {
namespace {

ViewState Window800x600() {
  ViewState v;
  v.screenWidth = 1280;
  v.screenHeight = 1024;
  v.clientWidth = 800;
  v.clientHeight = 600;
  v.SetPlaneSize(4000);
  return v;
}

TEST(Viewport, NewDocumentIsCentredOnTheOrigin) {
  Document doc;
  ViewState v = Window800x600();
  CentreView(doc, v);
  EXPECT_DOUBLE_EQ(doc.viewLeft, -400);
  EXPECT_DOUBLE_EQ(doc.viewTop, 300);
  // The rectangle spans the screen, not the window.
  EXPECT_DOUBLE_EQ(doc.viewRight, -400 + 1280);
  EXPECT_DOUBLE_EQ(doc.viewBottom, 300 - 1024);
  EXPECT_EQ(WorldToPixel(MappingOf(doc), 0, 0), (PixelPoint{400, 300}));
  // y grows upwards on the plane and downwards on the picture.
  EXPECT_EQ(WorldToPixel(MappingOf(doc), 10, 20), (PixelPoint{410, 280}));
  // The visible edges follow the rectangle: bottom, top, left, right.
  EXPECT_DOUBLE_EQ(v.visibleEdges[0].a.y, 300 - 1024);
  EXPECT_DOUBLE_EQ(v.visibleEdges[1].a.y, 300);
  EXPECT_DOUBLE_EQ(v.visibleEdges[2].a.x, -400);
  EXPECT_DOUBLE_EQ(v.visibleEdges[3].a.x, 880);
}

TEST(Viewport, RoundingSendsHalvesUpAndFarPointsAway) {
  const ViewMapping m{0, 0, 1};
  EXPECT_EQ(WorldToPixel(m, 2.5, -2.5), (PixelPoint{3, 3}));
  EXPECT_EQ(WorldToPixel(m, -2.5, 2.5), (PixelPoint{-2, -2}));  // floor(-2.5 + 0.5)
  EXPECT_EQ(WorldToPixel(m, -2.6, 0), (PixelPoint{-3, 0}));
  EXPECT_EQ(WorldToPixel(m, 2e10, 0), (PixelPoint{kFarPixel, kFarPixel}));
  EXPECT_EQ(WorldToPixel(m, 0, -2e10), (PixelPoint{kFarPixel, kFarPixel}));
  EXPECT_DOUBLE_EQ(WorldToPixelExact(m, 2e10, 0).x, 999999.0);
  EXPECT_DOUBLE_EQ(WorldToPixelExact(m, 1.25, 0).x, 1.25);
  // A scaled view (the thumbnail) maps and maps back.
  const ViewMapping t{-2000, 2000, 0.085};
  const PixelPointF p = WorldToPixelExact(t, 100, -300);
  EXPECT_DOUBLE_EQ(p.x, 2100 * 0.085);
  EXPECT_DOUBLE_EQ(p.y, 2300 * 0.085);
  const WorldPoint back = PixelToWorld(t, p.x, p.y);
  EXPECT_NEAR(back.x, 100, 1e-9);
  EXPECT_NEAR(back.y, -300, 1e-9);
}

TEST(Viewport, PointVisibleHasAOneUnitMargin) {
  const WorldRect r{-400, 300, 400, -300};
  EXPECT_TRUE(PointVisible(r, -400.5, 0));
  EXPECT_FALSE(PointVisible(r, -401, 0));
  EXPECT_TRUE(PointVisible(r, 0, 300.99));
  EXPECT_FALSE(PointVisible(r, 0, 301));
  EXPECT_FALSE(PointVisible(r, 2e10, 0));
}

TEST(Viewport, PlaneSizeBounds) {
  EXPECT_DOUBLE_EQ(PlaneSizeMin(1280, 1024), 1281);
  EXPECT_DOUBLE_EQ(PlaneSizeMax(1280, 1024), 11281);
  EXPECT_DOUBLE_EQ(PlaneSizeMin(640, 480), 1000);
  EXPECT_DOUBLE_EQ(DefaultPlaneSize(1280, 1024), 4000);
  EXPECT_DOUBLE_EQ(DefaultPlaneSize(3840, 2160), 4841);
  ViewState v = Window800x600();
  v.SetPlaneSize(500);
  EXPECT_DOUBLE_EQ(v.planeSize, 1281);
  EXPECT_DOUBLE_EQ(v.planeEdges[3].a.x, 640.5);  // right edge at +size/2
  EXPECT_DOUBLE_EQ(v.planeEdges[0].a.y, -640.5);
}

TEST(Viewport, ScrollBarEndsShowThePlaneCorners) {
  Document doc;
  ViewState v = Window800x600();  // plane 4000: from -2000 to 2000
  ScrollHorizontal(doc, v, 0);
  ScrollVertical(doc, v, 0);
  EXPECT_DOUBLE_EQ(doc.viewLeft, -2000);
  EXPECT_DOUBLE_EQ(doc.viewTop, 2000);
  EXPECT_DOUBLE_EQ(doc.viewRight, -2000 + 1280);
  ScrollHorizontal(doc, v, v.scrollMax);
  ScrollVertical(doc, v, v.scrollMax);
  // The plane's bottom-right corner sits in the window's bottom-right corner.
  EXPECT_DOUBLE_EQ(doc.viewLeft + 800, 2000);
  EXPECT_DOUBLE_EQ(doc.viewTop - 600, -2000);
  EXPECT_DOUBLE_EQ(v.visibleEdges[2].a.x, 1200);
  // Half-way, and the positions read back from the view.
  ScrollHorizontal(doc, v, 500);
  EXPECT_DOUBLE_EQ(doc.viewLeft, -2000 + 3200 * 0.5);
  ScrollVertical(doc, v, 250);
  EXPECT_DOUBLE_EQ(doc.viewTop, 2000 - 3400 * 0.25);
  const ScrollPositions p = ScrollBarPositions(doc, v);
  EXPECT_EQ(p.horizontal, 500);
  EXPECT_EQ(p.vertical, 250);
}

TEST(Viewport, ScrollBarsOfAPlaneNoLargerThanTheWindowRest) {
  Document doc;
  ViewState v = Window800x600();
  v.clientWidth = 4000;
  v.clientHeight = 4000;
  const ScrollPositions p = ScrollBarPositions(doc, v);
  EXPECT_EQ(p.horizontal, 0);
  EXPECT_EQ(p.vertical, 0);
}

TEST(Axes, NiceTickSteps) {
  EXPECT_DOUBLE_EQ(NiceTickCount(1), 50);     // ticks 50 units apart, labelled 50
  EXPECT_DOUBLE_EQ(NiceTickCount(25), 2);     // spacing 50
  EXPECT_DOUBLE_EQ(NiceTickCount(7), 5);      // spacing 35
  EXPECT_DOUBLE_EQ(NiceTickCount(40), 1);     // v = 1.5
  EXPECT_DOUBLE_EQ(NiceTickCount(20), 2);     // v = 3
  EXPECT_DOUBLE_EQ(NiceTickCount(100), 0.5);  // v = 0.6: one decimal lower
  EXPECT_DOUBLE_EQ(NiceTickCount(200), 0.2);  // v = 0.3
  EXPECT_DOUBLE_EQ(NiceTickCount(0.001), 50000);
  EXPECT_DOUBLE_EQ(NiceTickCount(0), 0);
  EXPECT_DOUBLE_EQ(NiceTickCount(-3), 0);
}

TEST(Axes, TicksSkipTheOriginAndCoverTheClippedAxis) {
  // Axis from -400 to 400, origin at 10, spacing 50: x0 = 10 - 8 * 50 = -390 and
  // n = 800 / 50 + 1 = 17, so ticks at -390 + 50 i for i = 0..17, less the origin.
  const std::vector<double> t = TickPositions(10, -400, 400, 50);
  for (double x : t) EXPECT_GT(std::fabs(x - 10), 0.0001);
  EXPECT_DOUBLE_EQ(t.front(), -390);
  EXPECT_DOUBLE_EQ(t.back(), 460);
  EXPECT_EQ(t.size(), 17u);
}

TEST(Grid, RectangularPointsStopBeforeTheRightAndTopEdges) {
  const WorldRect clip{-100, 100, 100, -100};
  const std::vector<WorldPoint> pts = RectangularGridPoints({0, 0}, 50, 50, clip);
  // x and y in {-100, -50, 0, 50}: 100 itself is on the edge and left out.
  ASSERT_EQ(pts.size(), 16u);
  EXPECT_DOUBLE_EQ(pts[0].x, -100);
  EXPECT_DOUBLE_EQ(pts[0].y, -100);
  EXPECT_DOUBLE_EQ(pts[1].x, -100);  // column by column
  EXPECT_DOUBLE_EQ(pts[1].y, -50);
  EXPECT_DOUBLE_EQ(pts.back().x, 50);
}

TEST(Grid, PolarPointsHalveTheirStepOnWideCircles) {
  const WorldRect clip{-100, 100, 100, -100};
  const std::vector<WorldPoint> pts = PolarGridPoints({0, 0}, 50, 50, clip, false);
  // The origin is inside, so r0 = 0; d = 0 and H = 200, so radii 0, 50, 100 and 150.
  // Δ = π/6 until r·Δ > 60: r = 150 gives 78.5 > 60, so that circle has 24 steps.
  EXPECT_EQ(pts.size(), 13u + 13u + 13u + 25u);
  for (const WorldPoint& p : pts) EXPECT_LE(std::hypot(p.x, p.y), 150 + 1e-9);
}

}  // namespace
}  // namespace velt
