// Action buttons without scripts: the ancestor walk, applying and inverting, the press with
// its pop-up timer through the host, redefinition, and the file round trip.
#include "ui/action_buttons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/recompute.h"
#include "io/document_file.h"
#include "model/element_list.h"
#include "model/options.h"
#include "support/builders.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;
using test::Bench;

Element* AddButton(Document& doc, int32_t kind, std::initializer_list<Element*> picks,
                   std::vector<int32_t> states, double x, double y) {
  ElementTemplate t;
  t.kind = kind;
  t.value = {0, 0, x, y};
  t.picks.assign(picks.begin(), picks.end());
  t.pickStates = std::move(states);
  return MakeElementFromTemplate(doc, t, {});
}

std::vector<const Element*> Marked(const Document& doc) {
  std::vector<const Element*> out;
  ForEachDeep(doc.elements(), [&](const Element& e) {
    if (e.mark) out.push_back(&e);
  });
  return out;
}

TEST(ButtonAncestors, NumbersThatDriveAPointAreNotFollowed) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 10, 0);
  Element* n = Add(doc, kDistancePointPoint, {a, b});
  Element* c = AddPoint(doc, 50, 50);
  Element* p = AddPoint(doc, 100, 0);
  Element* r = Add(doc, kPointRotation, {p, c, n});
  MarkAncestors(*r);
  EXPECT_EQ(Marked(doc), (std::vector<const Element*>{c, p}));
}

TEST(ButtonAncestors, PolygonsConicsAndLociGiveTheirOwnParents) {
  Document doc;
  Element* p1 = AddPoint(doc, 0, 0);
  Element* p2 = AddPoint(doc, 100, 0);
  Element* p3 = AddPoint(doc, 0, 100);
  Element* other = AddPoint(doc, 300, 300);
  Element* polygon = AddWithPicks(doc, kPolygon, {p1, p2, p3});
  MarkAncestors(*polygon);
  EXPECT_EQ(Marked(doc), (std::vector<const Element*>{p1, p2, p3}));
  ClearMarks(doc.elements());

  Element* q = AddPoint(doc, 50, 0);
  Element* conic = AddWithPicks(doc, kConic, {p1, p2, p3, q, other});
  MarkAncestors(*conic);
  EXPECT_EQ(Marked(doc), (std::vector<const Element*>{p1, p2, p3, other, q}));
  ClearMarks(doc.elements());

  // A locus follows only what it traces, not its driver.
  Element* seg = Add(doc, kSegment, {p1, p2});
  Element* driver = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0.5});
  Element* traced = Add(doc, kMidpoint, {driver, p3});
  Element* locus = Add(doc, kLocus, {traced, driver});
  MarkAncestors(*locus);
  EXPECT_EQ(Marked(doc), (std::vector<const Element*>{p1, p2, p3, seg, driver, traced}));
}

// A chain of midpoints, each of the one before and a fixed point F: every one is built on
// the first point and on F.
struct Chain {
  Document doc;
  Element* first = nullptr;
  Element* fixed = nullptr;
  Element* last = nullptr;
  explicit Chain(int length) {
    first = AddPoint(doc, 0, 0);
    fixed = AddPoint(doc, 64, 0);
    last = first;
    for (int i = 0; i < length; ++i) last = Add(doc, kMidpoint, {last, fixed});
    RecomputeAll(doc);
  }
};

TEST(ButtonAncestors, ALongChainIsWalkedWithoutRecursion) {
  constexpr int kLength = 100000;
  Chain chain(kLength);
  MarkAncestors(*chain.last);
  int marked = 0;
  for (const auto& e : chain.doc.elements()) marked += e->mark;
  EXPECT_EQ(marked, kLength + 1) << "every element but the last";
  EXPECT_EQ(chain.last->mark, 0);

  // Its button: the end of the chain goes to a target through both free points.
  Element* target = AddPoint(chain.doc, 10, 70);
  ClearMarks(chain.doc.elements());
  ASSERT_TRUE(MovementPairsAcceptable(chain.doc, {chain.last, target}));
  EXPECT_TRUE(Marked(chain.doc).empty()) << "marks are cleared after the test";
  EXPECT_FALSE(MovementPairsAcceptable(chain.doc, {chain.last, chain.first}));
  Element* button = AddButton(chain.doc, kButtonMove, {chain.last, target}, {1, 1}, 200, 200);
  const double lastX = chain.last->x();
  ASSERT_TRUE(ApplyButton(chain.doc, *button, 0));
  EXPECT_NEAR(chain.first->x(), 10 - lastX, 1e-9);
  EXPECT_NEAR(chain.fixed->x(), 64 + 10 - lastX, 1e-9);
  EXPECT_NEAR(chain.fixed->y(), 70, 1e-12);
  RecomputeAll(chain.doc);
  EXPECT_NEAR(chain.last->x(), 10, 1e-9);
  EXPECT_NEAR(chain.last->y(), 70, 1e-9);
}

