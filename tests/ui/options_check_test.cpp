// The general options dialog's checks: order, limits and the messages that name them.
#include "ui/options_check.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

OptionsFields Good() { return {"8", "3000", "80", "50", "2", "40"}; }

std::optional<OptionsFieldError> Check(const OptionsFields& f, OptionsValues* values = nullptr) {
  OptionsValues v;
  auto e = CheckOptionsFields(f, 1921, BuiltInLanguage(), v);
  if (values) *values = v;
  return e;
}

TEST(OptionsCheck, GoodFieldsGiveTheirValues) {
  OptionsValues v;
  OptionsFields f = Good();
  f.pixelsPerUnit = "12,5";
  ASSERT_FALSE(Check(f, &v).has_value());
  EXPECT_EQ(v.detectionDistance, 8);
  EXPECT_EQ(v.planeSize, 3000);
  EXPECT_EQ(v.locusPoints, 80);
  EXPECT_EQ(v.nameDistance, 50);
  EXPECT_EQ(v.decimals, 2);
  EXPECT_DOUBLE_EQ(v.pixelsPerUnit, 12.5);
}

TEST(OptionsCheck, EachFieldAtItsLimits) {
  struct Case {
    std::string OptionsFields::*field;
    OptionsField which;
    const char *lowOk, *highOk, *lowBad, *highBad;
    const char* message;
  };
  const Case cases[] = {
      {&OptionsFields::detectionDistance, OptionsField::DetectionDistance, "2", "20", "1", "21",
       "Solo valen enteros entre 2 y 20"},
      {&OptionsFields::planeSize, OptionsField::PlaneSize, "1921", "11921", "1920", "11922",
       "Solo valen enteros entre 1921 y 11921"},
      {&OptionsFields::locusPoints, OptionsField::LocusPoints, "10", "50000", "9", "50001",
       "Solo valen enteros entre 10 y 50000"},
      {&OptionsFields::nameDistance, OptionsField::NameDistance, "20", "100", "19", "101",
       "Solo valen enteros entre 20 y 100"},
      // The message names the real upper limit, 8.
      {&OptionsFields::decimals, OptionsField::Decimals, "0", "8", "-1", "9",
       "Solo valen enteros entre 0 y 8"},
      {&OptionsFields::pixelsPerUnit, OptionsField::PixelsPerUnit, "0.001", "1000", "0", "1000.5",
       "Solo vale real entre 0 y 1000"},
  };
  for (const Case& c : cases) {
    for (const char* ok : {c.lowOk, c.highOk}) {
      OptionsFields f = Good();
      (f.*c.field).assign(ok);
      EXPECT_FALSE(Check(f).has_value()) << ok;
    }
    for (const char* bad : {c.lowBad, c.highBad, "abc", ""}) {
      OptionsFields f = Good();
      (f.*c.field).assign(bad);
      auto e = Check(f);
      ASSERT_TRUE(e.has_value()) << bad;
      EXPECT_EQ(e->field, c.which);
      EXPECT_EQ(e->message, c.message);
    }
  }
}

TEST(OptionsCheck, FirstFailureInTheDialogsOrderWins) {
  const OptionsFields twoBad{"8", "3000", "5", "50", "9", "40"};
  EXPECT_EQ(Check(twoBad)->field, OptionsField::LocusPoints);
  const OptionsFields threeBad{"1.5", "3000", "5", "50", "9", "40"};
  EXPECT_EQ(Check(threeBad)->field, OptionsField::DetectionDistance);
}

}  // namespace
}  // namespace velt
