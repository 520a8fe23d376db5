// Tool 59 played as the window would: the dialog's answers, the picks into the sets, the count,
// and the iteration it makes; the dialog's enabling rules; detection and rectangle selection
// on the copies.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "anim/iteration_setup.h"
#include "anim/iteration_walk.h"
#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/detection.h"
#include "ui/script_support.h"
#include "ui/selection_rect.h"

namespace velt {
namespace {

using test::Scenario;

// A square (elements 1..5: four corners and the polygon) and the midpoints of its sides (6..9).
constexpr const char* kSquare =
    "tool B_Poligono\n"
    "click -200 -200\nclick 200 -200\nclick 200 200\nclick -200 200\nclick -200 -200\n"
    "tool B_2_div_seg\nclick -200 -200\nclick 200 -200\n"
    "click 200 -200\nclick 200 200\n"
    "click 200 200\nclick -200 200\n"
    "click -200 200\nclick -200 -200\n";

// The corners as the initial set, the midpoints as the destination set.
constexpr const char* kSets =
    "answer choose 0\ntool B_iteracion\n"
    "click -200 -200\nclick 200 -200\nclick 200 200\nclick -200 200\n"
    "answer add\ntool B_iteracion\n"
    "click 0 -200\nclick 200 0\nclick 0 200\nclick -200 0\n";

const Element* FindKind(Document& doc, int kind) {
  for (const ElementPtr& e : doc.elements())
    if (e->kind == kind) return e.get();
  return nullptr;
}

int CopyCount(const Document& doc, const Element& it) {
  return static_cast<int>(
      ForEachDrawnCopy(doc, it, [](const Element&, const Document&, int32_t) { return true; }));
}

TEST(IterationTool, SquareOfMidpointsIteratedTenTimes) {
  Scenario s(std::string(kSquare) + kSets +
             "answer count\ntool B_iteracion\n"
             "answer 10\nanswer iterate\nclick 350 250\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  const Element* it = FindKind(s.doc(), kIteration);
  ASSERT_NE(it, nullptr);
  EXPECT_EQ(it->exists, 1);
  const auto& ext = *it->as<IterationExt>();
  // The corners, the midpoints, then the polygon built on the corners.
  ASSERT_EQ(ext.elements.size(), 9u);
  EXPECT_EQ(ext.elements[8]->kind, kPolygon);
  EXPECT_EQ(ext.settings[kIterCount], 10);
  EXPECT_EQ(ext.settings[kIterInitials], 4);
  EXPECT_EQ(ext.settings[kIterSets], 1);
  EXPECT_EQ(ext.results, (std::vector<std::vector<int32_t>>{{4}, {5}, {6}, {7}}));
  EXPECT_EQ(CopyCount(s.doc(), *it), 10);
  // The tool is over; one undo takes the iteration away, and one redo brings it back.
  s.Play("undo\n");
  EXPECT_EQ(FindKind(s.doc(), kIteration), nullptr);
  s.Play("redo\n");
  ASSERT_NE(FindKind(s.doc(), kIteration), nullptr);
}

TEST(IterationTool, TheDialogsEnablingRules) {
  Scenario s(kSquare);
  Document& doc = s.doc();
  Element* n = test::Add(doc, kParameter, {});
  n->value[0] = 3;
  RecomputeAll(doc);
  Workspace& ws = s.ws;
  IterationSetup& setup = ws.iterationSetup;
  // Unequal sets: no iteration.
  s.Play(std::string(kSets) + "answer add\ntool B_iteracion\nclick -200 -200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(setup.sets.size(), 3u);
  EXPECT_EQ(setup.sets[2].size(), 1u);
  EXPECT_FALSE(CanIterate(doc, setup));
  // Removing the odd set enables it again.
  RemoveSet(setup, 2);
  EXPECT_TRUE(CanIterate(doc, setup));
  // A destination set that nothing built on the initials: disabled.
  IterationSetup loose;
  loose.sets = {setup.sets[0],
                {setup.sets[0][1], setup.sets[0][2], setup.sets[0][3], setup.sets[0][0]}};
  EXPECT_FALSE(CanIterate(doc, loose));
  // The count element survives the removal of the initial set, which takes every set.
  setup.countElement = n;
  RemoveSet(setup, 0);
  EXPECT_TRUE(setup.sets.empty());
  EXPECT_EQ(setup.countElement, n);
  EXPECT_FALSE(CanAddDestinationSet(setup));
  EXPECT_FALSE(CanRemoveSet(setup));
  // Choosing another tool drops the sets; the fixed count stays.
  setup.fixedCount = 7;
  s.Play("tool 0\n");
  EXPECT_EQ(setup.countElement, nullptr);
  EXPECT_EQ(setup.fixedCount, 7);
}

TEST(IterationTool, SetsHoldAtMost99ElementsAndTheListAtMost100Sets) {
  Document doc;
  IterationSetup s;
  ASSERT_TRUE(ChooseSet(s, 0));
  std::vector<Element*> points;
  for (int i = 0; i < 100; ++i) points.push_back(test::AddPoint(doc, i, 0));
  for (Element* p : points) TogglePick(s, *p);
  EXPECT_EQ(s.sets[0].size(), 99u);
  EXPECT_TRUE(TogglePick(s, *points[5]));  // a second pick takes it out
  EXPECT_EQ(s.sets[0].size(), 98u);
  for (int i = 1; i < 100; ++i) EXPECT_TRUE(AddDestinationSet(s));
  EXPECT_EQ(s.sets.size(), 100u);
  EXPECT_FALSE(AddDestinationSet(s));
  EXPECT_EQ(s.current, 99);
  RemoveSet(s, 50);  // later sets move up; the current set is now 98
  EXPECT_EQ(s.current, 98);
}

TEST(IterationTool, FixedCountFromTheTypedText) {
  IterationSetup s;
  s.fixedCount = 5;
  EXPECT_FALSE(SetFixedCountFromText(s, "cinco"));
  EXPECT_FALSE(SetFixedCountFromText(s, ""));
  EXPECT_FALSE(SetFixedCountFromText(s, "nan"));
  EXPECT_EQ(s.fixedCount, 5);
  EXPECT_TRUE(SetFixedCountFromText(s, " 12 "));
  EXPECT_EQ(s.fixedCount, 12);
  EXPECT_TRUE(SetFixedCountFromText(s, "0"));
  EXPECT_EQ(s.fixedCount, 1);
  EXPECT_TRUE(SetFixedCountFromText(s, "-4"));
  EXPECT_EQ(s.fixedCount, 1);
  EXPECT_TRUE(SetFixedCountFromText(s, "99999999999999999999999"));
  EXPECT_EQ(s.fixedCount, kMaxIterationCount);
  EXPECT_TRUE(SetFixedCountFromText(s, "1e400"));
  EXPECT_EQ(s.fixedCount, kMaxIterationCount);
}

TEST(IterationTool, ScriptAnswersAreRead) {
  auto a = ParseIterationAnswer("choose 2", 0);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->action, IterationAction::ChooseElements);
  EXPECT_EQ(a->line, 2);
  a = ParseIterationAnswer("ITERATE", 1);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->action, IterationAction::Iterate);
  EXPECT_EQ(a->line, 1);
  EXPECT_FALSE(ParseIterationAnswer("add 3", 0));
  EXPECT_FALSE(ParseIterationAnswer("choose x", 0));
  EXPECT_FALSE(ParseIterationAnswer("choose 1 2", 0));
  EXPECT_FALSE(ParseIterationAnswer("iterar", 0));
}

// A segment turned by 90 degrees about the origin, three times: the copies stand where the
// segment itself is not.
struct Quarter {
  Document doc;
  Element* it = nullptr;
  Quarter() {
    Element* o = test::AddPoint(doc, 0, 0);
    Element* angle = test::Add(doc, kParameter, {});
    angle->value[0] = std::acos(-1.0) / 2;
    Element* a = test::AddPoint(doc, 100, 0);
    Element* b = test::AddPoint(doc, 200, 0);
    test::Add(doc, kSegment, {a, b});
    Element* c = test::Add(doc, kPointRotation, {a, o, angle});
    Element* d = test::Add(doc, kPointRotation, {b, o, angle});
    RecomputeAll(doc);
    IterationSetup s;
    s.sets = {{a, b}, {c, d}};
    s.fixedCount = 3;
    ElementTemplate t = IterationTemplate(doc, s);
    it = MakeElementFromTemplate(doc, t, {});
    FillIteration(*it, s);
    RecomputeAll(doc);
  }
};

TEST(IterationTool, DetectionAndRectanglesFindTheCopies) {
  Quarter q;
  ASSERT_EQ(q.it->exists, 1);
  DetectionQuery dq;
  dq.doc = &q.doc;
  dq.tolerance = 8;
  // The third copy lies on the negative y axis, from -100 to -200.
  dq.pointer = {3, -150};
  auto hit = HitByType(*q.it, dq);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->enters, q.it);
  EXPECT_NEAR(hit->distance, 3, 1e-9);
  dq.pointer = {150, 3};  // the segment itself is not a copy
  EXPECT_FALSE(HitByType(*q.it, dq));
  dq.pointer = {-150, -150};
  EXPECT_FALSE(HitByType(*q.it, dq));
  // A rectangle across the second copy (on the negative x axis) selects the iteration.
  EXPECT_TRUE(MeetsRectangle(*q.it, Box{-160, 10, -140, -10}, nullptr, &q.doc));
  EXPECT_FALSE(MeetsRectangle(*q.it, Box{140, 10, 160, -10}, nullptr, &q.doc));
  EXPECT_FALSE(MeetsRectangle(*q.it, Box{-160, 10, -140, -10}, nullptr, nullptr));
}

}  // namespace
}  // namespace velt
