// Pictures that come in as bitmap elements: pasted, and by the tool "Insertar bitmap".
#include "ui/insert_picture.h"

#include <gtest/gtest.h>

#include "model/undo.h"
#include "support/bmp_bytes.h"
#include "support/builders.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::Bench;

TEST(PastePicture, OnTheOneSelectedCarrierOrAtTheViewsCorner) {
  Document doc;
  doc.viewLeft = -400;
  doc.viewTop = 300;
  Element* a = AddPoint(doc, 10, 20);
  Element* b = AddPoint(doc, 50, 20);
  Element* s = Add(doc, kSegment, {a, b});
  // One selected segment: the picture is stretched along it.
  s->selected = 1;
  Element* onSegment = PastePicture(doc, test::SolidBmp(8, 4), {});
  ASSERT_NE(onSegment, nullptr);
  EXPECT_EQ(onSegment->kind, kBitmap);
  EXPECT_EQ(onSegment->parent[0], s);
  EXPECT_EQ(onSegment->selected, 1);
  EXPECT_EQ(onSegment->exists, 1);
  EXPECT_TRUE(CanUndo(doc));
  // Two selected elements (the segment and the new bitmap): at the view's top-left corner.
  Element* atCorner = PastePicture(doc, test::SolidBmp(8, 4), {});
  ASSERT_NE(atCorner, nullptr);
  EXPECT_EQ(atCorner->parent[0], nullptr);
  EXPECT_DOUBLE_EQ(atCorner->value[0], -400);
  EXPECT_DOUBLE_EQ(atCorner->value[1], 300);
  // A selected element that carries no picture: the corner too.
  for (auto& e : doc.elements()) e->selected = 0;
  Element* circle = Add(doc, kCircleCentre, {a});
  circle->selected = 1;
  EXPECT_EQ(PastePicture(doc, test::SolidBmp(2, 2), {})->parent[0], nullptr);
  // Undo takes one paste back.
  const size_t count = doc.elements().size();
  ASSERT_TRUE(Undo(doc));
  EXPECT_EQ(doc.elements().size(), count - 1);
}

TEST(PastePicture, RefusesWhatIsNoPictureOrTooLarge) {
  Document doc;
  EXPECT_EQ(PastePicture(doc, Picture{"not a bmp"}, {}), nullptr);
  EXPECT_EQ(PastePicture(doc, test::SolidBmp(kMaxPictureSide + 1, 1), {}), nullptr);
  EXPECT_TRUE(doc.elements().empty());
  EXPECT_FALSE(CanUndo(doc));  // nothing was stored either
  EXPECT_EQ(CheckPictureSize(kMaxPictureSide, 1), PictureCheck::kOk);
  EXPECT_EQ(CheckPictureSize(4096, 4096), PictureCheck::kOk);
  EXPECT_EQ(CheckPictureSize(4097, 4096), PictureCheck::kTooLarge);  // more pixels than 4096²
  EXPECT_EQ(CheckPictureSize(0, 10), PictureCheck::kNotAPicture);
}

TEST(InsertBitmapTool, AnchorsTheChosenPictureToThePointClicked) {
  Bench b;
  AddPoint(b.doc(), 100, 50);
  b.ix.SelectTool(Tool::B_inbitmap);
  // Empty plane: nothing happens and no dialog is asked.
  b.host.picture = test::SolidBmp(3, 3);
  b.Click(-200, -200);
  EXPECT_EQ(b.Count(), 1u);
  // Cancelled dialog: nothing is made.
  b.host.picture.reset();
  b.Click(100, 50);
  EXPECT_EQ(b.Count(), 1u);
  EXPECT_FALSE(CanUndo(b.doc()));
  b.host.picture = test::SolidBmp(3, 3);
  b.Click(100, 50);
  ASSERT_EQ(b.Count(), 2u);
  Element* bitmap = b.Last();
  EXPECT_EQ(bitmap->kind, kBitmap);
  EXPECT_EQ(bitmap->parent[0], b.At(0));
  EXPECT_EQ(bitmap->exists, 1);
  EXPECT_EQ(bitmap->as<BitmapExt>()->picture, test::SolidBmp(3, 3));
  // One undo step for it.
  b.ix.UndoCommand();
  EXPECT_EQ(b.Count(), 1u);
}

TEST(InsertBitmapTool, AFileThatIsNoPictureIsReported) {
  Bench b;
  AddPoint(b.doc(), 0, 0);
  b.ix.SelectTool(Tool::B_inbitmap);
  b.host.picture = Picture{"BM but nothing more"};
  b.Click(0, 0);
  EXPECT_EQ(b.Count(), 1u);
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0], b.ws.Text(1000));
}

}  // namespace
}  // namespace velt
