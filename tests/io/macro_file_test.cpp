#include "io/macro_file.h"

#include <gtest/gtest.h>

#include "io/byte_writer.h"
#include "io/document_file.h"
#include "io/io_test_support.h"

namespace velt {
namespace {

TEST(MacroFile, LayoutOfTheHeader) {
  Macro m;
  m.header.parameters = {0, 5};
  m.header.name = "Añadir";
  m.header.description = {"x"};
  const std::string b = MacroFileBytes(m);
  // 700, 20, k = 2, two int16, name of 6 code-page bytes, m = 1, "x".
  const std::string expected(
      "\xBC\x02\0\0\x14\0\0\0\x02\0\0\0\0\0\x05\0\x06\0\0\0A\xF1"
      "adir\x01\0\0\0\x01\0\0\0x",
      35);
  EXPECT_EQ(b, expected);
}

TEST(MacroFile, SavedAndLoadedBackIntoADocument) {
  test::ScratchFolder folder;
  auto source = test::EveryKindDocument();
  ASSERT_TRUE(SaveMacroFile(source->macros[0], folder / "a.mac"));
  EXPECT_EQ(CheckFile(folder / "a.mac").kind, FileKind::Macro);

  Document doc;
  EXPECT_EQ(LoadMacroFile(folder / "a.mac", doc), FileKind::Macro);
  ASSERT_EQ(doc.macros.size(), 1u);
  EXPECT_EQ(doc.modified, 1);
  const Macro& m = doc.macros[0];
  EXPECT_EQ(m.header.name, source->macros[0].header.name);
  EXPECT_EQ(m.header.parameters, source->macros[0].header.parameters);
  EXPECT_EQ(m.header.description, source->macros[0].header.description);
  test::ExpectSameList(m.elements, source->macros[0].elements);
  // The macro's own numbers are kept: they name its parameters, not document elements.
  EXPECT_EQ(m.elements[0]->parentNumber, (std::array<int32_t, 3>{1, 2, -1}));
}

TEST(MacroFile, DocumentsNewerFilesAndAFullTableAreRefused) {
  test::ScratchFolder folder;
  Document doc;
  ASSERT_TRUE(SaveDocumentFile(doc, folder / "d.vlt"));
  EXPECT_EQ(LoadMacroFile(folder / "d.vlt", doc), FileKind::Invalid);
  EXPECT_EQ(LoadMacroFile(folder / "none.mac", doc), FileKind::Invalid);

  Macro m;
  m.header.name = "M";
  std::string newer = MacroFileBytes(m);
  newer[0] = static_cast<char>(0xBD);  // 701
  Macro out;
  EXPECT_EQ(ReadMacroBytes(newer, out), FileKind::Newer);

  ASSERT_TRUE(SaveMacroFile(m, folder / "m.mac"));
  doc.macros.resize(kMaxMacros);
  doc.modified = 0;
  EXPECT_EQ(LoadMacroFile(folder / "m.mac", doc), FileKind::Invalid);
  EXPECT_EQ(doc.macros.size(), static_cast<size_t>(kMaxMacros));
  EXPECT_EQ(doc.modified, 0);
}

TEST(MacroFile, ADocumentHoldsAtMostOneHundredEmbeddedMacros) {
  Document doc;
  doc.macros.resize(kMaxMacros);
  std::string bytes = DocumentFileBytes(doc);
  ASSERT_TRUE(ReadDocumentBytes(bytes, Options{}).document);
  // One more embedded macro than a document can hold.
  ByteWriter w;
  w.Int32(-1);
  w.Int32(700);
  w.Int32(20);
  WriteMacroHeader(w, MacroHeader{});
  EXPECT_EQ(ReadDocumentBytes(bytes + w.bytes(), Options{}).header.kind, FileKind::Invalid);
}

}  // namespace
}  // namespace velt
