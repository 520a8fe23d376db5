// Undo snapshots of every document the fuzzer keeps: whatever a file can hold, a snapshot
// gives back the same figure, and the file saved from the snapshot's figure is the file
// saved from the loaded one.
#include <gtest/gtest.h>

#include <filesystem>

#include "io/document_file.h"
#include "model/element_list.h"
#include "model/snapshot.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

TEST(SnapshotOfFiles, EveryCorpusDocumentSurvivesUndoSnapshots) {
  const fs::path folder =
      fs::path(VELT_TEST_DATA).parent_path().parent_path() / "fuzz" / "corpus" / "fuzz_document";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  int documents = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const auto bytes = ReadWholeFile(entry.path());
    ASSERT_TRUE(bytes);
    DocumentLoad load = ReadDocumentBytes(*bytes, Options{});
    if (!load.document) continue;
    ++documents;
    Document& doc = *load.document;
    const std::string saved = DocumentFileBytes(doc);
    const std::string snapshot = EncodeFigure(*doc.figure);
    auto figure = DecodeFigure(snapshot);
    ASSERT_EQ(EncodeFigure(*figure), snapshot) << entry.path();
    ASSERT_EQ(CountWithSubElements(figure->elements), CountWithSubElements(doc.elements()));
    doc.figure = figure;
    EXPECT_EQ(DocumentFileBytes(doc), saved) << entry.path();
  }
  EXPECT_GT(documents, 10);
}

}  // namespace
}  // namespace velt
