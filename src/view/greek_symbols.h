#pragma once
// The "Symbol" face writes Greek letters and signs at the code points of plain letters. There
// is no such font here: texts in that face are shown with the Unicode letters instead, and
// keep their stored characters, so files written elsewhere read and write back unchanged.
#include <string>
#include <string_view>

namespace velt {

// Whether a font face is the Symbol face (letter case ignored).
bool IsSymbolFace(std::string_view face);
// The Unicode characters a Symbol-face text shows (UTF-8 in, UTF-8 out); characters without
// a Symbol meaning stay as they are.
std::string SymbolToGreek(std::string_view text);
// The stored form of a text typed in Greek: the inverse of SymbolToGreek.
std::string GreekToSymbol(std::string_view text);

}  // namespace velt
