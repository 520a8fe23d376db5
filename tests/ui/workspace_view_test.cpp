// The window's scroll bars move the view through the view's own scrolling functions.
#include <gtest/gtest.h>

#include "ui/workspace.h"

namespace velt {
namespace {

TEST(WorkspaceView, ScrollBarsAndTheViewFollowEachOther) {
  Workspace ws;
  ws.clientWidth = 800;
  ws.clientHeight = 600;
  ws.options.planeSize = 4000;  // the plane runs from -2000 to 2000 both ways
  Document& d = ws.doc();
  ws.CentreView(d);
  ScrollPositions p = ScrollBarPositions(d, ws.View());
  EXPECT_EQ(p.horizontal, 500);  // (-400 + 2000) / (4000 - 800)
  EXPECT_EQ(p.vertical, 500);    // (300 - 2000) / (600 - 4000)
  // The bottom-left corner of the plane.
  ws.ScrollTo({0, 1000});
  EXPECT_DOUBLE_EQ(d.viewLeft, -2000);
  EXPECT_DOUBLE_EQ(d.viewTop, -1400);
  EXPECT_DOUBLE_EQ(d.viewRight, -1200);
  EXPECT_DOUBLE_EQ(d.viewBottom, -2000);
  // A quarter of the way across, at the top.
  ws.ScrollTo({250, 0});
  EXPECT_DOUBLE_EQ(d.viewLeft, -2000 + 3200 * 0.25);
  EXPECT_DOUBLE_EQ(d.viewTop, 2000);
  p = ScrollBarPositions(d, ws.View());
  EXPECT_EQ(p.horizontal, 250);
  EXPECT_EQ(p.vertical, 0);
  // A larger plane: the same bar position shows another part of it.
  ws.options.planeSize = 8000;
  ws.ScrollTo({250, 0});
  EXPECT_DOUBLE_EQ(d.viewLeft, -4000 + 7200 * 0.25);
  EXPECT_DOUBLE_EQ(d.viewRight, -4000 + 7200 * 0.25 + 800);
}

}  // namespace
}  // namespace velt
