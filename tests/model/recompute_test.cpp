#include "geometry/recompute.h"

#include <gtest/gtest.h>

#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

struct CountingObserver : RecomputeObserver {
  int redraws = 0, refreshes = 0;
  const Element* lastStop = nullptr;
  void Redraw(const Document&, const Element* stopAt) override {
    ++redraws;
    lastStop = stopAt;
  }
  void RefreshCursor() override { ++refreshes; }
};

TEST(Recompute, MissingParentsAndBadKindsNeverCrash) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* seg = Add(doc, kSegment, {a, nullptr});  // a parent that named nothing
  Element* poly = AddWithPicks(doc, kPolygon, {});  // no vertices
  auto bad = NewElementOfKind(kFreePoint);
  bad->kind = 200;
  Element* odd = Append(doc, std::move(bad));
  Element* conic = AddWithPicks(doc, kConic, {a, a, a});  // two points missing
  RecomputeAll(doc);
  EXPECT_EQ(a->exists, 1);
  EXPECT_EQ(odd->exists, 1);  // ignored, untouched
  EXPECT_EQ(conic->exists, 0);
  (void)seg;
  (void)poly;
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

TEST(Recompute, StopAtAndObserver) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 1, 0);
  Element* third = Add(doc, kMidpoint, {a, b});
  CountingObserver obs;
  RecomputeAll(doc, third, true, &obs);
  EXPECT_EQ(obs.redraws, 1);
  EXPECT_EQ(obs.refreshes, 1);
  EXPECT_EQ(obs.lastStop, third);
  ClearMarks(doc.elements());
  MarkDependents(doc, *a);
  RecomputeMarked(doc, false, &obs);
  EXPECT_EQ(obs.redraws, 2);
  EXPECT_EQ(obs.refreshes, 1);
  EXPECT_EQ(obs.lastStop, nullptr);
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
