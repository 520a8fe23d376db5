#pragma once
// String numbers of printing, picture export and pasting, and the construction list
// (messages 1150..1159, labels 2060..2089).
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kPrintBitmapQuestion = 1150;
inline constexpr int kNoDefaultPrinter = 1151;
inline constexpr int kPictureReadOnly = 1152;
inline constexpr int kPictureNotWritten = 1153;
inline constexpr int kNoClipboardPicture = 1154;
inline constexpr int kPictureTooLarge = 1155;

inline constexpr int kPrintMenu = 2060;
inline constexpr int kPrintBitmapMenu = 2061;
inline constexpr int kCopyPictureMenu = 2062;
inline constexpr int kPastePictureMenu = 2063;
inline constexpr int kPrintPreviewCaption = 2064;
inline constexpr int kPlaneSizeLabel = 2065;
inline constexpr int kPrintScaleLabel = 2066;
inline constexpr int kCopiesLabel = 2067;
inline constexpr int kPrinterSetupButton = 2068;
inline constexpr int kPrintButton = 2069;
inline constexpr int kPictureFilter = 2070;
inline constexpr int kConstructionListCaption = 2071;
inline constexpr int kShowAllButton = 2072;

std::span<const StringEntry> ExportStrings();

}  // namespace velt::str
