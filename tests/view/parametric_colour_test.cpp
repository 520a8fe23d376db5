#include "view/parametric_colour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "geometry/locus_sampling.h"
#include "geometry/recompute.h"
#include "support/builders.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

// An HSV conversion written another way (the k = (n + h/60) mod 6 form), to check the
// program's sector table against.
int32_t ReferenceHsv(double h, double s, double v) {
  auto channel = [&](double n) {
    const double k = std::fmod(n + h / 60.0, 6.0);
    const double x = v - v * s * std::max(0.0, std::min({k, 4 - k, 1.0}));
    return static_cast<int32_t>(x * 255.0);
  };
  return channel(5) + 256 * channel(3) + 65536 * channel(1);
}

Element* AddParameter(Document& doc, double value, double lo = -10, double hi = 10) {
  Element* p = Add(doc, kParameter, {});
  p->value[0] = value;
  p->as<ParameterExt>()->minimum = lo;
  p->as<ParameterExt>()->maximum = hi;
  return p;
}

TEST(ParametricColour, ScalePositionIsTheFractionOrTheParityOfAWholeNumber) {
  EXPECT_DOUBLE_EQ(ScalePositionOfValue(2.25), 0.25);
  EXPECT_DOUBLE_EQ(ScalePositionOfValue(3.0), 1.0);
  EXPECT_DOUBLE_EQ(ScalePositionOfValue(4.0), 0.0);
  EXPECT_DOUBLE_EQ(ScalePositionOfValue(-0.75), 0.75);
  EXPECT_DOUBLE_EQ(ScalePositionOfValue(-3.0), 1.0);
  // Within 0.0001 of a whole number counts as that number.
  EXPECT_DOUBLE_EQ(ScalePositionOfValue(7.00001), 1.0);
  EXPECT_NEAR(ScalePositionOfValue(6.9), 0.9, 1e-12);
  // Values that are not numbers at all stand at the start of the scale.
  EXPECT_EQ(ScalePositionOfValue(std::nan("")), 0.0);
  EXPECT_EQ(ScalePositionOfValue(INFINITY), 0.0);

  Document doc;
  Element* p = AddParameter(doc, 2.25);
  EXPECT_DOUBLE_EQ(ScalePosition(*p), 0.25);
  p->attr1 = -100;  // in error
  EXPECT_EQ(ScalePosition(*p), 0.0);
}

TEST(ParametricColour, ScalesAgainstHandComputedColours) {
  // Grey: white at the start, black at the end, 127 (255 x 0.5 cut) in the middle.
  EXPECT_EQ(ScaleColour(2, 0.0), 16777215);
  EXPECT_EQ(ScaleColour(2, 1.0), 0);
  EXPECT_EQ(ScaleColour(2, 0.5), 127 * 65793);
  // Hue: red at 0; at 0.5 the hue is 151.2 degrees: (0, 255, 132).
  EXPECT_EQ(ScaleColour(1, 0.0), 255);
  EXPECT_EQ(ScaleColour(1, 0.5), 0 + 256 * 255 + 65536 * 132);
  // Near the end the hue stops at 302.4 degrees, a violet, never red again.
  const int32_t end = *ScaleColour(1, 0.9999);
  EXPECT_EQ(end & 0xFF, 255);
  EXPECT_EQ((end >> 8) & 0xFF, 0);
  EXPECT_GT((end >> 16) & 0xFF, 240);
  // Saturation at hue 0 (mode 3): half saturation is (255, 127, 127).
  EXPECT_EQ(ScaleColour(3, 0.5), 255 + 256 * 127 + 65536 * 127);
  // Mode 52 has the hue of the hue scale's middle; full saturation gives the same colour.
  EXPECT_EQ(ScaleColour(52, 1.0), ScaleColour(1, 0.5));
  // Brightness at hue 0 (mode 103): half brightness is (127, 0, 0).
  EXPECT_EQ(ScaleColour(103, 0.5), 127);
  EXPECT_EQ(ScaleColour(103, 0.0), 0);
  // The sign only says where the colour goes.
  EXPECT_EQ(ScaleColour(-2, 0.0), 16777215);
  // Modes that name no scale give nothing.
  EXPECT_FALSE(ScaleColour(0, 0.5));
  EXPECT_FALSE(ScaleColour(202, 0.5));
  EXPECT_FALSE(ScaleColour(INT32_MIN, 0.5));
}

