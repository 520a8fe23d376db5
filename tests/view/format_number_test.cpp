#include "view/format_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale>
#include <random>
#include <string>

#include "expr/expression.h"
#include "view/svg_canvas.h"

namespace velt {
namespace {

TEST(FormatNumber, ZeroAndTheSignOfSmallValues) {
  EXPECT_EQ(FormatNumber(0, 2), "0.00");
  EXPECT_EQ(FormatNumber(-0.0, 2), "0.00");  // negative zero is not negative
  EXPECT_EQ(FormatNumber(-0.0, 0), "0");
  EXPECT_EQ(FormatNumber(0.004, 2), "0.00");
  EXPECT_EQ(FormatNumber(-0.004, 2), "-0.00");
  EXPECT_EQ(FormatNumber(-0.001, 2), "-0.00");
  EXPECT_EQ(FormatNumber(0.005, 2), "0.01");
  EXPECT_EQ(FormatNumber(-0.005, 2), "-0.01");
  EXPECT_EQ(FormatNumber(0.0049999, 2), "0.00");
}

TEST(FormatNumber, RoundsTheDecimalTextAsWritten) {
  // Rounded to 15 significant digits first, so values written with a final 5 round up even
  // where the nearest double lies just below.
  EXPECT_EQ(FormatNumber(2.675, 2), "2.68");
  EXPECT_EQ(FormatNumber(1.005, 2), "1.01");
  EXPECT_EQ(FormatNumber(0.015, 2), "0.02");
  EXPECT_EQ(FormatNumber(2.5, 0), "3");
  EXPECT_EQ(FormatNumber(-2.5, 0), "-3");
  EXPECT_EQ(FormatNumber(0.4, 0), "0");
  EXPECT_EQ(FormatNumber(9.995, 2), "10.00");
  EXPECT_EQ(FormatNumber(9999999.999, 2), "10000000.00");
  EXPECT_EQ(FormatNumber(123.456, 1), "123.5");
  EXPECT_EQ(FormatNumber(-42, 3), "-42.000");
}

TEST(FormatNumber, LargeMagnitudesInExponentForm) {
  for (int d = 0; d <= 8; ++d) {
    EXPECT_EQ(FormatNumber(12345678.9, d), "1.23E+07") << d;
    EXPECT_EQ(FormatNumber(-12345678.9, d), "-1.23E+07") << d;
  }
  EXPECT_EQ(FormatNumber(1e7, 2), "10000000.00");  // not above the limit
  EXPECT_EQ(FormatNumber(-1e7, 0), "-10000000");
  EXPECT_EQ(FormatNumber(10000000.5, 2), "1.00E+07");
  EXPECT_EQ(FormatNumber(4.5678e12, 5), "4.57E+12");
  EXPECT_EQ(FormatNumber(1e300, 2), "1.00E+300");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::max(), 2), "1.80E+308");
}

TEST(FormatNumber, SmallMagnitudesKeepTheirDecimals) {
  EXPECT_EQ(FormatNumber(1e-7, 2), "0.00");
  EXPECT_EQ(FormatNumber(-1e-7, 2), "-0.00");
  EXPECT_EQ(FormatNumber(1e-7, 8), "0.00000010");
  EXPECT_EQ(FormatNumber(1.5e-8, 8), "0.00000002");
  EXPECT_EQ(FormatNumber(1e-9, 8), "0.00000000");
  EXPECT_EQ(FormatNumber(-1e-300, 8), "-0.00000000");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min(), 3), "0.000");
}

TEST(FormatNumber, EightDecimalsAndNoMore) {
  EXPECT_EQ(FormatNumber(3.14159265358979, 8), "3.14159265");
  EXPECT_EQ(FormatNumber(-2.718281828459045, 8), "-2.71828183");
  EXPECT_EQ(FormatNumber(1234567.123456789, 8), "1234567.12345679");  // 15 digits kept
  // Asking for more than 8 (or fewer than 0) decimals gives the nearest allowed count.
  EXPECT_EQ(FormatNumber(3.14159265358979, 9), "3.14159265");
  EXPECT_EQ(FormatNumber(3.14159265358979, 1000), "3.14159265");
  EXPECT_EQ(FormatNumber(3.7, -1), "4");
  EXPECT_EQ(FormatNumber(3.7, std::numeric_limits<int>::min()), "4");
}

