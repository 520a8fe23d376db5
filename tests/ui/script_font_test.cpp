// Tool 63 played as scripts: the font dialog's answer goes to texts and labels, each keeping
// its colour; a cancelled dialog stores no undo step.
#include <gtest/gtest.h>

#include "model/create.h"
#include "model/undo.h"
#include "support/text_builders.h"
#include "ui/script_support.h"

namespace velt {
namespace {

using test::AddText;
using test::Scenario;

// Points 1 (0, 0) and 2 (30, 40) and their distance 3, labelled at (30, 40).
constexpr const char* kDistance =
    "tool 1\nclick 0 0\nclick 30 40\ntool B_N_longdist\nclick 0 0\nclick 30 40\n";

TEST(ScriptToolFontPick, ANumberTakesTheFaceAndSizeAndKeepsItsColour) {
  Scenario s(kDistance);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_TRUE(s.E(3).labelFont);
  const int32_t colour = s.E(3).labelFont->colour;
  s.Play("answer Courier New 16\ntool 63\nclick 35 35\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u) << "the click opened the font dialog";
  EXPECT_EQ(s.E(3).labelFont->face, "Courier New");
  EXPECT_EQ(s.E(3).labelFont->size, 16);
  EXPECT_EQ(s.E(3).labelFont->colour, colour);
  s.Play("undo\n");
  EXPECT_EQ(s.E(3).labelFont->face, s.doc().numberFont.face);
}

TEST(ScriptToolFontPick, ACancelledDialogStoresNoUndoStep) {
  Scenario s;
  AddText(s.doc());
  s.doc().modified = 0;
  s.Play("answer no\ntool 63\nclick 105 45\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  EXPECT_FALSE(CanUndo(s.doc()));
  EXPECT_EQ(s.doc().modified, 0);
  EXPECT_EQ(s.E(1).as<TextExt>()->font.face, "Arial");
}

TEST(ScriptToolFontSelection, ColoursStayAndSizesStopAt72Points) {
  Scenario s;
  AddText(s.doc());
  s.Play("tool 64\nclick 105 45\n");  // the text turns red (255)
  s.Play(kDistance);
  ASSERT_TRUE(s.ok()) << s.failure();
  const int32_t numberColour = s.E(4).labelFont->colour;
  ASSERT_NE(numberColour, 255);
  s.Play("select-all\nanswer Georgia 200\ntool B_font\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  const auto* x = s.E(1).as<TextExt>();
  ASSERT_TRUE(x);
  EXPECT_EQ(x->font.face, "Georgia");
  EXPECT_EQ(x->font.size, 72);
  EXPECT_EQ(x->font.colour, 255);
  EXPECT_EQ(x->runs[0].font.colour, 255);
  EXPECT_EQ(s.E(4).labelFont->face, "Georgia");
  EXPECT_EQ(s.E(4).labelFont->colour, numberColour);
  // One undo step takes both back.
  s.Play("undo\n");
  EXPECT_EQ(s.E(1).as<TextExt>()->font.face, "Arial");
  EXPECT_EQ(s.E(4).labelFont->face, s.doc().numberFont.face);
}

}  // namespace
}  // namespace velt
