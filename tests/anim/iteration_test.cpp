// Iterations: the copies their repetitions make, checked against values computed here by
// other means (closed forms, rotations, subdivisions), their bounds, and their options.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "anim/iteration_setup.h"
#include "anim/iteration_walk.h"
#include "geometry/recompute.h"
#include "io/document_file.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

struct Copy {
  int level = 0;
  int kind = 0;
  std::array<double, 4> v{};
  std::vector<std::array<double, 4>> sub;
};

std::vector<Copy> Copies(const Document& doc, const Element& it) {
  std::vector<Copy> out;
  ForEachDrawnCopy(doc, it, [&](const Element& c, const Document&, int32_t level) {
    Copy k{level, c.kind, c.value, {}};
    ForEachSubElement(c, [&](const Element& s) { k.sub.push_back(s.value); });
    out.push_back(k);
    return true;
  });
  return out;
}

// Builds the iteration the way "Nueva iteración" does.
Element* Iterate(Document& doc, std::vector<std::vector<Element*>> sets, int32_t count,
                 Element* countElement = nullptr) {
  IterationSetup s;
  s.sets = std::move(sets);
  s.fixedCount = count;
  s.countElement = countElement;
  EXPECT_TRUE(CanIterate(doc, s));
  ElementTemplate t = IterationTemplate(doc, s);
  Element* e = MakeElementFromTemplate(doc, t, {});
  FillIteration(*e, s);
  RecomputeAll(doc);
  return e;
}

Element* Parameter(Document& doc, double v) {
  Element* p = Add(doc, kParameter, {});
  p->value[0] = v;  // as the parameter dialog would set it
  return p;
}

std::array<double, 2> Turned(double x, double y, double a) {
  return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
}

// A square whose next square joins the midpoints of its sides: each step turns the vertices
// by 45 degrees about the centre and shortens their distance by √2.
TEST(Iteration, MidpointSquaresFollowTheClosedForm) {
  Document doc;
  Element* a = AddPoint(doc, -200, -200);
  Element* b = AddPoint(doc, 200, -200);
  Element* c = AddPoint(doc, 200, 200);
  Element* d = AddPoint(doc, -200, 200);
  AddWithPicks(doc, kPolygon, {a, b, c, d});
  Element* e = Add(doc, kMidpoint, {a, b});
  Element* f = Add(doc, kMidpoint, {b, c});
  Element* g = Add(doc, kMidpoint, {c, d});
  Element* h = Add(doc, kMidpoint, {d, a});
  Element* it = Iterate(doc, {{a, b, c, d}, {e, f, g, h}}, 10);
  ASSERT_EQ(it->exists, 1);
  const std::vector<Copy> copies = Copies(doc, *it);
  ASSERT_EQ(copies.size(), 10u);  // the polygon; the midpoints are points, not drawn
  const double pi = std::numbers::pi;
  const double start[4] = {1.25 * pi, 1.75 * pi, 0.25 * pi, 0.75 * pi};
  for (int k = 1; k <= 10; ++k) {
    const Copy& q = copies[static_cast<size_t>(k - 1)];
    EXPECT_EQ(q.kind, kPolygon);
    EXPECT_EQ(q.level, 10 - k);
    ASSERT_EQ(q.sub.size(), 4u);
    const double r = 200 * std::sqrt(2.0) * std::pow(2.0, -k / 2.0);
    for (int i = 0; i < 4; ++i) {
      const double angle = start[i] + k * pi / 4;
      EXPECT_NEAR(q.sub[static_cast<size_t>(i)][0], r * std::cos(angle), 1e-9) << k << " " << i;
      EXPECT_NEAR(q.sub[static_cast<size_t>(i)][1], r * std::sin(angle), 1e-9) << k << " " << i;
    }
  }
}

