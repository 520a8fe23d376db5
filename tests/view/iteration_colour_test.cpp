// The copies of an iteration with a parametric colour: each copy takes the colour that its own
// source's copy gives it at that repetition.
#include <gtest/gtest.h>

#include <cmath>

#include "anim/iteration_setup.h"
#include "geometry/recompute.h"
#include "support/builders.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

// The grey scale at the position a value gives, computed here without the program's scale
// code: the fractional part, or the parity of a whole number; brightness 1 - s.
int32_t Grey(double value) {
  double f = std::fabs(value - std::trunc(value));
  if (f < 0.0001) f = std::fmod(std::fabs(std::round(value)), 2.0) == 1.0 ? 1 : 0;
  const int32_t c = static_cast<int32_t>((1 - f) * 255.0);
  return c + 256 * c + 65536 * c;
}

// A segment AB turned about O by 0.3 at each step, three times. The segment's colour follows
// the distance from F to A, which comes after the segment in the list.
struct TurnedSegment {
  Document doc;
  Element* o = AddPoint(doc, 0, 0);
  Element* angle = Add(doc, kParameter, {});
  Element* a = AddPoint(doc, 100, 0);
  Element* b = AddPoint(doc, 200, 50);
  Element* ab = Add(doc, kSegment, {a, b});
  Element* f = AddPoint(doc, 300, 0);
  Element* distance = Add(doc, kDistancePointPoint, {f, a});
  Element* c = Add(doc, kPointRotation, {a, o, angle});
  Element* d = Add(doc, kPointRotation, {b, o, angle});
  Element* it = nullptr;

  TurnedSegment() {
    angle->value[0] = 0.3;
    ab->colourSource = distance;
    ab->colourMode = 2;  // grey
    IterationSetup s;
    s.sets = {{a, b}, {c, d}};
    s.fixedCount = 3;
    EXPECT_TRUE(CanIterate(doc, s));
    ElementTemplate t = IterationTemplate(doc, s);
    it = MakeElementFromTemplate(doc, t, {});
    FillIteration(*it, s);
    // Only the segment and its copies draw lines.
    for (Element* p : {o, a, b, f, c, d}) p->visibility = 0;
    RecomputeAll(doc);
  }

  // The outline colours of the segments drawn, in drawing order.
  std::vector<int32_t> LineColours() {
    RecordingCanvas canvas;
    RedrawAll(doc, canvas, DrawOptions{});
    std::vector<int32_t> out;
    for (const DrawCall& call : canvas.Calls())
      if (call.op == DrawOp::kLine || call.op == DrawOp::kPolyline) out.push_back(call.pen.colour);
    return out;
  }

  // The distance F to A after k turns, in the document's length unit.
  double DistanceAfter(int k) const {
    const double t = 0.3 * k;
    return std::hypot(300 - 100 * std::cos(t), 100 * std::sin(t)) / doc.measureScale;
  }
};

TEST(IterationColour, EachCopyTakesTheColourOfItsOwnSource) {
  TurnedSegment g;
  ASSERT_EQ(g.it->exists, 1);
  ASSERT_NEAR(g.distance->value[0], g.DistanceAfter(0), 1e-9);
  const std::vector<int32_t> colours = g.LineColours();
  ASSERT_EQ(colours.size(), 4u);  // the segment, then its copies after 1, 2 and 3 turns
  EXPECT_EQ(colours[0], Grey(g.DistanceAfter(0)));
  for (int k = 1; k <= 3; ++k)
    EXPECT_EQ(colours[static_cast<size_t>(k)], Grey(g.DistanceAfter(k))) << "copy " << k;
  // The copies differ from each other: the test would see one colour repeated.
  EXPECT_NE(colours[1], colours[2]);
  EXPECT_NE(colours[2], colours[3]);
  // Drawing left the figure's own segment with its own colour.
  EXPECT_EQ(g.ab->colour, Grey(g.DistanceAfter(0)));
}

TEST(IterationColour, TheIterationsOwnColourOptionWins) {
  TurnedSegment g;
  SetIterationOption(*g.it, kIterOwnColour, true);
  g.it->colour = 0x123456;
  RecomputeAll(g.doc);
  const std::vector<int32_t> colours = g.LineColours();
  ASSERT_EQ(colours.size(), 4u);
  for (size_t k = 1; k < 4; ++k) EXPECT_EQ(colours[k], 0x123456);
}

TEST(IterationColour, ASourceOutsideTheIterationGivesEveryCopyOneColour) {
  TurnedSegment g;
  Element* p = Add(g.doc, kParameter, {});
  p->value[0] = 0.25;
  g.ab->colourSource = p;
  RecomputeAll(g.doc);
  const std::vector<int32_t> colours = g.LineColours();
  ASSERT_EQ(colours.size(), 4u);
  for (int32_t c : colours) EXPECT_EQ(c, Grey(0.25));
}

}  // namespace
}  // namespace velt
