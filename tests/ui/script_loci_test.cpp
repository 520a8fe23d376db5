// Scenarios of the locus tool, the trace tool and the intersection tool on loci, played as
// scripts, and switching every trace off.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/locus_sampling.h"
#include "model/kinds.h"
#include "ui/fake_host.h"
#include "ui/script_support.h"
#include "ui/workspace.h"

namespace velt {
namespace {

using test::P3;
using test::Scenario;

constexpr double kHalfPi = 1.5707963267948966;

// 1 the centre (100, 50), 2 the circle of radius 60, 3 a point on it at (100, 110), 4 a
// free point (10, 20), 5 their midpoint at (55, 65).
constexpr const char* kMidpointFigure =
    "tool 5\nclick 100 50\nclick 160 50\n"
    "tool 1\nclick 100 110\nclick 10 20\n"
    "tool 15\nclick 10 20\nclick 100 110\n";

std::vector<int> TraceNumbers(Scenario& s) {
  std::vector<int> out;
  for (const Element* e : s.doc().figure->traces) out.push_back(e->number);
  return out;
}

TEST(ScriptToolLocus, TheMidpointDrivenRoundACircleTracesHalfTheCircle) {
  Scenario s(std::string(kMidpointFigure) + "tool 19\nclick 55 65\nclick 100 110\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  EXPECT_EQ(s.Kind(6), kLocus);
  EXPECT_EQ(s.Parents(6), (P3{5, 3, -1}));
  const Element& locus = s.E(6);
  EXPECT_EQ(locus.exists, 1);
  EXPECT_EQ(locus.attr1, 1);
  const SampleExt& samples = *locus.as<SampleExt>();
  ASSERT_EQ(samples.recorded, 80);
  for (int i = 0; i < 80; ++i)
    EXPECT_NEAR(std::hypot(samples.x1[i] - 55, samples.y1[i] - 35), 30, 1e-9) << i;
  // One undo removes the locus alone.
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 5);
}

TEST(ScriptToolLocus, ADriverThatDoesNotMoveTheElementMakesNothing) {
  // The free point 4 drives nothing; the point on the circle does not move the free point.
  Scenario s(std::string(kMidpointFigure) + "tool 19\nclick 55 65\nclick 10 20\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 5);
  s.Play("tool 19\nclick 10 20\nclick 100 110\n");
  EXPECT_EQ(s.Count(), 5);
}

TEST(ScriptToolLocus, APointOnAGridDrivesALocusOverTheNodesInView) {
  // Axes 1..4 on the origin, grid 5, a point 6 on its node (80, 40), a free point 7 at
  // (20, 20) and their midpoint 8 at (50, 30).
  Scenario s(
      "tool 39\nclick 0 0\ntool 41\nclick 150 0\n"
      "tool 1\nclick 81 41\nclick 20 20\n"
      "tool 15\nclick 80 40\nclick 20 20\n"
      "tool 19\nclick 50 30\nclick 80 40\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 9);
  EXPECT_EQ(s.Kind(6), kPointOnGrid);
  EXPECT_EQ(s.Kind(9), kLocus);
  EXPECT_EQ(s.Parents(9), (P3{8, 6, -1}));
  const Element& locus = s.E(9);
  EXPECT_EQ(locus.exists, 1);
  const SampleExt& samples = *locus.as<SampleExt>();
  const Document& doc = s.doc();
  // Every node of the step-40 grid inside the view, each one once.
  const int columns =
      static_cast<int>(std::ceil(doc.viewRight / 40) - std::ceil(doc.viewLeft / 40));
  const int rows = static_cast<int>(std::floor(doc.viewTop / 40) - std::floor(doc.viewBottom / 40));
  ASSERT_EQ(samples.recorded, columns * rows);
  for (int i = 0; i < samples.recorded; ++i) {
    const double nodeX = 2 * samples.x1[i] - 20, nodeY = 2 * samples.y1[i] - 20;
    EXPECT_EQ(std::fmod(nodeX, 40), 0) << i;
    EXPECT_EQ(std::fmod(nodeY, 40), 0) << i;
    EXPECT_TRUE(nodeX >= doc.viewLeft && nodeX < doc.viewRight) << i;
    EXPECT_TRUE(nodeY > doc.viewBottom && nodeY <= doc.viewTop) << i;
  }
}

TEST(ScriptToolLocus, MovingTheViewSamplesAGridLocusAgain) {
  Scenario s(
      "tool 39\nclick 0 0\ntool 41\nclick 150 0\n"
      "tool 1\nclick 81 41\nclick 20 20\n"
      "tool 15\nclick 80 40\nclick 20 20\n"
      "tool 19\nclick 50 30\nclick 80 40\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(9), kLocus);
  Workspace ws(false);
  Document& doc = s.doc();
  // A view of 100 by 100 from (0, 100): nodes x = 0, 40, 80 on rows y = 80, 40.
  ws.clientWidth = ws.clientHeight = 100;
  doc.viewLeft = 0, doc.viewTop = 100;
  ws.SyncView(doc);
  const SampleExt& samples = *s.E(9).as<SampleExt>();
  ASSERT_EQ(samples.recorded, 6);
  EXPECT_EQ(samples.x1[0], (0 + 20) / 2);
  EXPECT_EQ(samples.y1[0], (80 + 20) / 2);
}

TEST(ScriptToolLocus, ATracedLineGivesAFamilyOfFiftyInstances) {
  // 6 the line through the free point and the point on the circle.
  Scenario s(std::string(kMidpointFigure) + "tool 2\nclick 10 20\nclick 100 110\n" +
             "tool 19\nclick -35 -25\nclick 100 110\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(6), kLineTwoPoints);
  ASSERT_EQ(s.Count(), 7);
  EXPECT_EQ(s.Parents(7), (P3{6, 3, -1}));
  const SampleExt& samples = *s.E(7).as<SampleExt>();
  EXPECT_EQ(samples.sampleCount, 50);
  ASSERT_EQ(samples.recorded, 50);
  for (int i = 0; i < 50; ++i) {
    EXPECT_NEAR(samples.x1[i], 10, 1e-9);  // every line passes the free point
    EXPECT_NEAR(std::hypot(samples.x2[i] - 100, samples.y2[i] - 50), 60, 1e-9);
  }
}

TEST(ScriptToolLocus, IntersectionToolMakesEveryCommonPointOfALocusAndALine) {
  // The locus (6) is the circle of radius 30 about (55, 35); the line y = 35 cuts it at
  // x = 25 and x = 85.
  Scenario s(std::string(kMidpointFigure) + "tool 19\nclick 55 65\nclick 100 110\n" +
             "tool 2\nclick -200 35\nclick 300 35\n" +
             "tool 18\nclick 33.79 13.79\nclick -100 35\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // 7 the point (-200, 35), 8 the line through it, 9 and 10 the common points.
  ASSERT_EQ(s.Count(), 10);
  EXPECT_EQ(s.Parents(9), (P3{6, 8, -1}));
  std::vector<double> xs;
  for (int n : {9, 10}) {
    EXPECT_EQ(s.Kind(n), kIntersection);
    EXPECT_EQ(s.E(n).attr1, 42);
    EXPECT_EQ(s.E(n).exists, 1);
    EXPECT_NEAR(s.At(n).y, 35, 1e-9);
    xs.push_back(s.At(n).x);
  }
  EXPECT_EQ(s.E(9).attr2, 0);
  EXPECT_EQ(s.E(10).attr2, 1);
  EXPECT_NEAR(std::min(xs[0], xs[1]), 25, 1e-3);
  EXPECT_NEAR(std::max(xs[0], xs[1]), 85, 1e-3);
  // Dragging the free point moves the locus and its common points with the line.
  s.Play("tool 0\ndrag 10 20 30 20\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  xs = {s.At(9).x, s.At(10).x};
  EXPECT_NEAR(std::min(xs[0], xs[1]), 35, 1e-3);
  EXPECT_NEAR(std::max(xs[0], xs[1]), 95, 1e-3);
}

TEST(ScriptToolLocus, DraggingTheTracedPointMovesItsDriver) {
  const double tx = 55 + 30 * std::cos(2.0), ty = 35 + 30 * std::sin(2.0);
  Scenario s(std::string(kMidpointFigure) + "tool 19\nclick 55 65\nclick 100 110\n" +
             "tool 0\ndrag 55 65 " + std::to_string(tx) + " " + std::to_string(ty) + "\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // The point on the circle turned to angle 2; the midpoint follows on the locus.
  EXPECT_NEAR(s.E(3).value[3], 2.0, 2e-3);
  EXPECT_NEAR(s.At(5).x, tx, 0.1);
  EXPECT_NEAR(s.At(5).y, ty, 0.1);
  EXPECT_NEAR(s.At(4).x, 10, 1e-12);  // the free point stays
  s.Play("undo\n");
  EXPECT_NEAR(s.E(3).value[3], kHalfPi, 1e-12);
}

TEST(ScriptToolLocus, APointClickedWhereALocusCrossesALineIsTheirCommonPoint) {
  Scenario s(std::string(kMidpointFigure) + "tool 19\nclick 55 65\nclick 100 110\n" +
             "tool 2\nclick -200 35\nclick 300 35\ntool 1\nclick 26 35.5\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 9);
  EXPECT_EQ(s.Kind(9), kIntersection);
  EXPECT_EQ(s.E(9).attr1, 42);
  EXPECT_EQ(s.E(9).attr2, 1);  // the second point along the locus
  EXPECT_NEAR(s.At(9).x, 25, 1e-3);
  EXPECT_NEAR(s.At(9).y, 35, 1e-9);
}

TEST(ScriptToolTrace, EachClickSwitchesATraceWithOneUndoStep) {
  Scenario s(std::string(kMidpointFigure) + "tool 47\nclick 55 65\nclick 100 50\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(TraceNumbers(s), (std::vector<int>{5, 1}));
  s.Play("tool 47\nclick 55 65\n");
  EXPECT_EQ(TraceNumbers(s), (std::vector<int>{1}));
  s.Play("undo\n");
  EXPECT_EQ(TraceNumbers(s), (std::vector<int>{5, 1}));
  s.Play("undo\n");
  EXPECT_EQ(TraceNumbers(s), (std::vector<int>{5}));
  s.Play("redo\n");
  EXPECT_EQ(TraceNumbers(s), (std::vector<int>{5, 1}));
  // Changing the tool keeps the traces: no gesture is left open.
  s.Play("tool 0\n");
  EXPECT_EQ(TraceNumbers(s), (std::vector<int>{5, 1}));
}

TEST(ScriptToolTrace, AtMostAHundredTracesAndNoStepForTheRest) {
  std::string script = "tool 1\n";
  for (int i = 0; i < 101; ++i)
    script +=
        "click " + std::to_string(-300 + 6 * i) + " " + std::to_string(i % 2 ? 100 : -100) + "\n";
  script += "tool 47\n";
  for (int i = 0; i < 101; ++i)
    script +=
        "click " + std::to_string(-300 + 6 * i) + " " + std::to_string(i % 2 ? 100 : -100) + "\n";
  Scenario s(script);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 101);
  EXPECT_EQ(s.doc().figure->traces.size(), 100u);
  EXPECT_EQ(s.doc().figure->traces.back()->number, 100);
  // The ignored click stored nothing: one undo takes the hundredth trace away.
  s.Play("undo\n");
  EXPECT_EQ(s.doc().figure->traces.size(), 99u);
}

TEST(TraceCommands, SwitchingAllTracesOffIsOneUndoStep) {
  test::Bench b;
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(10, 10);
  b.Click(50, 10);
  b.ix.SelectTool(Tool::B_traza);
  b.Click(10, 10);
  b.Click(50, 10);
  ASSERT_EQ(b.doc().figure->traces.size(), 2u);
  b.ix.DisableAllTraces();
  EXPECT_TRUE(b.doc().figure->traces.empty());
  EXPECT_EQ(b.Count(), 2u);
  b.ix.UndoCommand();
  EXPECT_EQ(b.doc().figure->traces.size(), 2u);
  b.ix.UndoCommand();
  EXPECT_EQ(b.doc().figure->traces.size(), 1u);
}

TEST(TraceCommands, SwitchingTracesOffInsideAGestureAddsNoStep) {
  test::Bench b;
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(10, 10);
  b.ix.SelectTool(Tool::B_traza);
  b.Click(10, 10);
  // A segment's first point opens a gesture with its own step.
  b.ix.SelectTool(Tool::B_Segmento);
  b.Click(80, 80);
  const int steps = b.doc().undo.count();
  b.ix.DisableAllTraces();
  EXPECT_TRUE(b.doc().figure->traces.empty());
  EXPECT_EQ(b.doc().undo.count(), steps);
  // Nothing to switch off: no step either.
  b.ix.SelectTool(Tool::Sel);
  const int after = b.doc().undo.count();
  b.ix.DisableAllTraces();
  EXPECT_EQ(b.doc().undo.count(), after);
}

}  // namespace
}  // namespace velt