// Points turned about the origin: copy k of segment AB is AB turned k times; the count comes
// from a parameter and follows it.
TEST(Iteration, RotationCopiesFollowTheCountParameter) {
  Document doc;
  Element* o = AddPoint(doc, 0, 0);
  Element* angle = Parameter(doc, 0.3);
  Element* count = Parameter(doc, 4.9);
  Element* a = AddPoint(doc, 100, 0);
  Element* b = AddPoint(doc, 200, 50);
  Add(doc, kSegment, {a, b});
  Element* c = Add(doc, kPointRotation, {a, o, angle});
  Element* d = Add(doc, kPointRotation, {b, o, angle});
  Element* it = Iterate(doc, {{a, b}, {c, d}}, 1, count);
  ASSERT_EQ(it->exists, 1);
  std::vector<Copy> copies = Copies(doc, *it);
  ASSERT_EQ(copies.size(), 4u);  // 4.9 counts as 4
  for (int k = 1; k <= 4; ++k) {
    const Copy& q = copies[static_cast<size_t>(k - 1)];
    const auto p = Turned(100, 0, 0.3 * k), s = Turned(200, 50, 0.3 * k);
    EXPECT_EQ(q.kind, kSegment);
    EXPECT_NEAR(q.v[0], p[0], 1e-9);
    EXPECT_NEAR(q.v[1], p[1], 1e-9);
    EXPECT_NEAR(q.v[2], s[0], 1e-9);
    EXPECT_NEAR(q.v[3], s[1], 1e-9);
  }
  count->value[0] = 2;
  RecomputeAll(doc);
  copies = Copies(doc, *it);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_NEAR(copies[1].v[0], Turned(100, 0, 0.6)[0], 1e-9);
  // Not a number, negative, huge: no copies, no copies, the bounded count.
  count->value[0] = std::nan("");
  RecomputeAll(doc);
  EXPECT_TRUE(Copies(doc, *it).empty());
  count->value[0] = -7;
  RecomputeAll(doc);
  EXPECT_TRUE(Copies(doc, *it).empty());
  count->value[0] = 1e300;
  RecomputeAll(doc);
  EXPECT_EQ(IterationCount(*it), kMaxIterationCount);
  const IterationWork* w = PreparedIterationWork(doc, *it);
  ASSERT_NE(w, nullptr);
  // The segment and the two turned points are recomputed at each step: 3 × 100,000 steps
  // stay within the work bound.
  EXPECT_EQ(w->marked.size(), 3u);
  EXPECT_EQ(w->count, kMaxIterationCount);
  // A long chain is walked without recursion; the last copy is still exact.
  copies = Copies(doc, *it);
  ASSERT_EQ(copies.size(), static_cast<size_t>(kMaxIterationCount));
  const auto last = Turned(200, 50, 0.3 * kMaxIterationCount);
  EXPECT_NEAR(copies.back().v[2], last[0], 1e-6);
  EXPECT_NEAR(copies.back().v[3], last[1], 1e-6);
}

// Two destination sets halve a segment into its two halves: a binary tree of segments.
struct HalvingTree {
  Document doc;
  Element* a = AddPoint(doc, -320, 0);
  Element* b = AddPoint(doc, 320, 0);
  Element* ab = Add(doc, kSegment, {a, b});
  Element* m = Add(doc, kMidpoint, {a, b});
  Element* it = Iterate(doc, {{a, b}, {a, m}, {m, b}}, 3);
};

TEST(Iteration, TwoSetsDrawABinaryTreeAndOnlyLastKeepsItsLeaves) {
  HalvingTree t;
  std::vector<Copy> copies = Copies(t.doc, *t.it);
  ASSERT_EQ(copies.size(), 14u);  // 2 + 4 + 8
  // Depth first, the first set first: [-320, 0], [-320, -160], [-320, -240], [-240, -160] ...
  const double expected[][3] = {{2, -320, 0}, {1, -320, -160}, {0, -320, -240}, {0, -240, -160}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(copies[static_cast<size_t>(i)].level, expected[i][0]);
    EXPECT_DOUBLE_EQ(copies[static_cast<size_t>(i)].v[0], expected[i][1]);
    EXPECT_DOUBLE_EQ(copies[static_cast<size_t>(i)].v[2], expected[i][2]);
  }
  SetIterationOption(*t.it, kIterOnlyLast, true);
  copies = Copies(t.doc, *t.it);
  ASSERT_EQ(copies.size(), 8u);
  for (int i = 0; i < 8; ++i) {  // the eight eighths of AB, in order
    EXPECT_EQ(copies[static_cast<size_t>(i)].level, 0);
    EXPECT_DOUBLE_EQ(copies[static_cast<size_t>(i)].v[0], -320 + 80 * i);
    EXPECT_DOUBLE_EQ(copies[static_cast<size_t>(i)].v[2], -320 + 80 * (i + 1));
  }
  // Points are drawn only with their option: the midpoint's copies join the segments.
  SetIterationOption(*t.it, kIterOnlyLast, false);
  SetIterationOption(*t.it, kIterDrawPoints, true);
  copies = Copies(t.doc, *t.it);
  ASSERT_EQ(copies.size(), 28u);
  EXPECT_EQ(copies[1].kind, kMidpoint);
  EXPECT_DOUBLE_EQ(copies[1].v[0], -160);
  // Count 0 draws nothing; the document's own elements are never among the copies.
  SetIterationCount(*t.it, 0);
  EXPECT_EQ(IterationCount(*t.it), 1);  // the fixed count is at least 1
  t.it->as<IterationExt>()->settings[kIterCount] = 0;
  EXPECT_TRUE(Copies(t.doc, *t.it).empty());
}

