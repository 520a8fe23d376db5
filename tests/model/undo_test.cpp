#include "model/undo.h"

#include <gtest/gtest.h>

#include "model/snapshot.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::AddPoint;

// The x coordinates of the document's elements, as a readable snapshot of the figure.
std::vector<double> Xs(const Document& doc) {
  std::vector<double> xs;
  for (auto& e : doc.elements()) xs.push_back(e->x());
  return xs;
}

TEST(Undo, ChangeUndoRedo) {
  Document doc;
  AddPoint(doc, 1, 0);
  EXPECT_FALSE(CanUndo(doc));
  StoreUndoStep(doc);
  AddPoint(doc, 2, 0);
  EXPECT_TRUE(CanUndo(doc));
  EXPECT_FALSE(CanRedo(doc));
  ASSERT_TRUE(Undo(doc));
  EXPECT_EQ(Xs(doc), (std::vector<double>{1}));
  EXPECT_TRUE(CanRedo(doc));
  ASSERT_TRUE(Redo(doc));
  EXPECT_EQ(Xs(doc), (std::vector<double>{1, 2}));
  EXPECT_FALSE(CanRedo(doc));
  EXPECT_EQ(doc.undo.position, doc.undo.count() - 1);
}

TEST(Undo, NewChangeAfterUndoDropsTheRedoTail) {
  Document doc;
  for (double x : {1.0, 2.0, 3.0}) {
    StoreUndoStep(doc);
    AddPoint(doc, x, 0);
  }
  Undo(doc);
  Undo(doc);
  EXPECT_EQ(Xs(doc), (std::vector<double>{1}));
  StoreUndoStep(doc);
  AddPoint(doc, 9, 0);
  EXPECT_FALSE(CanRedo(doc));
  Undo(doc);
  EXPECT_EQ(Xs(doc), (std::vector<double>{1}));
  Undo(doc);
  EXPECT_TRUE(doc.elements().empty());
  EXPECT_FALSE(CanUndo(doc));
  Redo(doc);
  Redo(doc);
  EXPECT_EQ(Xs(doc), (std::vector<double>{1, 9}));
}

TEST(Undo, ADragUndoesInOneStepAndSnapshotsStayUntouched) {
  Document doc;
  Element* p = AddPoint(doc, 0, 0);
  StoreUndoStep(doc);
  for (int i = 1; i <= 50; ++i) p->x() = i;
  Undo(doc);
  EXPECT_EQ(Xs(doc), (std::vector<double>{0}));
  // Changing the shared figure after a new step must not alter the stored states.
  StoreUndoStep(doc);
  doc.elements()[0]->x() = 77;
  Undo(doc);
  EXPECT_EQ(Xs(doc), (std::vector<double>{0}));
}

TEST(Undo, NumbersSurviveAndTheHookSeesTheNewList) {
  Document doc;
  AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 1, 0);
  test::Add(doc, kSegment, {doc.first(), b});
  int32_t wanted = 0;
  Element* resolved = nullptr;
  ReresolveHook hook = [&](Document& d) { resolved = FindByNumber(d.elements(), wanted); };
  StoreUndoStep(doc, hook);
  wanted = b->number;
  EXPECT_EQ(wanted, 2);
  doc.elements().pop_back();
  Undo(doc, hook);
  ASSERT_NE(resolved, nullptr);
  EXPECT_EQ(resolved->x(), 1);
  EXPECT_EQ(doc.elements()[2]->parent[1], resolved);
  EXPECT_EQ(doc.elements()[2]->number, 3);
}

TEST(Undo, DropRedoTail) {
  Document doc;
  for (int i = 0; i < 4; ++i) {
    StoreUndoStep(doc);
    AddPoint(doc, i, 0);
  }
  Undo(doc);
  Undo(doc);
  Undo(doc);
  DropRedoTail(doc, doc.undo.position);
  EXPECT_FALSE(CanRedo(doc));
  EXPECT_EQ(Xs(doc), (std::vector<double>{0}));
}

// The figure an undo leaves is kept as it is for the redo; once the document shows it again,
// a change must not reach back into the history.
TEST(Undo, ChangesAfterRedoingToTheLastStateLeaveTheHistoryAlone) {
  Document doc;
  AddPoint(doc, 1, 0);
  StoreUndoStep(doc);
  AddPoint(doc, 2, 0);
  ASSERT_TRUE(Undo(doc));
  ASSERT_TRUE(Redo(doc));
  EXPECT_EQ(Xs(doc), (std::vector<double>{1, 2}));

  StoreUndoStep(doc);
  doc.elements()[1]->x() = 5;
  AddPoint(doc, 3, 0);
  ASSERT_TRUE(Undo(doc));
  EXPECT_EQ(Xs(doc), (std::vector<double>{1, 2}));
  ASSERT_TRUE(Undo(doc));
  EXPECT_EQ(Xs(doc), (std::vector<double>{1}));
  ASSERT_TRUE(Redo(doc));
  ASSERT_TRUE(Redo(doc));
  EXPECT_EQ(Xs(doc), (std::vector<double>{1, 5, 3}));

  // Undoing and redoing again and again gives the same states.
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(Undo(doc));
    EXPECT_EQ(Xs(doc), (std::vector<double>{1, 2}));
    ASSERT_TRUE(Redo(doc));
    EXPECT_EQ(Xs(doc), (std::vector<double>{1, 5, 3}));
  }
  // Its bytes, asked for, are those of the figure shown.
  const auto shown = DecodeFigure(SnapshotBytes(doc.undo, doc.undo.position));
  ASSERT_EQ(shown->elements.size(), 3u);
  EXPECT_EQ(shown->elements[1]->x(), 5);
}

}  // namespace
}  // namespace velt
