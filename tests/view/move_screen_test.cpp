#include "view/move_screen.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(MoveScreen, FrameDragAndTrackBar) {
  // A 4000-unit plane on a 340-pixel thumbnail: 0.085 pixels per unit, the plane's corner
  // (−2000, 2000) at pixel (0, 0).
  const ViewMapping thumb = ThumbnailMapping(4000, 340);
  EXPECT_DOUBLE_EQ(thumb.left, -2000);
  EXPECT_DOUBLE_EQ(thumb.top, 2000);
  EXPECT_DOUBLE_EQ(thumb.scale, 0.085);
  Document doc;
  doc.viewLeft = -400;
  doc.viewTop = 300;
  // (−400 + 2000) × 0.085 = 136, (2000 − 300) × 0.085 = 144.5 → 145 (halves up);
  // the 800 × 600 plane area less a 20-pixel offset: 66.3 → 66 by 49.3 → 49.
  const PixelBox f = ThumbnailFrame(doc, thumb, 800, 600, 20);
  EXPECT_EQ(f, (PixelBox{136, 145, 202, 194}));
  // Dragged past the right edge, the frame stays inside.
  EXPECT_EQ(KeepFrameInside({300, 10, 366, 59}, 340), (PixelBox{274, 10, 340, 59}));
  EXPECT_EQ(KeepFrameInside({-5, -7, 61, 42}, 340), (PixelBox{0, 0, 66, 49}));
  // The frame at pixel (17, 17): world (−1800, 1800), view spanning a 1280 × 1024 screen.
  ViewFromFrame(doc, thumb, {17, 17, 83, 66}, 1280, 1024);
  EXPECT_DOUBLE_EQ(doc.viewLeft, -1800);
  EXPECT_DOUBLE_EQ(doc.viewTop, 1800);
  EXPECT_DOUBLE_EQ(doc.viewRight, -520);
  EXPECT_DOUBLE_EQ(doc.viewBottom, 776);
  // Track bar on a 1280 × 1024 screen: plane sizes 1281..11281.
  EXPECT_EQ(PlaneSizeTrackPosition(4000, 1280, 1024), 272);  // 2719 / 10 = 271.9
  EXPECT_EQ(PlaneSizeTrackPosition(1281, 1280, 1024), 0);
  EXPECT_DOUBLE_EQ(PlaneSizeFromTrack(500, 1280, 1024), 6281);
  EXPECT_DOUBLE_EQ(PlaneSizeFromTrack(1000, 1280, 1024), 11281);
}

}  // namespace
}  // namespace velt