TEST(Iteration, DrawingLeavesTheDocumentAsItWas) {
  HalvingTree t;
  const Element* first = t.doc.elements().front().get();
  const std::array<double, 4> before = t.m->value;
  EXPECT_EQ(Copies(t.doc, *t.it).size(), 14u);
  EXPECT_EQ(t.doc.elements().front().get(), first);
  EXPECT_EQ(t.m->value, before);
  EXPECT_EQ(t.ab->value, (std::array<double, 4>{-320, 0, 320, 0}));
  // After a drag of an initial the copies follow without a recompute of the iteration.
  t.b->value[0] = 480;
  t.m->value[0] = 80;
  t.ab->value[2] = 480;
  const std::vector<Copy> copies = Copies(t.doc, *t.it);
  ASSERT_EQ(copies.size(), 14u);
  EXPECT_DOUBLE_EQ(copies[0].v[2], 80);
}

// A destination that does not exist in one branch ends that branch and its sub-branches only:
// the inverse of B in a circle about the origin does not exist once B reaches the origin.
TEST(Iteration, AMissingDestinationEndsItsBranchOnly) {
  Document doc;
  Element* o = AddPoint(doc, 0, 0);
  Element* r = AddPoint(doc, 50, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {o, r});
  Element* a = AddPoint(doc, -100, 0);
  Element* b = AddPoint(doc, 100, 0);
  Add(doc, kSegment, {a, b});
  Element* m = Add(doc, kMidpoint, {a, b});
  Element* q = Add(doc, kPointInversion, {circle, b});
  Element* it = Iterate(doc, {{a, b}, {a, m}, {m, q}}, 2);
  ASSERT_EQ(it->exists, 1);
  const std::vector<Copy> copies = Copies(doc, *it);
  // [A, M] = [-100, 0] has no second branch (its B is the origin); [M, Q] = [0, 25] has both.
  const double expected[][2] = {{-100, 0}, {-100, -50}, {0, 25}, {0, 12.5}, {12.5, 100}};
  ASSERT_EQ(copies.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_DOUBLE_EQ(copies[i].v[0], expected[i][0]) << i;
    EXPECT_DOUBLE_EQ(copies[i].v[2], expected[i][1]) << i;
  }
}

TEST(Iteration, LabelLikeElementsAreNeverRepeated) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 100, 0);
  Element* m = Add(doc, kMidpoint, {a, b});
  Add(doc, kDistancePointPoint, {a, b});
  Add(doc, kSegment, {a, b});
  Element* it = Iterate(doc, {{a, b}, {a, m}}, 3);
  const auto* ext = it->as<IterationExt>();
  ASSERT_EQ(ext->elements.size(), 5u);  // a, b, m, the distance, the segment
  for (const Copy& c : Copies(doc, *it)) EXPECT_EQ(c.kind, kSegment);
}

