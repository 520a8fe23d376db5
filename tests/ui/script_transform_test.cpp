// Scenarios of the transformation tools, played as scripts: central and axial symmetry,
// translation, rotation, homothety and inversion of points, whole elements and selections,
// with one undo step per use. Rotation and homothety take their number from a parameter
// (kind 63) put in the list before the script, its value shown at (200, 200).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "geometry/recompute.h"
#include "model/create.h"
#include "model/element.h"
#include "model/kinds.h"
#include "support/builders.h"
#include "ui/fake_host.h"
#include "ui/script_support.h"

namespace velt {
namespace {

using test::P3;
using test::Scenario;

// A parameter of the given value whose label stands with its top-left corner at (200, 200);
// a click at (210, 195) falls inside it.
Element* AddNumber(Document& doc, double value) {
  ElementTemplate t;
  t.kind = kParameter;
  CreationSettings settings;
  settings.parameterValue = value;
  Element* n = MakeElementFromTemplate(doc, t, settings);
  n->value[2] = 200;
  n->value[3] = 200;
  return n;
}
constexpr const char* kClickNumber = "click 210 195\n";

// The scenario's document in the given angle unit (0 RAD, 1 DEG), holding number 1.
void WithNumber(Scenario& s, double value, int angleUnit = 1) {
  s.doc().angleUnit = angleUnit;
  AddNumber(s.doc(), value);
}

TEST(ScriptToolCentralSymmetry, APointAboutAClickedCentreFollowsItsSource) {
  Scenario s("tool 1\nclick 10 20\ntool B_Punto_Sim\nclick 10 20\nclick 0 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(2), kFreePoint) << "the centre made by the click";
  EXPECT_EQ(s.Kind(3), kPointCentralSymmetry);
  EXPECT_EQ(s.Parents(3), (P3{1, 2, -1}));
  EXPECT_AT(s.At(3), -10, -20);
  // The image follows its source and its centre.
  s.Play("tool 0\ndrag 10 20 30 40\ndrag 0 0 5 5\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_AT(s.At(3), -20, -30);
  // Two undos take back the drags, the third the whole use: its centre and the image.
  s.Play("undo\nundo\n");
  EXPECT_AT(s.At(3), -10, -20);
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 1);
}

TEST(ScriptToolAxialSymmetry, AxisLinesSegmentsAndPolygonSides) {
  {
    // (1, 2) in the x axis of axes whose origin is at (-200, 0): 4 is the x axis line.
    Scenario s(
        "tool 1\nclick 1 2\ntool B_N_ejes\nclick -200 0\ntool B_sim_ax\nclick 1 2\n"
        "click 100 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 6);
    EXPECT_EQ(s.Kind(4), kAxisX);
    EXPECT_EQ(s.Kind(6), kPointAxialSymmetry);
    EXPECT_EQ(s.Parents(6), (P3{1, 4, -1}));
    EXPECT_AT(s.At(6), 1, -2);
  }
  {
    // A segment from (0, 0) to (100, 0) reflects (300, 50) beyond its end: the whole
    // carrier is the axis.
    Scenario s(
        "tool 9\nclick 0 0\nclick 100 0\ntool 1\nclick 300 50\n"
        "tool 21\nclick 300 50\nclick 50 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Kind(5), kPointAxialSymmetry);
    EXPECT_EQ(s.Parents(5), (P3{4, 3, -1}));
    EXPECT_AT(s.At(5), 300, -50);
  }
  {
    // A polygon's first side, from (-100, -100) to (100, -100), is the axis by itself.
    Scenario s(
        "tool 10\nclick -100 -100\nclick 100 -100\nclick 0 100\nclick -100 -100\n"
        "tool 1\nclick 0 -200\ntool 21\nclick 0 -200\nclick 0 -100\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 9);
    EXPECT_EQ(s.Kind(5), kPolygonSide);
    EXPECT_EQ(s.Parents(9), (P3{8, 5, -1}));
    EXPECT_AT(s.At(9), 0, 0);
  }
  {
    // The same with the point selected before the tool is chosen: the side is the only pick.
    Scenario s(
        "tool 10\nclick -100 -100\nclick 100 -100\nclick 0 100\nclick -100 -100\n"
        "tool 1\nclick 0 -200\ntool 0\nclick 0 -200\ntool 21\nclick 0 -100\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 9);
    EXPECT_EQ(s.Parents(9), (P3{8, 5, -1}));
    EXPECT_AT(s.At(9), 0, 0);
  }
}

TEST(ScriptToolTranslation, ByAVectorOrByTwoPoints) {
  {
    // The vector from (-200, -200) to (-170, -160), picked on its body.
    Scenario s(
        "tool B_vector\nclick -200 -200\nclick -170 -160\ntool 1\nclick 100 0\n"
        "tool B_traslac\nclick 100 0\nclick -185 -180\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Kind(5), kPointTranslation);
    EXPECT_EQ(s.Parents(5), (P3{4, 1, 2}));
    EXPECT_AT(s.At(5), 130, 40);
    s.Play("undo\n");
    EXPECT_EQ(s.Count(), 4) << "one undo takes the image back";
  }
  {
    // Two clicks on empty plane make the start and the end of the translation.
    Scenario s("tool 1\nclick 100 0\ntool 22\nclick 100 0\nclick 0 0\nclick -20 50\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 4);
    EXPECT_EQ(s.Kind(4), kPointTranslation);
    EXPECT_EQ(s.Parents(4), (P3{1, 2, 3}));
    EXPECT_AT(s.At(4), 80, 50);
    // Moving the end moves the image by as much.
    s.Play("tool 0\ndrag -20 50 10 30\n");
    EXPECT_AT(s.At(4), 110, 30);
    s.Play("undo\nundo\n");
    EXPECT_EQ(s.Count(), 1) << "the use, with both points its clicks made, is one step";
  }
  {
    // Choosing another tool after the first of the two points takes that point back.
    Scenario s("tool 1\nclick 100 0\ntool 22\nclick 100 0\nclick 0 0\ntool 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    EXPECT_EQ(s.Count(), 1);
  }
}

TEST(ScriptToolRotation, ByANumberInTheDocumentsAngleUnit) {
  const std::string script = "tool 1\nclick 100 0\ntool B_giro\nclick 100 0\nclick 0 0\n";
  {
    Scenario s;
    WithNumber(s, 90, 1);
    s.Play(script + kClickNumber);
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 4);
    EXPECT_EQ(s.Kind(4), kPointRotation);
    EXPECT_EQ(s.Parents(4), (P3{2, 3, 1}));
    EXPECT_AT(s.At(4), 0, 100);
    // The image follows the number.
    Element& n = const_cast<Element&>(s.E(1));
    n.value[0] = 180;
    RecomputeAll(s.doc());
    EXPECT_AT(s.At(4), -100, 0);
  }
  {
    // In RAD the same number turns by 90 radians.
    Scenario s;
    WithNumber(s, 90, 0);
    s.Play(script + kClickNumber);
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 4);
    EXPECT_AT(s.At(4), 100 * std::cos(90.0), 100 * std::sin(90.0));
  }
  {
    // A click on empty plane where the number is wanted picks nothing: no image yet, and
    // leaving the tool takes the centre back.
    Scenario s;
    WithNumber(s, 90);
    s.Play(script + "click 300 -200\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    EXPECT_EQ(s.Count(), 3);
    s.Play(script + "click 300 -200\ntool 0\n");
    EXPECT_EQ(s.Count(), 4) << "the first script's centre stays, the second's goes";
  }
}

TEST(ScriptToolHomothety, ByANumberAboutACentre) {
  // Ratio 2 about (10, 10): (60, 30) goes to (10, 10) + 2 (50, 20).
  Scenario s;
  WithNumber(s, 2);
  s.Play(std::string("tool 1\nclick 60 30\ntool B_homotec\nclick 60 30\nclick 10 10\n") +
         kClickNumber);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Kind(4), kPointHomothety);
  EXPECT_EQ(s.Parents(4), (P3{2, 3, 1}));
  EXPECT_AT(s.At(4), 110, 50);
  // Ratio -1 is the central symmetry.
  Element& n = const_cast<Element&>(s.E(1));
  n.value[0] = -1;
  RecomputeAll(s.doc());
  EXPECT_AT(s.At(4), -40, -10);
}

TEST(ScriptToolInversion, ACircleAndAPointInEitherOrder) {
  // The circle 3 of radius 100 about the origin 2 through 1, and the point 4 at (50, 0):
  // its inverse is at 100^2 / 50 = 200 from the centre.
  const std::string base =
      "tool 1\nclick 100 0\ntool 5\nclick 0 0\nclick 100 0\ntool 1\nclick 50 0\n";
  for (const char* picks : {"click 0 100\nclick 50 0\n", "click 50 0\nclick 0 -100\n"}) {
    Scenario s(base + "tool B_inversion\n" + picks);
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5) << picks;
    EXPECT_EQ(s.Kind(5), kPointInversion);
    EXPECT_EQ(s.Parents(5), (P3{3, 4, -1})) << picks;
    EXPECT_TRUE(s.E(5).exists);
    EXPECT_AT(s.At(5), 200, 0);
  }
  {
    // A click on empty plane is no point to invert; the centre itself has no image.
    Scenario s(base + "tool 25\nclick 0 100\nclick -50 -50\nclick 0 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Parents(5), (P3{3, 2, -1}));
    EXPECT_FALSE(s.E(5).exists);
  }
}

TEST(ScriptToolTransformWhole, SegmentCircleAndPolygon) {
  {
    // Central symmetry of a segment about (0, -100): two shown images and a segment.
    Scenario s("tool 9\nclick 0 0\nclick 100 0\ntool 20\nclick 50 0\nclick 0 -100\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 7);
    EXPECT_EQ(s.Kind(5), kPointCentralSymmetry);
    EXPECT_EQ(s.Parents(5), (P3{1, 4, -1}));
    EXPECT_AT(s.At(5), 0, -200);
    EXPECT_EQ(s.Parents(6), (P3{2, 4, -1}));
    EXPECT_AT(s.At(6), -100, -200);
    EXPECT_EQ(s.E(5).visibility, 1);
    EXPECT_EQ(s.E(6).visibility, 1);
    EXPECT_EQ(s.Kind(7), kSegment);
    EXPECT_EQ(s.Parents(7), (P3{5, 6, -1}));
    s.Play("undo\n");
    EXPECT_EQ(s.Count(), 3) << "the centre, both images and the segment go in one step";
  }
  {
    // Rotation by 90 DEG about the origin of circle 3, about (100, 0) with radius 50 (a
    // click on empty plane gave it no point): a hidden point 5 on it at parameter 1, the
    // centre's image shown, the image of 5 hidden, a circle on the two images.
    Scenario s;
    WithNumber(s, 90);
    s.Play(std::string("tool 5\nclick 100 0\nclick 150 0\ntool 23\nclick 100 50\nclick 0 0\n") +
           kClickNumber);
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 8);
    EXPECT_EQ(s.Kind(3), kCircleCentre);
    EXPECT_EQ(s.Kind(5), kPointOnElement);
    EXPECT_EQ(s.Parents(5), (P3{3, -1, -1}));
    EXPECT_EQ(s.E(5).visibility, 0);
    EXPECT_AT(s.At(5), 100 + 50 * std::cos(1.0), 50 * std::sin(1.0));
    EXPECT_EQ(s.Kind(6), kPointRotation);
    EXPECT_EQ(s.Parents(6), (P3{2, 4, 1}));
    EXPECT_AT(s.At(6), 0, 100);
    EXPECT_EQ(s.E(6).visibility, 1);
    EXPECT_EQ(s.Parents(7), (P3{5, 4, 1}));
    EXPECT_AT(s.At(7), -50 * std::sin(1.0), 100 + 50 * std::cos(1.0));
    EXPECT_EQ(s.E(7).visibility, 0);
    EXPECT_EQ(s.Kind(8), kCircleCentrePoint);
    EXPECT_EQ(s.Parents(8), (P3{6, 7, -1}));
  }
  {
    // Homothety of ratio 2 about the origin of a triangle: three images, a polygon on them.
    Scenario s;
    WithNumber(s, 2);
    s.Play(std::string("tool 10\nclick 10 10\nclick 60 10\nclick 10 60\nclick 10 10\n"
                       "tool 24\nclick 35 10\nclick 0 0\n") +
           kClickNumber);
    ASSERT_TRUE(s.ok()) << s.failure();
    // 1 number, 2-4 vertices, 5 polygon, 6-8 sides, 9 centre, 10-12 images, 13 polygon
    // and 14-16 its sides.
    ASSERT_EQ(s.Count(), 16);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(s.Kind(10 + i), kPointHomothety);
      EXPECT_EQ(s.Parents(10 + i), (P3{2 + i, 9, 1}));
    }
    EXPECT_AT(s.At(10), 20, 20);
    EXPECT_AT(s.At(11), 120, 20);
    EXPECT_AT(s.At(12), 20, 120);
    EXPECT_EQ(s.Kind(13), kPolygon);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(s.Parents(14 + i)[0], 10 + i) << "side " << i;
  }
}

TEST(ScriptToolTransformSelection, SharedPointsOnceAndTheSelectionKept) {
  // The segment and both its ends selected, then the tool chosen: the centre is the only
  // pick left, and each end is mapped once.
  const std::string select =
      "tool 9\nclick 0 0\nclick 100 0\ntool 0\nclick 50 0\nshift-click 0 0\n"
      "shift-click 100 0\ntool B_Punto_Sim\nclick 0 -100\n";
  Scenario s(select);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  EXPECT_EQ(s.Kind(4), kFreePoint);
  EXPECT_EQ(s.Parents(5), (P3{1, 4, -1}));
  EXPECT_EQ(s.Parents(6), (P3{2, 4, -1}));
  EXPECT_EQ(s.Kind(7), kSegment);
  EXPECT_EQ(s.Parents(7), (P3{5, 6, -1}));
  for (int n : {1, 2, 3}) EXPECT_TRUE(s.E(n).selected) << n;
  // The selection stays the object: the next centre transforms it again.
  Scenario twice(select + "click 0 100\n");
  ASSERT_EQ(twice.Count(), 11);
  EXPECT_EQ(twice.Parents(9), (P3{1, 8, -1}));
  EXPECT_AT(twice.At(9), 0, 200);
  EXPECT_AT(twice.At(10), -100, 200);
  EXPECT_EQ(twice.Kind(11), kSegment);
  // One undo takes back the second use only.
  twice.Play("undo\n");
  EXPECT_EQ(twice.Count(), 7);
}

TEST(ScriptToolTransformSelection, TheCentreMayBeASelectedPointAndInversionMapsPointsOnly) {
  {
    // A segment and its ends turned about its own first end by 90 DEG.
    Scenario s;
    WithNumber(s, 90);
    s.Play(std::string("tool 9\nclick 0 0\nclick 100 0\ntool 0\nclick 50 0\nshift-click 0 0\n"
                       "shift-click 100 0\ntool B_giro\nclick 0 0\n") +
           kClickNumber);
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 7);
    EXPECT_EQ(s.Parents(5), (P3{2, 2, 1})) << "the first end, about itself";
    EXPECT_AT(s.At(5), 0, 0);
    EXPECT_AT(s.At(6), 0, 100);
    EXPECT_EQ(s.Kind(7), kSegment);
  }
  {
    // The circle of inversion, a segment and its ends selected: only the two points are
    // inverted (the segment and the circle are not).
    Scenario s(
        "tool 5\nclick 0 0\nclick 100 0\ntool 9\nclick 50 0\nclick 0 -25\n"
        "tool 0\nclick 25 -12.5\nshift-click 50 0\nshift-click 0 -25\n"
        "shift-click 0 100\ntool 25\nclick -100 0\n");
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_EQ(s.Count(), 7);
    EXPECT_EQ(s.Parents(6), (P3{2, 3, -1}));
    EXPECT_AT(s.At(6), 200, 0);
    EXPECT_EQ(s.Parents(7), (P3{2, 4, -1}));
    EXPECT_AT(s.At(7), 0, -400);
  }
}

TEST(ScriptToolTransformSelection, EverythingSelectedIsTransformedOnce) {
  // A triangle (1-3, polygon 4, sides 5-7), a circle 10 about 9 through 8 and a free point
  // 11, all selected, then their central symmetric about (0, -200): (x, y) goes to
  // (-x, -400 - y). The sides come with their polygon, not as segments of their own.
  Scenario s(
      "tool 10\nclick -100 -100\nclick 100 -100\nclick 0 100\nclick -100 -100\n"
      "tool 1\nclick 250 0\ntool 5\nclick 200 0\nclick 250 0\ntool 1\nclick -200 200\n"
      "select-all\ntool 20\nclick 0 -200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 23);
  EXPECT_EQ(s.Kind(12), kFreePoint);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(s.Parents(13 + i), (P3{1 + i, 12, -1}));
  EXPECT_AT(s.At(13), 100, -300);
  EXPECT_AT(s.At(15), 0, -500);
  EXPECT_EQ(s.Kind(16), kPolygon);
  EXPECT_EQ(s.Parents(20), (P3{9, 12, -1}));
  EXPECT_AT(s.At(20), -200, -400);
  EXPECT_EQ(s.Parents(21), (P3{8, 12, -1}));
  EXPECT_EQ(s.Kind(22), kCircleCentrePoint);
  EXPECT_EQ(s.Parents(22), (P3{20, 21, -1}));
  EXPECT_EQ(s.Kind(23), kPointCentralSymmetry);
  EXPECT_EQ(s.Parents(23), (P3{11, 12, -1}));
  EXPECT_AT(s.At(23), 200, -600);
}

TEST(TransformSelection, ChoosingTheToolLeavesOnlyTheDataToPick) {
  test::Bench b;
  Element* a = test::AddPoint(b.doc(), 0, 0);
  Element* c = test::AddPoint(b.doc(), 100, 0);
  Element* seg = test::Add(b.doc(), kSegment, {a, c});
  RecomputeAll(b.doc());
  seg->selected = 1;
  b.ix.SelectTool(Tool::B_sim_ax);
  EXPECT_EQ(b.ix.pickCounter(), 1);
  EXPECT_TRUE(seg->selected) << "the selection stays";
  EXPECT_TRUE(b.ix.mask()[kTypeLine] && b.ix.mask()[kTypePolygon] && b.ix.mask()[kTypeAxes]);
  EXPECT_FALSE(b.ix.mask()[kTypePoint] || b.ix.mask()[kTypeCircle]);
  b.ix.SelectTool(Tool::B_inversion);
  EXPECT_EQ(b.ix.pickCounter(), 1);
  EXPECT_TRUE(b.ix.mask()[kTypeCircle]);
  EXPECT_FALSE(b.ix.mask()[kTypePoint]);
  b.ix.SelectTool(Tool::B_traslac);
  EXPECT_EQ(b.ix.mask()[kTypePoint], 2) << "a vector or two points";
  EXPECT_TRUE(b.ix.mask()[kTypeVector]);
  // Any other tool ends it.
  b.ix.SelectTool(Tool::B_Segmento);
  EXPECT_FALSE(seg->selected);
  EXPECT_EQ(b.ix.pickCounter(), 0);
  // Without a selection the object is picked first.
  b.ix.SelectTool(Tool::B_sim_ax);
  EXPECT_EQ(b.ix.pickCounter(), 0);
  EXPECT_TRUE(b.ix.mask()[kTypePoint]);
}

TEST(TransformPreview, TheImageFollowsThePointer) {
  test::Bench b;
  Element* a = test::AddPoint(b.doc(), 0, 0);
  Element* c = test::AddPoint(b.doc(), 100, 0);
  test::Add(b.doc(), kSegment, {a, c});
  RecomputeAll(b.doc());
  b.ix.SelectTool(Tool::B_Punto_Sim);
  b.Click(50, 0);
  b.Move(0, -100);
  {
    auto p = b.ix.Preview();
    ASSERT_EQ(p.drawn.size(), 1u);
    EXPECT_EQ(p.drawn[0]->kind, kSegment);
    EXPECT_AT((test::XY{p.drawn[0]->value[0], p.drawn[0]->value[1]}), 0, -200);
    EXPECT_AT((test::XY{p.drawn[0]->value[2], p.drawn[0]->value[3]}), -100, -200);
  }
  // With the segment and its first end selected, the pointer is the centre of both.
  b.ix.SelectTool(Tool::Sel);
  b.At(0)->selected = 1;
  b.At(2)->selected = 1;
  b.ix.SelectTool(Tool::B_Punto_Sim);
  b.Move(0, -100);
  {
    auto p = b.ix.Preview();
    ASSERT_EQ(p.drawn.size(), 2u);
    EXPECT_EQ(p.drawn[0]->type(), kTypePoint);
    EXPECT_AT((test::XY{p.drawn[0]->x(), p.drawn[0]->y()}), 0, -200);
    EXPECT_EQ(p.drawn[1]->kind, kSegment);
    EXPECT_AT((test::XY{p.drawn[1]->value[2], p.drawn[1]->value[3]}), -100, -200);
  }
  b.ix.SelectTool(Tool::Sel);
  SetSelected(b.doc().elements(), 0);
  // Translation: the object, the start, then the pointer stands for the end.
  b.ix.SelectTool(Tool::B_traslac);
  b.Click(50, 0);
  b.Click(-300, 0);
  b.Move(-290, 20);
  {
    auto p = b.ix.Preview();
    ASSERT_EQ(p.drawn.size(), 1u);
    EXPECT_AT((test::XY{p.drawn[0]->value[0], p.drawn[0]->value[1]}), 10, 20);
    EXPECT_AT((test::XY{p.drawn[0]->value[2], p.drawn[0]->value[3]}), 110, 20);
  }
  // Inversion: the circle picked, the pointer's inverse.
  b.ix.SelectTool(Tool::B_Circunf);
  b.Click(0, 200);
  b.Click(0, 100);
  b.ix.SelectTool(Tool::B_inversion);
  b.Click(100, 200);
  b.Move(0, 150);
  auto p = b.ix.Preview();
  ASSERT_EQ(p.drawn.size(), 1u);
  EXPECT_EQ(p.drawn[0]->type(), kTypePoint);
  EXPECT_AT((test::XY{p.drawn[0]->x(), p.drawn[0]->y()}), 0, 0);
}

}  // namespace
}  // namespace velt
