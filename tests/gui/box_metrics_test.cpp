// The window finds names and labels by the boxes it draws them in, measured with its own
// font metrics.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>

#include "main_window.h"
#include "model/create.h"
#include "plane_widget.h"
#include "qt_canvas.h"
#include "view/draw_context.h"

namespace velt {
namespace {

TEST(WindowBoxes, NamesAreFoundByTheWindowsFontMetrics) {
  MainWindow w;
  w.resize(900, 700);
  w.show();
  QApplication::processEvents();
  Document& doc = w.workspace().doc();
  ElementTemplate point;
  point.kind = kFreePoint;
  Element* p = MakeElementFromTemplate(doc, point, {});
  ElementTemplate label;
  label.kind = kName;
  label.parent[0] = p;
  label.value = {10, -5, 0, 0};
  Element* name = MakeElementFromTemplate(doc, label, {});
  const std::string text = "WWWWWWWWWWWW";
  name->as<NameExt>()->text = text;

  const TextFont font = ToTextFont(*name->labelFont, 96);
  const int window = QtTextMeasure().Measure(text, font).width;
  const int fixed = FixedPitchMeasure().Measure(text, font).width;
  ASSERT_GT(std::abs(window - fixed), 6) << "the two measures must tell apart";
  // The label's top-left corner in the plane widget's pixels.
  const int left = static_cast<int>(10 - doc.viewLeft), top = static_cast<int>(doc.viewTop + 5);
  auto detectedAt = [&](int dx) {
    QTest::mouseMove(w.plane(), QPoint(left + dx, top + 4));
    return w.interaction().detection().first();
  };
  EXPECT_EQ(detectedAt(std::min(window, fixed) / 2), name);
  // Between the two widths only the window's own measure decides.
  EXPECT_EQ(detectedAt((window + fixed) / 2) == name, window > fixed);
  EXPECT_EQ(detectedAt(std::max(window, fixed) + 3), nullptr);
}

}  // namespace
}  // namespace velt
