// The example documents: built through the model, saved, and read back. With
// VELT_WRITE_EXAMPLES=<folder> set, this also writes them there (that is how examples/ is
// made: VELT_WRITE_EXAMPLES=examples build/tests/velt_tests --gtest_filter='Examples.*').
#include <gtest/gtest.h>

#include <cstdlib>

#include "io/document_file.h"
#include "io/example_figures.h"
#include "io/io_test_support.h"
#include "io/macro_file.h"

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

// With VELT_WRITE_FUZZ_CORPUS=<folder>, writes files of the program as seeds for the fuzzer.
TEST(Examples, FuzzSeeds) {
  const char* target = std::getenv("VELT_WRITE_FUZZ_CORPUS");
  if (!target) GTEST_SKIP() << "VELT_WRITE_FUZZ_CORPUS is not set";
  const fs::path folder(target);
  for (auto& f : test::ExampleFigures()) EXPECT_TRUE(SaveDocumentFile(*f.doc, folder / f.file));
  auto every = test::EveryKindDocument();
  for (auto& e : every->elements())
    if (auto* b = e->as<BitmapExt>()) b->picture.bmp.resize(64);
  EXPECT_TRUE(SaveDocumentFile(*every, folder / "every_kind.vlt"));
  SaveSettings window;
  window.storeWindow = true;
  window.window = {1, 2, 300, 400, 0};
  EXPECT_TRUE(SaveDocumentFile(*every, folder / "every_kind_window.vlt", window));
  EXPECT_TRUE(SaveMacroFile(every->macros[0], folder / "macro.mac"));
  Document empty;
  EXPECT_TRUE(SaveDocumentFile(empty, folder / "empty.vlt"));
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
