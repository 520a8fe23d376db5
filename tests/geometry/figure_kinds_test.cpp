// Names, grids, points on a grid and anchored bitmaps vanish with the element they belong to
// and come back with it, and a file saved afterwards keeps them.
#include <gtest/gtest.h>

#include "geometry/recompute.h"
#include "io/document_file.h"
#include "support/bmp_bytes.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

// Lines AB (y = 0) and CD meet at the origin O of the axes; the grid, a point on the grid, a
// bitmap anchored at O and the name of CD hang on them. D at (100, 100) makes CD parallel
// to AB, so O and everything built on it vanish.
struct GridFigure {
  Document doc;
  Element* d;
  Element* origin;
  Element* axes;
  Element* grid;
  Element* gridPoint;
  Element* bitmap;
  Element* name;

  GridFigure() {
    Element* a = AddPoint(doc, 0, 0);
    Element* b = AddPoint(doc, 100, 0);
    Element* c = AddPoint(doc, 0, 100);
    d = AddPoint(doc, 100, 50);
    Element* ab = Add(doc, kLineTwoPoints, {a, b});
    Element* cd = Add(doc, kLineTwoPoints, {c, d});
    origin = Add(doc, kIntersection, {ab, cd});
    origin->attr1 = 0;
    axes = Add(doc, kAxes, {origin});
    grid = Add(doc, kGrid, {axes});
    gridPoint = Add(doc, kPointOnGrid, {grid}, {0, 0, 1, 1});
    bitmap = Add(doc, kBitmap, {origin});
    bitmap->as<BitmapExt>()->picture = test::SolidBmp(4, 3);
    name = Add(doc, kName, {cd});
    name->as<NameExt>()->text = "g";
    RecomputeAll(doc);
  }
  void MoveD(double y) {
    d->y() = y;
    RecomputeAll(doc);
  }
};

TEST(FigureKinds, ComeBackWithTheirParents) {
  GridFigure f;
  ASSERT_EQ(f.origin->exists, 1);
  EXPECT_NEAR(f.origin->x(), 200, 1e-9);
  f.MoveD(100);
  for (const Element* e : {f.origin, f.axes, f.grid, f.gridPoint, f.bitmap})
    EXPECT_EQ(e->exists, 0);
  EXPECT_EQ(f.name->exists, 1);  // its line still exists
  f.MoveD(50);
  for (const Element* e : {f.origin, f.axes, f.grid, f.gridPoint, f.bitmap, f.name})
    EXPECT_EQ(e->exists, 1) << "kind " << e->kind;
  // The point on the grid stands one unit (40) right of and above the origin (200, 0).
  EXPECT_NEAR(f.gridPoint->x(), 240, 1e-9);
  EXPECT_NEAR(f.gridPoint->y(), 40, 1e-9);
}

TEST(FigureKinds, NameFollowsItsElement) {
  GridFigure f;
  Element* c = f.doc.elements()[2].get();
  f.d->x() = c->x();
  f.d->y() = c->y();  // C and D coincide: no line CD, no name
  RecomputeAll(f.doc);
  EXPECT_EQ(f.name->exists, 0);
  f.MoveD(50);
  f.d->x() = 100;
  RecomputeAll(f.doc);
  EXPECT_EQ(f.name->exists, 1);
}

TEST(FigureKinds, UnanchoredBitmapExistsWithItsPicture) {
  Document doc;
  Element* bitmap = Add(doc, kBitmap, {}, {10, 20, 0, 0});
  bitmap->as<BitmapExt>()->picture = test::SolidBmp(4, 3);
  bitmap->exists = 0;
  RecomputeAll(doc);
  EXPECT_EQ(bitmap->exists, 1);
  // Bytes that are no picture (a damaged file): nothing to draw or pick.
  bitmap->as<BitmapExt>()->picture.bmp = "BMnot a picture";
  RecomputeAll(doc);
  EXPECT_EQ(bitmap->exists, 0);
  bitmap->as<BitmapExt>()->picture.bmp.clear();
  RecomputeAll(doc);
  EXPECT_EQ(bitmap->exists, 0);
}

TEST(FigureKinds, FileSavedAfterTheReturnKeepsThem) {
  GridFigure f;
  f.MoveD(100);
  // A file saved while they are gone comes back with them once the figure is whole again.
  DocumentLoad gone = ReadDocumentBytes(DocumentFileBytes(f.doc), Options{});
  ASSERT_TRUE(gone.document);
  f.MoveD(50);
  DocumentLoad back = ReadDocumentBytes(DocumentFileBytes(f.doc), Options{});
  ASSERT_TRUE(back.document);
  const auto& list = back.document->elements();
  for (size_t i = 6; i < list.size(); ++i)
    EXPECT_EQ(list[i]->exists, 1) << "kind " << list[i]->kind;

  Document& reloaded = *gone.document;
  reloaded.elements()[3]->y() = 50;
  RecomputeAll(reloaded);
  for (size_t i = 6; i < reloaded.elements().size(); ++i)
    EXPECT_EQ(reloaded.elements()[i]->exists, 1) << "kind " << reloaded.elements()[i]->kind;
}

}  // namespace
}  // namespace velt