TEST(FormatNumber, NonFiniteValuesHaveTexts) {
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), 2), "∞");
  EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), 2), "-∞");
  EXPECT_EQ(FormatNumber(std::nan(""), 2), "?");
  EXPECT_EQ(AxisStepText(std::nan("")), "?");
}

// printf in the "C" locale of a value that was first rounded to 15 significant digits,
// for values whose 15-digit text is not a tie at the requested decimals (printf rounds the
// binary value, which may lie either side of such a tie).
std::optional<std::string> Reference(double v, int decimals) {
  char sig[64];
  std::snprintf(sig, sizeof sig, "%.14e", std::fabs(v));
  const std::string text = sig;
  const std::string digits = text.substr(0, 1) + text.substr(2, 14);
  const int point = std::atoi(text.c_str() + text.find('e') + 1) + 1;
  const int dropped = point + decimals;
  if (dropped >= 0 && dropped < 15 && digits[dropped] == '5' &&
      digits.find_first_not_of('0', dropped + 1) == std::string::npos)
    return std::nullopt;
  char out[128];
  std::snprintf(out, sizeof out, "%.*f", decimals, std::strtod(sig, nullptr));
  std::string s = v < 0 ? "-" : "";
  s += out;
  return s;
}

TEST(FormatNumber, AgreesWithPrintfOnRandomValues) {
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-9, 6), decimals(0, 8);
  int checked = 0;
  for (int i = 0; i < 20000; ++i) {
    const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    const int d = decimals(rng);
    const auto expected = Reference(v, d);
    if (!expected) continue;
    ASSERT_EQ(FormatNumber(v, d), *expected) << v << " at " << d;
    ++checked;
  }
  EXPECT_GT(checked, 19000);
}

TEST(AxisStepText, ExponentFromTenMillionAndPlainDigitsBelow) {
  EXPECT_EQ(AxisStepText(5), "5");
  EXPECT_EQ(AxisStepText(-0.0), "0");
  EXPECT_EQ(AxisStepText(0.25), "0.25");
  EXPECT_EQ(AxisStepText(9999999), "9999999");
  EXPECT_EQ(AxisStepText(1e7), "1E+07");
  EXPECT_EQ(AxisStepText(-2.5e9), "-2E+09");
  EXPECT_EQ(AxisStepText(0.1 + 0.2), "0.3");  // 15 significant digits, no trailing zeros
}

// Numbers are written and read with a point even when the user's locale writes a comma:
// Qt's application object sets the locale from the environment, and printf and strtod
// follow it.
class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef VELT_TEST_LOCALES
    setenv("LOCPATH", VELT_TEST_LOCALES, 1);
#endif
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "es_ES.UTF-8"}) {
      if (std::setlocale(LC_ALL, name)) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 1.5);
        if (std::string(buf) == "1,5") {
          active_ = true;
          try {
            std::locale::global(std::locale(name));
          } catch (const std::exception&) {
            // the C++ locale of that name is not available; the C one is enough
          }
          return;
        }
      }
    }
    std::setlocale(LC_ALL, "C");
    GTEST_SKIP() << "no locale with a decimal comma could be set (localedef missing?)";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
    unsetenv("LOCPATH");
  }
  bool active_ = false;
};

TEST_F(CommaLocale, FormattingStillWritesAPoint) {
  ASSERT_TRUE(active_);
  EXPECT_EQ(FormatNumber(1234.5678, 2), "1234.57");
  EXPECT_EQ(FormatNumber(-0.004, 2), "-0.00");
  EXPECT_EQ(FormatNumber(12345678.9, 2), "1.23E+07");
  EXPECT_EQ(AxisStepText(0.25), "0.25");
  SvgCanvas svg(10, 10);
  svg.SetPen({0, 1, LineStyle::kSolid});
  svg.Line({0, 0}, {3, 4});
  const std::string picture = svg.Document();
  EXPECT_NE(picture.find("0.5,0.5"), std::string::npos) << picture;
  EXPECT_EQ(picture.find("0,5"), std::string::npos) << picture;
}

TEST_F(CommaLocale, ExpressionsStillReadAPoint) {
  ASSERT_TRUE(active_);
  const auto v = expr::EvaluateConstantText("1.5*2");
  ASSERT_TRUE(v);
  EXPECT_DOUBLE_EQ(*v, 3.0);
}

}  // namespace
}  // namespace velt
