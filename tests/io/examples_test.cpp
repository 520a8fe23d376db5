// The example documents: built through the model, saved, and read back. With
// VELT_WRITE_EXAMPLES=<folder> set, this also writes them there (that is how examples/ is
// made: VELT_WRITE_EXAMPLES=examples build/tests/velt_tests --gtest_filter='Examples.*').
#include <gtest/gtest.h>

#include <cstdlib>

#include "io/document_file.h"
#include "io/example_figures.h"
#include "io/io_test_support.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

TEST(Examples, BuildSaveAndReadBack) {
  const char* target = std::getenv("VELT_WRITE_EXAMPLES");
  for (auto& f : test::ExampleFigures()) {
    SCOPED_TRACE(f.file);
    DocumentLoad load = ReadDocumentBytes(DocumentFileBytes(*f.doc), Options{});
    ASSERT_TRUE(load.document);
    test::ExpectSameDocument(*f.doc, *load.document);
    if (target) {
      EXPECT_TRUE(SaveDocumentFile(*f.doc, fs::path(target) / f.file));
    }
  }
}

TEST(Examples, ShippedExamplesAreValidDocuments) {
  const fs::path folder = fs::path(VELT_TEST_DATA).parent_path().parent_path() / "examples";
  size_t found = 0;
  for (auto& f : test::ExampleFigures()) {
    const fs::path p = folder / f.file;
    if (!fs::exists(p)) continue;
    ++found;
    DocumentLoad load = LoadDocumentFile(p, Options{});
    ASSERT_TRUE(load.document) << p;
    EXPECT_EQ(load.document->elements().size(), f.doc->elements().size()) << p;
  }
  EXPECT_GE(found, 1u) << "no example in " << folder;
}

}  // namespace
}  // namespace velt
