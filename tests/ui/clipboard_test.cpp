// The internal clipboard: what a copy brings along, how it is shown, and where pastes land.
#include "ui/clipboard.h"

#include <gtest/gtest.h>

#include <set>

#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

// Closes without saving.
struct Discard : DocumentHost {
  SaveAnswer AskSaveChanges(Document&) override { return SaveAnswer::No; }
  bool SaveDocument(Document&) override { return false; }
};

// The top-level elements of a document from index `from` on.
std::vector<Element*> From(Document& d, size_t from) {
  std::vector<Element*> out;
  for (size_t i = from; i < d.elements().size(); ++i) out.push_back(d.elements()[i].get());
  return out;
}

TEST(Clipboard, MidpointAloneBringsItsEndPointsHidden) {
  DocumentSet docs;
  Document& d = *docs.NewDocument(Options{});
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 100, 40);
  AddPoint(d, 7, 7);  // not needed: not copied
  Element* m = Add(d, kMidpoint, {a, b});
  m->selected = 1;
  Clipboard cb;
  EXPECT_EQ(CopySelection(docs, d, cb), 3);
  EXPECT_EQ(m->mark, 0);  // the marks are left clear
  ASSERT_EQ(PasteClipboard(d, cb), 3);
  const auto pasted = From(d, 4);
  ASSERT_EQ(pasted.size(), 3u);
  EXPECT_EQ(pasted[0]->kind, kFreePoint);
  EXPECT_EQ(pasted[1]->kind, kFreePoint);
  EXPECT_EQ(pasted[2]->kind, kMidpoint);
  EXPECT_EQ(pasted[0]->visibility, 0);
  EXPECT_EQ(pasted[1]->visibility, 0);
  EXPECT_EQ(pasted[2]->visibility, 1);
  EXPECT_FALSE(pasted[0]->selected);
  EXPECT_TRUE(pasted[2]->selected);
  EXPECT_FALSE(m->selected);  // the old selection is cleared
  // The pasted midpoint is built on the pasted end points, not on the originals.
  EXPECT_EQ(pasted[2]->parent[0], pasted[0]);
  EXPECT_EQ(pasted[2]->parent[1], pasted[1]);
  // New numbers: every element of the document has its own.
  std::set<int32_t> numbers;
  for (auto& e : d.elements()) EXPECT_TRUE(numbers.insert(e->number).second);
  EXPECT_TRUE(d.modified);
}

TEST(Clipboard, RepeatedPastesCascadeFromTheCopyAndStartAtZeroElsewhere) {
  DocumentSet docs;
  Document& d = *docs.NewDocument(Options{});
  Element* p = AddPoint(d, 10, 30);
  p->selected = 1;
  Clipboard cb;
  CopySelection(docs, d, cb);
  for (int i = 1; i <= 3; ++i) {
    PasteClipboard(d, cb);
    const Element& q = *d.elements().back();
    EXPECT_DOUBLE_EQ(q.x(), 10 + 20 * i) << i;  // rightwards
    EXPECT_DOUBLE_EQ(q.y(), 30 - 20 * i) << i;  // and downwards: y points up
  }
  Document& other = *docs.NewDocument(Options{});
  other.viewLeft = d.viewLeft;
  other.viewTop = d.viewTop;
  for (int i = 0; i < 3; ++i) {
    PasteClipboard(other, cb);
    EXPECT_DOUBLE_EQ(other.elements().back()->x(), 10 + 20 * i) << i;
    EXPECT_DOUBLE_EQ(other.elements().back()->y(), 30 - 20 * i) << i;
  }
  // A new copy starts every count again.
  CopySelection(docs, other, cb);
  EXPECT_EQ(d.pasteCount, 0);
  EXPECT_EQ(other.pasteCount, 1);
}

TEST(Clipboard, PastesFollowTheViewSoTheFigureStaysInSight) {
  DocumentSet docs;
  Document& d = *docs.NewDocument(Options{});
  d.viewLeft = -400;
  d.viewTop = 300;
  AddPoint(d, 0, 0)->selected = 1;
  Clipboard cb;
  CopySelection(docs, d, cb);
  Document& other = *docs.NewDocument(Options{});
  other.viewLeft = 600;
  other.viewTop = -200;
  PasteClipboard(other, cb);
  EXPECT_DOUBLE_EQ(other.elements().back()->x(), 1000);
  EXPECT_DOUBLE_EQ(other.elements().back()->y(), -500);
}

TEST(Clipboard, ReferencesLeavingTheCopyAreDroppedNotLeftDangling) {
  DocumentSet docs;
  Document& d = *docs.NewDocument(Options{});
  Element* a = AddPoint(d, 0, 0);
  Element* b = AddPoint(d, 50, 0);
  Element* seg = Add(d, kSegment, {a, b});
  Element* source = AddPoint(d, 5, 5);  // drives the segment's colour
  Element* name = Add(d, kName, {seg});
  seg->colourSource = source;
  seg->colourMode = 1;
  seg->nameElement = name;
  seg->selected = 1;
  Clipboard cb;
  ASSERT_EQ(CopySelection(docs, d, cb), 3);  // a, b and the segment; not the source
  Document& other = *docs.NewDocument(Options{});
  // The source document goes away before the paste: nothing may point into it.
  Discard discard;
  ASSERT_TRUE(docs.Close(&d, discard, Options{}));
  ASSERT_EQ(PasteClipboard(other, cb), 3);
  const Element& copy = *other.elements().back();
  EXPECT_EQ(copy.kind, kSegment);
  EXPECT_EQ(copy.colourSource, nullptr);
  EXPECT_EQ(copy.colourMode, 0);
  EXPECT_EQ(copy.nameElement, nullptr);
  EXPECT_EQ(copy.parent[0], other.elements()[0].get());
}

TEST(Clipboard, EmptyClipboardPastesNothing) {
  Document d;
  Clipboard cb;
  EXPECT_EQ(PasteClipboard(d, cb), 0);
  EXPECT_FALSE(d.modified);
  DocumentSet docs;
  Document& e = *docs.NewDocument(Options{});
  AddPoint(e, 1, 1);
  EXPECT_EQ(CopySelection(docs, e, cb), 0);  // nothing selected
  EXPECT_TRUE(cb.empty());
}

}  // namespace
}  // namespace velt
