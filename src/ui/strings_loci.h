#pragma once
// String numbers of the locus and trace commands (1175..1179).
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kDisableAllTraces = 1175;
inline constexpr int kClearTraces = 1176;

std::span<const StringEntry> LociStrings();

}  // namespace velt::str
