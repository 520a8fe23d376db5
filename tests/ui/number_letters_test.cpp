// Framing and lettering of the numbers the calculator's expression references: each number
// picked gets a one-pixel frame in the selection colour around its drawn text and its letter
// in lower case beside it; user functions get neither.
#include "view/number_letters.h"

#include <gtest/gtest.h>

#include "model/kinds.h"
#include "ui/calculator_session.h"
#include "ui/script_support.h"
#include "view/element_box.h"
#include "view/recording_canvas.h"

namespace velt {
namespace {

TEST(NumberLetters, FramesEachReferencedNumberAndWritesItsLetter) {
  // 3 a distance labelled at (120, 0), 4 a function, 7 a distance labelled at (40, 100).
  test::Scenario s(
      "tool B_Punto\nclick 0 0\nclick 120 0\ntool B_N_longdist\nclick 0 0\nclick 120 0\n"
      "tool B_N_funcion\nexpression x\n"
      "tool B_Punto\nclick 0 100\nclick 40 100\ntool B_N_longdist\nclick 0 100\nclick 40 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  CalculatorSession calc;
  calc.variables = {const_cast<Element*>(&s.E(7)), const_cast<Element*>(&s.E(4)),
                    const_cast<Element*>(&s.E(3))};
  const auto lettered = LetteredVariables(calc);
  ASSERT_EQ(lettered.size(), 2u);  // the function has no letter
  EXPECT_EQ(lettered[0].number, &s.E(7));
  EXPECT_EQ(lettered[0].letter, "a");
  EXPECT_EQ(lettered[1].number, &s.E(3));
  EXPECT_EQ(lettered[1].letter, "b");

  RecordingCanvas canvas(800, 600);
  const DrawContext ctx = ScreenContext(s.doc(), canvas, DrawOptions{});
  const FixedPitchMeasure measure;
  DrawNumberLetters(ctx, lettered, measure);
  const auto box = ElementBox(s.doc(), s.E(3), ctx.map, measure);
  ASSERT_TRUE(box.has_value());
  const PixelPoint tl = ctx.Pixel(box->left, box->top), br = ctx.Pixel(box->right, box->bottom);
  const DrawCall* frame = nullptr;
  const DrawCall* letter = nullptr;
  for (const DrawCall& c : canvas.Calls()) {
    if (c.op == DrawOp::kRectangle && c.box.left == tl.x - 1 && c.box.top == tl.y - 1) frame = &c;
    if (c.op == DrawOp::kText && c.text == "b") letter = &c;
  }
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->box.right, br.x + 1);
  EXPECT_EQ(frame->box.bottom, br.y + 1);
  EXPECT_EQ(frame->pen.colour, s.doc().selectionColour);
  EXPECT_EQ(frame->pen.width, 1);
  EXPECT_TRUE(frame->brush.hollow);
  ASSERT_NE(letter, nullptr);
  EXPECT_EQ(letter->points.at(0).x, br.x + 3);
  EXPECT_EQ(letter->points.at(0).y, tl.y);
  EXPECT_EQ(letter->colour, s.doc().selectionColour);
}

}  // namespace
}  // namespace velt
