#pragma once
// String numbers of the texts labels show: the undefined number, the checkers' answers
// (1080..1099) and the unit texts (1160..1170).
#include <cstdint>
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kNotExisting = 1080;  // a number without a value
inline constexpr int kUnitWord = 1081;     // axes shown with their unit
// The answers of checker kind k (50..54): 1082 + 2 (k - 50) when the property holds, the
// next number when it does not.
inline constexpr int CheckerAnswer(int32_t kind, bool holds) {
  return 1082 + 2 * (kind - 50) + (holds ? 0 : 1);
}
// Unit texts: lengths mm, cm, m, km; areas mm², cm², m², km²; angles rd, °, gr.
inline constexpr int LengthUnitText(int32_t unit) { return 1160 + unit; }
inline constexpr int AreaUnitText(int32_t unit) { return 1164 + unit; }
inline constexpr int AngleUnitText(int32_t unit) { return 1168 + unit; }

std::span<const StringEntry> MeasureStrings();

}  // namespace velt::str
