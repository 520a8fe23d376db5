#pragma once
// String numbers of the language table, by area. Each area owns a range of numbers and
// lists its built-in texts in its own strings_<area>.cpp.
//   1..25      element type names (1 "punto", 2 "recta", ...: type + 1)
//   30..102    construction kind names (kind + 30)
//   200..647   interface labels, tool hints and prompts (window)
//   1000..1049 file and document messages
//   1050..1079 expression and calculator messages, the parameter dialog (strings_numbers.h)
//   1080..1099 view and drawing texts (labels, strings_measures.h, with their unit texts
//              at 1160..1170)
//   1130..1139 action buttons: default captions, the movement-button warning
//   1100..1179 other messages (1150 is the question asked before printing the screen
//              picture; 1175..1179 the locus and trace commands, strings_loci.h;
//              1100..1119 the animation window and the replay, strings_animation.h)
//   1180..1199 construction-script messages
//   2300..2349 appearance, fonts and document-list windows (strings_appearance.h)
//   560..599, 1016..1049 general options, languages, recovery (strings_settings.h)
//   2000..2099 dialogs (2020..2049 the macro dialog and its messages, strings_macros.h)
//              (2090..2099 the iteration dialogs, strings_iteration.h)
//   2400..2469 the element edit dialog, parametric colour, point entry, the text editor
//              (strings_edit.h)
//   2500..2509 the help window (strings_help.h)
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int TypeName(int type) { return type + 1; }
inline constexpr int KindName(int kind) { return kind + 30; }

// Built-in texts of one area each.
std::span<const StringEntry> KindAndTypeStrings();

}  // namespace velt::str
