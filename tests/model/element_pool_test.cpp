#include "model/element_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "model/element_list.h"
#include "support/builders.h"

namespace velt {
namespace {

TEST(ElementPool, ElementsLieInOrderAndOutliveTheirPool) {
  ElementList list;
  {
    ElementPool pool(1000);
    for (int i = 0; i < 1000; ++i) {
      list.push_back(NewElementOfKind(i % 7 == 0 ? kName : kMidpoint, pool));
      list.back()->number = i + 1;
      if (auto* n = list.back()->as<NameExt>()) n->text = std::string(40, 'a' + i % 26);
    }
    // One chunk: a walk in list order goes through memory at one stride.
    const auto stride =
        reinterpret_cast<uintptr_t>(list[1].get()) - reinterpret_cast<uintptr_t>(list[0].get());
    EXPECT_GE(stride, sizeof(Element));
    for (size_t i = 1; i < list.size(); ++i)
      ASSERT_EQ(reinterpret_cast<uintptr_t>(list[i].get()) -
                    reinterpret_cast<uintptr_t>(list[i - 1].get()),
                stride);
  }
  // The pool is gone; its elements are not. Drop some out of order, move others to another
  // list, and mix in elements made one at a time.
  ElementList other;
  for (size_t i = 0; i < list.size(); i += 3) other.push_back(std::move(list[i]));
  std::erase_if(list, [](const ElementPtr& e) { return !e || e->number % 2 == 0; });
  other.push_back(NewElementOfKind(kFreePoint));
  for (const auto& e : list) {
    EXPECT_EQ(e->number % 2, 1);
    if (auto* n = e->as<NameExt>()) {
      EXPECT_EQ(n->text, std::string(40, 'a' + (e->number - 1) % 26));
    }
  }
  EXPECT_EQ(other.front()->number, 1);
  EXPECT_EQ(other.front()->as<NameExt>()->text, std::string(40, 'a'));
  list.clear();
  EXPECT_EQ(other[1]->number, 4);
}

TEST(ElementPool, FullChunksAreFollowedByNewOnes) {
  ElementPool pool(1);  // far fewer than asked for below
  ElementList list;
  for (int i = 0; i < 5000; ++i) {
    list.push_back(NewElementOfKind(kFreePoint, pool));
    list.back()->value = {double(i), -double(i), 0, 0};
  }
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(list[i]->value[1], -double(i));
  std::vector<Element*> addresses;
  for (auto& e : list) addresses.push_back(e.get());
  std::sort(addresses.begin(), addresses.end());
  EXPECT_EQ(std::adjacent_find(addresses.begin(), addresses.end()), addresses.end());
}

TEST(ElementPool, LargeExtensionsAreCopiedNotShared) {
  Document doc;
  Element* a = test::AddPoint(doc, 1, 2);
  Element* calc = test::AddWithPicks(doc, kCalculation, {a});
  calc->as<ExpressionExt>()->text = "A*2";
  calc->as<ExpressionExt>()->table = {1, 2, 3};
  // Held out of line, yet the element stays smaller than the largest extension.
  EXPECT_LT(sizeof(Extension), sizeof(ConicExt));

  ElementPool pool;
  ElementPtr copy = CopyElement(*calc, pool);
  ASSERT_NE(copy->as<ExpressionExt>(), nullptr);
  EXPECT_NE(copy->as<ExpressionExt>(), calc->as<ExpressionExt>());
  copy->as<ExpressionExt>()->text = "A*3";
  copy->as<ExpressionExt>()->table[0] = 9;
  EXPECT_EQ(calc->as<ExpressionExt>()->text, "A*2");
  EXPECT_EQ(calc->as<ExpressionExt>()->table[0], 1);
  EXPECT_EQ(copy->as<ExpressionExt>()->table[2], 3);
  EXPECT_EQ(copy->as<ConicExt>(), nullptr);

  // Moving the extension moves the box, not the struct: its address stays.
  ExpressionExt* held = copy->as<ExpressionExt>();
  Element moved;
  moved.ext = std::move(copy->ext);
  EXPECT_EQ(moved.as<ExpressionExt>(), held);
}

TEST(ElementPool, FigureCopiesAndUndoSnapshotsLiveInChunks) {
  Document doc;
  Element* a = test::AddPoint(doc, 0, 0);
  Element* b = test::AddPoint(doc, 4, 0);
  Element* poly = test::AddWithPicks(doc, kPolygon, {a, b, a});
  test::Add(doc, kMidpoint, {a, b});
  auto copy = CopyFigure(*doc.figure);
  ASSERT_EQ(copy->elements.size(), 4u);
  // Sides are made right after their polygon, in the same chunk.
  const Element* cpoly = copy->elements[2].get();
  const Element* firstSide = cpoly->as<PolygonExt>()->sides[0].get();
  EXPECT_EQ(reinterpret_cast<uintptr_t>(firstSide) - reinterpret_cast<uintptr_t>(cpoly),
            reinterpret_cast<uintptr_t>(copy->elements[1].get()) -
                reinterpret_cast<uintptr_t>(copy->elements[0].get()));
  EXPECT_EQ(firstSide->owner, cpoly);
  EXPECT_EQ(copy->elements[3]->parent[1], copy->elements[1].get());
  EXPECT_NE(cpoly, poly);
}

}  // namespace
}  // namespace velt
