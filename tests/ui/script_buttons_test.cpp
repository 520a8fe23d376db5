// Scenarios of the action-button tools played as scripts: tool 56 builds a hide/show button
// over the elements it selects, tool 57 a movement button over pairs of points, and `press`
// presses a button with the move tool.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/element.h"
#include "model/kinds.h"
#include "ui/script_support.h"
#include "ui/strings_buttons.h"

namespace velt {
namespace {

using test::Scenario;

// Two segments: 1 (0, 0), 2 (100, 0), segment 3; 4 (0, 50), 5 (100, 50), segment 6.
constexpr const char* kTwoSegments = "tool 9\nclick 0 0\nclick 100 0\nclick 0 50\nclick 100 50\n";
// Tool 56 picks both segments and places the button (7) with its corner at (200, 200).
constexpr const char* kHideShowOverBoth = "tool 56\nclick 50 0\nclick 50 50\nclick 200 200\n";
// Inside the box of a button placed at (200, 200).
constexpr const char* kPressButton = "press 204 196\n";

std::vector<int> TargetNumbers(Scenario& s, int button) {
  std::vector<int> out;
  if (const ButtonExt* b = s.E(button).as<ButtonExt>())
    for (const Element* e : b->targets) out.push_back(e ? e->number : -1);
  return out;
}

std::vector<int32_t> States(Scenario& s, int button) {
  const ButtonExt* b = s.E(button).as<ButtonExt>();
  return b ? b->states : std::vector<int32_t>{};
}

int UndoPosition(Scenario& s) { return s.doc().undo.position; }

TEST(ScriptButtons, HideShowButtonHidesWhatItPicksAndEachPressTurnsItOver) {
  Scenario s(std::string(kTwoSegments) + kHideShowOverBoth);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  EXPECT_EQ(s.Kind(7), kButtonShowHide);
  EXPECT_EQ(TargetNumbers(s, 7), (std::vector<int>{3, 6}));
  EXPECT_EQ(States(s, 7), (std::vector<int32_t>{0, 0})) << "picked while shown";
  EXPECT_EQ(s.Second(7).x, 200);
  EXPECT_EQ(s.Second(7).y, 200);
  EXPECT_EQ(s.E(7).attr2, 1) << "placed up";
  EXPECT_NE(s.E(7).attr1, 0) << "pressable";
  EXPECT_EQ(s.E(7).as<ButtonExt>()->caption, s.ws.Text(str::kButtonCaptionShowHide));
  EXPECT_EQ(s.E(3).visibility, 0) << "hidden at once";
  EXPECT_EQ(s.E(6).visibility, 0);
  EXPECT_EQ(s.E(1).visibility, 1) << "the segments' points were not picked";
  EXPECT_EQ(s.E(1).selected + s.E(3).selected + s.E(6).selected, 0) << "deselected after";

  const int before = UndoPosition(s);
  s.Play(kPressButton);
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(UndoPosition(s), before + 1) << "one undo step per press";
  EXPECT_EQ(s.E(7).attr2, 0);
  EXPECT_EQ(s.E(3).visibility, 1);
  EXPECT_EQ(s.E(6).visibility, 1);
  EXPECT_EQ(s.E(7).selected, 0) << "a press is not a selection click";

  s.Play(kPressButton);
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(UndoPosition(s), before + 2);
  EXPECT_EQ(s.E(7).attr2, 1);
  EXPECT_EQ(s.E(3).visibility, 0);

  s.Play("undo\n");
  EXPECT_EQ(s.E(7).attr2, 0) << "one undo takes back one press";
  EXPECT_EQ(s.E(3).visibility, 1);
  EXPECT_EQ(s.E(6).visibility, 1);
  s.Play("undo\nundo\n");
  EXPECT_EQ(s.Count(), 6) << "the third undo takes the button away";
  EXPECT_EQ(s.E(3).visibility, 1);
}

TEST(ScriptButtons, DeletingAControlledElementDeletesTheButton) {
  // Point 1 carries segment 3, which the button controls.
  Scenario s(std::string(kTwoSegments) + kHideShowOverBoth + "tool 0\nclick 0 0\ndelete\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 4) << "points 2, 4, 5 and segment 6 stay";
  bool anyButton = false;
  ForEachDeep(s.doc().elements(),
              [&](const Element& e) { anyButton = anyButton || e.type() == kTypeButton; });
  EXPECT_FALSE(anyButton);
  EXPECT_EQ(s.E(4).kind, kSegment) << "segment 6 is now number 4";
  EXPECT_EQ(s.E(4).visibility, 0) << "it keeps the visibility the button gave it";
}

TEST(ScriptButtons, HiddenElementsAreNotPickedAndButtonsStack) {
  // Segment 3 hidden by the hide/show tool first.
  Scenario s(std::string(kTwoSegments) + "tool 60\nclick 50 0\n" + kHideShowOverBoth);
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 7);
  // Hidden elements are not detected: the first click of tool 56 fell on empty plane with
  // nothing selected (nothing happened), the second picked segment 6.
  EXPECT_EQ(TargetNumbers(s, 7), (std::vector<int>{6}));

  Scenario t(std::string(kTwoSegments) +
             "tool 56\nclick 50 0\nclick 200 200\n"  // button 7 over segment 3
             "tool 56\nclick 50 50\nclick 0 0\nclick 250 100\n");
  ASSERT_TRUE(t.ok()) << t.failure();
  ASSERT_EQ(t.Count(), 8);
  EXPECT_EQ(TargetNumbers(t, 8), (std::vector<int>{1, 6}));
  EXPECT_EQ(t.E(1).visibility, 0);
  EXPECT_EQ(t.E(6).visibility, 0);
  EXPECT_EQ(t.E(3).visibility, 0) << "button 7 still hides its segment";
}

TEST(ScriptButtons, HideShowToolTogglesAndNeedsASelection) {
  Scenario s("tool 1\nclick 0 0\nclick 50 0\ntool 56\nclick 0 0\nclick 0 0\nclick 200 200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_EQ(s.Count(), 2) << "a second click takes the point out again: nothing to control";
  EXPECT_EQ(s.E(1).visibility, 1);

  s.Play("tool 56\nclick 50 0\nclick 0 0\nclick 50 0\nclick 200 200\n");
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(TargetNumbers(s, 3), (std::vector<int>{1}));
  EXPECT_EQ(s.E(2).visibility, 1);

  // A selection made before the tool is chosen stays and is what the button controls.
  Scenario t("tool 1\nclick 0 0\nclick 50 0\nselect-all\ntool 56\nclick 200 200\n");
  ASSERT_TRUE(t.ok()) << t.failure();
  ASSERT_EQ(t.Count(), 3);
  EXPECT_EQ(TargetNumbers(t, 3), (std::vector<int>{1, 2}));
}

TEST(ScriptButtons, MovementButtonPutsAFreePointOnItsTargetAndUndoBringsItBack) {
  Scenario s("tool 1\nclick 0 0\nclick 100 50\ntool 57\nclick 0 0\nclick 100 50\nclick 200 200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Kind(3), kButtonMove);
  EXPECT_EQ(TargetNumbers(s, 3), (std::vector<int>{1, 2}));
  EXPECT_EQ(s.E(3).as<ButtonExt>()->caption, s.ws.Text(str::kButtonCaptionMove));
  EXPECT_AT(s.At(1), 0, 0);  // nothing moves when the button is placed
  EXPECT_TRUE(s.result.messages.empty());

  s.Play(kPressButton);
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_AT(s.At(1), 100, 50);
  EXPECT_AT(s.At(2), 100, 50);
  EXPECT_EQ(s.E(3).attr2, 1) << "popped up again once its timer ran out";

  s.Play("undo\n");
  EXPECT_AT(s.At(1), 0, 0);
  EXPECT_EQ(s.E(3).attr2, 1);
  s.Play("redo\n");
  EXPECT_AT(s.At(1), 100, 50);
}

TEST(ScriptButtons, MovementButtonMovesAMidpointThroughItsFreeEnds) {
  // P 1 (0, 0), Q 2 (100, 0), midpoint M 3, target T 4 (50, 100).
  Scenario s(
      "tool 15\nclick 0 0\nclick 100 0\ntool 1\nclick 50 100\n"
      "tool 57\nclick 50 0\nclick 50 100\nclick 200 200\n" +
      std::string(kPressButton));
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(3), kMidpoint);
  ASSERT_EQ(s.Kind(5), kButtonMove);
  EXPECT_AT(s.At(1), 0, 100);    // P moved by T - M
  EXPECT_AT(s.At(2), 100, 100);  // Q moved by T - M
  EXPECT_AT(s.At(3), 50, 100);   // M lands on T
  EXPECT_AT(s.At(4), 50, 100);
}

TEST(ScriptButtons, MovementButtonTakesAPointOnACircleToTheTargetsDirection) {
  // Circle 2 about 1 (0, 0) with radius 100; point 3 on it at (0, 100); target 4.
  Scenario s(
      "tool 5\nclick 0 0\nclick 100 0\ntool 1\nclick 0 100\nclick 30 30\n"
      "tool 57\nclick 0 100\nclick 30 30\nclick 200 200\n" +
      std::string(kPressButton));
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(2), kCircleCentre);
  ASSERT_EQ(s.Kind(3), kPointOnElement);
  ASSERT_EQ(s.Kind(5), kButtonMove);
  const double r = 100 / std::sqrt(2.0);
  EXPECT_AT(s.At(3), r, r);
  EXPECT_NEAR(s.E(3).value[3], std::atan2(1.0, 1.0), 1e-12);
  EXPECT_AT(s.At(4), 30, 30);  // the target stays
}

TEST(ScriptButtons, MovementButtonMovesEveryPair) {
  // A 1 goes to B 2 and C 3 to D 4.
  Scenario s(
      "tool 1\nclick 0 0\nclick 50 0\nclick 100 0\nclick 150 0\n"
      "tool 57\nclick 0 0\nclick 50 0\nclick 100 0\nclick 150 0\nclick 200 200\n" +
      std::string(kPressButton));
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(5), kButtonMove);
  EXPECT_EQ(TargetNumbers(s, 5), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_AT(s.At(1), 50, 0);
  EXPECT_AT(s.At(3), 150, 0);
}

TEST(ScriptButtons, MovementPairsThatCannotWorkAreRefused) {
  const std::string refused = "Refused: ";
  struct Case {
    const char* name;
    std::string script;
    bool warned;
  };
  const std::string points = "tool 1\nclick 0 0\nclick 100 0\n";
  const std::vector<Case> cases = {
      {"a point and its midpoint with another",
       "tool 15\nclick 0 0\nclick 100 0\ntool 57\nclick 0 0\nclick 50 0\nclick 200 200\n", true},
      {"a midpoint and one of its ends",
       "tool 15\nclick 0 0\nclick 100 0\ntool 57\nclick 50 0\nclick 0 0\nclick 200 200\n", true},
      {"a point and its image by a central symmetry",
       points + "tool 20\nclick 0 0\nclick 100 0\ntool 57\nclick 0 0\nclick 200 0\n"
                "click 200 200\n",
       true},
      {"an odd number of picks",
       points + "click 0 50\ntool 57\nclick 0 0\nclick 100 0\n"
                "click 0 50\nclick 200 200\n",
       true},
      {"a single pick", points + "tool 57\nclick 0 0\nclick 200 200\n", false},
      {"no pick", points + "tool 57\nclick 200 200\n", false},
  };
  for (const Case& c : cases) {
    Scenario s(c.script);
    ASSERT_TRUE(s.ok()) << c.name << ": " << s.failure();
    bool anyButton = false;
    ForEachDeep(s.doc().elements(),
                [&](const Element& e) { anyButton = anyButton || e.kind == kButtonMove; });
    EXPECT_FALSE(anyButton) << refused << c.name;
    EXPECT_EQ(s.result.messages.size(), c.warned ? 1u : 0u) << c.name;
    if (c.warned && !s.result.messages.empty()) {
      EXPECT_EQ(s.result.messages[0], s.ws.Text(str::kMoveButtonRefused)) << c.name;
    }
  }
}

TEST(ScriptButtons, APointOnAGridCannotBeMoved) {
  // Axes at the origin, their grid, a point on a grid node, a free target.
  Scenario s("tool 39\nclick 0 0\ntool 41\nclick 120 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  int grid = -1;
  ForEachDeep(s.doc().elements(), [&](const Element& e) {
    if (e.kind == kGrid) grid = e.number;
  });
  ASSERT_GT(grid, 0) << "the grid tool made no grid";
  s.Play(
      "tool 1\nclick 80 80\nclick 150 150\ntool 57\nclick 80 80\nclick 150 150\n"
      "click 200 200\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  int gridPoint = -1, buttons = 0;
  ForEachDeep(s.doc().elements(), [&](const Element& e) {
    if (e.kind == kPointOnGrid && gridPoint < 0) gridPoint = e.number;
    if (e.kind == kButtonMove) ++buttons;
  });
  ASSERT_GT(gridPoint, 0) << "the click did not make a point on the grid";
  EXPECT_EQ(buttons, 0);
  EXPECT_EQ(s.result.messages.size(), 1u);
}

TEST(ScriptButtons, PressNeedsAnActiveButton) {
  Scenario s("tool 1\nclick 0 0\npress 0 0\n");
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(s.result.failure ? s.result.failure->line : 0, 3);

  // A button whose switching is off is selected by a click instead.
  Scenario t(
      "tool 1\nclick 0 0\nclick 100 50\ntool 57\nclick 0 0\nclick 100 50\n"
      "click 200 200\n");
  ASSERT_TRUE(t.ok()) << t.failure();
  Element& button = const_cast<Element&>(t.E(3));
  button.attr1 = 0;
  t.Play(kPressButton);
  EXPECT_FALSE(t.ok());
  t.Play("tool 0\nclick 204 196\n");
  ASSERT_TRUE(t.ok()) << t.failure();
  EXPECT_EQ(t.E(3).selected, 1);
  EXPECT_AT(t.At(1), 0, 0);
}

TEST(ScriptButtons, PressFromAnotherToolChoosesTheMoveTool) {
  Scenario s(
      "tool 1\nclick 0 0\nclick 100 50\ntool 57\nclick 0 0\nclick 100 50\n"
      "click 200 200\ntool 9\n" +
      std::string(kPressButton));
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_AT(s.At(1), 100, 50);
  EXPECT_EQ(s.Count(), 3) << "the segment tool made nothing";
}

}  // namespace
}  // namespace velt
