// The pictures of point shapes, line styles and angle marks on the style buttons follow the
// drawing codes: a one-pixel point is the smallest mark, the 7-pixel line the heaviest stroke;
// the anchor buttons of a picture show where it hangs.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>

#include "edit_element_dialog.h"
#include "model/element_list.h"
#include "support/builders.h"
#include "tool_icons.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

// Pixels of the icon that are not transparent.
int Ink(const QIcon& icon) {
  const QImage img = icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) > 60) ++n;
  return n;
}

TEST(StyleIcons, InkGrowsWithTheDrawnWeight) {
  auto point = [](int s) { return Ink(StyleIcon(StyleFamily::PointShape, s)); };
  auto line = [](int s) { return Ink(StyleIcon(StyleFamily::LineStyle, s)); };
  auto mark = [](int s) { return Ink(StyleIcon(StyleFamily::AngleMark, s)); };
  // Points: 6 one pixel < 1 small square < 2 disc, 5 large square the biggest block.
  EXPECT_LT(point(6), point(1));
  EXPECT_LT(point(1), point(2));
  EXPECT_LT(point(2), point(5));
  EXPECT_LT(point(3), point(2)) << "the ring is hollow";
  // Lines: 1 pixel, 3 pixels, 5 pixels, 7 pixels; dotted and dash-dot lighter than solid 1.
  EXPECT_LT(line(1), line(2));
  EXPECT_LT(line(2), line(5));
  EXPECT_LT(line(5), line(6));
  EXPECT_LT(line(3), line(1));
  EXPECT_LT(line(4), line(1));
  // Angle marks take the first three line styles.
  EXPECT_LT(mark(1), mark(2));
  EXPECT_LT(mark(3), mark(1));
  EXPECT_TRUE(StyleIcon(StyleFamily::AngleMark, 4).isNull());
  EXPECT_TRUE(StyleIcon(StyleFamily::LineStyle, 0).isNull());
}

TEST(StyleIcons, EditDialogStyleButtonsShowPicturesNotNumbers) {
  test::Bench b;
  Element* p = test::AddPoint(b.doc(), 0, 0);
  ToolContext c{b.ix};
  EditSession session(c, *p);
  TEdit_elem d(b.ws, session);
  for (const char* name : {"BPunor", "BPungran", "BPungran2", "BPuncruz", "BPuncuad", "BPun1p"}) {
    auto* button = d.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_TRUE(button->text().isEmpty()) << name;
    EXPECT_GT(Ink(button->icon()), 0) << name;
  }
  EXPECT_EQ(Ink(d.findChild<QPushButton*>("BPun1p")->icon()),
            Ink(StyleIcon(StyleFamily::PointShape, 6)));
}

// The red of the dot at a pixel of the anchor icon.
bool RedAt(int anchor, int x, int y) {
  const QColor c = AnchorIcon(anchor).pixmap(24, 24).toImage().pixelColor(x, y);
  return c.alpha() > 200 && c.red() > 150 && c.green() < 100;
}

TEST(StyleIcons, AnchorButtonsShowWhereThePictureHangsAndWhichIsChosen) {
  // The dot: top-left for 1, centre for 5, bottom-right for 9.
  EXPECT_TRUE(RedAt(1, 5, 5));
  EXPECT_FALSE(RedAt(1, 19, 19));
  EXPECT_TRUE(RedAt(5, 12, 12));
  EXPECT_TRUE(RedAt(9, 19, 19));
  EXPECT_FALSE(RedAt(9, 5, 5));
  EXPECT_TRUE(AnchorIcon(10).isNull());

  test::Bench b;
  Element* p = test::AddPoint(b.doc(), 0, 0);
  Element* picture = test::Add(b.doc(), kBitmap, {p});
  picture->attr1 = 7;
  ToolContext c{b.ix};
  EditSession session(c, *picture);
  TEdit_elem d(b.ws, session);
  auto anchor = [&](int k) { return d.findChild<QPushButton*>(QString("B_pBTM%1").arg(k)); };
  for (int k = 1; k <= 9; ++k) {
    ASSERT_NE(anchor(k), nullptr) << k;
    EXPECT_TRUE(anchor(k)->text().isEmpty()) << k;
    EXPECT_FALSE(anchor(k)->icon().isNull()) << k;
    EXPECT_EQ(anchor(k)->isChecked(), k == 7) << k;
  }
  anchor(3)->click();
  EXPECT_EQ(picture->attr1, 3);
  EXPECT_TRUE(anchor(3)->isChecked());
  EXPECT_FALSE(anchor(7)->isChecked());
}

}  // namespace
}  // namespace velt