TEST(ParametricColour, EveryScaleMatchesAnIndependentHsvFormula) {
  for (double s : {0.0, 0.07, 0.18, 0.33, 0.41, 0.5, 0.66, 0.77, 0.93, 0.999}) {
    EXPECT_EQ(ScaleColour(1, s), ReferenceHsv(s * 302.4, 1, 1)) << s;
    for (int m : {3, 20, 51, 77, 101}) {
      const double hue = (m - 3) / 98.0 * 302.4;
      EXPECT_EQ(ScaleColour(m, s), ReferenceHsv(hue, s, 1)) << m << " " << s;
      EXPECT_EQ(ScaleColour(m + 100, s), ReferenceHsv(hue, 1, s)) << m + 100 << " " << s;
    }
    // The saturation scale reaches one step further than the brightness scale.
    EXPECT_EQ(ScaleColour(102, s), ReferenceHsv(99 / 98.0 * 302.4, s, 1)) << s;
  }
}

TEST(ParametricColour, HueFollowsAParameterAcrossItsRangeAtEveryRecompute) {
  Document doc;
  Element* p = AddParameter(doc, 0, 0, 1);
  Element* c = AddPoint(doc, 0, 0);
  Element* rim = AddPoint(doc, 50, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {c, rim});
  circle->colourSource = p;
  circle->colourMode = 1;
  circle->attr1 = -1;
  for (double v = 0.03; v < 1; v += 0.07) {
    p->value[0] = v;
    RecomputeAll(doc);
    EXPECT_EQ(circle->colour, ReferenceHsv(v * 302.4, 1, 1)) << v;
    EXPECT_EQ(circle->attr1, -1);  // the fill is left alone
  }
}

TEST(ParametricColour, ANegativeModeColoursTheFillOrTheTextBackground) {
  Document doc;
  Element* p = AddParameter(doc, 1.0);  // odd: the end of the scale
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 50, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {a, b});
  const int32_t outline = circle->colour;
  circle->colourSource = p;
  circle->colourMode = -2;
  Element* number = Add(doc, kDistancePointPoint, {a, b});
  const int32_t numberColour = number->colour;
  number->colourSource = p;
  number->colourMode = -2;
  Element* segment = Add(doc, kSegment, {a, b});
  const int32_t segmentLook[2] = {segment->colour, segment->style};
  segment->colourSource = p;
  segment->colourMode = -2;
  RecomputeAll(doc);
  EXPECT_EQ(circle->attr1, 0);  // black fill
  EXPECT_EQ(circle->colour, outline);
  EXPECT_EQ(number->style, 0);  // black background
  EXPECT_EQ(number->colour, numberColour);
  // A segment has no fill and no background: nothing changes.
  EXPECT_EQ(segment->colour, segmentLook[0]);
  EXPECT_EQ(segment->style, segmentLook[1]);

  p->attr1 = -100;  // the number in error drives the scale to its start: white
  RecomputeAll(doc);
  EXPECT_EQ(circle->attr1, 16777215);
}

TEST(ParametricColour, ASourceLaterInTheListIsReadAgainWhenDrawn) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* p = AddParameter(doc, 0.5);
  a->colourSource = p;
  a->colourMode = 2;
  RecomputeAll(doc);
  EXPECT_EQ(a->colour, 127 * 65793);
  // The point stands before its source: a recompute in list order reads the source's old
  // value, the redraw the new one.
  p->value[0] = 0.25;
  RecordingCanvas canvas;
  RedrawAll(doc, canvas, DrawOptions{});
  EXPECT_EQ(a->colour, 191 * 65793);
}

TEST(ParametricColour, ALocusRecordsTheColourOfEachSample) {
  Document doc;
  // The traced point stands before the parameter that drives both the sweep and its colour.
  Element* t = AddPoint(doc, 10, 10);
  Element* p = AddParameter(doc, 0.3, 0.01, 0.51);
  t->colourSource = p;
  t->colourMode = 2;
  Element* locus = Add(doc, kLocus, {t, p});
  locus->as<SampleExt>()->sampleCount = 6;
  RecomputeAll(doc);
  const SampleExt& s = *locus->as<SampleExt>();
  ASSERT_EQ(s.recorded, 6);
  // s = 0.01, 0.11, ... 0.51: grey 255 x (1 - s), cut.
  const int grey[6] = {252, 226, 201, 175, 150, 124};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(s.colours[static_cast<size_t>(i)], grey[i] * 65793) << i;
  EXPECT_DOUBLE_EQ(p->value[0], 0.3);  // the driver is put back
}

}  // namespace
}  // namespace velt
