#include "ui/options_check.h"

#include <charconv>
#include <cmath>

#include "ui/strings_settings.h"

namespace velt {
namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<long long> Integer(std::string_view s) {
  s = Trimmed(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  long long v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

// A real with a point or a comma as the decimal sign.
std::optional<double> Real(std::string_view s) {
  std::string t(Trimmed(s));
  for (char& c : t)
    if (c == ',') c = '.';
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  double v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

bool In(const std::optional<long long>& v, long long lo, long long hi, int& out) {
  if (!v || *v < lo || *v > hi) return false;
  out = static_cast<int>(*v);
  return true;
}

}  // namespace

std::optional<OptionsFieldError> CheckOptionsFields(const OptionsFields& in, int screenExtent,
                                                    const LanguageTable& lang, OptionsValues& out) {
  using F = OptionsField;
  if (!In(Integer(in.detectionDistance), 2, 20, out.detectionDistance))
    return OptionsFieldError{F::DetectionDistance, lang.Get(str::kOnlyIntegers2To20)};
  if (!In(Integer(in.planeSize), screenExtent, screenExtent + 10000LL, out.planeSize))
    return OptionsFieldError{F::PlaneSize, lang.Get(str::kOnlyIntegersBetween) + " " +
                                               std::to_string(screenExtent) + " " +
                                               lang.Get(str::kAndWord) + " " +
                                               std::to_string(screenExtent + 10000)};
  if (!In(Integer(in.locusPoints), 10, 50000, out.locusPoints))
    return OptionsFieldError{F::LocusPoints, lang.Get(str::kOnlyIntegers10And) + " 50000"};
  if (!In(Integer(in.nameDistance), 20, 100, out.nameDistance))
    return OptionsFieldError{F::NameDistance, lang.Get(str::kOnlyIntegers20To100)};
  if (!In(Integer(in.decimals), 0, 8, out.decimals))
    return OptionsFieldError{F::Decimals, lang.Get(str::kOnlyIntegers0To8)};
  const std::optional<double> ppu = Real(in.pixelsPerUnit);
  if (!ppu || !(*ppu > 0) || *ppu > 1000)
    return OptionsFieldError{F::PixelsPerUnit, lang.Get(str::kOnlyReal0To1000)};
  out.pixelsPerUnit = *ppu;
  return std::nullopt;
}

}  // namespace velt
