// The "+" and "-" keys in the move tool on selected loci, iterations and parameters: the steps,
// their bounds, and one undo step per run of presses.
#include "ui/step_keys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "anim/iteration.h"
#include "anim/iteration_walk.h"
#include "geometry/recompute.h"
#include "model/undo.h"
#include "support/builders.h"
#include "ui/fake_host.h"
#include "ui/script_support.h"

namespace velt {
namespace {

using test::Scenario;

// 1 the centre (100, 50), 2 the circle of radius 60, 3 a point on it at (100, 110), 4 a free
// point (10, 20), 5 their midpoint, 6 the locus of the midpoint while 3 runs round the circle:
// the circle of radius 30 about (55, 35).
constexpr const char* kMidpointLocus =
    "tool 5\nclick 100 50\nclick 160 50\n"
    "tool 1\nclick 100 110\nclick 10 20\n"
    "tool 15\nclick 10 20\nclick 100 110\n"
    "tool 19\nclick 55 65\nclick 100 110\n";

int Samples(Scenario& s, int number) { return s.E(number).as<SampleExt>()->sampleCount; }

TEST(StepKeys, LocusGainsAndLosesFiveSamplesAndIsSampledAgain) {
  Scenario s(kMidpointLocus);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(6), kLocus);
  ASSERT_EQ(Samples(s, 6), 80);
  // Nothing selected: the keys do nothing and store nothing.
  const int start = s.doc().undo.position;
  s.Play("key Plus\n");
  EXPECT_EQ(Samples(s, 6), 80);
  EXPECT_EQ(s.doc().undo.position, start);