TEST(ButtonApply, HideShowStatesAndInversion) {
  Document doc;
  Element* shown = AddPoint(doc, 0, 0);
  Element* hidden = AddPoint(doc, 10, 0);
  hidden->visibility = 0;
  const std::vector<Element*> both{shown, hidden};
  const std::vector<int32_t> states = NewHideShowStates(both);
  EXPECT_EQ(states, (std::vector<int32_t>{0, 1}));
  Element* b = AddButton(doc, kButtonShowHide, {shown, hidden}, states, 100, 100);
  EXPECT_FALSE(ApplyButton(doc, *b, 1)) << "no timer for a hide/show button";
  EXPECT_EQ(shown->visibility, 0);
  EXPECT_EQ(hidden->visibility, 1);
  ApplyButton(doc, *b, 0);
  EXPECT_EQ(shown->visibility, 1);
  EXPECT_EQ(hidden->visibility, 0);

  // Inversion turns the states over and applies them in the present state (up).
  ASSERT_EQ(b->attr2, 1);
  ASSERT_TRUE(InvertButton(doc, *b));
  EXPECT_EQ(b->as<ButtonExt>()->states, (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(shown->visibility, 1);
  EXPECT_EQ(hidden->visibility, 0);
  b->attr2 = 0;
  ASSERT_TRUE(InvertButton(doc, *b));
  EXPECT_EQ(shown->visibility, 1) << "down shows the opposite of state 0";
  EXPECT_EQ(hidden->visibility, 0);

  Element* mover = AddButton(doc, kButtonMove, {shown, hidden}, {1, 1}, 0, 50);
  EXPECT_FALSE(InvertButton(doc, *mover));
  EXPECT_EQ(mover->as<ButtonExt>()->states, (std::vector<int32_t>{1, 1}));

  EXPECT_EQ(RedefinedStates(both, true), (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(RedefinedStates(both, false), (std::vector<int32_t>{0, 1}));
}

TEST(ButtonApply, APairWithoutAUsableTargetIsSkipped) {
  Document doc;
  Element* a = AddPoint(doc, 1, 2);
  Element* p = AddPoint(doc, 0, 0);
  Element* q = AddPoint(doc, 0, 0);
  Element* gone = Add(doc, kMidpoint, {p, q});
  Element* c = AddPoint(doc, 5, 5);
  Element* d = AddPoint(doc, 7, 9);
  RecomputeAll(doc);
  gone->exists = 0;
  gone->value[0] = std::nan("");
  Element* b = AddButton(doc, kButtonMove, {a, gone, c, d}, {1, 1, 1, 1}, 0, 0);
  EXPECT_TRUE(ApplyButton(doc, *b, 1));
  EXPECT_EQ(c->x(), 5) << "nothing moves on the way up";
  EXPECT_TRUE(ApplyButton(doc, *b, 0));
  EXPECT_EQ(a->x(), 1) << "a target that does not exist moves nothing";
  EXPECT_EQ(a->y(), 2);
  EXPECT_EQ(c->x(), 7) << "the next pair still moves";
  EXPECT_EQ(c->y(), 9);
}

// A movement button 3 over A 1 (0, 0) -> B 2 (100, 50), its corner at (200, 200).
struct MoveBench : Bench {
  Element* a = nullptr;
  Element* b = nullptr;
  MoveBench() {
    a = AddPoint(doc(), 0, 0);
    b = AddPoint(doc(), 100, 50);
    AddButton(doc(), kButtonMove, {a, b}, {1, 1}, 200, 200);
    RecomputeAll(doc());
  }
  Element* Button() { return At(2); }
  void Press() { Click(204, 196); }
};

TEST(ButtonPress, AMovementButtonStaysDownUntilTheHostsTimerRunsOut) {
  MoveBench t;
  const int steps = t.doc().undo.position;
  t.Press();
  EXPECT_EQ(t.doc().undo.position, steps + 1);
  EXPECT_EQ(t.a->x(), 100);
  EXPECT_EQ(t.a->y(), 50);
  EXPECT_EQ(t.Button()->attr2, 0);
  EXPECT_EQ(t.host.buttonTimer, kButtonPopUpMs);
  EXPECT_TRUE(t.ix.buttonTimerRunning());
  EXPECT_EQ(t.Button()->selected, 0);

  // A second press while the timer runs does nothing, not even an undo step.
  t.a->x() = 0;
  t.Press();
  EXPECT_EQ(t.doc().undo.position, steps + 1);
  EXPECT_EQ(t.a->x(), 0);
  EXPECT_EQ(t.Button()->attr2, 0);

  t.ix.ButtonTimerTick();
  EXPECT_EQ(t.Button()->attr2, 1);
  EXPECT_FALSE(t.ix.buttonTimerRunning());
  t.Press();
  EXPECT_EQ(t.doc().undo.position, steps + 2);
  EXPECT_EQ(t.a->x(), 100);
}

TEST(ButtonPress, ThePendingButtonIsFoundAgainAfterUndoAndRedo) {
  MoveBench t;
  t.Press();
  t.ix.UndoCommand();
  EXPECT_EQ(t.At(0)->x(), 0) << "the undo puts A back";
  EXPECT_EQ(t.Button()->attr2, 1);
  t.ix.RedoCommand();
  Element* redone = t.Button();
  EXPECT_EQ(redone->attr2, 0) << "the redo brings the pressed state back";
  EXPECT_EQ(t.At(0)->x(), 100);
  t.ix.ButtonTimerTick();
  EXPECT_EQ(t.Button()->attr2, 1) << "the button of the list now shown pops up";
}

TEST(ButtonPress, AChangeOfDocumentPopsThePendingButtonUp) {
  MoveBench t;
  Document& first = t.doc();
  t.Press();
  ASSERT_EQ(t.Button()->attr2, 0);
  t.ix.BeforeDocumentChange();
  EXPECT_EQ(first.elements()[2]->attr2, 1);
  EXPECT_EQ(t.host.buttonTimer, 0) << "the host's timer is stopped";
  ASSERT_NE(t.ws.NewDocument(), nullptr);
  t.ix.DocumentChanged();
  EXPECT_FALSE(t.ix.buttonTimerRunning());
  t.ix.ButtonTimerTick();  // a late tick finds nothing pending
  EXPECT_EQ(first.elements()[2]->attr2, 1);
}

TEST(ButtonRedefine, KeepsVisibilityAndStateAndTakesOneUndoStep) {
  Bench t;
  Element* p = AddPoint(t.doc(), 0, 0);
  Element* q = AddPoint(t.doc(), 100, 0);
  AddPoint(t.doc(), 0, 100);  // r
  Element* old = AddButton(t.doc(), kButtonShowHide, {p, q}, {0, 0}, 200, 200);
  old->as<ButtonExt>()->caption = "Mostrar";
  old->colour = 255;
  old->style = 0xFFFF;
  ApplyButton(t.doc(), *old, 1);
  RecomputeAll(t.doc());
  ASSERT_EQ(p->visibility, 0);
  t.Click(204, 196);  // pressed: both shown, the button down
  ASSERT_EQ(old->attr2, 0);
  ASSERT_EQ(p->visibility, 1);
  const int steps = t.doc().undo.position;

  t.ix.RedefineButton(*old);
  EXPECT_EQ(t.ix.tool(), Tool::B_vernoverbot);
  EXPECT_EQ(p->selected + q->selected, 2) << "its elements start selected";
  t.Click(100, 0);    // q out
  t.Click(0, 100);    // r in
  t.Click(204, 196);  // a click on the button itself ends the choice
  EXPECT_EQ(t.doc().undo.position, steps + 1);
  EXPECT_EQ(t.ix.tool(), Tool::Sel);
  ASSERT_EQ(t.Count(), 4u) << "the old button is gone, the new one is last";
  Element* b = t.Last();
  ASSERT_EQ(b->kind, kButtonShowHide);
  const ButtonExt* x = b->as<ButtonExt>();
  EXPECT_EQ(x->targets, (std::vector<Element*>{t.At(0), t.At(2)}));
  EXPECT_EQ(x->states, (std::vector<int32_t>{0, 0})) << "down: the negation of 'shown'";
  EXPECT_EQ(x->caption, "Mostrar");
  EXPECT_EQ(b->colour, 255);
  EXPECT_EQ(b->style, 0xFFFF);
  EXPECT_EQ(b->attr2, 0);
  EXPECT_EQ(b->value[2], 200);
  EXPECT_EQ(t.At(0)->visibility, 1) << "nothing changes its visibility";
  EXPECT_EQ(t.At(2)->visibility, 1);
  EXPECT_EQ(t.At(0)->selected + t.At(1)->selected + t.At(2)->selected, 0);

  t.Click(204, 196);  // up again: state 0 hides both
  EXPECT_EQ(t.At(0)->visibility, 0);
  EXPECT_EQ(t.At(2)->visibility, 0);
  EXPECT_EQ(t.At(1)->visibility, 1) << "no longer controlled";

  t.ix.UndoCommand();
  t.ix.UndoCommand();
  ASSERT_EQ(t.Count(), 4u);
  EXPECT_EQ(t.Last()->as<ButtonExt>()->caption, "Mostrar");
  EXPECT_EQ(t.Last()->as<ButtonExt>()->targets.size(), 2u);
  EXPECT_EQ(t.Last()->as<ButtonExt>()->targets[1], t.At(1)) << "the old button is back";
}

TEST(ButtonRedefine, AnUpButtonKeepsThePresentVisibilities) {
  Bench t;
  Element* p = AddPoint(t.doc(), 0, 0);
  AddPoint(t.doc(), 100, 0);  // q, shown
  Element* old = AddButton(t.doc(), kButtonShowHide, {p}, {0}, 200, 200);
  ApplyButton(t.doc(), *old, 1);  // p hidden while the button is up
  RecomputeAll(t.doc());
  t.ix.RedefineButton(*old);
  t.Click(100, 0);   // q in
  t.Click(300, 50);  // empty plane
  ASSERT_EQ(t.Count(), 3u);
  const Element* b = t.Last();
  ASSERT_EQ(b->kind, kButtonShowHide);
  EXPECT_EQ(b->as<ButtonExt>()->targets, (std::vector<Element*>{t.At(0), t.At(1)}));
  EXPECT_EQ(b->as<ButtonExt>()->states, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(b->attr2, 1);
  EXPECT_EQ(t.At(0)->visibility, 0);
  EXPECT_EQ(t.At(1)->visibility, 1);
  t.Click(204, 196);  // down: each the opposite
  EXPECT_EQ(t.At(0)->visibility, 1);
  EXPECT_EQ(t.At(1)->visibility, 0);
}

TEST(ButtonFile, ButtonsRoundTripAndStillWorkAfterLoading) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* t = AddPoint(doc, 30, 40);
  Element* s = Add(doc, kSegment, {a, t});
  Element* hs = AddButton(doc, kButtonShowHide, {s, a}, {0, 1}, -50, 60);
  hs->as<ButtonExt>()->caption = "Ver ñ";
  hs->attr2 = 0;
  Element* mv = AddButton(doc, kButtonMove, {a, t}, {1, 1}, 70, -80);
  mv->attr1 = 0;
  RecomputeAll(doc);

  const DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(doc), Options{});
  ASSERT_TRUE(load.document);
  Document& back = *load.document;
  ASSERT_EQ(back.elements().size(), 5u);
  const Element& hs2 = *back.elements()[3];
  const Element& mv2 = *back.elements()[4];
  ASSERT_EQ(hs2.kind, kButtonShowHide);
  ASSERT_EQ(mv2.kind, kButtonMove);
  EXPECT_EQ(hs2.as<ButtonExt>()->caption, "Ver ñ");
  EXPECT_EQ(hs2.as<ButtonExt>()->targets,
            (std::vector<Element*>{back.elements()[2].get(), back.elements()[0].get()}));
  EXPECT_EQ(hs2.as<ButtonExt>()->states, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(hs2.attr2, 0);
  EXPECT_EQ(hs2.value[2], -50);
  EXPECT_EQ(hs2.value[3], 60);
  EXPECT_EQ(hs2.style, 12632256);
  EXPECT_EQ(mv2.attr1, 0);
  EXPECT_EQ(mv2.value[3], -80);

  ASSERT_TRUE(ApplyButton(back, *back.elements()[4], 0));
  EXPECT_EQ(back.elements()[0]->x(), 30);
  EXPECT_EQ(back.elements()[0]->y(), 40);
}

}  // namespace
}  // namespace velt
