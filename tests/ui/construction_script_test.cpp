// The script runner itself: reading lines, refusing what cannot be read, mapping plane
// positions through the document's view, messages and the answers to dialogs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/kinds.h"
#include "support/builders.h"
#include "ui/script_support.h"
#include "ui/strings_scripts.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

using test::Scenario;

TEST(ScriptReading, CommentsBlankLinesAndLetterCaseAreAllowed) {
  Scenario s(
      "# a segment\n"
      "\n"
      "   TOOL B_segmento   # by its button, any letter case\r\n"
      "click -10 20\n"
      "\t Click +30   2.5e1 \n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(3), kSegment);
  EXPECT_EQ(s.Parents(3), (test::P3{1, 2, -1}));
  EXPECT_AT(s.At(2), 30, 25);
}

TEST(ScriptReading, ToolsByNumberAndByButtonName) {
  EXPECT_EQ(ToolByWord("9"), Tool::B_Segmento);
  EXPECT_EQ(ToolByWord("B_Segmento"), Tool::B_Segmento);
  EXPECT_EQ(ToolByWord("b_circ2pr"), Tool::B_Circ2pr);
  EXPECT_EQ(ToolByWord("Sel"), Tool::Sel);
  EXPECT_EQ(ToolByWord("B_forma_linea3"), Tool::B_forma_linea3);
  EXPECT_FALSE(ToolByWord("83"));
  EXPECT_FALSE(ToolByWord("-1"));
  EXPECT_FALSE(ToolByWord("9x"));
  EXPECT_FALSE(ToolByWord("B_Nada"));
  EXPECT_FALSE(ToolByWord(""));
}

// The line and the start of the reason of a script that cannot be read; nothing is played.
void ExpectRefused(const std::string& script, int line, const std::string& reasonStart) {
  Scenario s(script);
  ASSERT_TRUE(s.result.failure) << script;
  EXPECT_EQ(s.result.failure->line, line) << script;
  EXPECT_EQ(s.result.failure->reason.rfind(reasonStart, 0), 0u)
      << script << " gave: " << s.result.failure->reason;
  EXPECT_EQ(s.Count(), 0) << "a script that cannot be read is not played: " << script;
}

TEST(ScriptReading, LinesThatCannotBeReadAreRefusedWithTheirNumber) {
  const LanguageTable lang;
  const std::string pre = "tool 1\nclick 0 0\n# ok so far\n";  // three good lines
  ExpectRefused(pre + "clik 1 2\n", 4, lang.Get(str::kScriptUnknownCommand) + ": clik");
  ExpectRefused(pre + "click 1\n", 4, lang.Get(str::kScriptArguments) + ": click X Y");
  ExpectRefused(pre + "click 1 2 3\n", 4, lang.Get(str::kScriptArguments));
  ExpectRefused(pre + "drag 1 2 3\n", 4, lang.Get(str::kScriptArguments) + ": drag X1 Y1 X2 Y2");
  ExpectRefused(pre + "click 1 nan\n", 4, lang.Get(str::kScriptNotANumber) + ": nan");
  ExpectRefused(pre + "click inf 1\n", 4, lang.Get(str::kScriptNotANumber) + ": inf");
  ExpectRefused(pre + "click 1e999 1\n", 4, lang.Get(str::kScriptNotANumber));
  ExpectRefused(pre + "click 1,5 1\n", 4, lang.Get(str::kScriptNotANumber) + ": 1,5");
  ExpectRefused(pre + "click 2e7 1\n", 4, lang.Get(str::kScriptTooFar) + ": 2e7");
  ExpectRefused(pre + "tool 83\n", 4, lang.Get(str::kScriptUnknownTool) + ": 83");
  ExpectRefused(pre + "tool B_Nada\n", 4, lang.Get(str::kScriptUnknownTool) + ": B_Nada");
  ExpectRefused(pre + "tool\n", 4, lang.Get(str::kScriptArguments));
  ExpectRefused(pre + "key Tab\n", 4, lang.Get(str::kScriptUnknownKey) + ": Tab");
  ExpectRefused(pre + "answer   # only a comment\n", 4, lang.Get(str::kScriptArguments));
  ExpectRefused(pre + "undo now\n", 4, lang.Get(str::kScriptArguments) + ": undo");
}

TEST(ScriptReading, EveryToolIsTakenByNumberAndName) {
  // No tool of the table is refused any more; the last to come was the iteration tool.
  const LanguageTable lang;
  for (int n = 0; n < kToolCount; ++n) {
    const ParsedScript p = ParseScript("tool " + std::to_string(n) + "\n", lang);
    EXPECT_FALSE(p.failure) << n;
  }
  EXPECT_FALSE(ParseScript("\n\ntool B_iteracion\n", lang).failure);
}

TEST(ScriptReading, BoundsOnLinesAndLength) {
  const LanguageTable lang;
  std::string many;
  for (int i = 0; i < kScriptMaxLines; ++i) many += "# line\n";
  {
    Scenario s(many);
    EXPECT_TRUE(s.ok()) << "exactly the most lines a script may have";
  }
  ExpectRefused(many + "undo\n", kScriptMaxLines + 1, lang.Get(str::kScriptTooLong));
  ExpectRefused("undo\n" + std::string(kScriptMaxLineLength + 1, ' ') + "\n", 2,
                lang.Get(str::kScriptLineTooLong));
  // One line of a mebibyte and more: too long as a script before it is read as a line.
  ExpectRefused("undo\n# " + std::string(kScriptMaxBytes, 'x'), 2, lang.Get(str::kScriptTooLong));
}

TEST(ScriptPositions, PlaneCoordinatesGoThroughTheDocumentsView) {
  // A new document shows x from -400 to 400 and y from -300 to 300.
  Scenario s("tool 1\nclick -400 300\nclick 400 -300\nclick 0.25 -0.5\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_AT(s.At(1), -400, 300);
  EXPECT_AT(s.At(2), 400, -300);
  EXPECT_AT(s.At(3), 0.25, -0.5);

  // A document scrolled elsewhere: its view starts at (1000, 2000).
  Scenario t;
  t.doc().viewLeft = 1000;
  t.doc().viewTop = 2000;
  t.Play("tool 1\nclick 1100 1900\n");
  ASSERT_TRUE(t.ok()) << t.failure();
  EXPECT_AT(t.At(1), 1100, 1900);
  EXPECT_DOUBLE_EQ(t.doc().viewRight, 1800);
  EXPECT_DOUBLE_EQ(t.doc().viewBottom, 1400);
  t.Play("tool 1\nclick 0 0\n");
  ASSERT_TRUE(t.result.failure);
  EXPECT_EQ(t.result.failure->line, 2);
}

TEST(ScriptPositions, APositionOutsideTheWindowStopsTheScriptAtItsLine) {
  const LanguageTable lang;
  Scenario s("tool 1\nclick 10 10\nclick 401 0\nclick 20 20\n");
  ASSERT_TRUE(s.result.failure);
  EXPECT_EQ(s.result.failure->line, 3);
  EXPECT_EQ(s.result.failure->reason.rfind(lang.Get(str::kScriptOutsideWindow), 0), 0u);
  EXPECT_EQ(s.Count(), 1) << "the lines before it were played, the ones after it not";
  // The end of a drag counts too.
  Scenario d("tool 0\ndrag 0 0 0 301\n");
  ASSERT_TRUE(d.result.failure);
  EXPECT_EQ(d.result.failure->line, 2);
  // A wider window reaches further.
  Scenario w("tool 1\nclick 450 -350\n", ScriptSettings{1000, 800});
  ASSERT_TRUE(w.ok()) << w.failure();
  EXPECT_AT(w.At(1), 450, -350);
}

TEST(ScriptPositions, AnUndoHistoryBeyondTheBudgetStopsTheScript) {
  const std::string segment = "click -100 0\nclick 100 0\n";
  Scenario one("tool 9\n" + segment);
  ASSERT_TRUE(one.ok()) << one.failure();
  std::size_t bytes = 0;
  for (const std::string& snapshot : one.doc().undo.snapshots) bytes += snapshot.size();
  ASSERT_GT(bytes, 0u);
  // Room for the first gesture's step only: the second gesture's first click (line 4) stores
  // the figure of three elements and goes beyond.
  ScriptSettings tight;
  tight.undoBytes = bytes;
  Scenario three("tool 9\n" + segment + "click -100 50\nclick 100 50\n" + segment, tight);
  ASSERT_TRUE(three.result.failure);
  EXPECT_EQ(three.result.failure->line, 4);
  EXPECT_EQ(three.result.failure->reason, three.ws.Text(str::kScriptTooMuchUndo));
  // The same script within the default budget.
  Scenario fine("tool 9\n" + segment + "click -100 50\nclick 100 50\n" + segment);
  EXPECT_TRUE(fine.ok()) << fine.failure();
  EXPECT_EQ(fine.Count(), 7);
}

TEST(ScriptMessages, TheWindowsMessagesAreCollectedInOrder) {
  // Redefining an end of a segment onto the segment itself is refused, twice.
  Scenario s(
      "tool 9\nclick 0 0\nclick 100 0\n"
      "tool 46\nclick 0 0\nclick 50 0\n"
      "click 100 0\nclick 50 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  const std::string refused = s.ws.Text(str::kInvalidRedefinition);
  ASSERT_FALSE(refused.empty());
  EXPECT_EQ(s.result.messages, (std::vector<std::string>{refused, refused}));
  EXPECT_EQ(s.Kind(1), kFreePoint);
  EXPECT_EQ(s.Kind(2), kFreePoint);
}

TEST(ScriptedHostAnswers, DialogsTakeQueuedAnswersInOrderAndCancelWithoutOne) {
  ScriptedHost host(nullptr);
  Document doc;
  host.QueueAnswer("Yes");
  host.QueueAnswer("no");
  host.QueueAnswer("maybe");
  EXPECT_EQ(host.AskSaveChanges(doc), SaveAnswer::Yes);
  EXPECT_EQ(host.AskSaveChanges(doc), SaveAnswer::No);
  EXPECT_EQ(host.AskSaveChanges(doc), SaveAnswer::Cancel);
  EXPECT_EQ(host.AskSaveChanges(doc), SaveAnswer::Cancel) << "no answer left";
  EXPECT_EQ(host.pendingAnswers(), 0u);

  Font f;
  f.face = "Arial";
  f.size = 10;
  EXPECT_FALSE(host.ChooseFont(f)) << "a font dialog without an answer is cancelled";
  host.QueueAnswer("Times New Roman 14");
  ASSERT_TRUE(host.ChooseFont(f));
  EXPECT_EQ(f.face, "Times New Roman");
  EXPECT_EQ(f.size, 14);
  host.QueueAnswer("Courier");
  ASSERT_TRUE(host.ChooseFont(f));
  EXPECT_EQ(f.face, "Courier");
  EXPECT_EQ(f.size, 14);
  host.QueueAnswer("ok");
  ASSERT_TRUE(host.ChooseFont(f));
  EXPECT_EQ(f.face, "Courier");
  host.QueueAnswer("No");
  EXPECT_FALSE(host.ChooseFont(f));

  EXPECT_FALSE(host.ChooseColourScale());
  host.QueueAnswer("52");
  EXPECT_EQ(host.ChooseColourScale(), 52);
  host.QueueAnswer("102");  // between the two scroll bars' ranges
  EXPECT_FALSE(host.ChooseColourScale());
}

TEST(ScriptedHostAnswers, MessagesGoToTheSink) {
  std::vector<std::string> got;
  ScriptedHost host([&](const std::string& m) { got.push_back(m); });
  host.ShowMessage("uno", MessageIcon::Warning);
  host.ShowMessage("dos", MessageIcon::Error);
  EXPECT_EQ(got, (std::vector<std::string>{"uno", "dos"}));
}

}  // namespace
}  // namespace velt
