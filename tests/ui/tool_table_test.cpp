// The tool table holds together: names and numbers convert both ways, every built tool has a
// gesture, and the picks of row-only tools agree with the masks they start from.
#include "ui/tool_table.h"

#include <gtest/gtest.h>

#include <set>

namespace velt {
namespace {

TEST(ToolTable, NumbersAndButtonNamesConvertBothWays) {
  std::set<std::string_view> seen;
  for (int n = 0; n < kToolCount; ++n) {
    const auto t = ToolFromNumber(n);
    ASSERT_TRUE(t) << n;
    EXPECT_EQ(ToolNumber(*t), n);
    const ToolRow& row = RowOf(*t);
    EXPECT_EQ(row.tool, *t);
    EXPECT_TRUE(seen.insert(row.button).second) << "button named twice: " << row.button;
    EXPECT_EQ(ToolFromButton(row.button), t) << row.button;
  }
  EXPECT_EQ(ToolFromButton("B_Circ2pr"), Tool::B_Circ2pr);
  EXPECT_EQ(ToolNumber(Tool::B_Circ2pr), 6);
  EXPECT_EQ(ToolNumber(Tool::B_forma_angulo3), 82);
  EXPECT_FALSE(ToolFromButton("B_circ2pr"));  // names are exact
  EXPECT_FALSE(ToolFromButton(""));
  EXPECT_FALSE(ToolFromNumber(-1));
  EXPECT_FALSE(ToolFromNumber(kToolCount));
}

TEST(ToolTable, BuiltToolsHaveAGestureAndRowOnlyToolsAgreeWithTheirMasks) {
  for (int n = 0; n < kToolCount; ++n) {
    const ToolRow& row = RowOf(*ToolFromNumber(n));
    if (!row.built) {
      EXPECT_FALSE(row.press) << row.button;
      continue;
    }
    EXPECT_TRUE(row.press || !row.steps.empty()) << row.button << " has no gesture";
    if (row.steps.empty()) continue;
    EXPECT_TRUE(IsValidKind(row.kind)) << row.button;
    // The gesture starts from the mask table's row.
    EXPECT_EQ(row.steps.front().mask, row.start) << row.button;
    int pointsLeft = 0;
    for (const PickStep& s : row.steps) pointsLeft += s.pointOnClick;
    std::set<Slot> slots;
    for (const PickStep& s : row.steps) {
      if (s.pointOnClick) {
        // The mask counts the points still needed, this one included.
        EXPECT_EQ(s.mask[kTypePoint], pointsLeft) << row.button;
        --pointsLeft;
      }
      EXPECT_NE(s.slot, Slot::None) << row.button;
      if (s.slot != Slot::List) {
        EXPECT_TRUE(slots.insert(s.slot).second) << row.button;
      }
      EXPECT_GT(s.prompt, 0) << row.button;
    }
  }
}

}  // namespace
}  // namespace velt
