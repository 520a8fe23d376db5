// The viewer mode's bars and buttons, and where the window goes when it leaves full screen or
// starts from a stored placement.
#include "ui/viewer_mode.h"

#include <gtest/gtest.h>

#include "ui/window_placement.h"

namespace velt {
namespace {

TEST(ViewerMode, ToolBarsGiveWayToTheViewerBarAndComeBackAsTheyWere) {
  const BarSettings mine{
      .mainBar = false, .editBar = true, .documentBar = false, .statusBar = true};
  const ShownBars normal = BarsToShow(mine, false, true);
  EXPECT_EQ(normal.bars, mine);
  EXPECT_FALSE(normal.viewerBar);
  const ShownBars viewer = BarsToShow(mine, true, true);
  EXPECT_TRUE(viewer.viewerBar);
  EXPECT_FALSE(viewer.bars.mainBar);
  EXPECT_FALSE(viewer.bars.editBar);
  EXPECT_FALSE(viewer.bars.documentBar);
  EXPECT_TRUE(viewer.bars.statusBar);
  const BarSettings noStatus{.statusBar = false};
  EXPECT_FALSE(BarsToShow(noStatus, true, true).bars.statusBar);
  // With no document open there is nothing to look at: no bar at all.
  EXPECT_EQ(BarsToShow(mine, true, false), ShownBars{});
  EXPECT_EQ(BarsToShow(mine, false, false), ShownBars{});
  // The mode owns the bars while on, and keeps the placement out of the store.
  EXPECT_FALSE(BarSwitchesEnabled(true));
  EXPECT_TRUE(BarSwitchesEnabled(false));
  EXPECT_FALSE(StoresPlacementAtExit(true));
  EXPECT_TRUE(StoresPlacementAtExit(false));
}

TEST(ViewerMode, ItsToolButtonsArePressedWithTheirTools) {
  EXPECT_EQ(ViewerButtonOf(Tool::Sel), "B_visor_movsel");
  EXPECT_EQ(ViewerButtonOf(Tool::B_zoom), "B_visor_zoom");
  EXPECT_EQ(ViewerButtonOf(Tool::B_anim), "B_visor_anima");
  EXPECT_EQ(ViewerButtonOf(Tool::B_Punto), "");
  EXPECT_EQ(ViewerButtonOf(Tool::B_MacCon), "");
  // Every button has its own name and the bar has a way out of the mode.
  int leaves = 0;
  for (const ViewerButton& a : ViewerButtons()) {
    leaves += a.action == ViewerAction::Leave;
    int same = 0;
    for (const ViewerButton& b : ViewerButtons()) same += a.name == b.name;
    EXPECT_EQ(same, 1) << a.name;
    EXPECT_TRUE(a.name.starts_with("B_visor_")) << a.name;
  }
  EXPECT_EQ(leaves, 1);
}

TEST(WindowPlacement, KeptOnTheScreenOtherwiseCentred) {
  const WindowRect screen{0, 0, 1920, 1040};
  const WindowRect here{100, 80, 800, 600};
  EXPECT_EQ(PlaceOnScreen(here, screen), here);
  // A size larger than the screen is kept while the position is on it.
  const WindowRect wide{10, 10, 2500, 600};
  EXPECT_EQ(PlaceOnScreen(wide, screen), wide);
  // Off the right edge, above the top, left of a second screen's area: centred.
  EXPECT_EQ(PlaceOnScreen({1920, 80, 800, 600}, screen), (WindowRect{560, 220, 800, 600}));
  EXPECT_EQ(PlaceOnScreen({100, -5, 800, 600}, screen), (WindowRect{560, 220, 800, 600}));
  const WindowRect second{1920, 0, 1280, 1000};
  EXPECT_EQ(PlaceOnScreen(here, second), (WindowRect{2160, 200, 800, 600}));
  // Centred no larger than the screen.
  EXPECT_EQ(PlaceOnScreen({-3000, 0, 3000, 2000}, screen), (WindowRect{0, 0, 1920, 1040}));
  // Without a size: half the screen, centred.
  EXPECT_EQ(PlaceOnScreen({100, 100, 0, 0}, screen), (WindowRect{480, 260, 960, 520}));
}

TEST(WindowPlacement, AWindowNeverStartsMinimised) {
  EXPECT_EQ(StartingWindowState(0), 0);
  EXPECT_EQ(StartingWindowState(1), 0);
  EXPECT_EQ(StartingWindowState(2), 2);
  EXPECT_EQ(StartingWindowState(-7), 0);
}

}  // namespace
}  // namespace velt
