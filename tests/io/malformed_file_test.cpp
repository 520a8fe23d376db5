// Malformed files fail cleanly: unknown kinds, bad counts, overlong strings, truncations.
#include <gtest/gtest.h>

#include <set>

#include "io/byte_writer.h"
#include "io/document_file.h"
#include "io/element_records.h"
#include "io/io_test_support.h"

namespace velt {
namespace {

std::string EmptyDocumentBytes() {
  Document d;
  return DocumentFileBytes(d);
}

FileKind LoadKind(const std::string& bytes) {
  return ReadDocumentBytes(bytes, Options{}).header.kind;
}

TEST(MalformedFile, KindsOutsideTheTable) {
  for (int32_t kind : {73, -2, 1000, INT32_MIN}) {
    ByteWriter w;
    w.Int32(kind);
    for (int i = 0; i < 200; ++i) w.Int32(0);
    EXPECT_EQ(LoadKind(EmptyDocumentBytes() + w.bytes()), FileKind::Invalid) << kind;
  }
}

TEST(MalformedFile, NegativeAndHugeCounts) {
  const std::string head = EmptyDocumentBytes();
  // kind, then one count word, then plenty of zero bytes.
  auto record = [&](int32_t kind, std::initializer_list<int32_t> words) {
    ByteWriter w;
    w.Int32(kind);
    for (int32_t v : words) w.Int32(v);
    return head + w.bytes() + std::string(4096, '\0');
  };
  EXPECT_EQ(LoadKind(record(kPolygon, {-1})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kPolygon, {INT32_MAX})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kPolygon, {1000})), FileKind::Invalid);  // 48 000 bytes needed
  EXPECT_EQ(LoadKind(record(kLocus, {-5})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kLocus, {INT32_MAX})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kCalculation, {INT32_MAX, 0, 0})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kCalculation, {0, 0, -3})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kTable, {1, 101})), FileKind::Invalid);  // 100 rows at most
  EXPECT_EQ(LoadKind(record(kTable, {INT32_MAX, 1})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kText, {-1, 0})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kText, {1, INT32_MAX})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kButtonMove, {INT32_MAX})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kBitmap, {INT32_MAX})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kBitmap, {-8})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kIteration, {0, INT32_MAX})), FileKind::Invalid);
  // An iteration whose rows are wider than the file.
  EXPECT_EQ(LoadKind(record(kIteration, {0, 2, 0, 0, INT32_MAX, 0, 0, 0})), FileKind::Invalid);
  EXPECT_EQ(LoadKind(record(kIteration, {0, 2, 0, 0, -1, 0, 0, 0})), FileKind::Invalid);
  // A huge row width with no rows allocates nothing (a fuzzing find).
  ByteWriter iteration;
  for (int32_t v : {int32_t{kIteration}, 0, 0, 0, 0, 1 << 30, 0, 0, 0, 1, -1, -1, -1})
    iteration.Int32(v);
  for (int k = 0; k < 4; ++k) iteration.Real(0);
  for (int32_t v : {1, 1, 0, 255, -1, 0, 1, 0, 0, 2}) iteration.Int32(v);
  DocumentLoad wide = ReadDocumentBytes(head + iteration.bytes(), Options{});
  ASSERT_TRUE(wide.document);
  EXPECT_TRUE(wide.document->elements()[0]->as<IterationExt>()->results.empty());
  EXPECT_EQ(wide.document->elements()[0]->as<IterationExt>()->settings[2], 1 << 30);
  // Rows of no width still count: a million of them cannot come from 4 KiB.
  EXPECT_EQ(LoadKind(record(kIteration, {0, 1000000, 0, 0, 0, 0, 0, 0})), FileKind::Invalid);
  // Trace and animation counts outside 0..100.
  std::string bad = head;
  bad[bad.size() - 8] = 101;
  EXPECT_EQ(LoadKind(bad), FileKind::Invalid);
  bad = head;
  bad[bad.size() - 1] = static_cast<char>(0xFF);
  EXPECT_EQ(LoadKind(bad), FileKind::Invalid);
}

// Locus samples are only a count in the file but cost memory once computed: 40 loci of
// 100,000 samples fit in what one file may ask for, 41 do not.
TEST(MalformedFile, SampleCountsShareOneBudget) {
  auto loci = [](int n) {
    ByteWriter w;
    for (int i = 0; i < n; ++i) {
      w.Int32(kLocus);
      w.Int32(100000);
      w.Int32(i + 1);
      for (int k = 0; k < 3; ++k) w.Int32(-1);
      for (int k = 0; k < 4; ++k) w.Real(0);
      for (int32_t v : {1, 1, 0, 255, -1, 0, 1, 0, 0, 2}) w.Int32(v);
    }
    return EmptyDocumentBytes() + w.bytes();
  };
  EXPECT_EQ(LoadKind(loci(40)), FileKind::Document);
  EXPECT_EQ(LoadKind(loci(41)), FileKind::Invalid);
}

TEST(MalformedFile, StringsOverTheLimit) {
  ByteWriter w;
  w.Int32(kName);
  w.Int32(kMaxStringBytes + 1);
  std::string file = EmptyDocumentBytes() + w.bytes() + std::string(kMaxStringBytes + 200, 'a');
  EXPECT_EQ(LoadKind(file), FileKind::Invalid);
  // The writer never produces such a string: it cuts it, and the file reads back.
  Document d;
  auto name = NewElementOfKind(kName);
  name->as<NameExt>()->text = std::string(kMaxStringBytes + 10, 'b');
  d.elements().push_back(std::move(name));
  DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(d), Options{});
  ASSERT_TRUE(load.document);
  EXPECT_EQ(load.document->elements()[0]->as<NameExt>()->text.size(),
            static_cast<size_t>(kMaxStringBytes));
}

TEST(MalformedFile, ATextCountsItsOwnLines) {
  Document d;
  auto text = NewElementOfKind(kText);
  text->as<TextExt>()->lines = {"a", "b"};
  text->attr1 = 1000;  // a line count that does not match the lines stored
  d.elements().push_back(std::move(text));
  DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(d), Options{});
  ASSERT_TRUE(load.document);
  EXPECT_EQ(load.document->elements()[0]->attr1, 2);
}

TEST(MalformedFile, EveryTruncationOfAFileFailsUnlessItEndsBetweenRecords) {
  auto doc = test::EveryKindDocument();
  for (auto& e : doc->elements())
    if (auto* b = e->as<BitmapExt>()) b->picture.bmp.resize(40);
  doc->macros.clear();
  const std::string file = DocumentFileBytes(*doc);
  std::vector<size_t> records;
  size_t total = 0;
  for (auto& e : doc->elements()) {
    ByteWriter w;
    WriteElementRecord(w, *e);
    records.push_back(w.bytes().size());
    total += records.back();
  }
  // The records follow the header and the document block.
  size_t at = file.size() - total;
  std::set<size_t> boundaries{at};
  for (size_t r : records) boundaries.insert(at += r);
  size_t loaded = 0;
  for (size_t n = 0; n <= file.size(); ++n) {
    const std::string prefix = file.substr(0, n);
    const bool ok = ReadDocumentBytes(prefix, Options{}).document != nullptr;
    EXPECT_EQ(ok, boundaries.count(n) == 1) << "prefix of " << n << " bytes";
    loaded += ok;
  }
  EXPECT_EQ(loaded, boundaries.size());
}

}  // namespace
}  // namespace velt
