#pragma once
// String numbers of the action buttons (1130..1139).
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kButtonCaptionShowHide = 1130;  // a new hide/show button's caption
inline constexpr int kButtonCaptionMove = 1131;      // a new movement button's caption
inline constexpr int kMoveButtonRefused = 1132;      // tool 57: the picks do not form pairs
inline constexpr int kScriptNoButton = 1133;         // `press` found no active button there

std::span<const StringEntry> ButtonStrings();

}  // namespace velt::str
