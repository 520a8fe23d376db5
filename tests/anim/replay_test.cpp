// The replay's steps in a figure with names, hidden, intermediate and missing elements; its
// navigation, timer intervals, descriptions, and keeping the construction at a step.
#include "anim/replay.h"

#include <gtest/gtest.h>

#include "geometry/recompute.h"
#include "model/undo.h"
#include "support/builders.h"
#include "ui/strings.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

Element* NameOf(Document& doc, Element* e, const char* text) {
  Element* n = Add(doc, kName, {e});
  n->as<NameExt>()->text = text;
  e->nameElement = n;
  return n;
}

// 1 A (named), 2 its name, 3 B hidden, 4 the segment AB, 5 an intermediate point, 6 a
// circle that does not exist, 7 a text, 8 C (named), 9 its name, 10 a segment BC (hidden).
class ReplayFigure : public ::testing::Test {
 protected:
  void SetUp() override {
    a = AddPoint(doc, 0, 0);
    NameOf(doc, a, "A");
    b = AddPoint(doc, 50, 0);
    b->visibility = 0;
    ab = Add(doc, kSegment, {a, b});
    intermediate = AddPoint(doc, 1, 1);
    intermediate->visibility = 100;
    missing = Add(doc, kCircleCentrePoint, {a, a});
    text = Add(doc, kText, {});
    text->as<TextExt>()->lines = {"hola", "mundo"};
    c = AddPoint(doc, 9, 9);
    NameOf(doc, c, "C");
    bc = Add(doc, kSegment, {b, c});
    bc->visibility = 0;
    RecomputeAll(doc);
    missing->exists = 0;
  }
  std::vector<const Element*> Walk(bool showHidden) {
    Replay r(doc, showHidden, false);
    std::vector<const Element*> out;
    if (!r.current()) return out;
    do out.push_back(r.current());
    while (r.Next());
    return out;
  }

  Document doc;
  Element *a, *b, *ab, *intermediate, *missing, *text, *c, *bc;
};

TEST_F(ReplayFigure, StepsLeaveOutNamesHiddenIntermediateAndMissingElements) {
  EXPECT_EQ(Walk(false), (std::vector<const Element*>{a, ab, text, c}));
  EXPECT_EQ(Walk(true), (std::vector<const Element*>{a, b, ab, text, c, bc}));
}

TEST_F(ReplayFigure, NavigationStaysWithinTheSteps) {
  Replay r(doc, false, false);
  ASSERT_EQ(r.count(), 4);
  EXPECT_EQ(r.position(), 1);
  EXPECT_TRUE(r.atFirst());
  EXPECT_FALSE(r.Previous());
  EXPECT_FALSE(r.First());
  EXPECT_TRUE(r.Next());
  EXPECT_EQ(r.current(), ab);
  // Drawing stops before the element after the step: the intermediate point.
  EXPECT_EQ(r.StopAt(doc), intermediate);
  EXPECT_TRUE(r.Last());
  EXPECT_TRUE(r.atLast());
  EXPECT_FALSE(r.Next());
  EXPECT_EQ(r.current(), c);
  EXPECT_EQ(r.StopAt(doc), doc.elements()[8].get());  // C's name is still drawn
  EXPECT_TRUE(r.GoTo(3));
  EXPECT_EQ(r.current(), text);
  EXPECT_FALSE(r.GoTo(3));
  EXPECT_TRUE(r.Previous());
  EXPECT_EQ(r.position(), 2);
  // With hidden elements shown the last step is the last element: everything is drawn.
  Replay all(doc, true, true);
  EXPECT_EQ(all.current(), bc);
  EXPECT_EQ(all.position(), 6);
  EXPECT_EQ(all.StopAt(doc), nullptr);
}

TEST(Replay, ADocumentWithOnlyHiddenElementsHasNoSteps) {
  Document doc;
  AddPoint(doc, 0, 0)->visibility = 0;
  Replay r(doc, false, true);
  EXPECT_EQ(r.count(), 0);
  EXPECT_EQ(r.current(), nullptr);
  EXPECT_EQ(r.position(), 0);
  EXPECT_FALSE(r.Next());
  EXPECT_FALSE(r.Last());
  EXPECT_EQ(r.StopAt(doc), nullptr);
}

TEST(Replay, TimerIntervalsAndTheirTexts) {
  const LanguageTable lang;
  EXPECT_EQ(ReplayIntervalMs(0), 100);
  EXPECT_EQ(ReplayIntervalMs(kReplayDefaultInterval), 500);
  EXPECT_EQ(ReplayIntervalMs(9), 1000);
  EXPECT_EQ(ReplayIntervalMs(10), 2000);
  EXPECT_EQ(ReplayIntervalMs(13), 5000);
  EXPECT_EQ(ReplayIntervalMs(14), 10000);
  EXPECT_EQ(ReplayIntervalMs(15), 0);
  EXPECT_EQ(ReplayIntervalMs(-1), 0);
  EXPECT_EQ(ReplayIntervalText(0, lang), "0.1 s.");
  EXPECT_EQ(ReplayIntervalText(9, lang), "1.0 s.");
  EXPECT_EQ(ReplayIntervalText(10, lang), "2.0 s.");
  EXPECT_EQ(ReplayIntervalText(14, lang), "10 s.");
}

TEST_F(ReplayFigure, DescriptionsNameTheKindAndTheElement) {
  const LanguageTable lang;
  EXPECT_EQ(ReplayDescription(*a, lang), lang.Get(str::KindName(kFreePoint)) + " A");
  EXPECT_EQ(ReplayDescription(*text, lang), lang.Get(str::KindName(kText)) + " : hola mundo");
  EXPECT_EQ(ReplayDescription(*ab, lang), lang.Get(str::KindName(kSegment)) + " ");
}

TEST_F(ReplayFigure, KeepingAStepDeletesEverythingAfterItAndUndoesInOneStep) {
  doc.figure->traces = {a, text, bc};
  doc.figure->animations = {{a}, {c}};
  // A kept element coloured by a later one keeps its colour.
  ab->colourSource = c;
  ab->colour = 0x123456;
  Renumber(doc.elements());
  const size_t before = doc.elements().size();
  StoreUndoStep(doc);
  ASSERT_TRUE(KeepConstructionUpTo(doc, text->number));
  ASSERT_EQ(doc.elements().size(), 7u);
  EXPECT_EQ(doc.last(), text);
  EXPECT_EQ(ab->colourSource, nullptr);
  EXPECT_EQ(ab->colour, 0x123456);
  EXPECT_EQ(doc.figure->traces, (std::vector<Element*>{a, text}));
  ASSERT_EQ(doc.figure->animations.size(), 1u);
  EXPECT_EQ(doc.figure->animations[0].element, a);
  EXPECT_EQ(a->nameElement->parent[0], a);
  ASSERT_TRUE(Undo(doc));
  EXPECT_EQ(doc.elements().size(), before);
  EXPECT_FALSE(KeepConstructionUpTo(doc, 999));
}

}  // namespace
}  // namespace velt
