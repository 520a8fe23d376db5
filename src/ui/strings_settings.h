#pragma once
// String numbers of the general options window, the language choice, the options commands
// and crash recovery: labels 560..599, messages 1016..1049.
#include <span>

#include "ui/language.h"

namespace velt::str {

enum SettingsString : int {
  // Menu captions and labels (560..599).
  kGeneralOptionsMenu = 561,
  kLanguageMenu = 564,
  kFactoryOptions,
  kSaveOptions,
  kClearRecent,
  kTabEnvironment = 570,
  kTabConstruction,
  kTabNumbers,
  kDetectionDistanceLabel,
  kPlaneSizeFieldLabel,
  kLocusPointsLabel,
  kNameDistanceLabel,
  kDecimalsFieldLabel,
  kPixelsPerUnitLabel,
  kLengthUnitLabel,
  kAngleUnitLabel = 580,
  kCoordinateSystemLabel,
  kRectangular,
  kPolar,
  kAdaptCursorColour,
  kBigButtons,
  kHideMacroIntermediates,
  kStepFromLast,
  kGeneralOptionsTitle,
  kViewerMode = 599,  // the menu item, the viewer bar and its button that leaves the mode
  // Messages (1016..1049).
  kOptionsDamaged = 1016,
  kOptionsNotSaved,
  kOnlyIntegers2To20,
  kOnlyIntegersBetween,
  kAndWord,
  kOnlyIntegers10And,
  kOnlyIntegers20To100,
  kOnlyIntegers0To8,
  kOnlyReal0To1000,
  kRecoveryOffer,
};

std::span<const StringEntry> SettingsStrings();

}  // namespace velt::str
