#include "geometry/recompute.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

struct RecordingObserver : RecomputeObserver {
  std::vector<const Element*> redrawnUpTo;
  int refreshes = 0;
  void Redraw(const Document&, const Element* stopAt) override { redrawnUpTo.push_back(stopAt); }
  void RefreshCursor() override { ++refreshes; }
};

TEST(Recompute, MissingParentsAndBadKindsNeverCrash) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* seg = Add(doc, kSegment, {a, nullptr});  // a parent that named nothing
  auto bad = NewElementOfKind(kFreePoint);
  bad->kind = 200;
  bad->value = {3, 4, 0, 0};
  Element* odd = Append(doc, std::move(bad));
  Element* conic = AddWithPicks(doc, kConic, {a, a, a});  // two points missing
  RecomputeAll(doc);
  EXPECT_EQ(a->exists, 1);
  EXPECT_EQ(seg->exists, 0);
  EXPECT_EQ(odd->exists, 1);  // ignored, untouched
  EXPECT_EQ(odd->value[0], 3);
  EXPECT_EQ(conic->exists, 0);
}

TEST(Recompute, NonExistingParentKeepsTheChildsValues) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* m = Add(doc, kMidpoint, {a, a}, {7, 8, 0, 0});
  a->exists = 0;
  RecomputeAll(doc);
  EXPECT_EQ(m->exists, 0);
  EXPECT_EQ(m->x(), 7);
  EXPECT_EQ(m->y(), 8);
}

TEST(Recompute, StopsBeforeStopAtAndMarkedPassesLeaveTheRest) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 2, 0);
  Element* before = Add(doc, kMidpoint, {a, b}, {9, 9, 0, 0});
  Element* stop = Add(doc, kMidpoint, {a, b}, {9, 9, 0, 0});
  Element* after = Add(doc, kMidpoint, {a, b}, {9, 9, 0, 0});
  RecordingObserver obs;
  RecomputeAll(doc, stop, true, &obs);
  EXPECT_EQ(before->x(), 1);
  EXPECT_EQ(stop->x(), 9);  // neither the stop nor what follows it
  EXPECT_EQ(after->x(), 9);
  EXPECT_EQ(obs.redrawnUpTo, std::vector<const Element*>{stop});
  EXPECT_EQ(obs.refreshes, 1);

  // A marked pass recomputes the marked elements only.
  Element* c = AddPoint(doc, 10, 10);
  Element* other = Add(doc, kMidpoint, {c, c}, {5, 5, 0, 0});
  b->x() = 4;
  ClearMarks(doc.elements());
  MarkDependents(doc, *b);
  RecomputeMarked(doc, false, &obs);
  EXPECT_EQ(before->x(), 2);
  EXPECT_EQ(stop->x(), 2);
  EXPECT_EQ(after->x(), 2);
  EXPECT_EQ(other->x(), 5);  // its rule would give 10
  EXPECT_EQ(obs.redrawnUpTo.back(), nullptr);
  EXPECT_EQ(obs.refreshes, 1);
}

TEST(Recompute, KindsSetFromOutsideKeepTheirExistence) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  a->exists = 0;
  Element* par = Add(doc, kParameter, {});
  par->exists = 0;
  RecomputeAll(doc);
  EXPECT_EQ(a->exists, 0);
  EXPECT_EQ(par->exists, 0);
  EXPECT_TRUE(IsNotComputed(kText));
  EXPECT_FALSE(IsNotComputed(kMidpoint));
}

}  // namespace
}  // namespace velt