  const_cast<Element&>(s.E(6)).selected = 1;
  s.Play("key Plus\n");
  const SampleExt& samples = *s.E(6).as<SampleExt>();
  ASSERT_EQ(samples.sampleCount, 85);
  ASSERT_EQ(samples.recorded, 85);
  for (int i = 0; i < 85; ++i)
    EXPECT_NEAR(std::hypot(samples.x1[i] - 55, samples.y1[i] - 35), 30, 1e-9) << i;
  s.Play("key Minus\nkey Minus\n");
  EXPECT_EQ(Samples(s, 6), 75);
  EXPECT_EQ(s.E(6).as<SampleExt>()->recorded, 75);
  // Each press here is a run of its own (the key is released in between): three steps.
  EXPECT_EQ(s.doc().undo.position, start + 3);
  s.Play("undo\n");
  EXPECT_EQ(Samples(s, 6), 80);
}

TEST(StepKeys, SampleCountsStopAtTenOrAtFiveForALocusOfALocus) {
  Scenario s(kMidpointLocus);
  ASSERT_TRUE(s.ok()) << s.failure();
  Element& locus = const_cast<Element&>(s.E(6));
  locus.as<SampleExt>()->sampleCount = 17;
  locus.selected = 1;
  s.Play("key Minus\n");
  EXPECT_EQ(Samples(s, 6), 12);
  s.Play("key Minus\n");
  EXPECT_EQ(Samples(s, 6), 10);
  // At its bound a press changes nothing and stores no step.
  const int at = s.doc().undo.position;
  s.Play("key Minus\n");
  EXPECT_EQ(Samples(s, 6), 10);
  EXPECT_EQ(s.doc().undo.position, at);
  // A count below the bound (as a file may hold) is not raised by "-".
  locus.as<SampleExt>()->sampleCount = 7;
  EXPECT_FALSE(StepKeysApply(s.doc(), -1));
  EXPECT_TRUE(StepKeysApply(s.doc(), +1));

  // A locus tracing the locus 6, driven by the point on the circle, starts with 30 samples
  // and may go down to 5.
  locus.selected = 0;
  Element* outer = test::Add(s.doc(), kLocus, {&locus, const_cast<Element*>(&s.E(3))});
  ASSERT_EQ(outer->as<SampleExt>()->sampleCount, 30);
  outer->selected = 1;
  for (int i = 0; i < 6; ++i) s.Play("key Minus\n");
  EXPECT_EQ(outer->as<SampleExt>()->sampleCount, 5);
}

// A square (1..5), the midpoints of its sides (6..9), and the square of midpoints iterated.
constexpr const char* kIteratedSquare =
    "tool B_Poligono\n"
    "click -200 -200\nclick 200 -200\nclick 200 200\nclick -200 200\nclick -200 -200\n"
    "tool B_2_div_seg\nclick -200 -200\nclick 200 -200\n"
    "click 200 -200\nclick 200 200\n"
    "click 200 200\nclick -200 200\n"
    "click -200 200\nclick -200 -200\n"
    "answer choose 0\ntool B_iteracion\n"
    "click -200 -200\nclick 200 -200\nclick 200 200\nclick -200 200\n"
    "answer add\ntool B_iteracion\n"
    "click 0 -200\nclick 200 0\nclick 0 200\nclick -200 0\n"
    "answer count\ntool B_iteracion\n"
    "answer 3\nanswer iterate\nclick 350 250\n";

Element* FindKind(Document& doc, int kind) {
  for (const ElementPtr& e : doc.elements())
    if (e->kind == kind) return e.get();
  return nullptr;
}

int CopyCount(const Document& doc, const Element& it) {
  return static_cast<int>(
      ForEachDrawnCopy(doc, it, [](const Element&, const Document&, int32_t) { return true; }));
}

TEST(StepKeys, IterationGainsAndLosesOneRepetitionButKeepsOne) {
  Scenario s(kIteratedSquare);
  ASSERT_TRUE(s.ok()) << s.failure();
  Element* it = FindKind(s.doc(), kIteration);
  ASSERT_NE(it, nullptr);
  ASSERT_EQ(IterationCount(*it), 3);
  it->selected = 1;
  s.Play("key Plus\n");
  EXPECT_EQ(IterationCount(*it), 4);
  EXPECT_EQ(CopyCount(s.doc(), *it), 4);
  s.Play("key Minus\nkey Minus\nkey Minus\nkey Minus\nkey Minus\n");
  EXPECT_EQ(IterationCount(*it), 1);
  EXPECT_EQ(CopyCount(s.doc(), *it), 1);
  // An iteration whose count is a number's value follows the number, not the keys.
  it->as<IterationExt>()->settings[kIterFromNumber] = 1;
  EXPECT_FALSE(StepKeysApply(s.doc(), +1));
}

TEST(StepKeys, ParameterMovesByItsIncrementWithOneUndoStepPerRun) {
  test::Bench b;
  Element* p = test::Add(b.doc(), kParameter, {});
  p->value[0] = 1;
  p->as<ParameterExt>()->increment = 0.25;
  Element* q = test::Add(b.doc(), kParameter, {});
  q->value[0] = 5;
  q->as<ParameterExt>()->increment = 2;
  p->selected = 1;
  q->selected = 1;
  const int start = b.doc().undo.position;
  // Three presses while the key is held: one step.
  for (int i = 0; i < 3; ++i) b.ix.KeyDown(Key::Plus, {});
  b.ix.KeyUp(Key::Plus);
  EXPECT_DOUBLE_EQ(p->value[0], 1.75);
  EXPECT_DOUBLE_EQ(q->value[0], 11);
  EXPECT_EQ(b.doc().undo.position, start + 1);
  b.ix.KeyDown(Key::Minus, {});
  b.ix.KeyUp(Key::Minus);
  EXPECT_DOUBLE_EQ(b.At(0)->value[0], 1.5);
  EXPECT_EQ(b.doc().undo.position, start + 2);
  b.ix.UndoCommand();
  b.ix.UndoCommand();
  EXPECT_DOUBLE_EQ(b.At(0)->value[0], 1);
  EXPECT_DOUBLE_EQ(b.At(1)->value[0], 5);
  // Outside the move tool the keys do nothing.
  b.ix.SelectTool(Tool::B_Punto);
  b.At(0)->selected = 1;
  b.ix.KeyDown(Key::Plus, {});
  EXPECT_DOUBLE_EQ(b.At(0)->value[0], 1);
  // A step that would leave the finite numbers is not taken.
  b.At(0)->selected = 0;
  Element& big = *b.At(1);
  big.value[0] = 1.7e308;
  big.as<ParameterExt>()->increment = 1e308;
  big.selected = 1;
  EXPECT_EQ(StepSelection(b.doc(), +1), 0);
  EXPECT_DOUBLE_EQ(big.value[0], 1.7e308);
}

}  // namespace
}  // namespace velt
