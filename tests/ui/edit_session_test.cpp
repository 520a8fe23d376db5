// The element edit dialog's session: live changes, Cancel back to the opening through the undo
// store, OK as one undo step, and the type-specific fields.
#include "ui/edit_session.h"

#include <gtest/gtest.h>

#include <numbers>

#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "model/snapshot.h"
#include "model/undo.h"
#include "support/builders.h"
#include "ui/fake_host.h"
#include "ui/script_support.h"
#include "ui/strings_edit.h"
#include "ui/strings_measures.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::Scenario;

constexpr const char* kThreePoints = "tool 1\nclick 0 0\nclick 50 0\nclick 200 200\n";

std::string Figure(Document& d) { return EncodeFigure(*d.figure); }

TEST(EditDialogScenario, CancelRestoresEveryFieldAndTheModifiedFlag) {
  Scenario s(kThreePoints);
  s.Play("answer yes\ntool 61\nclick 50 0\nanswer name Q; ok\nclick 200 200\n");
  ASSERT_NE(s.E(3).nameElement, nullptr);
  s.doc().modified = 0;
  const std::string before = Figure(s.doc());
  const int position = s.doc().undo.position;
  s.Play(
      "answer colour 255; style 3; hide; hide-name; name R; decimals 5; cancel\n"
      "tool 0\nright-click 200 200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  EXPECT_EQ(Figure(s.doc()), before) << "every field of every element as it was";
  EXPECT_EQ(s.doc().undo.position, position);
  EXPECT_FALSE(CanRedo(s.doc()));
  EXPECT_EQ(s.doc().modified, 0);
  // A dialog closed without an answer is a Cancel too.
  s.Play("tool 0\nright-click 200 200\n");
  EXPECT_EQ(Figure(s.doc()), before);
}

TEST(EditDialogScenario, AcceptKeepsTheChangesAsOneUndoStep) {
  Scenario s(kThreePoints);
  const std::string before = Figure(s.doc());
  s.Play("answer colour 65280; style 4; name Q; ok\ntool 61\nclick 50 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  const Element& p = s.E(2);
  EXPECT_EQ(p.colour, 65280);
  EXPECT_EQ(p.style, 4);
  ASSERT_NE(p.nameElement, nullptr);
  EXPECT_EQ(p.nameElement->kind, kName);
  EXPECT_EQ(p.nameElement->as<NameExt>()->text, "Q");
  EXPECT_EQ(s.Count(), 4);
  s.Play("undo\n");
  EXPECT_EQ(Figure(s.doc()), before);
  // Renaming changes the name element; an empty name removes it.
  s.Play("redo\nanswer name  P2 ; ok\ntool 61\nclick 50 0\n");
  EXPECT_EQ(s.E(2).nameElement->as<NameExt>()->text, "P2");
  EXPECT_EQ(s.Count(), 4);
  s.Play("answer name; ok\ntool 61\nclick 50 0\n");
  EXPECT_EQ(s.E(2).nameElement, nullptr);
  EXPECT_EQ(s.Count(), 3);
}

TEST(EditDialogScenario, AcceptWithoutChangesStoresNoStep) {
  Scenario s(kThreePoints);
  s.doc().modified = 0;
  const int position = s.doc().undo.position;
  s.Play("answer ok\ntool 61\nclick 50 0\n");
  EXPECT_EQ(s.doc().undo.position, position);
  EXPECT_EQ(s.doc().modified, 0);
  // A colour chosen and chosen back is no change either.
  const int32_t colour = s.E(2).colour;
  s.Play("answer colour 1; colour " + std::to_string(colour) + "; ok\ntool 61\nclick 50 0\n");
  EXPECT_EQ(s.doc().undo.position, position);
}

TEST(EditDialogScenario, APaletteColourRemovesTheParametricColour) {
  Scenario s(kThreePoints);
  Element* p = Add(s.doc(), kParameter, {});
  p->value[0] = 0.5;
  Element* a = const_cast<Element*>(&s.E(1));
  a->colourSource = p;
  a->colourMode = 1;
  RecomputeAll(s.doc());
  EXPECT_NE(a->colour, 255);
  s.Play("answer colour 255; ok\ntool 61\nclick 0 0\n");
  EXPECT_EQ(s.E(1).colourSource, nullptr);
  EXPECT_EQ(s.E(1).colourMode, 0);
  RecomputeAll(s.doc());
  EXPECT_EQ(s.E(1).colour, 255) << "the colour no longer follows the parameter";
}

TEST(EditDialogScenario, DeleteCloseAndTheDeletionStands) {
  Scenario s("tool 9\nclick 0 0\nclick 100 0\n");
  ASSERT_EQ(s.Count(), 3);
  s.doc().modified = 0;
  s.Play("answer delete; cancel\ntool 0\nright-click 0 0\n");
  EXPECT_EQ(s.Count(), 1) << "the point and the segment on it are gone";
  EXPECT_EQ(s.doc().modified, 1);
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 3);
}

TEST(EditDialogScenario, TheParametricButtonStartsTheToolOnTheElement) {
  Scenario s("tool 1\nclick 0 0\nclick 30 40\ntool B_N_longdist\nclick 0 0\nclick 30 40\n");
  ASSERT_EQ(s.Kind(3), kDistancePointPoint);
  s.Play("answer parametric\nanswer 2\ntool 0\nright-click 0 0\nclick 33 35\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  EXPECT_EQ(s.E(1).colourSource, &s.E(3));
  EXPECT_EQ(s.E(1).colourMode, 2);
  EXPECT_EQ(s.E(1).colour, 191 * 65793);  // 1.25: grey at 0.25
}

// ---- sessions on a bench (no script), for the types without a tool of their own here

struct SessionBench : test::Bench {
  ToolContext c{ix};
};

TEST(EditSessionFields, LocusPointCountIsBoundedAndTextIsRefused) {
  SessionBench b;
  Document& d = b.doc();
  Element* o = AddPoint(d, 10, 20);
  Element* c = AddPoint(d, 100, 50);
  Element* rim = AddPoint(d, 160, 50);
  Element* circle = Add(d, kCircleCentrePoint, {c, rim});
  Element* p = Add(d, kPointOnElement, {circle}, {0, 0, 0, 0.3});
  Element* m = Add(d, kMidpoint, {o, p});
  Element* locus = Add(d, kLocus, {m, p});
  locus->as<SampleExt>()->sampleCount = 80;
  RecomputeAll(d);
  {
    EditSession s(b.c, *locus);
    EXPECT_TRUE(s.controls().pointCount);
    EXPECT_FALSE(s.controls().nameVisibility);
    EditFields f = s.initialFields();
    EXPECT_EQ(f.pointCount, "80");
    f.pointCount = "80x";
    EXPECT_FALSE(s.Accept(f));
    EXPECT_EQ(s.state(), EditSession::State::Open);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0], "Datos de entrada no válidos");
    EXPECT_EQ(locus->as<SampleExt>()->sampleCount, 80);
    f.pointCount = "3";
    EXPECT_TRUE(s.Accept(f));
  }
  EXPECT_EQ(locus->as<SampleExt>()->sampleCount, kMinDialogLocusPoints);
  EXPECT_EQ(locus->as<SampleExt>()->recorded, kMinDialogLocusPoints) << "sampled again";
  {
    EditSession s(b.c, *locus);
    EditFields f = s.initialFields();
    f.pointCount = "1000000";
    EXPECT_TRUE(s.Accept(f));
  }
  EXPECT_EQ(locus->as<SampleExt>()->sampleCount, kMaxDialogLocusPoints);
}

