#pragma once
// String numbers of the file and document messages (1000..1049).
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kNotAValidFile = 1000;
inline constexpr int kWriteError = 1001;
inline constexpr int kNewerVersion = 1002;
inline constexpr int kNoSuchElement = 1010;
inline constexpr int kCannotDrag = 1011;
inline constexpr int kNotADocument = 1012;

std::span<const StringEntry> FileStrings();

}  // namespace velt::str
