#pragma once
// Helpers shared by the file tests: a document with one element of every kind, and a field
// by field comparison of two loaded documents.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/document.h"

namespace velt::test {

// One element of each kind 0..72 (polygon sides, axis lines and coordinate numbers as
// sub-elements), with label fonts, a text with two runs, a bitmap, traces, animations and
// two macros; every header field set to something other than its default.
std::unique_ptr<Document> EveryKindDocument();

void ExpectSameElement(const Element& a, const Element& b);
void ExpectSameList(const ElementList& a, const ElementList& b);
void ExpectSameDocument(const Document& a, const Document& b);

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& p);
void WriteBytes(const std::filesystem::path& p, const std::string& bytes);

}  // namespace velt::test
