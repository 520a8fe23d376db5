// Saving never destroys the previous file: not when the folder refuses new files, not when
// the disk fills up halfway.
#include <gtest/gtest.h>

#include <fstream>

#include "io/document_file.h"
#include "io/io_test_support.h"
#include "io/macro_file.h"
#include "support/builders.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

// A disk that fills up: the first `capacity` bytes reach the file, then writes fail.
SinkOpener FullDiskAfter(size_t capacity) {
  return [capacity](const fs::path& p) -> std::unique_ptr<ByteSink> {
    struct Sink : ByteSink {
      std::unique_ptr<ByteSink> file;
      size_t left;
      bool Write(std::string_view b) override {
        const size_t n = std::min(left, b.size());
        left -= n;
        return file->Write(b.substr(0, n)) && n == b.size();
      }
      bool Close() override { return file->Close(); }
    };
    auto file = OpenNewFile(p);
    if (!file) return nullptr;
    auto s = std::make_unique<Sink>();
    s->file = std::move(file);
    s->left = capacity;
    return s;
  };
}

size_t FilesIn(const fs::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(folder)) ++n;
  return n;
}

struct Saved {
  test::ScratchFolder folder;
  fs::path target = folder / "figure.vlt";
  std::string previous;
  std::unique_ptr<Document> doc = test::EveryKindDocument();

  Saved() {
    Document old;
    test::AddPoint(old, 1, 2);
    EXPECT_TRUE(SaveDocumentFile(old, target));
    previous = test::ReadBytes(target);
    doc->fileName = "/elsewhere/old.vlt";
    doc->modified = 1;
  }
};

TEST(SafeSaving, AFullDiskLeavesThePreviousFileByteForByte) {
  Saved s;
  const size_t full = DocumentFileBytes(*s.doc).size();
  ASSERT_GT(full, 70000u);  // the bitmap and texts make it span several write chunks
  for (size_t capacity :
       {size_t{0}, size_t{1}, size_t{100}, size_t{65536}, size_t{65537}, full - 1}) {
    EXPECT_FALSE(SaveDocumentFile(*s.doc, s.target, {}, FullDiskAfter(capacity))) << capacity;
    EXPECT_EQ(test::ReadBytes(s.target), s.previous) << capacity;
    EXPECT_EQ(FilesIn(s.folder.path()), 1u) << "the temporary file is removed";
    EXPECT_EQ(s.doc->modified, 1);
    EXPECT_EQ(s.doc->fileName, "/elsewhere/old.vlt");
  }
  EXPECT_TRUE(SaveDocumentFile(*s.doc, s.target, {}, FullDiskAfter(full)));
  EXPECT_EQ(test::ReadBytes(s.target), DocumentFileBytes(*s.doc));
  EXPECT_EQ(s.doc->modified, 0);
  EXPECT_EQ(s.doc->fileName, s.target.string());
  EXPECT_EQ(FilesIn(s.folder.path()), 1u);
}

TEST(SafeSaving, AFolderThatRefusesNewFilesLeavesThePreviousFile) {
  Saved s;
  // The folder refuses to create files (as a read-only folder does).
  auto refuse = [](const fs::path&) -> std::unique_ptr<ByteSink> { return nullptr; };
  EXPECT_FALSE(SaveDocumentFile(*s.doc, s.target, {}, refuse));
  EXPECT_EQ(test::ReadBytes(s.target), s.previous);
  EXPECT_EQ(s.doc->modified, 1);
  EXPECT_EQ(s.doc->fileName, "/elsewhere/old.vlt");
}

TEST(SafeSaving, ReadOnlyFolder) {
  Saved s;
  fs::permissions(s.folder.path(), fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);
  if (std::ofstream(s.folder / "probe")) {
    fs::remove(s.folder / "probe");
    GTEST_SKIP() << "this user may write into read-only folders";
  }
  EXPECT_FALSE(SaveDocumentFile(*s.doc, s.target));
  EXPECT_EQ(test::ReadBytes(s.target), s.previous);
  EXPECT_EQ(s.doc->modified, 1);
}

TEST(SafeSaving, ReplacesAReadOnlyTargetAndMissingFoldersFail) {
  Saved s;
  fs::permissions(s.target, fs::perms::owner_read, fs::perm_options::replace);
  EXPECT_TRUE(SaveDocumentFile(*s.doc, s.target));
  EXPECT_EQ(test::ReadBytes(s.target), DocumentFileBytes(*s.doc));
  EXPECT_FALSE(SaveDocumentFile(*s.doc, s.folder / "missing/figure.vlt"));
  EXPECT_FALSE(SaveDocumentFile(*s.doc, s.folder.path()));  // a folder is no file
}

TEST(SafeSaving, MacroFilesToo) {
  test::ScratchFolder folder;
  auto doc = test::EveryKindDocument();
  const fs::path target = folder / "m.mac";
  ASSERT_TRUE(SaveMacroFile(doc->macros[0], target));
  const std::string previous = test::ReadBytes(target);
  EXPECT_FALSE(SaveMacroFile(doc->macros[1], target, FullDiskAfter(20)));
  EXPECT_EQ(test::ReadBytes(target), previous);
}

}  // namespace
}  // namespace velt
