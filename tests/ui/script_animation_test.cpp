// Scenarios of the animation tool and the script's `tick`, played as scripts.
#include <gtest/gtest.h>

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
