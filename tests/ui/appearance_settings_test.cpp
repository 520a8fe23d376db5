// The appearance window's working copy: schemes, group colours and styles, writing back.
#include "ui/appearance_settings.h"

#include <gtest/gtest.h>

#include "ui/strings.h"

namespace velt {
namespace {

std::unique_ptr<Document> Doc() { return MakeDocument(Options{}); }

TEST(AppearanceSchemes, WhiteSchemeThenOkGivesWhiteBackgroundRedCursorBlackTexts) {
  auto dp = Doc();
  Document& d = *dp;
  Options o;
  Appearance a = AppearanceOf(d);
  ASSERT_TRUE(ApplyScheme(a, 3, d, o));
  EXPECT_TRUE(ApplyAppearance(a, d));
  EXPECT_EQ(d.backgroundColour, 0xFFFFFF);
  EXPECT_EQ(d.cursorFont.colour, 0x0000FF);  // red is the low byte
  EXPECT_EQ(d.numberFont.colour, 0);
  EXPECT_EQ(d.textFont.colour, 0);
  EXPECT_EQ(d.nameFont.colour, 0x008000);
  EXPECT_EQ(d.hiddenColour, 9159362);
  EXPECT_EQ(d.selectionColour, 0xFF00FF);
  EXPECT_EQ(d.typeColours[kTypeCircle], 0x008000);
  EXPECT_EQ(d.typeColours[kTypeArc], 0x008000);
  EXPECT_EQ(d.modified, 1);
}

TEST(AppearanceSchemes, FixedSchemesResetTypeColoursAndStylesButNotOtherTypes) {
  auto dp = Doc();
  Document& d = *dp;
  Options o;
  d.typeColours[kTypeLine] = 111;
  d.typeStyles[kTypeLine] = 4;
  d.typeStyles[kTypePoint] = 3;
  d.typeColours[kTypeConic] = 777;  // no group edits conics
  Appearance a = AppearanceOf(d);
  ASSERT_TRUE(ApplyScheme(a, 2, d, o));
  EXPECT_EQ(a.backgroundColour, 0);
  EXPECT_EQ(a.typeColours[kTypeLine], 8421504);
  EXPECT_EQ(a.typeStyles[kTypeLine], 1);
  EXPECT_EQ(a.typeStyles[kTypePoint], 1);
  EXPECT_EQ(a.typeColours[kTypePoint], 255);
  EXPECT_EQ(a.typeColours[kTypeIteration], 12615680);
  EXPECT_EQ(a.typeColours[kTypeCircle], 0xFF0000);
  EXPECT_EQ(a.typeColours[kTypeArc], 0x808080);
  EXPECT_EQ(a.typeColours[kTypeConic], 777);
  // Navy and light blue backgrounds.
  ASSERT_TRUE(ApplyScheme(a, 4, d, o));
  EXPECT_EQ(a.backgroundColour, 0x400000);
  ASSERT_TRUE(ApplyScheme(a, 5, d, o));
  EXPECT_EQ(a.backgroundColour, 0xFDC495);
  EXPECT_EQ(a.hiddenColour, 39835);
  EXPECT_FALSE(ApplyScheme(a, 6, d, o));
  EXPECT_EQ(a.backgroundColour, 0xFDC495) << "an unknown scheme changes nothing";
}

TEST(AppearanceSchemes, SchemesZeroAndOneLoadTheDocumentAndTheOptions) {
  auto dp = Doc();
  Document& d = *dp;
  Options o;
  d.backgroundColour = 123;
  d.textFont.colour = 456;
  o.backgroundColour = 789;
  o.numberFont.colour = 42;
  o.typeColours[kTypeAngle] = 99;
  Appearance a = AppearanceOf(d);
  ASSERT_TRUE(ApplyScheme(a, 1, d, o));
  EXPECT_EQ(a.backgroundColour, 789);
  EXPECT_EQ(a.fontColours[2], 42);
  EXPECT_EQ(a.typeColours[kTypeAngle], 99);
  ASSERT_TRUE(ApplyScheme(a, 0, d, o));
  EXPECT_EQ(a.backgroundColour, 123);
  EXPECT_EQ(a.fontColours[3], 456);
}

TEST(AppearanceGroups, LineColourGoesToLinesAndAxesSegmentStyleToVectors) {
  auto dp = Doc();
  Document& d = *dp;
  Appearance a = AppearanceOf(d);
  SetGroupColour(a, 1, 0x00AA00);       // "rectas,ejes"
  ASSERT_TRUE(SetGroupStyle(a, 3, 5));  // "segmentos"
  ASSERT_TRUE(ApplyAppearance(a, d));
  EXPECT_EQ(d.typeColours[kTypeLine], 0x00AA00);
  EXPECT_EQ(d.typeColours[kTypeAxes], 0x00AA00);
  EXPECT_EQ(d.typeStyles[kTypeSegment], 5);
  EXPECT_EQ(d.typeStyles[kTypeVector], 5);
  EXPECT_EQ(d.typeColours[kTypeRay], 8421504) << "rays are a group of their own";
}

TEST(AppearanceGroups, StylesOutsideTheGroupsCodesAreRefused) {
  Appearance a = AppearanceOf(*Doc());
  EXPECT_EQ(GroupType(7), kTypeAngle);
  EXPECT_TRUE(SetGroupStyle(a, 7, 3));
  EXPECT_FALSE(SetGroupStyle(a, 7, 4)) << "angles have three marks";
  EXPECT_EQ(a.typeStyles[kTypeAngle], 3);
  EXPECT_TRUE(SetGroupStyle(a, 0, 6));
  EXPECT_FALSE(SetGroupStyle(a, 0, 0));
  EXPECT_FALSE(SetGroupStyle(a, 10, 1));
  EXPECT_EQ(a.typeStyles[kTypePoint], 6);
}

TEST(AppearanceApply, NothingChangedLeavesTheDocumentUnmodified) {
  auto dp = Doc();
  Document& d = *dp;
  d.modified = 0;
  EXPECT_FALSE(ApplyAppearance(AppearanceOf(d), d));
  EXPECT_EQ(d.modified, 0);
  // A working copy taken and cancelled touches nothing either: only OK writes.
  Appearance a = AppearanceOf(d);
  ASSERT_TRUE(ApplyScheme(a, 3, d, Options{}));
  EXPECT_EQ(d.backgroundColour, 0);
  EXPECT_EQ(d.modified, 0);
}

TEST(AppearanceNames, SchemeNamesFollowTheLanguageOfTheTable) {
  LanguageTable t;
  EXPECT_EQ(t.Get(SchemeNameNumber(4, t)), "azulmarino");
  t.Set(str::TypeName(kTypePoint), "point");
  t.Set(str::TypeName(kTypeLine), "line");
  EXPECT_EQ(t.Get(SchemeNameNumber(4, t)), "ocean");
  EXPECT_EQ(t.Get(SchemeNameNumber(0, t)), "current document");
  t.Set(str::TypeName(kTypePoint), "Punto");
  t.Set(str::TypeName(kTypeLine), "RECTA");
  EXPECT_EQ(t.Get(SchemeNameNumber(5, t)), "azulclaro");
}

}  // namespace
}  // namespace velt
