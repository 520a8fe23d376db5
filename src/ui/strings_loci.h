#pragma once
// String numbers of the locus and trace commands (1160..1169).
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kDisableAllTraces = 1160;
inline constexpr int kClearTraces = 1161;

std::span<const StringEntry> LociStrings();

}  // namespace velt::str
