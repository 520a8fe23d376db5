#include "view/format_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace velt {
namespace {

// Above this magnitude a number is written in exponent form.
constexpr double kExponentFrom = 10'000'000;
// Significant digits kept before the decimals are rounded.
constexpr int kPrecision = 15;

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "?";
  return value < 0 ? "-∞" : "∞";
}

// to_chars writes "1.23e+07"; the drawing shows "1.23E+07".
std::string Scientific(double value, int fractionDigits) {
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, fractionDigits);
  std::string s(buf, r.ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

// The digits of |value| rounded to kPrecision significant digits: value = 0.d1d2... * 10^point.
struct Digits {
  std::string digits;  // kPrecision digits, the first non-zero unless the value is 0
  int point = 0;       // digits before the decimal point (may be zero or negative)
};

Digits SignificantDigits(double magnitude) {
  Digits d;
  if (magnitude == 0) {
    d.digits.assign(kPrecision, '0');
    d.point = 1;
    return d;
  }
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                               kPrecision - 1);
  const std::string_view s(buf, static_cast<size_t>(r.ptr - buf));
  const size_t e = s.find('e');
  for (size_t i = 0; i < e; ++i)
    if (s[i] != '.') d.digits += s[i];
  int exponent = 0;
  const char* first = s.data() + e + 1;
  if (*first == '+') ++first;
  std::from_chars(first, s.data() + s.size(), exponent);
  d.point = exponent + 1;
  return d;
}

// Fixed notation of the rounded digits with `decimals` decimals, half away from zero.
std::string FixedFromDigits(const Digits& d, int decimals) {
  // Digit i of the value stands at position point - 1 - i (0 units, -1 tenths, ...). Keep
  // all positions down to -decimals: the integer part has max(point, 1) digits.
  const int intDigits = std::max(d.point, 1);
  const int total = intDigits + decimals;  // digits written
  std::string out(static_cast<size_t>(total), '0');
  // Write digit i at index (intDigits - point) + i.
  const int shift = intDigits - d.point;
  for (int i = 0; i < static_cast<int>(d.digits.size()); ++i) {
    const int at = shift + i;
    if (at >= 0 && at < total) out[static_cast<size_t>(at)] = d.digits[static_cast<size_t>(i)];
  }
  // The first digit dropped decides the rounding.
  const int dropped = total - shift;
  if (dropped >= 0 && dropped < static_cast<int>(d.digits.size()) &&
      d.digits[static_cast<size_t>(dropped)] >= '5') {
    int i = total - 1;
    while (i >= 0 && out[static_cast<size_t>(i)] == '9') out[static_cast<size_t>(i--)] = '0';
    if (i >= 0)
      ++out[static_cast<size_t>(i)];
    else
      out.insert(out.begin(), '1');
  }
  if (decimals > 0) out.insert(out.end() - decimals, '.');
  return out;
}

}  // namespace

std::string FormatNumber(double value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  if (std::fabs(value) > kExponentFrom) return Scientific(value, 2);
  const std::string fixed = FixedFromDigits(SignificantDigits(std::fabs(value)), decimals);
  // A negative value keeps its sign even when it rounds to zero; -0 is not negative.
  return value < 0 ? "-" + fixed : fixed;
}

std::string AxisStepText(double count) {
  if (!std::isfinite(count)) return NonFiniteText(count);
  if (std::fabs(count) >= kExponentFrom) return Scientific(count, 0);
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, count + 0.0, std::chars_format::general, kPrecision);
  return std::string(buf, r.ptr);
}

}  // namespace velt
