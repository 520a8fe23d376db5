#pragma once
// Texts are UTF-8 inside the program and Windows-1252 in files; these convert at the boundary.
#include <cstddef>
#include <string>
#include <string_view>

namespace velt {

// Every byte maps to one character; the five bytes that the code page leaves undefined map
// to the control characters of the same value, so that any byte sequence survives a round
// trip.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters outside the code page become '?'; malformed UTF-8 sequences become '?' too.
std::string Utf8ToCp1252(std::string_view text);
// Number of characters (code points) of a UTF-8 text; a malformed byte counts as one.
size_t Utf8Length(std::string_view text);

}  // namespace velt
