// Scenarios of the tools that open a dialog, with the dialog's answers scripted: typed
// points (33), texts (54) and parametric colours (66, 67).
#include <cmath>
#include <numbers>

#include "io/document_file.h"
#include "model/undo.h"
#include "ui/script_support.h"
#include "ui/strings_edit.h"
#include "view/recording_canvas.h"
#include "view/rich_text.h"
#include "view/text_measure.h"

namespace velt::test {
namespace {

// Axes at the origin (point 1, axes 2 with their lines 3 and 4), 40 units a step.
constexpr const char* kAxes = "tool 39\nclick 0 0\n";

TEST(ScriptPointEntry, TypedPairsBecomePlottedPointsOfTheAxesInOneStep) {
  Scenario s(std::string(kAxes) +
             "answer 2; 3\nanswer polar 2; 90\nanswer 2*PI; -1\nanswer close\n"
             "tool B_rep_pun\nclick 300 300\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  ASSERT_EQ(s.Count(), 7);
  for (int n : {5, 6, 7}) {
    EXPECT_EQ(s.Kind(n), kPlottedPoint);
    EXPECT_EQ(s.Parents(n), (P3{2, -1, -1}));
  }
  EXPECT_AT(s.Second(5), 2, 3);
  EXPECT_AT(s.At(5), 80, 120);
  // r = 2 at 90 degrees is (0, 2) up to rounding.
  EXPECT_NEAR(s.E(6).value[2], 0, 1e-12);
  EXPECT_NEAR(s.E(6).value[3], 2, 1e-12);
  EXPECT_NEAR(s.At(6).y, 80, 1e-9);
  EXPECT_NEAR(s.E(7).value[2], 2 * std::numbers::pi, 1e-12);
  EXPECT_NEAR(s.At(7).x, 80 * std::numbers::pi, 1e-9);
  EXPECT_NEAR(s.At(7).y, -40, 1e-9);
  // One undo step takes all three away.
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 4);
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 0) << "the step before was the axes'";
}

TEST(ScriptPointEntry, AFieldThatDoesNotEvaluateCreatesNothing) {
  Scenario s(std::string(kAxes) +
             "answer 2+; 3\nanswer 1; SIN(\nanswer close\ntool 33\nclick 0 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 4);
  ASSERT_EQ(s.result.messages.size(), 2u);
  EXPECT_EQ(s.result.messages[0], s.ws.Text(str::kInvalidPairInput));
  EXPECT_EQ(s.result.messages[0], "Datos de entrada no válidos");
  // No step was stored: one undo removes the axes.
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 0);
}

TEST(ScriptPointEntry, WithTwoPairsOfAxesTheClickChoosesThem) {
  Scenario s(std::string(kAxes) +
             "tool 39\nclick 200 100\nanswer 1; 1\nanswer close\ntool 33\n"
             "click 300 -200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 8) << "a click beside both pairs opens nothing";
  EXPECT_EQ(s.result.unusedAnswers, 2u);
  // A click on the second pair's x axis.
  s.Play("answer 1; 1\nanswer close\ntool 33\nclick 300 100\n");
  ASSERT_EQ(s.Count(), 9);
  EXPECT_EQ(s.Parents(9), (P3{6, -1, -1}));
  EXPECT_AT(s.At(9), 240, 140);
}

TEST(ScriptPointEntry, ADoubleClickEditsAPlottedPointThenMakesNewOnes) {
  Scenario s(std::string(kAxes) + "answer 2; 3\nanswer close\ntool 33\nclick 0 0\n");
  ASSERT_EQ(s.Count(), 5);
  s.Play("answer 5; -1\nanswer 7; 8\nanswer close\ntool 0\ndouble-click 80 120\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  EXPECT_AT(s.Second(5), 5, -1);
  EXPECT_AT(s.At(5), 200, -40);
  EXPECT_AT(s.Second(6), 7, 8);
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 5);
  EXPECT_AT(s.Second(5), 2, 3);
}

// ---- texts

const TextExt& TextOf(Scenario& s, int n) { return *s.E(n).as<TextExt>(); }

TEST(ScriptText, AClickOpensTheEditorAndTheTextStandsThere) {
  Scenario s("answer Hola|{abg} mundo\ntool B_Texto\nclick 10.4 20.6\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 1);
  const Element& e = s.E(1);
  EXPECT_EQ(e.kind, kText);
  const TextExt& t = TextOf(s, 1);
  EXPECT_EQ(t.x, 10);
  EXPECT_EQ(t.y, 21);
  EXPECT_EQ(t.lines, (std::vector<std::string>{"Hola", "abg mundo"}));
  EXPECT_EQ(e.attr1, 2);
  // "Hola" and its line break, the Greek letters, the rest.
  ASSERT_EQ(t.runs.size(), 3u);
  EXPECT_EQ(t.runs[0].length, 6);
  EXPECT_EQ(t.runs[1].length, 3);
  EXPECT_EQ(t.runs[1].font.face, "Symbol");
  EXPECT_EQ(t.runs[2].length, 6);
  EXPECT_EQ(t.runs[2].font, s.doc().textFont);
  EXPECT_EQ(t.font, s.doc().textFont);
  // The text is drawn with the Greek letters.
  FixedPitchMeasure measure;
  const RichTextLayout layout = LayOutRichText(measure, t, 96);
  ASSERT_EQ(layout.lines.size(), 2u);
  ASSERT_EQ(layout.lines[1].pieces.size(), 2u);
  EXPECT_EQ(layout.lines[1].pieces[0].text, "αβγ");
  EXPECT_EQ(layout.lines[1].pieces[1].text, " mundo");
  // Created in one step, and the move tool is chosen again.
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 0);
}

TEST(ScriptText, GreekAndMixedFontsSurviveSaveAndLoadByteForByte) {
  Scenario s("answer x{abc}y|||{W} = 2{p}r\ntool 54\nclick 0 0\n");
  ASSERT_EQ(s.Count(), 1);
  const std::string bytes = DocumentFileBytes(s.doc());
  DocumentLoad load = ReadDocumentBytes(bytes, s.ws.options);
  ASSERT_TRUE(load.document);
  EXPECT_EQ(DocumentFileBytes(*load.document), bytes);
  const TextExt& t = *load.document->elements()[0]->as<TextExt>();
  EXPECT_EQ(t.lines, (std::vector<std::string>{"xabcy", " ", " ", "W = 2pr"}));
  EXPECT_EQ(t.runs.size(), 7u);
  // The stored letters are the Symbol face's plain ones, shown as Greek.
  const EditedText shown = EditedTextOf(t);
  ASSERT_EQ(shown.lines.size(), 4u);
  ASSERT_EQ(shown.lines[3].size(), 4u);
  EXPECT_EQ(shown.lines[3][0].text, "Ω");
  EXPECT_EQ(shown.lines[3][2].text, "π");
}

TEST(ScriptText, EditingAnExistingTextReplacesIt) {
  Scenario s("answer Uno\ntool 54\nclick 0 0\n");
  ASSERT_EQ(s.Count(), 1);
  s.Play("answer Dos|Tres\ntool 0\nright-click 5 -3\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  ASSERT_EQ(s.Count(), 1) << "no duplicate";
  EXPECT_EQ(TextOf(s, 1).lines, (std::vector<std::string>{"Dos", "Tres"}));
  EXPECT_EQ(s.E(1).attr1, 2);
  s.Play("undo\n");
  EXPECT_EQ(TextOf(s, 1).lines, (std::vector<std::string>{"Uno"}));
  // Cancel, or an emptied editor, changes nothing.
  s.Play("answer cancel\ntool 61\nclick 5 -3\nanswer |\nclick 5 -3\n");
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  EXPECT_EQ(TextOf(s, 1).lines, (std::vector<std::string>{"Uno"}));
}

TEST(ScriptText, CancelOrAnEmptyEditorCreatesNothing) {
  Scenario s("answer cancel\ntool 54\nclick 0 0\nanswer |\ntool 54\nclick 0 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 0);
  EXPECT_FALSE(CanUndo(s.doc()));
}

// ---- parametric colour

TEST(ScriptParametricColour, AnElementThenANumberTieTheColourToIt) {
  // A distance of 2.25 cm (the document's 10 units a centimetre... measured below) drives a
  // circle's outline, then its fill.
  Scenario s(
      "tool 1\nclick 0 0\nclick 30 40\ntool B_N_longdist\nclick 0 0\nclick 30 40\n"
      "tool 5\nclick 200 0\nclick 240 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  const int distance = 3, circle = 5;
  ASSERT_EQ(s.Kind(distance), kDistancePointPoint);
  ASSERT_EQ(s.Kind(circle), kCircleCentre);
  const Element& d = s.E(distance);
  const double label[2] = {d.value[2], d.value[3]};
  const double v = d.value[0];
  s.Play("answer 2\ntool B_colorpar\nclick 240 0\nclick " + std::to_string(label[0] + 3) + " " +
         std::to_string(label[1] - 5) + "\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.result.unusedAnswers, 0u);
  const Element& c = s.E(circle);
  ASSERT_EQ(c.colourSource, &s.E(distance));
  EXPECT_EQ(c.colourMode, 2);
  const double f = v - std::floor(v);
  const int grey = static_cast<int>((1 - f) * 255);
  EXPECT_EQ(c.colour, grey * 65793) << v;
  // The fill tool negates the scale and leaves the outline alone.
  const int32_t outline = c.colour;
  s.Play("answer 1\ntool B_colorpar_relleno\nclick 240 0\nclick " + std::to_string(label[0] + 3) +
         " " + std::to_string(label[1] - 5) + "\n");
  EXPECT_EQ(s.E(circle).colourMode, -1);
  EXPECT_EQ(s.E(circle).colour, outline);
  EXPECT_NE(s.E(circle).attr1, -1);
  // Cancelling the dialog ties nothing.
  s.Play("undo\nundo\nanswer cancel\ntool 66\nclick 240 0\nclick " + std::to_string(label[0] + 3) +
         " " + std::to_string(label[1] - 5) + "\n");
  EXPECT_EQ(s.E(circle).colourSource, nullptr);
}

}  // namespace
}  // namespace velt::test
