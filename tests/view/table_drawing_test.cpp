// Tables of values as drawn and as boxed for detection: a transposed table draws each
// tabulated element as a column with its values downwards, a normal one as a row; the box
// that detection and selection use covers exactly the drawn grid in both orientations.
#include <gtest/gtest.h>

#include <cmath>

#include "model/document.h"
#include "model/element_list.h"
#include "view/draw_context.h"
#include "view/draw_element.h"
#include "view/element_box.h"
#include "view/recording_canvas.h"
#include "view/table_text.h"
#include "view/text_measure.h"

namespace velt {
namespace {

// Two tabulated numbers with three recorded values each: 1, 2, 3 and 10, 20, NaN.
struct TableFigure {
  Document doc;
  Element* table = nullptr;
  ElementPtr a = NewElementOfKind(kCalculation), b = NewElementOfKind(kCalculation);

  TableFigure() {
    auto t = NewElementOfKind(kTable);
    auto& x = *t->as<TableExt>();
    x.columns = {a.get(), b.get()};
    x.rows = 3;
    x.grid.assign(2 * kTableRows, 0.0);
    const double values[2][3] = {{1, 2, 3}, {10, 20, NAN}};
    for (int c = 0; c < 2; ++c)
      for (int r = 0; r < 3; ++r) x.grid[c * kTableRows + r] = values[c][r];
    t->decimals = 1;
    t->exists = t->visibility = 1;
    t->value[2] = -100;
    t->value[3] = 100;
    t->labelFont = doc.numberFont;
    table = Append(doc, std::move(t));
  }
  PixelBox BoxInPixels() {
    const auto r = ElementBox(doc, *table, MappingOf(doc), FixedPitchMeasure());
    EXPECT_TRUE(r.has_value());
    if (!r) return {};
    const PixelPoint tl = WorldToPixel(MappingOf(doc), r->left, r->top);
    const PixelPoint br = WorldToPixel(MappingOf(doc), r->right, r->bottom);
    return {tl.x, tl.y, br.x, br.y};
  }
  // Where each cell text was drawn, by its text.
  std::vector<DrawCall> Texts() {
    RecordingCanvas canvas(800, 600);
    const DrawContext ctx = ScreenContext(doc, canvas, DrawOptions{});
    DrawElement(ctx, *table, Look{table->colour, -1, -1, false});
    std::vector<DrawCall> out;
    for (const DrawCall& c : canvas.Calls())
      if (c.op == DrawOp::kText) out.push_back(c);
    return out;
  }
};

const DrawCall* Find(const std::vector<DrawCall>& calls, const std::string& text) {
  for (const DrawCall& c : calls)
    if (c.text == text) return &c;
  return nullptr;
}

TEST(TableDrawing, TransposedColumnsAndNormalRowsMatchTheirBox) {
  TableFigure f;
  const TextFont font = ToTextFont(*f.table->labelFont, 96);
  const FixedPitchMeasure m;
  const int w = m.Measure("10.0", font).width;  // the widest cell
  const int h = m.Measure("Wg", font).height - 3;
  const PixelPoint origin = WorldToPixel(MappingOf(f.doc), -100, 100);

  f.table->attr1 = kTableTransposed;
  EXPECT_EQ(TableText(*f.table), "1.0\t10.0\n2.0\t20.0\n3.0\t -");
  PixelBox box = f.BoxInPixels();
  EXPECT_EQ(box.right - box.left, 2 * w);  // two columns, one per element
  EXPECT_EQ(box.bottom - box.top, 3 * h);  // three values downwards
  auto texts = f.Texts();
  const DrawCall* c = Find(texts, "20.0");  // second value of the second element
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->points.at(0).x, origin.x + w);
  EXPECT_EQ(c->points.at(0).y, origin.y + h);
  ASSERT_NE(Find(texts, " -"), nullptr);
  EXPECT_EQ(Find(texts, " -")->points.at(0).y, origin.y + 2 * h);

  f.table->attr1 = 0;
  EXPECT_EQ(TableText(*f.table), "1.0\t2.0\t3.0\n10.0\t20.0\t -");
  box = f.BoxInPixels();
  EXPECT_EQ(box.right - box.left, 3 * w);
  EXPECT_EQ(box.bottom - box.top, 2 * h);
  texts = f.Texts();
  c = Find(texts, "3.0");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->points.at(0).x, origin.x + 2 * w);
  EXPECT_EQ(c->points.at(0).y, origin.y);
}

}  // namespace
}  // namespace velt
