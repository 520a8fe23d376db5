// Macros recorded and applied through the tools and the script commands, as the window's
// clicks and the macro dialog would: the circumcentre on other points, its drag and its undo,
// the same through a macro file in a new document, wrong picks, refused finals, a full table.
#include <gtest/gtest.h>

#include <string>

#include "io/io_test_support.h"
#include "io/macro_file.h"
#include "ui/macro_commands.h"
#include "ui/script_support.h"
#include "ui/strings_files.h"
#include "ui/strings_macros.h"

namespace velt {
namespace {

using test::Scenario;
using test::XY;

XY Circumcentre(XY a, XY b, XY c) {
  const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
  return {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
          (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
}

// Elements 1..6: A, B, C, the bisectors of AB and BC, their crossing at (50, 50); then the
// macro "circ" recorded from A, B, C to the crossing.
constexpr const char* kRecordCircumcentre =
    "tool 1\nclick 0 0\nclick 100 0\nclick 0 100\n"
    "tool B_Mediatriz\nclick 0 0\nclick 100 0\n"
    "tool B_Mediatriz\nclick 100 0\nclick 0 100\n"
    "tool B_Punto_Inter\nclick 50 -100\nclick -100 -100\n"
    "tool B_mac_ini\nclick 0 0\nclick 100 0\nclick 0 100\n"
    "tool B_mac_fin\nclick 50 50\n"
    "macro-complete circ\n";

// Three points D, E, F and the macro applied to them (by clicks on the points).
constexpr const char* kApplyOnThreePoints =
    "tool 1\nclick 200 -50\nclick 300 -20\nclick 250 100\n"
    "macro circ\nclick 200 -50\nclick 300 -20\nclick 250 100\n";

TEST(ScriptMacros, TheCircumcentreAppliedToThreePointsFollowsThemAndUndoesInOneStep) {
  Scenario s(kRecordCircumcentre);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.doc().macros.size(), 1u);
  EXPECT_TRUE(s.result.messages.empty());
  s.Play(kApplyOnThreePoints);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 12);
  EXPECT_EQ(s.Kind(12), kIntersection);
  EXPECT_EQ(s.Parents(10), (test::P3{7, 8, -1}));
  EXPECT_EQ(s.E(10).visibility, 100) << "the option hides the intermediates";
  const XY want = Circumcentre({200, -50}, {300, -20}, {250, 100});
  EXPECT_AT(s.At(12), want.x, want.y);

  s.Play("tool 0\ndrag 200 -50 180 -70\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  const XY moved = Circumcentre({180, -70}, {300, -20}, {250, 100});
  EXPECT_AT(s.At(12), moved.x, moved.y);
  s.Play("undo\nundo\n");  // the drag, then the whole application
  EXPECT_EQ(s.Count(), 9);
  s.Play("redo\n");
  EXPECT_EQ(s.Count(), 12);
}

TEST(ScriptMacros, ClicksOnEmptyPlaneMakeTheArgumentsAndOneUndoTakesEverything) {
  Scenario s(kRecordCircumcentre);
  s.ws.options.hideMacroIntermediates = 0;
  s.Play(
      "macro circ\nclick 200 -50\nclick 300 -20\nclick 250 100\n"
      "click -200 -50\nclick -100 -20\nclick -150 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6 + 2 * 6) << "the tool stays for another application";
  EXPECT_EQ(s.Kind(7), kFreePoint);
  EXPECT_EQ(s.E(10).visibility, 1) << "with the option off the intermediates are shown";
  const XY second = Circumcentre({-200, -50}, {-100, -20}, {-150, 100});
  EXPECT_AT(s.At(18), second.x, second.y);
  s.Play("undo\n");
  EXPECT_EQ(s.Count(), 12) << "one step for the points made by the clicks and the copies";
}

TEST(ScriptMacros, AMacroFileLoadedIntoANewDocumentBuildsTheSameCircumcentre) {
  test::ScratchFolder folder;
  {
    Scenario s(kRecordCircumcentre);
    ASSERT_TRUE(s.ok()) << s.failure();
    ASSERT_TRUE(SaveMacroFile(s.doc().macros[0], folder / "circ.mac"));
  }
  Scenario t("macro-load " + (folder / "circ.mac").string() + "\n" + kApplyOnThreePoints);
  ASSERT_TRUE(t.ok()) << t.failure();
  ASSERT_EQ(t.Count(), 6);
  const XY want = Circumcentre({200, -50}, {300, -20}, {250, 100});
  EXPECT_AT(t.At(6), want.x, want.y);
  t.Play("tool 0\ndrag 300 -20 320 0\n");
  const XY moved = Circumcentre({200, -50}, {320, 0}, {250, 100});
  EXPECT_AT(t.At(6), moved.x, moved.y);
  t.Play("undo\nundo\n");
  EXPECT_EQ(t.Count(), 3);
}

TEST(ScriptMacros, ACircleAndAPointAsInitials) {
  // The midpoint of a circle's centre and a point: the centre is an expanded initial.
  Scenario s(
      "tool B_Circunf\nclick 0 0\nclick 30 0\n"
      "tool 1\nclick 60 40\n"
      "tool B_2_div_seg\nclick 0 0\nclick 60 40\n"
      "tool B_mac_ini\nclick 0 -30\nclick 60 40\n"
      "tool B_mac_fin\nclick 30 20\n"
      "macro-complete mid\n"
      "tool B_Circunf\nclick 200 0\nclick 240 0\n"
      "tool 1\nclick 100 100\n"
      "macro mid\nclick 200 40\nclick 100 100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.doc().macros.size(), 1u);
  EXPECT_EQ(s.doc().macros[0].header.parameters, (std::vector<int16_t>{kTypeCircle, kTypePoint}));
  ASSERT_EQ(s.Count(), 8);
  EXPECT_EQ(s.Kind(8), kMidpoint);
  EXPECT_EQ(s.Parents(8), (test::P3{5, 7, -1}));
  EXPECT_AT(s.At(8), 150, 50);
}

TEST(ScriptMacros, AFinalThatDoesNotDependOnTheInitialsIsRefusedWithTheMessage) {
  const LanguageTable lang;
  Scenario s(
      "tool 1\nclick 0 0\nclick 100 0\nclick 50 80\n"
      "tool B_2_div_seg\nclick 0 0\nclick 100 0\n"
      "tool B_mac_ini\nclick 0 0\n"
      "tool B_mac_fin\nclick 50 80\n"
      "macro-complete nothing\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.result.messages.size(), 2u);
  EXPECT_EQ(s.result.messages[0], lang.Get(str::kMacroNotFinal));
  EXPECT_EQ(s.result.messages[1], lang.Get(str::kMacroNothingChosen));
  EXPECT_TRUE(s.doc().macros.empty());
  // The lists stay after a refusal: the midpoint does depend on the first point.
  s.Play("tool B_mac_fin\nclick 50 0\nmacro-complete half\n");
  EXPECT_EQ(s.doc().macros.size(), 1u);
  // Choosing another tool forgets the lists.
  s.Play("tool B_mac_ini\nclick 0 0\ntool B_mac_fin\nclick 50 0\ntool 1\nmacro-complete x\n");
  EXPECT_EQ(s.doc().macros.size(), 1u);
  EXPECT_EQ(s.result.messages.back(), lang.Get(str::kMacroNothingChosen));
}

TEST(ScriptMacros, PicksOfTheWrongTypeCannotStartTheMacro) {
  // A macro on a circle: a segment, a point or empty plane is not taken.
  Scenario s(
      "tool B_Circunf\nclick 0 0\nclick 30 0\n"
      "tool B_mac_ini\nclick 0 -30\n"
      "tool B_mac_fin\nclick 0 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.result.messages.size(), 1u) << "the centre is an initial, not a final";
  s.Play(
      "tool B_Punto_Sim\nclick 0 -30\nclick 100 0\n"  // the circle's image about (100, 0)
      "tool B_mac_ini\nclick 0 -30\ntool B_mac_fin\nclick 200 -30\nmacro-complete sym\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.doc().macros.size(), 1u);
  const int before = s.Count();
  s.Play(
      "tool B_Segmento\nclick -200 100\nclick -100 100\n"
      "macro sym\nclick -150 100\nclick -300 -200\nclick -250 150\n");
  EXPECT_EQ(s.Count(), before + 3) << "only the segment and its points";
  s.Play("tool B_Circunf\nclick -200 -100\nclick -180 -100\nmacro sym\nclick -200 -80\n");
  // The circle (two elements) and the five copies; the image's centre mirrors (-200, -100).
  ASSERT_EQ(s.Count(), before + 3 + 2 + 5);
  EXPECT_EQ(s.Kind(s.Count()), kCircleCentrePoint);
  EXPECT_AT(s.At(s.Count()), 400, 100);

  DetectionMask point = MacroParameterMask(kTypePoint);
  EXPECT_TRUE(point[kTypePoint] && point[kTypeCircle] && point[kTypeSegment]);
  EXPECT_FALSE(point[kTypeNumber] || point[kTypeAxes]);
  EXPECT_TRUE(MacroParameterMask(kTypeLine)[kTypeAxes]);
  EXPECT_TRUE(MacroParameterMask(kTypeNumber)[kTypeCoordinates]);
  EXPECT_FALSE(MacroParameterMask(kTypeCircle)[kTypePoint]);
}

TEST(ScriptMacros, AMacroOnAxesTakesTheAxesByAClickOnEitherAxisLine) {
  // Axes at the origin and their grid; the macro "grid" from the axes to the grid.
  Scenario s(
      "tool B_N_ejes\nclick 0 0\ntool B_N_cuadricula\nclick 100 0\n"
      "tool B_mac_ini\nclick 100 0\ntool B_mac_fin\nclick 40 40\nmacro-complete grid\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // 1 the origin, 2 the axes (3, 4), 5 the grid.
  ASSERT_EQ(s.Count(), 5);
  ASSERT_EQ(s.Kind(5), kGrid);
  ASSERT_EQ(s.doc().macros.size(), 1u);
  // Applied by a click on the y axis line: a second grid on the same axes.
  s.Play("macro grid\nclick 0 -100\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  EXPECT_EQ(s.Kind(6), kGrid);
  EXPECT_EQ(s.Parents(6)[0], 2);
}

TEST(ScriptMacros, AFullTableAndBadFilesAreToldAndChangeNothing) {
  const LanguageTable lang;
  test::ScratchFolder folder;
  Scenario s(kRecordCircumcentre);
  ASSERT_TRUE(s.ok()) << s.failure();
  Macro broken;
  broken.header = s.doc().macros[0].header;
  broken.header.name = "broken";
  for (const auto& e : s.doc().macros[0].elements) broken.elements.push_back(CopyElement(*e));
  broken.elements[2]->parentNumber[1] = 5;  // itself
  ASSERT_TRUE(SaveMacroFile(broken, folder / "broken.mac"));
  test::WriteBytes(folder / "short.mac", test::ReadBytes(folder / "broken.mac").substr(0, 30));
  s.Play("macro-load " + (folder / "broken.mac").string() + "\nmacro-load " +
         (folder / "short.mac").string() + "\nmacro-load " + (folder / "none.mac").string() + "\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.result.messages.size(), 3u);
  EXPECT_EQ(s.result.messages[0], lang.Get(str::kMacroMalformed));
  EXPECT_EQ(s.result.messages[1], lang.Get(str::kNotAValidFile));
  EXPECT_EQ(s.doc().macros.size(), 1u);

  // A macro embedded in a document cannot be chosen when its numbers are bad.
  s.doc().macros.push_back(std::move(broken));
  s.Play("macro broken\nclick 0 0\nclick 100 0\nclick 0 100\n");
  EXPECT_EQ(s.Count(), 6);
  EXPECT_EQ(s.result.messages.back(), lang.Get(str::kMacroMalformed));
  s.Play("macro nosuch\n");
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.result.failure->reason, lang.Get(str::kMacroNotFound) + ": nosuch");

  while (s.doc().macros.size() < static_cast<size_t>(kMaxMacros)) s.doc().macros.push_back(Macro{});
  s.Play(
      "tool B_mac_ini\nclick 0 0\ntool B_mac_fin\nclick 50 50\nmacro-complete more\n"
      "macro-load " +
      (folder / "broken.mac").string() + "\n");
  EXPECT_EQ(s.doc().macros.size(), static_cast<size_t>(kMaxMacros));
  ASSERT_GE(s.result.messages.size(), 2u);
  EXPECT_EQ(s.result.messages.back(), lang.Get(str::kMacroTableFull));
  EXPECT_EQ(s.result.messages[s.result.messages.size() - 2], lang.Get(str::kMacroTableFull));
}

}  // namespace
}  // namespace velt