TEST(EditSessionFields, GraphRangeMustEvaluateAndRunForwards) {
  SessionBench b;
  Element* f = Add(b.doc(), kFunction, {});
  Element* made = Add(b.doc(), kFunctionGraph, {f});
  made->value[0] = -1;
  made->value[1] = 1;
  // A session that changes nothing rolls its step back: the graph is found again by place.
  const std::ptrdiff_t place = IndexOf(b.doc().elements(), made);
  ASSERT_GE(place, 0);
  auto graph = [&] { return std::next(b.doc().elements().begin(), place)->get(); };
  auto accept = [&](const char* from, const char* to) {
    EditSession s(b.c, *graph());
    EditFields x = s.initialFields();
    x.graphFrom = from;
    x.graphTo = to;
    const bool ok = s.Accept(x);
    if (!ok) s.Cancel();
    return ok;
  };
  EXPECT_TRUE(accept("5", "2"));
  EXPECT_EQ(graph()->value[0], -1) << "a backwards range is ignored";
  EXPECT_TRUE(accept("0", "2*pi"));
  EXPECT_EQ(graph()->value[0], 0);
  EXPECT_DOUBLE_EQ(graph()->value[1], 2 * std::numbers::pi);
  EXPECT_FALSE(accept("0", "2*"));
  EXPECT_DOUBLE_EQ(graph()->value[1], 2 * std::numbers::pi);
}

