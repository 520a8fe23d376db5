// The move-screen dialog on the offscreen platform: a press on the thumbnail puts the window's
// frame there and the view follows; the track bar sets the plane size; cancel restores both.
#include "move_screen_dialog.h"

#include <gtest/gtest.h>

#include <QSlider>
#include <QTest>

namespace velt {
namespace {

TEST(MoveScreenDialog, PressMovesTheViewTrackSizesThePlaneCancelRestores) {
  Workspace ws;
  ws.options.planeSize = 4000;
  ws.clientWidth = 800;
  ws.clientHeight = 600;
  Document& d = ws.doc();
  d.viewLeft = -400;
  d.viewTop = 300;
  ws.SyncView(d);
  TMuePan dialog(ws, [] {});
  auto* thumb = dialog.findChild<QWidget*>("Thumbnail");
  ASSERT_NE(thumb, nullptr);

  // 340 pixels for 4000 units: 0.085 a unit, so the 800 × 600 plane area is a 68 × 51 frame.
  // Centred on (170, 170) its corner is at (136, 145), world (−2000 + 136 / 0.085,
  // 2000 − 145 / 0.085) = (−400, 294.12), cut to whole units.
  QTest::mouseClick(thumb, Qt::LeftButton, Qt::NoModifier, QPoint(170, 170));
  EXPECT_DOUBLE_EQ(d.viewLeft, -400);
  EXPECT_DOUBLE_EQ(d.viewTop, 294);
  EXPECT_DOUBLE_EQ(d.viewRight, 400);
  EXPECT_DOUBLE_EQ(d.viewBottom, -306);
  // Near the corner the frame stays inside: the view's corner is the plane's.
  QTest::mouseClick(thumb, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_DOUBLE_EQ(d.viewLeft, -2000);
  EXPECT_DOUBLE_EQ(d.viewTop, 2000);

  // Sizes from 1000 (the larger side plus one, at least 1000) to 11000: halfway is 6000.
  auto* track = dialog.findChild<QSlider*>("TrackBar1");
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(track->value(), 300);  // (4000 − 1000) / 10000 of the way
  track->setValue(500);
  EXPECT_DOUBLE_EQ(ws.options.planeSize, 6000);

  dialog.reject();
  EXPECT_DOUBLE_EQ(d.viewLeft, -400);
  EXPECT_DOUBLE_EQ(d.viewTop, 300);
  EXPECT_DOUBLE_EQ(ws.options.planeSize, 4000);
}

}  // namespace
}  // namespace velt
