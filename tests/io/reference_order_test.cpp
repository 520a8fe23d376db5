// Files whose references point to later elements keep their construction: the list is put
// into an order where parents come first, and only references that form a cycle are cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <unordered_map>

#include "geometry/recompute.h"
#include "io/document_file.h"
#include "io/io_test_support.h"
#include "model/element_list.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

// Moves the element at `from` to position `to` of the list, as an old or foreign writer
// might have stored it.
void MoveInList(Document& doc, size_t from, size_t to) {
  auto& list = doc.elements();
  ElementPtr e = std::move(list[from]);
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(from));
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), std::move(e));
}

TEST(ReferenceOrder, PointStoredBeforeItsCarrierKeepsIt) {
  // A (0, 0), B (200, 0), the line AB, a point at a quarter of AB and its name, a free
  // point C; the file stores the point and its name first.
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 200, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* p = Add(doc, kPointOnElement, {line}, {0, 0, 0, 0.25});
  Element* name = Add(doc, kName, {p});
  name->as<NameExt>()->text = "P";
  AddPoint(doc, 7, 7);
  RecomputeAll(doc);
  ASSERT_NEAR(p->x(), 50, 1e-9);
  MoveInList(doc, 3, 0);  // P, A, B, AB, name, C
  MoveInList(doc, 4, 0);  // name, P, A, B, AB, C
  const std::string bytes = DocumentFileBytes(doc);

  DocumentLoad load = ReadDocumentBytes(bytes, Options{});
  ASSERT_TRUE(load.document);
  EXPECT_EQ(load.referencesCut, 0);
  Document& got = *load.document;
  const auto& list = got.elements();
  ASSERT_EQ(list.size(), 6u);
  // Parents first, the rest in stored order: A, B, AB, P, name, C.
  const std::array<int32_t, 6> kinds = {kFreePoint,      kFreePoint, kLineTwoPoints,
                                        kPointOnElement, kName,      kFreePoint};
  for (size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(list[i]->kind, kinds[i]) << i;
  Element* gotP = list[3].get();
  ASSERT_EQ(gotP->parent[0], list[2].get());
  EXPECT_EQ(list[4]->parent[0], gotP);
  EXPECT_EQ(gotP->nameElement, list[4].get());
  EXPECT_EQ(list[5]->x(), 7);
  // The values are right, and the point still follows its line.
  RecomputeAll(got);
  EXPECT_NEAR(gotP->x(), 50, 1e-9);
  EXPECT_EQ(gotP->exists, 1);
  list[1]->x() = 400;
  RecomputeAll(got);
  EXPECT_NEAR(gotP->x(), 100, 1e-9);
  list[1]->x() = 200;
  RecomputeAll(got);

  // Saving and loading again gives the same construction, now in order.
  const std::string again = DocumentFileBytes(got);
  DocumentLoad second = ReadDocumentBytes(again, Options{});
  ASSERT_TRUE(second.document);
  EXPECT_EQ(second.referencesCut, 0);
  test::ExpectSameList(got.elements(), second.document->elements());
  EXPECT_EQ(DocumentFileBytes(*second.document), again);
}

TEST(ReferenceOrder, OnlyReferencesOfACycleAreCut) {
  // M1 = midpoint(A, M2) and M2 = midpoint(M1, B) refer to each other; the segment S from
  // M2 to A stored before both is no cycle and is kept.
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 8, 0);
  Element* m1 = Add(doc, kMidpoint, {a, b});
  Element* m2 = Add(doc, kMidpoint, {m1, b});
  Add(doc, kSegment, {m2, a});
  m1->parent[1] = m2;
  MoveInList(doc, 4, 0);  // S, A, B, M1, M2
  DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(doc), Options{});
  ASSERT_TRUE(load.document);
  EXPECT_EQ(load.referencesCut, 1);  // M1 -> M2, the one that points forward
  const auto& list = load.document->elements();
  ASSERT_EQ(list.size(), 5u);
  Element *gotA = list[0].get(), *gotB = list[1].get(), *gotM1 = list[2].get(),
          *gotM2 = list[3].get(), *gotS = list[4].get();
  EXPECT_EQ(gotM1->kind, kMidpoint);
  EXPECT_EQ(gotM1->parent[0], gotA);
  EXPECT_EQ(gotM1->parent[1], nullptr);
  EXPECT_EQ(gotM2->parent[0], gotM1);
  EXPECT_EQ(gotM2->parent[1], gotB);
  EXPECT_EQ(gotS->kind, kSegment);
  EXPECT_EQ(gotS->parent[0], gotM2);
  EXPECT_EQ(gotS->parent[1], gotA);
}

TEST(ReferenceOrder, LongChainStoredBackwardsIsReversed) {
  // Each point is a midpoint of the next one stored and a fixed point: a chain of 20000
  // references, all pointing forward, with no cycle.
  Document doc;
  Element* fixed = AddPoint(doc, 0, 0);
  Element* last = AddPoint(doc, 1024, 0);
  constexpr int kChain = 20000;
  for (int i = 0; i < kChain; ++i) last = Add(doc, kMidpoint, {last, fixed});
  std::reverse(doc.elements().begin() + 1, doc.elements().end());
  DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(doc), Options{});
  ASSERT_TRUE(load.document);
  EXPECT_EQ(load.referencesCut, 0);
  const auto& list = load.document->elements();
  ASSERT_EQ(list.size(), static_cast<size_t>(kChain + 2));
  std::unordered_map<const Element*, size_t> position;
  for (size_t i = 0; i < list.size(); ++i) position[list[i].get()] = i;
  size_t misplaced = 0;
  for (size_t i = 1; i < list.size(); ++i)
    for (const Element* p : list[i]->parent)
      if (p && position.at(p) >= i) ++misplaced;
  EXPECT_EQ(misplaced, 0u);
  RecomputeAll(*load.document);
  EXPECT_NEAR(list[2]->x(), 512, 1e-9);
}

}  // namespace
}  // namespace velt
