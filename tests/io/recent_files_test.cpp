// The recent-file list: ten entries, the newest first, one entry per path whatever its case.
#include "io/recent_files.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(RecentFiles, NewestFirstTenAtMostNoDuplicatesByCase) {
  std::vector<std::string> list;
  for (int i = 0; i < 12; ++i) AddRecentFile(list, "/d/f" + std::to_string(i) + ".vlt");
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list.front(), "/d/f11.vlt");
  EXPECT_EQ(list.back(), "/d/f2.vlt");  // f0 and f1 fell off
  AddRecentFile(list, "/D/F5.VLT");
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list.front(), "/D/F5.VLT");
  EXPECT_EQ(std::count(list.begin(), list.end(), "/d/f5.vlt"), 0);
  EXPECT_EQ(list[1], "/d/f11.vlt");
  EXPECT_EQ(list.back(), "/d/f2.vlt");  // nothing fell off: the old f5 left its place
  AddRecentFile(list, "");
  EXPECT_EQ(list.front(), "/D/F5.VLT");
}

TEST(RecentFiles, CaseFoldingCoversAccentedLetters) {
  EXPECT_TRUE(SameRecentPath("/x/Árbol.vlt", "/X/árbol.VLT"));
  EXPECT_FALSE(SameRecentPath("/x/a.vlt", "/x/b.vlt"));
  EXPECT_FALSE(SameRecentPath("/x/a.vlt", "/x/a.vlt2"));
  // × and ÷ are not letters: their neighbours in the code table are not their case pair.
  EXPECT_FALSE(SameRecentPath("\u00D7", "\u00F7"));
}

}  // namespace
}  // namespace velt