TEST(IterationBounds, CountsAreTruncatedAndBounded) {
  EXPECT_EQ(CountFromValue(std::nan("")), 0);
  EXPECT_EQ(CountFromValue(-3), 0);
  EXPECT_EQ(CountFromValue(2.99), 2);
  EXPECT_EQ(CountFromValue(1e300), kMaxIterationCount);
  EXPECT_EQ(CountFromValue(INFINITY), kMaxIterationCount);
  EXPECT_EQ(CountFromValue(-INFINITY), 0);
  // Two sets, one element a step: the largest k with 2^(k+1) - 2 ≤ 2,000,000 is 19.
  EXPECT_EQ(BoundedIterationCount(kMaxIterationCount, 2, 1), 19);
  EXPECT_EQ(BoundedIterationCount(12, 2, 1), 12);
  // One set: the steps themselves; forty elements a step leave 50,000 steps.
  EXPECT_EQ(BoundedIterationCount(kMaxIterationCount, 1, 40), 50000);
  // 99 sets: 99 + 99² + 99³ = 980,199 steps fit, 99⁴ more do not.
  EXPECT_EQ(BoundedIterationCount(kMaxIterationCount, 99, 1), 3);
  EXPECT_GT(RepetitionsFor(99, kMaxIterationCount, 1000), 1000);
  EXPECT_EQ(RepetitionsFor(3, 3, 1000), 39);
}

// Records as a damaged file could leave them: nothing is drawn and nothing breaks.
TEST(IterationBounds, MalformedFieldsMakeNoIteration) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 100, 0);
  Element* m = Add(doc, kMidpoint, {a, b});
  Element* s = Add(doc, kSegment, {a, b});
  Element* it = Iterate(doc, {{a, b}, {a, m}}, 3);
  ASSERT_EQ(Copies(doc, *it).size(), 3u);
  auto& ext = *it->as<IterationExt>();
  const IterationExt good = ext;
  auto broken = [&](auto&& damage) {
    ext = good;
    damage(ext);
    RecomputeAll(doc);
    EXPECT_EQ(it->exists, 0);
    EXPECT_TRUE(Copies(doc, *it).empty());
  };
  broken([](IterationExt& x) { x.results[1][0] = 99; });  // index past the list
  broken([](IterationExt& x) { x.results[0][0] = -1; });  // negative index
  broken([](IterationExt& x) { x.settings[kIterInitials] = 0; });
  broken([](IterationExt& x) { x.settings[kIterInitials] = 40; });  // more than the list
  broken([](IterationExt& x) { x.settings[kIterSets] = 2; });       // rows one wide
  broken([](IterationExt& x) { x.results.pop_back(); });
  broken([&](IterationExt& x) { x.elements[2] = s; });  // a segment as a destination
  broken([&](IterationExt& x) { x.elements[0] = s; });  // a segment as an initial
  broken([](IterationExt& x) { x.elements.resize(2); });
  ext = good;
  RecomputeAll(doc);
  EXPECT_EQ(Copies(doc, *it).size(), 3u);
}

// Saved and read back, the iteration keeps its list, settings, destination rows and colour
// flag, and draws the same copies; the working copy is not part of the file.
TEST(IterationFile, RoundTripDrawsTheSameCopies) {
  HalvingTree t;
  SetIterationOption(*t.it, kIterOnlyLast | kIterDrawPoints, true);
  t.it->attr2 = kIterColourFlag;
  const std::vector<Copy> before = Copies(t.doc, *t.it);
  ASSERT_EQ(before.size(), 16u);  // eight segments and eight midpoints at level 0
  DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(t.doc), Options{});
  ASSERT_TRUE(load.document);
  Document& doc = *load.document;
  RecomputeAll(doc);
  const Element* it = nullptr;
  for (const ElementPtr& e : doc.elements())
    if (e->kind == kIteration) it = e.get();
  ASSERT_NE(it, nullptr);
  EXPECT_EQ(it->attr2, kIterColourFlag);
  EXPECT_EQ(it->as<IterationExt>()->settings, t.it->as<IterationExt>()->settings);
  EXPECT_EQ(it->as<IterationExt>()->results, t.it->as<IterationExt>()->results);
  const std::vector<Copy> after = Copies(doc, *it);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].kind, before[i].kind);
    EXPECT_EQ(after[i].v, before[i].v);
  }
}

}  // namespace
}  // namespace velt
