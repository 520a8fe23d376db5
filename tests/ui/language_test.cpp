#include <gtest/gtest.h>

#include "model/kinds.h"
#include "ui/strings.h"

namespace velt {
namespace {

TEST(Language, BuiltInTextsAreSpanishAndReplaceable) {
  LanguageTable t;
  EXPECT_EQ(t.Get(1), "punto");
  EXPECT_EQ(t.Get(2), "recta");
  EXPECT_EQ(t.Get(str::KindName(kConic)), "Cónica por 5 puntos");
  EXPECT_EQ(t.Get(999999), "");
  t.Set(1, "point");
  EXPECT_EQ(t.Get(1), "point");
}

}  // namespace
}  // namespace velt
