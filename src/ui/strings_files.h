#pragma once
// String numbers of the file and document messages (1000..1049).
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kNotAValidFile = 1000;
inline constexpr int kWriteError = 1001;
inline constexpr int kNewerVersion = 1002;
inline constexpr int kNoSuchElement = 1010;
inline constexpr int kSaveOptionsQuestion = 1011;
inline constexpr int kNotADocument = 1012;
inline constexpr int kCannotDrag = 1013;
inline constexpr int kNoLanguageFiles = 1014;
inline constexpr int kCyclicReferencesCut = 1015;

std::span<const StringEntry> FileStrings();

}  // namespace velt::str
