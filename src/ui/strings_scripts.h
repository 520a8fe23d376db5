#pragma once
// String numbers of the construction-script messages (1180..1199).
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kScriptUnknownCommand = 1180;
inline constexpr int kScriptArguments = 1181;
inline constexpr int kScriptNotANumber = 1182;
inline constexpr int kScriptUnknownTool = 1183;
inline constexpr int kScriptToolNotBuilt = 1184;
inline constexpr int kScriptUnknownKey = 1185;
inline constexpr int kScriptOutsideWindow = 1186;
inline constexpr int kScriptTooLong = 1187;
inline constexpr int kScriptLineTooLong = 1188;
inline constexpr int kScriptCannotRead = 1189;
inline constexpr int kScriptTooFar = 1190;
inline constexpr int kScriptTooMuchUndo = 1191;
inline constexpr int kScriptNoCalculator = 1192;

std::span<const StringEntry> ScriptStrings();

}  // namespace velt::str
