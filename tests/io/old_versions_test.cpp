// Files of the older versions, built byte by byte as those versions wrote them.
#include <gtest/gtest.h>

#include "io/byte_writer.h"
#include "io/document_file.h"
#include "io/macro_file.h"

namespace velt {
namespace {

// Writes a record trailer as a file of the given version stores it.
void Trailer(ByteWriter& w, int32_t version, int32_t number, int32_t attr1, int32_t colour,
             int32_t style, bool labelFont) {
  w.Int32(number);
  for (int i = 0; i < 3; ++i) w.Int32(-1);
  for (double v : {10.0, 20.0, 30.0, 40.0}) w.Real(v);
  w.Int32(1);  // exists
  w.Int32(1);  // visibility
  w.Int32(attr1);
  w.Int32(colour);
  if (version >= 300) {
    w.Int32(-1);
    w.Int32(0);
  }
  w.Int32(style);
  if (version >= 300) {
    w.Int32(7);  // attr2
    w.Int32(0);  // attr3
    w.Int32(4);  // decimals
    if (labelFont) w.WriteFont(Font{"Impact", 99, 9, 0, 0, 0, 0});
  }
}

// A document of the given version with: a polygon-free circle (kind 17) filled, a text of
// two lines, a parameter, a line equation and a distance, plus one trace and one animation
// of speed 3 where the version stores them.
std::string OldDocument(int32_t version, int32_t type = 10) {
  ByteWriter w;
  w.Int32(version);
  w.Int32(type);
  w.Int32(0x123456);  // background
  if (version >= 500) {
    w.Int32(111);
    w.Int32(222);
  }
  if (version >= 600) {
    for (const char* face : {"Cursor", "Number", "Name", "Text"})
      w.WriteFont(Font{face, 5, 11, 1, 0, 0, 0});
    for (int i = 0; i < 11; ++i) w.Int32(500 + i);
    for (int i = 0; i < 11; ++i) w.Int32(1 + i % 6);
  }
  if (version >= 300) w.Int32(3);  // km
  w.Int32(2);                      // grads
  if (version >= 600) {
    w.Real(12.5);
  } else {
    w.Int32(25);
  }
  w.Int32(1);  // polar
  if (version >= 500) w.Int32(1);
  w.Real(-50);
  w.Real(75);
  if (version != 100) {
    w.Int32(1);
    w.Int32(1);  // trace of element 1
    w.Int32(1);
    for (int32_t v : {1, 1, 0, 3}) w.Int32(v);
  }
  // 1: a circle through a centre and a point, stored with a fill colour.
  w.Int32(17);
  Trailer(w, version, 1, 0xFF, 0x00FF00, 2, false);
  // 2: a text of two lines.
  w.Int32(47);
  w.Int32(2);
  if (version >= 400) w.Int32(2);
  w.String("abc");
  w.String("de");
  if (version > 100) w.WriteFont(Font{"Script", 77, 20, 0, 1, 0, 0});
  if (version >= 400) {
    w.WriteFont(Font{"Script", 77, 20, 0, 1, 0, 0});
    w.Int32(4);
    w.WriteFont(Font{"Bold", 78, 21, 1, 0, 0, 0});
    w.Int32(3);
  }
  if (version >= 600) {
    w.Int32(10);
    w.Int32(20);
    w.Int32(30);
  }
  Trailer(w, version, 2, 2, 0x0000AA, 1, false);
  // 3: a parameter.
  w.Int32(63);
  w.Real(-5);
  w.Real(5);
  if (version >= 700) w.Real(0.5);
  Trailer(w, version, 3, 100, 0, 1, true);
  // 4: the equation of a line.
  w.Int32(45);
  if (version >= 300) w.Real(1.5);
  w.String("y = 2x");
  Trailer(w, version, 4, 100, 0, 3, true);
  return w.Take();
}

struct Loaded {
  FileHeader header;
  std::unique_ptr<Document> doc;
};

Loaded Load(const std::string& bytes, const Options& options = {}) {
  DocumentLoad l = ReadDocumentBytes(bytes, options);
  return {l.header, std::move(l.document)};
}

TEST(OldVersions, Version100) {
  Options options;
  options.textFont = Font{"OptionsText", 1, 15, 0, 0, 0, 0};
  Loaded l = Load(OldDocument(100, 1), options);
  ASSERT_TRUE(l.doc);
  const Document& d = *l.doc;
  EXPECT_EQ(l.header.type, 10);
  EXPECT_EQ(d.backgroundColour, 0x123456);
  EXPECT_EQ(d.hiddenColour, 48830);
  EXPECT_EQ(d.selectionColour, 16755370);
  EXPECT_EQ(d.lengthUnit, 1);
  EXPECT_EQ(d.angleUnit, 2);
  EXPECT_EQ(d.measureScale, 25.0);
  EXPECT_EQ(d.coordinateSystem, 1);
  EXPECT_EQ(d.antiAliased, 0);
  EXPECT_EQ(d.viewLeft, -50);
  EXPECT_EQ(d.viewTop, 75);
  EXPECT_EQ(d.textFont, options.textFont);
  EXPECT_EQ(d.typeColours, options.typeColours);
  EXPECT_TRUE(d.figure->traces.empty());
  EXPECT_TRUE(d.figure->animations.empty());
  ASSERT_EQ(d.elements().size(), 4u);

  const Element& circle = *d.elements()[0];
  EXPECT_EQ(circle.attr1, -1);  // fills did not exist
  EXPECT_EQ(circle.colourSourceNumber, -1);
  EXPECT_EQ(circle.attr2, 0);
  EXPECT_EQ(circle.decimals, 2);
  EXPECT_EQ(circle.value[3], 40.0);

  const Element& text = *d.elements()[1];
  const TextExt& t = *text.as<TextExt>();
  EXPECT_EQ(t.lines, (std::vector<std::string>{"abc", "de"}));
  EXPECT_EQ(t.font.face, "OptionsText");
  EXPECT_EQ(t.font.colour, 0x0000AA);  // the text's own colour
  EXPECT_EQ(text.style, -1);
  ASSERT_EQ(t.runs.size(), 1u);
  EXPECT_EQ(t.runs[0].length, 4 + 3);
  EXPECT_EQ(t.runs[0].font, t.font);
  EXPECT_EQ(t.x, 250);
  EXPECT_EQ(t.y, 355);
  EXPECT_EQ(t.third, 0);

  const Element& parameter = *d.elements()[2];
  EXPECT_EQ(parameter.as<ParameterExt>()->minimum, -5);
  EXPECT_EQ(parameter.as<ParameterExt>()->increment, 0.01);
  EXPECT_EQ(parameter.attr2, -100);  // a number of the oldest files
  EXPECT_EQ(parameter.style, -1);
  EXPECT_EQ(parameter.labelFont, (Font{"Arial", 0xC0C0C0, 10, 0, 0, 0, 0}));

  const Element& equation = *d.elements()[3];
  EXPECT_EQ(equation.as<EquationExt>()->value, 0);
  EXPECT_EQ(equation.as<EquationExt>()->text, "y = 2x");
  EXPECT_EQ(equation.attr2, 0);
  EXPECT_EQ(equation.style, -1);
}

TEST(OldVersions, Version200MultipliesAnimationSpeedByFive) {
  Loaded l = Load(OldDocument(200, 1));
  ASSERT_TRUE(l.doc);
  const Document& d = *l.doc;
  ASSERT_EQ(d.figure->traces.size(), 1u);
  EXPECT_EQ(d.figure->traces[0], d.elements()[0].get());
  ASSERT_EQ(d.figure->animations.size(), 1u);
  EXPECT_EQ(d.figure->animations[0].speed, 15);
  EXPECT_EQ(d.figure->animations[0].reversed, 0);
  // Only the first version loses fills and forces text styles.
  EXPECT_EQ(d.elements()[0]->attr1, 0xFF);
  EXPECT_EQ(d.elements()[1]->style, 1);
  EXPECT_EQ(d.lengthUnit, 1);
  EXPECT_EQ(d.elements()[1]->as<TextExt>()->font.face, "Script");
}

TEST(OldVersions, Version300HasTheFullTrailerAndOneRun) {
  Loaded l = Load(OldDocument(300, 1));
  ASSERT_TRUE(l.doc);
  const Document& d = *l.doc;
  EXPECT_EQ(d.figure->animations[0].speed, 3);
  EXPECT_EQ(d.lengthUnit, 3);
  const TextExt& t = *d.elements()[1]->as<TextExt>();
  ASSERT_EQ(t.runs.size(), 1u);
  EXPECT_EQ(t.runs[0].length, 7);
  EXPECT_EQ(t.runs[0].font.face, "Script");
  EXPECT_EQ(d.elements()[2]->attr2, 7);
  EXPECT_EQ(d.elements()[2]->decimals, 4);
  EXPECT_EQ(d.elements()[2]->labelFont->face, "Impact");
  EXPECT_EQ(d.elements()[3]->as<EquationExt>()->value, 1.5);
}

TEST(OldVersions, Version400And500) {
  Loaded l4 = Load(OldDocument(400));
  ASSERT_TRUE(l4.doc);
  const TextExt& t = *l4.doc->elements()[1]->as<TextExt>();
  ASSERT_EQ(t.runs.size(), 2u);
  EXPECT_EQ(t.runs[0].length, 4);
  EXPECT_EQ(t.runs[1].length, 3);
  EXPECT_EQ(t.runs[1].font.face, "Bold");
  EXPECT_EQ(t.x, 250);
  EXPECT_EQ(l4.doc->hiddenColour, 48830);

  Loaded l5 = Load(OldDocument(500));
  ASSERT_TRUE(l5.doc);
  EXPECT_EQ(l5.doc->hiddenColour, 111);
  EXPECT_EQ(l5.doc->selectionColour, 222);
  EXPECT_EQ(l5.doc->antiAliased, 1);
  EXPECT_EQ(l5.doc->measureScale, 25.0);
}

TEST(OldVersions, Version600StoresFontsTablesAndTextPosition) {
  Loaded l = Load(OldDocument(600));
  ASSERT_TRUE(l.doc);
  const Document& d = *l.doc;
  EXPECT_EQ(d.cursorFont.face, "Cursor");
  EXPECT_EQ(d.numberFont.face, "Number");
  EXPECT_EQ(d.nameFont.face, "Name");
  EXPECT_EQ(d.textFont.face, "Text");
  // Stored order of the types: 0, 1, 2, 3, 5, 6, 4, 7, 8, 13, 24.
  EXPECT_EQ(d.typeColours[kTypeCircle], 504);
  EXPECT_EQ(d.typeColours[kTypePolygon], 506);
  EXPECT_EQ(d.typeColours[kTypeIteration], 510);
  EXPECT_EQ(d.typeColours[kTypeText], Options{}.typeColours[kTypeText]);  // not stored
  EXPECT_EQ(d.measureScale, 12.5);
  const TextExt& t = *d.elements()[1]->as<TextExt>();
  EXPECT_EQ(t.x, 10);
  EXPECT_EQ(t.y, 20);
  EXPECT_EQ(t.third, 30);
  EXPECT_EQ(d.elements()[2]->as<ParameterExt>()->increment, 0.01);

  Loaded l7 = Load(OldDocument(700));
  ASSERT_TRUE(l7.doc);
  EXPECT_EQ(l7.doc->elements()[2]->as<ParameterExt>()->increment, 0.5);
}

TEST(OldVersions, HeaderTypesAndVersions) {
  // The old codes 1 and 2 belong to files of version 300 or less.
  EXPECT_EQ(Load(OldDocument(400, 1)).header.kind, FileKind::Invalid);
  EXPECT_EQ(Load(OldDocument(600, 12)).header.kind, FileKind::Invalid);
  std::string newer = OldDocument(700);
  newer[0] = static_cast<char>(0xBD);  // version 701
  newer[1] = 2;
  Loaded n = Load(newer);
  EXPECT_EQ(n.header.kind, FileKind::Newer);
  EXPECT_FALSE(n.doc);
  EXPECT_EQ(Load(OldDocument(99)).header.kind, FileKind::Invalid);

  // A macro file of version 250 with the old code 2 loads as a macro.
  ByteWriter w;
  w.Int32(250);
  w.Int32(2);
  w.Int32(1);
  w.Int16(0);
  w.String("Punto medio");
  w.Int32(0);
  w.Int32(4);  // a midpoint
  Trailer(w, 250, 2, 0, 0xFF, 1, false);
  Macro m;
  ASSERT_EQ(ReadMacroBytes(w.bytes(), m), FileKind::Macro);
  EXPECT_EQ(m.version, 250);
  EXPECT_EQ(m.header.name, "Punto medio");
  ASSERT_EQ(m.elements.size(), 1u);
  EXPECT_EQ(m.elements[0]->kind, kMidpoint);
  EXPECT_EQ(m.elements[0]->colourSourceNumber, -1);
  // The same file is not a document.
  EXPECT_EQ(Load(w.bytes()).header.kind, FileKind::Invalid);
}

}  // namespace
}  // namespace velt
