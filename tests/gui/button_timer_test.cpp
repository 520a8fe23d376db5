// A movement button pressed in the window stays down until the window's timer pops it up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "main_window.h"
#include "model/create.h"
#include "plane_widget.h"
#include "ui/action_buttons.h"

namespace velt {
namespace {

TEST(ButtonTimer, APressedMovementButtonPopsUpAfterItsInterval) {
  MainWindow w;
  w.resize(900, 700);
  w.show();
  QApplication::processEvents();
  Document& doc = w.workspace().doc();
  // A at pixel (100, 100) goes to B at pixel (300, 150); the button's corner at (200, 250).
  auto plane = [&](int px, int py) {
    return std::array<double, 4>{doc.viewLeft + px, doc.viewTop - py, 0, 0};
  };
  ElementTemplate t;
  t.kind = kFreePoint;
  t.value = plane(100, 100);
  Element* a = MakeElementFromTemplate(doc, t, {});
  t.kind = kFreePoint;
  t.value = plane(300, 150);
  Element* b = MakeElementFromTemplate(doc, t, {});
  t.kind = kButtonMove;
  const auto corner = plane(200, 250);
  t.value = {0, 0, corner[0], corner[1]};
  t.picks = {a, b};
  Element* button = MakeElementFromTemplate(doc, t, {});
  w.workspace().RecomputeAll();

  const QPoint press(204, 254);
  QTest::mouseMove(w.plane(), press);
  QTest::mouseClick(w.plane(), Qt::LeftButton, Qt::NoModifier, press);
  EXPECT_EQ(a->x(), b->x());
  EXPECT_EQ(a->y(), b->y());
  EXPECT_EQ(button->attr2, 0) << "down right after the press";
  EXPECT_TRUE(w.interaction().buttonTimerRunning());

  QTest::qWait(kButtonPopUpMs * 3);
  EXPECT_EQ(button->attr2, 1) << "up again once the timer ran out";
  EXPECT_FALSE(w.interaction().buttonTimerRunning());
}

}  // namespace
}  // namespace velt
