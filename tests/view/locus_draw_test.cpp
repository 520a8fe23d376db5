// Drawing loci: the path with its gaps, jumps and closing piece, families, and swept loci.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/locus_sampling.h"
#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/detection.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

constexpr int32_t kRed = 0x0000FF;

struct Fixture {
  Document doc;
  RecordingCanvas canvas{1024, 768};
  Fixture() {
    doc.viewLeft = -400;
    doc.viewTop = 300;
    doc.viewRight = 624;
    doc.viewBottom = -468;
    doc.backgroundColour = 0xFFFFFF;
  }
  int RedLines() {
    canvas.Reset();
    RedrawAll(doc, canvas, DrawOptions{});
    int n = 0;
    for (const DrawCall& c : canvas.Calls())
      if (c.op == DrawOp::kLine && c.pen.colour == kRed) ++n;
    return n;
  }
};

// A locus of a point with samples set by hand (it is never recomputed here).
Element* HandLocus(Document& doc, std::vector<std::array<double, 2>> points,
                   std::vector<int> gaps = {}) {
  Element* p = AddPoint(doc, 0, 0);
  Element* c = AddPoint(doc, 0, 0);
  Element* circle = Add(doc, kCircleCentre, {c});
  Element* driver = Add(doc, kPointOnElement, {circle});
  p->visibility = c->visibility = circle->visibility = driver->visibility = 0;
  Element* l = Add(doc, kLocus, {p, driver});
  l->exists = 1;
  l->colour = kRed;
  auto& s = *l->as<SampleExt>();
  s.sampleCount = s.recorded = static_cast<int32_t>(points.size());
  for (auto& xy : points) {
    s.x1.push_back(xy[0]);
    s.y1.push_back(xy[1]);
    s.x2.push_back(0);
    s.y2.push_back(0);
    s.params.push_back(0);
    s.colours.push_back(kRed);
  }
  for (int g : gaps) s.colours[g] = kLocusGap;
  return l;
}

TEST(LocusDrawing, ThePathBreaksAtGapsAndJumps) {
  Fixture f;
  // 0-10-20 joined, 30 is a gap, 40 stands alone, 40 -> 300 is a jump, 300-310 joined.
  Element* l =
      HandLocus(f.doc, {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}, {300, 0}, {310, 0}}, {3});
  EXPECT_EQ(f.RedLines(), 3);
  // A jump just under 200 units is still joined.
  l->as<SampleExt>()->x1[5] = 239;
  l->as<SampleExt>()->x1[6] = 249;
  EXPECT_EQ(f.RedLines(), 4);
}

TEST(LocusDrawing, AClosedPathJoinsItsLastSampleToTheFirst) {
  Fixture f;
  Element* l = HandLocus(f.doc, {{0, 0}, {50, 0}, {50, 50}, {0, 50}});
  EXPECT_EQ(f.RedLines(), 3);
  l->attr1 = 1;
  EXPECT_EQ(f.RedLines(), 4);
}

TEST(LocusDetection, ThePiecesDrawnAreThePiecesFound) {
  Document doc;
  Element* l = HandLocus(doc, {{0, 0}, {50, 0}, {50, 50}, {0, 50}, {-20, 25}, {-30, 25}}, {4});
  DetectionQuery q;
  q.tolerance = 4;
  q.doc = &doc;
  auto at = [&](double x, double y) {
    q.pointer = {x, y};
    return HitByType(*l, q);
  };
  EXPECT_TRUE(at(25, 1));     // on the first piece
  EXPECT_FALSE(at(0, 25));    // the open path has no closing piece
  EXPECT_FALSE(at(-10, 37));  // the pieces touching the gap are not drawn
  l->attr1 = 1;
  EXPECT_TRUE(at(-15, 12.5));  // closing piece (-30, 25) -> (0, 0)
}

TEST(LocusDrawing, ASweptConicLocusDrawsItsInstancesAndLeavesTheFigureAsItWas) {
  Fixture f;
  std::array<Element*, 5> five{};
  for (int i = 0; i < 4; ++i)
    five[i] = AddPoint(f.doc, 150 * std::cos(1.3 * i), 80 * std::sin(1.3 * i));
  Element* c = AddPoint(f.doc, 0, -120);
  Element* rim = AddPoint(f.doc, 30, -120);
  Element* circle = Add(f.doc, kCircleCentrePoint, {c, rim});
  five[4] = Add(f.doc, kPointOnElement, {circle}, {0, 0, 0, 1});
  Element* conic = test::AddWithPicks(f.doc, kConic, {five[0], five[1], five[2], five[3], five[4]});
  Element* locus = Add(f.doc, kLocus, {conic, five[4]});
  locus->colour = kRed;
  RecomputeAll(f.doc);
  ASSERT_EQ(conic->exists, 1);
  ASSERT_EQ(locus->exists, 1);
  EXPECT_TRUE(IsSweptLocus(*locus));
  const auto before = conic->as<ConicExt>()->data.Equation();
  const std::array<double, 4> driverBefore = five[4]->value;
  const int lines = f.RedLines();
  // 30 instances of a closed conic, each drawn as pieces.
  EXPECT_GT(lines, 30 * 10);
  EXPECT_EQ(conic->as<ConicExt>()->data.Equation(), before);
  EXPECT_EQ(five[4]->value, driverBefore);
  // One instance fewer when the locus has fewer samples.
  locus->as<SampleExt>()->sampleCount = 29;
  EXPECT_LT(f.RedLines(), lines);
}

}  // namespace
}  // namespace velt