TEST(EditSessionFields, ParameterIncrementIsItsSizeAndNeverZero) {
  SessionBench b;
  Element* made = Add(b.doc(), kParameter, {});
  made->as<ParameterExt>()->increment = 0.01;
  // Cancel and an unchanged OK roll their step back: the parameter is found again by place.
  const std::ptrdiff_t place = IndexOf(b.doc().elements(), made);
  ASSERT_GE(place, 0);
  auto param = [&] { return std::next(b.doc().elements().begin(), place)->get(); };
  auto accept = [&](const char* text) {
    EditSession s(b.c, *param());
    EditFields x = s.initialFields();
    x.increment = text;
    if (!s.Accept(x)) s.Cancel();
    return param()->as<ParameterExt>()->increment;
  };
  EXPECT_EQ(accept("-0.5"), 0.5);
  EXPECT_EQ(accept("0"), 0.5);
  EXPECT_EQ(accept("1/"), 0.5);
  EXPECT_EQ(b.host.messages.size(), 1u);
}

TEST(EditSessionFields, AxesAnglesTablesBitmapsAndCheckers) {
  SessionBench b;
  Document& d = b.doc();
  Element* o = AddPoint(d, 0, 0);
  Element* axes = Add(d, kAxes, {o});
  axes->as<AxesExt>()->yUnit = 25;
  Element* a = AddPoint(d, 50, 0);
  Element* c = AddPoint(d, 0, 50);
  Element* mark = Add(d, kAngleMark, {a, o, c});
  Element* value = Add(d, kAngleValue, {a, o, c});
  Element* s1 = Add(d, kSegment, {o, a});
  Element* s2 = Add(d, kSegment, {o, c});
  Element* check = Add(d, kCheckPerpendicular, {s1, s2});
  RecomputeAll(d);
  ASSERT_EQ(check->attr1, 1);
  const std::string before = EncodeFigure(*d.figure);
  // A Cancel puts back a copy of the list: the elements are found again by their numbers.
  const int32_t markNumber = mark->number, valueNumber = value->number, checkNumber = check->number;
  {
    EditSession s(b.c, *axes);
    EXPECT_TRUE(s.axesUnitsDiffer());
    s.EqualAxisUnits();
    EXPECT_EQ(axes->as<AxesExt>()->yUnit, 40);
    EXPECT_FALSE(s.axesUnitsDiffer());
    s.Cancel();
  }
  {
    EditSession s(b.c, *FindByNumber(d.elements(), markNumber));
    EXPECT_TRUE(s.controls().angleStyles);
    s.SetFullTurn(true);
    EXPECT_TRUE(s.fullTurn());
    EXPECT_EQ(s.element()->attr2, -1111);
    s.Cancel();
  }
  {
    EditSession s(b.c, *FindByNumber(d.elements(), valueNumber));
    s.SetFullTurn(true);
    EXPECT_EQ(s.element()->value[1], -1111);
    s.Cancel();
  }
  EXPECT_EQ(EncodeFigure(*d.figure), before) << "each Cancel put everything back";
  {
    Element* k = FindByNumber(d.elements(), checkNumber);
    EditSession s(b.c, *k);
    EditFields f = s.initialFields();
    EXPECT_EQ(f.name, b.ws.Text(str::CheckerAnswer(kCheckPerpendicular, true)));
    EXPECT_FALSE(f.name.empty());
    f.name = "sí";
    EXPECT_TRUE(s.Accept(f));
    EXPECT_EQ(k->as<CheckerExt>()->whenTrue, "sí");
    EXPECT_EQ(k->nameElement, nullptr) << "a checker's name field is its answer";
  }
}

}  // namespace
}  // namespace velt
