// The fonts window's model: fonts change at once, Cancel restores, OK marks modified.
#include "ui/font_choice.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(FontsSession, CancelPutsTheNameFontBackAndLeavesTheDocumentUnmodified) {
  auto d = MakeDocument(Options{});
  d->modified = 0;
  const Font before = d->nameFont;
  FontsSession s(*d);
  s.Replace(1, Font{"Courier New", 255, 20, 1});
  EXPECT_EQ(d->nameFont.face, "Courier New") << "the choice applies at once";
  EXPECT_EQ(s.FontOf(1).size, 20);
  s.Cancel();
  EXPECT_EQ(d->nameFont, before);
  EXPECT_EQ(d->modified, 0);
}

TEST(FontsSession, OkKeepsTwoChangesAndMarksModified) {
  auto d = MakeDocument(Options{});
  d->modified = 0;
  FontsSession s(*d);
  s.Replace(0, Font{"Times", 1, 14});
  s.Replace(3, Font{"Verdana", 2, 9, 0, 1});
  EXPECT_TRUE(s.Confirm());
  EXPECT_EQ(d->modified, 1);
  EXPECT_EQ(d->cursorFont.face, "Times");
  EXPECT_EQ(d->textFont.italic, 1);
  EXPECT_EQ(d->numberFont, Options{}.numberFont);
}

TEST(FontsSession, OkWithoutChangesLeavesTheDocumentUnmodified) {
  auto d = MakeDocument(Options{});
  d->modified = 0;
  FontsSession s(*d);
  s.Replace(2, d->numberFont);
  EXPECT_FALSE(s.Confirm());
  EXPECT_EQ(d->modified, 0);
}

TEST(FontsSession, SizesStayWithinOneToSeventyTwoPoints) {
  auto d = MakeDocument(Options{});
  FontsSession s(*d);
  s.Replace(2, Font{"Arial", 0, 300});
  EXPECT_EQ(d->numberFont.size, 72);
  s.Replace(2, Font{"", 0, -4});
  EXPECT_EQ(d->numberFont.size, 1);
  EXPECT_EQ(d->numberFont.face, "Arial");
  s.Replace(2, Font{"Georgia", 0, 72});
  EXPECT_EQ(d->numberFont.size, 72);
}

}  // namespace
}  // namespace velt
