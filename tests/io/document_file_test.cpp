#include "io/document_file.h"

#include <gtest/gtest.h>

#include "io/byte_writer.h"
#include "io/io_test_support.h"
#include "model/element_list.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

TEST(DocumentFile, EveryKindSurvivesARoundTrip) {
  auto doc = test::EveryKindDocument();
  const std::string bytes = DocumentFileBytes(*doc);
  DocumentLoad load = ReadDocumentBytes(bytes, Options{});
  ASSERT_EQ(load.header.kind, FileKind::Document);
  ASSERT_TRUE(load.document);
  EXPECT_EQ(load.header.version, 700);
  EXPECT_EQ(load.header.type, 10);
  // Every kind 0..72 is present, with the sub-element kinds inside their owners.
  std::array<int, kKindCount> seen{};
  ForEachDeep(load.document->elements(), [&](const Element& e) { ++seen[e.kind]; });
  for (int k = 0; k < kKindCount; ++k) EXPECT_GE(seen[k], 1) << "kind " << k;
  test::ExpectSameDocument(*doc, *load.document);
  // Writing what was read gives the same bytes.
  EXPECT_EQ(DocumentFileBytes(*load.document), bytes);
}

TEST(DocumentFile, ReferencesPointIntoTheLoadedList) {
  auto doc = test::EveryKindDocument();
  DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(*doc), Options{});
  ASSERT_TRUE(load.document);
  const ElementList& list = load.document->elements();
  const Element* a = list[0].get();
  const Element* lastPointOnSide = nullptr;
  for (auto& e : list)
    if (e->kind == kPointOnElement) lastPointOnSide = e.get();
  ASSERT_TRUE(lastPointOnSide && lastPointOnSide->parent[0]);
  EXPECT_EQ(lastPointOnSide->parent[0]->kind, kPolygonSide);
  EXPECT_EQ(lastPointOnSide->parent[0]->owner->kind, kPolygon);
  EXPECT_EQ(a->nameElement ? a->nameElement->kind : -1, kName);
  EXPECT_EQ(load.document->figure->traces[0], a);
  EXPECT_EQ(load.document->figure->animations[0].element, list[1].get());
}

// Sub-elements are numbered right after their owner: with three vertices first, the
// polygon is 4 and its sides 5, 6, 7, so a point on the second side stores 6.
TEST(DocumentFile, ParentNumbersCountSubElements) {
  Document doc;
  Element* p = AddPoint(doc, 0, 0);
  Element* q = AddPoint(doc, 4, 0);
  Element* r = AddPoint(doc, 0, 3);
  Element* poly = AddWithPicks(doc, kPolygon, {p, q, r, nullptr});
  Add(doc, kPointOnElement, {poly->as<PolygonExt>()->sides[1].get()}, {2, 1.5, 0, 0.5});
  DocumentFileBytes(doc);
  EXPECT_EQ(doc.elements().back()->parentNumber[0], 6);
  EXPECT_EQ(doc.elements().back()->number, 8);
}

// A file whose first element is a polygon (sides 2, 3, 4) and whose second element is a
// point on the polygon's second side, stored as parent number 3.
TEST(DocumentFile, ParentNumberOfTheSecondSideOfTheFirstPolygonIsThree) {
  Document empty;
  std::string file = DocumentFileBytes(empty);  // header and block only
  ByteWriter rec;
  rec.Int32(kPolygon);
  rec.Int32(3);
  for (int i = 0; i < 3; ++i) {
    rec.Int32(2 + i);
    for (int32_t v : {-1, -1, 1}) rec.Int32(v);  // the polygon is the side's third parent
    for (int k = 0; k < 4; ++k) rec.Real(0);
  }
  rec.Int32(1);
  for (int k = 0; k < 3; ++k) rec.Int32(-1);
  for (int k = 0; k < 4; ++k) rec.Real(0);
  for (int32_t v : {1, 1, -1, 255, -1, 0, 1, 0, 0, 2}) rec.Int32(v);
  rec.Int32(kPointOnElement);
  rec.Int32(5);
  for (int32_t v : {3, -1, -1}) rec.Int32(v);
  for (double v : {1.0, 2.0, 0.0, 0.5}) rec.Real(v);
  for (int32_t v : {1, 1, 0, 255, -1, 0, 1, 0, 0, 2}) rec.Int32(v);
  file += rec.bytes();

  DocumentLoad load = ReadDocumentBytes(file, Options{});
  ASSERT_TRUE(load.document);
  const auto& list = load.document->elements();
  ASSERT_EQ(list.size(), 2u);
  const Element* side2 = list[0]->as<PolygonExt>()->sides[1].get();
  EXPECT_EQ(side2->number, 3);
  EXPECT_EQ(side2->owner, list[0].get());
  EXPECT_EQ(side2->parent[2], list[0].get());
  EXPECT_EQ(list[1]->parent[0], side2);
  EXPECT_EQ(list[1]->number, 5);
  EXPECT_EQ(DocumentFileBytes(*load.document), file);
}

TEST(DocumentFile, EmptyDocumentIsHeaderAndBlockOnly) {
  Document doc;
  const std::string bytes = DocumentFileBytes(doc);
  // version, type, 3 colours, 4 fonts (name "Arial" 5 bytes + 6 words), 22 words, units,
  // scale, system, aa, view, 2 counts.
  const size_t font = 4 + 5 + 6 * 4;
  EXPECT_EQ(bytes.size(), 8 + 12 + 4 * font + 22 * 4 + 4 + 4 + 8 + 4 + 4 + 16 + 8);
  DocumentLoad load = ReadDocumentBytes(bytes, Options{});
  ASSERT_TRUE(load.document);
  EXPECT_TRUE(load.document->elements().empty());
}

TEST(DocumentFile, WindowGeometryMakesTypeEleven) {
  Document doc;
  AddPoint(doc, 1, 1);
  SaveSettings s;
  s.storeWindow = true;
  s.window = {10, 20, 480, 640, 2};
  const std::string bytes = DocumentFileBytes(doc, s);
  DocumentLoad load = ReadDocumentBytes(bytes, Options{});
  EXPECT_EQ(load.header.kind, FileKind::DocumentWithWindow);
  EXPECT_EQ(load.header.window, s.window);
  ASSERT_TRUE(load.document);
  EXPECT_EQ(load.document->elements().size(), 1u);
}

TEST(DocumentFile, StoredNumbersThatNameNothingGiveNullReferences) {
  Document doc;
  Element* p = AddPoint(doc, 0, 0);
  Element* q = AddPoint(doc, 1, 0);
  Element* s = Add(doc, kSegment, {p, q});
  doc.figure->traces = {s};
  std::string bytes = DocumentFileBytes(doc);
  // Point the segment's second parent at 77 and at itself (3): both must come back null.
  DocumentLoad load = ReadDocumentBytes(bytes, Options{});
  ASSERT_TRUE(load.document);
  Element& seg = *load.document->elements()[2];
  seg.parentNumber = {77, 3, 1};
  seg.parent = {};
  ResolveReferences(load.document->elements());
  EXPECT_EQ(seg.parent[0], nullptr);
  EXPECT_EQ(seg.parent[1], nullptr);
  EXPECT_EQ(seg.parent[2], load.document->elements()[0].get());
}

}  // namespace
}  // namespace velt
