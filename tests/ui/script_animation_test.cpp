// Scenarios of the animation tool and the script's `tick`, played as scripts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "model/kinds.h"
#include "ui/script_support.h"
#include "ui/strings_scripts.h"

namespace velt {
namespace {

using test::Scenario;

// 1, 2 the ends (0, 0) and (200, 0), 3 the segment, 4 a point on it at (100, 0), 5 a free
// point (100, 100), 6 the midpoint of 4 and 5 at (100, 50).
constexpr const char* kSegmentFigure =
    "tool B_Segmento\nclick 0 0\nclick 200 0\n"
    "tool B_Punto\nclick 100 0\n"
    "tool B_2_div_seg\nclick 100 0\nclick 100 100\n";

TEST(ScriptToolAnimation, APickedPointRunsAlongItsSegmentWithItsDependents) {
  Scenario s(std::string(kSegmentFigure) + "tool B_anim\nclick 100 0\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Count(), 6);
  ASSERT_EQ(s.Kind(4), kPointOnElement);
  const auto& list = s.doc().figure->animations;
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].element->number, 4);
  // A new entry plays backwards at speed 15: 2.25 units of 200 per tick.
  s.Play("tick 10\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_NEAR(s.E(4).value[3], 0.5 - 10 * 2.25 / 200, 1e-12);
  EXPECT_AT(s.At(4), 77.5, 0);
  EXPECT_AT(s.At(6), 88.75, 50);
}

TEST(ScriptToolAnimation, OnlyAnimatableElementsAreTakenAndASecondClickRemoves) {
  Scenario s(
      std::string(kSegmentFigure) +
      "tool B_anim\nclick 0 0\nclick 150 0\nclick 100 50\n");  // free point, segment, midpoint
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_TRUE(s.doc().figure->animations.empty());
  const int steps = s.doc().undo.position;
  s.Play("tool B_anim\nclick 100 0\n");
  EXPECT_EQ(s.doc().figure->animations.size(), 1u);
  EXPECT_EQ(s.doc().undo.position, steps + 1) << "the first entry stores one undo step";
  s.Play("tool B_anim\nclick 100 0\n");
  EXPECT_TRUE(s.doc().figure->animations.empty());
  // Ticks with an empty list move nothing.
  s.Play("tick 5\n");
  EXPECT_AT(s.At(4), 100, 0);
}

TEST(ScriptToolAnimation, UndoReturnsToTheFigureWithoutTheEntry) {
  Scenario s(std::string(kSegmentFigure) + "tool B_anim\nclick 100 0\nundo\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  EXPECT_TRUE(s.doc().figure->animations.empty());
  EXPECT_EQ(s.Count(), 6);
}

TEST(ScriptToolAnimation, TickCountsAreRead) {
  const LanguageTable lang;
  for (const char* bad :
       {"tick\n", "tick 0\n", "tick 2.5\n", "tick -3\n", "tick 100001\n", "tick 3 4\n"}) {
    Scenario s(bad);
    ASSERT_TRUE(s.result.failure) << bad;
    EXPECT_EQ(s.result.failure->reason.rfind(lang.Get(str::kScriptArguments), 0), 0u) << bad;
  }
  Scenario s("tick 100000\n");
  EXPECT_TRUE(s.ok()) << s.failure();
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(ScriptToolAnimation, APointOnALocusMovesByThePathsLength) {
  // The locus of the midpoint of (10, 20) and a point running on the circle of centre
  // (100, 50) and radius 60: 80 samples on the circle of centre (55, 35) and radius 30.
  Scenario s(
      "tool 5\nclick 100 50\nclick 160 50\n"
      "tool 1\nclick 100 110\nclick 10 20\n"
      "tool 15\nclick 10 20\nclick 100 110\n"
      "tool 19\nclick 55 65\nclick 100 110\n"
      "tool B_Punto\nclick 85 35\n"
      "tool B_anim\nclick 85 35\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  ASSERT_EQ(s.Kind(7), kPointOnElement);
  ASSERT_EQ(s.Kind(s.Parents(7)[0]), kLocus);
  ASSERT_EQ(s.doc().figure->animations.size(), 1u);
  // The closed path of 80 chords of a circle of radius 30.
  const double length = 80 * 2 * 30 * std::sin(std::numbers::pi / 80);
  // The click put the point at the start of the path, where a new entry (backwards) turns
  // at once; then it runs forwards by 2.25 units of the path per tick.
  EXPECT_EQ(s.E(7).value[3], 0);
  s.Play("tick 1\n");
  EXPECT_EQ(s.E(7).value[3], 0);
  EXPECT_EQ(s.doc().figure->animations[0].reversed, 0);
  s.Play("tick 2\n");
  EXPECT_NEAR(s.E(7).value[3], 2 * 2.25 / length, 1e-12);
  EXPECT_NEAR(std::hypot(s.At(7).x - 55, s.At(7).y - 35), 30, 0.1);
}

}  // namespace
}  // namespace velt
